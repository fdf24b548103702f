// End to end: an MP4 made by ffmpeg whose mov_text subtitle stream carries telemetry, extracted with
// the viewer's own command (-vn -an -c:s text) and loaded by both subtitle readers. ffmpeg writes a
// multi-line cue with CRLF between its lines; what the readers then do is pinned down here.
#include "telemetry/clip_data.h"
#include "telemetry/subtitle_data.h"
#include "programs.h"

#include <gtest/gtest.h>

using namespace drovik::test;

namespace {

const char *kSource =
    "1\n00:00:00,000 --> 00:00:00,100\ngsensori,1,1024,512,0,-512\n\n"
    "2\n00:00:00,100 --> 00:00:01,000\ngsensor,1,2,3\nGPRMC,120000,A,3723.2475,N,12658.3040,E,10.0,0,010120\n\n"
    "3\n00:00:01,000 --> 00:00:02,000\ngsensori,1,1024,64,0,-64;GPRMC,120001,A,3723.2575,N,12658.3140,E,20.0,0,010120\n\n";

TEST(FfmpegSubtitles, ExtractedCuesAsBothReadersSeeThem)
{
    if (!haveProgram(QStringLiteral("ffmpeg")))
        GTEST_SKIP() << "ffmpeg is not installed";
    TempFolder dir;
    const QString clip = dir.path(QStringLiteral("clip.mp4"));
    const std::string srt = dir.path(QStringLiteral("clip.srt")).toStdString();
    ASSERT_TRUE(makeMp4WithSubtitles(clip, kSource));
    ASSERT_TRUE(ffmpeg({QStringLiteral("-i"), clip, QStringLiteral("-vn"), QStringLiteral("-an"),
                        QStringLiteral("-c:s"), QStringLiteral("text"), QString::fromStdString(srt)}));
    EXPECT_TRUE(readFile(QString::fromStdString(srt)).contains("gsensor,1,2,3\r\nGPRMC,120000"));

    // The record reader reads cue 2 as one record: its "\r\n" becomes "\r " inside the last
    // gsensor field, which the leading-number trim cuts to "3"; its RMC line is lost. Cue 3 then
    // closes the block of three.
    drovik::DrovikClipData record;
    record.loadVideoFileClipDataFromFilePath(srt);
    ASSERT_EQ(record.clipDataCount(), 10u);
    EXPECT_EQ(record.gpsDataCount(), 10u);
    const int expectedX[] = {64, 64, 64, 64, 1, 1, 1, 8, 8, 8};
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(record.getGx(i), expectedX[i]) << i;
    EXPECT_EQ(record.getGz(4), 3);
    EXPECT_NEAR(record.getGpsLat(0), 37.387625, 1e-5);
    EXPECT_EQ(record.getGpsSpeed(0), 37u);

    // The cue reader commits cue 2 before its second line, and trims nothing.
    const auto cues = drovik::SubtitleData::loadFromPath(srt);
    ASSERT_EQ(cues.entries.size(), 3u);
    int x, y, z;
    ASSERT_TRUE(cues.getSensorAt(1, x, y, z));
    EXPECT_EQ(x, 1);
    EXPECT_EQ(z, 3);
    EXPECT_EQ(cues.entries[1].lat, 512.0f);
    float lat, lng;
    uint32_t speed;
    EXPECT_EQ(cues.getGpsAt(10, lat, lng, speed), 0);
    EXPECT_EQ(speed, 37u);
    EXPECT_EQ(cues.getGpsAt(5, lat, lng, speed), 1); // 500 ms before the only fix
    EXPECT_EQ(cues.getGpsAt(0, lat, lng, speed), 2);
    ASSERT_TRUE(cues.getSensorAt(0, x, y, z));
    EXPECT_EQ(z, -64);
}

} // namespace
