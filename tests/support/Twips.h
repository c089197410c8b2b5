// Window layouts are written in twips, 15 to a pixel.
#pragma once

#include <QRect>
#include <QString>

namespace horavela {

inline constexpr int TwipsPerPixel = 15;

inline QRect fromTwips(int left, int top, int width, int height) {
    return {left / TwipsPerPixel, top / TwipsPerPixel, width / TwipsPerPixel,
            height / TwipsPerPixel};
}

inline QString describe(const QRect& r) {
    return QStringLiteral("(%1, %2, %3 x %4)").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

} // namespace horavela
