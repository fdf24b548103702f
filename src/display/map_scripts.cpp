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

namespace {

// "lng,lat,speed" with the speed in the texts' unit, rounded as the speed meter rounds.
QString speedPoint(const RoutePoint &point, const SpeedRouteTexts &texts)
{
    const int speed = speedReading(point.speedKmh, texts.milesPerHour ? 1 : 0).shown;
    return routePoint(point.lat, point.lng) + QString::asprintf(",%d", speed);
}

// The texts as the page reads them.
QString wordsObject(const SpeedRouteTexts &texts)
{
    const QJsonObject words{{QStringLiteral("unit"), texts.unit},
                            {QStringLiteral("start"), texts.start},
                            {QStringLiteral("end"), texts.end},
                            {QStringLiteral("top"), texts.leastTop}};
    return QString::fromUtf8(QJsonDocument(words).toJson(QJsonDocument::Compact));
}

} // namespace

QString addSpeedRoute(const QList<RoutePoint> &points, const SpeedRouteTexts &texts)
{
    QString text = QStringLiteral("addSpeedRoute('");
    for (qsizetype k = 0; k < points.size(); ++k) {
        const RoutePoint &point = points[k];
        if (k != 0)
            text += QLatin1Char('|');
        text += speedPoint(point, texts)
              + QString::asprintf(",%.1f,%.2f", point.seconds(), double(point.peakHorizontalG));
    }
    return text + QStringLiteral("', ") + wordsObject(texts) + QLatin1Char(')');
}

QString addTripRoute(const QList<TripRoutePoint> &points, const SpeedRouteTexts &texts, bool fit)
{
    QString text = QStringLiteral("addTripRoute('");
    for (qsizetype k = 0; k < points.size(); ++k) {
        const TripRoutePoint &point = points[k];
        if (k != 0)
            text += point.joinsPrevious ? QLatin1Char('|') : QLatin1Char(';');
        text += speedPoint(point.at, texts) + QString::asprintf(",%.1f", point.tripSeconds);
    }
    return text + QStringLiteral("', ") + wordsObject(texts) + (fit ? QStringLiteral(", true)") : QStringLiteral(", false)"));
}

} // namespace drovik::MapScripts
