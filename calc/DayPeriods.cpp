#include "calc/DayPeriods.h"

#include "calc/modRahukal.h"

#include <cstdint>

namespace horavela {

namespace {

// Sunday first, as weekday::c_encoding counts. Rahu Kaal's eighths are the check's own table.
constexpr std::array<std::array<std::int8_t, 7>, 2> OtherEighths{{
    {5, 4, 3, 2, 1, 7, 6}, // Yamaganda
    {7, 6, 5, 4, 3, 2, 1}, // Gulika Kaal
}};

} // namespace

int eighthOf(DayPeriod period, std::chrono::weekday day) {
    if (period == DayPeriod::RahuKaal)
        return RahukalPart[day.c_encoding()].eighth + 1;
    return OtherEighths[static_cast<std::size_t>(period) - 1][day.c_encoding()];
}

DayPeriods dayPeriods(const Place& place, std::chrono::year_month_day date) {
    using std::chrono::seconds;
    DayPeriods day;
    day.date = date;
    day.zone = place.zone;
    CalculationState state;
    day.result = sunRiseSunSetAt(state, date, place);
    if (day.result != SunResult::Ok || !state.SunTimes[0] || !state.SunTimes[1]) {
        if (day.result == SunResult::Ok)
            day.result = SunResult::BadInput;
        return day;
    }
    day.sunRise = *state.SunTimes[0];
    day.sunSet = *state.SunTimes[1];
    // The same eighth as the check's, so the day's Rahu Kaal is the check's to the second.
    const seconds part{partLengthOf(day.sunRise, day.sunSet)};
    const std::chrono::weekday weekday{std::chrono::sys_days{date}};
    for (const DayPeriod period : DayPeriodsInOrder) {
        const int eighth = eighthOf(period, weekday);
        TimeSpan& span = day.periods[static_cast<std::size_t>(period)];
        span.start = day.sunRise + (eighth - 1) * part;
        // The last eighth runs to its very end, as the check writes Sunday's Rahu Kaal.
        span.end = day.sunRise + eighth * part - seconds{eighth == 8 ? 0 : 1};
    }
    return day;
}

} // namespace horavela
