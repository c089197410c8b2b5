#include "app/BrandBanner.h"

#include "platform/RandomSource.h"

#include <QLabel>
#include <QWidget>
#include <cmath>

namespace horavela {

namespace {

void raiseLabel(QWidget& mainWindow, const char* name) {
    if (auto* label = mainWindow.findChild<QLabel*>(QLatin1String(name)))
        label->raise();
}

// n = r * 6 + 1 rounded half to even, decided on the exact value of r * 6 + 1.
// Rounding the product to a double first would make the draw just above 11/12
// exactly 6.5 and give 6 where 7 is due. Between n = k and k + 1 lies the half
// k + 1/2; r * 6 + 1 is past it when 12r - (2k - 1) > 0, and std::fma gives that
// difference with its exact sign.
int bannerNumber(double r) {
    int n = 1;
    for (int k = 1; k <= 6; ++k) {
        const double past = std::fma(r, 12.0, -(2.0 * k - 1.0));
        const bool halfGoesUp = (k + 1) % 2 == 0;
        if (past < 0 || (past == 0 && !halfGoesUp))
            break;
        n = k + 1;
    }
    return n;
}

} // namespace

void ChooseBrandBanner(QWidget& mainWindow, double r) {
    const int n = bannerNumber(r);
    if (n == 7)
        return;
    raiseLabel(mainWindow, n % 2 == 1 ? "lblCobrand" : "lblFullBrand");
}

void ChooseBrandBanner(QWidget& mainWindow) {
    ChooseBrandBanner(mainWindow, drawUniform());
}

} // namespace horavela
