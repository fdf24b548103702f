#pragma once

// Byte-level helpers for building card files in tests, written independently of the code under
// test so that a layout mistake there cannot hide here.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstdint>

namespace drovik::test {

inline void putLe32(QByteArray &bytes, int offset, std::int64_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[offset + i] = char((std::uint32_t(value) >> (8 * i)) & 0xFF);
}

inline std::int32_t le32(const QByteArray &bytes, int offset)
{
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i)
        v |= std::uint32_t(std::uint8_t(bytes.at(offset + i))) << (8 * i);
    return std::int32_t(v);
}

inline void putText(QByteArray &bytes, int offset, const QByteArray &text)
{
    for (int i = 0; i < text.size(); ++i)
        bytes[offset + i] = text.at(i);
}

// A record of size bytes whose length field is lengthField, with a product name.
inline QByteArray makeRecord(int size, const QByteArray &productName, std::int64_t lengthField)
{
    QByteArray bytes(size, '\0');
    if (size >= 4)
        putLe32(bytes, 0, lengthField);
    if (size >= 24)
        putText(bytes, 8, productName.left(16));
    return bytes;
}

inline bool writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(path.section(QLatin1Char('/'), 0, -2));
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A card root in a temporary folder.
struct TempCard {
    QTemporaryDir dir;
    QString root() const { return dir.path(); }
    QString file(const QString &relative) const { return dir.path() + QLatin1Char('/') + relative; }
    bool put(const QString &relative, const QByteArray &bytes) const
    {
        return writeFile(file(relative), bytes);
    }
    QByteArray get(const QString &relative) const { return readFile(file(relative)); }
    bool has(const QString &relative) const { return QFile::exists(file(relative)); }
};

} // namespace drovik::test
