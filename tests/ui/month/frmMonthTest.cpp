// The month window: its rows, headings, months, keys, marks, what its buttons
// save with every dialog stood in for, and the menu entries that open it from
// the main and the result window.
#include "ui/month/frmMonth.h"

#include "month/MonthFiles.h"
#include "tests/support/MainWindowTest.h"
#include "tests/support/ModalAnswerer.h"
#include "tests/support/PlacesZones.h"
#include "tests/support/WindowParts.h"
#include "ui/month/MonthDialogs.h"
#include "ui/month/MonthPages.h"
#include "ui/month/SaveMonthDialog.h"

#include <QAction>
#include <QBuffer>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPdfWriter>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace horavela;
using namespace std::chrono;

Q_DECLARE_METATYPE(std::chrono::year_month)

namespace {

Place newDelhi(const QByteArray& zoneName = {}) {
    return {28,
            36,
            false,
            77,
            12,
            true,
            readZoneOffset("-5", "-30"),
            zoneName.isEmpty() ? nullptr : zoneNamed(zoneName.constData()),
            "New Delhi",
            "Delhi",
            "India"};
}

constexpr year_month_day NewDelhiDay{year{2022}, January, day{24}};

int pdfPages(const QByteArray& pdf) {
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![s\\w])"));
    return int(QString::fromLatin1(pdf).count(page));
}

} // namespace

class frmMonthTest : public MainWindowTest {
    Q_OBJECT

private slots:
    void cleanup();
    void showsTheChosenMonth_data();
    void showsTheChosenMonth();
    void newDelhiDayShowsItsSunAndPeriods();
    void monthsMoveWithinTheYearList_data();
    void monthsMoveWithinTheYearList();
    void keyboardAndScreenReaders();
    void saveDialogOffersItsChoices_data();
    void saveDialogOffersItsChoices();
    void buttonsSaveWhatTheMonthFilesWrite_data();
    void buttonsSaveWhatTheMonthFilesWrite();
    void printSaysWhyItDidNotPrint_data();
    void printSaysWhyItDidNotPrint();
    void printerModuleLoadsOnlyFromItsFolder_data();
    void printerModuleLoadsOnlyFromItsFolder();
    void pdfHasAPageAMonthWithItsFontsEmbedded_data();
    void pdfHasAPageAMonthWithItsFontsEmbedded();
    void mainWindowOpensTheMonthAfterItsChecks_data();
    void mainWindowOpensTheMonthAfterItsChecks();
    void resultWindowOpensTheMonthOfItsPlace();

private:
    void open(const Place& place, year_month_day chosen, QDate today = {});
    template <typename T> T* part(const char* name) const {
        return horavela::control<T>(month_.get(), name);
    }
    QString text(const char* label) const { return part<QLabel>(label)->text(); }
    QTableWidget& table() const { return *part<QTableWidget>("grdMonth"); }
    // Opens the month by the window's entry and closes it: its heading and chosen row, or the
    // messages shown instead.
    static QStringList openedByMenu(QWidget* window);

    std::unique_ptr<frmMonth> month_;
};

void frmMonthTest::cleanup() {
    month_.reset();
    MainWindowTest::cleanup();
}

void frmMonthTest::open(const Place& place, year_month_day chosen, QDate today) {
    month_ = std::make_unique<frmMonth>(place, chosen, today);
    month_->show();
    month_->activateWindow();
    if (!QTest::qWaitForWindowActive(month_.get()))
        qWarning("the month window did not become active");
}

