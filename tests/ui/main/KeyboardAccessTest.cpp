// The windows for users of the keyboard and of screen readers: what each
// control is called, links that are reached with Tab and pressed with a key,
// the verdict read out when the result comes up, and a whole check done
// without the mouse.
#include "app/Startup.h"
#include "app/frmAbout.h"
#include "tests/support/MainWindowTest.h"
#include "tests/support/ModalAnswerer.h"
#include "tests/support/WindowParts.h"
#include "ui/main/frmMain.h"
#include "ui/result/frmDisplay.h"
#include "weblinks/WebLinks.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#ifdef HORAVELA_HAS_QPA_ACCESSIBILITY
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#endif

using namespace horavela;

namespace {

const QString MainSite = QStringLiteral("http://" MAIN_SITE_HOST);
const QString HelpSite = QStringLiteral("http://" HELP_SITE_HOST);

QAccessibleInterface* accessible(QWidget* widget) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    if (!face)
        qFatal("%s has no accessible interface", qPrintable(widget->objectName()));
    return face;
}

// Qt on Unix-like systems names a drop-down list by its selected item and
// hands screen readers the caption through the accessible name property;
// elsewhere that property is the list's name as well.
QString spokenName(QWidget* widget) {
    QAccessibleInterface* face = accessible(widget);
    return face->role() == QAccessible::ComboBox ? widget->accessibleName()
                                                 : face->text(QAccessible::Name);
}

// Keys go where the platform sends them: to an open menu, else into the open
// modal window, which blocks the others, else to the focus.
QWidget* keyboardTarget() {
    if (QWidget* popup = QApplication::activePopupWidget())
        return popup;
    QWidget* focus = QApplication::focusWidget();
    QWidget* modal = QApplication::activeModalWidget();
    if (modal && !(focus && modal->isAncestorOf(focus)))
        return modal->focusWidget() ? modal->focusWidget() : modal;
    return focus;
}

void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* target = keyboardTarget();
    if (!target)
        qFatal("no widget takes the keyboard");
    QTest::keyClick(target, key, modifiers);
}

void type(const char* text) {
    QTest::keyClicks(keyboardTarget(), QString::fromUtf8(text));
}

QString focusName() {
    QWidget* focus = keyboardTarget();
    return focus ? focus->objectName() : QStringLiteral("(nothing)");
}

// What the screen reader was told by each Alert event.
struct Announcement {
    QObject* object;
    QString name;
    QString description;
};
QList<Announcement> announcements;

void recordAlerts(QAccessibleEvent* event) {
    if (event->type() != QAccessible::Alert)
        return;
    QAccessibleInterface* face = event->accessibleInterface();
    announcements.append({event->object(), face ? face->text(QAccessible::Name) : QString(),
                          face ? face->text(QAccessible::Description) : QString()});
}

// Qt passes accessibility events on only while an assistive tool listens;
// the switch a tool would throw belongs to the platform, outside Qt's public API.
bool setAccessibilityListening(bool on) {
#ifdef HORAVELA_HAS_QPA_ACCESSIBILITY
    QPlatformAccessibility* platform =
        QGuiApplicationPrivate::platformIntegration()->accessibility();
    if (!platform)
        return false;
    platform->setActive(on);
    return QAccessible::isActive() == on;
#else
    Q_UNUSED(on);
    return false;
#endif
}

} // namespace

class KeyboardAccessTest : public MainWindowTest {
    Q_OBJECT

private slots:
    void inputsAreNamedByTheirCaptions_data();
    void inputsAreNamedByTheirCaptions();
    void linkLabelsAreLinksAScreenReaderCanPress_data();
    void linkLabelsAreLinksAScreenReaderCanPress();
    void tzHelpIsALinkThatOpensThePicker();
    void keysOnAFocusedLinkOpenItsPage_data();
    void keysOnAFocusedLinkOpenItsPage();
    void enterOnTZHelpOpensThePickerAndEscClosesIt();
    void enterOnAnAboutLinkOpensItsPageAndLeavesTheWindowOpen();
    void resultWindowAnnouncesItsVerdict_data();
    void resultWindowAnnouncesItsVerdict();
    void wholeCheckWithTheKeyboardAlone();
};

