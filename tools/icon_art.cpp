#include "tools/icon_art.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdint>

namespace acpower::icons {

namespace {

void appendU8(QByteArray& out, int value)
{
    out.append(static_cast<char>(value & 0xFF));
}

void appendU16(QByteArray& out, int value)
{
    appendU8(out, value);
    appendU8(out, value >> 8);
}

void appendU32(QByteArray& out, std::uint32_t value)
{
    appendU16(out, static_cast<int>(value & 0xFFFF));
    appendU16(out, static_cast<int>(value >> 16));
}

// A 32-bit bitmap entry: the colour rows and then the 1-bit transparency
// mask, both bottom-up, with the height doubled as the format demands. The
// mask is still read by Windows when it draws on old, non-alpha displays.
QByteArray bitmapEntry(const QImage& image)
{
    const int width = image.width();
    const int height = image.height();
    const int maskStride = ((width + 31) / 32) * 4;

    QByteArray out;
    appendU32(out, 40);
    appendU32(out, static_cast<std::uint32_t>(width));
    appendU32(out, static_cast<std::uint32_t>(height * 2));
    appendU16(out, 1);
    appendU16(out, 32);
    appendU32(out, 0);
    appendU32(out, static_cast<std::uint32_t>(width * height * 4 + maskStride * height));
    appendU32(out, 0);
    appendU32(out, 0);
    appendU32(out, 0);
    appendU32(out, 0);

    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x) {
            const QRgb pixel = image.pixel(x, y);
            appendU8(out, qBlue(pixel));
            appendU8(out, qGreen(pixel));
            appendU8(out, qRed(pixel));
            appendU8(out, qAlpha(pixel));
        }
    }
    for (int y = height - 1; y >= 0; --y) {
        QByteArray row(maskStride, '\0');
        for (int x = 0; x < width; ++x) {
            if (qAlpha(image.pixel(x, y)) == 0) {
                row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
            }
        }
        out.append(row);
    }
    return out;
}

QByteArray pngEntry(const QImage& image)
{
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return out;
}

}  // namespace

std::optional<IconArt> loadArt(const QStringList& paths, QString* error)
{
    IconArt art;
    for (const QString& path : paths) {
        if (path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) {
            if (!art.drawing.isEmpty()) {
                *error = QStringLiteral("%1: a second drawing; give one").arg(path);
                return std::nullopt;
            }
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly)) {
                *error = QStringLiteral("%1: %2").arg(path, file.errorString());
                return std::nullopt;
            }
            art.drawing = file.readAll();
            // Checked here so that a broken drawing stops the build instead
            // of leaving blank icons behind.
            const QSvgRenderer renderer(art.drawing);
            if (!renderer.isValid()) {
                *error = QStringLiteral("%1: not a drawing Qt SVG can render").arg(path);
                return std::nullopt;
            }
            if (renderer.viewBoxF().width() != renderer.viewBoxF().height()) {
                *error = QStringLiteral("%1: the drawing's view box must be square").arg(path);
                return std::nullopt;
            }
            continue;
        }
        QImageReader reader(path);
        QImage image = reader.read();
        if (image.isNull()) {
            *error = QStringLiteral("%1: %2").arg(path, reader.errorString());
            return std::nullopt;
        }
        if (image.width() != image.height()) {
            *error = QStringLiteral("%1: the art must be square").arg(path);
            return std::nullopt;
        }
        art.pixelArt.append(image.convertToFormat(QImage::Format_ARGB32));
    }
    if (art.drawing.isEmpty()) {
        *error = QStringLiteral("no drawing given; sizes without pixel art need one");
        return std::nullopt;
    }
    return art;
}

QImage renderDrawing(const QByteArray& drawing, int size)
{
    QSvgRenderer renderer(drawing);
    if (!renderer.isValid() || size <= 0) {
        return {};
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(0, 0, size, size));
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

QImage renderIcon(const IconArt& art, int size)
{
    for (const QImage& piece : art.pixelArt) {
        if (piece.width() == size) {
            return piece;
        }
    }
    return renderDrawing(art.drawing, size);
}

QByteArray encodeIco(const QList<QImage>& images)
{
    QList<QByteArray> entries;
    for (const QImage& image : images) {
        const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
        entries.append(argb.width() >= IcoPngFromSize ? pngEntry(argb) : bitmapEntry(argb));
    }

    QByteArray out;
    appendU16(out, 0);
    appendU16(out, 1);
    appendU16(out, static_cast<int>(images.size()));

    std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(images.size());
    for (int i = 0; i < images.size(); ++i) {
        // The directory's one-byte edges write 256 as 0.
        appendU8(out, images[i].width() >= 256 ? 0 : images[i].width());
        appendU8(out, images[i].height() >= 256 ? 0 : images[i].height());
        appendU8(out, 0);
        appendU8(out, 0);
        appendU16(out, 1);
        appendU16(out, 32);
        appendU32(out, static_cast<std::uint32_t>(entries[i].size()));
        appendU32(out, offset);
        offset += static_cast<std::uint32_t>(entries[i].size());
    }
    for (const QByteArray& entry : entries) {
        out.append(entry);
    }
    return out;
}

QByteArray encodeCur(const QImage& image, int hotX, int hotY)
{
    // A cursor file is an icon file of type 2 whose directory entry holds the
    // hot spot where an icon keeps its planes and bit count.
    QByteArray out = encodeIco({image});
    QByteArray type;
    appendU16(type, 2);
    out.replace(2, 2, type);
    QByteArray hotSpot;
    appendU16(hotSpot, hotX);
    appendU16(hotSpot, hotY);
    out.replace(6 + 4, 4, hotSpot);
    return out;
}

}  // namespace acpower::icons
