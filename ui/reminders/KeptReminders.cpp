#include "ui/reminders/KeptReminders.h"

#include "platform/KeptSettings.h"

#include <QSettings>
#include <QString>
#include <optional>

namespace horavela {

namespace {

const QString Group = QStringLiteral("reminders");

struct Keys {
    const char* on;
    const char* minutesBefore;
};

// Indexed by DayPeriod.
constexpr std::array<Keys, 3> PeriodKeys{{
    {"rahuKaalOn", "rahuKaalMinutesBefore"},
    {"yamagandaOn", "yamagandaMinutesBefore"},
    {"gulikaKaalOn", "gulikaKaalMinutesBefore"},
}};

// Read as text, which every platform's store gives back whatever type it kept.
std::optional<bool> onOrOff(const QSettings& settings, const char* key) {
    const QString text = settings.value(QLatin1String(key)).toString();
    if (text == u"true")
        return true;
    if (text == u"false")
        return false;
    return std::nullopt;
}

std::optional<int> minutesBefore(const QSettings& settings, const char* key) {
    bool ok = false;
    const int minutes = settings.value(QLatin1String(key)).toString().toInt(&ok);
    if (!ok || minutes < 0 || minutes > MaxMinutesBefore)
        return std::nullopt;
    return minutes;
}

} // namespace

ReminderSettings keptReminderSettings() {
    ReminderSettings kept = DefaultReminderSettings;
    KeptSettings settings;
    if (settings.readStatus() != QSettings::NoError)
        return kept;
    settings.beginGroup(Group);
    for (std::size_t n = 0; n < kept.size(); ++n) {
        kept[n].on = onOrOff(settings, PeriodKeys[n].on).value_or(kept[n].on);
        kept[n].minutesBefore =
            minutesBefore(settings, PeriodKeys[n].minutesBefore).value_or(kept[n].minutesBefore);
    }
    return kept;
}

bool keepReminderSettings(const ReminderSettings& settings) {
    KeptSettings kept;
    kept.remove(Group);
    kept.beginGroup(Group);
    for (std::size_t n = 0; n < settings.size(); ++n) {
        kept.setValue(QLatin1String(PeriodKeys[n].on), settings[n].on);
        kept.setValue(QLatin1String(PeriodKeys[n].minutesBefore), settings[n].minutesBefore);
    }
    kept.endGroup();
    kept.sync();
    return kept.status() == QSettings::NoError;
}

} // namespace horavela
