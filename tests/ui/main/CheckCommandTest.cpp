// The whole check through the real windows: fill the main window, click, and
// read what the result window shows.
#include "calc/Check.h"
#include "calc/modSunRiseSunSet.h"
#include "tests/support/MainWindowTest.h"
#include "tests/support/ModalAnswerer.h"
#include "tests/support/WindowParts.h"
#include "ui/result/ResultTexts.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <chrono>

using namespace horavela;
using namespace std::chrono;

namespace {

// The six sun-time texts the result window should hold, worked out with the
// calculation itself from the numbers the boxes should be read as.
QStringList expectedSunTimes(const Place& place, year_month_day chosen) {
    CalculationState state;
    if (check(state, place, local_days{chosen} + hours{12}).result != SunResult::Ok)
        qFatal("the expected sun times cannot be worked out for this place");
    QStringList texts;
    for (const auto* time :
         {&state.PreviousDaySunRise, &state.PreviousDaySunSet, &state.InputDaySunRise,
          &state.InputDaySunSet, &state.NextDaySunRise, &state.NextDaySunSet})
        texts << dateTimeText(QLocale(), *time);
    return texts;
}

// The first day of the year at the place whose own sun times exist but whose
// neighbour on the given side has none.
year_month_day dayBesidePolarDays(int latDegrees, int year, days side) {
    const auto hasSunTimes = [&](sys_days day) {
        const year_month_day date{day};
        CalculationState state;
        return ComputeSunRiseSunSet(state, static_cast<unsigned>(date.month()),
                                    std::to_string(static_cast<unsigned>(date.day())),
                                    std::to_string(static_cast<int>(date.year())),
                                    std::int16_t(latDegrees), 0, false, 0, 0, true, "0",
                                    "0") == SunResult::Ok;
    };
    for (sys_days day = sys_days{std::chrono::year{year} / 1 / 2};
         day < sys_days{std::chrono::year{year} / 12 / 31}; day += days{1})
        if (hasSunTimes(day) && !hasSunTimes(day + side))
            return year_month_day{day};
    qFatal("no day beside the polar days was found");
}

} // namespace

class CheckCommandTest : public MainWindowTest {
    Q_OBJECT

private slots:
    void checkShowsTheVerdictAndEveryTextInPlaceOfTheInput();
    void chosenDateAndTimeReadAsTheListsGiveThem();
    void neighbouringDaysRollOverMonthsAndYears_data();
    void neighbouringDaysRollOverMonthsAndYears();
    void noteFollowsTheVerdictOfEachCheck();
    void coordinatesAreReadAsTheInputChecksReadThem_data();
    void coordinatesAreReadAsTheInputChecksReadThem();
    void menuEntryRunsTheSameCheckAsTheButton();
    void backRestoresEveryFieldAndTheNextCheckLoadsANewWindow();
    void enterRightAfterTheResultOpensGoesBack();
    void failedInputCheckOpensNothing();
    void zoneThatIsNotANumberStopsTheCheck_data();
    void zoneThatIsNotANumberStopsTheCheck();
    void dayWithoutSunriseOrSunsetStopsTheCheck_data();
    void dayWithoutSunriseOrSunsetStopsTheCheck();
};

