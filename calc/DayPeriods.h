// A day's daylight cut into eighths: its sunrise and sunset, and the three periods that almanacs
// give for every day, Rahu Kaal, Yamaganda and Gulika Kaal.
#pragma once

#include "calc/CalculationState.h"
#include "calc/Place.h"
#include "calc/modSunRiseSunSet.h"

#include <array>
#include <chrono>
#include <optional>

namespace horavela {

enum class DayPeriod { RahuKaal, Yamaganda, GulikaKaal };
inline constexpr std::array<DayPeriod, 3> DayPeriodsInOrder{
    DayPeriod::RahuKaal, DayPeriod::Yamaganda, DayPeriod::GulikaKaal};

// The eighth of the daylight, 1 starting at sunrise, that the period takes on the weekday.
int eighthOf(DayPeriod period, std::chrono::weekday day);

struct TimeSpan {
    DateTime start;
    DateTime end;
    bool operator==(const TimeSpan&) const = default;
};

struct DayPeriods {
    std::chrono::year_month_day date{};
    // The zone the day was worked out in: its files write their times with this offset.
    std::optional<ZoneOffset> zone;
    // Ok when the sun times and the periods are set; otherwise why the day has none.
    SunResult result = SunResult::BadInput;
    DateTime sunRise{};
    DateTime sunSet{};
    // Indexed by DayPeriod. Each ends one second before the next eighth begins, the eighth
    // eighth at sunset, as the check writes Rahu Kaal.
    std::array<TimeSpan, 3> periods{};

    const TimeSpan& operator[](DayPeriod period) const {
        return periods[static_cast<std::size_t>(period)];
    }
};

// The day at the place, in the place's zone; a place without a zone is BadInput.
DayPeriods dayPeriods(const Place& place, std::chrono::year_month_day date);

} // namespace horavela
