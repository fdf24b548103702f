#include "telemetry/trip_statistics.h"

#include "telemetry/timed_record.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

namespace drovik::telemetry {

double greatCircleMetres(double lat1, double lng1, double lat2, double lng2)
{
    constexpr double radians = std::numbers::pi / 180.0;
    const double dLat = (lat2 - lat1) * radians;
    const double dLng = (lng2 - lng1) * radians;
    const double h = std::sin(dLat / 2) * std::sin(dLat / 2)
                     + std::cos(lat1 * radians) * std::cos(lat2 * radians) * std::sin(dLng / 2) * std::sin(dLng / 2);
    return 2 * kEarthRadiusM * std::asin(std::sqrt(std::clamp(h, 0.0, 1.0)));
}

bool isUsableFix(float lat, float lng)
{
    const bool hasFix = lat != 0.0f || lng != 0.0f;
    return hasFix && lat >= -90.0f && lat <= 90.0f && lng >= -180.0f && lng < 180.0f;
}

const char *eventKindName(GForceEventKind kind)
{
    switch (kind) {
    case GForceEventKind::HarshBraking: return "braking";
    case GForceEventKind::HarshAcceleration: return "acceleration";
    case GForceEventKind::Cornering: return "cornering";
    case GForceEventKind::Impact: return "impact";
    }
    return "braking";
}

namespace {

// What a drive's figures are summed from, clip by clip.
struct Sums {
    DriveStatistics stats;
    struct Fix {
        double time;
        float lat;
        float lng;
    };
    std::optional<Fix> previous;
    double movingSpeedSum = 0;
    int movingSamples = 0;
};

template <typename Record>
void addClip(Sums &sums, const Record &clip, double offsetSeconds)
{
    DriveStatistics &stats = sums.stats;
    const int count = int(std::min<uint64_t>(clip.clipDataCount(), uint64_t(Record::kCapacity)));
    stats.durationS += double(count) / kSamplesPerSecond;
    for (int i = 0; i < count; ++i) {
        const float lat = clip.getGpsLat(i);
        const float lng = clip.getGpsLng(i);
        if (!isUsableFix(lat, lng))
            continue;
        const Sums::Fix fix{offsetSeconds + double(i) / kSamplesPerSecond, lat, lng};
        // A fix repeated over the samples of its second is no distance (and no trigonometry).
        const bool moved = sums.previous && (sums.previous->lat != lat || sums.previous->lng != lng);
        if (moved && fix.time - sums.previous->time <= kMaxFixGapSeconds && fix.time >= sums.previous->time)
            stats.distanceM += greatCircleMetres(sums.previous->lat, sums.previous->lng, lat, lng);
        sums.previous = fix;
        const double speed = clip.getGpsSpeed(i);
        stats.maxSpeedKmh = std::max(stats.maxSpeedKmh, speed);
        if (speed > kMovingSpeedKmh) {
            sums.movingSpeedSum += speed;
            ++sums.movingSamples;
        }
    }
    for (const GForceEvent &event : detectGForceEvents(clip))
        ++stats.events[std::size_t(event.kind)];
}

} // namespace

DriveStatistics driveStatistics(std::span<const DriveClip> clips)
{
    Sums sums;
    for (const DriveClip &part : clips) {
        if (part.timed)
            addClip(sums, *part.timed, part.offsetSeconds);
        else if (part.clip)
            addClip(sums, *part.clip, part.offsetSeconds);
    }
    DriveStatistics stats = sums.stats;
    stats.movingS = double(sums.movingSamples) / kSamplesPerSecond;
    stats.avgSpeedKmh = sums.movingSamples > 0 ? sums.movingSpeedSum / sums.movingSamples : 0;
    return stats;
}

DriveStatistics clipStatistics(const DrovikClipData &clip)
{
    const DriveClip part{&clip, 0};
    return driveStatistics(std::span(&part, 1));
}

} // namespace drovik::telemetry
