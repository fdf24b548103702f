// The text-file editor's one page: its sections and named controls in drawing order, as the
// layout holds them before the lines fill them, and every text through the string table.
#include "settings/form/kvl_setting_form.h"

#include "i18n/drovik_languages.h"
#include "settings/form/form_texts.h"

namespace drovik::form {

using namespace formtext;

namespace {



FormControl plain(const char *name, ControlKind kind)
{
    FormControl c;
    c.name = s(name);
    c.kind = kind;
    return c;
}

FormControl radio(const char *name, int cells, bool horizontal)
{
    FormControl c = plain(name, ControlKind::RadioGroup);
    c.horizontal = horizontal;
    for (int i = 0; i < cells; ++i)
        c.items.append(FormItem{});
    c.selected = 0;
    return c;
}

// The sliders stop on their tick marks only; the middle one is the layout's position.
FormControl slider(const char *name, int minimum, int maximum, int step)
{
    FormControl c = plain(name, ControlKind::Slider);
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

    FormControl partition = radio("memoryPartitionRadioGroup", 3, true);
    partition.selected = -1; // a file matching no preset selects no column
    addSection(s("memoryPartitionView"),
               {partition, plain("memoryPartitionGraph", K::PartitionBar),
                plain("memoryPartitionContinuousLabel", K::Label),
                plain("memoryPartitionEventLabel", K::Label),
                plain("memoryPartitionParkLabel", K::Label),
                plain("memoryPartitionManualLabel", K::Label)});
    FormControl voltage = radio("parkingModeVoltageRadioGroup", 4, true);
    voltage.items[1].title = s("11.8V");
    voltage.items[2].title = s("12.0V");
    voltage.items[3].title = s("12.2V");
    addSection(s("parkingModeView"),
               {radio("parkingModeRadioGroup", 2, false),
                plain("parkingModeUseDescTextField", K::Label),
                plain("parkingModeUnuseDescTextField", K::Label), voltage});
    addSection(s("dateTimeView"),
               {plain("dateTimeCheckBox", K::CheckBox), plain("dateTimeDatePicker", K::DatePicker),
                plain("dateTimeCurrentTimeButton", K::Button)});
    addSection(s("languageView"), {radio("languageRadioGroup", 2, false)});
    FormControl zones = plain("timeZoneComboBox", K::ComboBox);
    zones.items.resize(std::size(kTimeZoneItems));
    addSection(s("timeZoneView"), {zones});
    addSection(s("dstView"), {radio("dstRadioGroup", 2, false)});
    FormControl speed = radio("speedUnitRadioGroup", 2, false);
    speed.items[0].title = s("kph");
    speed.items[1].title = s("mph");
    addSection(s("speedUnitView"), {speed});
    addSection(s("voiceRecordView"), {radio("voiceRecordRadioGroup", 2, false)});
    addSection(s("voiceGuidanceView"),
               {radio("voiceGuidanceRadioGroup", 2, false), slider("voiceGuidanceSlider", 1, 5, 2)});
    addSection(s("impactSensitivityView"), {slider("impactSensitivitySlider", 2, 4, 1)});
    addSection(s("motionSensitivityView"), {slider("motionSensitivitySlider", 1, 5, 2)});
    addSection(s("securityLEDView"), {radio("securityLEDRadioGroup", 2, false)});
    addSection(s("versionView"),
               {plain("modelNameTextField", K::Label), plain("modelValueTextField", K::Label),
                plain("firmwareNameTextField", K::Label), plain("firmwareValueTextField", K::Label)});
}

void KvlSettingForm::applyMainLanguageSetting()
{
    const auto title = [this](const char *section, const char *key) { sec(s(section)).title = L(key); };
    const auto caption = [this](const char *name, const char *key) { ctl(s(name)).title = L(key); };
    const auto rows = [this](const char *name, const QStringList &texts) {
        QList<FormItem> &items = ctl(s(name)).items;
        for (int i = 0; i < items.size() && i < texts.size(); ++i)
            items[i].title = texts[i];
    };
    const QStringList useRows = Ls({"N260 : 사용 함", "N260 : 사용 안 함"});

    m_frameTexts = {L("블랙박스 설정"), {}, L("설정값 초기화"), L("확인"), L("취소")};
    title("memoryPartitionView", "N260 : 메모리 파티션");
    rows("memoryPartitionRadioGroup", Ls({"A Type(권장)", "B Type", "C Type"}));
    caption("memoryPartitionContinuousLabel", "N260 : 상시녹화");
    caption("memoryPartitionEventLabel", "N260 : 이벤트녹화");
    caption("memoryPartitionParkLabel", "N260 : 주차녹화");
    caption("memoryPartitionManualLabel", "N260 : 수동녹화");
    title("parkingModeView", "N260 : 자동주차모드");
    rows("parkingModeRadioGroup", useRows);
    caption("parkingModeUseDescTextField", "(시동이 꺼지면 주차 녹화 모드로 전환합니다");
    caption("parkingModeUnuseDescTextField", "(시동이 꺼지면 블랙박스를 종료합니다");
    caption("parkingModeVoltageRadioGroup", "N260 : 녹화종료전압");
    rows("parkingModeVoltageRadioGroup", Ls({"N260 : 사용 안 함"}));
    title("dateTimeView", "N260 : 날짜 / 시간");
    caption("dateTimeCurrentTimeButton", "현재 시간 가져오기");
    title("languageView", "언어");
    rows("languageRadioGroup", Ls({"영어", "프랑스어"}));
    title("timeZoneView", "N260 : 표준 시간대");
    QList<FormItem> &zones = ctl(s("timeZoneComboBox")).items;
    zones.clear();
    for (const char *item : kTimeZoneItems)
        zones.append(FormItem{L(item), 0, true});
    title("dstView", "N260 : Daylight Saving Time");
    rows("dstRadioGroup", useRows);
    title("speedUnitView", "속도표시");
    rows("speedUnitRadioGroup", Ls({"kph", "mph"}));
    title("voiceRecordView", "N260 : 음성녹음");
    rows("voiceRecordRadioGroup", useRows);
    title("voiceGuidanceView", "N260 : 음성안내");
    rows("voiceGuidanceRadioGroup", useRows);
    ctl(s("voiceGuidanceSlider")).descriptions = Ls({"N260 : 작게", "N260 : 크게"});
    title("impactSensitivityView", "N260 : 충격감도");
    ctl(s("impactSensitivitySlider")).descriptions = Ls({"N260 : 둔감", "N260 : 민감"});
    title("motionSensitivityView", "N260 : 모션인식감도");
    ctl(s("motionSensitivitySlider")).descriptions = Ls({"N260 : 둔감", "N260 : 민감"});
    title("securityLEDView", "시큐리티 LED");
    rows("securityLEDRadioGroup", useRows);
    title("versionView", "N260 : 펌웨어 버전");
    caption("modelNameTextField", "N260 : Model");
    caption("firmwareNameTextField", "N260 : Version");
    emit changed();
}

} // namespace drovik::form
