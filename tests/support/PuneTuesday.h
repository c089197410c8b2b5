// The home place the tray's tests keep, and the day they move the clock through: Pune on
// Tuesday 8 December 2026, whose Rahu Kaal runs from 3:12 PM to 4:35 PM and Yamaganda from
// 9:40 AM. The zones are the built places database's.
#pragma once

#include "calc/DayPeriods.h"
#include "calc/Place.h"
#include "tests/support/PlacesZones.h"

#include <QDateTime>
#include <chrono>

namespace horavela {

// A place north and east of Greenwich, linked to its zone.
inline Place linkedPlace(const char* city, const char* zone, std::int16_t latDegrees,
                         std::int16_t latMinutes, std::int16_t lonDegrees,
                         std::int16_t lonMinutes) {
    Place place;
    place.LatDegrees = latDegrees;
    place.LatMinutes = latMinutes;
    place.LonDegrees = lonDegrees;
    place.LonMinutes = lonMinutes;
    place.IsEast = true;
    place.city = city;
    place.zoneName = zone;
    place.namedZone = zoneNamed(zone);
    return place;
}

inline Place pune() {
    return linkedPlace("Pune", "Asia/Kolkata", 18, 31, 73, 51);
}

inline constexpr std::chrono::year_month_day Tuesday{std::chrono::year{2026}, std::chrono::December,
                                                     std::chrono::day{8}};

// The universal moment of a period's start that day at the place, moved by `offset`.
inline QDateTime periodStart(const Place& place, DayPeriod period, std::chrono::seconds offset) {
    using namespace std::chrono;
    const DayPeriods day = dayPeriods(place, Tuesday);
    const sys_seconds start{day[period].start.time_since_epoch() -
                            seconds{day.zone->secondsEast()} + offset};
    return QDateTime::fromSecsSinceEpoch(start.time_since_epoch().count(), Qt::UTC);
}

} // namespace horavela
