// The exact script texts the map bridge sends, with and without a web view behind it.
#include "display/map_controller.h"
#include "display/map_scripts.h"
#include "display_test_util.h"

#include <QLocale>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <limits>

using namespace drovik;
using drovik::test::routeRecord;

namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

struct RouteCase {
    const char *name;
    test::TableRecord record;
    const char *script;
};

TEST(MapScripts, Routes)
{
    const RouteCase cases[] = {
        {"no fix at all", routeRecord({{0, 0}, {0, 0}}, 0), "addPolyLine('', 'red', 4, 0.5)"},
        {"the documented two points",
         routeRecord({{37.497940f, 127.027610f}, {37.498300f, 127.028100f}}, 2),
         "addPolyLine('127.027611,37.497940|127.028099,37.498299', 'red', 4, 0.5)"},
        {"a standing vehicle adds one point",
         routeRecord({{37.5f, 127.0f}, {37.5f, 127.0f}, {37.6f, 127.1f}}, 3),
         "addPolyLine('127.000000,37.500000|127.099998,37.599998', 'red', 4, 0.5)"},
        {"no-fix samples before the first fix are skipped",
         routeRecord({{0, 0}, {0, 0}, {37.5f, 127.0f}}, 3),
         "addPolyLine('127.000000,37.500000', 'red', 4, 0.5)"},
        {"(0, 0) after a fix is a point",
         routeRecord({{37.5f, 127.0f}, {0, 0}, {37.5f, 127.0f}}, 3),
         "addPolyLine('127.000000,37.500000|0.000000,0.000000|127.000000,37.500000', 'red', 4, 0.5)"},
        {"only the first gpsDataCount samples",
         routeRecord({{0, 0}, {37.5f, 127.0f}, {37.6f, 127.1f}}, 2),
         "addPolyLine('127.000000,37.500000', 'red', 4, 0.5)"},
        {"south and west are negative",
         routeRecord({{-33.865143f, -70.5f}}, 1),
         "addPolyLine('-70.500000,-33.865143', 'red', 4, 0.5)"},
        {"not-a-number samples are left out",
         routeRecord({{37.5f, 127.0f}, {kNaN, 127.0f}, {37.5f, kInf}, {37.6f, 127.1f}}, 4),
         "addPolyLine('127.000000,37.500000|127.099998,37.599998', 'red', 4, 0.5)"},
    };
    for (const RouteCase &c : cases)
        EXPECT_EQ(MapScripts::addPolyLine(c.record), QString::fromLatin1(c.script)) << c.name;

    // A full record draws every one of its 650 fixes, and nothing past them.
    std::vector<std::pair<float, float>> fixes;
    for (int i = 0; i < 651; ++i)
        fixes.emplace_back(37.0f + float(i) * 0.001f, 127.0f);
    EXPECT_EQ(MapScripts::addPolyLine(routeRecord(fixes, 651)).count(QLatin1Char('|')), 649);
}

TEST(MapScripts, MovesWithADecimalPointWhateverTheLocale)
{
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(MapScripts::mapMoveToAuto(37.5f, 127.0f), QStringLiteral("MapMoveToAuto(127.000000,37.500000,-1)"));
    EXPECT_EQ(MapScripts::mapMoveToAuto(-12.25f, -77.03125f), QStringLiteral("MapMoveToAuto(-77.031250,-12.250000,-1)"));
    EXPECT_EQ(MapScripts::mapMoveToAuto(0, 0), QStringLiteral("MapMoveToAuto(0.000000,0.000000,-1)"));
    EXPECT_TRUE(MapScripts::mapMoveToAuto(kNaN, 127.0f).isEmpty());
    EXPECT_TRUE(MapScripts::mapMoveToAuto(37.5f, -kInf).isEmpty());
    QLocale::setDefault(previous);
}

TEST(MapController, SendsTheCallsInOrder)
{
    MapController controller;
    QSignalSpy sent(&controller, &MapController::scriptSent);
    controller.load();
    controller.removeMapLine();
    controller.addRoute(test::KvlClipBuilder().block(0, 0, 0, test::kNoFix).load());
    controller.moveToLat(37.5f, 127.0f);
    controller.moveToLat(kNaN, kNaN);
    controller.run(QStringLiteral("custom()"));

    QStringList scripts;
    for (const QList<QVariant> &args : sent)
        scripts << args.at(0).toString();
    EXPECT_EQ(scripts, (QStringList{QStringLiteral("initialize()"), QStringLiteral("removePolyLine()"),
                                    QStringLiteral("addPolyLine('', 'red', 4, 0.5)"),
                                    QStringLiteral("MapMoveToAuto(127.000000,37.500000,-1)"),
                                    QStringLiteral("custom()")}));
}

// A record read from a crafted clip: ten samples at one fix make one route point.
TEST(MapController, RouteOfALoadedClip)
{
    const DrovikClipData clip = test::KvlClipBuilder()
                                    .block(0, 0, 0, test::kNoFix)
                                    .block(0, 0, 0, test::kSeoulFix)
                                    .block(0, 0, 0, test::kSeoulFix)
                                    .load();
    ASSERT_EQ(clip.clipDataCount(), 30u);
    ASSERT_EQ(clip.gpsDataCount(), 20u);
    const QString script = MapScripts::addPolyLine(clip);
    // 37°23.2475' = 37.387458°, 126°58.3040' = 126.971733° (to float precision).
    EXPECT_TRUE(script.startsWith(QStringLiteral("addPolyLine('126.97173"))) << script.toStdString();
    EXPECT_EQ(script.count(QLatin1Char('|')), 0) << script.toStdString();
    EXPECT_TRUE(script.contains(QStringLiteral(",37.38745"))) << script.toStdString();
}

} // namespace