// A Wednesday at the equator: sunrise 6:04, sunset 18:11, so the eighth is
// 5452.5 s, rounded to the even 5452, and the fifth eighth runs from 12:07:28.
void CheckCommandTest::checkShowsTheVerdictAndEveryTextInPlaceOfTheInput() {
    fill(GreenwichEquator, {2024, 3, 20, 12, 30, 0});
    QMainWindow* result = check();
    QVERIFY2(result, "the check showed no result window");
    QVERIFY2(!window_->isVisible(), "the main window stayed visible beside the result");
    QCOMPARE(resultText("lblChosenDate"), QStringLiteral("March 20,2024"));
    QCOMPARE(resultText("lblChosenTime"), QStringLiteral("12:30:0"));
    QCOMPARE(resultText("lblRahukalResult"),
             QStringLiteral("The Chosen Time Period is in Rahu Kaal"));
    QVERIFY2(control<QLabel>(result, "lblShow")->isVisible(),
             "the note is hidden although the moment is in Rahu Kaal");
    QCOMPARE(resultText("lblInputDaySunRiseTime"), QStringLiteral("3/20/2024 6:04:00 AM"));
    QCOMPARE(resultText("lblInputDaySunSetTime"), QStringLiteral("3/20/2024 6:11:00 PM"));
    QCOMPARE(sunTimesShown(), expectedSunTimes({0, 0, false, 0, 0, true, ZoneOffset{0, 0}},
                                               std::chrono::year{2024} / 3 / 20));
    QCOMPARE(resultText("lblRahukalPeriod"),
             QStringLiteral("3/20/2024 12:07:28 PM to 3/20/2024 1:38:19 PM"));
}

void CheckCommandTest::chosenDateAndTimeReadAsTheListsGiveThem() {
    fill(Pune, {2024, 1, 5, 9, 5, 0});
    QVERIFY(check());
    QCOMPARE(resultText("lblChosenDate"), QStringLiteral("January 5,2024"));
    QCOMPARE(resultText("lblChosenTime"), QStringLiteral("9:5:0"));
}

void CheckCommandTest::neighbouringDaysRollOverMonthsAndYears_data() {
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("previousDay");
    QTest::addColumn<QString>("nextDay");
    addRow("1 January", 2024, 1, 1, "12/31/2023", "1/2/2024");
    addRow("31 December", 2024, 12, 31, "12/30/2024", "1/1/2025");
    addRow("28 February of a leap year", 2024, 2, 28, "2/27/2024", "2/29/2024");
    addRow("1 March of a leap year", 2024, 3, 1, "2/29/2024", "3/2/2024");
    addRow("1 March of a common year", 2023, 3, 1, "2/28/2023", "3/2/2023");
    addRow("first day of the lists", 1901, 1, 1, "12/31/1900", "1/2/1901");
    addRow("last day of the lists", 2050, 12, 31, "12/30/2050", "1/1/2051");
}

void CheckCommandTest::neighbouringDaysRollOverMonthsAndYears() {
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(QString, previousDay);
    QFETCH(QString, nextDay);
    fill(Pune, {year, unsigned(month), unsigned(day), 10, 0, 0});
    QVERIFY(check());
    const QStringList shown = sunTimesShown();
    for (int i : {0, 1})
        QVERIFY2(shown[i].startsWith(previousDay + u' '), qPrintable(shown[i]));
    for (int i : {4, 5})
        QVERIFY2(shown[i].startsWith(nextDay + u' '), qPrintable(shown[i]));
    QCOMPARE(shown, expectedSunTimes({18, 31, false, 73, 50, true, ZoneOffset{-5, -30}},
                                     std::chrono::year{year} / month / day));
}

void CheckCommandTest::noteFollowsTheVerdictOfEachCheck() {
    const auto noteShown = [] { return control<QLabel>(shownResult(), "lblShow")->isVisible(); };
    fill(GreenwichEquator, {2024, 3, 20, 12, 30, 0});
    QVERIFY(check());
    QVERIFY2(noteShown(), "no note with the moment in Rahu Kaal");

    goBack(shownResult());
    control<QComboBox>("cboHour")->setCurrentIndex(9);
    control<QComboBox>("cboMinute")->setCurrentIndex(5);
    QVERIFY(check());
    QCOMPARE(resultText("lblRahukalResult"),
             QStringLiteral("The Chosen Time Period is not in Rahu Kaal"));
    QVERIFY2(!noteShown(), "the note of the earlier check stayed");
}

