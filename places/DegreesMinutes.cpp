#include "places/DegreesMinutes.h"

#include "platform/Language.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

namespace horavela {

namespace {

// Gazetteer values have at most six decimals; this keeps one written as
// x° 59.5′ from landing a hair below the half minute in binary.
constexpr double RoundingSlack = 1e-7;

DegreesMinutes form(double degrees, int maxDegrees, char positive, char negative) {
    const double minutes = std::floor(std::fabs(degrees) * 60 + 0.5 + RoundingSlack);
    const int total = static_cast<int>(std::min(minutes, maxDegrees * 60.0 + 59));
    return {total / 60, total % 60, degrees < 0 && total > 0 ? negative : positive};
}

} // namespace

DegreesMinutes latitudeForm(double degrees) {
    return form(degrees, 89, 'N', 'S');
}

DegreesMinutes longitudeForm(double degrees) {
    return form(degrees, 179, 'E', 'W');
}

std::string text(const DegreesMinutes& angle) {
    return std::to_string(angle.degrees) + "\u00B0 " + std::to_string(angle.minutes) + "\u2032 " +
           angle.hemisphere;
}

// "18° 31′ N", the hemisphere in the language in use.
QString angleText(const DegreesMinutes& angle) {
    QString hemisphere;
    switch (angle.hemisphere) {
    case 'N':
        //: North, after a latitude's degrees and minutes: 18° 31′ N
        hemisphere = QCoreApplication::translate("DegreesMinutes", "N");
        break;
    case 'S':
        //: South, after a latitude's degrees and minutes: 33° 52′ S
        hemisphere = QCoreApplication::translate("DegreesMinutes", "S");
        break;
    case 'E':
        //: East, after a longitude's degrees and minutes: 73° 51′ E
        hemisphere = QCoreApplication::translate("DegreesMinutes", "E");
        break;
    default:
        //: West, after a longitude's degrees and minutes: 74° 0′ W
        hemisphere = QCoreApplication::translate("DegreesMinutes", "W");
        break;
    }
    return localDigits(QStringLiteral("%1° %2′ ").arg(angle.degrees).arg(angle.minutes)) +
           hemisphere;
}

} // namespace horavela
