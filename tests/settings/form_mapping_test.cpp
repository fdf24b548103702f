// The first generation's records through the form: what the controls show, the user's changes,
// and the exact bytes OK leaves on the card.
#include "form_fixture.h"

#include "settings/form/time_zone_table.h"
#include "settings/store/card_maintenance.h"

#include <QTimeZone>

#include <gtest/gtest.h>

using namespace drovik;
using namespace drovik::form;
using namespace drovik::test;

namespace {

struct Shown { const char *control; int value; };
struct Act { const char *control; int value; };

struct RoundTrip {
    const char *name;
    ModelType type;
    RecordFill record;              // the card's record before the editor opens
    std::vector<Shown> shown;       // what the controls show then
    std::vector<Act> actions;       // the user's changes
    RecordFill expectedChanges;     // what OK changes in the record
};

void firstGenerationBase(R640SettingManager &m)
{
    m.setFront_brightness(0);
    m.setMeasurement_unit(1);
    m.setDaylight_offset(1);
    m.setGmt_offset(540);
    m.setTz_key(QStringLiteral("Korea Standard Time"));
    m.setCur_language(4);
    m.setAudio_record(1);
    m.setVoice_ment(0);
    m.setAudio_ment_volume(3);
    m.setAcceleration_sensor(10);
    m.setFront_quality(3);
    m.setParking_front_quality(1);
    m.setParking_mode_set(1);
    m.setParking_acceleration_sensor(1);
    m.setParking_motion_set(1);
    m.setParking_motion_sensitivity(5);
    m.setBattery_12v_R_off(7);
    m.setBattery_24v_R_off(0);
    m.setRecord_cevent_overwrite(1);
    m.setRecord_prevent_overwrite(1);
    m.setSecurity_led_mode(0);
    m.setPartition_type(2);
    // Valid for every first-generation family, so that only what a case changes moves.
    m.setFront_resolution(2);
    m.setRear_resolution(1);
    m.setFront_framerate(3);
    m.setRear_quality(1);
    m.setParking_front_resolution(2);
    m.setParking_rear_resolution(1);
    m.setParking_front_framerate(2);
    m.setParking_rear_quality(1);
    m.setParking_time_limit(6);
    m.setEnable_driving_guide(1);
    m.setLcd_brightness(5);
    m.setLcd_off_timer(120000);
}

const std::vector<Shown> kBaseShown = {
    {"commonFrontBrightnessSlider", 2}, {"commonSpeedUnitRadioGroup", 1},
    {"commonDSTRadioGroup", 0},         {"commonGMTComboBox", 29},
    {"commonLanguagePopupButton", 2},   {"commonAudioRecordRadioGroup", 0},
    {"commonVoiceMentRadioGroup", 1},   {"commonVoiceMentSlider", 3},
    {"alwaysShockSensitivitySlider", 10}, {"alwaysRadioGroupFrontQuality", 2},
    {"parkingFrontQualityRadioGroup", 0}, {"parkingModeRadioGroup", 0},
    {"parkingShockSensitivitySlider", 1}, {"parkingMotionRadioGroup", 0},
    {"parkingMotionSlider", 3},         {"parkingBatteryOff12VSlider", 7},
    {"parkingBatteryOff24VSlider", 0},  {"etcOverwriteAlwaysCheckBox", 1},
    {"etcOverwriteAlwaysShockCheckBox", 1}, {"etcOverwriteParkingMotionCheckBox", 0},
    {"etcOverwriteParkingShockCheckBox", 1}, {"etcOverwriteManualCheckBox", 0},
    {"etcSecurityLEDRadioGroup", 3},    {"etcMemoryPartitionRadioGroup", 1},
};

std::vector<Shown> withBase(std::vector<Shown> own)
{
    own.insert(own.begin(), kBaseShown.begin(), kBaseShown.end());
    return own;
}

std::vector<RoundTrip> roundTripCases()
{
    return {
        {"K210", Model::K210,
         [](R640SettingManager &m) {
             firstGenerationBase(m);
             m.setDate_format(1);
             m.setFront_resolution(2);
             m.setFront_framerate(7); // not 2: the 30 fps column
             m.setParking_front_resolution(1);
             m.setParking_front_framerate(2);
             m.setParking_time_limit(48);
         },
         withBase({{"commonVideoDateFormatRadioGroup", 1}, {"alwaysRadioGroupFrontResolution", 1},
                   {"alwaysRadioGroupFrameRate", 1}, {"parkingFrontResolutionRadioGroup", 0},
                   {"parkingFrameRateRadioGroup", 0}, {"parkingTimeLimitSlider_36x", 7}}),
         {{"commonLanguagePopupButton", 1}, {"commonFrontBrightnessSlider", 0},
          {"commonSpeedUnitRadioGroup", 0}, {"commonGMTComboBox", 3}, {"commonDSTRadioGroup", 1},
          {"commonVoiceMentRadioGroup", 0}, {"commonVoiceMentSlider", 6},
          {"commonVideoDateFormatRadioGroup", 0}, {"alwaysRadioGroupFrontResolution", 0},
          {"alwaysRadioGroupFrontQuality", 0}, {"parkingTimeLimitSlider_36x", 1},
          {"etcOverwriteManualCheckBox", 1}, {"etcSecurityLEDRadioGroup", 0},
          {"etcMemoryPartitionRadioGroup", 2}},
         [](R640SettingManager &m) {
             // The K210 keeps its own language value.
             m.setFront_brightness(2);
             m.setMeasurement_unit(0);
             m.setGmt_offset(-570);
             m.setTz_key(QString());
             m.setDaylight_offset(0);
             m.setVoice_ment(1);
             m.setAudio_ment_volume(6);
             m.setDate_format(0);
             m.setFront_resolution(1);
             m.setFront_framerate(3);
             m.setFront_quality(1);
             m.setParking_time_limit(1);
             m.setRecord_manual_overwrite(1);
             m.setSecurity_led_mode(1);
             m.setPartition_type(3);
         }},
        {"R640", Model::R640,
         [](R640SettingManager &m) {
             firstGenerationBase(m);
             m.setFront_resolution(3);
             m.setRear_resolution(2);
             m.setFront_framerate(1);
             m.setRear_quality(2);
             m.setParking_front_framerate(3);
             m.setParking_time_limit(36);
             m.setEnable_driving_guide(1);
             m.setLcd_off_timer(90000); // not the R640's: left alone
         },
         withBase({{"alwaysRadioGroupFrontResolution", 2}, {"alwaysRadioGroupRearResolution", 1},
                   {"alwaysRadioGroupFrameRate", 0}, {"alwaysRadioGroupRearQuality", 1},
                   {"parkingFrameRateRadioGroup", 2}, {"parkingTimeLimitSlider_36o", 7},
                   {"commonDrivingGuideRadioGroup", 0}}),
         {{"commonLanguagePopupButton", 1}, {"alwaysRadioGroupRearResolution", 0},
          {"alwaysRadioGroupFrameRate", 2}, {"parkingMotionRadioGroup", 1},
          {"parkingTimeLimitSlider_36o", 8}, {"commonDrivingGuideRadioGroup", 1},
          {"commonGMTComboBox", 33}},
         [](R640SettingManager &m) {
             m.setCur_language(1);
             m.setRear_resolution(1);
             m.setFront_framerate(3);
             m.setParking_motion_set(0);
             m.setParking_time_limit(48);
             m.setEnable_driving_guide(0);
             m.setGmt_offset(660);
             m.setTz_key(QStringLiteral("Central Pacific Standard Time"));
         }},
        {"V470", Model::V470,
         [](R640SettingManager &m) {
             firstGenerationBase(m);
             m.setGmt_offset(0); // the zone name wins over the offset
             m.setLcd_off_timer(90000);
             m.setLcd_brightness(7);
             m.setFront_resolution(3);
             m.setFront_framerate(5);
             m.setParking_front_framerate(2);
             m.setRear_resolution(1);
             m.setParking_time_limit(6);
         },
         withBase({{"commonLCDOffTimerRadioGroup", 3}, {"commonLCDBrighnessSlider", 7},
                   {"alwaysRadioGroupFrontResolution", 1}, {"alwaysRadioGroupFrameRate", 1},
                   {"parkingFrameRateRadioGroup", 0}, {"alwaysRadioGroupRearResolution", 0},
                   {"parkingTimeLimitSlider_36x", 4}}),
         {{"commonLCDOffTimerRadioGroup", 1}, {"commonLCDBrighnessSlider", 0},
          {"alwaysRadioGroupFrontResolution", 0}, {"parkingFrameRateRadioGroup", 1},
          {"commonGMTComboBox", 32}},
         [](R640SettingManager &m) {
             m.setGmt_offset(630);
             m.setTz_key(QString()); // +10:30 has no zone name
             m.setLcd_off_timer(300000);
             m.setLcd_brightness(0);
             m.setFront_resolution(2);
             m.setParking_front_framerate(5);
         }},
    };
}

TEST(SettingsForm, FirstGenerationRecordsRoundTripThroughTheControls)
{
    for (const RoundTrip &c : roundTripCases()) {
        SCOPED_TRACE(c.name);
        TempFolder card;
        writeCardRecord(card.root(), c.type, c.record);
        ASSERT_TRUE(card.put(kTimeFile, "not a date"));
        const OpenedForm opened = openForm(card.root());
        RecordSettingForm &f = *opened.form;
        ASSERT_EQ(f.family(), QString::fromLatin1(c.name));
        for (const Shown &shown : c.shown)
            EXPECT_EQ(shownValue(f, QString::fromLatin1(shown.control)), shown.value) << shown.control;
        for (const Act &a : c.actions)
            EXPECT_EQ(act(f, QString::fromLatin1(a.control), a.value), ActionResult::Done) << a.control;

        // Expected: the record as loaded (rewritten at the model's length), plus the changes.
        const std::unique_ptr<R640SettingManager> expected = readCardRecord(card.root());
        c.expectedChanges(*expected);
        EXPECT_EQ(f.okButtonTouched(), CardWriteStatus::Written);
        EXPECT_EQ(card.get(kSetupFile), expected->recordBytes());
        // The R640 has no clock section: its clock file stays as it was.
        if (c.type == Model::R640) {
            EXPECT_EQ(card.get(kTimeFile), QByteArray("not a date"));
        }
    }
}

TEST(SettingsForm, TimeZoneItemsOffsetsAndNames)
{
    ASSERT_EQ(gmtDescList().size(), 39);
    ASSERT_EQ(gmtHourList().size(), 39);
    ASSERT_EQ(timezoneNameList().size(), 32);
    const std::pair<int, int> minutes[] = {{0, -720}, {3, -570}, {11, -210}, {15, 0}, {24, 345},
                                           {36, 765}, {38, 840}};
    for (const auto &[item, value] : minutes)
        EXPECT_EQ(gmtHourList().at(item), value) << item;
    int named = 0;
    for (int item = 0; item < 39; ++item) {
        const QString name = timezoneNameForItem(item);
        if (name.isEmpty())
            continue;
        ++named;
        EXPECT_EQ(itemForTimezoneName(name), item);
    }
    EXPECT_EQ(named, 32);
    EXPECT_EQ(itemForTimezoneName(QStringLiteral("Korea Standard Time")), 29);
    EXPECT_EQ(itemForTimezoneName(QStringLiteral("Nowhere Time")), -1);
    EXPECT_EQ(itemForTimezoneName(QString()), -1);
}

// Fill and save of the time zone by family, with the offsets the list lacks.
TEST(SettingsForm, TimeZoneFillAndSaveByFamily)
{
    struct Case {
        ModelType type; int gmtOffset; const char *tzKey;
        int item; int savedOffset; const char *savedKey;
    };
    const Case cases[] = {
        {Model::R640, 315, "", -1, 315, ""},     // no item: the record keeps both
        {Model::R640, 315, "Bogus", -1, 315, "Bogus"},
        {Model::V470, -570, "", 3, -570, ""},
        {Model::K210, 0, "Korea Standard Time", 29, 540, "Korea Standard Time"},
        {Model::R640, 540, "Bogus", 29, 540, "Korea Standard Time"},
        {Model::R930, 15, "Samoa Standard Time", 15, 0, "Samoa Standard Time"}, // UTC fallback
        {Model::V560, 15, "", -1, 15, ""},
        {Model::V820, 540, "Samoa Standard Time", 29, 540, "Samoa Standard Time"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.type << " " << c.gmtOffset << " " << c.tzKey);
        TempFolder card;
        writeCardRecord(card.root(), c.type, [&](R640SettingManager &m) {
            m.setGmt_offset(c.gmtOffset);
            m.setTz_key(QString::fromLatin1(c.tzKey));
        });
        const OpenedForm opened = openForm(card.root());
        EXPECT_EQ(shownValue(*opened.form, QStringLiteral("commonGMTComboBox")), c.item);
        opened.form->okButtonTouched();
        const std::unique_ptr<R640SettingManager> saved = readCardRecord(card.root());
        EXPECT_EQ(saved->gmt_offset(), c.savedOffset);
        EXPECT_EQ(saved->tz_key(), QString::fromLatin1(c.savedKey));
    }
}

// The clock file: written from the picker with the box checked, deleted with it clear, never
// touched where the clock section is hidden; a type without mapping still handles it.
TEST(SettingsForm, ClockFileFollowsTheClockSection)
{
    const QDateTime chosen(QDate(2024, 5, 6), QTime(13, 45, 7));
    for (ModelType type : {Model::V470, Model::DVR_L410}) {
        SCOPED_TRACE(type);
        TempFolder card;
        writeCardRecord(card.root(), type, {});
        const QByteArray before = card.get(kSetupFile);
        {
            const OpenedForm opened = openForm(card.root(), type);
            RecordSettingForm &f = *opened.form;
            EXPECT_EQ(f.setDateTime(QStringLiteral("commonDatePicker"), chosen), ActionResult::Disabled);
            ASSERT_EQ(f.setChecked(QStringLiteral("commonTimeCheckBox"), true), ActionResult::Done);
            ASSERT_EQ(f.setDateTime(QStringLiteral("commonDatePicker"), chosen), ActionResult::Done);
            f.okButtonTouched();
            EXPECT_EQ(QString::fromUtf8(card.get(kTimeFile)), formatSettingTime(chosen));
        }
        if (type == Model::DVR_L410) { // no mapping: no record field written
            EXPECT_EQ(card.get(kSetupFile), before);
        }
        const OpenedForm reopened = openForm(card.root(), type);
        EXPECT_TRUE(reopened.form->control(QStringLiteral("commonTimeCheckBox"))->checked);
        EXPECT_EQ(reopened.form->control(QStringLiteral("commonDatePicker"))->dateTime, chosen);
        ASSERT_EQ(reopened.form->setChecked(QStringLiteral("commonTimeCheckBox"), false), ActionResult::Done);
        reopened.form->okButtonTouched();
        EXPECT_FALSE(card.has(kTimeFile));
    }
}

} // namespace
