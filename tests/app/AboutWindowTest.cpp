// The About window: its layout, its ways of closing and its two links.
#include "app/frmAbout.h"
#include "tests/support/UrlRecorder.h"
#include "tests/support/WindowLayout.h"
#include "tools/windowdriver/WindowDriver.h"
#include "weblinks/modHelp.h"

#include <QApplication>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <functional>

namespace horavela {

namespace {

// Runs `inspect` on the About window once it is up, then shows it from an
// owner window and waits for showAboutWindow to return. A watchdog closes
// the window if the test's own way of closing it failed, so a fault shows as
// a failed check instead of a hung test.
bool showAboutAndInspect(const std::function<void(QDialog&)>& inspect) {
    QWidget owner;
    owner.show();
    bool inspected = false;
    bool watchdogFired = false;
    QTimer::singleShot(0, [&] {
        auto* about = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!about)
            return;
        QVERIFY(QTest::qWaitForWindowExposed(about));
        inspected = true;
        inspect(*about);
    });
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [&] {
        watchdogFired = true;
        if (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
    });
    watchdog.start(5000);
    showAboutWindow(&owner);
    return inspected && !watchdogFired;
}

} // namespace

class AboutWindowTest : public QObject {
    Q_OBJECT

private slots:
    void everyControlSitsAtItsPlace();
    void textsNameTheProgramItsSiteAndItsAuthors();
    void showsModalCentredWithTheProgramIcon();
    void eachWayOfClosingClosesIt_data();
    void eachWayOfClosingClosesIt();
    void linksOpenTheirPagesAndLeaveTheWindowOpen();
};

void AboutWindowTest::everyControlSitsAtItsPlace() {
    frmAbout about;
    QCOMPARE(about.objectName(), QStringLiteral("frmAbout"));
    QVERIFY2(about.size() == QSize(401, 273),
             qPrintable(QStringLiteral("client area is %1 x %2, expected 401 x 273")
                            .arg(about.width())
                            .arg(about.height())));
    QVERIFY2(about.minimumSize() == about.maximumSize(), "the About window can be resized");

    const char* const fullBrandText = "Home Business Opportunity. Start your own Internet business "
                                      "and make money online. Get this software fully branded for "
                                      "your website.";
    const char* const detailsText = "Click here for more details";
    const ControlLayout layout[] = {
        {"picIcon", fromTwips(150, 150, 510, 510), {8.25, Regular, 0, nullptr}},
        {"Label2", fromTwips(780, 285, 2130, 240), {9.75, Bold}},
        {"Label1", fromTwips(120, 840, 5835, 975), {8.25}},
        {"Label3", fromTwips(120, 2520, 5685, 675), {8.25, Bold}, fullBrandText},
        {"lblCobrand", fromTwips(3360, 3240, 2610, 195), {8.25, BoldUnderlined}, detailsText},
        {"cmdOK", fromTwips(4680, 3600, 1260, 345), {8.25, Bold}, "&OK"},
    };
    const QStringList faults = layoutMismatches(&about, layout);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));

    // The home page link keeps its place and width; its text shrinks to show the whole address.
    auto* homePage = control<QLabel>(&about, "lblHomePage");
    const QRect homePlace = fromTwips(1320, 2040, 4650, 195);
    const QFontMetrics homeMetrics(homePage->font());
    QVERIFY2(homePage->pos() == homePlace.topLeft() && homePage->width() == homePlace.width(),
             qPrintable(QStringLiteral("lblHomePage at %1, expected at %2")
                            .arg(describe(homePage->geometry()), describe(homePlace))));
    QVERIFY2(homeMetrics.horizontalAdvance(homePage->text()) <= homePage->width() &&
                 homeMetrics.height() <= homePage->height(),
             "the home page link is cut off");
    QVERIFY2(
        homePage->font().pointSizeF() <= 9.75 && homePage->font().bold() &&
            homePage->font().underline(),
        qPrintable(QStringLiteral("lblHomePage has font %1").arg(homePage->font().toString())));

    auto* line = control<QFrame>(&about, "Line2");
    QVERIFY2(line && line->frameShape() == QFrame::HLine, "Line2 is not a horizontal line");
    QVERIFY2(line->y() == 3480 / TwipsPerPixel && line->x() == 0 && line->width() >= about.width(),
             qPrintable(QStringLiteral("Line2 at %1 does not cross the window at height 232")
                            .arg(describe(line->geometry()))));

    QVERIFY2(control<QPushButton>(&about, "cmdOK")->isDefault(), "cmdOK is not the default button");
}

