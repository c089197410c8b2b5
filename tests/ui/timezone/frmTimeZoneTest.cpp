// The time zone picker on its own: its list, its look, and what each way of
// leaving it writes into the two zone boxes.
#include "ui/timezone/frmTimeZone.h"

#include "tests/support/WindowLayout.h"
#include "tests/support/WindowParts.h"
#include "tools/windowdriver/WindowDriver.h"
#include "ui/timezone/TimeZoneTable.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <cmath>
#include <memory>

using namespace horavela;

class frmTimeZoneTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void listShowsTheZonesInTableOrder();
    void looksAsDesigned();
    void doubleClickWritesTheRowsValues_data();
    void doubleClickWritesTheRowsValues();
    void everyRowWritesTheOffsetItsTextNames();
    void doubleClickWithNoRowSelectedWritesNothing();
    void quitEnterAndEscapeWriteNothing_data();
    void quitEnterAndEscapeWriteNothing();

private:
    QListWidget* list() const { return control<QListWidget>(picker_.get(), "lstTimeZone"); }

    QLineEdit zoneHour_;
    QLineEdit zoneMinute_;
    std::unique_ptr<frmTimeZone> picker_;
};

void frmTimeZoneTest::init() {
    zoneHour_.setText(QStringLiteral("7"));
    zoneMinute_.setText(QStringLiteral("15"));
    picker_ = std::make_unique<frmTimeZone>(zoneHour_, zoneMinute_);
    picker_->show();
    picker_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(picker_.get()));
}

void frmTimeZoneTest::cleanup() {
    picker_.reset();
}

void frmTimeZoneTest::listShowsTheZonesInTableOrder() {
    QListWidget* zones = list();
    QCOMPARE(zones->count(), 71);
    QCOMPARE(zones->item(0)->text(), QStringLiteral("Alaska/Hawaii Daylight Time,AHDT,-9.0"));
    QCOMPARE(zones->item(11)->text(), QStringLiteral("Azores Time, AT, -2.0"));
    QCOMPARE(zones->item(35)->text(), QStringLiteral("Int'l Date Line East,IDLE,+12.0"));
    // Unsorted: "USSR Zone 10" comes before "USSR Zone 3", "Universal" before "USSR".
    QCOMPARE(zones->item(61)->text(), QStringLiteral("Universal Time, UT, 0.0"));
    QCOMPARE(zones->item(62)->text(), QStringLiteral("USSR Zone 10,UZ10,+11.0"));
    QCOMPARE(zones->item(63)->text(), QStringLiteral("USSR Zone 3,USZ3,+4.0"));
    QCOMPARE(zones->item(70)->text(), QStringLiteral("Yukon War Time,YWT,-8.0"));
    QVERIFY(!zones->isSortingEnabled());
    QCOMPARE(zones->selectionMode(), QAbstractItemView::SingleSelection);
}

void frmTimeZoneTest::looksAsDesigned() {
    QCOMPARE(picker_->windowTitle(), QStringLiteral("Horavela v1.15"));
    QVERIFY2(picker_->windowFlags().testFlag(Qt::FramelessWindowHint),
             "the picker has a border and a title bar");
    QCOMPARE(picker_->size(), QSize(330, 232));
    QCOMPARE(picker_->palette().color(QPalette::Window), QColor(68, 136, 249));
    const QColor button = picker_->palette().color(QPalette::Button);
    const ControlLayout layout[] = {
        {"lstTimeZone", fromTwips(0, 0, 4935, 3150), {8.25, Bold}, nullptr, Qt::black, button},
        {"cmdQuit", fromTwips(0, 3120, 4935, 345), {8.25, Bold}, "&Quit"},
    };
    const QStringList faults = layoutMismatches(picker_.get(), layout);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    auto* quit = control<QPushButton>(picker_.get(), "cmdQuit");
    QVERIFY2(quit->isDefault(), "Enter does not press Quit");
    QCOMPARE(QApplication::focusWidget(), list());
    QTest::keyClick(list(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), quit);
}

