#include "telemetry/telemetry_export.h"

#include "telemetry/trip_statistics.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdio>
#include <vector>

namespace drovik::telemetry {

namespace {

// xsd:decimal has no exponent: the shortest round-trip text in fixed notation.
std::string fixedFloat(float value)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    return std::string(buffer, result.ptr);
}

std::string xmlEscaped(std::string_view text)
{
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default:
            // Control characters are not allowed in XML 1.0 text.
            if (static_cast<unsigned char>(c) >= 0x20 || c == '\t' || c == '\n' || c == '\r')
                out += c;
        }
    }
    return out;
}

// The samples with a usable fix, in order: not (0, 0), finite, within ±90 / ±180 degrees.
std::vector<int> trackSamples(const DrovikClipData &clip, int firstSample = 0, int endSample = INT_MAX)
{
    std::vector<int> samples;
    const int end = std::min(endSample, int(clip.clipDataCount()));
    for (int i = std::max(firstSample, 0); i < end; ++i) {
        if (isUsableFix(clip.getGpsLat(i), clip.getGpsLng(i)))
            samples.push_back(i);
    }
    return samples;
}

// A CSV field quoted when it holds a separator, a quote or a line break (RFC 4180).
std::string csvField(std::string_view text)
{
    if (text.find_first_of(",\"\r\n") == std::string_view::npos)
        return std::string(text);
    std::string quoted = "\"";
    for (char c : text)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + '"';
}

std::optional<ClipTime> sampleTime(TrackStart start, int sample)
{
    if (!start)
        return std::nullopt;
    return *start + std::chrono::milliseconds(100) * sample;
}

// One row per sample, each after `prefix` (the trip's clip column, or nothing).
void writeCsvRows(std::ostream &out, const DrovikClipData &clip, TrackStart start, std::string_view prefix)
{
    for (int i = 0; i < int(clip.clipDataCount()); ++i) {
        int x, y, z;
        float lat, lng;
        uint32_t speed;
        clip.getClipDataWithIndex(i, x, y, z, lat, lng, speed);
        out << prefix << i << ',' << i / 10 << '.' << i % 10 << ',' << x << ',' << y << ',' << z << ','
            << floatText(lat) << ',' << floatText(lng) << ',' << speed << ',';
        if (const auto time = sampleTime(start, i))
            out << isoTimeText(*time);
        out << '\n';
    }
}

void writeGpxHeader(std::ostream &out, std::string_view trackName)
{
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<gpx version=\"1.1\" creator=\"Drovik Viewer\" xmlns=\"http://www.topografix.com/GPX/1/1\">\n"
           "  <trk>\n    <name>"
        << xmlEscaped(trackName) << "</name>\n";
}

void writeGpxSegment(std::ostream &out, const DrovikClipData &clip, int firstSample, int endSample, TrackStart start)
{
    out << "    <trkseg>\n";
    for (const int i : trackSamples(clip, firstSample, endSample)) {
        out << "      <trkpt lat=\"" << fixedFloat(clip.getGpsLat(i)) << "\" lon=\"" << fixedFloat(clip.getGpsLng(i))
            << "\">";
        if (const auto time = sampleTime(start, i))
            out << "<time>" << isoTimeText(*time) << "</time>";
        out << "<cmt>" << i / 10 << '.' << i % 10 << " s, " << clip.getGpsSpeed(i) << " km/h</cmt></trkpt>\n";
    }
    out << "    </trkseg>\n";
}

constexpr const char *kGpxFooter = "  </trk>\n</gpx>\n";

void writeKmlHeader(std::ostream &out, std::string_view name, bool timed)
{
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<kml xmlns=\"http://www.opengis.net/kml/2.2\""
        << (timed ? " xmlns:gx=\"http://www.google.com/kml/ext/2.2\"" : "")
        << ">\n  <Document>\n    <name>" << xmlEscaped(name) << "</name>\n";
}

void writeKmlPlacemark(std::ostream &out, const DrovikClipData &clip, std::string_view name, TrackStart start)
{
    out << "    <Placemark>\n      <name>" << xmlEscaped(name) << "</name>\n";
    const std::vector<int> samples = trackSamples(clip);
    // KML writes longitude first.
    if (start) {
        // A timed track lists every <when> and then the coordinates in the same order.
        out << "      <gx:Track>\n";
        for (const int i : samples)
            out << "        <when>" << isoTimeText(*sampleTime(start, i)) << "</when>\n";
        for (const int i : samples)
            out << "        <gx:coord>" << fixedFloat(clip.getGpsLng(i)) << ' ' << fixedFloat(clip.getGpsLat(i))
                << " 0</gx:coord>\n";
        out << "      </gx:Track>\n";
    } else {
        out << "      <LineString>\n        <tessellate>1</tessellate>\n        <coordinates>\n";
        for (const int i : samples)
            out << "          " << fixedFloat(clip.getGpsLng(i)) << ',' << fixedFloat(clip.getGpsLat(i)) << ",0\n";
        out << "        </coordinates>\n      </LineString>\n";
    }
    out << "    </Placemark>\n";
}

