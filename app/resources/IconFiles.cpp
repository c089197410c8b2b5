#include "app/resources/IconFiles.h"

#include <QDataStream>
#include <QIODevice>
#include <algorithm>
#include <array>

namespace horavela {

namespace {

constexpr int IcoMaxSize = 256;
constexpr quint32 IcoHeaderBytes = 6;
constexpr quint32 IcoEntryBytes = 16;
constexpr quint32 IcnsHeaderBytes = 8;

struct IcnsEntry {
    int size;
    const char* type;
};

// PNG-capable entry types; macOS picks the one that fits what it draws.
constexpr std::array IcnsEntries{
    IcnsEntry{16, "icp4"},  IcnsEntry{32, "icp5"},  IcnsEntry{64, "icp6"},   IcnsEntry{128, "ic07"},
    IcnsEntry{256, "ic08"}, IcnsEntry{512, "ic09"}, IcnsEntry{1024, "ic10"},
};

} // namespace

QByteArray icoFile(const QList<RenderedIcon>& icons) {
    const bool sizesFit = std::all_of(icons.begin(), icons.end(), [](const RenderedIcon& icon) {
        return icon.size >= 1 && icon.size <= IcoMaxSize;
    });
    if (!sizesFit)
        return {};

    QByteArray file;
    QDataStream out(&file, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16{0} << quint16{1} << static_cast<quint16>(icons.size());
    auto offset = IcoHeaderBytes + IcoEntryBytes * static_cast<quint32>(icons.size());
    for (const RenderedIcon& icon : icons) {
        // A width or height of 256 does not fit in a byte and is written as 0.
        const auto side = static_cast<quint8>(icon.size == IcoMaxSize ? 0 : icon.size);
        const auto length = static_cast<quint32>(icon.png.size());
        out << side << side << quint8{0} << quint8{0} << quint16{1} << quint16{32} << length
            << offset;
        offset += length;
    }
    for (const RenderedIcon& icon : icons)
        out.writeRawData(icon.png.constData(), static_cast<int>(icon.png.size()));
    return file;
}

QByteArray icnsType(int size) {
    const auto* entry = std::find_if(IcnsEntries.begin(), IcnsEntries.end(),
                                     [size](const IcnsEntry& e) { return e.size == size; });
    return entry == IcnsEntries.end() ? QByteArray{} : QByteArray(entry->type);
}

QByteArray icnsFile(const QList<RenderedIcon>& icons) {
    QByteArray entries;
    QDataStream out(&entries, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::BigEndian);
    for (const RenderedIcon& icon : icons) {
        const QByteArray type = icnsType(icon.size);
        if (type.isEmpty())
            return {};
        out.writeRawData(type.constData(), 4);
        out << static_cast<quint32>(IcnsHeaderBytes + icon.png.size());
        out.writeRawData(icon.png.constData(), static_cast<int>(icon.png.size()));
    }

    QByteArray file;
    QDataStream header(&file, QIODevice::WriteOnly);
    header.setByteOrder(QDataStream::BigEndian);
    header.writeRawData("icns", 4);
    header << static_cast<quint32>(IcnsHeaderBytes + entries.size());
    return file + entries;
}

} // namespace horavela
