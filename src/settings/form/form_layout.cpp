// The one layout every binary-record family starts from: sections in page order, each with its
// named controls, as the layout draws them before a model adapts it. Texts come later
// (applyMainLanguageSetting); only the option titles that are not localised are set here.
#include "settings/form/record_setting_form.h"
#include "settings/form/form_texts.h"

namespace drovik::form {

using namespace formtext;
using enum ControlId;
using enum SectionId;

namespace {

FormControl radio(ControlId id, int cells, bool horizontal = false)
{
    FormControl control;
    control.id = id;
    control.kind = ControlKind::RadioGroup;
    control.horizontal = horizontal;
    for (int i = 0; i < cells; ++i)
        control.items.append(FormItem{});
    control.selected = 0;
    return control;
}

FormControl titledRadio(ControlId id, const QStringList &titles, bool horizontal = true)
{
    FormControl control = radio(id, int(titles.size()), horizontal);
    for (int i = 0; i < titles.size(); ++i)
        control.items[i].title = titles[i];
    return control;
}

FormControl slider(ControlId id, int minimum, int maximum)
{
    FormControl control;
    control.id = id;
    control.kind = ControlKind::Slider;
    control.minimum = minimum;
    control.maximum = maximum;
    control.position = minimum;
    return control;
}

FormControl simple(ControlId id, ControlKind kind)
{
    FormControl control;
    control.id = id;
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
    FormControl &overwrite = ctl(EtcOverwriteAlwaysCheckBox);
    overwrite.checked = true; // continuous clips are always overwritten
    overwrite.enabled = false;
    ctl(CommonGMTComboBox).selected = -1;
    ctl(CommonLanguagePopupButton).selected = -1;
    // The layout shows a section when a family that keeps the layout's state stores its field;
    // the others wait for a family that asks for them.
    for (const SectionId id :
         {AlwaysDrivingGuideSubView, CommonSpeedStampView, AlwaysDrivingGuideView, AlwaysWDRView,
          AlwaysVehicleTypeView, AlwaysLDWSView, AlwaysLDWSSensitivityView, AlwaysLDWSSpeedView,
          AlwaysFCWSView, AlwaysFCWSSensitivityView, AlwaysFVDWView, EtcMemoryCardFormatView,
          EtcInitializeTouchView})
        sec(id).visible = false;
    ctl(CommonRearBrightnessSlider).visible = false;
    // The 36-hour variant only replaces the other on the model that has it.
    sec(ParkingTimeLimitView36o).visible = false;
    insertGMTData();
    applyGuideTexts();
}

void RecordSettingForm::buildCommonAndContinuousSections()
{
    const auto R = [](ControlId id, int cells) { return radio(id, cells); };
    const auto S = [](ControlId id, int minimum, int maximum) {
        return slider(id, minimum, maximum);
    };
    const auto C = [](ControlId id, ControlKind kind) { return simple(id, kind); };

    // Common
    addSection(CommonLanguageView, 0, {C(CommonLanguagePopupButton, ControlKind::PopUp)});
    addSection(CommonBrightnessView, 0,
               {S(CommonFrontBrightnessSlider, 0, 2), S(CommonRearBrightnessSlider, 0, 2)});
    addSection(CommonAudioRecordView, 0, {R(CommonAudioRecordRadioGroup, 2)});
    addSection(CommonVoiceMentView, 0,
               {R(CommonVoiceMentRadioGroup, 2), S(CommonVoiceMentSlider, 1, 6)});
    addSection(CommonTimeView, 0,
               {C(CommonTimeCheckBox, ControlKind::CheckBox),
                C(CommonDatePicker, ControlKind::DatePicker),
                C(CommonCurrentTimeButton, ControlKind::Button)});
    addSection(CommonGMTView, 0, {C(CommonGMTComboBox, ControlKind::ComboBox)});
    addSection(CommonDSTView, 0, {R(CommonDSTRadioGroup, 2)});
    addSection(CommonDateFormatView, 0,
               {radio(CommonVideoDateFormatRadioGroup, 2, true)});
    addSection(CommonSpeedUnitView, 0, {R(CommonSpeedUnitRadioGroup, 2)});
    addSection(CommonDrivingGuideView, 0, {R(CommonDrivingGuideRadioGroup, 2)});
    addSection(CommonLCDBrightnessView, 0, {S(CommonLCDBrightnessSlider, 0, 10)});
    addSection(CommonLCDOffTimerView, 0, {R(CommonLCDOffTimerRadioGroup, 4)});
    addSection(CommonSpeedStampView, 0, {R(CommonSpeedStampRadioGroup, 2)});

    // Continuous recording
    addSection(AlwaysResolutionView, 1,
               {titledRadio(AlwaysRadioGroupFrontResolution, {kVGA, kHD, kFHD}),
                titledRadio(AlwaysRadioGroupRearResolution, {kVGA, kHD})});
    addSection(AlwaysFrameRateView, 1,
               {titledRadio(AlwaysRadioGroupFrameRate, {s("10fps"), s("15fps"), s("30fps")})});
    addSection(AlwaysQualityView, 1,
               {radio(AlwaysRadioGroupFrontQuality, 3, true),
                radio(AlwaysRadioGroupRearQuality, 3, true)});
    addSection(AlwaysShockSensitivityView, 1, {S(AlwaysShockSensitivitySlider, 1, 10)});
    addSection(AlwaysDrivingGuideView, 1, {R(AlwaysDrivingGuideRadioGroup, 2)});
    addSection(AlwaysDrivingGuideSubView, 1, {R(AlwaysDrivingGuideSubRadioGroup, 2)});
    addSection(AlwaysWDRView, 1, {R(AlwaysWDRRadioGroup, 2)});
    addSection(AlwaysVehicleTypeView, 1, {R(AlwaysVehicleTypeRadioGroup, 3)});
    addSection(AlwaysLDWSView, 1, {R(AlwaysLDWSRadioGroup, 2)});
    addSection(AlwaysLDWSSensitivityView, 1,
               {S(AlwaysLDWSSensitivitySlider, 0, 2), S(AlwaysLDWSRightSensitivitySlider, 0, 2)});
    addSection(AlwaysLDWSSpeedView, 1,
               {titledRadio(AlwaysLDWSSpeedRadioGroup,
                            {s("50km"), s("60km"), s("80km"), s("100km")}, false)});
    addSection(AlwaysFCWSView, 1, {R(AlwaysFCWSRadioGroup, 2)});
    addSection(AlwaysFCWSSensitivityView, 1, {S(AlwaysFCWSSensitivitySlider, 0, 2)});
    addSection(AlwaysFVDWView, 1, {R(AlwaysFVDWRadioGroup, 2)});

}

void RecordSettingForm::buildParkingAndExtraSections()
{
    const auto R = [](ControlId id, int cells) { return radio(id, cells); };
    const auto S = [](ControlId id, int minimum, int maximum) {
        return slider(id, minimum, maximum);
    };
    const auto C = [](ControlId id, ControlKind kind) { return simple(id, kind); };

    addSection(ParkingModeView, 2,
               {R(ParkingModeRadioGroup, 2), C(ParkingModeUseDescriptionLabel, ControlKind::Label),
                C(ParkingModeNoUseDescriptionLabel, ControlKind::Label)});
    addSection(ParkingSuperNightVisionView, 2, {R(ParkingSuperNightVisionRadioGroup, 2)});
    addSection(ParkingResolutionView, 2,
               {titledRadio(ParkingFrontResolutionRadioGroup, {kVGA, kHD, kFHD}),
                titledRadio(ParkingRearResolutionRadioGroup, {kVGA, kHD})});
    addSection(ParkingFrameRateView, 2,
               {titledRadio(ParkingFrameRateRadioGroup, {s("10fps"), s("15fps"), s("30fps")})});
    addSection(ParkingQualityView, 2,
               {radio(ParkingFrontQualityRadioGroup, 3, true),
                radio(ParkingRearQualityRadioGroup, 3, true)});
    addSection(ParkingShockSensitivityView, 2, {S(ParkingShockSensitivitySlider, 1, 10)});
    addSection(ParkingMotionView, 2,
               {R(ParkingMotionRadioGroup, 2), S(ParkingMotionSlider, 1, 3)});
    addSection(ParkingTimeLimitView36x, 2, {S(ParkingTimeLimitSlider36x, 1, 7)});
    addSection(ParkingTimeLimitView36o, 2, {S(ParkingTimeLimitSlider36o, 1, 8)});
    addSection(ParkingBatteryView, 2,
               {S(ParkingBatteryOff12VSlider, 0, 7), S(ParkingBatteryOff24VSlider, 0, 7)});

    // Extra functions
    addSection(EtcOverwriteView, 3,
               {C(EtcOverwriteAlwaysCheckBox, ControlKind::CheckBox),
                C(EtcOverwriteAlwaysShockCheckBox, ControlKind::CheckBox),
                C(EtcOverwriteParkingMotionCheckBox, ControlKind::CheckBox),
                C(EtcOverwriteParkingShockCheckBox, ControlKind::CheckBox),
                C(EtcOverwriteManualCheckBox, ControlKind::CheckBox)});
    addSection(EtcSecurityLEDView, 3,
               {R(EtcSecurityLEDRadioGroup, 4),
                C(EtcSecurityLEDDescriptionTitleLabel, ControlKind::Label),
                C(EtcSecurityLEDMode1Label, ControlKind::Label),
                C(EtcSecurityLEDMode2Label, ControlKind::Label)});
    addSection(EtcMemoryPartitionView, 3,
               {radio(EtcMemoryPartitionRadioGroup, 3, true),
                C(EtcMemoryPartitionGraph, ControlKind::PartitionBar),
                C(EtcMemoryPartitionAlwaysLabel, ControlKind::Label),
                C(EtcMemoryPartitionAlwaysShockLabel, ControlKind::Label),
                C(EtcMemoryPartitionParkingMotionLabel, ControlKind::Label),
                C(EtcMemoryPartitionParkingShockLabel, ControlKind::Label),
                C(EtcMemoryPartitionManualLabel, ControlKind::Label)});
    addSection(EtcMemoryCardFormatView, 3, {C(EtcMemoryCardFormatButton, ControlKind::Button)});
    addSection(EtcInitializeTouchView, 3, {C(EtcInitializeTouchButton, ControlKind::Button)});
}

} // namespace drovik::form
