// The chosen date stands whole in the result window for every month, in the
// languages most users have set: the month name comes from the locale.
#include "ui/result/ResultTexts.h"
#include "ui/result/frmDisplay.h"

#include <QDate>
#include <QFontMetrics>
#include <QLabel>
#include <QLocale>
#include <QTest>

using namespace horavela;

class ChosenDateFitTest : public QObject {
    Q_OBJECT

private slots:
    void longestDateOfEachMonthIsWhole_data();
    void longestDateOfEachMonthIsWhole();
};

void ChosenDateFitTest::longestDateOfEachMonthIsWhole_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("month");
    for (const char* locale : {"en_IN", "hi_IN", "ta_IN"}) {
        for (int month = 1; month <= 12; ++month)
            QTest::newRow(QByteArray(locale) + ' ' + QByteArray::number(month))
                << QString::fromLatin1(locale) << month;
    }
}

void ChosenDateFitTest::longestDateOfEachMonthIsWhole() {
    QFETCH(QString, locale);
    QFETCH(int, month);
    // A leap year, so February's longest date is the 29th.
    const int year = 2024;
    const QString text =
        chosenDateText(QLocale(locale), month, QString::number(QDate(year, month, 1).daysInMonth()),
                       QString::number(year));
    ResultTexts texts;
    texts.chosenDate = text;
    frmDisplay window(nullptr);
    window.writeResult(texts);

    const auto* date = window.findChild<QLabel*>(QStringLiteral("lblChosenDate"));
    const auto* time = window.findChild<QLabel*>(QStringLiteral("lblChosenTime"));
    const auto* timeCaption = window.findChild<QLabel*>(QStringLiteral("lblChosenTimell"));
    QVERIFY(date && time && timeCaption);
    QCOMPARE(date->text(), text);
    const double points = date->font().pointSizeF();
    const QFontMetrics metrics(date->font());
    const QSize needed(metrics.horizontalAdvance(text), metrics.boundingRect(text).height());
    const QString found = QStringLiteral("\"%1\" needs %2 x %3 px at %4 pt, the label is %5 x %6")
                              .arg(text)
                              .arg(needed.width())
                              .arg(needed.height())
                              .arg(points)
                              .arg(date->contentsRect().width())
                              .arg(date->contentsRect().height());
    QVERIFY2(needed.width() <= date->contentsRect().width() &&
                 needed.height() <= date->contentsRect().height(),
             qPrintable(found));
    QVERIFY2(points >= 7, qPrintable(found));
    QVERIFY2(date->geometry().right() < qMin(time->x(), timeCaption->x()),
             qPrintable(found + QStringLiteral(" and runs into the chosen time's column")));
    if (points < 8.25) {
        QFont designed = date->font();
        designed.setPointSizeF(8.25);
        QVERIFY2(QFontMetrics(designed).horizontalAdvance(text) > date->width(),
                 qPrintable(found + QStringLiteral(", set smaller than it needs to be")));
    }
}

QTEST_MAIN(ChosenDateFitTest)
#include "ChosenDateFitTest.moc"
