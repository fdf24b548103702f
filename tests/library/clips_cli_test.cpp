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
    const ProgramRun run = runDrovik("clips ROOT", tree.root());
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, line("Saved_Videos/0900.mov") + line("0100.MP4") + line("cont_rec/0512_F.mp4")
                           + line("cont_rec/0512_R.mp4") + line("evt_rec/0600.avi")
                           + line("parking_rec/0700.mp4") + line("sos_rec/0800.mp4"));
    const ProgramRun event = runDrovik("clips ROOT --filter event", tree.root());
    EXPECT_EQ(event.exitCode, 0);
    EXPECT_EQ(event.out, line("evt_rec/0600.avi") + line("parking_rec/0700.mp4"));
    EXPECT_EQ(runDrovik("clips --filter=always ROOT", tree.root()).out,
              line("cont_rec/0512_F.mp4") + line("cont_rec/0512_R.mp4"));
    EXPECT_EQ(runDrovik("clips ROOT --filter motion", tree.root()).out, QByteArray());
}

TEST_F(ClipsCli, JsonCarriesTheRowColourEscaped)
{
    ASSERT_TRUE(tree.touch({QStringLiteral("option_rec/a \"q\" \\ b.mp4")}));
    const ProgramRun run = runDrovik("clips ROOT --json --filter manual", tree.root());
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "[{\"path\":\"" + tree.path(QStringLiteral("sos_rec/0800.mp4")).toUtf8()
                           + "\",\"color\":\"yellow\"},{\"path\":\"" + tree.path(QStringLiteral("option_rec/a \\\"q\\\" \\\\ b.mp4")).toUtf8()
                           + "\",\"color\":\"yellow\"}]\n");
    const ProgramRun all = runDrovik("clips --json ROOT", tree.root());
    EXPECT_TRUE(all.out.startsWith(QByteArray("[{\"path\":\"" + tree.path(QStringLiteral("Saved_Videos/0900.mov")).toUtf8()
                                              + "\",\"color\":\"magenta\"},{\"path\":")))
        << all.out.toStdString();
    EXPECT_TRUE(all.out.contains("0100.MP4\",\"color\":\"default\"}"));
}

TEST_F(ClipsCli, ListsOtherMakesFoldersByTheirTypes)
{
    TempFolder card;
    ASSERT_TRUE(card.touch(strings({"DCIM/Movie/2024_0517_101500_001F.MP4", "DCIM/Movie/RO/2024_0517_101600_002F.MP4",
                                    "Event/20240517_101700_A.mp4", "Photo/20240517_101800.mp4"})));
    const ProgramRun event = runDrovik("clips ROOT --filter event", card.root());
    EXPECT_EQ(event.exitCode, 0);
    EXPECT_EQ(event.out, card.path(QStringLiteral("Event/20240517_101700_A.mp4")).toUtf8() + '\n'
                             + card.path(QStringLiteral("DCIM/Movie/RO/2024_0517_101600_002F.MP4")).toUtf8() + '\n');
    EXPECT_EQ(runDrovik("clips ROOT --filter always", card.root()).out,
              card.path(QStringLiteral("DCIM/Movie/2024_0517_101500_001F.MP4")).toUtf8() + '\n');
}

TEST_F(ClipsCli, EmptyFolderErrorsAndUsage)
{
    TempFolder empty;
    EXPECT_EQ(runDrovik("clips ROOT", empty.root()).out, QByteArray());
    EXPECT_EQ(runDrovik("clips ROOT --json", empty.root()).out, "[]\n");
    for (const char *args : {"clips", "clips ROOT --filter parking", "clips ROOT --bogus", "clips ROOT ROOT"})
        EXPECT_EQ(runDrovik(args, tree.root()).exitCode, 2) << args;
    EXPECT_EQ(runDrovik("clips ROOT/missing", tree.root()).exitCode, 1);
}

} // namespace
