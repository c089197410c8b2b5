// The home place: File > Save as Home Place keeps the form's place after its
// input checks, the next main window starts there at the present moment, and
// Forget Home Place brings back the plain start. Kept settings that cannot be
// used give the plain start and one message, and leave the file alone. CTest
// runs this in Asia/Kathmandu, a zone no test place has.
#include "ui/main/HomePlace.h"

#include "platform/Clock.h"
#include "platform/KeptSettings.h"
#include "platform/Language.h"
#include "tests/support/FakeGazetteer.h"
#include "tests/support/MainWindowTest.h"
#include "tests/support/ModalAnswerer.h"
#include "tests/support/WindowParts.h"
#include "ui/main/frmMain.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <memory>

using namespace horavela;

namespace {

const std::vector<Place> Places{
    listedPlace(1, "Pune", "Maharashtra", "India", "Asia/Kolkata", 18.51957, 73.85535),
    listedPlace(2, "New York", "New York", "United States", "America/New_York", 40.71427,
                -74.00597),
};

QString settingsFile() {
    return KeptSettings().fileName();
}

QDateTime utc(int y, int mo, int d, int h, int mi, int s) {
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s), Qt::UTC);
}

const QString ZoneNotANumber =
    QStringLiteral("Please Enter a Number in the Hour and Minute of the Time Zone");

} // namespace

class HomePlaceTest : public MainWindowTest {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void nextWindowStartsAtHome_data();
    void nextWindowStartsAtHome();
    void saveRunsThePlacesChecks_data();
    void saveRunsThePlacesChecks();
    void forgottenHomeStartsAsBefore();
    void unusableSettingsGiveThePlainStart_data();
    void unusableSettingsGiveThePlainStart();

private:
    void usePlace(const QString& city) const;
    // Fills the place boxes; the name is left empty, as saving does not need it.
    void typePlace(const QString& zoneHours, const QString& zoneMinutes) const;
    // Triggers the menu entry; the texts of the messages it gave.
    QStringList trigger(const char* entry) const;
    // A main window as the program starts it, with the messages it gave at start.
    std::unique_ptr<frmMain> startWindow(QStringList* messages = nullptr) const;
    static QString listsShown(const QWidget* window);
    static QString text(const QWidget* window, const char* name) {
        return control<QLineEdit>(window, name)->text();
    }

    FakeGazetteer gazetteer_{Places};
    ScopedGazetteer usingFake_{gazetteer_};
};

void HomePlaceTest::initTestCase() {
    MainWindowTest::initTestCase();
    // The test writes and removes the settings file: never the user's own (the
    // registry on Windows, which the test mode does not move).
    if (!settingsFile().contains(u"qttest"))
        QSKIP(qPrintable(u"the settings are not kept apart from the user's here: "_qs +
                         settingsFile()));
    QFile::remove(settingsFile());
}

void HomePlaceTest::init() {
    QFile::remove(settingsFile());
    MainWindowTest::init();
}

void HomePlaceTest::cleanup() {
    MainWindowTest::cleanup();
    QFile::remove(settingsFile());
}

void HomePlaceTest::usePlace(const QString& city) const {
    fillSearchPlace(window_, city, QStringLiteral("state"), QStringLiteral("country"));
    ModalAnswerer answerer([](QWidget* places) {
        QTest::mouseClick(control<QPushButton>(places, "cmdUse"), Qt::LeftButton);
    });
    QTest::mouseClick(control<QPushButton>("cmdBrowser"), Qt::LeftButton);
    QCOMPARE(answerer.windows, QStringList{"frmPlaceSearch"});
}

void HomePlaceTest::typePlace(const QString& zoneHours, const QString& zoneMinutes) const {
    fillSearchPlace(window_, QStringLiteral("Pune"), QStringLiteral("Maharashtra"),
                    QStringLiteral("India"));
    const QByteArray hours = zoneHours.toUtf8();
    const QByteArray minutes = zoneMinutes.toUtf8();
    fill({"18", "31", true, "73", "50", false, hours.constData(), minutes.constData()},
         {2024, 2, 29, 6, 0, 0});
    setBoxText(window_, "txtName", QString());
}

QStringList HomePlaceTest::trigger(const char* entry) const {
    ModalAnswerer answerer;
    control<QAction>(entry)->trigger();
    return answerer.texts;
}

std::unique_ptr<frmMain> HomePlaceTest::startWindow(QStringList* messages) const {
    ModalAnswerer answerer;
    auto window = std::make_unique<frmMain>();
    window->show();
    // The message at start comes once the window is on the screen; wait past it.
    QTest::qWait(200);
    if (messages)
        *messages = answerer.texts;
    return window;
}

QString HomePlaceTest::listsShown(const QWidget* window) {
    const auto shown = [window](const char* name) {
        return control<QComboBox>(window, name)->currentText();
    };
    return QStringLiteral("%1 %2 %3 %4:%5:%6")
        .arg(shown("cboDate"), shown("cboMonth"), shown("cboYear"), shown("cboHour"),
             shown("cboMinute").rightJustified(2, u'0'),
             shown("cboSecond").rightJustified(2, u'0'));
}

