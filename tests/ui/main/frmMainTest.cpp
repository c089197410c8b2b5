// The main window as the user meets it: defaults, lists, tab order, key
// filters, the input checks, and where its menus and links lead.
#include "ui/main/frmMain.h"

#include "app/frmAbout.h"
#include "tests/support/MainWindowTest.h"
#include "tests/support/ModalAnswerer.h"
#include "tests/support/WindowLayout.h"
#include "tests/support/WindowParts.h"
#include "weblinks/WebLinks.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <iterator>
#include <map>
#include <memory>

using namespace horavela;

namespace {

// WCAG's contrast ratio of two colours, from 1 (the same) to 21 (black on white).
double contrast(QRgb a, QRgb b) {
    const auto luminance = [](QRgb colour) {
        const auto channel = [](int value) {
            const double c = value / 255.0;
            return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(qRed(colour)) + 0.7152 * channel(qGreen(colour)) +
               0.0722 * channel(qBlue(colour));
    };
    const double x = luminance(a);
    const double y = luminance(b);
    return (std::max(x, y) + 0.05) / (std::min(x, y) + 0.05);
}

// The contrast between a box's background, the colour most of its pixels
// have, and the pixel of its text furthest from that.
double textContrast(QWidget* box) {
    const QImage picture = box->grab().toImage().convertToFormat(QImage::Format_RGB32);
    std::map<QRgb, int> counts;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            ++counts[picture.pixel(x, y)];
    const QRgb background =
        std::max_element(counts.begin(), counts.end(), [](const auto& a, const auto& b) {
            return a.second < b.second;
        })->first;
    double most = 1;
    // The text lies in the middle third of the box's height, away from its frame.
    for (int y = picture.height() / 3; y < 2 * picture.height() / 3; ++y)
        for (int x = 4; x < picture.width() / 2; ++x)
            most = std::max(most, contrast(background, picture.pixel(x, y)));
    return most;
}

QString iconName(QMessageBox::Icon icon) {
    return icon == QMessageBox::Critical ? QStringLiteral("critical")
                                         : QStringLiteral("information");
}

} // namespace

class frmMainTest : public MainWindowTest {
    Q_OBJECT

private slots:
    void opensWithDefaultsAndFocusInName();
    void boxesAreReadableInEveryStyle();
    void clientAreaIsFixedBelowTheMenuBar();
    void listsHoldTheirItemsInOrder_data();
    void listsHoldTheirItemsInOrder();
    void boxesHaveTheirLengthLimits_data();
    void boxesHaveTheirLengthLimits();
    void controlsFollowTheLayout();
    void fullBrandBannerLiesOnCoBrandBanner();
    void menuBarHoldsItsEntriesInOrder();
    void buttonsAreNoDefaultAndLinksShowAHand();
    void tabVisitsThePlacesInOrder_data();
    void tabVisitsThePlacesInOrder();
    void arrowKeysMoveTheSelectionWithinAPair();
    void keyFiltersPassOrRefuseTypedKeys_data();
    void keyFiltersPassOrRefuseTypedKeys();
    void inputMethodTextPassesTheNameFilter();
    void contextMenuPasteBypassesTheFilter();
    void validateInputReportsTheFirstFault_data();
    void validateInputReportsTheFirstFault();
    void buttonAndMenuRunTheInputChecks_data();
    void buttonAndMenuRunTheInputChecks();
    void enterAndEscapeStartNoCommand();
    void linksAndMenuEntriesOpenTheirAddresses_data();
    void linksAndMenuEntriesOpenTheirAddresses();
    void aboutEntryShowsTheAboutWindowModally();
    void closeBoxAndExitEndTheProgram_data();
    void closeBoxAndExitEndTheProgram();
};

namespace {

const MomentEntry AnyMoment{2024, 1, 5, 9, 5, 0};

} // namespace

void frmMainTest::opensWithDefaultsAndFocusInName() {
    QCOMPARE(window_->windowTitle(), QStringLiteral("Horavela v1.15"));
    for (const char* name : {"txtName", "txtZoneHour", "txtZoneMinute", "txtLatD", "txtLatM",
                             "txtLonD", "txtLonM", "txtMCity", "txtMState", "txtMCountry"})
        QVERIFY2(box(name)->text().isEmpty(), name);
    QVERIFY2(control<QRadioButton>("optLat_0")->isChecked(), "North is not selected");
    QVERIFY2(control<QRadioButton>("optLong_0")->isChecked(), "East is not selected");
    QVERIFY(!control<QRadioButton>("optLat_1")->isChecked());
    QVERIFY(!control<QRadioButton>("optLong_1")->isChecked());
    const QStringList shown = {"January", "1", "1901", "0", "0", "0"};
    const char* lists[] = {"cboMonth", "cboDate", "cboYear", "cboHour", "cboMinute", "cboSecond"};
    for (int i = 0; i < shown.size(); ++i) {
        QCOMPARE(control<QComboBox>(lists[i])->currentIndex(), 0);
        QCOMPARE(control<QComboBox>(lists[i])->currentText(), shown[i]);
    }
    QCOMPARE(QApplication::focusWidget(), box("txtName"));
}

// Each style draws the boxes its own way: whatever their colours, the text
// must stand out from the background as WCAG asks of text (4.5 to 1), less
// what anti-aliasing takes off its thin strokes.
void frmMainTest::boxesAreReadableInEveryStyle() {
    const QString original = QApplication::style()->name();
    for (const QString& styleName : QStyleFactory::keys()) {
        QApplication::setStyle(styleName);
        frmMain window;
        fillForm(&window, "WMW", {"88", "58", false, "178", "58", true, "-88", "-88"},
                 {2050, 12, 28, 23, 58, 58});
        setBoxText(&window, "txtMCity", QStringLiteral("WMW"));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        // A text cursor would stand out where the text does not.
        control<QWidget>(&window, "cmdRashi")->setFocus();
        for (const char* name : {"txtName", "txtZoneHour", "txtLatD", "txtLonM", "txtMCity",
                                 "cboMonth", "cboYear", "cboSecond"}) {
            QWidget* box = control<QWidget>(&window, name);
            QVERIFY2(textContrast(box) >= 3.5,
                     qPrintable(QStringLiteral("%1 under the %2 style: contrast %3")
                                    .arg(QLatin1String(name), styleName)
                                    .arg(textContrast(box))));
        }
    }
    QApplication::setStyle(original);
}

void frmMainTest::clientAreaIsFixedBelowTheMenuBar() {
    QCOMPARE(window_->centralWidget()->size(), QSize(504, 465));
    QCOMPARE(window_->minimumSize(), window_->maximumSize());
    QCOMPARE(window_->height(), window_->menuBar()->height() + 465);
    QCOMPARE(window_->centralWidget()->y(), window_->menuBar()->height());
    const Qt::WindowFlags flags = window_->windowFlags();
    QVERIFY2(!flags.testFlag(Qt::WindowMinimizeButtonHint), "the window offers minimizing");
    QVERIFY2(!flags.testFlag(Qt::WindowMaximizeButtonHint), "the window offers maximizing");
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
}

void frmMainTest::listsHoldTheirItemsInOrder_data() {
    QTest::addColumn<QString>("list");
    QTest::addColumn<QStringList>("items");

    const auto numbers = [](int first, int last) {
        QStringList texts;
        for (int n = first; n <= last; ++n)
            texts.append(QString::number(n));
        return texts;
    };
    addRow("months", "cboMonth",
           QStringList{"January", "February", "March", "April", "May", "June", "July", "August",
                       "September", "October", "November", "December"});
    addRow("days", "cboDate", numbers(1, 31));
    addRow("years", "cboYear", numbers(1901, 2050));
    addRow("hours", "cboHour", numbers(0, 23));
    addRow("minutes", "cboMinute", numbers(0, 59));
    addRow("seconds", "cboSecond", numbers(0, 59));
}

void frmMainTest::listsHoldTheirItemsInOrder() {
    QFETCH(QString, list);
    QFETCH(QStringList, items);

    auto* combo = control<QComboBox>(qPrintable(list));
    QVERIFY2(!combo->isEditable(), "the list takes typing");
    QStringList held;
    for (int i = 0; i < combo->count(); ++i)
        held.append(combo->itemText(i));
    QCOMPARE(held, items);
}

void frmMainTest::boxesHaveTheirLengthLimits_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("limit");

