// "Rahu Kaal of the Month..." in the main and the result window: the form's
// input checks stop it with their messages, except that it needs no name.
#include "tests/support/MainWindowTest.h"
#include "tests/support/ModalAnswerer.h"
#include "tests/support/WindowParts.h"
#include "ui/month/frmMonth.h"

#include <QAction>
#include <QLabel>
#include <QTableWidget>
#include <QTest>

using namespace horavela;
using namespace std::chrono;

class MonthMenuTest : public MainWindowTest {
    Q_OBJECT

private slots:
    void mainWindowOpensTheMonthAfterItsChecks_data();
    void mainWindowOpensTheMonthAfterItsChecks();
    void resultWindowOpensTheMonthOfItsPlace();

private:
    // Opens the month by the entry and closes it; what it showed, or the messages.
    struct Seen {
        QStringList windows;
        QStringList messages;
        QString month;
        QString place;
        int selectedRow = -1;
    };
    static Seen openMonth(QWidget* window);
};

MonthMenuTest::Seen MonthMenuTest::openMonth(QWidget* window) {
    Seen seen;
    ModalAnswerer answerer([&seen](QWidget* modal) {
        if (auto* month = qobject_cast<frmMonth*>(modal)) {
            seen.month = control<QLabel>(month, "monthHeading")->text();
            seen.place = control<QLabel>(month, "placeHeading")->text();
            seen.selectedRow = control<QTableWidget>(month, "grdMonth")->currentRow();
            month->close();
        }
    });
    control<QAction>(window, "mnuMonth")->trigger();
    seen.windows = answerer.windows;
    seen.messages = answerer.texts;
    return seen;
}

void MonthMenuTest::mainWindowOpensTheMonthAfterItsChecks_data() {
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QByteArray>("box"); // a box typed over after the form is filled
    QTest::addColumn<QString>("text");
    QTest::addColumn<unsigned>("day");
    QTest::addColumn<QString>("message"); // empty: the month opens
    addRow("all filled in", QByteArray("RAM"), QByteArray(), QString(), 24u, QString());
    addRow("no name is needed", QByteArray(), QByteArray(), QString(), 24u, QString());
    addRow("longitude degrees", QByteArray("RAM"), QByteArray("txtLonD"), u"180"_qs, 24u,
           u"Please Enter Value Between 0 And 179 in the Degree of Longitude"_qs);
    addRow("no name, longitude degrees", QByteArray(), QByteArray("txtLonD"), u"180"_qs, 24u,
           u"Please Enter Value Between 0 And 179 in the Degree of Longitude"_qs);
    addRow("longitude minutes", QByteArray("RAM"), QByteArray("txtLonM"), u"60"_qs, 24u,
           u"Please Enter Value Between 0 And 59 in the  Minute of Longitude"_qs);
    addRow("latitude degrees", QByteArray("RAM"), QByteArray("txtLatD"), u"90"_qs, 24u,
           u"Please Enter Value Between 0 And 89 in the Degree of Latitude"_qs);
    addRow("latitude minutes", QByteArray("RAM"), QByteArray("txtLatM"), QString(), 24u,
           u"Please Enter Value Between 0 And 59 in the  Minute of Latitude"_qs);
    addRow("zone that is no number", QByteArray("RAM"), QByteArray("txtZoneHour"), u"-"_qs, 24u,
           u"Please Enter a Number in the Hour and Minute of the Time Zone"_qs);
    addRow("day the month lacks", QByteArray("RAM"), QByteArray(), QString(), 31u,
           u"Please Enter Correct Date Of Work"_qs);
}

void MonthMenuTest::mainWindowOpensTheMonthAfterItsChecks() {
    QFETCH(QByteArray, name);
    QFETCH(QByteArray, box);
    QFETCH(QString, text);
    QFETCH(unsigned, day);
    QFETCH(QString, message);
    const bool november = day == 31;
    fillForm(window_, name.constData(), Pune, {2022, november ? 11u : 1u, day, 10, 0, 0});
    setBoxText(window_, "txtMCity", u"Pune"_qs);
    if (!box.isEmpty())
        setBoxText(window_, box.constData(), text);
    const Seen seen = openMonth(window_);
    if (message.isEmpty()) {
        QCOMPARE(seen.windows, QStringList{u"frmMonth"_qs});
        QCOMPARE(seen.month, u"January 2022"_qs);
        QVERIFY2(seen.place.startsWith(u"Pune, 18\u00b0 31\u2032 N, 73\u00b0 50\u2032 E"_qs),
                 qPrintable(seen.place));
        QCOMPARE(seen.selectedRow, 23);
    } else {
        QCOMPARE(seen.messages, QStringList{message});
        QVERIFY2(!seen.windows.contains(u"frmMonth"_qs), "the month opened all the same");
    }
    // The main window stays as it was, ready for a check.
    QVERIFY(window_->isVisible());
    QCOMPARE(programEnds_, 0);
}

void MonthMenuTest::resultWindowOpensTheMonthOfItsPlace() {
    fill(Pune, {2025, 3, 18, 15, 30, 0});
    QMainWindow* result = check();
    QVERIFY(result);
    QCOMPARE(control<QAction>(result, "mnuMonth")->shortcut(), QKeySequence(u"Ctrl+M"_qs));
    const Seen seen = openMonth(result);
    QCOMPARE(seen.windows, QStringList{u"frmMonth"_qs});
    QCOMPARE(seen.month, u"March 2025"_qs);
    QCOMPARE(seen.selectedRow, 17);
    // Closing the month leaves the result window where it was, Back still to come.
    QVERIFY(result->isVisible());
    QVERIFY(!window_->isVisible());
    QCOMPARE(programEnds_, 0);
}

QTEST_MAIN(MonthMenuTest)
#include "MonthMenuTest.moc"
