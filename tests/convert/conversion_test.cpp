// Conversion end to end with the real ffmpeg on tiny generated clips, also with the card pulled
// while ffmpeg reads it.
#include "card_faults.h"
#include "programs.h"
#include "playback/convert/ffmpeg_utils.h"
#include "playback/convert/video_conversion.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QThread>

#include <atomic>
#include <thread>

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

// ffmpeg writes into ".partial" and the output moves into place only after
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

constexpr int kClipSeconds = 3;

// An MP4 pair member of a few seconds with sound and a subtitle cue per second, large enough
// that ffmpeg cannot have read it all when the fault lands.
bool makeLongMp4(const QString &path)
{
    QByteArray srt;
    for (int s = 0; s < kClipSeconds; ++s)
        srt += QStringLiteral("%1\n00:00:0%2,000 --> 00:00:0%3,000\ngsensor,%2,0,0\n\n")
                   .arg(s + 1).arg(s).arg(s + 1).toUtf8();
    const QString d = QString::number(kClipSeconds);
    return makeMp4WithSubtitles(path, srt, words(QStringLiteral("-f lavfi -i testsrc2=size=320x180:rate=25:duration=") + d),
                                words(QStringLiteral("-f lavfi -i sine=frequency=440:sample_rate=8000:duration=") + d),
                                words(QStringLiteral("-b:v 3M")));
}

// A card pulled while ffmpeg converts one of its clips: nothing that looks done may stay in the
// cache, and the clip converts whole once the card is back.
class PulledCardConversion : public Conversion {
protected:
    void SetUp() override
    {
        Conversion::SetUp();
        if (IsSkipped())
            return;
        slowFfmpeg = dir.path() + QStringLiteral("/slow-ffmpeg");
        ASSERT_TRUE(writeSlowFfmpeg(slowFfmpeg));
        ASSERT_TRUE(makeLongMp4(at(QStringLiteral("0700_F.mp4"))));
        ASSERT_TRUE(QFile::copy(at(QStringLiteral("0700_F.mp4")), at(QStringLiteral("0700_R.mp4"))));
        ASSERT_TRUE(copyTree(card(), saved()));
    }
    QString saved() const { return dir.path() + QStringLiteral("/saved"); }
    QString cache() const { return conversionCacheFolder(work()); }
    QUrl front() const { return QUrl::fromLocalFile(at(QStringLiteral("0700_F.mp4"))); }

    QString slowFfmpeg;
};

// ffmpeg is reading the front clip (its output has appeared in the cache's ".partial" folder)
// when the card goes: the call returns nothing playable and leaves no file in the cache; with
// the card back the clip converts whole.
TEST_F(PulledCardConversion, AFaultWhileFfmpegReadsLeavesNothingInTheCache)
{
    for (const CardFault fault : kAllCardFaults) {
        SCOPED_TRACE(faultName(fault));
        ASSERT_TRUE(putCardBack(saved(), card()));
        QDir(work()).removeRecursively();

        std::atomic<bool> injected = false;
        std::atomic<bool> stop = false;
        std::thread saboteur([&] {
            while (!stop) {
                for (const QString &file : filesBelow(cache())) {
                    if (file.contains(QStringLiteral(".partial/"))
                        && QFileInfo(cache() + QLatin1Char('/') + file).size() > 0 && !injected) {
                        injected = applyCardFault(fault, card(), {at(QStringLiteral("0700_F.mp4")),
                                                                  at(QStringLiteral("0700_R.mp4"))});
                    }
                }
                QThread::msleep(5);
            }
        });
        VideoConverter slow(work(), slowFfmpeg);
        int runsAfterTheFault = 0;
        slow.setRunObserver([&](const QStringList &) { runsAfterTheFault += injected ? 1 : 0; });
        const auto result = slow.checkAndConvertVideo(front());
        stop = true;
        saboteur.join();
        ASSERT_TRUE(injected) << "the fault never landed while ffmpeg ran";
        EXPECT_TRUE(!result || result->isEmpty()) << result->size();
        EXPECT_EQ(filesBelow(cache()), QStringList()) << "left in the cache";
        EXPECT_EQ(runsAfterTheFault, 0) << "ffmpeg went on with a clip that is gone";

        // The card is back: the same entry (same name and size) converts whole.
        ASSERT_TRUE(putCardBack(saved(), card()));
        const auto again = VideoConverter(work(), ffmpegPath).checkAndConvertVideo(front());
        ASSERT_TRUE(again.has_value());
        ASSERT_EQ(again->size(), 2);
        for (const QUrl &output : *again)
            EXPECT_NEAR(probeDuration(output.toLocalFile()), kClipSeconds, 0.5) << output.fileName().toStdString();
        const ConversionPaths paths = conversionPathsFor(front().toLocalFile(), QFileInfo(front().toLocalFile()).size(), work());
        EXPECT_TRUE(readFile(paths.frontSubtitle).contains("gsensor,2,0,0"));
    }
}

