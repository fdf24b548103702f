// A card pulled while ffmpeg converts one of its clips: nothing that looks done may stay in the
// cache, and the clip converts whole once the card is back.
#include "card_faults.h"
#include "programs.h"
#include "playback/convert/video_conversion.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QThread>

#include <atomic>
#include <thread>

using namespace drovik;
using namespace drovik::test;

namespace {

constexpr int kClipSeconds = 3;

// An MP4 pair member of a few seconds with sound and a subtitle cue per second, large enough
// that ffmpeg cannot have read it all when the fault lands.
bool makeLongMp4(const QString &path)
{
    QByteArray srt;
    for (int s = 0; s < kClipSeconds; ++s)
        srt += QStringLiteral("%1\n00:00:0%2,000 --> 00:00:0%3,000\ngsensor,%2,0,0\n\n")
                   .arg(s + 1).arg(s).arg(s + 1).toUtf8();
    const QString cues = path + QStringLiteral(".srt");
    if (!writeFile(cues, srt))
        return false;
    const QString d = QString::number(kClipSeconds);
    const bool made = ffmpeg(words(QStringLiteral("-f lavfi -i testsrc2=size=320x180:rate=25:duration=") + d)
                             + words(QStringLiteral("-f lavfi -i sine=frequency=440:sample_rate=8000:duration=") + d)
                             + QStringList{QStringLiteral("-i"), cues}
                             + words(QStringLiteral("-map 0 -map 1 -map 2")) + h264()
                             + words(QStringLiteral("-b:v 3M -c:a aac -c:s mov_text")) + QStringList{path});
    QFile::remove(cues);
    return made;
}

class PulledCardConversion : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!haveProgram(QStringLiteral("ffmpeg")) || !haveProgram(QStringLiteral("ffprobe")))
            GTEST_SKIP() << "ffmpeg is not installed";
        realFfmpeg = QStandardPaths::findExecutable(QStringLiteral("ffmpeg"));
        slowFfmpeg = dir.path() + QStringLiteral("/slow-ffmpeg");
        ASSERT_TRUE(writeSlowFfmpeg(slowFfmpeg));
        ASSERT_TRUE(QDir().mkpath(card()));
        ASSERT_TRUE(makeLongMp4(card() + QStringLiteral("/0700_F.mp4")));
        ASSERT_TRUE(QFile::copy(card() + QStringLiteral("/0700_F.mp4"), card() + QStringLiteral("/0700_R.mp4")));
        ASSERT_TRUE(copyTree(card(), saved()));
    }
    QString card() const { return dir.path() + QStringLiteral("/card"); }
    QString saved() const { return dir.path() + QStringLiteral("/saved"); }
    QString work() const { return dir.path() + QStringLiteral("/work"); }
    QString cache() const { return conversionCacheFolder(work()); }
    QUrl front() const { return QUrl::fromLocalFile(card() + QStringLiteral("/0700_F.mp4")); }

    QTemporaryDir dir;
    QString realFfmpeg;
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
                        injected = applyCardFault(fault, card(), {card() + QStringLiteral("/0700_F.mp4"),
                                                                  card() + QStringLiteral("/0700_R.mp4")});
                    }
                }
                QThread::msleep(5);
            }
        });
        QElapsedTimer took;
        took.start();
        const auto result = VideoConverter(work(), slowFfmpeg).checkAndConvertVideo(front());
        stop = true;
        saboteur.join();
        ASSERT_TRUE(injected) << "the fault never landed while ffmpeg ran";
        EXPECT_TRUE(!result || result->isEmpty()) << result->size();
        EXPECT_EQ(filesBelow(cache()), QStringList()) << "left in the cache";
        EXPECT_LT(took.elapsed(), 4 * kClipSeconds * 1000) << "ffmpeg went on with a clip that is gone";

        // The card is back: the same entry (same name and size) converts whole.
        ASSERT_TRUE(putCardBack(saved(), card()));
        const auto again = VideoConverter(work(), realFfmpeg).checkAndConvertVideo(front());
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
    const auto again = VideoConverter(work(), realFfmpeg).checkAndConvertVideo(QUrl::fromLocalFile(clip));
    unmount();
    ASSERT_TRUE(again.has_value());
    ASSERT_EQ(again->size(), 1);
    EXPECT_NEAR(probeDuration(again->first().toLocalFile()), kClipSeconds, 0.5);
}

} // namespace
