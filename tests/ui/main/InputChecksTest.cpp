// The rules behind the main window's checks, without the window: key codes,
// number readings and the days of each month.
#include "ui/main/InputChecks.h"

#include "ui/main/KeyPressFilter.h"

#include <QKeyEvent>
#include <QTest>
#include <chrono>
#include <cstdint>
#include <limits>

using namespace horavela;

class InputChecksTest : public QObject {
    Q_OBJECT

private slots:
    void keyRulesPassOnlyTheirCodes();
    void smallLettersAloneBecomeCapitals();
    void keysGiveTheirCharacterCodes_data();
    void keysGiveTheirCharacterCodes();
    void numbersAreReadFromTheText_data();
    void numbersAreReadFromTheText();
    void dayFitsMonthAgreesWithTheCalendar();
};

namespace {

bool isDigitCode(int code) {
    return code >= '0' && code <= '9';
}

bool isLetterCode(int code) {
    return (code >= 'A' && code <= 'Z') || (code >= 'a' && code <= 'z');
}

} // namespace

// Every 16-bit code, so a code let through by mistake cannot hide.
void InputChecksTest::keyRulesPassOnlyTheirCodes() {
    for (int code = std::numeric_limits<std::int16_t>::min();
         code <= std::numeric_limits<std::int16_t>::max(); ++code) {
        const auto key = static_cast<std::int16_t>(code);
        const bool number = isDigitCode(code) || code == 8;
        const bool name = isLetterCode(code) || code == ' ' || code == 13 || code == 8;
        QVERIFY2(isNumberBoxCode(key) == number,
                 qPrintable(QStringLiteral("number boxes misjudge code %1").arg(code)));
        QVERIFY2(isZoneHourBoxCode(key) == (number || code == '-'),
                 qPrintable(QStringLiteral("the zone hour box misjudges code %1").arg(code)));
        if (code < 0 || code > 0x7f) // beyond ASCII: the table below
            continue;
        QVERIFY2(isNameBoxCode(key) == name,
                 qPrintable(QStringLiteral("the name box misjudges code %1").arg(code)));
    }
}

// A name is letters of any script: its marks (vowel signs, viramas) join
// them; digits of any script and punctuation are refused; a small letter
// becomes its capital where the script has capitals.
void InputChecksTest::smallLettersAloneBecomeCapitals() {
    const struct {
        char16_t typed;
        bool name;
        char16_t capital;
    } rows[] = {
        {u'a', true, u'A'},  {u'z', true, u'Z'},  {u'Q', true, u'Q'},
        {u'é', true, u'É'},  {u'ß', true, u'ß'},  {u'ж', true, u'Ж'},
        {u'र', true, u'र'},  {u'ा', true, u'ा'},  {u'्', true, u'्'},
        {u'ர', true, u'ர'},  {u'்', true, u'்'},    {u'ই', true, u'ই'},
        {u'५', false, u'५'}, {u'௫', false, u'௫'}, {u'1', false, u'1'},
        {u'.', false, u'.'}, {u'।', false, u'।'}, {u'\u200d', false, u'\u200d'},
    };
    for (const auto& row : rows) {
        const auto code = static_cast<std::int16_t>(row.typed);
        const QString what = QString(QChar(row.typed));
        QVERIFY2(isNameBoxCode(code) == row.name,
                 qPrintable(QStringLiteral("the name box misjudges %1").arg(what)));
        QVERIFY2(toCapital(code) == static_cast<std::int16_t>(row.capital),
                 qPrintable(QStringLiteral("%1 should become %2").arg(what, QChar(row.capital))));
    }
    for (int code = 0; code <= 0x7f; ++code) {
        const int expected = code >= 'a' && code <= 'z' ? code - 32 : code;
        QVERIFY2(toCapital(static_cast<std::int16_t>(code)) == expected,
                 qPrintable(QStringLiteral("code %1 should become %2").arg(code).arg(expected)));
    }
}

