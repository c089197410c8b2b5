#include "ui/main/HomePlace.h"

#include "places/ZoneRules.h"
#include "platform/KeptSettings.h"

#include <QSettings>
#include <QString>
#include <QStringList>
#include <cmath>
#include <optional>

namespace horavela {

namespace {

const QString Group = QStringLiteral("home");
const QString TrayOn = QStringLiteral("tray/on");
const QString ToldOfTray = QStringLiteral("tray/told");

bool keptFlag(const QString& key) {
    KeptSettings settings;
    return settings.readStatus() == QSettings::NoError && settings.value(key).toBool();
}

bool keepFlag(const QString& key, bool on) {
    KeptSettings settings;
    settings.setValue(key, on);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

// A whole number from 0 to `highest`, written by keepHomePlace; anything else
// means the file was edited or damaged.
std::optional<std::int16_t> whole(const QSettings& settings, const QString& key, int highest) {
    bool ok = false;
    const int value = settings.value(key).toString().toInt(&ok);
    if (!ok || value < 0 || value > highest)
        return std::nullopt;
    return static_cast<std::int16_t>(value);
}

// One of the two words keepHomePlace writes; true for `second`.
std::optional<bool> either(const QSettings& settings, const QString& key, QStringView first,
                           QStringView second) {
    const QString text = settings.value(key).toString();
    if (text == first)
        return false;
    if (text == second)
        return true;
    return std::nullopt;
}

} // namespace

QString zoneBoxText(double value) {
    if (value == 0 && std::signbit(value))
        return QStringLiteral("-0");
    return QString::number(value, 'g', 15);
}

bool keepHomePlace(const Place& place) {
    KeptSettings settings;
    settings.remove(Group);
    settings.beginGroup(Group);
    settings.setValue(QStringLiteral("city"), QString::fromStdString(place.city));
    settings.setValue(QStringLiteral("state"), QString::fromStdString(place.state));
    settings.setValue(QStringLiteral("country"), QString::fromStdString(place.country));
    settings.setValue(QStringLiteral("latitudeDegrees"), int(place.LatDegrees));
    settings.setValue(QStringLiteral("latitudeMinutes"), int(place.LatMinutes));
    settings.setValue(QStringLiteral("latitudeHemisphere"),
                      place.IsSouth ? QStringLiteral("south") : QStringLiteral("north"));
    settings.setValue(QStringLiteral("longitudeDegrees"), int(place.LonDegrees));
    settings.setValue(QStringLiteral("longitudeMinutes"), int(place.LonMinutes));
    settings.setValue(QStringLiteral("longitudeHemisphere"),
                      place.IsEast ? QStringLiteral("east") : QStringLiteral("west"));
    if (place.namedZone) {
        settings.setValue(QStringLiteral("zoneName"), QString::fromStdString(place.zoneName));
    } else if (place.zone) {
        settings.setValue(QStringLiteral("zoneHours"), zoneBoxText(place.zone->hours));
        settings.setValue(QStringLiteral("zoneMinutes"), zoneBoxText(place.zone->minutes));
    }
    settings.endGroup();
    settings.sync();
    return settings.status() == QSettings::NoError;
}

bool forgetHomePlace() {
    KeptSettings settings;
    settings.remove(Group);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

bool isHomePlaceKept() {
    KeptSettings settings;
    return settings.readStatus() == QSettings::NoError && settings.childGroups().contains(Group);
}

bool isTrayKeptOn() {
    return keptFlag(TrayOn);
}

bool keepTrayOn(bool on) {
    return keepFlag(TrayOn, on);
}

bool wasToldOfTray() {
    return keptFlag(ToldOfTray);
}

void keepToldOfTray() {
    // Failing that, the user is told again next time, which does no harm.
    static_cast<void>(keepFlag(ToldOfTray, true));
}

KeptHomePlace keptHomePlace() {
    KeptSettings settings;
    if (settings.readStatus() != QSettings::NoError)
        return HomePlaceFault::UnreadableSettings;
    if (!settings.childGroups().contains(Group))
        return std::monostate{};
    settings.beginGroup(Group);
    const auto latDegrees = whole(settings, QStringLiteral("latitudeDegrees"), 89);
    const auto latMinutes = whole(settings, QStringLiteral("latitudeMinutes"), 59);
    const auto south = either(settings, QStringLiteral("latitudeHemisphere"), u"north", u"south");
    const auto lonDegrees = whole(settings, QStringLiteral("longitudeDegrees"), 179);
    const auto lonMinutes = whole(settings, QStringLiteral("longitudeMinutes"), 59);
    const auto east = either(settings, QStringLiteral("longitudeHemisphere"), u"west", u"east");
    if (!latDegrees || !latMinutes || !south || !lonDegrees || !lonMinutes || !east)
        return HomePlaceFault::BadValue;
    Place place;
    place.LatDegrees = *latDegrees;
    place.LatMinutes = *latMinutes;
    place.IsSouth = *south;
    place.LonDegrees = *lonDegrees;
    place.LonMinutes = *lonMinutes;
    place.IsEast = *east;
    place.city = settings.value(QStringLiteral("city")).toString().toStdString();
    place.state = settings.value(QStringLiteral("state")).toString().toStdString();
    place.country = settings.value(QStringLiteral("country")).toString().toStdString();
    if (settings.contains(QStringLiteral("zoneName"))) {
        const QString name = settings.value(QStringLiteral("zoneName")).toString();
        place.namedZone = namedZone(name.toUtf8());
        if (!place.namedZone)
            return HomePlaceFault::BadValue;
        place.zoneName = name.toStdString();
    } else {
        place.zone =
            readZoneOffset(settings.value(QStringLiteral("zoneHours")).toString().toStdString(),
                           settings.value(QStringLiteral("zoneMinutes")).toString().toStdString());
        if (!place.zone)
            return HomePlaceFault::BadValue;
    }
    return place;
}

} // namespace horavela
