// Record fields to controls and back: the dispatch by family, what every family shares (the
// common tab's language, brightness, speed unit and time zone, the extra-functions tab) and
// the first generation's own mapping (K210, R640, V470).
#include "settings/form/record_setting_form.h"
#include "settings/form/form_texts.h"

#include <optional>

namespace drovik::form {

using namespace formtext;
using enum ControlId;
using enum SectionId;

namespace {


// The value's position in a list of codes, -1 when it is not one of them.
int indexIn(const QList<int> &codes, int value)
{
    int i = 0;
    for (int code : codes) {
        if (code == value)
            return i;
        ++i;
    }
    return -1;
}

std::optional<int> codeAt(const QList<int> &codes, int index)
{
    if (index < 0 || index >= int(codes.size()))
        return std::nullopt;
    return *(codes.begin() + index);
}

} // namespace

void RecordSettingForm::applySettingData()
{
    const Family f = familyOf();
    if (f == Family::None)
        return; // no mapping: the controls keep the layout's state
    applyCommonSettingData();
    applyTimeZoneSettingData();
    if (isSecondGeneration())
        applySecondGenerationSettingData(f);
    else
        applyFirstGenerationSettingData(f);
    applyExtraFunctionsSettingData();
    refreshLinkedStates();
    refreshMemoryPartitionGraph();
    emit changed();
}

CardWriteStatus RecordSettingForm::saveData()
{
    const Family f = familyOf();
    if (f == Family::None)
        return CardWriteStatus::NotAttempted;
    R640SettingManager &m = manager();
    m.setProduct_name(productNameForSave());
    saveCommonSettingData();
    saveTimeZoneSettingData();
    if (isSecondGeneration())
        saveSecondGenerationSettingData(f);
    else
        saveFirstGenerationSettingData(f);
    saveExtraFunctionsSettingData();
    return m.saveData();
}

QString RecordSettingForm::productNameForSave() const { return recordProductName(modelType()); }

// --- Shared by every family -----------------------------------------------------------------

void RecordSettingForm::applyCommonSettingData()
{
    const R640SettingManager &m = manager();
    setUserSelectedLanguage(m.cur_language());
    const int brightness = m.front_brightness();
    if (brightness >= 0 && brightness <= 2)
        setPosition(CommonFrontBrightnessSlider, 2 - brightness);
    select(CommonSpeedUnitRadioGroup, m.measurement_unit() == 1 ? 1 : 0);
    if (isSecondGeneration())
        retitleLDWSSpeedRows();
}

void RecordSettingForm::saveCommonSettingData()
{
    R640SettingManager &m = manager();
    // The K210 keeps its own language value; the others take the pop-up's, when it has one.
    if (const qint64 tag = userSelectedLanguage(); familyOf() != Family::K210 && tag >= 0)
        m.setCur_language(qint32(tag));
    m.setFront_brightness(2 - position(CommonFrontBrightnessSlider));
    m.setMeasurement_unit(selected(CommonSpeedUnitRadioGroup) == 1 ? 1 : 0);
}

void RecordSettingForm::applyExtraFunctionsSettingData()
{
    const R640SettingManager &m = manager();
    ctl(EtcOverwriteAlwaysShockCheckBox).checked = m.record_cevent_overwrite() == 1;
    ctl(EtcOverwriteParkingMotionCheckBox).checked = m.record_motion_overwrite() == 1;
    ctl(EtcOverwriteParkingShockCheckBox).checked = m.record_prevent_overwrite() == 1;
    ctl(EtcOverwriteManualCheckBox).checked = m.record_manual_overwrite() == 1;
    const int led = m.security_led_mode();
    const Family f = familyOf();
    if (f == Family::V560 || f == Family::R60) {
        // One mode left on these: any of the three lights shows as it.
        if (led == 0)
            select(EtcSecurityLEDRadioGroup, 3);
        else if (led >= 1 && led <= 3)
            select(EtcSecurityLEDRadioGroup, 1);
    } else if (const int row = indexIn({1, 2, 3, 0}, led); row >= 0) {
        select(EtcSecurityLEDRadioGroup, row);
    }
    if (const int column = indexIn({1, 2, 3}, m.partition_type()); column >= 0)
        select(EtcMemoryPartitionRadioGroup, column);
}

void RecordSettingForm::saveExtraFunctionsSettingData()
{
    R640SettingManager &m = manager();
    m.setRecord_cevent_overwrite(ctl(EtcOverwriteAlwaysShockCheckBox).checked ? 1 : 0);
    m.setRecord_motion_overwrite(ctl(EtcOverwriteParkingMotionCheckBox).checked ? 1 : 0);
    m.setRecord_prevent_overwrite(ctl(EtcOverwriteParkingShockCheckBox).checked ? 1 : 0);
    m.setRecord_manual_overwrite(ctl(EtcOverwriteManualCheckBox).checked ? 1 : 0);
    const int row = selected(EtcSecurityLEDRadioGroup);
    const Family f = familyOf();
    if (f == Family::V560 || f == Family::R60) {
        if (row >= 0 && row <= 3)
            m.setSecurity_led_mode(row == 3 ? 0 : 1);
    } else if (const auto code = codeAt({1, 2, 3, 0}, row)) {
        m.setSecurity_led_mode(*code);
    }
    if (const auto code = codeAt({1, 2, 3}, selected(EtcMemoryPartitionRadioGroup)))
        m.setPartition_type(*code);
}

// --- First generation -----------------------------------------------------------------------

namespace {

// The codes behind the columns of the resolution, frame-rate and quality groups.
struct FirstGenerationCodes {
    QList<int> frontResolution;
    QList<int> frameRate; // empty: the K210's two fixed rates
    QList<int> parkingFrameRate;
};

FirstGenerationCodes codesFor(bool k210, bool r640)
{
    if (k210)
        return {{1, 2}, {}, {}};
    if (r640)
        return {{1, 2, 3}, {1, 2, 3}, {1, 2, 3}};
    return {{2, 3}, {3, 5}, {2, 5}};
}

const QList<int> kQuality = {1, 2, 3};
const QList<int> kRearResolution = {1, 2};
const QList<int> kHours36x = {1, 2, 4, 6, 12, 24, 48};
const QList<int> kHours36o = {1, 2, 4, 6, 12, 24, 36, 48};

} // namespace

void RecordSettingForm::applyFirstGenerationSettingData(Family f)
{
    const R640SettingManager &m = manager();
    const bool k210 = f == Family::K210;
    const FirstGenerationCodes codes = codesFor(k210, f == Family::R640);
    const auto useOff = [this](ControlId id, int value) { select(id, value == 1 ? 0 : 1); };
    const auto list = [this](ControlId id, const QList<int> &codeList, int value) {
        if (const int i = indexIn(codeList, value); i >= 0)
            select(id, i);
    };
    const auto direct = [this](ControlId id, int value) { setPosition(id, value); };
    const auto frameRate = [&](ControlId id, const QList<int> &codeList, int value) {
        if (k210)
            select(id, value == 2 ? 0 : 1);
        else
            list(id, codeList, value);
    };

    useOff(CommonAudioRecordRadioGroup, m.audio_record());
    useOff(CommonVoiceMentRadioGroup, m.voice_ment());
    direct(CommonVoiceMentSlider, m.audio_ment_volume());
    if (k210 && (m.date_format() == 0 || m.date_format() == 1))
        select(CommonVideoDateFormatRadioGroup, m.date_format());
    if (!k210)
        useOff(CommonDrivingGuideRadioGroup, m.enable_driving_guide());
    if (f == Family::V470) {
        direct(CommonLCDBrightnessSlider, m.lcd_brightness());
        const int seconds = m.lcd_off_timer() / 1000;
        const int minutes = seconds / 60;
        const int row = seconds == 0 ? 3 : minutes == 2 ? 0 : minutes == 5 ? 1 : minutes == 10 ? 2 : 3;
        select(CommonLCDOffTimerRadioGroup, row);
    }

    list(AlwaysRadioGroupFrontResolution, codes.frontResolution, m.front_resolution());
    list(ParkingFrontResolutionRadioGroup, codes.frontResolution, m.parking_front_resolution());
    frameRate(AlwaysRadioGroupFrameRate, codes.frameRate, m.front_framerate());
    frameRate(ParkingFrameRateRadioGroup, codes.parkingFrameRate, m.parking_front_framerate());
    list(AlwaysRadioGroupFrontQuality, kQuality, m.front_quality());
    list(ParkingFrontQualityRadioGroup, kQuality, m.parking_front_quality());
    if (!k210) {
        list(AlwaysRadioGroupRearResolution, kRearResolution, m.rear_resolution());
        list(ParkingRearResolutionRadioGroup, kRearResolution, m.parking_rear_resolution());
        list(AlwaysRadioGroupRearQuality, kQuality, m.rear_quality());
        list(ParkingRearQualityRadioGroup, kQuality, m.parking_rear_quality());
    }
    direct(AlwaysShockSensitivitySlider, m.acceleration_sensor());

    useOff(ParkingModeRadioGroup, m.parking_mode_set());
    direct(ParkingShockSensitivitySlider, m.parking_acceleration_sensor());
    useOff(ParkingMotionRadioGroup, m.parking_motion_set());
    const int motion = m.parking_motion_sensitivity();
    setPosition(ParkingMotionSlider, motion == 1 ? 1 : motion == 5 ? 3 : 2);
    if (f == Family::R640) {
        if (const int i = indexIn(kHours36o, m.parking_time_limit()); i >= 0)
            setPosition(ParkingTimeLimitSlider36o, i + 1);
    } else if (const int i = indexIn(kHours36x, m.parking_time_limit()); i >= 0) {
        setPosition(ParkingTimeLimitSlider36x, i + 1);
    }
    direct(ParkingBatteryOff12VSlider, m.battery_12v_R_off());
    direct(ParkingBatteryOff24VSlider, m.battery_24v_R_off());
}

void RecordSettingForm::saveFirstGenerationSettingData(Family f)
{
    R640SettingManager &m = manager();
    const bool k210 = f == Family::K210;
    const FirstGenerationCodes codes = codesFor(k210, f == Family::R640);
    const auto useOff = [this](ControlId id) { return selected(id) == 0 ? 1 : 0; };
    const auto list = [this](ControlId id, const QList<int> &codeList) {
        return codeAt(codeList, selected(id));
    };
    const auto frameRate = [&](ControlId id, const QList<int> &codeList) {
        return k210 ? std::optional(selected(id) == 0 ? 2 : 3) : list(id, codeList);
    };
    const auto pos = [this](ControlId id) { return position(id); };
    // An index-list position outside its list stores nothing for that field.
    const auto store = [](std::optional<int> code, auto setter) {
        if (code)
            setter(*code);
    };

    m.setAudio_record(useOff(CommonAudioRecordRadioGroup));
    m.setVoice_ment(useOff(CommonVoiceMentRadioGroup));
    m.setAudio_ment_volume(pos(CommonVoiceMentSlider));
    if (k210)
        m.setDate_format(selected(CommonVideoDateFormatRadioGroup) == 0 ? 0 : 1);
    else
        m.setEnable_driving_guide(useOff(CommonDrivingGuideRadioGroup));
    if (f == Family::V470) {
        m.setLcd_brightness(pos(CommonLCDBrightnessSlider));
        static constexpr int timers[] = {120000, 300000, 600000, 0};
        const int row = selected(CommonLCDOffTimerRadioGroup);
        m.setLcd_off_timer(row >= 0 && row < 4 ? timers[row] : 0);
    }

    store(list(AlwaysRadioGroupFrontResolution, codes.frontResolution), [&](int v) { m.setFront_resolution(v); });
    store(list(ParkingFrontResolutionRadioGroup, codes.frontResolution), [&](int v) { m.setParking_front_resolution(v); });
    store(frameRate(AlwaysRadioGroupFrameRate, codes.frameRate), [&](int v) { m.setFront_framerate(v); });
    store(frameRate(ParkingFrameRateRadioGroup, codes.parkingFrameRate), [&](int v) { m.setParking_front_framerate(v); });
    store(list(AlwaysRadioGroupFrontQuality, kQuality), [&](int v) { m.setFront_quality(v); });
    store(list(ParkingFrontQualityRadioGroup, kQuality), [&](int v) { m.setParking_front_quality(v); });
    if (!k210) {
        store(list(AlwaysRadioGroupRearResolution, kRearResolution), [&](int v) { m.setRear_resolution(v); });
        store(list(ParkingRearResolutionRadioGroup, kRearResolution), [&](int v) { m.setParking_rear_resolution(v); });
        store(list(AlwaysRadioGroupRearQuality, kQuality), [&](int v) { m.setRear_quality(v); });
        store(list(ParkingRearQualityRadioGroup, kQuality), [&](int v) { m.setParking_rear_quality(v); });
    }
    m.setAcceleration_sensor(pos(AlwaysShockSensitivitySlider));

    m.setParking_mode_set(useOff(ParkingModeRadioGroup));
    m.setParking_acceleration_sensor(pos(ParkingShockSensitivitySlider));
    m.setParking_motion_set(useOff(ParkingMotionRadioGroup));
    const int motion = pos(ParkingMotionSlider);
    m.setParking_motion_sensitivity(motion == 1 ? 1 : motion == 3 ? 5 : 3);
    if (f == Family::R640)
        store(codeAt(kHours36o, pos(ParkingTimeLimitSlider36o) - 1), [&](int v) { m.setParking_time_limit(v); });
    else
        store(codeAt(kHours36x, pos(ParkingTimeLimitSlider36x) - 1), [&](int v) { m.setParking_time_limit(v); });
    m.setBattery_12v_R_off(pos(ParkingBatteryOff12VSlider));
    m.setBattery_24v_R_off(pos(ParkingBatteryOff24VSlider));
}

} // namespace drovik::form
