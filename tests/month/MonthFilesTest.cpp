#include "month/MonthFiles.h"

#include "month/MonthTexts.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTimeZone>
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

QByteArray unfolded(QByteArray text) {
    return text.replace("\r\n ", "");
}

QList<QByteArray> lines(const QByteArray& text) {
    QList<QByteArray> all = text.split('\n');
    all.removeLast();
    return all;
}

// The file read back by tests/month/read-back.py; skips the test when the reader is missing.
#define READ_BACK(result, kind, bytes)                                                             \
    QJsonObject result;                                                                            \
    do {                                                                                           \
        QTemporaryDir folder;                                                                      \
        QFile file(folder.filePath(QStringLiteral("month")));                                      \
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));                                              \
        file.write(bytes);                                                                         \
        file.close();                                                                              \
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

std::vector<QJsonObject> eventsOn(const QJsonObject& calendar, const QString& date) {
    std::vector<QJsonObject> found;
    for (const QJsonValue& event : calendar[QStringLiteral("events")].toArray())
        if (event[QStringLiteral("start")].toString().startsWith(date))
            found.push_back(event.toObject());
    return found;
}

TEST(MonthCsv, NewDelhiDayIsOneRowOfLocalTimesWithTheirOffset) {
    const QByteArray csv = monthCsv(Delhi, {2022y / January, 1});
    const QList<QByteArray> rows = lines(csv);
    ASSERT_EQ(rows.size(), 32);
    for (const QByteArray& row : rows)
        EXPECT_TRUE(row.endsWith('\r')) << "a line without CR: " << row.toStdString();
    EXPECT_EQ(rows[0], "date,weekday,sunrise,sunset,rahu_start,rahu_end,yamaganda_start,"
                       "yamaganda_end,gulika_start,gulika_end\r");
    EXPECT_EQ(rows[24], "2022-01-24,Monday,2022-01-24T07:14:00+05:30,2022-01-24T17:53:00+05:30,"
                        "2022-01-24T08:33:52+05:30,2022-01-24T09:53:43+05:30,"
                        "2022-01-24T11:13:36+05:30,2022-01-24T12:33:27+05:30,"
                        "2022-01-24T13:53:20+05:30,2022-01-24T15:13:11+05:30\r");

    READ_BACK(table, "csv", csv);
    const QJsonArray read = table[QStringLiteral("rows")].toArray();
    ASSERT_EQ(read.size(), 32);
    for (const QJsonValue& row : read)
        EXPECT_EQ(row.toArray().size(), 10) << QJsonDocument(row.toArray()).toJson().toStdString();
}

TEST(MonthCsv, LinkedZoneTakesEachDaysOffsetAcrossDaylightSaving) {
    const QList<QByteArray> rows = lines(monthCsv(NewYork, {2026y / March, 1}));
    ASSERT_EQ(rows.size(), 32);
    struct Row {
        int day;
        const char* offset;
    };
    const Row expected[] = {{1, "-05:00"}, {7, "-05:00"}, {8, "-04:00"}, {31, "-04:00"}};
    for (const Row& row : expected) {
        const QList<QByteArray> cells = rows[row.day].trimmed().split(',');
        ASSERT_EQ(cells.size(), 10) << row.day;
        for (qsizetype n = 2; n < cells.size(); ++n)
            EXPECT_TRUE(cells[n].endsWith(row.offset))
                << "March " << row.day << ": " << cells[n].toStdString();
    }
    // The sun keeps its course: a clock put forward an hour sees it rise about an hour later.
    const auto sunrise = [&](int day) {
        return QDateTime::fromString(QString::fromLatin1(rows[day].split(',')[2]), Qt::ISODate);
    };
    EXPECT_NEAR(sunrise(7).secsTo(sunrise(8)), 86400 - 90, 120);
    EXPECT_NEAR(sunrise(7).time().secsTo(sunrise(8).time()), 3600 - 90, 120);
}

TEST(MonthCsv, DayWithoutSunTimesHasEmptyCells) {
    const MonthPlace arctic{{78, 13, false, 15, 38, true, ZoneOffset{-1, 0}}, {}, {}, {}, {}};
    const QList<QByteArray> rows = lines(monthCsv(arctic, {2022y / January, 1}));
    ASSERT_EQ(rows.size(), 32);
    EXPECT_EQ(rows[5], "2022-01-05,Wednesday,,,,,,,,\r");
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
    EXPECT_EQ(calendar[QStringLiteral("events")].toArray().size(), 31 * 3);
    const std::vector<QJsonObject> events = eventsOn(calendar, QStringLiteral("2022-01-24"));
    ASSERT_EQ(events.size(), 3u);
    struct Expected {
        const char* summary;
        const char* start;
        const char* end;
        const char* localTimes;
    };
    const Expected expected[] = {
        {"Rahu Kaal", "2022-01-24T03:03:52+00:00", "2022-01-24T04:23:43+00:00",
         "08:33:52 to 09:53:43"},
        {"Yamaganda", "2022-01-24T05:43:36+00:00", "2022-01-24T07:03:27+00:00",
         "11:13:36 to 12:33:27"},
        {"Gulika Kaal", "2022-01-24T08:23:20+00:00", "2022-01-24T09:43:11+00:00",
         "13:53:20 to 15:13:11"},
    };
    for (std::size_t n = 0; n < 3; ++n) {
        const QJsonObject& event = events[n];
        const Expected& want = expected[n];
        EXPECT_EQ(event[QStringLiteral("summary")].toString(), QString::fromUtf8(want.summary));
        EXPECT_EQ(event[QStringLiteral("start")].toString(), QString::fromUtf8(want.start))
            << want.summary;
        EXPECT_EQ(event[QStringLiteral("end")].toString(), QString::fromUtf8(want.end))
            << want.summary;
        EXPECT_EQ(event[QStringLiteral("stamp")].toString(),
                  QStringLiteral("2026-12-07T10:00:00+00:00"));
        const QString description = event[QStringLiteral("description")].toString();
        EXPECT_TRUE(description.contains(QString::fromUtf8(want.localTimes)))
            << description.toStdString();
        EXPECT_TRUE(description.contains(
            QStringLiteral("\nNew Delhi, Delhi, India, 28\u00B0 36\u2032 N, 77\u00B0 12\u2032 E")))
            << description.toStdString();
        EXPECT_EQ(event[QStringLiteral("location")].toString(),
                  QStringLiteral("New Delhi, Delhi, India"));
        EXPECT_EQ(event[QStringLiteral("geo")].toArray(), (QJsonArray{28.6, 77.2}));
        EXPECT_EQ(event[QStringLiteral("transp")].toString(), QStringLiteral("TRANSPARENT"));
        EXPECT_EQ(event[QStringLiteral("busy")].toString(), QStringLiteral("FREE"));
        EXPECT_EQ(event[QStringLiteral("alarms")].toArray(),
                  (QJsonArray{QStringLiteral("-PT10M DISPLAY")}));
    }
}

