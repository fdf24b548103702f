// Other makes' telemetry through ExifTool: clips of six layouts generated here and read by one
// batch session, held against ExifTool's own reading; clips with nothing or with damage; the
// time limit against a stand-in that never answers; a missing ExifTool.
#include "library/exiftool_reader.h"
#include "library/telemetry_cache.h"
#include "foreign_clips.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>

using namespace drovik;
using drovik::test::TempFolder;

namespace {

class ExifToolReaderTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        if (drovik::test::haveForeignClipTools()) {
            s_clips = new TempFolder;
            s_made = drovik::test::makeForeignClips(s_clips->root());
        }
    }
    static void TearDownTestSuite()
    {
        delete s_clips;
        s_clips = nullptr;
    }
    void SetUp() override
    {
        if (!s_clips)
            GTEST_SKIP() << "exiftool, ffmpeg or python3 is not installed";
        ASSERT_TRUE(s_made);
    }
    static QString clip(const QString &name) { return s_clips->path(name); }

    static inline TempFolder *s_clips = nullptr;
    static inline bool s_made = false;
};

TEST_F(ExifToolReaderTest, EveryLayoutReadsAsExifToolReadsIt)
{
    ExifToolSession session; // one ExifTool for every clip
    for (const QString &name : drovik::test::kForeignLayouts) {
        SCOPED_TRACE(name.toStdString());
        const std::vector<drovik::test::ExifToolFix> expected = drovik::test::exifToolFixes(clip(name));
        const telemetry::TimedTrack track = session.read(clip(name));
        ASSERT_GE(expected.size(), std::size_t(drovik::test::kForeignFixCount));
        ASSERT_EQ(track.fixes.size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i) {
            EXPECT_NEAR(track.fixes[i].latitude, expected[i].latitude, 1e-6);
            EXPECT_NEAR(track.fixes[i].longitude, expected[i].longitude, 1e-6);
            EXPECT_NEAR(track.fixes[i].speedKmh.value_or(-1), expected[i].speed, 0.1);
            EXPECT_GE(track.fixes[i].timeS, i ? track.fixes[i - 1].timeS : 0.0);
        }
        // What the script wrote: the first fix of the drive, 20.5 knots.
        EXPECT_NEAR(track.fixes[0].latitude, 48.856613, 1e-4);
        EXPECT_NEAR(track.fixes[0].longitude, -2.352219, 1e-4);
        EXPECT_NEAR(track.fixes[0].speedKmh.value_or(-1), 37.966, 0.1);
        EXPECT_GT(track.fixes.back().timeS, 2.0);
    }
    // The layout with the camera's accelerometer, in 1/256 g.
    const telemetry::TimedTrack withAccelerometer = session.read(clip(QStringLiteral("novatek_nmea.mp4")));
    ASSERT_EQ(withAccelerometer.accelerations.size(), std::size_t(drovik::test::kForeignFixCount));
    EXPECT_EQ(withAccelerometer.accelerations[1], (telemetry::TimedAcceleration{1, 0.25, -0.4375, 1}));
    EXPECT_EQ(withAccelerometer.start, ClipTime(std::chrono::sys_days(std::chrono::year(2024) / 5 / 17)
                                                + std::chrono::hours(10) + std::chrono::minutes(15)));
}

TEST_F(ExifToolReaderTest, NothingOrDamageGivesAnEmptyTrackAndTheSessionGoesOn)
{
    const QByteArray good = drovik::test::readFile(clip(QStringLiteral("udat_nmea.mp4")));
    TempFolder dir;
    const struct {
        const char *name;
        QByteArray bytes;
    } cases[] = {
        {"no_telemetry.mp4", drovik::test::readFile(clip(QStringLiteral("base.mp4")))},
        {"truncated.mp4", good.left(good.size() / 2)},
        // A box claiming 4 GB, then one claiming a 64-bit size past any disk.
        {"huge_boxes.mp4", good.left(64) + QByteArray::fromHex("ffffffff75646174") + QByteArray(32, 'x')
                               + QByteArray::fromHex("000000016d646174ffffffffffffff00") + QByteArray(32, 'y')},
        {"empty.mp4", {}},
    };
    ExifToolSession session;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(dir.put(QString::fromLatin1(c.name), c.bytes));
        QElapsedTimer timer;
        timer.start();
        const telemetry::TimedTrack track = session.read(dir.path(QString::fromLatin1(c.name)));
        EXPECT_LT(timer.elapsed(), 10000);
        EXPECT_LE(track.fixes.size(), std::size_t(drovik::test::kForeignFixCount));
        if (QByteArray(c.name) == "no_telemetry.mp4" || QByteArray(c.name) == "empty.mp4") {
            EXPECT_TRUE(track.empty());
        }
    }
    EXPECT_TRUE(session.read(dir.path(QStringLiteral("missing.mp4"))).empty());
    EXPECT_EQ(session.read(clip(QStringLiteral("udat_nmea.mp4"))).fixes.size(), std::size_t(drovik::test::kForeignFixCount));
}

