// A zone offset in the form the main window's zone boxes take it.
#pragma once

#include "calc/Place.h"

namespace horavela {

// Hours and minutes behind universal time, both with the sign of the whole
// offset: five and a half hours east is -5 and -30. Under an hour east, the
// hours are 0 and only the minutes show the sign; the boxes write them -0.
struct ZonePair {
    int hours;
    int minutes;
    bool operator==(const ZonePair&) const = default;
};

// From an offset in seconds east of universal time, rounded toward zero to
// whole minutes.
constexpr ZonePair zonePair(int secondsEast) {
    const int minutesBehind = -secondsEast / 60;
    return {minutesBehind / 60, minutesBehind % 60};
}

// The pair as the check reads it: hours of -0 where the offset is under an hour east.
constexpr ZoneOffset zoneOffset(ZonePair pair) {
    const double hours = pair.hours == 0 && pair.minutes < 0 ? -0.0 : pair.hours;
    return {hours, static_cast<double>(pair.minutes)};
}

} // namespace horavela
