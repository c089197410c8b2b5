#include "calc/ZoneHistory.h"

#include "calc/DayPeriods.h"

#include <gtest/gtest.h>

namespace horavela {
namespace {

using namespace std::chrono;

constexpr int Hour = 3600;

// New York in 2025: daylight time from 7:00 UTC on 9 March to 6:00 UTC on 2 November.
const ZoneHistory NewYork{"America/New_York",
                          -5 * Hour,
                          {{sys_days{2025y / March / 9} + hours{7}, -4 * Hour},
                           {sys_days{2025y / November / 2} + hours{6}, -5 * Hour}}};
// Apia went from ten hours behind to fourteen ahead at the end of 29 December 2011.
const ZoneHistory Apia{
    "Pacific/Apia", -10 * Hour, {{sys_days{2011y / December / 30} + hours{10}, 14 * Hour}}};

TEST(ZoneHistory, LocalTimesTakeTheOffsetInForceAndDaysThatHappened) {
    const struct {
        const ZoneHistory& zone;
        DateTime local;
        int secondsEast;
    } local[] = {
        {NewYork, local_days{2025y / January / 15} + hours{12}, -5 * Hour},
        {NewYork, local_days{2025y / July / 15} + hours{12}, -4 * Hour},
        // 2:30 on 9 March never shows: the offset before the change.
        {NewYork, local_days{2025y / March / 9} + hours{2} + minutes{30}, -5 * Hour},
        {NewYork, local_days{2025y / March / 9} + hours{3}, -4 * Hour},
        // 1:30 on 2 November shows twice: the earlier, still daylight time.
        {NewYork, local_days{2025y / November / 2} + hours{1} + minutes{30}, -4 * Hour},
        {NewYork, local_days{2025y / November / 2} + hours{2}, -5 * Hour},
        {Apia, local_days{2011y / December / 29} + hours{23}, -10 * Hour},
        {Apia, local_days{2011y / December / 31} + hours{0}, 14 * Hour},
    };
    for (const auto& row : local)
        EXPECT_EQ(row.zone.secondsEastAtLocal(row.local), row.secondsEast)
            << row.zone.name << " at " << row.local.time_since_epoch().count();

    EXPECT_TRUE(Apia.dayHappened(2011y / December / 29));
    EXPECT_FALSE(Apia.dayHappened(2011y / December / 30));
    EXPECT_TRUE(Apia.dayHappened(2011y / December / 31));
    EXPECT_TRUE(NewYork.dayHappened(2025y / March / 9));
}

TEST(ZoneHistory, ADayTakesItsOwnNoonsOffsetAndASkippedDayIsLeftOut) {
    Place newYork{40, 43, false, 74, 0, false, ZoneOffset{5, 0}};
    newYork.namedZone = std::make_shared<ZoneHistory>(NewYork);
    EXPECT_EQ(dayPeriods(newYork, 2025y / March / 8).zone, (ZoneOffset{5, 0}));
    EXPECT_EQ(dayPeriods(newYork, 2025y / March / 9).zone, (ZoneOffset{4, 0}));
    // The entered offset would put the sunrise an hour earlier.
    EXPECT_EQ(dayPeriods(newYork, 2025y / July / 1).sunRise,
              DateTime{local_days{2025y / July / 1} + hours{5} + minutes{28}});

    Place apia{13, 50, true, 171, 45, false, ZoneOffset{10, 0}};
    apia.namedZone = std::make_shared<ZoneHistory>(Apia);
    EXPECT_EQ(dayPeriods(apia, 2011y / December / 30).sunless, Sunless::NotAtPlace);
    EXPECT_EQ(dayPeriods(apia, 2011y / December / 31).zone, (ZoneOffset{-14, 0}));
}

} // namespace
} // namespace horavela
