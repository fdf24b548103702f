#pragma once

// Text forms of a clip's telemetry for export and for the `drovik` command-line tool: CSV,
// GPX 1.1 and KML 2.2 of a DrovikClipData (its JSON form is the tool's own). Floats are written as the shortest
// decimal that reads back as the same float32; non-finite ones as "nan", "inf", "-inf".

#include "telemetry/clip_data.h"

#include <ostream>
#include <string>
#include <string_view>

namespace drovik::telemetry {

// Header index,time_s,gx,gy,gz,lat,lng,speed_kmh, then one row per sample.
void writeClipCsv(std::ostream &out, const DrovikClipData &clip);
// A GPX 1.1 track: one trkpt per sample with a usable fix (not (0, 0), finite, within ±90/±180).
void writeClipGpx(std::ostream &out, const DrovikClipData &clip, std::string_view trackName);
// The same track limited to the samples firstSample <= i < endSample (an incident's span); the
// points keep their time within the whole clip.
void writeClipGpx(std::ostream &out, const DrovikClipData &clip, std::string_view trackName,
                  int firstSample, int endSample);
// How many points the GPX and KML tracks of those samples hold.
int trackPointCount(const DrovikClipData &clip, int firstSample, int endSample);
// A KML 2.2 document: one Placemark whose LineString holds the same points as the GPX track.
void writeClipKml(std::ostream &out, const DrovikClipData &clip, std::string_view trackName);

// The float text used above: shortest round-trip decimal ("1e-05" style allowed); non-finite as words.
std::string floatText(float value);

} // namespace drovik::telemetry