void HomePlaceTest::nextWindowStartsAtHome_data() {
    QTest::addColumn<QString>("form"); // a place used, else the zone typed
    QTest::addColumn<QDateTime>("present");
    QTest::addColumn<QString>("shown"); // "lists = zone boxes"
    QTest::addColumn<QString>("zoneName");
    addRow("typed -5 -30", "-5 -30", utc(2025, 3, 18, 9, 59, 48), "18 March 2025 15:29:48 = -5 -30",
           "");
    addRow("typed -0 -19, 19 minutes east", "-0 -19", utc(1905, 7, 1, 11, 41, 0),
           "1 July 1905 12:00:00 = -0 -19", "");
    addRow("typed 5.5 0, west", "5.5 0", utc(2026, 1, 1, 3, 0, 0),
           "31 December 2025 21:30:00 = 5.5 0", "");
    addRow("linked Pune", "Pune", utc(2025, 3, 18, 9, 59, 48), "18 March 2025 15:29:48 = -5 -30",
           "Asia/Kolkata");
    // Kept at the form's first date, at 5 0; the next start in July follows the zone to 4 0.
    addRow("linked New York, in its daylight time", "New York", utc(2026, 7, 15, 16, 0, 5),
           "15 July 2026 12:00:05 = 4 0", "America/New_York");
}

void HomePlaceTest::nextWindowStartsAtHome() {
    QFETCH(QString, form);
    QFETCH(QDateTime, present);
    QFETCH(QString, shown);
    QFETCH(QString, zoneName);
    const bool linked = !zoneName.isEmpty();
    QVERIFY(!control<QAction>("mnuForgetHome")->isEnabled());
    if (linked)
        usePlace(form);
    else
        typePlace(form.section(u' ', 0, 0), form.section(u' ', 1));
    const QStringList boxes{"txtMCity", "txtMState", "txtMCountry", "txtLatD",
                            "txtLatM",  "txtLonD",   "txtLonM"};
    QStringList typed;
    for (const QString& name : boxes)
        typed.append(box(name.toLatin1().constData())->text());
    const bool south = control<QRadioButton>("optLat_1")->isChecked();
    const bool east = control<QRadioButton>("optLong_0")->isChecked();

    QCOMPARE(trigger("mnuSaveHome"), QStringList());
    QVERIFY(control<QAction>("mnuForgetHome")->isEnabled());

    const ReplacedClock clock([present] { return present; });
    QStringList messages;
    const std::unique_ptr<frmMain> next = startWindow(&messages);
    QCOMPARE(messages, QStringList());
    QStringList kept;
    for (const QString& name : boxes)
        kept.append(text(next.get(), name.toLatin1().constData()));
    QCOMPARE(kept, typed);
    QCOMPARE(control<QRadioButton>(next.get(), "optLat_1")->isChecked(), south);
    QCOMPARE(control<QRadioButton>(next.get(), "optLong_0")->isChecked(), east);
    QCOMPARE(listsShown(next.get()) + QStringLiteral(" = ") + text(next.get(), "txtZoneHour") +
                 u' ' + text(next.get(), "txtZoneMinute"),
             shown);
    QCOMPARE(control<QLabel>(next.get(), "lblZoneName")->text(), zoneName);
    QCOMPARE(text(next.get(), "txtName"), QString());
    QVERIFY(control<QAction>(next.get(), "mnuForgetHome")->isEnabled());
}

void HomePlaceTest::saveRunsThePlacesChecks_data() {
    QTest::addColumn<QStringList>("edits"); // "box=text"
    QTest::addColumn<QString>("message");   // empty when the place is kept
    addRow("longitude degrees", QStringList{"txtLonD=180"},
           "Please Enter Value Between 0 And 179 in the Degree of Longitude");
    addRow("longitude minutes", QStringList{"txtLonM=60"},
           "Please Enter Value Between 0 And 59 in the  Minute of Longitude");
    addRow("latitude degrees", QStringList{"txtLatD=90"},
           "Please Enter Value Between 0 And 89 in the Degree of Latitude");
    addRow("latitude minutes", QStringList{"txtLatM=5x"},
           "Please Enter Value Between 0 And 59 in the  Minute of Latitude");
    addRow("longitude before latitude", QStringList{"txtLatD=", "txtLonD="},
           "Please Enter Value Between 0 And 179 in the Degree of Longitude");
    addRow("latitude before the zone", QStringList{"txtLatM=61", "txtZoneHour="},
           "Please Enter Value Between 0 And 59 in the  Minute of Latitude");
    addRow("zone hours empty", QStringList{"txtZoneHour="}, ZoneNotANumber);
    addRow("zone minutes not a number", QStringList{"txtZoneMinute=-"}, ZoneNotANumber);
    // The name and the date are not the place's.
    addRow("no name, a day February lacks", QStringList{"txtName=", "cboDate=31"}, "");
}

