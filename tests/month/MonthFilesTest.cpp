#include "month/MonthFiles.h"

#include "month/MonthPlace.h"
#include "month/MonthTexts.h"
#include "tests/support/PlacesZones.h"

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

const Place Delhi{28, 36,          false,   77,     12, true, ZoneOffset{-5, -30},
                  {}, "New Delhi", "Delhi", "India"};
// Linked to its zone, whose offset changes on 8 March 2026.
const Place NewYork{40,
                    43,
                    false,
                    74,
                    0,
                    false,
                    ZoneOffset{5, 0},
                    zoneNamed("America/New_York"),
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

// A reader of the saved files that is not the program's, and how it is started: the file's
// path follows its arguments. Each writes what it read as the same JSON (read-back.py's shape).
// An empty program: this build has no such reader.
struct Reader {
    const char* name;
    QString program;
    QStringList arguments;
};

void PrintTo(const Reader& reader, std::ostream* out) {
    *out << reader.name;
}

const Reader TableReader{"csv",
                         QStringLiteral(HORAVELA_PYTHON3),
                         {QStringLiteral(READ_BACK_SCRIPT), QStringLiteral("csv")}};
const Reader CalendarReaders[] = {
    {"icalendar",
     QStringLiteral(HORAVELA_PYTHON3),
     {QStringLiteral(READ_BACK_SCRIPT), QStringLiteral("ics")}},
    {"icaljs",
     QStringLiteral(HORAVELA_NODE),
     {QStringLiteral(READ_BACK_ICALJS_SCRIPT), QStringLiteral(READ_BACK_ICALJS)}},
    {"libical", QStringLiteral(READ_BACK_LIBICAL), {}},
};

struct ReadBack {
    QJsonObject read;
    // Why it could not be read here, or why reading it failed; both empty when it was read.
    std::string skipped;
    std::string failed;
};

ReadBack readBack(const Reader& reader, const QByteArray& bytes) {
    if (reader.program.isEmpty())
        return {{}, std::string("this build has no ") + reader.name + " reader", {}};
    QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("month")));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return {{}, {}, "cannot write " + file.fileName().toStdString()};
    file.close();
    QProcess process;
    process.start(reader.program, reader.arguments + QStringList{file.fileName()});
    if (!process.waitForStarted())
        return {{}, reader.program.toStdString() + " does not start", {}};
    if (!process.waitForFinished(60000))
        return {{}, {}, std::string(reader.name) + " did not finish"};
    const std::string errors = process.readAllStandardError().toStdString();
    // A reader whose library is missing says so by exit code 3.
    if (process.exitStatus() == QProcess::NormalExit && process.exitCode() == 3)
        return {{}, errors, {}};
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return {{}, {}, std::string(reader.name) + " failed: " + errors};
    QJsonParseError error;
    const QJsonDocument read = QJsonDocument::fromJson(process.readAllStandardOutput(), &error);
    if (!read.isObject())
        return {{},
                {},
                std::string(reader.name) +
                    " wrote no JSON object: " + error.errorString().toStdString()};
    return {read.object(), {}, {}};
}

// The file as the reader read it; skips the test when this build cannot run that reader.
#define READ_BACK(result, reader, bytes)                                                           \
    QJsonObject result;                                                                            \
    do {                                                                                           \
        const ReadBack back = readBack(reader, bytes);                                             \
        if (!back.skipped.empty())                                                                 \
            GTEST_SKIP() << back.skipped;                                                          \
        ASSERT_TRUE(back.failed.empty()) << back.failed;                                           \
        result = back.read;                                                                        \
    } while (false)

// An instant as every reader writes it.
QString universalText(DateTime local, long long secondsEast) {
    const long long since = (local.time_since_epoch() - seconds{secondsEast}).count();
    return QDateTime::fromSecsSinceEpoch(since, Qt::UTC)
        .toString(u"yyyy-MM-ddTHH:mm:ss'+00:00'"_qs);
}

