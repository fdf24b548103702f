#include "map_controller.h"

#include "display/display_log.h"
#include "display/map_page_bridge.h"
#include "display/map_scripts.h"
#include "i18n/drovik_languages.h"
#include "i18n/preferences.h"
#include "telemetry/clip_data.h"

#include <QWebChannel>
#include <QWebEnginePage>

namespace drovik {

QUrl MapController::pageUrl()
{
    return QUrl(QStringLiteral("qrc:/map/mapview.html"));
}

namespace {

// A key the language's table lacks reads in English rather than as nothing.
QString word(const char *key, const char *english)
{
    const QString text = localized(key);
    return text.isEmpty() ? QString::fromUtf8(english) : text;
}

} // namespace

MapController::MapController(SandboxedWebView *webView, QObject *parent)
    : QObject(parent), m_bridge(new MapPageBridge(this))
{
    connect(m_bridge, &MapPageBridge::routeClickedAt, this, &MapController::routeClickedAt);
    connect(m_bridge, &MapPageBridge::tripClickedAt, this, &MapController::tripClickedAt);
    setWebView(webView);
}

MapScripts::SpeedRouteTexts MapController::speedRouteTexts()
{
    MapScripts::SpeedRouteTexts texts;
    texts.milesPerHour = Preferences::speedUnit() != Preferences::KilometresPerHour;
    texts.unit = texts.milesPerHour ? word("mph", "mph") : word("kph", "km/h");
    texts.start = word("Start", "Start");
    texts.end = word("End", "End");
    texts.leastTop = texts.milesPerHour ? 60 : 100;
    return texts;
}

void MapController::setWebView(SandboxedWebView *webView)
{
    if (m_webView == webView)
        return;
    disconnect(m_readyConnection);
    m_webView = webView;
    if (m_webView) {
        // The page reaches nothing but the bridge; the channel belongs to the page it serves.
        auto *channel = new QWebChannel(m_webView->page());
        channel->registerObject(QStringLiteral("drovikMapBridge"), m_bridge);
        m_webView->page()->setWebChannel(channel);
        m_readyConnection = connect(m_webView.data(), &SandboxedWebView::pageReady, this,
                                    [this] { run(MapScripts::initialize()); });
    }
}

void MapController::run(const QString &script)
{
    if (script.isEmpty())
        return;
    emit scriptSent(script);
    if (m_webView)
        m_webView->runScript(script);
}

void MapController::load()
{
    if (m_webView)
        m_webView->openPage(pageUrl());
    else
        run(MapScripts::initialize());
}

void MapController::moveToLat(float lat, float lng)
{
    const QString script = MapScripts::mapMoveToAuto(lat, lng);
    if (script.isEmpty())
        qCDebug(lcMap) << "position not sent, not a number:" << lat << lng;
    run(script);
}

void MapController::removeMapLine()
{
    m_route.clear();
    run(MapScripts::removePolyLine());
}

void MapController::refreshSpeedRoute()
{
    // An empty route has been removed with the plain line; a page needs nothing more.
    if (!m_route.isEmpty())
        run(MapScripts::addSpeedRoute(m_route, speedRouteTexts()));
    if (!m_trip.isEmpty())
        sendTripRoute();
}

void MapController::showTripRoute(std::shared_ptr<const telemetry::DriveTrack> track, bool newTrip)
{
    if (!track) {
        clearTripRoute();
        return;
    }
    m_trip = tripRoutePoints(*track);
    m_tripFitPending = m_tripFitPending || newTrip;
    sendTripRoute();
}

void MapController::clearTripRoute()
{
    m_trip.clear();
    m_tripFitPending = false;
    run(MapScripts::clearTripRoute());
}

void MapController::sendTripRoute()
{
    const bool fit = m_tripFitPending && !m_trip.isEmpty();
    if (fit)
        m_tripFitPending = false;
    run(MapScripts::addTripRoute(m_trip, speedRouteTexts(), fit));
}

void MapController::routeClickedAt(double lat, double lng)
{
    const int nearest = nearestRoutePoint(m_route, lat, lng);
    qCDebug(lcMap) << "route clicked at" << lat << lng << "nearest point" << nearest;
    if (nearest < 0)
        return;
    // The marker goes there at once, even while paused, when the read-outs may wait for playing.
    const RoutePoint point = m_route[nearest];
    moveToLat(point.lat, point.lng);
    emit routePointClicked(point.seconds());
}

void MapController::tripClickedAt(double lat, double lng)
{
    const int nearest = nearestRoutePoint(m_trip, lat, lng);
    qCDebug(lcMap) << "trip clicked at" << lat << lng << "nearest point" << nearest;
    if (nearest < 0)
        return;
    const TripRoutePoint point = m_trip[nearest];
    moveToLat(point.at.lat, point.at.lng);
    emit tripPointClicked(point.clip, point.at.seconds());
}

} // namespace drovik
