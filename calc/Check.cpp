#include "calc/Check.h"

#include "calc/DayPeriods.h"
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
    // Every day in the offset of the zone boxes, as entered: a named zone's offset of the
    // moment is what they hold.
    std::optional<Place> unnamed;
    if (place.namedZone)
        unnamed = sunPlace(place, place.zone);
    const Place& entered = unnamed ? *unnamed : place;
    for (const Day& day : sunDays) {
        const DayPeriods periods = dayPeriods(entered, day.date);
        if (periods.result != SunResult::Ok) {
            // With a sun time unset, the period is cleared rather than judged.
            for (const Day& unset : sunDays) {
                unset.sunRise.reset();
                unset.sunSet.reset();
            }
            ComputeRahukalPeriod(state);
            return {periods.result, day.date};
        }
        state.SunTimes = {periods.sunRise, periods.clockSunSet};
        day.sunRise = periods.sunRise;
        day.sunSet = periods.clockSunSet;
    }
    ComputeRahukalPeriod(state);
    return {};
}

} // namespace horavela
