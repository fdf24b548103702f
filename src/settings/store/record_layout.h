#pragma once

#include "settings/store/camera_models.h"

#include <QString>
#include <QtGlobal>

#include <array>
#include <cstddef>
#include <optional>

// The camera's binary settings record ("SETTING/setup.cfg", also "SETTING/default.cfg").
//
// The record is the fields below, in this order, with no padding, header or trailer; each
// camera model uses a prefix of them (settingVariableCountFor), so a record is 432 to 596
// bytes long. Widths decide the encoding:
//
//   width 4     signed 32-bit little-endian
//   width 2     unsigned 16-bit little-endian (only `reserved`)
//   width 1     unsigned byte (fields 97 to 116), held in memory as a 32-bit integer
//   otherwise   UTF-8 text padded with zero bytes; a text filling its width has no terminator
//
//   offset  width  field                      offset  width  field
//        0      4  checksum (= record size)      372      4  gmt_offset (minutes east of UTC)
//        4      4  cfg_struct_version            376      4  daylight_offset
//        8     16  product_name                  380     32  tz_key
//       24     16  serial_number                 412..428  date_format … cur_language (int32)
//       40     10  version                       432..572  battery_auto_set … cloud_onoff
//       50      2  reserved                      576..595  iot_onoff … avn_onoff (bytes)
//       52..224    front_resolution … driving_guide_version (int32)
//      228    128  setting_path
//      356     16  micom_version
//
// This table is the only description of the layout: reading, writing, offsets and sizes all
// walk it. The second column is the setter's spelling (setFront_resolution, setTz_key).
#define DROVIK_SETUP_RECORD_FIELDS(X) \
    X(checksum, Checksum, 4) \
    X(cfg_struct_version, Cfg_struct_version, 4) \
    X(product_name, Product_name, 16) \
    X(serial_number, Serial_number, 16) \
    X(version, Version, 10) \
    X(reserved, Reserved, 2) \
    X(front_resolution, Front_resolution, 4) \
    X(front_framerate, Front_framerate, 4) \
    X(front_quality, Front_quality, 4) \
    X(front_brightness, Front_brightness, 4) \
    X(front_constrast, Front_constrast, 4) \
    X(front_shapness, Front_shapness, 4) \
    X(rear_resolution, Rear_resolution, 4) \
    X(rear_framerate, Rear_framerate, 4) \
    X(rear_quality, Rear_quality, 4) \
    X(rear_brightness, Rear_brightness, 4) \
    X(rear_contrast, Rear_contrast, 4) \
    X(rear_sharpness, Rear_sharpness, 4) \
    X(audio_record, Audio_record, 4) \
    X(audio_record_volume, Audio_record_volume, 4) \
    X(voice_ment, Voice_ment, 4) \
    X(audio_ment_volume, Audio_ment_volume, 4) \
    X(enable_driving_guide, Enable_driving_guide, 4) \
    X(acceleration_sensor, Acceleration_sensor, 4) \
    X(enable_av_out, Enable_av_out, 4) \
    X(av_out_mode, Av_out_mode, 4) \
    X(record_cevent_overwrite, Record_cevent_overwrite, 4) \
    X(record_motion_overwrite, Record_motion_overwrite, 4) \
    X(record_prevent_overwrite, Record_prevent_overwrite, 4) \
    X(record_manual_overwrite, Record_manual_overwrite, 4) \
    X(record_image_overwrite, Record_image_overwrite, 4) \
    X(parking_front_resolution, Parking_front_resolution, 4) \
    X(parking_front_framerate, Parking_front_framerate, 4) \
    X(parking_front_quality, Parking_front_quality, 4) \
    X(parking_rear_resolution, Parking_rear_resolution, 4) \
    X(parking_rear_framerate, Parking_rear_framerate, 4) \
    X(parking_rear_quality, Parking_rear_quality, 4) \
    X(parking_acceleration_sensor, Parking_acceleration_sensor, 4) \
    X(parking_mode_set, Parking_mode_set, 4) \
    X(parking_motion_set, Parking_motion_set, 4) \
    X(parking_front_motion_region, Parking_front_motion_region, 4) \
    X(parking_rear_motion_region, Parking_rear_motion_region, 4) \
    X(parking_motion_sensitivity, Parking_motion_sensitivity, 4) \
    X(parking_time_limit, Parking_time_limit, 4) \
    X(battery_12v_R_off, Battery_12v_R_off, 4) \
    X(battery_24v_R_off, Battery_24v_R_off, 4) \
    X(partition_type, Partition_type, 4) \
    X(security_led_mode, Security_led_mode, 4) \
    X(enable_format_sd, Enable_format_sd, 4) \
    X(driving_guide_version, Driving_guide_version, 4) \
    X(setting_path, Setting_path, 128) \
    X(micom_version, Micom_version, 16) \
    X(gmt_offset, Gmt_offset, 4) \
    X(daylight_offset, Daylight_offset, 4) \
    X(tz_key, Tz_key, 32) \
    X(date_format, Date_format, 4) \
    X(measurement_unit, Measurement_unit, 4) \
    X(lcd_brightness, Lcd_brightness, 4) \
    X(lcd_off_timer, Lcd_off_timer, 4) \
    X(cur_language, Cur_language, 4) \
    X(battery_auto_set, Battery_auto_set, 4) \
    X(wdr, Wdr, 4) \
    X(ldws_detect, Ldws_detect, 4) \
    X(ldws_offset_top, Ldws_offset_top, 4) \
    X(ldws_offset_bottom, Ldws_offset_bottom, 4) \
    X(ldws_depart_Sensitivity, Ldws_depart_Sensitivity, 4) \
    X(voice_detect, Voice_detect, 4) \
    X(local_id, Local_id, 4) \
    X(low_vol_shutdown, Low_vol_shutdown, 4) \
    X(adas_car_high, Adas_car_high, 4) \
    X(ldws_left_depart_Sensitivity, Ldws_left_depart_Sensitivity, 4) \
    X(ldws_right_depart_Sensitivity, Ldws_right_depart_Sensitivity, 4) \
    X(ldws_depart_speed, Ldws_depart_speed, 4) \
    X(fcws_onoff, Fcws_onoff, 4) \
    X(fcws_frontal_sensitivity, Fcws_frontal_sensitivity, 4) \
    X(fcmd_onoff, Fcmd_onoff, 4) \
    X(llws_onoff, Llws_onoff, 4) \
    X(ldws_onoff, Ldws_onoff, 4) \
    X(set_resolution, Set_resolution, 4) \
    X(parking_night_vision, Parking_night_vision, 4) \
    X(speed_stamp, Speed_stamp, 4) \
    X(rear_preview_rotation, Rear_preview_rotation, 4) \
    X(bsd_onoff, Bsd_onoff, 4) \
    X(gearR_video_on, GearR_video_on, 4) \
    X(ufcws_sensitivity, Ufcws_sensitivity, 4) \
    X(ufcws_onoff, Ufcws_onoff, 4) \
    X(drive_night_vision, Drive_night_vision, 4) \
    X(gsound_onoff, Gsound_onoff, 4) \
    X(audio_adas_volume, Audio_adas_volume, 4) \
    X(mobile_safety_cam_alert, Mobile_safety_cam_alert, 4) \
    X(rear_led_onoff, Rear_led_onoff, 4) \
    X(rear_camera_rotation, Rear_camera_rotation, 4) \
    X(use_only_front_cam, Use_only_front_cam, 4) \
    X(use_compatible_battery, Use_compatible_battery, 4) \
    X(greater_impact_alarm, Greater_impact_alarm, 4) \
    X(cloud_onoff, Cloud_onoff, 4) \
    X(iot_onoff, Iot_onoff, 1) \
    X(radar_onoff, Radar_onoff, 1) \
    X(event_file_upload, Event_file_upload, 1) \
    X(bsd_horizontal, Bsd_horizontal, 1) \
    X(front_camera_rotation, Front_camera_rotation, 1) \
    X(eis_onoff, Eis_onoff, 1) \
    X(side_brightness, Side_brightness, 1) \
    X(side_camera_rotation, Side_camera_rotation, 1) \
    X(liveview_display_division, Liveview_display_division, 1) \
    X(hdr, Hdr, 1) \
    X(parking_impact_alarm, Parking_impact_alarm, 1) \
    X(parking_event_file_upload, Parking_event_file_upload, 1) \
    X(wifi_frequency, Wifi_frequency, 1) \
    X(p2p_lora_onoff, P2p_lora_onoff, 1) \
    X(parking_greater_impact_alarm, Parking_greater_impact_alarm, 1) \
    X(record_sos_overwrite, Record_sos_overwrite, 1) \
    X(privacy_record, Privacy_record, 1) \
    X(tlds_onoff, Tlds_onoff, 1) \
    X(bcws_onoff, Bcws_onoff, 1) \
    X(avn_onoff, Avn_onoff, 1) \

