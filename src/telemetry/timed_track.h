#pragma once

// Telemetry with a time on every sample, as other makes' cameras record it: GPS fixes at 1-10 Hz
// and an accelerometer at its own, often faster, rate, for as long as the clip runs. The clip
// record (DrovikClipData) stays for the formats that define its ten samples a second; this is the
// form of everything else, and it is never squeezed into the record's slots.
//
// Times are seconds from the clip's start. `start`, when known, is the UTC moment of time 0 (from
// the GPS's own date and time), so that an export can stamp each point.

#include "telemetry/clip_data.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace drovik::telemetry {

struct TimedFix {
    double timeS = 0;
    double latitude = 0;  // degrees, north positive
    double longitude = 0; // degrees, east positive
    std::optional<double> speedKmh;
    std::optional<double> headingDegrees; // course over ground, clockwise from true north
    std::optional<double> altitudeM;
    bool operator==(const TimedFix &) const = default;
};

// One accelerometer sample in g (1 g = 9.80665 m/s²), on the camera's own axes.
struct TimedAcceleration {
    double timeS = 0;
    double x = 0;
    double y = 0;
    double z = 0;
    bool operator==(const TimedAcceleration &) const = default;
};

struct TimedTrack {
    std::vector<TimedFix> fixes;                 // in time order
    std::vector<TimedAcceleration> accelerations; // in time order
    std::optional<ClipTime> start;

    bool empty() const { return fixes.empty() && accelerations.empty(); }
    bool operator==(const TimedTrack &) const = default;
};

// A track as bytes, for keeping it between runs (the per-clip telemetry cache); the layout is at
// the top of timed_track.cpp.
class TimedTrackCodec {
public:
    static std::string encode(const TimedTrack &track);
    // The track, or nothing when bytes are not exactly one track as encode writes it (any other
    // length, an unknown flag, bytes for a value marked unknown). Every field is bounds-checked.
    static std::optional<TimedTrack> decode(std::string_view bytes);
};

} // namespace drovik::telemetry
