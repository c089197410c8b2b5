// Which promotional banner the draw brings to the top of the main window.
#include "app/BrandBanner.h"

#include "platform/RandomSource.h"

#include <QLabel>
#include <QTest>
#include <QWidget>
#include <cmath>

namespace horavela {

namespace {

enum class Top { Cobrand, FullBrand };

// Stands in for the main window's bottom band: two labels on one spot, the
// later child lying on top.
struct BannerBand {
    QWidget window;
    QLabel* cobrand;
    QLabel* fullBrand;

    explicit BannerBand(Top definedOnTop) {
        auto* first = new QLabel(&window);
        auto* second = new QLabel(&window);
        cobrand = definedOnTop == Top::Cobrand ? second : first;
        fullBrand = definedOnTop == Top::Cobrand ? first : second;
        cobrand->setObjectName(QStringLiteral("lblCobrand"));
        fullBrand->setObjectName(QStringLiteral("lblFullBrand"));
    }

    Top top() const {
        const QObjectList& children = window.children();
        return children.indexOf(cobrand) > children.indexOf(fullBrand) ? Top::Cobrand
                                                                       : Top::FullBrand;
    }
};

const char* name(Top top) {
    return top == Top::Cobrand ? "lblCobrand" : "lblFullBrand";
}

} // namespace

class BrandBannerTest : public QObject {
    Q_OBJECT

private slots:
    void drawBringsItsBannerToTheTop_data();
    void drawBringsItsBannerToTheTop();
    void drawOfSevenLeavesTheDefinedStacking_data();
    void drawOfSevenLeavesTheDefinedStacking();
    void clockSeededDrawsLieInTheHalfOpenUnitInterval();
};

void BrandBannerTest::drawBringsItsBannerToTheTop_data() {
    QTest::addColumn<double>("r");
    QTest::addColumn<int>("expected");

    const int full = static_cast<int>(Top::FullBrand);
    const int co = static_cast<int>(Top::Cobrand);
    QTest::newRow("0 gives 1") << 0.0 << co;
    QTest::newRow("0.25 gives 2.5, rounded to 2") << 0.25 << full;
    QTest::newRow("0.4 gives 3.4, rounded to 3") << 0.4 << co;
    QTest::newRow("0.5 gives 4") << 0.5 << full;
    QTest::newRow("0.6 gives 4.6, rounded to 5") << 0.6 << co;
    QTest::newRow("0.75 gives 5.5, rounded to 6") << 0.75 << full;
    QTest::newRow("11/12 gives 6.5, rounded to 6") << 11.0 / 12 << full;
}

// Each row starts from the other banner on top, so a draw that raised
// nothing would show.
void BrandBannerTest::drawBringsItsBannerToTheTop() {
    QFETCH(double, r);
    QFETCH(int, expected);
    const Top wanted = static_cast<Top>(expected);
    BannerBand band(wanted == Top::Cobrand ? Top::FullBrand : Top::Cobrand);

    ChooseBrandBanner(band.window, r);

    QVERIFY2(band.top() == wanted, qPrintable(QStringLiteral("r = %1 left %2 on top, expected %3")
                                                  .arg(r, 0, 'g', 17)
                                                  .arg(name(band.top()))
                                                  .arg(name(wanted))));
}

void BrandBannerTest::drawOfSevenLeavesTheDefinedStacking_data() {
    QTest::addColumn<double>("r");
    QTest::addColumn<int>("definedOnTop");

    const double justAbove = std::nextafter(11.0 / 12, 1.0);
    const double largest = std::nextafter(1.0, 0.0);
    QTest::newRow("just above 11/12, co-brand defined on top") << justAbove << int(Top::Cobrand);
    QTest::newRow("just above 11/12, full brand defined on top")
        << justAbove << int(Top::FullBrand);
    QTest::newRow("largest draw, co-brand defined on top") << largest << int(Top::Cobrand);
    QTest::newRow("largest draw, full brand defined on top") << largest << int(Top::FullBrand);
}

void BrandBannerTest::drawOfSevenLeavesTheDefinedStacking() {
    QFETCH(double, r);
    QFETCH(int, definedOnTop);
    const Top defined = static_cast<Top>(definedOnTop);
    BannerBand band(defined);

    ChooseBrandBanner(band.window, r);

    QVERIFY2(band.top() == defined,
             qPrintable(QStringLiteral("r = %1 gives 7 and must change nothing, but %2 came on top")
                            .arg(r, 0, 'g', 17)
                            .arg(name(band.top()))));
}

void BrandBannerTest::clockSeededDrawsLieInTheHalfOpenUnitInterval() {
    double smallest = 1.0;
    double largest = 0.0;
    for (int i = 0; i < 100000; ++i) {
        const double r = drawUniform();
        QVERIFY2(r >= 0.0 && r < 1.0, qPrintable(QStringLiteral("draw %1 outside [0, 1)").arg(r)));
        smallest = std::min(smallest, r);
        largest = std::max(largest, r);
    }
    // A generator stuck on one value would pass the range check alone.
    QVERIFY2(
        smallest < 0.01 && largest > 0.99,
        qPrintable(
            QStringLiteral("100000 draws spread only over [%1, %2]").arg(smallest).arg(largest)));
}

} // namespace horavela

QTEST_MAIN(horavela::BrandBannerTest)
#include "BrandBannerTest.moc"
