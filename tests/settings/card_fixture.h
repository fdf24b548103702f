#pragma once

// Card records for the settings tests, built byte by byte.

#include "bytes.h"
#include "temp_folder.h"

#include <QByteArray>

namespace drovik::test {

inline void putText(QByteArray &bytes, int offset, const QByteArray &text)
{
    bytes.replace(offset, text.size(), text);
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

} // namespace drovik::test
