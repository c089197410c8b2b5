// A time zone's offsets for one year, in the form of the main window's zone
// boxes, from the system's time-zone database.
#pragma once

#include "ZonePair.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <optional>

namespace horavela {

struct ZoneRules {
    ZonePair standard;
    // Only where the zone changes to daylight time in that year; the dates
    // are local.
    std::optional<ZonePair> daylight;
    QDate daylightBegins;
    QDate daylightEnds;
};

// Empty when the database does not know the zone.
std::optional<ZoneRules> zoneRules(const QByteArray& ianaId, int year);

// "Asia/Kolkata: -5 -30", or with daylight time
// "America/New_York: 5 0 standard, 4 0 daylight from 8 March to 1 November".
QString zoneText(const QByteArray& ianaId, const std::optional<ZoneRules>& rules);

} // namespace horavela