void KeyboardAccessTest::inputsAreNamedByTheirCaptions_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");
    const struct {
        const char* control;
        const char* name;
        const char* description;
    } rows[] = {
        {"txtName", "Enter Your Name", ""},
        {"cboMonth", "Enter Date", "Month"},
        {"cboDate", "Enter Date", "Day"},
        {"cboYear", "Enter Date", "Year"},
        {"cboHour", "Enter Time", "Hour"},
        {"cboMinute", "Enter Time", "Minute"},
        {"cboSecond", "Enter Time", "Second"},
        {"txtZoneHour", "Enter Your Time Zone", "Hour"},
        {"txtZoneMinute", "Enter Your Time Zone", "Min"},
        {"txtLatD", "Enter Latitude", "Deg"},
        {"txtLatM", "Enter Latitude", "Min"},
        {"optLat_0", "North", ""},
        {"optLat_1", "South", ""},
        {"txtLonD", "Enter Longitude", "Deg"},
        {"txtLonM", "Enter Longitude", "Min"},
        {"optLong_0", "East", ""},
        {"optLong_1", "West", ""},
        {"txtMCity", "Enter Your City Name", ""},
        {"txtMState", "Enter Your State Name", ""},
        {"txtMCountry", "Enter Your Country Name", ""},
        {"cmdBrowser", "Click Here To Find Latitude & Longitude", ""},
        {"cmdRashi", "Is the Chosen Period in Rahul Kaal?", ""},
    };
    for (const auto& row : rows)
        addRow(row.control, row.control, row.name, row.description);
}

void KeyboardAccessTest::inputsAreNamedByTheirCaptions() {
    QFETCH(QString, control);
    QFETCH(QString, name);
    QFETCH(QString, description);
    auto* widget = this->control<QWidget>(qPrintable(control));
    QCOMPARE(spokenName(widget), name);
    QCOMPARE(accessible(widget)->text(QAccessible::Description), description);
}

void KeyboardAccessTest::linkLabelsAreLinksAScreenReaderCanPress_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("address");
    addRow("main Label61", "main", "Label61", MainSite);
    addRow("main lblFullBrand", "main", "lblFullBrand", HelpSite + "/fully-branded.html");
    addRow("main lblCobrand", "main", "lblCobrand", HelpSite + "/co-brand.html");
    addRow("result Label61", "result", "Label61", MainSite);
    addRow("result lblFullBrand", "result", "lblFullBrand", HelpSite + "/fully-branded.html");
    addRow("result lblCobrand", "result", "lblCobrand", HelpSite + "/co-brand.html");
    addRow("About lblHomePage", "about", "lblHomePage", MainSite);
    addRow("About lblCobrand", "about", "lblCobrand", HelpSite + "/fully-branded.html");
}

void KeyboardAccessTest::linkLabelsAreLinksAScreenReaderCanPress() {
    QFETCH(QString, window);
    QFETCH(QString, label);
    QFETCH(QString, address);
    std::unique_ptr<QWidget> other;
    if (window == QLatin1String("result"))
        other = std::make_unique<frmDisplay>(nullptr);
    else if (window == QLatin1String("about"))
        other = std::make_unique<frmAbout>();
    QWidget* owner = other ? other.get() : window_.data();

    auto* link = control<QLabel>(owner, qPrintable(label));
    QAccessibleInterface* face = accessible(link);
    QCOMPARE(face->role(), QAccessible::Link);
    QCOMPARE(face->text(QAccessible::Name), link->text());
    QAccessibleActionInterface* actions = face->actionInterface();
    QVERIFY2(actions, "the link offers no actions");
    QVERIFY2(actions->actionNames().contains(QAccessibleActionInterface::pressAction()),
             qPrintable(actions->actionNames().join(u',')));
    actions->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(pages_.opened, QStringList{address});
}

