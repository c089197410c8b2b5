#include "BrandBanner.h"

#include "RandomSource.h"

#include <QLabel>
#include <QWidget>
#include <cmath>

namespace horavela {

namespace {

void raiseLabel(QWidget& mainWindow, const char* name) {
    if (auto* label = mainWindow.findChild<QLabel*>(QLatin1String(name)))
        label->raise();
}

// Halves go to the even neighbour (2.5 gives 2, 6.5 gives 6), independent of
// the current floating-point rounding mode.
long roundHalfToEven(double x) {
    const double down = std::floor(x);
    const double diff = x - down;
    if (diff < 0.5)
        return static_cast<long>(down);
    if (diff > 0.5)
        return static_cast<long>(down) + 1;
    const long whole = static_cast<long>(down);
    return whole % 2 == 0 ? whole : whole + 1;
}

} // namespace

void ChooseBrandBanner(QWidget& mainWindow, double r) {
    const long n = roundHalfToEven(r * 6 + 1);
    if (n < 1 || n > 6)
        return;
    raiseLabel(mainWindow, n % 2 == 1 ? "lblCobrand" : "lblFullBrand");
}

void ChooseBrandBanner(QWidget& mainWindow) {
    ChooseBrandBanner(mainWindow, drawUniform());
}

} // namespace horavela
