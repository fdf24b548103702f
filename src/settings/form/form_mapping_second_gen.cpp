// Record fields to controls and back for the second generation (the V820, R930, V560 and R60
// families): voice volume as one four-position slider, the LCD, the speed stamp, the
// driver-assistance group, the two- and three-row parking mode and its five-position sliders.
#include "settings/form/record_setting_form.h"
#include "settings/form/form_texts.h"

#include <optional>
#include <utility>

namespace drovik::form {

using namespace formtext;
using enum ControlId;
using enum SectionId;

namespace {


int indexIn(const QList<int> &codes, int value)
{
    const qsizetype i = codes.indexOf(value);
    return i < 0 ? -1 : int(i);
}

std::optional<int> codeAt(const QList<int> &codes, int index)
{
    if (index < 0 || index >= int(codes.size()))
        return std::nullopt;
    return codes.at(index);
}

const QList<int> kOffTimerMilliseconds = {30000, 600000, 0};
const QList<int> kMotionCodes = {0, 1, 3, 5};       // slider positions 0..3
const QList<int> kTimeLimitHours = {6, 12, 24, 48}; // slider positions 1..4
constexpr int kImpactPositions = 5;

bool inRange(int value, int low, int high) { return value >= low && value <= high; }

// The brightness sliders run dark to light while the record counts the other way.
int reversed(int value) { return 2 - value; }

// Off-row: only an explicit 0 means off.
int offRow(int value) { return value == 0 ? 1 : 0; }
int offRowCode(int row) { return row == 1 ? 0 : 1; }

// HD is code 2, FHD code 3; anything else shows FHD.
int resolutionColumn(int code) { return code == 2 || code == 3 ? code - 2 : 1; }
int resolutionCode(int column) { return column == 0 ? 2 : 3; }

} // namespace

bool RecordSettingForm::hasDriverAssistance() const
{
    return drovik::hasDriverAssistance(modelType(), manager().firmwareVersionInt());
}

bool RecordSettingForm::hasSpeedStamp() const { return modelRow().speedStamp; }

// The R930 family always maps its resolution; the V560 and R60 families map it when they show
// it, since a shown control that stores nothing would lose the user's choice.
bool RecordSettingForm::mapsResolution() const
{
    const Family f = familyOf();
    if (f == Family::R930)
        return true;
    const FormSection *resolution = section(AlwaysResolutionView);
    return (f == Family::V560 || f == Family::R60) && resolution && resolution->visible;
}

void RecordSettingForm::applySecondGenerationSettingData(Family f)
{
    applySecondGenerationCommonData(f);
    applySecondGenerationContinuousData(f);
    applySecondGenerationParkingData();
}

void RecordSettingForm::saveSecondGenerationSettingData(Family f)
{
    saveSecondGenerationCommonData(f);
    saveSecondGenerationContinuousData(f);
    saveSecondGenerationParkingData();
}

// --- Common tab -----------------------------------------------------------------------------

void RecordSettingForm::applySecondGenerationCommonData(Family f)
{
    const R640SettingManager &m = manager();
    if (inRange(m.rear_brightness(), 0, 2))
        setPosition(CommonRearBrightnessSlider, reversed(m.rear_brightness()));
    // One slider carries both fields: volume 0 is the announcements switched off.
    const ControlId voice = CommonVoiceMentSlider;
    if (inRange(m.audio_ment_volume(), 0, 3))
        setPosition(voice, m.audio_ment_volume());
    if (m.voice_ment() == 0)
        setPosition(voice, 0);
    if (f != Family::R930) {
        if (inRange(m.lcd_brightness(), 0, 2))
            setPosition(CommonLCDBrightnessSlider, m.lcd_brightness());
        const int row = indexIn(kOffTimerMilliseconds.mid(0, 2), m.lcd_off_timer());
        select(CommonLCDOffTimerRadioGroup, row < 0 ? 2 : row);
    }
    if (hasSpeedStamp())
        select(CommonSpeedStampRadioGroup, m.speed_stamp() != 0 ? 0 : 1);
}

void RecordSettingForm::saveSecondGenerationCommonData(Family f)
{
    R640SettingManager &m = manager();
    m.setRear_brightness(reversed(position(CommonRearBrightnessSlider)));
    const int volume = position(CommonVoiceMentSlider);
    m.setAudio_ment_volume(volume);
    m.setVoice_ment(volume != 0 ? 1 : 0);
    if (f != Family::R930) {
        m.setLcd_brightness(position(CommonLCDBrightnessSlider));
        m.setLcd_off_timer(codeAt(kOffTimerMilliseconds, selected(CommonLCDOffTimerRadioGroup)).value_or(0));
    }
    if (hasSpeedStamp())
        m.setSpeed_stamp(selected(CommonSpeedStampRadioGroup) == 0 ? 1 : 0);
}

// --- Continuous-recording tab ---------------------------------------------------------------

void RecordSettingForm::applySecondGenerationContinuousData(Family f)
{
    const R640SettingManager &m = manager();
    const auto useOff = [this](ControlId id, int value) { select(id, value == 1 ? 0 : 1); };
    if (mapsResolution()) {
        select(AlwaysRadioGroupFrontResolution, resolutionColumn(m.front_resolution()));
        // The rear starts from the record's own column, so that leaving HD at the front gives
        // it back after the front forced it.
        FormControl &rear = ctl(AlwaysRadioGroupRearResolution);
        rear.enabled = true;
        rear.selected = resolutionColumn(m.rear_resolution());
        m_rearResolutionBeforeForce = -1;
        frontResolutionTouched();
    }
    if (inRange(m.acceleration_sensor(), 1, kImpactPositions))
        setPosition(AlwaysShockSensitivitySlider, m.acceleration_sensor());
    useOff(AlwaysDrivingGuideRadioGroup, m.enable_driving_guide());
    if (f == Family::R60)
        useOff(AlwaysDrivingGuideSubRadioGroup, m.mobile_safety_cam_alert());
    useOff(AlwaysWDRRadioGroup, m.wdr());
    if (hasDriverAssistance())
        applyDriverAssistanceData();
    if (f == Family::V820 && hasDriverAssistance())
        select(AlwaysFVDWRadioGroup, offRow(m.fcmd_onoff()));
}

void RecordSettingForm::saveSecondGenerationContinuousData(Family f)
{
    R640SettingManager &m = manager();
    const auto useOff = [this](ControlId id) { return selected(id) == 0 ? 1 : 0; };
    if (mapsResolution()) {
        m.setFront_resolution(resolutionCode(selected(AlwaysRadioGroupFrontResolution)));
        m.setRear_resolution(resolutionCode(selected(AlwaysRadioGroupRearResolution)));
    }
    m.setAcceleration_sensor(position(AlwaysShockSensitivitySlider));
    m.setEnable_driving_guide(useOff(AlwaysDrivingGuideRadioGroup));
    if (f == Family::R60)
        m.setMobile_safety_cam_alert(useOff(AlwaysDrivingGuideSubRadioGroup));
    m.setWdr(useOff(AlwaysWDRRadioGroup));
    if (hasDriverAssistance())
        saveDriverAssistanceData();
    // The forward-vehicle switch is written by every V820, also where it is not shown.
    if (f == Family::V820)
        m.setFcmd_onoff(offRowCode(selected(AlwaysFVDWRadioGroup)));
}

// Vehicle type, lane departure and forward collision.
void RecordSettingForm::applyDriverAssistanceData()
{
    const R640SettingManager &m = manager();
    const auto capped = [this](ControlId id, int value) {
        if (value >= 0)
            setPosition(id, qMin(value, 2));
    };
    const int vehicle = m.adas_car_high();
    select(AlwaysVehicleTypeRadioGroup, inRange(vehicle, 0, 2) ? vehicle : 0);
    select(AlwaysLDWSRadioGroup, offRow(m.ldws_onoff()));
    if (modelRow().oneLaneSlider) {
        capped(AlwaysLDWSSensitivitySlider, m.ldws_depart_Sensitivity());
    } else {
        capped(AlwaysLDWSSensitivitySlider, m.ldws_left_depart_Sensitivity());
        capped(AlwaysLDWSRightSensitivitySlider, m.ldws_right_depart_Sensitivity());
    }
    const int speed = m.ldws_depart_speed();
    select(AlwaysLDWSSpeedRadioGroup, inRange(speed, 0, 3) ? speed : 2);
    select(AlwaysFCWSRadioGroup, offRow(m.fcws_onoff()));
    capped(AlwaysFCWSSensitivitySlider, m.fcws_frontal_sensitivity());
}

void RecordSettingForm::saveDriverAssistanceData()
{
    R640SettingManager &m = manager();
    const auto capped = [this](ControlId id) { return qMin(position(id), 2); };
    const int vehicle = selected(AlwaysVehicleTypeRadioGroup);
    m.setAdas_car_high(inRange(vehicle, 0, 2) ? vehicle : 0);
    m.setLdws_onoff(offRowCode(selected(AlwaysLDWSRadioGroup)));
    if (modelRow().oneLaneSlider) {
        // One slider for both sides: the camera reads any of the three fields.
        const int sensitivity = capped(AlwaysLDWSSensitivitySlider);
        m.setLdws_depart_Sensitivity(sensitivity);
        m.setLdws_left_depart_Sensitivity(sensitivity);
        m.setLdws_right_depart_Sensitivity(sensitivity);
    } else {
        m.setLdws_left_depart_Sensitivity(capped(AlwaysLDWSSensitivitySlider));
        m.setLdws_right_depart_Sensitivity(capped(AlwaysLDWSRightSensitivitySlider));
    }
    const int speed = selected(AlwaysLDWSSpeedRadioGroup);
    m.setLdws_depart_speed(inRange(speed, 0, 3) ? speed : 2);
    m.setFcws_onoff(offRowCode(selected(AlwaysFCWSRadioGroup)));
    m.setFcws_frontal_sensitivity(capped(AlwaysFCWSSensitivitySlider));
}

// --- Parking tab ----------------------------------------------------------------------------

void RecordSettingForm::applySecondGenerationParkingData()
{
    const R640SettingManager &m = manager();
    const int mode = m.parking_mode_set();
    // Filling sets every parking slider's state from the row, as answering the question does:
    // after Reset a slider disabled by an earlier "off" comes back with the mode.
    if (isThreeRowParking()) {
        const int row = mode == 1 ? 0 : mode == 2 ? 1 : 2; // motion, time lapse, off
        select(ParkingModeRadioGroup, row);
        setParkingSlidersEnabled(row != 2, row == 0, row != 2);
        select(ParkingSuperNightVisionRadioGroup, m.parking_night_vision() != 0 ? 0 : 1);
    } else {
        const bool on = mode == 1;
        select(ParkingModeRadioGroup, on ? 0 : 1);
        setParkingSlidersEnabled(on, on, on);
    }
    // The record keeps the first generation's ten levels; beyond five the slider shows its end.
    if (inRange(m.parking_acceleration_sensor(), 1, 10))
        setPosition(ParkingShockSensitivitySlider, qMin(m.parking_acceleration_sensor(), kImpactPositions));
    const int motion = indexIn(kMotionCodes, m.parking_motion_sensitivity());
    setPosition(ParkingMotionSlider, motion < 0 ? 2 : motion);
    if (const int i = indexIn(kTimeLimitHours, m.parking_time_limit()); i >= 0)
        setPosition(ParkingTimeLimitSlider36x, i + 1);
    const std::pair<ControlId, int> batteries[] = {
        {ParkingBatteryOff12VSlider, m.battery_12v_R_off()},
        {ParkingBatteryOff24VSlider, m.battery_24v_R_off()}};
    for (const auto &[id, value] : batteries) {
        if (inRange(value, 0, 7))
            setPosition(id, value);
    }
}

void RecordSettingForm::saveSecondGenerationParkingData()
{
    R640SettingManager &m = manager();
    const int row = selected(ParkingModeRadioGroup);
    if (isThreeRowParking()) {
        m.setParking_mode_set(row == 0 ? 1 : row == 1 ? 2 : 0);
        m.setParking_night_vision(selected(ParkingSuperNightVisionRadioGroup) == 0 ? 1 : 0);
    } else {
        m.setParking_mode_set(row == 0 ? 1 : 0);
    }
    m.setParking_acceleration_sensor(position(ParkingShockSensitivitySlider));
    m.setParking_motion_sensitivity(codeAt(kMotionCodes, position(ParkingMotionSlider)).value_or(3));
    if (const auto hours = codeAt(kTimeLimitHours, position(ParkingTimeLimitSlider36x) - 1))
        m.setParking_time_limit(*hours);
    m.setBattery_12v_R_off(position(ParkingBatteryOff12VSlider));
    m.setBattery_24v_R_off(position(ParkingBatteryOff24VSlider));
}

} // namespace drovik::form
