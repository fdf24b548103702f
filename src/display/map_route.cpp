#include "map_route.h"

#include <limits>
#include <numbers>

namespace drovik {

int nearestRoutePoint(const QList<RoutePoint> &points, double lat, double lng)
{
    if (!std::isfinite(lat) || !std::isfinite(lng) || std::abs(lat) > 90.0 || std::abs(lng) > 180.0)
        return -1;
    // Flat-earth distances are plenty over a clip's few kilometres, and exact enough to rank
    // points anywhere else.
    const double shrink = std::cos(lat * std::numbers::pi / 180.0);
    int nearest = -1;
    double best = std::numeric_limits<double>::infinity();
    for (qsizetype k = 0; k < points.size(); ++k) {
        double east = std::abs(double(points[k].lng) - lng);
        if (east > 180.0)
            east = 360.0 - east;
        const double north = double(points[k].lat) - lat;
        const double distance = north * north + (east * shrink) * (east * shrink);
        if (distance < best) {
            best = distance;
            nearest = int(k);
        }
    }
    return nearest;
}

} // namespace drovik