void frmMonthTest::showsTheChosenMonth_data() {
    QTest::addColumn<QByteArray>("zoneId");
    QTest::addColumn<year_month_day>("chosen");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QString>("shown"); // the month and zone headings, the last day, the rows
    QTest::addColumn<int>("todayRow");  // -1: not in the shown month
    const QByteArray entered, linked = "Asia/Kolkata";
    addRow("today in the month", entered, NewDelhiDay, QDate(2022, 1, 3),
           u"January 2022; Time Zone: UTC+05:30; 1/31/2022; 31"_qs, 2);
    addRow("linked, today chosen", linked, NewDelhiDay, QDate(2022, 1, 24),
           u"January 2022; Time Zone: UTC+05:30 (Asia/Kolkata); 1/31/2022; 31"_qs, 23);
    addRow("today in another month", entered, year{2022} / April / day{30}, QDate(2022, 5, 3),
           u"April 2022; Time Zone: UTC+05:30; 4/30/2022; 30"_qs, -1);
    addRow("today in another year", entered, year{2023} / February / day{1}, QDate(2022, 2, 3),
           u"February 2023; Time Zone: UTC+05:30; 2/28/2023; 28"_qs, -1);
    addRow("a leap year", entered, year{2024} / February / day{29}, QDate(),
           u"February 2024; Time Zone: UTC+05:30; 2/29/2024; 29"_qs, -1);
    addRow("2000, a leap year", entered, year{2000} / February / day{3}, QDate(),
           u"February 2000; Time Zone: UTC+05:30; 2/29/2000; 29"_qs, -1);
    addRow("the list's first month", entered, year{1901} / January / day{1}, QDate(),
           u"January 1901; Time Zone: UTC+05:30; 1/31/1901; 31"_qs, -1);
}

void frmMonthTest::showsTheChosenMonth() {
    QFETCH(QByteArray, zoneId);
    QFETCH(year_month_day, chosen);
    QFETCH(QDate, today);
    QFETCH(QString, shown);
    QFETCH(int, todayRow);
    open(newDelhi(zoneId), chosen, today);
    QCOMPARE(month_->windowTitle(), u"Horavela v1.15"_qs);
    QCOMPARE(text("placeHeading"),
             u"New Delhi, Delhi, India, 28\u00b0 36\u2032 N, 77\u00b0 12\u2032 E"_qs);
    const int rows = table().rowCount();
    QCOMPARE(QStringList({text("monthHeading"), text("zoneHeading"),
                          table().item(rows - 1, 0)->text(), QString::number(rows)})
                 .join(u"; "),
             shown);
    for (int row = 0; row < rows; ++row) {
        const QTableWidgetItem* item = table().item(row, 0);
        QVERIFY2(item->font().bold() == (row == todayRow), qPrintable(item->text()));
        QCOMPARE(item->data(Qt::AccessibleDescriptionRole).toString(),
                 row == todayRow ? u"Today"_qs : QString());
    }
    // The chosen day alone is selected, and in view even when a low screen scrolls the table.
    const int chosenRow = int(unsigned(chosen.day())) - 1;
    QCOMPARE(table().currentRow(), chosenRow);
    const QModelIndexList selected = table().selectionModel()->selectedRows();
    QVERIFY(selected.size() == 1 && selected.front().row() == chosenRow);
    QVERIFY2(
        table().viewport()->rect().contains(table().visualItemRect(table().item(chosenRow, 0))),
        "the chosen day is out of view");
}

// The day the calculation is known to give, as an almanac publishes it.
void frmMonthTest::newDelhiDayShowsItsSunAndPeriods() {
    open(newDelhi(), NewDelhiDay);
    QStringList cells;
    for (int column = 0; column < table().columnCount(); ++column)
        cells << table().item(23, column)->text();
    QCOMPARE(cells,
             (QStringList{"1/24/2022", "Monday", "7:14 AM", "5:53 PM", "8:34 AM \u2013 9:54 AM",
                          "11:14 AM \u2013 12:33 PM", "1:53 PM \u2013 3:13 PM"}));
}

