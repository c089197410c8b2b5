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

// What a day without periods had instead.
enum class Sunless {
    None,        // the day has its periods
    SunUpAllDay, // the sun does not cross the horizon, staying above it
    SunDownAllDay,
    NoZone,     // no offset is known for the day
    NotAtPlace, // the place's clocks skipped the day (Apia's 30 December 2011)
};

struct DayPeriods {
    std::chrono::year_month_day date{};
    // The zone the day was worked out in: its files write their times with this offset.
    std::optional<ZoneOffset> zone;
    // Ok when the sun times and the periods are set; otherwise why the day has none.
    SunResult result = SunResult::BadInput;
    Sunless sunless = Sunless::NoZone;
    DateTime sunRise{};
    // After the sunrise: where the clock puts the sunset before it (after local midnight, or in
    // a zone far from the longitude), the day's daylight ends on the next day.
    DateTime sunSet{};
    // The sunset as the clock gives it on the date, before the sunrise in those days; the check
    // takes this one.
    DateTime clockSunSet{};
    // Indexed by DayPeriod. Each ends one second before the next eighth begins, the eighth
    // eighth at sunset, as the check writes Rahu Kaal.
    std::array<TimeSpan, 3> periods{};

    const TimeSpan& operator[](DayPeriod period) const {
        return periods[static_cast<std::size_t>(period)];
    }
};

// The day at the place: in its named zone's offset at that day's noon where it has one, else in
// the offset entered. Rahu Kaal is the check's period for a moment of the day's daylight. A place
// without a zone is BadInput. Every view of a day's periods asks here.
DayPeriods dayPeriods(const Place& place, std::chrono::year_month_day date);

} // namespace horavela
