// What is on now and next, and the reminders, as the tray will say them: in English and in
// Hindi from the build's own translations.
#include "month/NowAndNextTexts.h"

#include "month/MonthTexts.h"
#include "platform/Language.h"

#include <QStandardPaths>
#include <QTest>
#include <optional>

using namespace horavela;
using namespace std::chrono;

namespace {

const Place Pune{18, 31, false, 73, 51, true, ZoneOffset{-5, -30}, {}, "Pune", "Maharashtra"};
// Pune's Rahu Kaal on Tuesday 8 December 2026, and Wednesday's Yamaganda.
const PeriodAt RahuKaal{DayPeriod::RahuKaal,
                        {local_days{2026y / December / 8} + 15h + 12min,
                         local_days{2026y / December / 8} + 16h + 34min + 59s},
                        false};
const PeriodAt YamagandaTomorrow{DayPeriod::Yamaganda,
                                 {local_days{2026y / December / 9} + 8h + 17min + 52s,
                                  local_days{2026y / December / 9} + 9h + 40min + 43s},
                                 true};
PeriodAt today(PeriodAt at) {
    at.tomorrow = false;
    return at;
}
Reminder reminder(Reminder::Kind kind, int minutesBefore) {
    return {DayPeriod::RahuKaal, RahuKaal.span.start, kind, minutesBefore, {}, false};
}
NowAndNext nothingNext(Sunless today, Sunless tomorrow) {
    NowAndNext nothing;
    nothing.todaySunless = today;
    nothing.tomorrowSunless = tomorrow;
    return nothing;
}

struct Row {
    const char* what;
    QString shown;
    QString expected;
};

void compareRows(std::initializer_list<Row> rows) {
    for (const Row& row : rows)
        QVERIFY2(row.shown == row.expected,
                 qPrintable(QStringLiteral("%1: \"%2\", not \"%3\"")
                                .arg(QLatin1String(row.what), row.shown, row.expected)));
}

} // namespace

class NowAndNextTextsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void englishTexts();
    void hindiTexts();

private:
    std::optional<ReplacedTranslationsFolder> folder_;
};

void NowAndNextTextsTest::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    folder_.emplace(QStringLiteral(TRANSLATIONS_FOLDER));
}

void NowAndNextTextsTest::cleanup() {
    useLanguage(QStringLiteral("en"));
}

void NowAndNextTextsTest::englishTexts() {
    QVERIFY(useLanguage(QStringLiteral("en")));
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    NowAndNext both;
    both.now = RahuKaal;
    both.next = YamagandaTomorrow;
    compareRows({
        // The last second, 4:34:59 PM, is said to the nearest minute.
        {"now", periodNowText(us, RahuKaal), "Rahu Kaal now, until 4:35 PM"},
        {"next tomorrow", nextPeriodText(us, YamagandaTomorrow),
         "Next: Yamaganda tomorrow, 8:18 AM to 9:41 AM"},
        {"next today", nextPeriodText(us, today(YamagandaTomorrow)),
         "Next: Yamaganda, 8:18 AM to 9:41 AM"},
        {"no periods today", noPeriodsText(Sunless::SunUpAllDay, false),
         "No periods today: sun up all day"},
        {"no periods tomorrow", noPeriodsText(Sunless::SunDownAllDay, true),
         "No periods tomorrow: sun down all day"},
        {"skipped tomorrow", noPeriodsText(Sunless::NotAtPlace, true),
         "No periods tomorrow: the clocks here skip that day"},
        {"no zone", noPeriodsText(Sunless::NoZone, false),
         "No periods: the place's time zone is not known"},
        {"10 minutes before", reminderText(us, reminder(Reminder::Kind::MinutesBefore, 10), Pune),
         "Rahu Kaal starts at 3:12 PM, in 10 minutes (Pune)"},
        {"a minute before", reminderText(us, reminder(Reminder::Kind::MinutesBefore, 1), Pune),
         "Rahu Kaal starts at 3:12 PM, in 1 minute (Pune)"},
        {"as it starts", reminderText(us, reminder(Reminder::Kind::StartsNow, 0), Pune),
         "Rahu Kaal starts now (Pune)"},
        // A home place kept by its latitude and longitude alone: no empty brackets.
        {"10 minutes before, nameless",
         reminderText(us, reminder(Reminder::Kind::MinutesBefore, 10), Place{}),
         "Rahu Kaal starts at 3:12 PM, in 10 minutes"},
        {"as it starts, nameless",
         reminderText(us, reminder(Reminder::Kind::StartsNow, 0), Place{}), "Rahu Kaal starts now"},
        {"lines: now and next", nowAndNextLines(us, both).join(u'|'),
         "Rahu Kaal now, until 4:35 PM|Next: Yamaganda tomorrow, 8:18 AM to 9:41 AM"},
        // Without a next period, today's reason comes before tomorrow's.
        {"lines: sun up today and tomorrow",
         nowAndNextLines(us, nothingNext(Sunless::SunUpAllDay, Sunless::SunUpAllDay)).join(u'|'),
         "No periods today: sun up all day"},
        {"lines: tomorrow skipped",
         nowAndNextLines(us, nothingNext(Sunless::None, Sunless::NotAtPlace)).join(u'|'),
         "No periods tomorrow: the clocks here skip that day"},
    });
}

void NowAndNextTextsTest::hindiTexts() {
    QVERIFY(useLanguage(QStringLiteral("hi")));
    const QLocale hindi;
    const QString start = minuteText(hindi, RahuKaal.span.start);
    compareRows({
        {"now", periodNowText(hindi, RahuKaal),
         QStringLiteral("राहु काल अभी, %1 तक").arg(minuteText(hindi, RahuKaal.span.end))},
        {"next tomorrow", nextPeriodText(hindi, YamagandaTomorrow),
         QStringLiteral("अगला: यमगण्ड कल, %1 से %2 तक")
             .arg(minuteText(hindi, YamagandaTomorrow.span.start),
                  minuteText(hindi, YamagandaTomorrow.span.end))},
        {"no periods today", noPeriodsText(Sunless::SunUpAllDay, false),
         QStringLiteral("आज कोई काल नहीं: पूरे दिन सूर्य क्षितिज के ऊपर")},
        {"10 minutes before",
         reminderText(hindi, reminder(Reminder::Kind::MinutesBefore, 10), Pune),
         QStringLiteral("राहु काल %1 पर शुरू, 10 मिनट में (Pune)").arg(start)},
        {"as it starts", reminderText(hindi, reminder(Reminder::Kind::StartsNow, 0), Pune),
         QStringLiteral("राहु काल अभी शुरू (Pune)")},
    });
}

QTEST_GUILESS_MAIN(NowAndNextTextsTest)
#include "NowAndNextTextsTest.moc"
