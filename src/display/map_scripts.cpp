#include "map_scripts.h"

#include "display/speed_reading.h"

#include <QJsonDocument>
#include <QJsonObject>

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

QString addSpeedRoute(const QList<RoutePoint> &points, const SpeedRouteTexts &texts)
{
    QString text = QStringLiteral("addSpeedRoute('");
    for (qsizetype k = 0; k < points.size(); ++k) {
        const RoutePoint &point = points[k];
        if (k != 0)
            text += QLatin1Char('|');
        const int speed = speedReading(point.speedKmh, texts.milesPerHour ? 1 : 0).shown;
        text += routePoint(point.lat, point.lng)
              + QString::asprintf(",%d,%.1f,%.2f", speed, point.seconds(), double(point.peakHorizontalG));
    }
    const QJsonObject words{{QStringLiteral("unit"), texts.unit},
                            {QStringLiteral("start"), texts.start},
                            {QStringLiteral("end"), texts.end},
                            {QStringLiteral("top"), texts.leastTop}};
    text += QStringLiteral("', ") + QString::fromUtf8(QJsonDocument(words).toJson(QJsonDocument::Compact))
          + QLatin1Char(')');
    return text;
}

} // namespace drovik::MapScripts
