#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace acpower::encoding {

// The little-endian words of Windows' icon, cursor and resource files. A read
// past the end gives 0 instead of crashing on a malformed file; Has() tells a
// real 0 from a missing one.
class LittleEndianReader {
public:
    explicit LittleEndianReader(std::string_view bytes)
        : bytes_(bytes)
    {
    }

    bool Has(std::size_t offset, std::size_t length) const
    {
        return offset <= bytes_.size() && length <= bytes_.size() - offset;
    }
    std::uint8_t U8(std::size_t offset) const
    {
        return Has(offset, 1) ? static_cast<std::uint8_t>(bytes_[offset]) : 0;
    }
    std::uint16_t U16(std::size_t offset) const
    {
        return Has(offset, 2) ? static_cast<std::uint16_t>(U8(offset) | (U8(offset + 1) << 8)) : 0;
    }
    std::uint32_t U32(std::size_t offset) const
    {
        return Has(offset, 4) ? U16(offset) | (static_cast<std::uint32_t>(U16(offset + 2)) << 16) : 0;
    }

private:
    std::string_view bytes_;
};

inline void PutU16(std::string& out, std::uint16_t value)
{
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>(value >> 8);
}

inline void PutU32(std::string& out, std::uint32_t value)
{
    PutU16(out, static_cast<std::uint16_t>(value & 0xFFFF));
    PutU16(out, static_cast<std::uint16_t>(value >> 16));
}

}  // namespace acpower::encoding
