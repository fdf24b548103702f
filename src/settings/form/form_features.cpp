// What each family has of the one layout: sections shown or hidden, option columns trimmed,
// slider ranges and the texts of their guides. Sections the layout leaves to a family stay as
// the layout has them (see buildLayout).
#include "settings/form/record_setting_form.h"
#include "settings/form/form_texts.h"

namespace drovik::form {

using namespace formtext;
using enum ControlId;
using enum SectionId;

namespace {


QStringList numbers(int from, int to)
{
    QStringList list;
    for (int i = from; i <= to; ++i)
        list.append(QString::number(i));
    return list;
}

QStringList texts(std::initializer_list<const char *> items)
{
    QStringList list;
    for (const char *item : items)
        list.append(QString::fromUtf8(item));
    return list;
}

const QString kVGA = s("VGA (640 x 480)");
const QString kHD = s("HD (1280 x 720)");
const QString kFHD = s("FHD (1920 x 1080)");

} // namespace

void RecordSettingForm::applyModelFeatures()
{
    const Family f = familyOf();
    if (f == Family::None)
        return; // no mapping: the layout as it is
    // Shared by every family that has a mapping.
    setSectionShown(CommonDateFormatView, f == Family::K210);
    setEnabled(CommonVideoDateFormatRadioGroup, f == Family::K210);
    setSectionShown(EtcMemoryCardFormatView, false);
    setSectionShown(EtcInitializeTouchView, f == Family::V470);
    setSectionShown(CommonDrivingGuideView, f == Family::R640);
    setSectionShown(AlwaysWDRView, f == Family::V820 || f == Family::R930);
    if (isSecondGeneration())
        applySecondGenerationFeatures(f);
    else
        applyFirstGenerationFeatures(f);
    applyGuideTexts();
    applyMainLanguageSetting(); // row counts changed: their titles follow
}

void RecordSettingForm::applyFirstGenerationFeatures(Family f)
{
    setControlShown(CommonRearBrightnessSlider, false);
    setSectionShown(CommonTimeView, modelRow().clockFile);
    for (const SectionId id : {CommonLCDBrightnessView, CommonLCDOffTimerView})
        setSectionShown(id, f == Family::V470);
    for (const SectionId id :
         {CommonSpeedStampView, AlwaysDrivingGuideView, AlwaysVehicleTypeView, AlwaysLDWSView,
          AlwaysLDWSSensitivityView, AlwaysLDWSSpeedView, AlwaysFCWSView, AlwaysFCWSSensitivityView,
          AlwaysFVDWView,
          // The first generation's mappings neither fill nor store the night vision.
          ParkingSuperNightVisionView})
        setSectionShown(id, false);
    setControlShown(AlwaysLDWSRightSensitivitySlider, false);

    struct Tab { ControlId front, rear, rearQuality, frameRate; bool parking; };
    for (const Tab &tab : {Tab{AlwaysRadioGroupFrontResolution, AlwaysRadioGroupRearResolution,
                               AlwaysRadioGroupRearQuality, AlwaysRadioGroupFrameRate, false},
                           Tab{ParkingFrontResolutionRadioGroup, ParkingRearResolutionRadioGroup,
                               ParkingRearQualityRadioGroup, ParkingFrameRateRadioGroup, true}}) {
        const ControlId front = tab.front;
        const ControlId frameRate = tab.frameRate;
        if (f == Family::K210) {
            setCellCount(front, 2);
            setCellTitles(front, {kVGA, kHD});
            setControlShown(tab.rear, false);
            setControlShown(tab.rearQuality, false);
            setCellCount(frameRate, 2); // its titles are localised texts
        } else if (f == Family::R640) {
            setCellTitles(front, {kVGA, kHD, kFHD});
            setCellTitles(tab.rear, {kVGA, kHD});
            setCellTitles(frameRate, texts({"10fps", "15fps", "30fps"}));
        } else {
            setCellCount(front, 2);
            setCellTitles(front, {kHD, kFHD});
            setCellTitles(tab.rear, {kVGA, kHD});
            setCellCount(frameRate, 2);
            setCellTitles(frameRate, tab.parking ? texts({"15fps", "30fps"}) : texts({"20fps", "30fps"}));
        }
    }
    ctl(CommonDrivingGuideRadioGroup).horizontal = f == Family::V470; // columns there
    setSectionShown(AlwaysQualityView, f != Family::V470);
    setSectionShown(ParkingQualityView, f != Family::V470);
    setSectionShown(ParkingTimeLimitView36x, f != Family::R640);
    setSectionShown(ParkingTimeLimitView36o, f == Family::R640);
}

void RecordSettingForm::applySecondGenerationFeatures(Family f)
{
    const CameraModel &model = modelRow();
    const bool a = hasDriverAssistance();
    const bool resolution = f != Family::V820 && manager().set_resolution() != 0;
    const bool lcd = f == Family::V820 || f == Family::V560;

    setControlShown(CommonRearBrightnessSlider, f == Family::V820 || f == Family::R930);
    setSectionShown(CommonAudioRecordView, false);
    setControlShown(CommonVoiceMentRadioGroup, false);
    setRange(CommonVoiceMentSlider, 0, 3);
    setSectionShown(CommonTimeView, model.clockFile);
    setSectionShown(CommonLCDBrightnessView, lcd);
    setSectionShown(CommonLCDOffTimerView, lcd);
    if (lcd) {
        setRange(CommonLCDBrightnessSlider, 0, 2);
        setCellCount(CommonLCDOffTimerRadioGroup, 3);
    }
    setSectionShown(CommonSpeedStampView, hasSpeedStamp());

    setSectionShown(AlwaysResolutionView, resolution);
    for (const ControlId id : {AlwaysRadioGroupFrontResolution, AlwaysRadioGroupRearResolution}) {
        setCellCount(id, 2);
        setCellTitles(id, {kHD, kFHD});
    }
    for (const SectionId id : {AlwaysFrameRateView, AlwaysQualityView, ParkingResolutionView,
                               ParkingFrameRateView, ParkingQualityView})
        setSectionShown(id, false);
    setRange(AlwaysShockSensitivitySlider, 1, 5);
    setRange(ParkingShockSensitivitySlider, 1, 5);
    setSectionShown(AlwaysDrivingGuideView, model.drivingGuide);
    setSectionShown(AlwaysDrivingGuideSubView, model.mobileCameraAlerts);
    const bool adas = (f == Family::V820 && a) || f == Family::R930;
    for (const SectionId id : {AlwaysVehicleTypeView, AlwaysLDWSView, AlwaysLDWSSensitivityView,
                               AlwaysLDWSSpeedView, AlwaysFCWSView, AlwaysFCWSSensitivityView})
        setSectionShown(id, adas);
    if (f == Family::R930)
        setControlShown(AlwaysLDWSRightSensitivitySlider, !model.oneLaneSlider);
    else if (f != Family::V820)
        setControlShown(AlwaysLDWSRightSensitivitySlider, false);
    setSectionShown(AlwaysFVDWView, f == Family::V820 && a);

    if (isThreeRowParking()) {
        setCellCount(ParkingModeRadioGroup, 3);
        setControlShown(ParkingModeUseDescriptionLabel, false);
        setControlShown(ParkingModeNoUseDescriptionLabel, false);
    } else {
        setSectionShown(ParkingSuperNightVisionView, false);
    }
    setControlShown(ParkingMotionRadioGroup, false);
    setRange(ParkingMotionSlider, 0, 3);
    setRange(ParkingTimeLimitSlider36x, 1, 4);

    if (model.securityLed == SecurityLed::Rotation) {
        setControlShown(EtcSecurityLEDMode1Label, false);
        setControlShown(EtcSecurityLEDMode2Label, false);
    }
    if (model.securityLed == SecurityLed::OnlyMode2) {
        FormControl &led = ctl(EtcSecurityLEDRadioGroup);
        led.items[0].enabled = false;
        led.items[2].enabled = false;
    }
    setSectionShown(EtcSecurityLEDView, model.securityLed != SecurityLed::None);
}

// The texts above the thumb, one per position, and the fixed texts under the track.
void RecordSettingForm::applyGuideTexts()
{
    const bool second = isSecondGeneration();
    const auto guides = [this](ControlId id, const QStringList &labels) {
        ctl(id).guideLabels = labels;
    };
    const auto descriptions = [this](ControlId id, const QStringList &labels) {
        ctl(id).descriptions = labels;
    };
    const QStringList impact = second ? numbers(1, 5) : numbers(1, 10);
    guides(AlwaysShockSensitivitySlider, impact);
    guides(ParkingShockSensitivitySlider, impact);
    guides(CommonVoiceMentSlider, second ? numbers(0, 3) : numbers(1, 6));
    descriptions(CommonVoiceMentSlider, second ? numbers(0, 3) : numbers(1, 6));
    const int lcdMaximum = ctl(CommonLCDBrightnessSlider).maximum;
    guides(CommonLCDBrightnessSlider, numbers(0, lcdMaximum));
    descriptions(CommonLCDBrightnessSlider, lcdMaximum == 2 ? numbers(0, 2) : texts({"0", "5", "10"}));
    for (const ControlId id : {CommonFrontBrightnessSlider, CommonRearBrightnessSlider})
        guides(id, texts({"-1", "0", "+1"}));
    for (const ControlId id : {AlwaysLDWSSensitivitySlider, AlwaysLDWSRightSensitivitySlider,
                               AlwaysFCWSSensitivitySlider}) {
        guides(id, numbers(1, 3));
        descriptions(id, numbers(1, 3));
    }
    const QStringList motion = second ? texts({"OFF", "1", "3", "5"}) : texts({"1", "3", "5"});
    guides(ParkingMotionSlider, motion);
    descriptions(ParkingMotionSlider, motion);
    const QStringList hours36x = second ? texts({"6", "12", "24", "48"})
                                        : texts({"1", "2", "4", "6", "12", "24", "48"});
    guides(ParkingTimeLimitSlider36x, hours36x);
    descriptions(ParkingTimeLimitSlider36x, hours36x);
    const QStringList hours36o = texts({"1", "2", "4", "6", "12", "24", "36", "48"});
    guides(ParkingTimeLimitSlider36o, hours36o);
    descriptions(ParkingTimeLimitSlider36o, hours36o);
    QStringList volts12;
    QStringList volts24;
    for (int i = 0; i < 8; ++i) {
        volts12.append(QString::number((116 + i) / 10.0, 'f', 1) + s("V"));
        volts24.append(QString::number((232 + 2 * i) / 10.0, 'f', 1) + s("V"));
    }
    guides(ParkingBatteryOff12VSlider, volts12);
    guides(ParkingBatteryOff24VSlider, volts24);
    // Eight voltages a tenth apart: too many to print under the track, and the cut-off is read
    // as a number, so it stays shown beside it.
    for (const ControlId id : {ParkingBatteryOff12VSlider, ParkingBatteryOff24VSlider})
        ctl(id).showsValue = true;
}

} // namespace drovik::form
