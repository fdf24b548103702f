// Conversion end to end with the real ffmpeg on tiny generated clips.
#include "programs.h"
#include "playback/convert/ffmpeg_utils.h"
#include "playback/convert/video_conversion.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>

using namespace drovik;
using namespace drovik::test;

namespace {

class Conversion : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!haveProgram(QStringLiteral("ffmpeg")) || !haveProgram(QStringLiteral("ffprobe")))
            GTEST_SKIP() << "ffmpeg is not installed";
        ffmpegPath = QStandardPaths::findExecutable(QStringLiteral("ffmpeg"));
        ASSERT_TRUE(QDir().mkpath(card()));
    }
    QString card() const { return dir.path() + QStringLiteral("/card"); }
    QString work() const { return dir.path() + QStringLiteral("/work"); }
    QString at(const QString &name) const { return card() + QLatin1Char('/') + name; }

    VideoConverter converter(QList<QStringList> *runs = nullptr) const
    {
        VideoConverter c(work(), ffmpegPath);
        if (runs)
            c.setRunObserver([runs](const QStringList &args) { runs->append(args); });
        return c;
    }
    ConversionPaths pathsOf(const QString &entry) const
    {
        return conversionPathsFor(entry, QFileInfo(entry).size(), work());
    }
    static QList<QUrl> urls(std::initializer_list<QString> paths)
    {
        QList<QUrl> out;
        for (const QString &path : paths)
            out.append(QUrl::fromLocalFile(path));
        return out;
    }

    QTemporaryDir dir;
    QString ffmpegPath;
};

TEST_F(Conversion, Mp4PairGivesTwoMovsAndTwoSubtitleFiles)
{
    const QString front = at(QStringLiteral("0512_F.mp4"));
    ASSERT_TRUE(makeMp4(front, "gsensor,1,2,3;front"));
    ASSERT_TRUE(makeMp4(at(QStringLiteral("0512_R.mp4")), "gsensor,4,5,6;rear"));

    const auto result = converter().checkAndConvertVideo(QUrl::fromLocalFile(front));
    const ConversionPaths paths = pathsOf(front);
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(*result, urls({paths.front, paths.rear}));
    EXPECT_EQ(paths.folder, work() + QStringLiteral("/temp_video/0512_F_%1").arg(QFileInfo(front).size()));
    EXPECT_EQ(probeStreams(paths.front).value(0), QStringLiteral("video 160x90"));
    EXPECT_TRUE(probeStreams(paths.front).contains(QStringLiteral("audio")));
    EXPECT_EQ(probeStreams(paths.rear).value(0), QStringLiteral("video 160x90"));
    EXPECT_TRUE(readFile(paths.frontSubtitle).contains("gsensor,1,2,3;front"));
    EXPECT_TRUE(readFile(paths.rearSubtitle).contains("gsensor,4,5,6;rear"));
    EXPECT_TRUE(QDir(paths.partialFolder).isEmpty());
}

TEST_F(Conversion, RearEntryIsConvertedToTheFrontOutputWithItsFrontPartnerAsRear)
{
    ASSERT_TRUE(makeMp4(at(QStringLiteral("0512_F.mp4")), "front"));
    const QString rear = at(QStringLiteral("0512_R.mp4"));
    ASSERT_TRUE(makeMp4(rear, "rear"));
    const auto result = converter().checkAndConvertVideo(QUrl::fromLocalFile(rear));
    const ConversionPaths paths = pathsOf(rear);
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(*result, urls({paths.front, paths.rear}));
    EXPECT_TRUE(paths.front.endsWith(QStringLiteral("0512_R_f.mov")));
    // The chosen file opens in the large view: the front output holds the R. clip.
    EXPECT_TRUE(readFile(paths.frontSubtitle).contains("rear"));
    EXPECT_TRUE(readFile(paths.rearSubtitle).contains("front"));
}

