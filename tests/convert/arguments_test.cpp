// The ffmpeg argument lists: as lists, and as the argv a program receives.
// The second half runs a fake ffmpeg (a shell script that records its arguments and makes the
// output file) because only the exact argv is checked here; conversion_test.cpp runs the real one.
#include "programs.h"
#include "playback/convert/ffmpeg_utils.h"
#include "playback/convert/video_conversion.h"

#include <gtest/gtest.h>

#include <QDir>

using namespace drovik;
using drovik::test::readFile;
using drovik::test::writeFile;
using drovik::test::writeScript;

namespace {

// Every list the converter can hand to ffmpeg, one per line, compared with
// tests/data/convert_arguments.txt, which was checked by hand against the conversion rules. After a
// deliberate change, regenerate it with
//   DROVIK_WRITE_GOLDEN=1 build/tests/convert/convert_arguments_test --gtest_filter='Arguments.*'
// and read the difference before committing it.
TEST(Arguments, EveryListAsGolden)
{
    const QString in = QStringLiteral("/in/P.avi"), out = QStringLiteral("/out/F.mov");
    QStringList lines;
    const char *types[] = {"h264", "avc1", "hvc1", "other"};
    for (int type = 0; type < 4; ++type)
        lines << QStringLiteral("single %1: ").arg(QLatin1String(types[type]))
                     + singleConversionArguments(type, in, out).join(QLatin1Char(' '));
    for (int type = 0; type < 4; ++type) {
        for (int stream : {0, 1}) {
            for (bool audio : {true, false})
                lines << QStringLiteral("dual %1 stream %2%3: ")
                                 .arg(QLatin1String(types[type]))
                                 .arg(stream)
                                 .arg(audio ? QStringLiteral(" audio") : QString())
                             + dualConversionArguments(type, in, out, stream, audio).join(QLatin1Char(' '));
        }
    }
    lines << QStringLiteral("subtitle: ")
                 + subtitleExtractionArguments(QStringLiteral("/in/P.mp4"), QStringLiteral("/out/S.srt"))
                       .join(QLatin1Char(' '));
    const QByteArray actual = lines.join(QLatin1Char('\n')).toUtf8() + '\n';
    const QString golden = QStringLiteral(DROVIK_TEST_DATA_DIR "/convert_arguments.txt");
    if (qEnvironmentVariableIsSet("DROVIK_WRITE_GOLDEN"))
        writeFile(golden, actual);
    EXPECT_EQ(actual, readFile(golden));
}

TEST(Paths, CacheLayout)
{
    const ConversionPaths p = conversionPathsFor(QStringLiteral("/card/cont_rec/a.b_F.mp4"), 12345, QStringLiteral("/work"));
    const QString folder = QStringLiteral("/work/temp_video/a.b_F_12345");
    EXPECT_EQ(QStringList({p.folder, p.front, p.rear, p.frontSubtitle, p.rearSubtitle, p.partialFolder}),
              QStringList({folder, folder + QStringLiteral("/a.b_F_f.mov"), folder + QStringLiteral("/a.b_F_r.mov"),
                           folder + QStringLiteral("/a.b_F_f.srt"), folder + QStringLiteral("/a.b_F_r.srt"),
                           folder + QStringLiteral("/.partial")}));
}

TEST(Paths, PartnerSearchKnowsBcNamesAndOtherMakesMarkers)
{
    for (const auto &[a, b] : {std::pair("1_F.mp4", "1_R.mp4"), std::pair("1_F_BC.mp4", "1_R_BC.mp4"),
                               std::pair("DCIM/240517_101500_A.mp4", "DCIM/240517_101500_B.mp4")}) {
        const QString front = QStringLiteral("file:///c/") + QLatin1String(a), rear = QStringLiteral("file:///c/") + QLatin1String(b);
        EXPECT_EQ(conversionPartnerUrlText(front), rear);
        EXPECT_EQ(conversionPartnerUrlText(rear), front);
    }
    EXPECT_TRUE(conversionPartnerUrlText(QStringLiteral("file:///c/1.mp4")).isNull());
}

// A fake ffmpeg: each run leaves its argv, NUL-separated, in $FAKE_FFMPEG_LOG/call.N; a run with
// just "-i" and a path prints $FAKE_FFMPEG_STREAMS (the stream listing); any other run makes its
// last argument as a file and succeeds.
const char *kFakeFfmpeg = R"(#!/bin/sh
n=0
while [ -e "$FAKE_FFMPEG_LOG/call.$n" ]; do n=$((n + 1)); done
printf '%s\0' "$@" > "$FAKE_FFMPEG_LOG/call.$n"
if [ "$#" -eq 2 ]; then
  printf '%s\n' "$FAKE_FFMPEG_STREAMS"
  exit 1
fi
for last do :; done
printf 'converted' > "$last"
)";

