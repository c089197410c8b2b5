// The chosen moment as the check command forms it from the list texts.
#include "calc/CalculationState.h"
#include "tests/calc/CalcTestSupport.h"

#include <gtest/gtest.h>

namespace horavela {
namespace {

struct ChosenCase {
    const char* what;
    int month;
    const char* day;
    const char* year;
    const char* hour;
    const char* minute;
    const char* second;
    std::optional<DateTime> expected;
};

TEST(ChosenDateTime, ListTextsNameTheMomentOrNothing) {
    const ChosenCase cases[] = {
        {"morning", 1, "5", "2024", "9", "5", "0", at(2024, 1, 5, 9, 5, 0)},
        {"first moment of the lists", 1, "1", "1901", "0", "0", "0", at(1901, 1, 1)},
        {"last moment of the lists", 12, "31", "2050", "23", "59", "59",
         at(2050, 12, 31, 23, 59, 59)},
        {"leap day", 2, "29", "2000", "12", "0", "0", at(2000, 2, 29, 12)},
        {"blanks around the day and year", 3, " 1 ", " 2024 ", "6", "7", "8",
         at(2024, 3, 1, 6, 7, 8)},
        {"no 29 February in 2001", 2, "29", "2001", "0", "0", "0", std::nullopt},
        {"no 31 April", 4, "31", "2024", "0", "0", "0", std::nullopt},
        {"hour 24", 1, "5", "2024", "24", "0", "0", std::nullopt},
        {"minute 60", 1, "5", "2024", "0", "60", "0", std::nullopt},
        {"second 60", 1, "5", "2024", "0", "0", "60", std::nullopt},
        {"empty hour", 1, "5", "2024", "", "0", "0", std::nullopt},
        {"negative second", 1, "5", "2024", "0", "0", "-1", std::nullopt},
        {"month 0", 0, "5", "2024", "0", "0", "0", std::nullopt},
        {"month 13", 13, "5", "2024", "0", "0", "0", std::nullopt},
    };
    for (const ChosenCase& c : cases) {
        CalculationState state;
        state.MonthNumber = static_cast<std::int16_t>(c.month);
        state.DayText = c.day;
        state.YearText = c.year;
        state.HourText = c.hour;
        state.MinuteText = c.minute;
        state.SecondText = c.second;
        const std::optional<DateTime> chosen = chosenDateTime(state);
        EXPECT_EQ(chosen, c.expected)
            << c.what << ": got " << text(chosen) << ", expected " << text(c.expected);
    }
}

} // namespace
} // namespace horavela
