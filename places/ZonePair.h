// A zone offset in the form the main window's zone boxes take it.
#pragma once

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

} // namespace horavela