void frmMonthTest::monthsMoveWithinTheYearList_data() {
    QTest::addColumn<year_month_day>("chosen");
    QTest::addColumn<QByteArray>("press"); // a button's name, or a key
    QTest::addColumn<year_month>("shown");
    QTest::addColumn<bool>("previousOn");
    QTest::addColumn<bool>("nextOn");
    QTest::addColumn<int>("mostMonths"); // that a file may hold from the shown month
    const year_month_day jan2022 = NewDelhiDay, first = year{1901} / January / day{1};
    const year_month_day last = year{2050} / December / day{31};
    addRow("next", jan2022, QByteArray("cmdNextMonth"), year{2022} / February, true, true, 12);
    addRow("previous across a year", jan2022, QByteArray("cmdPrevMonth"), year{2021} / December,
           true, true, 12);
    addRow("Page Down", jan2022, QByteArray("PageDown"), year{2022} / February, true, true, 12);
    addRow("Page Up", jan2022, QByteArray("PageUp"), year{2021} / December, true, true, 12);
    addRow("to the first month", year{1901} / February / day{1}, QByteArray("cmdPrevMonth"),
           year{1901} / January, false, true, 12);
    addRow("Page Up at the first month", first, QByteArray("PageUp"), year{1901} / January, false,
           true, 12);
    addRow("to three months before the end", year{2050} / September / day{30},
           QByteArray("cmdNextMonth"), year{2050} / October, true, true, 3);
    addRow("to the last month", year{2050} / November / day{1}, QByteArray("cmdNextMonth"),
           year{2050} / December, true, false, 1);
    addRow("Page Down at the last month", last, QByteArray("PageDown"), year{2050} / December, true,
           false, 1);
}

void frmMonthTest::monthsMoveWithinTheYearList() {
    QFETCH(year_month_day, chosen);
    QFETCH(QByteArray, press);
    QFETCH(year_month, shown);
    QFETCH(bool, previousOn);
    QFETCH(bool, nextOn);
    QFETCH(int, mostMonths);
    open(newDelhi(), chosen);
    if (press.startsWith("cmd")) {
        part<QPushButton>(press)->click();
    } else {
        // From the table, which would otherwise scroll by a page.
        QVERIFY(table().hasFocus());
        QTest::keyClick(&table(), press == "PageUp" ? Qt::Key_PageUp : Qt::Key_PageDown);
    }
    QCOMPARE(month_->shownMonth(), shown);
    QCOMPARE(table().rowCount(),
             int(unsigned((year_month_day_last{shown / std::chrono::last}).day())));
    const QDate first(int(shown.year()), int(unsigned(shown.month())), 1);
    QCOMPARE(text("monthHeading"), QLocale().toString(first, u"MMMM yyyy"_qs));
    QCOMPARE(part<QPushButton>("cmdPrevMonth")->isEnabled(), previousOn);
    QCOMPARE(part<QPushButton>("cmdNextMonth")->isEnabled(), nextOn);
    // Another month starts at its first day; the chosen day stays with its own month.
    const bool moved = shown != chosen.year() / chosen.month();
    QCOMPARE(table().currentRow(), moved ? 0 : int(unsigned(chosen.day())) - 1);
    // Saving offers no month past the last the window shows.
    int offered = 0;
    const ScopedMonthDialogs dialogs({[&](QWidget*, SaveKind, int most) {
                                          offered = most;
                                          return std::optional<SaveChoice>();
                                      },
                                      {},
                                      {}});
    part<QPushButton>("cmdSaveCsv")->click();
    QCOMPARE(offered, mostMonths);
}

