#include "card_fixture.h"

#include "settings/store/r640_setting_manager.h"

#include <gtest/gtest.h>

using namespace drovik;
using namespace drovik::test;

namespace {

struct DefaultCase {
    ModelType type;
    const char *field;
    qint64 number;       // for number fields
    const char *text;    // for text fields; nullptr for nil
};

class BuiltInDefaultsTest : public ::testing::TestWithParam<DefaultCase> {};

TEST_P(BuiltInDefaultsTest, FieldValue)
{
    const DefaultCase c = GetParam();
    R640SettingManager manager;
    manager.setModelType(c.type);
    manager.loadDefaultValue();
    const Field field = *fieldByName(QString::fromLatin1(c.field));
    if (fieldInfo(field).isText()) {
        const QString value = manager.textValue(field);
        if (c.text) {
            EXPECT_EQ(value, QString::fromUtf8(c.text)) << c.field;
        } else {
            EXPECT_TRUE(value.isNull()) << c.field;
        }
    } else {
        EXPECT_EQ(manager.intValue(field), c.number) << c.field;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, BuiltInDefaultsTest,
    ::testing::Values(
        DefaultCase{0, "checksum", 432, nullptr}, DefaultCase{0, "cfg_struct_version", 0x00010005, nullptr},
        DefaultCase{0, "product_name", 0, "K210"}, DefaultCase{0, "serial_number", 0, nullptr},
        DefaultCase{0, "tz_key", 0, "Parcific Standard Time"},
        DefaultCase{0, "setting_path", 0, "SETTING/K210_Setting.exe"},
        DefaultCase{0, "acceleration_sensor", 7, nullptr}, DefaultCase{0, "gmt_offset", -480, nullptr},
        DefaultCase{1, "front_resolution", 3, nullptr}, DefaultCase{1, "av_out_mode", 4, nullptr},
        DefaultCase{1, "tz_key", 0, "Pacific Standard Time"},
        DefaultCase{1, "parking_motion_sensitivity", 3, nullptr},
        DefaultCase{2, "front_framerate", 5, nullptr}, DefaultCase{2, "lcd_off_timer", 300000, nullptr},
        DefaultCase{2, "lcd_brightness", 5, nullptr}, DefaultCase{2, "enable_av_out", 1, nullptr},
        DefaultCase{3, "checksum", 464, nullptr}, DefaultCase{3, "cfg_struct_version", 0x00010009, nullptr},
        DefaultCase{3, "serial_number", 0, "V820"},
        DefaultCase{3, "setting_path", 0, "SETTING\\V820_Setting.exe"},
        DefaultCase{3, "ldws_offset_top", 114, nullptr}, DefaultCase{3, "ldws_offset_bottom", 218, nullptr},
        DefaultCase{3, "voice_detect", 1, nullptr}, DefaultCase{3, "local_id", 0, nullptr},
        DefaultCase{3, "lcd_off_timer", 30000, nullptr}, DefaultCase{4, "product_name", 0, "V820"},
        DefaultCase{5, "checksum", 508, nullptr}, DefaultCase{5, "cfg_struct_version", 0x00010013, nullptr},
        DefaultCase{5, "driving_guide_version", 0x0D030D00, nullptr},
        DefaultCase{5, "daylight_offset", 0, nullptr}, DefaultCase{5, "measurement_unit", 1, nullptr},
        DefaultCase{5, "rear_quality", 1, nullptr}, DefaultCase{5, "local_id", 1, nullptr},
        DefaultCase{5, "low_vol_shutdown", 1, nullptr}, DefaultCase{5, "ldws_onoff", 1, nullptr},
        DefaultCase{5, "set_resolution", 0, nullptr}, DefaultCase{5, "version", 0, nullptr}));

TEST(BuiltInDefaults, LeaveFieldsBeyondTheFamilyRecord)
{
    struct Case { ModelType type; Field firstBeyond; };
    for (const Case &c : {Case{0, Field::battery_auto_set}, Case{3, Field::low_vol_shutdown},
                         Case{5, Field::parking_night_vision}}) {
        R640SettingManager manager;
        manager.setModelType(c.type);
        manager.setIntValue(c.firstBeyond, 77);
        manager.setAvn_onoff(78);
        manager.loadDefaultValue();
        EXPECT_EQ(manager.intValue(c.firstBeyond), 77);
        EXPECT_EQ(manager.avn_onoff(), 78);
    }
}

TEST(BuiltInDefaults, NoneForLaterModels)
{
    for (ModelType type : {-1, 6, 7, 16, 26, 27}) {
        R640SettingManager manager;
        manager.setModelType(type);
        manager.setFront_resolution(42);
        manager.loadDefaultValue();
        EXPECT_EQ(manager.front_resolution(), 42) << type;
        EXPECT_TRUE(manager.product_name().isNull()) << type;
    }
}

TEST(BuiltInDefaults, V820UkVariantByRegionCode)
{
    struct Case { qint64 localID; int local_id; int gmt; int daylight; const char *key; int unit; };
    for (const Case &c : {Case{3, 3, 0, 0, "GMT Standard Time", 1},
                         Case{-1, 0, -480, 1, "Pacific Standard Time", 0},
                         Case{2, 0, -480, 1, "Pacific Standard Time", 0}}) {
        R640SettingManager manager;
        manager.setModelType(4);
        manager.setLocalID(c.localID);
        manager.loadDefaultDataForV820();
        EXPECT_EQ(manager.local_id(), c.local_id);
        EXPECT_EQ(manager.gmt_offset(), c.gmt);
        EXPECT_EQ(manager.daylight_offset(), c.daylight);
        EXPECT_EQ(manager.tz_key(), QString::fromLatin1(c.key));
        EXPECT_EQ(manager.measurement_unit(), c.unit);
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
        R640SettingManager::ChagneR640SettingManager(std::move(manager));
    }
    void TearDown() override { R640SettingManager::ChagneR640SettingManager(nullptr); }

    TempCard card;
};

TEST_F(ResetTest, FromTheCardsDefaultRecordKeepingVersionStamps)
{
    QByteArray file = makeRecord(432, "R640", 432);
    putLe32(file, 52, 2);
    putText(file, 40, "0.0.1");
    ASSERT_TRUE(card.put(QStringLiteral("SETTING/default.cfg"), file));
    const R640SettingManager *before = &R640SettingManager::SharedR640SettingManager();
    EXPECT_EQ(resetSettingsToDefaults(), ResetOutcome::FromDefaultCfg);
    const R640SettingManager &after = R640SettingManager::SharedR640SettingManager();
    EXPECT_NE(&after, before);
    EXPECT_EQ(before->front_resolution(), 9); // still valid for whoever held it
    EXPECT_EQ(after.front_resolution(), 2);
    EXPECT_EQ(after.version(), QStringLiteral("1.00.17"));
    EXPECT_EQ(after.firmwareVersionInt(), 17);
    EXPECT_EQ(after.driving_guide_version(), 0x0D030D00);
    EXPECT_EQ(after.settingDirPath(), card.root());
    EXPECT_EQ(after.modelType(), 1);
    EXPECT_EQ(after.localID(), -1);
    EXPECT_FALSE(card.has(QStringLiteral("SETTING/setup.cfg")));
}

TEST_F(ResetTest, BuiltInDefaultsWithoutADefaultRecord)
{
    EXPECT_EQ(resetSettingsToDefaults(), ResetOutcome::BuiltInDefaults);
    EXPECT_EQ(R640SettingManager::SharedR640SettingManager().front_resolution(), 3);
    EXPECT_FALSE(card.has(QStringLiteral("SETTING/setup.cfg")));
}

TEST_F(ResetTest, LaterModelsWithoutADefaultRecordAreLeftAlone)
{
    R640SettingManager::SharedR640SettingManager().setModelType(7);
    EXPECT_EQ(resetSettingsToDefaults(), ResetOutcome::Unchanged);
    EXPECT_EQ(R640SettingManager::SharedR640SettingManager().front_resolution(), 9);
}

} // namespace