// A real file system on a loop device, unmounted while ffmpeg reads from it (lazily, as a
// desktop does when the card is gone: the mount point empties at once). FAT when the kernel has
// it, else ext2. Needs root and loop devices: skipped where it cannot mount.
TEST_F(PulledCardConversion, ALoopMountedCardUnmountedWhileFfmpegReads)
{
    const auto sh = [](const QString &command) {
        return run(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), command}, 60000).exitCode == 0;
    };
    const bool fat = readFile(QStringLiteral("/proc/filesystems")).contains("vfat") && haveProgram(QStringLiteral("mkfs.vfat"));
    const QString image = dir.path() + QStringLiteral("/card.img");
    const QString mountPoint = dir.path() + QStringLiteral("/mounted");
    const QString make = fat ? QStringLiteral("mkfs.vfat %1") : QStringLiteral("mkfs.ext2 -q -F %1");
    if (!sh(QStringLiteral("truncate -s 24M %1 && ").arg(image) + make.arg(image) + QStringLiteral(" >/dev/null 2>&1"))
        || !QDir().mkpath(mountPoint)
        || !sh(QStringLiteral("mount -o loop %1 %2 2>/dev/null").arg(image, mountPoint)))
        GTEST_SKIP() << "cannot mount a loop device here";
    const auto unmount = [&] { return sh(QStringLiteral("umount -l %1").arg(mountPoint)); };
    const QString clip = mountPoint + QStringLiteral("/0700_F.mp4");
    ASSERT_TRUE(QFile::copy(saved() + QStringLiteral("/0700_F.mp4"), clip));

    std::atomic<bool> pulled = false;
    std::atomic<bool> stop = false;
    std::thread saboteur([&] {
        while (!stop && !pulled) {
            const QStringList made = filesBelow(cache());
            if (!made.filter(QStringLiteral(".partial/")).isEmpty())
                pulled = unmount();
            QThread::msleep(5);
        }
    });
    const auto result = VideoConverter(work(), slowFfmpeg).checkAndConvertVideo(QUrl::fromLocalFile(clip));
    stop = true;
    saboteur.join();
    if (!pulled)
        unmount();
    ASSERT_TRUE(pulled) << "the card was not unmounted while ffmpeg ran";
    EXPECT_FALSE(result.has_value() && !result->isEmpty());
    EXPECT_EQ(filesBelow(cache()), QStringList());

    // The card is back: mounted again, the clip converts whole.
    ASSERT_TRUE(sh(QStringLiteral("mount -o loop %1 %2").arg(image, mountPoint)));
    const auto again = VideoConverter(work(), ffmpegPath).checkAndConvertVideo(QUrl::fromLocalFile(clip));
    unmount();
    ASSERT_TRUE(again.has_value());
    ASSERT_EQ(again->size(), 1);
    EXPECT_NEAR(probeDuration(again->first().toLocalFile()), kClipSeconds, 0.5);
}

} // namespace
