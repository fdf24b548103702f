#include "map_scripts.h"

namespace drovik::MapScripts {

// QString::asprintf formats with the C locale, so the decimal separator is always a point.

QString mapMoveToAuto(float lat, float lng)
{
    if (!std::isfinite(lat) || !std::isfinite(lng))
        return QString();
    return QString::asprintf("MapMoveToAuto(%f,%f,-1)", double(lng), double(lat));
}

QString routePoint(float lat, float lng)
{
    return QString::asprintf("%f,%f", double(lng), double(lat));
}

} // namespace drovik::MapScripts
