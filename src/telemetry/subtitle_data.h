#pragma once

// SubtitleData: the cues of an MP4 clip's subtitle telemetry file, each with its start time, queried
// by the play timer's sample index (playing time × 10, truncated). For MP4 clips the playback
// controller takes the accelerometer readouts, the speed and the map position from here.
//
//   auto subtitles = SubtitleData::loadFromPath(srtPath);
//   int x, y, z;  if (subtitles.getSensorAt(index, x, y, z)) { … }
//   float lat, lng; uint32_t speed;
//   switch (subtitles.getGpsAt(index, lat, lng, speed)) { case 0: exact; case 1: interpolated or
//   nearest within one second; case 2: no fix (outs untouched) }

#include "telemetry/subtitle_patterns.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace drovik {

// One cue. A new entry carries the no-data values, which stay where the cue lacks a record.
class SubtitleEntry {
public:
    int32_t cts = 0;                   // cue start, milliseconds within the hour
    int32_t gx = -512, gy = -512, gz = -512; // 1/128 g, always within −512 … 512
    float lat = 512.0f, lng = 512.0f;  // signed decimal degrees
    uint32_t speed = 1024;             // km/h

    // A new entry whose cts comes from a timing-pattern match: minutes × 60 + seconds, in ms.
    static SubtitleEntry entryWithTime(const TimingMatch &match);

    // Clamp to −512 … 512.
    void setGx(int32_t value);
    void setGy(int32_t value);
    void setGz(int32_t value);

    // Update the entry from the fields of one record (field 0 its name).
    void parseSensor(std::span<const std::string_view> fields);  // "gsensor", X, Y, Z
    void parseSensorI(std::span<const std::string_view> fields); // "gsensori", divisor, dividend, X, Y, Z
    void parseGprmc(std::span<const std::string_view> fields);   // RMC sentence without "$"

    // An NMEA coordinate (ddmm.mmmm read as one number) and its hemisphere, to signed degrees.
    static float degree(std::string_view coordinate, std::string_view compass);
};

class SubtitleData {
public:
    std::vector<SubtitleEntry> entries;

    // Reads the file; a missing, unreadable or oversized one (see readWholeFile) gives no entries.
    static SubtitleData loadFromPath(const std::string &path);
    // Fills entries from UTF-8 text (cleared first); invalid UTF-8 gives no entries.
    void loadFromText(std::string_view text);

    // The accelerations of the first cue that starts exactly at index × 100 ms.
    bool getSensorAt(int index, int &x, int &y, int &z) const;
    // 0: a cue at exactly index × 100 ms has a fix; 1: nearest fix or interpolation between the two
    // nearest fixes less than 1000 ms away; 2: none (outs untouched).
    int getGpsAt(int index, float &lat, float &lng, uint32_t &speed) const;
};

} // namespace drovik
