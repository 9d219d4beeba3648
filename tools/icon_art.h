#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace acpower::icons {

// Sizes stored in the Windows icon file. 128 is left out: Windows never asks
// for it, and as an uncompressed entry it would double the file.
inline constexpr std::array<int, 5> IcoSizes{16, 32, 48, 64, 256};

// Entries at least this large are stored PNG-compressed in the icon file;
// smaller ones stay bitmaps, which every Windows version can read.
inline constexpr int IcoPngFromSize = 256;

// What the icons are drawn from: pixel art made by hand for a few small
// sizes, where every pixel was placed to stay legible, and one scalable
// drawing of the same picture for every other size, so that large icons have
// smooth lines instead of blown-up pixels.
struct IconArt {
    QList<QImage> pixelArt;
    // An SVG document with a square view box.
    QByteArray drawing;
};

// Loads the art: the one .svg file among the paths is the drawing, every other
// file a square piece of pixel art. On failure returns nothing and says why in
// *error.
std::optional<IconArt> loadArt(const QStringList& paths, QString* error);

// The drawing rendered at size x size pixels, antialiased, as 32-bit ARGB.
QImage renderDrawing(const QByteArray& drawing, int size);

// The icon at size x size pixels, as 32-bit ARGB: the pixel art made for this
// very size where there is one, the drawing otherwise.
QImage renderIcon(const IconArt& art, int size);

// A Windows .ico file holding the given square images.
QByteArray encodeIco(const QList<QImage>& images);

// A Windows .cur file holding one image whose hot spot, counted from the
// top-left pixel, is (hotX, hotY).
QByteArray encodeCur(const QImage& image, int hotX, int hotY);

}  // namespace acpower::icons
