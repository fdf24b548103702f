// drovik clips, run as a user would run it.
#include "temp_folder.h"

#include "programs.h"

#include <gtest/gtest.h>

using namespace drovik::test;

namespace {

class ClipsCli : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char *name : {"cont_rec/0512_R.mp4", "cont_rec/0512_F.mp4", "evt_rec/0600.avi",
                                 "parking_rec/0700.mp4", "sos_rec/0800.mp4", "Saved_Videos/0900.mov",
                                 "other/0950.mp4", "0100.MP4"})
            ASSERT_TRUE(tree.touch({QString::fromUtf8(name)}));
    }
    QByteArray line(const char *relative) const
    {
        return tree.path(QString::fromUtf8(relative)).toUtf8() + '\n';
    }
    TempFolder tree;
};

TEST_F(ClipsCli, ListsTheShownListOnePathPerLine)
{
    const ProgramRun run = runDrovik({QStringLiteral("clips"), tree.root()});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, line("Saved_Videos/0900.mov") + line("0100.MP4") + line("cont_rec/0512_F.mp4")
                           + line("cont_rec/0512_R.mp4") + line("evt_rec/0600.avi")
                           + line("parking_rec/0700.mp4") + line("sos_rec/0800.mp4"));
}

TEST_F(ClipsCli, FiltersByName)
{
    const ProgramRun run = runDrovik({QStringLiteral("clips"), tree.root(), QStringLiteral("--filter"),
                               QStringLiteral("event")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, line("evt_rec/0600.avi") + line("parking_rec/0700.mp4"));
    EXPECT_EQ(runDrovik({QStringLiteral("clips"), QStringLiteral("--filter=always"), tree.root()}).out,
              line("cont_rec/0512_F.mp4") + line("cont_rec/0512_R.mp4"));
    EXPECT_EQ(runDrovik({QStringLiteral("clips"), tree.root(), QStringLiteral("--filter"),
                      QStringLiteral("motion")}).out, QByteArray());
}

TEST_F(ClipsCli, JsonCarriesTheRowColour)
{
    const ProgramRun run = runDrovik({QStringLiteral("clips"), tree.root(), QStringLiteral("--json"),
                               QStringLiteral("--filter"), QStringLiteral("manual")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "[{\"path\":\"" + tree.path(QStringLiteral("sos_rec/0800.mp4")).toUtf8()
                           + "\",\"color\":\"yellow\"}]\n");
    const ProgramRun all = runDrovik({QStringLiteral("clips"), QStringLiteral("--json"), tree.root()});
    EXPECT_TRUE(all.out.startsWith(QByteArray("[{\"path\":\"" + tree.path(QStringLiteral("Saved_Videos/0900.mov")).toUtf8()
                                              + "\",\"color\":\"magenta\"},{\"path\":")))
        << all.out.toStdString();
    EXPECT_TRUE(all.out.contains("0100.MP4\",\"color\":\"default\"}"));
}

TEST_F(ClipsCli, EscapesJson)
{
    ASSERT_TRUE(tree.touch({QStringLiteral("option_rec/a \"q\" \\ b.mp4")}));
    const ProgramRun run = runDrovik({QStringLiteral("clips"), tree.root(), QStringLiteral("--json"),
                               QStringLiteral("--filter"), QStringLiteral("manual")});
    EXPECT_TRUE(run.out.contains("option_rec/a \\\"q\\\" \\\\ b.mp4\",\"color\":\"yellow\""))
        << run.out.toStdString();
}

TEST_F(ClipsCli, EmptyFolderGivesNothing)
{
    TempFolder empty;
    EXPECT_EQ(runDrovik({QStringLiteral("clips"), empty.root()}).out, QByteArray());
    EXPECT_EQ(runDrovik({QStringLiteral("clips"), empty.root(), QStringLiteral("--json")}).out, "[]\n");
}

TEST_F(ClipsCli, ErrorsAndUsage)
{
    EXPECT_EQ(runDrovik({QStringLiteral("clips")}).exitCode, 2);
    EXPECT_EQ(runDrovik({QStringLiteral("clips"), tree.root(), QStringLiteral("--filter"),
                      QStringLiteral("parking")}).exitCode, 2);
    EXPECT_EQ(runDrovik({QStringLiteral("clips"), tree.root(), QStringLiteral("--bogus")}).exitCode, 2);
    EXPECT_EQ(runDrovik({QStringLiteral("clips"), tree.root(), tree.root()}).exitCode, 2);
    EXPECT_EQ(runDrovik({QStringLiteral("clips"), tree.path(QStringLiteral("missing"))}).exitCode, 1);
}

} // namespace
