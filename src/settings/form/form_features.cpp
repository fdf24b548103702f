// What each family has of the one layout: sections shown or hidden, option columns trimmed,
// slider ranges and the texts of their guides. Sections the layout leaves to a family stay as
// the layout has them (see buildLayout).
#include "settings/form/record_setting_form.h"
#include "settings/form/form_texts.h"

namespace drovik::form {

using namespace formtext;

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
    setSectionShown(s("commonDateFormatView"), f == Family::K210);
    setEnabled(s("commonVideoDateFormatRadioGroup"), f == Family::K210);
    setSectionShown(s("etcMemoryCardFormatView"), false);
    setSectionShown(s("etcInitializeTouchView"), f == Family::V470);
    setSectionShown(s("commonDrivingGuideView"), f == Family::R640);
    setSectionShown(s("alwaysWDRView"), f == Family::V820 || f == Family::R930);
    if (isSecondGeneration())
        applySecondGenerationFeatures(f);
    else
        applyFirstGenerationFeatures(f);
    applyGuideTexts();
    applyMainLanguageSetting(); // row counts changed: their titles follow
}

void RecordSettingForm::applyFirstGenerationFeatures(Family f)
{
    setControlShown(s("commonRearBrightnessSlider"), false);
    setSectionShown(s("commonTimeView"), f != Family::R640);
    for (const char *name : {"commonLCDBrightnessView", "commonLCDOffTimerView"})
        setSectionShown(s(name), f == Family::V470);
    for (const char *name :
         {"commonSpeedStampView", "alwaysDrivingGuideView", "alwaysVehicleTypeView",
          "alwaysLDWSView", "alwaysLDWSSensitivityView", "alwaysLDWSSpeedView", "alwaysFCWSView",
          "alwaysFCWSSensitivityView", "alwaysFVDWView",
          // The first generation's mappings neither fill nor store the night vision.
          "parkingSuperNightVisionView"})
        setSectionShown(s(name), false);
    setControlShown(s("alwaysLDWSRightSensitivitySlider"), false);

    struct Tab { const char *front, *rear, *rearQuality, *frameRate; bool parking; };
    for (const Tab &tab : {Tab{"alwaysRadioGroupFrontResolution", "alwaysRadioGroupRearResolution",
                               "alwaysRadioGroupRearQuality", "alwaysRadioGroupFrameRate", false},
                           Tab{"parkingFrontResolutionRadioGroup", "parkingRearResolutionRadioGroup",
                               "parkingRearQualityRadioGroup", "parkingFrameRateRadioGroup", true}}) {
        const QString front = s(tab.front);
        const QString frameRate = s(tab.frameRate);
        if (f == Family::K210) {
            setCellCount(front, 2);
            setCellTitles(front, {kVGA, kHD});
            setControlShown(s(tab.rear), false);
            setControlShown(s(tab.rearQuality), false);
            setCellCount(frameRate, 2); // its titles are localised texts
        } else if (f == Family::R640) {
            setCellTitles(front, {kVGA, kHD, kFHD});
            setCellTitles(s(tab.rear), {kVGA, kHD});
            setCellTitles(frameRate, texts({"10fps", "15fps", "30fps"}));
        } else {
            setCellCount(front, 2);
            setCellTitles(front, {kHD, kFHD});
            setCellTitles(s(tab.rear), {kVGA, kHD});
            setCellCount(frameRate, 2);
            setCellTitles(frameRate, tab.parking ? texts({"15fps", "30fps"}) : texts({"20fps", "30fps"}));
        }
    }
    ctl(s("commonDrivingGuideRadioGroup")).horizontal = f == Family::V470; // columns there
    setSectionShown(s("alwaysQualityView"), f != Family::V470);
    setSectionShown(s("parkingQualityView"), f != Family::V470);
    setSectionShown(s("parkingTimelimitView_36x"), f != Family::R640);
    setSectionShown(s("parkingTimelimitView_36o"), f == Family::R640);
}

