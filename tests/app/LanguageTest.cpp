// The program in the user's language: which language the desktop gives, the
// result, the month and the calendar in that language, and a switch from the
// language list that every open window follows at once. CTest runs it once
// per desktop of the table in tests/app/CMakeLists.txt.
#include "platform/Language.h"

#include "calc/Check.h"
#include "month/MonthFiles.h"
#include "platform/FitText.h"
#include "tests/support/ModalAnswerer.h"
#include "tools/windowdriver/WindowDriver.h"
#include "ui/main/frmMain.h"
#include "ui/month/frmMonth.h"
#include "ui/result/ResultTexts.h"
#include "ui/result/frmDisplay.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <optional>

using namespace horavela;
using namespace std::chrono;

namespace {

const Place NewDelhi{28, 36,          false,   77,     12, true, ZoneOffset{-5, -30},
                     {}, "New Delhi", "Delhi", "India"};

// Whether the text has a letter of the script that starts at `first`.
bool hasScript(const QString& text, char16_t first) {
    for (const QChar c : text)
        if (c.unicode() >= first && c.unicode() < first + 0x80)
            return true;
    return false;
}

// The calendar's lines, unfolded as RFC 5545 has them read.
QStringList unfolded(const QByteArray& calendar) {
    QByteArray joined = calendar;
    joined.replace("\r\n ", "");
    QStringList lines;
    for (const QByteArray& line : joined.split('\n'))
        lines.append(QString::fromUtf8(line).trimmed());
    return lines;
}

} // namespace

class LanguageTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void desktopLanguageIsSpoken();
    void verdictAndNoteInTamil_data();
    void verdictAndNoteInTamil();
    void monthColumnTitlesInHindi();
    void calendarInTeluguNamesItsPeriods();
    void bengaliListsAreReadByTheirRows();
    void switchingToEnglishGivesTheEnglishTexts();
    void keptFitsGiveTheMeasuredWindow();

private:
    std::optional<ReplacedTranslationsFolder> folder_;
};

void LanguageTest::initTestCase() {
    // The choice is kept in the test's own settings, never the user's.
    QStandardPaths::setTestModeEnabled(true);
    keepLanguage({});
    folder_.emplace(QStringLiteral(TRANSLATIONS_FOLDER));
}

void LanguageTest::cleanup() {
    keepLanguage({});
    useLanguage(QStringLiteral("en"));
}

// LANGUAGE=kn:en and LANG=ta_IN.UTF-8 name the language; a desktop in a
// language without a translation gets English.
void LanguageTest::desktopLanguageIsSpoken() {
    const QString expected = qEnvironmentVariable("EXPECTED_LANGUAGE", QStringLiteral("en"));
    QCOMPARE(languageToSpeak({}), expected);
    QVERIFY(useLanguage(languageToSpeak({})));
    QCOMPARE(languageInUse(), expected);
    // A kept choice wins over the desktop's.
    keepLanguage(QStringLiteral("ml"));
    QCOMPARE(languageToSpeak(keptLanguage()), u"ml"_qs);
}

void LanguageTest::verdictAndNoteInTamil_data() {
    QTest::addColumn<int>("hour");
    QTest::addColumn<bool>("inRahukal");
    // New Delhi, Monday 24 January 2022: Rahu Kaal 8:33:52 to 9:53:43.
    QTest::newRow("in Rahu Kaal") << 9 << true;
    QTest::newRow("not in Rahu Kaal") << 11 << false;
}

