#pragma once

#include "tools/encoding/little_endian.h"

#include <QByteArray>
#include <QString>

#include <string_view>

namespace acpower::test {

// The tools' little-endian reads over a Qt byte array: they refuse to run
// past the end instead of crashing on a malformed file.
class LittleEndianReader {
public:
    explicit LittleEndianReader(const QByteArray& data)
        : bytes_(std::string_view(data.constData(), static_cast<std::size_t>(data.size())))
    {
    }

    bool has(int offset, int length) const
    {
        return offset >= 0 && length >= 0 && bytes_.Has(std::size_t(offset), std::size_t(length));
    }
    quint16 u16(int offset) const
    {
        return offset >= 0 ? bytes_.U16(std::size_t(offset)) : 0;
    }
    quint32 u32(int offset) const
    {
        return offset >= 0 ? bytes_.U32(std::size_t(offset)) : 0;
    }
    // A width or height in an icon directory: one byte, 0 standing for 256.
    int iconSide(int offset) const
    {
        const int side = offset >= 0 ? bytes_.U8(std::size_t(offset)) : 0;
        return side == 0 ? 256 : side;
    }
    // A UTF-16 string up to its terminating zero; *next is just past the zero.
    QString utf16z(int offset, int limit, int* next) const
    {
        QString text;
        int p = offset;
        while (p + 2 <= limit && has(p, 2)) {
            const quint16 unit = u16(p);
            p += 2;
            if (unit == 0) {
                *next = p;
                return text;
            }
            text.append(QChar(unit));
        }
        *next = -1;
        return text;
    }

private:
    encoding::LittleEndianReader bytes_;
};

}  // namespace acpower::test
