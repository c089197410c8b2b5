#include "ui/main/ZoneLink.h"

#include "calc/Place.h"
#include "platform/FitText.h"
#include "platform/PointSize.h"

#include <QFontMetrics>
#include <QLabel>

namespace horavela {

namespace {

// The smallest size a zone's name is shrunk to before its middle is left out.
constexpr double SmallestZonePoints = 6.0;

} // namespace

std::pair<QString, QString> linkedZoneTexts(const ZoneHistory* zone, const ZoneMoment& moment) {
    if (!zone)
        return {};
    const ZonePair pair = zonePairAt(*zone, moment);
    return {zoneHoursText(pair), QString::number(pair.minutes)};
}

QDateTime presentInFormZone(const QDateTime& utc, const ZoneHistory* zone,
                            std::optional<ZoneOffset> boxes) {
    // Only the wall clock is wanted, so the moment is moved by the offset: the
    // boxes may hold any offset, beyond what a QTimeZone takes.
    const auto wallClock = [&](long long secondsEast) {
        const QDateTime shifted = utc.toUTC().addSecs(secondsEast);
        return QDateTime(shifted.date(), shifted.time(), Qt::UTC);
    };
    if (zone)
        return wallClock(zone->secondsEastAt(
            std::chrono::sys_seconds{std::chrono::seconds{utc.toSecsSinceEpoch()}}));
    if (boxes)
        return wallClock(boxes->secondsEast());
    return utc.toLocalTime();
}

void showZoneName(QLabel& label, const QString& name) {
    label.setToolTip(name);
    label.setAccessibleName(name);
    label.setText(name);
    if (name.isEmpty())
        return;
    shrinkTextToFit(label, TextPoints, SmallestZonePoints);
    const int room = labelTextRect(label).width();
    const QFontMetrics metrics(label.font());
    if (metrics.horizontalAdvance(name) > room)
        label.setText(metrics.elidedText(name, Qt::ElideMiddle, room));
}

} // namespace horavela
