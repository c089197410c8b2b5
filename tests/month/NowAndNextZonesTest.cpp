// What is on now and next at places whose named zone changes its offset, skips a day or whose
// sun does not set: rows that need the zones of the places database.
#include "calc/NowAndNext.h"
#include "tests/calc/CalcTestSupport.h"
#include "tests/support/PlacesZones.h"

#include <gtest/gtest.h>
#include <string>

namespace horavela {
namespace {

using namespace std::chrono;

TEST(NowAndNextZones, DaysThatChangeSkipOrLackTheirPeriods) {
    const Place newYork{
        40, 43, false, 74, 0, false, ZoneOffset{5, 0}, zoneNamed("America/New_York")};
    const Place longyearbyen{
        78, 13, false, 15, 38, true, ZoneOffset{-1, 0}, zoneNamed("Arctic/Longyearbyen")};
    const Place apia{13, 50, true, 171, 45, false, ZoneOffset{11, 0}, zoneNamed("Pacific/Apia")};
    const struct {
        const char* when;
        const Place& place;
        sys_seconds moment;
        year_month_day today;
        const char* now;
        const char* next;
        Sunless todaySunless;
        Sunless tomorrowSunless;
    } rows[] = {
        // New York's clocks go forward at 2:00 on Sunday 8 March 2026; the day's periods are in
        // daylight time, four hours behind universal time.
        {"New York at 23:30 the day before", newYork, sys_days{2026y / March / 8} + 4h + 30min,
         2026y / March / 7, "none", "Yamaganda 2026-3-8 13:7:32 to 2026-3-8 14:34:9 tomorrow",
         Sunless::None, Sunless::None},
        {"New York at 1:30, before the change", newYork, sys_days{2026y / March / 8} + 6h + 30min,
         2026y / March / 8, "none", "Yamaganda 2026-3-8 13:7:32 to 2026-3-8 14:34:9", Sunless::None,
         Sunless::None},
        {"New York half an hour before Yamaganda", newYork,
         sys_days{2026y / March / 8} + 16h + 39min, 2026y / March / 8, "none",
         "Yamaganda 2026-3-8 13:7:32 to 2026-3-8 14:34:9", Sunless::None, Sunless::None},
        {"New York half an hour into Yamaganda", newYork, sys_days{2026y / March / 8} + 17h + 39min,
         2026y / March / 8, "Yamaganda 2026-3-8 13:7:32 to 2026-3-8 14:34:9",
         "Gulika 2026-3-8 16:0:48 to 2026-3-8 17:27:25", Sunless::None, Sunless::None},
        // Midsummer: the sun stays up for weeks, and no day has periods.
        {"Longyearbyen in June", longyearbyen, sys_days{2026y / June / 21} + 10h, 2026y / June / 21,
         "none", "none", Sunless::SunUpAllDay, Sunless::SunUpAllDay},
        // Apia went from the end of Thursday 29 December 2011 straight to Saturday the 31st.
        {"Apia late on the 29th", apia, sys_days{2011y / December / 30} + 9h + 59min,
         2011y / December / 29, "none", "none", Sunless::None, Sunless::NotAtPlace},
        {"Apia early on the 31st", apia, sys_days{2011y / December / 30} + 10h + 1min,
         2011y / December / 31, "none", "Gulika 2011-12-31 7:2:0 to 2011-12-31 8:38:59",
         Sunless::None, Sunless::None},
    };
    for (const auto& row : rows) {
        const NowAndNext found = nowAndNext(row.place, row.moment);
        EXPECT_EQ(found.today, row.today) << row.when;
        EXPECT_EQ(shown(found.now), row.now) << row.when;
        EXPECT_EQ(shown(found.next), row.next) << row.when;
        EXPECT_EQ(found.todaySunless, row.todaySunless) << row.when;
        EXPECT_EQ(found.tomorrowSunless, row.tomorrowSunless) << row.when;
    }
}

} // namespace
} // namespace horavela
