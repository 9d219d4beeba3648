// The committed icon files: the Windows icon and cursor hold the art's
// pixels at the sizes Windows asks for, the pixel art keeps to the 16 VGA
// colours, the cursor points with the index fingertip, the drawing is the
// art's picture, and the larger theme icons are the drawing rather than the
// art blown up.

#include "resources/program_art.h"
#include "tests/support/little_endian.h"

#include <QFile>
#include <QImage>
#include <QList>
#include <QPainter>
#include <QSvgRenderer>
#include <QTest>
#include <QVector>

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

using acpower::test::LittleEndianReader;

// The sizes the pixel art was made for; every other is the drawing's.
const QList<int> PixelArtSizes{16, 32};

const QList<QRgb> VgaColours{
    qRgb(0x00, 0x00, 0x00), qRgb(0x80, 0x00, 0x00), qRgb(0x00, 0x80, 0x00), qRgb(0x80, 0x80, 0x00),
    qRgb(0x00, 0x00, 0x80), qRgb(0x80, 0x00, 0x80), qRgb(0x00, 0x80, 0x80), qRgb(0xC0, 0xC0, 0xC0),
    qRgb(0x80, 0x80, 0x80), qRgb(0xFF, 0x00, 0x00), qRgb(0x00, 0xFF, 0x00), qRgb(0xFF, 0xFF, 0x00),
    qRgb(0x00, 0x00, 0xFF), qRgb(0xFF, 0x00, 0xFF), qRgb(0x00, 0xFF, 0xFF), qRgb(0xFF, 0xFF, 0xFF),
};

QImage artPng(const QString& name)
{
    return QImage(QStringLiteral(ACPOWER_ART_DIR "/") + name).convertToFormat(QImage::Format_ARGB32);
}

QImage themeIcon(int size)
{
    return artPng(QStringLiteral("acpower-%1.png").arg(size));
}

// Pixels that are neither one of the 16 colours nor wholly transparent.
int pixelsOutsideVga(const QImage& image)
{
    int outside = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            outside += qAlpha(pixel) == 0 || VgaColours.contains(pixel) ? 0 : 1;
        }
    }
    return outside;
}

QImage renderDrawing(int size)
{
    QSvgRenderer renderer(QStringLiteral(ACPOWER_ICON_DRAWING));
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(0, 0, size, size));
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

int colourDistance(QRgb a, QRgb b)
{
    const int red = qRed(a) - qRed(b);
    const int green = qGreen(a) - qGreen(b);
    const int blue = qBlue(a) - qBlue(b);
    return static_cast<int>(std::sqrt(red * red + green * green + blue * blue));
}

// Whether a pixel of `image` within one pixel of (x, y) is `ink`: exactly so
// when `exact`, else merely showing more of it than of the white ground,
// blends included.
bool inkNear(const QImage& image, int x, int y, QRgb ink, bool exact)
{
    for (int ny = std::max(0, y - 1); ny <= std::min(image.height() - 1, y + 1); ++ny) {
        for (int nx = std::max(0, x - 1); nx <= std::min(image.width() - 1, x + 1); ++nx) {
            const QRgb pixel = image.pixel(nx, ny);
            if (exact ? pixel == ink : colourDistance(pixel, ink) < colourDistance(pixel, qRgb(0xFF, 0xFF, 0xFF))) {
                return true;
            }
        }
    }
    return false;
}

struct IcoEntry {
    int width = 0;
    int height = 0;
    int bitCount = 0;
    // A cursor's, where an icon's entry keeps its planes and bit count.
    QPoint hotSpot;
    bool png = false;
    QImage image;
    // Transparency mask of a bitmap entry, one flag a pixel, row-major top-down.
    QVector<bool> mask;
};

