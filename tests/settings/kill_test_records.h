#pragma once

#include "settings/store/record_layout.h"

#include <QByteArray>

namespace drovik::test {

// The two records the kill test alternates between: different models, so different lengths,
// and every byte different.
struct KillTestRecord {
    ModelType modelType;
    QByteArray bytes;
};

inline const KillTestRecord &killTestRecord(int which)
{
    const auto filled = [](int size, char byte) {
        QByteArray b(size, byte);
        b[0] = char(size & 0xFF); b[1] = char(size >> 8); b[2] = 0; b[3] = 0;
        return b;
    };
    static const KillTestRecord records[2] = {{1, filled(432, '\x11')}, {5, filled(508, '\x22')}};
    return records[which];
}

} // namespace drovik::test
