#pragma once

#include "settings/store/record_layout.h"

#include <array>
#include <span>

namespace drovik {

// The record values the viewer writes when a card of the first two generations has no record.
enum class DefaultsFamily { K210 = 0, R640, V470, V820, R930 };

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
