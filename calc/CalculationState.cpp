#include "calc/CalculationState.h"

#include "calc/TextNumbers.h"

namespace horavela {
namespace {

// A whole number from 0 to the highest allowed, or nothing.
std::optional<int> readClockPart(std::string_view text, int highest) {
    const auto value = readWholeNumber(text);
    if (!value || *value < 0 || *value > highest)
        return std::nullopt;
    return value;
}

} // namespace

std::optional<DateTime> chosenDateTime(const CalculationState& state) {
    const auto date = readDate(state.MonthNumber, state.DayText, state.YearText);
    const auto hour = readClockPart(state.HourText, 23);
    const auto minute = readClockPart(state.MinuteText, 59);
    const auto second = readClockPart(state.SecondText, 59);
    if (!date || !hour || !minute || !second)
        return std::nullopt;
    return std::chrono::local_days{*date} + std::chrono::hours{*hour} +
           std::chrono::minutes{*minute} + std::chrono::seconds{*second};
}

} // namespace horavela