void AboutWindowTest::textsNameTheProgramItsSiteAndItsAuthors() {
    frmAbout about;
    const auto text = [&](const char* name) { return control<QLabel>(&about, name)->text(); };
    QCOMPARE(about.windowTitle(), QStringLiteral("Horavela v1.15"));
    QCOMPARE(text("Label2"), QStringLiteral("Horavela v1.15"));
    QCOMPARE(text("lblHomePage"), QStringLiteral("Click here to visit ") + mainSiteAddress());
    QVERIFY2(text("Label1").startsWith(QStringLiteral(
                 "Horavela calculates the Rahu Kaal. Rahu Kaal is an inauspicious time period in a "
                 "day when favorable tasks are not performed. It is preferable to do all important "
                 "and good tasks in the time before or after the Rahu Kaal. ")),
             "the description is not the program's");
    QVERIFY2(text("Label1").contains(QStringLiteral("the Horavela authors")),
             "the rights sentence does not name the Horavela authors");
}

void AboutWindowTest::showsModalCentredWithTheProgramIcon() {
    bool modal = false;
    bool focusOnOk = false;
    bool hasIcon = false;
    bool showsIcon = false;
    QPoint centre;
    const QPoint screenCentre = QGuiApplication::primaryScreen()->availableGeometry().center();
    const bool closed = showAboutAndInspect([&](QDialog& about) {
        modal = about.isModal();
        focusOnOk =
            about.focusWidget() && about.focusWidget()->objectName() == QStringLiteral("cmdOK");
        hasIcon = !about.windowIcon().isNull();
        const QPixmap icon = control<QLabel>(&about, "picIcon")->pixmap();
        showsIcon = !icon.isNull();
        centre = about.frameGeometry().center();
        about.close();
    });
    QVERIFY2(closed, "the About window did not come up, or did not close");
    QVERIFY2(modal, "the About window is not modal");
    QVERIFY2(focusOnOk, "cmdOK is not first in the tab order");
    QVERIFY2(hasIcon && showsIcon, "the program icon is missing from the About window");
    QVERIFY2((centre - screenCentre).manhattanLength() <= 2,
             qPrintable(QStringLiteral("centred at (%1, %2), the screen's centre is (%3, %4)")
                            .arg(centre.x())
                            .arg(centre.y())
                            .arg(screenCentre.x())
                            .arg(screenCentre.y())));
}

void AboutWindowTest::eachWayOfClosingClosesIt_data() {
    QTest::addColumn<int>("way");
    QTest::newRow("Enter") << 0;
    QTest::newRow("Esc") << 1;
    QTest::newRow("OK button") << 2;
    QTest::newRow("close box") << 3;
}

void AboutWindowTest::eachWayOfClosingClosesIt() {
    QFETCH(int, way);
    UrlRecorder browser;
    const bool closed = showAboutAndInspect([&](QDialog& about) {
        auto* ok = control<QPushButton>(&about, "cmdOK");
        switch (way) {
        case 0:
            QTest::keyClick(&about, Qt::Key_Return);
            break;
        case 1:
            QTest::keyClick(&about, Qt::Key_Escape);
            break;
        case 2:
            QTest::mouseClick(ok, Qt::LeftButton);
            break;
        case 3:
            about.windowHandle()->close();
            break;
        }
    });
    QVERIFY2(closed, "the About window stayed open");
    QVERIFY2(browser.opened.isEmpty(), "closing the About window opened a web page");
}

void AboutWindowTest::linksOpenTheirPagesAndLeaveTheWindowOpen() {
    UrlRecorder browser;
    QStringList afterHomePage;
    bool openAfterHomePage = false;
    bool openAfterCobrand = false;
    const bool closed = showAboutAndInspect([&](QDialog& about) {
        QTest::mouseClick(control<QWidget>(&about, "lblHomePage"), Qt::LeftButton);
        afterHomePage = browser.opened;
        openAfterHomePage = about.isVisible();
        QTest::mouseClick(control<QWidget>(&about, "lblCobrand"), Qt::LeftButton);
        openAfterCobrand = about.isVisible();
        about.close();
    });
    QVERIFY(closed);
    QCOMPARE(afterHomePage, QStringList{mainSiteAddress()});
    QVERIFY2(openAfterHomePage, "clicking lblHomePage closed the About window");
    QVERIFY2(openAfterCobrand, "clicking lblCobrand closed the About window");
    const QString fullBrandPage =
        QStringLiteral("http://") + QLatin1String(EXPECTED_HELP_SITE_HOST "/fully-branded.html");
    QVERIFY2(browser.opened.size() == 2 && browser.opened.at(1) == fullBrandPage,
             qPrintable(QStringLiteral("lblCobrand opened [%1], expected the fully-branded page")
                            .arg(browser.opened.mid(1).join(QStringLiteral(", ")))));
}

} // namespace horavela

QTEST_MAIN(horavela::AboutWindowTest)
#include "AboutWindowTest.moc"
