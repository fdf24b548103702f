#pragma once

#include "telemetry/gforce_events.h"
#include "telemetry/trip_statistics.h"

#include <optional>
#include <span>
#include <vector>

namespace drovik::telemetry {

// A drive (a trip, or one clip) laid out on one timeline, in seconds from its start: where each of
// the clips it plays lies, its position and speed over time, and its G-force events. What the
// trip's timeline strip, its speed chart and its route on the map draw, and how a click on any of
// them is turned back into a clip and a moment in it.
struct DriveTrack {
    struct Clip {
        double offsetSeconds = 0;   // where the clip's sample 0 lies on the drive's timeline
        double durationSeconds = 0; // its samples' length when read, else the length it was given
        bool read = false;          // its telemetry has been read (the samples below include it)
    };
    struct Sample {
        double seconds = 0;  // on the drive's timeline
        int clip = 0;        // index into clips
        double clipSeconds = 0;
        bool fix = false;    // lat/lng are a usable fix (isUsableFix)
        double lat = 0;
        double lng = 0;
        float speedKmh = 0;  // the GPS speed; meaningful only with a fix
    };
    struct Event {
        double seconds = 0; // the peak, on the drive's timeline
        int clip = 0;
        double clipSeconds = 0;
        GForceEventKind kind = GForceEventKind::HarshBraking;
    };
    // Where a moment of the drive is played: the clip and the time within it.
    struct Moment {
        int clip = 0;
        double clipSeconds = 0;
        bool operator==(const Moment &) const = default;
    };

    std::vector<Clip> clips;     // in the order they play
    std::vector<Sample> samples; // every sample of the read clips, in time order
    std::vector<Event> events;   // in time order
    double durationSeconds = 0;  // from the drive's start to the end of its last clip

    // The clip that plays at `seconds` and the moment in it: the clip whose span holds it, the
    // next clip's start in a gap between two, the nearest end outside the drive; nothing for a
    // drive without clips.
    std::optional<Moment> momentAt(double seconds) const;
    // The moment on the drive's timeline of a clip's moment.
    double secondsOf(int clip, double clipSeconds) const;
};

// The drive of the clips (in the order they play, as CardTrips::played gives them) with the
// duration each is known to last; a clip without telemetry (null, or no samples) keeps the given
// duration and adds no samples.
DriveTrack driveTrack(std::span<const DriveClip> clips, std::span<const double> durationsSeconds);

} // namespace drovik::telemetry
