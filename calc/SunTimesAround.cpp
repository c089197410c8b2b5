#include "calc/SunTimesAround.h"

#include <optional>

namespace horavela {

SunRunOutcome computeSunTimesAround(CalculationState& state, std::chrono::year_month_day chosen,
                                    const Place& place) {
    using namespace std::chrono;
    struct Day {
        year_month_day date;
        std::optional<DateTime>& sunRise;
        std::optional<DateTime>& sunSet;
    };
    const Day days[] = {
        {chosen, state.InputDaySunRise, state.InputDaySunSet},
        {sys_days{chosen} - std::chrono::days{1}, state.PreviousDaySunRise,
         state.PreviousDaySunSet},
        {sys_days{chosen} + std::chrono::days{1}, state.NextDaySunRise, state.NextDaySunSet},
    };
    for (const Day& day : days) {
        const SunResult result = sunRiseSunSetOn(
            state, day.date, place.LatDegrees, place.LatMinutes, place.IsSouth, place.LonDegrees,
            place.LonMinutes, place.IsEast, place.ZoneHours, place.ZoneMinutes);
        if (result != SunResult::Ok)
            return {result, day.date};
        day.sunRise = state.SunTimes[0];
        day.sunSet = state.SunTimes[1];
    }
    return {};
}

} // namespace horavela
