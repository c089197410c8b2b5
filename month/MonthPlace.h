// The months a month can be worked out for, and a month's days at a place.
#pragma once

#include "calc/DayPeriods.h"
#include "calc/Place.h"

#include <chrono>
#include <optional>
#include <vector>

namespace horavela {

// The months the main window's year list holds, which the window and the command line keep to.
inline constexpr std::chrono::year_month FirstMonth{std::chrono::year{1901}, std::chrono::January};
inline constexpr std::chrono::year_month LastMonth{std::chrono::year{2050}, std::chrono::December};

// Every day of the month, each in its own day's zone: with a named zone, the offset in force at
// the place at noon of that day, else the offset entered.
std::vector<DayPeriods> monthTable(const Place& place, std::chrono::year_month month);

} // namespace horavela
