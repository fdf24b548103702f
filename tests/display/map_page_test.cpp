// The map page in a real web view: Leaflet loads from the resources, the bridge's calls draw the
// route and the marker, and the page stays usable without a network (this machine has none).
#include "display/map_controller.h"
#include "display/map_route.h"
#include "display/map_scripts.h"
#include "display/map_web_view.h"
#include "display_test_util.h"
#include "web_test_util.h"

#include <QSignalSpy>
#include <QWebEngineProfile>

#include <cmath>
#include <cstdio>
#include <memory>

#include <gtest/gtest.h>

using namespace drovik;
using drovik::test::evaluate;

namespace {

constexpr int kPageTimeoutMs = 90000;

QJsonObject pageState(QWebEngineView &view)
{
    return test::evaluateJson(view, QStringLiteral("drovikMapState()")).object();
}

bool near(const QJsonValue &value, double a, double b, double degrees = 1e-5)
{
    const QJsonArray array = value.toArray();
    return array.size() == 2 && std::abs(array[0].toDouble() - a) < degrees
        && std::abs(array[1].toDouble() - b) < degrees;
}

// One page for the whole story: starting a web engine costs seconds on this machine.
TEST(MapPage, DrawsTheRouteAndThePositionOffline)
{
    QWidget window;
    window.resize(248, 160);
    auto *view = new MapWebView(&window);
    view->setGeometry(0, 0, 248, 160);
    EXPECT_EQ(view->profile()->httpUserAgent(), QStringLiteral("DrovikViewer/" DROVIK_VERSION));
    EXPECT_TRUE(view->profile()->isOffTheRecord());
    window.show();

    MapController controller(view);
    QSignalSpy loaded(view, &QWebEngineView::loadFinished);
    controller.load();
    // Sent before the page can possibly have loaded: kept and sent again once it has.
    controller.removeMapLine();
    controller.addRoute(test::KvlClipBuilder()
                            .block(0, 0, 0, test::kNoFix)
                            .block(0, 0, 0, test::kSeoulFix)
                            .block(0, 0, 0, test::kSeoulFix)
                            .load());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !loaded.isEmpty(); }, kPageTimeoutMs));
    ASSERT_TRUE(loaded.first().first().toBool()) << "the page loads from the resources";
    ASSERT_TRUE(controller.isPageLoaded());

    QJsonObject state = pageState(*view);
    ASSERT_TRUE(state.value(QStringLiteral("leaflet")).toBool()) << "Leaflet comes from the resources";
    EXPECT_TRUE(state.value(QStringLiteral("initialized")).toBool());
    EXPECT_TRUE(state.value(QStringLiteral("attribution")).toString().contains(QStringLiteral("OpenStreetMap")));
    EXPECT_EQ(state.value(QStringLiteral("routePoints")).toArray().size(), 1)
        << "the replayed route of the loaded clip";

    // A route with a standing vehicle, then the position.
    controller.removeMapLine();
    controller.run(MapScripts::addPolyLine(test::routeRecord(
        {{37.5f, 127.0f}, {37.5f, 127.0f}, {37.51f, 127.02f}, {37.52f, 127.03f}}, 4)));
    controller.moveToLat(37.51f, 127.02f);
    ASSERT_TRUE(QTest::qWaitFor([&] {
        state = pageState(*view);
        return !state.value(QStringLiteral("marker")).isNull();
    }, 20000));
    const QJsonArray points = state.value(QStringLiteral("routePoints")).toArray();
    ASSERT_EQ(points.size(), 3);
    EXPECT_TRUE(near(points[0], 37.5, 127.0));
    EXPECT_TRUE(near(points[2], 37.52, 127.03));
    EXPECT_TRUE(state.value(QStringLiteral("routeOnMap")).toBool());
    const QJsonObject style = state.value(QStringLiteral("routeStyle")).toObject();
    EXPECT_EQ(style.value(QStringLiteral("color")).toString(), QStringLiteral("red"));
    EXPECT_EQ(style.value(QStringLiteral("weight")).toDouble(), 4);
    EXPECT_EQ(style.value(QStringLiteral("opacity")).toDouble(), 0.5);
    EXPECT_TRUE(state.value(QStringLiteral("routePath")).toString().startsWith(QLatin1Char('M')))
        << "the route is drawn as an SVG path";
    EXPECT_TRUE(near(state.value(QStringLiteral("marker")), 37.51, 127.02));
    EXPECT_TRUE(near(state.value(QStringLiteral("center")), 37.51, 127.02));
    EXPECT_EQ(state.value(QStringLiteral("zoom")).toInt(), 16);

    // No route: the empty call removes what was drawn and draws nothing.
    controller.removeMapLine();
    controller.addRoute(DrovikClipData{});
    state = pageState(*view);
    EXPECT_TRUE(state.value(QStringLiteral("routePoints")).toArray().isEmpty());
    EXPECT_FALSE(state.value(QStringLiteral("routeOnMap")).toBool());
    EXPECT_EQ(state.value(QStringLiteral("routePathCount")).toInt(), 1) << "only the marker is left";

    // Bad input is dropped by the page without errors or dialogs.
    controller.run(QStringLiteral("addPolyLine('x,y|200,100|127.1,37.6', 'red', 4, 0.5)"));
    controller.run(QStringLiteral("MapMoveToAuto(NaN,37.5,-1)"));
    state = pageState(*view);
    EXPECT_EQ(state.value(QStringLiteral("routePoints")).toArray(),
              QJsonArray{QJsonValue(QJsonArray{37.6, 127.1})});
    EXPECT_TRUE(near(state.value(QStringLiteral("marker")), 37.51, 127.02));

    // Its resources, but no local file.
    const QStringList urls{QStringLiteral("leaflet/images/marker-icon.png"),
                           QStringLiteral("file://" DROVIK_SOURCE_DIR "/CMakeLists.txt")};
    EXPECT_EQ(test::readableByPage(*view, urls), urls.mid(0, 1));
}

