// The home place's tray icon on a real desktop of the test's own
// (tests/support/desktop-session.sh): trayer holds the icon, dunst shows the reminders, and the
// built program started in the tray comes up when it is started again. The clock is moved through
// Tuesday 8 December 2026 at Pune, whose Rahu Kaal runs from 3:12 PM to 4:35 PM.
#include "app/HomeTray.h"
#include "platform/Clock.h"
#include "platform/InstanceLock.h"
#include "platform/KeptSettings.h"
#include "platform/Language.h"
#include "platform/Notifier.h"
#include "tests/support/DunstHistory.h"
#include "tests/support/FakeGazetteer.h"
#include "tests/support/MainWindowTest.h"
#include "tests/support/ModalAnswerer.h"
#include "tests/support/ProgramCopy.h"
#include "tests/support/PuneTuesday.h"
#include "ui/main/HomePlace.h"
#include "ui/main/frmMain.h"
#include "ui/reminders/KeptReminders.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMenu>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>
#include <QSystemTrayIcon>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>
#include <algorithm>
#include <chrono>
#include <ctime>
#include <memory>
#include <optional>

using namespace horavela;
using namespace std::chrono;

namespace {

// The universal moment of Rahu Kaal's start at Pune that day, moved by `offset`.
QDateTime rahuKaalStart(seconds offset) {
    return periodStart(pune(), DayPeriod::RahuKaal, offset);
}

qint64 lastReceivedId() {
    const QList<QJsonObject> all = receivedAfter(-1);
    return all.isEmpty() ? 0 : all.last()[u"id"].toInteger();
}

QImage picture(const QSystemTrayIcon& icon) {
    return icon.icon().pixmap(32, 32).toImage();
}

const QString TrayStart = QStringLiteral("started in the system tray");
const QString ShownFromTray = QStringLiteral("main window shown from the tray");
const QString OnScreen = QStringLiteral("main window on screen");

} // namespace

class TrayDesktopTest : public MainWindowTest {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void iconSaysWhatIsOnAndMarksThePeriod();
    void desktopShowsEachReminderOnce();
    void menuListsNowNextAndItsEntries();
    void closingGoesIntoTheTrayAndComesBack();
    void quitAndExitEndTheProgram_data();
    void quitAndExitEndTheProgram();
    void secondStartBringsUpTheCopyInTheTray();

private:
    // Keeps Pune as the home place with the tray on, and makes the tray the program makes, with
    // the desktop's own notifications; it goes with the window.
    QPointer<HomeTray> tray();

    QDateTime present_;
    std::optional<ReplacedClock> clock_;
    FakeGazetteer gazetteer_{{}};
    ScopedGazetteer usingFake_{gazetteer_};
};

void TrayDesktopTest::initTestCase() {
    MainWindowTest::initTestCase();
    if (!KeptSettings().fileName().contains(u"qttest"))
        QSKIP(qPrintable(u"the settings are not kept apart from the user's here: "_qs +
                         KeptSettings().fileName()));
    QTRY_VERIFY2(QSystemTrayIcon::isSystemTrayAvailable(), "the session's tray never came up");
}

void TrayDesktopTest::init() {
    QFile::remove(KeptSettings().fileName());
    present_ = rahuKaalStart(-hours{1});
    clock_.emplace([this] { return present_; });
    MainWindowTest::init();
}

void TrayDesktopTest::cleanup() {
    MainWindowTest::cleanup();
    clock_.reset();
    QFile::remove(KeptSettings().fileName());
}

QPointer<HomeTray> TrayDesktopTest::tray() {
    if (!keepHomePlace(pune()) || !keepTrayOn(true) ||
        !keepReminderSettings(DefaultReminderSettings))
        qFatal("the settings could not be written");
    auto* main = qobject_cast<frmMain*>(window_.data());
    return new HomeTray(*main, [](const QString& text, QSystemTrayIcon* icon) {
        showNotification(QStringLiteral("Horavela"), text, icon);
    });
}

void TrayDesktopTest::iconSaysWhatIsOnAndMarksThePeriod() {
    const auto home = tray();
    QSystemTrayIcon* icon = home->icon();
    QVERIFY2(icon && icon->isVisible(), "no tray icon shown with the home place and the tray on");
    // trayer gives the icon a place of its own once it has taken it in.
    QTRY_VERIFY2(!icon->geometry().isEmpty(), "the tray never took the icon in");
    const QImage plain = picture(*icon);

    const QString tomorrow = QStringLiteral("Next: Yamaganda tomorrow, 8:18 AM to 9:41 AM");
    const struct {
        int secondsFromStart;
        QString toolTip;
        bool marked;
    } moments[] = {
        {-60, QStringLiteral("Pune\nNext: Rahu Kaal, 3:12 PM to 4:35 PM"), false},
        {120, QStringLiteral("Pune\nRahu Kaal now, until 4:35 PM\n") + tomorrow, true},
        {3 * 3600, QStringLiteral("Pune\n") + tomorrow, false},
    };
    for (const auto& moment : moments) {
        present_ = rahuKaalStart(seconds{moment.secondsFromStart});
        home->wake();
        QCOMPARE(icon->toolTip(), moment.toolTip);
        QVERIFY2((picture(*icon) != plain) == moment.marked,
                 qPrintable(QStringLiteral("%1 s from Rahu Kaal's start the icon is %2")
                                .arg(moment.secondsFromStart)
                                .arg(moment.marked ? "unmarked" : "still marked")));
    }
}

