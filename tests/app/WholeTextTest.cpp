// Every text of every window stands whole in its label on the desktop's
// language, and none is left in English: fontconfig picks the fonts standing
// in for Verdana by that language, the texts come from its translation, and
// dates and times in its script. CTest runs this once per language; each
// window is a row.
#include "ProgramVersion.h"
#include "app/frmAbout.h"
#include "places/PlaceLookup.h"
#include "platform/FitText.h"
#include "platform/Language.h"
#include "tests/support/FakeGazetteer.h"
#include "tests/support/ScriptFonts.h"
#include "ui/language/frmLanguage.h"
#include "ui/main/ZoneLink.h"
#include "ui/main/frmMain.h"
#include "ui/month/SaveMonthDialog.h"
#include "ui/month/frmMonth.h"
#include "ui/placesearch/frmPlaceSearch.h"
#include "ui/reminders/frmReminders.h"
#include "ui/result/ResultTexts.h"
#include "ui/result/frmDisplay.h"
#include "ui/timezone/TimeZoneTable.h"
#include "ui/timezone/frmTimeZone.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDebug>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QStyle>
#include <QTableWidget>
#include <QTest>
#include <algorithm>
#include <functional>
#include <memory>

using namespace horavela;
using namespace std::chrono;

namespace {

// Ink may reach this far past its label's box, as antialiasing does.
constexpr double Tolerance = 1;

// Where the label's text leaves ink outside its box, drawn as the label draws
// it, at the screen's pixel ratio, into a picture with room all round; empty
// when it is all inside.
QString inkOutside(const QLabel& label) {
    const QRect box = label.contentsRect();
    // The label lays its text out indented from the side it is aligned to.
    QRect text = box.translated(-box.topLeft());
    if (label.indent() > 0 && (label.alignment() & Qt::AlignLeft))
        text.setLeft(label.indent());
    if (label.indent() > 0 && (label.alignment() & Qt::AlignRight))
        text.setRight(text.right() - label.indent());
    const int room = box.height() + 40;
    const double ratio = label.devicePixelRatioF();
    const QSize logical = box.size() + QSize(2 * room, 2 * room);
    QImage picture(logical * ratio, QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    // Drawn unclipped, to see what the label's own clipping cuts off.
    int flags = int(label.alignment()) | Qt::TextDontClip;
    if (label.wordWrap())
        flags |= Qt::TextWordWrap;
    if (label.buddy())
        flags |= Qt::TextShowMnemonic;
    {
        QPainter painter(&picture);
        painter.setFont(label.font());
        painter.setPen(Qt::black);
        painter.drawText(text.translated(room, room), flags, label.text());
    }
    QRect pixels;
    for (int y = 0; y < picture.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        for (int x = 0; x < picture.width(); ++x)
            if (qAlpha(line[x]) > 0)
                pixels |= QRect(x, y, 1, 1);
    }
    if (pixels.isNull())
        return {};
    // In the window's own pixels.
    const QRectF ink(QPointF(pixels.left() / ratio - room, pixels.top() / ratio - room),
                     QSizeF(pixels.width() / ratio, pixels.height() / ratio));
    // The label clips its painting to itself, margins included: ink may use them.
    const QMargins margins = label.contentsMargins();
    const double past = std::max({-ink.left() - margins.left(), -ink.top() - margins.top(),
                                  ink.right() - box.width() - margins.right(),
                                  ink.bottom() - box.height() - margins.bottom()});
    if (past <= Tolerance)
        return {};
    return QStringLiteral("%1 \"%2\" in %3 at %4 pt: its ink spans %5,%6 to %7,%8 of a %9 x %10 "
                          "box, %11 px past it")
        .arg(label.objectName(), label.text(), QFontInfo(label.font()).family())
        .arg(label.font().pointSizeF())
        .arg(ink.left())
        .arg(ink.top())
        .arg(ink.right())
        .arg(ink.bottom())
        .arg(box.width())
        .arg(box.height())
        .arg(past);
}

// Where the window cuts the label's text off, as when the window keeps its
// designed size while a translation grows a label beyond it. Empty when the
// window holds the text whole.
QString cutByWindow(const QLabel& label, const QWidget& window) {
    const QRectF ink = drawnInk(label.font(), label.text(), labelTextRect(label),
                                labelTextFlags(label), label.devicePixelRatioF())
                           .translated(label.mapTo(&window, QPoint(0, 0)));
    if (QRectF(window.rect()).adjusted(-Tolerance, -Tolerance, Tolerance, Tolerance).contains(ink))
        return {};
    return QStringLiteral(
               "%1 \"%2\" is cut off by its window: its ink spans %3,%4 to %5,%6 of %7 x %8")
        .arg(label.objectName(), label.text())
        .arg(ink.left())
        .arg(ink.top())
        .arg(ink.right())
        .arg(ink.bottom())
        .arg(window.width())
        .arg(window.height());
}

// Every label that the window shows, and that has a text, checked.
QStringList labelsCutOff(const QWidget& window) {
    QStringList cut;
    for (const QLabel* label : window.findChildren<QLabel*>())
        if (label->isVisibleTo(&window) && !label->text().isEmpty() &&
            !label->visibleRegion().isEmpty()) {
            if (QString outside = inkOutside(*label); !outside.isEmpty())
                cut << outside;
            // The design lets the banners run past their frames and the
            // window's edge, in English as in every language.
            if (languageInUse() == u"en" ||
                !label->parentWidget()->rect().contains(label->geometry()))
                continue;
            if (QString outside = cutByWindow(*label, window); !outside.isEmpty())
                cut << outside;
        }
    return cut;
}

// Every cell of the window's tables whose text leaves ink outside the cell,
// drawn as the table draws it: left-aligned and centred on its row, inside the
// style's margin.
QStringList cellsCutOff(const QWidget& window) {
    QStringList cut;
    for (const QTableWidget* table : window.findChildren<QTableWidget*>()) {
        const int margin =
            table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, table) + 1;
        for (int row = 0; row < table->rowCount(); ++row)
            for (int column = 0; column < table->columnCount(); ++column) {
                const QTableWidgetItem* item = table->item(row, column);
                if (!item || item->text().isEmpty())
                    continue;
                const QRect cell = table->visualItemRect(item);
                const QRect text(margin, 0, cell.width() - 2 * margin, cell.height());
                // An item without a font of its own is drawn in the table's.
                const QFont font =
                    item->data(Qt::FontRole).isValid() ? item->font() : table->font();
                const QRectF ink =
                    drawnInk(font, item->text(), text, Qt::AlignLeft | Qt::AlignVCenter,
                             table->devicePixelRatioF());
                if (ink.isEmpty() || (ink.left() >= -Tolerance && ink.top() >= -Tolerance &&
                                      ink.right() <= cell.width() + Tolerance &&
                                      ink.bottom() <= cell.height() + Tolerance))
                    continue;
                QDebug(&cut.emplace_back()).nospace()
                    << table->objectName() << " row " << row << " column " << column << " "
                    << item->text() << " in " << QFontInfo(font).family() << " at "
                    << font.pointSizeF() << " pt: its ink " << ink << " in a " << cell.size()
                    << " cell";
            }
    }
    return cut;
}

// What a check writes on a month's longest day, in the desktop's language,
// with a period of the night: one wholly before midnight, or one that runs
// past it into the first of the next month, whose date is then written too.
ResultTexts monthResult(int month, bool pastMidnight) {
    const QLocale locale;
    // A leap year, so February's longest day is the 29th.
    const year_month_day_last last{year{2024} / std::chrono::month(month) / std::chrono::last};
    const local_days lastDay{last};
    ResultTexts texts;
    texts.chosenDate =
        chosenDateText(locale, month, QString::number(unsigned(last.day())), u"2024");
    texts.chosenTime = QStringLiteral("23:59:59");
    texts.rahukalResult = verdictText(Verdict::NotInRahukal);
    texts.showNote = true;
    const DateTime start = lastDay + (pastMidnight ? hours{23} + minutes{20} + seconds{38}
                                                   : hours{22} + minutes{7} + seconds{28});
    texts.rahukalPeriod = periodText(locale, start, start + minutes{91} + seconds{21});
    texts.periodCaption = periodCaption(Stretch::NightBefore);
    return texts;
}

// Every text the window shows or gives a screen reader: captions, menus,
// lists, tables and the names and descriptions of its controls.
QStringList shownTexts(const QWidget& window) {
    QStringList texts{window.windowTitle()};
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(&window) && !qobject_cast<const QMenu*>(widget))
            continue;
        texts << widget->accessibleName() << widget->accessibleDescription() << widget->toolTip();
        if (const auto* label = qobject_cast<const QLabel*>(widget))
            texts << label->text();
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
            texts << button->text();
        if (const auto* group = qobject_cast<const QGroupBox*>(widget))
            texts << group->title();
        if (const auto* list = qobject_cast<const QComboBox*>(widget))
            for (int n = 0; n < list->count(); ++n)
                texts << list->itemText(n);
        if (const auto* list = qobject_cast<const QListWidget*>(widget))
            for (int n = 0; n < list->count(); ++n)
                texts << list->item(n)->text();
        if (const auto* table = qobject_cast<const QTableWidget*>(widget)) {
            for (int column = 0; column < table->columnCount(); ++column)
                if (const QTableWidgetItem* title = table->horizontalHeaderItem(column))
                    texts << title->text();
            for (int row = 0; row < table->rowCount(); ++row)
                for (int column = 0; column < table->columnCount(); ++column)
                    if (const QTableWidgetItem* item = table->item(row, column))
                        texts << item->text() << item->data(Qt::AccessibleTextRole).toString();
        }
        if (const auto* menu = qobject_cast<const QMenu*>(widget)) {
            texts << menu->title();
            for (const QAction* action : menu->actions())
                texts << action->text();
        }
        if (const auto* bar = qobject_cast<const QMenuBar*>(widget))
            for (const QAction* action : bar->actions())
                texts << action->text();
    }
    return texts;
}