void frmMonthTest::keyboardAndScreenReaders() {
    open(newDelhi(), NewDelhiDay);
    for (QWidget* widget : month_->findChildren<QWidget*>()) {
        if (!widget->focusPolicy() || !widget->isVisibleTo(month_.get()) ||
            qobject_cast<QAbstractScrollArea*>(widget->parentWidget()))
            continue;
        const auto* button = qobject_cast<QAbstractButton*>(widget);
        QVERIFY2(!widget->accessibleName().isEmpty() || (button && !button->text().isEmpty()),
                 qPrintable(widget->objectName() + u" has no name for a screen reader"_qs));
    }
    QCOMPARE(QApplication::focusWidget(), &table());
    QStringList order;
    for (int i = 0; i < 8; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(order, (QStringList{"cmdSaveCalendar", "cmdSaveCsv", "cmdPrint", "cmdSavePdf",
                                 "cmdClose", "cmdPrevMonth", "cmdNextMonth", "grdMonth"}));
    QTest::keyClick(&table(), Qt::Key_Escape);
    QTRY_VERIFY2(!month_->isVisible(), "Esc left the month window open");
}

void frmMonthTest::saveDialogOffersItsChoices_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("mostMonths");
    QTest::addColumn<QByteArray>("action"); // what the user does before OK
    QTest::addColumn<QString>("choice");    // months, R, Y, G for each period, reminder
    const int calendar = int(SaveKind::Calendar);
    addRow("calendar as it opens", calendar, 12, QByteArray(), u"1 R 10"_qs);
    addRow("reminder off", calendar, 12, QByteArray("chkReminder"), u"1 R 0"_qs);
    addRow("Yamaganda too", calendar, 12, QByteArray("chkYamaganda"), u"1 RY 10"_qs);
    addRow("Gulika Kaal too", calendar, 12, QByteArray("chkGulikaKaal"), u"1 RG 10"_qs);
    addRow("twelve months at most", calendar, 40, QByteArray("spnMonths"), u"12 R 10"_qs);
    addRow("up to the list's last month", int(SaveKind::Csv), 3, QByteArray("spnMonths"),
           u"3 R 10"_qs);
}

void frmMonthTest::saveDialogOffersItsChoices() {
    QFETCH(int, kind);
    QFETCH(int, mostMonths);
    QFETCH(QByteArray, action);
    QFETCH(QString, choice);
    SaveMonthDialog dialog(SaveKind(kind), mostMonths);
    if (action.startsWith("chk"))
        horavela::control<QCheckBox>(&dialog, action)->click();
    else if (!action.isEmpty())
        horavela::control<QSpinBox>(&dialog, action)->setValue(40);
    const SaveChoice chosen = dialog.choice();
    QString periods;
    for (int i = 0; i < 3; ++i)
        if (chosen.periods[std::size_t(i)])
            periods += u"RYG"_qs[i];
    QCOMPARE(u"%1 %2 %3"_qs.arg(chosen.months).arg(periods).arg(chosen.reminderMinutes), choice);
}

void frmMonthTest::buttonsSaveWhatTheMonthFilesWrite_data() {
    QTest::addColumn<QByteArray>("button");
    QTest::addColumn<int>("months");
    QTest::addColumn<QString>("name"); // not ASCII, as many users' folders are not
    const QString name = u"r\u0101hu \u0915\u093e\u0932 month"_qs;
    addRow("calendar of three months", QByteArray("cmdSaveCalendar"), 3, name);
    addRow("CSV", QByteArray("cmdSaveCsv"), 1, name);
    addRow("CSV of two months", QByteArray("cmdSaveCsv"), 2, name);
    addRow("PDF", QByteArray("cmdSavePdf"), 1, name);
    addRow("print of two months", QByteArray("cmdPrint"), 2, name);
    addRow("CSV into no folder", QByteArray("cmdSaveCsv"), 1, u"no such folder/month.csv"_qs);
}

