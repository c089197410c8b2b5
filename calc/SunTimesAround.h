// The sunrise and sunset around a chosen day: that day, the day before and the day after, which
// the Rahu Kaal period needs to find the stretch its moment lies in.
#pragma once

#include "calc/CalculationState.h"
#include "calc/modSunRiseSunSet.h"

#include <chrono>
#include <cstdint>
#include <string>

namespace horavela {

// A place as the main window takes it: unsigned degrees and minutes with their hemispheres, and
// the zone texts as typed (hours west of Greenwich positive, the sign of the minutes ignored).
struct Place {
    std::int16_t LatDegrees = 0;
    std::int16_t LatMinutes = 0;
    bool IsSouth = false;
    std::int16_t LonDegrees = 0;
    std::int16_t LonMinutes = 0;
    bool IsEast = false;
    std::string ZoneHours;
    std::string ZoneMinutes;
};

struct SunRunOutcome {
    SunResult result = SunResult::Ok;
    std::chrono::year_month_day day{}; // the day whose run did not give Ok
};

// Runs sunRiseSunSetOn for the chosen day, then the day before, then the day after, and
// copies SunTimes into InputDay..., PreviousDay... and NextDaySunRise/SunSet after each run.
// Stops at the first run that is not Ok; the members of that day and of the days after it keep
// their earlier values, so the caller must not go on to a verdict.
SunRunOutcome computeSunTimesAround(CalculationState& state, std::chrono::year_month_day chosen,
                                    const Place& place);

} // namespace horavela
