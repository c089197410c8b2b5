#include "app/CommandLine.h"

#include "month/MonthFiles.h"
#include "tests/support/FakeGazetteer.h"

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
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
};

TEST(CommandLine, ArgumentsGiveTheirStatusAndMessage) {
    QTemporaryDir folder;
    const QString missing = folder.filePath(QStringLiteral("none/month.csv"));
    struct Row {
        QStringList arguments;
        int status;
        const char* said; // in the file written to standard output, else in the one-line message
    };
    const QStringList delhi{"--lat=28.6", "--lon=77.2", "--zone=-5:-30"};
    const Row rows[] = {
        {{}, 2, "--month YYYY-MM is needed"},
        {{"--help"}, 0, "Usage: horavela --month YYYY-MM"},
        {{"--month"}, 2, "--month needs a value"},
        {{"--month=2022-01", "--month", "2022-02"}, 2, "--month given twice"},
        {{"--month", "2022-01", "Pune"}, 2, "unexpected argument \"Pune\""},
        {{"--month", "2022-01", "--colour=red"}, 2, "unknown option --colour"},
        {QStringList{"--month", "2022-13"} + delhi, 2, "is not a month such as 2025-03"},
        {QStringList{"--month", "22-01"} + delhi, 2, "is not a month such as 2025-03"},
        {QStringList{"--month", "1900-12"} + delhi, 2, "from 1901-01 to 2050-12"},
        {QStringList{"--month", "2050-12", "--months", "2"} + delhi, 2, "from 1901-01 to 2050-12"},
        {QStringList{"--month", "2050-12", "--months", "1", "--format", "csv"} + delhi, 0,
         "2050-12-31,Saturday,"},
        {QStringList{"--month", "2022-01", "--months=13"} + delhi, 2, "from 1 to 12"},
        {QStringList{"--month", "2022-01", "--months=two"} + delhi, 2, "from 1 to 12"},
        {QStringList{"--month", "2022-01", "--format=pdf"} + delhi, 2, "not text, csv or ics"},
        {{"--month", "2022-01", "--lat=28.6", "--lon=77.2"}, 2, "missing --zone"},
        {{"--month", "2022-01", "--lat=91", "--lon=77.2", "--zone=-5:-30"}, 2, "not a latitude"},
        {{"--month", "2022-01", "--lat=28.6", "--lon=east", "--zone=-5:-30"}, 2, "not a longitude"},
        {{"--month", "2022-01", "--lat=28.6", "--lon=77.2", "--zone=Mars/Base"},
         2,
         "--zone \"Mars/Base\" is neither"},
        {{"--month", "2022-01", "--lat=28.6", "--lon=77.2", "--zone=-5:-75"}, 2, "is neither"},
        {QStringList{"--month", "2022-01", "--format", "csv"} + delhi, 0,
         "2022-01-24,Monday,2022-01-24T07:14:00+05:30,2022-01-24T17:53:00+05:30,"
         "2022-01-24T08:33:52+05:30,2022-01-24T09:53:43+05:30,"},
        // West is negative; the name of a zone makes its offset follow the date.
        {{"--month=2026-03", "--lat", "40.71", "--lon", "-74.0", "--zone", "America/New_York",
          "--format=text"},
         0,
         "40\u00B0 43\u2032 N, 74\u00B0 0\u2032 W\nAmerica/New_York\n"},
        {{"--month=2026-03", "--lat", "40.71", "--lon", "-74.0", "--zone", "America/New_York",
          "--format=csv"},
         0,
         "2026-03-08,Sunday,2026-03-08T07:21:00-04:00,"},
        // Under an hour ahead: hours of -0.
        {{"--month=1905-06", "--lat=52.37", "--lon=4.9", "--zone=-0:-19", "--format=csv"},
         0,
         "1905-06-01,Thursday,1905-06-01T03:"},
        {{"--month=2022-01", "--place", "Nowhere"}, 2, "no place called \"Nowhere\""},
        {{"--month=2022-01", "--place", "Springfield"},
         2,
         "\"Springfield\" matches 2 places (listed above)"},
        {{"--month=2022-01", "--place", "Springfield, Illinois, United States", "--format=csv"},
         0,
         "2022-01-03,Monday,2022-01-03T07:"},
        {{"--month=2022-01", "--place", "Pune, India", "--lat=18"}, 2, "not both"},
        {{"--month=2022-01", "--place", "a, b, c, d"}, 2, "is not \"CITY, STATE, COUNTRY\""},
        {QStringList{"--month=2022-01", "--out", missing} + delhi, 1, "the folder does not exist"},
    };
    FakeGazetteer gazetteer(Places);
    ScopedGazetteer scoped(gazetteer);
    for (const Row& row : rows) {
        std::ostringstream out, err;
        const int status = runCommandLine(row.arguments, out, err);
        const std::string what = row.arguments.join(u' ').toStdString();
        EXPECT_EQ(status, row.status) << what << "\n" << err.str();
        if (row.status == 0) {
            EXPECT_EQ(err.str(), "") << what;
            EXPECT_NE(out.str().find(row.said), std::string::npos) << what << "\n" << out.str();
            continue;
        }
        EXPECT_EQ(out.str(), "") << what;
        const std::string message = err.str();
        const std::size_t lastLine = message.rfind('\n', message.size() - 2);
        const std::string last = message.substr(lastLine == std::string::npos ? 0 : lastLine + 1);
        EXPECT_EQ(last.rfind("horavela: ", 0), 0u) << what << ": " << message;
        EXPECT_NE(last.find(row.said), std::string::npos) << what << ": " << message;
    }
}

TEST(CommandLine, SeveralEquallyGoodPlacesAreListed) {
    FakeGazetteer gazetteer(Places);
    ScopedGazetteer scoped(gazetteer);
    std::ostringstream out, err;
    ASSERT_EQ(runCommandLine({"--month=2022-01", "--place=Springfield, United States"}, out, err),
              2);
    EXPECT_EQ(err.str(), "  Springfield, Missouri, United States\n"
                         "  Springfield, Illinois, United States\n"
                         "horavela: \"Springfield, United States\" matches 2 places (listed "
                         "above); name the state and the country\n");
}

TEST(CommandLine, OnlyItsOwnOptionsFirstStartIt) {
    struct Row {
        std::vector<const char*> argv;
        bool commandLine;
    };
    const Row rows[] = {
        {{"horavela"}, false},
        {{"horavela", "--month", "2025-03"}, true},
        {{"horavela", "--place=Pune"}, true},
        {{"horavela", "--help"}, true},
        {{"horavela", "-platform", "offscreen"}, false},
        {{"horavela", "--platform"}, false},
        {{"horavela", "month"}, false},
    };
    for (const Row& row : rows)
        EXPECT_EQ(isCommandLine(int(row.argv.size()), row.argv.data()), row.commandLine)
            << (row.argv.size() > 1 ? row.argv[1] : "(none)");
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
    const MonthPlace pune{{18, 31, false, 73, 51, true, {}}, "Asia/Kolkata", {}, {}, {}};
    EXPECT_EQ(file.readAll(), monthCsv(pune, {2025y / March, 1}));
}

} // namespace
} // namespace horavela
