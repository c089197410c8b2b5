#include "calc/modRahukal.h"

#include <algorithm>
#include <limits>

namespace horavela {
namespace {

using std::chrono::seconds;
using Seconds64 = std::int64_t;

constexpr Seconds64 MaxSeconds = std::numeric_limits<Seconds64>::max();
constexpr Seconds64 MinSeconds = std::numeric_limits<Seconds64>::min();

// Date-times placed in the state by hand may lie arbitrarily far apart; saturating keeps the
// arithmetic defined instead of overflowing.
Seconds64 secondsBetween(DateTime from, DateTime to) {
    const Seconds64 a = to.time_since_epoch().count();
    const Seconds64 b = from.time_since_epoch().count();
    if (b < 0 && a > MaxSeconds + b)
        return MaxSeconds;
    if (b > 0 && a < MinSeconds + b)
        return MinSeconds;
    return a - b;
}

DateTime addSeconds(DateTime time, Seconds64 offset) {
    const Seconds64 a = time.time_since_epoch().count();
    if (offset > 0 && a > MaxSeconds - offset)
        return DateTime{seconds{MaxSeconds}};
    if (offset < 0 && a < MinSeconds - offset)
        return DateTime{seconds{MinSeconds}};
    return DateTime{seconds{a + offset}};
}

std::int32_t clampToInt32(Seconds64 value) {
    return static_cast<std::int32_t>(std::clamp<Seconds64>(
        value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

// One eighth of a number of seconds, rounded to the nearest whole second, a half going to the
// even neighbour.
Seconds64 eighthRoundedHalfEven(Seconds64 stretch) {
    Seconds64 quotient = stretch / 8;
    const Seconds64 remainder = stretch % 8;
    if (remainder > 4 || (remainder == 4 && quotient % 2 != 0))
        ++quotient;
    else if (remainder < -4 || (remainder == -4 && quotient % 2 != 0))
        --quotient;
    return quotient;
}

void clearPeriod(CalculationState& state) {
    state.DayOfWeek = 0;
    state.PartLength = 0;
    state.ElapsedSeconds = 0;
    state.RahukalStart.reset();
    state.RahukalEnd.reset();
    state.RahukalResult.reset();
}

} // namespace

std::int32_t partLengthOf(DateTime stretchStart, DateTime stretchEnd) {
    return clampToInt32(eighthRoundedHalfEven(secondsBetween(stretchStart, stretchEnd)));
}

Stretch stretchHolding(DateTime moment, DateTime sunRise, DateTime sunSet) {
    if (moment < sunRise)
        return Stretch::NightBefore;
    if (moment > sunSet)
        return Stretch::NightAfter;
    return Stretch::Day;
}

void ComputeRahukalPeriod(CalculationState& state) {
    state.PartFlags.fill(false);
    if (!state.ChosenDateTime || !state.InputDaySunRise || !state.InputDaySunSet ||
        !state.PreviousDaySunSet || !state.NextDaySunRise) {
        clearPeriod(state);
        return;
    }
    const DateTime chosen = *state.ChosenDateTime;
    const DateTime sunRise = *state.InputDaySunRise;
    const DateTime sunSet = *state.InputDaySunSet;

    const std::chrono::weekday weekday{std::chrono::floor<std::chrono::days>(chosen)};
    state.DayOfWeek = static_cast<std::int16_t>(weekday.c_encoding() + 1);

    DateTime stretchStart = sunRise;
    DateTime stretchEnd = sunSet;
    switch (stretchHolding(chosen, sunRise, sunSet)) {
    case Stretch::NightBefore:
        stretchStart = *state.PreviousDaySunSet;
        stretchEnd = sunRise;
        break;
    case Stretch::NightAfter:
        stretchStart = sunSet;
        stretchEnd = *state.NextDaySunRise;
        break;
    case Stretch::Day:
        break;
    }

    state.PartLength = partLengthOf(stretchStart, stretchEnd);
    state.ElapsedSeconds = clampToInt32(secondsBetween(stretchStart, chosen));
    MarkTimePart(state);
    SetRahukalResult(state);

    // 64-bit products: k x PartLength cannot overflow for any 32-bit PartLength.
    const RahukalPartRow& row = RahukalPart[static_cast<std::size_t>(state.DayOfWeek - 1)];
    const Seconds64 partLength = state.PartLength;
    state.RahukalStart = addSeconds(stretchStart, row.startParts * partLength);
    state.RahukalEnd = addSeconds(stretchStart, row.endParts * partLength + row.endSeconds);
}

void MarkTimePart(CalculationState& state) {
    const Seconds64 elapsed = state.ElapsedSeconds;
    const Seconds64 partLength = state.PartLength;
    for (int k = 1; k <= 7; ++k) {
        if (elapsed < k * partLength) {
            state.PartFlags[static_cast<std::size_t>(k - 1)] = true;
            return;
        }
    }
    state.PartFlags[7] = true;
}

void SetRahukalResult(CalculationState& state) {
    if (state.DayOfWeek < 1 || state.DayOfWeek > 7) {
        state.RahukalResult.reset();
        return;
    }
    const auto eighth = RahukalPart[static_cast<std::size_t>(state.DayOfWeek - 1)].eighth;
    state.RahukalResult = state.PartFlags[static_cast<std::size_t>(eighth)] ? Verdict::InRahukal
                                                                            : Verdict::NotInRahukal;
}

} // namespace horavela
