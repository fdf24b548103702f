#pragma once

#include "display/map_route.h"
#include "telemetry/clip_data.h"

#include <QString>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace drovik {

// The script calls the viewer sends to the map page. The page defines these four functions;
// any page that does can replace ours. addSpeedRoute, addTripRoute and clearTripRoute are extras
// such a page may lack: the call then fails in the page like any script error, which the viewer
// ignores, and the plain line stays.
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

// "addPolyLine('<points>', 'red', 4, 0.5)" through the positions forEachRoutePosition() takes
// from samples 0 … gpsDataCount − 1: a sample equal to the last point taken (exactly, starting
// from (0, 0)) is skipped, so the no-fix samples before the first fix and a standing vehicle's
// repeats add nothing; a sample whose coordinates are not finite numbers is skipped as well.
// Record is DrovikClipData or anything with its kCapacity and the same gpsDataCount() and getGpsLat/getGpsLng(index).
template <typename Record>
QString addPolyLine(const Record &clipData)
{
    QString text = QStringLiteral("addPolyLine('");
    bool first = true;
    forEachRoutePosition(clipData, [&](int, float lat, float lng) {
        if (!first)
            text += QLatin1Char('|');
        text += routePoint(lat, lng);
        first = false;
    });
    text += QStringLiteral("', 'red', 4, 0.5)");
    return text;
}

// What the speed-coloured route writes in the viewer's language and unit.
struct SpeedRouteTexts {
    bool milesPerHour = false;
    QString unit;   // "km/h" or "mph"
    QString start;  // names of the route's two ends
    QString end;
    // The colour scale reaches at least this speed (in the unit), so that a town drive is not
    // drawn all in red; a faster route stretches it.
    int leastTop = 100;
};

// "addSpeedRoute('<points>', <texts>)", sent after addPolyLine for the same route to draw it
// coloured by speed; a page without the function keeps the plain line. Each point is
// "lng,lat,speed,seconds,g": the position as in addPolyLine, the speed in the texts' unit
// (rounded as the speed meter rounds), the point's time and its peak horizontal acceleration in
// g. The texts are a JSON object {"end", "start", "top", "unit"}, "top" being leastTop.
QString addSpeedRoute(const QList<RoutePoint> &points, const SpeedRouteTexts &texts);

// "addTripRoute('<stretches>', <texts>, <fit>)": the whole trip under the current clip's route,
// coloured by speed on the same scale, a page without the function draws nothing. Stretches of
// the route are separated by ";" (never joined by a line), their points by "|"; each point is
// "lng,lat,speed,seconds", the speed as in addSpeedRoute, the seconds on the trip's timeline. The
// texts are addSpeedRoute's; fit (true or false) asks the map to show the whole trip. An empty
// route removes the trip's.
QString addTripRoute(const QList<TripRoutePoint> &points, const SpeedRouteTexts &texts, bool fit);
inline QString clearTripRoute() { return QStringLiteral("clearTripRoute()"); }

} // namespace MapScripts

} // namespace drovik
