// Which of the main window's two promotional banners lies on top this run.
#pragma once

class QWidget;

namespace horavela {

// Raises lblCobrand or lblFullBrand of the loaded main window by a draw r in
// [0, 1): n = r * 6 + 1 rounded half to even; 1, 3, 5 bring lblCobrand forward,
// 2, 4, 6 lblFullBrand, 7 leaves the stacking as the window defines it.
void ChooseBrandBanner(QWidget& mainWindow, double r);

// The same with a draw from the program's clock-seeded generator.
void ChooseBrandBanner(QWidget& mainWindow);

} // namespace horavela