TEST(MonthCsv, NewDelhiDayIsOneRowOfLocalTimesWithTheirOffset) {
    const QByteArray csv = monthCsv(Delhi, {2022y / January, 1});
    const QList<QByteArray> rows = lines(csv);
    ASSERT_EQ(rows.size(), 32);
    EXPECT_EQ(csv.count("\r\n"), 32) << "a line without CR";
    EXPECT_EQ(rows[0], "date,weekday,sunrise,sunset,rahu_start,rahu_end,yamaganda_start,"
                       "yamaganda_end,gulika_start,gulika_end,note\r");
    EXPECT_EQ(rows[24], "2022-01-24,Monday,2022-01-24T07:14:00+05:30,2022-01-24T17:53:00+05:30,"
                        "2022-01-24T08:33:52+05:30,2022-01-24T09:53:43+05:30,"
                        "2022-01-24T11:13:36+05:30,2022-01-24T12:33:27+05:30,"
                        "2022-01-24T13:53:20+05:30,2022-01-24T15:13:11+05:30,\r");
    // A day without sun times keeps its columns.
    const Place arctic{78, 13, false, 15, 38, true, ZoneOffset{-1, 0}, {}, "", "", ""};
    EXPECT_EQ(lines(monthCsv(arctic, {2022y / January, 1}))[5],
              "2022-01-05,Wednesday,,,,,,,,,sun down all day\r");

    READ_BACK(table, TableReader, csv);
    const QJsonArray read = table[QStringLiteral("rows")].toArray();
    ASSERT_EQ(read.size(), 32);
    for (const QJsonValue& row : read)
        EXPECT_EQ(row.toArray().size(), 11) << QJsonDocument(row.toArray()).toJson().toStdString();
}

TEST(MonthCsv, LinkedZoneTakesEachDaysOffsetAcrossDaylightSaving) {
    const QList<QByteArray> rows = lines(monthCsv(NewYork, {2026y / March, 1}));
    ASSERT_EQ(rows.size(), 32);
    const std::pair<int, const char*> offsets[] = {
        {1, "-05:00"}, {7, "-05:00"}, {8, "-04:00"}, {31, "-04:00"}};
    for (const auto& [day, offset] : offsets) {
        const QList<QByteArray> cells = rows[day].trimmed().split(',');
        ASSERT_EQ(cells.size(), 11) << day;
        for (qsizetype n = 2; n < cells.size() - 1; ++n)
            EXPECT_TRUE(cells[n].endsWith(offset)) << "March " << day << ": " << cells[n].data();
    }
    // The sun keeps its course: a clock put forward an hour sees it rise about an hour later.
    const auto sunrise = [&](int day) {
        return QDateTime::fromString(QString::fromLatin1(rows[day].split(',')[2]), Qt::ISODate);
    };
    EXPECT_NEAR(sunrise(7).secsTo(sunrise(8)), 86400 - 90, 120);
    EXPECT_NEAR(sunrise(7).time().secsTo(sunrise(8).time()), 3600 - 90, 120);
}

class CalendarReadBack : public testing::TestWithParam<Reader> {};

