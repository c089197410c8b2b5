#include "calc/DayPeriods.h"

#include "calc/Check.h"
#include "tests/calc/CalcTestSupport.h"

#include <gtest/gtest.h>
#include <random>
#include <string>

namespace horavela {
namespace {

using namespace std::chrono;

// Sunrise, sunset, then each period's start and end, as times of the day.
std::string dayShown(const DayPeriods& day) {
    std::string shown;
    for (DateTime time :
         {day.sunRise, day.sunSet, day[DayPeriod::RahuKaal].start, day[DayPeriod::RahuKaal].end,
          day[DayPeriod::Yamaganda].start, day[DayPeriod::Yamaganda].end,
          day[DayPeriod::GulikaKaal].start, day[DayPeriod::GulikaKaal].end})
        shown += text(time).substr(text(time).find(' '));
    return shown.substr(1);
}

TEST(DayPeriods, NewDelhiDaysGiveTheirThreePeriods) {
    const Place delhi{28, 36, false, 77, 12, true, ZoneOffset{-5, -30}};
    const struct {
        unsigned day;
        const char* shown;
    } rows[] = {
        // Monday: eighths of 4792 seconds from 7:14.
        {24, "7:14:0 17:53:0 8:33:52 9:53:43 11:13:36 12:33:27 13:53:20 15:13:11"},
        // Sunday: eighths of 4785 seconds; Rahu Kaal takes the last eighth, to its very end.
        {23, "7:14:0 17:52:0 16:32:15 17:52:0 12:33:0 13:52:44 15:12:30 16:32:14"},
    };
    for (const auto& row : rows) {
        const DayPeriods periods = dayPeriods(delhi, 2022y / January / std::chrono::day{row.day});
        ASSERT_EQ(periods.result, SunResult::Ok) << row.day;
        EXPECT_EQ(dayShown(periods), row.shown) << "January " << row.day;
    }
    const Place arctic{78, 13, false, 15, 38, true, ZoneOffset{-1, 0}};
    const Place noZone{28, 36, false, 77, 12, true, std::nullopt};
    // Reykjavik's clock, at universal time, puts midsummer's sunset after midnight (eighths of
    // 9518 seconds from 2:55): the
    // daylight ends on the next date and every period runs forward.
    const Place reykjavik{64, 9, false, 21, 57, false, ZoneOffset{0, 0}};
    const DayPeriods midsummer = dayPeriods(reykjavik, 2025y / June / 21);
    EXPECT_EQ(dayShown(midsummer), "2:55:0 0:4:0 8:12:16 10:50:53 16:8:10 18:46:47 2:55:0 5:33:37")
        << "Saturday 21 June 2025 at Reykjavik";
    EXPECT_EQ(floor<days>(midsummer.sunSet), local_days{2025y / June / 22});
    for (const TimeSpan& span : midsummer.periods)
        EXPECT_LT(span.start, span.end);
    const struct {
        const Place& place;
        year_month_day date;
        Sunless sunless;
    } sunless[] = {
        {arctic, 2022y / January / 5, Sunless::SunDownAllDay},
        {arctic, 2022y / June / 21, Sunless::SunUpAllDay},
        {reykjavik, 2025y / June / 21, Sunless::None},
        {noZone, 2022y / January / 24, Sunless::NoZone},
    };
    for (const auto& row : sunless)
        EXPECT_EQ(dayPeriods(row.place, row.date).sunless, row.sunless)
            << int(row.date.year()) << "-" << unsigned(row.date.month()) << "-"
            << unsigned(row.date.day());
    EXPECT_EQ(dayPeriods(arctic, 2022y / January / 5).result, SunResult::NoSunrise);
    EXPECT_EQ(dayPeriods(noZone, 2022y / January / 24).result, SunResult::BadInput);
    EXPECT_EQ(dayPeriods(arctic, 2022y / February / 30).result, SunResult::BadInput);
}

// The almanacs' weekday table, Sunday first: a slip in one weekday would move that period by
// whole eighths without any other row noticing.
TEST(DayPeriods, EachWeekdayTakesTheAlmanacsEighths) {
    const std::pair<DayPeriod, std::array<int, 7>> rows[] = {
        {DayPeriod::RahuKaal, {8, 2, 7, 5, 6, 4, 3}},
        {DayPeriod::Yamaganda, {5, 4, 3, 2, 1, 7, 6}},
        {DayPeriod::GulikaKaal, {7, 6, 5, 4, 3, 2, 1}},
    };
    for (const auto& [period, eighths] : rows)
        for (unsigned day = 0; day < 7; ++day)
            EXPECT_EQ(eighthOf(period, weekday{day}), eighths[day])
                << "period " << int(period) << ", weekday " << day;
}

// For any daytime moment, the check's Rahu Kaal is the day's, to the second.
TEST(DayPeriods, RandomDaytimeChecksGiveTheDaysRahuKaal) {
    std::mt19937 random(20261207);
    const auto pick = [&random](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    const auto part = [&pick](int most) { return std::int16_t(pick(0, most)); };
    const sys_days first{1901y / January / 1}, last{2050y / December / 31};
    CalculationState state;
    int compared = 0;
    for (int i = 0; i < 50000; ++i) {
        const year_month_day date{first + days{pick(0, int((last - first).count()))}};
        const int zoneHours = pick(-12, 13);
        const int zoneMinutes = (zoneHours < 0 ? -1 : 1) * std::array{0, 30, 45}[pick(0, 2)];
        const Place place{part(89),
                          part(59),
                          part(1) == 1,
                          part(179),
                          part(59),
                          part(1) == 1,
                          ZoneOffset{double(zoneHours), double(zoneMinutes)}};
        const DayPeriods day = dayPeriods(place, date);
        // A zone far from the place's own can put the date's sunset before its sunrise; the day
        // then takes the next date's, which the check, keeping to its date, never does.
        if (day.result != SunResult::Ok || day.sunSet >= local_days{date} + days{1})
            continue;
        const DateTime moment =
            day.sunRise + seconds{pick(0, int((day.sunSet - day.sunRise).count()))};
        if (check(state, place, moment).result != SunResult::Ok)
            continue; // the day before or after has no sun times
        ++compared;
        const auto times = [](auto... t) { return ((text(t) + "; ") + ...); };
        ASSERT_EQ(times(state.InputDaySunRise, state.InputDaySunSet, state.RahukalStart,
                        state.RahukalEnd),
                  times(day.sunRise, day.sunSet, day[DayPeriod::RahuKaal].start,
                        day[DayPeriod::RahuKaal].end))
            << "case " << i << ": " << text(moment) << " at " << place.LatDegrees << "'"
            << place.LatMinutes << (place.IsSouth ? "S " : "N ") << place.LonDegrees << "'"
            << place.LonMinutes << (place.IsEast ? "E" : "W") << ", zone " << zoneHours << " "
            << zoneMinutes;
    }
    EXPECT_GT(compared, 15000) << "too few days had sun times";
}

} // namespace
} // namespace horavela
