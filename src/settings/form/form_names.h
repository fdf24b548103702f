#pragma once

#include <QStringView>

#include <array>
#include <cstddef>
#include <optional>

// Every control and section of the settings editors, once: the typed identifier the code uses
// and the name the dialog's widgets carry and `drovik settings` prints. The names are a public
// contract and keep their spelling, misspellings included ("commonLCDBrighnessSlider"); the
// identifiers are spelled correctly. A name arriving from outside (the command line) becomes an
// identifier through controlNamed() or not at all.
//
// Each list is in drawing order, the record editor's first; the text-file editor also uses
// parkingModeView and parkingModeRadioGroup.

// clang-format off
#define DROVIK_FORM_SECTIONS(X) \
    /* the record editor */ \
    X(CommonLanguageView,          "commonLanguageView") \
    X(CommonBrightnessView,        "commonBrightnessView") \
    X(CommonAudioRecordView,       "commonAudioRecordView") \
    X(CommonVoiceMentView,         "commonVoiceMentView") \
    X(CommonTimeView,              "commonTimeView") \
    X(CommonGMTView,               "commonGMTView") \
    X(CommonDSTView,               "commonDSTView") \
    X(CommonDateFormatView,        "commonDateFormatView") \
    X(CommonSpeedUnitView,         "commonSpeedUnitView") \
    X(CommonDrivingGuideView,      "commonDrivingGuideView") \
    X(CommonLCDBrightnessView,     "commonLCDBrightnessView") \
    X(CommonLCDOffTimerView,       "commonLCDOffTimerView") \
    X(CommonSpeedStampView,        "commonSpeedStampView") \
    X(AlwaysResolutionView,        "alwaysResolutionView") \
    X(AlwaysFrameRateView,         "alwaysFrameRateView") \
    X(AlwaysQualityView,           "alwaysQualityView") \
    X(AlwaysShockSensitivityView,  "alwaysShockSensitivityView") \
    X(AlwaysDrivingGuideView,      "alwaysDrivingGuideView") \
    X(AlwaysDrivingGuideSubView,   "alwaysDrivingGuideSubView") \
    X(AlwaysWDRView,               "alwaysWDRView") \
    X(AlwaysVehicleTypeView,       "alwaysVehicleTypeView") \
    X(AlwaysLDWSView,              "alwaysLDWSView") \
    X(AlwaysLDWSSensitivityView,   "alwaysLDWSSensitivityView") \
    X(AlwaysLDWSSpeedView,         "alwaysLDWSSpeedView") \
    X(AlwaysFCWSView,              "alwaysFCWSView") \
    X(AlwaysFCWSSensitivityView,   "alwaysFCWSSensitivityView") \
    X(AlwaysFVDWView,              "alwaysFVDWView") \
    X(ParkingModeView,             "parkingModeView") \
    X(ParkingSuperNightVisionView, "parkingSuperNightVisionView") \
    X(ParkingResolutionView,       "parkingResolutionView") \
    X(ParkingFrameRateView,        "parkingFrameRateView") \
    X(ParkingQualityView,          "parkingQualityView") \
    X(ParkingShockSensitivityView, "parkingShockSensitivityView") \
    X(ParkingMotionView,           "parkingMotionView") \
    X(ParkingTimeLimitView36x,     "parkingTimelimitView_36x") \
    X(ParkingTimeLimitView36o,     "parkingTimelimitView_36o") \
    X(ParkingBatteryView,          "parkingBatteryView") \
    X(EtcOverwriteView,            "etcOverwriteView") \
    X(EtcSecurityLEDView,          "etcSecurityLEDView") \
    X(EtcMemoryPartitionView,      "etcMemoryPartitionView") \
    X(EtcMemoryCardFormatView,     "etcMemoryCardFormatView") \
    X(EtcInitializeTouchView,      "etcInitializeTouchView") \
    /* the text-file editor */ \
    X(MemoryPartitionView,         "memoryPartitionView") \
    X(DateTimeView,                "dateTimeView") \
    X(LanguageView,                "languageView") \
    X(TimeZoneView,                "timeZoneView") \
    X(DstView,                     "dstView") \
    X(SpeedUnitView,               "speedUnitView") \
    X(VoiceRecordView,             "voiceRecordView") \
    X(VoiceGuidanceView,           "voiceGuidanceView") \
    X(ImpactSensitivityView,       "impactSensitivityView") \
    X(MotionSensitivityView,       "motionSensitivityView") \
    X(SecurityLEDView,             "securityLEDView") \
    X(VersionView,                 "versionView")

