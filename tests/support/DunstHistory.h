// What the notification server dunst received in a test's desktop session
// (tests/support/desktop-session.sh), read back with dunstctl. Linux only.
#pragma once

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QList>
#include <QProcess>
#include <QStringList>
#include <algorithm>
#include <ctime>

namespace horavela {

// dunst stamps a notification with the boot-time clock, in microseconds.
inline qint64 bootMicroseconds() {
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return qint64{now.tv_sec} * 1000000 + now.tv_nsec / 1000;
}

inline QByteArray dunstctl(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral("dunstctl"), arguments);
    if (!process.waitForFinished(5000) || process.exitCode() != 0)
        return {};
    return process.readAllStandardOutput();
}

// What dunst received after the notification numbered `after`, oldest first, each as
// "field": value. Closing those on screen moves them into the history.
inline QList<QJsonObject> receivedAfter(qint64 after) {
    dunstctl({QStringLiteral("close-all")});
    const QJsonArray history = QJsonDocument::fromJson(dunstctl({QStringLiteral("history")}))
                                   .object()[u"data"]
                                   .toArray()
                                   .at(0)
                                   .toArray();
    QList<QJsonObject> received;
    for (const QJsonValue& entry : history) {
        QJsonObject fields;
        const QJsonObject typed = entry.toObject();
        for (auto field = typed.begin(); field != typed.end(); ++field)
            fields[field.key()] = field.value().toObject()[u"data"];
        if (fields[u"id"].toInteger() > after)
            received.append(fields);
    }
    std::sort(received.begin(), received.end(), [](const QJsonObject& a, const QJsonObject& b) {
        return a[u"id"].toInteger() < b[u"id"].toInteger();
    });
    return received;
}

} // namespace horavela
