// The main window's "TZ Help" link, which places and opens the time zone
// picker, and its coordinate search: the places suggested under the City box,
// the places found for what is typed, the one used, and the web search when
// none is found.
#include "tests/support/FakeGazetteer.h"
#include "tests/support/MainWindowTest.h"
#include "tests/support/ModalAnswerer.h"
#include "tests/support/WindowParts.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTableWidget>
#include <QTest>
#include <QUrl>
#include <functional>
#include <optional>

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

// The less populous Hyderabad is listed first, so only the place chosen among
// the suggestions can put the other one first.
const std::vector<Place> Places{
    listedPlace(1176734, "Hyderabad", "Sindh", "Pakistan", "Asia/Karachi", 25.39242, 68.37366),
    listedPlace(1269843, "Hyderabad", "Telangana", "India", "Asia/Kolkata", 17.38405, 78.45636),
    listedPlace(1259229, "Pune", "Maharashtra", "India", "Asia/Kolkata", 18.51957, 73.85535),
    listedPlace(5128581, "New York", "New York", "United States", "America/New_York", 40.71427,
                -74.00597),
    listedPlace(3435910, "Buenos Aires", "Buenos Aires F.D.", "Argentina",
                "America/Argentina/Buenos_Aires", -34.61315, -58.37723),
    listedPlace(2147714, "Sydney", "New South Wales", "Australia", "Australia/Sydney", -33.86785,
                151.20732),
    listedPlace(1880252, "Singapore", "", "Singapore", "Asia/Singapore", 1.28967, 103.85007),
    // As a gazetteer newer than the system's time-zone data would give it.
    listedPlace(1, "Atlantis", "Atlantic", "Ocean", "Atlantic/Atlantis", 31.0, -24.0),
};

const QString Telangana = QStringLiteral("Hyderabad, Telangana, India");

// Each row of the places window, its cells joined by " | ".
QStringList rowTexts(const QTableWidget& places) {
    QStringList rows;
    for (int row = 0; row < places.rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < places.columnCount(); ++column) {
            const QTableWidgetItem* cell = places.item(row, column);
            cells << (cell ? cell->text() : QStringLiteral("(no cell)"));
        }
        rows << cells.join(QStringLiteral(" | "));
    }
    return rows;
}

// Chooses a row of the places window with "Use This Place", a double-click or
// the arrow keys and Enter.
void useRow(QWidget* window, int row, const QString& way) {
    auto* places = horavela::control<QTableWidget>(window, "lstPlaces");
    QVERIFY2(row < places->rowCount(), qPrintable(rowTexts(*places).join(u'\n')));
    const QPoint cell = places->visualItemRect(places->item(row, 0)).center();
    if (way == QLatin1String("Use")) {
        QTest::mouseClick(places->viewport(), Qt::LeftButton, {}, cell);
        QTest::mouseClick(horavela::control<QPushButton>(window, "cmdUse"), Qt::LeftButton);
    } else if (way == QLatin1String("double-click")) {
        QTest::mouseClick(places->viewport(), Qt::LeftButton, {}, cell);
        QTest::mouseDClick(places->viewport(), Qt::LeftButton, {}, cell);
    } else {
        for (int down = 0; down < row; ++down)
            QTest::keyClick(places, Qt::Key_Down);
        QTest::keyClick(places, Qt::Key_Return);
    }
    QVERIFY2(!window->isVisible(), "the places window stayed open");
}

// The texts of the suggestions on the screen.
QStringList offeredTexts(const QAbstractItemView& list) {
    QStringList texts;
    for (int row = 0; list.isVisible() && row < list.model()->rowCount(); ++row)
        texts << list.model()->index(row, 0).data().toString();
    return texts;
}

// Highlights the suggestion with the arrow keys and presses Enter, or clicks
// it, or leaves the suggestions with Esc.
void chooseSuggestion(QAbstractItemView& list, const QString& place, const QString& way) {
    if (way == QLatin1String("Esc")) {
        QTest::keyClick(&list, Qt::Key_Escape);
        return;
    }
    const int row = static_cast<int>(offeredTexts(list).indexOf(place));
    QVERIFY2(row >= 0, qPrintable(place + " is not offered"));
    const QModelIndex wanted = list.model()->index(row, 0);
    if (way == QLatin1String("click")) {
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualRect(wanted).center());
        return;
    }
    for (int step = 0; step <= row && list.currentIndex() != wanted; ++step)
        QTest::keyClick(&list, Qt::Key_Down);
    QTest::keyClick(&list, Qt::Key_Return);
}

} // namespace

