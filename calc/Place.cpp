#include "calc/Place.h"

#include "calc/TextNumbers.h"

#include <cmath>

namespace horavela {

double ZoneOffset::hoursEast() const {
    const double sign = std::signbit(hours) ? -1.0 : 1.0;
    return -(sign * (std::fabs(hours) + std::fabs(minutes) / 60));
}

long long ZoneOffset::secondsEast() const {
    return std::llround(hoursEast() * 3600);
}

ZoneOffset zoneOffsetOf(std::int32_t secondsEast) {
    const int minutesBehind = -secondsEast / 60;
    const int hours = minutesBehind / 60;
    return {hours == 0 && minutesBehind < 0 ? -0.0 : double(hours), double(minutesBehind % 60)};
}

Place sunPlace(const Place& place, std::optional<ZoneOffset> zone) {
    return {place.LatDegrees, place.LatMinutes, place.IsSouth, place.LonDegrees,
            place.LonMinutes, place.IsEast,     zone};
}

std::optional<ZoneOffset> readZoneOffset(std::string_view hours, std::string_view minutes) {
    const auto hourNumber = readDecimal(hours);
    const auto minuteNumber = readDecimal(minutes);
    if (!hourNumber || !minuteNumber)
        return std::nullopt;
    const ZoneOffset offset{*hourNumber, *minuteNumber};
    if (!std::isfinite(offset.hoursEast()))
        return std::nullopt;
    return offset;
}

} // namespace horavela
