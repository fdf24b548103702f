#include "map_scripts.h"

#include "display/speed_reading.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <charconv>

namespace drovik::MapScripts {

// QString::asprintf and std::to_chars format with the C locale, so the decimal separator is always
// a point. A route of a long drive has thousands of points: those numbers go through to_chars.

namespace {

void appendFixed(QString &text, double value, int decimals)
{
    char digits[48];
    const auto written = std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, decimals);
    text += QLatin1StringView(digits, written.ec == std::errc() ? written.ptr - digits : 0);
}

} // namespace

QString mapMoveToAuto(float lat, float lng)
{
    if (!std::isfinite(lat) || !std::isfinite(lng))
        return QString();
    return QString::asprintf("MapMoveToAuto(%f,%f,-1)", double(lng), double(lat));
}

QString routePoint(float lat, float lng)
{
    QString text;
    appendFixed(text, double(lng), 6);
    text += QLatin1Char(',');
    appendFixed(text, double(lat), 6);
    return text;
}

namespace {

// "lng,lat,speed" with the speed in the texts' unit, rounded as the speed meter rounds.
QString speedPoint(const RoutePoint &point, const SpeedRouteTexts &texts)
{
    const int speed = speedReading(point.speedKmh, texts.milesPerHour ? 1 : 0).shown;
    return routePoint(point.lat, point.lng) + QLatin1Char(',') + QString::number(speed);
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
        text += speedPoint(point.at, texts) + QLatin1Char(',');
        appendFixed(text, point.tripSeconds, 1);
    }
    return text + QStringLiteral("', ") + wordsObject(texts) + (fit ? QStringLiteral(", true)") : QStringLiteral(", false)"));
}

} // namespace drovik::MapScripts
