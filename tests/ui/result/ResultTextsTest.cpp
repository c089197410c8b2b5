// How dates and times are written into the result window, in several
// languages and in every locale Qt knows.
#include "ui/result/ResultTexts.h"

#include <QTest>
#include <chrono>
#include <cstdlib>
#include <ctime>

using namespace horavela;

namespace {

DateTime at(int year, unsigned month, unsigned day, int hour, int minute, int second) {
    using namespace std::chrono;
    return local_days{std::chrono::year{year} / month / day} + hours{hour} + minutes{minute} +
           seconds{second};
}

QList<QLocale> everyLocale() {
    return QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript,
                                    QLocale::AnyTerritory);
}

} // namespace

class ResultTextsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void dateTimesReadAsTheLocaleWritesThem_data();
    void dateTimesReadAsTheLocaleWritesThem();
    void chosenDateHasTheMonthNameAndNoBlankAfterTheComma_data();
    void chosenDateHasTheMonthNameAndNoBlankAfterTheComma();
    void periodJoinsStartAndEnd();
    void noLocaleShowsATwoDigitYear();
    void noLocaleShowsATimeZone();
};

// A zone whose abbreviation is easy to spot, so a leaked zone field shows.
void ResultTextsTest::initTestCase() {
    qputenv("TZ", "Asia/Kolkata");
    tzset();
}

void ResultTextsTest::dateTimesReadAsTheLocaleWritesThem_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<DateTime>("time");
    QTest::addColumn<QString>("expected");
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    QTest::newRow("morning") << us << at(2024, 1, 5, 6, 12, 0) << "1/5/2024 6:12:00 AM";
    QTest::newRow("afternoon") << us << at(2024, 12, 31, 18, 5, 9) << "12/31/2024 6:05:09 PM";
    QTest::newRow("noon") << us << at(2024, 3, 20, 12, 0, 0) << "3/20/2024 12:00:00 PM";
    QTest::newRow("one second past midnight")
        << us << at(2024, 3, 20, 0, 0, 1) << "3/20/2024 12:00:01 AM";
    QTest::newRow("midnight is the date alone") << us << at(2024, 3, 20, 0, 0, 0) << "3/20/2024";
    QTest::newRow("year before 1950") << us << at(1901, 1, 1, 6, 0, 0) << "1/1/1901 6:00:00 AM";
    QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany)
                            << at(2024, 1, 5, 18, 12, 0) << "05.01.2024 18:12:00";
    QTest::newRow("Chinese, zone first") << QLocale(QLocale::Chinese, QLocale::China)
                                         << at(2024, 1, 5, 18, 12, 0) << "2024/1/5 18:12:00";
    QTest::newRow("Bulgarian, quoted text")
        << QLocale(QLocale::Bulgarian, QLocale::Bulgaria) << at(2024, 1, 5, 8, 2, 3)
        << QString::fromUtf8("5.01.2024 г. 8:02:03 ч.");
}

void ResultTextsTest::dateTimesReadAsTheLocaleWritesThem() {
    QFETCH(QLocale, locale);
    QFETCH(DateTime, time);
    QFETCH(QString, expected);
    QCOMPARE(dateTimeText(locale, time), expected);
}

void ResultTextsTest::chosenDateHasTheMonthNameAndNoBlankAfterTheComma_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<int>("month");
    QTest::addColumn<QString>("expected");
    QTest::newRow("January") << QLocale(QLocale::English, QLocale::UnitedStates) << 1
                             << "January 5,2024";
    QTest::newRow("December") << QLocale(QLocale::English, QLocale::UnitedStates) << 12
                              << "December 5,2024";
    QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany) << 3
                            << QString::fromUtf8("März 5,2024");
    // The month alone, not as it reads inside a date ("marca").
    QTest::newRow("Polish") << QLocale(QLocale::Polish, QLocale::Poland) << 3
                            << QString::fromUtf8("marzec 5,2024");
}

void ResultTextsTest::chosenDateHasTheMonthNameAndNoBlankAfterTheComma() {
    QFETCH(QLocale, locale);
    QFETCH(int, month);
    QFETCH(QString, expected);
    QCOMPARE(chosenDateText(locale, month, u"5", u"2024"), expected);
}

void ResultTextsTest::periodJoinsStartAndEnd() {
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    QCOMPARE(periodText(us, at(2024, 3, 20, 12, 7, 28), at(2024, 3, 20, 13, 38, 19)),
             QStringLiteral("3/20/2024 12:07:28 PM to 3/20/2024 1:38:19 PM"));
    QCOMPARE(periodText(us, at(2024, 3, 20, 16, 30, 0), at(2024, 3, 21, 0, 0, 0)),
             QStringLiteral("3/20/2024 4:30:00 PM to 3/21/2024"));
}

// With two year digits 1924 and 2024 would read alike.
void ResultTextsTest::noLocaleShowsATwoDigitYear() {
    QStringList alike;
    for (const QLocale& locale : everyLocale())
        if (dateTimeText(locale, at(1924, 1, 5, 0, 0, 0)) ==
            dateTimeText(locale, at(2024, 1, 5, 0, 0, 0)))
            alike << locale.name();
    QVERIFY2(alike.isEmpty(),
             qPrintable(QStringLiteral("1924 and 2024 read alike in ") + alike.join(u", ")));
}

void ResultTextsTest::noLocaleShowsATimeZone() {
    QStringList leaks;
    for (const QLocale& locale : everyLocale()) {
        const QString text = dateTimeText(locale, at(2024, 1, 5, 18, 12, 7));
        if (text.contains(u"IST") || text.contains(u"+05:30") || text.contains(u"India") ||
            text.endsWith(u' ') || text.endsWith(u',') || text.contains(u"()") ||
            text.contains(u"[]"))
            leaks << locale.name() + QStringLiteral(": ") + text;
    }
    QVERIFY2(leaks.isEmpty(), qPrintable(leaks.join(u"; ")));
}

QTEST_MAIN(ResultTextsTest)
#include "ResultTextsTest.moc"
