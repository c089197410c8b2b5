// The month window on its own: its rows, headings, months, keys, marks, and
// what its buttons save, with every dialog stood in for.
#include "ui/month/frmMonth.h"

#include "month/MonthFiles.h"
#include "month/MonthTexts.h"
#include "tests/support/ModalAnswerer.h"
#include "tests/support/WindowParts.h"
#include "tools/windowdriver/WindowDriver.h"
#include "ui/month/MonthDialogs.h"
#include "ui/month/MonthPages.h"
#include "ui/month/SaveMonthDialog.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace horavela;
using namespace std::chrono;

Q_DECLARE_METATYPE(std::chrono::year_month)

namespace {

MonthPlace newDelhi(QByteArray zoneId = {}) {
    return {Place{28, 36, false, 77, 12, true, readZoneOffset("-5", "-30")}, std::move(zoneId),
            QStringLiteral("New Delhi"), QStringLiteral("Delhi"), QStringLiteral("India")};
}

constexpr year_month_day NewDelhiDay{year{2022}, January, day{24}};

// The rows of the table as "cell | cell | ...", one a day.
QStringList rowTexts(const QTableWidget& table, int row) {
    QStringList cells;
    for (int column = 0; column < table.columnCount(); ++column)
        cells << (table.item(row, column) ? table.item(row, column)->text() : QString());
    return cells;
}

int pdfPages(const QByteArray& pdf) {
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![s\\w])"));
    int pages = 0;
    for (QRegularExpressionMatchIterator found = page.globalMatch(QString::fromLatin1(pdf));
         found.hasNext(); found.next())
        ++pages;
    return pages;
}

} // namespace

class frmMonthTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void headingsNameThePlaceZoneAndMonth_data();
    void headingsNameThePlaceZoneAndMonth();
    void tableHasADayARow_data();
    void tableHasADayARow();
    void newDelhiDayShowsItsSunAndPeriods();
    void monthsMoveWithinTheYearList_data();
    void monthsMoveWithinTheYearList();
    void todayIsMarkedAndTheChosenDaySelected_data();
    void todayIsMarkedAndTheChosenDaySelected();
    void tabOrderAndEscape();
    void everyControlIsNamed();
    void saveDialogOffersItsChoices_data();
    void saveDialogOffersItsChoices();
    void buttonsSaveWhatTheMonthFilesWrite_data();
    void buttonsSaveWhatTheMonthFilesWrite();
    void failedSaveSaysWhichFileAndLeavesNone();
    void pdfHasAPageAMonthWithItsFontsEmbedded_data();
    void pdfHasAPageAMonthWithItsFontsEmbedded();

private:
    frmMonth& open(const MonthPlace& place, year_month_day chosen, QDate today = {});
    template <typename T> T* control(const char* name) const {
        return horavela::control<T>(window_.get(), name);
    }
    QTableWidget& table() const { return *control<QTableWidget>("grdMonth"); }

    std::unique_ptr<frmMonth> window_;
};