void CheckCommandTest::coordinatesAreReadAsTheInputChecksReadThem_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("readAs");
    addRow("latitude with a blank before", "txtLatD", " 8", 8);
    addRow("latitude with a blank after", "txtLatD", "8 ", 8);
    addRow("longitude pasted with a letter after", "txtLonD", "12a", 12);
    addRow("longitude of letters only", "txtLonD", "abc", 0);
    addRow("half rounds to the even 2", "txtLonD", "2.5", 2);
    addRow("half rounds to the even 4", "txtLonD", "3.5", 4);
    addRow("latitude minutes with a blank", "txtLatM", " 7", 7);
    addRow("longitude minutes, a half", "txtLonM", ".5", 0);
}

// The other three boxes hold 18, 31, 73 and 50 as typed.
void CheckCommandTest::coordinatesAreReadAsTheInputChecksReadThem() {
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(int, readAs);
    fill(Pune, {2024, 6, 15, 10, 0, 0});
    this->box(qPrintable(box))->setText(typed);
    QCOMPARE(this->box(qPrintable(box))->text(), typed);
    QVERIFY2(check(), "the check did not run");
    const auto value = [&](const char* name, int typedValue) {
        return std::int16_t(box == QLatin1String(name) ? readAs : typedValue);
    };
    const Place read{value("txtLatD", 18), value("txtLatM", 31), false,
                     value("txtLonD", 73), value("txtLonM", 50), true,
                     ZoneOffset{-5, -30}};
    QCOMPARE(sunTimesShown(), expectedSunTimes(read, std::chrono::year{2024} / 6 / 15));
}

void CheckCommandTest::menuEntryRunsTheSameCheckAsTheButton() {
    const PlaceEntry southWest{"33", "52", true, "151", "12", false, "10", "0"};
    fill(southWest, {2024, 7, 4, 14, 0, 0});
    QVERIFY(check());
    QStringList byButton = sunTimesShown();
    byButton << resultText("lblRahukalResult") << resultText("lblRahukalPeriod");
    goBack(shownResult());

    control<QAction>("mnuNext")->trigger();
    QVERIFY2(shownResult(), "the File menu entry showed no result");
    QStringList byMenu = sunTimesShown();
    byMenu << resultText("lblRahukalResult") << resultText("lblRahukalPeriod");
    QCOMPARE(byMenu, byButton);
    // South and West come from the buttons alone.
    QCOMPARE(sunTimesShown(), expectedSunTimes({33, 52, true, 151, 12, false, ZoneOffset{10, 0}},
                                               std::chrono::year{2024} / 7 / 4));
}

void CheckCommandTest::backRestoresEveryFieldAndTheNextCheckLoadsANewWindow() {
    fill({"18", "31", true, "73", "50", false, "5", "30"}, {2031, 11, 30, 23, 59, 58});
    fillSearchPlace(window_, "Pune", "Maharashtra", "India");
    const QStringList before = fieldStates(window_);

    QSignalSpy lastWindowClosed(qApp, &QGuiApplication::lastWindowClosed);
    QPointer<QMainWindow> first = check();
    QVERIFY(first);
    QTest::mouseClick(control<QPushButton>(first, "cmdOK"), Qt::LeftButton);
    QVERIFY2(window_->isVisible(), "Back did not show the main window");
    QTRY_VERIFY2(first.isNull(), "Back left the result window loaded");
    QCOMPARE(fieldStates(window_), before);
    QCOMPARE(lastWindowClosed.count(), 0);
    QCOMPARE(programEnds_, 0);

    QVERIFY2(check(), "a check after Back showed no result");
    QCOMPARE(resultWindowsLoaded(), 1);
    QCOMPARE(resultText("lblChosenDate"), QStringLiteral("November 30,2031"));
}