class PickerAndSearchTest : public MainWindowTest {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
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
    void usedPlaceFillsTheFormForTheChosenMoment_data();
    void usedPlaceFillsTheFormForTheChosenMoment();
    void usedNamesAreCutToTheirBoxes();
    void closingThePlacesLeavesTheFormAlone_data();
    void closingThePlacesLeavesTheFormAlone();
    void cityBoxSuggestsThePlacesTyped_data();
    void cityBoxSuggestsThePlacesTyped();
    void chosenSuggestionIsFoundFirstUntilABoxChanges_data();
    void chosenSuggestionIsFoundFirstUntilABoxChanges();

private:
    // Clicks "TZ Help" and acts on the modal window it opens.
    void openPicker(std::function<void(QWidget*)> action);
    void chooseMoment(const QString& moment) const;
    QString placeBoxes() const;
    QAbstractItemView& suggestions() const;
    void typeInto(const char* name, const QString& text) const;

    // The fake answers for the program's gazetteer from init to cleanup.
    std::optional<FakeGazetteer> gazetteer_;
    std::optional<ScopedGazetteer> usingFake_;
};

void PickerAndSearchTest::init() {
    gazetteer_.emplace(Places);
    usingFake_.emplace(*gazetteer_);
    MainWindowTest::init();
}

void PickerAndSearchTest::cleanup() {
    MainWindowTest::cleanup();
    usingFake_.reset();
    gazetteer_.reset();
}

void PickerAndSearchTest::openPicker(std::function<void(QWidget*)> action) {
    ModalAnswerer answerer(std::move(action));
    QTest::mouseClick(control<QLabel>("lblTZHelp"), Qt::LeftButton);
    QCOMPARE(answerer.windows, QStringList{"frmTimeZone"});
}

// From "31 April 2026 1:59"; the seconds stay at 0.
void PickerAndSearchTest::chooseMoment(const QString& moment) const {
    const QStringList parts = moment.split(u' ');
    const QStringList time = parts.value(3).split(u':');
    choose(window_, "cboDate", parts.value(0));
    choose(window_, "cboMonth", parts.value(1));
    choose(window_, "cboYear", parts.value(2));
    choose(window_, "cboHour", time.value(0));
    choose(window_, "cboMinute", QString::number(time.value(1).toInt()));
}

// What the coordinate search writes, as the form lays it out:
// "Pune | Maharashtra | India | 18 31 N | 73 51 E | -5 -30".
QString PickerAndSearchTest::placeBoxes() const {
    const auto text = [this](const char* name) {
        const QString shown = box(name)->text();
        return shown.isEmpty() ? QStringLiteral("(empty)") : shown;
    };
    const auto hemisphere = [this](const char* first, char firstLetter, const char* second,
                                   char secondLetter) {
        QString letters;
        if (control<QRadioButton>(first)->isChecked())
            letters += QLatin1Char(firstLetter);
        if (control<QRadioButton>(second)->isChecked())
            letters += QLatin1Char(secondLetter);
        return letters;
    };
    return QStringList{text("txtMCity"),
                       text("txtMState"),
                       text("txtMCountry"),
                       text("txtLatD") + u' ' + text("txtLatM") + u' ' +
                           hemisphere("optLat_0", 'N', "optLat_1", 'S'),
                       text("txtLonD") + u' ' + text("txtLonM") + u' ' +
                           hemisphere("optLong_0", 'E', "optLong_1", 'W'),
                       text("txtZoneHour") + u' ' + text("txtZoneMinute")}
        .join(QStringLiteral(" | "));
}

QAbstractItemView& PickerAndSearchTest::suggestions() const {
    auto* completer = box("txtMCity")->findChild<QCompleter*>();
    if (!completer)
        throw WindowDriverError(QStringLiteral("txtMCity has no suggestions"));
    return *completer->popup();
}

