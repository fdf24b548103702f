#pragma once

#include "telemetry/clip_data.h"

#include <QString>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace drovik {

// The script calls the viewer sends to the map page. The page defines these four functions;
// any page that does can replace ours.
//   initialize()                                  set the map up (safe to call more than once)
//   MapMoveToAuto(lng, lat, -1)                   put the position marker there and centre on it
//   removePolyLine()                              remove the route
//   addPolyLine('lng,lat|lng,lat…', 'red', 4, 0.5) draw the route
// Numbers are written with six decimals and a decimal point whatever the locale.
namespace MapScripts {

inline QString initialize() { return QStringLiteral("initialize()"); }
inline QString removePolyLine() { return QStringLiteral("removePolyLine()"); }

// "MapMoveToAuto(<lng>,<lat>,-1)", longitude first; empty when either coordinate is not a finite
// number (printf would write "nan" or "inf" into the script).
QString mapMoveToAuto(float lat, float lng);

// One route point, "lng,lat".
QString routePoint(float lat, float lng);

// "addPolyLine('<points>', 'red', 4, 0.5)" through the positions of samples 0 … gpsDataCount − 1.
// A sample equal to the last point taken (exactly, starting from (0, 0)) is skipped, so the
// no-fix samples before the first fix and a standing vehicle's repeats add nothing; a sample
// whose coordinates are not finite numbers is skipped as well. Record is DrovikClipData or
// anything with the same gpsDataCount() and getGpsLat/getGpsLng(index).
template <typename Record>
QString addPolyLine(const Record &clipData)
{
    QString text = QStringLiteral("addPolyLine('");
    float lastLat = 0.0f;
    float lastLng = 0.0f;
    bool first = true;
    // At most the record's capacity: indices beyond it only answer the no-data position.
    const int count = int(std::min<uint64_t>(clipData.gpsDataCount(), DrovikClipData::kCapacity));
    for (int i = 0; i < count; ++i) {
        const float lat = clipData.getGpsLat(i);
        const float lng = clipData.getGpsLng(i);
        if (lat == lastLat && lng == lastLng)
            continue;
        if (!std::isfinite(lat) || !std::isfinite(lng))
            continue;
        if (!first)
            text += QLatin1Char('|');
        text += routePoint(lat, lng);
        lastLat = lat;
        lastLng = lng;
        first = false;
    }
    text += QStringLiteral("', 'red', 4, 0.5)");
    return text;
}

} // namespace MapScripts

} // namespace drovik
