// The main window's zone once a place found is used: the zone boxes follow
// the linked zone's offset at the chosen moment, a label names the zone, and
// "Set to Now" reads the present in the form's zone.
#pragma once

#include "calc/Place.h"
#include "places/ZoneRules.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <optional>
#include <utility>

class QLabel;

namespace horavela {

// The zone boxes' texts for the pair in force in the zone at the moment ("-0"
// hours under an hour east); empty texts when no zone is linked.
std::pair<QString, QString> linkedZoneTexts(const ZoneHistory* zone, const ZoneMoment& moment);

// The wall-clock date and time at `utc` in the form's zone: the linked zone
// when there is one, else the offset the zone boxes give when they read as
// one, else the computer's own zone.
QDateTime presentInFormZone(const QDateTime& utc, const ZoneHistory* zone,
                            std::optional<ZoneOffset> boxes);

// Shows the zone's name in the label, the font made smaller while it does not
// fit, and its middle left out when even the smallest does not; the whole name
// stays in the tooltip and for screen readers. An empty name empties the label.
void showZoneName(QLabel& label, const QString& name);

} // namespace horavela
