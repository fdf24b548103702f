// The map page in a real web view: Leaflet loads from the resources, the bridge's calls draw the
// route and the marker, and the page stays usable without a network (this machine has none).
#include "display/map_controller.h"
#include "display/map_scripts.h"
#include "display/map_web_view.h"
#include "display_test_util.h"
#include "web_test_util.h"

#include <QSignalSpy>
#include <QWebEngineProfile>

#include <gtest/gtest.h>

using namespace drovik;
using drovik::test::evaluate;

namespace {

constexpr int kPageTimeoutMs = 90000;

QJsonObject pageState(QWebEngineView &view)
{
    const auto json = evaluate(view, QStringLiteral("JSON.stringify(drovikMapState())"));
    if (!json)
        return {};
    return QJsonDocument::fromJson(json->toString().toUtf8()).object();
}

bool near(const QJsonValue &value, double a, double b)
{
    const QJsonArray array = value.toArray();
    return array.size() == 2 && std::abs(array[0].toDouble() - a) < 1e-5
        && std::abs(array[1].toDouble() - b) < 1e-5;
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

} // namespace