void frmMonthTest::buttonsSaveWhatTheMonthFilesWrite() {
    QFETCH(QByteArray, button);
    QFETCH(int, months);
    QFETCH(QString, name);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(name);
    QString suggested; // the file name offered, or the printed document's name
    QByteArray printed;
    QPageSize printedSize;
    QMarginsF printedMargins; // in millimetres
    const ScopedMonthDialogs dialogs(
        {[&](QWidget*, SaveKind, int) {
             return std::optional(SaveChoice{months, {true, true, false}, 10});
         },
         [&](QWidget*, const QString& offered, const QString&) {
             return (suggested = offered), path;
         },
         // The printer the user would choose, as a PDF in memory.
         [&](QWidget*, const QString& docName, const QPageSize& size, const PagePainter& paint) {
             suggested = docName;
             printedSize = size;
             QBuffer buffer(&printed);
             buffer.open(QIODevice::WriteOnly);
             // Its margins of 10 points, as Qt's printers have unless told otherwise.
             QPdfWriter printer(&buffer);
             printer.setPageSize(size);
             const bool painted = paint(printer);
             printedMargins = printer.pageLayout().margins(QPageLayout::Millimeter);
             return PrintResult{painted ? PrintOutcome::Printed : PrintOutcome::Failed, {}};
         }});
    const Place place = newDelhi("Asia/Kolkata");
    open(place, NewDelhiDay);
    ModalAnswerer answerer;
    part<QPushButton>(button)->click();
    QVERIFY2(suggested.contains(button == "cmdPrint" ? u"January 2022"_qs : u"2022-01"_qs),
             qPrintable(suggested));
    if (name.contains(u'/')) {
        // The file is named in the message, and nothing is left behind.
        QCOMPARE(answerer.icons, QList<QMessageBox::Icon>{QMessageBox::Critical});
        QVERIFY2(answerer.texts.front().contains(QDir::toNativeSeparators(path)),
                 qPrintable(answerer.texts.front()));
        QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList());
        return;
    }
    QVERIFY2(answerer.texts.isEmpty(), qPrintable(answerer.texts.join(u'\n')));
    QByteArray saved = printed;
    if (button == "cmdPrint") {
        QCOMPARE(printedSize, regionalPageSize(QLocale()));
        // The same margins as the saved PDF's.
        for (const double margin : {printedMargins.left(), printedMargins.top(),
                                    printedMargins.right(), printedMargins.bottom()})
            QVERIFY2(margin > 14.99, qPrintable(u"a margin of %1 mm"_qs.arg(margin)));
    } else {
        QFile file(path);
        QVERIFY2(file.open(QIODevice::ReadOnly), "nothing was saved");
        saved = file.readAll();
    }
    const MonthRange range{year{2022} / January, months};
    if (button == "cmdSaveCsv") {
        QCOMPARE(saved, monthCsv(place, range));
    } else if (button == "cmdSaveCalendar") {
        QVERIFY(suggested.endsWith(u".ics"_qs));
        // The stamp is the moment of saving; everything else is the month's.
        static const QRegularExpression stamp(QStringLiteral("DTSTAMP:[0-9TZ]+\r\n"));
        CalendarOptions options{{true, true, false}, 10, QDateTime::currentDateTimeUtc()};
        QVERIFY(saved.contains("DTSTAMP:"));
        QCOMPARE(QString::fromUtf8(saved).remove(stamp),
                 QString::fromUtf8(monthCalendar(place, range, options)).remove(stamp));
    } else {
        QVERIFY(saved.startsWith("%PDF-"));
        QCOMPARE(pdfPages(saved), months);
    }
}

void frmMonthTest::printSaysWhyItDidNotPrint_data() {
    QTest::addColumn<int>("outcome"); // -1: the real printing, its module missing
    QTest::addColumn<QString>("message");
    addRow("cancelled", int(PrintOutcome::Cancelled), QString());
    addRow("painting failed", int(PrintOutcome::Failed), u"The month could not be printed."_qs);
    addRow("module missing", -1, u"Printing is not available: "_qs);
}