void KeyboardAccessTest::tzHelpIsALinkThatOpensThePicker() {
    QAccessibleInterface* face = accessible(control<QLabel>("lblTZHelp"));
    QCOMPARE(face->role(), QAccessible::Link);
    QCOMPARE(face->text(QAccessible::Name), QStringLiteral("TZ Help"));
    ModalAnswerer answerer;
    face->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(answerer.windows, QStringList{"frmTimeZone"});
}

void KeyboardAccessTest::keysOnAFocusedLinkOpenItsPage_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    addRow("Space", int(Qt::Key_Space), int(Qt::NoModifier));
    addRow("Return", int(Qt::Key_Return), int(Qt::NoModifier));
    addRow("keypad Enter", int(Qt::Key_Enter), int(Qt::KeypadModifier));
}

void KeyboardAccessTest::keysOnAFocusedLinkOpenItsPage() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    auto* link = control<QLabel>("Label61");
    control<QPushButton>("cmdRashi")->setFocus();
    const QImage unfocused = link->grab().toImage();
    press(Qt::Key_Tab);
    QCOMPARE(focusName(), QStringLiteral("Label61"));
    QVERIFY2(link->grab().toImage() != unfocused, "the focused link looks as it did without focus");

    ModalAnswerer answerer;
    press(Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(pages_.opened, QStringList{MainSite});
    QVERIFY2(answerer.windows.isEmpty(), qPrintable(answerer.windows.join(u',')));
    QCOMPARE(focusName(), QStringLiteral("Label61"));
    press(Qt::Key_A);
    QCOMPARE(pages_.opened.size(), 1);
}

void KeyboardAccessTest::enterOnTZHelpOpensThePickerAndEscClosesIt() {
    box("txtZoneHour")->setText(QStringLiteral("5"));
    control<QPushButton>("cmdRashi")->setFocus();
    press(Qt::Key_Tab);
    press(Qt::Key_Tab);
    QCOMPARE(focusName(), QStringLiteral("lblTZHelp"));
    bool closedByEsc = false;
    ModalAnswerer answerer([&](QWidget* picker) {
        QVERIFY(QTest::qWaitForWindowActive(picker));
        press(Qt::Key_Escape);
        closedByEsc = !picker->isVisible();
    });
    press(Qt::Key_Return);
    QCOMPARE(answerer.windows, QStringList{"frmTimeZone"});
    QVERIFY2(closedByEsc, "Esc left the picker open");
    QCOMPARE(box("txtZoneHour")->text(), QStringLiteral("5"));
    QVERIFY(box("txtZoneMinute")->text().isEmpty());
}

// The About window's OK is its default button; Enter on a link is the link's.
void KeyboardAccessTest::enterOnAnAboutLinkOpensItsPageAndLeavesTheWindowOpen() {
    QStringList visited;
    bool stayedOpen = false;
    ModalAnswerer answerer([&](QWidget* about) {
        QVERIFY(QTest::qWaitForWindowActive(about));
        visited << focusName();
        for (int i = 0; i < 3; ++i) {
            press(Qt::Key_Tab);
            visited << focusName();
        }
        press(Qt::Key_Tab);
        press(Qt::Key_Return);
        stayedOpen = about->isVisible();
        press(Qt::Key_Escape);
    });
    showAboutWindow(window_);
    QCOMPARE(answerer.windows, QStringList{"frmAbout"});
    QCOMPARE(visited, (QStringList{"cmdOK", "lblHomePage", "lblCobrand", "cmdOK"}));
    QCOMPARE(pages_.opened, QStringList{MainSite});
    QVERIFY2(stayedOpen, "Enter on the link closed the About window");
}

