#include "calc/Check.h"

#include "calc/modRahukal.h"

#include <optional>

namespace horavela {

CheckOutcome check(CalculationState& state, const Place& place, DateTime moment) {
    using namespace std::chrono;
    state.ChosenDateTime = moment;
    const year_month_day chosen{floor<days>(moment)};
    struct Day {
        year_month_day date;
        std::optional<DateTime>& sunRise;
        std::optional<DateTime>& sunSet;
    };
    const Day sunDays[] = {
        {chosen, state.InputDaySunRise, state.InputDaySunSet},
        {sys_days{chosen} - days{1}, state.PreviousDaySunRise, state.PreviousDaySunSet},
        {sys_days{chosen} + days{1}, state.NextDaySunRise, state.NextDaySunSet},
    };
    for (const Day& day : sunDays) {
        const SunResult result = sunRiseSunSetAt(state, day.date, place);
        if (result != SunResult::Ok) {
            // With a sun time unset, the period is cleared rather than judged.
            for (const Day& unset : sunDays) {
                unset.sunRise.reset();
                unset.sunSet.reset();
            }
            ComputeRahukalPeriod(state);
            return {result, day.date};
        }
        day.sunRise = state.SunTimes[0];
        day.sunSet = state.SunTimes[1];
    }
    ComputeRahukalPeriod(state);
    return {};
}

} // namespace horavela
