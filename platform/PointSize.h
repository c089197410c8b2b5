// Qt Designer files hold whole point sizes only; the windows set their
// fractional ones (8.25, 9.75, 11.25 points) from code through this.
#pragma once

#include <QFont>
#include <QWidget>

namespace horavela {

// The size of most text in every window.
inline constexpr double TextPoints = 8.25;

inline void setPointSize(QWidget* widget, double points) {
    QFont font = widget->font();
    font.setPointSizeF(points);
    widget->setFont(font);
}

} // namespace horavela
