// The main window's "TZ Help" link, which places and opens the time zone
// picker, and its coordinate search, which shows the places the gazetteer
// knows by that name or hands the query to a web search.
#include "MainWindowTest.h"
#include "ModalAnswerer.h"
#include "WindowParts.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QTest>
#include <QUrl>
#include <functional>

using namespace horavela;

namespace {

// Qt tells a window when a modal window starts to block it; activation, by
// contrast, reaches the windows some time after the modal one opens.
struct BlockWatch : QObject {
    bool blocked = false;
    bool eventFilter(QObject*, QEvent* event) override {
        blocked = blocked || event->type() == QEvent::WindowBlocked;
        return false;
    }
};

} // namespace

class PickerAndSearchTest : public MainWindowTest {
    Q_OBJECT

private slots:
    void tzHelpPlacesThePickerAndBlocksTheWindow_data();
    void tzHelpPlacesThePickerAndBlocksTheWindow();
    void pickerWritesTheZoneBoxesOnlyOnADoubleClick_data();
    void pickerWritesTheZoneBoxesOnlyOnADoubleClick();
    void searchAsksForTheFirstMissingPlace_data();
    void searchAsksForTheFirstMissingPlace();
    void searchOpensTheEncodedQuery_data();
    void searchOpensTheEncodedQuery();
    void searchShowsThePlacesFound_data();
    void searchShowsThePlacesFound();

private:
    // Clicks "TZ Help" and acts on the modal window it opens.
    void openPicker(std::function<void(QWidget*)> action);
};

void PickerAndSearchTest::openPicker(std::function<void(QWidget*)> action) {
    ModalAnswerer answerer(std::move(action));
    QTest::mouseClick(control<QLabel>("lblTZHelp"), Qt::LeftButton);
    QCOMPARE(answerer.windows, QStringList{"frmTimeZone"});
}

void PickerAndSearchTest::tzHelpPlacesThePickerAndBlocksTheWindow_data() {
    QTest::addColumn<bool>("nearScreenCorner");
    addRow("window centred", false);
    addRow("window at the bottom right of the screen", true);
}

// Left: the window's edge, the zone box's left, the label's left and width
// (8 + 80 + 70). Top: the top band's top and height, the zone box's top, the
// label's top and height, and 40 more (0 + 24 + 6 + 24 + 24 + 40).
void PickerAndSearchTest::tzHelpPlacesThePickerAndBlocksTheWindow() {
    QFETCH(bool, nearScreenCorner);
    const QRect screen = window_->screen()->geometry();
    if (nearScreenCorner)
        window_->move(screen.bottomRight() - QPoint(120, 60));
    const QPoint windowEdge = window_->pos();
    box("txtZoneHour")->setText(QStringLiteral("x"));

    QRect placed;
    bool blocksMain = false;
    BlockWatch watch;
    window_->installEventFilter(&watch);
    openPicker([&](QWidget* modal) {
        placed = modal->frameGeometry();
        blocksMain = modal->isModal() && watch.blocked;
    });
    QCOMPARE(placed.topLeft(), windowEdge + QPoint(158, 118));
    QVERIFY2(blocksMain, "the main window was not blocked while the picker was open");
    if (nearScreenCorner)
        QVERIFY2(!screen.contains(placed), "the picker was moved back onto the screen");
}

void PickerAndSearchTest::pickerWritesTheZoneBoxesOnlyOnADoubleClick_data() {
    QTest::addColumn<QString>("way");
    QTest::addColumn<QString>("hour");
    QTest::addColumn<QString>("minute");
    addRow("double-click on New Zealand Summer Time", "double-click", "-12", "-30");
    addRow("Quit", "quit", "5", "45");
    addRow("Esc", "escape", "5", "45");
}

void PickerAndSearchTest::pickerWritesTheZoneBoxesOnlyOnADoubleClick() {
    QFETCH(QString, way);
    QFETCH(QString, hour);
    QFETCH(QString, minute);
    box("txtZoneHour")->setText(QStringLiteral("5"));
    box("txtZoneMinute")->setText(QStringLiteral("45"));
    openPicker([&](QWidget* modal) {
        auto* list = control<QListWidget>(modal, "lstTimeZone");
        if (way == QLatin1String("double-click")) {
            doubleClickRow(list, 48);
        } else if (way == QLatin1String("quit")) {
            list->setCurrentRow(48);
            QTest::mouseClick(control<QPushButton>(modal, "cmdQuit"), Qt::LeftButton);
        } else {
            list->setCurrentRow(48);
            QTest::keyClick(list, Qt::Key_Escape);
        }
        QVERIFY2(!modal->isVisible(), "the picker stayed open");
    });
    QCOMPARE(box("txtZoneHour")->text(), hour);
    QCOMPARE(box("txtZoneMinute")->text(), minute);
    QVERIFY(window_->isVisible());
}

void PickerAndSearchTest::searchAsksForTheFirstMissingPlace_data() {
    QTest::addColumn<QString>("city");
    QTest::addColumn<QString>("state");
    QTest::addColumn<QString>("country");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    addRow("nothing entered", "", "", "", "Please Enter City", "txtMCity");
    addRow("no city", "", "Maharashtra", "India", "Please Enter City", "txtMCity");
    addRow("city only", "Pune", "", "", "Please Enter State", "txtMState");
    addRow("no country", "Pune", "Maharashtra", "", "Please Enter Country", "txtMCountry");
}