    const int none = QLineEdit().maxLength();
    addRow("name", "txtName", none);
    addRow("zone hours", "txtZoneHour", 3);
    addRow("zone minutes", "txtZoneMinute", 3);
    addRow("latitude degrees", "txtLatD", 2);
    addRow("latitude minutes", "txtLatM", 2);
    addRow("longitude degrees", "txtLonD", 3);
    addRow("longitude minutes", "txtLonM", 2);
    addRow("city", "txtMCity", none);
    addRow("state", "txtMState", none);
    addRow("country", "txtMCountry", none);
}

void frmMainTest::boxesHaveTheirLengthLimits() {
    QFETCH(QString, name);
    QFETCH(int, limit);
    QCOMPARE(box(qPrintable(name))->maxLength(), limit);
}

void frmMainTest::controlsFollowTheLayout() {
    const char* const descriptionText =
        "Horavela calculates the Rahu Kaal. Rahu Kaal is an inauspicious time period in a day "
        "when favorable tasks are not performed. Do all important and good tasks in the time "
        "before or after the Rahu Kaal.";
    const char* const fullBrandText =
        "Home Business Opportunity. Start your own Internet business and make money online. Get "
        "this software fully branded for your website. Click here for more details.";
    const char* const coBrandText =
        "Co-brand this software for your site.  Increase loyalty and traffic to your site. Put "
        "your site's name &  link here. See \"Help\" for details.    Click Here for more info on "
        "co-branding.";
    const QColor dark(64, 64, 64), light(224, 224, 224), grey(128, 128, 128);
    const ControlLayout layout[] = {
        {"Frame6", {}, {}, nullptr, {}, dark},
        {"lblEnterName", {}, {}, nullptr, light},
        {"txtName", {}, {8.25}, nullptr, light, dark},
        {"Label4", {}, {}, descriptionText},
        {"fraZone", {}, {}, "Enter Your Time Zone"},
        {"lblTZHelp", {}, {11.25, Bold}},
        // Empty until a place found is used.
        {"lblZoneName", {6, 64, 142, 16}, {8.25}, ""},
        {"txtLatD", {}, {}, nullptr, light, dark},
        {"optLat_1", {}, {}, "South"},
        {"txtMCountry", {}, {}, nullptr, light, dark},
        {"cmdBrowser", {}, {}, "Click Here To Find Latitude && Longitude"},
        {"cmdRashi", {}, {}, "Is the Chosen Period in Rahul Kaal?"},
        {"Frame7", {}, {}, nullptr, {}, grey},
        {"lblFullBrand", {}, {}, fullBrandText},
        {"lblCobrand", {}, {}, coBrandText},
    };
    const QStringList faults = layoutMismatches(window_, layout);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
}