// The map in a view of the viewer's size, shown, with its controller.
struct MapWindow {
    QWidget window;
    MapWebView *view = new MapWebView(&window);
    MapController controller{view};

    MapWindow()
    {
        window.resize(248, 160);
        view->setGeometry(0, 0, 248, 160);
        window.show();
    }
    // Loads the page; whether it has loaded in time.
    bool load()
    {
        QSignalSpy loaded(view, &QWebEngineView::loadFinished);
        controller.load();
        return QTest::qWaitFor([&] { return !loaded.isEmpty(); }, kPageTimeoutMs);
    }
};

// Where the page draws a position, in the view's pixels.
QPoint pixelOf(QWebEngineView &view, double lat, double lng)
{
    const QJsonObject point = test::evaluateJson(view, QStringLiteral("drovikMap.map.latLngToContainerPoint([%1,%2])")
                                                           .arg(lat, 0, 'f', 6).arg(lng, 0, 'f', 6)).object();
    return QPoint(qRound(point.value(QStringLiteral("x")).toDouble()), qRound(point.value(QStringLiteral("y")).toDouble()));
}

// A crafted clip driven in a straight line from (lat, lng), a fix a second for `seconds` with the
// speed going from kmh0 to kmh1, and no fix in the seconds [noFixFrom, noFixTo).
DrovikClipData straightDrive(double lat, double lng, double dLat, double dLng, int seconds, double kmh0,
                             double kmh1, int noFixFrom = -1, int noFixTo = -1)
{
    test::KvlClipBuilder clip;
    for (int k = 0; k < seconds; ++k) {
        const double la = lat + dLat * k, ln = lng + dLng * k;
        const double knots = (kmh0 + (kmh1 - kmh0) * k / std::max(1, seconds - 1)) / 1.852;
        char rmc[128];
        std::snprintf(rmc, sizeof rmc, "$GPRMC,12%02d%02d,A,%02d%07.4f,N,%03d%07.4f,E,%.1f,0,010120,,,A",
                      k / 60, k % 60, int(la), (la - int(la)) * 60, int(ln), (ln - int(ln)) * 60, knots);
        clip.block(0, 0, 0, k >= noFixFrom && k < noFixTo ? test::kNoFix : rmc);
    }
    return clip.load();
}

// A drive north, one fix a second at 20, 40, 60, 80, 100 knots (37, 74, 111, 148, 185 km/h).
DrovikClipData driveNorth()
{
    return straightDrive(37.5, 127.0, 0.0005, 0.0, 5, 20 * 1.852, 100 * 1.852);
}