TEST_P(CalendarReadBack, NewDelhiDayGivesThreeEventsInUniversalTime) {
    CalendarOptions options;
    options.periods = {true, true, true};
    options.stamp = Stamp;
    const QByteArray ics = monthCalendar(Delhi, {2022y / January, 1}, options);
    ASSERT_TRUE(ics.startsWith("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:"));
    ASSERT_TRUE(ics.endsWith("END:VCALENDAR\r\n"));

    READ_BACK(calendar, GetParam(), ics);
    EXPECT_EQ(calendar[QStringLiteral("version")].toString(), QStringLiteral("2.0"));
    // Named after its periods and its place, so that two places' calendars differ.
    EXPECT_EQ(calendar[QStringLiteral("method")].toString(), u"PUBLISH"_qs);
    EXPECT_EQ(calendar[QStringLiteral("name")].toString(),
              u"Rahu Kaal, Yamaganda, Gulika Kaal \u00B7 New Delhi"_qs);
    EXPECT_EQ(calendar[QStringLiteral("description")].toString(),
              u"Rahu Kaal, Yamaganda, Gulika Kaal \u00B7 "_qs + placeHeading(Delhi));
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

TEST_P(CalendarReadBack, LongNamesFoldWholeCharactersAndUnfoldToTheSameText) {
    const Place place{13,
                      5,
                      false,
                      80,
                      17,
                      true,
                      ZoneOffset{-5, -30},
                      zoneNamed("Asia/Kolkata"),
                      "சென்னை; பெருநகர, \\ மாநகராட்சி",
                      "तमिलनाडु राज्य, दक्षिण भारत का प्रदेश",
                      "भारत"};
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

    READ_BACK(calendar, GetParam(), ics);
    const QJsonArray events = calendar[QStringLiteral("events")].toArray();
    EXPECT_EQ(events.size(), 365);
    const QString names =
        QString::fromStdString(place.city + ", " + place.state + ", " + place.country);
    for (const QJsonValue& event : events) {
        ASSERT_EQ(event[QStringLiteral("location")].toString(), names);
        ASSERT_TRUE(event[QStringLiteral("description")].toString().endsWith(placeHeading(place)));
        ASSERT_TRUE(event[QStringLiteral("alarms")].toArray().isEmpty());
    }
}

// Every event read back is its period of the month's own table, in universal time with that
// day's offset, and ends a second after the period's last; a day without its periods has at
// most a day-long event.
TEST_P(CalendarReadBack, EveryEventIsItsPeriodOfTheMonthTable) {
    const Place arctic{78, 13, false, 15, 38, true, ZoneOffset{-1, 0}, {}, "Longyearbyen", "", ""};
    const struct {
        const char* what;
        Place place;
        MonthRange range;
    } cases[] = {
        {"a fixed offset", Delhi, {2022y / January, 1}},
        {"across the change to daylight saving", NewYork, {2026y / March, 1}},
        {"the sun's return after the polar night", arctic, {2022y / February, 1}},
        {"a month's end into the next", Delhi, {2024y / February, 2}},
    };
    for (const auto& [what, place, range] : cases) {
        CalendarOptions options;
        options.periods = {true, true, true};
        options.stamp = Stamp;
        std::vector<std::string> expected;
        QSet<QString> withoutPeriods;
        for (int n = 0; n < range.count; ++n)
            for (const DayPeriods& day : monthTable(place, range.first + months{n})) {
                if (day.result != SunResult::Ok || !day.zone) {
                    withoutPeriods.insert(QDate(int(day.date.year()), unsigned(day.date.month()),
                                                unsigned(day.date.day()))
                                              .toString(Qt::ISODate));
                    continue;
                }
                const long long east = day.zone->secondsEast();
                for (const DayPeriod period : DayPeriodsInOrder)
                    expected.push_back((periodName(period) + u" \u00B7 "_qs +
                                        QString::fromStdString(place.city) + u'|' +
                                        universalText(day[period].start, east) + u'|' +
                                        universalText(day[period].end + seconds{1}, east))
                                           .toStdString());
            }
        ASSERT_FALSE(expected.empty()) << what;

        READ_BACK(calendar, GetParam(), monthCalendar(place, range, options));
        std::vector<std::string> timed;
        for (const QJsonValue& event : calendar[QStringLiteral("events")].toArray())
            if (event[QStringLiteral("allDay")].toBool())
                EXPECT_TRUE(withoutPeriods.contains(event[QStringLiteral("start")].toString()))
                    << what << ": a day-long event on a day with periods: "
                    << fields(event, {"start", "summary"});
            else
                timed.push_back(fields(event, {"summary", "start", "end"}));
        EXPECT_EQ(timed, expected) << what;
    }
}

// A day-long event reads as dates, the escapes of text are undone and a reminder at a moment
// reads as that moment, alike in every reader, so that where the readers disagree on the
// program's calendar, the calendar is at fault and not a reader.
TEST_P(CalendarReadBack, DatesAndEscapedTextReadAlike) {
    const QByteArray ics = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Tests//Tests//EN\r\n"
                           "X-WR-CALNAME:One\\, two\\; three \\\\ four\r\n"
                           "BEGIN:VEVENT\r\nUID:day\r\nDTSTAMP:20261207T100000Z\r\n"
                           "DTSTART;VALUE=DATE:20220621\r\nDTEND;VALUE=DATE:20220622\r\n"
                           "SUMMARY:Sun up all day\\nno periods\r\nEND:VEVENT\r\n"
                           "BEGIN:VEVENT\r\nUID:open\r\nDTSTAMP:20261207T100000Z\r\n"
                           "DTSTART;VALUE=DATE:20221221\r\nSUMMARY:Sun down all day\r\n"
                           "END:VEVENT\r\n"
                           "BEGIN:VEVENT\r\nUID:timed\r\nDTSTAMP:20261207T100000Z\r\n"
                           "DTSTART:20221231T235959Z\r\nDTEND:20230101T000000Z\r\n"
                           "SUMMARY:Across the year\r\n"
                           "BEGIN:VALARM\r\nACTION:AUDIO\r\nTRIGGER:-PT1H\r\nEND:VALARM\r\n"
                           "BEGIN:VALARM\r\nACTION:DISPLAY\r\nDESCRIPTION:Now\r\n"
                           "TRIGGER;VALUE=DATE-TIME:20221231T230000Z\r\nEND:VALARM\r\n"
                           "END:VEVENT\r\nEND:VCALENDAR\r\n";
    READ_BACK(calendar, GetParam(), ics);
    EXPECT_EQ(calendar[QStringLiteral("name")].toString().toStdString(), "One, two; three \\ four");
    const QJsonArray events = calendar[QStringLiteral("events")].toArray();
    ASSERT_EQ(events.size(), 3);
    const char* expected[] = {
        "day|true|2022-06-21|2022-06-22|Sun up all day\nno periods|",
        "open|true|2022-12-21||Sun down all day|",
        "timed|false|2022-12-31T23:59:59+00:00|2023-01-01T00:00:00+00:00|Across the year|"
        "-PT1H AUDIO,2022-12-31T23:00:00+00:00 DISPLAY",
    };
    for (qsizetype n = 0; n < events.size(); ++n)
        EXPECT_EQ(fields(events[n], {"uid", "allDay", "start", "end", "summary", "alarms"}),
                  expected[n]);
}

INSTANTIATE_TEST_SUITE_P(MonthCalendar, CalendarReadBack, testing::ValuesIn(CalendarReaders),
                         [](const testing::TestParamInfo<Reader>& info) {
                             return std::string(info.param.name);
                         });

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
    EXPECT_EQ(zoneHeading(NewYork, monthTable(NewYork, 2026y / March)).toStdString(),
              "UTC-05:00, UTC-04:00 (America/New_York)");
    EXPECT_EQ(zoneHeading(NewYork, monthTable(NewYork, 2026y / July)).toStdString(),
              "UTC-04:00 (America/New_York)");
    // The places' name for a zone whose rules tzdata keeps under another.
    Place longyearbyen{
        78, 13, false, 15, 38, true, ZoneOffset{-1, 0}, zoneNamed("Arctic/Longyearbyen")};
    ASSERT_TRUE(longyearbyen.namedZone);
    EXPECT_NE(longyearbyen.namedZone->name, "Arctic/Longyearbyen");
    longyearbyen.zoneName = "Arctic/Longyearbyen";
    EXPECT_EQ(zoneHeading(longyearbyen, monthTable(longyearbyen, 2026y / July)).toStdString(),
              "UTC+02:00 (Arctic/Longyearbyen)");
    const std::pair<ZoneOffset, const char*> zones[] = {{{-5, -30}, "UTC+05:30"},
                                                        {{-0.0, -19}, "UTC+00:19"},
                                                        {{0, 19}, "UTC-00:19"},
                                                        {{0, 0}, "UTC+00:00"}};
    for (const auto& [zone, text] : zones) {
        Place place = Delhi;
        place.zone = zone;
        EXPECT_EQ(zoneHeading(place, monthTable(place, 2026y / March)).toStdString(), text);
    }
    // To the nearest minute, half a minute up.
    const DateTime morning = local_days{2022y / 1 / 24} + 9h + 53min;
    EXPECT_EQ(minuteText(QLocale::c(), morning + 29s).toStdString(), "09:53");
    EXPECT_EQ(minuteText(QLocale::c(), morning + 30s).toStdString(), "09:54");
}

} // namespace
} // namespace horavela
