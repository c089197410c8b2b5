// Windows with a menu bar keep a fixed client area below it: the menu bar's
// height depends on the platform, so the window takes its size from the area.
#pragma once

#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <QSize>

namespace horavela {

// Menu bars are this high at the least, as classic Windows drew them and as
// Linux draws them: the window then has one size everywhere unless the
// desktop's menu font needs more.
inline constexpr int LeastMenuBarHeight = 19;

// Fixes the central widget at the client area's size in pixels, the window
// around it, and centres the window on its screen.
inline void fixClientAreaAndCentre(QMainWindow& window, QSize clientArea) {
    window.menuBar()->setMinimumHeight(LeastMenuBarHeight);
    window.centralWidget()->setFixedSize(clientArea);
    window.layout()->setSizeConstraint(QLayout::SetFixedSize);
    window.layout()->activate();
    window.move(window.screen()->availableGeometry().center() - window.rect().center());
}

} // namespace horavela
