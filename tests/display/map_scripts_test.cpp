// The exact script texts the map bridge sends, with and without a web view behind it.
#include "display/map_controller.h"
#include "display/map_route.h"
#include "display/map_scripts.h"
#include "display_test_util.h"
#include "i18n/preferences.h"

#include <QLocale>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <limits>
#include <memory>

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
    for (const RouteCase &c : cases) {
        EXPECT_EQ(MapScripts::addPolyLine(c.record), QString::fromLatin1(c.script)) << c.name;
        // The speed route and the clicks follow the very points of the plain line.
        QStringList positions;
        for (const RoutePoint &point : routePoints(c.record))
            positions << MapScripts::routePoint(point.lat, point.lng);
        EXPECT_EQ(QStringLiteral("addPolyLine('%1', 'red', 4, 0.5)").arg(positions.join(QLatin1Char('|'))),
                  QString::fromLatin1(c.script)) << c.name;
    }

    // A full record draws every one of its 650 fixes, and nothing past them.
    std::vector<std::pair<float, float>> fixes;
    for (int i = 0; i < 651; ++i)
        fixes.emplace_back(37.0f + float(i) * 0.001f, 127.0f);
    EXPECT_EQ(MapScripts::addPolyLine(routeRecord(fixes, 651)).count(QLatin1Char('|')), 649);
}

// Speeds in the preferred unit, each point's time and the peak horizontal acceleration until the
// next point (a NaN sample still counts there: only its position is unusable).
TEST(MapScripts, SpeedRoutes)
{
    test::TableRecord record = routeRecord(
        {{0, 0}, {0, 0}, {37.5f, 127.0f}, {37.5f, 127.0f}, {kNaN, 127.0f}, {37.6f, 127.1f}, {37.6f, 127.1f}}, 6);
    record.speeds = {0, 0, 12, 100, 30, 5000, 7};
    // 1/128 g: a 0.5 g brake, a 0.75 g swerve, then 0.39 g (30, 40) on the last point, and a
    // sample past gpsDataCount that belongs to no point.
    record.accel = {{300, 0, 128}, {0, 0, 128}, {0, 0, 128}, {64, 0, 128}, {0, -96, 128}, {30, 40, 0}, {500, 0, 0}};
    const QString words = QStringLiteral(R"({"end":"Fin","start":"Départ","top":100,"unit":"%1"})");
    const struct {
        const char *name;
        test::TableRecord record;
        bool miles;
        QString script;
    } cases[] = {
        {"no fix at all", routeRecord({{0, 0}, {0, 0}}, 2), false,
         QStringLiteral("addSpeedRoute('', %1)").arg(words.arg(QStringLiteral("km/h")))},
        {"km/h, a speed past the meter's digits held at 999", record, false,
         QStringLiteral("addSpeedRoute('127.000000,37.500000,12,0.2,0.75|127.099998,37.599998,999,0.5,0.39', %1)")
             .arg(words.arg(QStringLiteral("km/h")))},
        {"mph rounded as the meter rounds", record, true,
         QStringLiteral("addSpeedRoute('127.000000,37.500000,7,0.2,0.75|127.099998,37.599998,621,0.5,0.39', %1)")
             .arg(words.arg(QStringLiteral("mph")))},
    };
    for (const auto &c : cases) {
        const MapScripts::SpeedRouteTexts texts{c.miles, c.miles ? QStringLiteral("mph") : QStringLiteral("km/h"),
                                                QStringLiteral("Départ"), QStringLiteral("Fin"), 100};
        EXPECT_EQ(MapScripts::addSpeedRoute(routePoints(c.record), texts), c.script) << c.name;
    }
}

// A drive of clips for the trip's route: per clip, its offset on the trip and one entry a second,
// spread over ten samples as the readers do: {lat, lng, km/h}, or a NaN latitude for no fix.
struct TripFix {
    float lat, lng;
    float speedKmh;
};

std::shared_ptr<telemetry::DriveTrack> tripOf(std::initializer_list<std::pair<double, std::vector<TripFix>>> clips)
{
    auto track = std::make_shared<telemetry::DriveTrack>();
    for (const auto &[offset, seconds] : clips) {
        const int clip = int(track->clips.size());
        track->clips.push_back({offset, double(seconds.size()), !seconds.empty()});
        for (int i = 0; i < int(seconds.size()) * 10; ++i) {
            const TripFix &fix = seconds[std::size_t(i / 10)];
            const bool usable = std::isfinite(fix.lat);
            track->samples.push_back({offset + i / 10.0, clip, i / 10.0, usable, usable ? fix.lat : 0,
                                      usable ? fix.lng : 0, fix.speedKmh});
        }
        track->durationSeconds = offset + double(seconds.size());
    }
    return track;
}

