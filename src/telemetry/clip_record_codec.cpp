#include "telemetry/clip_record_codec.h"

#include "telemetry/little_endian_fields.h"

#include <algorithm>
#include <bit>
#include <cstdint>

// The record, all fields little-endian:
//
//   offset  size    field
//   0       4       clipDataCount (unsigned)
//   4       4       gpsDataCount (unsigned)
//   8       1       1 when the GPS start time follows, 0 when the clip has none
//   9       8       the GPS start time, milliseconds since 1970-01-01 UTC (signed); 0 when the flag is 0
//   17      18 × n  the samples 0 … n-1, n = min(clipDataCount, kCapacity), each:
//                     gx, gy, gz      3 × 2  signed, 1/128 g
//                     lat, lng        2 × 4  IEEE 754 single-precision bits, degrees
//                     speed           4      unsigned, km/h
//
// Samples past clipDataCount carry no meaning and are not kept.

namespace drovik::telemetry {

namespace {

constexpr std::size_t kHeaderBytes = 17;
constexpr std::size_t kSampleBytes = 18;

std::size_t keptSamples(uint32_t clipDataCount)
{
    return std::min<std::size_t>(clipDataCount, DrovikClipData::kCapacity);
}

} // namespace

std::string ClipRecordCodec::encode(const DrovikClipData &clip)
{
    const std::size_t n = keptSamples(clip.m_clipDataCount);
    std::string out;
    out.reserve(kHeaderBytes + kSampleBytes * n);
    LittleEndianWriter writer(out);
    writer.put(clip.m_clipDataCount, 4);
    writer.put(clip.m_gpsDataCount, 4);
    writer.put(clip.m_gpsStartTime ? 1 : 0, 1);
    writer.put(clip.m_gpsStartTime ? uint64_t(clip.m_gpsStartTime->time_since_epoch().count()) : 0, 8);
    for (std::size_t i = 0; i < n; ++i) {
        writer.put(uint16_t(clip.gx[i]), 2);
        writer.put(uint16_t(clip.gy[i]), 2);
        writer.put(uint16_t(clip.gz[i]), 2);
        writer.put(std::bit_cast<uint32_t>(clip.gpsInfoLat[i]), 4);
        writer.put(std::bit_cast<uint32_t>(clip.gpsInfoLng[i]), 4);
        writer.put(clip.gpsSpeed[i], 4);
    }
    return out;
}

std::optional<DrovikClipData> ClipRecordCodec::decode(std::string_view bytes)
{
    if (bytes.size() < kHeaderBytes)
        return std::nullopt;
    LittleEndianReader reader(bytes);
    DrovikClipData clip;
    clip.m_clipDataCount = uint32_t(reader.take(4));
    clip.m_gpsDataCount = uint32_t(reader.take(4));
    const uint64_t hasStart = reader.take(1);
    const int64_t startMs = int64_t(reader.take(8));
    const std::size_t n = keptSamples(clip.m_clipDataCount);
    if (bytes.size() != kHeaderBytes + kSampleBytes * n || hasStart > 1 || (hasStart == 0 && startMs != 0))
        return std::nullopt;
    if (hasStart)
        clip.m_gpsStartTime = ClipTime(std::chrono::milliseconds(startMs));
    for (std::size_t i = 0; i < n; ++i) {
        clip.gx[i] = int16_t(uint16_t(reader.take(2)));
        clip.gy[i] = int16_t(uint16_t(reader.take(2)));
        clip.gz[i] = int16_t(uint16_t(reader.take(2)));
        clip.gpsInfoLat[i] = std::bit_cast<float>(uint32_t(reader.take(4)));
        clip.gpsInfoLng[i] = std::bit_cast<float>(uint32_t(reader.take(4)));
        clip.gpsSpeed[i] = uint32_t(reader.take(4));
    }
    return clip;
}

} // namespace drovik::telemetry
