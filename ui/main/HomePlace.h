// The home place: one place the user keeps between runs, which the main window
// starts with. It lives in the group "home" of the program's kept settings.
#pragma once

#include "calc/Place.h"

#include <QString>
#include <variant>

namespace horavela {

// Why a kept home place could not be used.
enum class HomePlaceFault {
    // The settings themselves cannot be read (a damaged or unreadable file).
    UnreadableSettings,
    // A value is missing or out of range, or the zone's name is not a known zone.
    BadValue,
};

// Nothing kept, the place kept, or why it cannot be used.
using KeptHomePlace = std::variant<std::monostate, Place, HomePlaceFault>;

// Keeps the names, the latitude and longitude and the zone: the named zone's
// name when the place has one, else its offset. Returns false when the
// settings could not be written.
bool keepHomePlace(const Place& place);
// Returns false when the settings could not be written.
bool forgetHomePlace();
// The place last kept, with its named zone found again by name.
KeptHomePlace keptHomePlace();
// A zone number as the zone boxes take it back: "-0" stays "-0", since the
// hours' sign carries the sign of the whole offset.
QString zoneBoxText(double value);
// Whether anything is kept under the home place at all, usable or not.
bool isHomePlaceKept();

// Whether the user left the tray icon on; false when nothing is kept or the settings cannot be
// read. Returns false when the choice could not be written.
bool isTrayKeptOn();
bool keepTrayOn(bool on);
// Whether the user has been told, once, that closing the window leaves the program in the tray.
bool wasToldOfTray();
void keepToldOfTray();

} // namespace horavela
