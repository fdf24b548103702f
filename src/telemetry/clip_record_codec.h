#pragma once

// A clip's telemetry record as bytes, for keeping it between runs (the per-clip telemetry cache)
// without reading the clip again. The layout is at the top of clip_record_codec.cpp.

#include "telemetry/clip_data.h"

#include <optional>
#include <string>
#include <string_view>

namespace drovik::telemetry {

class ClipRecordCodec {
public:
    // The record's bytes; decode(encode(clip)) answers every lookup as clip does.
    static std::string encode(const DrovikClipData &clip);
    // The record, or nothing when bytes are not exactly one record as encode writes it (any other
    // length, a flag other than 0 or 1, time bytes after a 0 flag). Every field is bounds-checked.
    static std::optional<DrovikClipData> decode(std::string_view bytes);
};

} // namespace drovik::telemetry
