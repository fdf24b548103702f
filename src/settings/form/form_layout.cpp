// The one layout every binary-record family starts from: sections in page order, each with its
// named controls, as the layout draws them before a model adapts it. Texts come later
// (applyMainLanguageSetting); only the option titles that are not localised are set here.
#include "settings/form/record_setting_form.h"
#include "settings/form/form_texts.h"

namespace drovik::form {

using namespace formtext;

namespace {

FormControl radio(const QString &name, int cells, bool horizontal = false)
{
    FormControl control;
    control.name = name;
    control.kind = ControlKind::RadioGroup;
    control.horizontal = horizontal;
    for (int i = 0; i < cells; ++i)
        control.items.append(FormItem{});
    control.selected = 0;
    return control;
}

FormControl titledRadio(const QString &name, const QStringList &titles, bool horizontal = true)
{
    FormControl control = radio(name, int(titles.size()), horizontal);
    for (int i = 0; i < titles.size(); ++i)
        control.items[i].title = titles[i];
    return control;
}

FormControl slider(const QString &name, int minimum, int maximum)
{
    FormControl control;
    control.name = name;
    control.kind = ControlKind::Slider;
    control.minimum = minimum;
    control.maximum = maximum;
    control.position = minimum;
    return control;
}

FormControl simple(const QString &name, ControlKind kind)
{
    FormControl control;
    control.name = name;
    control.kind = kind;
    return control;
}


const QString kVGA = s("VGA (640 x 480)");
const QString kHD = s("HD (1280 x 720)");
const QString kFHD = s("FHD (1920 x 1080)");

} // namespace

void RecordSettingForm::buildLayout()
{
    clearLayout();
    m_rearResolutionBeforeForce = -1;
    m_parkingRowBeforePick = -1;
    buildCommonAndContinuousSections();
    buildParkingAndExtraSections();

    // What the layout itself holds back until a model asks for it.
    FormControl &overwrite = ctl(s("etcOverwriteAlwaysCheckBox"));
    overwrite.checked = true; // continuous clips are always overwritten
    overwrite.enabled = false;
    ctl(s("commonGMTComboBox")).selected = -1;
    ctl(s("commonLanguagePopupButton")).selected = -1;
    // The layout shows a section when a family that keeps the layout's state stores its field;
    // the others wait for a family that asks for them.
    for (const char *name :
         {"alwaysDrivingGuideSubView", "commonSpeedStampView", "alwaysDrivingGuideView",
          "alwaysWDRView", "alwaysVehicleTypeView", "alwaysLDWSView", "alwaysLDWSSensitivityView",
          "alwaysLDWSSpeedView", "alwaysFCWSView", "alwaysFCWSSensitivityView", "alwaysFVDWView",
          "etcMemoryCardFormatView", "etcInitializeTouchView"})
        sec(s(name)).visible = false;
    ctl(s("commonRearBrightnessSlider")).visible = false;
    // The 36-hour variant only replaces the other on the model that has it.
    sec(s("parkingTimelimitView_36o")).visible = false;
    insertGMTData();
    applyGuideTexts();
}

void RecordSettingForm::buildCommonAndContinuousSections()
{
    const auto R = [](const char *name, int cells) { return radio(s(name), cells); };
    const auto S = [](const char *name, int minimum, int maximum) {
        return slider(s(name), minimum, maximum);
    };
    const auto C = [](const char *name, ControlKind kind) { return simple(s(name), kind); };

    // Common
    addSection(s("commonLanguageView"), 0, {C("commonLanguagePopupButton", ControlKind::PopUp)});
    addSection(s("commonBrightnessView"), 0,
               {S("commonFrontBrightnessSlider", 0, 2), S("commonRearBrightnessSlider", 0, 2)});
    addSection(s("commonAudioRecordView"), 0, {R("commonAudioRecordRadioGroup", 2)});
    addSection(s("commonVoiceMentView"), 0,
               {R("commonVoiceMentRadioGroup", 2), S("commonVoiceMentSlider", 1, 6)});
    addSection(s("commonTimeView"), 0,
               {C("commonTimeCheckBox", ControlKind::CheckBox),
                C("commonDatePicker", ControlKind::DatePicker),
                C("commonCurrentTimeButton", ControlKind::Button)});
    addSection(s("commonGMTView"), 0, {C("commonGMTComboBox", ControlKind::ComboBox)});
    addSection(s("commonDSTView"), 0, {R("commonDSTRadioGroup", 2)});
    addSection(s("commonDateFormatView"), 0,
               {radio(s("commonVideoDateFormatRadioGroup"), 2, true)});
    addSection(s("commonSpeedUnitView"), 0, {R("commonSpeedUnitRadioGroup", 2)});
    addSection(s("commonDrivingGuideView"), 0, {R("commonDrivingGuideRadioGroup", 2)});
    addSection(s("commonLCDBrightnessView"), 0, {S("commonLCDBrighnessSlider", 0, 10)});
    addSection(s("commonLCDOffTimerView"), 0, {R("commonLCDOffTimerRadioGroup", 4)});
    addSection(s("commonSpeedStampView"), 0, {R("commonSpeedStampRadioGroup", 2)});

    // Continuous recording
    addSection(s("alwaysResolutionView"), 1,
               {titledRadio(s("alwaysRadioGroupFrontResolution"), {kVGA, kHD, kFHD}),
                titledRadio(s("alwaysRadioGroupRearResolution"), {kVGA, kHD})});
    addSection(s("alwaysFrameRateView"), 1,
               {titledRadio(s("alwaysRadioGroupFrameRate"), {s("10fps"), s("15fps"), s("30fps")})});
    addSection(s("alwaysQualityView"), 1,
               {radio(s("alwaysRadioGroupFrontQuality"), 3, true),
                radio(s("alwaysRadioGroupRearQuality"), 3, true)});
    addSection(s("alwaysShockSensitivityView"), 1, {S("alwaysShockSensitivitySlider", 1, 10)});
    addSection(s("alwaysDrivingGuideView"), 1, {R("alwaysDrivingGuideRadioGroup", 2)});
    addSection(s("alwaysDrivingGuideSubView"), 1, {R("alwaysDrivingGuideSubRadioGroup", 2)});
    addSection(s("alwaysWDRView"), 1, {R("alwaysWDRRadioGroup", 2)});
    addSection(s("alwaysVehicleTypeView"), 1, {R("alwaysVehicleTypeRadioGroup", 3)});
    addSection(s("alwaysLDWSView"), 1, {R("alwaysLDWSRadioGroup", 2)});
    addSection(s("alwaysLDWSSensitivityView"), 1,
               {S("alwaysLDWSSensitivitySlider", 0, 2), S("alwaysLDWSRightSensitivitySlider", 0, 2)});
    addSection(s("alwaysLDWSSpeedView"), 1,
               {titledRadio(s("alwaysLDWSSpeedRadioGroup"),
                            {s("50km"), s("60km"), s("80km"), s("100km")}, false)});
    addSection(s("alwaysFCWSView"), 1, {R("alwaysFCWSRadioGroup", 2)});
    addSection(s("alwaysFCWSSensitivityView"), 1, {S("alwaysFCWSSensitivitySlider", 0, 2)});
    addSection(s("alwaysFVDWView"), 1, {R("alwaysFVDWRadioGroup", 2)});

}

void RecordSettingForm::buildParkingAndExtraSections()
{
    const auto R = [](const char *name, int cells) { return radio(s(name), cells); };
    const auto S = [](const char *name, int minimum, int maximum) {
        return slider(s(name), minimum, maximum);
    };
    const auto C = [](const char *name, ControlKind kind) { return simple(s(name), kind); };

    addSection(s("parkingModeView"), 2,
               {R("parkingModeRadioGroup", 2), C("parkingModeUseDescriptionLabel", ControlKind::Label),
                C("parkingModeNoUseDescriptionLabel", ControlKind::Label)});
    addSection(s("parkingSuperNightVisionView"), 2, {R("parkingSuperNightVisionRadioGroup", 2)});
    addSection(s("parkingResolutionView"), 2,
               {titledRadio(s("parkingFrontResolutionRadioGroup"), {kVGA, kHD, kFHD}),
                titledRadio(s("parkingRearResolutionRadioGroup"), {kVGA, kHD})});
    addSection(s("parkingFrameRateView"), 2,
               {titledRadio(s("parkingFrameRateRadioGroup"), {s("10fps"), s("15fps"), s("30fps")})});
    addSection(s("parkingQualityView"), 2,
               {radio(s("parkingFrontQualityRadioGroup"), 3, true),
                radio(s("parkingRearQualityRadioGroup"), 3, true)});
    addSection(s("parkingShockSensitivityView"), 2, {S("parkingShockSensitivitySlider", 1, 10)});
    addSection(s("parkingMotionView"), 2,
               {R("parkingMotionRadioGroup", 2), S("parkingMotionSlider", 1, 3)});
    addSection(s("parkingTimelimitView_36x"), 2, {S("parkingTimeLimitSlider_36x", 1, 7)});
    addSection(s("parkingTimelimitView_36o"), 2, {S("parkingTimeLimitSlider_36o", 1, 8)});
    addSection(s("parkingBatteryView"), 2,
               {S("parkingBatteryOff12VSlider", 0, 7), S("parkingBatteryOff24VSlider", 0, 7)});

    // Extra functions
    addSection(s("etcOverwriteView"), 3,
               {C("etcOverwriteAlwaysCheckBox", ControlKind::CheckBox),
                C("etcOverwriteAlwaysShockCheckBox", ControlKind::CheckBox),
                C("etcOverwriteParkingMotionCheckBox", ControlKind::CheckBox),
                C("etcOverwriteParkingShockCheckBox", ControlKind::CheckBox),
                C("etcOverwriteManualCheckBox", ControlKind::CheckBox)});
    addSection(s("etcSecurityLEDView"), 3,
               {R("etcSecurityLEDRadioGroup", 4),
                C("etcSecurityLEDDescriptionTitleLabel", ControlKind::Label),
                C("etcSecurityLEDMode1Label", ControlKind::Label),
                C("etcSecurityLEDMode2Label", ControlKind::Label)});
    addSection(s("etcMemoryPartitionView"), 3,
               {radio(s("etcMemoryPartitionRadioGroup"), 3, true),
                C("etcMemoryPartitionGraph", ControlKind::PartitionBar),
                C("etcMemoryPartitionAlwaysLabel", ControlKind::Label),
                C("etcMemoryPartitionAlwaysShockLabel", ControlKind::Label),
                C("etcMemoryPartitionParkingMotionLabel", ControlKind::Label),
                C("etcMemoryPartitionParkingShockLabel", ControlKind::Label),
                C("etcMemoryPartitionManualLabel", ControlKind::Label)});
    addSection(s("etcMemoryCardFormatView"), 3, {C("etcMemoryCardFormatButton", ControlKind::Button)});
    addSection(s("etcInitializeTouchView"), 3, {C("etcInitializeTouchButton", ControlKind::Button)});
}

} // namespace drovik::form
