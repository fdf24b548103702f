#pragma once

// The figures of a drive (a trip or a single clip) from its clips' telemetry: how far, how long,
// how long moving, how fast, and its G-force events by kind.
//
//   - Distance: the great-circle (haversine, mean Earth radius) distances between consecutive
//     samples with a usable fix, summed. Two fixes further apart in time than kMaxFixGapSeconds
//     are not joined: the car went somewhere unseen (a tunnel, a pause between clips) and a straight
//     line would invent a route. A fix repeated over the samples of its second adds nothing.
//   - Duration: the clips' playing time (ten samples a second).
//   - Moving time: the samples with a fix whose speed is above kMovingSpeedKmh (GPS speed jitters
//     by a few km/h at a standstill).
//   - Maximum speed: the largest speed of a sample with a fix. Average moving speed: the mean speed
//     over the moving samples (each a tenth of a second), 0 when there are none.
//   - Events: detectGForceEvents per clip, counted by kind.

#include "telemetry/clip_data.h"
#include "telemetry/gforce_events.h"

#include <array>
#include <span>

namespace drovik::telemetry {

class TimedRecord;

inline constexpr double kMaxFixGapSeconds = 5.0;
inline constexpr double kMovingSpeedKmh = 3.0;
inline constexpr double kEarthRadiusM = 6371008.8;
// The international mile, for the figures shown in miles and the speeds read in them.
inline constexpr double kKmPerMile = 1.609344;

struct DriveStatistics {
    double durationS = 0;
    double distanceM = 0;
    double movingS = 0;
    double maxSpeedKmh = 0;
    double avgSpeedKmh = 0;
    // Indexed by GForceEventKind.
    std::array<int, 4> events{};
};

// One clip of a drive: its telemetry and where its sample 0 lies on the drive's timeline, in
// seconds from the drive's start (consecutive clips of a trip: the difference of their starts).
struct DriveClip {
    const DrovikClipData *clip = nullptr;
    double offsetSeconds = 0;
    // Another make's clip: its telemetry read at its own times, in place of an empty record.
    const TimedRecord *timed = nullptr;
};

// Clips in time order; a null clip counts as no telemetry.
DriveStatistics driveStatistics(std::span<const DriveClip> clips);
DriveStatistics clipStatistics(const DrovikClipData &clip);

// The great-circle distance between two points in decimal degrees, in metres.
double greatCircleMetres(double lat1, double lng1, double lat2, double lng2);

// Whether a sample's position is a usable fix: not (0, 0), finite, within ±90 / ±180 degrees (the
// exports draw the same points).
bool isUsableFix(float lat, float lng);

// "braking", "acceleration", "cornering", "impact": the kinds as the tool names them.
const char *eventKindName(GForceEventKind kind);

} // namespace drovik::telemetry
