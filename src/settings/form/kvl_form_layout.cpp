// The text-file editor's one page: its sections and named controls in drawing order, as the
// layout holds them before the lines fill them, and every text through the string table.
#include "settings/form/kvl_setting_form.h"

#include "i18n/drovik_languages.h"
#include "settings/form/form_texts.h"

namespace drovik::form {

using namespace formtext;
using enum ControlId;
using enum SectionId;

namespace {



FormControl plain(ControlId id, ControlKind kind)
{
    FormControl c;
    c.id = id;
    c.kind = kind;
    return c;
}

FormControl radio(ControlId id, int cells, bool horizontal)
{
    FormControl c = plain(id, ControlKind::RadioGroup);
    c.horizontal = horizontal;
    for (int i = 0; i < cells; ++i)
        c.items.append(FormItem{});
    c.selected = 0;
    return c;
}

// The sliders stop on their tick marks only; the middle one is the layout's position.
FormControl slider(ControlId id, int minimum, int maximum, int step)
{
    FormControl c = plain(id, ControlKind::Slider);
    c.minimum = minimum;
    c.maximum = maximum;
    c.step = step;
    c.position = 3;
    return c;
}

const char *const kTimeZoneItems[] = {
    "(UTC-10:00) Hawaii",
    "(UTC-09:00) Alaska",
    "(UTC-08:00) Pacific Standard Time (U.S.A and Canada)",
    "(UTC-07:00) Mountain Standard Time (U.S.A and Canada)",
    "(UTC-06:00) Central Standard Time (U.S.A and Canada)",
    "(UTC-05:00) Eastern Standard Time (U.S.A and Canada)",
    "(UTC-04:00) Atlantic  Standard Time (Canada)",
    "(UTC) Greenwich",
    "(UTC+01:00) Brussels, Copenhagen, Madrid, Paris",
    "(UTC+08:00) Kuala Lumpur, Singapore",
    "(UTC+09:30) Adelaide",
    "(UTC+10:00) Canberra, Melbourne, Sidney",
};

} // namespace

void KvlSettingForm::buildLayout()
{
    clearLayout();
    using K = ControlKind;

    FormControl partition = radio(MemoryPartitionRadioGroup, 3, true);
    partition.selected = -1; // a file matching no preset selects no column
    addSection(MemoryPartitionView,
               {partition, plain(MemoryPartitionGraph, K::PartitionBar),
                plain(MemoryPartitionContinuousLabel, K::Label),
                plain(MemoryPartitionEventLabel, K::Label),
                plain(MemoryPartitionParkLabel, K::Label),
                plain(MemoryPartitionManualLabel, K::Label)});
    FormControl voltage = radio(ParkingModeVoltageRadioGroup, 4, true);
    voltage.items[1].title = s("11.8V");
    voltage.items[2].title = s("12.0V");
    voltage.items[3].title = s("12.2V");
    addSection(ParkingModeView,
               {radio(ParkingModeRadioGroup, 2, false),
                plain(ParkingModeUseDescTextField, K::Label),
                plain(ParkingModeUnuseDescTextField, K::Label), voltage});
    addSection(DateTimeView,
               {plain(DateTimeCheckBox, K::CheckBox), plain(DateTimeDatePicker, K::DatePicker),
                plain(DateTimeCurrentTimeButton, K::Button)});
    addSection(LanguageView, {radio(LanguageRadioGroup, 2, false)});
    FormControl zones = plain(TimeZoneComboBox, K::ComboBox);
    zones.items.resize(std::size(kTimeZoneItems));
    addSection(TimeZoneView, {zones});
    addSection(DstView, {radio(DstRadioGroup, 2, false)});
    FormControl speed = radio(SpeedUnitRadioGroup, 2, false);
    speed.items[0].title = s("kph");
    speed.items[1].title = s("mph");
    addSection(SpeedUnitView, {speed});
    addSection(VoiceRecordView, {radio(VoiceRecordRadioGroup, 2, false)});
    addSection(VoiceGuidanceView,
               {radio(VoiceGuidanceRadioGroup, 2, false), slider(VoiceGuidanceSlider, 1, 5, 2)});
    addSection(ImpactSensitivityView, {slider(ImpactSensitivitySlider, 2, 4, 1)});
    addSection(MotionSensitivityView, {slider(MotionSensitivitySlider, 1, 5, 2)});
    addSection(SecurityLEDView, {radio(SecurityLEDRadioGroup, 2, false)});
    addSection(VersionView,
               {plain(ModelNameTextField, K::Label), plain(ModelValueTextField, K::Label),
                plain(FirmwareNameTextField, K::Label), plain(FirmwareValueTextField, K::Label)});
}

void KvlSettingForm::applyMainLanguageSetting()
{
    const auto title = [this](SectionId section, const char *key) { sec(section).title = L(key); };
    const auto caption = [this](ControlId id, const char *key) { ctl(id).title = L(key); };
    const auto rows = [this](ControlId id, const QStringList &texts) {
        QList<FormItem> &items = ctl(id).items;
        for (int i = 0; i < items.size() && i < texts.size(); ++i)
            items[i].title = texts[i];
    };
    const QStringList useRows = Ls({"N260 : 사용 함", "N260 : 사용 안 함"});

    m_frameTexts = {L("블랙박스 설정"), {}, L("설정값 초기화"), L("확인"), L("취소")};
    title(MemoryPartitionView, "N260 : 메모리 파티션");
    rows(MemoryPartitionRadioGroup, Ls({"A Type(권장)", "B Type", "C Type"}));
    caption(MemoryPartitionContinuousLabel, "N260 : 상시녹화");
    caption(MemoryPartitionEventLabel, "N260 : 이벤트녹화");
    caption(MemoryPartitionParkLabel, "N260 : 주차녹화");
    caption(MemoryPartitionManualLabel, "N260 : 수동녹화");
    title(ParkingModeView, "N260 : 자동주차모드");
    rows(ParkingModeRadioGroup, useRows);
    caption(ParkingModeUseDescTextField, "(시동이 꺼지면 주차 녹화 모드로 전환합니다");
    caption(ParkingModeUnuseDescTextField, "(시동이 꺼지면 블랙박스를 종료합니다");
    caption(ParkingModeVoltageRadioGroup, "N260 : 녹화종료전압");
    rows(ParkingModeVoltageRadioGroup, Ls({"N260 : 사용 안 함"}));
    title(DateTimeView, "N260 : 날짜 / 시간");
    caption(DateTimeCurrentTimeButton, "현재 시간 가져오기");
    title(LanguageView, "언어");
    rows(LanguageRadioGroup, Ls({"영어", "프랑스어"}));
    title(TimeZoneView, "N260 : 표준 시간대");
    QList<FormItem> &zones = ctl(TimeZoneComboBox).items;
    zones.clear();
    for (const char *item : kTimeZoneItems)
        zones.append(FormItem{L(item), 0, true});
    title(DstView, "N260 : Daylight Saving Time");
    rows(DstRadioGroup, useRows);
    title(SpeedUnitView, "속도표시");
    rows(SpeedUnitRadioGroup, Ls({"kph", "mph"}));
    title(VoiceRecordView, "N260 : 음성녹음");
    rows(VoiceRecordRadioGroup, useRows);
    title(VoiceGuidanceView, "N260 : 음성안내");
    rows(VoiceGuidanceRadioGroup, useRows);
    ctl(VoiceGuidanceSlider).descriptions = Ls({"N260 : 작게", "N260 : 크게"});
    title(ImpactSensitivityView, "N260 : 충격감도");
    ctl(ImpactSensitivitySlider).descriptions = Ls({"N260 : 둔감", "N260 : 민감"});
    title(MotionSensitivityView, "N260 : 모션인식감도");
    ctl(MotionSensitivitySlider).descriptions = Ls({"N260 : 둔감", "N260 : 민감"});
    title(SecurityLEDView, "시큐리티 LED");
    rows(SecurityLEDRadioGroup, useRows);
    title(VersionView, "N260 : 펌웨어 버전");
    caption(ModelNameTextField, "N260 : Model");
    caption(FirmwareNameTextField, "N260 : Version");
    emit changed();
}

} // namespace drovik::form
