// One check: a moment at a place, judged against that day's Rahu Kaal. The main window, the
// tools, the benchmarks and the tests all reach the calculation through here.
#pragma once

#include "calc/CalculationState.h"
#include "calc/Place.h"
#include "calc/modSunRiseSunSet.h"

#include <chrono>

namespace horavela {

struct CheckOutcome {
    SunResult result = SunResult::Ok;
    std::chrono::year_month_day day{}; // the day whose sun times were not found
};

// Sets ChosenDateTime to the moment, takes the sunrise and sunset of its day, then of the day
// before and of the day after, from dayPeriods in the place's entered offset, each sunset as the
// clock of its date gives it (and into SunTimes), and then the Rahu Kaal period and verdict. Stops
// at the first day that has no sunrise or sunset, or at a place without a zone (BadInput); the six
// sun times and the period are then left unset, so nothing of an earlier check is mistaken for this
// one's.
CheckOutcome check(CalculationState& state, const Place& place, DateTime moment);

} // namespace horavela
