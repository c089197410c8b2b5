#include "app/CommandLine.h"

#include "ProgramVersion.h"
#include "calc/TextNumbers.h"
#include "month/MonthFiles.h"
#include "month/SaveFile.h"
#include "places/NameKey.h"
#include "places/PlaceLookup.h"
#include "places/ZoneRules.h"
#include "platform/Language.h"
#include "ui/month/MonthPages.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDateTime>
#include <QGuiApplication>
#include <QRegularExpression>
#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <tuple>
#include <variant>

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
    "  --format FORMAT    text (default), csv, ics (a calendar) or pdf (the month\n"
    "                     window's pages, only with --out)\n"
    "  --periods LIST     the calendar's events: rahu, yamaganda and gulika, any of\n"
    "                     them, comma-separated (default rahu); with --format ics only\n"
    "  --alarm MINUTES    the calendar's reminder, 1 to 1440 minutes before each\n"
    "                     period, or none (default 10); with --format ics only\n"
    "  --out FILE         write FILE, whole or not at all; else standard output\n"
    "  --language CODE    the language of the text and the calendar: en, hi, bn, te, mr,\n"
    "                     ta, gu, kn, ml, pa or or (default: the one chosen in the\n"
    "                     window, else the desktop's)\n"
    "  -h, --help         show this help\n"
    "  --version          show the program's version\n"
    "\n"
    "Each option takes its value as --name value or --name=value.\n"
    "Exit status: 0 done, 2 bad input, 1 the file or the places database failed.\n");

// The options that take a value, in the order their values are checked.
const QStringList ValueOptions{
    QStringLiteral("month"),  QStringLiteral("months"),  QStringLiteral("place"),
    QStringLiteral("lat"),    QStringLiteral("lon"),     QStringLiteral("zone"),
    QStringLiteral("format"), QStringLiteral("periods"), QStringLiteral("alarm"),
    QStringLiteral("out"),    QStringLiteral("language")};
const QStringList HelpNames{QStringLiteral("h"), QStringLiteral("help")};
const QString VersionName = QStringLiteral("version");

// What QGuiApplication and QApplication take from the command line themselves, with one dash or
// two: given first, they start the window as always.
const QStringList QtWindowOptions{
    QStringLiteral("platform"),      QStringLiteral("platformpluginpath"),
    QStringLiteral("platformtheme"), QStringLiteral("plugin"),
    QStringLiteral("qmljsdebugger"), QStringLiteral("qwindowgeometry"),
    QStringLiteral("qwindowicon"),   QStringLiteral("qwindowtitle"),
    QStringLiteral("reverse"),       QStringLiteral("session"),
    QStringLiteral("display"),       QStringLiteral("geometry"),
    QStringLiteral("style"),         QStringLiteral("stylesheet"),
    QStringLiteral("widgetcount"),   QStringLiteral("nograb"),
    QStringLiteral("dograb"),        QStringLiteral("sync")};

// The window start's own option, given by the desktop's autostart entry; as Qt's options are,
// with one dash or two.
const QStringList TrayOption{QStringLiteral("--tray"), QStringLiteral("-tray")};

// The calendar's periods by their names on the command line, in DayPeriod's order.
const QStringList PeriodNames{QStringLiteral("rahu"), QStringLiteral("yamaganda"),
                              QStringLiteral("gulika")};

// The most characters of a typed value that a message repeats.
constexpr qsizetype MostShown = 80;
// The most places of an ambiguous name that its message names.
constexpr std::size_t MostCandidatesNamed = 3;

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

