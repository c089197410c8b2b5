// A place, from the places database to the form and the month: the latitude and longitude as
// the form takes them, unsigned degrees and minutes with their hemispheres, the zone offset read
// once from the zone texts, the named zone where the place has one, and its names.
#pragma once

#include "calc/ZoneHistory.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace horavela {

// Hours behind universal time, whose sign is the sign of the whole offset, and minutes, whose sign
// is ignored: five and a half hours east is -5 and -30 (or 30). Hours of -0 are ahead, so that an
// offset of less than an hour east can be written: 19 minutes east is -0 and -19.
struct ZoneOffset {
    double hours = 0;
    double minutes = 0;

    // The offset east of universal time, in hours.
    double hoursEast() const;
    // The same in whole seconds, the nearest, as the sun times are written with it.
    long long secondsEast() const;
    bool operator==(const ZoneOffset&) const = default;
};

// An offset in seconds east of universal time as the zone boxes take it: whole minutes, rounded
// toward zero, hours of -0 where it is under an hour east.
ZoneOffset zoneOffsetOf(std::int32_t secondsEast);

// The zone texts as numbers, by the zone fields' rule (readDecimal); nothing when either text is
// not a number or the offset is not finite.
std::optional<ZoneOffset> readZoneOffset(std::string_view hours, std::string_view minutes);

struct Place {
    std::int16_t LatDegrees = 0;
    std::int16_t LatMinutes = 0;
    bool IsSouth = false;
    std::int16_t LonDegrees = 0;
    std::int16_t LonMinutes = 0;
    bool IsEast = false;
    // Nothing when the zone is not known: texts that are no numbers, or a zone the system's
    // time-zone data lacks.
    std::optional<ZoneOffset> zone;
    // A named zone, whose offset follows the date: where it is set, a day's periods take the
    // offset in force at the place at that day's noon. The check keeps to the offset above.
    std::shared_ptr<const ZoneHistory> namedZone = {};
    // The names it goes by, in UTF-8, as the places give them or as typed; empty where unknown.
    // The month's headings and files name the place with them.
    std::string city = {};
    std::string state = {};
    std::string country = {};
    // The places database's number for it; 0 for a place it did not give.
    std::int64_t id = 0;
    // The named zone's name as the places give it ("Asia/Kolkata"), kept where its offsets are
    // not known, so that the place can say which zone it lacks.
    std::string zoneName = {};
};

// The place's latitude and longitude with that zone offset alone, without its names or named
// zone: what a run of the sun needs, cheap to make for every day.
Place sunPlace(const Place& place, std::optional<ZoneOffset> zone);

} // namespace horavela
