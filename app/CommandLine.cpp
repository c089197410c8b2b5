#include "app/CommandLine.h"

#include "calc/TextNumbers.h"
#include "month/MonthFiles.h"
#include "month/SaveFile.h"
#include "places/NameKey.h"
#include "places/PlaceLookup.h"
#include "platform/Language.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>

namespace horavela {

namespace {

using namespace std::chrono;

constexpr int BadInput = 2;
constexpr int NotWritten = 1;

constexpr const char* HelpText = QT_TRANSLATE_NOOP(
    "CommandLine",
    "Usage: horavela --month YYYY-MM (--place \"CITY[, STATE], COUNTRY\" |\n"
    "                --lat=DEGREES --lon=DEGREES --zone=ZONE) [OPTIONS]\n"
    "\n"
    "Writes Rahu Kaal, Yamaganda and Gulika Kaal for every day of a month at a place,\n"
    "as the month window saves them, without opening a window.\n"
    "\n"
    "  --month YYYY-MM    the first month, from 1901-01 to 2050-12\n"
    "  --months N         how many months, 1 to 12 (default 1)\n"
    "  --place TEXT       a place of the places database: \"Pune, Maharashtra, India\",\n"
    "                     \"Pune, India\" or \"Pune\"; its zone follows the date\n"
    "  --lat DEGREES      latitude in decimal degrees, north positive: 18.52\n"
    "  --lon DEGREES      longitude in decimal degrees, east positive: -74.0 is west\n"
    "                     (both rounded to the nearest minute)\n"
    "  --zone ZONE        a zone name, Asia/Kolkata, whose offset follows the date; or\n"
    "                     hours:minutes behind universal time as the main window takes\n"
    "                     them, -5:-30 (an offset under an hour ahead: -0:-19)\n"
    "  --format FORMAT    text (default), csv or ics (a calendar of Rahu Kaal)\n"
    "  --out FILE         write FILE, whole or not at all; else standard output\n"
    "  --language CODE    the language of the text and the calendar: en, hi, bn, te, mr,\n"
    "                     ta, gu, kn, ml, pa or or (default: the one chosen in the\n"
    "                     window, else the desktop's)\n"
    "  --help             show this help\n"
    "\n"
    "Each option takes its value as --name value or --name=value.\n"
    "Exit status: 0 done, 2 bad input, 1 the file or the places database failed.\n");

const QStringList OptionNames{QStringLiteral("month"),  QStringLiteral("months"),
                              QStringLiteral("place"),  QStringLiteral("lat"),
                              QStringLiteral("lon"),    QStringLiteral("zone"),
                              QStringLiteral("format"), QStringLiteral("out"),
                              QStringLiteral("help"),   QStringLiteral("language")};

// A failure with its exit status and its one-line message.
struct Failure {
    int status;
    QString message;
};

int fail(std::ostream& err, const Failure& failure) {
    err << "horavela: " << failure.message.toStdString() << '\n';
    return failure.status;
}

Failure badInput(const QString& message) {
    return {BadInput, message};
}

// --name value and --name=value, each name once.
std::optional<Failure> readOptions(const QStringList& arguments,
                                   std::map<QString, QString>& options) {
    for (qsizetype n = 0; n < arguments.size(); ++n) {
        const QString& argument = arguments[n];
        if (!argument.startsWith(QStringLiteral("--")))
            return badInput(QCoreApplication::translate(
                                "CommandLine", "unexpected argument \"%1\"; see horavela --help")
                                .arg(argument));
        const qsizetype equals = argument.indexOf(u'=');
        const QString name = argument.mid(2, equals < 0 ? -1 : equals - 2);
        if (!OptionNames.contains(name))
            return badInput(QCoreApplication::translate("CommandLine",
                                                        "unknown option --%1; see horavela --help")
                                .arg(name));
        if (options.count(name))
            return badInput(
                QCoreApplication::translate("CommandLine", "--%1 given twice").arg(name));
        if (name == QStringLiteral("help")) {
            options[name] = {};
            continue;
        }
        if (equals >= 0)
            options[name] = argument.mid(equals + 1);
        else if (n + 1 < arguments.size())
            options[name] = arguments[++n];
        else
            return badInput(
                QCoreApplication::translate("CommandLine", "--%1 needs a value").arg(name));
    }
    return std::nullopt;
}

std::optional<year_month> readMonth(const QString& text) {
    static const QRegularExpression form(QStringLiteral("^(\\d{4})-(\\d{2})$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const year_month month{year{match.captured(1).toInt()},
                           std::chrono::month(match.captured(2).toUInt())};
    if (!month.ok())
        return std::nullopt;
    return month;
}

std::optional<double> readDegrees(const QString& text, double limit) {
    const std::optional<double> value = readDecimal(text.toStdString());
    if (!value || !std::isfinite(*value) || std::fabs(*value) > limit)
        return std::nullopt;
    return value;
}

// "-5:-30", "5", "-0:-19": the main window's hours and minutes behind universal time.
std::optional<ZoneOffset> readZonePair(const QString& text) {
    static const QRegularExpression form(QStringLiteral("^([+-]?\\d{1,2})(?::([+-]?\\d{1,2}))?$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const QString minutes = match.captured(2).isEmpty() ? QStringLiteral("0") : match.captured(2);
    const std::optional<ZoneOffset> zone =
        readZoneOffset(match.captured(1).toStdString(), minutes.toStdString());
    if (!zone || std::fabs(zone->hours) > 14 || std::fabs(zone->minutes) > 59 ||
        std::fabs(zone->hoursEast()) > 14)
        return std::nullopt;
    return zone;
}

ZoneMoment noonOf(year_month month) {
    const QDate day(int(month.year()), int(unsigned(month.month())), 1);
    return {day.year(), day, QTime(12, 0)};
}

std::optional<Failure> placeByCoordinates(const std::map<QString, QString>& options,
                                          MonthPlace& place) {
    for (const char* name : {"lat", "lon", "zone"}) {
        if (!options.count(QString::fromLatin1(name)))
            return badInput(
                QCoreApplication::translate(
                    "CommandLine", "give --place, or --lat, --lon and --zone (missing --%1)")
                    .arg(QString::fromLatin1(name)));
    }
    const std::optional<double> latitude = readDegrees(options.at(QStringLiteral("lat")), 90);
    if (!latitude)
        return badInput(QCoreApplication::translate(
                            "CommandLine", "--lat \"%1\" is not a latitude in decimal degrees")
                            .arg(options.at(QStringLiteral("lat"))));
    const std::optional<double> longitude = readDegrees(options.at(QStringLiteral("lon")), 180);
    if (!longitude)
        return badInput(QCoreApplication::translate(
                            "CommandLine", "--lon \"%1\" is not a longitude in decimal degrees")
                            .arg(options.at(QStringLiteral("lon"))));
    place.place = formPlace(*latitude, *longitude);
    const QString zone = options.at(QStringLiteral("zone"));
    if (const std::optional<ZoneOffset> pair = readZonePair(zone)) {
        place.place.zone = pair;
        return std::nullopt;
    }
    // Each day takes the zone's offset of its own noon.
    place.place.namedZone = zone.isEmpty() ? nullptr : namedZone(zone.toUtf8());
    if (!place.place.namedZone)
        return badInput(QCoreApplication::translate(
                            "CommandLine",
                            "--zone \"%1\" is neither a zone of this system's time-zone "
                            "data nor hours:minutes such as -5:-30")
                            .arg(zone));
    return std::nullopt;
}

// How well a found place agrees with what was typed, as the search ranks it: the state, the
// country, then its own name rather than another of its names.
std::tuple<bool, bool, bool> agreement(const PlaceQuery& query, const GazetteerPlace& found) {
    const auto same = [](const QString& typed, const QString& name) {
        const std::string key = nameKey(typed);
        return !key.empty() && key == nameKey(name);
    };
    return {same(query.state, found.state), same(query.country, found.country),
            same(query.city, found.name)};
}

std::optional<Failure> placeByName(const QString& text, year_month month, std::ostream& err,
                                   MonthPlace& place) {
    QStringList parts = text.split(u',');
    for (QString& part : parts)
        part = part.trimmed();
    if (parts.size() > 3 || parts.front().isEmpty())
        return badInput(QCoreApplication::translate(
                            "CommandLine", "--place \"%1\" is not \"CITY, STATE, COUNTRY\"")
                            .arg(text));
    PlaceQuery query;
    query.city = parts.front();
    if (parts.size() == 2)
        query.country = parts[1];
    if (parts.size() == 3) {
        query.state = parts[1];
        query.country = parts[2];
    }
    const std::optional<std::vector<FoundPlace>> found =
        lookUpPlaces(placesGazetteer(), query, noonOf(month));
    if (!found)
        return Failure{NotWritten, QCoreApplication::translate(
                                       "CommandLine", "the places database cannot be read")};
    if (found->empty())
        return badInput(QCoreApplication::translate("CommandLine",
                                                    "no place called \"%1\" in the places database")
                            .arg(text));
    auto best = agreement(query, found->front().found);
    for (const FoundPlace& candidate : *found)
        best = std::max(best, agreement(query, candidate.found));
    std::vector<const FoundPlace*> equals;
    for (const FoundPlace& candidate : *found)
        if (agreement(query, candidate.found) == best)
            equals.push_back(&candidate);
    if (equals.size() > 1) {
        // The list first, so the last line is the message, as with every other failure.
        for (const FoundPlace* candidate : equals)
            err << "  " << namesText(candidate->found).toStdString() << '\n';
        const QString many =
            equals.size() >= MostPlacesShown
                ? QCoreApplication::translate("CommandLine", "at least %1").arg(equals.size())
                : QString::number(equals.size());
        return badInput(QStringLiteral("\"%1\" matches %2 places (listed above); name the state "
                                       "and the country")
                            .arg(text, many));
    }
    const FoundPlace& chosen = *equals.front();
    if (!chosen.found.zone)
        return badInput(
            QCoreApplication::translate(
                "CommandLine", "the zone of %1, %2, is not in this system's time-zone data")
                .arg(namesText(chosen.found), QString::fromUtf8(chosen.found.zoneId)));
    place.place = chosen.place;
    place.city = chosen.found.name;
    place.state = chosen.found.state;
    place.country = chosen.found.country;
    return std::nullopt;
}

} // namespace

bool isCommandLine(int argc, const char* const argv[]) {
    if (argc < 2 || argv[1] == nullptr)
        return false;
    const QString first = QString::fromLocal8Bit(argv[1]);
    if (!first.startsWith(QStringLiteral("--")))
        return false;
    return OptionNames.contains(first.mid(2).section(u'=', 0, 0));
}

int runCommandLine(const QStringList& arguments, std::ostream& out, std::ostream& err) {
    // The window's choice, so that even a message about the options speaks it.
    useLanguage(languageToSpeak(keptLanguage()));
    std::map<QString, QString> options;
    if (const std::optional<Failure> failure = readOptions(arguments, options))
        return fail(err, *failure);
    if (const auto language = options.find(QStringLiteral("language")); language != options.end()) {
        if (!isKnownLanguage(language->second))
            return fail(err, badInput(QCoreApplication::translate(
                                          "CommandLine",
                                          "--language \"%1\" is not one of en, hi, bn, te, mr, ta, "
                                          "gu, kn, ml, pa and or")
                                          .arg(language->second)));
        useLanguage(language->second);
    }
    if (options.count(QStringLiteral("help"))) {
        out << QCoreApplication::translate("CommandLine", HelpText).toStdString();
        return out.flush() ? 0 : NotWritten;
    }
    const auto value = [&](const char* name, const char* otherwise) {
        const auto found = options.find(QString::fromLatin1(name));
        return found == options.end() ? QString::fromLatin1(otherwise) : found->second;
    };

    if (!options.count(QStringLiteral("month")))
        return fail(err, badInput(QCoreApplication::translate(
                             "CommandLine", "--month YYYY-MM is needed; see horavela --help")));
    const std::optional<year_month> first = readMonth(options.at(QStringLiteral("month")));
    if (!first)
        return fail(err,
                    badInput(QCoreApplication::translate(
                                 "CommandLine", "--month \"%1\" is not a month such as 2025-03")
                                 .arg(options.at(QStringLiteral("month")))));
    bool counted = false;
    const int count = value("months", "1").toInt(&counted);
    if (!counted || count < 1 || count > MostMonths)
        return fail(err, badInput(QCoreApplication::translate(
                                      "CommandLine", "--months \"%1\" is not a number from 1 to 12")
                                      .arg(value("months", ""))));
    const year_month last = *first + months{count - 1};
    if (*first < FirstMonth || last > LastMonth)
        return fail(err, badInput(QCoreApplication::translate(
                             "CommandLine", "the months must lie from 1901-01 to 2050-12")));
    const QString format = value("format", "text");
    if (format != QStringLiteral("text") && format != QStringLiteral("csv") &&
        format != QStringLiteral("ics"))
        return fail(err, badInput(QCoreApplication::translate(
                                      "CommandLine", "--format \"%1\" is not text, csv or ics")
                                      .arg(format)));

    MonthPlace place;
    const bool byName = options.count(QStringLiteral("place")) != 0;
    if (byName && (options.count(QStringLiteral("lat")) || options.count(QStringLiteral("lon")) ||
                   options.count(QStringLiteral("zone"))))
        return fail(err, badInput(QCoreApplication::translate(
                             "CommandLine", "give --place, or --lat, --lon and --zone, not both")));
    const std::optional<Failure> placeFailure =
        byName ? placeByName(options.at(QStringLiteral("place")), *first, err, place)
               : placeByCoordinates(options, place);
    if (placeFailure)
        return fail(err, *placeFailure);

    const MonthRange range{*first, count};
    QByteArray bytes;
    if (format == QStringLiteral("csv")) {
        bytes = monthCsv(place, range);
    } else if (format == QStringLiteral("ics")) {
        CalendarOptions calendar;
        calendar.stamp = QDateTime::currentDateTimeUtc();
        bytes = monthCalendar(place, range, calendar);
    } else {
        bytes = monthText(QLocale(), place, range);
    }

    if (options.count(QStringLiteral("out"))) {
        if (const std::optional<QString> failure =
                saveWhole(options.at(QStringLiteral("out")), bytes))
            return fail(err, {NotWritten, *failure});
        return 0;
    }
    out.write(bytes.constData(), bytes.size());
    if (!out.flush())
        return fail(err, {NotWritten, QCoreApplication::translate(
                                          "CommandLine", "standard output cannot be written")});
    return 0;
}

} // namespace horavela