TEST_F(Conversion, DualStreamAviGivesTwoMovsWithSoundWhenThereIsSome)
{
    for (bool withAudio : {true, false}) {
        const QString avi = at(withAudio ? QStringLiteral("dual.avi") : QStringLiteral("dual_silent.AVI"));
        ASSERT_TRUE(makeDualAvi(avi, withAudio));
        const auto result = converter().checkAndConvertVideo(QUrl::fromLocalFile(avi));
        const ConversionPaths paths = pathsOf(avi);
        ASSERT_TRUE(result.has_value());
        EXPECT_EQ(*result, urls({paths.front, paths.rear}));
        const QStringList audio = withAudio ? QStringList{QStringLiteral("audio")} : QStringList{};
        EXPECT_EQ(probeStreams(paths.front), QStringList{QStringLiteral("video 160x90")} + audio);
        EXPECT_EQ(probeStreams(paths.rear), QStringList{QStringLiteral("video 128x72")} + audio);
        EXPECT_FALSE(QFile::exists(paths.frontSubtitle));
    }
}

TEST_F(Conversion, SingleStreamAviGivesOneMov)
{
    const QString avi = at(QStringLiteral("single_F.avi"));
    ASSERT_TRUE(makeSingleAvi(avi));
    ASSERT_TRUE(makeSingleAvi(at(QStringLiteral("single_R.avi")))); // avi files have no partners
    const auto result = converter().checkAndConvertVideo(QUrl::fromLocalFile(avi));
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(*result, urls({pathsOf(avi).front}));
    EXPECT_EQ(probeStreams(pathsOf(avi).front), (QStringList{QStringLiteral("video 160x90"), QStringLiteral("audio")}));
}

TEST_F(Conversion, AviWithoutVideoGivesAnEmptyList)
{
    const QString avi = at(QStringLiteral("sound.avi"));
    ASSERT_TRUE(makeAudioOnlyAvi(avi));
    const auto result = converter().checkAndConvertVideo(QUrl::fromLocalFile(avi));
    ASSERT_TRUE(result.has_value());
    EXPECT_TRUE(result->isEmpty());
}

TEST_F(Conversion, SecondRunRunsNoFfmpeg)
{
    const QString front = at(QStringLiteral("0800_F.mp4"));
    ASSERT_TRUE(makeMp4(front, "a"));
    ASSERT_TRUE(makeMp4(at(QStringLiteral("0800_R.mp4")), "b"));
    QList<QStringList> runs;
    const auto first = converter(&runs).checkAndConvertVideo(QUrl::fromLocalFile(front));
    EXPECT_EQ(runs.size(), 4);
    runs.clear();
    const auto second = converter(&runs).checkAndConvertVideo(QUrl::fromLocalFile(front));
    EXPECT_TRUE(runs.isEmpty());
    EXPECT_EQ(second, first);
    // An "mp4" entry probes nothing: with no ffmpeg at all the cached files still come back.
    EXPECT_EQ(VideoConverter(work(), QStringLiteral("/nonexistent/ffmpeg"))
                  .checkAndConvertVideo(QUrl::fromLocalFile(front)),
              first);

    const QString avi = at(QStringLiteral("dual.avi"));
    ASSERT_TRUE(makeDualAvi(avi, true));
    ASSERT_EQ(converter(&runs).checkAndConvertVideo(QUrl::fromLocalFile(avi))->size(), 2);
    EXPECT_EQ(runs.size(), 2);
    runs.clear();
    ASSERT_EQ(converter(&runs).checkAndConvertVideo(QUrl::fromLocalFile(avi))->size(), 2);
    EXPECT_TRUE(runs.isEmpty()); // only the stream count is asked again
}

TEST_F(Conversion, MovAndOtherExtensionsPassThroughWithoutTouchingTheWorkingDirectory)
{
    for (const char *name : {"clip.MOV", "clip.mov", "clip.mkv", "missing.mov"}) {
        const QUrl entry = QUrl::fromLocalFile(at(QString::fromUtf8(name)));
        const auto result = converter().checkAndConvertVideo(entry);
        ASSERT_TRUE(result.has_value()) << name;
        EXPECT_EQ(*result, QList<QUrl>{entry}) << name;
    }
    EXPECT_FALSE(QFile::exists(work()));
    EXPECT_FALSE(converter().checkAndConvertVideo(QUrl()).has_value());
}

