#include "map_page_bridge.h"

#include "display/display_log.h"

#include <cmath>

namespace drovik {

MapPageBridge::MapPageBridge(QObject *parent)
    : QObject(parent)
{
}

namespace {

// JSON has no NaN or infinity, but a number may still be off the globe.
bool onTheGlobe(const QJsonValue &lat, const QJsonValue &lng)
{
    const bool on = lat.isDouble() && lng.isDouble() && std::abs(lat.toDouble()) <= 90.0
                 && std::abs(lng.toDouble()) <= 180.0;
    if (!on)
        qCDebug(lcMap) << "click dropped:" << lat << lng;
    return on;
}

} // namespace

void MapPageBridge::routeClicked(const QJsonValue &lat, const QJsonValue &lng)
{
    if (onTheGlobe(lat, lng))
        emit routeClickedAt(lat.toDouble(), lng.toDouble());
}

void MapPageBridge::tripRouteClicked(const QJsonValue &lat, const QJsonValue &lng)
{
    if (onTheGlobe(lat, lng))
        emit tripClickedAt(lat.toDouble(), lng.toDouble());
}

} // namespace drovik
