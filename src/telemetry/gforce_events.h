#pragma once

// G-force events: the moments of a clip where the car was thrown about hard enough for a driver
// to want to find them again — harsh braking, harsh acceleration, sharp cornering, an impact.
//
// Axes. The record's X, Y and Z are the camera's (the graph draws them red, yellow, blue and the
// read-outs label them the same). A windscreen camera is mounted upright facing the road, so its
// sensor reads X across the car (cornering), Y along it (positive when the car speeds up, negative
// when it brakes) and Z up and down, where gravity keeps about 1 g at all times. Only X and Y are
// looked at: the horizontal magnitude sqrt(X² + Y²) is what braking, accelerating and cornering
// produce, and leaving Z out keeps gravity, speed bumps and potholes from counting as events.
//
// Detection, per sample of the clip (ten a second):
//   - a sample whose horizontal magnitude reaches kEventThresholdG starts an event, or extends the
//     open one;
//   - an open event closes once kHoldOffSamples samples in a row stay under the threshold, so a
//     long or ragged peak (a braking that eases off for a moment and bites again) is one event,
//     not several;
//   - the event is placed at its peak sample (the largest magnitude; the first one on a tie) and
//     classified by what the sensor read there.
// Samples that are not a reading (not finite, or beyond kImplausibleG, which no dashboard sensor
// measures) are treated as quiet samples: they neither start nor extend an event.

#include "telemetry/clip_data.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace drovik::telemetry {

// Samples per second of playing time; sample i covers [i / 10, (i + 1) / 10) s.
inline constexpr int kSamplesPerSecond = 10;
// Record units per g (the record keeps the camera's 1/128 g).
inline constexpr float kRecordUnitsPerG = 128.0f;

// 0.4 g is where fleet telematics put "harsh": ordinary driving stays under 0.3 g, a firm but
// planned stop reaches about 0.3 g, an emergency stop on dry road 0.7 … 1 g.
inline constexpr float kEventThresholdG = 0.40f;
// Tyres cannot push a car sideways or along much beyond 1 g; 1.5 g in the horizontal plane means
// something struck the car (or the car struck something), whatever the direction.
inline constexpr float kImpactG = 1.5f;
// One second: a peak that dips under the threshold and comes back within it is the same event.
inline constexpr int kHoldOffSamples = kSamplesPerSecond;
// Dashboard sensors measure ±2 … ±16 g; more than that is a corrupt value, not a reading.
inline constexpr float kImplausibleG = 16.0f;

enum class GForceEventKind {
    HarshBraking,
    HarshAcceleration,
    Cornering,
    Impact,
};

// One sample's accelerations in g.
struct GForceSample {
    float gx = 0;
    float gy = 0;
    float gz = 0;
};

struct GForceEvent {
    int sampleIndex = 0;     // the peak sample
    double timeSeconds = 0;  // where the peak sample starts: sampleIndex / kSamplesPerSecond
    GForceEventKind kind = GForceEventKind::HarshBraking;
    float peakG = 0;         // horizontal magnitude at the peak, in g

    bool operator==(const GForceEvent &) const = default;
};

// The events of a series of samples, in time order.
std::vector<GForceEvent> detectGForceEvents(std::span<const GForceSample> samples);
// The samples of a clip's record in g: its valid ones, never more than its capacity. Record is
// DrovikClipData or anything with its kCapacity, clipDataCount() and getGx/getGy/getGz(index).
template <typename Record>
std::vector<GForceSample> gforceSamplesOf(const Record &clip)
{
    const int count = int(std::min<uint64_t>(clip.clipDataCount(), uint64_t(Record::kCapacity)));
    std::vector<GForceSample> samples(std::size_t(std::max(count, 0)));
    for (int i = 0; i < count; ++i) {
        samples[std::size_t(i)] = GForceSample{float(clip.getGx(i)) / kRecordUnitsPerG, float(clip.getGy(i)) / kRecordUnitsPerG,
                                               float(clip.getGz(i)) / kRecordUnitsPerG};
    }
    return samples;
}
// The events of a clip's record.
std::vector<GForceEvent> detectGForceEvents(const DrovikClipData &clip);

// Where jumping to an event lands: kEventLeadInSeconds before its peak (not before the start of
// the clip), so the viewer sees the car come into the event rather than the middle of it.
inline constexpr double kEventLeadInSeconds = 2.0;
double eventSeekTime(const GForceEvent &event);

// Jumping from the playing position `now` (seconds). Next: the first event whose seek time lies
// ahead of now by more than kEventNearSeconds (so a second press from where the first landed
// moves on). Previous: the last event whose seek time lies behind now by more than
// kEventRepeatSeconds, so a press while an event plays returns to that event's start, and a press
// right after a jump goes to the one before. Nothing when there is no such event.
inline constexpr double kEventNearSeconds = 0.25;
inline constexpr double kEventRepeatSeconds = 1.0;
std::optional<double> nextEventSeekTime(std::span<const GForceEvent> events, double now);
std::optional<double> previousEventSeekTime(std::span<const GForceEvent> events, double now);

} // namespace drovik::telemetry
