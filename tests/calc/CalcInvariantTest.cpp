#include "calc/Check.h"
#include "calc/modRahukal.h"
#include "tests/calc/CalcTestSupport.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>
#include <string>

namespace horavela {
namespace {

using namespace std::chrono;

bool onDate(const std::optional<DateTime>& time, local_days date) {
    return time && floor<days>(*time) == date && (*time - date) % minutes{1} == seconds{0};
}

TEST(Check, KnownMomentsGiveTheirDaysPeriod) {
    const Place delhi{28, 36, false, 77, 12, true, ZoneOffset{-5, -30}};
    struct Row {
        const char* what;
        DateTime moment;
        DateTime start;
        DateTime end;
        Verdict verdict;
    };
    // Monday 24 January 2022: sunrise 7:14, sunset 17:53, eighths of 4792 seconds.
    const Row rows[] = {
        {"in Monday's second eighth", at(2022, 1, 24, 9), at(2022, 1, 24, 8, 33, 52),
         at(2022, 1, 24, 9, 53, 43), Verdict::InRahukal},
        {"just after it", at(2022, 1, 24, 9, 53, 44), at(2022, 1, 24, 8, 33, 52),
         at(2022, 1, 24, 9, 53, 43), Verdict::NotInRahukal},
    };
    for (const Row& row : rows) {
        CalculationState state;
        ASSERT_EQ(check(state, delhi, row.moment).result, SunResult::Ok) << row.what;
        EXPECT_EQ(state.InputDaySunRise, at(2022, 1, 24, 7, 14)) << row.what;
        EXPECT_EQ(state.InputDaySunSet, at(2022, 1, 24, 17, 53)) << row.what;
        EXPECT_EQ(state.RahukalStart, row.start) << row.what << ": " << text(state.RahukalStart);
        EXPECT_EQ(state.RahukalEnd, row.end) << row.what << ": " << text(state.RahukalEnd);
        EXPECT_EQ(state.RahukalResult, row.verdict) << row.what;
    }
}

TEST(CalcInvariants, RandomChecksKeepDatesAndGiveOneEighthAndAMatchingVerdict) {
    std::mt19937 random(20240320);
    const int firstDay = (local_days{1901y / January / 1} - local_days{}).count();
    const int lastDay = (local_days{2050y / December / 31} - local_days{}).count();
    std::uniform_int_distribution<int> dayOf(firstDay, lastDay);
    std::uniform_int_distribution<int> degreesOf(0, 179), latitudeOf(0, 89), minutesOf(0, 59);
    std::uniform_int_distribution<int> secondOf(0, 86399), zoneHoursOf(-12, 13), quarterOf(0, 2);
    CalculationState state;
    int judged = 0;
    for (int i = 0; i < 100000; ++i) {
        const local_days date{days{dayOf(random)}};
        Place place{static_cast<std::int16_t>(latitudeOf(random)),
                    static_cast<std::int16_t>(minutesOf(random)),
                    (random() & 1) != 0,
                    static_cast<std::int16_t>(degreesOf(random)),
                    static_cast<std::int16_t>(minutesOf(random)),
                    (random() & 1) != 0,
                    {}};
        // Every zone the picker can write: whole, half and three-quarter hours, both parts with
        // the sign of the whole offset.
        const int zoneHours = zoneHoursOf(random);
        constexpr int QuarterMinutes[] = {0, 30, 45};
        const int zoneMinutes = (zoneHours < 0 ? -1 : 1) * QuarterMinutes[quarterOf(random)];
        place.zone = ZoneOffset{double(zoneHours), double(zoneMinutes)};
        const DateTime moment = date + seconds{secondOf(random)};
        const CheckOutcome outcome = check(state, place, moment);
        const std::string where =
            "case " + std::to_string(i) + ": " + text(moment) + " at " +
            std::to_string(place.LatDegrees) + "'" + std::to_string(place.LatMinutes) +
            (place.IsSouth ? "S " : "N ") + std::to_string(place.LonDegrees) + "'" +
            std::to_string(place.LonMinutes) + (place.IsEast ? "E" : "W") + ", zone " +
            std::to_string(zoneHours) + " " + std::to_string(zoneMinutes);
        const std::optional<DateTime> sunTimes[] = {
            state.PreviousDaySunRise, state.PreviousDaySunSet, state.InputDaySunRise,
            state.InputDaySunSet,     state.NextDaySunRise,    state.NextDaySunSet};
        ASSERT_NE(outcome.result, SunResult::BadInput) << where << ": valid input refused";
        if (outcome.result != SunResult::Ok) {
            const local_days failed{outcome.day};
            ASSERT_TRUE(failed >= date - days{1} && failed <= date + days{1}) << where;
            ASSERT_TRUE(std::none_of(std::begin(sunTimes), std::end(sunTimes),
                                     [](const auto& time) { return time.has_value(); }))
                << where << ": a sun time of an incomplete check was kept";
            ASSERT_FALSE(state.RahukalResult) << where;
            ASSERT_EQ(std::count(state.PartFlags.begin(), state.PartFlags.end(), true), 0) << where;
            continue;
        }
        ++judged;
        const local_days dates[] = {date - days{1}, date, date + days{1}};
        for (std::size_t n = 0; n < 6; ++n)
            ASSERT_TRUE(onDate(sunTimes[n], dates[n / 2]))
                << where << ": sun time " << n << " is " << text(sunTimes[n]);
        ASSERT_EQ(std::count(state.PartFlags.begin(), state.PartFlags.end(), true), 1) << where;
        ASSERT_GE(state.PartLength, 0) << where;
        ASSERT_GE(state.ElapsedSeconds, 0) << where;
        ASSERT_EQ(state.DayOfWeek, weekday{date}.c_encoding() + 1) << where;
        const bool inEighth = state.PartFlags[RahukalPart[state.DayOfWeek - 1].eighth];
        ASSERT_EQ(state.RahukalResult, inEighth ? Verdict::InRahukal : Verdict::NotInRahukal)
            << where;
    }
    EXPECT_GT(judged, 50000) << "too few cases had sun times on all three days";
}

} // namespace
} // namespace horavela