void frmMonthTest::printSaysWhyItDidNotPrint() {
    QFETCH(int, outcome);
    QFETCH(QString, message);
    QTemporaryDir noModule;
    QVERIFY(noModule.isValid());
    const ScopedMonthDialogs dialogs(
        {[](QWidget*, SaveKind, int) { return std::optional(SaveChoice{}); },
         {},
         outcome < 0
             ? printWithModuleIn(noModule.path())
             : [outcome](QWidget*, const QString&, const QPageSize&,
                         const PagePainter&) { return PrintResult{PrintOutcome(outcome), {}}; }});
    open(newDelhi(), NewDelhiDay);
    ModalAnswerer answerer;
    part<QPushButton>("cmdPrint")->click();
    if (message.isEmpty()) {
        QVERIFY2(answerer.texts.isEmpty(), qPrintable(answerer.texts.join(u'\n')));
        return;
    }
    QCOMPARE(answerer.icons, QList<QMessageBox::Icon>{QMessageBox::Critical});
    // The loader's own words say what was missing.
    QVERIFY2(answerer.texts.front().startsWith(message) &&
                 (outcome >= 0 || answerer.texts.front().contains(HORAVELA_PRINTER_MODULE_FILE)),
             qPrintable(answerer.texts.front()));
}

void frmMonthTest::printerModuleLoadsOnlyFromItsFolder_data() {
    QTest::addColumn<QString>("module"); // the program's, none, or a file of its name
    addRow("the built program's", u"program"_qs);
    addRow("a folder without it", u"none"_qs);
    addRow("a file of its name that is no library", u"file"_qs);
}

void frmMonthTest::printerModuleLoadsOnlyFromItsFolder() {
    QFETCH(QString, module);
    QTemporaryDir other;
    QVERIFY(other.isValid());
    QString folder = other.path();
    if (module == u"program") {
        folder = printerModuleFolder(QStringLiteral(HORAVELA_PROGRAM_FOLDER));
    } else if (module == u"file") {
        QFile file(other.filePath(QStringLiteral(HORAVELA_PRINTER_MODULE_FILE)));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("not a library") > 0);
    }
    QString why;
    const bool found = loadPrinterModule(folder, &why) != nullptr;
    QVERIFY2(found == (module == u"program"), qPrintable(folder + u": "_qs + why));
    QVERIFY2(why.isEmpty() == found, qPrintable(why));
}

void frmMonthTest::pdfHasAPageAMonthWithItsFontsEmbedded_data() {
    QTest::addColumn<int>("months");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QSize>("page"); // in points, rounded
    addRow("a month in the US, on Letter", 1, u"en_US"_qs, QSize(612, 792));
    addRow("a year in India, on A4", 12, u"hi_IN"_qs, QSize(595, 842));
}

void frmMonthTest::pdfHasAPageAMonthWithItsFontsEmbedded() {
    QFETCH(int, months);
    QFETCH(QString, locale);
    QFETCH(QSize, page);
    const QByteArray pdf = monthPdf(QLocale(locale), newDelhi(), {year{2022} / January, months});
    QVERIFY(pdf.startsWith("%PDF-"));
    QCOMPARE(pdfPages(pdf), months);
    // TrueType subsets, or glyphs drawn into the file where the system's font engine gives
    // Qt no font file to subset (Windows' own).
    QVERIFY2(pdf.contains("/FontFile2") || pdf.contains("/Type3"),
             "the PDF's fonts are not embedded");
    static const QRegularExpression mediaBox(
        QStringLiteral("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]"));
    const QRegularExpressionMatch box = mediaBox.match(QString::fromLatin1(pdf));
    QVERIFY2(box.hasMatch(), "the PDF names no page size");
    QCOMPARE(QSize(qRound(box.captured(1).toDouble()), qRound(box.captured(2).toDouble())), page);
}