// The value as a message shows it, on one line and never too long: control characters as the
// escapes a programmer would type, and at most MostShown characters.
QString shownValue(const QString& value) {
    QString shown;
    for (qsizetype n = 0; n < value.size(); ++n) {
        const QChar c = value[n];
        QString piece(c);
        if (c == u'\n')
            piece = QStringLiteral("\\n");
        else if (c == u'\r')
            piece = QStringLiteral("\\r");
        else if (c == u'\t')
            piece = QStringLiteral("\\t");
        else if (c.category() == QChar::Other_Control)
            piece = QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else if (c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            piece = QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        else if (c.isHighSurrogate() && n + 1 < value.size())
            piece = value.mid(n++, 2);
        const bool last = n + 1 == value.size();
        if (shown.size() + piece.size() > (last ? MostShown : MostShown - 1))
            return shown + QChar(0x2026);
        shown += piece;
    }
    return shown;
}

// The option's name as typed: "--month=2025-03" and "-month" both give "month".
QString optionName(const QString& argument) {
    return argument.mid(argument.startsWith(QStringLiteral("--")) ? 2 : 1).section(u'=', 0, 0);
}

void addOptions(QCommandLineParser& parser) {
    // "-x" is the option x, as Qt's own options are written, never the letters of several.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const QString& name : ValueOptions)
        parser.addOption(QCommandLineOption(name, QString(), name.toUpper()));
    parser.addOption(QCommandLineOption(HelpNames));
    parser.addOption(QCommandLineOption(VersionName));
}

// The first argument the parser could not take, as a message.
Failure parseFailure(const QStringList& arguments, const QCommandLineParser& parser) {
    if (!parser.unknownOptionNames().isEmpty()) {
        const QString unknown = parser.unknownOptionNames().front();
        const auto typed = std::find_if(arguments.begin(), arguments.end(), [&](const QString& a) {
            return a.startsWith(u'-') && optionName(a) == unknown;
        });
        return badInput(
            QCoreApplication::translate("CommandLine", "unknown option %1")
                .arg(shownValue(typed == arguments.end() ? unknown : typed->section(u'=', 0, 0))));
    }
    for (const QString& argument : arguments) {
        const QString name = optionName(argument);
        if (argument.startsWith(u'-') && argument.contains(u'=') &&
            (HelpNames.contains(name) || name == VersionName))
            return badInput(
                QCoreApplication::translate("CommandLine", "--%1 takes no value").arg(name));
    }
    // The parser stops short of a value only at the last argument.
    return badInput(QCoreApplication::translate("CommandLine", "--%1 needs a value")
                        .arg(shownValue(optionName(arguments.back()))));
}

// Every option once, no argument that is not an option's, and no value that a shell or a
// script has left a space or a line break on.
std::optional<Failure> readOptions(const QStringList& arguments, QCommandLineParser& parser) {
    addOptions(parser);
    if (!parser.parse(QStringList{QStringLiteral("horavela")} + arguments))
        return parseFailure(arguments, parser);
    if (!parser.positionalArguments().isEmpty())
        return badInput(QCoreApplication::translate(
                            "CommandLine", "unexpected argument \"%1\"; see horavela --help")
                            .arg(shownValue(parser.positionalArguments().front())));
    QStringList seen;
    for (QString name : parser.optionNames()) {
        if (HelpNames.contains(name))
            name = HelpNames.back();
        if (seen.contains(name))
            return badInput(
                QCoreApplication::translate("CommandLine", "--%1 given twice").arg(name));
        seen.append(name);
    }
    for (const QString& name : ValueOptions) {
        if (!parser.isSet(name))
            continue;
        const QString value = parser.value(name);
        const bool control = std::any_of(value.begin(), value.end(), [](QChar c) {
            return c.category() == QChar::Other_Control || c == QChar::LineSeparator ||
                   c == QChar::ParagraphSeparator;
        });
        if (control)
            return badInput(
                QCoreApplication::translate(
                    "CommandLine", "--%1 \"%2\" holds a line break or another control character")
                    .arg(name, shownValue(value)));
        if (value != value.trimmed())
            return badInput(QCoreApplication::translate(
                                "CommandLine", "--%1 \"%2\" has a space before or after it")
                                .arg(name, shownValue(value)));
    }
    return std::nullopt;
}

// The calendar's events: each of the names at most once, at least one.
std::optional<std::array<bool, 3>> readPeriods(const QString& text) {
    std::array<bool, 3> chosen{false, false, false};
    for (const QString& name : text.split(u',')) {
        const qsizetype index = PeriodNames.indexOf(name);
        if (index < 0 || chosen[std::size_t(index)])
            return std::nullopt;
        chosen[std::size_t(index)] = true;
    }
    return chosen;
}

// Minutes before each period, as the save dialog takes them; 0 for none.
std::optional<int> readAlarm(const QString& text) {
    if (text == QStringLiteral("none"))
        return 0;
    static const QRegularExpression form(QStringLiteral("^\\d{1,4}$"));
    const int minutes = text.toInt();
    if (!form.match(text).hasMatch() || minutes < 1 || minutes > MostReminderMinutes)
        return std::nullopt;
    return minutes;
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

std::optional<Failure> placeByCoordinates(const std::map<QString, QString>& options, Place& place) {
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
                            .arg(shownValue(options.at(QStringLiteral("lat")))));
    const std::optional<double> longitude = readDegrees(options.at(QStringLiteral("lon")), 180);
    if (!longitude)
        return badInput(QCoreApplication::translate(
                            "CommandLine", "--lon \"%1\" is not a longitude in decimal degrees")
                            .arg(shownValue(options.at(QStringLiteral("lon")))));
    place = formPlace(*latitude, *longitude);
    const QString zone = options.at(QStringLiteral("zone"));
    if (const std::optional<ZoneOffset> pair = readZonePair(zone)) {
        place.zone = pair;
        return std::nullopt;
    }
    // Each day takes the zone's offset of its own noon.
    place.namedZone = zone.isEmpty() ? nullptr : namedZone(zone.toUtf8());
    if (!place.namedZone)
        return badInput(QCoreApplication::translate(
                            "CommandLine",
                            "--zone \"%1\" is neither a zone of this system's time-zone "
                            "data nor hours:minutes such as -5:-30")
                            .arg(shownValue(zone)));
    return std::nullopt;
}

// How well a found place agrees with what was typed, as the search ranks it: the state, the
// country, then its own name rather than another of its names.
std::tuple<bool, bool, bool> agreement(const PlaceQuery& query, const Place& found) {
    const auto same = [](const QString& typed, const QString& name) {
        const std::string key = nameKey(typed);
        return !key.empty() && key == nameKey(name);
    };
    return {same(query.state, QString::fromStdString(found.state)),
            same(query.country, QString::fromStdString(found.country)),
            same(query.city, QString::fromStdString(found.city))};
}

std::optional<Failure> placeByName(const QString& text, Place& place) {
    QStringList parts = text.split(u',');
    for (QString& part : parts)
        part = part.trimmed();
    if (parts.size() > 3 || parts.front().isEmpty())
        return badInput(QCoreApplication::translate(
                            "CommandLine", "--place \"%1\" is not \"CITY, STATE, COUNTRY\"")
                            .arg(shownValue(text)));
    PlaceQuery query;
    query.city = parts.front();
    if (parts.size() == 2)
        query.country = parts[1];
    if (parts.size() == 3) {
        query.state = parts[1];
        query.country = parts[2];
    }
    const std::optional<std::vector<Place>> found = lookUpPlaces(placesGazetteer(), query);
    if (!found)
        return Failure{NotWritten, QCoreApplication::translate(
                                       "CommandLine", "the places database cannot be read")};
    if (found->empty())
        return badInput(QCoreApplication::translate("CommandLine",
                                                    "no place called \"%1\" in the places database")
                            .arg(shownValue(text)));
    auto best = agreement(query, found->front());
    for (const Place& candidate : *found)
        best = std::max(best, agreement(query, candidate));
    std::vector<const Place*> equals;
    for (const Place& candidate : *found)
        if (agreement(query, candidate) == best)
            equals.push_back(&candidate);
    if (equals.size() > 1) {
        // A few of them, in the one line every failure takes.
        QStringList names;
        for (std::size_t n = 0; n < std::min(equals.size(), MostCandidatesNamed); ++n)
            names.append(namesText(*equals[n]));
        if (equals.size() > MostCandidatesNamed)
            names.append(QString(QChar(0x2026)));
        const QString many =
            equals.size() >= MostPlacesShown
                ? QCoreApplication::translate("CommandLine", "at least %1").arg(equals.size())
                : QString::number(equals.size());
        return badInput(
            QCoreApplication::translate(
                "CommandLine", "\"%1\" matches %2 places (%3); name the state and the country")
                .arg(shownValue(text), many, names.join(QStringLiteral("; "))));
    }
    const Place& chosen = *equals.front();
    if (!chosen.namedZone)
        return badInput(
            QCoreApplication::translate(
                "CommandLine", "the zone of %1, %2, is not in this system's time-zone data")
                .arg(namesText(chosen), QString::fromStdString(chosen.zoneName)));
    place = chosen;
    return std::nullopt;
}

// What to write, from the options that say it; the place is read apart.
struct Request {
    MonthRange range;
    QString format;
    CalendarOptions calendar;
};

std::variant<Failure, Request> readRequest(const std::map<QString, QString>& options) {
    const auto value = [&](const char* name, const char* otherwise) {
        const auto found = options.find(QString::fromLatin1(name));
        return found == options.end() ? QString::fromLatin1(otherwise) : found->second;
    };
    if (!options.count(QStringLiteral("month")))
        return badInput(QCoreApplication::translate(
            "CommandLine", "--month YYYY-MM is needed; see horavela --help"));
    const std::optional<year_month> first = readMonth(options.at(QStringLiteral("month")));
    if (!first)
        return badInput(QCoreApplication::translate("CommandLine",
                                                    "--month \"%1\" is not a month such as 2025-03")
                            .arg(shownValue(options.at(QStringLiteral("month")))));
    bool counted = false;
    const int count = value("months", "1").toInt(&counted);
    if (!counted || count < 1 || count > MostMonths)
        return badInput(QCoreApplication::translate("CommandLine",
                                                    "--months \"%1\" is not a number from 1 to 12")
                            .arg(shownValue(value("months", ""))));
    const year_month last = *first + months{count - 1};
    if (*first < FirstMonth || last > LastMonth)
        return badInput(QCoreApplication::translate("CommandLine",
                                                    "the months must lie from 1901-01 to 2050-12"));
    Request request{{*first, count}, value("format", "text"), {}};
    const QStringList formats{QStringLiteral("text"), QStringLiteral("csv"), QStringLiteral("ics"),
                              QStringLiteral("pdf")};
    if (!formats.contains(request.format))
        return badInput(QCoreApplication::translate("CommandLine",
                                                    "--format \"%1\" is not text, csv, ics or pdf")
                            .arg(shownValue(request.format)));
    // PDF is binary: a terminal would show it as noise, and a pipe seldom wants it.
    if (request.format == QStringLiteral("pdf") && !options.count(QStringLiteral("out")))
        return badInput(QCoreApplication::translate(
            "CommandLine",
            "--format pdf needs --out FILE: a PDF is not written to standard output"));
    // The other formats show every period, as the month window saves them.
    for (const char* name : {"periods", "alarm"})
        if (options.count(QString::fromLatin1(name)) && request.format != QStringLiteral("ics"))
            return badInput(QCoreApplication::translate(
                                "CommandLine", "--%1 chooses what the calendar holds: give it with "
                                               "--format ics")
                                .arg(QString::fromLatin1(name)));
    const std::optional<std::array<bool, 3>> periods = readPeriods(value("periods", "rahu"));
    if (!periods)
        return badInput(QCoreApplication::translate(
                            "CommandLine",
                            "--periods \"%1\" is not a comma-separated list of rahu, yamaganda "
                            "and gulika, each at most once")
                            .arg(shownValue(value("periods", ""))));
    const std::optional<int> alarm = readAlarm(value("alarm", "10"));
    if (!alarm)
        return badInput(QCoreApplication::translate(
                            "CommandLine",
                            "--alarm \"%1\" is neither none nor a number of minutes from 1 to 1440")
                            .arg(shownValue(value("alarm", ""))));
    request.calendar.periods = *periods;
    request.calendar.reminderMinutes = *alarm;
    request.calendar.stamp = QDateTime::currentDateTimeUtc();
    return request;
}

// The file's bytes; nothing when the PDF cannot be drawn, as without a QGuiApplication's fonts.
std::optional<QByteArray> monthFile(const Request& request, const Place& place) {
    if (request.format == QStringLiteral("csv"))
        return monthCsv(place, request.range);
    if (request.format == QStringLiteral("ics"))
        return monthCalendar(place, request.range, request.calendar);
    if (request.format == QStringLiteral("pdf")) {
        if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
            return std::nullopt;
        QByteArray pdf = monthPdf(QLocale(), place, request.range);
        if (pdf.isEmpty())
            return std::nullopt;
        return pdf;
    }
    return monthText(QLocale(), place, request.range);
}

// While it lives, the places database's own warnings are dropped; everything else goes where it
// went before.
class QuietPlacesLog {
public:
    QuietPlacesLog() : previous_(qInstallMessageHandler(&QuietPlacesLog::handle)) {
        outer() = previous_;
    }
    ~QuietPlacesLog() {
        qInstallMessageHandler(previous_);
        outer() = previous_;
    }
    QuietPlacesLog(const QuietPlacesLog&) = delete;
    QuietPlacesLog& operator=(const QuietPlacesLog&) = delete;

private:
    static QtMessageHandler& outer() {
        static QtMessageHandler handler = nullptr;
        return handler;
    }
    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& text) {
        if (context.category && qstrcmp(context.category, "horavela.places") == 0 &&
            type != QtFatalMsg)
            return;
        if (outer())
            outer()(type, context, text);
    }
    QtMessageHandler previous_;
};

} // namespace

