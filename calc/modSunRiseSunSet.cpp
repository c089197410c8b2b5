#include "calc/modSunRiseSunSet.h"

#include "calc/TextNumbers.h"

#include <cmath>
#include <optional>

namespace horavela {
namespace {

// The almanac method's constants at six figures, used as they are and not replaced by exact
// values: the published results depend on them to the minute. Angles are in radians.
constexpr double QuarterTurn = 1.5708; // base angle of sunrise
constexpr double HalfTurn = 3.14159;
constexpr double ThreeQuarterTurn = 4.71239; // base angle of sunset
constexpr double FullTurn = 6.28319;
constexpr double DegreesToRadians = 0.0174533;
constexpr double HoursToRadians = 0.261799;
constexpr double RadiansToHours = 3.81972;
constexpr double CosZenith = -0.0145439;           // zenith of 90 degrees 50 minutes
constexpr double MeanAnomalyPerDay = 0.017202;     // 0.9856 degrees
constexpr double MeanAnomalyOffset = 0.0574039;    // 3.289 degrees
constexpr double CentreCoefficient1 = 0.0334405;   // 1.916 degrees
constexpr double CentreCoefficient2 = 0.000349066; // 0.020 degrees
constexpr double TrueLongitudeOffset = 4.93289;    // 282.634 degrees
constexpr double CosObliquity = 0.91746;
constexpr double SinObliquity = 0.39782;
constexpr double SiderealPerDay = 0.0172028;     // 0.06571 hours
constexpr double SiderealOffset = 1.73364;       // 6.622 hours
constexpr double LongitudeNudge = 0.00000484814; // one second of arc

// Ordinary inputs stay within a few turns, where angles are wrapped turn by turn to keep the
// method's rounding; extreme coordinates or zones would make that loop endless, so fmod takes
// over far out.
constexpr double MaxStepwiseAngle = 64 * FullTurn;

// What stays the same for both events of one run.
struct RunValues {
    double dayNumber;
    double longitude;
    double sinLatitude;
    double cosLatitude;
    double zone;
};

// Zone offset in radians east of Greenwich.
double zoneRadians(const ZoneOffset& offset) {
    double zoneEast = offset.hoursEast();
    if (zoneEast == 13)
        zoneEast = -11;
    return zoneEast * HoursToRadians;
}

// Wraps a finite angle into [0, FullTurn).
double bringIntoTurn(double angle) {
    if (std::fabs(angle) > MaxStepwiseAngle)
        angle = std::fmod(angle, FullTurn);
    while (angle < 0)
        angle += FullTurn;
    while (angle >= FullTurn)
        angle -= FullTurn;
    return angle;
}

// The steps of one event up to its hour angle: beyond -1 to 1, the sun does not cross the
// horizon that day (below -1 it stays up, above 1 down). baseAngle is QuarterTurn for the
// sunrise and ThreeQuarterTurn for the sunset.
struct EventAngles {
    double t;
    double rightAscension;
    double cosHourAngle;
};

EventAngles eventAngles(const RunValues& run, double baseAngle) {
    const double t = run.dayNumber + (baseAngle - run.longitude) / FullTurn;
    const double meanAnomaly = MeanAnomalyPerDay * t - MeanAnomalyOffset;
    double trueLongitude = meanAnomaly + CentreCoefficient1 * std::sin(meanAnomaly) +
                           TrueLongitudeOffset + CentreCoefficient2 * std::sin(2 * meanAnomaly);
    trueLongitude = bringIntoTurn(trueLongitude);
    const double quarters = trueLongitude / QuarterTurn;
    if (std::floor(quarters) == quarters)
        trueLongitude += LongitudeNudge;

    const double sinLongitude = std::sin(trueLongitude);
    double rightAscension = std::atan(CosObliquity * (sinLongitude / std::cos(trueLongitude)));
    if (trueLongitude > ThreeQuarterTurn)
        rightAscension += FullTurn;
    else if (trueLongitude > QuarterTurn)
        rightAscension += HalfTurn;

    const double sinDeclination = SinObliquity * sinLongitude;
    const double declination =
        std::atan(sinDeclination / std::sqrt(1 - sinDeclination * sinDeclination));

    const double cosHourAngle = (CosZenith - std::sin(declination) * run.sinLatitude) /
                                (run.cosLatitude * std::cos(declination));
    return {t, rightAscension, cosHourAngle};
}

// Zone time of one event as minutes after midnight, or nothing when the sun does not cross the
// horizon that day.
std::optional<std::chrono::minutes> eventTime(const RunValues& run, double baseAngle,
                                              bool isSunrise) {
    const auto [t, rightAscension, cosHourAngle] = eventAngles(run, baseAngle);
    const double sinHourAngleSquared = 1 - cosHourAngle * cosHourAngle;
    // Also refuses a NaN from a degenerate latitude, which must never reach the conversion below.
    if (!(sinHourAngleSquared > 0))
        return std::nullopt;
    double hourAngle = QuarterTurn - std::atan(cosHourAngle / std::sqrt(sinHourAngleSquared));
    if (isSunrise)
        hourAngle = FullTurn - hourAngle;

    const double localMeanTime = hourAngle + rightAscension - SiderealPerDay * t - SiderealOffset;
    const double universalTime = localMeanTime - run.longitude;
    const double hours = bringIntoTurn(universalTime + run.zone) * RadiansToHours;

    int hour = static_cast<int>(hours);
    int minute = static_cast<int>(60 * (hours - hour) + 0.5);
    if (minute == 60) {
        minute = 0;
        ++hour;
    }
    if (hour == 24)
        hour = 0;
    return std::chrono::hours{hour} + std::chrono::minutes{minute};
}

RunValues runValues(std::chrono::year_month_day date, const Place& place) {
    double latitude = place.LatDegrees + place.LatMinutes / 60.0;
    if (place.IsSouth)
        latitude = -latitude;
    double longitude = place.LonDegrees + place.LonMinutes / 60.0;
    if (!place.IsEast)
        longitude = -longitude;
    const auto dayOfYear = std::chrono::local_days{date} -
                           std::chrono::local_days{date.year() / std::chrono::January / 1};
    const double latitudeRadians = latitude * DegreesToRadians;
    return {static_cast<double>(dayOfYear.count()), longitude * DegreesToRadians,
            std::sin(latitudeRadians), std::cos(latitudeRadians), zoneRadians(*place.zone)};
}

} // namespace

SunResult sunRiseSunSetAt(CalculationState& state, std::chrono::year_month_day date,
                          const Place& place) {
    if (!date.ok() || !place.zone)
        return SunResult::BadInput;
    const std::chrono::local_days midnight{date};
    const RunValues run = runValues(date, place);

    const auto sunRise = eventTime(run, QuarterTurn, true);
    if (!sunRise)
        return SunResult::NoSunrise;
    state.SunTimes[0] = midnight + *sunRise;
    const auto sunSet = eventTime(run, ThreeQuarterTurn, false);
    if (!sunSet)
        return SunResult::NoSunset;
    state.SunTimes[1] = midnight + *sunSet;
    return SunResult::Ok;
}

bool sunStaysUp(std::chrono::year_month_day date, const Place& place, SunResult result) {
    if (!date.ok() || !place.zone || result == SunResult::Ok || result == SunResult::BadInput)
        return false;
    const double baseAngle = result == SunResult::NoSunrise ? QuarterTurn : ThreeQuarterTurn;
    return eventAngles(runValues(date, place), baseAngle).cosHourAngle < -1;
}

SunResult ComputeSunRiseSunSet(CalculationState& state, int month, std::string_view day,
                               std::string_view year, std::int16_t LatDegrees,
                               std::int16_t LatMinutes, bool IsSouth, std::int16_t LonDegrees,
                               std::int16_t LonMinutes, bool IsEast, std::string_view zoneHours,
                               std::string_view zoneMinutes) {
    const auto date = readDate(month, day, year);
    if (!date)
        return SunResult::BadInput;
    return sunRiseSunSetAt(state, *date,
                           {LatDegrees, LatMinutes, IsSouth, LonDegrees, LonMinutes, IsEast,
                            readZoneOffset(zoneHours, zoneMinutes)});
}

} // namespace horavela
