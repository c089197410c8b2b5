#include "app/CommandLine.h"

#include "ProgramVersion.h"
#include "month/MonthFiles.h"
#include "platform/Language.h"
#include "tests/support/FakeGazetteer.h"
#include "tests/support/PlacesZones.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace horavela {
namespace {

using namespace std::chrono;

const std::vector<Place> Places{
    listedPlace(1, "Springfield", "Missouri", "United States", "America/Chicago", 37.21533,
                -93.29824),
    listedPlace(2, "Springfield", "Illinois", "United States", "America/Chicago", 39.80172,
                -89.64371),
    listedPlace(3, "Pune", "Maharashtra", "India", "Asia/Kolkata", 18.51957, 73.85535),
    listedPlace(4, "Hyderabad", "Telangana", "India", "Asia/Kolkata", 17.38405, 78.45636),
    listedPlace(5, "Hyderabad", "Sindh", "Pakistan", "Asia/Karachi", 25.39242, 68.37366),
};

// Arguments as a shell would split them, where \n, \t and \e stand for a line break, a tab
// and an escape inside an argument; DELHI stands for New Delhi's place and zone.
TEST(CommandLine, ArgumentsGiveTheirStatusAndMessage) {
    QTemporaryDir folder;
    const std::string version = std::string("horavela ") + ProgramVersion + "\n";
    // Names of 80 characters are shown whole, longer ones cut to 79 and an ellipsis.
    const std::string eighty(80, 'x'), eightyOne = eighty + "y";
    const std::string placeOfEighty = "--month 2022-01 --place " + eighty;
    const std::string placeOfEightyOne = "--month 2022-01 --place " + eightyOne;
    const std::string eightyShown = "no place called \"" + eighty + "\" in";
    const std::string eightyOneShown = "no place called \"" + eighty.substr(1) + "\u2026\" in";
    const struct {
        const char* arguments;
        int status;
        const char* said;             // in the file written to standard output, else in the message
        const char* unsaid = nullptr; // nowhere in either
    } rows[] = {
        {"", 2, "--month YYYY-MM is needed"},
        {"--help", 0, "Usage: horavela --month YYYY-MM"},
        {"--month", 2, "--month needs a value"},
        {"--month=2022-01 --month 2022-02", 2, "--month given twice"},
        {"--month 2022-01 Pune", 2, "unexpected argument \"Pune\""},
        {"--month 2022-01 --colour=red", 2, "unknown option --colour"},
        // Any option first is the command line's, and one it does not know is refused exactly so.
        {"--mnth 2022-01", 2, "horavela: unknown option --mnth\n"},
        {"-x", 2, "horavela: unknown option -x\n"},
        {"--month 2022-01 -mnth=3 DELHI", 2, "horavela: unknown option -mnth\n"},
        {"-h", 0, "Usage: horavela --month YYYY-MM"},
        {"-help", 0, "  --periods LIST "},
        {"--version", 0, version.c_str(), "Usage"},
        {"--version=2", 2, "--version takes no value"},
        {"--help --h", 2, "--help given twice"},
        {"--month 2022-01 -- --format=csv DELHI", 2, "unexpected argument \"--format=csv\""},
        {"--month 2022-13 DELHI", 2, "is not a month such as 2025-03"},
        {"--month 22-01 DELHI", 2, "is not a month such as 2025-03"},
        {"--month 1900-12 DELHI", 2, "from 1901-01 to 2050-12"},
        {"--month 2050-12 --months 2 DELHI", 2, "from 1901-01 to 2050-12"},
        {"--month 2050-12 --months 1 --format csv DELHI", 0, "2050-12-31,Saturday,"},
        {"--month 2022-01 --months=13 DELHI", 2, "from 1 to 12"},
        {"--month 2022-01 --months=two DELHI", 2, "from 1 to 12"},
        {"--month 2022-01 --format=svg DELHI", 2, "\"svg\" is not text, csv, ics or pdf"},
        // PDF is binary: only to a file, and only where fonts can be drawn.
        {"--month 2022-01 --format=pdf DELHI", 2, "needs --out FILE"},
        {"--month 2022-01 --format=pdf --out NONE DELHI", 1, "the PDF cannot be drawn"},
        // The calendar's events and reminder; the other formats show every period.
        {"--month 2022-01 --format ics --periods yamaganda,gulika DELHI", 0, "SUMMARY:Gulika Kaal",
         "SUMMARY:Rahu Kaal"},
        {"--month 2022-01 --format ics --periods=gulika,rahu DELHI", 0, "SUMMARY:Rahu Kaal",
         "SUMMARY:Yamaganda"},
        {"--month 2022-01 --format ics --periods=yamaganda DELHI", 0, "SUMMARY:Yamaganda",
         "SUMMARY:Gulika"},
        {"--month 2022-01 --format ics DELHI", 0, "TRIGGER:-PT10M\r\n", "SUMMARY:Yamaganda"},
        {"--month 2022-01 --format ics --periods rahu,rahu DELHI", 2,
         "--periods \"rahu,rahu\" is not a comma-separated list"},
        {"--month 2022-01 --format ics --periods rahu,kala DELHI", 2, "\"rahu,kala\" is not"},
        {"--month 2022-01 --format ics --periods=Rahu DELHI", 2, "\"Rahu\" is not"},
        {"--month 2022-01 --format ics --periods=rahu, DELHI", 2, "\"rahu,\" is not"},
        {"--month 2022-01 --format ics --periods= DELHI", 2, "--periods \"\" is not"},
        {"--month 2022-01 --format csv --periods rahu DELHI", 2,
         "--periods chooses what the calendar holds: give it with --format ics"},
        {"--month 2022-01 --alarm none DELHI", 2, "--alarm chooses what the calendar holds"},
        {"--month 2022-01 --format ics --alarm none DELHI", 0, "SUMMARY:Rahu Kaal", "VALARM"},
        {"--month 2022-01 --format ics --alarm=30 DELHI", 0, "TRIGGER:-PT30M\r\n", "PT10M"},
        {"--month 2022-01 --format ics --alarm=1440 DELHI", 0, "TRIGGER:-PT1440M\r\n"},
        {"--month 2022-01 --format ics --alarm=1 DELHI", 0, "TRIGGER:-PT1M\r\n"},
        {"--month 2022-01 --format ics --alarm=0 DELHI", 2,
         "--alarm \"0\" is neither none nor a number of minutes from 1 to 1440"},
        {"--month 2022-01 --format ics --alarm=1441 DELHI", 2, "\"1441\" is neither"},
        {"--month 2022-01 --format ics --alarm=-5 DELHI", 2, "\"-5\" is neither"},
        {"--month 2022-01 --format ics --alarm=+30 DELHI", 2, "\"+30\" is neither"},
        {"--month 2022-01 --format ics --alarm=soon DELHI", 2, "\"soon\" is neither"},
        // A value a shell or a script left a line break or a space on, shown as typed.
        {"--month=2022-01\\n DELHI", 2,
         "--month \"2022-01\\n\" holds a line break or another control character"},
        {"--month=2022-01 --lat=28.6 --lon=77.2 --zone=Asia/Kolkata\\n", 2,
         "--zone \"Asia/Kolkata\\n\" holds a line break"},
        {"--month=2022-01 --months=2\\r DELHI", 2, "--months \"2\\r\" holds a line break"},
        {"--month=2022-01 --place=Pune\\tIndia", 2, "--place \"Pune\\tIndia\" holds"},
        {R"("--month= 2022-01" DELHI)", 2, "--month \" 2022-01\" has a space before or after it"},
        {R"(--month=2022-01 "--place=Pune ")", 2, "--place \"Pune \" has a space"},
        {"--month=2022\\e[31m DELHI", 2, "--month \"2022\\x1b[31m\" holds"},
        {"--x\\e[31m", 2, "horavela: unknown option --x\\x1b[31m\n"},
        {"--month 2022-\\e DELHI --x", 2, "unknown option --x"},
        {placeOfEighty.c_str(), 2, eightyShown.c_str()},
        {placeOfEightyOne.c_str(), 2, eightyOneShown.c_str(), "y\""},
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
         "horavela: \"Springfield, United States\" matches 2 places (Springfield, Missouri, "
         "United States; Springfield, Illinois, United States); name the state and the country\n"},
        {R"(--month=2022-01 "--place=Hyderabad")", 2,
         "\"Hyderabad\" matches 2 places (Hyderabad, Telangana, India; Hyderabad, Sindh, "
         "Pakistan); name"},
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
        QStringList arguments = QProcess::splitCommand(typed);
        for (QString& argument : arguments)
            argument.replace(u"\\n"_qs, u"\n"_qs)
                .replace(u"\\r"_qs, u"\r"_qs)
                .replace(u"\\t"_qs, u"\t"_qs)
                .replace(u"\\e"_qs, u"\x1b"_qs);
        std::ostringstream out, err;
        const int status = runCommandLine(arguments, out, err);
        const std::string what = typed.toStdString();
        EXPECT_EQ(status, row.status) << what << "\n" << err.str();
        // A failure writes nothing to standard output, and one line of its own to standard error.
        const std::string& said = row.status == 0 ? out.str() : err.str();
        EXPECT_EQ(row.status == 0 ? err.str() : out.str(), "") << what;
        EXPECT_NE(said.find(row.said), std::string::npos) << what << "\n" << said;
        EXPECT_EQ(row.unsaid ? said.find(row.unsaid) : std::string::npos, std::string::npos)
            << what << "\n"
            << said;
        if (row.status != 0) {
            EXPECT_EQ(said.rfind("horavela: ", 0), 0u) << what << ": " << said;
            EXPECT_EQ(said.find('\n'), said.size() - 1) << what << ": " << said;
        }
    }
}

