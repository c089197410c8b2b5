// Icon files for Windows (.ico) and macOS (.icns) built from PNG images of
// the program icon. Both formats let each entry hold plain PNG data.
#pragma once

#include <QByteArray>
#include <QList>

namespace horavela {

struct RenderedIcon {
    int size = 0;   // width and height in pixels
    QByteArray png; // the encoded image
};

// Empty when a size lies outside 1..256, the most an .ico entry can say.
QByteArray icoFile(const QList<RenderedIcon>& icons);

// The .icns entry type that holds a PNG of this size; empty when there is none.
QByteArray icnsType(int size);

// Empty when a size has no .icns entry type.
QByteArray icnsFile(const QList<RenderedIcon>& icons);

} // namespace horavela