// Replaces the box's text by typing over it.
void PickerAndSearchTest::typeInto(const char* name, const QString& text) const {
    QLineEdit* edited = box(name);
    edited->setFocus();
    edited->selectAll();
    QTest::keyClicks(edited, text);
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
    QTest::addColumn<bool>("usable");
    QTest::addColumn<QString>("query");
    const QString question = QStringLiteral("%20Latitude%20Longitude");
    addRow("a place the gazetteer does not know", "Nowhereville", "Maharashtra", "India", true,
           "Nowhereville%20Maharashtra%20India" + question);
    addRow("a known place while the gazetteer cannot be used", "Pune", "Maharashtra", "India",
           false, "Pune%20Maharashtra%20India" + question);
    addRow("city of spaces, kept untrimmed", "   ", "Maharashtra", "India", true,
           "%20%20%20%20Maharashtra%20India" + question);
    addRow("characters that would change the address", "A&q=B#C?D/E+F%G", "x\"<>", "'`", true,
           "A%26q%3DB%23C%3FD%2FE%2BF%25G%20x%22%3C%3E%20%27%60" + question);
    addRow("letters beyond ASCII", QStringLiteral("Z\u00E3oqu\u00E9 Paulo"), "SP", "Brasil", true,
           "Z%C3%A3oqu%C3%A9%20Paulo%20SP%20Brasil" + question);
}

// Name, date and coordinates are left empty: the search needs none of them.
// The gazetteer gives no place, so no window may appear.
void PickerAndSearchTest::searchOpensTheEncodedQuery() {
    QFETCH(QString, city);
    QFETCH(QString, state);
    QFETCH(QString, country);
    QFETCH(bool, usable);
    QFETCH(QString, query);
    gazetteer_->usable = usable;
    fillSearchPlace(window_, city, state, country);
    ModalAnswerer answerer;
    QTest::mouseClick(control<QPushButton>("cmdBrowser"), Qt::LeftButton);
    QVERIFY2(answerer.windows.isEmpty(), qPrintable(answerer.windows.join(u' ')));
    QCOMPARE(pages_.opened, QStringList{QStringLiteral(SEARCH_ADDRESS) + query});
    QVERIFY(window_->isVisible());
}

void PickerAndSearchTest::searchShowsThePlacesFound_data() {
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QStringList>("rows");
    addRow("Pune", QStringList{"Pune", "Maharashtra", "India"},
           QStringList{"Pune, Maharashtra, India | 18\u00B0 31\u2032 N | 73\u00B0 51\u2032 E | "
                       "Asia/Kolkata: -5 -30"});
    addRow("New York, in daylight time", QStringList{"New York", "NY", "USA"},
           QStringList{"New York, New York, United States | 40\u00B0 43\u2032 N | 74\u00B0 0\u2032 "
                       "W | America/New_York: 4 0 on 15 July 2026 (in 2026: 5 0, 4 0 from 8 "
                       "March, 5 0 from 1 November)"});
    addRow("two places of one name, in the gazetteer's order",
           QStringList{"hyderabad", "Telangana", "India"},
           QStringList{"Hyderabad, Sindh, Pakistan | 25\u00B0 24\u2032 N | 68\u00B0 22\u2032 E | "
                       "Asia/Karachi: -5 0",
                       "Hyderabad, Telangana, India | 17\u00B0 23\u2032 N | 78\u00B0 27\u2032 E | "
                       "Asia/Kolkata: -5 -30"});
    addRow("a place without a state", QStringList{"Singapore", "Singapore", "Singapore"},
           QStringList{"Singapore, Singapore | 1\u00B0 17\u2032 N | 103\u00B0 51\u2032 E | "
                       "Asia/Singapore: -8 0"});
    addRow("a zone this system does not know", QStringList{"Atlantis", "Atlantic", "Ocean"},
           QStringList{"Atlantis, Atlantic, Ocean | 31\u00B0 0\u2032 N | 24\u00B0 0\u2032 W | "
                       "Atlantic/Atlantis: not in this system's time-zone data"});
}

