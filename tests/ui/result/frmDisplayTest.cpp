// The result window on its own: its layout, what a check writes into it, its
// links, and the ways back and out.
#include "ui/result/frmDisplay.h"

#include "app/frmAbout.h"
#include "lifetime/ProgramEnd.h"
#include "tests/support/ModalAnswerer.h"
#include "tests/support/UrlRecorder.h"
#include "tests/support/WindowLayout.h"
#include "tests/support/WindowParts.h"
#include "tools/windowdriver/WindowDriver.h"
#include "weblinks/WebLinks.h"

#include <QAction>
#include <QApplication>
#include <QFontDatabase>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>
#include <optional>
#include <utility>

using namespace horavela;

namespace {

int programEnds = 0;

ResultTexts sampleTexts(bool inRahuKaal) {
    ResultTexts texts;
    texts.chosenDate = QStringLiteral("March 20,2024");
    texts.chosenTime = QStringLiteral("12:30:0");
    texts.rahukalResult = inRahuKaal ? QStringLiteral("The Chosen Time Period is in Rahu Kaal")
                                     : QStringLiteral("The Chosen Time Period is not in Rahu Kaal");
    texts.showNote = inRahuKaal;
    texts.sunTimes = {"a1", "a2", "b1", "b2", "c1", "c2"};
    // The longest of English periods and captions.
    texts.rahukalPeriod = QStringLiteral("12/31/2024 12:07:28 PM to 12/31/2024 12:38:19 PM");
    texts.periodCaption = QStringLiteral("Rahukal Period (night before)");
    return texts;
}

} // namespace

class frmDisplayTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void clientAreaIsFixedBelowTheMenuBarAndCentred();
    void controlsFollowTheLayout();
    void opensWithTheNoteHiddenAndBackFocused();
    void periodShowsAndSunTimesNeverDo();
    void periodRowIsCentred_data();
    void periodRowIsCentred();
    void verdictAndNotesAreNeverCutOff();
    void menuBarHoldsItsEntriesInOrder();
    void linksAndMenuEntriesOpenTheirAddresses_data();
    void linksAndMenuEntriesOpenTheirAddresses();
    void aboutEntryShowsTheAboutWindowModally();
    void backUnloadsTheWindowAndShowsTheInput_data();
    void backUnloadsTheWindowAndShowsTheInput();
    void everyWayOutEndsTheProgram_data();
    void everyWayOutEndsTheProgram();

private:
    template <typename T> T* control(const char* name) const {
        return horavela::control<T>(window_, name);
    }

    QPointer<QWidget> input_;
    QPointer<frmDisplay> window_;
    UrlRecorder pages_;
    std::optional<ReplacedProgramEnd> programEnd_;
};

void frmDisplayTest::init() {
    programEnds = 0;
    pages_.opened.clear();
    programEnd_.emplace([] { ++programEnds; });
    input_ = new QWidget;
    input_->setObjectName(QStringLiteral("frmMain"));
    window_ = new frmDisplay(input_);
    window_->writeResult(sampleTexts(true));
    window_->show();
    QVERIFY(QTest::qWaitForWindowActive(window_));
}

void frmDisplayTest::cleanup() {
    delete window_.data();
    delete input_.data();
    programEnd_.reset();
}

void frmDisplayTest::clientAreaIsFixedBelowTheMenuBarAndCentred() {
    QCOMPARE(window_->windowTitle(), QStringLiteral("Horavela v1.15"));
    QCOMPARE(window_->centralWidget()->size(), QSize(553, 296));
    QCOMPARE(window_->centralWidget()->y(), window_->menuBar()->height());
    QCOMPARE(window_->minimumSize(), window_->maximumSize());
    const Qt::WindowFlags flags = window_->windowFlags();
    QVERIFY2(!(flags & Qt::WindowMinimizeButtonHint) && !(flags & Qt::WindowMaximizeButtonHint),
             "the window offers to minimize or maximize");
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    const QPoint offCentre =
        window_->geometry().center() - window_->screen()->availableGeometry().center();
    // Odd sizes cannot be centred to the pixel.
    QVERIFY2(qAbs(offCentre.x()) <= 2 && qAbs(offCentre.y()) <= 2,
             "the window is not centred on the screen");
}

