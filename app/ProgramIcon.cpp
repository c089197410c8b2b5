#include "app/ProgramIcon.h"

#include <QImage>
#include <QPixmap>
#include <QResource>
#include <cmath>

namespace horavela {

namespace {

// A square of premultiplied ARGB pixels, as the build renders it; null if the
// bytes are not one. The image reads the bytes in place, so they must outlive it.
QImage squareImage(const QByteArray& pixels) {
    const auto count = pixels.size() / 4;
    const auto side = static_cast<int>(std::lround(std::sqrt(static_cast<double>(count))));
    if (side <= 0 || pixels.size() % 4 != 0 || qsizetype{side} * side != count)
        return {};
    return QImage(reinterpret_cast<const uchar*>(pixels.constData()), side, side,
                  QImage::Format_ARGB32_Premultiplied);
}

} // namespace

QIcon programIcon() {
    // Every size rendered at build time; Qt picks the one nearest to what it
    // draws. The build stores them uncompressed, so their bytes are read where
    // they lie in the program, with no file to open and nothing to unpack.
    QIcon icon;
    for (const int size : {HORAVELA_PROGRAM_ICON_SIZES}) {
        const QResource file(QStringLiteral(":/horavela/horavela-%1.argb").arg(size));
        const QByteArray pixels = file.uncompressedData();
        const QImage image = squareImage(pixels);
        if (!image.isNull())
            icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

} // namespace horavela