// "Search the Web" opens the same search as when nothing is found: the texts
// as typed, not the names of the places found.
void PickerAndSearchTest::searchShowsThePlacesFound() {
    QFETCH(QStringList, typed);
    QFETCH(QStringList, rows);
    fillSearchPlace(window_, typed[0], typed[1], typed[2]);
    chooseMoment(QStringLiteral("15 July 2026 12:00"));
    QStringList shown;
    QString credit;
    bool modal = false;
    ModalAnswerer answerer([&](QWidget* window) {
        shown = rowTexts(*control<QTableWidget>(window, "lstPlaces"));
        credit = control<QLabel>(window, "lblCredit")->text();
        modal = window->isModal() && window->parentWidget() == window_;
        control<QPushButton>(window, "cmdWeb")->click();
    });
    QTest::mouseClick(control<QPushButton>("cmdBrowser"), Qt::LeftButton);
    QCOMPARE(answerer.windows, QStringList{"frmPlaceSearch"});
    QCOMPARE(shown, rows);
    QCOMPARE(credit, QStringLiteral("Places from GeoNames (geonames.org), CC BY 4.0"));
    QVERIFY2(modal, "the main window was not blocked while the places were shown");
    const QString query = typed.join(u' ') + QStringLiteral(" Latitude Longitude");
    QCOMPARE(pages_.opened, QStringList{QStringLiteral(SEARCH_ADDRESS) +
                                        QString::fromLatin1(QUrl::toPercentEncoding(query))});
}

void PickerAndSearchTest::usedPlaceFillsTheFormForTheChosenMoment_data() {
    QTest::addColumn<QString>("city");
    QTest::addColumn<QString>("moment");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("way");
    QTest::addColumn<QString>("boxes");
    addRow("Pune", "Pune", "15 January 2026 12:00", 0, "Use",
           "Pune | Maharashtra | India | 18 31 N | 73 51 E | -5 -30");
    addRow("Buenos Aires", "Buenos Aires", "15 July 2026 12:00", 0, "Use",
           "Buenos Aires | Buenos Aires F.D. | Argentina | 34 37 S | 58 23 W | 3 0");
    addRow("Sydney in January, daylight time", "Sydney", "15 January 2026 12:00", 0, "Use",
           "Sydney | New South Wales | Australia | 33 52 S | 151 12 E | -11 0");
    addRow("Sydney in July", "Sydney", "15 July 2026 12:00", 0, "Use",
           "Sydney | New South Wales | Australia | 33 52 S | 151 12 E | -10 0");
    addRow("New York in July, daylight time", "New York", "15 July 2026 12:00", 0, "Use",
           "New York | New York | United States | 40 43 N | 74 0 W | 4 0");
    addRow("New York in January", "New York", "15 January 2026 12:00", 0, "Use",
           "New York | New York | United States | 40 43 N | 74 0 W | 5 0");
    addRow("New York a minute before the clocks go forward", "New York", "8 March 2026 1:59", 0,
           "Use", "New York | New York | United States | 40 43 N | 74 0 W | 5 0");
    addRow("New York an hour after the clocks go forward", "New York", "8 March 2026 3:00", 0,
           "Use", "New York | New York | United States | 40 43 N | 74 0 W | 4 0");
    addRow("New York in March 2006, before daylight time began in April", "New York",
           "20 March 2006 12:00", 0, "Use",
           "New York | New York | United States | 40 43 N | 74 0 W | 5 0");
    addRow("New York on 31 April, standard time", "New York", "31 April 2026 12:00", 0, "Use",
           "New York | New York | United States | 40 43 N | 74 0 W | 5 0");
    addRow("a zone this system does not know", "Atlantis", "15 July 2026 12:00", 0, "Use",
           "Atlantis | Atlantic | Ocean | 31 0 N | 24 0 W | (empty) (empty)");
    addRow("the second place by Use This Place", "Hyderabad", "15 July 2026 12:00", 1, "Use",
           "Hyderabad | Telangana | India | 17 23 N | 78 27 E | -5 -30");
    addRow("the second place by a double-click", "Hyderabad", "15 July 2026 12:00", 1,
           "double-click", "Hyderabad | Telangana | India | 17 23 N | 78 27 E | -5 -30");
    addRow("the second place by Down and Enter", "Hyderabad", "15 July 2026 12:00", 1, "Enter",
           "Hyderabad | Telangana | India | 17 23 N | 78 27 E | -5 -30");
    addRow("the first place by Enter", "Hyderabad", "15 July 2026 12:00", 0, "Enter",
           "Hyderabad | Sindh | Pakistan | 25 24 N | 68 22 E | -5 0");
    // The search asked for a state, and asks again if the box is emptied.
    addRow("a place without a state keeps the state typed", "Singapore", "15 July 2026 12:00", 0,
           "Use", "Singapore | state | Singapore | 1 17 N | 103 51 E | -8 0");
}

