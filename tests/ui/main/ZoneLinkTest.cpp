// The zone boxes once "Use This Place" has linked the form to a place's zone:
// they follow the chosen date and time, the zone's name stands beside them,
// the user's own edits end the link, and "Set to Now" sets the lists to the
// present in the form's zone. CTest runs this on a computer whose own zone is
// Asia/Kathmandu (5:45 ahead), so that zone can be told from every other.
#include "ui/main/ZoneLink.h"

#include "platform/Clock.h"
#include "tests/support/FakeGazetteer.h"
#include "tests/support/MainWindowTest.h"
#include "tests/support/ModalAnswerer.h"
#include "tests/support/WindowParts.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimeZone>

using namespace horavela;

namespace {

// Only the name and the zone matter here; the search finds places by name alone.
Place place(const char* name, const char* zone, double latitude, double longitude) {
    return listedPlace(1, name, "state", "country", zone, latitude, longitude);
}

const std::vector<Place> Places{
    place("Pune", "Asia/Kolkata", 18.51957, 73.85535),
    place("New York", "America/New_York", 40.71427, -74.00597),
    place("Lord Howe Island", "Australia/Lord_Howe", -31.55127, 159.08186),
    place("Amsterdam", "Europe/Amsterdam", 52.37403, 4.88969),
    // As a gazetteer newer than the system's time-zone data would give it.
    place("Atlantis", "Atlantic/Atlantis", 31.0, -24.0),
};

} // namespace

class ZoneLinkTest : public MainWindowTest {
    Q_OBJECT

private slots:
    void zoneBoxesFollowTheChosenMoment_data();
    void zoneBoxesFollowTheChosenMoment();
    void usersOwnEditEndsTheLink_data();
    void usersOwnEditEndsTheLink();
    void checkUsesTheFollowedZone();
    void everyZoneNameStandsWhole();
    void nowSetsTheListsInTheFormsZone_data();
    void nowSetsTheListsInTheFormsZone();

private:
    // "Use This Place" on the first place of that name.
    void usePlace(const QString& city) const;
    // From "8 March 2026 1:59:30"; a part left out leaves its list alone.
    void chooseMoment(const QString& moment) const;
    QString listsShown() const;
    QString zoneShown() const;
    QLabel* zoneLabel() const { return control<QLabel>("lblZoneName"); }

    FakeGazetteer gazetteer_{Places};
    ScopedGazetteer usingFake_{gazetteer_};
};

void ZoneLinkTest::usePlace(const QString& city) const {
    fillSearchPlace(window_, city, QStringLiteral("state"), QStringLiteral("country"));
    ModalAnswerer answerer([](QWidget* places) {
        QTest::mouseClick(control<QPushButton>(places, "cmdUse"), Qt::LeftButton);
    });
    QTest::mouseClick(control<QPushButton>("cmdBrowser"), Qt::LeftButton);
    QCOMPARE(answerer.windows, QStringList{"frmPlaceSearch"});
    // As a desktop gives the window back its activation, which its shortcuts need.
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_));
}

void ZoneLinkTest::chooseMoment(const QString& moment) const {
    const QStringList parts = moment.split(u' ', Qt::SkipEmptyParts);
    const char* lists[] = {"cboDate", "cboMonth", "cboYear"};
    for (int i = 0; i < 3 && i < parts.size(); ++i)
        if (parts[i] != u'-')
            choose(window_, lists[i], parts[i]);
    const QStringList time = parts.value(3).split(u':', Qt::SkipEmptyParts);
    const char* clock[] = {"cboHour", "cboMinute", "cboSecond"};
    for (int i = 0; i < time.size(); ++i)
        choose(window_, clock[i], QString::number(time[i].toInt()));
}

// "18 March 2025 15:29:48", as the six lists show it.
QString ZoneLinkTest::listsShown() const {
    const auto shown = [this](const char* name) { return control<QComboBox>(name)->currentText(); };
    return QStringLiteral("%1 %2 %3 %4:%5:%6")
        .arg(shown("cboDate"), shown("cboMonth"), shown("cboYear"), shown("cboHour"),
             shown("cboMinute").rightJustified(2, u'0'),
             shown("cboSecond").rightJustified(2, u'0'));
}