TEST(CommandLine, OnlyItsOwnOptionsFirstStartIt) {
    const std::pair<const char*, bool> rows[] = {
        {nullptr, false},
        {"--month", true},
        {"--place=Pune", true},
        {"--help", true},
        {"-platform", false},
        {"--platform", false},
        {"month", false},
        // Every other option, even one it does not know, so that a typo is refused, not a
        // window opened instead.
        {"--mnth", true},
        {"-h", true},
        {"--version", true},
        {"-x", true},
        {"-", true},
        {"--periods=rahu", true},
        // Qt's own options for windows, as QGuiApplication and QApplication take them.
        {"-style=fusion", false},
        {"--style", false},
        {"-reverse", false},
        {"-qwindowgeometry", false},
        {"-session", false},
        {"-display", false},
        {"-platformtheme", false},
        // The window's own start in the tray; with a value it is no option of the window's.
        {"--tray", false},
        {"-tray", false},
        {"--tray=yes", true},
    };
    for (const auto& [first, commandLine] : rows) {
        const char* argv[] = {"horavela", first};
        EXPECT_EQ(isCommandLine(first ? 2 : 1, argv), commandLine) << (first ? first : "(none)");
    }
}

// The autostart entry's start, also after Qt's own options; never with the command line's.
TEST(CommandLine, TrayOptionStartsTheWindowInTheTray) {
    const struct {
        std::vector<const char*> arguments;
        bool inTray;
    } rows[] = {
        {{}, false},
        {{"--tray"}, true},
        {{"-tray"}, true},
        {{"-platform", "offscreen", "--tray"}, true},
        {{"-style=fusion", "-tray"}, true},
        {{"-platform", "offscreen"}, false},
        {{"--trays"}, false},
        {{"--tray=yes"}, false},
        {{"--month", "2025-03", "--tray"}, false},
    };
    for (const auto& row : rows) {
        std::vector<const char*> argv{"horavela"};
        argv.insert(argv.end(), row.arguments.begin(), row.arguments.end());
        std::string what;
        for (const char* argument : row.arguments)
            what += std::string(argument) + " ";
        EXPECT_EQ(startsInTray(int(argv.size()), argv.data()), row.inTray) << what;
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
    const Place pune{18, 31, false, 73, 51, true, {}, zoneNamed("Asia/Kolkata"), "", "", ""};
    EXPECT_EQ(file.readAll(), monthCsv(pune, {2025y / March, 1}));
}

// The built program as a user runs it, without a display: what main() starts for each kind of
// command line, and the one line a failure takes even where the places database is missing.
TEST(CommandLine, ProgramRunsWithoutDisplay) {
    QTemporaryDir folder;
    // A copy of the program finds no places database beside it.
    const QString copy = folder.filePath(u"bin/"_qs + QFileInfo(HORAVELA_PROGRAM).fileName());
    ASSERT_TRUE(QDir(folder.path()).mkpath(u"bin"_qs));
    ASSERT_TRUE(QFile::copy(QStringLiteral(HORAVELA_PROGRAM), copy));
    const QString pdf = folder.filePath(u"पुणे मार्च.pdf"_qs);
    const std::string version = std::string("horavela ") + ProgramVersion + "\n";
    const struct {
        QStringList arguments;
        bool copied;
        int status;
        const char* out; // standard output begins with it
        const char* err; // standard error, whole
    } rows[] = {
        {{u"--month"_qs, u"2025-03"_qs, u"--place"_qs, u"Pune, Maharashtra, India"_qs,
          u"--format=pdf"_qs, u"--out"_qs, pdf},
         false,
         0,
         "",
         ""},
        {{u"--mnth"_qs, u"2025-03"_qs}, false, 2, "", "horavela: unknown option --mnth\n"},
        {{u"-h"_qs}, false, 0, "Usage: horavela --month YYYY-MM", ""},
        {{u"--version"_qs}, false, 0, version.c_str(), ""},
        {{u"--month"_qs, u"2025-03"_qs, u"--place=Pune"_qs, u"--format=pdf"_qs},
         false,
         2,
         "",
         "horavela: --format pdf needs --out FILE: a PDF is not written to standard output\n"},
        {{u"--month"_qs, u"2025-03"_qs, u"--place=Pune, India"_qs},
         true,
         1,
         "",
         "horavela: the places database cannot be read\n"},
    };
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    for (const auto& row : rows) {
        const std::string what = row.arguments.join(u' ').toStdString();
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(row.copied ? copy : QStringLiteral(HORAVELA_PROGRAM), row.arguments);
        ASSERT_TRUE(program.waitForFinished(60000)) << what;
        ASSERT_EQ(program.exitStatus(), QProcess::NormalExit) << what;
        const QByteArray out = program.readAllStandardOutput();
        // Windows ends the lines of standard error with a carriage return.
        const QByteArray err = program.readAllStandardError().replace("\r\n", "\n");
        EXPECT_EQ(program.exitCode(), row.status) << what << "\n" << err.toStdString();
        EXPECT_TRUE(out.startsWith(row.out)) << what << "\n" << out.toStdString();
        EXPECT_EQ(err.toStdString(), row.err) << what;
    }

    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().startsWith("%PDF-"));
    const QString pdftotext = QStandardPaths::findExecutable(u"pdftotext"_qs);
    if (pdftotext.isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is missing: the PDF's text is not read back";
    QProcess reader;
    reader.start(pdftotext, {u"-layout"_qs, pdf, u"-"_qs});
    ASSERT_TRUE(reader.waitForFinished(60000));
    ASSERT_EQ(reader.exitCode(), 0) << reader.readAllStandardError().toStdString();
    const QString text = QString::fromUtf8(reader.readAllStandardOutput());
    // The month window's pages: the place, the month and each of its days.
    EXPECT_TRUE(text.contains(u"Pune, Maharashtra, India"_qs)) << text.toStdString();
    EXPECT_TRUE(text.contains(u"March 2025"_qs)) << text.toStdString();
    EXPECT_TRUE(text.contains(u"31 Mar 2025"_qs)) << text.toStdString();
    // Rahu Kaal of the first, a Saturday, in Pune's time.
    EXPECT_TRUE(text.contains(u"09:51 \u2013 11:19"_qs)) << text.toStdString();
}

} // namespace
} // namespace horavela
