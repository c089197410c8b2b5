#include "modSunRiseSunSet.h"

#include "TextNumbers.h"

#include <cmath>
#include <optional>

namespace horavela {
namespace {

// The almanac method's constants at six figures, used as they are and not replaced by exact
// values: the published results depend on them to the minute. Angles are in radians.
constexpr double quarterTurn = 1.5708; // base angle of sunrise
constexpr double halfTurn = 3.14159;
constexpr double threeQuarterTurn = 4.71239; // base angle of sunset
constexpr double fullTurn = 6.28319;
constexpr double degreesToRadians = 0.0174533;
constexpr double hoursToRadians = 0.261799;
constexpr double radiansToHours = 3.81972;
constexpr double cosZenith = -0.0145439;           // zenith of 90 degrees 50 minutes
constexpr double meanAnomalyPerDay = 0.017202;     // 0.9856 degrees
constexpr double meanAnomalyOffset = 0.0574039;    // 3.289 degrees
constexpr double centreCoefficient1 = 0.0334405;   // 1.916 degrees
constexpr double centreCoefficient2 = 0.000349066; // 0.020 degrees
constexpr double trueLongitudeOffset = 4.93289;    // 282.634 degrees
constexpr double cosObliquity = 0.91746;
constexpr double sinObliquity = 0.39782;
constexpr double siderealPerDay = 0.0172028;     // 0.06571 hours
constexpr double siderealOffset = 1.73364;       // 6.622 hours
constexpr double longitudeNudge = 0.00000484814; // one second of arc

// Ordinary inputs stay within a few turns, where angles are wrapped turn by turn to keep the
// method's rounding; extreme coordinates or zones would make that loop endless, so fmod takes
// over far out.
constexpr double maxStepwiseAngle = 64 * fullTurn;

// What stays the same for both events of one run.
struct RunValues {
    double dayNumber;
    double longitude;
    double sinLatitude;
    double cosLatitude;
    double zone;
};

// Zone offset in radians east of Greenwich, from hours behind universal time whose sign is the
// sign of the whole offset.
std::optional<double> readZone(std::string_view zoneHours, std::string_view zoneMinutes) {
    const auto hours = readDecimal(zoneHours);
    const auto minutes = readDecimal(zoneMinutes);
    if (!hours || !minutes) {
        return std::nullopt;
    }
    const double sign = *hours < 0 ? -1.0 : 1.0;
    double zoneEast = -(sign * (std::fabs(*hours) + std::fabs(*minutes) / 60));
    if (zoneEast == 13) {
        zoneEast = -11;
    }
    const double zone = zoneEast * hoursToRadians;
    if (!std::isfinite(zone)) {
        return std::nullopt;
    }
    return zone;
}

// Wraps a finite angle into [0, fullTurn).
double bringIntoTurn(double angle) {
    if (std::fabs(angle) > maxStepwiseAngle) {
        angle = std::fmod(angle, fullTurn);
    }
    while (angle < 0) {
        angle += fullTurn;
    }
    while (angle >= fullTurn) {
        angle -= fullTurn;
    }
    return angle;
}

// Zone time of one event as minutes after midnight, or nothing when the sun does not cross the
// horizon that day. baseAngle is quarterTurn for the sunrise and threeQuarterTurn for the sunset.
std::optional<std::chrono::minutes> eventTime(const RunValues& run, double baseAngle,
                                              bool isSunrise) {
    const double t = run.dayNumber + (baseAngle - run.longitude) / fullTurn;
    const double meanAnomaly = meanAnomalyPerDay * t - meanAnomalyOffset;
    double trueLongitude = meanAnomaly + centreCoefficient1 * std::sin(meanAnomaly) +
                           trueLongitudeOffset + centreCoefficient2 * std::sin(2 * meanAnomaly);
    trueLongitude = bringIntoTurn(trueLongitude);
    const double quarters = trueLongitude / quarterTurn;
    if (std::floor(quarters) == quarters) {
        trueLongitude += longitudeNudge;
    }

    const double sinLongitude = std::sin(trueLongitude);
    double rightAscension = std::atan(cosObliquity * (sinLongitude / std::cos(trueLongitude)));
    if (trueLongitude > threeQuarterTurn) {
        rightAscension += fullTurn;
    } else if (trueLongitude > quarterTurn) {
        rightAscension += halfTurn;
    }

    const double sinDeclination = sinObliquity * sinLongitude;
    const double declination =
        std::atan(sinDeclination / std::sqrt(1 - sinDeclination * sinDeclination));

    const double cosHourAngle = (cosZenith - std::sin(declination) * run.sinLatitude) /
                                (run.cosLatitude * std::cos(declination));
    const double sinHourAngleSquared = 1 - cosHourAngle * cosHourAngle;
    // Also refuses a NaN from a degenerate latitude, which must never reach the conversion below.
    if (!(sinHourAngleSquared > 0)) {
        return std::nullopt;
    }
    double hourAngle = quarterTurn - std::atan(cosHourAngle / std::sqrt(sinHourAngleSquared));
    if (isSunrise) {
        hourAngle = fullTurn - hourAngle;
    }

    const double localMeanTime = hourAngle + rightAscension - siderealPerDay * t - siderealOffset;
    const double universalTime = localMeanTime - run.longitude;
    const double hours = bringIntoTurn(universalTime + run.zone) * radiansToHours;

    int hour = static_cast<int>(hours);
    int minute = static_cast<int>(60 * (hours - hour) + 0.5);
    if (minute == 60) {
        minute = 0;
        ++hour;
    }
    if (hour == 24) {
        hour = 0;
    }
    return std::chrono::hours{hour} + std::chrono::minutes{minute};
}

} // namespace

SunResult ComputeSunRiseSunSet(CalculationState& state, int month, std::string_view day,
                               std::string_view year, std::int16_t LatDegrees,
                               std::int16_t LatMinutes, bool IsSouth, std::int16_t LonDegrees,
                               std::int16_t LonMinutes, bool IsEast, std::string_view zoneHours,
                               std::string_view zoneMinutes) {
    const auto date = readDate(month, day, year);
    const auto zone = readZone(zoneHours, zoneMinutes);
    if (!date || !zone) {
        return SunResult::BadInput;
    }

    double latitude = LatDegrees + LatMinutes / 60.0;
    if (IsSouth) {
        latitude = -latitude;
    }
    double longitude = LonDegrees + LonMinutes / 60.0;
    if (!IsEast) {
        longitude = -longitude;
    }
    const std::chrono::local_days midnight{*date};
    const auto dayOfYear =
        midnight - std::chrono::local_days{date->year() / std::chrono::January / 1};
    const double latitudeRadians = latitude * degreesToRadians;
    const RunValues run{static_cast<double>(dayOfYear.count()), longitude * degreesToRadians,
                        std::sin(latitudeRadians), std::cos(latitudeRadians), *zone};

    const auto sunRise = eventTime(run, quarterTurn, true);
    if (!sunRise) {
        return SunResult::NoSunrise;
    }
    state.SunTimes[0] = midnight + *sunRise;
    const auto sunSet = eventTime(run, threeQuarterTurn, false);
    if (!sunSet) {
        return SunResult::NoSunset;
    }
    state.SunTimes[1] = midnight + *sunSet;
    return SunResult::Ok;
}

} // namespace horavela