QString ZoneLinkTest::zoneShown() const {
    return box("txtZoneHour")->text() + u' ' + box("txtZoneMinute")->text();
}

void ZoneLinkTest::zoneBoxesFollowTheChosenMoment_data() {
    QTest::addColumn<QString>("city");
    QTest::addColumn<QString>("zoneName");
    // The moment before "Use This Place", then each moment chosen after it
    // with the pair the boxes show then: "moment = pair"; "-" keeps a list.
    QTest::addColumn<QStringList>("steps");
    addRow("Pune from the form's first date to 2025", "Pune", "Asia/Kolkata",
           QStringList{"1 January 1901 0:00 = -5 -21", "- - 2025 = -5 -30"});
    addRow("New York, January, July, January", "New York", "America/New_York",
           QStringList{"15 January 2026 12:00 = 5 0", "- July - = 4 0", "- January - = 5 0"});
    addRow("New York as the clocks go forward", "New York", "America/New_York",
           QStringList{"8 March 2026 1:59:59 = 5 0", "- - - 3:00:00 = 4 0", "- - - 1:59 = 5 0"});
    addRow("New York as the clocks go back", "New York", "America/New_York",
           QStringList{"1 November 2026 0:59 = 4 0", "- - - 2:00 = 5 0", "31 October = 4 0"});
    addRow("New York through a day that does not exist", "New York", "America/New_York",
           QStringList{"31 July 2026 12:00 = 4 0", "- April - = 5 0", "- May - = 4 0"});
    addRow(
        "Lord Howe's half hour of daylight saving", "Lord Howe Island", "Australia/Lord_Howe",
        QStringList{"15 January 2026 12:00 = -11 0", "- July - = -10 -30", "- December - = -11 0"});
    addRow("Amsterdam under an hour east, then an hour", "Amsterdam", "Europe/Amsterdam",
           QStringList{"1 July 1905 12:00 = -0 -19", "- - 1950 = -1 0", "- - 1905 = -0 -19"});
    addRow("a zone this system does not know", "Atlantis", "",
           QStringList{"15 July 2026 12:00 =  ", "- January - =  "});
}

void ZoneLinkTest::zoneBoxesFollowTheChosenMoment() {
    QFETCH(QString, city);
    QFETCH(QString, zoneName);
    QFETCH(QStringList, steps);
    const QString separator = QStringLiteral(" = ");
    chooseMoment(steps[0].section(separator, 0, 0));
    usePlace(city);
    for (const QString& step : steps) {
        if (&step != &steps[0])
            chooseMoment(step.section(separator, 0, 0));
        QVERIFY2(zoneShown() == step.section(separator, 1),
                 qPrintable(step + QStringLiteral(", but the boxes show ") + zoneShown()));
        QCOMPARE(zoneLabel()->text(), zoneName);
        QCOMPARE(zoneLabel()->accessibleName(), zoneName);
    }
}

void ZoneLinkTest::usersOwnEditEndsTheLink_data() {
    QTest::addColumn<QString>("edited");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("zoneInJuly");
    QTest::addColumn<QString>("zoneName");
    addRow("zone hours typed", "txtZoneHour", "6", "6 0", "");
    addRow("zone minutes typed", "txtZoneMinute", "30", "5 30", "");
    addRow("zone minutes emptied with Backspace", "txtZoneMinute", "\b", "5 ", "");
    addRow("latitude degrees typed", "txtLatD", "41", "5 0", "");
    addRow("latitude minutes typed", "txtLatM", "0", "5 0", "");
    addRow("longitude degrees typed", "txtLonD", "73", "5 0", "");
    addRow("longitude minutes typed", "txtLonM", "59", "5 0", "");
    addRow("a zone chosen in TZ Help", "lstTimeZone", "48", "-12 -30", "");
    addRow("TZ Help quit", "cmdQuit", "", "4 0", "America/New_York");
    addRow("a key the zone box refuses", "txtZoneHour", "a", "4 0", "America/New_York");
}

