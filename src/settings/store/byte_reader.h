#pragma once

#include <QByteArray>

#include <cstdint>
#include <optional>

namespace drovik {

// Reads little-endian values out of bytes that came from a card. Every read names its offset
// and either lies wholly inside the bytes or gives nothing: card files are often short,
// truncated or not what their name says.
class ByteReader {
public:
    explicit ByteReader(const QByteArray &bytes) : m_bytes(bytes) {}

    qsizetype size() const { return m_bytes.size(); }
    bool holds(qsizetype offset, qsizetype width) const
    {
        return offset >= 0 && width >= 0 && offset <= m_bytes.size()
            && width <= m_bytes.size() - offset;
    }

    std::optional<quint8> uint8At(qsizetype offset) const
    {
        if (!holds(offset, 1))
            return std::nullopt;
        return quint8(m_bytes.at(offset));
    }
    std::optional<quint16> uint16At(qsizetype offset) const
    {
        if (!holds(offset, 2))
            return std::nullopt;
        return quint16(byte(offset) | byte(offset + 1) << 8);
    }
    std::optional<qint32> int32At(qsizetype offset) const
    {
        if (!holds(offset, 4))
            return std::nullopt;
        const quint32 v = byte(offset) | byte(offset + 1) << 8 | byte(offset + 2) << 16
            | byte(offset + 3) << 24;
        return qint32(v);
    }
    std::optional<QByteArray> bytesAt(qsizetype offset, qsizetype width) const
    {
        if (!holds(offset, width))
            return std::nullopt;
        return m_bytes.mid(offset, width);
    }

private:
    quint32 byte(qsizetype offset) const { return quint8(m_bytes.at(offset)); }

    const QByteArray &m_bytes;
};

// Writes little-endian values into a buffer of fixed size; a write that would not fit is refused.
class ByteWriter {
public:
    explicit ByteWriter(qsizetype size) : m_bytes(size, '\0') {}

    const QByteArray &bytes() const { return m_bytes; }

    bool putUint8(qsizetype offset, quint8 value) { return put(offset, value, 1); }
    bool putUint16(qsizetype offset, quint16 value) { return put(offset, value, 2); }
    bool putInt32(qsizetype offset, qint32 value) { return put(offset, quint32(value), 4); }
    // Copies at most width bytes of data and zero-fills the rest of the field.
    bool putBytes(qsizetype offset, qsizetype width, const QByteArray &data)
    {
        if (!fits(offset, width))
            return false;
        for (qsizetype i = 0; i < width; ++i)
            m_bytes[offset + i] = i < data.size() ? data.at(i) : '\0';
        return true;
    }

private:
    bool fits(qsizetype offset, qsizetype width) const
    {
        return offset >= 0 && width >= 0 && offset <= m_bytes.size()
            && width <= m_bytes.size() - offset;
    }
    bool put(qsizetype offset, quint32 value, qsizetype width)
    {
        if (!fits(offset, width))
            return false;
        for (qsizetype i = 0; i < width; ++i)
            m_bytes[offset + i] = char((value >> (8 * i)) & 0xFF);
        return true;
    }

    QByteArray m_bytes;
};

} // namespace drovik
