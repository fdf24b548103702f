// The form's rules beyond the record mapping: what each family shows, the user-action checks,
// slider guides, the parking-mode question, Reset, and the card maintenance flows.
#include "form_fixture.h"

#include "platform/volume_monitor.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace drovik;
using namespace drovik::form;
using namespace drovik::test;
using enum form::ControlId;
using enum form::SectionId;

namespace {

QString n(const char *name) { return QString::fromLatin1(name); }

struct Visibility {
    ModelType type;
    int firmware;
    int setResolution;
    std::vector<const char *> shown;
    std::vector<const char *> hidden;
};

TEST(SettingsForm, EachFamilyShowsItsOwnControls)
{
    const Visibility cases[] = {
        {Model::K210, 0, 0,
         {"commonTimeCheckBox", "commonVideoDateFormatRadioGroup", "alwaysRadioGroupFrontQuality",
          "parkingTimeLimitSlider_36x", "etcSecurityLEDRadioGroup"},
         {"alwaysRadioGroupRearResolution", "alwaysRadioGroupRearQuality", "commonRearBrightnessSlider",
          "commonDrivingGuideRadioGroup", "commonLCDBrighnessSlider", "parkingSuperNightVisionRadioGroup",
          "alwaysDrivingGuideSubRadioGroup", "etcMemoryCardFormatButton", "etcInitializeTouchButton"}},
        {Model::R640, 0, 0,
         {"commonDrivingGuideRadioGroup", "parkingTimeLimitSlider_36o", "alwaysRadioGroupRearQuality"},
         {"commonTimeCheckBox", "parkingTimeLimitSlider_36x", "commonVideoDateFormatRadioGroup"}},
        {Model::V470, 0, 0,
         {"commonTimeCheckBox", "commonLCDBrighnessSlider", "commonLCDOffTimerRadioGroup",
          "etcInitializeTouchButton"},
         {"alwaysRadioGroupFrontQuality", "parkingRearQualityRadioGroup", "commonDrivingGuideRadioGroup"}},
        {Model::V820, 16, 0, {"alwaysFVDWRadioGroup"}, {}}, // replaced below: firmware 16 hides
        {Model::V820, 17, 0,
         {"alwaysVehicleTypeRadioGroup", "alwaysLDWSRadioGroup", "alwaysFCWSRadioGroup",
          "alwaysFVDWRadioGroup", "commonRearBrightnessSlider", "alwaysWDRRadioGroup"},
         {"commonAudioRecordRadioGroup", "commonVoiceMentRadioGroup", "alwaysRadioGroupFrontResolution",
          "parkingSuperNightVisionRadioGroup", "etcSecurityLEDMode1Label", "commonSpeedStampRadioGroup"}},
        {Model::R930, 0, 0, {"alwaysLDWSSensitivitySlider"},
         {"alwaysRadioGroupFrontResolution", "alwaysLDWSRightSensitivitySlider", "commonTimeCheckBox"}},
        {Model::R970, 0, 1,
         {"alwaysRadioGroupFrontResolution", "alwaysLDWSRightSensitivitySlider",
          "parkingSuperNightVisionRadioGroup", "commonSpeedStampRadioGroup"},
         {"parkingModeUseDescriptionLabel"}},
        {Model::V560, 0, 0, {"commonTimeCheckBox", "etcSecurityLEDRadioGroup", "commonLCDOffTimerRadioGroup"},
         {"alwaysWDRRadioGroup", "alwaysLDWSRadioGroup"}},
        {Model::R60, 0, 0, {"alwaysDrivingGuideRadioGroup", "commonSpeedStampRadioGroup"},
         {"etcSecurityLEDRadioGroup", "alwaysDrivingGuideSubRadioGroup"}},
        {Model::R120, 0, 0, {"alwaysDrivingGuideSubRadioGroup"}, {}},
    };
    for (Visibility c : cases) {
        SCOPED_TRACE(testing::Message() << "type " << c.type << " firmware " << c.firmware);
        if (c.type == Model::V820 && c.firmware == 16) {
            c.hidden = {"alwaysVehicleTypeRadioGroup", "alwaysLDWSRadioGroup", "alwaysFCWSRadioGroup",
                        "alwaysFVDWRadioGroup"};
            c.shown = {"commonRearBrightnessSlider"};
        }
        const FormOnCard card(c.type, fields({{F::set_resolution, c.setResolution}}),
                              Model::None, QStringLiteral("1.00.%1").arg(c.firmware));
        for (const char *name : c.shown)
            EXPECT_TRUE(card.form().isShown(knownControl(name))) << name;
        for (const char *name : c.hidden)
            EXPECT_FALSE(card.form().isShown(knownControl(name))) << name;
    }
}

TEST(SettingsForm, OptionsRangesAndPartitionBarByFamily)
{
    struct Case { ModelType type; int partition; std::array<float, 5> percentages; };
    const Case cases[] = {
        {Model::V560, 3, {55, 15, 15, 5, 10}},
        {Model::V820, 1, {60.6f, 20, 5, 3, 10}},
        {Model::R640, 2, {36, 15, 3, 5, 40}},
        {Model::R60, 7, {62, 20, 5, 3, 10}}, // no column: the layout's first
    };
    for (const Case &c : cases) {
        const FormOnCard card(c.type, fields({{F::partition_type, c.partition}}));
        EXPECT_EQ(card.form().control(EtcMemoryPartitionGraph)->percentages, c.percentages) << c.type;
    }
    const FormOnCard v560(Model::V560, {});
    RecordSettingForm &f = v560.form();
    const FormControl *led = f.control(EtcSecurityLEDRadioGroup);
    EXPECT_FALSE(led->items[0].enabled);
    EXPECT_TRUE(led->items[1].enabled);
    EXPECT_FALSE(led->items[2].enabled);
    EXPECT_EQ(f.pickCell(EtcSecurityLEDRadioGroup, 0), ActionResult::Disabled);
    EXPECT_EQ(f.control(CommonVoiceMentSlider)->maximum, 3);
    EXPECT_EQ(f.control(ParkingMotionSlider)->guideLabels,
              QStringList({n("OFF"), n("1"), n("3"), n("5")}));
    EXPECT_EQ(f.control(CommonLCDOffTimerRadioGroup)->items.size(), 3);
    EXPECT_EQ(f.control(ParkingTimeLimitSlider36x)->maximum, 4);
    EXPECT_EQ(f.pickCell(EtcMemoryPartitionRadioGroup, 1), ActionResult::Done);
    EXPECT_EQ(f.control(EtcMemoryPartitionGraph)->percentages,
              (std::array<float, 5>{37, 15, 5, 3, 40}));
}

TEST(SettingsForm, LanguagePopUpFollowsTheCameraList)
{
    const FormOnCard card(Model::R640, fields({{F::cur_language, 1}}));
    const FormControl *popUp = card.form().control(CommonLanguagePopupButton);
    ASSERT_EQ(popUp->items.size(), 3);
    EXPECT_EQ(popUp->items[1].tag, 1);
    EXPECT_EQ(popUp->selected, 1);
    card.manager().setLanguages({});
    card.form().applyMainLanguageSetting();
    EXPECT_TRUE(popUp->items.isEmpty());
    EXPECT_EQ(popUp->selected, -1);
}

// Every text a family shows has a translation, and the alerts have theirs.
TEST(SettingsForm, ShownTextsAreTranslated)
{
    for (ModelType type : {Model::K210, Model::R640, Model::V470, Model::V880, Model::R970,
                           Model::V560, Model::R120}) {
        const FormOnCard card(type, fields({{F::set_resolution, 1}}));
        const RecordSettingForm &f = card.form();
        const FrameTexts &frame = f.frameTexts();
        for (const QString &text : QStringList{frame.title, frame.reset, frame.ok, frame.cancel} + frame.tabs)
            EXPECT_FALSE(text.isEmpty());
        EXPECT_EQ(frame.tabs.size(), 4);
        for (const FormSection &s : f.sections()) {
            if (s.visible) {
                EXPECT_FALSE(s.title.isEmpty()) << type << " " << sectionName(s.id);
            }
        }
        for (const FormControl *c : f.controls()) {
            if (!f.isShown(c->id))
                continue;
            if (c->kind == ControlKind::Label || c->kind == ControlKind::Button) {
                EXPECT_FALSE(c->title.isEmpty()) << type << " " << controlName(c->id);
            }
            if (c->kind == ControlKind::RadioGroup) {
                for (const FormItem &item : c->items)
                    EXPECT_FALSE(item.title.isEmpty()) << type << " " << controlName(c->id);
            }
        }
    }
}

TEST(SettingsForm, RefusedActionsChangeNothing)
{
    const FormOnCard card(Model::V470, fields({{F::voice_ment, 0}}));
    RecordSettingForm &f = card.form();
    struct Case { const char *control; int value; ActionResult result; };
    const Case cases[] = {
        {"dateTimeCheckBox", 0, ActionResult::UnknownControl}, // the text-file editor's
        {"commonDSTRadioGroup", 5, ActionResult::BadValue},
        {"commonDSTRadioGroup", -1, ActionResult::BadValue},
        {"commonVoiceMentSlider", 3, ActionResult::Disabled}, // its radio is on "off"
        {"commonDatePicker", 0, ActionResult::WrongKind},
        {"commonVideoDateFormatRadioGroup", 0, ActionResult::NotShown},
        {"alwaysRadioGroupFrontQuality", 1, ActionResult::NotShown},
        {"alwaysShockSensitivitySlider", 11, ActionResult::BadValue},
        {"alwaysShockSensitivitySlider", 0, ActionResult::BadValue},
        {"commonLanguagePopupButton", 99, ActionResult::BadValue},
        {"etcOverwriteAlwaysCheckBox", 0, ActionResult::Disabled},
        {"etcMemoryCardFormatButton", 0, ActionResult::NotShown},
    };
    QSignalSpy changed(&f, &RecordSettingForm::changed);
    const QString before = snapshot(f);
    for (const Case &c : cases) {
        const ControlId id = knownControl(c.control);
        ActionResult result = c.result == ActionResult::WrongKind ? f.pickCell(id, c.value)
                                                                 : act(f, id, c.value);
        EXPECT_EQ(result, c.result) << c.control;
    }
    EXPECT_EQ(f.setSlider(CommonDSTRadioGroup, 0), ActionResult::WrongKind);
    EXPECT_EQ(f.press(CommonDSTRadioGroup), ActionResult::WrongKind);
    EXPECT_EQ(snapshot(f), before);
    EXPECT_EQ(changed.count(), 0);
    EXPECT_EQ(f.pickCell(CommonVoiceMentRadioGroup, 0), ActionResult::Done);
    EXPECT_TRUE(f.control(CommonVoiceMentSlider)->enabled);
    EXPECT_GT(changed.count(), 0);
}

TEST(SettingsForm, SliderGuideShowsOnlyWhileThePointerIsOnIt)
{
    const FormOnCard card(Model::R640, fields({{F::battery_12v_R_off, 2}}));
    RecordSettingForm &f = card.form();
    const FormControl *volts = f.control(ParkingBatteryOff12VSlider);
    const FormControl *other = f.control(ParkingBatteryOff24VSlider);
    EXPECT_EQ(volts->shownGuide, -1);
    EXPECT_EQ(volts->valueText(), n("11.8V")) << "the cut-off shows its value at all times";
    ASSERT_EQ(f.sliderTouchedDown(ParkingBatteryOff12VSlider), ActionResult::Done);
    ASSERT_EQ(f.sliderMoved(ParkingBatteryOff12VSlider, 5), ActionResult::Done);
    EXPECT_EQ(volts->shownGuide, 5);
    EXPECT_EQ(volts->guideLabels.value(5), n("12.1V"));
    EXPECT_EQ(volts->valueText(), n("12.1V"));
    ASSERT_EQ(f.sliderMoved(ParkingBatteryOff24VSlider, 3), ActionResult::Done);
    EXPECT_EQ(other->shownGuide, -1); // the pointer is not on it
    f.sliderTouchedUp(ParkingBatteryOff12VSlider);
    EXPECT_EQ(volts->shownGuide, -1);
    ASSERT_EQ(f.setSlider(ParkingTimeLimitSlider36o, 2), ActionResult::Done);
    EXPECT_EQ(f.control(ParkingTimeLimitSlider36o)->shownGuide, -1);
    EXPECT_EQ(f.control(ParkingTimeLimitSlider36o)->valueText(), QString()) << "its values are printed under it";
}

// "아니오" puts the radio back as the record has it; "예" stores the choice in memory at once.
TEST(SettingsForm, ParkingModeQuestion)
{
    const FormOnCard card(Model::K210, fields({{F::parking_mode_set, 1}}));
    const QByteArray before = card.get(kSetupFile);
    RecordSettingForm &f = card.form();
    QSignalSpy asked(&f, &RecordSettingForm::questionAsked);
    ASSERT_EQ(f.pickCell(ParkingModeRadioGroup, 1), ActionResult::Done);
    ASSERT_TRUE(f.pendingQuestion());
    EXPECT_EQ(f.pendingQuestion()->kind, FormQuestion::Kind::ParkingMode);
    EXPECT_EQ(f.pendingQuestion()->buttons.size(), 2);
    const QStringList buttons = f.pendingQuestion()->buttons;
    for (const QString &button : buttons)
        EXPECT_FALSE(button.isEmpty());
    EXPECT_FALSE(f.pendingQuestion()->informative.isEmpty());
    EXPECT_EQ(asked.count(), 1);
    EXPECT_EQ(f.pickCell(CommonDSTRadioGroup, 1), ActionResult::Disabled); // the sheet holds
    f.answer(0);
    EXPECT_FALSE(f.pendingQuestion());
    EXPECT_EQ(shownValue(f, ParkingModeRadioGroup), 0);
    EXPECT_EQ(card.manager().parking_mode_set(), 1);

    ASSERT_EQ(f.pickCell(ParkingModeRadioGroup, 1), ActionResult::Done);
    f.answer(1);
    EXPECT_EQ(card.manager().parking_mode_set(), 0);
    EXPECT_FALSE(f.control(ParkingShockSensitivitySlider)->enabled);
    EXPECT_FALSE(f.control(ParkingMotionSlider)->enabled);
    EXPECT_EQ(card.get(kSetupFile), before); // in memory only until OK

    ASSERT_EQ(f.pickCell(ParkingModeRadioGroup, 0), ActionResult::Done); // no question
    EXPECT_FALSE(f.pendingQuestion());
    EXPECT_TRUE(f.control(ParkingShockSensitivitySlider)->enabled);

    // "아니오" returns to the row shown before the pick, also where the record's value would not.
    struct Case { ModelType type; int stored; int picked; int shownBefore; };
    const Case cases[] = {{Model::V820, 0, 1, 1}, {Model::RB740, 7, 0, 2}, {Model::V880, 1, 1, 0}};
    for (const Case &c : cases) {
        const FormOnCard other(c.type, fields({{F::parking_mode_set, c.stored}}));
        ASSERT_EQ(shownValue(other.form(), ParkingModeRadioGroup), c.shownBefore) << c.type;
        ASSERT_EQ(other.form().pickCell(ParkingModeRadioGroup, c.picked), ActionResult::Done);
        other.form().answer(0);
        EXPECT_EQ(shownValue(other.form(), ParkingModeRadioGroup), c.shownBefore) << c.type;
    }
}

// The second generation's linked controls and its three-row parking question.
TEST(SettingsForm, SecondGenerationLinkedControls)
{
    const FormOnCard card(Model::R970, fields({{F::set_resolution, 1}, {F::parking_mode_set, 1}, {F::measurement_unit, 1}}));
    RecordSettingForm &f = card.form();
    const FormControl *rear = f.control(AlwaysRadioGroupRearResolution);
    ASSERT_EQ(f.pickCell(AlwaysRadioGroupFrontResolution, 1), ActionResult::Done);
    ASSERT_EQ(f.pickCell(AlwaysRadioGroupRearResolution, 1), ActionResult::Done);
    ASSERT_EQ(f.pickCell(AlwaysRadioGroupFrontResolution, 0), ActionResult::Done);
    EXPECT_EQ(rear->selected, 0);
    EXPECT_FALSE(rear->enabled);
    ASSERT_EQ(f.pickCell(AlwaysRadioGroupFrontResolution, 1), ActionResult::Done);
    EXPECT_EQ(rear->selected, 1);
    EXPECT_TRUE(rear->enabled);

    ASSERT_EQ(f.pickCell(AlwaysLDWSRadioGroup, 1), ActionResult::Done);
    EXPECT_FALSE(f.control(AlwaysLDWSRightSensitivitySlider)->enabled);
    EXPECT_FALSE(f.control(AlwaysLDWSSpeedRadioGroup)->enabled);
    EXPECT_EQ(f.control(AlwaysLDWSSpeedRadioGroup)->items[0].title, n("30mph")); // as filled
    EXPECT_EQ(f.control(AlwaysLDWSSpeedRadioGroup)->items[3].title, n("65mph"));
    ASSERT_EQ(f.pickCell(CommonSpeedUnitRadioGroup, 0), ActionResult::Done);
    EXPECT_EQ(f.control(AlwaysLDWSSpeedRadioGroup)->items[3].title, n("100km"));

    ASSERT_EQ(f.control(ParkingModeRadioGroup)->items.size(), 3);
    ASSERT_EQ(f.pickCell(ParkingModeRadioGroup, 1), ActionResult::Done);
    ASSERT_TRUE(f.pendingQuestion());
    f.answer(0);
    EXPECT_EQ(shownValue(f, ParkingModeRadioGroup), 0);
    ASSERT_EQ(f.pickCell(ParkingModeRadioGroup, 1), ActionResult::Done);
    f.answer(1);
    EXPECT_EQ(card.manager().parking_mode_set(), 2);
    EXPECT_FALSE(f.control(ParkingMotionSlider)->enabled);
    EXPECT_TRUE(f.control(ParkingShockSensitivitySlider)->enabled);

    // The mobile safety camera follows the driving guide.
    const FormOnCard r120(Model::R120, fields({{F::enable_driving_guide, 0}}));
    EXPECT_FALSE(r120.form().control(AlwaysDrivingGuideSubRadioGroup)->enabled);
    ASSERT_EQ(r120.form().pickCell(AlwaysDrivingGuideRadioGroup, 0), ActionResult::Done);
    EXPECT_TRUE(r120.form().control(AlwaysDrivingGuideSubRadioGroup)->enabled);
}

// The stored parking mode sets the parking sliders' state when the form fills, also again on
// Reset (here to a default record with the motion mode).
TEST(SettingsForm, SecondGenerationParkingModeFillSetsTheSliders)
{
    struct Case { ModelType type; int mode; int row; bool impact; bool motion; bool rest; };
    const Case cases[] = {
        {Model::V880, 1, 0, true, true, true},    {Model::V880, 2, 1, true, false, true},
        {Model::RB740, 7, 2, false, false, false}, {Model::V820, 0, 1, false, false, false},
        {Model::R930, 2, 1, false, false, false}, {Model::V560, 1, 0, true, true, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "type " << c.type << " mode " << c.mode);
        TempFolder card;
        writeCardRecord(card.root(), c.type, fields({{F::parking_mode_set, c.mode}}));
        writeCardRecord(card.root(), c.type, fields({{F::parking_mode_set, 1}}),
                        QStringLiteral("1.00.17"), QStringLiteral("SETTING/default.cfg"));
        const OpenedForm opened = openForm(card.root());
        RecordSettingForm &f = *opened.form;
        EXPECT_EQ(shownValue(f, ParkingModeRadioGroup), c.row);
        EXPECT_EQ(f.control(ParkingShockSensitivitySlider)->enabled, c.impact);
        EXPECT_EQ(f.control(ParkingMotionSlider)->enabled, c.motion);
        for (const char *name : {"parkingTimeLimitSlider_36x", "parkingBatteryOff12VSlider",
                                 "parkingBatteryOff24VSlider"})
            EXPECT_EQ(f.control(knownControl(name))->enabled, c.rest) << name;
        f.resetButtonTouched();
        EXPECT_EQ(shownValue(f, ParkingModeRadioGroup), 0);
        EXPECT_TRUE(f.control(ParkingMotionSlider)->enabled);
        EXPECT_TRUE(f.control(ParkingBatteryOff24VSlider)->enabled);
    }
}

TEST(SettingsForm, ResetFillsDefaultsWithoutWriting)
{
    TempFolder card;
    writeCardRecord(card.root(), Model::R640, fields({{F::acceleration_sensor, 9}, {F::driving_guide_version, 77}}),
                    QStringLiteral("2.01.33"));
    writeCardRecord(card.root(), Model::R640, fields({{F::acceleration_sensor, 4}, {F::driving_guide_version, 5}}),
                    QStringLiteral("0.00.01"), QStringLiteral("SETTING/default.cfg"));
    const QByteArray before = card.get(kSetupFile);
    const OpenedForm opened = openForm(card.root());
    RecordSettingForm &f = *opened.form;
    ASSERT_EQ(f.setChecked(EtcOverwriteManualCheckBox, true), ActionResult::Done);
    f.resetButtonTouched();
    EXPECT_EQ(shownValue(f, AlwaysShockSensitivitySlider), 4);
    EXPECT_EQ(shownValue(f, EtcOverwriteManualCheckBox), 0);
    EXPECT_EQ(f.manager().version(), n("2.01.33"));
    EXPECT_EQ(f.manager().firmwareVersionInt(), 33);
    EXPECT_EQ(f.manager().driving_guide_version(), 77);
    EXPECT_EQ(card.get(kSetupFile), before); // Reset, then Cancel: nothing written
    f.okButtonTouched();
    const std::unique_ptr<R640SettingManager> saved = readCardRecord(card.root());
    EXPECT_EQ(saved->acceleration_sensor(), 4);
    EXPECT_EQ(saved->version(), n("2.01.33"));
    EXPECT_EQ(saved->driving_guide_version(), 77);
}

// Types 27 and 28: no mapping; the controls keep the layout's state and OK writes no field.
TEST(SettingsForm, ModelWithoutMappingWritesNoRecordField)
{
    for (ModelType type : {Model::DVR_L410, Model::DVR_L470}) {
        const FormOnCard card(type, fields({{F::acceleration_sensor, 7}}), type);
        const QByteArray before = card.get(kSetupFile);
        RecordSettingForm &f = card.form();
        EXPECT_TRUE(f.family().isEmpty());
        EXPECT_TRUE(f.isShown(CommonTimeCheckBox));
        EXPECT_TRUE(f.isShown(ParkingTimeLimitSlider36x));
        EXPECT_FALSE(f.isShown(EtcMemoryCardFormatButton));
        EXPECT_FALSE(f.isShown(AlwaysLDWSRadioGroup));
        EXPECT_EQ(shownValue(f, AlwaysShockSensitivitySlider), 1);
        EXPECT_EQ(shownValue(f, CommonGMTComboBox), -1);
        EXPECT_EQ(f.setSlider(AlwaysShockSensitivitySlider, 3), ActionResult::Done);
        EXPECT_EQ(f.okButtonTouched(), CardWriteStatus::NotAttempted);
        EXPECT_EQ(card.get(kSetupFile), before);
    }
}

// OK stores the family's product name for the model, whatever name the record had.
TEST(SettingsForm, SecondGenerationStoresItsProductName)
{
    const std::pair<ModelType, const char *> cases[] = {
        {Model::V820, "V820"},  {Model::V820UK, "V820"}, {Model::V880, "V880"},
        {Model::R930, "R930"},  {Model::R970, "R970"},   {Model::RB740, "RB740"},
        {Model::V530, "V530"},  {Model::V560, "V560"},   {Model::VM30, "VM30"},
        {Model::R60, "R60"},    {Model::RB20, "RB20"},   {Model::R120, "R120"},
        {Model::RM30, "RM30"},  {Model::QT_K9_PN, "QT-K9-PN"}};
    for (const auto &[type, product] : cases) {
        const FormOnCard card(type, fields({{F::product_name, "R930"}, {F::front_brightness, 2}}), type);
        RecordSettingForm &f = card.form();
        EXPECT_EQ(shownValue(f, CommonFrontBrightnessSlider), 0);
        ASSERT_EQ(f.setSlider(CommonFrontBrightnessSlider, 1), ActionResult::Done);
        ASSERT_EQ(f.setChecked(EtcOverwriteManualCheckBox, true), ActionResult::Done);
        EXPECT_EQ(f.okButtonTouched(), CardWriteStatus::Written);
        R640SettingManager saved;
        saved.setSettingDirPath(card.root());
        saved.setModelType(type);
        saved.readRecord();
        EXPECT_EQ(saved.product_name(), n(product));
        EXPECT_EQ(saved.front_brightness(), 1);
        EXPECT_EQ(saved.record_manual_overwrite(), 1);
    }
}

TEST(SettingsForm, TouchResetLeavesTheMarker)
{
    const FormOnCard card(Model::V470, {});
    RecordSettingForm &f = card.form();
    for (int round = 0; round < 2; ++round) {
        ASSERT_EQ(f.press(EtcInitializeTouchButton), ActionResult::Done);
        ASSERT_EQ(f.pendingQuestion()->kind, FormQuestion::Kind::TouchResetConfirm);
        f.answer(1);
        ASSERT_TRUE(f.pendingQuestion());
        EXPECT_EQ(f.pendingQuestion()->kind, FormQuestion::Kind::TouchResetDone);
        EXPECT_FALSE(f.pendingQuestion()->informative.isEmpty());
        EXPECT_FALSE(f.pendingQuestion()->buttons.value(0).isEmpty());
        f.answer(0);
        EXPECT_FALSE(f.pendingQuestion());
    }
    EXPECT_EQ(card.get(QStringLiteral("Set_touch_cal.txt")), QByteArray());
    EXPECT_TRUE(card.has(QStringLiteral("Set_touch_cal.txt")));
    ASSERT_EQ(f.press(EtcInitializeTouchButton), ActionResult::Done);
    QFile::remove(card.path(QStringLiteral("Set_touch_cal.txt")));
    f.answer(0); // no: nothing made
    EXPECT_FALSE(card.has(QStringLiteral("Set_touch_cal.txt")));
}

TEST(SettingsForm, FormatRunsTheReformatProgramAndReportsItsEnd)
{
    TempFolder volumes;
    const QString root = volumes.path(QStringLiteral("CARD"));
    writeCardRecord(root, Model::R640, {});
    const VolumeMonitor monitor(volumes.root());
    QTemporaryDir bin;
    struct Case { int exitCode; bool succeeded; };
    for (const Case c : {Case{0, true}, Case{1, false}}) {
        SCOPED_TRACE(c.exitCode);
        const QString program = bin.filePath(QStringLiteral("reformat%1").arg(c.exitCode));
        ASSERT_TRUE(writeScript(program, "#!/bin/sh\nexit " + QByteArray::number(c.exitCode) + "\n"));
        qputenv("DROVIK_REFORMAT_COMMAND", program.toUtf8());
        const OpenedForm opened = openForm(root, Model::None, &monitor);
        RecordSettingForm &f = *opened.form;
        QSignalSpy updated(&f, &RecordSettingForm::questionUpdated);
        QSignalSpy formatted(&f, &RecordSettingForm::cardFormatted);
        f.memoryCardFormatButtonTouched();
        ASSERT_EQ(f.pendingQuestion()->kind, FormQuestion::Kind::FormatConfirm);
        f.answer(0); // no: nothing runs
        EXPECT_FALSE(f.pendingQuestion());
        f.memoryCardFormatButtonTouched();
        f.answer(1);
        ASSERT_TRUE(f.pendingQuestion());
        EXPECT_EQ(f.pendingQuestion()->kind, FormQuestion::Kind::Formatting);
        EXPECT_FALSE(f.pendingQuestion()->buttonsEnabled);
        EXPECT_TRUE(f.pendingQuestion()->busy);
        const QString waiting = f.pendingQuestion()->informative;
        f.answer(0); // OK is disabled while the program runs
        ASSERT_TRUE(f.pendingQuestion());
        ASSERT_TRUE(updated.wait(20000));
        EXPECT_TRUE(f.pendingQuestion()->buttonsEnabled);
        EXPECT_FALSE(f.pendingQuestion()->busy);
        EXPECT_NE(f.pendingQuestion()->informative, waiting);
        EXPECT_FALSE(f.pendingQuestion()->informative.isEmpty());
        EXPECT_FALSE(waiting.isEmpty());
        EXPECT_EQ(formatted.count(), c.succeeded ? 1 : 0);
        f.answer(0);
        EXPECT_FALSE(f.pendingQuestion());
    }
    qunsetenv("DROVIK_REFORMAT_COMMAND");

    // A volume named "Untitled…" is refused before any question.
    const QString untitled = volumes.path(QStringLiteral("Untitled 1"));
    writeCardRecord(untitled, Model::R640, {});
    const OpenedForm opened = openForm(untitled, Model::None, &monitor);
    opened.form->memoryCardFormatButtonTouched();
    ASSERT_TRUE(opened.form->pendingQuestion());
    EXPECT_EQ(opened.form->pendingQuestion()->kind, FormQuestion::Kind::CannotFormat);
}

} // namespace