void CheckCommandTest::enterRightAfterTheResultOpensGoesBack() {
    fill(Pune, {2024, 1, 5, 9, 5, 0});
    QMainWindow* result = check();
    QVERIFY(result);
    QVERIFY(QTest::qWaitForWindowActive(result));
    QCOMPARE(QApplication::focusWidget(), control<QPushButton>(result, "cmdOK"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QVERIFY2(window_->isVisible(), "Enter did not go back");
    QCOMPARE(programEnds_, 0);
    QTRY_COMPARE(resultWindowsLoaded(), 0);
}

void CheckCommandTest::failedInputCheckOpensNothing() {
    fill(Pune, {2024, 1, 5, 9, 5, 0});
    box("txtName")->clear();
    ModalAnswerer answerer;
    check();
    QCOMPARE(answerer.texts, QStringList{"Please Enter Name"});
    QVERIFY(window_->isVisible());
    QCOMPARE(resultWindowsLoaded(), 0);
}

void CheckCommandTest::zoneThatIsNotANumberStopsTheCheck_data() {
    QTest::addColumn<QString>("hours");
    QTest::addColumn<QString>("minutes");
    addRow("hours empty", "", "0");
    addRow("minutes empty", "5", "");
    addRow("a minus sign only", "-", "30");
    addRow("minus after the digits", "5-", "30");
}

void CheckCommandTest::zoneThatIsNotANumberStopsTheCheck() {
    QFETCH(QString, hours);
    QFETCH(QString, minutes);
    fill(Pune, {2024, 1, 5, 9, 5, 0});
    box("txtZoneHour")->setText(hours);
    box("txtZoneMinute")->setText(minutes);
    box("txtMCity")->setFocus();
    ModalAnswerer answerer;
    check();
    QCOMPARE(answerer.texts,
             QStringList{"Please Enter a Number in the Hour and Minute of the Time Zone"});
    QCOMPARE(answerer.icons, QList<QMessageBox::Icon>{QMessageBox::Critical});
    QVERIFY(window_->isVisible());
    QCOMPARE(window_->focusWidget(), box("txtZoneHour"));
    QCOMPARE(resultWindowsLoaded(), 0);
}

void CheckCommandTest::dayWithoutSunriseOrSunsetStopsTheCheck_data() {
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("dayNamed");

    addRow("midsummer near the pole", 2024, 6, 21, "June 21,2024");
    addRow("midwinter near the pole", 2024, 12, 21, "December 21,2024");
    const year_month_day beforePolarDays = dayBesidePolarDays(70, 2024, days{1});
    const year_month_day afterPolarDays = dayBesidePolarDays(70, 2024, days{-1});
    const auto named = [](sys_days day) {
        const year_month_day date{day};
        return chosenDateText(QLocale(QLocale::English, QLocale::UnitedStates),
                              static_cast<unsigned>(date.month()),
                              QString::number(static_cast<unsigned>(date.day())),
                              QString::number(static_cast<int>(date.year())));
    };
    addRow("the day after has none", int(beforePolarDays.year()),
           int(unsigned(beforePolarDays.month())), int(unsigned(beforePolarDays.day())),
           named(sys_days{beforePolarDays} + days{1}));
    addRow("the day before has none", int(afterPolarDays.year()),
           int(unsigned(afterPolarDays.month())), int(unsigned(afterPolarDays.day())),
           named(sys_days{afterPolarDays} - days{1}));
}

void CheckCommandTest::dayWithoutSunriseOrSunsetStopsTheCheck() {
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(QString, dayNamed);
    fill({"70", "0", false, "0", "0", true, "0", "0"},
         {year, unsigned(month), unsigned(day), 12, 0, 0});
    ModalAnswerer answerer;
    check();
    QCOMPARE(answerer.texts, QStringList{QStringLiteral("The sun does not rise or does not set at "
                                                        "this place on %1, so Rahu Kaal cannot be "
                                                        "calculated.")
                                             .arg(dayNamed)});
    QCOMPARE(answerer.icons, QList<QMessageBox::Icon>{QMessageBox::Information});
    QVERIFY(window_->isVisible());
    QCOMPARE(resultWindowsLoaded(), 0);
}

QTEST_MAIN(CheckCommandTest)
#include "CheckCommandTest.moc"
