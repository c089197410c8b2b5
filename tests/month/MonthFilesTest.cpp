#include "month/MonthFiles.h"

#include "month/MonthTexts.h"
#include "tests/support/SystemZones.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace horavela {
namespace {

using namespace std::chrono;

const MonthPlace Delhi{
    {28, 36, false, 77, 12, true, ZoneOffset{-5, -30}}, {}, "New Delhi", "Delhi", "India"};
// Linked to its zone, whose offset changes on 8 March 2026.
const MonthPlace NewYork{{40, 43, false, 74, 0, false, ZoneOffset{5, 0}},
                         "America/New_York",
                         "New York City",
                         "New York",
                         "United States"};

const QDateTime Stamp(QDate(2026, 12, 7), QTime(10, 0), Qt::UTC);

// The lines of a file, each still ending in its CR.
QList<QByteArray> lines(const QByteArray& text) {
    QList<QByteArray> all = text.split('\n');
    all.removeLast();
    return all;
}

// The event's values of those keys, "|" between them; a list's items joined by ",".
std::string fields(const QJsonValue& event, std::initializer_list<const char*> keys) {
    QStringList values;
    for (const char* key : keys) {
        const QVariant value = event[QLatin1String(key)].toVariant();
        values << (value.canConvert<QString>() ? value.toString()
                                               : value.toStringList().join(u','));
    }
    return values.join(u'|').toStdString();
}

// The file read back by tests/month/read-back.py; skips the test when the reader is missing.
#define READ_BACK(result, kind, bytes)                                                             \
    QJsonObject result;                                                                            \
    do {                                                                                           \
        QTemporaryDir folder;                                                                      \
        QFile file(folder.filePath(QStringLiteral("month")));                                      \
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == (bytes).size());       \
        file.close();                                                                              \
        if (QStringLiteral(HORAVELA_PYTHON3).isEmpty())                                            \
            GTEST_SKIP() << "no python3 that this build can start";                                \
        QProcess reader;                                                                           \
        reader.start(QStringLiteral(HORAVELA_PYTHON3),                                             \
                     {QStringLiteral(READ_BACK_SCRIPT), QStringLiteral(kind), file.fileName()});   \
        if (!reader.waitForStarted())                                                              \
            GTEST_SKIP() << "python3 is missing";                                                  \
        ASSERT_TRUE(reader.waitForFinished(60000)) << "the reader did not finish";                 \
        if (reader.exitStatus() == QProcess::NormalExit && reader.exitCode() == 3)                 \
            GTEST_SKIP() << reader.readAllStandardError().toStdString();                           \
        ASSERT_EQ(reader.exitCode(), 0) << reader.readAllStandardError().toStdString();            \
        result = QJsonDocument::fromJson(reader.readAllStandardOutput()).object();                 \
    } while (false)

TEST(MonthCsv, NewDelhiDayIsOneRowOfLocalTimesWithTheirOffset) {
    const QByteArray csv = monthCsv(Delhi, {2022y / January, 1});
    const QList<QByteArray> rows = lines(csv);
    ASSERT_EQ(rows.size(), 32);
    EXPECT_EQ(csv.count("\r\n"), 32) << "a line without CR";
    EXPECT_EQ(rows[0], "date,weekday,sunrise,sunset,rahu_start,rahu_end,yamaganda_start,"
                       "yamaganda_end,gulika_start,gulika_end\r");
    EXPECT_EQ(rows[24], "2022-01-24,Monday,2022-01-24T07:14:00+05:30,2022-01-24T17:53:00+05:30,"
                        "2022-01-24T08:33:52+05:30,2022-01-24T09:53:43+05:30,"
                        "2022-01-24T11:13:36+05:30,2022-01-24T12:33:27+05:30,"
                        "2022-01-24T13:53:20+05:30,2022-01-24T15:13:11+05:30\r");
    // A day without sun times keeps its columns.
    const MonthPlace arctic{{78, 13, false, 15, 38, true, ZoneOffset{-1, 0}}, {}, {}, {}, {}};
    EXPECT_EQ(lines(monthCsv(arctic, {2022y / January, 1}))[5], "2022-01-05,Wednesday,,,,,,,,\r");

    READ_BACK(table, "csv", csv);
    const QJsonArray read = table[QStringLiteral("rows")].toArray();
    ASSERT_EQ(read.size(), 32);
    for (const QJsonValue& row : read)
        EXPECT_EQ(row.toArray().size(), 10) << QJsonDocument(row.toArray()).toJson().toStdString();
}