// Words that every language writes in Latin letters: the program's name, the
// places and zones the windows are shown with, the source of the places, the
// file types, English's own name in the language list, universal time's
// abbreviation, and the zones' abbreviations in the picker.
const QSet<QString>& latinWords() {
    static const QSet<QString> words = [] {
        QSet<QString> kept{
            u"Horavela"_qs, u"New"_qs,         u"Delhi"_qs,        u"India"_qs,
            u"Pune"_qs,     u"Maharashtra"_qs, u"Asia"_qs,         u"Kolkata"_qs,
            u"America"_qs,  u"Argentina"_qs,   u"Buenos_Aires"_qs, u"ComodRivadavia"_qs,
            u"GeoNames"_qs, u"geonames"_qs,    u"org"_qs,          u"CC"_qs,
            u"BY"_qs,       u"CSV"_qs,         u"PDF"_qs,          u"csv"_qs,
            u"pdf"_qs,      u"ics"_qs,         u"www"_qs,          u"example"_qs,
            u"horavela"_qs, u"maker"_qs,       u"English"_qs,      u"UTC"_qs};
        // The caption, "Horavela v1.15".
        for (const QString& part : QString::fromLatin1(ProgramCaption).split(u' '))
            kept.insert(part.section(u'.', 0, 0));
        for (const TimeZoneRow& row : TimeZoneRows)
            kept.insert(QString::fromLatin1(row.text).section(u',', 1, 1).trimmed());
        return kept;
    }();
    return words;
}