// New York is used in January; the box is edited (its text replaced, or
// Backspace pressed at its end), then July is chosen.
void ZoneLinkTest::usersOwnEditEndsTheLink() {
    QFETCH(QString, edited);
    QFETCH(QString, typed);
    QFETCH(QString, zoneInJuly);
    QFETCH(QString, zoneName);
    chooseMoment(QStringLiteral("15 January 2026 12:00"));
    usePlace(QStringLiteral("New York"));
    QCOMPARE(zoneShown(), QStringLiteral("5 0"));
    QCOMPARE(zoneLabel()->text(), QStringLiteral("America/New_York"));
    ModalAnswerer answerer([&](QWidget* modal) {
        if (edited == QLatin1String("lstTimeZone"))
            doubleClickRow(control<QListWidget>(modal, "lstTimeZone"), typed.toInt());
        else if (edited == QLatin1String("cmdQuit"))
            QTest::mouseClick(control<QPushButton>(modal, "cmdQuit"), Qt::LeftButton);
    });
    if (edited.startsWith(u"txt")) {
        QLineEdit* edit = box(qPrintable(edited));
        edit->setFocus();
        if (typed == u'\b') {
            edit->end(false);
            QTest::keyClick(edit, Qt::Key_Backspace);
        } else {
            edit->selectAll();
            QTest::keyClicks(edit, typed);
        }
    } else {
        QTest::mouseClick(control<QLabel>("lblTZHelp"), Qt::LeftButton);
    }
    QCOMPARE(zoneLabel()->text() + zoneLabel()->toolTip() + zoneLabel()->accessibleName(),
             zoneName.repeated(3));
    chooseMoment(QStringLiteral("- July -"));
    QCOMPARE(zoneShown(), zoneInJuly);
}

// The form's first date gives Pune -5 -21; the check of a 2025 moment must
// run with -5 -30, the pair of its own date, and not with the pair of 1901.
void ZoneLinkTest::checkUsesTheFollowedZone() {
    usePlace(QStringLiteral("Pune"));
    QCOMPARE(zoneShown(), QStringLiteral("-5 -21"));
    setBoxText(window_, "txtName", QStringLiteral("RAM"));
    chooseMoment(QStringLiteral("18 March 2025 15:10:00"));
    QCOMPARE(zoneShown(), QStringLiteral("-5 -30"));
    const auto checkedTimes = [this] {
        QMainWindow* result = check();
        if (!result)
            return QStringList{QStringLiteral("(the check was refused)")};
        const QStringList times = sunTimesShown() << resultText("lblRahukalPeriod");
        goBack(result);
        return times;
    };
    const QStringList followed = checkedTimes();
    setBoxText(window_, "txtZoneMinute", QStringLiteral("-21"));
    const QStringList stale = checkedTimes();
    setBoxText(window_, "txtZoneMinute", QStringLiteral("-30"));
    const QStringList entered = checkedTimes();
    QCOMPARE(followed, entered);
    QVERIFY2(followed != stale, "the two pairs give the same times: the check tells nothing");
}

// The label beside the zone boxes is narrow: every name of the system's
// time-zone data must still be shown whole, in a smaller font if need be, and
// given whole to screen readers.
void ZoneLinkTest::everyZoneNameStandsWhole() {
    QLabel* label = zoneLabel();
    QStringList cut;
    for (const QByteArray& id : QTimeZone::availableTimeZoneIds()) {
        const QString name = QString::fromLatin1(id);
        showZoneName(*label, name);
        if (label->text() != name || label->accessibleName() != name || label->toolTip() != name)
            cut << QStringLiteral("%1 shown as \"%2\" at %3 pt")
                       .arg(name, label->text())
                       .arg(label->font().pointSizeF());
    }
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(u'\n')));
    // A name longer than any yet loses its middle rather than its end.
    const QString longer = QStringLiteral("America/Argentina/ComodRivadavia/Rada_Tilly_Beach");
    showZoneName(*label, longer);
    QVERIFY2(label->text().startsWith(u"America/") && label->text().endsWith(u"_Beach") &&
                 label->text().contains(QChar(0x2026)) &&
                 label->fontMetrics().horizontalAdvance(label->text()) <= label->width(),
             qPrintable(label->text()));
    QCOMPARE(label->accessibleName() + label->toolTip(), longer + longer);
}