void frmMainTest::fullBrandBannerLiesOnCoBrandBanner() {
    auto* fullBrand = control<QLabel>("lblFullBrand");
    auto* coBrand = control<QLabel>("lblCobrand");
    QCOMPARE(fullBrand->geometry(), coBrand->geometry());
    QCOMPARE(fullBrand->parent(), coBrand->parent());
    const QObjectList stack = fullBrand->parent()->children();
    QVERIFY2(stack.indexOf(fullBrand) > stack.indexOf(coBrand),
             "lblCobrand lies in front of lblFullBrand");
    QVERIFY(fullBrand->isVisible());
    QVERIFY(coBrand->isVisible());
    // Only the one in front may be seen, so each must paint over what lies behind it.
    QVERIFY2(fullBrand->autoFillBackground() && coBrand->autoFillBackground(),
             "a banner label lets the one behind it show through");
}

void frmMainTest::menuBarHoldsItsEntriesInOrder() {
    const auto texts = [](const QList<QAction*>& actions) {
        QStringList result;
        for (const QAction* action : actions)
            result.append(action->isSeparator() ? QStringLiteral("-") : action->text());
        return result;
    };
    QCOMPARE(texts(window_->menuBar()->actions()),
             (QStringList{"&File", "&Help", "&Donate", "Make Money &Online"}));
    QCOMPARE(texts(control<QMenu>("mnuFile")->actions()),
             (QStringList{"Is the Chosen Period in Rahul Kaal?", "Set to &Now",
                          "Rahu Kaal of the &Month...", "Save as &Home Place", "&Forget Home Place",
                          "-", "Show in the System &Tray", "&Reminders...",
                          "Start with the &Desktop", "-", "E&xit"}));
    QCOMPARE(control<QAction>("mnuNow")->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));
    QCOMPARE(texts(control<QMenu>("mnuHelp")->actions()),
             (QStringList{"&Online Help", "&Visit Us Online", "-", "Check for Software &Update",
                          "-", "Switch Application &Language...", "&About Software"}));
    auto* donate = control<QAction>("mnuDonate");
    QVERIFY2(!donate->menu(), "Donate opens a drop-down");
    auto* makeMoney = control<QAction>("mkmoney");
    QVERIFY2(!makeMoney->isEnabled(), "Make Money Online can be chosen");
    QVERIFY2(makeMoney->isVisible(), "Make Money Online is not shown greyed out");
}

