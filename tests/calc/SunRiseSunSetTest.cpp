#include "calc/modSunRiseSunSet.h"
#include "tests/calc/CalcTestSupport.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <utility>

namespace horavela {
namespace {

struct Spot {
    std::int16_t latDegrees, latMinutes;
    bool isSouth;
    std::int16_t lonDegrees, lonMinutes;
    bool isEast;
};

constexpr Spot GreenwichEquator{0, 0, false, 0, 0, true};
constexpr Spot Delhi{28, 36, false, 77, 12, true};

SunResult run(CalculationState& state, int month, std::string_view day, std::string_view year,
              const Spot& place, std::string_view zoneHours, std::string_view zoneMinutes) {
    return ComputeSunRiseSunSet(state, month, day, year, place.latDegrees, place.latMinutes,
                                place.isSouth, place.lonDegrees, place.lonMinutes, place.isEast,
                                zoneHours, zoneMinutes);
}

// The same run given the date as a date, as the three-day run of a check gives it.
SunResult runOn(CalculationState& state, std::chrono::year_month_day date, const Spot& place,
                std::string_view zoneHours, std::string_view zoneMinutes) {
    return sunRiseSunSetAt(state, date,
                           {place.latDegrees, place.latMinutes, place.isSouth, place.lonDegrees,
                            place.lonMinutes, place.isEast,
                            readZoneOffset(zoneHours, zoneMinutes)});
}

// A state whose sun times are left over from an earlier run, to see what a failure keeps.
CalculationState stateWithEarlierTimes() {
    CalculationState state;
    state.SunTimes = {at(2000, 1, 1, 7, 7), at(2000, 1, 1, 17, 17)};
    return state;
}

TEST(SunRiseSunSet, KnownPlacesAndDatesGiveTheirTimesToTheMinute) {
    struct Case {
        const char* what;
        int year;
        unsigned month, day;
        Spot place;
        const char *zoneHours, *zoneMinutes;
        int riseHour, riseMinute, setHour, setMinute;
    };
    const Case cases[] = {
        {"equator at Greenwich, equinox", 2024, 3, 20, GreenwichEquator, "0", "0", 6, 4, 18, 11},
        {"Delhi, minutes -30", 2024, 3, 20, Delhi, "-5", "-30", 6, 26, 18, 32},
        {"Delhi, minutes 30", 2024, 3, 20, Delhi, "-5", "30", 6, 26, 18, 32},
        {"Delhi, decimal hours", 2024, 3, 20, Delhi, "-5.5", "0", 6, 26, 18, 32},
        {"sunrise minute rounds to 60", 2024, 1, 2, GreenwichEquator, "0", "0", 6, 0, 18, 7},
        {"half hour behind, minutes 30", 2024, 3, 20, GreenwichEquator, "0", "30", 5, 34, 17, 41},
        {"half hour behind, minutes -30", 2024, 3, 20, GreenwichEquator, "0", "-30", 5, 34, 17, 41},
        {"zone wraps past midnight", 2024, 3, 20, GreenwichEquator, "11", "0", 19, 4, 7, 11},
        // Under an hour east the hours are written -0: ahead, unlike 0.
        {"19 minutes ahead, hours -0", 2024, 3, 20, GreenwichEquator, "-0", "-19", 6, 23, 18, 30},
        {"19 minutes behind, hours 0", 2024, 3, 20, GreenwichEquator, "0", "-19", 5, 45, 17, 52},
        {"19 minutes ahead, minutes unsigned", 2024, 3, 20, GreenwichEquator, "-0", "19", 6, 23, 18,
         30},
        {"blanks around zone texts", 2024, 3, 20, GreenwichEquator, " 0 ", "\t0", 6, 4, 18, 11},
        // Each of these moves by a minute when the named value is replaced by the exact one, or
        // the rule is left out.
        {"1.5708, not pi/2",
         1999,
         5,
         5,
         {19, 54, false, 139, 33, true},
         "-10",
         "-30",
         6,
         41,
         19,
         36},
        {"3.14159, not pi", 2026, 7, 14, {50, 46, false, 42, 3, true}, "-13", "0", 14, 13, 6, 21},
        {"6.28319, not 2 pi", 2029, 10, 12, {36, 2, true, 119, 37, false}, "0", "0", 13, 21, 2, 10},
        {"factor 0.91746, not 0.91764",
         1996,
         1,
         15,
         {15, 45, false, 2, 3, true},
         "5",
         "0",
         1,
         22,
         12,
         40},
        {"sine of twice the anomaly",
         2009,
         10,
         5,
         {37, 53, false, 132, 14, true},
         "5",
         "0",
         16,
         9,
         3,
         51},
        {"13 hours ahead taken as 11 behind",
         1998,
         3,
         23,
         {27, 20, false, 82, 22, false},
         "-13",
         "0",
         0,
         32,
         12,
         42},
        // Only 13 hours ahead is taken as 11 behind; 14 ahead is itself.
        {"Kiritimati, 14 hours ahead",
         2024,
         3,
         20,
         {1, 52, false, 157, 24, false},
         "-14",
         "0",
         6,
         34,
         18,
         40},
    };
    for (const Case& c : cases) {
        CalculationState fromTexts;
        ASSERT_EQ(run(fromTexts, static_cast<int>(c.month), std::to_string(c.day),
                      std::to_string(c.year), c.place, c.zoneHours, c.zoneMinutes),
                  SunResult::Ok)
            << c.what;
        CalculationState fromDate;
        ASSERT_EQ(runOn(fromDate, std::chrono::year{c.year} / c.month / c.day, c.place, c.zoneHours,
                        c.zoneMinutes),
                  SunResult::Ok)
            << c.what << ", given as a date";
        for (const auto& [given, state] :
             {std::pair{"texts", &fromTexts}, std::pair{"a date", &fromDate}}) {
            EXPECT_EQ(state->SunTimes[0], at(c.year, c.month, c.day, c.riseHour, c.riseMinute))
                << c.what << ", given as " << given << ": sunrise was " << text(state->SunTimes[0]);
            EXPECT_EQ(state->SunTimes[1], at(c.year, c.month, c.day, c.setHour, c.setMinute))
                << c.what << ", given as " << given << ": sunset was " << text(state->SunTimes[1]);
        }
    }
}

TEST(SunRiseSunSet, EquivalentInputsGiveSameTimes) {
    struct Case {
        const char* what;
        Spot placeA;
        const char *hoursA, *minutesA;
        Spot placeB;
        const char *hoursB, *minutesB;
    };
    const Case cases[] = {
        {"thirteen hours ahead is eleven behind", Delhi, "-13", "0", Delhi, "11", "0"},
        {"South flag negates the latitude",
         {12, 30, true, 74, 0, false},
         "5",
         "0",
         {-12, -30, false, 74, 0, false},
         "5",
         "0"},
        {"West flag negates the longitude",
         {12, 30, false, 74, 0, false},
         "5",
         "0",
         {12, 30, false, -74, 0, true},
         "5",
         "0"},
    };
    for (const Case& c : cases) {
        CalculationState a;
        CalculationState b;
        ASSERT_EQ(run(a, 6, "21", "2024", c.placeA, c.hoursA, c.minutesA), SunResult::Ok) << c.what;
        ASSERT_EQ(run(b, 6, "21", "2024", c.placeB, c.hoursB, c.minutesB), SunResult::Ok) << c.what;
        EXPECT_EQ(a.SunTimes, b.SunTimes)
            << c.what << ": " << text(a.SunTimes[0]) << " / " << text(a.SunTimes[1]) << " against "
            << text(b.SunTimes[0]) << " / " << text(b.SunTimes[1]);
    }
}

TEST(SunRiseSunSet, InputsThatAreNotPlainNumbersOrRealDatesAreBadInputAndChangeNothing) {
    struct Case {
        int month;
        const char *day, *year, *zoneHours, *zoneMinutes;
    };
    const std::string tooLargeForDouble = std::string(400, '9');
    const Case cases[] = {
        // A plus sign is refused: the fields count west as positive, "+5" most likely means east.
        {3, "20", "2024", "+5", "0"},
        {3, "20", "2024", ".5", "0"},
        {3, "20", "2024", "5.", "0"},
        {3, "20", "2024", "", "0"},
        {3, "20", "2024", "5", " "},
        {3, "20", "2024", "-", "0"},
        {3, "20", "2024", "5-", "0"},
        {3, "20", "2024", "--5", "0"},
        {3, "20", "2024", "1e3", "0"},
        {3, "20", "2024", "nan", "0"},
        {3, "20", "2024", "inf", "0"},
        {3, "20", "2024", "5 5", "0"},
        {3, "20", "2024", "0x1", "0"},
        {3, "20", "2024", "five", "0"},
        {3, "20", "2024", "0", tooLargeForDouble.c_str()},
        {2, "29", "2023", "0", "0"},
        {4, "31", "2024", "0", "0"},
        {0, "1", "2024", "0", "0"},
        {13, "1", "2024", "0", "0"},
        {3, "0", "2024", "0", "0"},
        {3, "300", "2024", "0", "0"},
        {3, "20.0", "2024", "0", "0"},
        {3, "+20", "2024", "0", "0"},
        {3, "", "2024", "0", "0"},
        {3, "20", "2O24", "0", "0"},
        {3, "20", "40000", "0", "0"},
        {3, "20", "99999999999", "0", "0"},
    };
    for (const Case& c : cases) {
        CalculationState state = stateWithEarlierTimes();
        const auto before = state.SunTimes;
        EXPECT_EQ(run(state, c.month, c.day, c.year, GreenwichEquator, c.zoneHours, c.zoneMinutes),
                  SunResult::BadInput)
            << "month " << c.month << ", day '" << c.day << "', year '" << c.year << "', zone '"
            << c.zoneHours << "' '" << c.zoneMinutes << "' was accepted";
        EXPECT_EQ(state.SunTimes, before) << "a refused input changed the sun times";
    }
    // Given as a date, an impossible one would otherwise roll over into a real one.
    using std::chrono::year, std::chrono::month;
    const std::chrono::year_month_day impossibleDates[] = {
        year{2023} / 2 / 29,       year{2024} / 4 / 31, year{2024} / month{13} / 1,
        year{2024} / month{0} / 1, year{2024} / 3 / 0,  year{-32768} / 1 / 1,
    };
    for (const auto& date : impossibleDates) {
        CalculationState state = stateWithEarlierTimes();
        const auto before = state.SunTimes;
        EXPECT_EQ(runOn(state, date, GreenwichEquator, "0", "0"), SunResult::BadInput)
            << "the date " << static_cast<int>(date.year()) << "-"
            << static_cast<unsigned>(date.month()) << "-" << static_cast<unsigned>(date.day())
            << " was accepted";
        EXPECT_EQ(state.SunTimes, before) << "a refused date changed the sun times";
    }
}

TEST(SunRiseSunSet, PolarDayWithoutSunriseKeepsBothEarlierEntries) {
    CalculationState state = stateWithEarlierTimes();
    const auto before = state.SunTimes;
    EXPECT_EQ(run(state, 6, "21", "2024", {69, 39, false, 18, 57, true}, "-1", "0"),
              SunResult::NoSunrise);
    EXPECT_EQ(state.SunTimes, before)
        << "sunrise now " << text(state.SunTimes[0]) << ", sunset " << text(state.SunTimes[1]);
}

TEST(SunRiseSunSet, MissingSunsetKeepsThisRunsSunriseAndTheEarlierSunset) {
    CalculationState state = stateWithEarlierTimes();
    EXPECT_EQ(run(state, 6, "20", "2024", {65, 44, false, 90, 0, true}, "0", "0"),
              SunResult::NoSunset);
    ASSERT_TRUE(state.SunTimes[0].has_value());
    EXPECT_EQ(std::chrono::floor<std::chrono::days>(*state.SunTimes[0]), at(2024, 6, 20))
        << "sunrise of this run not stored: " << text(state.SunTimes[0]);
    EXPECT_EQ(state.SunTimes[1], at(2000, 1, 1, 17, 17)) << "sunset entry was overwritten";
}

TEST(SunRiseSunSet, ExtremeCoordinatesAndZonesNeitherHangNorLeaveTheDate) {
    constexpr std::int16_t Extremes[] = {std::numeric_limits<std::int16_t>::min(), -1, 0, 90, 180,
                                         std::numeric_limits<std::int16_t>::max()};
    const std::string hugeZone = "1" + std::string(300, '0');
    const std::string zones[] = {"99999999999999999", "-99999999999999999", hugeZone,
                                 "-" + hugeZone};
    int computed = 0;
    for (const std::string& zone : zones) {
        for (auto latDegrees : Extremes) {
            for (auto latMinutes : Extremes) {
                for (auto lonDegrees : Extremes) {
                    for (auto lonMinutes : Extremes) {
                        CalculationState state;
                        const Spot place{latDegrees, latMinutes, true,
                                         lonDegrees, lonMinutes, false};
                        if (run(state, 12, "31", "32767", place, zone, zone) != SunResult::Ok)
                            continue;
                        ++computed;
                        for (const auto& time : state.SunTimes) {
                            ASSERT_EQ(std::chrono::floor<std::chrono::days>(time.value()),
                                      at(32767, 12, 31))
                                << "time " << text(time) << " for zone " << zone.substr(0, 20);
                        }
                    }
                }
            }
        }
    }
    EXPECT_GT(computed, 0) << "no extreme input produced sun times to check";
}

} // namespace
} // namespace horavela
