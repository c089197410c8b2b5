#include "calc/DayPeriods.h"

#include "calc/Check.h"
#include "tests/calc/CalcTestSupport.h"

#include <gtest/gtest.h>
#include <random>
#include <string>

namespace horavela {
namespace {

using namespace std::chrono;

TEST(DayPeriods, KnownDaysGiveTheirThreePeriods) {
    const Place delhi{28, 36, false, 77, 12, true, ZoneOffset{-5, -30}};
    struct Row {
        const char* what;
        year_month_day date;
        DateTime sunRise, sunSet;
        TimeSpan rahu, yamaganda, gulika;
    };
    const Row rows[] = {
        // Eighths of 4792 seconds from 7:14.
        {"Monday",
         2022y / January / 24,
         at(2022, 1, 24, 7, 14),
         at(2022, 1, 24, 17, 53),
         {at(2022, 1, 24, 8, 33, 52), at(2022, 1, 24, 9, 53, 43)},
         {at(2022, 1, 24, 11, 13, 36), at(2022, 1, 24, 12, 33, 27)},
         {at(2022, 1, 24, 13, 53, 20), at(2022, 1, 24, 15, 13, 11)}},
        // Eighths of 4785 seconds from 7:14; Rahu Kaal takes the last eighth, to its very end.
        {"Sunday",
         2022y / January / 23,
         at(2022, 1, 23, 7, 14),
         at(2022, 1, 23, 17, 52),
         {at(2022, 1, 23, 16, 32, 15), at(2022, 1, 23, 17, 52)},
         {at(2022, 1, 23, 12, 33, 0), at(2022, 1, 23, 13, 52, 44)},
         {at(2022, 1, 23, 15, 12, 30), at(2022, 1, 23, 16, 32, 14)}},
    };
    for (const Row& row : rows) {
        const DayPeriods day = dayPeriods(delhi, row.date);
        ASSERT_EQ(day.result, SunResult::Ok) << row.what;
        EXPECT_EQ(day.sunRise, row.sunRise) << row.what << ": " << text(day.sunRise);
        EXPECT_EQ(day.sunSet, row.sunSet) << row.what << ": " << text(day.sunSet);
        const std::pair<DayPeriod, TimeSpan> expected[] = {{DayPeriod::RahuKaal, row.rahu},
                                                           {DayPeriod::Yamaganda, row.yamaganda},
                                                           {DayPeriod::GulikaKaal, row.gulika}};
        for (const auto& [period, span] : expected) {
            EXPECT_EQ(day[period].start, span.start)
                << row.what << " period " << int(period) << ": " << text(day[period].start);
            EXPECT_EQ(day[period].end, span.end)
                << row.what << " period " << int(period) << ": " << text(day[period].end);
        }
    }
}

TEST(DayPeriods, DaysWithoutSunTimesOrZoneHaveNoPeriods) {
    const Place arcticWinter{78, 13, false, 15, 38, true, ZoneOffset{-1, 0}};
    const Place noZone{28, 36, false, 77, 12, true, std::nullopt};
    EXPECT_EQ(dayPeriods(arcticWinter, 2022y / January / 5).result, SunResult::NoSunrise);
    EXPECT_EQ(dayPeriods(noZone, 2022y / January / 24).result, SunResult::BadInput);
    EXPECT_EQ(dayPeriods(arcticWinter, 2022y / February / 30).result, SunResult::BadInput);
}

// For any daytime moment, the check's Rahu Kaal is the day's, to the second.
TEST(DayPeriods, RandomDaytimeChecksGiveTheDaysRahuKaal) {
    std::mt19937 random(20261207);
    const int firstDay = (local_days{1901y / January / 1} - local_days{}).count();
    const int lastDay = (local_days{2050y / December / 31} - local_days{}).count();
    std::uniform_int_distribution<int> dayOf(firstDay, lastDay);
    std::uniform_int_distribution<int> degreesOf(0, 179), latitudeOf(0, 89), minutesOf(0, 59);
    std::uniform_int_distribution<int> zoneHoursOf(-12, 13), quarterOf(0, 2);
    CalculationState state;
    int compared = 0;
    for (int i = 0; i < 50000; ++i) {
        const year_month_day date{sys_days{days{dayOf(random)}}};
        Place place{static_cast<std::int16_t>(latitudeOf(random)),
                    static_cast<std::int16_t>(minutesOf(random)),
                    (random() & 1) != 0,
                    static_cast<std::int16_t>(degreesOf(random)),
                    static_cast<std::int16_t>(minutesOf(random)),
                    (random() & 1) != 0,
                    {}};
        const int zoneHours = zoneHoursOf(random);
        constexpr int QuarterMinutes[] = {0, 30, 45};
        const int zoneMinutes = (zoneHours < 0 ? -1 : 1) * QuarterMinutes[quarterOf(random)];
        place.zone = ZoneOffset{double(zoneHours), double(zoneMinutes)};
        const DayPeriods day = dayPeriods(place, date);
        if (day.result != SunResult::Ok)
            continue;
        const auto daylight = (day.sunSet - day.sunRise).count();
        // A zone far from the place's own can put the date's sunset before its sunrise: no
        // moment of that date is daytime.
        if (daylight < 0)
            continue;
        const DateTime moment =
            day.sunRise + seconds{std::uniform_int_distribution<long long>(0, daylight)(random)};
        const std::string where =
            "case " + std::to_string(i) + ": " + text(moment) + " at " +
            std::to_string(place.LatDegrees) + "'" + std::to_string(place.LatMinutes) +
            (place.IsSouth ? "S " : "N ") + std::to_string(place.LonDegrees) + "'" +
            std::to_string(place.LonMinutes) + (place.IsEast ? "E" : "W") + ", zone " +
            std::to_string(zoneHours) + " " + std::to_string(zoneMinutes);
        if (check(state, place, moment).result != SunResult::Ok)
            continue; // the day before or after has no sun times
        ++compared;
        ASSERT_EQ(state.InputDaySunRise, day.sunRise) << where;
        ASSERT_EQ(state.InputDaySunSet, day.sunSet) << where;
        ASSERT_EQ(state.RahukalStart, day[DayPeriod::RahuKaal].start)
            << where << ": " << text(state.RahukalStart) << " against "
            << text(day[DayPeriod::RahuKaal].start);
        ASSERT_EQ(state.RahukalEnd, day[DayPeriod::RahuKaal].end)
            << where << ": " << text(state.RahukalEnd) << " against "
            << text(day[DayPeriod::RahuKaal].end);
    }
    EXPECT_GT(compared, 15000) << "too few days had sun times";
}

} // namespace
} // namespace horavela
