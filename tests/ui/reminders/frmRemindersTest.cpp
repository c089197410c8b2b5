// The Reminders window and the settings it keeps: what it opens with, what
// OK, Cancel and a failed write leave kept, and that it opens only once. The
// settings lie in a folder of the test's own.
#include "ui/reminders/frmReminders.h"

#include "month/MonthTexts.h"
#include "platform/KeptSettings.h"
#include "platform/Language.h"
#include "tests/support/ModalAnswerer.h"
#include "tests/support/WindowParts.h"
#include "tools/windowdriver/WindowDriver.h"
#include "ui/reminders/KeptReminders.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

using namespace horavela;

Q_DECLARE_METATYPE(horavela::ReminderSettings)

namespace {

QLatin1String onOrOff(bool on) {
    return on ? QLatin1String("on") : QLatin1String("off");
}

// "on 10, off 10, off 10", in DayPeriod's order: a failure shows what differs.
QString described(const ReminderSettings& settings) {
    QStringList periods;
    for (const ReminderSetting& setting : settings)
        periods << QStringLiteral("%1 %2").arg(onOrOff(setting.on)).arg(setting.minutesBefore);
    return periods.join(u", ");
}

// Each period's check box and spin box, in DayPeriod's order.
const char* const Boxes[3][2] = {
    {"chkRahu", "spnRahu"}, {"chkYamaganda", "spnYamaganda"}, {"chkGulika", "spnGulika"}};

QString settingsFile() {
    return KeptSettings().fileName();
}

void writeSettings(const QByteArray& contents) {
    QDir().mkpath(QFileInfo(settingsFile()).path());
    QFile file(settingsFile());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(contents), contents.size());
}

} // namespace

class frmRemindersTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void controlsAreNamedAndReachable();
    void spinBoxIsOffWhilePeriodIsOff();
    void keptValuesOrThePeriodsDefaults_data();
    void keptValuesOrThePeriodsDefaults();
    void okKeepsWhatIsShownAndTellsTheOpener_data();
    void okKeepsWhatIsShownAndTellsTheOpener();
    void cancelKeepsNothing_data();
    void cancelKeepsNothing();
    void failedWriteSaysSoAndStaysOpen();
    void secondOpeningBringsUpTheOpenWindow();
    void anotherLanguageRenamesTheOpenWindow();

private:
    frmReminders* open(std::function<void(const ReminderSettings&)> changed = {},
                       QWidget* over = nullptr);
    void show(const ReminderSettings& settings) const;

    QTemporaryDir folder_;
    QPointer<frmReminders> window_;
};

void frmRemindersTest::initTestCase() {
    QVERIFY(folder_.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder_.path());
    // The registry on Windows takes no path: never touch the user's own settings.
    if (!settingsFile().startsWith(folder_.path()))
        QSKIP(qPrintable(u"the settings are not kept apart from the user's here: "_qs +
                         settingsFile()));
}

void frmRemindersTest::init() {
    QFile::remove(settingsFile());
}

void frmRemindersTest::cleanup() {
    if (window_)
        window_->close();
    QTRY_VERIFY(!window_);
    QDir(settingsFile()).removeRecursively();
    QFile::remove(settingsFile());
}

frmReminders* frmRemindersTest::open(std::function<void(const ReminderSettings&)> changed,
                                     QWidget* over) {
    window_ = showRemindersWindow(over, std::move(changed));
    if (!QTest::qWaitForWindowActive(window_))
        qWarning("the Reminders window did not become active");
    return window_;
}

// As a user sets them: the check box first, as the spin box is off while it is off.
void frmRemindersTest::show(const ReminderSettings& settings) const {
    for (std::size_t n = 0; n < settings.size(); ++n) {
        control<QCheckBox>(window_, Boxes[n][0])->setChecked(true);
        control<QSpinBox>(window_, Boxes[n][1])->setValue(settings[n].minutesBefore);
        control<QCheckBox>(window_, Boxes[n][0])->setChecked(settings[n].on);
    }
}

void frmRemindersTest::controlsAreNamedAndReachable() {
    open();
    QCOMPARE(window_->objectName(), u"frmReminders"_qs);
    QCOMPARE(window_->windowTitle(), u"Reminders"_qs);
    const char* const texts[3] = {"&Rahu Kaal", "&Yamaganda", "&Gulika Kaal"};
    QStringList tabOrder;
    for (std::size_t n = 0; n < 3; ++n) {
        QCOMPARE(control<QCheckBox>(window_, Boxes[n][0])->text(), QLatin1String(texts[n]));
        const auto* minutes = control<QSpinBox>(window_, Boxes[n][1]);
        QCOMPARE(minutes->minimum(), 0);
        QCOMPARE(minutes->maximum(), MaxMinutesBefore);
        QCOMPARE(minutes->accessibleName(),
                 u"Minutes before "_qs + QString::fromLatin1(texts[n]).remove(u'&'));
        tabOrder << QLatin1String(Boxes[n][0]) << QLatin1String(Boxes[n][1]);
    }
    QVERIFY2(control<QPushButton>(window_, "cmdOK")->isDefault(), "Enter does not press OK");
    QCOMPARE(control<QPushButton>(window_, "cmdCancel")->text(), u"&Cancel"_qs);
    tabOrder << u"cmdOK"_qs << u"cmdCancel"_qs;
    // Every period on: Tab passes over the spin box of one that is off.
    show({{{true, 10}, {true, 10}, {true, 10}}});
    QStringList reached{QApplication::focusWidget()->objectName()};
    for (int n = 1; n < tabOrder.size(); ++n) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        reached << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(reached, tabOrder);
    // The access keys switch their periods.
    QTest::keyClick(window_, Qt::Key_Y, Qt::AltModifier);
    QTest::keyClick(window_, Qt::Key_R, Qt::AltModifier);
    QTRY_COMPARE(described(window_->shownSettings()), u"off 10, off 10, on 10"_qs);
}

