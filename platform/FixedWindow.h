// Windows with a menu bar keep a fixed client area below it: the menu bar's
// height depends on the platform, so the window takes its size from the area.
#pragma once

#include <QLayout>
#include <QMainWindow>
#include <QScreen>

namespace horavela {

// Fixes the central widget at width x height pixels, the window around it,
// and centres the window on its screen.
inline void fixClientAreaAndCentre(QMainWindow& window, int width, int height) {
    window.centralWidget()->setFixedSize(width, height);
    window.layout()->setSizeConstraint(QLayout::SetFixedSize);
    window.layout()->activate();
    window.move(window.screen()->availableGeometry().center() - window.rect().center());
}

} // namespace horavela