void frmMainTest::buttonsAreNoDefaultAndLinksShowAHand() {
    for (const char* name : {"cmdBrowser", "cmdRashi"})
        QVERIFY2(!control<QPushButton>(name)->autoDefault(), name);
    for (const char* name : {"Label61", "lblTZHelp", "lblFullBrand", "lblCobrand"})
        QVERIFY2(control<QLabel>(name)->cursor().shape() == Qt::PointingHandCursor, name);
}

void frmMainTest::tabVisitsThePlacesInOrder_data() {
    QTest::addColumn<bool>("south");
    QTest::addColumn<bool>("west");
    QTest::addColumn<QString>("raised");
    QTest::addColumn<QStringList>("places");

    const QStringList first = {"txtName",       "cboMonth",  "cboDate",   "cboYear",
                               "cboHour",       "cboMinute", "cboSecond", "txtZoneHour",
                               "txtZoneMinute", "txtLatD",   "txtLatM"};
    const QStringList last = {"txtMCity", "txtMState", "txtMCountry", "cmdBrowser", "cmdRashi"};
    // The links follow every input place, top to bottom; of the two banners
    // only the one in front is reached.
    const QStringList links = {"Label61", "lblTZHelp", "lblFullBrand"};
    addRow("North and East", false, false, QString(),
           first + QStringList{"optLat_0", "txtLonD", "txtLonM", "optLong_0"} + last + links);
    addRow("South and East", true, false, QString(),
           first + QStringList{"txtLonD", "txtLonM", "optLong_0"} + last + QStringList{"optLat_1"} +
               links);
    addRow("North and West", false, true, QString(),
           first + QStringList{"optLat_0", "txtLonD", "txtLonM"} + last + QStringList{"optLong_1"} +
               links);
    addRow("South and West", true, true, QString(),
           first + QStringList{"txtLonD", "txtLonM"} + last + QStringList{"optLong_1", "optLat_1"} +
               links);
    addRow("co-brand banner in front", false, false, "lblCobrand",
           first + QStringList{"optLat_0", "txtLonD", "txtLonM", "optLong_0"} + last +
               QStringList{"Label61", "lblTZHelp", "lblCobrand"});
    addRow("full brand banner raised again", false, false, "lblCobrand lblFullBrand",
           first + QStringList{"optLat_0", "txtLonD", "txtLonM", "optLong_0"} + last + links);
}

// Tab runs once through the places and comes back to the name.
void frmMainTest::tabVisitsThePlacesInOrder() {
    QFETCH(bool, south);
    QFETCH(bool, west);
    QFETCH(QString, raised);
    QFETCH(QStringList, places);

    if (south)
        QTest::mouseClick(control<QRadioButton>("optLat_1"), Qt::LeftButton);
    if (west)
        QTest::mouseClick(control<QRadioButton>("optLong_1"), Qt::LeftButton);
    for (const QString& banner : raised.split(u' ', Qt::SkipEmptyParts))
        control<QLabel>(qPrintable(banner))->raise();
    box("txtName")->setFocus();
    QStringList visited = {QApplication::focusWidget()->objectName()};
    for (int i = 0; i < places.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.append(QApplication::focusWidget()->objectName());
    }
    QCOMPARE(visited, places + QStringList{"txtName"});
}

void frmMainTest::arrowKeysMoveTheSelectionWithinAPair() {
    for (const auto& [upper, lower] :
         {std::pair{"optLat_0", "optLat_1"}, std::pair{"optLong_0", "optLong_1"}}) {
        auto* first = control<QRadioButton>(upper);
        auto* second = control<QRadioButton>(lower);
        first->setFocus();
        QTest::keyClick(first, Qt::Key_Down);
        QVERIFY2(second->isChecked() && !first->isChecked(),
                 "Down did not select the lower option");
        QCOMPARE(QApplication::focusWidget(), second);
        QTest::keyClick(second, Qt::Key_Up);
        QVERIFY2(first->isChecked() && !second->isChecked(), "Up did not select the upper option");
        QCOMPARE(QApplication::focusWidget(), first);
    }
}

