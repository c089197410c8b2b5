#include "platform/FitText.h"

#include <QFontMetrics>
#include <QLabel>

namespace horavela {

namespace {

bool textFits(const QLabel& label, const QFont& font) {
    const QFontMetrics metrics(font);
    const QRect area = label.contentsRect();
    if (!label.wordWrap())
        return metrics.horizontalAdvance(label.text()) <= area.width();
    const QRect needed =
        metrics.boundingRect(area, int(label.alignment()) | Qt::TextWordWrap, label.text());
    return needed.width() <= area.width() && needed.height() <= area.height();
}

} // namespace

void shrinkTextToFit(QLabel& label, double designPoints, double smallestPoints) {
    label.setFont(shrunkToFit(label.font(), designPoints, smallestPoints,
                              [&](const QFont& font) { return textFits(label, font); }));
}

} // namespace horavela