// A second look at a foreign clip comes from the cache, even with no ExifTool left to ask; a clip
// that has changed since is read again, and nothing is kept while ExifTool is missing.
TEST_F(ExifToolReaderTest, SecondLookComesFromTheCache)
{
    TempFolder dir;
    TelemetryCache cache(dir.path(QStringLiteral("cache")));
    const QString copy = dir.path(QStringLiteral("clip.mp4"));
    ASSERT_TRUE(QFile::copy(clip(QStringLiteral("novatek_nmea.mp4")), copy));
    ExifToolSession real;
    ExifToolSession missing(dir.path(QStringLiteral("no-exiftool")));
    const telemetry::TimedTrack first = readForeignTelemetry(copy, cache, &real);
    ASSERT_EQ(first.fixes.size(), std::size_t(drovik::test::kForeignFixCount));
    EXPECT_EQ(readForeignTelemetry(copy, cache, &missing), first);

    ASSERT_TRUE(dir.put(QStringLiteral("clip.mp4"), drovik::test::readFile(clip(QStringLiteral("base.mp4")))));
    EXPECT_TRUE(readForeignTelemetry(copy, cache, &missing).empty());
    EXPECT_EQ(readForeignTelemetry(copy, cache, &real), telemetry::TimedTrack());
    EXPECT_EQ(cache.findTrack(*ClipFileKey::of(copy)), telemetry::TimedTrack()); // found nothing, kept
}

} // namespace

// A stand-in named by DROVIK_EXIFTOOL that starts and never answers: each clip ends at the time
// limit with an empty track, and the next clip starts a fresh one.
TEST(ExifToolSessionTest, TimeLimitKillsAStuckExifToolAndRestartsIt)
{
    TempFolder dir;
    const QString fake = dir.path(QStringLiteral("slow-exiftool"));
    ASSERT_TRUE(drovik::test::writeScript(fake, "#!/bin/sh\necho started >> \"$0.starts\"\nexec sleep 60\n"));
    qputenv("DROVIK_EXIFTOOL", fake.toLocal8Bit());
    ExifToolSession session(ExifToolSession::defaultProgram(), std::chrono::milliseconds(300));
    qunsetenv("DROVIK_EXIFTOOL");
    QElapsedTimer timer;
    timer.start();
    EXPECT_TRUE(session.read(dir.path(QStringLiteral("a.mp4"))).empty());
    EXPECT_TRUE(session.read(dir.path(QStringLiteral("b.mp4"))).empty());
    EXPECT_LT(timer.elapsed(), 5000);
    EXPECT_EQ(drovik::test::readFile(fake + QStringLiteral(".starts")), "started\nstarted\n");
}

TEST(ExifToolSessionTest, WithoutExifToolEveryTrackIsEmpty)
{
    TempFolder dir;
    ExifToolSession session(dir.path(QStringLiteral("no-such-exiftool")));
    EXPECT_TRUE(session.read(dir.path(QStringLiteral("a.mp4"))).empty());
    EXPECT_FALSE(session.isAvailable());
    EXPECT_TRUE(session.read(dir.path(QStringLiteral("b.mp4"))).empty());
}

// The answer's parts that the generated clips do not cover: speed units, documents out of
// alphabetical order, m/s² accelerometers, a track with no times at all.
TEST(ExifToolSessionTest, ParsesUnitsOrderAndTimes)
{
    const telemetry::TimedTrack track = ExifToolSession::parseAnswer(
        R"([{"SourceFile":"x.mp4","Main:Duration":20,"Main:GPSSpeedRef":"N",)"
        R"("Doc10:GPSLatitude":2,"Doc10:GPSLongitude":3,"Doc10:GPSSpeed":10,"Doc10:GPSSpeedRef":"M",)"
        R"("Doc2:GPSLatitude":1,"Doc2:GPSLongitude":1.5,"Doc2:GPSSpeed":10,"Doc2:GPSAltitude":5,"Doc2:GPSAltitudeRef":1,)"
        R"("Doc3:Accelerometer":"0 0 9.80665 9.80665 0 0"}])");
    ASSERT_EQ(track.fixes.size(), 2u);
    EXPECT_EQ(track.fixes[0].latitude, 1);
    EXPECT_NEAR(*track.fixes[0].speedKmh, 18.52, 1e-9);
    EXPECT_EQ(track.fixes[0].altitudeM, -5.0);
    EXPECT_NEAR(*track.fixes[1].speedKmh, 16.09344, 1e-9);
    EXPECT_EQ(track.fixes[1].timeS, 2 * 20.0 / 3); // spread over the clip: the third document
    ASSERT_EQ(track.accelerations.size(), 2u);
    EXPECT_EQ(track.accelerations[0], (telemetry::TimedAcceleration{20.0 / 3, 0, 0, 1}));
    EXPECT_EQ(track.accelerations[1], (telemetry::TimedAcceleration{20.0 / 3 + 0.5, 1, 0, 0}));
    EXPECT_FALSE(track.start);
    EXPECT_TRUE(ExifToolSession::parseAnswer("not json").empty());
}