void LanguageTest::verdictAndNoteInTamil() {
    QFETCH(int, hour);
    QFETCH(bool, inRahukal);
    QVERIFY(useLanguage(QStringLiteral("ta")));
    CalculationState state;
    const DateTime moment = local_days{2022y / January / 24} + hours{hour};
    QCOMPARE(check(state, NewDelhi, moment).result, SunResult::Ok);
    QCOMPARE(state.RahukalResult, inRahukal ? Verdict::InRahukal : Verdict::NotInRahukal);
    frmDisplay display(nullptr);
    display.writeResult(resultTexts(QLocale(), state));
    display.show();
    const QString verdict = control<QLabel>(&display, "lblRahukalResult")->text();
    // The term inflects in a sentence: ராகு காலத்தில், "in Rahu Kaal".
    QVERIFY2(verdict.contains(u"ராகு கால"), qPrintable(verdict));
    QVERIFY2(!verdict.contains(QRegularExpression(QStringLiteral("[A-Za-z]"))),
             qPrintable(verdict));
    QVERIFY2(verdict !=
                 (inRahukal ? verdictText(Verdict::NotInRahukal) : verdictText(Verdict::InRahukal)),
             "the two verdicts read the same in Tamil");
    const QLabel* note = control<QLabel>(&display, "lblShow");
    QCOMPARE(note->isVisible(), inRahukal);
    QVERIFY2(hasScript(note->text(), u'\u0B80'), qPrintable(note->text()));
}

void LanguageTest::monthColumnTitlesInHindi() {
    QVERIFY(useLanguage(QStringLiteral("hi")));
    frmMonth month(NewDelhi, 2022y / January / 24d, QDate(2022, 1, 24));
    const auto* table = control<QTableWidget>(&month, "grdMonth");
    QStringList titles;
    for (int column = 0; column < table->columnCount(); ++column)
        titles.append(table->horizontalHeaderItem(column)->text());
    for (const QString& title : titles)
        QVERIFY2(hasScript(title, u'\u0900'), qPrintable(titles.join(u" | ")));
    QCOMPARE(titles.mid(4), (QStringList{u"राहु काल"_qs, u"यमगण्ड"_qs, u"गुलिक काल"_qs}));
}

void LanguageTest::calendarInTeluguNamesItsPeriods() {
    QVERIFY(useLanguage(QStringLiteral("te")));
    CalendarOptions options;
    options.periods = {true, true, true};
    options.stamp = QDateTime(QDate(2022, 1, 1), QTime(0, 0), Qt::UTC);
    const QStringList lines = unfolded(monthCalendar(NewDelhi, {2022y / January, 1}, options));
    QStringList summaries;
    for (const QString& line : lines)
        if (line.startsWith(u"SUMMARY:"))
            summaries.append(line.mid(8));
    QCOMPARE(summaries.size(), 3 * 31);
    QCOMPARE(summaries.mid(0, 3), (QStringList{u"రాహుకాలం · New Delhi"_qs, u"యమగండం · New Delhi"_qs,
                                               u"గుళిక కాలం · New Delhi"_qs}));
    for (const QString& line : lines)
        if (line.startsWith(u"DESCRIPTION:"))
            QVERIFY2(hasScript(line, u'\u0C00'), qPrintable(line));
}

// Bengali writes the lists in its own digits; the check reads the rows, so the
// day it works out is the one chosen.
void LanguageTest::bengaliListsAreReadByTheirRows() {
    QVERIFY(useLanguage(QStringLiteral("bn")));
    auto main = std::make_unique<frmMain>();
    QCOMPARE(control<QComboBox>(main.get(), "cboDate")->itemText(23), u"২৪"_qs);
    QCOMPARE(control<QComboBox>(main.get(), "cboYear")->itemText(121), u"২০২২"_qs);
    main->show();
    fillForm(main.get(), "RAM", PlaceEntry{"28", "36", false, "77", "12", true, "-5", "-30"},
             MomentEntry{2022, 1, 24, 9, 0, 0});
    ModalAnswerer refused;
    QMainWindow* result = runCheck(main.get());
    QVERIFY2(result, qPrintable(refused.texts.join(u'\n')));
    const QString date = resultText("lblChosenDate");
    QVERIFY2(date.contains(u"২৪") && date.contains(u"২০২২"), qPrintable(date));
    QCOMPARE(resultText("lblChosenTime"), u"৯:০:০"_qs);
    goBack(result);
}

