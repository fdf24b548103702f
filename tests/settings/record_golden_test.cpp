// The setup record byte for byte: the built-in defaults of each model family and a record with a
// distinct value in every field, compared with the files in tests/data/records. Those files were
// written by this code after its default and layout tables had been checked by hand. After a
// deliberate change to a table, regenerate them with
//   DROVIK_WRITE_GOLDEN=1 build/tests/settings/settings_store_tests --gtest_filter='GoldenRecord.*'
// and look at `cmp -l old new` before committing the new files.
#include "card_fixture.h"

#include "settings/store/r640_setting_manager.h"
#include "settings/store/setting_manager_holder.h"

#include <gtest/gtest.h>

using namespace drovik;
using namespace drovik::test;

namespace {

QByteArray golden(const char *name, const QByteArray &actual)
{
    const QString path = QStringLiteral(DROVIK_TEST_DATA_DIR "/records/%1.bin").arg(QLatin1String(name));
    if (qEnvironmentVariableIsSet("DROVIK_WRITE_GOLDEN"))
        writeFile(path, actual);
    return readFile(path);
}

TEST(GoldenRecord, BuiltInDefaultsOfEachFamilyAsSaved)
{
    struct Family { const char *name; ModelType type; int firmware; qint64 localID; };
    for (const Family &f : {Family{"K210", 0, 0, -1}, Family{"R640", 1, 0, -1}, Family{"V470", 2, 0, -1},
                            Family{"V820", 3, 16, -1}, Family{"V820_fw17", 3, 17, -1},
                            Family{"V820_UK", 4, 17, 3}, Family{"R930", 5, 0, -1}}) {
        TempFolder card;
        R640SettingManager manager;
        manager.setSettingDirPath(card.root());
        manager.setModelType(f.type);
        manager.setFirmwareVersionInt(f.firmware);
        manager.setLocalID(f.localID);
        manager.loadDefaultValue();
        ASSERT_EQ(manager.saveData(), CardWriteStatus::Written) << f.name;
        const QByteArray saved = card.get(kSetupFile);
        EXPECT_EQ(saved, golden(f.name, saved)) << f.name;
    }
}

// Numbers 0x44332200 + n in field n (cut to the field's width) and each text field's own name.
TEST(GoldenRecord, EveryFieldAtItsOffsetAndWidth)
{
    R640SettingManager manager;
    manager.setModelType(26);
    for (int i = 0; i < kSetupRecordFieldCount; ++i) {
        const FieldInfo &info = kSetupRecordFields[std::size_t(i)];
        if (info.isText())
            manager.setTextValue(info.field, QString::fromLatin1(info.name));
        else
            manager.setIntValue(info.field, 0x44332200 + i + 1);
    }
    const QByteArray bytes = manager.recordBytes();
    EXPECT_EQ(bytes, golden("layout", bytes));
}

TEST(RecordLayout, FieldCountPerModelTypeAndFirmware)
{
    // Model types 0 … 29 at firmware 0, then the V820 pair from firmware 17 on.
    const int fields[] = {60, 60, 60, 68, 68, 79, 60, 81, 81, 81, 81, 81, 81, 93, 81,
                          81, 92, 99, 81, 93, 93, 96, 96, 102, 113, 113, 116, 60, 60, 60};
    for (ModelType type = 0; type < 30; ++type)
        EXPECT_EQ(settingVariableCountFor(type, 0), fields[type]) << type;
    EXPECT_EQ(settingVariableCountFor(-1, 0), 60);
    for (ModelType type : {3, 4}) {
        EXPECT_EQ(settingVariableCountFor(type, 16), 68);
        EXPECT_EQ(settingVariableCountFor(type, 17), 78);
    }
    struct Size { int fields; int bytes; };
    for (const Size &s : {Size{0, 0}, Size{60, 432}, Size{68, 464}, Size{78, 504}, Size{79, 508},
                          Size{81, 516}, Size{92, 560}, Size{99, 579}, Size{116, 596}, Size{500, 596}})
        EXPECT_EQ(recordSizeForFieldCount(s.fields), s.bytes) << s.fields;
}

TEST(RecordLayout, FieldsAreFoundByTheirExactName)
{
    for (const FieldInfo &info : kSetupRecordFields)
        EXPECT_EQ(fieldByName(QString::fromLatin1(info.name)), info.field) << info.name;
    for (const char *name : {"", "Checksum", "gearr_video_on", "tz_key ", "front_contrast"})
        EXPECT_FALSE(fieldByName(QString::fromLatin1(name)).has_value()) << name;
}

// The built-in defaults fill a family's record only, and later models have none.
TEST(BuiltInDefaults, OnlyTheFamilyRecord)
{
    struct Case { ModelType type; Field firstBeyond; };
    for (const Case &c : {Case{0, Field::battery_auto_set}, Case{3, Field::low_vol_shutdown},
                          Case{5, Field::parking_night_vision}, Case{-1, Field::front_resolution},
                          Case{6, Field::front_resolution}, Case{7, Field::front_resolution},
                          Case{16, Field::front_resolution}, Case{26, Field::front_resolution},
                          Case{27, Field::front_resolution}}) {
        R640SettingManager manager;
        manager.setModelType(c.type);
        manager.setIntValue(c.firstBeyond, 77);
        manager.setAvn_onoff(78);
        manager.loadDefaultValue();
        EXPECT_EQ(manager.intValue(c.firstBeyond), 77) << c.type;
        EXPECT_EQ(manager.avn_onoff(), 78) << c.type;
        EXPECT_EQ(manager.product_name().isNull(), c.firstBeyond == Field::front_resolution) << c.type;
    }
}

class ResetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto manager = std::make_unique<R640SettingManager>();
        manager->setSettingDirPath(card.root());
        manager->setModelType(1);
        manager->setVersion(QStringLiteral("1.00.17"));
        manager->setFirmwareVersionInt(17);
        manager->setDriving_guide_version(0x0D030D00);
        manager->setFront_resolution(9);
        holder = std::make_unique<SettingManagerHolder>(std::move(manager));
    }

    TempFolder card;
    std::unique_ptr<SettingManagerHolder> holder;
};

TEST_F(ResetTest, FromTheCardsDefaultRecordKeepingVersionStamps)
{
    QByteArray file = makeRecord(432, "R640", 432);
    putLe32(file, 52, 2);
    putText(file, 40, "0.0.1");
    ASSERT_TRUE(card.put(QStringLiteral("SETTING/default.cfg"), file));
    const R640SettingManager *before = &holder->manager();
    EXPECT_EQ(resetSettingsToDefaults(*holder), ResetOutcome::FromDefaultCfg);
    const R640SettingManager &after = holder->manager();
    EXPECT_NE(&after, before);
    EXPECT_EQ(before->front_resolution(), 9); // still valid for whoever held it
    EXPECT_EQ(after.front_resolution(), 2);
    EXPECT_EQ(after.version(), QStringLiteral("1.00.17"));
    EXPECT_EQ(after.firmwareVersionInt(), 17);
    EXPECT_EQ(after.driving_guide_version(), 0x0D030D00);
    EXPECT_EQ(after.settingDirPath(), card.root());
    EXPECT_EQ(after.modelType(), 1);
    EXPECT_EQ(after.localID(), -1);
    EXPECT_FALSE(card.has(kSetupFile));
}

} // namespace
