#pragma once

// Trips: the drives a card holds. A camera cuts a drive into clips of a minute or so; a trip puts
// them back together in the order they were recorded.
//
// The rule (groupTrips, the one place it is applied):
//   - A recording is a clip with its rear partner; the pair is one entry, led by its front file.
//   - Entries go in time order by the start their file name tells (clipStartFromFileName), and an
//     entry joins the trip being built when it starts no later than the trip's end plus the gap
//     (kDefaultTripGapSeconds unless the caller says otherwise). The trip's end is the latest end
//     of its entries; an entry ends at its start plus its duration.
//   - Continuous recordings (cont_rec) always play. Any other driving recording (an event, a
//     manual clip, a saved copy) that starts more than kOverlapToleranceSeconds before the end of
//     the last recording the trip plays was recorded during it: it belongs to the trip as an extra,
//     marked on its timeline and not played twice. One that starts later plays in turn. On equal
//     starts the continuous recording comes first, then by recording folder order, so a saved copy
//     of an event clip is the extra, not the clip.
//   - Parking recordings (parking_rec, motion_rec, motion_timelapse_rec: what the camera records
//     while the car stands) never join a driving trip; consecutive ones form parking trips of their
//     own by the same rule.
//   - Other makes' clips (outside this maker's folders) read their kind from the listing's rule
//     table (readForeignClip): normal ones are continuous, parking ones parking, the rest other.
//   - An entry whose name tells no time is a trip of its own, listed after the timed trips in the
//     order given.
//   - Midnight is nothing special: the start carries the date, so a drive past midnight stays one
//     trip. The camera's clock is all there is to go by; when it jumps (set from GPS, a new battery)
//     the trip is cut where the jump opens a gap, and clips stamped back in time are sorted among
//     the earlier ones. Nothing tries to detect it.
//
// Durations. A clip's duration is what the caller knows: its telemetry's sample count when it has
// been read (ten samples a second), else kUsualClipSeconds, the length most cameras cut at. With
// the assumed length a continuous clip that is really shorter still joins its successor (the gap
// rule holds); an event clip right after it may then count as an extra.
//
// Everything here is pure and runs on any thread.

#include <QList>
#include <QString>
#include <QUrl>

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

namespace drovik {

inline constexpr double kDefaultTripGapSeconds = 10.0;
inline constexpr double kUsualClipSeconds = 60.0;
// Cameras overlap consecutive clips by a moment; that much overlap is not "recorded during it".
inline constexpr double kOverlapToleranceSeconds = 1.0;

enum class TripClipKind {
    Continuous, // always played
    Other,      // event, manual, saved copies, loose clips: played unless recorded during another
    Parking,    // recorded while parked: never in a driving trip
};

// What the rule looks at of one entry.
struct TripClip {
    // The start by the camera's clock, milliseconds since 1970 counted as UTC (clipStartFromFileName).
    std::optional<int64_t> startMs;
    double durationSeconds = kUsualClipSeconds;
    TripClipKind kind = TripClipKind::Other;
    // Breaks ties between equal starts after the kind: the lower rank comes first.
    int folderRank = 0;
};

struct TripMember {
    int clip = 0;       // index into the entries given to groupTrips
    bool extra = false; // recorded during a played clip: marked, not played
};

struct Trip {
    std::vector<TripMember> members; // in time order, extras among them at their start
    std::optional<int64_t> startMs;  // camera clock; nothing for an entry without a time
    std::optional<int64_t> endMs;
    bool parking = false;
};

// The entries a trip plays (its members that are not extras), in order.
std::vector<int> playedClips(const Trip &trip);

// The trips of the entries: timed trips in order of their start, then the untimed entries.
std::vector<Trip> groupTrips(std::span<const TripClip> clips, double gapSeconds = kDefaultTripGapSeconds);

// One entry of a listing: a clip and its partner, when the listing holds it.
struct TripRecording {
    QUrl clip;
    QUrl partner; // empty when there is none
};

// The entries of a listing (any order): each rear file whose front partner is listed goes with it;
// every other file is an entry of its own. Entries keep the listing's order.
QList<TripRecording> tripRecordings(const QList<QUrl> &listing);

// What the rule reads of an entry: its start from its name, its kind and rank from its folder
// (another make's clip: its kind from readForeignClip, the rank after this maker's folders); the
// duration given (in seconds), else kUsualClipSeconds.
TripClip tripClipOf(const QUrl &clip, std::optional<double> durationSeconds = std::nullopt);

// The listing grouped: the entries and their trips. durationOf gives an entry's duration in
// seconds when the caller knows it (may be empty).
struct ListedTrips {
    QList<TripRecording> recordings;
    std::vector<Trip> trips;
};
ListedTrips groupListedTrips(const QList<QUrl> &listing, double gapSeconds = kDefaultTripGapSeconds,
                             const std::function<std::optional<double>(const TripRecording &)> &durationOf = {});

// "yyyy-MM-ddTHH:mm:ss" of a camera-clock time (as the camera wrote it; no zone).
QString cameraTimeText(int64_t ms);

} // namespace drovik