namespace {

enum class Refusal { None, Numbers, Letters };

struct KeyCase {
    const char* what;
    const char* box;
    const char* before;
    int cursor; // -1: at the end
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char* text;
    const char* after;
    Refusal refusal;
};

constexpr Qt::KeyboardModifiers None = Qt::NoModifier;
constexpr Qt::KeyboardModifiers Ctrl = Qt::ControlModifier;
constexpr Qt::KeyboardModifiers Shift = Qt::ShiftModifier;
constexpr Refusal Numbers = Refusal::Numbers;
constexpr Refusal Letters = Refusal::Letters;
constexpr Refusal Passes = Refusal::None;

// Rows for each number box; the clipboard holds "12" for the paste keys.
const KeyCase NumberBoxCases[] = {
    {"digit", "", "", -1, Qt::Key_7, None, "7", "7", Passes},
    {"letter", "", "1", -1, Qt::Key_A, None, "a", "1", Numbers},
    {"point", "", "1", -1, Qt::Key_Period, None, ".", "1", Numbers},
    {"minus", "", "1", -1, Qt::Key_Minus, None, "-", "1", Numbers},
    {"Enter", "", "1", -1, Qt::Key_Return, None, "\r", "1", Numbers},
    {"Escape", "", "1", -1, Qt::Key_Escape, None, "\x1b", "1", Numbers},
    {"Backspace", "", "12", -1, Qt::Key_Backspace, None, "\b", "1", Passes},
    {"Ctrl+V", "", "", -1, Qt::Key_V, Ctrl, "\x16", "", Numbers},
};

const KeyCase OtherCases[] = {
    {"full box refuses silently", "txtLonD", "179", -1, Qt::Key_1, None, "1", "179", Passes},
    {"Delete is no character", "txtLatD", "12", 0, Qt::Key_Delete, None, "\x7f", "2", Passes},
    {"Shift+Insert is a paste", "txtLonD", "", -1, Qt::Key_Insert, Shift, "", "", Numbers},
    {"Ctrl+C", "txtLonD", "1", -1, Qt::Key_C, Ctrl, "\x03", "1", Numbers},
    {"Ctrl+X", "txtLonD", "1", -1, Qt::Key_X, Ctrl, "\x18", "1", Numbers},
    {"Ctrl+Z", "txtLonD", "1", -1, Qt::Key_Z, Ctrl, "\x1a", "1", Numbers},
    {"zone hours take minus", "txtZoneHour", "5", 0, Qt::Key_Minus, None, "-", "-5", Passes},
    {"full zone hours", "txtZoneHour", "-12", -1, Qt::Key_3, None, "3", "-12", Passes},
    {"zone hours refuse letters", "txtZoneHour", "", -1, Qt::Key_X, None, "x", "", Numbers},
    {"zone hours refuse Ctrl+V", "txtZoneHour", "", -1, Qt::Key_V, Ctrl, "\x16", "", Numbers},
    {"name in capitals", "txtName", "BC", 1, Qt::Key_A, None, "a", "BAC", Passes},
    {"name takes space", "txtName", "A", -1, Qt::Key_Space, None, " ", "A ", Passes},
    {"name takes Backspace", "txtName", "AB", -1, Qt::Key_Backspace, None, "\b", "A", Passes},
    {"name takes Enter", "txtName", "AB", -1, Qt::Key_Return, None, "\r", "AB", Passes},
    {"name refuses digits", "txtName", "A", -1, Qt::Key_1, None, "1", "A", Letters},
    {"name refuses point", "txtName", "A", -1, Qt::Key_Period, None, ".", "A", Letters},
    {"name capitalises accents", "txtName", "A", -1, Qt::Key_Eacute, None, "\u00e9", "A\u00c9",
     Passes},
    {"name takes Tamil", "txtName", "A", -1, Qt::Key_unknown, None, "\u0bb0", "A\u0bb0", Passes},
    {"name takes a virama", "txtName", "\u0bb0", -1, Qt::Key_unknown, None, "\u0bcd",
     "\u0bb0\u0bcd", Passes},
    {"name refuses Devanagari digits", "txtName", "A", -1, Qt::Key_unknown, None, "\u096b", "A",
     Letters},
    {"name refuses Escape", "txtName", "A", -1, Qt::Key_Escape, None, "\x1b", "A", Letters},
    {"name refuses Ctrl+V", "txtName", "A", -1, Qt::Key_V, Ctrl, "\x16", "A", Letters},
    {"city has no filter", "txtMCity", "Pu", -1, Qt::Key_1, None, "1", "Pu1", Passes},
};

} // namespace

void frmMainTest::keyFiltersPassOrRefuseTypedKeys_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("row");
    for (const char* name : {"txtLatD", "txtLatM", "txtLonD", "txtLonM", "txtZoneMinute"})
        for (int i = 0; i < int(std::size(NumberBoxCases)); ++i)
            addRow(qPrintable(QStringLiteral("%1 %2").arg(name, NumberBoxCases[i].what)), name, i);
    for (int i = 0; i < int(std::size(OtherCases)); ++i)
        addRow(OtherCases[i].what, OtherCases[i].box, int(std::size(NumberBoxCases)) + i);
}