void KeyboardAccessTest::resultWindowAnnouncesItsVerdict_data() {
    QTest::addColumn<int>("hour");
    QTest::addColumn<QString>("verdict");
    QTest::addColumn<bool>("withNote");
    QTest::addColumn<QString>("period");
    // At the equator on 20 March 2024 Rahu Kaal runs from 12:07:28 to 13:38:19;
    // in the nights around it, in their fifth eighths of 5348 s from 18:11.
    const QString day = u"Rahukal Period (day): 3/20/2024 12:07:28 PM to 3/20/2024 1:38:19 PM"_qs;
    addRow("in Rahu Kaal", 12, "The Chosen Time Period is in Rahu Kaal", true, day);
    addRow("not in Rahu Kaal", 9, "The Chosen Time Period is not in Rahu Kaal", false, day);
    addRow("the night before", 3, "The Chosen Time Period is not in Rahu Kaal", false,
           u"Rahukal Period (night before): 3/20/2024 12:07:32 AM to 3/20/2024 1:36:39 AM"_qs);
    addRow("the night after", 22, "The Chosen Time Period is not in Rahu Kaal", false,
           u"Rahukal Period (night after): 3/21/2024 12:07:32 AM to 3/21/2024 1:36:39 AM"_qs);
}

void KeyboardAccessTest::resultWindowAnnouncesItsVerdict() {
    QFETCH(int, hour);
    QFETCH(QString, verdict);
    QFETCH(bool, withNote);
    QFETCH(QString, period);
    if (!setAccessibilityListening(true))
        QSKIP("accessibility events cannot be switched on without Qt's private platform "
              "headers (Debian package qt6-base-private-dev)");
    announcements.clear();
    QAccessible::installUpdateHandler(recordAlerts);
    const auto stopListening = qScopeGuard([] {
        QAccessible::installUpdateHandler(nullptr);
        setAccessibilityListening(false);
    });

    fill(GreenwichEquator, {2024, 3, 20, hour, 30, 0});
    QMainWindow* result = check();
    QVERIFY2(result, "the check showed no result window");
    const QString note = withNote ? control<QLabel>(result, "lblShow")->text() : QString();
    QCOMPARE(announcements.size(), 1);
    QCOMPARE(announcements[0].object,
             static_cast<QObject*>(control<QLabel>(result, "lblRahukalResult")));
    QCOMPARE(announcements[0].name, verdict);
    const QString read = withNote ? note + u' ' + period : period;
    QCOMPARE(announcements[0].description, read);
    const QString back =
        accessible(control<QPushButton>(result, "cmdOK"))->text(QAccessible::Description);
    QCOMPARE(back, verdict + u' ' + read);
}

