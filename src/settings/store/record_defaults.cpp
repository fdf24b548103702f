#include "settings/store/record_defaults.h"

namespace drovik {

namespace {

constexpr DefaultValue none() { return {}; }
constexpr DefaultValue nil() { return {DefaultValue::Nil, 0, nullptr}; }
constexpr DefaultValue num(qint32 n) { return {DefaultValue::Number, n, nullptr}; }
constexpr DefaultValue text(const char *s) { return {DefaultValue::Text, 0, s}; }

// Columns: K210, R640, V470, V820, R930. "Parcific" is what K210 cameras expect to find; the
// editor falls back to gmt_offset when it does not know the key.
constexpr DefaultRow kRows[] = {
    {Field::checksum, {num(432), num(432), num(432), num(464), num(508)}},
    {Field::cfg_struct_version,
     {num(0x00010005),
      num(0x00010005),
      num(0x00010005),
      num(0x00010009),
      num(0x00010013)}},
    {Field::product_name, {text("K210"), text("R640"), text("V470"), text("V820"), text("R930")}},
    {Field::serial_number, {nil(), nil(), nil(), text("V820"), nil()}},
    {Field::version, {nil(), nil(), nil(), nil(), nil()}},
    {Field::reserved, {num(0), num(0), num(0), num(0), num(0)}},
    {Field::front_resolution, {num(2), num(3), num(3), num(3), num(3)}},
    {Field::front_framerate, {num(3), num(3), num(5), num(5), num(5)}},
    {Field::front_quality, {num(3), num(3), num(3), num(3), num(3)}},
    {Field::front_brightness, {num(1), num(0), num(0), num(1), num(1)}},
    {Field::front_constrast, {num(0), num(0), num(0), num(0), num(0)}},
    {Field::front_shapness, {num(0), num(0), num(0), num(0), num(0)}},
    {Field::rear_resolution, {num(0), num(2), num(2), num(3), num(3)}},
    {Field::rear_framerate, {num(0), num(3), num(3), num(5), num(5)}},
    {Field::rear_quality, {num(0), num(3), num(3), num(3), num(1)}},
    {Field::rear_brightness, {num(0), num(0), num(0), num(1), num(1)}},
    {Field::rear_contrast, {num(0), num(0), num(0), num(0), num(0)}},
    {Field::rear_sharpness, {num(0), num(0), num(0), num(0), num(0)}},
    {Field::audio_record, {num(1), num(1), num(1), num(1), num(1)}},
    {Field::audio_record_volume, {num(0), num(3), num(3), num(3), num(3)}},
    {Field::voice_ment, {num(1), num(1), num(1), num(1), num(1)}},
    {Field::audio_ment_volume, {num(3), num(3), num(3), num(2), num(2)}},
    {Field::enable_driving_guide, {num(0), num(1), num(0), num(1), num(1)}},
    {Field::acceleration_sensor, {num(7), num(6), num(6), num(2), num(2)}},
    {Field::enable_av_out, {num(0), num(0), num(1), num(1), num(1)}},
    {Field::av_out_mode, {num(0), num(4), num(4), num(4), num(4)}},
    {Field::record_cevent_overwrite, {num(1), num(1), num(1), num(1), num(1)}},
    {Field::record_motion_overwrite, {num(1), num(1), num(1), num(1), num(1)}},
    {Field::record_prevent_overwrite, {num(1), num(1), num(1), num(1), num(1)}},
    {Field::record_manual_overwrite, {num(1), num(1), num(1), num(1), num(1)}},
    {Field::record_image_overwrite, {num(1), num(1), num(1), num(1), num(1)}},
    {Field::parking_front_resolution, {num(2), num(3), num(3), num(2), num(3)}},
    {Field::parking_front_framerate, {num(3), num(2), num(2), num(2), num(2)}},
    {Field::parking_front_quality, {num(3), num(3), num(3), num(3), num(3)}},
    {Field::parking_rear_resolution, {num(0), num(2), num(2), num(2), num(3)}},
    {Field::parking_rear_framerate, {num(0), num(2), num(2), num(2), num(2)}},
    {Field::parking_rear_quality, {num(0), num(3), num(3), num(3), num(3)}},
    {Field::parking_acceleration_sensor, {num(7), num(7), num(7), num(3), num(3)}},
    {Field::parking_mode_set, {num(0), num(0), num(0), num(0), num(0)}},
    {Field::parking_motion_set, {num(1), num(1), num(1), num(1), num(1)}},
    {Field::parking_front_motion_region, {num(4095), num(4095), num(4095), num(4095), num(4095)}},
    {Field::parking_rear_motion_region, {num(4095), num(4095), num(4095), num(4095), num(4095)}},
    {Field::parking_motion_sensitivity, {num(2), num(3), num(2), num(3), num(3)}},
    {Field::parking_time_limit, {num(48), num(48), num(48), num(48), num(48)}},
    {Field::battery_12v_R_off, {num(6), num(6), num(6), num(6), num(6)}},
    {Field::battery_24v_R_off, {num(6), num(6), num(6), num(6), num(6)}},
    {Field::partition_type, {num(1), num(1), num(1), num(1), num(1)}},
    {Field::security_led_mode, {num(0), num(0), num(0), num(0), num(0)}},
    {Field::enable_format_sd, {num(0), num(0), num(0), num(0), num(0)}},
    {Field::driving_guide_version, {num(0), num(0), num(0), num(0), num(0x0D030D00)}},
    {Field::setting_path,
     {text("SETTING/K210_Setting.exe"),
      text("SETTING/R640_Setting.exe"),
      text("SETTING/V470_Setting.exe"),
      text("SETTING\\V820_Setting.exe"),
      text("SETTING/R930_Setting.exe")}},
    {Field::micom_version, {nil(), nil(), nil(), nil(), nil()}},
    {Field::gmt_offset, {num(-480), num(-480), num(-480), num(-480), num(-480)}},
    {Field::daylight_offset, {num(1), num(1), num(1), num(1), num(0)}},
    {Field::tz_key,
     {text("Parcific Standard Time"),
      text("Pacific Standard Time"),
      text("Pacific Standard Time"),
      text("Pacific Standard Time"),
      text("Pacific Standard Time")}},
    {Field::date_format, {num(0), num(0), num(0), num(0), num(0)}},
    {Field::measurement_unit, {num(0), num(0), num(0), num(0), num(1)}},
    {Field::lcd_brightness, {num(0), num(0), num(5), num(1), num(1)}},
    {Field::lcd_off_timer, {num(0), num(0), num(300000), num(30000), num(30000)}},
    {Field::cur_language, {num(0), num(0), num(0), num(0), num(0)}},
    {Field::battery_auto_set, {none(), none(), none(), num(0), num(0)}},
    {Field::wdr, {none(), none(), none(), num(1), num(1)}},
    {Field::ldws_detect, {none(), none(), none(), num(0), num(1)}},
    {Field::ldws_offset_top, {none(), none(), none(), num(114), num(114)}},
    {Field::ldws_offset_bottom, {none(), none(), none(), num(218), num(218)}},
    {Field::ldws_depart_Sensitivity, {none(), none(), none(), num(2), num(2)}},
    {Field::voice_detect, {none(), none(), none(), num(1), num(0)}},
    {Field::local_id, {none(), none(), none(), num(0), num(1)}},
    {Field::low_vol_shutdown, {none(), none(), none(), none(), num(1)}},
    {Field::adas_car_high, {none(), none(), none(), none(), num(0)}},
    {Field::ldws_left_depart_Sensitivity, {none(), none(), none(), none(), num(2)}},
    {Field::ldws_right_depart_Sensitivity, {none(), none(), none(), none(), num(2)}},
    {Field::ldws_depart_speed, {none(), none(), none(), none(), num(2)}},
    {Field::fcws_onoff, {none(), none(), none(), none(), num(1)}},
    {Field::fcws_frontal_sensitivity, {none(), none(), none(), none(), num(2)}},
    {Field::fcmd_onoff, {none(), none(), none(), none(), num(0)}},
    {Field::llws_onoff, {none(), none(), none(), none(), num(0)}},
    {Field::ldws_onoff, {none(), none(), none(), none(), num(1)}},
    {Field::set_resolution, {none(), none(), none(), none(), num(0)}},
};

} // namespace

std::span<const DefaultRow> builtInDefaultRows()
{
    return kRows;
}

} // namespace drovik
