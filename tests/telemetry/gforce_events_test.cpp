// G-force events on generated drives: found exactly where the generator put them, nowhere in a
// smooth drive, merged across short dips, safe on garbage; and the jumps between them.
#include "telemetry/clip_data.h"
#include "telemetry/gforce_events.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <optional>
#include <string>
#include <vector>

namespace drovik::telemetry {
// Readable failures.
void PrintTo(const GForceEvent &e, std::ostream *out)
{
    *out << "{sample " << e.sampleIndex << ", " << e.timeSeconds << " s, kind " << int(e.kind) << ", "
         << e.peakG << " g}";
}
} // namespace drovik::telemetry

using namespace drovik::telemetry;
using Kind = GForceEventKind;

namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

// A city drive: gentle speed changes and curves (under 0.3 g), a little sensor noise, gravity on
// Z with a hard pothole at 20 s that jolts Z by 1.2 g but nothing else.
std::vector<GForceSample> smoothDrive(int samples)
{
    std::vector<GForceSample> drive(std::size_t(std::max(samples, 0)));
    for (int i = 0; i < samples; ++i) {
        const float t = float(i) / kSamplesPerSecond;
        const float noise = 0.02f * std::sin(float(i) * 12.9898f);
        drive[std::size_t(i)] = {0.18f * std::sin(t * 0.7f) + noise, 0.22f * std::sin(t * 0.3f) - noise,
                                 1.0f + noise + (i == 200 ? 1.2f : 0.0f)};
    }
    return drive;
}

// A pulse on the horizontal axes: rising over `rise` samples to (gx, gy) at sample `peak`, then
// falling over as many; every other sample of it stays below the peak.
void pulse(std::vector<GForceSample> &drive, int peak, int rise, float gx, float gy)
{
    for (int k = -rise; k <= rise; ++k) {
        const int i = peak + k;
        if (i < 0 || i >= int(drive.size()))
            continue;
        const float f = 1.0f - float(std::abs(k)) / float(rise + 1);
        drive[std::size_t(i)].gx = gx * f;
        drive[std::size_t(i)].gy = gy * f;
    }
}

struct Pulse {
    int peak;
    int rise;
    float gx;
    float gy;
};

struct Expected {
    int sample;
    Kind kind;
};

struct DetectCase {
    const char *name;
    int samples;
    std::vector<Pulse> pulses;
    std::vector<Expected> events;
};

TEST(GForceEvents, FoundExactlyWhereTheGeneratorPutThem)
{
    const DetectCase cases[] = {
        {"smooth drive, pothole on Z only", 600, {}, {}},
        {"braking", 600, {{120, 6, 0.05f, -0.7f}}, {{120, Kind::HarshBraking}}},
        {"acceleration", 600, {{300, 8, 0.0f, 0.5f}}, {{300, Kind::HarshAcceleration}}},
        {"cornering left and right", 600, {{150, 5, 0.6f, -0.2f}, {400, 5, -0.55f, 0.1f}},
         {{150, Kind::Cornering}, {400, Kind::Cornering}}},
        {"impact, one sample", 600, {{450, 0, -2.5f, 1.0f}}, {{450, Kind::Impact}}},
        {"braking and impact in one event: the impact is the peak", 600,
         {{250, 10, 0.0f, -0.8f}, {253, 0, 0.3f, -1.9f}}, {{253, Kind::Impact}}},
        {"exactly at the threshold", 300, {{100, 0, 0.0f, -kEventThresholdG}}, {{100, Kind::HarshBraking}}},
        {"just under the threshold", 300, {{100, 3, 0.0f, -0.39f}}, {}},
        {"exactly at the impact level", 300, {{100, 0, 0.0f, -kImpactG}}, {{100, Kind::Impact}}},
        {"diagonal: magnitude counts, larger axis classifies", 300, {{100, 0, 0.3f, -0.32f}},
         {{100, Kind::HarshBraking}}},
        {"first sample", 300, {{0, 4, 0.0f, -0.9f}}, {{0, Kind::HarshBraking}}},
        {"last sample, still open at the end", 300, {{299, 4, 0.7f, 0.0f}}, {{299, Kind::Cornering}}},
        {"one sample long record", 1, {{0, 0, 0.0f, 0.6f}}, {{0, Kind::HarshAcceleration}}},
        {"the record's full capacity", 650, {{649, 2, 0.0f, -0.6f}}, {{649, Kind::HarshBraking}}},
        // Two peaks, each three samples over the threshold, 9 quiet samples between them: under
        // the one-second hold-off, so one event at the higher one.
        {"hold-off merges a ragged peak", 600, {{200, 1, 0.0f, -0.9f}, {212, 1, 0.0f, -1.0f}},
         {{212, Kind::HarshBraking}}},
        // 10 quiet samples between them: the first has closed, two events.
        {"apart by the hold-off", 600, {{200, 1, 0.0f, -0.9f}, {213, 1, 0.0f, -1.0f}},
         {{200, Kind::HarshBraking}, {213, Kind::HarshBraking}}},
        {"a four-second braking is one event", 600, {{300, 20, 0.0f, -0.9f}}, {{300, Kind::HarshBraking}}},
    };
    for (const DetectCase &c : cases) {
        std::vector<GForceSample> drive = smoothDrive(c.samples);
        for (const Pulse &p : c.pulses)
            pulse(drive, p.peak, p.rise, p.gx, p.gy);
        const std::vector<GForceEvent> found = detectGForceEvents(drive);
        ASSERT_EQ(found.size(), c.events.size()) << c.name;
        for (std::size_t k = 0; k < found.size(); ++k) {
            const GForceSample &peak = drive[std::size_t(c.events[k].sample)];
            EXPECT_EQ(found[k], (GForceEvent{c.events[k].sample, c.events[k].sample / 10.0, c.events[k].kind,
                                             std::hypot(peak.gx, peak.gy)}))
                << c.name << ", event " << k;
        }
    }
    EXPECT_TRUE(detectGForceEvents(std::vector<GForceSample>{}).empty());
}

