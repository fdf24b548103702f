#pragma once

// The record logic shared by the scanning reader and the subtitle record reader: accelerometer
// records fill a pending block of up to a clip's capacity, RMC records close it into ten output samples.

#include "telemetry/sample_writer.h"

#include <span>
#include <string_view>

namespace drovik::telemetry {

class LineRecordReader {
public:
    explicit LineRecordReader(DrovikClipData &clip) : writer_(clip) {}

    // One text line found behind a "02tx"/"03tx" marker (already known to be valid UTF-8).
    void handleEmbeddedLine(std::string_view line);
    // One cue payload of a subtitle telemetry file, fields already joined as the reader takes them.
    void handleSubtitleFields(std::span<const std::string_view> fields);

    // No further sample can be stored; later input cannot change the result.
    bool isDone() const { return writer_.isFull(); }

    // End-of-input rules and the finishing pass; returns the sample count and sets gpsDataCount.
    int finish(uint32_t &gpsDataCount);

private:
    void handleRmc(std::span<const std::string_view> rmcFields, int flushCount, bool flushWhenEmpty);

    SampleWriter writer_;
    PendingBlock pending_{DrovikClipData::kCapacity};
    FixState fix_;
    bool rmcSeen_ = false;
};

bool isRmcName(std::string_view name);

} // namespace drovik::telemetry
