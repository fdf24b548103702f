#pragma once

#include "display/map_route.h"
#include "display/map_scripts.h"
#include "display/sandboxed_web_view.h"

#include <QObject>
#include <QPointer>
#include <QUrl>

#include <memory>

namespace drovik {

class DrovikClipData;
class MapPageBridge;

// The bridge between the viewer and the map page: loads the page into a web view and sends it
// its four script calls (see MapScripts), and the speed-coloured route after the plain one.
// Results and script errors of the calls are ignored. Calls made while the page is still loading
// are kept by the view and sent once the page is ready, right after "initialize()".
//
// Under the playing clip's route the map may show the whole trip it belongs to, fainter, on the
// same speed colours (showTripRoute).
//
// The page reports clicks on the route and on the trip over a web channel set on the view's page;
// the point nearest to the click is picked here, from the route or the trip last sent.
class MapController : public QObject {
    Q_OBJECT
public:
    // The map page among the application's resources.
    static QUrl pageUrl();

    explicit MapController(SandboxedWebView *webView = nullptr, QObject *parent = nullptr);

    SandboxedWebView *webView() const { return m_webView; }
    void setWebView(SandboxedWebView *webView);

    // Evaluates the script in the page; the outcome is ignored.
    void run(const QString &script);
    // Loads the page; "initialize()" is sent as soon as it is ready (at once without a view).
    void load();
    // Centres the map on the position (longitude first in the script). A position that is not a
    // pair of finite numbers sends nothing.
    void moveToLat(float lat, float lng);
    void removeMapLine();
    // Draws the clip's route (an empty route when it has no fix), then the same route coloured
    // by speed in the unit and language of the preferences when it has points.
    // Record: DrovikClipData, or another make's telemetry::TimedRecord.
    template <typename Record>
    void addRoute(const Record &clipData)
    {
        run(MapScripts::addPolyLine(clipData));
        m_route = routePoints(clipData);
        refreshSpeedRoute();
    }
    // Sends the speed-coloured route and the trip again, after the speed unit or the language has
    // changed.
    void refreshSpeedRoute();
    // Draws the whole trip under the clip's route (null: as clearTripRoute()). newTrip tells a
    // trip other than the one shown, which the map then fits in view once; false redraws the trip
    // shown, grown as its clips are read, and leaves the view where the user has it. A new trip
    // whose clips have no fix read yet is fitted when its first points arrive.
    void showTripRoute(std::shared_ptr<const telemetry::DriveTrack> track, bool newTrip);
    void clearTripRoute();
    // The points of the trip last sent; empty after clearTripRoute().
    const QList<TripRoutePoint> &tripRoute() const { return m_trip; }
    // The points of the route last sent; empty after removeMapLine().
    const QList<RoutePoint> &route() const { return m_route; }
    // The page's words for the speed route, from the preferences.
    static MapScripts::SpeedRouteTexts speedRouteTexts();

    bool isPageLoaded() const { return m_webView && m_webView->isPageReady(); }

signals:
    // Every script sent, in order, when it is sent (the view may still hold it for the page).
    void scriptSent(const QString &script);
    // The route was clicked: the time of the route point nearest to the click, where the marker
    // has just been sent.
    void routePointClicked(double seconds);
    // The trip was clicked: the clip and the moment in it of the trip point nearest to the click,
    // where the marker has just been sent. A click on the playing clip's own route reports
    // routePointClicked instead.
    void tripPointClicked(int clip, double clipSeconds);

private:
    void routeClickedAt(double lat, double lng);
    void tripClickedAt(double lat, double lng);
    void sendTripRoute();

    MapPageBridge *m_bridge = nullptr;
    QList<RoutePoint> m_route;
    QList<TripRoutePoint> m_trip;
    bool m_tripFitPending = false;
    QPointer<SandboxedWebView> m_webView;
    QMetaObject::Connection m_readyConnection;
};

} // namespace drovik
