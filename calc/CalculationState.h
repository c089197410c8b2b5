// The calculation state that one check fills and reads, and the Rahu Kaal period computed from it.
// A default-constructed state is empty: texts empty, numbers zero, flags false, date-times unset.
#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

namespace horavela {

// A civil date and time of day to the second, with no zone.
using DateTime = std::chrono::local_seconds;

struct CalculationState {
    std::string MonthText;
    std::int16_t MonthNumber = 0;
    std::string DayText;
    std::string YearText;
    std::string HourText;
    std::string MinuteText;
    std::string SecondText;

    std::string ChosenDateText;
    std::optional<DateTime> ChosenDateTime;

    // Entry 0 is the sunrise, entry 1 the sunset of the last day asked for.
    std::array<std::optional<DateTime>, 2> SunTimes;
    std::optional<DateTime> PreviousDaySunRise;
    std::optional<DateTime> PreviousDaySunSet;
    std::optional<DateTime> InputDaySunRise;
    std::optional<DateTime> InputDaySunSet;
    std::optional<DateTime> NextDaySunRise;
    std::optional<DateTime> NextDaySunSet;

    std::int16_t DayOfWeek = 0; // 1 = Sunday to 7 = Saturday
    std::int32_t PartLength = 0;
    std::int32_t ElapsedSeconds = 0;
    std::array<bool, 8> PartFlags{};
    std::optional<DateTime> RahukalStart;
    std::optional<DateTime> RahukalEnd;
    std::string RahukalResult;
};

// The date that MonthNumber, DayText and YearText name; nothing when no such date exists.
std::optional<std::chrono::year_month_day> chosenDate(const CalculationState& state);

// Sets ChosenDateTime to the moment that the chosen date and HourText, MinuteText and SecondText
// name together, or unsets it when they name none (an hour of 24, a minute of 60, a 30 February).
void formChosenDateTime(CalculationState& state);

// The stretch of daylight or darkness that holds a moment of the chosen day:
// its daylight, the night that ends at its sunrise, or the night that begins at its sunset.
enum class Stretch { Day, NightBefore, NightAfter };
Stretch stretchHolding(DateTime moment, DateTime sunRise, DateTime sunSet);

// Chooses the stretch that holds ChosenDateTime, cuts it into eighths and writes DayOfWeek,
// PartLength, ElapsedSeconds, PartFlags, RahukalResult, RahukalStart and RahukalEnd.
// When ChosenDateTime or one of the four sun times it needs is unset, every one of those
// members is reset to its empty value instead, so no verdict of an earlier check survives.
// Seconds that do not fit the 32-bit members are clamped to their range.
void ComputeRahukalPeriod(CalculationState& state);

// Sets the flag of the eighth that ElapsedSeconds falls in; everything from 7 x PartLength on
// is the last eighth. Clears no flag.
void MarkTimePart(CalculationState& state);

} // namespace horavela
