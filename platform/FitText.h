// Fonts standing in for a missing Verdana can be wider, and some texts (a
// configured address, a verdict in another wording) longer than the layout
// allowed for: rather than cut such a text off, its label's font shrinks
// until the text fits, down to a size that is still legible.
#pragma once

class QLabel;

namespace horavela {

// Sets the label's font to designPoints, then shrinks it in quarter points
// while the text does not fit the label (within its width, or for a wrapped
// label within its whole area), stopping at smallestPoints.
void shrinkTextToFit(QLabel& label, double designPoints, double smallestPoints = 6.0);

} // namespace horavela