// Values that are not readings never crash, never become events and never split one.
TEST(GForceEvents, GarbageIsNotAReading)
{
    const float garbage[] = {kNaN, kInf, -kInf, 1e30f, -3e38f, kImplausibleG * 1.01f};
    for (const float g : garbage) {
        std::vector<GForceSample> drive = smoothDrive(300);
        for (int i = 50; i < 60; ++i)
            drive[std::size_t(i)] = {g, g, g};
        drive[100] = {g, 0.0f, 1.0f};
        drive[101] = {0.0f, g, kNaN};
        EXPECT_TRUE(detectGForceEvents(drive).empty()) << g;

        // Inside a braking: still one event, at its real peak.
        pulse(drive, 200, 6, 0.0f, -0.8f);
        drive[199] = {g, g, g};
        drive[203] = {kNaN, -0.5f, 1.0f};
        const std::vector<GForceEvent> found = detectGForceEvents(drive);
        ASSERT_EQ(found.size(), 1u) << g;
        EXPECT_EQ(found[0].sampleIndex, 200) << g;
        EXPECT_EQ(found[0].kind, Kind::HarshBraking) << g;
    }
    EXPECT_TRUE(detectGForceEvents(std::vector<GForceSample>(650, {kNaN, kNaN, kNaN})).empty());
}

// Through the record as the viewer loads it: raw 1/128 g, ten samples a second. A sensor pinned
// at its limit (the subtitle reader clamps to ±4 g) is an impact, not garbage.
TEST(GForceEvents, FromAClipRecord)
{
    EXPECT_TRUE(detectGForceEvents(drovik::DrovikClipData{}).empty()) << "empty record";

    // One cue per second (128 counts per g, so the values are the record's units), each spread
    // over ten samples: quiet, a braking of -96 (0.75 g), quiet, the sensor pinned, quiet.
    const int seconds[][3] = {{2, 1, 128}, {0, -96, 128}, {3, -2, 128}, {-32768, 32767, 0}, {1, 0, 128}};
    std::string srt;
    for (int s = 0; s < 5; ++s) {
        srt += std::to_string(s + 1) + "\n00:00:0" + std::to_string(s) + ",000 --> 00:00:0"
               + std::to_string(s + 1) + ",000\ngsensori,1,128," + std::to_string(seconds[s][0]) + ","
               + std::to_string(seconds[s][1]) + "," + std::to_string(seconds[s][2])
               + ";GPRMC,120000,A,4852.0000,N,00218.0000,E,10.0,0,010120,,,A\n\n";
    }
    const drovik::test::TempFolder dir;
    drovik::DrovikClipData clip;
    clip.loadVideoFileClipDataFromFilePath(dir.file("clip.srt", srt));
    ASSERT_EQ(clip.clipDataCount(), 50u);
    // The reader's rounding (+0.5, then toward zero) makes -96 into -95.
    const std::vector<GForceEvent> expected{{10, 1.0, Kind::HarshBraking, 95.0f / 128.0f},
                                            {30, 3.0, Kind::Impact, std::hypot(4.0f, 4.0f)}};
    EXPECT_EQ(detectGForceEvents(clip), expected);
}

struct JumpCase {
    double now;
    std::optional<double> previous;
    std::optional<double> next;
};

TEST(GForceEvents, JumpsLandTwoSecondsBeforeThePeak)
{
    // Peaks at 1.0 s (lands at 0), 8.4 s (6.4) and 30.0 s (28.0).
    const std::vector<GForceEvent> events{{10, 1.0, Kind::Impact, 2.0f},
                                          {84, 8.4, Kind::HarshBraking, 0.7f},
                                          {300, 30.0, Kind::Cornering, 0.5f}};
    const JumpCase cases[] = {
        {0.0, std::nullopt, 6.4},  // at the start: the first event's landing is where we are
        {0.2, std::nullopt, 6.4},
        {3.0, 0.0, 6.4},
        {6.4, 0.0, 28.0},          // just landed: on to the next, back to the one before
        {6.5, 0.0, 28.0},
        {7.5, 6.4, 28.0},          // watching the braking: back replays it
        {28.0, 6.4, std::nullopt},
        {29.5, 28.0, std::nullopt},
        {100.0, 28.0, std::nullopt},
        {-1.0, std::nullopt, 0.0},
        {std::nan(""), std::nullopt, std::nullopt},
    };
    for (const JumpCase &c : cases) {
        EXPECT_EQ(previousEventSeekTime(events, c.now), c.previous) << c.now;
        EXPECT_EQ(nextEventSeekTime(events, c.now), c.next) << c.now;
    }
    EXPECT_EQ(nextEventSeekTime({}, 0.0), std::nullopt);
    EXPECT_EQ(previousEventSeekTime({}, 50.0), std::nullopt);
}

} // namespace
