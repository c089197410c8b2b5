#include "calc/modRahukal.h"
#include "calc/modSunRiseSunSet.h"
#include "tests/calc/CalcTestSupport.h"
#include "ui/timezone/TimeZoneTable.h"

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

// Runs one day the way a check does; returns whether it gave both sun times, and checks what a
// failure must keep.
bool runDay(CalculationState& state, local_days date, int latD, int latM, bool south, int lonD,
            int lonM, bool east, std::size_t zone, std::string& failure) {
    const year_month_day ymd{date};
    const auto earlier = state.SunTimes;
    const SunResult result = ComputeSunRiseSunSet(
        state, static_cast<int>(static_cast<unsigned>(ymd.month())),
        std::to_string(static_cast<unsigned>(ymd.day())),
        std::to_string(static_cast<int>(ymd.year())), static_cast<std::int16_t>(latD),
        static_cast<std::int16_t>(latM), south, static_cast<std::int16_t>(lonD),
        static_cast<std::int16_t>(lonM), east,
        // The zone texts as the picker writes them.
        std::to_string(TimeZoneRows[zone].hour), std::to_string(TimeZoneRows[zone].minute));
    const bool riseStored = result == SunResult::Ok || result == SunResult::NoSunset;
    if (result == SunResult::BadInput)
        failure = "valid input refused";
    else if (riseStored ? !onDate(state.SunTimes[0], date) : state.SunTimes[0] != earlier[0])
        failure = "sunrise " + text(state.SunTimes[0]);
    else if (result == SunResult::Ok ? !onDate(state.SunTimes[1], date)
                                     : state.SunTimes[1] != earlier[1])
        failure = "sunset " + text(state.SunTimes[1]);
    return result == SunResult::Ok;
}

TEST(CalcInvariants, RandomChecksKeepDatesAndGiveOneEighthAndAMatchingVerdict) {
    std::mt19937 random(20240320);
    const int firstDay = (local_days{1901y / January / 1} - local_days{}).count();
    const int lastDay = (local_days{2050y / December / 31} - local_days{}).count();
    std::uniform_int_distribution<int> dayOf(firstDay, lastDay);
    std::uniform_int_distribution<int> degreesOf(0, 179), latitudeOf(0, 89), minutesOf(0, 59);
    std::uniform_int_distribution<int> secondOf(0, 86399);
    CalculationState state;
    int judged = 0;
    for (int i = 0; i < 100000; ++i) {
        const local_days date{days{dayOf(random)}};
        const int latD = latitudeOf(random), latM = minutesOf(random);
        const int lonD = degreesOf(random), lonM = minutesOf(random);
        const bool south = (random() & 1) != 0, east = (random() & 1) != 0;
        const std::size_t zone = static_cast<std::size_t>(i) % TimeZoneRows.size();
        std::string failure;
        bool complete = runDay(state, date, latD, latM, south, lonD, lonM, east, zone, failure);
        state.InputDaySunRise = state.SunTimes[0];
        state.InputDaySunSet = state.SunTimes[1];
        complete =
            runDay(state, date - days{1}, latD, latM, south, lonD, lonM, east, zone, failure) &&
            complete;
        state.PreviousDaySunSet = state.SunTimes[1];
        complete =
            runDay(state, date + days{1}, latD, latM, south, lonD, lonM, east, zone, failure) &&
            complete;
        state.NextDaySunRise = state.SunTimes[0];
        const std::string where =
            "case " + std::to_string(i) + ": " + text(date) + " at " + std::to_string(latD) + "'" +
            std::to_string(latM) + (south ? "S " : "N ") + std::to_string(lonD) + "'" +
            std::to_string(lonM) + (east ? "E" : "W") + ", zone row " + std::to_string(zone);
        ASSERT_TRUE(failure.empty()) << where << ": " << failure;
        if (!complete)
            continue;
        ++judged;
        state.ChosenDateTime = date + seconds{secondOf(random)};
        ComputeRahukalPeriod(state);
        ASSERT_EQ(std::count(state.PartFlags.begin(), state.PartFlags.end(), true), 1) << where;
        ASSERT_GE(state.PartLength, 0) << where;
        ASSERT_GE(state.ElapsedSeconds, 0) << where;
        ASSERT_EQ(state.DayOfWeek, weekday{date}.c_encoding() + 1) << where;
        const bool inEighth = state.PartFlags[RahukalPart[state.DayOfWeek - 1].eighth];
        ASSERT_EQ(state.RahukalResult, inEighth ? InRahukalText : NotInRahukalText) << where;
    }
    EXPECT_GT(judged, 50000) << "too few cases had sun times on all three days";
}

} // namespace
} // namespace horavela
