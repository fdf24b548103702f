#pragma once

#include "telemetry/clip_data.h"
#include "telemetry/drive_track.h"

#include <QList>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace drovik {

// Calls fn(sample, lat, lng) for each position the map draws, in order: samples 0 …
// gpsDataCount − 1, skipping a sample equal to the last position taken (exactly, starting from
// (0, 0)), so the no-fix samples before the first fix and a standing vehicle's repeats add
// nothing, and skipping one whose coordinates are not finite numbers. Record is DrovikClipData or
// anything with its kCapacity and the same gpsDataCount() and getGpsLat/getGpsLng(index).
template <typename Record, typename Fn>
void forEachRoutePosition(const Record &clipData, Fn fn)
{
    float lastLat = 0.0f;
    float lastLng = 0.0f;
    // At most the record's capacity: indices beyond it only answer the no-data position.
    const int count = int(std::min<uint64_t>(clipData.gpsDataCount(), uint64_t(Record::kCapacity)));
    for (int i = 0; i < count; ++i) {
        const float lat = clipData.getGpsLat(i);
        const float lng = clipData.getGpsLng(i);
        if (lat == lastLat && lng == lastLng)
            continue;
        if (!std::isfinite(lat) || !std::isfinite(lng))
            continue;
        fn(i, lat, lng);
        lastLat = lat;
        lastLng = lng;
    }
}

// One point of the route as the map draws it, with what the map tells about it.
struct RoutePoint {
    float lat = 0.0f;
    float lng = 0.0f;
    // The first sample at this position; the point's time is sample / 10 s.
    int sample = 0;
    int speedKmh = 0;
    // The largest horizontal acceleration (lateral and forward, gravity left out) from this
    // sample up to the next point's, in g: with a fix once a second and ten accelerations a
    // second, the peak is what tells a braking, the first sample alone may miss it.
    float peakHorizontalG = 0.0f;

    double seconds() const { return sample / 10.0; }
};

// A speed read from a clip can be anything; the map's colours and read-outs go no further than
// the speed meter's three digits.
inline constexpr int kMaxRouteSpeedKmh = 999;

// The points forEachRoutePosition() takes, with their speed and acceleration. Record is
// DrovikClipData or anything with its kCapacity, gpsDataCount, clipDataCount, getGpsLat/getGpsLng/
// getGpsSpeed and getGx/getGy lookups.
template <typename Record>
QList<RoutePoint> routePoints(const Record &clipData)
{
    QList<RoutePoint> points;
    forEachRoutePosition(clipData, [&](int sample, float lat, float lng) {
        RoutePoint point;
        point.lat = lat;
        point.lng = lng;
        point.sample = sample;
        point.speedKmh = int(std::min<uint32_t>(clipData.getGpsSpeed(sample), kMaxRouteSpeedKmh));
        points.append(point);
    });
    const int positions = int(std::min<uint64_t>(clipData.gpsDataCount(), uint64_t(Record::kCapacity)));
    const int accelerations = int(std::min<uint64_t>(clipData.clipDataCount(), uint64_t(Record::kCapacity)));
    for (qsizetype k = 0; k < points.size(); ++k) {
        const int end = k + 1 < points.size() ? points[k + 1].sample : positions;
        float peak = 0.0f;
        for (int i = points[k].sample; i < std::min(end, accelerations); ++i) {
            // Raw units are 1/128 g.
            const float x = float(clipData.getGx(i)) / 128.0f;
            const float y = float(clipData.getGy(i)) / 128.0f;
            peak = std::max(peak, std::hypot(x, y));
        }
        points[k].peakHorizontalG = peak;
    }
    return points;
}

// The index of the point nearest to (lat, lng), comparing distances on the ground (east-west
// shrinks with the latitude; the antimeridian is no edge); the earlier point on a tie, so a road
// driven twice answers its first pass. -1 for no points or a position that is not a coordinate
// on the globe.
int nearestRoutePoint(const QList<RoutePoint> &points, double lat, double lng);

// One point of a whole trip's route: where and how fast, the clip it was read from (at.seconds()
// is the time in that clip) and its time on the trip's timeline.
struct TripRoutePoint {
    RoutePoint at;          // peakHorizontalG is not kept for a trip
    int clip = 0;
    double tripSeconds = 0;
    // Drawn joined to the point before; false where a new stretch of the route begins.
    bool joinsPrevious = false;
};

// The points a trip's route draws, from the samples with a usable fix, in time order. A two-hour
// trip holds 72 000 samples; the map needs no more than a point a second, so within a clip the
// first fix of each second is taken, and a fix where the last point already stands adds nothing.
// Two fixes are not joined when they lie further apart in time than telemetry::kMaxFixGapSeconds
// (a straight line would invent the road between them) or belong to clips that do not follow
// each other in the trip.
QList<TripRoutePoint> tripRoutePoints(const telemetry::DriveTrack &track);

// nearestRoutePoint over a trip's points.
int nearestRoutePoint(const QList<TripRoutePoint> &points, double lat, double lng);

} // namespace drovik
