// What the system's time-zone data holds, for rows that depend on it: the IANA
// data of Linux and macOS, or Windows' own, which knows some zones only by
// older names and keeps only the rules of recent years.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QTimeZone>

namespace horavela {

// India's zone by the name this system knows: Asia/Calcutta on Windows.
inline QByteArray indiaZoneId() {
    return QTimeZone::isTimeZoneIdAvailable("Asia/Kolkata") ? QByteArrayLiteral("Asia/Kolkata")
                                                            : QByteArrayLiteral("Asia/Calcutta");
}

// Whether the data reaches back to the local mean times before standard time,
// such as India's 5:21:10 ahead of 1901.
inline bool zonesHaveHistory() {
    const QTimeZone india(indiaZoneId());
    return india.isValid() && india.offsetFromUtc(QDateTime(QDate(1901, 1, 1), QTime(0, 0),
                                                            Qt::UTC)) == 5 * 3600 + 21 * 60 + 10;
}

} // namespace horavela