void TrayDesktopTest::desktopShowsEachReminderOnce() {
    const auto home = tray();
    const struct {
        int secondsFromStart;
        QString text;
    } reminders[] = {
        {-600, QStringLiteral("Rahu Kaal starts at 3:12 PM, in 10 minutes (Pune)")},
        {0, QStringLiteral("Rahu Kaal starts now (Pune)")},
    };
    for (const auto& reminder : reminders) {
        const qint64 lastId = lastReceivedId();
        present_ = rahuKaalStart(seconds{reminder.secondsFromStart});
        const qint64 before = bootMicroseconds();
        home->wake();
        // A second wake at the same moment, as after a change of the clock, shows nothing more.
        home->wake();
        QList<QJsonObject> received;
        QTRY_VERIFY2_WITH_TIMEOUT(!(received = receivedAfter(lastId)).isEmpty(),
                                  "dunst never received the reminder", 10000);
        // Room for a second one, had it been sent.
        QTest::qWait(500);
        received = receivedAfter(lastId);
        QCOMPARE(received.size(), 1);
        const QJsonObject& shown = received.first();
        QCOMPARE(shown[u"appname"].toString(), QStringLiteral("Horavela"));
        QCOMPARE(shown[u"summary"].toString(), QStringLiteral("Horavela"));
        QCOMPARE(shown[u"body"].toString(), reminder.text);
        qInfo("dunst received \"%s\" (summary \"%s\") %lld ms after the wake, the clock at %s",
              qUtf8Printable(shown[u"body"].toString()),
              qUtf8Printable(shown[u"summary"].toString()),
              (shown[u"timestamp"].toInteger() - before) / 1000,
              qUtf8Printable(present_.toTimeZone(QTimeZone("Asia/Kolkata"))
                                 .toString(QStringLiteral("ddd d MMM yyyy HH:mm:ss t"))));
    }
}

void TrayDesktopTest::menuListsNowNextAndItsEntries() {
    present_ = rahuKaalStart(seconds{120});
    const auto home = tray();
    QVERIFY(home->icon());
    QMenu* menu = home->icon()->contextMenu();
    QVERIFY2(menu, "the tray icon has no menu");
    QStringList entries;
    for (const QAction* action : menu->actions())
        if (!action->isSeparator())
            entries.append(action->objectName() + u' ' + action->text());
    QCOMPARE(entries, (QStringList{
                          "mnuTrayNow Rahu Kaal now, until 4:35 PM",
                          "mnuTrayNext Next: Yamaganda tomorrow, 8:18 AM to 9:41 AM",
                          "mnuTrayOpen Open Horavela",
                          "mnuTrayMonth Rahu Kaal of the Month...",
                          "mnuTrayReminders Reminders...",
                          "mnuTrayQuit Quit",
                      }));

    // A change of language renames the entries and says the lines again in it.
    const ReplacedTranslationsFolder translations(QStringLiteral(TRANSLATIONS_FOLDER));
    QVERIFY(useLanguage(QStringLiteral("hi")));
    QCoreApplication::sendPostedEvents();
    const QString open = control<QAction>(menu, "mnuTrayOpen")->text();
    const QString now = control<QAction>(menu, "mnuTrayNow")->text();
    useLanguage(QStringLiteral("en"));
    QCoreApplication::sendPostedEvents();
    QCOMPARE(open, u"Horavela खोलें"_qs);
    QVERIFY2(now.startsWith(u"राहु काल"_qs), qPrintable(now));
    QCOMPARE(control<QAction>(menu, "mnuTrayOpen")->text(), u"Open Horavela"_qs);
}

void TrayDesktopTest::closingGoesIntoTheTrayAndComesBack() {
    const auto home = tray();
    QVERIFY(home->icon());
    ModalAnswerer answerer;
    window_->close();
    QVERIFY2(!window_->isVisible(), "the main window stayed on screen");
    QVERIFY(home->onlyInTray());
    QTRY_COMPARE(answerer.texts.size(), 1);
    QCOMPARE(answerer.texts.first(),
             QStringLiteral("Horavela goes on running in the system tray, and its reminders still "
                            "come. To end it, choose \"Quit\" in the menu of its icon there."));
    QCOMPARE(programEnds_, 0);

    QVERIFY(home->showFromTray());
    QVERIFY(QTest::qWaitForWindowExposed(window_));
    QVERIFY2(!home->showFromTray(), "a window on screen was taken for one in the tray");
    // Told once: the second close goes into the tray without a word.
    window_->close();
    QTest::qWait(300);
    QVERIFY(!window_->isVisible());
    QCOMPARE(answerer.texts.size(), 1);
    QCOMPARE(programEnds_, 0);

    // Without its icon the program could not be reached, so the window comes back.
    QVERIFY(QMetaObject::invokeMethod(window_, "mnuTray_Click", Q_ARG(bool, false)));
    QVERIFY2(!home->icon(), "the icon stayed with the tray turned off");
    QVERIFY2(window_->isVisible(), "the tray went with the window still hidden");
    QVERIFY(!isTrayKeptOn());
    QCOMPARE(answerer.texts.size(), 1);
    QCOMPARE(programEnds_, 0);
}