// Only keys, each sent where the keyboard's input goes, from start-up to the
// end of the program. The example is the equator at noon on 20 March 2024,
// whose Rahu Kaal runs from 12:07:28 to 13:38:19; at latitude 0 South and
// North give the same sun, so switching to South changes no time.
void KeyboardAccessTest::wholeCheckWithTheKeyboardAlone() {
    delete window_.data();
    // The lock the start-up takes is given up when the test's program end goes.
    const QTemporaryDir lockFolder;
    QVERIFY(lockFolder.isValid());
    // Help > About below must come from the start-up alone; what it sets
    // goes with this test.
    const ReplacedAboutWindowOpener noneYet(nullptr);
    window_ = qobject_cast<QMainWindow*>(startProgram(
        [] { return new frmMain; }, lockFolder.filePath(QStringLiteral("horavela.lock"))));
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_));
    // Of the two banners, the start-up put one in front.
    const QObjectList band = control<QWidget>("Frame5")->children();
    const QString banner =
        band.indexOf(control<QLabel>("lblCobrand")) > band.indexOf(control<QLabel>("lblFullBrand"))
            ? QStringLiteral("lblCobrand")
            : QStringLiteral("lblFullBrand");

    const auto tabTo = [](const char* expected) {
        press(Qt::Key_Tab);
        return focusName() == QLatin1String(expected);
    };
    QCOMPARE(focusName(), QStringLiteral("txtName"));
    type("ram");
    QVERIFY(tabTo("cboMonth"));
    press(Qt::Key_Down);
    press(Qt::Key_Down);
    QVERIFY(tabTo("cboDate"));
    type("20");
    QVERIFY(tabTo("cboYear"));
    type("2024");
    QVERIFY(tabTo("cboHour"));
    type("12");
    QVERIFY(tabTo("cboMinute"));
    type("30");
    QVERIFY(tabTo("cboSecond"));
    type("15");
    for (const char* zoneAndLatitude : {"txtZoneHour", "txtZoneMinute", "txtLatD", "txtLatM"}) {
        QVERIFY2(tabTo(zoneAndLatitude), qPrintable(focusName()));
        type("0");
    }
    QVERIFY(tabTo("optLat_0"));
    press(Qt::Key_Down);
    QCOMPARE(focusName(), QStringLiteral("optLat_1"));
    // South has its place after the check button, so Tab goes on from there:
    // the links, then round to the name and on to the longitude.
    for (const QString& next :
         QStringList{"Label61", "lblTZHelp", banner, "txtName", "cboMonth", "cboDate", "cboYear",
                     "cboHour", "cboMinute", "cboSecond", "txtZoneHour", "txtZoneMinute", "txtLatD",
                     "txtLatM", "txtLonD"})
        QVERIFY2(tabTo(qPrintable(next)), qPrintable(next + " expected, focus on " + focusName()));
    type("0");
    QVERIFY(tabTo("txtLonM"));
    type("0");
    for (const char* next :
         {"optLong_0", "txtMCity", "txtMState", "txtMCountry", "cmdBrowser", "cmdRashi"})
        QVERIFY2(tabTo(next), qPrintable(focusName()));
    const QStringList entered = fieldStates(window_);
    press(Qt::Key_Space);

    const auto resultShows = [](const char* verdict) {
        QMainWindow* result = shownResult();
        if (!result || !QTest::qWaitForWindowActive(result))
            return QStringLiteral("no active result window");
        QStringList texts;
        for (const char* name :
             {"lblChosenDate", "lblChosenTime", "lblRahukalResult", "lblRahukalPeriod"})
            texts << resultText(name);
        const QStringList expected = {"March 20,2024", "12:30:15", verdict,
                                      "3/20/2024 12:07:28 PM to 3/20/2024 1:38:19 PM"};
        if (texts != expected)
            return texts.join(u'|');
        return focusName() == QLatin1String("cmdOK") ? QString()
                                                     : "focus on " + focusName() + ", not Back";
    };
    const QString inRahuKaal = resultShows("The Chosen Time Period is in Rahu Kaal");
    QVERIFY2(inRahuKaal.isEmpty(), qPrintable(inRahuKaal));

    press(Qt::Key_Return);
    QVERIFY2(window_->isVisible(), "Enter on Back did not show the main window");
    QVERIFY(QTest::qWaitForWindowActive(window_));
    QTRY_VERIFY(!shownResult());
    QCOMPARE(fieldStates(window_), entered);

    press(Qt::Key_F, Qt::AltModifier);
    QVERIFY2(QApplication::activePopupWidget(), "Alt+F opened no menu");
    press(Qt::Key_Return);
    const QString byMenu = resultShows("The Chosen Time Period is in Rahu Kaal");
    QVERIFY2(byMenu.isEmpty(), qPrintable(byMenu));

    bool aboutClosedByEsc = false;
    ModalAnswerer answerer([&](QWidget* about) {
        QVERIFY(QTest::qWaitForWindowActive(about));
        press(Qt::Key_Escape);
        aboutClosedByEsc = !about->isVisible();
    });
    press(Qt::Key_H, Qt::AltModifier);
    QVERIFY2(QApplication::activePopupWidget(), "Alt+H opened no menu");
    press(Qt::Key_A);
    QCOMPARE(answerer.windows, QStringList{"frmAbout"});
    QVERIFY2(aboutClosedByEsc, "Esc left the About window open");
    QVERIFY(shownResult());
    QTRY_COMPARE(focusName(), QStringLiteral("cmdOK"));

    QPointer<QMainWindow> result = shownResult();
    press(Qt::Key_Escape);
    QCOMPARE(programEnds_, 1);
    QTRY_VERIFY2(window_.isNull() && result.isNull(), "the program ended with a window loaded");
}

QTEST_MAIN(KeyboardAccessTest)
#include "KeyboardAccessTest.moc"