void HomePlaceTest::saveRunsThePlacesChecks() {
    QFETCH(QStringList, edits);
    QFETCH(QString, message);
    typePlace(QStringLiteral("-5"), QStringLiteral("-30"));
    for (const QString& edit : edits) {
        const QByteArray name = edit.section(u'=', 0, 0).toLatin1();
        const QString value = edit.section(u'=', 1);
        if (name.startsWith("cbo"))
            choose(window_, name.constData(), value);
        else
            setBoxText(window_, name.constData(), value);
    }
    QCOMPARE(trigger("mnuSaveHome"), message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(isHomePlaceKept(), message.isEmpty());
    QCOMPARE(std::holds_alternative<Place>(keptHomePlace()), message.isEmpty());
    QCOMPARE(control<QAction>("mnuForgetHome")->isEnabled(), message.isEmpty());
}

void HomePlaceTest::forgottenHomeStartsAsBefore() {
    const QStringList plainStart = fieldStates(window_);
    QCOMPARE(listsShown(window_), u"1 January 1901 0:00:00"_qs);
    usePlace(QStringLiteral("Pune"));
    QCOMPARE(trigger("mnuSaveHome"), QStringList());
    QCOMPARE(trigger("mnuForgetHome"), QStringList());
    QVERIFY(!control<QAction>("mnuForgetHome")->isEnabled());
    QVERIFY(!isHomePlaceKept());
    const ReplacedClock clock([] { return utc(2025, 3, 18, 9, 59, 48); });
    QStringList messages;
    const std::unique_ptr<frmMain> next = startWindow(&messages);
    QCOMPARE(messages, QStringList());
    QCOMPARE(fieldStates(next.get()), plainStart);
    QCOMPARE(control<QLabel>(next.get(), "lblZoneName")->text(), QString());
    QVERIFY(!control<QAction>(next.get(), "mnuForgetHome")->isEnabled());
}

void HomePlaceTest::unusableSettingsGiveThePlainStart_data() {
    QTest::addColumn<QByteArray>("home"); // the lines of the group, after a good language
    QTest::addColumn<QString>("message");
    const QByteArray good = "city=Pune\nstate=Maharashtra\ncountry=India\nlatitudeDegrees=18\n"
                            "latitudeMinutes=31\nlatitudeHemisphere=north\nlongitudeDegrees=73\n"
                            "longitudeMinutes=50\nlongitudeHemisphere=east\n";
    const QString badValue = QStringLiteral("The home place kept in the settings is not a valid "
                                            "place, so the program starts without it.");
    const QString unreadable = QStringLiteral(
        "The settings could not be read, so the program starts without the home place.");
    addRow("a group heading cut short", "[home\n" + good + "zoneName=Asia/Kolkata\n", unreadable);
    addRow("an unknown zone", "[home]\n" + good + "zoneName=Asia/Atlantis\n", badValue);
    addRow("latitude degrees past 89",
           "[home]\n" + QByteArray(good).replace("latitudeDegrees=18", "latitudeDegrees=95") +
               "zoneName=Asia/Kolkata\n",
           badValue);
    addRow("longitude minutes not a number",
           "[home]\n" + QByteArray(good).replace("longitudeMinutes=50", "longitudeMinutes=5O") +
               "zoneName=Asia/Kolkata\n",
           badValue);
    addRow("a hemisphere of neither",
           "[home]\n" + QByteArray(good).replace("=north", "=up") + "zoneName=Asia/Kolkata\n",
           badValue);
    addRow("zone hours not a number", "[home]\n" + good + "zoneHours=-5h\nzoneMinutes=-30\n",
           badValue);
    addRow("no zone at all", "[home]\n" + good, badValue);
}

void HomePlaceTest::unusableSettingsGiveThePlainStart() {
    QFETCH(QByteArray, home);
    QFETCH(QString, message);
    const QStringList plainStart = fieldStates(window_);
    const QByteArray contents = "[General]\nlanguage=ta\n\n" + home;
    {
        QFile file(settingsFile());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(file.write(contents), contents.size());
    }
    // As the program does, the language is read first: the damaged file's first reader.
    QCOMPARE(keptLanguage(), u"ta"_qs);
    QStringList messages;
    const std::unique_ptr<frmMain> next = startWindow(&messages);
    QCOMPARE(messages, QStringList{message});
    QCOMPARE(fieldStates(next.get()), plainStart);
    // A home place that is kept but unusable can still be forgotten; unreadable
    // settings cannot be written either.
    QCOMPARE(control<QAction>(next.get(), "mnuForgetHome")->isEnabled(), home.startsWith("[home]"));
    QCOMPARE(control<QLabel>(next.get(), "lblZoneName")->text(), QString());
    QFile file(settingsFile());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), contents);
    QCOMPARE(keptLanguage(), u"ta"_qs);
}

QTEST_MAIN(HomePlaceTest)
#include "HomePlaceTest.moc"
