// A named zone's offsets from universal time and the moments they change, as the places
// database carries them, so that a day's offset is worked out where the day is, the same on
// every system.
#pragma once

#include "calc/CalculationState.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace horavela {

struct ZoneChange {
    std::chrono::sys_seconds at; // the first moment of the new offset
    std::int32_t secondsEast = 0;
    bool operator==(const ZoneChange&) const = default;
};

struct ZoneHistory {
    std::string name; // the zone's own name, "Asia/Kolkata", whichever name found it
    std::int32_t firstSecondsEast = 0; // in force before the first change
    std::vector<ZoneChange> changes;   // in order of time

    // The offset in force at a moment of universal time.
    std::int32_t secondsEastAt(std::chrono::sys_seconds moment) const;
    // The offset of a local clock time: the one in force at the universal moment it names.
    // Where the clock skips the time, the offset before the change; where it shows the time
    // twice, the earlier of the two.
    std::int32_t secondsEastAtLocal(DateTime local) const;
    // Whether the local date happened at all: Apia skipped 30 December 2011.
    bool dayHappened(std::chrono::year_month_day date) const;
};

} // namespace horavela