// The verdict, the note and the advice may be set smaller, down to 6 points,
// where a wider stand-in for Verdana would not fit them.
void frmDisplayTest::controlsFollowTheLayout() {
    const char* const noteText =
        "Rahu Kal is an inauspicious time period in a day when favorable tasks are not performed.";
    const char* const adviceText =
        "*Do all important and good tasks in the time before or after the Rahu Kal.";
    const QColor black(0, 0, 0), darkRed(192, 0, 0), red(255, 0, 0), white(255, 255, 255);
    const LayoutFont link{8.25, BoldUnderlined}, bold{8.25, Bold}, period{9.75, Bold, 6.5};
    const LayoutFont verdict{9.75, Bold, 6}, note{9.0, Bold, 6}, advice{8.25, Bold, 6};
    const ControlLayout layout[] = {
        {"Frame2", fromTwips(0, 0, 8295, 615)},
        {"Label61", fromTwips(120, 120, 8040, 585), link, nullptr, black, white},
        {"Frame3", fromTwips(0, 600, 8295, 2655), {11.25, Bold}, "Horavela Result"},
        {"Label10", fromTwips(1440, 360, 1215, 195), bold, "Chosen Date", black},
        {"lblChosenDate", fromTwips(1335, 600, 1425, 195), bold, nullptr, darkRed},
        {"lblChosenTimell", fromTwips(5280, 360, 1245, 195), {}, "Chosen Time"},
        {"lblChosenTime", fromTwips(5160, 600, 1455, 195), bold, nullptr, darkRed},
        {"lblRahukalResult", fromTwips(1575, 1080, 4665, 240), verdict, nullptr, darkRed},
        {"lblShow", fromTwips(1080, 1560, 6165, 570), note, noteText, black},
        {"Label9", fromTwips(4800, 2160, 3360, 435), advice, adviceText, red},
        {"cmdExit", fromTwips(0, 3360, 1740, 465), {}, "&Exit"},
        {"cmdOK", fromTwips(1800, 3360, 6540, 465), {}, "&Back"},
        {"Frame5", fromTwips(-120, 3840, 9255, 615)},
        {"lblFullBrand", fromTwips(150, 120, 8235, 615), link, nullptr, black},
        {"lblCobrand", fromTwips(120, 120, 8235, 615), link, nullptr, black},
        {"Frame1", fromTwips(1680, 5400, 5295, 855)},
        {"Label6", {}, {}, "Sun Rise Time On"},
        {"Label5", {}, {}, "Sun Set Time On"},
        {"Label1", {}, {}, "Sun Rise Time On"},
        {"Label2", {}, {}, "Sun Set Time On"},
        {"Label8", {}, {}, "Sun Rise Time On"},
        {"Label7", {}, {}, "Sun Set Time On"},
        {"Label4", {}, period, "Rahukal Period (night before)", black},
        {"lblRahukalPeriod", {}, period, nullptr, black},
    };
    const QStringList faults = layoutMismatches(window_, layout);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
}

void frmDisplayTest::opensWithTheNoteHiddenAndBackFocused() {
    frmDisplay fresh(nullptr);
    QVERIFY2(!fresh.isVisible(), "a new result window shows itself");
    QVERIFY2(horavela::control<QLabel>(&fresh, "lblShow")->isHidden(),
             "the note is shown before any check");
    QCOMPARE(horavela::control<QLabel>(&fresh, "lblRahukalResult")->text(),
             QStringLiteral("The Chosen Time Period is Not in Rahu Kaal"));

    // After the buttons come the links, top to bottom; the covered banner is no stop.
    QCOMPARE(QApplication::focusWidget(), control<QWidget>("cmdOK"));
    for (const char* next : {"cmdExit", "Label61", "lblFullBrand", "cmdOK"}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), control<QWidget>(next));
    }
}

// The period shows in its own row between the verdict and the note; the sun
// times stay out of sight.
void frmDisplayTest::periodShowsAndSunTimesNeverDo() {
    for (QLabel* label : control<QWidget>("Frame1")->findChildren<QLabel*>()) {
        QVERIFY2(!label->text().isEmpty() || label->objectName().startsWith(u"lbl"),
                 qPrintable(label->objectName()));
        QVERIFY2(label->visibleRegion().isEmpty(),
                 qPrintable(label->objectName() + QStringLiteral(" can be seen in the window")));
    }
    QCOMPARE(control<QWidget>("Frame1")->findChildren<QLabel*>().size(), 12);
    for (const bool inRahuKaal : {true, false}) {
        window_->writeResult(sampleTexts(inRahuKaal));
        for (const char* name : {"Label4", "lblRahukalPeriod"}) {
            const QLabel* label = control<QLabel>(name);
            QCOMPARE(label->parentWidget(), control<QWidget>("Frame3"));
            QVERIFY2(label->visibleRegion() == QRegion(label->rect()),
                     qPrintable(QLatin1String(name) + QStringLiteral(" is not wholly in view")));
            for (const char* neighbour : {"lblRahukalResult", "lblShow", "Label9"})
                QVERIFY2(!label->geometry().intersects(control<QLabel>(neighbour)->geometry()),
                         qPrintable(QLatin1String(name) + QStringLiteral(" covers ") +
                                    QLatin1String(neighbour)));
        }
        QVERIFY(control<QLabel>("Label4")->geometry().right() <
                control<QLabel>("lblRahukalPeriod")->x());
    }
}

