#include "map_page_bridge.h"

#include "display/display_log.h"

#include <cmath>

namespace drovik {

MapPageBridge::MapPageBridge(QObject *parent)
    : QObject(parent)
{
}

void MapPageBridge::routeClicked(const QJsonValue &lat, const QJsonValue &lng)
{
    // JSON has no NaN or infinity, but a number may still be off the globe.
    if (!lat.isDouble() || !lng.isDouble() || std::abs(lat.toDouble()) > 90.0
        || std::abs(lng.toDouble()) > 180.0) {
        qCDebug(lcMap) << "route click dropped:" << lat << lng;
        return;
    }
    emit routeClickedAt(lat.toDouble(), lng.toDouble());
}

} // namespace drovik