void frmRemindersTest::spinBoxIsOffWhilePeriodIsOff() {
    open();
    for (const auto& [check, spin] : Boxes) {
        auto* on = control<QCheckBox>(window_, check);
        const auto* minutes = control<QSpinBox>(window_, spin);
        for (int press = 0; press < 2; ++press) {
            QVERIFY2(minutes->isEnabled() == on->isChecked(),
                     qPrintable(QStringLiteral("%1 is %2 while %3 is %4")
                                    .arg(QLatin1String(spin), onOrOff(minutes->isEnabled()),
                                         QLatin1String(check), onOrOff(on->isChecked()))));
            on->setFocus();
            QTest::keyClick(on, Qt::Key_Space);
        }
    }
}

void frmRemindersTest::keptValuesOrThePeriodsDefaults_data() {
    QTest::addColumn<QByteArray>("kept");
    QTest::addColumn<QString>("read");
    const QByteArray group = "[General]\nlanguage=ta\n\n[reminders]\n";
    addRow("no settings at all", QByteArray(), u"on 10, off 10, off 10"_qs);
    addRow("nothing kept in the group", group, u"on 10, off 10, off 10"_qs);
    addRow("all kept",
           group + "rahuKaalOn=false\nrahuKaalMinutesBefore=0\nyamagandaOn=true\n"
                   "yamagandaMinutesBefore=120\ngulikaKaalOn=true\n"
                   "gulikaKaalMinutesBefore=35\n",
           u"off 0, on 120, on 35"_qs);
    addRow("minutes past the most", group + "yamagandaOn=true\nyamagandaMinutesBefore=121\n",
           u"on 10, on 10, off 10"_qs);
    addRow("minutes below none", group + "rahuKaalMinutesBefore=-1\n", u"on 10, off 10, off 10"_qs);
    addRow("minutes not a number", group + "gulikaKaalOn=true\ngulikaKaalMinutesBefore=1O\n",
           u"on 10, off 10, on 10"_qs);
    addRow("minutes with a fraction", group + "rahuKaalMinutesBefore=12.5\n",
           u"on 10, off 10, off 10"_qs);
    addRow("minutes empty", group + "rahuKaalMinutesBefore=\n", u"on 10, off 10, off 10"_qs);
    addRow("on as neither word", group + "rahuKaalOn=no\nrahuKaalMinutesBefore=20\n",
           u"on 20, off 10, off 10"_qs);
    addRow("a list for a value", group + "yamagandaOn=true, false\n", u"on 10, off 10, off 10"_qs);
    addRow("a group heading cut short", QByteArray("[reminders\nrahuKaalOn=false\n"),
           u"on 10, off 10, off 10"_qs);
}

void frmRemindersTest::keptValuesOrThePeriodsDefaults() {
    QFETCH(QByteArray, kept);
    QFETCH(QString, read);
    if (!kept.isNull())
        writeSettings(kept);
    QCOMPARE(described(keptReminderSettings()), read);
    open();
    QCOMPARE(described(window_->shownSettings()), read);
    // Opening writes nothing, not even over a damaged file.
    QFile file(settingsFile());
    QCOMPARE(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray(), kept);
}

void frmRemindersTest::okKeepsWhatIsShownAndTellsTheOpener_data() {
    QTest::addColumn<ReminderSettings>("shown");
    addRow("each period its own minutes", ReminderSettings{{{true, 1}, {true, 2}, {true, 3}}});
    addRow("none and the most",
           ReminderSettings{{{false, 0}, {true, MaxMinutesBefore}, {true, 0}}});
    addRow("all off", ReminderSettings{{{false, 10}, {false, 10}, {false, 10}}});
    addRow("the defaults", DefaultReminderSettings);
}

void frmRemindersTest::okKeepsWhatIsShownAndTellsTheOpener() {
    QFETCH(ReminderSettings, shown);
    QStringList told;
    open([&told](const ReminderSettings& settings) { told << described(settings); });
    show(shown);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTRY_VERIFY2(!window_, "OK left the window open");
    QCOMPARE(told, QStringList{described(shown)});
    QCOMPARE(described(keptReminderSettings()), described(shown));
    open();
    QCOMPARE(described(window_->shownSettings()), described(shown));
}

