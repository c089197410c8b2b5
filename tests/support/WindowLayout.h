// A window's layout as a table, one row per control, and the one check that
// holds the window against it.
#pragma once

#include "tests/support/Twips.h"

#include <QColor>
#include <QRect>
#include <QStringList>
#include <QWidget>
#include <span>

namespace horavela {

enum FontStyle { Regular = 0, Bold = 1, Underlined = 2, BoldUnderlined = Bold | Underlined };

// A text that would not fit may be set smaller, down to `fitsDownTo` points.
struct LayoutFont {
    double points = 0; // 0: the font is not checked
    int style = Regular;
    double fitsDownTo = 0;
    const char* family = "Verdana"; // nullptr: any
};

struct ControlLayout {
    const char* name;
    QRect place = {}; // null: not checked
    LayoutFont font = {};
    const char* caption = nullptr; // a label's or button's text, a frame's title
    QColor text = {};              // invalid: not checked
    QColor background = {};        // painted by the control itself
};

// Every way the window's controls differ from the rows, one line each.
QStringList layoutMismatches(const QWidget* window, std::span<const ControlLayout> rows);

} // namespace horavela
