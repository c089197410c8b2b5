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

// The offset in force at the place at noon of the day when linked, else the offset entered.
std::optional<ZoneOffset> zoneOnDay(const MonthPlace& place, std::chrono::year_month_day day);

// Every day of the month, each in its own day's zone.
std::vector<DayPeriods> monthTable(const MonthPlace& place, std::chrono::year_month month);

} // namespace horavela
