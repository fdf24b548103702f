#pragma once

// Text forms of a clip's telemetry for export and for the `drovik` command-line tool: CSV,
// GPX 1.1 and KML 2.2 of a DrovikClipData or a TimedTrack (their JSON form is the tool's own). Floats are written as the shortest
// decimal that reads back as the same float32; non-finite ones as "nan", "inf", "-inf".
//
// Times: a point's time is the track's start plus its sample's offset, written in ISO 8601 with
// "Z" as GPX and KML require. The start read from a clip's file name is the camera's clock, which
// knows no zone: it is written as it reads, as though it were UTC - the way the viewer counts that
// clock everywhere, so no daylight-saving step moves it - and the times then match what the camera
// stamped on its video. A start taken from the GPS (RMC sentences) is true UTC.

#include "telemetry/clip_data.h"
#include "telemetry/timed_track.h"

#include <optional>
#include <span>
#include <ostream>
#include <string>
#include <string_view>

namespace drovik::telemetry {

// When a clip's track starts: sample i was recorded at start + i/10 s. Nothing when unknown; the
// points then carry no time.
using TrackStart = std::optional<ClipTime>;

// Header index,time_s,gx,gy,gz,lat,lng,speed_kmh,datetime, then one row per sample; datetime (the
// last column, so the earlier ones keep their places) is the sample's ISO 8601 time as in the GPX
// track, empty when the start is unknown.
void writeClipCsv(std::ostream &out, const DrovikClipData &clip, TrackStart start = {});
// A GPX 1.1 track: one trkpt per sample with a usable fix (not (0, 0), finite, within ±90/±180),
// each with its <time> when the start is known.
void writeClipGpx(std::ostream &out, const DrovikClipData &clip, std::string_view trackName,
                  TrackStart start = {});
// The same track limited to the samples firstSample <= i < endSample (an incident's span); the
// points keep their time within the whole clip.
void writeClipGpx(std::ostream &out, const DrovikClipData &clip, std::string_view trackName,
                  int firstSample, int endSample, TrackStart start = {});
// How many points the GPX and KML tracks of those samples hold.
int trackPointCount(const DrovikClipData &clip, int firstSample, int endSample);
// A KML 2.2 document with one Placemark holding the same points as the GPX track: a gx:Track
// with a <when> per point when the start is known, else a LineString.
void writeClipKml(std::ostream &out, const DrovikClipData &clip, std::string_view trackName,
                  TrackStart start = {});

// A drive of several clips as one track: one segment per clip, in order, each timed from its own
// start (the points of consecutive clips follow on in time; a gap between clips stays a gap).
struct TrackSegment {
    const DrovikClipData *clip = nullptr; // null: skipped
    std::string name;                     // the clip, as the KML placemark and CSV column name it
    TrackStart start;
    // Another make's clip: its track with its own times, written in place of the record.
    const TimedTrack *timed = nullptr;
};
// Header clip,index,time_s,… as writeClipCsv's, each row led by its clip's name; another make's
// clip gives a row per fix (its number, its own time, no accelerations).
void writeTripCsv(std::ostream &out, std::span<const TrackSegment> segments);
// A GPX 1.1 track with one trkseg per clip, the points as writeClipGpx writes them.
void writeTripGpx(std::ostream &out, std::span<const TrackSegment> segments, std::string_view trackName);
// A KML 2.2 document with one Placemark per clip, each as writeClipKml writes its one.
void writeTripKml(std::ostream &out, std::span<const TrackSegment> segments, std::string_view trackName);

// Another make's track, timed sample by sample (timed_track.h).
// Header time_s,lat,lng,speed_kmh,heading_deg,alt_m,gx,gy,gz,datetime; the fixes and the
// accelerometer samples merged in time order, a fix's row with empty g columns, a sample's with
// empty position columns; an unknown value is an empty field, datetime empty without a start.
void writeTimedCsv(std::ostream &out, const TimedTrack &track);
// A GPX 1.1 track of the usable fixes, each with its <ele> when known, its <time> when the start is
// known, and a comment giving its offset, speed and heading.
void writeTimedGpx(std::ostream &out, const TimedTrack &track, std::string_view trackName);
// A KML 2.2 document with one Placemark of the same points: a gx:Track with a <when> per point
// when the start is known, else a LineString.
void writeTimedKml(std::ostream &out, const TimedTrack &track, std::string_view trackName);

// The text of a double as the writers above print it: the shortest decimal that reads back as the
// same value; non-finite as "nan", "inf", "-inf".
std::string doubleText(double value);

// The float text used above: shortest round-trip decimal ("1e-05" style allowed); non-finite as words.
std::string floatText(float value);

// A moment as ISO 8601 in UTC to the millisecond: "2024-05-17T10:15:00.100Z".
std::string isoTimeText(ClipTime time);

} // namespace drovik::telemetry