// Reads a .ico file (type 1) or .cur file (type 2) the way Windows does,
// independently of the writer under test: the directory, then each entry as a
// PNG stream or as a 32-bit DIB whose stored height counts the colour rows and
// the mask rows together, both stored bottom-up.
QList<IcoEntry> decodeIco(const QByteArray& data, QString* error, int type = 1)
{
    const LittleEndianReader r(data);
    const int count = r.u16(4);
    if (data.size() < 6 || r.u16(0) != 0 || r.u16(2) != type) {
        *error = QStringLiteral("no icon file header");
        return {};
    }
    if (data.size() < 6 + 16 * count) {
        *error = QStringLiteral("directory runs past the end");
        return {};
    }
    QList<IcoEntry> entries;
    for (int i = 0; i < count; ++i) {
        const int at = 6 + 16 * i;
        IcoEntry entry;
        entry.width = r.iconSide(at);
        entry.height = r.iconSide(at + 1);
        entry.hotSpot = QPoint(r.u16(at + 4), r.u16(at + 6));
        entry.bitCount = r.u16(at + 6);
        const quint32 size = r.u32(at + 8);
        const quint32 offset = r.u32(at + 12);
        if (offset + quint64(size) > quint64(data.size())) {
            *error = QStringLiteral("entry %1 runs past the end").arg(i);
            return {};
        }
        const QByteArray body = data.mid(int(offset), int(size));
        const LittleEndianReader b(body);
        entry.png = body.startsWith("\x89PNG\r\n\x1a\n");
        if (entry.png) {
            entry.image = QImage::fromData(body, "PNG").convertToFormat(QImage::Format_ARGB32);
        } else {
            const int width = int(b.u32(4));
            const int height = int(b.u32(8)) / 2;
            const int maskStride = ((width + 31) / 32) * 4;
            const int maskStart = 40 + width * height * 4;
            if (b.u32(0) != 40 || b.u16(14) != 32 || b.u32(16) != 0 || body.size() < maskStart + maskStride * height) {
                *error = QStringLiteral("entry %1 is not a 32-bit bitmap").arg(i);
                return {};
            }
            entry.image = QImage(width, height, QImage::Format_ARGB32);
            entry.mask.resize(width * height);
            for (int row = 0; row < height; ++row) {
                const int y = height - 1 - row;
                for (int x = 0; x < width; ++x) {
                    // Blue, green, red, alpha: a little-endian QRgb.
                    entry.image.setPixel(x, y, b.u32(40 + (row * width + x) * 4));
                    const uchar byte = static_cast<uchar>(body[maskStart + row * maskStride + x / 8]);
                    entry.mask[y * width + x] = (byte & (0x80 >> (x % 8))) != 0;
                }
            }
        }
        entries.append(entry);
    }
    return entries;
}

QList<IcoEntry> readIco(const char* path, QString* error, int type = 1)
{
    QFile file(QString::fromUtf8(path));
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.fileName();
        return {};
    }
    return decodeIco(file.readAll(), error, type);
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

class TestIconFiles : public QObject {
    Q_OBJECT

private slots:
    void drawingShowsThePixelArtPicture_data();
    void drawingShowsThePixelArtPicture();
    void themeIconSizes_data();
    void themeIconSizes();
    void icoHoldsTheWindowsSizes();
    void icoEntriesAreTheThemeIcons_data();
    void icoEntriesAreTheThemeIcons();
    void curIsTheLinkCursorArt();
};

void TestIconFiles::drawingShowsThePixelArtPicture_data()
{
    // clang-format off
    QTest::addColumn<QRgb>("ink");

    QTest::newRow("frame")     << qRgb(0x00, 0x00, 0x00);
    QTest::newRow("grid dots") << qRgb(0x80, 0x80, 0x80);
    QTest::newRow("red line")  << qRgb(0xFF, 0x00, 0x00);
    QTest::newRow("blue line") << qRgb(0x00, 0x00, 0x80);
    // clang-format on
}

void TestIconFiles::drawingShowsThePixelArtPicture()
{
    QFETCH(QRgb, ink);

    // The drawing's units are the 32 px art's pixels, so at 32 px each part
    // of the picture lies where the art has it, give or take the one pixel by
    // which a smooth line and a staircase of pixels differ. A thicker smooth
    // line may cover a grid dot next to it, so a few of the art's pixels may
    // be missing; nothing may be drawn where the art has none.
    const QImage pixels = themeIcon(32);
    QVERIFY(!pixels.isNull());
    const QImage drawn = renderDrawing(32);
    QCOMPARE(drawn.size(), pixels.size());

    int inkPixels = 0;
    int solidPixels = 0;
    QStringList missing;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            if (pixels.pixel(x, y) == ink) {
                ++inkPixels;
                if (!inkNear(drawn, x, y, ink, false)) {
                    missing.append(QStringLiteral("(%1, %2)").arg(x).arg(y));
                }
            }
            // Nearly pure, the blend at a line's antialiased edge not counted.
            if (colourDistance(drawn.pixel(x, y), ink) < 32) {
                ++solidPixels;
                QVERIFY2(inkNear(pixels, x, y, ink, true),
                         qPrintable(QStringLiteral("the drawing has it at (%1, %2), the art not").arg(x).arg(y)));
            }
        }
    }
    QVERIFY(inkPixels > 0);
    // In the art's own colour, not a look-alike.
    QVERIFY(solidPixels * 4 >= inkPixels);
    QVERIFY2(missing.size() * 20 <= inkPixels,
             qPrintable(QStringLiteral("the drawing lacks it at %1 of %2 pixels: %3")
                            .arg(QString::number(missing.size()), QString::number(inkPixels), missing.join(u' '))));
}

