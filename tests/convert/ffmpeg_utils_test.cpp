// The probing helpers: codec type, stream counting, path helpers, where ffmpeg is.
#include "programs.h"
#include "playback/convert/ffmpeg_utils.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

using namespace drovik;
using drovik::test::writeFile;

namespace {

class AviType : public ::testing::Test {
protected:
    // A file of size bytes (filled with 'x') with text at each given offset.
    QString file(int size, const QList<std::pair<int, QByteArray>> &texts)
    {
        QByteArray content(size, 'x');
        for (const auto &[offset, text] : texts)
            content.replace(offset, text.size(), text);
        content.truncate(size);
        const QString path = dir.path() + QStringLiteral("/f%1.bin").arg(++count);
        EXPECT_TRUE(writeFile(path, content));
        return path;
    }
    QTemporaryDir dir;
    int count = 0;
};

// The tag at 112 (only where the window starts, whatever follows it), else the one at 16; a
// file too short for the window at 112 has only the one at 16.
TEST_F(AviType, TagsAtOffset112Then16)
{
    struct Case { int size; QList<std::pair<int, QByteArray>> texts; int type; };
    const Case cases[] = {
        {200, {{112, "H264"}}, AviTypeH264},         {200, {{112, "h264"}}, AviTypeH264},
        {200, {{112, "AVC1"}}, AviTypeAVC1},         {200, {{112, "avc1"}}, AviTypeAVC1},
        {200, {{112, "ISO4HVC1"}}, AviTypeIso4Hvc1}, {200, {{112, "XVID"}}, AviTypeOther},
        {200, {{113, "H264"}}, AviTypeOther},
        {200, {{112, QByteArray("H264\xff\x00\x80", 7)}}, AviTypeH264},
        {200, {{16, "iso4hvc1"}}, AviTypeIso4Hvc1},  {200, {{16, "avc1"}, {112, "H264"}}, AviTypeH264},
        {200, {{16, "H264"}, {112, "avc1"}}, AviTypeAVC1}, {200, {{16, "iso4"}}, AviTypeOther},
        {127, {{112, "H264"}}, AviTypeOther},        {100, {{16, "AVC1"}}, AviTypeAVC1},
        {100, {}, AviTypeOther},                     {20, {{16, "H264"}}, AviTypeOther},
        {0, {}, AviTypeOther},
    };
    for (const Case &c : cases)
        EXPECT_EQ(FfmpegUtils::GetAviType(file(c.size, c.texts)), c.type) << "file " << count;
    EXPECT_EQ(FfmpegUtils::GetAviType(dir.path() + QStringLiteral("/missing")), AviTypeOther);
    EXPECT_EQ(FfmpegUtils::GetAviType(dir.path()), AviTypeOther);
}

// An ffmpeg 5 listing of a dual-camera AVI, with lines that must not count.
const char *kListing = R"(Input #0, avi, from 'clip.avi':
  Metadata:
    software        : Lavf59.27.100
  Duration: 00:00:01.00, start: 0.000000, bitrate: 300 kb/s
  Stream #0:0: Video: h264 (High) (H264 / 0x34363248), yuv420p, 160x90, 10 fps
  Stream #0:1: Video: h264 (High) (H264 / 0x34363248), yuv420p, 128x72, 10 fps
  Stream #0:2: Audio: pcm_s16le ([1][0][0][0] / 0x0001), 8000 Hz, mono, s16, 128 kb/s
  Stream #0:3[0x4](und): Audio: aac (LC) (mp4a / 0x6134706D), 8000 Hz, mono
  Stream #0:12: Video: h264
  Stream #10:0: Video: h264
  Stream #1:0: VIDEO: mjpeg (attached pic)
At least one output file must be specified
)";

TEST(StreamCount, CountsTheListingLines)
{
    const QString listing = QString::fromUtf8(kListing);
    // The expression is the definition: "(.*?)" lets #0:12 match (its "2" is taken by the lazy
    // group), while a two-digit input number (#10:0) never matches. Case is ignored. An attached
    // picture counts as a video stream (cards carry none).
    EXPECT_EQ(FfmpegUtils::GetVideoStreamCountFromVideoInfo(listing), 4);
    EXPECT_EQ(FfmpegUtils::GetAudioStreamCountFromVideoInfo(listing), 2);
    EXPECT_EQ(FfmpegUtils::GetVideoStreamCountFromVideoInfo(QString()), 0);
    EXPECT_EQ(FfmpegUtils::GetAudioStreamCountFromVideoInfo(QStringLiteral("Stream #0:0: Video: h264")), 0);
}