// The speed-coloured route replaces the plain line, shows its legend and ends, reads out time,
// speed and G under the pointer, and a real click near it seeks to the nearest point's time.
TEST(MapPage, SpeedRouteClickAndHover)
{
    MapWindow map;
    ASSERT_TRUE(map.load());
    MapWebView *view = map.view;
    MapController &controller = map.controller;

    const DrovikClipData drive = driveNorth();
    const QList<RoutePoint> route = routePoints(drive);
    ASSERT_EQ(route.size(), 5);
    controller.removeMapLine();
    controller.addRoute(drive);
    controller.moveToLat(route[2].lat, route[2].lng);
    QJsonObject state;
    ASSERT_TRUE(QTest::qWaitFor([&] {
        state = pageState(*view);
        return state.value(QStringLiteral("bridge")).toBool() && !state.value(QStringLiteral("marker")).isNull();
    }, 20000)) << "the page reaches the viewer over its channel";
    const QJsonObject speedRoute = state.value(QStringLiteral("speedRoute")).toObject();
    EXPECT_EQ(speedRoute.value(QStringLiteral("points")).toArray().size(), 5);
    EXPECT_GE(speedRoute.value(QStringLiteral("segments")).toInt(), 3) << "five speeds, at least three colours";
    EXPECT_EQ(speedRoute.value(QStringLiteral("top")).toInt(), 190);
    EXPECT_EQ(state.value(QStringLiteral("legend")).toString(), QStringLiteral("0190km/hStartEnd"));
    EXPECT_FALSE(state.value(QStringLiteral("routeOnMap")).toBool()) << "the plain line is not drawn twice";
    EXPECT_EQ(state.value(QStringLiteral("routePoints")).toArray().size(), 5);
    EXPECT_TRUE(near(state.value(QStringLiteral("marker")), route[2].lat, route[2].lng));

    QWidget *surface = view->focusProxy();
    ASSERT_TRUE(surface);
    // Hovering beside the second point reads it out.
    const QPoint second = pixelOf(*view, route[1].lat, route[1].lng);
    QTest::mouseMove(surface, second + QPoint(5, 1));
    ASSERT_TRUE(QTest::qWaitFor([&] {
        return !pageState(*view).value(QStringLiteral("tooltip")).toString().isEmpty();
    }, 10000));
    EXPECT_EQ(pageState(*view).value(QStringLiteral("tooltip")).toString(), QString::fromUtf8("0:01 · 74 km/h · 0.00 g"));

    QSignalSpy seeks(&controller, &MapController::routePointClicked);
    // Beside the route, a little nearer the fourth point than the third.
    const QPoint third = pixelOf(*view, route[2].lat, route[2].lng);
    const QPoint fourth = pixelOf(*view, route[3].lat, route[3].lng);
    ASSERT_GT(std::abs(fourth.y() - third.y()), 12) << "points far enough apart to tell";
    QTest::mouseClick(surface, Qt::LeftButton, {}, (third + 2 * fourth) / 3 + QPoint(-6, 0));
    ASSERT_TRUE(seeks.wait(10000));
    EXPECT_EQ(seeks.first().first().toDouble(), route[3].seconds());
    EXPECT_EQ(route[3].seconds(), 3.0);
    ASSERT_TRUE(QTest::qWaitFor([&] {
        return near(pageState(*view).value(QStringLiteral("marker")), route[3].lat, route[3].lng);
    }, 10000)) << "the marker goes to the point at once";
    // Far from the route a click is the map's own.
    QTest::mouseClick(surface, Qt::LeftButton, {}, third + QPoint(60, 0));
    QTest::qWait(500);
    EXPECT_EQ(seeks.size(), 1);

    // Whatever the page sends, only positions on the globe go on, and the bridge stays.
    for (const char *call : {"'37.5', '127'", "null, 127", "91, 127", "{}, []", "37.5"})
        evaluate(*view, QStringLiteral("drovikMap.bridge.routeClicked(%1); 0").arg(QLatin1String(call)));
    evaluate(*view, QStringLiteral("drovikMap.bridge.deleteLater(); 0"));
    evaluate(*view, QStringLiteral("drovikMap.bridge.routeClicked(%1, %2); 0").arg(route[0].lat).arg(route[0].lng));
    ASSERT_TRUE(QTest::qWaitFor([&] { return seeks.size() >= 2; }, 10000));
    QTest::qWait(200);
    ASSERT_EQ(seeks.size(), 2);
    EXPECT_EQ(seeks.at(1).first().toDouble(), 0.0);

    // A new route replaces the old one; an empty one leaves nothing.
    controller.removeMapLine();
    controller.addRoute(DrovikClipData{});
    state = pageState(*view);
    EXPECT_TRUE(state.value(QStringLiteral("speedRoute")).isNull());
    EXPECT_TRUE(state.value(QStringLiteral("legend")).toString().isEmpty());
    EXPECT_EQ(state.value(QStringLiteral("routePathCount")).toInt(), 1) << "only the marker is left";
}

