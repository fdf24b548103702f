// The probing helpers: codec type, stream counting, path helpers, where ffmpeg is.
#include "programs.h"
#include "playback/convert/ffmpeg_utils.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

using namespace drovik;
using drovik::test::writeFile;

namespace {

// A byte string literal with its zero bytes.
template <std::size_t N>
QByteArray bytes(const char (&text)[N])
{
    return QByteArray(text, qsizetype(N - 1));
}

class AviType : public ::testing::Test {
protected:
    // A file of size bytes (filled with 'x') with text at each given offset.
    QString file(int size, std::initializer_list<std::pair<int, QByteArray>> texts)
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

TEST_F(AviType, TagsAtOffset112)
{
    EXPECT_EQ(FfmpegUtils::GetAviType(file(200, {{112, "H264"}})), AviTypeH264);
    EXPECT_EQ(FfmpegUtils::GetAviType(file(200, {{112, "h264"}})), AviTypeH264);
    EXPECT_EQ(FfmpegUtils::GetAviType(file(200, {{112, "AVC1"}})), AviTypeAVC1);
    EXPECT_EQ(FfmpegUtils::GetAviType(file(200, {{112, "avc1"}})), AviTypeAVC1);
    EXPECT_EQ(FfmpegUtils::GetAviType(file(200, {{112, "ISO4HVC1"}})), AviTypeIso4Hvc1);
    EXPECT_EQ(FfmpegUtils::GetAviType(file(200, {{112, "XVID"}})), AviTypeOther);
    // Only the start of the window counts.
    EXPECT_EQ(FfmpegUtils::GetAviType(file(200, {{113, "H264"}})), AviTypeOther);
    // Bytes after the tag do not matter, whatever they are.
    EXPECT_EQ(FfmpegUtils::GetAviType(file(200, {{112, QByteArray("H264\xff\x00\x80", 7)}})), AviTypeH264);
}

TEST_F(AviType, Offset16WhenOffset112MatchesNothing)
{
    EXPECT_EQ(FfmpegUtils::GetAviType(file(200, {{16, "iso4hvc1"}})), AviTypeIso4Hvc1);
    EXPECT_EQ(FfmpegUtils::GetAviType(file(200, {{16, "avc1"}, {112, "H264"}})), AviTypeH264);
    EXPECT_EQ(FfmpegUtils::GetAviType(file(200, {{16, "H264"}, {112, "avc1"}})), AviTypeAVC1);
    EXPECT_EQ(FfmpegUtils::GetAviType(file(200, {{16, "iso4"}})), AviTypeOther);
}

TEST_F(AviType, FilesUnder128Bytes)
{
    // The window at 112 is not there in full: type 3 unless the bytes at offset 16 match.
    EXPECT_EQ(FfmpegUtils::GetAviType(file(127, {{112, "H264"}})), AviTypeOther);
    EXPECT_EQ(FfmpegUtils::GetAviType(file(100, {{16, "AVC1"}})), AviTypeAVC1);
    EXPECT_EQ(FfmpegUtils::GetAviType(file(100, {})), AviTypeOther);
    EXPECT_EQ(FfmpegUtils::GetAviType(file(20, {{16, "H264"}})), AviTypeOther);
    EXPECT_EQ(FfmpegUtils::GetAviType(file(0, {})), AviTypeOther);
    EXPECT_EQ(FfmpegUtils::GetAviType(dir.path() + QStringLiteral("/missing")), AviTypeOther);
    EXPECT_EQ(FfmpegUtils::GetAviType(dir.path()), AviTypeOther);
}

TEST_F(AviType, ARealAviHeader)
{
    // RIFF "AVI ", LIST hdrl, avih (56 bytes), LIST strl, strh: "vids" at 108, handler at 112.
    QByteArray header = bytes("RIFF\0\0\0\0AVI LIST\0\0\0\0hdrlavih\x38\0\0\0");
    header.append(56, '\0');
    header += bytes("LIST\0\0\0\0strlstrh\x38\0\0\0vidsH264");
    header.append(64, '\0');
    ASSERT_EQ(header.indexOf("H264"), 112);
    const QString path = dir.path() + QStringLiteral("/real.avi");
    ASSERT_TRUE(writeFile(path, header));
    EXPECT_EQ(FfmpegUtils::GetAviType(path), AviTypeH264);
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
    EXPECT_EQ(FfmpegUtils::removeFileExtensionFromFilePath(QStringLiteral("/a/b.c/clip.mp4")),
              QStringLiteral("/a/b.c/clip"));
    EXPECT_EQ(FfmpegUtils::removeFileExtensionFromFilePath(QStringLiteral("/a/b.c/clip")),
              QStringLiteral("/a/b.c/clip"));
    EXPECT_EQ(FfmpegUtils::removeFileExtensionFromFilePath(QStringLiteral("/a/x.y.mov")),
              QStringLiteral("/a/x.y"));
    EXPECT_EQ(FfmpegUtils::removeFileExtensionFromFilePath(QStringLiteral("/a/.hidden")),
              QStringLiteral("/a/.hidden"));
    EXPECT_EQ(FfmpegUtils::removeFileExtensionFromFilePath(QStringLiteral("clip.mp4")),
              QStringLiteral("clip"));
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
