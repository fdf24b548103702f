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
    static const KillTestRecord records[2] = {
        {1, [] {
             QByteArray b(432, '\x11');
             b[0] = char(432 & 0xFF); b[1] = char(432 >> 8); b[2] = 0; b[3] = 0;
             return b;
         }()},
        {5, [] {
             QByteArray b(508, '\x22');
             b[0] = char(508 & 0xFF); b[1] = char(508 >> 8); b[2] = 0; b[3] = 0;
             return b;
         }()},
    };
    return records[which];
}

} // namespace drovik::test
