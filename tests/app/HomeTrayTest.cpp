// The home place's reminders and its now-and-next lines, with the clock moved through a day at
// Pune. The offscreen platform has no tray, so the icon itself is left to the test on a real
// desktop; here the reminders come with no icon, as they do where the desktop has no tray.
#include "app/HomeTray.h"

#include "platform/Clock.h"
#include "platform/KeptSettings.h"
#include "tests/support/FakeGazetteer.h"
#include "tests/support/MainWindowTest.h"
#include "tests/support/ModalAnswerer.h"
#include "tests/support/PuneTuesday.h"
#include "ui/main/HomePlace.h"
#include "ui/main/frmMain.h"
#include "ui/reminders/KeptReminders.h"

#include <QFile>
#include <QPointer>
#include <QSystemTrayIcon>
#include <QTest>
#include <chrono>

using namespace horavela;
using namespace std::chrono;

namespace {

Place longyearbyen() {
    return linkedPlace("Longyearbyen", "Arctic/Longyearbyen", 78, 13, 15, 38);
}

} // namespace

Q_DECLARE_METATYPE(horavela::ReminderSettings)
Q_DECLARE_METATYPE(horavela::DayPeriod)

class HomeTrayTest : public MainWindowTest {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void remindsOnceAndNeverLate_data();
    void remindsOnceAndNeverLate();
    void saysWhatIsOnNowAndNext_data();
    void saysWhatIsOnNowAndNext();
    void withoutHomePlaceSaysAndRemindsNothing();
    void closingWithoutTrayEndsTheProgram();

private:
    // Goes with the window, as in the program.
    QPointer<HomeTray> tray(const Place& home, const ReminderSettings& settings);
    QStringList shown_;
    // The kept home place's zone is found again by name, as the places give it.
    FakeGazetteer gazetteer_{{}};
    ScopedGazetteer usingFake_{gazetteer_};
};

void HomeTrayTest::initTestCase() {
    MainWindowTest::initTestCase();
    if (!KeptSettings().fileName().contains(u"qttest"))
        QSKIP(qPrintable(u"the settings are not kept apart from the user's here: "_qs +
                         KeptSettings().fileName()));
}

void HomeTrayTest::init() {
    QFile::remove(KeptSettings().fileName());
    shown_.clear();
    MainWindowTest::init();
}

void HomeTrayTest::cleanup() {
    MainWindowTest::cleanup();
    QFile::remove(KeptSettings().fileName());
}

QPointer<HomeTray> HomeTrayTest::tray(const Place& home, const ReminderSettings& settings) {
    if (!keepHomePlace(home) || !keepReminderSettings(settings))
        qFatal("the settings could not be written");
    auto* main = qobject_cast<frmMain*>(window_.data());
    return new HomeTray(*main,
                        [this](const QString& text, QSystemTrayIcon*) { shown_.append(text); });
}

void HomeTrayTest::remindsOnceAndNeverLate_data() {
    QTest::addColumn<ReminderSettings>("settings");
    QTest::addColumn<DayPeriod>("period");
    QTest::addColumn<int>("secondsFromStart"); // the present moment, from the period's start
    QTest::addColumn<QStringList>("shown");
    const ReminderSettings rahu = DefaultReminderSettings;
    ReminderSettings all = DefaultReminderSettings;
    all[std::size_t(DayPeriod::Yamaganda)] = {true, 1};
    all[std::size_t(DayPeriod::GulikaKaal)] = {true, 0};
    const QString tenBefore = QStringLiteral("Rahu Kaal starts at 3:12 PM, in 10 minutes (Pune)");
    QTest::newRow("10 minutes before")
        << rahu << DayPeriod::RahuKaal << -600 << QStringList{tenBefore};
    QTest::newRow("within the minute after")
        << rahu << DayPeriod::RahuKaal << -545 << QStringList{tenBefore};
    QTest::newRow("over a minute late: not shown")
        << rahu << DayPeriod::RahuKaal << -535 << QStringList{};
    QTest::newRow("11 minutes before: not yet")
        << rahu << DayPeriod::RahuKaal << -660 << QStringList{};
    QTest::newRow("at the start") << rahu << DayPeriod::RahuKaal << 0
                                  << QStringList{"Rahu Kaal starts now (Pune)"};
    QTest::newRow("Yamaganda, off by default")
        << rahu << DayPeriod::Yamaganda << 0 << QStringList{};
    QTest::newRow("Yamaganda, 1 minute before")
        << all << DayPeriod::Yamaganda << -60
        << QStringList{"Yamaganda starts at 9:40 AM, in 1 minute (Pune)"};
    QTest::newRow("Gulika Kaal, 0 minutes: only at the start")
        << all << DayPeriod::GulikaKaal << 0 << QStringList{"Gulika Kaal starts now (Pune)"};
}