TEST(MonthCalendar, LongNamesFoldWholeCharactersAndUnfoldToTheSameText) {
    const MonthPlace place{{13, 5, false, 80, 17, true, ZoneOffset{-5, -30}},
                           "Asia/Kolkata",
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
        if (line.startsWith(' ')) {
            ++folded;
            ASSERT_NE(static_cast<unsigned char>(line[1]) & 0xC0, 0x80)
                << "a line begins inside a character";
        }
    }
    EXPECT_GT(folded, 0);
    EXPECT_FALSE(ics.contains("BEGIN:VALARM"));

    READ_BACK(calendar, "ics", ics);
    const QJsonArray events = calendar[QStringLiteral("events")].toArray();
    EXPECT_EQ(events.size(), 365);
    const QString names =
        place.city + QStringLiteral(", ") + place.state + QStringLiteral(", ") + place.country;
    for (const QJsonValue& event : events) {
        ASSERT_EQ(event[QStringLiteral("location")].toString(), names);
        ASSERT_TRUE(event[QStringLiteral("description")].toString().endsWith(placeHeading(place)));
        ASSERT_TRUE(event[QStringLiteral("alarms")].toArray().isEmpty());
    }
    EXPECT_TRUE(unfolded(ics).contains(
        "LOCATION:சென்னை\\; பெருநகர\\, \\\\ மாநகராட்சி\\, तमिलनाडु राज्य\\, दक्षिण भारत "
        "का प्रदेश\\, भारत\r\n"));
}

TEST(MonthCalendar, SamePlaceDateAndPeriodKeepTheirIdAcrossStamps) {
    CalendarOptions first;
    first.periods = {true, true, true};
    first.stamp = Stamp;
    CalendarOptions later = first;
    later.stamp = Stamp.addDays(40);
    const auto uids = [](const QByteArray& ics) {
        QList<QByteArray> found;
        for (const QByteArray& line : lines(ics))
            if (line.startsWith("UID:"))
                found.append(line);
        return found;
    };
    const QList<QByteArray> before = uids(monthCalendar(Delhi, {2022y / January, 1}, first));
    const QList<QByteArray> after = uids(monthCalendar(Delhi, {2022y / January, 1}, later));
    ASSERT_EQ(before.size(), 93);
    EXPECT_EQ(before, after);
    EXPECT_EQ(QSet<QByteArray>(before.begin(), before.end()).size(), 93) << "ids repeat";
    // A month later in the range gives the same days the same ids.
    const QList<QByteArray> twoMonths = uids(monthCalendar(Delhi, {2021y / December, 2}, first));
    EXPECT_EQ(twoMonths.mid(93), before);
}

TEST(MonthTexts, HeadingsAndMinutesAsTheWindowWritesThem) {
    EXPECT_EQ(placeHeading(Delhi),
              QStringLiteral("New Delhi, Delhi, India, 28\u00B0 36\u2032 N, 77\u00B0 12\u2032 E"));
    EXPECT_EQ(zoneHeading(NewYork), QStringLiteral("America/New_York"));
    const struct {
        ZoneOffset zone;
        const char* text;
    } zones[] = {
        {{-5, -30}, "-5 -30"}, {{-0.0, -19}, "-0 -19"}, {{0, 19}, "0 19"}, {{4, 0}, "4 0"}};
    for (const auto& row : zones) {
        MonthPlace place = Delhi;
        place.place.zone = row.zone;
        EXPECT_EQ(zoneHeading(place), QString::fromUtf8(row.text));
    }
    const QLocale c = QLocale::c();
    const struct {
        DateTime time;
        const char* text;
    } minutes[] = {{local_days{2022y / 1 / 24} + 8h + 33min + 52s, "08:34"},
                   {local_days{2022y / 1 / 24} + 9h + 53min + 29s, "09:53"},
                   {local_days{2022y / 1 / 24} + 9h + 53min + 30s, "09:54"}};
    for (const auto& row : minutes)
        EXPECT_EQ(minuteText(c, row.time), QString::fromUtf8(row.text));
}

} // namespace
} // namespace horavela
