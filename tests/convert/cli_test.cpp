// drovik convert, run as a user would run it.
#include "programs.h"

#include <gtest/gtest.h>

using namespace drovik::test;

namespace {

TEST(ConvertCli, PrintsThePlayableFiles)
{
    if (!haveProgram(QStringLiteral("ffmpeg")))
        GTEST_SKIP() << "ffmpeg is not installed";
    QTemporaryDir dir;
    const QString front = dir.path() + QStringLiteral("/a b_F.mp4");
    ASSERT_TRUE(makeMp4(front, "f"));
    ASSERT_TRUE(makeMp4(dir.path() + QStringLiteral("/a b_R.mp4"), "r"));
    const QString size = QString::number(QFileInfo(front).size());
    const QString folder = dir.path() + QStringLiteral("/work/temp_video/a b_F_") + size;
    const ProgramRun run = runDrovik({QStringLiteral("convert"), front, QStringLiteral("--workdir"),
                               dir.path() + QStringLiteral("/work")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, (folder + QStringLiteral("/a b_F_f.mov\n") + folder + QStringLiteral("/a b_F_r.mov\n")).toUtf8());
    // The default working directory is the user's Documents/DrovikViewer (isolated here).
    const ProgramRun again = runDrovik({QStringLiteral("convert"), front});
    EXPECT_EQ(again.exitCode, 0);
    EXPECT_TRUE(again.out.contains(QByteArray("/DrovikViewer/temp_video/a b_F_" + size.toUtf8() + "/a b_F_f.mov\n")))
        << again.out.toStdString();
}

TEST(ConvertCli, MovPassesThroughAndUnplayableExitsThree)
{
    QTemporaryDir dir;
    const QString mov = dir.path() + QStringLiteral("/clip.MOV");
    ASSERT_TRUE(writeFile(mov, "x"));
    const ProgramRun passed = runDrovik("convert ROOT/clip.MOV --workdir ROOT", dir.path());
    EXPECT_EQ(passed.exitCode, 0);
    EXPECT_EQ(passed.out, mov.toUtf8() + '\n');

    const ProgramRun missing = runDrovik("convert ROOT/gone.mp4 --workdir ROOT", dir.path());
    EXPECT_EQ(missing.exitCode, 3);
    EXPECT_TRUE(missing.out.isEmpty());

    if (haveProgram(QStringLiteral("ffmpeg"))) {
        ASSERT_TRUE(makeAudioOnlyAvi(dir.path() + QStringLiteral("/sound.avi")));
        EXPECT_EQ(runDrovik("convert ROOT/sound.avi --workdir ROOT", dir.path()).exitCode, 3);
    }
}

TEST(ConvertCli, Usage)
{
    for (const char *args : {"convert", "convert a.mp4 b.mp4", "convert a.mp4 --workdir", "convert --bogus",
                             "convert a.mp4 --workdir="})
        EXPECT_EQ(runDrovik(args).exitCode, 2) << args;
}

} // namespace