TEST(StreamCount, NoFfmpegGivesNoStreams)
{
    const QString missing = QStringLiteral("/nonexistent/ffmpeg");
    EXPECT_TRUE(FfmpegUtils::GetFFMPEGVideoInfo(QStringLiteral("/x.avi"), missing).isEmpty());
    EXPECT_EQ(FfmpegUtils::GetVideoStreamCountFromVideoPath(QStringLiteral("/x.avi"), missing), 0);
    const FfmpegUtils::TaskResult result = FfmpegUtils::RunTask(missing, {});
    EXPECT_FALSE(result.started);
    EXPECT_FALSE(result.succeeded());
    EXPECT_FALSE(FfmpegUtils::RunTask(QString(), {}).started);
}

TEST(StreamCount, RealFfmpegOnARealClip)
{
    if (!drovik::test::haveProgram(QStringLiteral("ffmpeg")))
        GTEST_SKIP() << "ffmpeg is not installed";
    QTemporaryDir dir;
    const QString clip = dir.path() + QStringLiteral("/dual.avi");
    ASSERT_TRUE(drovik::test::makeDualAvi(clip, true));
    const QString ffmpeg = QStandardPaths::findExecutable(QStringLiteral("ffmpeg"));
    EXPECT_EQ(FfmpegUtils::GetVideoStreamCountFromVideoPath(clip, ffmpeg), 2);
    EXPECT_EQ(FfmpegUtils::GetAudioStreamCountFromVideoPath(clip, ffmpeg), 1);
    EXPECT_EQ(FfmpegUtils::GetAviType(clip), AviTypeH264);
}

TEST(RunTask, JoinsOutputAndErrorAndReportsTheExit)
{
    const FfmpegUtils::TaskResult result = FfmpegUtils::RunTask(
        QStringLiteral("/bin/sh"), {QStringLiteral("-c"), QStringLiteral("echo out; echo err >&2; exit 3")});
    EXPECT_TRUE(result.started);
    EXPECT_EQ(result.exitCode, 3);
    EXPECT_FALSE(result.succeeded());
    EXPECT_TRUE(result.output.contains(QStringLiteral("out")));
    EXPECT_TRUE(result.output.contains(QStringLiteral("err")));
    // Standard input is empty: a child that reads it ends at once.
    EXPECT_TRUE(FfmpegUtils::RunTask(QStringLiteral("/bin/cat"), {}).succeeded());
    EXPECT_EQ(FfmpegUtils::DoTaskWithLaunchPath(QStringLiteral("/bin/echo"), {QStringLiteral("a b")}),
              QStringLiteral("a b\n"));
}

TEST(PathHelpers, Extensions)
{
    const std::pair<const char *, const char *> cases[] = {
        {"/a/b.c/clip.mp4", "/a/b.c/clip"}, {"/a/b.c/clip", "/a/b.c/clip"}, {"/a/x.y.mov", "/a/x.y"},
        {"/a/.hidden", "/a/.hidden"},       {"clip.mp4", "clip"}};
    for (const auto &[path, stem] : cases)
        EXPECT_EQ(FfmpegUtils::removeFileExtensionFromFilePath(QString::fromLatin1(path)), QLatin1String(stem));
    EXPECT_TRUE(FfmpegUtils::removeFileExtensionFromFilePath(QString()).isNull());
    EXPECT_EQ(FfmpegUtils::replaceFileExtensionFromFilePath(QStringLiteral("/t/a_f.mov"), QStringLiteral("srt")),
              QStringLiteral("/t/a_f.srt"));
}

TEST(FfmpegPath, EnvironmentFirstThenBesideTheProgramThenPath)
{
    const QByteArray saved = qgetenv("DROVIK_FFMPEG");
    qputenv("DROVIK_FFMPEG", "/opt/custom/ffmpeg");
    EXPECT_EQ(FfmpegUtils::GetFFMPEGPath(), QStringLiteral("/opt/custom/ffmpeg"));
    qputenv("DROVIK_FFMPEG", "");
    const QString beside = QCoreApplication::applicationDirPath() + QStringLiteral("/ffmpeg");
    const QString expected = QFileInfo(beside).isExecutable()
                                 ? beside
                                 : QStandardPaths::findExecutable(QStringLiteral("ffmpeg"));
    EXPECT_EQ(FfmpegUtils::GetFFMPEGPath(), expected);
    qputenv("DROVIK_FFMPEG", saved);
    if (saved.isNull())
        qunsetenv("DROVIK_FFMPEG");
}

} // namespace
