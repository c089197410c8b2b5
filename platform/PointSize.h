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

// The windows are laid out in Verdana. Where it is missing, fontconfig would
// pick a stand-in by the desktop's language (Lohit Tamil's Latin letters on a
// Tamil desktop), taller and cut off by the labels; DejaVu Sans, which the
// layouts were measured with, stands in whatever the language. Where Verdana
// exists this changes nothing, and other scripts still come from fonts of
// their own.
inline void standInForVerdana() {
    QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));
}

// A window's font, which its controls take unless they set their own.
inline void setFormFont(QWidget* form) {
    standInForVerdana();
    setPointSize(form, TextPoints);
}

} // namespace horavela
