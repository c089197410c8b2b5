// "Start with the Desktop": what is written starts this program in the tray
// whatever its path, reads back as on until it is removed or turned off, and
// an entry that is not ours is never taken for ours nor removed. The user's
// own list is never touched: a temporary configuration folder, or on Windows
// the Run value as it was put back.
#include "platform/Autostart.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace horavela {
namespace {

#ifdef Q_OS_WIN
const QString RunKey =
    QStringLiteral("HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run");
const QString RunValue = QStringLiteral("Horavela");
#endif

class Autostart : public testing::Test {
protected:
    void SetUp() override {
#if defined(Q_OS_WIN)
        const QSettings run(RunKey, QSettings::NativeFormat);
        if (run.contains(RunValue))
            saved_ = run.value(RunValue).toString();
#elif defined(Q_OS_DARWIN)
        QStandardPaths::setTestModeEnabled(true);
        QFile::remove(entryFile());
#else
        ASSERT_TRUE(config_.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config_.path()));
#endif
    }

    void TearDown() override {
#if defined(Q_OS_WIN)
        QSettings run(RunKey, QSettings::NativeFormat);
        if (saved_)
            run.setValue(RunValue, *saved_);
        else
            run.remove(RunValue);
#elif defined(Q_OS_DARWIN)
        QFile::remove(entryFile());
#endif
    }

    // Where the entry is on systems that keep it in a file.
    QString entryFile() const {
#ifdef Q_OS_DARWIN
        return QDir::cleanPath(
            QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
            QStringLiteral("/../LaunchAgents/" HORAVELA_APP_ID ".plist"));
#else
        return config_.filePath(QStringLiteral("autostart/horavela.desktop"));
#endif
    }

    // The entry as the system keeps it: the file's text, or the Run value.
    std::optional<QString> entry() const {
#ifdef Q_OS_WIN
        const QSettings run(RunKey, QSettings::NativeFormat);
        if (!run.contains(RunValue))
            return std::nullopt;
        return run.value(RunValue).toString();
#else
        QFile file(entryFile());
        if (!file.open(QIODevice::ReadOnly))
            return std::nullopt;
        return QString::fromUtf8(file.readAll());
#endif
    }

    void putEntry(const QString& text) const {
#ifdef Q_OS_WIN
        QSettings(RunKey, QSettings::NativeFormat).setValue(RunValue, text);
#else
        ASSERT_TRUE(QDir().mkpath(QFileInfo(entryFile()).path()));
        QFile file(entryFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text.toUtf8());
#endif
    }

private:
    QTemporaryDir config_;
    std::optional<QString> saved_;
};

#if !defined(Q_OS_WIN) && !defined(Q_OS_DARWIN)
// Exec's arguments as a desktop reads them: the format's escapes undone
// first, then the quoting, then the field codes.
QStringList execArguments(const QString& exec) {
    QString unescaped;
    for (qsizetype n = 0; n < exec.size(); ++n) {
        if (exec[n] != u'\\' || n + 1 == exec.size()) {
            unescaped += exec[n];
            continue;
        }
        switch (exec[++n].unicode()) {
        case u's':
            unescaped += u' ';
            break;
        case u'n':
            unescaped += u'\n';
            break;
        case u't':
            unescaped += u'\t';
            break;
        case u'r':
            unescaped += u'\r';
            break;
        case u'\\':
            unescaped += u'\\';
            break;
        default: // the quoting's own, undone next
            unescaped += u'\\';
            unescaped += exec[n];
        }
    }
    QStringList arguments;
    QString current;
    bool quoted = false;
    bool started = false;
    for (qsizetype n = 0; n < unescaped.size(); ++n) {
        const QChar c = unescaped[n];
        if (quoted && c == u'\\' && n + 1 < unescaped.size()) {
            current += unescaped[++n];
        } else if (c == u'"') {
            quoted = !quoted;
            started = true;
        } else if (c == u' ' && !quoted) {
            if (started)
                arguments << current;
            current.clear();
            started = false;
        } else {
            current += c;
            started = true;
        }
    }
    if (started)
        arguments << current;
    // A field code other than %% stands for files the start is given: none.
    for (QString& argument : arguments) {
        QString expanded;
        for (qsizetype n = 0; n < argument.size(); ++n)
            if (argument[n] != u'%')
                expanded += argument[n];
            else if (++n < argument.size() && argument[n] == u'%')
                expanded += u'%';
        argument = expanded;
    }
    return arguments;
}

// The value of a key of the written entry.
QString keyValue(const QString& text, const QString& key) {
    for (const QString& line : text.split(u'\n'))
        if (line.startsWith(key + u'='))
            return line.mid(key.size() + 1);
    return {};
}
#endif

