#include "telemetry/timed_track.h"

#include "telemetry/little_endian_fields.h"

#include <bit>
#include <cstdint>

// A timed track, all fields little-endian, doubles as their IEEE 754 bits:
//
//   offset      size     field
//   0           4        n, the fixes (unsigned)
//   4           4        m, the accelerometer samples (unsigned)
//   8           1        1 when the start follows, 0 when the track has none
//   9           8        the start, milliseconds since 1970-01-01 UTC (signed); 0 when the flag is 0
//   17          49 × n   the fixes, each: time_s, latitude, longitude (3 × 8); which of speed,
//                        heading, altitude are known (1: bits 0, 1, 2); speed_kmh, heading,
//                        altitude_m (3 × 8, 0 when not known)
//   17 + 49n    32 × m   the samples, each: time_s, x, y, z (4 × 8)

namespace drovik::telemetry {

namespace {

constexpr uint64_t kHeaderBytes = 17;
constexpr uint64_t kFixBytes = 49;
constexpr uint64_t kSampleBytes = 32;

double takeDouble(LittleEndianReader &fields)
{
    return std::bit_cast<double>(fields.take(8));
}

} // namespace

std::string TimedTrackCodec::encode(const TimedTrack &track)
{
    std::string out;
    out.reserve(kHeaderBytes + kFixBytes * track.fixes.size() + kSampleBytes * track.accelerations.size());
    LittleEndianWriter writer(out);
    writer.put(track.fixes.size(), 4);
    writer.put(track.accelerations.size(), 4);
    writer.put(track.start ? 1 : 0, 1);
    writer.put(track.start ? uint64_t(track.start->time_since_epoch().count()) : 0, 8);
    for (const TimedFix &fix : track.fixes) {
        for (const double value : {fix.timeS, fix.latitude, fix.longitude})
            writer.put(std::bit_cast<uint64_t>(value), 8);
        writer.put((fix.speedKmh ? 1 : 0) | (fix.headingDegrees ? 2 : 0) | (fix.altitudeM ? 4 : 0), 1);
        for (const auto &value : {fix.speedKmh, fix.headingDegrees, fix.altitudeM})
            writer.put(value ? std::bit_cast<uint64_t>(*value) : 0, 8);
    }
    for (const TimedAcceleration &a : track.accelerations) {
        for (const double value : {a.timeS, a.x, a.y, a.z})
            writer.put(std::bit_cast<uint64_t>(value), 8);
    }
    return out;
}

std::optional<TimedTrack> TimedTrackCodec::decode(std::string_view bytes)
{
    if (bytes.size() < kHeaderBytes)
        return std::nullopt;
    LittleEndianReader fields(bytes);
    const uint64_t fixes = fields.take(4);
    const uint64_t samples = fields.take(4);
    const uint64_t hasStart = fields.take(1);
    const int64_t startMs = int64_t(fields.take(8));
    if (bytes.size() != kHeaderBytes + kFixBytes * fixes + kSampleBytes * samples || hasStart > 1
        || (hasStart == 0 && startMs != 0))
        return std::nullopt;
    TimedTrack track;
    if (hasStart)
        track.start = ClipTime(std::chrono::milliseconds(startMs));
    track.fixes.resize(fixes);
    for (TimedFix &fix : track.fixes) {
        fix.timeS = takeDouble(fields);
        fix.latitude = takeDouble(fields);
        fix.longitude = takeDouble(fields);
        const uint64_t known = fields.take(1);
        if (known > 7)
            return std::nullopt;
        int bit = 0;
        for (std::optional<double> *value : {&fix.speedKmh, &fix.headingDegrees, &fix.altitudeM}) {
            const uint64_t bits = fields.take(8);
            // What encode writes for a value not known is 0; anything else is not one of its tracks.
            if (known & (1u << bit++))
                *value = std::bit_cast<double>(bits);
            else if (bits != 0)
                return std::nullopt;
        }
    }
    track.accelerations.resize(samples);
    for (TimedAcceleration &a : track.accelerations) {
        a.timeS = takeDouble(fields);
        a.x = takeDouble(fields);
        a.y = takeDouble(fields);
        a.z = takeDouble(fields);
    }
    return track;
}

} // namespace drovik::telemetry
