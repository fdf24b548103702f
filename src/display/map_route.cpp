#include "map_route.h"

#include <limits>
#include <numbers>

namespace drovik {

namespace {

// Point is RoutePoint or TripRoutePoint; position(point) gives the RoutePoint of either.
template <typename Point, typename Position>
int nearestPoint(const QList<Point> &points, double lat, double lng, Position position)
{
    if (!std::isfinite(lat) || !std::isfinite(lng) || std::abs(lat) > 90.0 || std::abs(lng) > 180.0)
        return -1;
    // Flat-earth distances are plenty over a clip's few kilometres, and exact enough to rank
    // points anywhere else.
    const double shrink = std::cos(lat * std::numbers::pi / 180.0);
    int nearest = -1;
    double best = std::numeric_limits<double>::infinity();
    for (qsizetype k = 0; k < points.size(); ++k) {
        const RoutePoint &point = position(points[k]);
        double east = std::abs(double(point.lng) - lng);
        if (east > 180.0)
            east = 360.0 - east;
        const double north = double(point.lat) - lat;
        const double distance = north * north + (east * shrink) * (east * shrink);
        if (distance < best) {
            best = distance;
            nearest = int(k);
        }
    }
    return nearest;
}

} // namespace

int nearestRoutePoint(const QList<RoutePoint> &points, double lat, double lng)
{
    return nearestPoint(points, lat, lng, [](const RoutePoint &point) -> const RoutePoint & { return point; });
}

int nearestRoutePoint(const QList<TripRoutePoint> &points, double lat, double lng)
{
    return nearestPoint(points, lat, lng, [](const TripRoutePoint &point) -> const RoutePoint & { return point.at; });
}

QList<TripRoutePoint> tripRoutePoints(const telemetry::DriveTrack &track)
{
    QList<TripRoutePoint> points;
    const telemetry::DriveTrack::Sample *lastFix = nullptr;
    for (const telemetry::DriveTrack::Sample &sample : track.samples) {
        if (!sample.fix)
            continue;
        // Samples are in time order; a clip stamped back in time (overlapping the one before)
        // still starts a stretch of its own.
        const bool followingClip = lastFix && (sample.clip == lastFix->clip || sample.clip == lastFix->clip + 1);
        const bool joined = followingClip && sample.seconds >= lastFix->seconds
                         && sample.seconds - lastFix->seconds <= telemetry::kMaxFixGapSeconds;
        lastFix = &sample;
        if (joined) {
            const TripRoutePoint &last = points.back();
            if (float(sample.lat) == last.at.lat && float(sample.lng) == last.at.lng)
                continue;
            if (sample.clip == last.clip && std::floor(sample.clipSeconds) == std::floor(last.at.seconds()))
                continue;
        }
        TripRoutePoint point;
        point.at.lat = float(sample.lat);
        point.at.lng = float(sample.lng);
        point.at.sample = int(std::lround(sample.clipSeconds * telemetry::kSamplesPerSecond));
        point.at.speedKmh = std::isfinite(sample.speedKmh)
                                ? int(std::clamp(sample.speedKmh, 0.0f, float(kMaxRouteSpeedKmh)))
                                : 0;
        point.clip = sample.clip;
        point.tripSeconds = sample.seconds;
        point.joinsPrevious = joined;
        points.append(point);
    }
    return points;
}

} // namespace drovik