void frmTimeZoneTest::doubleClickWritesTheRowsValues_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("hour");
    QTest::addColumn<QString>("minute");
    addRow("first row", 0, "9", "0");
    addRow("AEST, whole hour replaces the minutes", 8, "-10", "0");
    addRow("GMT", 29, "0", "0");
    addRow("UT", 61, "0", "0");
    addRow("last row", int(TimeZoneRows.size()) - 1, "8", "0");
    // Half an hour carries the sign of the hours.
    addRow("HST, west with half an hour", 32, "10", "30");
    addRow("NZS, east with half an hour", 48, "-12", "-30");
    addRow("IST, listed as +5.3", 34, "-5", "-30");
    addRow("NST, Newfoundland", 50, "3", "30");
    addRow("NST, North Sumatra", 52, "-6", "-30");
    addRow("SAD, first of a pair", 56, "-10", "-30");
    addRow("SDT, second of a pair", 57, "-10", "-30");
}

void frmTimeZoneTest::doubleClickWritesTheRowsValues() {
    QFETCH(int, row);
    QFETCH(QString, hour);
    QFETCH(QString, minute);
    doubleClickRow(list(), row);
    QCOMPARE(zoneHour_.text(), hour);
    QCOMPARE(zoneMinute_.text(), minute);
    QVERIFY2(!picker_->isVisible(), "the picker stayed open after a double-click");
}

// Reads each entry text's offset by its own route and checks the row against
// it, so a slip in any of the 71 rows shows up.
void frmTimeZoneTest::everyRowWritesTheOffsetItsTextNames() {
    const QRegularExpression offsetAtEnd(QStringLiteral(R"(,\s*([+-]?)(\d+)\.(\d)$)"));
    for (int row = 0; row < 71; ++row) {
        cleanup();
        init();
        const QString text = list()->item(row)->text();
        const QRegularExpressionMatch offset = offsetAtEnd.match(text);
        QVERIFY2(offset.hasMatch(), qPrintable(text));
        // East ("+") is negative in the zone boxes; ".5" and IST's ".3" are half an hour.
        const int west = offset.captured(1) == QLatin1String("+") ? -1 : 1;
        const int hours = offset.captured(2).toInt();
        const int halfHour = offset.captured(3) == QLatin1String("0") ? 0 : 30;
        doubleClickRow(list(), row);
        QVERIFY2(zoneHour_.text() == QString::number(west * hours) &&
                     zoneMinute_.text() == QString::number(west * halfHour),
                 qPrintable(QStringLiteral("%1 wrote %2 and %3")
                                .arg(text, zoneHour_.text(), zoneMinute_.text())));
    }
}

// A double-click with no row under it reaches the list without a press that
// selects one first.
void frmTimeZoneTest::doubleClickWithNoRowSelectedWritesNothing() {
    list()->clearSelection();
    const QPoint inside = list()->viewport()->rect().center();
    QMouseEvent doubleClick(QEvent::MouseButtonDblClick, inside,
                            list()->viewport()->mapToGlobal(inside), Qt::LeftButton, Qt::LeftButton,
                            Qt::NoModifier);
    QApplication::sendEvent(list()->viewport(), &doubleClick);
    QCOMPARE(zoneHour_.text(), QStringLiteral("7"));
    QCOMPARE(zoneMinute_.text(), QStringLiteral("15"));
    QVERIFY2(!picker_->isVisible(), "the picker stayed open");
}

void frmTimeZoneTest::quitEnterAndEscapeWriteNothing_data() {
    QTest::addColumn<QString>("way");
    addRow("Quit clicked", "click");
    addRow("Enter on a selected row", "enter");
    addRow("Esc", "escape");
    addRow("Alt+Q", "alt+q");
}

void frmTimeZoneTest::quitEnterAndEscapeWriteNothing() {
    QFETCH(QString, way);
    list()->setCurrentRow(34);
    QVERIFY(list()->item(34)->isSelected());
    if (way == QLatin1String("click"))
        QTest::mouseClick(control<QPushButton>(picker_.get(), "cmdQuit"), Qt::LeftButton);
    else if (way == QLatin1String("enter"))
        QTest::keyClick(list(), Qt::Key_Return);
    else if (way == QLatin1String("escape"))
        QTest::keyClick(list(), Qt::Key_Escape);
    else
        QTest::keyClick(list(), Qt::Key_Q, Qt::AltModifier);
    QTRY_VERIFY2(!picker_->isVisible(), "the picker stayed open");
    QCOMPARE(zoneHour_.text(), QStringLiteral("7"));
    QCOMPARE(zoneMinute_.text(), QStringLiteral("15"));
}

QTEST_MAIN(frmTimeZoneTest)
#include "frmTimeZoneTest.moc"