TEST_F(Autostart, EntryStartsTheProgramInTheTrayWhateverItsPathUntilRemoved) {
#ifdef Q_OS_WIN
    const char* const paths[] = {
        "C:/Program Files/Horavela/bin/horavela.exe",
        "C:/Users/Ravi Kumar/AppData/Local/Programs/100% Horavela/horavela.exe",
        "D:/\u092A\u0941\u0923\u0947/horavela.exe",
    };
#else
    const char* const paths[] = {
        "/usr/bin/horavela",
        "/opt/Hora Vela/bin/horavela",
        "/home/ravi/it's \"mine\"/horavela",
        "/home/ravi/$HOME `id` a\\b/horavela",
        "/home/ravi/100% sure/%f %u/horavela",
        "/home/ravi/\u092A\u0941\u0923\u0947 \u092E\u093E\u0930\u094D\u091A/horavela",
    };
#endif
    const QString validator =
        QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    for (const char* typed : paths) {
        const QString path = QString::fromUtf8(typed);
        const std::string what = typed;
        ASSERT_FALSE(startsWithDesktop()) << what;
        ASSERT_TRUE(setStartWithDesktop(true, path)) << what;
        EXPECT_TRUE(startsWithDesktop()) << what;
        const QString written = entry().value_or(QString());
#if defined(Q_OS_WIN)
        EXPECT_EQ(written, u'"' + QDir::toNativeSeparators(path) + QStringLiteral("\" --tray"))
            << what;
#elif defined(Q_OS_DARWIN)
        EXPECT_TRUE(
            written.contains(QStringLiteral("<string>%1</string>\n\t\t<string>--tray</string>")
                                 .arg(path.toHtmlEscaped())))
            << what << "\n"
            << written.toStdString();
#else
        EXPECT_EQ(execArguments(keyValue(written, QStringLiteral("Exec"))),
                  (QStringList{path, QStringLiteral("--tray")}))
            << what << "\n"
            << written.toStdString();
        // The icon the packages install, so that the desktop shows the program's own.
        EXPECT_EQ(keyValue(written, QStringLiteral("Icon")), QStringLiteral(HORAVELA_APP_ID));
        if (!validator.isEmpty()) {
            QProcess validate;
            validate.setProcessChannelMode(QProcess::MergedChannels);
            validate.start(validator, {entryFile()});
            ASSERT_TRUE(validate.waitForFinished(30000)) << what;
            EXPECT_EQ(validate.exitCode(), 0) << what << "\n" << validate.readAll().toStdString();
        }
#endif
        // Written again over itself, as a second tick of the box does.
        ASSERT_TRUE(setStartWithDesktop(true, path)) << what;
        ASSERT_TRUE(setStartWithDesktop(false, path)) << what;
        EXPECT_FALSE(startsWithDesktop()) << what;
        EXPECT_FALSE(entry()) << what << " is still listed";
    }
#if !defined(Q_OS_WIN) && !defined(Q_OS_DARWIN)
    if (validator.isEmpty())
        GTEST_SKIP() << "desktop-file-validate (desktop-file-utils) is missing: the entries were "
                        "read back but not validated";
#endif
}

TEST_F(Autostart, OnlyOurEntryTurnedOnCountsAndOnlyOursIsRemoved) {
    const struct {
        const char* name;
        const char* text;
        bool starts;
        bool removed; // when turned off
    } rows[] = {
#if defined(Q_OS_WIN)
        {"ours", "\"C:\\Programs\\horavela.exe\" --tray", true, true},
        {"ours from before a move", "\"D:\\Old\\horavela.exe\" --tray", true, true},
        {"another program's", "\"C:\\Programs\\other.exe\"", false, false},
#elif defined(Q_OS_DARWIN)
        {"ours",
         "<plist><dict><key>ProgramArguments</key><array><string>/Applications/"
         "Horavela.app/Contents/MacOS/horavela</string><string>--tray</string></array>"
         "</dict></plist>",
         true, true},
        {"ours, turned off",
         "<plist><dict><key>Disabled</key>\n<true/><key>ProgramArguments</key><array><string>"
         "/Applications/Horavela.app/Contents/MacOS/horavela</string><string>--tray</string>"
         "</array></dict></plist>",
         false, true},
        {"another program's",
         "<plist><dict><key>ProgramArguments</key><array><string>/bin/"
         "other</string></array></dict></plist>",
         false, false},
#else
        {"ours",
         "[Desktop Entry]\nType=Application\nName=Horavela\nExec=\"/usr/bin/horavela\" "
         "--tray\n",
         true, true},
        {"ours, hidden by the desktop's settings",
         "[Desktop Entry]\nType=Application\nName=Horavela\nExec=\"/usr/bin/horavela\" --tray\n"
         "Hidden=true\n",
         false, true},
        {"ours, turned off in GNOME",
         "[Desktop Entry]\nType=Application\nExec=\"/usr/bin/horavela\" --tray\n"
         "X-GNOME-Autostart-enabled=false\n",
         false, true},
        {"another program's", "[Desktop Entry]\nType=Application\nExec=other --daemon\n", false,
         false},
        {"ours in another group",
         "[Desktop Action Tray]\nExec=\"/usr/bin/horavela\" --tray\n[Desktop Entry]\n"
         "Type=Application\nExec=other\n",
         false, false},
        {"not a desktop entry", "Exec=\"/usr/bin/horavela\" --tray\n", false, false},
#endif
    };
    for (const auto& row : rows) {
        putEntry(QString::fromUtf8(row.text));
        EXPECT_EQ(startsWithDesktop(), row.starts) << row.name;
        EXPECT_TRUE(setStartWithDesktop(false, QStringLiteral("/usr/bin/horavela"))) << row.name;
        EXPECT_EQ(!entry(), row.removed) << row.name;
        EXPECT_FALSE(startsWithDesktop()) << row.name;
    }
}

#if !defined(Q_OS_WIN) && !defined(Q_OS_DARWIN)
// A list that cannot be written says so, and is not read as on.
TEST_F(Autostart, UnwritableListIsReported) {
    const QString autostart = QFileInfo(entryFile()).path();
    QFile inTheWay(autostart);
    ASSERT_TRUE(inTheWay.open(QIODevice::WriteOnly));
    inTheWay.close();
    EXPECT_FALSE(setStartWithDesktop(true, QStringLiteral("/usr/bin/horavela")));
    EXPECT_FALSE(startsWithDesktop());
    ASSERT_TRUE(QFile::remove(autostart));
    ASSERT_TRUE(QDir().mkpath(entryFile()));
    EXPECT_FALSE(setStartWithDesktop(true, QStringLiteral("/usr/bin/horavela")));
    EXPECT_FALSE(startsWithDesktop());
}
#endif

} // namespace
} // namespace horavela
