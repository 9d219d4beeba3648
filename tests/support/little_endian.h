#pragma once

#include <QByteArray>
#include <QString>
#include <QtEndian>

namespace acpower::test {

// Little-endian reads that refuse to run past the end instead of crashing on
// a malformed file.
class LittleEndianReader {
public:
    // A null array keeps null bytes rather than Qt's one shared empty byte,
    // past which GCC would warn of every read that has() lets through.
    explicit LittleEndianReader(const QByteArray& data)
        : bytes_(data.isNull() ? nullptr : reinterpret_cast<const uchar*>(data.constData()))
        , size_(int(data.size()))
    {
    }

    bool has(int offset, int length) const
    {
        return offset >= 0 && length >= 0 && offset + length <= size_;
    }
    quint16 u16(int offset) const
    {
        return has(offset, 2) ? qFromLittleEndian<quint16>(at(offset)) : 0;
    }
    quint32 u32(int offset) const
    {
        return has(offset, 4) ? qFromLittleEndian<quint32>(at(offset)) : 0;
    }
    // A width or height in an icon directory: one byte, 0 standing for 256.
    int iconSide(int offset) const
    {
        const int side = has(offset, 1) ? *at(offset) : 0;
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
    const uchar* at(int offset) const
    {
        return bytes_ + offset;
    }
    const uchar* bytes_;
    int size_;
};

}  // namespace acpower::test