// The list opened from the Help menu: English chosen over Hindi gives back the
// main window's English texts at once, and is kept.
void LanguageTest::switchingToEnglishGivesTheEnglishTexts() {
    keepLanguage(QStringLiteral("hi"));
    QVERIFY(useLanguage(QStringLiteral("hi")));
    auto main = std::make_unique<frmMain>();
    main->show();
    const auto* ask = control<QPushButton>(main.get(), "cmdRashi");
    QVERIFY2(hasScript(ask->text(), u'\u0900'), qPrintable(ask->text()));
    QStringList rows;
    ModalAnswerer answer([&rows](QWidget* modal) {
        auto* list = modal->findChild<QListWidget*>(QStringLiteral("lstLanguage"));
        if (!list)
            return;
        for (int n = 0; n < list->count(); ++n)
            rows.append(list->item(n)->text());
        list->setCurrentRow(int(rows.indexOf(u"English"_qs)));
        modal->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
    });
    control<QAction>(main.get(), "mnuLanguage")->trigger();
    // The windows hear of the new language from the event loop.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    QCOMPARE(answer.windows, QStringList{u"frmLanguage"_qs});
    QCOMPARE(rows.mid(1), (QStringList{u"हिन्दी"_qs, u"বাংলা"_qs, u"తెలుగు"_qs, u"मराठी"_qs,
                                       u"தமிழ்"_qs, u"ગુજરાતી"_qs, u"ಕನ್ನಡ"_qs, u"മലയാളം"_qs,
                                       u"ਪੰਜਾਬੀ"_qs, u"ଓଡ଼ିଆ"_qs, u"English"_qs}));
    QCOMPARE(keptLanguage(), u"en"_qs);
    QCOMPARE(ask->text(), u"Is the Chosen Period in Rahul Kaal?"_qs);
    QCOMPARE(control<QLabel>(main.get(), "lblEnterName")->text(), u"Enter Your Name"_qs);
    QCOMPARE(control<QMenu>(main.get(), "mnuFile")->title(), u"&File"_qs);
    QCOMPARE(control<QAction>(main.get(), "mnuLanguage")->text(),
             u"Switch Application &Language..."_qs);
    QCOMPARE(control<QComboBox>(main.get(), "cboMonth")->itemText(0), u"January"_qs);
    QCOMPARE(control<QComboBox>(main.get(), "cboYear")->itemText(0), u"1901"_qs);
    QCOMPARE(main->windowTitle(), u"Horavela v1.15"_qs);
}

// A translated window starts from what an earlier start measured: read back
// from the file, every label has the size and box that measuring gives it.
void LanguageTest::keptFitsGiveTheMeasuredWindow() {
    QVERIFY(useLanguage(QStringLiteral("kn")));
    const auto labels = [](const QWidget& window) {
        QStringList fitted;
        for (const QLabel* label : window.findChildren<QLabel*>())
            fitted << QStringLiteral("%1 %2pt %3,%4 %5x%6")
                          .arg(label->objectName())
                          .arg(label->font().pointSizeF())
                          .arg(label->x())
                          .arg(label->y())
                          .arg(label->width())
                          .arg(label->height());
        return fitted;
    };
    const QStringList measured = labels(frmMain());
    QTemporaryDir cache;
    keepFittedLabelsIn(cache.path());
    const QStringList first = labels(frmMain());
    QCOMPARE(QDir(cache.path()).entryList(QDir::Files).size(), 1);
    keepFittedLabelsIn(cache.path());
    const QStringList readBack = labels(frmMain());
    keepFittedLabelsIn({});
    QCOMPARE(first, measured);
    QCOMPARE(readBack, measured);
    // "TZ Help" is set smaller in Kannada, so the file holds more than no-ops.
    QVERIFY2(!measured.filter(QRegularExpression(QStringLiteral("^lblTZHelp 8pt "))).isEmpty(),
             qPrintable(measured.join(u'\n')));
}

QTEST_MAIN(LanguageTest)
#include "LanguageTest.moc"
