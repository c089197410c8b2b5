// The place a month is worked out for: the form's place, with its named zone
// when the form is linked to one, and the names it was given.
#pragma once

#include "calc/DayPeriods.h"
#include "calc/Place.h"

#include <QString>
#include <chrono>
#include <optional>
#include <vector>

namespace horavela {

// The months the main window's year list holds, which the window and the command line keep to.
inline constexpr std::chrono::year_month FirstMonth{std::chrono::year{1901}, std::chrono::January};
inline constexpr std::chrono::year_month LastMonth{std::chrono::year{2050}, std::chrono::December};

struct MonthPlace {
    // place.zone is the offset as entered, used on every day when place.namedZone is null.
    Place place;
    QString city;
    QString state;
    QString country;
};

// Every day of the month, each in its own day's zone: with a named zone, the offset in force at
// the place at noon of that day, else the offset entered.
std::vector<DayPeriods> monthTable(const MonthPlace& place, std::chrono::year_month month);

} // namespace horavela
