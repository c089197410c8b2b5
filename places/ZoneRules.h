// A place's time zone in the form of the main window's zone boxes: the offset
// in force at the moment chosen in the form, and every offset of that year,
// from the zones the places database carries.
#pragma once

#include "calc/ZoneHistory.h"
#include "places/ZonePair.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDate>
#include <QString>
#include <QTime>
#include <memory>
#include <optional>
#include <vector>

namespace horavela {

// The moment chosen in the main window, in the place's own local time. The
// date is invalid when the chosen day does not exist (31 April).
struct ZoneMoment {
    int year = 0;
    QDate date;
    QTime time;
};

// One offset of a year and the local day it begins; the first begins with the year.
struct ZonePeriod {
    ZonePair pair;
    QDate from;
};

// The hours' text of the zone boxes: "-5", or "-0" where the offset is under
// an hour east, since the check reads "0" as behind.
QString zoneHoursText(ZonePair pair);

// The zone of that name in the places database, by its own name or an older
// one ("Asia/Calcutta"), "UTC" and "Etc/GMT-5" included; null when it knows
// none or cannot be read.
std::shared_ptr<const ZoneHistory> namedZone(QByteArrayView name);

// The offset in force at the moment, or, where the date does not exist, the
// zone's standard offset of that year: the smallest it has, since daylight
// time moves the clock forward.
ZonePair zonePairAt(const ZoneHistory& zone, const ZoneMoment& moment);

// Every change of offset in the year, in order, whatever kind of time the
// zone calls it (Dublin's winter time and Casablanca's Ramadan time are
// daylight time below standard time).
std::vector<ZonePeriod> zonePeriods(const ZoneHistory& zone, int year);

// The zone named `name`: "Asia/Kolkata: -5 -30", or, where the offset changes
// in the year, "America/New_York: 4 0 on 15 July 2026 (in 2026: 5 0, 4 0 from
// 8 March, 5 0 from 1 November)"; where `zone` is null, that it is not known.
QString zoneText(const QByteArray& name, const ZoneHistory* zone, const ZoneMoment& moment);

} // namespace horavela