namespace drovik {

enum class Field : int {
#define DROVIK_FIELD_ENUM(name, Setter, width) name,
    DROVIK_SETUP_RECORD_FIELDS(DROVIK_FIELD_ENUM)
#undef DROVIK_FIELD_ENUM
};

enum class FieldKind { UInt8, UInt16, Int32, Text };

struct FieldInfo {
    Field field;
    const char *name;
    int width;

    constexpr FieldKind kind() const
    {
        switch (width) {
        case 1: return FieldKind::UInt8;
        case 2: return FieldKind::UInt16;
        case 4: return FieldKind::Int32;
        default: return FieldKind::Text;
        }
    }
    constexpr bool isText() const { return kind() == FieldKind::Text; }
};

inline constexpr std::array kSetupRecordFields = {
#define DROVIK_FIELD_INFO(name, Setter, width) FieldInfo{Field::name, #name, width},
    DROVIK_SETUP_RECORD_FIELDS(DROVIK_FIELD_INFO)
#undef DROVIK_FIELD_INFO
};

inline constexpr int kSetupRecordFieldCount = int(kSetupRecordFields.size());

constexpr const FieldInfo &fieldInfo(Field field)
{
    return kSetupRecordFields[std::size_t(field)];
}

// The byte offset of a field: the sum of the widths of all fields before it.
constexpr int fieldOffset(Field field)
{
    int offset = 0;
    for (int i = 0; i < int(field); ++i)
        offset += kSetupRecordFields[std::size_t(i)].width;
    return offset;
}

// The size of a record made of the first fieldCount fields; 0 when fieldCount is below 1.
constexpr int recordSizeForFieldCount(int fieldCount)
{
    int size = 0;
    for (int i = 0; i < fieldCount && i < kSetupRecordFieldCount; ++i)
        size += kSetupRecordFields[std::size_t(i)].width;
    return size;
}

inline constexpr int kMaxSetupRecordSize = recordSizeForFieldCount(kSetupRecordFieldCount);

static_assert(kSetupRecordFieldCount == 116);
static_assert(kMaxSetupRecordSize == 596);
static_assert(fieldOffset(Field::local_id) == 460);
static_assert(fieldOffset(Field::tz_key) == 380);
static_assert(fieldOffset(Field::iot_onoff) == 576);

// How many fields of the record a model uses. The V820 family grew ten fields with firmware 17.
int settingVariableCountFor(ModelType modelType, int firmwareVersionInt);

// The field of a name as the camera spells it ("gearR_video_on"), if there is one.
std::optional<Field> fieldByName(const QString &name);

} // namespace drovik