bool isCommandLine(int argc, const char* const argv[]) {
    if (argc < 2 || argv[1] == nullptr)
        return false;
    const QString first = QString::fromLocal8Bit(argv[1]);
    return first.startsWith(u'-') && !QtWindowOptions.contains(optionName(first)) &&
           !TrayOption.contains(first);
}

bool startsInTray(int argc, const char* const argv[]) {
    if (isCommandLine(argc, argv))
        return false;
    for (int n = 1; n < argc && argv[n] != nullptr; ++n)
        if (TrayOption.contains(QString::fromLocal8Bit(argv[n])))
            return true;
    return false;
}

bool commandLineDrawsPages(const QStringList& arguments) {
    QCommandLineParser parser;
    addOptions(parser);
    // A failure here is reported by runCommandLine, which parses the same arguments again.
    static_cast<void>(parser.parse(QStringList{QStringLiteral("horavela")} + arguments));
    return parser.value(QStringLiteral("format")) == QStringLiteral("pdf");
}

int runCommandLine(const QStringList& arguments, std::ostream& out, std::ostream& err) {
    // The window's choice, so that even a message about the options speaks it.
    useLanguage(languageToSpeak(keptLanguage()));
    // The database says why it cannot be used in a warning of its own; here the one line of the
    // failure says it.
    const QuietPlacesLog quiet;
    QCommandLineParser parser;
    if (const std::optional<Failure> failure = readOptions(arguments, parser))
        return fail(err, *failure);
    std::map<QString, QString> options;
    for (const QString& name : ValueOptions)
        if (parser.isSet(name))
            options[name] = parser.value(name);
    if (const auto language = options.find(QStringLiteral("language")); language != options.end()) {
        if (!isKnownLanguage(language->second))
            return fail(err, badInput(QCoreApplication::translate(
                                          "CommandLine",
                                          "--language \"%1\" is not one of en, hi, bn, te, mr, ta, "
                                          "gu, kn, ml, pa and or")
                                          .arg(shownValue(language->second))));
        useLanguage(language->second);
    }
    if (parser.isSet(HelpNames.back())) {
        out << QCoreApplication::translate("CommandLine", HelpText).toStdString();
        return out.flush() ? 0 : NotWritten;
    }
    if (parser.isSet(VersionName)) {
        out << "horavela " << ProgramVersion << '\n';
        return out.flush() ? 0 : NotWritten;
    }
    const std::variant<Failure, Request> request = readRequest(options);
    if (const Failure* failure = std::get_if<Failure>(&request))
        return fail(err, *failure);
    const Request& asked = std::get<Request>(request);

    Place place;
    const bool byName = options.count(QStringLiteral("place")) != 0;
    if (byName && (options.count(QStringLiteral("lat")) || options.count(QStringLiteral("lon")) ||
                   options.count(QStringLiteral("zone"))))
        return fail(err, badInput(QCoreApplication::translate(
                             "CommandLine", "give --place, or --lat, --lon and --zone, not both")));
    const std::optional<Failure> placeFailure =
        byName ? placeByName(options.at(QStringLiteral("place")), place)
               : placeByCoordinates(options, place);
    if (placeFailure)
        return fail(err, *placeFailure);

    const std::optional<QByteArray> bytes = monthFile(asked, place);
    if (!bytes)
        return fail(err, {NotWritten,
                          QCoreApplication::translate("CommandLine", "the PDF cannot be drawn")});
    if (options.count(QStringLiteral("out"))) {
        if (const std::optional<QString> failure =
                saveWhole(options.at(QStringLiteral("out")), *bytes))
            return fail(err, {NotWritten, *failure});
        return 0;
    }
    out.write(bytes->constData(), bytes->size());
    if (!out.flush())
        return fail(err, {NotWritten, QCoreApplication::translate(
                                          "CommandLine", "standard output cannot be written")});
    return 0;
}

} // namespace horavela