// A three-clip trip under its middle clip's route: one colour scale for both, the trip's ends
// named, the view fitted to a new trip once and left alone while it grows, and a click on the
// trip beside the clip opens the trip's clip at that moment, while one on the clip's route stays
// a seek in it.
TEST(MapPage, TripRouteUnderTheClip)
{
    MapWindow map;
    ASSERT_TRUE(map.load());
    MapWebView *view = map.view;
    MapController &controller = map.controller;

    // East, then north (the playing clip), then east again through a tunnel of ten seconds.
    const DrovikClipData clips[] = {
        straightDrive(37.5, 126.98, 0.00002, 0.00025, 40, 20, 60),
        straightDrive(37.501, 126.99, 0.00015, 0.0, 40, 60, 120),
        straightDrive(37.507, 126.9905, -0.00004, 0.00025, 40, 120, 30, 15, 25)};
    const telemetry::DriveClip parts[] = {{&clips[0], 0}, {&clips[1], 40}, {&clips[2], 80}};
    const double durations[] = {40, 40, 40};
    const auto trip = std::make_shared<const telemetry::DriveTrack>(telemetry::driveTrack(parts, durations));
    const QList<TripRoutePoint> points = tripRoutePoints(*trip);
    ASSERT_EQ(points.size(), 110);
    const QString script = MapScripts::addTripRoute(points, MapController::speedRouteTexts(), true);
    EXPECT_EQ(evaluate(*view, QStringLiteral("try { %1; 'drawn' } catch (e) { String(e) }").arg(script)),
              QVariant(QStringLiteral("drawn")));

    controller.removeMapLine();
    controller.addRoute(clips[1]);
    controller.showTripRoute(trip, true);
    QJsonObject state = pageState(*view);
    const QJsonObject tripRoute = state.value(QStringLiteral("tripRoute")).toObject();
    ASSERT_EQ(tripRoute.value(QStringLiteral("stretches")).toArray().size(), 2) << "not joined over the tunnel";
    EXPECT_GE(tripRoute.value(QStringLiteral("segments")).toInt(), 6);
    EXPECT_EQ(tripRoute.value(QStringLiteral("top")).toInt(), 120);
    EXPECT_EQ(state.value(QStringLiteral("speedRoute")).toObject().value(QStringLiteral("top")).toInt(), 120)
        << "the clip's route on the trip's scale";
    EXPECT_EQ(tripRoute.value(QStringLiteral("labels")).toArray(),
              (QJsonArray{QStringLiteral("Start"), QStringLiteral("End")}));
    const QString tripInView = QStringLiteral("drovikMap.map.getBounds().contains(L.latLngBounds([%1,%2],[%3,%4]))")
                                   .arg(37.5).arg(126.98).arg(37.507).arg(127.0);
    EXPECT_EQ(evaluate(*view, tripInView), QVariant(true)) << "a new trip is fitted in view";
    const int tripZoom = state.value(QStringLiteral("zoom")).toInt();
    EXPECT_LT(tripZoom, 16);
    controller.moveToLat(points[60].at.lat, points[60].at.lng);
    controller.showTripRoute(trip, false);
    ASSERT_TRUE(QTest::qWaitFor([&] {
        state = pageState(*view);
        return state.value(QStringLiteral("bridge")).toBool()
            && near(state.value(QStringLiteral("center")), points[60].at.lat, points[60].at.lng, 1e-4);
    }, 20000)) << "the same trip again leaves the view alone";
    EXPECT_EQ(state.value(QStringLiteral("zoom")).toInt(), tripZoom) << "the position keeps the trip's zoom";

    QWidget *surface = view->focusProxy();
    ASSERT_TRUE(surface);
    QSignalSpy tripClicks(&controller, &MapController::tripPointClicked);
    QSignalSpy seeks(&controller, &MapController::routePointClicked);
    // Close enough to tell the seconds apart.
    const auto clickAt = [&](const TripRoutePoint &point, QPoint beside) {
        evaluate(*view, QStringLiteral("drovikMap.map.setView([%1,%2], 17, {animate: false}); 0")
                            .arg(point.at.lat, 0, 'f', 6).arg(point.at.lng, 0, 'f', 6));
        QTest::mouseClick(surface, Qt::LeftButton, {}, pixelOf(*view, point.at.lat, point.at.lng) + beside);
    };
    // After the tunnel, beside the line.
    const TripRoutePoint &target = points[100];
    ASSERT_EQ(target.clip, 2);
    clickAt(target, QPoint(0, 4));
    ASSERT_TRUE(tripClicks.wait(10000));
    EXPECT_EQ(tripClicks.first(), (QList<QVariant>{2, 30.0}));
    EXPECT_EQ(target.at.seconds(), 30.0);
    // Hovering reads out the trip's time and speed.
    QTest::mouseMove(surface, pixelOf(*view, target.at.lat, target.at.lng) + QPoint(0, 4));
    QString readout;
    ASSERT_TRUE(QTest::qWaitFor([&] {
        readout = pageState(*view).value(QStringLiteral("tooltip")).toString();
        return !readout.isEmpty();
    }, 10000));
    EXPECT_TRUE(readout.startsWith(QString::fromUtf8("1:50 · ")) && readout.endsWith(QStringLiteral(" km/h")))
        << readout.toStdString();
    // On the playing clip, which lies over its part of the trip.
    clickAt(points[60], QPoint(4, 0));
    ASSERT_TRUE(seeks.wait(10000));
    EXPECT_EQ(seeks.first().first().toDouble(), 20.0);
    EXPECT_EQ(tripClicks.size(), 1);

    // A new clip's route leaves the trip; clearing it leaves the clip's route alone.
    controller.removeMapLine();
    state = pageState(*view);
    EXPECT_FALSE(state.value(QStringLiteral("tripRoute")).isNull());
    EXPECT_EQ(state.value(QStringLiteral("legend")).toString(), QStringLiteral("0120km/hStartEnd"));
    controller.addRoute(clips[0]);
    controller.clearTripRoute();
    state = pageState(*view);
    EXPECT_TRUE(state.value(QStringLiteral("tripRoute")).isNull());
    EXPECT_EQ(state.value(QStringLiteral("speedRoute")).toObject().value(QStringLiteral("top")).toInt(), 100);
}