void RecordSettingForm::applySecondGenerationFeatures(Family f)
{
    const ModelType type = modelType();
    const bool a = manager().firmwareVersionInt() >= 17 || type == Model::V880;
    const bool resolution = f != Family::V820 && manager().set_resolution() != 0;
    const bool lcd = f == Family::V820 || f == Family::V560;

    setControlShown(s("commonRearBrightnessSlider"), f == Family::V820 || f == Family::R930);
    setSectionShown(s("commonAudioRecordView"), false);
    setControlShown(s("commonVoiceMentRadioGroup"), false);
    setRange(s("commonVoiceMentSlider"), 0, 3);
    setSectionShown(s("commonTimeView"), f == Family::V560 || f == Family::R60);
    setSectionShown(s("commonLCDBrightnessView"), lcd);
    setSectionShown(s("commonLCDOffTimerView"), lcd);
    if (lcd) {
        setRange(s("commonLCDBrighnessSlider"), 0, 2);
        setCellCount(s("commonLCDOffTimerRadioGroup"), 3);
    }
    setSectionShown(s("commonSpeedStampView"),
                    type == Model::V880 || type == Model::R970 || type == Model::RB740
                        || f == Family::V560 || f == Family::R60);

    setSectionShown(s("alwaysResolutionView"), resolution);
    for (const char *name : {"alwaysRadioGroupFrontResolution", "alwaysRadioGroupRearResolution"}) {
        setCellCount(s(name), 2);
        setCellTitles(s(name), {kHD, kFHD});
    }
    for (const char *name : {"alwaysFrameRateView", "alwaysQualityView", "parkingResolutionView",
                             "parkingFrameRateView", "parkingQualityView"})
        setSectionShown(s(name), false);
    setRange(s("alwaysShockSensitivitySlider"), 1, 5);
    setRange(s("parkingShockSensitivitySlider"), 1, 5);
    setSectionShown(s("alwaysDrivingGuideView"),
                    f == Family::V820 || f == Family::R930 || (f == Family::R60 && type != Model::RM30)
                        || type == Model::V530 || type == Model::V560);
    setSectionShown(s("alwaysDrivingGuideSubView"), type == Model::R120 || type == Model::QT_K9_PN);
    const bool adas = (f == Family::V820 && a) || f == Family::R930;
    for (const char *name : {"alwaysVehicleTypeView", "alwaysLDWSView", "alwaysLDWSSensitivityView",
                             "alwaysLDWSSpeedView", "alwaysFCWSView", "alwaysFCWSSensitivityView"})
        setSectionShown(s(name), adas);
    if (f == Family::R930)
        setControlShown(s("alwaysLDWSRightSensitivitySlider"), type != Model::R930);
    else if (f != Family::V820)
        setControlShown(s("alwaysLDWSRightSensitivitySlider"), false);
    setSectionShown(s("alwaysFVDWView"), f == Family::V820 && a);

    if (isThreeRowParking()) {
        setCellCount(s("parkingModeRadioGroup"), 3);
        setControlShown(s("parkingModeUseDescriptionLabel"), false);
        setControlShown(s("parkingModeNoUseDescriptionLabel"), false);
    } else {
        setSectionShown(s("parkingSuperNightVisionView"), false);
    }
    setControlShown(s("parkingMotionRadioGroup"), false);
    setRange(s("parkingMotionSlider"), 0, 3);
    setRange(s("parkingTimeLimitSlider_36x"), 1, 4);

    if (f == Family::V820) {
        setControlShown(s("etcSecurityLEDMode1Label"), false);
        setControlShown(s("etcSecurityLEDMode2Label"), false);
    }
    if (f == Family::V560) {
        FormControl &led = ctl(s("etcSecurityLEDRadioGroup"));
        led.items[0].enabled = false;
        led.items[2].enabled = false;
    }
    setSectionShown(s("etcSecurityLEDView"), f != Family::R60);
}

// The texts above the thumb, one per position, and the fixed texts under the track.
void RecordSettingForm::applyGuideTexts()
{
    const bool second = isSecondGeneration();
    const auto guides = [this](const char *name, const QStringList &labels) {
        ctl(s(name)).guideLabels = labels;
    };
    const auto descriptions = [this](const char *name, const QStringList &labels) {
        ctl(s(name)).descriptions = labels;
    };
    const QStringList impact = second ? numbers(1, 5) : numbers(1, 10);
    guides("alwaysShockSensitivitySlider", impact);
    guides("parkingShockSensitivitySlider", impact);
    guides("commonVoiceMentSlider", second ? numbers(0, 3) : numbers(1, 6));
    descriptions("commonVoiceMentSlider", second ? numbers(0, 3) : numbers(1, 6));
    const int lcdMaximum = ctl(s("commonLCDBrighnessSlider")).maximum;
    guides("commonLCDBrighnessSlider", numbers(0, lcdMaximum));
    descriptions("commonLCDBrighnessSlider", lcdMaximum == 2 ? numbers(0, 2) : texts({"0", "5", "10"}));
    for (const char *name : {"commonFrontBrightnessSlider", "commonRearBrightnessSlider"})
        guides(name, texts({"-1", "0", "+1"}));
    for (const char *name : {"alwaysLDWSSensitivitySlider", "alwaysLDWSRightSensitivitySlider",
                             "alwaysFCWSSensitivitySlider"}) {
        guides(name, numbers(1, 3));
        descriptions(name, numbers(1, 3));
    }
    const QStringList motion = second ? texts({"OFF", "1", "3", "5"}) : texts({"1", "3", "5"});
    guides("parkingMotionSlider", motion);
    descriptions("parkingMotionSlider", motion);
    const QStringList hours36x = second ? texts({"6", "12", "24", "48"})
                                        : texts({"1", "2", "4", "6", "12", "24", "48"});
    guides("parkingTimeLimitSlider_36x", hours36x);
    descriptions("parkingTimeLimitSlider_36x", hours36x);
    const QStringList hours36o = texts({"1", "2", "4", "6", "12", "24", "36", "48"});
    guides("parkingTimeLimitSlider_36o", hours36o);
    descriptions("parkingTimeLimitSlider_36o", hours36o);
    QStringList volts12;
    QStringList volts24;
    for (int i = 0; i < 8; ++i) {
        volts12.append(QString::number((116 + i) / 10.0, 'f', 1) + s("V"));
        volts24.append(QString::number((232 + 2 * i) / 10.0, 'f', 1) + s("V"));
    }
    guides("parkingBatteryOff12VSlider", volts12);
    guides("parkingBatteryOff24VSlider", volts24);
}

} // namespace drovik::form
