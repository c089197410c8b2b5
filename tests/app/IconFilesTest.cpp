// The Windows and macOS icon files that the build's icon tool writes.
#include "app/resources/IconFiles.h"

#include <QDataStream>
#include <QSet>
#include <QTest>

namespace horavela {

namespace {

// Opaque stand-ins for encoded images, each of its own length and content, so
// an entry that points at the wrong bytes cannot go unnoticed.
QList<RenderedIcon> iconsOfSizes(const QList<int>& sizes) {
    QList<RenderedIcon> icons;
    for (int i = 0; i < sizes.size(); ++i)
        icons.append({sizes[i], QByteArray(5 + 3 * i, static_cast<char>('a' + i))});
    return icons;
}

} // namespace

class IconFilesTest : public QObject {
    Q_OBJECT

private slots:
    void icoEntriesDescribeAndPointAtEachImage_data();
    void icoEntriesDescribeAndPointAtEachImage();
    void icnsEntriesFollowOneAnotherWithTheirImages_data();
    void icnsEntriesFollowOneAnotherWithTheirImages();
    void icnsTypeNamesThePngEntryOfEachSize_data();
    void icnsTypeNamesThePngEntryOfEachSize();
    void sizeWithoutAnEntryGivesNoFile_data();
    void sizeWithoutAnEntryGivesNoFile();
};

void IconFilesTest::icoEntriesDescribeAndPointAtEachImage_data() {
    QTest::addColumn<QList<int>>("sizes");
    QTest::newRow("one small size") << QList<int>{16};
    QTest::newRow("the largest size alone") << QList<int>{256};
    QTest::newRow("every size the program ships") << QList<int>{16, 24, 32, 48, 64, 128, 256};
}

void IconFilesTest::icoEntriesDescribeAndPointAtEachImage() {
    QFETCH(QList<int>, sizes);
    const QList<RenderedIcon> icons = iconsOfSizes(sizes);
    const QByteArray file = icoFile(icons);

    QDataStream in(file);
    in.setByteOrder(QDataStream::LittleEndian);
    quint16 reserved = 1, type = 0, count = 0;
    in >> reserved >> type >> count;
    QCOMPARE(reserved, quint16{0});
    QCOMPARE(type, quint16{1});
    QCOMPARE(count, static_cast<quint16>(icons.size()));

    qsizetype imageBytes = 0;
    for (const RenderedIcon& icon : icons) {
        quint8 width = 0, height = 0, colours = 1, zero = 1;
        quint16 planes = 0, bitsPerPixel = 0;
        quint32 length = 0, offset = 0;
        in >> width >> height >> colours >> zero >> planes >> bitsPerPixel >> length >> offset;
        QVERIFY2(in.status() == QDataStream::Ok, "the directory ends early");
        // 256 does not fit in the entry's byte; the format writes it as 0.
        const int side = width == 0 ? 256 : width;
        QCOMPARE(side, icon.size);
        QCOMPARE(height, width);
        QCOMPARE(colours, quint8{0});
        QCOMPARE(zero, quint8{0});
        QCOMPARE(planes, quint16{1});
        QCOMPARE(bitsPerPixel, quint16{32});
        QCOMPARE(length, static_cast<quint32>(icon.png.size()));
        QVERIFY2(offset + length <= static_cast<quint32>(file.size()),
                 "an entry points past the end of the file");
        QCOMPARE(file.mid(offset, length), icon.png);
        imageBytes += icon.png.size();
    }
    QCOMPARE(file.size(), 6 + 16 * icons.size() + imageBytes);
}

void IconFilesTest::icnsEntriesFollowOneAnotherWithTheirImages_data() {
    QTest::addColumn<QList<int>>("sizes");
    QTest::newRow("one size") << QList<int>{128};
    QTest::newRow("every size the program ships") << QList<int>{16, 32, 64, 128, 256, 512};
}

void IconFilesTest::icnsEntriesFollowOneAnotherWithTheirImages() {
    QFETCH(QList<int>, sizes);
    const QList<RenderedIcon> icons = iconsOfSizes(sizes);
    const QByteArray file = icnsFile(icons);

    QCOMPARE(file.left(4), QByteArray("icns"));
    QDataStream in(file);
    in.setByteOrder(QDataStream::BigEndian);
    in.skipRawData(4);
    quint32 total = 0;
    in >> total;
    QCOMPARE(total, static_cast<quint32>(file.size()));

    qsizetype at = 8;
    QSet<QByteArray> types;
    for (const RenderedIcon& icon : icons) {
        const QByteArray type = file.mid(at, 4);
        QCOMPARE(type, icnsType(icon.size));
        types.insert(type);
        in.skipRawData(4);
        quint32 length = 0;
        in >> length;
        // The length counts the entry's own eight header bytes.
        QCOMPARE(length, static_cast<quint32>(8 + icon.png.size()));
        QCOMPARE(file.mid(at + 8, icon.png.size()), icon.png);
        in.skipRawData(static_cast<int>(icon.png.size()));
        at += length;
    }
    QCOMPARE(at, file.size());
    QCOMPARE(types.size(), icons.size());
}

void IconFilesTest::icnsTypeNamesThePngEntryOfEachSize_data() {
    QTest::addColumn<int>("size");
    QTest::addColumn<QByteArray>("type");
    QTest::newRow("16") << 16 << QByteArray("icp4");
    QTest::newRow("32") << 32 << QByteArray("icp5");
    QTest::newRow("64") << 64 << QByteArray("icp6");
    QTest::newRow("128") << 128 << QByteArray("ic07");
    QTest::newRow("256") << 256 << QByteArray("ic08");
    QTest::newRow("512") << 512 << QByteArray("ic09");
    QTest::newRow("1024") << 1024 << QByteArray("ic10");
    QTest::newRow("24 has none") << 24 << QByteArray();
    QTest::newRow("0 has none") << 0 << QByteArray();
}

void IconFilesTest::icnsTypeNamesThePngEntryOfEachSize() {
    QFETCH(int, size);
    QFETCH(QByteArray, type);
    QCOMPARE(icnsType(size), type);
}

void IconFilesTest::sizeWithoutAnEntryGivesNoFile_data() {
    QTest::addColumn<bool>("windows");
    QTest::addColumn<QList<int>>("sizes");
    QTest::newRow(".ico, wider than 256") << true << QList<int>{16, 257};
    QTest::newRow(".ico, zero") << true << QList<int>{0, 32};
    QTest::newRow(".icns, no entry type for 24") << false << QList<int>{16, 24};
}

void IconFilesTest::sizeWithoutAnEntryGivesNoFile() {
    QFETCH(bool, windows);
    QFETCH(QList<int>, sizes);
    const QList<RenderedIcon> icons = iconsOfSizes(sizes);
    QVERIFY2((windows ? icoFile(icons) : icnsFile(icons)).isEmpty(),
             "a size the format cannot hold still gave a file");
}

} // namespace horavela

QTEST_APPLESS_MAIN(horavela::IconFilesTest)
#include "IconFilesTest.moc"
