#include "platform/Autostart.h"

#include <QDir>
#include <QSettings>

#ifndef _WIN32
#include "platform/ReplaceFile.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <map>
#include <optional>
#endif

namespace horavela {

namespace {

const QString TrayOption = QStringLiteral("--tray");

} // namespace

#ifdef _WIN32

namespace {

// The user's own list, which needs no administrator.
const QString RunKey =
    QStringLiteral("HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run");
const QString RunValue = QStringLiteral("Horavela");

bool isStartInTray(const QSettings& run) {
    return run.value(RunValue).toString().endsWith(QLatin1Char(' ') + TrayOption);
}

} // namespace

bool startsWithDesktop() {
    const QSettings run(RunKey, QSettings::NativeFormat);
    return isStartInTray(run);
}

bool setStartWithDesktop(bool on, const QString& programPath) {
    QSettings run(RunKey, QSettings::NativeFormat);
    if (on) {
        // A path on Windows never holds a quotation mark: quoting it is enough.
        run.setValue(
            RunValue,
            QStringLiteral("\"%1\" %2").arg(QDir::toNativeSeparators(programPath), TrayOption));
    } else if (isStartInTray(run)) {
        // What someone else put under the name is theirs to take out.
        run.remove(RunValue);
    }
    run.sync();
    return run.status() == QSettings::NoError;
}

#else

namespace {

// Far larger than any entry of ours; a bigger file is not read.
constexpr qint64 MostEntryBytes = 64 * 1024;

#ifdef Q_OS_DARWIN

QString entryPath() {
    // ~/Library/LaunchAgents beside ~/Library/Preferences, and beside the
    // tests' own folder in their test mode.
    return QDir::cleanPath(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                           QStringLiteral("/../LaunchAgents/" HORAVELA_APP_ID ".plist"));
}

QByteArray entryText(const QString& programPath) {
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
                          "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
                          "<plist version=\"1.0\">\n"
                          "<dict>\n"
                          "\t<key>Label</key>\n"
                          "\t<string>" HORAVELA_APP_ID "</string>\n"
                          "\t<key>ProgramArguments</key>\n"
                          "\t<array>\n"
                          "\t\t<string>%1</string>\n"
                          "\t\t<string>%2</string>\n"
                          "\t</array>\n"
                          "\t<key>RunAtLoad</key>\n"
                          "\t<true/>\n"
                          "</dict>\n"
                          "</plist>\n")
        .arg(programPath.toHtmlEscaped(), TrayOption)
        .toUtf8();
}

bool isStartInTray(const QByteArray& text) {
    return text.contains("<string>" + TrayOption.toUtf8() + "</string>");
}

// launchctl and the system's settings turn an agent off with this key.
bool isTurnedOff(const QByteArray& text) {
    static const QRegularExpression disabled(QStringLiteral("<key>Disabled</key>\\s*<true\\s*/>"));
    return disabled.match(QString::fromUtf8(text)).hasMatch();
}

#else

QString entryPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/autostart/horavela.desktop");
}

// One argument of Exec, as desktop entries quote it: each of " ` $ \ behind
// a backslash, and % doubled so that it is not taken for a field code.
QString execArgument(const QString& argument) {
    QString quoted;
    for (const QChar c : argument) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            quoted += u'\\';
        quoted += c;
        if (c == u'%')
            quoted += u'%';
    }
    return u'"' + quoted + u'"';
}

// A string value as the desktop entry's format escapes it, after the quoting.
QString escapedValue(const QString& value) {
    QString escaped;
    for (const QChar c : value)
        if (c == u'\\')
            escaped += QStringLiteral("\\\\");
        else if (c == u'\n')
            escaped += QStringLiteral("\\n");
        else if (c == u'\t')
            escaped += QStringLiteral("\\t");
        else if (c == u'\r')
            escaped += QStringLiteral("\\r");
        else
            escaped += c;
    return escaped;
}

QByteArray entryText(const QString& programPath) {
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=Horavela\n"
                          "Exec=%1 %2\n"
                          "Icon=" HORAVELA_APP_ID "\n"
                          "Terminal=false\n"
                          "X-GNOME-Autostart-enabled=true\n")
        .arg(escapedValue(execArgument(programPath)), TrayOption)
        .toUtf8();
}

// The keys of the file's [Desktop Entry] group; the first of a key counts.
std::map<QString, QString> desktopEntry(const QByteArray& text) {
    std::map<QString, QString> keys;
    bool inEntry = false;
    for (const QByteArray& raw : text.split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        if (line.startsWith(u'[')) {
            inEntry = line == QStringLiteral("[Desktop Entry]");
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (inEntry && equals > 0)
            keys.emplace(line.left(equals).trimmed(), line.mid(equals + 1).trimmed());
    }
    return keys;
}

QString valueOf(const std::map<QString, QString>& keys, const QString& key) {
    const auto found = keys.find(key);
    return found == keys.end() ? QString() : found->second;
}

// An entry that starts a program in the tray: the one this program writes,
// whatever the path it named then.
bool isStartInTray(const QByteArray& text) {
    const std::map<QString, QString> keys = desktopEntry(text);
    return valueOf(keys, QStringLiteral("Type")) == QStringLiteral("Application") &&
           valueOf(keys, QStringLiteral("Exec")).endsWith(u' ' + TrayOption);
}

// The desktops' own settings turn an entry off without removing it.
bool isTurnedOff(const QByteArray& text) {
    const std::map<QString, QString> keys = desktopEntry(text);
    return valueOf(keys, QStringLiteral("Hidden")) == QStringLiteral("true") ||
           valueOf(keys, QStringLiteral("X-GNOME-Autostart-enabled")) == QStringLiteral("false");
}

#endif

std::optional<QByteArray> readEntry() {
    QFile file(entryPath());
    if (!QFileInfo(file).isFile() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.read(MostEntryBytes);
}

} // namespace

bool startsWithDesktop() {
    const std::optional<QByteArray> text = readEntry();
    return text && isStartInTray(*text) && !isTurnedOff(*text);
}

bool setStartWithDesktop(bool on, const QString& programPath) {
    const QString path = entryPath();
    if (on) {
        // A new user's configuration may have no such folder yet.
        return QDir().mkpath(QFileInfo(path).path()) &&
               replaceFile(path, entryText(programPath)).problem == ReplaceProblem::None;
    }
    // What someone else put under the name is theirs to take out.
    const std::optional<QByteArray> text = readEntry();
    if (!text || !isStartInTray(*text))
        return true;
    return QFile::remove(path);
}

#endif

} // namespace horavela