void frmMonthTest::initTestCase() {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void frmMonthTest::cleanup() {
    window_.reset();
}

frmMonth& frmMonthTest::open(const MonthPlace& place, year_month_day chosen, QDate today) {
    window_ = std::make_unique<frmMonth>(place, chosen, today);
    window_->show();
    window_->activateWindow();
    if (!QTest::qWaitForWindowActive(window_.get()))
        qWarning("the month window did not become active");
    return *window_;
}

void frmMonthTest::headingsNameThePlaceZoneAndMonth_data() {
    QTest::addColumn<QByteArray>("zoneId");
    QTest::addColumn<QString>("zone");
    addRow("zone as entered", QByteArray(), u"Time Zone: -5 -30"_qs);
    addRow("linked zone", QByteArray("Asia/Kolkata"), u"Time Zone: Asia/Kolkata"_qs);
}

void frmMonthTest::headingsNameThePlaceZoneAndMonth() {
    QFETCH(QByteArray, zoneId);
    QFETCH(QString, zone);
    open(newDelhi(zoneId), NewDelhiDay);
    QCOMPARE(window_->windowTitle(), u"Horavela v1.15"_qs);
    QCOMPARE(control<QLabel>("placeHeading")->text(),
             u"New Delhi, Delhi, India, 28\u00b0 36\u2032 N, 77\u00b0 12\u2032 E"_qs);
    QCOMPARE(control<QLabel>("zoneHeading")->text(), zone);
    QCOMPARE(control<QLabel>("monthHeading")->text(), u"January 2022"_qs);
}

void frmMonthTest::tableHasADayARow_data() {
    QTest::addColumn<year_month_day>("chosen");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("last");
    addRow("January", year{2022} / January / day{24}, 31, u"1/31/2022"_qs);
    addRow("April", year{2022} / April / day{30}, 30, u"4/30/2022"_qs);
    addRow("February", year{2023} / February / day{1}, 28, u"2/28/2023"_qs);
    addRow("February of a leap year", year{2024} / February / day{29}, 29, u"2/29/2024"_qs);
    addRow("February 2000, a leap year", year{2000} / February / day{3}, 29, u"2/29/2000"_qs);
    addRow("first month of the list", year{1901} / January / day{1}, 31, u"1/31/1901"_qs);
}

void frmMonthTest::tableHasADayARow() {
    QFETCH(year_month_day, chosen);
    QFETCH(int, rows);
    QFETCH(QString, last);
    open(newDelhi(), chosen);
    QCOMPARE(table().rowCount(), rows);
    QCOMPARE(table().item(rows - 1, 0)->text(), last);
    // A low screen scrolls the table, but the chosen day's row is in view.
    const QRect chosenRow = table().visualItemRect(table().item(table().currentRow(), 0));
    QVERIFY2(table().viewport()->rect().contains(chosenRow), "the chosen day is out of view");
}

// The day the calculation is known to give, as an almanac publishes it.
void frmMonthTest::newDelhiDayShowsItsSunAndPeriods() {
    open(newDelhi(), NewDelhiDay);
    QCOMPARE(rowTexts(table(), 23),
             (QStringList{"1/24/2022", "Monday", "7:14 AM", "5:53 PM", "8:34 AM \u2013 9:54 AM",
                          "11:14 AM \u2013 12:33 PM", "1:53 PM \u2013 3:13 PM"}));
}

void frmMonthTest::monthsMoveWithinTheYearList_data() {
    QTest::addColumn<year_month_day>("chosen");
    QTest::addColumn<QByteArray>("press"); // a button's name, or a key
    QTest::addColumn<year_month>("shown");
    QTest::addColumn<bool>("previousOn");
    QTest::addColumn<bool>("nextOn");
    const year_month_day jan2022 = year{2022} / January / day{24};
    addRow("next", jan2022, QByteArray("cmdNextMonth"), year{2022} / February, true, true);
    addRow("previous across a year", jan2022, QByteArray("cmdPrevMonth"), year{2021} / December,
           true, true);
    addRow("Page Down", jan2022, QByteArray("PageDown"), year{2022} / February, true, true);
    addRow("Page Up", jan2022, QByteArray("PageUp"), year{2021} / December, true, true);
    addRow("first month: previous is off", year{1901} / February / day{1},
           QByteArray("cmdPrevMonth"), year{1901} / January, false, true);
    addRow("Page Up at the first month stays", year{1901} / January / day{1}, QByteArray("PageUp"),
           year{1901} / January, false, true);
    addRow("last month: next is off", year{2050} / November / day{1}, QByteArray("cmdNextMonth"),
           year{2050} / December, true, false);
    addRow("Page Down at the last month stays", year{2050} / December / day{31},
           QByteArray("PageDown"), year{2050} / December, true, false);
}

void frmMonthTest::monthsMoveWithinTheYearList() {
    QFETCH(year_month_day, chosen);
    QFETCH(QByteArray, press);
    QFETCH(year_month, shown);
    QFETCH(bool, previousOn);
    QFETCH(bool, nextOn);
    open(newDelhi(), chosen);
    if (press.startsWith("cmd")) {
        control<QPushButton>(press)->click();
    } else {
        // From the table, which would otherwise scroll by a page.
        QVERIFY(table().hasFocus());
        QTest::keyClick(&table(), press == "PageUp" ? Qt::Key_PageUp : Qt::Key_PageDown);
    }
    QCOMPARE(window_->shownMonth(), shown);
    const auto days = unsigned((year_month_day_last{shown / last}).day());
    QCOMPARE(table().rowCount(), int(days));
    QCOMPARE(control<QLabel>("monthHeading")->text(), monthHeading(QLocale(), shown));
    QCOMPARE(control<QPushButton>("cmdPrevMonth")->isEnabled(), previousOn);
    QCOMPARE(control<QPushButton>("cmdNextMonth")->isEnabled(), nextOn);
}

void frmMonthTest::todayIsMarkedAndTheChosenDaySelected_data() {
    QTest::addColumn<QDate>("today");
    QTest::addColumn<int>("todayRow"); // -1: not in the shown month
    addRow("today in the month", QDate(2022, 1, 3), 2);
    addRow("today is the chosen day", QDate(2022, 1, 24), 23);
    addRow("today in another month", QDate(2022, 2, 3), -1);
    addRow("today in the same month of another year", QDate(2023, 1, 3), -1);
}

void frmMonthTest::todayIsMarkedAndTheChosenDaySelected() {
    QFETCH(QDate, today);
    QFETCH(int, todayRow);
    open(newDelhi(), NewDelhiDay, today);
    for (int row = 0; row < table().rowCount(); ++row) {
        const QTableWidgetItem* item = table().item(row, 0);
        const bool marked = item->font().bold();
        QVERIFY2(marked == (row == todayRow),
                 qPrintable(QStringLiteral("row %1 is %2 bold").arg(row).arg(marked ? "" : "not")));
        QCOMPARE(item->data(Qt::AccessibleDescriptionRole).toString(),
                 row == todayRow ? u"Today"_qs : QString());
    }
    QCOMPARE(table().currentRow(), 23);
    const QModelIndexList selected = table().selectionModel()->selectedRows();
    QCOMPARE(selected.size(), 1);
    QCOMPARE(selected.front().row(), 23);
}

void frmMonthTest::tabOrderAndEscape() {
    open(newDelhi(), NewDelhiDay);
    QCOMPARE(QApplication::focusWidget(), &table());
    QStringList order;
    for (int i = 0; i < 8; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(order, (QStringList{"cmdSaveCalendar", "cmdSaveCsv", "cmdPrint", "cmdSavePdf",
                                 "cmdClose", "cmdPrevMonth", "cmdNextMonth", "grdMonth"}));
    QTest::keyClick(&table(), Qt::Key_Escape);
    QTRY_VERIFY2(!window_->isVisible(), "Esc left the month window open");
}

void frmMonthTest::everyControlIsNamed() {
    open(newDelhi(), NewDelhiDay);
    for (QWidget* widget : window_->findChildren<QWidget*>()) {
        if (!widget->focusPolicy() || !widget->isVisibleTo(window_.get()) ||
            qobject_cast<QAbstractScrollArea*>(widget->parentWidget()))
            continue;
        const bool named = !widget->accessibleName().isEmpty() ||
                           (qobject_cast<QAbstractButton*>(widget) &&
                            !static_cast<QAbstractButton*>(widget)->text().isEmpty());
        QVERIFY2(named, qPrintable(widget->objectName() + u" has no name for a screen reader"_qs));
    }
}

void frmMonthTest::saveDialogOffersItsChoices_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("mostMonths");
    QTest::addColumn<QByteArray>("action"); // what the user does before OK
    QTest::addColumn<int>("months");
    QTest::addColumn<QString>("periods"); // R, Y, G for each period chosen
    QTest::addColumn<int>("reminder");
    const int calendar = int(SaveKind::Calendar);
    addRow("calendar as it opens", calendar, 12, QByteArray(), 1, u"R"_qs, 10);
    addRow("reminder off", calendar, 12, QByteArray("chkReminder"), 1, u"R"_qs, 0);
    addRow("Yamaganda too", calendar, 12, QByteArray("chkYamaganda"), 1, u"RY"_qs, 10);
    addRow("Gulika Kaal too", calendar, 12, QByteArray("chkGulikaKaal"), 1, u"RG"_qs, 10);
    addRow("twelve months at most", calendar, 40, QByteArray("months+20"), 12, u"R"_qs, 10);
    addRow("up to the last month of the list", int(SaveKind::Csv), 3, QByteArray("months+20"), 3,
           u"R"_qs, 10);
}

void frmMonthTest::saveDialogOffersItsChoices() {
    QFETCH(int, kind);
    QFETCH(int, mostMonths);
    QFETCH(QByteArray, action);
    QFETCH(int, months);
    QFETCH(QString, periods);
    QFETCH(int, reminder);
    SaveMonthDialog dialog(SaveKind(kind), mostMonths);
    if (action.startsWith("chk"))
        horavela::control<QCheckBox>(&dialog, action)->click();
    else if (action == "months+20")
        horavela::control<QSpinBox>(&dialog, "spnMonths")->setValue(months + 20);
    const SaveChoice choice = dialog.choice();
    QCOMPARE(choice.months, months);
    QString chosen;
    for (int i = 0; i < 3; ++i)
        if (choice.periods[std::size_t(i)])
            chosen += u"RYG"_qs[i];
    QCOMPARE(chosen, periods);
    QCOMPARE(choice.reminderMinutes, reminder);
}

void frmMonthTest::buttonsSaveWhatTheMonthFilesWrite_data() {
    QTest::addColumn<QByteArray>("button");
    QTest::addColumn<int>("months");
    addRow("calendar", QByteArray("cmdSaveCalendar"), 1);
    addRow("calendar of three months", QByteArray("cmdSaveCalendar"), 3);
    addRow("CSV", QByteArray("cmdSaveCsv"), 1);
    addRow("CSV of two months", QByteArray("cmdSaveCsv"), 2);
    addRow("PDF", QByteArray("cmdSavePdf"), 1);
}

void frmMonthTest::buttonsSaveWhatTheMonthFilesWrite() {
    QFETCH(QByteArray, button);
    QFETCH(int, months);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    // Not ASCII, as many users' folders are not.
    const QString path = folder.filePath(u"r\u0101hu \u0915\u093e\u0932 month"_qs);
    QString suggested;
    const ScopedMonthDialogs dialogs({[&](QWidget*, SaveKind, int) -> std::optional<SaveChoice> {
                                          SaveChoice choice;
                                          choice.months = months;
                                          choice.periods = {true, true, false};
                                          return choice;
                                      },
                                      [&](QWidget*, const QString& offered, const QString&) {
                                          suggested = offered;
                                          return path;
                                      },
                                      {}});
    const MonthPlace place = newDelhi("Asia/Kolkata");
    open(place, NewDelhiDay);
    ModalAnswerer answerer;
    control<QPushButton>(button)->click();
    QVERIFY2(answerer.texts.isEmpty(), qPrintable(answerer.texts.join(u'\n')));
    QVERIFY2(suggested.contains(u"2022-01"_qs), qPrintable(suggested));
    QFile file(path);
    QVERIFY2(file.open(QIODevice::ReadOnly), "nothing was saved");
    const QByteArray saved = file.readAll();
    const MonthRange range{year{2022} / January, months};
    if (button == "cmdSaveCsv") {
        QCOMPARE(saved, monthCsv(place, range));
    } else if (button == "cmdSaveCalendar") {
        QVERIFY(suggested.endsWith(u".ics"_qs));
        CalendarOptions options;
        options.periods = {true, true, false};
        options.reminderMinutes = 10;
        // The stamp is the moment of saving; everything else is the month's.
        static const QRegularExpression stamp(QStringLiteral("DTSTAMP:[0-9TZ]+\r\n"));
        options.stamp = QDateTime::currentDateTimeUtc();
        QCOMPARE(QString::fromUtf8(saved).remove(stamp),
                 QString::fromUtf8(monthCalendar(place, range, options)).remove(stamp));
        QVERIFY(saved.contains("DTSTAMP:"));
    } else {
        QVERIFY(saved.startsWith("%PDF-"));
        QCOMPARE(pdfPages(saved), months);
    }
}

void frmMonthTest::failedSaveSaysWhichFileAndLeavesNone() {
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(u"no such folder/month.csv"_qs);
    const ScopedMonthDialogs dialogs(
        {[](QWidget*, SaveKind, int) { return std::optional<SaveChoice>(SaveChoice{}); },
         [&](QWidget*, const QString&, const QString&) { return path; },
         {}});
    open(newDelhi(), NewDelhiDay);
    ModalAnswerer answerer;
    control<QPushButton>("cmdSaveCsv")->click();
    QCOMPARE(answerer.texts.size(), 1);
    QVERIFY2(answerer.texts.front().contains(QDir::toNativeSeparators(path)) ||
                 answerer.texts.front().contains(path),
             qPrintable(answerer.texts.front()));
    QCOMPARE(answerer.icons, QList<QMessageBox::Icon>{QMessageBox::Critical});
    QVERIFY(!QFile::exists(path));
    QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
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
    QVERIFY2(pdf.contains("/FontFile2"), "the PDF's fonts are not embedded");
    static const QRegularExpression mediaBox(
        QStringLiteral("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]"));
    const QRegularExpressionMatch box = mediaBox.match(QString::fromLatin1(pdf));
    QVERIFY2(box.hasMatch(), "the PDF names no page size");
    QCOMPARE(QSize(qRound(box.captured(1).toDouble()), qRound(box.captured(2).toDouble())), page);
}

QTEST_MAIN(frmMonthTest)
#include "frmMonthTest.moc"