// Names in Indian scripts come from an input method, a word at a time: its
// letters go in, its digits are refused as typed ones are.
void frmMainTest::inputMethodTextPassesTheNameFilter() {
    QLineEdit* name = box("txtName");
    QVERIFY(name->testAttribute(Qt::WA_InputMethodEnabled));
    name->setFocus();
    ModalAnswerer answerer;
    QInputMethodEvent word(QString(), {});
    word.setCommitString(u"\u0bb0\u0bbe\u0bae\u0bcd5"_qs);
    QApplication::sendEvent(name, &word);
    QCOMPARE(name->text(), u"\u0bb0\u0bbe\u0bae\u0bcd"_qs);
    QCOMPARE(answerer.texts, QStringList{"Please Enter only Letters"});
}

void frmMainTest::keyFiltersPassOrRefuseTypedKeys() {
    QFETCH(QString, box);
    QFETCH(int, row);
    const int numberRows = int(std::size(NumberBoxCases));
    const KeyCase& c = row < numberRows ? NumberBoxCases[row] : OtherCases[row - numberRows];

    QApplication::clipboard()->setText(QStringLiteral("12"));
    QLineEdit* edit = this->box(qPrintable(box));
    edit->setText(QString::fromUtf8(c.before));
    if (c.cursor >= 0)
        edit->setCursorPosition(c.cursor);
    edit->setFocus();
    ModalAnswerer answerer;
    QTest::sendKeyEvent(QTest::Click, edit, c.key, QString::fromUtf8(c.text), c.modifiers);
    QCOMPARE(edit->text(), QString::fromUtf8(c.after));
    QCOMPARE(window_->focusWidget(), edit);
    if (c.refusal == Refusal::None) {
        QVERIFY2(answerer.texts.isEmpty(),
                 qPrintable("unexpected message: " + answerer.texts.join("")));
        return;
    }
    const bool numbers = c.refusal == Refusal::Numbers;
    QCOMPARE(answerer.texts,
             QStringList{numbers ? "Only Numbers Are Accepted" : "Please Enter only Letters"});
    QCOMPARE(iconName(answerer.icons.first()),
             iconName(numbers ? QMessageBox::Critical : QMessageBox::Information));
}

// The context menu's Paste is not a typed key: whatever it brings stays, up
// to the length limit, and the input checks read it.
void frmMainTest::contextMenuPasteBypassesTheFilter() {
    const auto pasteByMenu = [](QLineEdit* edit, const QString& text) {
        QApplication::clipboard()->setText(text);
        std::unique_ptr<QMenu> menu(edit->createStandardContextMenu());
        for (QAction* action : menu->actions()) {
            if (action->text().startsWith(QLatin1String("&Paste")) && action->isEnabled()) {
                action->trigger();
                return true;
            }
        }
        return false;
    };
    fill(Pune, AnyMoment);
    ModalAnswerer answerer;
    box("txtLonD")->clear();
    QVERIFY2(pasteByMenu(box("txtLonD"), QStringLiteral("12abc")), "the menu offers no Paste");
    QCOMPARE(box("txtLonD")->text(), QStringLiteral("12a"));
    box("txtLatM")->clear();
    QVERIFY2(pasteByMenu(box("txtLatM"), QStringLiteral("ab")), "the menu offers no Paste");
    QCOMPARE(box("txtLatM")->text(), QStringLiteral("ab"));
    QVERIFY2(answerer.texts.isEmpty(), "pasting showed a message");

    bool passed = true;
    QMetaObject::invokeMethod(window_, "ValidateInput", Q_RETURN_ARG(bool, passed));
    QVERIFY(!passed);
    QCOMPARE(answerer.texts,
             QStringList{"Please Enter Value Between 0 And 59 in the  Minute of Latitude"});
}