QStringList frmMonthTest::openedByMenu(QWidget* window) {
    QStringList seen;
    ModalAnswerer answerer([&seen](QWidget* modal) {
        if (auto* month = qobject_cast<frmMonth*>(modal)) {
            seen << control<QLabel>(month, "monthHeading")->text()
                 << control<QLabel>(month, "placeHeading")->text().section(u',', 0, 2)
                 << QString::number(control<QTableWidget>(month, "grdMonth")->currentRow());
            month->close();
        }
    });
    control<QAction>(window, "mnuMonth")->trigger();
    return answerer.texts.isEmpty() ? seen : answerer.texts;
}

void frmMonthTest::mainWindowOpensTheMonthAfterItsChecks_data() {
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QByteArray>("box"); // a box typed over after the form is filled
    QTest::addColumn<QString>("text");
    QTest::addColumn<unsigned>("day");
    QTest::addColumn<QString>("seen"); // the month, the place and the row chosen; or the message
    const QByteArray ram("RAM");
    const QString opened = u"January 2022;Pune, 18\u00b0 31\u2032 N, 73\u00b0 50\u2032 E;23"_qs;
    addRow("all filled in", ram, QByteArray(), QString(), 24u, opened);
    addRow("no name is needed", QByteArray(), QByteArray(), QString(), 24u, opened);
    addRow("longitude degrees", ram, QByteArray("txtLonD"), u"180"_qs, 24u,
           u"Please Enter Value Between 0 And 179 in the Degree of Longitude"_qs);
    addRow("no name, longitude degrees", QByteArray(), QByteArray("txtLonD"), u"180"_qs, 24u,
           u"Please Enter Value Between 0 And 179 in the Degree of Longitude"_qs);
    addRow("longitude minutes", ram, QByteArray("txtLonM"), u"60"_qs, 24u,
           u"Please Enter Value Between 0 And 59 in the  Minute of Longitude"_qs);
    addRow("latitude degrees", ram, QByteArray("txtLatD"), u"90"_qs, 24u,
           u"Please Enter Value Between 0 And 89 in the Degree of Latitude"_qs);
    addRow("latitude minutes", ram, QByteArray("txtLatM"), QString(), 24u,
           u"Please Enter Value Between 0 And 59 in the  Minute of Latitude"_qs);
    addRow("zone that is no number", ram, QByteArray("txtZoneHour"), u"-"_qs, 24u,
           u"Please Enter a Number in the Hour and Minute of the Time Zone"_qs);
    addRow("day the month lacks", ram, QByteArray(), QString(), 31u,
           u"Please Enter Correct Date Of Work"_qs);
}

void frmMonthTest::mainWindowOpensTheMonthAfterItsChecks() {
    QFETCH(QByteArray, name);
    QFETCH(QByteArray, box);
    QFETCH(QString, text);
    QFETCH(unsigned, day);
    QFETCH(QString, seen);
    fillForm(window_, name.constData(), Pune, {2022, day == 31 ? 11u : 1u, day, 10, 0, 0});
    setBoxText(window_, "txtMCity", u"Pune"_qs);
    if (!box.isEmpty())
        setBoxText(window_, box.constData(), text);
    QCOMPARE(openedByMenu(window_).join(u';'), seen);
    // The main window stays as it was, ready for a check.
    QVERIFY(window_->isVisible());
    QCOMPARE(programEnds_, 0);
}

void frmMonthTest::resultWindowOpensTheMonthOfItsPlace() {
    fill(Pune, {2025, 3, 18, 15, 30, 0});
    QMainWindow* result = check();
    QVERIFY(result);
    QCOMPARE(control<QAction>(result, "mnuMonth")->shortcut(), QKeySequence(u"Ctrl+M"_qs));
    QCOMPARE(openedByMenu(result).join(u';'),
             u"March 2025;18\u00b0 31\u2032 N, 73\u00b0 50\u2032 E;17"_qs);
    // Closing the month leaves the result window where it was, Back still to come.
    QVERIFY(result->isVisible());
    QVERIFY(!window_->isVisible());
    QCOMPARE(programEnds_, 0);
}

QTEST_MAIN(frmMonthTest)
#include "frmMonthTest.moc"
