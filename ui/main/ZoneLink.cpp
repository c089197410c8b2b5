#include "ui/main/ZoneLink.h"

#include "calc/Place.h"
#include "platform/FitText.h"
#include "platform/PointSize.h"

#include <QFontMetrics>
#include <QLabel>
#include <QTimeZone>

namespace horavela {

namespace {

// The smallest size a zone's name is shrunk to before its middle is left out.
constexpr double SmallestZonePoints = 6.0;

} // namespace

ZoneBoxTexts linkedZoneTexts(const QByteArray& systemZoneId, const ZoneMoment& moment) {
    const std::optional<ZonePair> pair = zonePairAt(systemZoneId, moment);
    if (!pair)
        return {};
    return {zoneHoursText(*pair), QString::number(pair->minutes)};
}

QDateTime presentInFormZone(const QDateTime& utc, const QByteArray& systemZoneId,
                            const ZoneBoxTexts& boxes) {
    if (!systemZoneId.isEmpty()) {
        const QTimeZone zone(systemZoneId);
        if (zone.isValid())
            return utc.toTimeZone(zone);
    }
    if (const std::optional<ZoneOffset> offset =
            readZoneOffset(boxes.hours.toStdString(), boxes.minutes.toStdString())) {
        // The boxes may hold any offset, beyond what a QTimeZone takes: only
        // the wall clock is wanted, so the moment is moved instead.
        const QDateTime shifted = utc.toUTC().addSecs(offset->secondsEast());
        return QDateTime(shifted.date(), shifted.time(), Qt::UTC);
    }
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
