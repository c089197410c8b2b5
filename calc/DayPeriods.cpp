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
    using namespace std::chrono;
    DayPeriods day;
    day.date = date;
    // A named zone's day runs in its own offset; the place itself, names and all, is not copied
    // for it: a month asks once a day.
    std::optional<Place> named;
    if (place.namedZone && date.ok()) {
        if (!place.namedZone->dayHappened(date)) {
            day.sunless = Sunless::NotAtPlace;
            return day;
        }
        // Noon keeps clear of the changes of offset, which fall in the night.
        named = sunPlace(
            place, zoneOffsetOf(place.namedZone->secondsEastAtLocal(local_days{date} + hours{12})));
    }
    const Place& onDay = named ? *named : place;
    day.zone = onDay.zone;
    CalculationState state;
    day.result = sunRiseSunSetAt(state, date, onDay);
    if (day.result == SunResult::NoSunrise || day.result == SunResult::NoSunset) {
        day.sunless =
            sunStaysUp(date, onDay, day.result) ? Sunless::SunUpAllDay : Sunless::SunDownAllDay;
        return day;
    }
    if (day.result != SunResult::Ok)
        return day;
    day.sunless = Sunless::None;
    day.sunRise = *state.SunTimes[0];
    day.sunSet = *state.SunTimes[1];
    day.clockSunSet = day.sunSet;
    if (day.sunSet < day.sunRise)
        day.sunSet += days{1};

    // Rahu Kaal as the check gives it for a moment of this daylight.
    state.ChosenDateTime = day.sunRise;
    state.InputDaySunRise = day.sunRise;
    state.InputDaySunSet = day.sunSet;
    state.PreviousDaySunSet = day.sunRise;
    state.NextDaySunRise = day.sunSet;
    ComputeRahukalPeriod(state);
    day.periods[static_cast<std::size_t>(DayPeriod::RahuKaal)] = {*state.RahukalStart,
                                                                  *state.RahukalEnd};

    const seconds part{state.PartLength};
    const weekday dayOfWeek{sys_days{date}};
    for (const DayPeriod period : {DayPeriod::Yamaganda, DayPeriod::GulikaKaal}) {
        const int eighth = eighthOf(period, dayOfWeek);
        TimeSpan& span = day.periods[static_cast<std::size_t>(period)];
        span.start = day.sunRise + (eighth - 1) * part;
        // The last eighth runs to its very end, as the check writes Sunday's Rahu Kaal.
        span.end = day.sunRise + eighth * part - seconds{eighth == 8 ? 0 : 1};
    }
    return day;
}

} // namespace horavela
