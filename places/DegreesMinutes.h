// Latitude and longitude in the form the main window takes them: whole
// degrees and minutes with a hemisphere.
#pragma once

#include <QString>
#include <string>

namespace horavela {

struct DegreesMinutes {
    int degrees;
    int minutes;
    char hemisphere; // 'N', 'S', 'E' or 'W'
};

// From signed decimal degrees (north and east positive), rounded to the
// nearest minute, half a minute up. The result is never one that the main
// window's checks refuse: latitude stops at 89° 59′, longitude at 179° 59′.
// A value that rounds to 0° 0′ lies north or east.
DegreesMinutes latitudeForm(double degrees);
DegreesMinutes longitudeForm(double degrees);

// "18° 31′ N", in UTF-8.
std::string text(const DegreesMinutes& angle);
// The same with the hemisphere's letter and the digits of the language in use.
QString angleText(const DegreesMinutes& angle);

} // namespace horavela