void HomeTrayTest::remindsOnceAndNeverLate() {
    QFETCH(ReminderSettings, settings);
    QFETCH(DayPeriod, period);
    QFETCH(int, secondsFromStart);
    QFETCH(QStringList, shown);
    const QDateTime present = periodStart(pune(), period, seconds{secondsFromStart});
    const ReplacedClock clock([present] { return present; });
    const auto home = tray(pune(), settings);
    // A second wake at the same moment, as after a change of the clock, shows nothing again.
    home->wake();
    home->reload();
    QCOMPARE(shown_, shown);
}

void HomeTrayTest::saysWhatIsOnNowAndNext_data() {
    QTest::addColumn<bool>("polar");
    QTest::addColumn<int>("secondsFromStart"); // from Rahu Kaal's start
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("before Rahu Kaal")
        << false << -60 << QStringList{"Next: Rahu Kaal, 3:12 PM to 4:35 PM"};
    QTest::newRow("in Rahu Kaal") << false << 120
                                  << QStringList{"Rahu Kaal now, until 4:35 PM",
                                                 "Next: Yamaganda tomorrow, 8:18 AM to 9:41 AM"};
    QTest::newRow("in the evening")
        << false << 3 * 3600 << QStringList{"Next: Yamaganda tomorrow, 8:18 AM to 9:41 AM"};
    QTest::newRow("sun up all day at Longyearbyen")
        << true << 0 << QStringList{"No periods today: sun up all day"};
}

void HomeTrayTest::saysWhatIsOnNowAndNext() {
    QFETCH(bool, polar);
    QFETCH(int, secondsFromStart);
    QFETCH(QStringList, lines);
    const QDateTime present =
        polar ? QDateTime(QDate(2026, 6, 21), QTime(12, 0), Qt::UTC)
              : periodStart(pune(), DayPeriod::RahuKaal, seconds{secondsFromStart});
    const ReplacedClock clock([present] { return present; });
    const auto home = tray(polar ? longyearbyen() : pune(), DefaultReminderSettings);
    QCOMPARE(home->nowLines(), lines);
    QCOMPARE(shown_, QStringList());
}

void HomeTrayTest::withoutHomePlaceSaysAndRemindsNothing() {
    const QDateTime present = periodStart(pune(), DayPeriod::RahuKaal, seconds{-600});
    const ReplacedClock clock([present] { return present; });
    const auto home = tray(pune(), DefaultReminderSettings);
    QCOMPARE(shown_.size(), 1);
    ModalAnswerer answerer;
    // The window was loaded before the place was kept, so its entry is not enabled yet.
    QVERIFY(QMetaObject::invokeMethod(window_, "mnuForgetHome_Click"));
    QCOMPARE(answerer.texts, QStringList());
    QCOMPARE(home->nowLines(), QStringList());
    home->wake();
    QCOMPARE(shown_.size(), 1);
}

// Where no tray icon is shown, closing the window ends the program as it always did.
void HomeTrayTest::closingWithoutTrayEndsTheProgram() {
    QVERIFY(keepTrayOn(true));
    const auto home = tray(pune(), DefaultReminderSettings);
    QCOMPARE(home->icon() != nullptr, QSystemTrayIcon::isSystemTrayAvailable());
    if (home->icon())
        QSKIP("this platform has a tray; the test on a real desktop closes into it");
    window_->close();
    QCOMPARE(programEnds_, 1);
}

QTEST_MAIN(HomeTrayTest)
#include "HomeTrayTest.moc"