void ZoneLinkTest::nowSetsTheListsInTheFormsZone_data() {
    QTest::addColumn<QString>("form"); // a place used, else the zone typed
    QTest::addColumn<QDateTime>("present");
    QTest::addColumn<QString>("way");
    QTest::addColumn<QString>("shown"); // "lists = zone boxes"
    QTest::addColumn<QString>("message");
    const auto utc = [](int y, int mo, int d, int h, int mi, int s) {
        return QDateTime(QDate(y, mo, d), QTime(h, mi, s), Qt::UTC);
    };
    // A place is used on 15 January 2026 at noon, so New York's boxes start at 5 0.
    addRow("linked New York in July, its daylight time", "New York", utc(2026, 7, 15, 16, 0, 5),
           "menu", "15 July 2026 12:00:05 = 4 0", "");
    addRow("linked Pune by Ctrl+N", "Pune", utc(2025, 3, 18, 9, 59, 48), "Ctrl+N",
           "18 March 2025 15:29:48 = -5 -30", "");
    addRow("typed -5 -45, into the next year", "-5 -45", utc(2025, 12, 31, 18, 20, 0), "menu",
           "1 January 2026 0:05:00 = -5 -45", "");
    addRow("typed 5 0, west", "5 0", utc(2026, 1, 1, 3, 0, 0), "menu",
           "31 December 2025 22:00:00 = 5 0", "");
    addRow("typed -0 -19, 19 minutes east", "-0 -19", utc(1905, 7, 1, 11, 41, 0), "menu",
           "1 July 1905 12:00:00 = -0 -19", "");
    addRow("empty boxes", " ", utc(2025, 3, 18, 9, 59, 48), "Ctrl+N, the computer's zone",
           "18 March 2025 15:44:48 =  ", "");
    const QString past2050 = QStringLiteral("This year, 2051, is not in the Year list (1901 to "
                                            "2050), so the date and time are left as they were.");
    addRow("year 2051", "0 0", utc(2051, 1, 1, 0, 0, 0), "menu", "1 January 1901 0:00:00 = 0 0",
           past2050);
    addRow("into 2051 by the zone", "-5 -30", utc(2050, 12, 31, 20, 0, 0), "Ctrl+N",
           "1 January 1901 0:00:00 = -5 -30", past2050);
}

void ZoneLinkTest::nowSetsTheListsInTheFormsZone() {
    QFETCH(QString, form);
    QFETCH(QDateTime, present);
    QFETCH(QString, way);
    QFETCH(QString, shown);
    QFETCH(QString, message);
    if (way.endsWith(QLatin1String("computer's zone")) &&
        QTimeZone::systemTimeZoneId() != "Asia/Kathmandu")
        QSKIP(qPrintable("the computer's zone is " + QTimeZone::systemTimeZoneId() +
                         ", not Asia/Kathmandu (TZ is not honoured here)"));
    if (form.front().isLetter()) {
        chooseMoment(QStringLiteral("15 January 2026 12:00"));
        usePlace(form);
    } else {
        setBoxText(window_, "txtZoneHour", form.section(u' ', 0, 0));
        setBoxText(window_, "txtZoneMinute", form.section(u' ', 1));
    }
    const ReplacedClock clock([present] { return present; });
    ModalAnswerer answerer;
    if (way.startsWith(QLatin1String("Ctrl+N"))) {
        box("txtName")->setFocus();
        QTest::keyClick(box("txtName"), Qt::Key_N, Qt::ControlModifier);
    } else {
        control<QAction>("mnuNow")->trigger();
    }
    QCOMPARE(answerer.texts.join(u";"), message);
    QCOMPARE(listsShown() + u" = "_qs + zoneShown(), shown);
    QVERIFY2(box("txtName")->text().isEmpty(), qPrintable(box("txtName")->text()));
}

QTEST_MAIN(ZoneLinkTest)
#include "ZoneLinkTest.moc"
