// The calculation state that one check fills and reads.
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

// Whether the chosen moment lies in the weekday's eighth; the windows put it into words.
enum class Verdict { InRahukal, NotInRahukal };

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
    std::optional<Verdict> RahukalResult;
};

// The moment that MonthNumber, DayText, YearText, HourText, MinuteText and SecondText name
// together; nothing when they name none (an hour of 24, a minute of 60, a 30 February).
std::optional<DateTime> chosenDateTime(const CalculationState& state);

} // namespace horavela
