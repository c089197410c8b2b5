#include "ProgramIcon.h"

#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QPixmap>
#include <cmath>
#include <utility>

namespace horavela {

namespace {

// A square of premultiplied ARGB pixels, as the build renders it; null if the bytes are not one.
QImage squareImage(const QByteArray& pixels) {
    const auto count = pixels.size() / 4;
    const auto side = static_cast<int>(std::lround(std::sqrt(static_cast<double>(count))));
    if (side <= 0 || pixels.size() % 4 != 0 || qsizetype{side} * side != count)
        return {};
    const QImage view(reinterpret_cast<const uchar*>(pixels.constData()), side, side,
                      QImage::Format_ARGB32_Premultiplied);
    return view.copy();
}

} // namespace

QIcon programIcon() {
    // Every size rendered at build time; Qt picks the one nearest to what it draws.
    QIcon icon;
    QDirIterator sizes(QStringLiteral(":/horavela"), {QStringLiteral("horavela-*.argb")});
    while (sizes.hasNext()) {
        QFile file(sizes.next());
        if (!file.open(QIODevice::ReadOnly))
            continue;
        QImage image = squareImage(file.readAll());
        if (!image.isNull())
            icon.addPixmap(QPixmap::fromImage(std::move(image)));
    }
    return icon;
}

} // namespace horavela