// The windows, each made as the program makes it, or written into as a check
// writes into it; the window stays the test's.
using Window = std::function<QWidget*()>;

} // namespace

class WholeTextTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void everyLabelHoldsItsInk_data();
    void everyLabelHoldsItsInk();
    void noEnglishWordIsLeft_data();
    void noEnglishWordIsLeft();

private:
    std::optional<ReplacedTranslationsFolder> translations_;
    std::unique_ptr<QWidget> made_;
    // One result window takes every month's texts in turn, as the program's
    // window takes one check after another.
    std::unique_ptr<frmDisplay> result_;
};

// Without the language's own font, its glyphs would not be drawn as a user sees them.
void WholeTextTest::initTestCase() {
    // The desktop's language, as the program takes it at its start.
    QStandardPaths::setTestModeEnabled(true);
    translations_.emplace(QStringLiteral(TRANSLATIONS_FOLDER));
    useLanguage(languageToSpeak({}));
    if (const QString font = missingScriptFont(QLocale().language()); !font.isEmpty())
        QSKIP(qPrintable(
            QStringLiteral("%1 is not installed (scripts/deps.sh test installs it)").arg(font)));
}

void WholeTextTest::everyLabelHoldsItsInk_data() {
    QTest::addColumn<Window>("window");
    const QByteArray language = QLocale().name().toLatin1();
    const auto make = [this](auto build) {
        return Window([this, build] {
            made_ = build();
            return made_.get();
        });
    };
    QTest::newRow("main " + language) << make([] { return std::make_unique<frmMain>(); });
    // The zone's name beside the zone boxes once a place is used; the longest
    // names the time-zone data has.
    for (const char* zone :
         {"Asia/Kolkata", "America/Argentina/Buenos_Aires", "America/Argentina/ComodRivadavia"})
        QTest::newRow("main " + language + " linked to " + zone) << make([zone] {
            auto window = std::make_unique<frmMain>();
            showZoneName(*window->findChild<QLabel*>(QStringLiteral("lblZoneName")),
                         QString::fromLatin1(zone));
            return window;
        });
    for (int month = 1; month <= 12; ++month)
        for (const bool pastMidnight : {false, true})
            QTest::newRow("result " + language + ' ' + QByteArray::number(month) +
                          (pastMidnight ? " past midnight" : " before midnight"))
                << Window([this, month, pastMidnight] {
                       if (!result_)
                           result_ = std::make_unique<frmDisplay>(nullptr);
                       result_->writeResult(monthResult(month, pastMidnight));
                       return result_.get();
                   });
    QTest::newRow("time zone picker " + language) << make([] {
        // The picker writes into the main window's zone boxes.
        static QLineEdit hours, minutes;
        return std::make_unique<frmTimeZone>(hours, minutes);
    });
    QTest::newRow("places " + language) << make([] {
        const ZoneMoment moment{2024, QDate(2024, 12, 30), QTime(22, 7)};
        std::vector<Place> places{listedPlace(1259229, "Pune", "Maharashtra", "India",
                                              "Asia/Kolkata", 18.51957, 73.85535)};
        return std::make_unique<frmPlaceSearch>(
            PlaceQuery{u"Pune"_qs, u"Maharashtra"_qs, u"India"_qs, 0}, std::move(places), moment,
            nullptr);
    });
    QTest::newRow("About " + language) << make([] { return std::make_unique<frmAbout>(); });
    QTest::newRow("languages " + language)
        << make([] { return std::make_unique<frmLanguage>(nullptr); });
    // The calendar's choice has every control the save dialog can show.
    QTest::newRow("save " + language)
        << make([] { return std::make_unique<SaveMonthDialog>(SaveKind::Calendar, MostMonths); });
    QTest::newRow("reminders " + language) << make([] { return std::make_unique<frmReminders>(); });
    // September's is the longest month name in many of the languages; today's row is bold.
    QTest::newRow("month " + language) << make([] {
        const Place place{28,
                          36,
                          false,
                          77,
                          12,
                          true,
                          ZoneOffset{-5, -30},
                          zoneNamed("Asia/Kolkata"),
                          "New Delhi",
                          "Delhi",
                          "India"};
        return std::make_unique<frmMonth>(place, year{2024} / September / day{30},
                                          QDate(2024, 9, 18));
    });
}

