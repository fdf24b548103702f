// drovik card and drovik kvl, run as a user would run them.
#include "card_fixture.h"

#include "programs.h"

#include <gtest/gtest.h>

using namespace drovik::test;

namespace {

QByteArray v820Record()
{
    QByteArray record = makeRecord(464, "V820", 464);
    putLe32(record, 4, 0x00010009);
    putText(record, 24, QByteArray(16, '\xFF'));
    putText(record, 40, "1.00.17");
    putLe32(record, 460, 3);
    return record;
}

TEST(CardCli, PrintsDetectionAndRecordWithoutWriting)
{
    TempFolder card;
    ASSERT_TRUE(card.put(kSetupFile, v820Record()));
    ASSERT_TRUE(card.put(QStringLiteral("SETTING/lang/ver.dat"), "# Language ISO Code:en ko\n"));
    const ProgramRun run = runDrovik("card ROOT", card.root());
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.out.startsWith(
        R"({"modelType":3,"modelName":"V820","version":"1.00.17","firmwareVersionInt":17,)"
        R"("localID":3,"languages":[[0,"en"],[1,"ko"]],"recordSize":504,"record":{"checksum":464,)"
        R"("cfg_struct_version":65545,"product_name":"V820","serial_number":null,"version":"1.00.17",)"
        R"("reserved":0,"front_resolution":0,)"))
        << run.out.toStdString();
    EXPECT_TRUE(run.out.endsWith(R"("local_id":3,"low_vol_shutdown":0,)"
                                 R"("adas_car_high":0,"ldws_left_depart_Sensitivity":0,)"
                                 R"("ldws_right_depart_Sensitivity":0,"ldws_depart_speed":0,)"
                                 R"("fcws_onoff":0,"fcws_frontal_sensitivity":0,"fcmd_onoff":0,)"
                                 R"("llws_onoff":0,"ldws_onoff":0}})" "\n"))
        << run.out.toStdString();
    EXPECT_EQ(card.get(kSetupFile), v820Record());
}

TEST(CardCli, SetAndSaveWritesTheModelsRecord)
{
    TempFolder card;
    ASSERT_TRUE(card.put(kSetupFile, v820Record()));
    const ProgramRun run = runDrovik({QStringLiteral("card"), card.root(), QStringLiteral("--set"),
                                      QStringLiteral("gmt_offset=-480"), QStringLiteral("--set"),
                                      QStringLiteral("tz_key=GMT Standard Time"), QStringLiteral("--set"),
                                      QStringLiteral("ldws_onoff=0x7"), QStringLiteral("--save")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.out.contains(R"("tz_key":"GMT Standard Time")"));
    // The record grows to the firmware-17 length; the new fields take the manager's values.
    QByteArray expected = v820Record() + QByteArray(40, '\0');
    putLe32(expected, 372, -480);
    putText(expected, 380, QByteArray("GMT Standard Time").leftJustified(32, '\0'));
    putLe32(expected, 500, 7);
    const QByteArray written = card.get(kSetupFile);
    EXPECT_EQ(written, expected);
    EXPECT_EQ(written.mid(24, 16), QByteArray(16, '\xFF'));
}

TEST(CardCli, FolderWithoutCardIsLeftAsItWas)
{
    TempFolder card;
    const ProgramRun run = runDrovik("card ROOT", card.root());
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.out.startsWith(
        R"({"modelType":-1,"modelName":null,"version":null,"firmwareVersionInt":0,"localID":-1,)"
        R"("languages":[],"recordSize":432,"record":{"checksum":0,)"))
        << run.out.toStdString();
    const ProgramRun kvl = runDrovik("kvl ROOT", card.root());
    EXPECT_EQ(kvl.exitCode, 0);
    EXPECT_TRUE(kvl.out.startsWith(R"({"lines":["const=60","event=22","manual=9","park=4",)"));
    EXPECT_TRUE(QDir(card.root()).isEmpty());
}

TEST(CardCli, BadUsage)
{
    TempFolder card;
    ASSERT_TRUE(card.put(kSetupFile, makeRecord(432, "R640", 432)));
    struct Case { const char *args; int exitCode; };
    const Case cases[] = {
        {"card", 2},
        {"card ROOT --bogus", 2},
        {"card ROOT --set", 2},
        {"card ROOT --set nope=1", 2},
        {"card ROOT --set wdr", 2},
        {"card ROOT --set front_resolution=x", 2},
        {"card ROOT --set front_resolution=4294967296", 2},
        {"card ROOT --set reserved=65536", 2},
        {"card ROOT --set product_name=ABCDEFGHIJKLMNOPQ", 2},
        {"card ROOT --set iot_onoff=1 --save", 2},
        {"card ROOT/SETTING/setup.cfg", 1},
        {"kvl", 2},
        {"kvl ROOT ROOT", 2},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(runDrovik(c.args, card.root()).exitCode, c.exitCode) << c.args;
        EXPECT_EQ(card.get(kSetupFile), makeRecord(432, "R640", 432));
    }
}

TEST(KvlCli, LinesAsReadAndSavedBack)
{
    TempFolder card;
    const QByteArray file = "const=60\r\nmodel=\"N\\260\"\t\r\n";
    ASSERT_TRUE(card.put(kBlackboxFile, file));
    const ProgramRun run = runDrovik("kvl ROOT --save", card.root());
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, QByteArray(R"({"lines":["const=60","model=\"N\\260\"\t",""]})" "\n"));
    EXPECT_EQ(card.get(kBlackboxFile), file);
}

TEST(KvlCli, UnreadableFileIsNullAndNotSaved)
{
    TempFolder card;
    const QByteArray file = "const=\xFF";
    ASSERT_TRUE(card.put(kBlackboxFile, file));
    EXPECT_EQ(runDrovik("kvl ROOT", card.root()).out, QByteArray("{\"lines\":null}\n"));
    EXPECT_EQ(runDrovik("kvl ROOT --save", card.root()).exitCode, 1);
    EXPECT_EQ(card.get(kBlackboxFile), file);
}

} // namespace