#define DROVIK_FORM_CONTROLS(X) \
    /* the record editor */ \
    X(CommonLanguagePopupButton,            "commonLanguagePopupButton") \
    X(CommonFrontBrightnessSlider,          "commonFrontBrightnessSlider") \
    X(CommonRearBrightnessSlider,           "commonRearBrightnessSlider") \
    X(CommonAudioRecordRadioGroup,          "commonAudioRecordRadioGroup") \
    X(CommonVoiceMentRadioGroup,            "commonVoiceMentRadioGroup") \
    X(CommonVoiceMentSlider,                "commonVoiceMentSlider") \
    X(CommonTimeCheckBox,                   "commonTimeCheckBox") \
    X(CommonDatePicker,                     "commonDatePicker") \
    X(CommonCurrentTimeButton,              "commonCurrentTimeButton") \
    X(CommonGMTComboBox,                    "commonGMTComboBox") \
    X(CommonDSTRadioGroup,                  "commonDSTRadioGroup") \
    X(CommonVideoDateFormatRadioGroup,      "commonVideoDateFormatRadioGroup") \
    X(CommonSpeedUnitRadioGroup,            "commonSpeedUnitRadioGroup") \
    X(CommonDrivingGuideRadioGroup,         "commonDrivingGuideRadioGroup") \
    X(CommonLCDBrightnessSlider,            "commonLCDBrighnessSlider") \
    X(CommonLCDOffTimerRadioGroup,          "commonLCDOffTimerRadioGroup") \
    X(CommonSpeedStampRadioGroup,           "commonSpeedStampRadioGroup") \
    X(AlwaysRadioGroupFrontResolution,      "alwaysRadioGroupFrontResolution") \
    X(AlwaysRadioGroupRearResolution,       "alwaysRadioGroupRearResolution") \
    X(AlwaysRadioGroupFrameRate,            "alwaysRadioGroupFrameRate") \
    X(AlwaysRadioGroupFrontQuality,         "alwaysRadioGroupFrontQuality") \
    X(AlwaysRadioGroupRearQuality,          "alwaysRadioGroupRearQuality") \
    X(AlwaysShockSensitivitySlider,         "alwaysShockSensitivitySlider") \
    X(AlwaysDrivingGuideRadioGroup,         "alwaysDrivingGuideRadioGroup") \
    X(AlwaysDrivingGuideSubRadioGroup,      "alwaysDrivingGuideSubRadioGroup") \
    X(AlwaysWDRRadioGroup,                  "alwaysWDRRadioGroup") \
    X(AlwaysVehicleTypeRadioGroup,          "alwaysVehicleTypeRadioGroup") \
    X(AlwaysLDWSRadioGroup,                 "alwaysLDWSRadioGroup") \
    X(AlwaysLDWSSensitivitySlider,          "alwaysLDWSSensitivitySlider") \
    X(AlwaysLDWSRightSensitivitySlider,     "alwaysLDWSRightSensitivitySlider") \
    X(AlwaysLDWSSpeedRadioGroup,            "alwaysLDWSSpeedRadioGroup") \
    X(AlwaysFCWSRadioGroup,                 "alwaysFCWSRadioGroup") \
    X(AlwaysFCWSSensitivitySlider,          "alwaysFCWSSensitivitySlider") \
    X(AlwaysFVDWRadioGroup,                 "alwaysFVDWRadioGroup") \
    X(ParkingModeRadioGroup,                "parkingModeRadioGroup") \
    X(ParkingModeUseDescriptionLabel,       "parkingModeUseDescriptionLabel") \
    X(ParkingModeNoUseDescriptionLabel,     "parkingModeNoUseDescriptionLabel") \
    X(ParkingSuperNightVisionRadioGroup,    "parkingSuperNightVisionRadioGroup") \
    X(ParkingFrontResolutionRadioGroup,     "parkingFrontResolutionRadioGroup") \
    X(ParkingRearResolutionRadioGroup,      "parkingRearResolutionRadioGroup") \
    X(ParkingFrameRateRadioGroup,           "parkingFrameRateRadioGroup") \
    X(ParkingFrontQualityRadioGroup,        "parkingFrontQualityRadioGroup") \
    X(ParkingRearQualityRadioGroup,         "parkingRearQualityRadioGroup") \
    X(ParkingShockSensitivitySlider,        "parkingShockSensitivitySlider") \
    X(ParkingMotionRadioGroup,              "parkingMotionRadioGroup") \
    X(ParkingMotionSlider,                  "parkingMotionSlider") \
    X(ParkingTimeLimitSlider36x,            "parkingTimeLimitSlider_36x") \
    X(ParkingTimeLimitSlider36o,            "parkingTimeLimitSlider_36o") \
    X(ParkingBatteryOff12VSlider,           "parkingBatteryOff12VSlider") \
    X(ParkingBatteryOff24VSlider,           "parkingBatteryOff24VSlider") \
    X(EtcOverwriteAlwaysCheckBox,           "etcOverwriteAlwaysCheckBox") \
    X(EtcOverwriteAlwaysShockCheckBox,      "etcOverwriteAlwaysShockCheckBox") \
    X(EtcOverwriteParkingMotionCheckBox,    "etcOverwriteParkingMotionCheckBox") \
    X(EtcOverwriteParkingShockCheckBox,     "etcOverwriteParkingShockCheckBox") \
    X(EtcOverwriteManualCheckBox,           "etcOverwriteManualCheckBox") \
    X(EtcSecurityLEDRadioGroup,             "etcSecurityLEDRadioGroup") \
    X(EtcSecurityLEDDescriptionTitleLabel,  "etcSecurityLEDDescriptionTitleLabel") \
    X(EtcSecurityLEDMode1Label,             "etcSecurityLEDMode1Label") \
    X(EtcSecurityLEDMode2Label,             "etcSecurityLEDMode2Label") \
    X(EtcMemoryPartitionRadioGroup,         "etcMemoryPartitionRadioGroup") \
    X(EtcMemoryPartitionGraph,              "etcMemoryPartitionGraph") \
    X(EtcMemoryPartitionAlwaysLabel,        "etcMemoryPartitionAlwaysLabel") \
    X(EtcMemoryPartitionAlwaysShockLabel,   "etcMemoryPartitionAlwaysShockLabel") \
    X(EtcMemoryPartitionParkingMotionLabel, "etcMemoryPartitionParkingMotionLabel") \
    X(EtcMemoryPartitionParkingShockLabel,  "etcMemoryPartitionParkingShockLabel") \
    X(EtcMemoryPartitionManualLabel,        "etcMemoryPartitionManualLabel") \
    X(EtcMemoryCardFormatButton,            "etcMemoryCardFormatButton") \
    X(EtcInitializeTouchButton,             "etcInitializeTouchButton") \
    /* the text-file editor */ \
    X(MemoryPartitionRadioGroup,            "memoryPartitionRadioGroup") \
    X(MemoryPartitionGraph,                 "memoryPartitionGraph") \
    X(MemoryPartitionContinuousLabel,       "memoryPartitionContinuousLabel") \
    X(MemoryPartitionEventLabel,            "memoryPartitionEventLabel") \
    X(MemoryPartitionParkLabel,             "memoryPartitionParkLabel") \
    X(MemoryPartitionManualLabel,           "memoryPartitionManualLabel") \
    X(ParkingModeVoltageRadioGroup,         "parkingModeVoltageRadioGroup") \
    X(ParkingModeUseDescTextField,          "parkingModeUseDescTextField") \
    X(ParkingModeUnuseDescTextField,        "parkingModeUnuseDescTextField") \
    X(DateTimeCheckBox,                     "dateTimeCheckBox") \
    X(DateTimeDatePicker,                   "dateTimeDatePicker") \
    X(DateTimeCurrentTimeButton,            "dateTimeCurrentTimeButton") \
    X(LanguageRadioGroup,                   "languageRadioGroup") \
    X(TimeZoneComboBox,                     "timeZoneComboBox") \
    X(DstRadioGroup,                        "dstRadioGroup") \
    X(SpeedUnitRadioGroup,                  "speedUnitRadioGroup") \
    X(VoiceRecordRadioGroup,                "voiceRecordRadioGroup") \
    X(VoiceGuidanceRadioGroup,              "voiceGuidanceRadioGroup") \
    X(VoiceGuidanceSlider,                  "voiceGuidanceSlider") \
    X(ImpactSensitivitySlider,              "impactSensitivitySlider") \
    X(MotionSensitivitySlider,              "motionSensitivitySlider") \
    X(SecurityLEDRadioGroup,                "securityLEDRadioGroup") \
    X(ModelNameTextField,                   "modelNameTextField") \
    X(ModelValueTextField,                  "modelValueTextField") \
    X(FirmwareNameTextField,                "firmwareNameTextField") \
    X(FirmwareValueTextField,               "firmwareValueTextField")
// clang-format on

namespace drovik::form {

enum class SectionId {
#define DROVIK_FORM_ID(id, name) id,
    DROVIK_FORM_SECTIONS(DROVIK_FORM_ID)
};

enum class ControlId {
    DROVIK_FORM_CONTROLS(DROVIK_FORM_ID)
#undef DROVIK_FORM_ID
};

#define DROVIK_FORM_NAME(id, name) name,
inline constexpr std::array kSectionNames = {DROVIK_FORM_SECTIONS(DROVIK_FORM_NAME)};
inline constexpr std::array kControlNames = {DROVIK_FORM_CONTROLS(DROVIK_FORM_NAME)};
#undef DROVIK_FORM_NAME

inline constexpr std::size_t kSectionCount = kSectionNames.size();
inline constexpr std::size_t kControlCount = kControlNames.size();

constexpr const char *sectionName(SectionId id) { return kSectionNames[std::size_t(id)]; }
constexpr const char *controlName(ControlId id) { return kControlNames[std::size_t(id)]; }

// The control a name from outside stands for; none for a name no editor has.
std::optional<ControlId> controlNamed(QStringView name);

} // namespace drovik::form