// The trip's route: a point a second at most, no repeats, and stretches (";") never joined across
// a gap in fixes or between clips that do not follow each other; numbers with a decimal point
// whatever the locale.
TEST(MapScripts, TripRoutes)
{
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    constexpr TripFix a{37.5f, 127.0f, 30}, b{37.75f, 127.25f, 50}, c{37.875f, 127.5f, 70}, none{kNaN, 0, 0};
    const char *const kmh = R"({"end":"End","start":"Start","top":100,"unit":"km/h"})";
    const struct {
        const char *name;
        std::shared_ptr<telemetry::DriveTrack> track;
        bool miles;
        const char *points;
    } cases[] = {
        {"nothing read", tripOf({{0, {}}, {60, {}}}), false, ""},
        {"a point a second, a standing vehicle once", tripOf({{0, {a, a, b, c}}}), false,
         "127.000000,37.500000,30,0.0|127.250000,37.750000,50,2.0|127.500000,37.875000,70,3.0"},
        {"no fix for four seconds is joined", tripOf({{0, {a, none, none, none, none, b}}}), false,
         "127.000000,37.500000,30,0.0|127.250000,37.750000,50,5.0"},
        {"no fix for six seconds is a gap", tripOf({{0, {a, none, none, none, none, none, none, b}}}), false,
         "127.000000,37.500000,30,0.0;127.250000,37.750000,50,7.0"},
        {"the next clip is joined, in mph", tripOf({{0, {a, b}}, {2, {c}}}), true,
         "127.000000,37.500000,19,0.0|127.250000,37.750000,31,1.0|127.500000,37.875000,43,2.0"},
        {"not across an unread clip", tripOf({{0, {a, b}}, {2, {}}, {2, {c}}}), false,
         "127.000000,37.500000,30,0.0|127.250000,37.750000,50,1.0;127.500000,37.875000,70,2.0"},
    };
    for (const auto &c : cases) {
        const MapScripts::SpeedRouteTexts texts{c.miles, c.miles ? QStringLiteral("mph") : QStringLiteral("km/h"),
                                                QStringLiteral("Start"), QStringLiteral("End"), 100};
        const QString words = QString::fromLatin1(kmh).replace(QStringLiteral("km/h"), texts.unit);
        EXPECT_EQ(MapScripts::addTripRoute(tripRoutePoints(*c.track), texts, true),
                  QStringLiteral("addTripRoute('%1', %2, true)").arg(QLatin1String(c.points), words)) << c.name;
    }
    QLocale::setDefault(previous);

    // A two-hour trip of one-minute clips sends a point a second, each clip's samples mapped back to it.
    std::vector<TripFix> minute;
    for (int s = 0; s < 60; ++s)
        minute.push_back({37.0f + float(s) * 1e-4f, 127.0f, 40});
    auto drive = std::make_shared<telemetry::DriveTrack>();
    for (int clip = 0; clip < 120; ++clip) {
        const auto one = tripOf({{clip * 60.0, minute}});
        for (telemetry::DriveTrack::Sample sample : one->samples) {
            sample.clip = clip;
            sample.lng += float(clip) * 1e-3f;
            drive->samples.push_back(sample);
        }
        drive->clips.push_back(one->clips.front());
    }
    ASSERT_EQ(drive->samples.size(), 72000u);
    const QList<TripRoutePoint> points = tripRoutePoints(*drive);
    ASSERT_EQ(points.size(), 7200);
    EXPECT_EQ(std::count_if(points.begin(), points.end(), [](const TripRoutePoint &p) { return !p.joinsPrevious; }), 1);
    EXPECT_EQ(points[61].clip, 1);
    EXPECT_EQ(points[61].at.seconds(), 1.0);
    EXPECT_EQ(points[61].tripSeconds, 61.0);
}