constexpr const char *kKmlFooter = "  </Document>\n</kml>\n";

// The fixes a map can draw: finite, within ±90 / ±180 degrees, not (0, 0) (a receiver without a fix).
std::vector<const TimedFix *> drawableFixes(const TimedTrack &track)
{
    std::vector<const TimedFix *> fixes;
    for (const TimedFix &fix : track.fixes) {
        const bool inRange = std::abs(fix.latitude) <= 90 && fix.longitude >= -180 && fix.longitude < 180;
        if (inRange && (fix.latitude != 0 || fix.longitude != 0))
            fixes.push_back(&fix);
    }
    return fixes;
}

std::string fixedDouble(double value)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    return std::string(buffer, result.ptr);
}

std::optional<ClipTime> timedMoment(const TimedTrack &track, double timeS)
{
    if (!track.start || !std::isfinite(timeS))
        return std::nullopt;
    return *track.start + std::chrono::milliseconds(std::llround(timeS * 1000));
}

std::string optionalText(const std::optional<double> &value)
{
    return value ? doubleText(*value) : std::string();
}

void writeTimedCsvRow(std::ostream &out, const TimedTrack &track, double timeS, const std::string &position,
                      const std::string &acceleration)
{
    out << doubleText(timeS) << ',' << position << ',' << acceleration << ',';
    if (const auto time = timedMoment(track, timeS))
        out << isoTimeText(*time);
    out << '\n';
}

// The shortest decimal that reads back as the same value; non-finite ones as words.
template <typename Real>
std::string shortestText(Real value)
{
    if (std::isnan(value))
        return "nan";
    if (std::isinf(value))
        return value > 0 ? "inf" : "-inf";
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

} // namespace

std::string doubleText(double value)
{
    return shortestText(value);
}

void writeTimedCsv(std::ostream &out, const TimedTrack &track)
{
    out << "time_s,lat,lng,speed_kmh,heading_deg,alt_m,gx,gy,gz,datetime\n";
    auto fix = track.fixes.begin();
    auto sample = track.accelerations.begin();
    while (fix != track.fixes.end() || sample != track.accelerations.end()) {
        const bool fixFirst = sample == track.accelerations.end()
            || (fix != track.fixes.end() && fix->timeS <= sample->timeS);
        if (fixFirst) {
            writeTimedCsvRow(out, track, fix->timeS,
                             doubleText(fix->latitude) + ',' + doubleText(fix->longitude) + ','
                                 + optionalText(fix->speedKmh) + ',' + optionalText(fix->headingDegrees) + ','
                                 + optionalText(fix->altitudeM),
                             ",,");
            ++fix;
        } else {
            writeTimedCsvRow(out, track, sample->timeS, ",,,,",
                             doubleText(sample->x) + ',' + doubleText(sample->y) + ',' + doubleText(sample->z));
            ++sample;
        }
    }
}

// Another make's track as one GPX segment, and as one KML placemark (for the clip and the trip).
void writeTimedSegment(std::ostream &out, const TimedTrack &track);
void writeTimedPlacemark(std::ostream &out, const TimedTrack &track, std::string_view name);

void writeTimedGpx(std::ostream &out, const TimedTrack &track, std::string_view trackName)
{
    writeGpxHeader(out, trackName);
    writeTimedSegment(out, track);
    out << kGpxFooter;
}

void writeTimedSegment(std::ostream &out, const TimedTrack &track)
{
    out << "    <trkseg>\n";
    for (const TimedFix *fix : drawableFixes(track)) {
        out << "      <trkpt lat=\"" << fixedDouble(fix->latitude) << "\" lon=\"" << fixedDouble(fix->longitude)
            << "\">";
        if (fix->altitudeM && std::isfinite(*fix->altitudeM))
            out << "<ele>" << fixedDouble(*fix->altitudeM) << "</ele>";
        if (const auto time = timedMoment(track, fix->timeS))
            out << "<time>" << isoTimeText(*time) << "</time>";
        out << "<cmt>" << doubleText(fix->timeS) << " s";
        if (fix->speedKmh)
            out << ", " << doubleText(*fix->speedKmh) << " km/h";
        if (fix->headingDegrees)
            out << ", " << doubleText(*fix->headingDegrees) << " deg";
        out << "</cmt></trkpt>\n";
    }
    out << "    </trkseg>\n";
}

void writeTimedKml(std::ostream &out, const TimedTrack &track, std::string_view trackName)
{
    writeKmlHeader(out, trackName, track.start.has_value());
    writeTimedPlacemark(out, track, trackName);
    out << kKmlFooter;
}