// A page with only the four calls still gets every one of them, in order, around the speed route
// it cannot draw.
TEST(MapPage, APageWithOnlyTheFourCalls)
{
    test::TempFolder site;
    ASSERT_TRUE(site.put(QStringLiteral("map.html"), QByteArrayLiteral(R"(<!DOCTYPE html><script>
      var calls = [];
      function initialize() { calls.push('initialize'); }
      function MapMoveToAuto(lng, lat, zoom) { calls.push('move ' + lng + ' ' + lat + ' ' + zoom); }
      function removePolyLine() { calls.push('remove'); }
      function addPolyLine(points, color, weight, opacity) { calls.push('line ' + points.split('|').length); }
    </script>)")));
    SandboxedWebView::Policy policy;
    policy.folder = site.root();
    SandboxedWebView view(policy);
    view.resize(248, 160);
    view.show();
    MapController controller(&view);
    QSignalSpy ready(&view, &SandboxedWebView::pageReady);
    view.openPage(site.url(QStringLiteral("map.html")));
    controller.removeMapLine();
    controller.addRoute(driveNorth());
    controller.moveToLat(37.5f, 127.0f);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !ready.isEmpty(); }, kPageTimeoutMs));
    controller.removeMapLine();
    controller.addRoute(driveNorth());
    controller.moveToLat(37.5f, 127.0f);
    QStringList calls;
    ASSERT_TRUE(QTest::qWaitFor([&] {
        calls.clear();
        for (const QJsonValue &call : test::evaluateJson(view, QStringLiteral("calls")).array())
            calls << call.toString();
        return calls.size() >= 7;
    }, 20000)) << calls.join(QLatin1Char(',')).toStdString();
    const QStringList once{QStringLiteral("remove"), QStringLiteral("line 5"),
                           QStringLiteral("move 127 37.5 -1")};
    EXPECT_EQ(calls, QStringList{QStringLiteral("initialize")} + once + once);
}

} // namespace
