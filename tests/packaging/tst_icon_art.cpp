// The theme icons and the committed Windows icon file must show the program's
// pixel art, crisp at every size, and the icon file must not fall behind the
// art it was made from.

#include "resources/program_art.h"
#include "tests/support/little_endian.h"
#include "tools/icon_art.h"

#include <QFile>
#include <QImage>
#include <QList>
#include <QTest>
#include <QtEndian>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

QStringList artPaths()
{
    return QString::fromUtf8(ACPOWER_ART_FILES).split(QLatin1Char(';'));
}

QList<QImage> loadArtOrFail()
{
    QString error;
    const QList<QImage> art = acpower::icons::loadArt(artPaths(), &error);
    if (art.isEmpty()) {
        qWarning("%s", qPrintable(error));
    }
    return art;
}

std::uint32_t u32(const QByteArray& data, int offset)
{
    return acpower::test::LittleEndianReader(data).u32(offset);
}

std::uint16_t u16(const QByteArray& data, int offset)
{
    return acpower::test::LittleEndianReader(data).u16(offset);
}

struct IcoEntry {
    int width = 0;
    int height = 0;
    int bitCount = 0;
    bool png = false;
    QImage image;
    // Transparency mask of a bitmap entry, one flag a pixel, row-major top-down.
    std::vector<bool> mask;
};

// Reads a .ico file the way Windows does, independently of the writer under
// test: the directory, then each entry as a PNG stream or as a 32-bit DIB
// whose stored height counts the colour rows and the mask rows together.
QList<IcoEntry> decodeIco(const QByteArray& data, QString* error, int type = 1)
{
    if (data.size() < 6 || u16(data, 0) != 0 || u16(data, 2) != type) {
        *error = QStringLiteral("no icon file header");
        return {};
    }
    const int count = u16(data, 4);
    if (data.size() < 6 + 16 * count) {
        *error = QStringLiteral("directory runs past the end");
        return {};
    }
    QList<IcoEntry> entries;
    for (int i = 0; i < count; ++i) {
        const int at = 6 + 16 * i;
        IcoEntry entry;
        entry.width = static_cast<uchar>(data[at]) == 0 ? 256 : static_cast<uchar>(data[at]);
        entry.height = static_cast<uchar>(data[at + 1]) == 0 ? 256 : static_cast<uchar>(data[at + 1]);
        entry.bitCount = u16(data, at + 6);
        const std::uint32_t size = u32(data, at + 8);
        const std::uint32_t offset = u32(data, at + 12);
        if (offset + static_cast<std::uint64_t>(size) > static_cast<std::uint64_t>(data.size())) {
            *error = QStringLiteral("entry %1 runs past the end").arg(i);
            return {};
        }
        const QByteArray body = data.mid(static_cast<int>(offset), static_cast<int>(size));
        entry.png = body.startsWith("\x89PNG\r\n\x1a\n");
        if (entry.png) {
            entry.image = QImage::fromData(body, "PNG").convertToFormat(QImage::Format_ARGB32);
        } else {
            const int width = static_cast<int>(u32(body, 4));
            const int height = static_cast<int>(u32(body, 8)) / 2;
            const int bits = u16(body, 14);
            const int maskStride = ((width + 31) / 32) * 4;
            if (u32(body, 0) != 40 || bits != 32 || u32(body, 16) != 0
                || body.size() < 40 + width * height * 4 + maskStride * height) {
                *error = QStringLiteral("entry %1 is not a 32-bit bitmap").arg(i);
                return {};
            }
            QImage image(width, height, QImage::Format_ARGB32);
            for (int row = 0; row < height; ++row) {
                const int y = height - 1 - row;
                for (int x = 0; x < width; ++x) {
                    const int p = 40 + (row * width + x) * 4;
                    image.setPixel(x, y,
                                   qRgba(static_cast<uchar>(body[p + 2]), static_cast<uchar>(body[p + 1]),
                                         static_cast<uchar>(body[p]), static_cast<uchar>(body[p + 3])));
                }
            }
            entry.mask.resize(static_cast<std::size_t>(width * height));
            const int maskStart = 40 + width * height * 4;
            for (int row = 0; row < height; ++row) {
                const int y = height - 1 - row;
                for (int x = 0; x < width; ++x) {
                    const uchar byte = static_cast<uchar>(body[maskStart + row * maskStride + x / 8]);
                    entry.mask[static_cast<std::size_t>(y * width + x)] = (byte & (0x80 >> (x % 8))) != 0;
                }
            }
            entry.image = image;
        }
        entries.append(entry);
    }
    return entries;
}

