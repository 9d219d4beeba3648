#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>

namespace acpower::icons {

// Sizes stored in the Windows icon file. 128 is left out: Windows never asks
// for it, and as an uncompressed entry it would double the file.
inline constexpr std::array<int, 5> IcoSizes{16, 32, 48, 64, 256};

// Entries at least this large are stored PNG-compressed in the icon file;
// smaller ones stay bitmaps, which every Windows version can read.
inline constexpr int IcoPngFromSize = 256;

// Loads the square pieces of art the icons are drawn from. On failure returns
// an empty list and says why in *error.
QList<QImage> loadArt(const QStringList& paths, QString* error);

// The icon at size x size pixels, as 32-bit ARGB. Pixel art stays crisp: the
// largest piece whose edge divides the size is blown up by whole pixels, and
// only a size no piece divides falls back to nearest-neighbour sampling of
// the largest piece.
QImage renderIcon(const QList<QImage>& art, int size);

// A Windows .ico file holding the given square images.
QByteArray encodeIco(const QList<QImage>& images);

// A Windows .cur file holding one image whose hot spot, counted from the
// top-left pixel, is (hotX, hotY).
QByteArray encodeCur(const QImage& image, int hotX, int hotY);

}  // namespace acpower::icons