void frmRemindersTest::cancelKeepsNothing_data() {
    QTest::addColumn<QString>("way");
    addRow("Cancel clicked", u"click"_qs);
    addRow("Esc", u"escape"_qs);
    addRow("Alt+C", u"alt+c"_qs);
    addRow("window closed", u"close"_qs);
}

void frmRemindersTest::cancelKeepsNothing() {
    QFETCH(QString, way);
    QStringList told;
    open([&told](const ReminderSettings& settings) { told << described(settings); });
    show({{{false, 5}, {true, 6}, {true, 7}}});
    if (way == u"click")
        QTest::mouseClick(control<QPushButton>(window_, "cmdCancel"), Qt::LeftButton);
    else if (way == u"escape")
        QTest::keyClick(control<QSpinBox>(window_, "spnYamaganda"), Qt::Key_Escape);
    else if (way == u"alt+c")
        QTest::keyClick(window_, Qt::Key_C, Qt::AltModifier);
    else
        window_->close();
    QTRY_VERIFY2(!window_, "the window stayed open");
    QCOMPARE(told, QStringList());
    QVERIFY2(!QFile::exists(settingsFile()), "the settings were written");
}

// A folder where the file should be can be neither read nor written.
void frmRemindersTest::failedWriteSaysSoAndStaysOpen() {
    QVERIFY(QDir().mkpath(settingsFile()));
    QStringList told;
    open([&told](const ReminderSettings& settings) { told << described(settings); });
    show({{{true, 15}, {false, 10}, {false, 10}}});
    ModalAnswerer answerer;
    QTest::mouseClick(control<QPushButton>(window_, "cmdOK"), Qt::LeftButton);
    QCOMPARE(
        answerer.texts,
        QStringList{u"The settings could not be written, so the reminders are as they were."_qs});
    QCOMPARE(answerer.icons, QList<QMessageBox::Icon>{QMessageBox::Critical});
    QVERIFY2(window_ && window_->isVisible(), "the window closed on a failed write");
    QCOMPARE(told, QStringList());
    QCOMPARE(described(window_->shownSettings()), u"on 15, off 10, off 10"_qs);
}

void frmRemindersTest::secondOpeningBringsUpTheOpenWindow() {
    QWidget mainWindow;
    QStringList told;
    const auto tell = [&told](const char* who) {
        return [&told, who](const ReminderSettings&) { told << QLatin1String(who); };
    };
    const QPointer<frmReminders> first = open(tell("tray, first"));
    QCOMPARE(open(tell("main window"), &mainWindow), first);
    // The tray again, whose new callback replaces its first.
    QCOMPARE(open(tell("tray, again")), first);
    int windows = 0;
    for (const QWidget* shown : QApplication::topLevelWidgets())
        windows += shown->objectName() == u"frmReminders" && shown->isVisible();
    QCOMPARE(windows, 1);
    QTest::mouseClick(control<QPushButton>(window_, "cmdOK"), Qt::LeftButton);
    told.sort();
    QCOMPARE(told, (QStringList{u"main window"_qs, u"tray, again"_qs}));
    // Opened again at once, before the closed one is deleted: a new window that stays.
    QVERIFY(window_ && window_->isHidden());
    frmReminders* next = showRemindersWindow(nullptr, {});
    QVERIFY(next != first);
    QTRY_VERIFY(!first);
    QVERIFY(next->isVisible());
    window_ = next;
}

// The period names come from outside the form, so its own retranslation misses them.
void frmRemindersTest::anotherLanguageRenamesTheOpenWindow() {
    const ReplacedTranslationsFolder translations(QStringLiteral(TRANSLATIONS_FOLDER));
    open();
    QVERIFY(useLanguage(QStringLiteral("hi")));
    // The change reaches the windows as a posted event.
    QCoreApplication::sendPostedEvents();
    const QString rahuKaal = periodName(DayPeriod::RahuKaal);
    const QString title = window_->windowTitle();
    const QString box = control<QCheckBox>(window_, "chkRahu")->text();
    const QString spin = control<QSpinBox>(window_, "spnRahu")->accessibleName();
    useLanguage(QStringLiteral("en"));
    QCoreApplication::sendPostedEvents();
    QVERIFY2(rahuKaal != u"Rahu Kaal", "Hindi was not put in use");
    QVERIFY2(title != u"Reminders", qPrintable(title));
    QCOMPARE(box, rahuKaal + u" (&R)"_qs);
    QVERIFY2(spin.contains(rahuKaal) && !spin.contains(u"Minutes"), qPrintable(spin));
    QCOMPARE(control<QCheckBox>(window_, "chkRahu")->text(), u"&Rahu Kaal"_qs);
}

QTEST_MAIN(frmRemindersTest)
#include "frmRemindersTest.moc"