namespace {

enum Step { AllPass, NameStep, LonDegrees, LonMinutes, LatDegrees, LatMinutes, DateStep };

struct StepOutcome {
    const char* message;
    const char* focus; // nullptr: the focus stays where it was
};

const StepOutcome Outcomes[] = {
    {nullptr, nullptr},
    {"Please Enter Name", "txtName"},
    {"Please Enter Value Between 0 And 179 in the Degree of Longitude", "txtLonD"},
    {"Please Enter Value Between 0 And 59 in the  Minute of Longitude", "txtLonM"},
    {"Please Enter Value Between 0 And 89 in the Degree of Latitude", "txtLatD"},
    {"Please Enter Value Between 0 And 59 in the  Minute of Latitude", "txtLatM"},
    {"Please Enter Correct Date Of Work", nullptr},
};

struct InputCase {
    const char* what;
    const char* fields[5]; // name, longitude degrees and minutes, latitude degrees and minutes
    int month;             // positions in the lists
    int day;
    const char* year;
    Step failure;
};

// Texts longer than a box's limit cannot get into it; their readings are
// tested without the window.
const InputCase InputCases[] = {
    {"all fine", {"RAM", "73", "50", "18", "31"}, 0, 0, "1901", AllPass},
    {"name of one letter, zeros", {"A", "0", "0", "0", "0"}, 0, 0, "1901", AllPass},
    {"name of blanks", {"   ", "73", "50", "18", "31"}, 0, 0, "1901", NameStep},
    {"longitude 179", {"A", "179", "0", "0", "0"}, 0, 0, "1901", AllPass},
    {"longitude 180", {"A", "180", "0", "0", "0"}, 0, 0, "1901", LonDegrees},
    {"longitude empty", {"A", "", "0", "0", "0"}, 0, 0, "1901", LonDegrees},
    {"longitude negative", {"A", "-5", "0", "0", "0"}, 0, 0, "1901", LonDegrees},
    {"longitude read up to letters", {"A", "12a", "0", "0", "0"}, 0, 0, "1901", AllPass},
    {"longitude of letters is 0", {"A", "abc", "0", "0", "0"}, 0, 0, "1901", AllPass},
    {"longitude fraction", {"A", "1.5", "0", "0", "0"}, 0, 0, "1901", AllPass},
    {"longitude minutes 59", {"A", "0", "59", "0", "0"}, 0, 0, "1901", AllPass},
    {"longitude minutes 60", {"A", "0", "60", "0", "0"}, 0, 0, "1901", LonMinutes},
    {"longitude minutes empty", {"A", "0", "", "0", "0"}, 0, 0, "1901", LonMinutes},
    {"longitude minutes 5x", {"A", "0", "5x", "0", "0"}, 0, 0, "1901", LonMinutes},
    {"latitude 89", {"A", "0", "0", "89", "0"}, 0, 0, "1901", AllPass},
    {"latitude 90", {"A", "0", "0", "90", "0"}, 0, 0, "1901", LatDegrees},
    {"latitude minutes 60", {"A", "0", "0", "0", "60"}, 0, 0, "1901", LatMinutes},
    {"latitude minutes of letters", {"A", "0", "0", "0", "ab"}, 0, 0, "1901", LatMinutes},
    {"longitude degrees first", {"A", "180", "60", "90", "60"}, 3, 30, "2024", LonDegrees},
    {"longitude minutes next", {"A", "0", "60", "90", "60"}, 3, 30, "2024", LonMinutes},
    {"name before all", {"", "180", "60", "90", "60"}, 3, 30, "2024", NameStep},
    {"30 April", {"A", "0", "0", "0", "0"}, 3, 29, "2024", AllPass},
    {"31 April", {"A", "0", "0", "0", "0"}, 3, 30, "2024", DateStep},
    {"31 November", {"A", "0", "0", "0", "0"}, 10, 30, "2024", DateStep},
    {"31 December", {"A", "0", "0", "0", "0"}, 11, 30, "2050", AllPass},
    {"29 February 2000", {"A", "0", "0", "0", "0"}, 1, 28, "2000", AllPass},
    {"30 February 2004", {"A", "0", "0", "0", "0"}, 1, 29, "2004", DateStep},
    {"29 February 2001", {"A", "0", "0", "0", "0"}, 1, 28, "2001", DateStep},
};

} // namespace

void frmMainTest::validateInputReportsTheFirstFault_data() {
    QTest::addColumn<int>("row");
    for (int i = 0; i < int(std::size(InputCases)); ++i)
        addRow(InputCases[i].what, i);
}

