// Build-time tool: renders the program icon's SVG at the given sizes.
//
// --argb (the default) writes raw pixel files, square images of premultiplied
// 32-bit ARGB pixels in the machine's byte order, named horavela-SIZE.argb.
// The program builds its icon straight from these bytes: reading any image
// file format would make Qt load every image plugin it has, the SVG one
// included, at each start.
// --png writes horavela-SIZE.png for the desktop's icon theme.
// --ico and --icns write one Windows or macOS icon file holding every size.
//
// Usage: horavela_render_icon [--argb|--png|--ico|--icns] ICON.svg OUTPUT SIZE...
// OUTPUT is a folder for --argb and --png, the icon file for --ico and --icns.
#include "app/resources/IconFiles.h"

#include <QBuffer>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QList>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>
#include <cstdio>
#include <cstring>

namespace {

enum class Output { Argb, Png, Ico, Icns };

QImage render(QSvgRenderer& renderer, int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    return image;
}

QByteArray png(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

QByteArray rawPixels(const QImage& image) {
    return {reinterpret_cast<const char*>(image.constBits()),
            static_cast<qsizetype>(image.sizeInBytes())};
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size())
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

bool makeFolder(const QString& path) {
    if (QDir(path).mkpath(QStringLiteral(".")))
        return true;
    std::fprintf(stderr, "cannot create %s\n", qPrintable(path));
    return false;
}

int usage(const char* program) {
    std::fprintf(stderr, "usage: %s [--argb|--png|--ico|--icns] ICON.svg OUTPUT SIZE...\n",
                 program);
    return 2;
}

} // namespace

int main(int argc, char* argv[]) {
    Output kind = Output::Argb;
    int first = 1;
    if (argc > 1 && std::strncmp(argv[1], "--", 2) == 0) {
        const char* option = argv[1];
        if (std::strcmp(option, "--argb") == 0)
            kind = Output::Argb;
        else if (std::strcmp(option, "--png") == 0)
            kind = Output::Png;
        else if (std::strcmp(option, "--ico") == 0)
            kind = Output::Ico;
        else if (std::strcmp(option, "--icns") == 0)
            kind = Output::Icns;
        else
            return usage(argv[0]);
        first = 2;
    }
    if (argc < first + 3)
        return usage(argv[0]);

    QSvgRenderer renderer(QString::fromLocal8Bit(argv[first]));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "cannot read %s\n", argv[first]);
        return 1;
    }
    const QString output = QString::fromLocal8Bit(argv[first + 1]);
    const bool intoFolder = kind == Output::Argb || kind == Output::Png;
    if (!makeFolder(intoFolder ? output : QFileInfo(output).absolutePath()))
        return 1;

    QList<horavela::RenderedIcon> icons;
    for (int i = first + 2; i < argc; ++i) {
        bool isNumber = false;
        const int size = QString::fromLocal8Bit(argv[i]).toInt(&isNumber);
        if (!isNumber || size < 1 || size > 4096) {
            std::fprintf(stderr, "not a size: %s\n", argv[i]);
            return 2;
        }
        const QImage image = render(renderer, size);
        if (kind == Output::Ico || kind == Output::Icns) {
            icons.append({size, png(image)});
            continue;
        }
        const bool raw = kind == Output::Argb;
        const QString name = QStringLiteral("horavela-%1.%2").arg(size).arg(raw ? u"argb" : u"png");
        if (!writeFile(QDir(output).filePath(name), raw ? rawPixels(image) : png(image)))
            return 1;
    }
    if (intoFolder)
        return 0;

    const QByteArray file =
        kind == Output::Ico ? horavela::icoFile(icons) : horavela::icnsFile(icons);
    if (file.isEmpty()) {
        std::fprintf(stderr, "a size has no entry in %s files\n",
                     kind == Output::Ico ? ".ico" : ".icns");
        return 2;
    }
    return writeFile(output, file) ? 0 : 1;
}
