#pragma once

// The record logic shared by the scanning reader and the subtitle record reader: accelerometer
// records fill a pending block of up to a clip's capacity, RMC records close it into ten output samples.

#include "telemetry/sample_writer.h"

#include <span>
#include <string_view>

namespace drovik::telemetry {

class LineRecordReader {
public:
    explicit LineRecordReader(DrovikClipData &clip) : m_writer(clip) {}

    // One text line found behind a "02tx"/"03tx" marker (already known to be valid UTF-8).
    void handleEmbeddedLine(std::string_view line);
    // One cue payload of a subtitle telemetry file, fields already joined as the reader takes them.
    void handleSubtitleFields(std::span<const std::string_view> fields);

    // No further sample can be stored; later input cannot change the result.
    bool isDone() const { return m_writer.isFull(); }

    // End-of-input rules and the finishing pass; returns the sample count and sets gpsDataCount.
    int finish(uint32_t &gpsDataCount);

private:
    void handleRmc(std::span<const std::string_view> rmcFields, int flushCount, bool flushWhenEmpty);

    SampleWriter m_writer;
    PendingBlock m_pending{DrovikClipData::kCapacity};
    FixState m_fix;
    bool m_rmcSeen = false;
};

bool isRmcName(std::string_view name);

} // namespace drovik::telemetry
