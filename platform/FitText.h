// Fonts standing in for a missing Verdana can be wider, and some texts (a
// configured address, a verdict in another wording) longer than the layout
// allowed for: rather than cut such a text off, its label's font shrinks
// until the text fits, down to a size that is still legible.
#pragma once

#include <QFont>

class QLabel;

namespace horavela {

// The font at designPoints, made a quarter point smaller at a time while
// `fits(font)` says no, stopping at smallestPoints.
template <typename Fits>
QFont shrunkToFit(QFont font, double designPoints, double smallestPoints, Fits fits) {
    font.setPointSizeF(designPoints);
    while (font.pointSizeF() > smallestPoints && !fits(font))
        font.setPointSizeF(font.pointSizeF() - 0.25);
    return font;
}

// Sets the label's font to designPoints, then shrinks it in quarter points
// while the text does not fit the label (within its width, or for a wrapped
// label within its whole area), stopping at smallestPoints.
void shrinkTextToFit(QLabel& label, double designPoints, double smallestPoints = 6.0);

} // namespace horavela
