// The place a month is worked out for: the form's place and, when the form is
// linked to a named zone, that zone, whose offset follows the date.
#pragma once

#include "calc/DayPeriods.h"
#include "calc/Place.h"

#include <QByteArray>
#include <QString>
#include <chrono>
#include <optional>
#include <vector>

namespace horavela {

// The months the main window's year list holds, which the window and the command line keep to.
inline constexpr std::chrono::year_month FirstMonth{std::chrono::year{1901}, std::chrono::January};
inline constexpr std::chrono::year_month LastMonth{std::chrono::year{2050}, std::chrono::December};

struct MonthPlace {
    // place.zone is the offset as entered, used on every day when zoneId is empty.
    Place place;
    // The linked zone's name in the system's time-zone data ("Asia/Kolkata"); empty when none.
    QByteArray zoneId;
    QString city;
    QString state;
    QString country;
    // The linked zone's name as the places give it, which the heading shows; the system may know
    // the zone by an older name ("Asia/Calcutta"). Empty: the heading shows zoneId.
    QString zoneName = {};
};

// Every day of the month, each in its own day's zone: when linked, the offset in force at the
// place at noon of that day, else the offset entered.
std::vector<DayPeriods> monthTable(const MonthPlace& place, std::chrono::year_month month);

} // namespace horavela