// Pixels a viewer would show differently; fully transparent ones match
// whatever colour they carry.
int differingPixels(const QImage& a, const QImage& b)
{
    int differing = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb pa = a.pixel(x, y);
            const QRgb pb = b.pixel(x, y);
            if (pa != pb && (qAlpha(pa) != 0 || qAlpha(pb) != 0)) {
                ++differing;
            }
        }
    }
    return differing;
}

}  // namespace

class TestIconArt : public QObject {
    Q_OBJECT

private slots:
    void artIsThePaletteArtAtItsSizes();
    void renderedSizesAreCrisp_data();
    void renderedSizesAreCrisp();
    void icoHoldsTheWindowsSizes();
    void icoEntriesMatchTheArt_data();
    void icoEntriesMatchTheArt();
    void icoWriterRoundTripsTransparency();
    void curIsTheLinkCursorArt();
};

void TestIconArt::artIsThePaletteArtAtItsSizes()
{
    const QList<QImage> art = loadArtOrFail();
    QCOMPARE(art.size(), 2);
    QList<int> sizes;
    for (const QImage& image : art) {
        QCOMPARE(image.width(), image.height());
        sizes.append(image.width());
    }
    std::sort(sizes.begin(), sizes.end());
    QCOMPARE(sizes, (QList<int>{16, 32}));
}

void TestIconArt::renderedSizesAreCrisp_data()
{
    // clang-format off
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("sourceSize");

    // Each size must come from the art that divides it with the largest
    // pixels of detail; 48 has only the 16 x 16 drawing to grow by whole pixels.
    QTest::newRow("16") << 16 << 16;
    QTest::newRow("32") << 32 << 32;
    QTest::newRow("48") << 48 << 16;
    QTest::newRow("64") << 64 << 32;
    QTest::newRow("128") << 128 << 32;
    QTest::newRow("256") << 256 << 32;
    // clang-format on
}

void TestIconArt::renderedSizesAreCrisp()
{
    QFETCH(int, size);
    QFETCH(int, sourceSize);

    const QList<QImage> art = loadArtOrFail();
    QVERIFY(!art.isEmpty());
    const QImage icon = acpower::icons::renderIcon(art, size);
    QCOMPARE(icon.size(), QSize(size, size));
    QCOMPARE(icon.format(), QImage::Format_ARGB32);

    QImage source;
    for (const QImage& image : art) {
        if (image.width() == sourceSize) {
            source = image;
        }
    }
    QVERIFY(!source.isNull());
    // Every output pixel is exactly the art pixel it covers: no blending, no
    // shift by half a pixel.
    const int factor = size / sourceSize;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const QRgb expected = source.pixel(x / factor, y / factor);
            if (icon.pixel(x, y) != expected) {
                QFAIL(qPrintable(QStringLiteral("pixel (%1, %2) is %3, art has %4")
                                     .arg(x)
                                     .arg(y)
                                     .arg(icon.pixel(x, y), 8, 16, QLatin1Char('0'))
                                     .arg(expected, 8, 16, QLatin1Char('0'))));
            }
        }
    }
}

void TestIconArt::icoHoldsTheWindowsSizes()
{
    QFile file(QString::fromUtf8(ACPOWER_ICO_FILE));
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
    QString error;
    const QList<IcoEntry> entries = decodeIco(file.readAll(), &error);
    QVERIFY2(!entries.isEmpty(), qPrintable(error));

    QList<int> sizes;
    for (const IcoEntry& entry : entries) {
        QCOMPARE(entry.width, entry.height);
        QCOMPARE(entry.bitCount, 32);
        QCOMPARE(entry.image.size(), QSize(entry.width, entry.height));
        // Windows before Vista reads bitmaps only; PNG is kept to the 256 entry.
        QCOMPARE(entry.png, entry.width >= 256);
        sizes.append(entry.width);
    }
    QCOMPARE(sizes, (QList<int>{16, 32, 48, 64, 256}));
}

