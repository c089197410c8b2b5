// Fonts standing in for a missing Verdana can be wider, and some texts (a
// configured address, a verdict in another wording) longer than the layout
// allowed for: rather than cut such a text off, its label's font shrinks
// until the text fits, down to a size that is still legible.
#pragma once

#include <QFont>
#include <QRect>
#include <QRectF>

class QLabel;
class QWidget;
class QString;

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

// Antialiasing, and a glyph that hangs left of its start (the hook of a J),
// may reach this far past a label's box.
inline constexpr double InkSlack = 1;

// The flags a plain-text label draws its text with: its alignment, wrapping
// and mnemonic.
int labelTextFlags(const QLabel& label);

// Where a plain-text label lays its text out: its contents less its margin
// and indent. Ink may stray from there into the rest of the label unclipped.
QRect labelTextRect(const QLabel& label);

// Where `text` leaves ink, drawn in `font` with `flags` into `area` at the
// screen's pixel ratio, in `area`'s coordinates; empty for a text that leaves
// none. The glyphs of many scripts reach past their advance, before their
// start and above the font's ascent, and a line that falls back on another
// font for them is taller than the font's own: only the drawing tells.
QRectF drawnInk(const QFont& font, const QString& text, const QRect& area, int flags,
                double pixelRatio);

// Sets the label's font to designPoints, then shrinks it in quarter points
// while the text does not fit the label (within its width, or for a wrapped
// label within its whole area, and its ink within InkSlack of its box),
// stopping at smallestPoints.
void shrinkTextToFit(QLabel& label, double designPoints, double smallestPoints = 6.0);

// A translation longer than the English it replaces shrinks this far at most.
inline constexpr double SmallestTranslatedPoints = 8.0;

// The smallest size a text may shrink to: as the window designed it in
// English, and never under SmallestTranslatedPoints in a translation.
double smallestPoints(double designed);

// In a language other than English, each label of the window whose text does
// not fit its box shrinks towards SmallestTranslatedPoints, from the size it
// was designed with, so that a later, shorter text gets that size back. In
// English the labels keep, or get back, the sizes they were designed with.
void fitTranslatedLabels(QWidget& window);

// Keeps what fitTranslatedLabels finds in `folder` between runs, so that a
// translated window starts without measuring its texts again. Off until the
// program turns it on; tests measure every time.
void keepFittedLabelsIn(const QString& folder);

// In a language other than English, a label whose text still does not fit
// takes the room its window leaves free, or makes the window grow under it.
void makeRoomForTranslation(QLabel& label);

} // namespace horavela