void WholeTextTest::everyLabelHoldsItsInk() {
    QFETCH(Window, window);
    QWidget* const shown = window();
    shown->show();
    QVERIFY(QTest::qWaitForWindowExposed(shown));
    QStringList cut = labelsCutOff(*shown) + cellsCutOff(*shown);
    // A translation may shrink a text, but never below legibility.
    if (languageInUse() != u"en")
        for (const QLabel* label : shown->findChildren<QLabel*>())
            if (label->isVisibleTo(shown) && !label->text().isEmpty() &&
                label->font().pointSizeF() < SmallestTranslatedPoints)
                cut << QStringLiteral("%1 \"%2\" is set at %3 pt")
                           .arg(label->objectName(), label->text())
                           .arg(label->font().pointSizeF());
    made_.reset();
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(u'\n')));
}

// A language with a translation leaves no English word in any window, but for
// the names every language writes in Latin letters.
// An English desktop has one row: that it gets no translation at all.
void WholeTextTest::noEnglishWordIsLeft_data() {
    if (languageInUse() != u"en") {
        everyLabelHoldsItsInk_data();
        return;
    }
    QTest::addColumn<Window>("window");
    QTest::newRow("English desktop") << Window();
}

void WholeTextTest::noEnglishWordIsLeft() {
    QFETCH(Window, window);
    if (!window) {
        QCOMPARE(languageToSpeak({}), u"en"_qs);
        QCOMPARE(verdictText(Verdict::InRahukal), u"The Chosen Time Period is in Rahu Kaal"_qs);
        return;
    }
    QWidget* const shown = window();
    shown->show();
    static const QRegularExpression word(QStringLiteral("[A-Za-z][A-Za-z0-9_]+"));
    // The maker's web address is the same in every language.
    static const QRegularExpression address(QStringLiteral("https?://\\S+"));
    // The language's own regional format may write the time of day in Latin
    // letters (CLDR's Hindi has "am" and "pm"): that is its usage, not ours.
    const QLocale locale;
    const QStringList dayHalves{locale.amText().toUpper(), locale.pmText().toUpper()};
    QStringList english;
    for (QString text : shownTexts(*shown))
        for (const QRegularExpressionMatch& match : word.globalMatch(text.remove(address))) {
            const QString found = match.captured();
            // A long zone name is cut short in the middle: "America/Argent…".
            const bool elided = text.mid(match.capturedEnd(), 1) == u"\u2026" ||
                                text.mid(match.capturedStart() - 1, 1) == u"\u2026";
            if (!latinWords().contains(found) && !dayHalves.contains(found.toUpper()) && !elided)
                english << QStringLiteral("%1 in \"%2\"").arg(found, text);
        }
    made_.reset();
    english.removeDuplicates();
    QVERIFY2(english.isEmpty(), qPrintable(english.join(u'\n')));
}

QTEST_MAIN(WholeTextTest)
#include "WholeTextTest.moc"
