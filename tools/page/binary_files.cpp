#include "tools/page/binary_files.h"

#include "tools/encoding/little_endian.h"

#include <cstdint>
#include <vector>

namespace acpower::page {
namespace {

using encoding::LittleEndianReader;
using encoding::PutU16;
using encoding::PutU32;

// Both formats begin with the same directory: a six-byte header (reserved,
// type, count) and one sixteen-byte entry an image, little-endian.
constexpr std::size_t HeaderSize = 6;
constexpr std::size_t EntrySize = 16;
constexpr std::uint16_t IconType = 1;
constexpr std::uint16_t CursorType = 2;

// The number of images, if the directory is whole and of that type.
std::optional<std::size_t> ImageCount(const LittleEndianReader& file, unsigned type)
{
    if (!file.Has(0, HeaderSize) || file.U16(0) != 0 || file.U16(2) != type) {
        return std::nullopt;
    }
    const std::size_t count = file.U16(4);
    if (count == 0 || !file.Has(0, HeaderSize + count * EntrySize)) {
        return std::nullopt;
    }
    return count;
}

// 0 in a directory entry stands for 256.
int Side(const LittleEndianReader& file, std::size_t at)
{
    const int side = file.U8(at);
    return side == 0 ? 256 : side;
}

}  // namespace

std::optional<std::string> SmallIcons(std::string_view icon, int largest)
{
    const LittleEndianReader file(icon);
    const std::optional<std::size_t> count = ImageCount(file, IconType);
    if (!count) {
        return std::nullopt;
    }
    std::vector<std::size_t> kept;
    for (std::size_t i = 0; i < *count; ++i) {
        const std::size_t entry = HeaderSize + i * EntrySize;
        const std::uint64_t end = std::uint64_t{file.U32(entry + 12)} + file.U32(entry + 8);
        if (end > icon.size()) {
            return std::nullopt;
        }
        if (Side(file, entry) <= largest && Side(file, entry + 1) <= largest) {
            kept.push_back(entry);
        }
    }
    if (kept.empty()) {
        return std::nullopt;
    }
    std::string out;
    PutU16(out, 0);
    PutU16(out, IconType);
    PutU16(out, static_cast<std::uint16_t>(kept.size()));
    std::uint32_t offset = static_cast<std::uint32_t>(HeaderSize + kept.size() * EntrySize);
    std::string images;
    for (const std::size_t entry : kept) {
        const std::uint32_t size = file.U32(entry + 8);
        out.append(icon.substr(entry, 8));
        PutU32(out, size);
        PutU32(out, offset);
        images.append(icon.substr(file.U32(entry + 12), size));
        offset += size;
    }
    return out + images;
}

std::optional<HotSpot> CursorHotSpot(std::string_view cursor)
{
    const LittleEndianReader file(cursor);
    if (!ImageCount(file, CursorType)) {
        return std::nullopt;
    }
    // Where an icon's entry gives planes and bits, a cursor's gives its hot spot.
    return HotSpot{file.U16(HeaderSize + 4), file.U16(HeaderSize + 6)};
}

}  // namespace acpower::page