class FakeFfmpeg : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QDir().mkpath(log()));
        ASSERT_TRUE(QDir().mkpath(cards()));
        program = dir.path() + QStringLiteral("/ffmpeg");
        ASSERT_TRUE(writeScript(program, kFakeFfmpeg));
        qputenv("FAKE_FFMPEG_LOG", log().toUtf8());
    }
    void TearDown() override
    {
        qunsetenv("FAKE_FFMPEG_LOG");
        qunsetenv("FAKE_FFMPEG_STREAMS");
    }
    QString log() const { return dir.path() + QStringLiteral("/log"); }
    QString cards() const { return dir.path() + QStringLiteral("/card"); }
    QString work() const { return dir.path() + QStringLiteral("/work"); }

    // A clip of 128 bytes whose codec tag is tag at offset 112.
    QString clip(const QString &name, const QByteArray &tag)
    {
        QByteArray bytes(128, '\0');
        bytes.replace(112, tag.size(), tag);
        const QString path = cards() + QLatin1Char('/') + name;
        EXPECT_TRUE(writeFile(path, bytes));
        return path;
    }

    QList<QStringList> calls() const
    {
        QList<QStringList> out;
        for (int n = 0; QFile::exists(log() + QStringLiteral("/call.%1").arg(n)); ++n) {
            QByteArray raw = readFile(log() + QStringLiteral("/call.%1").arg(n));
            raw.chop(1); // the last NUL
            QStringList args;
            for (const QByteArray &arg : raw.split('\0'))
                args.append(QString::fromUtf8(arg));
            out.append(args);
        }
        return out;
    }

    QTemporaryDir dir;
    QString program;
};

TEST_F(FakeFfmpeg, Mp4PairWithShellCharactersReachesFfmpegAsSingleArguments)
{
    const QString base = QStringLiteral("it's \"$(touch PWNED)\"; `id` & a\nb *_");
    const QString front = clip(base + QStringLiteral("F.mp4"), "H264");
    const QString rear = clip(base + QStringLiteral("R.mp4"), "iso4hvc1"); // its type is not read
    const VideoConverter converter(work(), program);
    const auto result = converter.checkAndConvertVideo(QUrl::fromLocalFile(front));
    ASSERT_TRUE(result.has_value());

    const ConversionPaths paths = conversionPathsFor(front, 128, work());
    auto partial = [&](const QString &finalPath) -> QString {
        return paths.partialFolder + QLatin1Char('/') + QFileInfo(finalPath).fileName();
    };
    const QList<QStringList> expected = {
        singleConversionArguments(AviTypeH264, front, partial(paths.front)),
        subtitleExtractionArguments(front, partial(paths.frontSubtitle)),
        singleConversionArguments(AviTypeH264, rear, partial(paths.rear)),
        subtitleExtractionArguments(rear, partial(paths.rearSubtitle)),
    };
    EXPECT_EQ(calls(), expected);
    EXPECT_EQ(*result, (QList<QUrl>{QUrl::fromLocalFile(paths.front), QUrl::fromLocalFile(paths.rear)}));
    EXPECT_EQ(readFile(paths.frontSubtitle), "converted");
    EXPECT_FALSE(QFile::exists(QStringLiteral("PWNED")));
    EXPECT_FALSE(QFile::exists(cards() + QStringLiteral("/PWNED")));
    EXPECT_TRUE(QDir(paths.partialFolder).isEmpty());
}

TEST_F(FakeFfmpeg, DualStreamAviProbesThenSplits)
{
    for (const bool audio : {true, false}) {
        QDir(log()).removeRecursively();
        QDir(work()).removeRecursively();
        QDir().mkpath(log());
        qputenv("FAKE_FFMPEG_STREAMS", "  Stream #0:0: Video: h264\n  Stream #0:1: Video: h264"
                                           + QByteArray(audio ? "\n  Stream #0:2: Audio: pcm_s16le" : ""));
        const QString avi = clip(QStringLiteral("dual $x.avi"), audio ? "AVC1" : "H264");
        const int type = audio ? AviTypeAVC1 : AviTypeH264;
        const auto result = VideoConverter(work(), program).checkAndConvertVideo(QUrl::fromLocalFile(avi));
        ASSERT_TRUE(result.has_value());
        EXPECT_EQ(result->size(), 2);
        const QString partial = conversionPathsFor(avi, 128, work()).partialFolder;
        const QStringList probe = {QStringLiteral("-i"), avi};
        EXPECT_EQ(calls(), (QList<QStringList>{
                               probe, probe,
                               dualConversionArguments(type, avi, partial + QStringLiteral("/dual $x_f.mov"), 0, audio),
                               dualConversionArguments(type, avi, partial + QStringLiteral("/dual $x_r.mov"), 1, audio)}))
            << "audio " << audio;
    }
}

TEST_F(FakeFfmpeg, SingleStreamAviHasNoRearAndNoSubtitles)
{
    qputenv("FAKE_FFMPEG_STREAMS", "  Stream #0:0: Video: h264\n  Stream #0:1: Audio: pcm");
    const QString avi = clip(QStringLiteral("one_F.avi"), "XVID");
    clip(QStringLiteral("one_R.avi"), "XVID");
    const VideoConverter converter(work(), program);
    const auto result = converter.checkAndConvertVideo(QUrl::fromLocalFile(avi));
    ASSERT_TRUE(result.has_value());
    const ConversionPaths paths = conversionPathsFor(avi, 128, work());
    EXPECT_EQ(calls(), (QList<QStringList>{{QStringLiteral("-i"), avi},
                                           singleConversionArguments(AviTypeOther, avi,
                                                                     paths.partialFolder + QStringLiteral("/one_F_f.mov"))}));
    EXPECT_EQ(*result, QList<QUrl>{QUrl::fromLocalFile(paths.front)});
}

} // namespace
