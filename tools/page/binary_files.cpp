#include "tools/page/binary_files.h"

#include <cstdint>
#include <vector>

namespace acpower::page {
namespace {

// Both formats begin with the same directory: a six-byte header (reserved,
// type, count) and one sixteen-byte entry an image, little-endian.
constexpr std::size_t HeaderSize = 6;
constexpr std::size_t EntrySize = 16;
constexpr unsigned IconType = 1;
constexpr unsigned CursorType = 2;

unsigned Word(std::string_view bytes, std::size_t at)
{
    return static_cast<unsigned char>(bytes[at]) | (static_cast<unsigned char>(bytes[at + 1]) << 8);
}

std::uint32_t Long(std::string_view bytes, std::size_t at)
{
    return Word(bytes, at) | (static_cast<std::uint32_t>(Word(bytes, at + 2)) << 16);
}

void PutWord(std::string& out, unsigned value)
{
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>((value >> 8) & 0xFF);
}

void PutLong(std::string& out, std::uint32_t value)
{
    PutWord(out, value & 0xFFFF);
    PutWord(out, value >> 16);
}

// The number of images, if the directory is whole and of that type.
std::optional<std::size_t> ImageCount(std::string_view bytes, unsigned type)
{
    if (bytes.size() < HeaderSize || Word(bytes, 0) != 0 || Word(bytes, 2) != type) {
        return std::nullopt;
    }
    const std::size_t count = Word(bytes, 4);
    if (count == 0 || bytes.size() < HeaderSize + count * EntrySize) {
        return std::nullopt;
    }
    return count;
}

// 0 in a directory entry stands for 256.
int Side(std::string_view bytes, std::size_t at)
{
    const int side = static_cast<unsigned char>(bytes[at]);
    return side == 0 ? 256 : side;
}

}  // namespace

std::string Base64(std::string_view bytes)
{
    static constexpr char Digits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        const std::size_t left = bytes.size() - i;
        std::uint32_t group = static_cast<unsigned char>(bytes[i]) << 16;
        if (left > 1) {
            group |= static_cast<unsigned char>(bytes[i + 1]) << 8;
        }
        if (left > 2) {
            group |= static_cast<unsigned char>(bytes[i + 2]);
        }
        out += Digits[(group >> 18) & 0x3F];
        out += Digits[(group >> 12) & 0x3F];
        out += left > 1 ? Digits[(group >> 6) & 0x3F] : '=';
        out += left > 2 ? Digits[group & 0x3F] : '=';
    }
    return out;
}

std::optional<std::string> SmallIcons(std::string_view icon, int largest)
{
    const std::optional<std::size_t> count = ImageCount(icon, IconType);
    if (!count) {
        return std::nullopt;
    }
    std::vector<std::size_t> kept;
    for (std::size_t i = 0; i < *count; ++i) {
        const std::size_t entry = HeaderSize + i * EntrySize;
        const std::uint64_t end = std::uint64_t{Long(icon, entry + 12)} + Long(icon, entry + 8);
        if (end > icon.size()) {
            return std::nullopt;
        }
        if (Side(icon, entry) <= largest && Side(icon, entry + 1) <= largest) {
            kept.push_back(entry);
        }
    }
    if (kept.empty()) {
        return std::nullopt;
    }
    std::string out;
    PutWord(out, 0);
    PutWord(out, IconType);
    PutWord(out, static_cast<unsigned>(kept.size()));
    std::uint32_t offset = static_cast<std::uint32_t>(HeaderSize + kept.size() * EntrySize);
    std::string images;
    for (const std::size_t entry : kept) {
        const std::uint32_t size = Long(icon, entry + 8);
        out.append(icon.substr(entry, 8));
        PutLong(out, size);
        PutLong(out, offset);
        images.append(icon.substr(Long(icon, entry + 12), size));
        offset += size;
    }
    return out + images;
}

std::optional<HotSpot> CursorHotSpot(std::string_view cursor)
{
    if (!ImageCount(cursor, CursorType)) {
        return std::nullopt;
    }
    // Where an icon's entry gives planes and bits, a cursor's gives its hot spot.
    return HotSpot{static_cast<int>(Word(cursor, HeaderSize + 4)), static_cast<int>(Word(cursor, HeaderSize + 6))};
}

}  // namespace acpower::page