void TrayDesktopTest::quitAndExitEndTheProgram_data() {
    QTest::addColumn<bool>("fromTray"); // the tray's Quit, else File > Exit
    QTest::addColumn<bool>("windowHidden");
    QTest::newRow("Quit with the window in the tray") << true << true;
    QTest::newRow("Quit with the window on screen") << true << false;
    QTest::newRow("File > Exit with the tray on") << false << false;
}

void TrayDesktopTest::quitAndExitEndTheProgram() {
    QFETCH(bool, fromTray);
    QFETCH(bool, windowHidden);
    const auto home = tray();
    QVERIFY(home->icon());
    ModalAnswerer answerer;
    if (windowHidden)
        QVERIFY(home->takeIntoTray());
    if (fromTray) {
        QAction* quit = nullptr;
        for (QAction* action : home->icon()->contextMenu()->actions())
            if (action->objectName() == u"mnuTrayQuit")
                quit = action;
        QVERIFY2(quit, "the tray's menu has no Quit");
        quit->trigger();
    } else {
        QVERIFY(QMetaObject::invokeMethod(window_, "mnuExit_Click"));
    }
    QCOMPARE(programEnds_, 1);
}

// The built program, started with the desktop into the tray, in a configuration folder of its
// own that holds the home place with the tray on. Its copies use their user's real lock.
void TrayDesktopTest::secondStartBringsUpTheCopyInTheTray() {
    if (!keepHomePlace(pune()) || !keepTrayOn(true))
        QFAIL("the settings could not be written");
    QTemporaryDir home;
    QVERIFY(home.isValid());
    const QString config = home.filePath(QStringLiteral("config"));
    // Where the program keeps its settings under a configuration folder: the maker's folder and
    // the file, as this test's own settings file ends.
    const QFileInfo ours(KeptSettings().fileName());
    const QString kept = QDir(config).filePath(ours.dir().dirName() + u'/' + ours.fileName());
    QVERIFY(QDir().mkpath(QFileInfo(kept).path()));
    QVERIFY(QFile::copy(KeptSettings().fileName(), kept));

    QProcessEnvironment env;
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QStringLiteral("HOME"), home.path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), config);
    env.insert(QStringLiteral("XDG_CACHE_HOME"), home.filePath(QStringLiteral("cache")));
    env.insert(QStringLiteral("QT_LOGGING_RULES"),
               QStringLiteral("horavela.startup.info=true;horavela.tray.info=true"));
    env.insert(QStringLiteral("QT_FORCE_STDERR_LOGGING"), QStringLiteral("1"));
    const auto start = [&env](const QStringList& arguments) {
        return std::make_unique<ProgramCopy>(QStringLiteral(HORAVELA_PROGRAM), arguments, env,
                                             QProcess::MergedChannels);
    };

    auto first = start({QStringLiteral("--tray")});
    QVERIFY2(first->waitForLineHolding(QStringLiteral("lock")), qPrintable(first->everything()));
    if (first->everything().contains(u"another copy holds the lock"))
        QSKIP("a copy of the program is running for this user");
    QVERIFY2(first->waitForLineHolding(TrayStart), qPrintable(first->everything()));
    // The icon is made, and says what is on, before the start ends.
    QVERIFY2(first->everything().contains(u"tool tip: Pune | "), qPrintable(first->everything()));
    QVERIFY2(!first->everything().contains(OnScreen), "the copy in the tray showed its window");

    // It asks the copy in the tray, which shows its window, and ends with no message.
    auto second = start({});
    QVERIFY2(second->endsWithin(10000),
             qPrintable(u"a second start did not end by itself:\n"_qs + second->everything()));
    QVERIFY2(!second->crashed() && second->exitCode() == 0, qPrintable(second->everything()));
    QVERIFY2(second->everything().contains(u"the running copy brought its window up"),
             qPrintable(second->everything()));
    QVERIFY2(first->waitForLineHolding(ShownFromTray), qPrintable(first->everything()));

    // With the window on screen, a further start is refused as it always was: it waits on its
    // message, and shows no window of its own.
    auto third = start({});
    QVERIFY2(third->waitForLineHolding(QStringLiteral("the running copy stays as it is")),
             qPrintable(third->everything()));
    QVERIFY2(!third->endsWithin(1500),
             qPrintable(u"a refused copy ended without its message:\n"_qs + third->everything()));
    QVERIFY2(!third->everything().contains(OnScreen), "a refused copy showed its main window");
    QVERIFY2(first->isRunning(), "the copy in the tray ended when others started");
}

QTEST_MAIN(TrayDesktopTest)
#include "TrayDesktopTest.moc"