// The form starts with a place in every box that no row expects, so that a
// box left alone shows. Nothing is checked: no message may appear.
void PickerAndSearchTest::usedPlaceFillsTheFormForTheChosenMoment() {
    QFETCH(QString, city);
    QFETCH(QString, moment);
    QFETCH(int, row);
    QFETCH(QString, way);
    QFETCH(QString, boxes);
    fill({"1", "2", false, "3", "4", true, "7", "8"}, {2026, 1, 1, 0, 0, 0});
    fillSearchPlace(window_, city, QStringLiteral("state"), QStringLiteral("country"));
    chooseMoment(moment);
    box("txtName")->setFocus();
    ModalAnswerer answerer([&](QWidget* window) { useRow(window, row, way); });
    QTest::mouseClick(control<QPushButton>("cmdBrowser"), Qt::LeftButton);
    QCOMPARE(answerer.windows, QStringList{"frmPlaceSearch"});
    QCOMPARE(placeBoxes(), boxes);
    QCOMPARE(window_->focusWidget()->objectName(), QStringLiteral("cmdRashi"));
    QVERIFY2(pages_.opened.isEmpty(), qPrintable(pages_.opened.join(u' ')));
}

// Boxes narrower than a place's names take what fits, as typing would.
void PickerAndSearchTest::usedNamesAreCutToTheirBoxes() {
    fillSearchPlace(window_, QStringLiteral("Buenos Aires"), QStringLiteral("BA"),
                    QStringLiteral("AR"));
    ModalAnswerer answerer([&](QWidget* window) {
        for (const char* name : {"txtMCity", "txtMState", "txtMCountry"})
            box(name)->setMaxLength(6);
        useRow(window, 0, QStringLiteral("Use"));
    });
    QTest::mouseClick(control<QPushButton>("cmdBrowser"), Qt::LeftButton);
    QCOMPARE(answerer.windows, QStringList{"frmPlaceSearch"});
    QCOMPARE(placeBoxes().section(QStringLiteral(" | "), 0, 2),
             QStringLiteral("Buenos | Buenos | Argent"));
}

void PickerAndSearchTest::closingThePlacesLeavesTheFormAlone_data() {
    QTest::addColumn<QString>("way");
    addRow("Close", "Close");
    addRow("Esc", "Esc");
}

void PickerAndSearchTest::closingThePlacesLeavesTheFormAlone() {
    QFETCH(QString, way);
    fill(GreenwichEquator, {2026, 7, 15, 12, 0, 0});
    fillSearchPlace(window_, QStringLiteral("hyderabad"), QStringLiteral("TS"),
                    QStringLiteral("IN"));
    const QStringList before = fieldStates(window_);
    bool closed = false;
    ModalAnswerer answerer([&](QWidget* window) {
        auto* places = control<QTableWidget>(window, "lstPlaces");
        places->setCurrentCell(1, 0);
        if (way == QLatin1String("Close"))
            QTest::mouseClick(control<QPushButton>(window, "cmdClose"), Qt::LeftButton);
        else
            QTest::keyClick(places, Qt::Key_Escape);
        closed = !window->isVisible();
    });
    QTest::mouseClick(control<QPushButton>("cmdBrowser"), Qt::LeftButton);
    QCOMPARE(answerer.windows, QStringList{"frmPlaceSearch"});
    QVERIFY2(closed, "the places window stayed open");
    QCOMPARE(fieldStates(window_), before);
    QVERIFY2(pages_.opened.isEmpty(), qPrintable(pages_.opened.join(u' ')));
}

void PickerAndSearchTest::cityBoxSuggestsThePlacesTyped_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("usable");
    QTest::addColumn<QStringList>("offered");
    addRow("two places of one name", "Hyd", true,
           QStringList{"Hyderabad, Sindh, Pakistan", "Hyderabad, Telangana, India"});
    addRow("a place without a state", "sing", true, QStringList{"Singapore, Singapore"});
    addRow("a letter more than any name has", "Hydx", true, QStringList{});
    addRow("only spaces", "  ", true, QStringList{});
    addRow("a gazetteer that cannot be used", "Hyd", false, QStringList{});
}