void TestIconArt::icoEntriesMatchTheArt_data()
{
    // clang-format off
    QTest::addColumn<int>("size");
    for (const int size : acpower::icons::IcoSizes) {
        QTest::newRow(qPrintable(QString::number(size))) << size;
    }
    // clang-format on
}

void TestIconArt::icoEntriesMatchTheArt()
{
    QFETCH(int, size);

    QFile file(QString::fromUtf8(ACPOWER_ICO_FILE));
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
    QString error;
    const QList<IcoEntry> entries = decodeIco(file.readAll(), &error);
    QVERIFY2(!entries.isEmpty(), qPrintable(error));
    const QList<QImage> art = loadArtOrFail();
    QVERIFY(!art.isEmpty());

    for (const IcoEntry& entry : entries) {
        if (entry.width != size) {
            continue;
        }
        const QImage expected = acpower::icons::renderIcon(art, size);
        QVERIFY2(differingPixels(entry.image, expected) == 0,
                 "resources/windows/acpower.ico is older than the art; run scripts/regenerate-icon.sh");
        for (int i = 0; i < int(entry.mask.size()); ++i) {
            QCOMPARE(bool(entry.mask[i]), qAlpha(entry.image.pixel(i % size, i / size)) == 0);
        }
        return;
    }
    QFAIL("no entry of this size");
}

void TestIconArt::icoWriterRoundTripsTransparency()
{
    // The program's art is opaque, so the mask and the alpha channel are
    // checked on a drawing with holes in it: a checkerboard of transparent
    // and coloured pixels at an edge that is not a multiple of 32.
    QList<QImage> images;
    for (const int size : {16, 48, 256}) {
        QImage image(size, size, QImage::Format_ARGB32);
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                image.setPixel(x, y, (x + y) % 3 == 0 ? qRgba(0, 0, 0, 0) : qRgba(x, y, 200, 255));
            }
        }
        images.append(image);
    }

    QString error;
    const QList<IcoEntry> entries = decodeIco(acpower::icons::encodeIco(images), &error);
    QVERIFY2(!entries.isEmpty(), qPrintable(error));
    QCOMPARE(entries.size(), images.size());
    for (int i = 0; i < images.size(); ++i) {
        QCOMPARE(entries[i].image.size(), images[i].size());
        QCOMPARE(differingPixels(entries[i].image, images[i]), 0);
        const int size = images[i].width();
        for (int p = 0; p < int(entries[i].mask.size()); ++p) {
            QCOMPARE(bool(entries[i].mask[p]), (p % size + p / size) % 3 == 0);
        }
    }
}

void TestIconArt::curIsTheLinkCursorArt()
{
    // The Windows program's link cursor: the Linux cursor's art and hot spot.
    QFile file(QString::fromUtf8(ACPOWER_CUR_FILE));
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
    const QByteArray data = file.readAll();
    QString error;
    const QList<IcoEntry> entries = decodeIco(data, &error, 2);
    QVERIFY2(entries.size() == 1, qPrintable(error));
    QCOMPARE(QPoint(u16(data, 6 + 4), u16(data, 6 + 6)), acpower::LinkCursorHotSpot);

    const QList<QImage> art = acpower::icons::loadArt({QString::fromUtf8(ACPOWER_CURSOR_ART)}, &error);
    QVERIFY2(art.size() == 1, qPrintable(error));
    QCOMPARE(entries[0].image.size(), QSize(32, 32));
    QVERIFY2(differingPixels(entries[0].image, art[0].convertToFormat(QImage::Format_ARGB32)) == 0,
             "resources/windows/link-cursor.cur is older than the art; run scripts/regenerate-icon.sh");
}

QTEST_GUILESS_MAIN(TestIconArt)
#include "tst_icon_art.moc"
