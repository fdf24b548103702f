#pragma once

#include "settings/store/record_layout.h"

#include <array>
#include <span>

namespace drovik {

struct DefaultValue {
    enum Kind { None, Number, Text, Nil } kind = None; // None: beyond this family's record
    qint32 number = 0;
    const char *text = nullptr;
};

struct DefaultRow {
    Field field;
    std::array<DefaultValue, 5> values; // indexed by DefaultsFamily
};

// One row per field that any family's defaults set, in record order.
std::span<const DefaultRow> builtInDefaultRows();

} // namespace drovik