void frmDisplayTest::periodRowIsCentred_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("period");
    const QString nightBefore = QStringLiteral("Rahukal Period (night before)");
    addRow("day", u"Rahukal Period (day)"_qs, u"3/18/2025 3:29:48 PM to 3/18/2025 4:59:55 PM"_qs);
    addRow("night before, the longest", nightBefore,
           u"12/31/2024 12:07:28 PM to 12/31/2024 12:38:19 PM"_qs);
    addRow("night after, past midnight", u"Rahukal Period (night after)"_qs,
           u"12/31/2024 11:20:38 PM to 1/1/2025 12:51:59 AM"_qs);
    addRow("no stretch", u"Rahukal Period"_qs, u"1/5/2024 6:12:00 AM to 1/5/2024 7:42:00 AM"_qs);
    // Tall glyphs set the row smaller.
    addRow("Kannada", nightBefore, u"29/9/2024 07:40:22 ಅಪರಾಹ್ನ to 29/9/2024 09:10:43 ಅಪರಾಹ್ನ"_qs);
}

// The caption and the period, as one, stand as far from the group's left
// edge as from its right, measured by the ink a user sees.
void frmDisplayTest::periodRowIsCentred() {
    QFETCH(QString, caption);
    QFETCH(QString, period);
    // Without a font for its script a text is drawn as boxes, of no size a user would see.
    if (period.contains(QChar(0x0C85)) && QFontDatabase::families(QFontDatabase::Kannada).isEmpty())
        QSKIP("no Kannada font here");
    ResultTexts texts = sampleTexts(false);
    texts.periodCaption = caption;
    texts.rahukalPeriod = period;
    window_->writeResult(texts);
    const QWidget* group = control<QWidget>("Frame3");
    // The columns of the group in which the label leaves ink.
    const auto inkColumns = [&](const char* name) {
        QLabel* label = control<QLabel>(name);
        const QImage picture = label->grab().toImage();
        const QRgb background = label->palette().color(label->backgroundRole()).rgb();
        int first = picture.width(), last = -1;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                if (picture.pixel(x, y) != background) {
                    first = std::min(first, x);
                    last = std::max(last, x);
                }
        const double ratio = picture.devicePixelRatio();
        return std::pair(label->x() + first / ratio, label->x() + (last + 1) / ratio);
    };
    const double left = inkColumns("Label4").first;
    const double right = group->width() - inkColumns("lblRahukalPeriod").second;
    QVERIFY2(
        left > 0 && right > 0 && qAbs(left - right) <= 1,
        qPrintable(QStringLiteral("\"%1 %2\" at %3 points stands %4 px from the left and %5 px "
                                  "from the right")
                       .arg(caption, period)
                       .arg(control<QLabel>("Label4")->font().pointSizeF())
                       .arg(left)
                       .arg(right)));
}

// Measured by the label's own idea of the room its text needs.
void frmDisplayTest::verdictAndNotesAreNeverCutOff() {
    for (const bool inRahuKaal : {true, false}) {
        window_->writeResult(sampleTexts(inRahuKaal));
        for (const char* name : {"lblRahukalResult", "lblShow", "Label9"}) {
            const QLabel* label = control<QLabel>(name);
            const bool fits = label->wordWrap()
                                  ? label->heightForWidth(label->width()) <= label->height()
                                  : label->sizeHint().width() <= label->width();
            QVERIFY2(fits, qPrintable(QStringLiteral("%1 is cut off: \"%2\" at %3 points")
                                          .arg(QLatin1String(name), label->text())
                                          .arg(label->font().pointSizeF())));
        }
    }
}