// Typed one key at a time, so the suggestions of "Hyd" are on the screen
// when the "x" of "Hydx" comes. The typed text itself is never completed.
void PickerAndSearchTest::cityBoxSuggestsThePlacesTyped() {
    QFETCH(QString, typed);
    QFETCH(bool, usable);
    QFETCH(QStringList, offered);
    gazetteer_->usable = usable;
    typeInto("txtMCity", typed);
    QCOMPARE(offeredTexts(suggestions()), offered);
    QCOMPARE(box("txtMCity")->text(), typed);
}

void PickerAndSearchTest::chosenSuggestionIsFoundFirstUntilABoxChanges_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("way");
    QTest::addColumn<QString>("choice");
    QTest::addColumn<QStringList>("edit");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QString>("firstFound");
    const QStringList chosen{"Hyderabad", "Telangana", "India"};
    const QString sindh = QStringLiteral("Hyderabad, Sindh, Pakistan");
    addRow("arrows and Enter", "Hyd", "keys", Telangana, QStringList{}, chosen, Telangana);
    addRow("a click", "Hyd", "click", Telangana, QStringList{}, chosen, Telangana);
    addRow("Esc chooses nothing", "Hyderabad", "Esc", Telangana, QStringList{},
           QStringList{"Hyderabad", "AP", "IN"}, sindh);
    addRow("city changed afterwards", "Hyd", "keys", Telangana,
           QStringList{"txtMCity", "HYDERABAD"}, QStringList{"HYDERABAD", "Telangana", "India"},
           sindh);
    addRow("state changed afterwards", "Hyd", "keys", Telangana,
           QStringList{"txtMState", "TELANGANA"}, QStringList{"Hyderabad", "TELANGANA", "India"},
           sindh);
    addRow("country changed afterwards", "Hyd", "keys", Telangana,
           QStringList{"txtMCountry", "INDIA"}, QStringList{"Hyderabad", "Telangana", "INDIA"},
           sindh);
    // Its country stands in for the state, so the search runs at once.
    const QString singapore = QStringLiteral("Singapore, Singapore");
    addRow("a place without a state", "Sing", "keys", singapore, QStringList{},
           QStringList{"Singapore", "Singapore", "Singapore"}, singapore);
}

// The state and country were typed first, as abbreviations the choice replaces.
void PickerAndSearchTest::chosenSuggestionIsFoundFirstUntilABoxChanges() {
    QFETCH(QString, typed);
    QFETCH(QString, way);
    QFETCH(QString, choice);
    QFETCH(QStringList, edit);
    QFETCH(QStringList, boxes);
    QFETCH(QString, firstFound);
    fillSearchPlace(window_, QString(), QStringLiteral("AP"), QStringLiteral("IN"));
    typeInto("txtMCity", typed);
    QAbstractItemView& offered = suggestions();
    QVERIFY2(offered.isVisible(), "no places were suggested");
    chooseSuggestion(offered, choice, way);
    QVERIFY2(!offered.isVisible(), "the suggestions stayed open");
    if (!edit.isEmpty()) {
        typeInto(qPrintable(edit[0]), edit[1]);
        if (offered.isVisible())
            QTest::keyClick(&offered, Qt::Key_Escape);
    }
    QCOMPARE((QStringList{box("txtMCity")->text(), box("txtMState")->text(),
                          box("txtMCountry")->text()}),
             boxes);

    QStringList found;
    ModalAnswerer answerer(
        [&](QWidget* window) { found = rowTexts(*control<QTableWidget>(window, "lstPlaces")); });
    QTest::mouseClick(control<QPushButton>("cmdBrowser"), Qt::LeftButton);
    QCOMPARE(answerer.windows, QStringList{"frmPlaceSearch"});
    QCOMPARE(found.value(0).section(QStringLiteral(" | "), 0, 0), firstFound);
}

QTEST_MAIN(PickerAndSearchTest)
#include "PickerAndSearchTest.moc"