void InputChecksTest::keysGiveTheirCharacterCodes_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("code"); // -1: not a character

    const int none = Qt::NoModifier;
    const int shift = Qt::ShiftModifier;
    const int ctrl = Qt::ControlModifier;
    QTest::newRow("e acute") << int(Qt::Key_Eacute) << none << QStringLiteral("\u00e9") << 0xe9;
    QTest::newRow("AltGr+Q types @")
        << int(Qt::Key_Q) << int(Qt::ControlModifier | Qt::AltModifier) << "@" << 64;
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << "\r" << 13;
    QTest::newRow("Ctrl+V without text") << int(Qt::Key_V) << ctrl << "" << 22;
    QTest::newRow("Ctrl+Shift+Z") << int(Qt::Key_Z) << int(Qt::ControlModifier | Qt::ShiftModifier)
                                  << "\x1a" << 26;
    QTest::newRow("Shift+Delete cuts") << int(Qt::Key_Delete) << shift << "" << 24;
    QTest::newRow("Ctrl+Insert copies") << int(Qt::Key_Insert) << ctrl << "" << 3;
    QTest::newRow("Tab") << int(Qt::Key_Tab) << none << "\t" << -1;
    QTest::newRow("Backtab") << int(Qt::Key_Backtab) << shift << "" << -1;
    QTest::newRow("Left") << int(Qt::Key_Left) << none << "" << -1;
    QTest::newRow("Delete") << int(Qt::Key_Delete) << none << "\x7f" << -1;
    QTest::newRow("Home") << int(Qt::Key_Home) << none << "" << -1;
    QTest::newRow("F1") << int(Qt::Key_F1) << none << "" << -1;
    QTest::newRow("Shift alone") << int(Qt::Key_Shift) << shift << "" << -1;
    QTest::newRow("Ctrl+Left") << int(Qt::Key_Left) << ctrl << "" << -1;
}

void InputChecksTest::keysGiveTheirCharacterCodes() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, text);
    QFETCH(int, code);

    const QKeyEvent event(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), text);
    const std::optional<std::int16_t> typed = characterCode(event);
    if (code < 0) {
        QVERIFY2(!typed, qPrintable(QStringLiteral("a key that types no character gave code %1")
                                        .arg(typed.value_or(0))));
    } else {
        QVERIFY2(typed, "a character key gave no code");
        QCOMPARE(int(*typed), code);
    }
}

void InputChecksTest::numbersAreReadFromTheText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("leading"); // the number at the start, 0 when none
    QTest::addColumn<bool>("whole");     // the whole text is that number

    QTest::newRow("whole") << "179" << 179.0 << true;
    QTest::newRow("blanks around") << " 7 " << 7.0 << true;
    QTest::newRow("negative") << "-5" << -5.0 << true;
    QTest::newRow("plus sign") << "+3" << 3.0 << true;
    QTest::newRow("fraction") << "1.5" << 1.5 << true;
    QTest::newRow("fraction alone") << ".5" << 0.5 << true;
    QTest::newRow("point at the end") << "2." << 2.0 << true;
    QTest::newRow("letters after") << "12abc" << 12.0 << false;
    QTest::newRow("letters only") << "abc" << 0.0 << false;
    QTest::newRow("empty") << "" << 0.0 << false;
    QTest::newRow("blanks only") << "   " << 0.0 << false;
    QTest::newRow("exponent is not read") << "1e1" << 1.0 << false;
    QTest::newRow("sign alone") << "-" << 0.0 << false;
    QTest::newRow("blank after sign") << "- 5" << 0.0 << false;
    QTest::newRow("inner blank") << "1 2" << 1.0 << false;
    QTest::newRow("second point") << "1.2.3" << 1.2 << false;
    QTest::newRow("non-ASCII digits") << QStringLiteral("\u0661\u0662") << 0.0 << false;
    QTest::newRow("400 digits saturate") << QString(400, u'9') << 1e9 << true;
    QTest::newRow("400 negative digits") << u'-' + QString(400, u'9') << -1e9 << true;
    QTest::newRow("400 fraction digits") << "0." + QString(400, u'1') << 0.1111111111111111 << true;
}

void InputChecksTest::numbersAreReadFromTheText() {
    QFETCH(QString, text);
    QFETCH(double, leading);
    QFETCH(bool, whole);

    QCOMPARE(leadingNumber(text), leading);
    const std::optional<double> read = wholeNumber(text);
    QVERIFY2(read.has_value() == whole,
             whole ? "a number was not read as one" : "a text that is no number was read");
    if (whole)
        QCOMPARE(*read, leading);
}

// Every day the lists offer, against the calendar: the rule must refuse
// exactly the days that do not exist.
void InputChecksTest::dayFitsMonthAgreesWithTheCalendar() {
    using namespace std::chrono;
    for (int y = 1901; y <= 2050; ++y) {
        for (unsigned m = 1; m <= 12; ++m) {
            for (unsigned d = 1; d <= 31; ++d) {
                const bool exists = year_month_day(year(y), month(m), day(d)).ok();
                QVERIFY2(
                    dayFitsMonth(int(m) - 1, int(d) - 1, y) == exists,
                    qPrintable(QStringLiteral("%1-%2-%3 is judged wrongly").arg(y).arg(m).arg(d)));
            }
        }
    }
}

QTEST_MAIN(InputChecksTest)
#include "InputChecksTest.moc"
