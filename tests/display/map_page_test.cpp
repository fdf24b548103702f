// The map page in a real web view: Leaflet loads from the resources, the bridge's calls draw the
// route and the marker, and the page stays usable without a network (this machine has none).
#include "display/gravity_graph_view.h"
#include "display/map_controller.h"
#include "display/map_scripts.h"
#include "display/map_web_view.h"
#include "display/speed_meter_view.h"
#include "display_test_util.h"

#include <QDir>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>

#include <gtest/gtest.h>

#include <cstdio>
#include <optional>

using namespace drovik;

namespace {

constexpr int kPageTimeoutMs = 90000;

// Runs a script in the page and waits for its result.
std::optional<QVariant> evaluate(QWebEngineView &view, const QString &script)
{
    std::optional<QVariant> result;
    view.page()->runJavaScript(script, [&](const QVariant &value) { result = value; });
    if (!QTest::qWaitFor([&] { return result.has_value(); }, 20000))
        return std::nullopt;
    return result;
}

QJsonObject pageState(QWebEngineView &view)
{
    const auto json = evaluate(view, QStringLiteral("JSON.stringify(drovikMapState())"));
    if (!json)
        return {};
    return QJsonDocument::fromJson(json->toString().toUtf8()).object();
}

QJsonArray pair(double a, double b)
{
    return QJsonArray{a, b};
}

bool near(const QJsonValue &value, double a, double b)
{
    const QJsonArray array = value.toArray();
    return array.size() == 2 && std::abs(array[0].toDouble() - a) < 1e-5
        && std::abs(array[1].toDouble() - b) < 1e-5;
}

// The dashboard as the main window lays it out, for a person to look at: the graph and the
// meter of a clip beside the map.
void saveDashboardPicture(const QString &path, MapWebView &map)
{
    QWidget dashboard;
    dashboard.setStyleSheet(QStringLiteral("background:#121417"));
    dashboard.resize(960, 176);
    const DrovikClipData clip = test::KvlClipBuilder()
                                    .block(40, -20, 130, test::kSeoulFix)
                                    .block(150, 60, 120, test::kSeoulFix)
                                    .block(-260, 90, 140, test::kSeoulFix)
                                    .block(30, -310, 120, test::kSeoulFix)
                                    .block(20, 10, 500, test::kSeoulFix)
                                    .block(-60, 30, 130, test::kSeoulFix)
                                    .load();
    auto *graph = new GravityGraphView(&dashboard);
    graph->setGeometry(0, 10, 250, 128);
    graph->setClipData(clip);
    auto *meter = new SpeedMeterView(&dashboard);
    meter->setGeometry(348, 8, 240, 150);
    meter->setSpeed(87);
    QWidget *oldParent = map.parentWidget();
    const QRect oldGeometry = map.geometry();
    map.setParent(&dashboard);
    map.setGeometry(690, 8, 248, 160);
    dashboard.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&dashboard));
    QTest::qWait(1500);
    dashboard.grab().save(path);
    map.setParent(oldParent);
    map.setGeometry(oldGeometry);
    map.show();
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
    QSignalSpy sent(&controller, &MapController::scriptSent);
    QSignalSpy loaded(view, &QWebEngineView::loadFinished);
    QElapsedTimer loading;
    loading.start();
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
    RecordProperty("pageLoadMilliseconds", int(loading.elapsed()));
    std::printf("map page loaded in %lld ms\n", static_cast<long long>(loading.elapsed()));
    ASSERT_TRUE(controller.isPageLoaded());

    QStringList scripts;
    for (const QList<QVariant> &args : sent)
        scripts << args.at(0).toString();
    EXPECT_EQ(scripts.count(QStringLiteral("initialize()")), 2) << "at load and when loaded";
    EXPECT_EQ(scripts.indexOf(QStringLiteral("initialize()"), 1), 3)
        << "after loading: initialize() first, then the calls made meanwhile";

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

    if (const QString dir = test::grabDirectory(); !dir.isEmpty()) {
        QTest::qWait(1500);
        view->grab().save(QDir(dir).filePath(QStringLiteral("map_offline.png")));
        saveDashboardPicture(QDir(dir).filePath(QStringLiteral("dashboard.png")), *view);
    }

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
    EXPECT_EQ(state.value(QStringLiteral("routePoints")).toArray(), QJsonArray{pair(37.6, 127.1)});
    EXPECT_TRUE(near(state.value(QStringLiteral("marker")), 37.51, 127.02));

    // The page cannot read local files, not even if its settings were loosened.
    view->page()->settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
    const auto fetched = evaluate(*view, QStringLiteral(
        "var done = null; fetch('file:///etc/hostname').then(function () { done = 'read'; },"
        " function () { done = 'refused'; }); 0"));
    ASSERT_TRUE(fetched.has_value());
    std::optional<QVariant> outcome;
    ASSERT_TRUE(QTest::qWaitFor([&] {
        outcome = evaluate(*view, QStringLiteral("done"));
        return outcome && !outcome->isNull();
    }, 20000));
    EXPECT_EQ(outcome->toString(), QStringLiteral("refused"));
}

} // namespace