void TestIconFiles::themeIconSizes_data()
{
    // clang-format off
    QTest::addColumn<int>("size");
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        QTest::addRow("%d", size) << size;
    }
    // clang-format on
}

void TestIconFiles::themeIconSizes()
{
    QFETCH(int, size);

    const QImage icon = themeIcon(size);
    QCOMPARE(icon.size(), QSize(size, size));
    // The hand-made pixels are the most legible at the sizes they were made
    // for, and keep to the 16 colours; every larger size is the drawing,
    // never the art blown up.
    if (PixelArtSizes.contains(size)) {
        QCOMPARE(pixelsOutsideVga(icon), 0);
    } else {
        // Blocks of whole art pixels survive a trip down to 32 px and back
        // by nearest neighbour unchanged; the drawing's smooth edges do not.
        const QImage blocky = icon.scaled(32, 32, Qt::IgnoreAspectRatio, Qt::FastTransformation)
                                  .scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        QVERIFY(differingPixels(icon, blocky) > size);
    }
}

void TestIconFiles::icoHoldsTheWindowsSizes()
{
    QString error;
    const QList<IcoEntry> entries = readIco(ACPOWER_ICO_FILE, &error);
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

void TestIconFiles::icoEntriesAreTheThemeIcons_data()
{
    // clang-format off
    QTest::addColumn<int>("size");
    for (const int size : {16, 32, 48, 64, 256}) {
        QTest::addRow("%d", size) << size;
    }
    // clang-format on
}

void TestIconFiles::icoEntriesAreTheThemeIcons()
{
    QFETCH(int, size);

    QString error;
    const QList<IcoEntry> entries = readIco(ACPOWER_ICO_FILE, &error);
    QVERIFY2(!entries.isEmpty(), qPrintable(error));
    const auto ofSize = [size](const IcoEntry& entry) { return entry.width == size; };
    const auto entry = std::find_if(entries.cbegin(), entries.cend(), ofSize);
    QVERIFY2(entry != entries.cend(), "no entry of this size");
    QVERIFY2(differingPixels(entry->image, themeIcon(size)) == 0,
             "resources/windows/acpower.ico is older than the art; run scripts/regenerate-icon.sh");
    // The mask is still read by Windows when it draws on old, non-alpha displays.
    for (int i = 0; i < entry->mask.size(); ++i) {
        QCOMPARE(entry->mask[i], qAlpha(entry->image.pixel(i % size, i / size)) == 0);
    }
}

void TestIconFiles::curIsTheLinkCursorArt()
{
    // The Windows program's link cursor: the Linux cursor's art and hot spot.
    QString error;
    const QList<IcoEntry> entries = readIco(ACPOWER_CUR_FILE, &error, 2);
    QVERIFY2(entries.size() == 1, qPrintable(error));
    QCOMPARE(entries[0].hotSpot, QPoint(12, 1));
    QCOMPARE(acpower::LinkCursorHotSpot, QPoint(12, 1));

    const QImage art = artPng(QStringLiteral("link-cursor.png"));
    QCOMPARE(art.size(), QSize(32, 32));
    QCOMPARE(pixelsOutsideVga(art), 0);
    QCOMPARE(entries[0].image.size(), QSize(32, 32));
    QVERIFY2(differingPixels(entries[0].image, art) == 0,
             "resources/windows/link-cursor.cur is older than the art; run scripts/regenerate-icon.sh");
}

QTEST_GUILESS_MAIN(TestIconFiles)
#include "tst_icon_files.moc"
