#pragma once

// Machinery the clip readers share: the pending block of accelerometer samples, the GPS fix state,
// RMC decoding, the block flush that turns one second of camera data into ten samples, and the
// finishing pass that turns raw NMEA coordinates into signed degrees. Internal to the library.

#include "telemetry/clip_data.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace drovik::telemetry {

struct AccelSample {
    int16_t x = 0;
    int16_t y = 0;
    int16_t z = 0;
};

struct FixState {
    uint32_t rawLatitudeMicrodegrees = 0;
    uint32_t rawLongitudeMicrodegrees = 0;
    char32_t latitudeLetter = U'N';
    char32_t longitudeLetter = U'E';
    uint32_t speedKmh = 0;
    std::optional<ClipTime> time; // the fix's UTC date and time, whole seconds, when the sentence has them
};

// Accelerometer samples read since the last flush. The storage is never cleared between flushes
// (a flush of an empty block repeats slot 0, which still holds the first sample of the block before).
class PendingBlock {
public:
    explicit PendingBlock(int bound) : m_slots(std::size_t(bound)) {}
    int count() const { return m_count; }
    bool isFull() const { return m_count >= int(m_slots.size()); }
    // Appends unless full; a sample that arrives when the block is full is dropped.
    void append(AccelSample sample);
    const AccelSample &at(int index) const { return m_slots[std::size_t(index)]; }
    void reset() { m_count = 0; }

private:
    std::vector<AccelSample> m_slots;
    int m_count = 0;
};

// Appends output samples to a clip record, keeping each sample's raw coordinates until finish().
class SampleWriter {
public:
    explicit SampleWriter(DrovikClipData &clip) : m_clip(clip) { m_clip.m_gpsStartTime.reset(); }
    int count() const { return m_count; }
    bool isFull() const { return m_count >= DrovikClipData::kCapacity; }
    // Samples past the capacity are dropped.
    void append(AccelSample sample, const FixState &fix);
    // Block flush of the first n pending samples (n may be 0: then slot 0 is repeated); n <= 10 is
    // stretched to ten samples, n >= 11 thinned to ten. The block is not reset here. The first
    // fix with a time dates the clip: its second is the block's.
    void flush(const PendingBlock &block, int n, const FixState &fix);
    // Finishing pass: signed degrees from the raw coordinates; returns the number of samples with a
    // position other than (0, 0).
    uint32_t finish();

private:
    DrovikClipData &m_clip;
    int m_count = 0;
    std::array<FixState, DrovikClipData::kCapacity> m_fixes{};
};

// Block flush index patterns, exposed for the tables in the tests: which pending slot each of the
// ten outputs takes.
std::array<int, 10> flushPattern(int n);

// RMC decoding from the fields of a sentence (field 0 the sentence name; at least 8 fields; the
// time, field 1, and the date, field 9, are read when present).
void decodeRmc(std::span<const std::string_view> fields, FixState &fix);

// The leading-number trim of a last accelerometer field that may run into other bytes of the file.
std::string_view leadingNumberTrim(std::string_view field);

// Accelerometer samples of "gsensor" (X, Y, Z in 1/128 g) and "gsensori" (divisor, dividend, raw
// X, Y, Z) lines as the record readers take them; fields as split at ",", field 0 the line type.
AccelSample gsensorSample(std::span<const std::string_view> fields);
AccelSample gsensoriSample(std::span<const std::string_view> fields);

// The ratio dividend / divisor of a "gsensori" line, 0 when the divisor reads as 0.
int32_t gsensoriRatio(std::string_view divisor, std::string_view dividend);

// Float to integer conversions with the truncation the formats use, made total: NaN gives 0, values
// beyond the target range saturate (signed) or give 0 (unsigned speeds wrap modulo 2^32 when in the
// 64-bit range, as the cameras' own arithmetic does).
int32_t truncateToInt32(double value);
uint32_t truncateToUint32Wrapping(double value);

} // namespace drovik::telemetry