TEST(MonthCsv, LinkedZoneTakesEachDaysOffsetAcrossDaylightSaving) {
    const QList<QByteArray> rows = lines(monthCsv(NewYork, {2026y / March, 1}));
    ASSERT_EQ(rows.size(), 32);
    const std::pair<int, const char*> offsets[] = {
        {1, "-05:00"}, {7, "-05:00"}, {8, "-04:00"}, {31, "-04:00"}};
    for (const auto& [day, offset] : offsets) {
        const QList<QByteArray> cells = rows[day].trimmed().split(',');
        ASSERT_EQ(cells.size(), 10) << day;
        for (qsizetype n = 2; n < cells.size(); ++n)
            EXPECT_TRUE(cells[n].endsWith(offset)) << "March " << day << ": " << cells[n].data();
    }
    // The sun keeps its course: a clock put forward an hour sees it rise about an hour later.
    const auto sunrise = [&](int day) {
        return QDateTime::fromString(QString::fromLatin1(rows[day].split(',')[2]), Qt::ISODate);
    };
    EXPECT_NEAR(sunrise(7).secsTo(sunrise(8)), 86400 - 90, 120);
    EXPECT_NEAR(sunrise(7).time().secsTo(sunrise(8).time()), 3600 - 90, 120);
}

TEST(MonthCalendar, NewDelhiDayGivesThreeEventsInUniversalTime) {
    CalendarOptions options;
    options.periods = {true, true, true};
    options.stamp = Stamp;
    const QByteArray ics = monthCalendar(Delhi, {2022y / January, 1}, options);
    ASSERT_TRUE(ics.startsWith("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:"));
    ASSERT_TRUE(ics.endsWith("END:VCALENDAR\r\n"));

    READ_BACK(calendar, "ics", ics);
    EXPECT_EQ(calendar[QStringLiteral("version")].toString(), QStringLiteral("2.0"));
    // Named after its periods and its place, so that two places' calendars differ.
    EXPECT_EQ(calendar[QStringLiteral("method")].toString(), u"PUBLISH"_qs);
    EXPECT_EQ(calendar[QStringLiteral("name")].toString(),
              u"Rahu Kaal, Yamaganda, Gulika Kaal \u00B7 New Delhi"_qs);
    const QJsonArray events = calendar[QStringLiteral("events")].toArray();
    EXPECT_EQ(events.size(), 31 * 3);
    const QString place = u"\nNew Delhi, Delhi, India, 28\u00B0 36\u2032 N, 77\u00B0 12\u2032 E"_qs;
    std::vector<std::string> on24th;
    for (const QJsonValue& event : events) {
        // Never busy, reminded 10 minutes before.
        ASSERT_EQ(fields(event, {"stamp", "location", "geo", "transp", "busy", "alarms"}),
                  "2026-12-07T10:00:00+00:00|New Delhi, Delhi, India|28.6,77.2|TRANSPARENT|FREE|"
                  "-PT10M DISPLAY");
        const QString description = event[QStringLiteral("description")].toString();
        ASSERT_TRUE(description.endsWith(place)) << description.toStdString();
        if (event[QStringLiteral("start")].toString().startsWith(u"2022-01-24"))
            on24th.push_back(
                fields(event, {"summary", "start", "end"}) + '|' +
                description.section(u": "_qs, 1).section(u" local"_qs, 0, 0).toStdString());
    }
    // A calendar ends an event at the first moment after it: a second after the
    // period's last, which the description and the month window show.
    EXPECT_EQ(on24th,
              (std::vector<std::string>{"Rahu Kaal \u00B7 New Delhi|2022-01-24T03:03:52+00:00|"
                                        "2022-01-24T04:23:44+00:00|08:33:52 to 09:53:43",
                                        "Yamaganda \u00B7 New Delhi|2022-01-24T05:43:36+00:00|"
                                        "2022-01-24T07:03:28+00:00|11:13:36 to 12:33:27",
                                        "Gulika Kaal \u00B7 New Delhi|2022-01-24T08:23:20+00:00|"
                                        "2022-01-24T09:43:12+00:00|13:53:20 to 15:13:11"}));
}