TEST_F(Conversion, NothingWhenTheEntryOrTheFolderIsMissing)
{
    EXPECT_FALSE(converter().checkAndConvertVideo(QUrl::fromLocalFile(at(QStringLiteral("gone.mp4")))).has_value());
    // A file where the working directory should be: no folder can be made.
    const QString clip = at(QStringLiteral("1000.mp4"));
    ASSERT_TRUE(makeMp4(clip, "x"));
    const QString blocked = dir.path() + QStringLiteral("/blocked");
    ASSERT_TRUE(writeFile(blocked, "not a folder"));
    EXPECT_FALSE(VideoConverter(blocked, ffmpegPath).checkAndConvertVideo(QUrl::fromLocalFile(clip)).has_value());
    EXPECT_FALSE(VideoConverter(QString(), ffmpegPath).checkAndConvertVideo(QUrl::fromLocalFile(clip)).has_value());
}

TEST_F(Conversion, WithoutFfmpegNothingIsPlayable)
{
    const QString clip = at(QStringLiteral("1100_F.mp4"));
    ASSERT_TRUE(makeMp4(clip, "x"));
    const QString avi = at(QStringLiteral("dual.avi"));
    ASSERT_TRUE(makeDualAvi(avi, false));
    const VideoConverter none(work(), QStringLiteral("/nonexistent/ffmpeg"));
    EXPECT_EQ(none.checkAndConvertVideo(QUrl::fromLocalFile(clip)), std::optional<QList<QUrl>>(QList<QUrl>{}));
    EXPECT_EQ(none.checkAndConvertVideo(QUrl::fromLocalFile(avi)), std::optional<QList<QUrl>>(QList<QUrl>{}));
}

// The mend of issue 5: ffmpeg writes into ".partial" and the output moves into place only after
// a clean exit, so an interrupted run leaves nothing that counts as done.
TEST_F(Conversion, InterruptedRunLeavesNothingThatCountsAsDone)
{
    const QString front = at(QStringLiteral("1200_F.mp4"));
    ASSERT_TRUE(makeMp4(front, "whole"));
    // The real ffmpeg writes its whole output, then the process dies as if killed before it
    // could report.
    const QString killed = dir.path() + QStringLiteral("/killed-ffmpeg");
    ASSERT_TRUE(writeScript(killed, "#!/bin/sh\n\"$REAL_FFMPEG\" \"$@\"\nkill -9 $$\n"));
    qputenv("REAL_FFMPEG", ffmpegPath.toUtf8());
    const auto interrupted = VideoConverter(work(), killed).checkAndConvertVideo(QUrl::fromLocalFile(front));
    qunsetenv("REAL_FFMPEG");
    const ConversionPaths paths = pathsOf(front);
    ASSERT_TRUE(interrupted.has_value());
    EXPECT_TRUE(interrupted->isEmpty());
    EXPECT_FALSE(QFile::exists(paths.front));
    EXPECT_FALSE(QFile::exists(paths.frontSubtitle));
    EXPECT_TRUE(QDir(paths.partialFolder).isEmpty());

    // The next run converts again.
    const auto next = converter().checkAndConvertVideo(QUrl::fromLocalFile(front));
    ASSERT_TRUE(next.has_value());
    EXPECT_EQ(*next, urls({paths.front}));
    EXPECT_TRUE(readFile(paths.frontSubtitle).contains("whole"));
}

TEST_F(Conversion, ACachedFrontIsReusedEvenWithoutItsSubtitles)
{
    // By design: the front output's presence skips both the conversion and the extraction.
    const QString front = at(QStringLiteral("1400_F.mp4"));
    ASSERT_TRUE(makeMp4(front, "x"));
    const ConversionPaths paths = pathsOf(front);
    ASSERT_TRUE(QDir().mkpath(paths.folder));
    ASSERT_TRUE(writeFile(paths.front, "cached"));
    QList<QStringList> runs;
    const auto result = converter(&runs).checkAndConvertVideo(QUrl::fromLocalFile(front));
    EXPECT_EQ(*result, urls({paths.front}));
    EXPECT_TRUE(runs.isEmpty());
    EXPECT_EQ(readFile(paths.front), "cached");
}

} // namespace
