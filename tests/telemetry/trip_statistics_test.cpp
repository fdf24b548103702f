// A drive's figures against a route worked out by hand.
#include "telemetry/clip_data.h"
#include "telemetry/drive_track.h"
#include "telemetry/trip_statistics.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>
#include <string>

using namespace drovik::telemetry;

namespace {

// One trailer line per sample: position, speed and accelerations of sample i.
struct Sample {
    double lat;
    double lng;
    int speed;
    int gx = 0;
    int gy = 0;
};

drovik::DrovikClipData clipOf(int samples, const std::function<Sample(int)> &at)
{
    std::string text = "ETKQX4";
    for (int i = 0; i < samples; ++i) {
        const Sample s = at(i);
        char line[96];
        std::snprintf(line, sizeof line, "x,%.4f,%.4f,%d,%d,%d,128\n", s.lat, s.lng, s.speed, s.gx, s.gy);
        text += line;
    }
    const drovik::test::TempFolder dir;
    drovik::DrovikClipData clip;
    clip.loadVideoFileClipDataFromFilePath(dir.file("clip.mov", text));
    return clip;
}

TEST(TripStatistics, GreatCircle)
{
    const double degree = std::numbers::pi / 180 * kEarthRadiusM; // 111 195.08 m
    const struct {
        double lat1, lng1, lat2, lng2, metres;
    } cases[] = {
        {0, 0, 0, 1, degree},
        {10, 20, 10.001, 20, 0.001 * degree},
        // Along the parallel at 60°, by the spherical law of cosines.
        {60, 5, 60, 6, kEarthRadiusM * std::acos(0.75 + 0.25 * std::cos(std::numbers::pi / 180))},
        {0, 0, 90, 0, 90 * degree},
        {48.86, 2.3, 48.86, 2.3, 0},
    };
    for (const auto &c : cases)
        EXPECT_NEAR(greatCircleMetres(c.lat1, c.lng1, c.lat2, c.lng2), c.metres, 0.1) << c.lat2 << ',' << c.lng2;
}

// Three clips north along the meridian 20° E, 0.001° (111.195 m) a second:
//   A, 0…10 s: seconds 0–1 at 2 km/h (standing), 2–9 at 40 km/h, no fix in seconds 5–7 (a 3.1 s
//     gap between fixes: still joined); a sharp turn at 3 s;
//   B, 10…20 s: on from where A left, 80 km/h, braking hard at 15 s;
//   C, 30…35 s: ten seconds later and a kilometre on (not joined), standing still at 60 km/h GPS.
// Distance: 9 steps in A, 1 from A to B, 9 in B = 19 steps; nothing to or within C.
TEST(TripStatistics, HandComputedDrive)
{
    const auto lat = [](int second) { return 10.0 + 0.001 * second; };
    const auto a = clipOf(100, [&](int i) {
        const int s = i / 10;
        if (s >= 5 && s <= 7)
            return Sample{0, 0, 0};
        return Sample{lat(s), 20, s < 2 ? 2 : 40, i == 30 ? 100 : 0};
    });
    const auto b = clipOf(100, [&](int i) { return Sample{lat(10 + i / 10), 20, 80, 0, i == 50 ? -96 : 0}; });
    const auto c = clipOf(50, [&](int) { return Sample{11.0, 20, 60}; });
    const DriveClip drive[] = {{&a, 0}, {&b, 10}, {&c, 30}};

    const DriveStatistics stats = driveStatistics(drive);
    EXPECT_NEAR(stats.distanceM, 19 * 111.19508, 1.0);
    EXPECT_DOUBLE_EQ(stats.durationS, 25.0);
    EXPECT_DOUBLE_EQ(stats.movingS, 5 + 10 + 5); // A: seconds 2, 3, 4, 8, 9
    EXPECT_DOUBLE_EQ(stats.maxSpeedKmh, 80);
    EXPECT_DOUBLE_EQ(stats.avgSpeedKmh, (50 * 40 + 100 * 80 + 50 * 60) / 200.0);
    EXPECT_EQ(stats.events, (std::array<int, 4>{1, 0, 1, 0})); // braking, acceleration, cornering, impact

    // B six seconds after A's end: its first fix is 6.1 s after A's last, too long to join.
    const DriveClip later[] = {{&a, 0}, {&b, 16}};
    EXPECT_NEAR(driveStatistics(later).distanceM, 18 * 111.19508, 1.0);
    const DriveStatistics alone = clipStatistics(b);
    EXPECT_NEAR(alone.distanceM, 9 * 111.19508, 1.0);
    EXPECT_EQ(alone.events, (std::array<int, 4>{1, 0, 0, 0}));
    EXPECT_EQ(clipStatistics(drovik::DrovikClipData()).distanceM, 0);

    // The same drive on one timeline, with a clip not yet read (null) after a gap.
    const DriveClip withUnread[] = {{&a, 0}, {&b, 10}, {&c, 30}, {nullptr, 40}};
    const double given[] = {60, 60, 60, 60};
    const DriveTrack track = driveTrack(withUnread, given);
    ASSERT_EQ(track.clips.size(), 4u);
    EXPECT_EQ(track.samples.size(), 250u);
    EXPECT_DOUBLE_EQ(track.clips[2].durationSeconds, 5.0); // read: its samples' length
    EXPECT_FALSE(track.clips[3].read);
    EXPECT_DOUBLE_EQ(track.durationSeconds, 100.0);
    EXPECT_FALSE(track.samples[55].fix);
    EXPECT_DOUBLE_EQ(track.samples[120].seconds, 12.0);
    EXPECT_EQ(track.samples[120].clip, 1);
    ASSERT_EQ(track.events.size(), 2u);
    EXPECT_NEAR(track.events[1].seconds, 15.0, 0.2);
    using M = DriveTrack::Moment;
    const std::pair<double, std::optional<M>> moments[] = {
        {-3, M{0, 0}}, {4.5, M{0, 4.5}}, {10, M{1, 0}}, {25, M{2, 0}}, {33, M{2, 3}}, {36, M{3, 0}},
        {99, M{3, 59}}, {500, M{3, 59.9}},
    };
    for (const auto &[seconds, moment] : moments) {
        const auto found = track.momentAt(seconds);
        ASSERT_TRUE(found) << seconds;
        EXPECT_EQ(found->clip, moment->clip) << seconds;
        EXPECT_NEAR(found->clipSeconds, moment->clipSeconds, 1e-9) << seconds;
    }
    EXPECT_DOUBLE_EQ(track.secondsOf(2, 1.5), 31.5);
    EXPECT_FALSE(DriveTrack().momentAt(1));
}

} // namespace
