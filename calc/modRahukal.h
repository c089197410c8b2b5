// Which eighth of the stretch is Rahu Kaal on each weekday, the period it gives and the verdict for
// the chosen moment.
#pragma once

#include "calc/CalculationState.h"

#include <array>
#include <cstdint>

namespace horavela {

// One weekday's Rahu Kaal: its eighth, and the period shown as offsets from the start of the
// stretch of startParts x PartLength and endParts x PartLength + endSeconds.
struct RahukalPartRow {
    std::int16_t eighth;
    std::int16_t startParts;
    std::int16_t endParts;
    std::int16_t endSeconds;
};

// Indexed by DayOfWeek - 1 (Sunday first). Sunday's period runs to the very end of its eighth.
inline constexpr std::array<RahukalPartRow, 7> RahukalPart{{
    {7, 7, 8, 0},  // Sunday
    {1, 1, 2, -1}, // Monday
    {6, 6, 7, -1}, // Tuesday
    {4, 4, 5, -1}, // Wednesday
    {5, 5, 6, -1}, // Thursday
    {3, 3, 4, -1}, // Friday
    {2, 2, 3, -1}, // Saturday
}};

// The stretch of daylight or darkness that holds a moment of the chosen day:
// its daylight, the night that ends at its sunrise, or the night that begins at its sunset.
enum class Stretch { Day, NightBefore, NightAfter };
Stretch stretchHolding(DateTime moment, DateTime sunRise, DateTime sunSet);

// One eighth of the stretch from start to end, in whole seconds: the nearest, a half going to the
// even neighbour, clamped to the 32-bit range of PartLength.
std::int32_t partLengthOf(DateTime stretchStart, DateTime stretchEnd);

// Chooses the stretch that holds ChosenDateTime, cuts it into eighths and writes DayOfWeek,
// PartLength, ElapsedSeconds, PartFlags, RahukalResult, RahukalStart and RahukalEnd.
// When ChosenDateTime or one of the four sun times it needs is unset, every one of those
// members is reset to its empty value instead, so no verdict of an earlier check survives.
// Seconds that do not fit the 32-bit members are clamped to their range.
void ComputeRahukalPeriod(CalculationState& state);

// Sets the flag of the eighth that ElapsedSeconds falls in; everything from 7 x PartLength on
// is the last eighth. Clears no flag.
void MarkTimePart(CalculationState& state);

// Writes the verdict from the flag of the weekday's eighth. A DayOfWeek outside 1 to 7 leaves
// RahukalResult empty: there is no verdict without a weekday.
void SetRahukalResult(CalculationState& state);

} // namespace horavela
