#include "telemetry/timed_record.h"

#include "telemetry/trip_statistics.h"

#include <algorithm>
#include <cmath>

namespace drovik::telemetry {

namespace {

int16_t recordUnits(double g)
{
    if (!std::isfinite(g))
        return 0;
    return int16_t(std::clamp(std::lround(g * kRecordUnitsPerG), -32767L, 32767L));
}

} // namespace

TimedRecord::TimedRecord(const TimedTrack &track)
    : m_start(track.start)
    , m_track(track)
{
    double end = 0;
    for (const TimedFix &fix : track.fixes)
        end = std::max(end, fix.timeS);
    for (const TimedAcceleration &a : track.accelerations)
        end = std::max(end, a.timeS);
    if (track.empty() || !std::isfinite(end))
        return;
    // A track of hours is no clip: past a day, the times are not to be believed.
    const std::size_t count = std::size_t(std::clamp(std::floor(std::min(end, 86400.0) * kSamplesPerSecond) + 1, 1.0, 864001.0));
    m_gx.assign(count, 0);
    m_gy.assign(count, 0);
    m_gz.assign(count, 0);
    m_lat.assign(count, 0.0f);
    m_lng.assign(count, 0.0f);
    m_speed.assign(count, 0);

    // Accelerations: the mean over each tenth of a second; a tenth without a sample of its own
    // keeps the last one a moment longer.
    std::size_t a = 0;
    const auto &accelerations = track.accelerations;
    std::optional<TimedAcceleration> last;
    for (std::size_t i = 0; i < count; ++i) {
        const double from = double(i) / kSamplesPerSecond;
        const double to = double(i + 1) / kSamplesPerSecond;
        double x = 0, y = 0, z = 0;
        int n = 0;
        for (; a < accelerations.size() && accelerations[a].timeS < to; ++a) {
            if (accelerations[a].timeS < from)
                continue;
            x += accelerations[a].x;
            y += accelerations[a].y;
            z += accelerations[a].z;
            ++n;
            last = accelerations[a];
        }
        if (n > 0) {
            m_gx[i] = recordUnits(x / n);
            m_gy[i] = recordUnits(y / n);
            m_gz[i] = recordUnits(z / n);
        } else if (last && from - last->timeS <= kAccelerationReachSeconds) {
            m_gx[i] = recordUnits(last->x);
            m_gy[i] = recordUnits(last->y);
            m_gz[i] = recordUnits(last->z);
        }
    }

    // Positions: the latest fix at the moment, while it holds.
    std::size_t f = 0;
    std::optional<TimedFix> fix;
    for (std::size_t i = 0; i < count; ++i) {
        const double at = double(i) / kSamplesPerSecond;
        for (; f < track.fixes.size() && track.fixes[f].timeS <= at + 1e-9; ++f)
            if (isUsableFix(float(track.fixes[f].latitude), float(track.fixes[f].longitude)))
                fix = track.fixes[f];
        if (!fix || at - fix->timeS > kFixReachSeconds)
            continue;
        m_lat[i] = float(fix->latitude);
        m_lng[i] = float(fix->longitude);
        const double speed = fix->speedKmh.value_or(0);
        m_speed[i] = std::isfinite(speed) ? uint32_t(std::clamp(std::lround(speed), 0L, 999L)) : 0;
        m_hasFix = true;
    }
}

std::vector<GForceEvent> detectGForceEvents(const TimedRecord &record)
{
    return detectGForceEvents(gforceSamplesOf(record));
}

} // namespace drovik::telemetry