void frmMainTest::validateInputReportsTheFirstFault() {
    QFETCH(int, row);
    const InputCase& c = InputCases[row];
    const StepOutcome& outcome = Outcomes[c.failure];

    const char* boxes[] = {"txtName", "txtLonD", "txtLonM", "txtLatD", "txtLatM"};
    for (int i = 0; i < 5; ++i)
        box(boxes[i])->setText(QString::fromUtf8(c.fields[i]));
    control<QComboBox>("cboMonth")->setCurrentIndex(c.month);
    control<QComboBox>("cboDate")->setCurrentIndex(c.day);
    choose(window_, "cboYear", QString::fromUtf8(c.year));
    box("txtMCity")->setFocus();

    ModalAnswerer answerer;
    bool passed = false;
    QVERIFY(QMetaObject::invokeMethod(window_, "ValidateInput", Q_RETURN_ARG(bool, passed)));
    QCOMPARE(passed, c.failure == AllPass);
    QCOMPARE(answerer.texts, outcome.message ? QStringList{outcome.message} : QStringList());
    if (outcome.message)
        QCOMPARE(
            iconName(answerer.icons.first()),
            iconName(c.failure == DateStep ? QMessageBox::Information : QMessageBox::Critical));
    QCOMPARE(window_->focusWidget()->objectName(),
             QString::fromUtf8(outcome.focus ? outcome.focus : "txtMCity"));
}

void frmMainTest::buttonAndMenuRunTheInputChecks_data() {
    QTest::addColumn<bool>("byMenu");
    addRow("button", false);
    addRow("File menu", true);
}

void frmMainTest::buttonAndMenuRunTheInputChecks() {
    QFETCH(bool, byMenu);
    const auto check = [&] {
        if (byMenu)
            control<QAction>("mnuNext")->trigger();
        else
            QTest::mouseClick(control<QPushButton>("cmdRashi"), Qt::LeftButton);
    };
    ModalAnswerer answerer;
    check();
    QCOMPARE(answerer.texts, QStringList{"Please Enter Name"});
    QCOMPARE(window_->focusWidget(), box("txtName"));
    fill(Pune, AnyMoment);
    box("txtLatD")->setText(QStringLiteral("95"));
    check();
    QCOMPARE(answerer.texts.size(), 2);
    QCOMPARE(answerer.texts.last(),
             QStringLiteral("Please Enter Value Between 0 And 89 in the Degree of Latitude"));
    QVERIFY2(window_->isVisible(), "a failed check hid the main window");
}

// With an empty name any started check would complain at once.
void frmMainTest::enterAndEscapeStartNoCommand() {
    ModalAnswerer answerer;
    for (const char* name : {"txtName", "txtMCity", "txtMState", "txtMCountry"}) {
        box(name)->setFocus();
        QTest::keyClick(box(name), Qt::Key_Return);
        QTest::keyClick(box(name), Qt::Key_Enter, Qt::KeypadModifier);
    }
    box("txtMCity")->setFocus();
    QTest::keyClick(box("txtMCity"), Qt::Key_Escape);
    QVERIFY2(answerer.texts.isEmpty(),
             qPrintable(QStringLiteral("Enter or Escape showed: ") + answerer.texts.join(", ")));
}

void frmMainTest::linksAndMenuEntriesOpenTheirAddresses_data() {
    addWebEntryRows();
}

void frmMainTest::linksAndMenuEntriesOpenTheirAddresses() {
    QFETCH(QString, name);
    QFETCH(QString, address);

    box("txtName")->setText(QStringLiteral("RAM"));
    if (auto* label = window_->findChild<QLabel*>(name))
        QTest::mouseClick(label, Qt::LeftButton);
    else
        window_->findChild<QAction*>(name)->trigger();
    QCOMPARE(pages_.opened, QStringList{address});
    QVERIFY2(window_->isVisible(), "opening a page hid the main window");
    QCOMPARE(box("txtName")->text(), QStringLiteral("RAM"));
}

void frmMainTest::aboutEntryShowsTheAboutWindowModally() {
    const ReplacedAboutWindowOpener about(showAboutWindow);
    ModalAnswerer answerer;
    control<QAction>("mnuAbout")->trigger();
    QCOMPARE(answerer.windows, QStringList{"frmAbout"});
    QVERIFY(window_->isVisible());
}

void frmMainTest::closeBoxAndExitEndTheProgram_data() {
    QTest::addColumn<bool>("byMenu");
    addRow("close box", false);
    addRow("Exit", true);
}

void frmMainTest::closeBoxAndExitEndTheProgram() {
    QFETCH(bool, byMenu);
    if (byMenu)
        control<QAction>("mnuExit")->trigger();
    else
        window_->close();
    QCOMPARE(programEnds_, 1);
    QVERIFY2(!window_ || !window_->isVisible(), "the program ended with the main window shown");
    QTRY_VERIFY2(window_.isNull(), "the program ended but left the main window loaded");
}

QTEST_MAIN(frmMainTest)
#include "frmMainTest.moc"