TEST(MonthCalendar, LongNamesFoldWholeCharactersAndUnfoldToTheSameText) {
    const MonthPlace place{{13, 5, false, 80, 17, true, ZoneOffset{-5, -30}},
                           indiaZoneId(),
                           QStringLiteral("சென்னை; பெருநகர, \\ மாநகராட்சி"),
                           QStringLiteral("तमिलनाडु राज्य, दक्षिण भारत का प्रदेश"),
                           QStringLiteral("भारत")};
    CalendarOptions options;
    options.stamp = Stamp;
    options.reminderMinutes = 0;
    const QByteArray ics = monthCalendar(place, {2025y / March, 12}, options);
    int folded = 0;
    for (const QByteArray& line : lines(ics)) {
        ASSERT_TRUE(line.endsWith('\r'));
        ASSERT_LE(line.size() - 1, 75) << line.toStdString();
        ASSERT_TRUE(QString::fromUtf8(line).toUtf8() == line) << "a split character";
        // A continuation line must not begin inside a character.
        // A continuation line must not begin inside a character.
        folded += line.startsWith(' ');
        ASSERT_FALSE(line.startsWith(' ') && (static_cast<unsigned char>(line[1]) & 0xC0) == 0x80)
            << line.toStdString();
    }
    EXPECT_GT(folded, 0);
    EXPECT_FALSE(ics.contains("BEGIN:VALARM"));
    EXPECT_TRUE(
        QByteArray(ics)
            .replace("\r\n ", "")
            .contains("LOCATION:சென்னை\\; பெருநகர\\, \\\\ மாநகராட்சி\\, तमिलनाडु राज्य\\, दक्षिण भारत "
                      "का प्रदेश\\, भारत\r\n"));

    READ_BACK(calendar, "ics", ics);
    const QJsonArray events = calendar[QStringLiteral("events")].toArray();
    EXPECT_EQ(events.size(), 365);
    const QString names = QStringList{place.city, place.state, place.country}.join(u", "_qs);
    for (const QJsonValue& event : events) {
        ASSERT_EQ(event[QStringLiteral("location")].toString(), names);
        ASSERT_TRUE(event[QStringLiteral("description")].toString().endsWith(placeHeading(place)));
        ASSERT_TRUE(event[QStringLiteral("alarms")].toArray().isEmpty());
    }
}

TEST(MonthCalendar, SamePlaceDateAndPeriodKeepTheirIdAcrossStamps) {
    CalendarOptions options;
    options.periods = {true, true, true};
    const auto uids = [&options](MonthRange range, QDateTime stamp) {
        options.stamp = stamp;
        QList<QByteArray> found;
        for (const QByteArray& line : lines(monthCalendar(Delhi, range, options)))
            if (line.startsWith("UID:"))
                found.append(line);
        return found;
    };
    const QList<QByteArray> before = uids({2022y / January, 1}, Stamp);
    ASSERT_EQ(before.size(), 93);
    EXPECT_EQ(uids({2022y / January, 1}, Stamp.addDays(40)), before);
    EXPECT_EQ(QSet<QByteArray>(before.begin(), before.end()).size(), 93) << "ids repeat";
    // A month later in the range gives the same days the same ids.
    EXPECT_EQ(uids({2021y / December, 2}, Stamp).mid(93), before);
}

TEST(MonthTexts, ZonesAndMinutesAsTheWindowWritesThem) {
    EXPECT_EQ(zoneHeading(NewYork).toStdString(), "America/New_York");
    const std::pair<ZoneOffset, const char*> zones[] = {
        {{-5, -30}, "-5 -30"}, {{-0.0, -19}, "-0 -19"}, {{0, 19}, "0 19"}};
    for (const auto& [zone, text] : zones) {
        MonthPlace place = Delhi;
        place.place.zone = zone;
        EXPECT_EQ(zoneHeading(place).toStdString(), text);
    }
    // To the nearest minute, half a minute up.
    const DateTime morning = local_days{2022y / 1 / 24} + 9h + 53min;
    EXPECT_EQ(minuteText(QLocale::c(), morning + 29s).toStdString(), "09:53");
    EXPECT_EQ(minuteText(QLocale::c(), morning + 30s).toStdString(), "09:54");
}

} // namespace
} // namespace horavela