void PickerAndSearchTest::searchAsksForTheFirstMissingPlace() {
    QFETCH(QString, city);
    QFETCH(QString, state);
    QFETCH(QString, country);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    fillSearchPlace(window_, city, state, country);
    box("txtName")->setFocus();
    ModalAnswerer answerer;
    QTest::mouseClick(control<QPushButton>("cmdBrowser"), Qt::LeftButton);
    QCOMPARE(answerer.texts, QStringList{message});
    QCOMPARE(answerer.icons, QList<QMessageBox::Icon>{QMessageBox::Information});
    QCOMPARE(window_->focusWidget()->objectName(), focus);
    QVERIFY2(pages_.opened.isEmpty(), qPrintable(pages_.opened.join(u' ')));
}

void PickerAndSearchTest::searchOpensTheEncodedQuery_data() {
    QTest::addColumn<QString>("city");
    QTest::addColumn<QString>("state");
    QTest::addColumn<QString>("country");
    QTest::addColumn<QString>("query");
    const QString question = QStringLiteral("%20Latitude%20Longitude");
    addRow("a place the gazetteer does not know", "Nowhereville", "Maharashtra", "India",
           "Nowhereville%20Maharashtra%20India" + question);
    addRow("city of spaces, kept untrimmed", "   ", "Maharashtra", "India",
           "%20%20%20%20Maharashtra%20India" + question);
    addRow("characters that would change the address", "A&q=B#C?D/E+F%G", "x\"<>", "'`",
           "A%26q%3DB%23C%3FD%2FE%2BF%25G%20x%22%3C%3E%20%27%60" + question);
    addRow("letters beyond ASCII", QStringLiteral("Z\u00E3oqu\u00E9 Paulo"), "SP", "Brasil",
           "Z%C3%A3oqu%C3%A9%20Paulo%20SP%20Brasil" + question);
}

// Name, date and coordinates are left empty: the search needs none of them.
// None of these places is in the gazetteer, so no window may appear.
void PickerAndSearchTest::searchOpensTheEncodedQuery() {
    QFETCH(QString, city);
    QFETCH(QString, state);
    QFETCH(QString, country);
    QFETCH(QString, query);
    fillSearchPlace(window_, city, state, country);
    ModalAnswerer answerer;
    QTest::mouseClick(control<QPushButton>("cmdBrowser"), Qt::LeftButton);
    QVERIFY2(answerer.windows.isEmpty(), qPrintable(answerer.windows.join(u' ')));
    QCOMPARE(pages_.opened, QStringList{QStringLiteral(SEARCH_ADDRESS) + query});
    QVERIFY(window_->isVisible());
}

void PickerAndSearchTest::searchShowsThePlacesFound_data() {
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QStringList>("firstRow");
    const auto row = [](const char* name, QStringList typed, QStringList firstRow) {
        QTest::newRow(name) << typed << firstRow;
    };
    row("Pune", {"Pune", "Maharashtra", "India"},
        {"Pune, Maharashtra, India", "18\u00B0 31\u2032 N", "73\u00B0 51\u2032 E",
         "Asia/Kolkata: -5 -30"});
    row("New Delhi", {"New Delhi", "Delhi", "India"},
        {"New Delhi, National Capital Territory of Delhi, India", "28\u00B0 38\u2032 N",
         "77\u00B0 13\u2032 E", "Asia/Kolkata: -5 -30"});
    row("New York, with the country named otherwise", {"New York", "New York", "United States"},
        {"New York, New York, United States of America", "40\u00B0 43\u2032 N",
         "74\u00B0 0\u2032 W", "America/New_York: 5 0 standard, 4 0 daylight"});
    row("Buenos Aires", {"Buenos Aires", "Buenos Aires", "Argentina"},
        {"Buenos Aires, Buenos Aires F.D., Argentina", "34\u00B0 37\u2032 S", "58\u00B0 23\u2032 W",
         "America/Argentina/Buenos_Aires: 3 0"});
    row("Tromso without its accent", {"tromso", "Troms", "Norway"},
        {"Troms\u00F8, Troms og Finnmark, Norway", "69\u00B0 39\u2032 N", "18\u00B0 57\u2032 E",
         "Europe/Oslo: -1 0 standard, -2 0 daylight"});
}

// The daylight dates change every year, so the zone is compared up to them.
// "Search the Web" opens the same search as when nothing is found.
void PickerAndSearchTest::searchShowsThePlacesFound() {
    QFETCH(QStringList, typed);
    QFETCH(QStringList, firstRow);
    fillSearchPlace(window_, typed[0], typed[1], typed[2]);
    QStringList shown;
    QString credit;
    bool modal = false;
    bool closedByEsc = false;
    ModalAnswerer answerer([&](QWidget* window) {
        auto* places = control<QTableWidget>(window, "lstPlaces");
        for (int column = 0; places->rowCount() > 0 && column < places->columnCount(); ++column)
            shown << places->item(0, column)->text().section(QStringLiteral(" from "), 0, 0);
        credit = control<QLabel>(window, "lblCredit")->text();
        modal = window->isModal() && window->parentWidget() == window_;
        control<QPushButton>(window, "cmdWeb")->click();
        QTest::keyClick(places, Qt::Key_Escape);
        closedByEsc = !window->isVisible();
    });
    QTest::mouseClick(control<QPushButton>("cmdBrowser"), Qt::LeftButton);
    QCOMPARE(answerer.windows, QStringList{"frmPlaceSearch"});
    QCOMPARE(shown, firstRow);
    QCOMPARE(credit, QStringLiteral("Places from GeoNames, CC BY 4.0"));
    QVERIFY2(modal, "the main window was not blocked while the places were shown");
    QVERIFY2(closedByEsc, "Esc left the window open");
    const QString query = typed.join(u' ') + QStringLiteral(" Latitude Longitude");
    QCOMPARE(pages_.opened, QStringList{QStringLiteral(SEARCH_ADDRESS) +
                                        QString::fromLatin1(QUrl::toPercentEncoding(query))});
}

QTEST_MAIN(PickerAndSearchTest)
#include "PickerAndSearchTest.moc"
