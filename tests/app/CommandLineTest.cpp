#include "app/CommandLine.h"

#include "month/MonthFiles.h"
#include "platform/Language.h"
#include "tests/support/FakeGazetteer.h"
#include "tests/support/PlacesZones.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sstream>

namespace horavela {
namespace {

using namespace std::chrono;

const std::vector<GazetteerPlace> Places{
    {1, "Springfield", "Missouri", "United States", "America/Chicago", 37.21533, -93.29824, 0, {}},
    {2, "Springfield", "Illinois", "United States", "America/Chicago", 39.80172, -89.64371, 0, {}},
    {3, "Pune", "Maharashtra", "India", "Asia/Kolkata", 18.51957, 73.85535, 0, {}},
    {4, "Hyderabad", "Telangana", "India", "Asia/Kolkata", 17.38405, 78.45636, 0, {}},
    {5, "Hyderabad", "Sindh", "Pakistan", "Asia/Karachi", 25.39242, 68.37366, 0, {}},
};

// Arguments as a shell would split them; DELHI stands for New Delhi's place and zone.
TEST(CommandLine, ArgumentsGiveTheirStatusAndMessage) {
    QTemporaryDir folder;
    const struct {
        const char* arguments;
        int status;
        const char* said; // in the file written to standard output, else in the messages
    } rows[] = {
        {"", 2, "--month YYYY-MM is needed"},
        {"--help", 0, "Usage: horavela --month YYYY-MM"},
        {"--month", 2, "--month needs a value"},
        {"--month=2022-01 --month 2022-02", 2, "--month given twice"},
        {"--month 2022-01 Pune", 2, "unexpected argument \"Pune\""},
        {"--month 2022-01 --colour=red", 2, "unknown option --colour"},
        {"--month 2022-13 DELHI", 2, "is not a month such as 2025-03"},
        {"--month 22-01 DELHI", 2, "is not a month such as 2025-03"},
        {"--month 1900-12 DELHI", 2, "from 1901-01 to 2050-12"},
        {"--month 2050-12 --months 2 DELHI", 2, "from 1901-01 to 2050-12"},
        {"--month 2050-12 --months 1 --format csv DELHI", 0, "2050-12-31,Saturday,"},
        {"--month 2022-01 --months=13 DELHI", 2, "from 1 to 12"},
        {"--month 2022-01 --months=two DELHI", 2, "from 1 to 12"},
        {"--month 2022-01 --format=pdf DELHI", 2, "not text, csv or ics"},
        {"--month 2022-01 --lat=28.6 --lon=77.2", 2, "missing --zone"},
        {"--month 2022-01 --lat=91 --lon=77.2 --zone=-5:-30", 2, "not a latitude"},
        {"--month 2022-01 --lat=28.6 --lon=east --zone=-5:-30", 2, "not a longitude"},
        {"--month 2022-01 --lat=28.6 --lon=77.2 --zone=Mars/Base", 2, "\"Mars/Base\" is neither"},
        {"--month 2022-01 --lat=28.6 --lon=77.2 --zone=-5:-75", 2, "is neither"},
        {"--month 2022-01 --format csv DELHI", 0,
         "2022-01-24,Monday,2022-01-24T07:14:00+05:30,2022-01-24T17:53:00+05:30,"
         "2022-01-24T08:33:52+05:30,2022-01-24T09:53:43+05:30,"},
        // West is negative; the name of a zone makes its offset follow the date.
        {"--month=2026-03 --lat 40.71 --lon -74.0 --zone America/New_York --format=text", 0,
         "40\u00B0 43\u2032 N, 74\u00B0 0\u2032 W\nTime Zone: UTC-05:00, UTC-04:00 "
         "(America/New_York)\n"},
        // Every name of tzdata's, old ones included, and the same offsets on every system.
        {"--month=2025-03 --lat 18.52 --lon 73.86 --zone Asia/Calcutta --format=text", 0,
         "Time Zone: UTC+05:30 (Asia/Kolkata)\n"},
        {"--month=1943-01 --lat 18.52 --lon 73.86 --zone Asia/Kolkata --format=text", 0,
         "Time Zone: UTC+06:30 (Asia/Kolkata)\n"},
        {"--month=1901-01 --lat 18.52 --lon 73.86 --zone Asia/Kolkata --format=csv", 0,
         "1901-01-01,Tuesday,1901-01-01T06:57:00+05:21,"},
        {"--month=1975-02 --lat 40.71 --lon -74.0 --zone US/Eastern --format=text", 0,
         "Time Zone: UTC-05:00, UTC-04:00 (America/New_York)\n"},
        {"--month=2025-06 --lat 0 --lon 0 --zone UTC --format=text", 0,
         "Time Zone: UTC+00:00 (Etc/UTC)\n"},
        {"--month=2025-06 --lat 0 --lon 0 --zone Etc/UTC --format=text", 0,
         "Time Zone: UTC+00:00 (Etc/UTC)\n"},
        {"--month=2025-06 --lat 0 --lon 75 --zone Etc/GMT-5 --format=text", 0,
         "Time Zone: UTC+05:00 (Etc/GMT-5)\n"},
        // Reykjavik's midsummer sunset falls after midnight: the periods still run forward.
        {"--month=2025-06 --lat 64.15 --lon -21.94 --zone Atlantic/Reykjavik --format=csv", 0,
         "2025-06-21,Saturday,2025-06-21T02:55:00+00:00,2025-06-22T00:04:00+00:00,"},
        {"--month=2025-06 --lat 78.22 --lon 15.63 --zone Europe/Oslo --format=csv", 0,
         "2025-06-21,Saturday,,,,,,,,,sun up all day\r\n"},
        // Samoa's clocks skipped 30 December 2011.
        {"--month=2011-12 --lat -13.83 --lon -171.76 --zone Pacific/Apia --format=text", 0,
         "did not happen at this place: its clocks skipped it.\n"},
        {"--month=2026-03 --lat 40.71 --lon -74.0 --zone America/New_York --format=csv", 0,
         "2026-03-08,Sunday,2026-03-08T07:21:00-04:00,"},
        // Under an hour ahead: hours of -0.
        {"--month=1905-06 --lat=52.37 --lon=4.9 --zone=-0:-19 --format=csv", 0,
         "1905-06-01,Thursday,1905-06-01T03:"},
        {"--month=2022-01 --place Nowhere", 2, "no place called \"Nowhere\""},
        {"--month=2022-01 --place Springfield", 2, "\"Springfield\" matches 2 places"},
        {R"(--month=2022-01 "--place=Springfield, United States")", 2,
         "  Springfield, Missouri, United States\n  Springfield, Illinois, United States\n"
         "horavela: \"Springfield, United States\" matches 2 places (listed above); name the "
         "state and the country\n"},
        {R"(--month=2022-01 --place "Springfield, Illinois, United States" --format=csv)", 0,
         "2022-01-03,Monday,2022-01-03T07:"},
        {R"(--month=2022-01 --place "Pune, India" --lat=18)", 2, "not both"},
        {R"(--month=2022-01 --place "a, b, c, d")", 2, "is not \"CITY, STATE, COUNTRY\""},
        {"--month=2022-01 --out NONE DELHI", 1, "the folder does not exist"},
        // The edges of what is taken: twelve months, hours alone, the zone
        // furthest ahead, a zero offset, and every weekday named.
        {"--month 2022-01 --months 12 --format csv DELHI", 0, "\n2022-12-31,Saturday,"},
        {"--month 2022-01 --lat=28.6 --lon=77.2 --zone=-5 --format csv", 0,
         "2022-01-01T06:44:00+05:00,"},
        {"--month 2022-01 --lat=1.87 --lon=-157.4 --zone=-14 --format csv", 0,
         "2022-01-01T06:32:00+14:00,"},
        {"--month 2022-01 --lat=51.5 --lon=0 --zone=0:0 --format csv", 0,
         "2022-01-01T08:06:00+00:00,"},
        {"--month 2022-01 DELHI", 0, "2022   Sunday "},
        // Two parts are the city and the country; three, the city, the state and the country.
        {R"(--month=2022-01 --place "Hyderabad, Pakistan")", 0, "Hyderabad, Sindh, Pakistan,"},
        {R"(--month=2022-01 --place "Hyderabad, Telangana, India")", 0,
         "Hyderabad, Telangana, India,"},
        // The language: its help, its calendar's events, and a code it does not know.
        {"--language hi --help", 0, "\u0930\u093E\u0939\u0941 \u0915\u093E\u0932"},
        {"--month 2022-01 --language=te --format ics DELHI", 0,
         "SUMMARY:\u0C30\u0C3E\u0C39\u0C41\u0C15\u0C3E\u0C32\u0C02 \u00B7 28\u00B0 36\u2032 "
         "\u0C09\\, "
         "77\u00B0 12\u2032 \u0C24\u0C42\r\n"},
        {"--month 2022-01 --format ics DELHI", 0,
         "SUMMARY:Rahu Kaal \u00B7 28\u00B0 36\u2032 N\\, 77\u00B0 12\u2032 E\r\n"},
        {"--language xx --help", 2, "--language \"xx\" is not one of"},
    };
    FakeGazetteer gazetteer(Places);
    ScopedGazetteer scoped(gazetteer);
    // Translators are installed in an application, as the program makes one.
    int argc = 1;
    char name[] = "test_commandline";
    char* argv[] = {name, nullptr};
    const QCoreApplication application(argc, argv);
    // The language kept in the test's own settings, never the user's.
    QStandardPaths::setTestModeEnabled(true);
    const ReplacedTranslationsFolder translations(QStringLiteral(TRANSLATIONS_FOLDER));
    for (const auto& row : rows) {
        const QString typed = QString::fromUtf8(row.arguments)
                                  .replace(u"DELHI"_qs, u"--lat=28.6 --lon=77.2 --zone=-5:-30"_qs)
                                  .replace(u"NONE"_qs, folder.filePath(u"none/month.csv"_qs));
        std::ostringstream out, err;
        const int status = runCommandLine(QProcess::splitCommand(typed), out, err);
        const std::string what = typed.toStdString();
        EXPECT_EQ(status, row.status) << what << "\n" << err.str();
        // A failure writes nothing to standard output, and ends with a line of its own.
        const std::string& said = row.status == 0 ? out.str() : err.str();
        EXPECT_EQ(row.status == 0 ? err.str() : out.str(), "") << what;
        EXPECT_NE(said.find(row.said), std::string::npos) << what << "\n" << said;
        if (row.status != 0) {
            EXPECT_EQ(said.compare(said.rfind('\n', said.size() - 2) + 1, 10, "horavela: "), 0)
                << what << ": " << said;
        }
    }
}

TEST(CommandLine, OnlyItsOwnOptionsFirstStartIt) {
    const std::pair<const char*, bool> rows[] = {
        {nullptr, false},     {"--month", true},     {"--place=Pune", true}, {"--help", true},
        {"-platform", false}, {"--platform", false}, {"month", false},
    };
    for (const auto& [first, commandLine] : rows) {
        const char* argv[] = {"horavela", first};
        EXPECT_EQ(isCommandLine(first ? 2 : 1, argv), commandLine) << (first ? first : "(none)");
    }
}

// The built program, with the places database built beside it, and no display.
TEST(CommandLine, ProgramWritesPunesMonthFromTheRealPlaces) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("पुणे मार्च.csv"));
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(HORAVELA_PROGRAM),
                  {"--month", "2025-03", "--place", "Pune, Maharashtra, India", "--format=csv",
                   "--out", path});
    ASSERT_TRUE(program.waitForFinished(60000));
    ASSERT_EQ(program.exitStatus(), QProcess::NormalExit);
    ASSERT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();
    EXPECT_EQ(program.readAll(), "");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const MonthPlace pune{{18, 31, false, 73, 51, true, {}, zoneNamed("Asia/Kolkata")}, {}, {}, {}};
    EXPECT_EQ(file.readAll(), monthCsv(pune, {2025y / March, 1}));
}

} // namespace
} // namespace horavela