void frmDisplayTest::menuBarHoldsItsEntriesInOrder() {
    const auto describeMenu = [](const QList<QAction*>& actions) {
        QStringList entries;
        for (const QAction* action : actions)
            entries << (action->menu() ? action->menu()->objectName() : action->objectName()) +
                           u'=' + (action->isSeparator() ? u"-"_qs : action->text()) +
                           (action->isEnabled() ? u""_qs : u" (off)"_qs);
        return entries;
    };
    QCOMPARE(describeMenu(window_->menuBar()->actions()),
             (QStringList{"mnuFile=&File", "mnuHelp=&Help", "mnuDonate=&Donate",
                          "mkmoney=Make Money &Online (off)"}));
    QCOMPARE(
        describeMenu(control<QMenu>("mnuFile")->actions()),
        (QStringList{"mnuFileBack=&Back", "mnuMonth=Rahu Kaal of the &Month...", "mnuExit=E&xit"}));
    QCOMPARE(describeMenu(control<QMenu>("mnuHelp")->actions()),
             (QStringList{"mnuOnline=&Online Help", "mnuVisit=&Visit Us Online", "mnuFileSep1=-",
                          "mnuUpdate=&Check for Software Update", "mnuFileSep2=-",
                          "mnuAbout=&About Software"}));
}

void frmDisplayTest::linksAndMenuEntriesOpenTheirAddresses_data() {
    addWebEntryRows();
    addRow("mkmoney, were it on", "mkmoney",
           QStringLiteral("http://" HELP_SITE_HOST "/fully-branded.html"));
}

void frmDisplayTest::linksAndMenuEntriesOpenTheirAddresses() {
    QFETCH(QString, name);
    QFETCH(QString, address);
    if (auto* label = window_->findChild<QLabel*>(name)) {
        // Only the banner in front can be clicked.
        label->raise();
        QTest::mouseClick(label, Qt::LeftButton, {}, label->rect().center());
    } else {
        QAction* action = window_->findChild<QAction*>(name);
        action->setEnabled(true);
        action->trigger();
    }
    QCOMPARE(pages_.opened, QStringList{address});
    QVERIFY2(window_->isVisible(), "opening a page closed the result window");
    QCOMPARE(control<QLabel>("lblChosenDate")->text(), QStringLiteral("March 20,2024"));
}

void frmDisplayTest::aboutEntryShowsTheAboutWindowModally() {
    const ReplacedAboutWindowOpener about(showAboutWindow);
    ModalAnswerer answerer;
    control<QAction>("mnuAbout")->trigger();
    QCOMPARE(answerer.windows, QStringList{"frmAbout"});
    QVERIFY(window_->isVisible());
    QCOMPARE(programEnds, 0);
}

void frmDisplayTest::backUnloadsTheWindowAndShowsTheInput_data() {
    QTest::addColumn<QString>("way");
    for (const char* way : {"Back button", "File menu Back", "Enter on opening", "Alt+B"})
        addRow(way, way);
}

void frmDisplayTest::backUnloadsTheWindowAndShowsTheInput() {
    QFETCH(QString, way);
    QSignalSpy lastWindowClosed(qApp, &QGuiApplication::lastWindowClosed);
    if (way == u"Back button")
        QTest::mouseClick(control<QPushButton>("cmdOK"), Qt::LeftButton);
    else if (way == u"File menu Back")
        control<QAction>("mnuFileBack")->trigger();
    else if (way == u"Enter on opening")
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    else
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_B, Qt::AltModifier);
    // An access key presses its button a moment later, as a click would look.
    QTRY_VERIFY2(input_->isVisible(), "the input window is not shown");
    QVERIFY2(!window_ || !window_->isVisible(), "the result window is still shown");
    QTRY_VERIFY2(window_.isNull(), "the result window stayed loaded");
    QCOMPARE(programEnds, 0);
    QCOMPARE(lastWindowClosed.count(), 0);
}

void frmDisplayTest::everyWayOutEndsTheProgram_data() {
    QTest::addColumn<QString>("way");
    for (const char* way : {"Exit button", "File menu Exit", "close box", "Escape", "Alt+E"})
        addRow(way, way);
}

void frmDisplayTest::everyWayOutEndsTheProgram() {
    QFETCH(QString, way);
    if (way == u"Exit button")
        QTest::mouseClick(control<QPushButton>("cmdExit"), Qt::LeftButton);
    else if (way == u"File menu Exit")
        control<QAction>("mnuExit")->trigger();
    else if (way == u"close box")
        window_->close();
    else if (way == u"Escape")
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    else
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_E, Qt::AltModifier);
    QTRY_COMPARE(programEnds, 1);
    QVERIFY2(!input_ || !input_->isVisible(), "the input window came back");
    QTRY_VERIFY2(window_.isNull(), "the program ended but left the result window loaded");
}

QTEST_MAIN(frmDisplayTest)
#include "frmDisplayTest.moc"