// A trip shown follows the unit, fits the view once per new trip (once it has points), and is
// gone once cleared.
TEST(MapController, SendsTheTripRoute)
{
    Preferences::storeSpeedUnit(Preferences::KilometresPerHour);
    MapController controller;
    QSignalSpy sent(&controller, &MapController::scriptSent);
    const auto empty = tripOf({{0, {}}});
    const auto grown = tripOf({{0, {{37.5f, 127.0f, 30}}}});
    controller.showTripRoute(empty, true);
    controller.showTripRoute(grown, false);
    controller.showTripRoute(grown, false);
    controller.refreshSpeedRoute();
    controller.clearTripRoute();
    controller.refreshSpeedRoute();
    controller.showTripRoute(nullptr, true);

    QStringList scripts;
    for (const QList<QVariant> &args : sent)
        scripts << args.at(0).toString();
    const QString words = QStringLiteral(R"({"end":"End","start":"Start","top":100,"unit":"km/h"})");
    const QString point = QStringLiteral("127.000000,37.500000,30,0.0");
    EXPECT_EQ(scripts, (QStringList{QStringLiteral("addTripRoute('', %1, false)").arg(words),
                                    QStringLiteral("addTripRoute('%1', %2, true)").arg(point, words),
                                    QStringLiteral("addTripRoute('%1', %2, false)").arg(point, words),
                                    QStringLiteral("addTripRoute('%1', %2, false)").arg(point, words),
                                    QStringLiteral("clearTripRoute()"), QStringLiteral("clearTripRoute()")}));
    EXPECT_TRUE(controller.tripRoute().isEmpty());
}

TEST(MapRoute, NearestPoint)
{
    const auto route = [](std::initializer_list<std::pair<float, float>> positions) {
        QList<RoutePoint> points;
        int sample = 0;
        for (const auto &[lat, lng] : positions)
            points.append(RoutePoint{lat, lng, sample++ * 10});
        return points;
    };
    // A square block driven back to its start.
    const QList<RoutePoint> block = route({{37.5f, 127.0f}, {37.5f, 127.01f}, {37.51f, 127.01f}, {37.5f, 127.0f}});
    const struct {
        const char *name;
        QList<RoutePoint> points;
        double lat, lng;
        int nearest;
    } cases[] = {
        {"on a point", block, 37.5, 127.01, 1},
        {"nearer the first of two", block, 37.504, 127.01, 1},
        {"nearer the second of two", block, 37.506, 127.01, 2},
        {"a place passed twice answers the first pass", block, 37.5, 127.0, 0},
        {"a degree east is shorter in the north",
         route({{60.0f, 0.0f}, {60.006f, 0.01f}}), 60.0, 0.009, 0},
        {"across the antimeridian", route({{0.0f, 179.99f}, {0.0f, -179.0f}}), 0.0, -179.999, 0},
        {"no points", {}, 37.5, 127.0, -1},
        {"not a number", block, kNaN, 127.0, -1},
        {"off the globe", block, 91.0, 127.0, -1},
        {"past the antimeridian", block, 37.5, 180.5, -1},
    };
    for (const auto &c : cases)
        EXPECT_EQ(nearestRoutePoint(c.points, c.lat, c.lng), c.nearest) << c.name;
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

// A route with points follows its plain line with the speed route, in the preferred unit, again
// when the unit changes, and no longer once the route is removed.
TEST(MapController, SendsTheSpeedRouteAfterTheLine)
{
    const DrovikClipData clip = test::KvlClipBuilder()
                                    .block(0, 0, 0, test::kSeoulFix)
                                    .block(0, 0, 0, "$GPRMC,120001,A,3723.3000,N,12658.4000,E,54.0,0,010120,,,A")
                                    .load();
    ASSERT_EQ(routePoints(clip).size(), 2);
    ASSERT_GT(routePoints(clip)[1].speedKmh, 90);
    Preferences::storeSpeedUnit(Preferences::MilesPerHour);
    MapController controller;
    QSignalSpy sent(&controller, &MapController::scriptSent);
    controller.addRoute(clip);
    Preferences::storeSpeedUnit(Preferences::KilometresPerHour);
    controller.refreshSpeedRoute();
    controller.removeMapLine();
    controller.refreshSpeedRoute();

    QStringList scripts;
    for (const QList<QVariant> &args : sent)
        scripts << args.at(0).toString();
    const auto speedRoute = [&](bool miles) {
        return MapScripts::addSpeedRoute(
            routePoints(clip), {miles, miles ? QStringLiteral("mph") : QStringLiteral("km/h"),
                                QStringLiteral("Start"), QStringLiteral("End"), miles ? 60 : 100});
    };
    EXPECT_EQ(scripts, (QStringList{MapScripts::addPolyLine(clip), speedRoute(true), speedRoute(false),
                                    QStringLiteral("removePolyLine()")}));
    EXPECT_TRUE(controller.route().isEmpty());
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
