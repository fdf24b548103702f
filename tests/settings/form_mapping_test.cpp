// The binary-record families' records through the form: what the controls show, the user's changes,
// and the exact bytes OK leaves on the card.
#include "form_fixture.h"

#include "settings/form/time_zone_table.h"
#include "settings/store/card_maintenance.h"

#include <QTimeZone>

#include <algorithm>

#include <gtest/gtest.h>

using namespace drovik;
using namespace drovik::form;
using namespace drovik::test;
using enum form::ControlId;
using enum form::SectionId;

namespace {

struct Shown { const char *control; int value; };
struct Act { const char *control; int value; };

struct RoundTrip {
    const char *name;
    ModelType type;
    RecordFill record;              // the card's record before the editor opens
    std::vector<Shown> shown;       // what the controls show then
    std::vector<Act> actions;       // the user's changes
    RecordFill expectedChanges;     // what OK changes in the record (also beyond its bytes)
    const char *version = "1.00.17"; // the firmware version text the card states
};

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

// Every second-generation field at a value its rule covers, none at the layout's default.
const RecordFill secondGenerationBase = fields({
    {F::front_brightness, 0}, {F::rear_brightness, 2}, {F::measurement_unit, 1}, {F::daylight_offset, 1},
    {F::gmt_offset, 540}, {F::tz_key, "Korea Standard Time"}, {F::cur_language, 4}, {F::voice_ment, 1},
    {F::audio_ment_volume, 2}, {F::lcd_brightness, 1}, {F::lcd_off_timer, 600000}, {F::speed_stamp, 1},
    {F::acceleration_sensor, 4}, {F::enable_driving_guide, 1}, {F::mobile_safety_cam_alert, 1}, {F::wdr, 0},
    {F::adas_car_high, 2}, {F::ldws_onoff, 1}, {F::ldws_depart_Sensitivity, 1},
    {F::ldws_left_depart_Sensitivity, 0}, {F::ldws_right_depart_Sensitivity, 2}, {F::ldws_depart_speed, 3},
    {F::fcws_onoff, 0}, {F::fcws_frontal_sensitivity, 1}, {F::fcmd_onoff, 0}, {F::parking_mode_set, 1},
    {F::parking_night_vision, 1}, {F::parking_acceleration_sensor, 3}, {F::parking_motion_sensitivity, 0},
    {F::parking_time_limit, 12}, {F::battery_12v_R_off, 7}, {F::battery_24v_R_off, 0},
    {F::record_cevent_overwrite, 1}, {F::record_motion_overwrite, 0}, {F::record_prevent_overwrite, 1},
    {F::record_manual_overwrite, 0}, {F::security_led_mode, 3}, {F::partition_type, 2},
});

const std::vector<Shown> kSecondBaseShown = {
    {"commonFrontBrightnessSlider", 2}, {"commonRearBrightnessSlider", 0},
    {"commonSpeedUnitRadioGroup", 1},   {"commonDSTRadioGroup", 0},
    {"commonGMTComboBox", 29},          {"commonLanguagePopupButton", 2},
    {"commonVoiceMentSlider", 2},       {"alwaysShockSensitivitySlider", 4},
    {"alwaysDrivingGuideRadioGroup", 0}, {"alwaysWDRRadioGroup", 1},
    {"parkingModeRadioGroup", 0},       {"parkingShockSensitivitySlider", 3},
    {"parkingMotionSlider", 0},         {"parkingTimeLimitSlider_36x", 2},
    {"parkingBatteryOff12VSlider", 7},  {"parkingBatteryOff24VSlider", 0},
    {"etcOverwriteAlwaysShockCheckBox", 1}, {"etcOverwriteParkingMotionCheckBox", 0},
    {"etcOverwriteParkingShockCheckBox", 1}, {"etcOverwriteManualCheckBox", 0},
    {"etcMemoryPartitionRadioGroup", 1},
};

// The base's view with the case's own values in place of the base's for the same controls.
std::vector<Shown> withSecondBase(std::vector<Shown> own)
{
    for (const Shown &base : kSecondBaseShown) {
        if (std::none_of(own.begin(), own.end(),
                         [&](const Shown &s) { return qstrcmp(s.control, base.control) == 0; }))
            own.push_back(base);
    }
    return own;
}

const std::vector<Shown> kDriverAssistanceShown = {
    {"alwaysVehicleTypeRadioGroup", 2}, {"alwaysLDWSRadioGroup", 0},
    {"alwaysLDWSSpeedRadioGroup", 3},   {"alwaysFCWSRadioGroup", 1},
    {"alwaysFCWSSensitivitySlider", 1},
};

std::vector<Shown> plus(std::vector<Shown> a, const std::vector<Shown> &b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

std::vector<RoundTrip> secondGenerationCases();

std::vector<RoundTrip> roundTripCases()
{
    std::vector<RoundTrip> cases = {
        {"K210", Model::K210,
         fields(firstGenerationRecord, {{F::date_format, 1}, {F::front_resolution, 2},
                                        {F::front_framerate, 7}, // not 2: the 30 fps column
                                        {F::parking_front_resolution, 1}, {F::parking_front_framerate, 2},
                                        {F::parking_time_limit, 48}}),
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
         // The K210 keeps its own language value.
         fields({{F::front_brightness, 2}, {F::measurement_unit, 0}, {F::gmt_offset, -570}, {F::tz_key, QString()},
                 {F::daylight_offset, 0}, {F::voice_ment, 1}, {F::audio_ment_volume, 6}, {F::date_format, 0},
                 {F::front_resolution, 1}, {F::front_framerate, 3}, {F::front_quality, 1},
                 {F::parking_time_limit, 1}, {F::record_manual_overwrite, 1}, {F::security_led_mode, 1},
                 {F::partition_type, 3}})},
        {"R640", Model::R640,
         fields(firstGenerationRecord, {{F::front_resolution, 3}, {F::rear_resolution, 2}, {F::front_framerate, 1},
                                        {F::rear_quality, 2}, {F::parking_front_framerate, 3},
                                        {F::parking_time_limit, 36}, {F::enable_driving_guide, 1},
                                        {F::lcd_off_timer, 90000}}), // not the R640's: left alone
         withBase({{"alwaysRadioGroupFrontResolution", 2}, {"alwaysRadioGroupRearResolution", 1},
                   {"alwaysRadioGroupFrameRate", 0}, {"alwaysRadioGroupRearQuality", 1},
                   {"parkingFrameRateRadioGroup", 2}, {"parkingTimeLimitSlider_36o", 7},
                   {"commonDrivingGuideRadioGroup", 0}}),
         {{"commonLanguagePopupButton", 1}, {"alwaysRadioGroupRearResolution", 0},
          {"alwaysRadioGroupFrameRate", 2}, {"parkingMotionRadioGroup", 1},
          {"parkingTimeLimitSlider_36o", 8}, {"commonDrivingGuideRadioGroup", 1},
          {"commonGMTComboBox", 33}},
         fields({{F::cur_language, 1}, {F::rear_resolution, 1}, {F::front_framerate, 3}, {F::parking_motion_set, 0},
                 {F::parking_time_limit, 48}, {F::enable_driving_guide, 0}, {F::gmt_offset, 660},
                 {F::tz_key, "Central Pacific Standard Time"}})},
        {"V470", Model::V470,
         fields(firstGenerationRecord, {{F::gmt_offset, 0}, // the zone name wins over the offset
                                        {F::lcd_off_timer, 90000}, {F::lcd_brightness, 7}, {F::front_resolution, 3},
                                        {F::front_framerate, 5}, {F::parking_front_framerate, 2},
                                        {F::rear_resolution, 1}, {F::parking_time_limit, 6}}),
         withBase({{"commonLCDOffTimerRadioGroup", 3}, {"commonLCDBrighnessSlider", 7},
                   {"alwaysRadioGroupFrontResolution", 1}, {"alwaysRadioGroupFrameRate", 1},
                   {"parkingFrameRateRadioGroup", 0}, {"alwaysRadioGroupRearResolution", 0},
                   {"parkingTimeLimitSlider_36x", 4}}),
         {{"commonLCDOffTimerRadioGroup", 1}, {"commonLCDBrighnessSlider", 0},
          {"alwaysRadioGroupFrontResolution", 0}, {"parkingFrameRateRadioGroup", 1},
          {"commonGMTComboBox", 32}},
         fields({{F::gmt_offset, 630}, {F::tz_key, QString()}, // +10:30 has no zone name
                 {F::lcd_off_timer, 300000}, {F::lcd_brightness, 0}, {F::front_resolution, 2},
                 {F::parking_front_framerate, 5}})},
    };
    for (RoundTrip &c : secondGenerationCases())
        cases.push_back(std::move(c));
    return cases;
}

// "answer" stands for the host's answer to the parking-mode question (the button's index).
std::vector<RoundTrip> secondGenerationCases()
{
    return {
        {"V820 (V820, firmware 17)", Model::V820, secondGenerationBase,
         withSecondBase(plus(kDriverAssistanceShown,
                             {{"alwaysLDWSSensitivitySlider", 0}, {"alwaysLDWSRightSensitivitySlider", 2},
                              {"alwaysFVDWRadioGroup", 1}, {"commonLCDBrighnessSlider", 1},
                              {"commonLCDOffTimerRadioGroup", 1}, {"etcSecurityLEDRadioGroup", 2}})),
         {{"commonRearBrightnessSlider", 2}, {"commonVoiceMentSlider", 0}, {"commonLCDBrighnessSlider", 2},
          {"commonLCDOffTimerRadioGroup", 2}, {"alwaysShockSensitivitySlider", 5}, {"alwaysWDRRadioGroup", 0},
          {"alwaysVehicleTypeRadioGroup", 1}, {"alwaysLDWSSensitivitySlider", 2},
          {"alwaysLDWSRightSensitivitySlider", 1}, {"alwaysLDWSSpeedRadioGroup", 0},
          {"alwaysFCWSRadioGroup", 0}, {"alwaysFCWSSensitivitySlider", 2}, {"alwaysFVDWRadioGroup", 0},
          {"parkingShockSensitivitySlider", 5}, {"parkingMotionSlider", 3},
          {"parkingTimeLimitSlider_36x", 4}, {"parkingBatteryOff12VSlider", 3},
          {"etcSecurityLEDRadioGroup", 3}, {"commonGMTComboBox", 3}},
         fields({{F::rear_brightness, 0}, {F::voice_ment, 0}, // volume 0 is the announcements off
                 {F::audio_ment_volume, 0}, {F::lcd_brightness, 2}, {F::lcd_off_timer, 0},
                 {F::acceleration_sensor, 5}, {F::wdr, 1}, {F::adas_car_high, 1},
                 {F::ldws_left_depart_Sensitivity, 2}, {F::ldws_right_depart_Sensitivity, 1},
                 {F::ldws_depart_speed, 0}, {F::fcws_onoff, 1}, {F::fcws_frontal_sensitivity, 2},
                 {F::fcmd_onoff, 1}, {F::parking_acceleration_sensor, 5}, {F::parking_motion_sensitivity, 5},
                 {F::parking_time_limit, 48}, {F::battery_12v_R_off, 3}, {F::security_led_mode, 0},
                 {F::gmt_offset, -570}})}, // the zone name stays: this family does not store it
        // Firmware 16: a 464-byte record; the driver-assistance fields are neither shown nor
        // changed, the forward-vehicle switch is still stored (in memory, beyond the bytes).
        {"V820 (V820 UK, firmware 16)", Model::V820UK, secondGenerationBase,
         withSecondBase({{"alwaysFVDWRadioGroup", 0}}),
         {{"commonVoiceMentSlider", 3}, {"parkingModeRadioGroup", 1}, {"answer", 1}},
         fields({{F::product_name, "V820"}, {F::audio_ment_volume, 3}, {F::parking_mode_set, 0},
                 {F::fcmd_onoff, 1}}),
         "1.00.16"},
        // The V880 has condition A whatever its firmware; "아니오" to the time-lapse question
        // puts the radio back on the stored motion mode.
        {"V820 (V880)", Model::V880,
         // A ten-level value: the five-position end.
         fields(secondGenerationBase, {{F::parking_acceleration_sensor, 8}}),
         withSecondBase(plus(kDriverAssistanceShown,
                             {{"alwaysFVDWRadioGroup", 1}, {"parkingSuperNightVisionRadioGroup", 0},
                              {"commonSpeedStampRadioGroup", 0}, {"parkingShockSensitivitySlider", 5}})),
         {{"parkingModeRadioGroup", 1}, {"answer", 0}, {"parkingSuperNightVisionRadioGroup", 1},
          {"commonSpeedStampRadioGroup", 1}, {"alwaysLDWSRadioGroup", 1}},
         fields({{F::parking_night_vision, 0}, {F::speed_stamp, 0}, {F::ldws_onoff, 0},
                 {F::parking_acceleration_sensor, 5}}),
         "1.00.05"},
        // A hidden resolution section is still the R930's: HD at the front forces the rear.
        {"R930 (R930)", Model::R930,
         fields(secondGenerationBase, {{F::gmt_offset, 15}, // no item: "UTC"
                                       {F::voice_ment, 0}, {F::front_resolution, 2}, {F::rear_resolution, 3}}),
         withSecondBase(plus(kDriverAssistanceShown,
                             {{"commonGMTComboBox", 15}, {"commonVoiceMentSlider", 0},
                              {"alwaysRadioGroupFrontResolution", 0}, {"alwaysRadioGroupRearResolution", 0},
                              {"alwaysLDWSSensitivitySlider", 1}, {"etcSecurityLEDRadioGroup", 2}})),
         {{"alwaysLDWSSensitivitySlider", 0}},
         fields({{F::gmt_offset, 0}, {F::audio_ment_volume, 0}, {F::rear_resolution, 2},
                 {F::ldws_depart_Sensitivity, 0}, // one slider, three fields
                 {F::ldws_left_depart_Sensitivity, 0}, {F::ldws_right_depart_Sensitivity, 0}})},
        {"R930 (R970)", Model::R970,
         fields(secondGenerationBase, {{F::set_resolution, 1}, {F::front_resolution, 3}, {F::rear_resolution, 3},
                                       {F::parking_mode_set, 2},
                                       {F::lcd_brightness, 9}}), // not the R930 family's: kept
         withSecondBase(plus(kDriverAssistanceShown,
                             {{"alwaysRadioGroupFrontResolution", 1}, {"alwaysRadioGroupRearResolution", 1},
                              {"alwaysLDWSSensitivitySlider", 0}, {"alwaysLDWSRightSensitivitySlider", 2},
                              {"parkingModeRadioGroup", 1}, {"commonSpeedStampRadioGroup", 0}})),
         {{"alwaysRadioGroupFrontResolution", 0}, {"alwaysLDWSRightSensitivitySlider", 1},
          {"commonSpeedStampRadioGroup", 1}},
         fields({{F::front_resolution, 2}, {F::rear_resolution, 2}, {F::ldws_right_depart_Sensitivity, 1},
                 {F::speed_stamp, 0}})},
        // The V560 maps the resolution it shows; its LED keeps one mode.
        {"V560 (V560)", Model::V560,
         fields(secondGenerationBase, {{F::set_resolution, 1}, {F::front_resolution, 2}, {F::rear_resolution, 3},
                                       {F::security_led_mode, 2}, {F::partition_type, 3}}),
         withSecondBase({{"alwaysRadioGroupFrontResolution", 0}, {"alwaysRadioGroupRearResolution", 0},
                         {"etcSecurityLEDRadioGroup", 1}, {"etcMemoryPartitionRadioGroup", 2},
                         {"commonLCDOffTimerRadioGroup", 1}, {"commonSpeedStampRadioGroup", 0}}),
         {{"alwaysRadioGroupFrontResolution", 1}, {"commonLCDOffTimerRadioGroup", 0}},
         fields({{F::front_resolution, 3}, // the rear gets its own FHD back
                 {F::security_led_mode, 1}, {F::lcd_off_timer, 30000}})},
        // Resolution hidden: not stored. The hidden LCD and LED sections still map.
        {"R60 (R60)", Model::R60,
         fields(secondGenerationBase, {{F::front_resolution, 7}, {F::rear_resolution, 1}}),
         withSecondBase({{"commonLCDBrighnessSlider", 1}, {"etcSecurityLEDRadioGroup", 1},
                         {"alwaysDrivingGuideSubRadioGroup", 1}}), // its field is beyond the record
         {{"alwaysDrivingGuideRadioGroup", 1}},
         fields({{F::enable_driving_guide, 0}, {F::security_led_mode, 1}})},
        {"R60 (R120)", Model::R120,
         fields(secondGenerationBase, {{F::mobile_safety_cam_alert, 0}}),
         withSecondBase({{"alwaysDrivingGuideSubRadioGroup", 1}}),
         {{"alwaysDrivingGuideSubRadioGroup", 0}, {"alwaysDrivingGuideRadioGroup", 1}},
         fields({{F::mobile_safety_cam_alert, 1}, {F::enable_driving_guide, 0}, {F::security_led_mode, 1}})},
    };
}

TEST(SettingsForm, RecordsRoundTripThroughTheControls)
{
    for (const RoundTrip &c : roundTripCases()) {
        SCOPED_TRACE(c.name);
        TempFolder card;
        writeCardRecord(card.root(), c.type, c.record, QString::fromLatin1(c.version));
        ASSERT_TRUE(card.put(kTimeFile, "not a date"));
        const OpenedForm opened = openForm(card.root(), c.type);
        RecordSettingForm &f = *opened.form;
        ASSERT_EQ(f.family(), QString::fromLatin1(c.name).section(QLatin1Char(' '), 0, 0));
        for (const Shown &shown : c.shown)
            EXPECT_EQ(shownValue(f, knownControl(shown.control)), shown.value) << shown.control;
        for (const Act &a : c.actions) {
            if (qstrcmp(a.control, "answer") == 0) {
                ASSERT_TRUE(f.pendingQuestion());
                f.answer(a.value);
                continue;
            }
            EXPECT_EQ(act(f, knownControl(a.control), a.value), ActionResult::Done) << a.control;
        }

        // Expected: the record as loaded (rewritten at the model's length), plus the changes.
        const std::unique_ptr<R640SettingManager> expected = readCardRecord(card.root(), c.type);
        c.expectedChanges(*expected);
        EXPECT_EQ(f.okButtonTouched(), CardWriteStatus::Written);
        EXPECT_EQ(card.get(kSetupFile), expected->recordBytes());
        EXPECT_EQ(card.get(kSetupFile).size(), expected->getSaveDataSize());
        EXPECT_EQ(allFields(opened.manager()), allFields(*expected)); // none beyond changed either
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
        const FormOnCard card(c.type, fields({{F::gmt_offset, c.gmtOffset}, {F::tz_key, c.tzKey}}));
        EXPECT_EQ(shownValue(card.form(), CommonGMTComboBox), c.item);
        card.form().okButtonTouched();
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
            EXPECT_EQ(f.setDateTime(CommonDatePicker, chosen), ActionResult::Disabled);
            ASSERT_EQ(f.setChecked(CommonTimeCheckBox, true), ActionResult::Done);
            ASSERT_EQ(f.setDateTime(CommonDatePicker, chosen), ActionResult::Done);
            f.okButtonTouched();
            EXPECT_EQ(QString::fromUtf8(card.get(kTimeFile)), formatSettingTime(chosen));
        }
        if (type == Model::DVR_L410) { // no mapping: no record field written
            EXPECT_EQ(card.get(kSetupFile), before);
        }
        const OpenedForm reopened = openForm(card.root(), type);
        EXPECT_TRUE(reopened.form->control(CommonTimeCheckBox)->checked);
        EXPECT_EQ(reopened.form->control(CommonDatePicker)->dateTime, chosen);
        ASSERT_EQ(reopened.form->setChecked(CommonTimeCheckBox, false), ActionResult::Done);
        reopened.form->okButtonTouched();
        EXPECT_FALSE(card.has(kTimeFile));
    }
}

} // namespace
