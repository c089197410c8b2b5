#include "calc/modRahukal.h"
#include "tests/calc/CalcTestSupport.h"

#include <algorithm>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>

namespace horavela {
namespace {

using std::chrono::seconds;

// Monday 18 March 2024 with sunrise 6:00 and sunset 18:00; the night before is 11 h 50 min long
// and the night after 11 h 58 min, so every stretch has its own PartLength.
CalculationState mondayAt(DateTime chosen) {
    CalculationState state;
    state.PreviousDaySunSet = at(2024, 3, 17, 18, 10);
    state.InputDaySunRise = at(2024, 3, 18, 6, 0);
    state.InputDaySunSet = at(2024, 3, 18, 18, 0);
    state.NextDaySunRise = at(2024, 3, 19, 5, 58);
    state.ChosenDateTime = chosen;
    return state;
}

// A state whose day stretch starts at 6:00 on the given date and lasts the given seconds.
CalculationState dayStretch(unsigned day, std::int64_t length, std::int64_t elapsed) {
    CalculationState state = mondayAt(at(2024, 3, day, 6, 0) + seconds{elapsed});
    state.InputDaySunRise = at(2024, 3, day, 6, 0);
    state.InputDaySunSet = *state.InputDaySunRise + seconds{length};
    state.PreviousDaySunSet = *state.InputDaySunRise - std::chrono::hours{12};
    state.NextDaySunRise = *state.InputDaySunSet + std::chrono::hours{12};
    return state;
}

int onlyFlag(const CalculationState& state) {
    if (std::count(state.PartFlags.begin(), state.PartFlags.end(), true) != 1)
        return -1;
    return static_cast<int>(std::find(state.PartFlags.begin(), state.PartFlags.end(), true) -
                            state.PartFlags.begin());
}

TEST(RahukalPeriod, StretchIsChosenAtSunriseSunsetAndOneSecondEitherSide) {
    struct Case {
        DateTime chosen;
        std::int32_t elapsed, partLength;
        int flag;
        DateTime start, end;
        bool inRahukal;
    };
    const Case cases[] = {
        {at(2024, 3, 18, 6, 0), 0, 5400, 0, at(2024, 3, 18, 7, 30), at(2024, 3, 18, 8, 59, 59),
         false},
        {at(2024, 3, 18, 18, 0), 43200, 5400, 7, at(2024, 3, 18, 7, 30), at(2024, 3, 18, 8, 59, 59),
         false},
        {at(2024, 3, 18, 5, 59, 59), 42599, 5325, 7, at(2024, 3, 17, 19, 38, 45),
         at(2024, 3, 17, 21, 7, 29), false},
        {at(2024, 3, 18, 18, 0, 1), 1, 5385, 0, at(2024, 3, 18, 19, 29, 45),
         at(2024, 3, 18, 20, 59, 29), false},
        // Before sunrise the weekday is still Monday, although the night began on Sunday.
        {at(2024, 3, 18, 3, 0), 31800, 5325, 5, at(2024, 3, 17, 19, 38, 45),
         at(2024, 3, 17, 21, 7, 29), false},
        {at(2024, 3, 18, 8, 59, 59), 10799, 5400, 1, at(2024, 3, 18, 7, 30),
         at(2024, 3, 18, 8, 59, 59), true},
        {at(2024, 3, 18, 9, 0), 10800, 5400, 2, at(2024, 3, 18, 7, 30), at(2024, 3, 18, 8, 59, 59),
         false},
    };
    for (const Case& c : cases) {
        CalculationState state = mondayAt(c.chosen);
        ComputeRahukalPeriod(state);
        const std::string what = "moment " + text(c.chosen);
        EXPECT_EQ(state.DayOfWeek, 2) << what;
        EXPECT_EQ(state.ElapsedSeconds, c.elapsed) << what;
        EXPECT_EQ(state.PartLength, c.partLength) << what;
        EXPECT_EQ(onlyFlag(state), c.flag) << what;
        EXPECT_EQ(state.RahukalStart, c.start) << what << ": start " << text(state.RahukalStart);
        EXPECT_EQ(state.RahukalEnd, c.end) << what << ": end " << text(state.RahukalEnd);
        EXPECT_EQ(state.RahukalResult, c.inRahukal ? Verdict::InRahukal : Verdict::NotInRahukal)
            << what;
    }
}

TEST(RahukalPeriod, EachWeekdayHasItsEighthAndPeriod) {
    struct Case {
        unsigned day; // of March 2024, which began on a Friday
        std::int16_t dayOfWeek;
        DateTime start, end;
    };
    const Case cases[] = {
        {17, 1, at(2024, 3, 17, 16, 30), at(2024, 3, 17, 18, 0)},
        {18, 2, at(2024, 3, 18, 7, 30), at(2024, 3, 18, 8, 59, 59)},
        {19, 3, at(2024, 3, 19, 15, 0), at(2024, 3, 19, 16, 29, 59)},
        {20, 4, at(2024, 3, 20, 12, 0), at(2024, 3, 20, 13, 29, 59)},
        {21, 5, at(2024, 3, 21, 13, 30), at(2024, 3, 21, 14, 59, 59)},
        {22, 6, at(2024, 3, 22, 10, 30), at(2024, 3, 22, 11, 59, 59)},
        {23, 7, at(2024, 3, 23, 9, 0), at(2024, 3, 23, 10, 29, 59)},
    };
    for (const Case& c : cases) {
        CalculationState state = dayStretch(c.day, 43200, 0);
        state.ChosenDateTime = c.start;
        ComputeRahukalPeriod(state);
        EXPECT_EQ(state.DayOfWeek, c.dayOfWeek) << "March " << c.day;
        EXPECT_EQ(state.RahukalStart, c.start)
            << "March " << c.day << ": " << text(state.RahukalStart);
        EXPECT_EQ(state.RahukalEnd, c.end) << "March " << c.day << ": " << text(state.RahukalEnd);
        EXPECT_EQ(state.RahukalResult, Verdict::InRahukal)
            << "first second of the period, March " << c.day;

        state.ChosenDateTime = c.start - seconds{1};
        ComputeRahukalPeriod(state);
        EXPECT_EQ(state.RahukalResult, Verdict::NotInRahukal)
            << "second before the period, March " << c.day;
    }
}

TEST(RahukalPeriod, PartLengthIsTheEighthRoundedHalfToEven) {
    const std::pair<std::int64_t, std::int32_t> cases[] = {
        {43200, 5400}, {43204, 5400}, {43212, 5402}, {43203, 5400}, {43205, 5401},
        {43196, 5400}, {43188, 5398}, {12, 2},       {4, 0},        {0, 0},
    };
    for (const auto& [length, partLength] : cases) {
        CalculationState state = dayStretch(18, length, 0);
        ComputeRahukalPeriod(state);
        EXPECT_EQ(state.PartLength, partLength) << "stretch of " << length << " s";
    }
}

TEST(RahukalPeriod, BoundaryBelongsToTheLaterEighth) {
    CalculationState state;
    state.PartLength = 5400;
    for (int k = 1; k <= 9; ++k) {
        for (int before = 0; before <= 1; ++before) {
            state.PartFlags.fill(false);
            state.ElapsedSeconds = k * 5400 - before;
            MarkTimePart(state);
            EXPECT_EQ(onlyFlag(state), std::min(k - before, 7))
                << "elapsed " << state.ElapsedSeconds;
        }
    }
}

TEST(RahukalPeriod, SundayMomentPastTheRoundedDownEndIsStillInRahuKaal) {
    CalculationState state = dayStretch(17, 43203, 43203);
    ComputeRahukalPeriod(state);
    EXPECT_EQ(state.RahukalEnd, at(2024, 3, 17, 18, 0)) << text(state.RahukalEnd);
    EXPECT_EQ(state.RahukalResult, Verdict::InRahukal) << "sunset at 18:00:03, after the end shown";
}

TEST(RahukalPeriod, TinyStretchesPutEveryMomentInTheLastEighth) {
    for (std::int64_t length : {0, 1, 4}) {
        for (unsigned day : {17u, 18u}) {
            CalculationState state = dayStretch(day, length, length);
            ComputeRahukalPeriod(state);
            EXPECT_EQ(onlyFlag(state), 7) << "stretch " << length << " s";
            const DateTime start = at(2024, 3, day, 6, 0);
            EXPECT_EQ(state.RahukalStart, start) << "stretch " << length << " s";
            EXPECT_EQ(state.RahukalEnd, day == 17 ? start : start - seconds{1})
                << "stretch " << length << " s on March " << day << ": " << text(state.RahukalEnd);
        }
    }
    CalculationState fourteen = dayStretch(18, 14, 14);
    ComputeRahukalPeriod(fourteen);
    EXPECT_EQ(onlyFlag(fourteen), 7) << "sunset of a 14 s stretch is not in the last eighth";
}

TEST(RahukalPeriod, FlagsOfAnEarlierRunAreCleared) {
    CalculationState state = mondayAt(at(2024, 3, 18, 6, 0));
    ComputeRahukalPeriod(state);
    state.ChosenDateTime = at(2024, 3, 18, 18, 0);
    ComputeRahukalPeriod(state);
    EXPECT_EQ(onlyFlag(state), 7) << "flags after two runs are not just the second run's";
}

TEST(RahukalPeriod, MissingInputTimeLeavesNoVerdictNorPeriod) {
    std::optional<DateTime> CalculationState::*const inputs[] = {
        &CalculationState::ChosenDateTime, &CalculationState::InputDaySunRise,
        &CalculationState::InputDaySunSet, &CalculationState::PreviousDaySunSet,
        &CalculationState::NextDaySunRise};
    for (auto input : inputs) {
        CalculationState state = mondayAt(at(2024, 3, 18, 8, 0));
        ComputeRahukalPeriod(state);
        (state.*input).reset();
        ComputeRahukalPeriod(state);
        EXPECT_EQ(std::count(state.PartFlags.begin(), state.PartFlags.end(), true), 0)
            << "a flag of the earlier run is still set";
        EXPECT_EQ(state.DayOfWeek, 0) << "stale weekday";
        EXPECT_EQ(state.PartLength, 0) << "stale part length";
        EXPECT_FALSE(state.RahukalResult) << "stale verdict";
        EXPECT_FALSE(state.RahukalStart || state.RahukalEnd) << "stale period";
    }
    CalculationState noWeekday;
    noWeekday.DayOfWeek = 8;
    noWeekday.RahukalResult = Verdict::InRahukal;
    SetRahukalResult(noWeekday);
    EXPECT_FALSE(noWeekday.RahukalResult) << "verdict for a weekday that does not exist";
}

TEST(RahukalPeriod, TimesFarApartSaturateInsteadOfOverflowing) {
    constexpr auto earliest = DateTime{seconds{std::numeric_limits<std::int64_t>::min()}};
    constexpr auto latest = DateTime{seconds{std::numeric_limits<std::int64_t>::max()}};
    constexpr auto int32Max = std::numeric_limits<std::int32_t>::max();
    constexpr auto int32Min = std::numeric_limits<std::int32_t>::min();
    struct Case {
        const char* what;
        DateTime sunRise, sunSet, nextSunRise, chosen;
        std::int32_t partLength, elapsed;
        int flag;
    };
    const Case cases[] = {
        {"longest day, first moment", earliest, latest, latest, earliest, int32Max, 0, 0},
        {"longest day, last moment", earliest, latest, latest, latest, int32Max, int32Max, 1},
        {"night ending long before it began", DateTime{}, DateTime{}, earliest,
         DateTime{seconds{1}}, int32Min, 1, 7},
    };
    for (const Case& c : cases) {
        CalculationState state;
        state.PreviousDaySunSet = earliest;
        state.InputDaySunRise = c.sunRise;
        state.InputDaySunSet = c.sunSet;
        state.NextDaySunRise = c.nextSunRise;
        state.ChosenDateTime = c.chosen;
        ComputeRahukalPeriod(state);
        EXPECT_EQ(state.PartLength, c.partLength) << c.what;
        EXPECT_EQ(state.ElapsedSeconds, c.elapsed) << c.what;
        EXPECT_EQ(onlyFlag(state), c.flag) << c.what;
        EXPECT_TRUE(state.RahukalStart && state.RahukalEnd) << c.what << ": no period";
    }
}

} // namespace
} // namespace horavela
