#pragma once

// Another make's timed track (timed_track.h) as the displays read a clip: sample i is the moment
// i / 10 s, for as long as the track runs, with the lookups of DrovikClipData. The track keeps its
// own times: each sample is worked out from them (the fix in effect at that moment, the mean of
// the accelerometer samples within its tenth of a second), so nothing is squeezed into the clip
// record's 650 slots and a clip of three minutes reads as 1 800 samples.
//
// Units as in the record: accelerations in 1/128 g, positions in degrees (0, 0 without a fix),
// speeds in whole km/h.

#include "telemetry/clip_data.h"
#include "telemetry/gforce_events.h"
#include "telemetry/timed_track.h"

#include <cstdint>
#include <limits>
#include <optional>
#include <vector>

namespace drovik::telemetry {

class TimedRecord {
public:
    // No fixed capacity: the track's length decides. The templates over a record clamp with it.
    static constexpr int kCapacity = std::numeric_limits<int>::max();
    // A fix holds for this long after its time (GPS at 1 Hz); beyond, the moment has no fix.
    static constexpr double kFixReachSeconds = 2.5;
    // An accelerometer sample holds for this long when a tenth of a second has none of its own:
    // until the next one for a sensor read once a second or faster.
    static constexpr double kAccelerationReachSeconds = 1.5;

    TimedRecord() = default;
    explicit TimedRecord(const TimedTrack &track);

    uint32_t clipDataCount() const { return uint32_t(m_gx.size()); }
    // Every sample when the track has a fix, else none (as a record without GPS).
    uint32_t gpsDataCount() const { return m_hasFix ? clipDataCount() : 0; }
    std::optional<ClipTime> gpsStartTime() const { return m_start; }
    // The track it reads, with its own times (what the exports write).
    const TimedTrack &track() const { return m_track; }

    int getGx(int index) const { return valid(index) ? m_gx[std::size_t(index)] : DrovikClipData::kNoDataAcceleration; }
    int getGy(int index) const { return valid(index) ? m_gy[std::size_t(index)] : DrovikClipData::kNoDataAcceleration; }
    int getGz(int index) const { return valid(index) ? m_gz[std::size_t(index)] : DrovikClipData::kNoDataAcceleration; }
    float getGpsLat(int index) const { return valid(index) ? m_lat[std::size_t(index)] : DrovikClipData::kNoDataCoordinate; }
    float getGpsLng(int index) const { return valid(index) ? m_lng[std::size_t(index)] : DrovikClipData::kNoDataCoordinate; }
    uint32_t getGpsSpeed(int index) const { return valid(index) ? m_speed[std::size_t(index)] : DrovikClipData::kNoDataSpeed; }
    void getClipDataWithIndex(int index, int &x, int &y, int &z, float &lat, float &lng, uint32_t &speed) const
    {
        x = getGx(index);
        y = getGy(index);
        z = getGz(index);
        lat = getGpsLat(index);
        lng = getGpsLng(index);
        speed = getGpsSpeed(index);
    }

private:
    bool valid(int index) const { return index >= 0 && std::size_t(index) < m_gx.size(); }

    std::vector<int16_t> m_gx, m_gy, m_gz;
    std::vector<float> m_lat, m_lng;
    std::vector<uint32_t> m_speed;
    bool m_hasFix = false;
    std::optional<ClipTime> m_start;
    TimedTrack m_track;
};

std::vector<GForceEvent> detectGForceEvents(const TimedRecord &record);

} // namespace drovik::telemetry
