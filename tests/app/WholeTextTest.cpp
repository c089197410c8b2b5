// Every text of every window stands whole in its label on the desktop's
// language: fontconfig picks the fonts standing in for Verdana by that
// language, and dates and times come in its script. CTest runs this once per
// language; each window is a row.
#include "app/frmAbout.h"
#include "places/PlaceLookup.h"
#include "ui/main/frmMain.h"
#include "ui/placesearch/frmPlaceSearch.h"
#include "ui/result/ResultTexts.h"
#include "ui/result/frmDisplay.h"
#include "ui/timezone/frmTimeZone.h"

#include <QFontDatabase>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QTest>
#include <functional>
#include <memory>

using namespace horavela;
using namespace std::chrono;

namespace {

// Ink may reach this far past its label's box, as antialiasing does.
constexpr int Tolerance = 1;

// Where the label's text leaves ink outside its box, drawn as the label draws
// it into a picture with room all round; empty when it is all inside.
QString inkOutside(const QLabel& label) {
    const QRect box = label.contentsRect();
    const int room = box.height() + 40;
    QImage picture(box.size() + QSize(2 * room, 2 * room), QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    // Drawn unclipped, to see what the label's own clipping cuts off.
    int flags = int(label.alignment()) | Qt::TextDontClip;
    if (label.wordWrap())
        flags |= Qt::TextWordWrap;
    if (label.buddy())
        flags |= Qt::TextShowMnemonic;
    {
        QPainter painter(&picture);
        painter.setFont(label.font());
        painter.setPen(Qt::black);
        painter.drawText(QRect(QPoint(room, room), box.size()), flags, label.text());
    }
    QRect ink;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (qAlpha(picture.pixel(x, y)) > 0)
                ink |= QRect(x, y, 1, 1);
    ink.translate(-room, -room);
    const QRect allowed =
        QRect(QPoint(0, 0), box.size()).adjusted(-Tolerance, -Tolerance, Tolerance, Tolerance);
    if (ink.isNull() || allowed.contains(ink))
        return {};
    return QStringLiteral("%1 \"%2\" in %3: its ink spans %4,%5 to %6,%7 of a %8 x %9 box")
        .arg(label.objectName(), label.text(), QFontInfo(label.font()).family())
        .arg(ink.left())
        .arg(ink.top())
        .arg(ink.right())
        .arg(ink.bottom())
        .arg(box.width())
        .arg(box.height());
}

// Every label that the window shows, and that has a text, checked.
QStringList labelsCutOff(const QWidget& window) {
    QStringList cut;
    for (const QLabel* label : window.findChildren<QLabel*>())
        if (label->isVisibleTo(&window) && !label->text().isEmpty() &&
            !label->visibleRegion().isEmpty())
            if (QString outside = inkOutside(*label); !outside.isEmpty())
                cut << outside;
    return cut;
}

// The longest texts the check writes, in the desktop's language: the longest
// month's last day and a period of the night before, past noon.
ResultTexts longestResult() {
    const QLocale locale;
    int longest = 1;
    for (int month = 2; month <= 12; ++month)
        if (locale.standaloneMonthName(month).size() > locale.standaloneMonthName(longest).size())
            longest = month;
    ResultTexts texts;
    texts.chosenDate = chosenDateText(locale, longest, u"30", u"2024");
    texts.chosenTime = QStringLiteral("23:59:59");
    texts.rahukalResult = QStringLiteral("The Chosen Time Period is not in Rahu Kaal");
    texts.showNote = true;
    const DateTime start = local_days{year{2024} / December / 30} + hours{22} + minutes{7};
    texts.rahukalPeriod = periodText(locale, start, start + minutes{91} + seconds{38});
    texts.periodCaption = periodCaption(Stretch::NightBefore);
    return texts;
}

// The windows, each made as the program makes it and shown.
using Window = std::function<std::unique_ptr<QWidget>()>;

} // namespace

class WholeTextTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void everyLabelHoldsItsInk_data();
    void everyLabelHoldsItsInk();
};

// Without the language's own font, its glyphs would not be drawn as a user sees them.
void WholeTextTest::initTestCase() {
    const QMap<QLocale::Language, const char*> fonts{
        {QLocale::Hindi, "Lohit Devanagari"},  {QLocale::Marathi, "Lohit Devanagari"},
        {QLocale::Tamil, "Lohit Tamil"},       {QLocale::Telugu, "Lohit Telugu"},
        {QLocale::Kannada, "Lohit Kannada"},   {QLocale::Malayalam, "Lohit Malayalam"},
        {QLocale::Gujarati, "Lohit Gujarati"}, {QLocale::Punjabi, "Lohit Gurmukhi"},
        {QLocale::Bengali, "Lohit Bengali"}};
    const auto font = fonts.find(QLocale().language());
    if (font != fonts.end() && !QFontDatabase::hasFamily(QString::fromLatin1(*font)))
        QSKIP(qPrintable(QStringLiteral("%1 is not installed (scripts/deps.sh test installs it)")
                             .arg(QLatin1String(*font))));
}

void WholeTextTest::everyLabelHoldsItsInk_data() {
    QTest::addColumn<Window>("window");
    const QByteArray language = QLocale().name().toLatin1();
    QTest::newRow("main " + language) << Window([] { return std::make_unique<frmMain>(); });
    QTest::newRow("result " + language) << Window([] {
        auto window = std::make_unique<frmDisplay>(nullptr);
        window->writeResult(longestResult());
        return window;
    });
    QTest::newRow("time zone picker " + language) << Window([] {
        // The picker writes into the main window's zone boxes.
        static QLineEdit hours, minutes;
        return std::make_unique<frmTimeZone>(hours, minutes);
    });
    QTest::newRow("places " + language) << Window([] {
        const ZoneMoment moment{2024, QDate(2024, 12, 30), QTime(22, 7)};
        std::vector<FoundPlace> places{
            foundPlace({1259229, u"Pune"_qs, u"Maharashtra"_qs, u"India"_qs, "Asia/Kolkata",
                        18.51957, 73.85535, 2935744, "Asia/Kolkata"},
                       moment)};
        return std::make_unique<frmPlaceSearch>(
            PlaceQuery{u"Pune"_qs, u"Maharashtra"_qs, u"India"_qs, 0}, std::move(places), moment,
            nullptr);
    });
    QTest::newRow("About " + language) << Window([] { return std::make_unique<frmAbout>(); });
}

void WholeTextTest::everyLabelHoldsItsInk() {
    QFETCH(Window, window);
    const std::unique_ptr<QWidget> shown = window();
    shown->show();
    QVERIFY(QTest::qWaitForWindowExposed(shown.get()));
    const QStringList cut = labelsCutOff(*shown);
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(u'\n')));
}

QTEST_MAIN(WholeTextTest)
#include "WholeTextTest.moc"