void writeTimedPlacemark(std::ostream &out, const TimedTrack &track, std::string_view name)
{
    const std::vector<const TimedFix *> fixes = drawableFixes(track);
    const auto coordinates = [](const TimedFix &fix, char separator) {
        const double altitude = fix.altitudeM && std::isfinite(*fix.altitudeM) ? *fix.altitudeM : 0;
        return fixedDouble(fix.longitude) + separator + fixedDouble(fix.latitude) + separator + fixedDouble(altitude);
    };
    out << "    <Placemark>\n      <name>" << xmlEscaped(name) << "</name>\n";
    if (track.start) {
        out << "      <gx:Track>\n";
        for (const TimedFix *fix : fixes)
            out << "        <when>" << isoTimeText(*timedMoment(track, fix->timeS)) << "</when>\n";
        for (const TimedFix *fix : fixes)
            out << "        <gx:coord>" << coordinates(*fix, ' ') << "</gx:coord>\n";
        out << "      </gx:Track>\n";
    } else {
        out << "      <LineString>\n        <tessellate>1</tessellate>\n        <coordinates>\n";
        for (const TimedFix *fix : fixes)
            out << "          " << coordinates(*fix, ',') << '\n';
        out << "        </coordinates>\n      </LineString>\n";
    }
    out << "    </Placemark>\n";
}

std::string isoTimeText(ClipTime time)
{
    using namespace std::chrono;
    const sys_days day = floor<days>(time);
    const year_month_day date(day);
    const hh_mm_ss clock(time - day);
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%04d-%02u-%02uT%02d:%02d:%02d.%03dZ", int(date.year()),
                  unsigned(date.month()), unsigned(date.day()), int(clock.hours().count()),
                  int(clock.minutes().count()), int(clock.seconds().count()), int(clock.subseconds().count()));
    return buffer;
}

std::string floatText(float value)
{
    return shortestText(value);
}

void writeClipCsv(std::ostream &out, const DrovikClipData &clip, TrackStart start)
{
    out << "index,time_s,gx,gy,gz,lat,lng,speed_kmh,datetime\n";
    writeCsvRows(out, clip, start, {});
}

void writeClipGpx(std::ostream &out, const DrovikClipData &clip, std::string_view trackName, TrackStart start)
{
    writeClipGpx(out, clip, trackName, 0, INT_MAX, start);
}

int trackPointCount(const DrovikClipData &clip, int firstSample, int endSample)
{
    return int(trackSamples(clip, firstSample, endSample).size());
}

void writeClipGpx(std::ostream &out, const DrovikClipData &clip, std::string_view trackName,
                  int firstSample, int endSample, TrackStart start)
{
    writeGpxHeader(out, trackName);
    writeGpxSegment(out, clip, firstSample, endSample, start);
    out << kGpxFooter;
}

void writeClipKml(std::ostream &out, const DrovikClipData &clip, std::string_view trackName, TrackStart start)
{
    writeKmlHeader(out, trackName, start.has_value());
    writeKmlPlacemark(out, clip, trackName, start);
    out << kKmlFooter;
}

void writeTripCsv(std::ostream &out, std::span<const TrackSegment> segments)
{
    out << "clip,index,time_s,gx,gy,gz,lat,lng,speed_kmh,datetime\n";
    for (const TrackSegment &segment : segments) {
        if (segment.timed) {
            int index = 0;
            for (const TimedFix *fix : drawableFixes(*segment.timed)) {
                out << csvField(segment.name) << ',' << index++ << ',' << doubleText(fix->timeS) << ",,,,"
                    << fixedDouble(fix->latitude) << ',' << fixedDouble(fix->longitude) << ','
                    << optionalText(fix->speedKmh) << ',';
                if (const auto time = timedMoment(*segment.timed, fix->timeS))
                    out << isoTimeText(*time);
                out << '\n';
            }
        } else if (segment.clip) {
            writeCsvRows(out, *segment.clip, segment.start, csvField(segment.name) + ',');
        }
    }
}

void writeTripGpx(std::ostream &out, std::span<const TrackSegment> segments, std::string_view trackName)
{
    writeGpxHeader(out, trackName);
    for (const TrackSegment &segment : segments) {
        if (segment.timed)
            writeTimedSegment(out, *segment.timed);
        else if (segment.clip)
            writeGpxSegment(out, *segment.clip, 0, INT_MAX, segment.start);
    }
    out << kGpxFooter;
}

void writeTripKml(std::ostream &out, std::span<const TrackSegment> segments, std::string_view trackName)
{
    const bool timed = std::any_of(segments.begin(), segments.end(), [](const TrackSegment &s) {
        return s.start.has_value() || (s.timed && s.timed->start);
    });
    writeKmlHeader(out, trackName, timed);
    for (const TrackSegment &segment : segments) {
        if (segment.timed)
            writeTimedPlacemark(out, *segment.timed, segment.name);
        else if (segment.clip)
            writeKmlPlacemark(out, *segment.clip, segment.name, segment.start);
    }
    out << kKmlFooter;
}

} // namespace drovik::telemetry
