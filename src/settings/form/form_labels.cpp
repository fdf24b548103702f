// Every text of the form through the string table, and the language pop-up; run when the form
// opens and again after each change of the interface language.
#include "settings/form/record_setting_form.h"

#include "i18n/drovik_languages.h"
#include "settings/store/language_titles.h"
#include "settings/form/form_texts.h"

#include <QDate>
#include <QLocale>

namespace drovik::form {

using namespace formtext;
using enum ControlId;
using enum SectionId;

void RecordSettingForm::applyMainLanguageSetting()
{
    const QStringList useRows = Ls({"사용함", "사용 안함"});
    const auto title = [this](SectionId section, const char *key) { sec(section).title = L(key); };
    const auto rows = [this](ControlId control, const QStringList &texts) {
        setCellTitles(control, texts);
    };
    const auto caption = [this](ControlId control, const char *key) { ctl(control).title = L(key); };

    m_frameTexts = {L("블랙박스 설정"), Ls({"공통", "상시모드", "주차모드", "부가기능"}),
                    L("설정값 초기화"), L("확인"), L("취소")};

    // Common
    title(CommonLanguageView, "언어");
    title(CommonBrightnessView, "밝기");
    caption(CommonFrontBrightnessSlider, "전방");
    caption(CommonRearBrightnessSlider, "후방");
    for (const ControlId id : {CommonFrontBrightnessSlider, CommonRearBrightnessSlider})
        ctl(id).descriptions = Ls({"어둡게", "밝게"});
    title(CommonAudioRecordView, "음성녹음");
    rows(CommonAudioRecordRadioGroup, useRows);
    title(CommonVoiceMentView, "음성 멘트");
    rows(CommonVoiceMentRadioGroup, useRows);
    caption(CommonVoiceMentSlider, "볼륨");
    title(CommonTimeView, "시간설정");
    caption(CommonCurrentTimeButton, "현재 시간 가져오기");
    title(CommonGMTView, "표준시간대");
    title(CommonDSTView, "DST");
    rows(CommonDSTRadioGroup, Ls({"설정", "해제"}));
    title(CommonDateFormatView, "비디오 날짜 형식");
    const QDate today = QDate::currentDate();
    rows(CommonVideoDateFormatRadioGroup,
         {L("yyyy-MM-dd") + s("  ") + L("e.g.)") + s(")") + today.toString(s("yyyy-MM-dd")),
          L("MMM-dd-yyyy") + s("  ") + L("e.g.)")
              + QLocale(s("en_US")).toString(today, s("MMM-dd-yyyy"))});
    title(CommonSpeedUnitView, "속도표시");
    rows(CommonSpeedUnitRadioGroup, Ls({"kph", "mph"}));
    title(CommonDrivingGuideView, "안전운행 구간 음성 안내");
    rows(CommonDrivingGuideRadioGroup, useRows);
    title(CommonLCDBrightnessView, "LCD 화면 밝기");
    title(CommonLCDOffTimerView, "LCD 자동 꺼짐");
    const Family f = familyOf();
    const bool threeTimerRows = f == Family::V820 || f == Family::V560 || f == Family::R60;
    rows(CommonLCDOffTimerRadioGroup,
         threeTimerRows ? Ls({"V820 : 30초 후", "V820 : 10분 후", "사용 안함"})
                        : Ls({"2분 후", "5분 후", "10분 후", "사용 안함"}));
    title(CommonSpeedStampView, "영상 속도 정보 표출");
    rows(CommonSpeedStampRadioGroup, useRows);

    applyContinuousLabels();
    applyParkingAndExtraLabels();
    applyLanguagePopUp();
    emit changed();
}

void RecordSettingForm::applyContinuousLabels()
{
    const QStringList useRows = Ls({"사용함", "사용 안함"});
    const auto title = [this](SectionId section, const char *key) { sec(section).title = L(key); };
    const auto rows = [this](ControlId control, const QStringList &texts) {
        setCellTitles(control, texts);
    };
    const auto caption = [this](ControlId control, const char *key) { ctl(control).title = L(key); };

    title(AlwaysResolutionView, "영상 해상도");
    caption(AlwaysRadioGroupFrontResolution, "전방");
    caption(AlwaysRadioGroupRearResolution, "후방");
    title(AlwaysFrameRateView, "프레임 수");
    if (familyOf() == Family::K210) {
        rows(AlwaysRadioGroupFrameRate, Ls({"고정 15fps", "고정 30fps"}));
        rows(ParkingFrameRateRadioGroup, Ls({"고정 15fps", "고정 30fps"}));
    }
    title(AlwaysQualityView, "영상 화질");
    caption(AlwaysRadioGroupFrontQuality, "전방");
    caption(AlwaysRadioGroupRearQuality, "후방");
    const QStringList qualityColumns = Ls({"낮음", "보통", "높음"});
    rows(AlwaysRadioGroupFrontQuality, qualityColumns);
    rows(AlwaysRadioGroupRearQuality, qualityColumns);
    title(AlwaysShockSensitivityView, "충격 감도");
    title(AlwaysDrivingGuideView, "V820 : 안전운행 구간 음성 안내");
    rows(AlwaysDrivingGuideRadioGroup, useRows);
    title(AlwaysWDRView, "역광보정 기능(WDR)");
    rows(AlwaysWDRRadioGroup, useRows);
    title(AlwaysVehicleTypeView, "차량 종류");
    rows(AlwaysVehicleTypeRadioGroup, Ls({"세단", "SUV", "트럭 (버스)"}));
    title(AlwaysLDWSView, "차선이탈 경보");
    rows(AlwaysLDWSRadioGroup, useRows);
    title(AlwaysLDWSSensitivityView, "차선이탈 민감도");
    // The model with one lane-departure slider shows it without the "left" title.
    if (modelRow().oneLaneSlider)
        ctl(AlwaysLDWSSensitivitySlider).title.clear();
    else
        caption(AlwaysLDWSSensitivitySlider, "왼쪽");
    caption(AlwaysLDWSRightSensitivitySlider, "오른쪽");
    title(AlwaysLDWSSpeedView, "차선이탈 감지 속도");
    title(AlwaysFCWSView, "전방 추돌 경보");
    rows(AlwaysFCWSRadioGroup, useRows);
    title(AlwaysFCWSSensitivityView, "전방 추돌 민감도");
    title(AlwaysFVDWView, "앞차 출발 알림");
    rows(AlwaysFVDWRadioGroup, useRows);
    title(AlwaysDrivingGuideSubView, "이동식 단속 구간 안내");
    rows(AlwaysDrivingGuideSubRadioGroup, useRows);
    for (const ControlId id : {AlwaysShockSensitivitySlider, ParkingShockSensitivitySlider})
        ctl(id).descriptions = Ls({"둔감", "민감"});
}

void RecordSettingForm::applyParkingAndExtraLabels()
{
    const QStringList useRows = Ls({"사용함", "사용 안함"});
    const auto title = [this](SectionId section, const char *key) { sec(section).title = L(key); };
    const auto rows = [this](ControlId control, const QStringList &texts) {
        setCellTitles(control, texts);
    };
    const auto caption = [this](ControlId control, const char *key) { ctl(control).title = L(key); };

    title(ParkingModeView, "주차모드");
    rows(ParkingModeRadioGroup, ctl(ParkingModeRadioGroup).items.size() == 3
                                      ? Ls({"주차모션", "타임랩스", "사용 안함"})
                                      : useRows);
    caption(ParkingModeUseDescriptionLabel, "(시동이 꺼지면 주차 녹화 모드로 전환합니다");
    caption(ParkingModeNoUseDescriptionLabel, "(시동이 꺼지면 블랙박스를 종료합니다");
    title(ParkingSuperNightVisionView, "슈퍼 나이트 비전");
    rows(ParkingSuperNightVisionRadioGroup, useRows);
    title(ParkingResolutionView, "영상 해상도");
    caption(ParkingFrontResolutionRadioGroup, "전방");
    caption(ParkingRearResolutionRadioGroup, "후방");
    title(ParkingFrameRateView, "프레임 수");
    title(ParkingQualityView, "영상 화질");
    caption(ParkingFrontQualityRadioGroup, "전방");
    caption(ParkingRearQualityRadioGroup, "후방");
    const QStringList qualityColumns = Ls({"낮음", "보통", "높음"});
    rows(ParkingFrontQualityRadioGroup, qualityColumns);
    rows(ParkingRearQualityRadioGroup, qualityColumns);
    title(ParkingShockSensitivityView, "충격 감도");
    title(ParkingMotionView, "모션 감지");
    rows(ParkingMotionRadioGroup, useRows);
    title(ParkingTimeLimitView36x, "녹화 종료 타이머 설정");
    title(ParkingTimeLimitView36o, "녹화 종료 타이머 설정");
    caption(ParkingTimeLimitSlider36x, "시간");
    caption(ParkingTimeLimitSlider36o, "시간");
    title(ParkingBatteryView, "녹화 종료 전압 설정");
    caption(ParkingBatteryOff12VSlider, "차량전압 12V");
    caption(ParkingBatteryOff24VSlider, "차량전압 24V");

    title(EtcOverwriteView, "녹화 영상 별 덮어쓰기");
    caption(EtcOverwriteAlwaysCheckBox, "상시 녹화");
    caption(EtcOverwriteAlwaysShockCheckBox, "상시 충격");
    caption(EtcOverwriteParkingMotionCheckBox, "주차 모션");
    caption(EtcOverwriteParkingShockCheckBox, "주차 충격");
    caption(EtcOverwriteManualCheckBox, "수동 녹화");
    title(EtcSecurityLEDView, "시큐리티 LED");
    rows(EtcSecurityLEDRadioGroup, Ls({"모드 1", "모드 2", "모드 3", "사용 안함"}));
    caption(EtcSecurityLEDDescriptionTitleLabel, "녹화모드에 따라 다르게");
    caption(EtcSecurityLEDMode1Label,
            modelRow().securityLed == SecurityLed::Rotation ? "회전" : "Left-Right");
    caption(EtcSecurityLEDMode2Label, "Blinking");
    title(EtcMemoryPartitionView, "메모리 파티션");
    rows(EtcMemoryPartitionRadioGroup, Ls({"A Type(권장)", "B Type", "C Type"}));
    caption(EtcMemoryPartitionAlwaysLabel, "상시녹화");
    caption(EtcMemoryPartitionAlwaysShockLabel, "상시충격");
    caption(EtcMemoryPartitionParkingMotionLabel, "주차모션");
    caption(EtcMemoryPartitionParkingShockLabel, "주차충격");
    caption(EtcMemoryPartitionManualLabel, "수동녹화");
    title(EtcMemoryCardFormatView, "메모리 카드 포멧");
    caption(EtcMemoryCardFormatButton, "포멧하기");
    title(EtcInitializeTouchView, "화면 터치 정확도 초기화");
    caption(EtcInitializeTouchButton, "초기화하기");
}

// The camera's languages, each by its English name; the selected language survives a rebuild.
void RecordSettingForm::applyLanguagePopUp()
{
    FormControl &popUp = ctl(CommonLanguagePopupButton);
    const int was = popUp.selected;
    const bool hadSelection = was >= 0 && was < popUp.items.size();
    const qint64 tag = hadSelection ? popUp.items[was].tag : 0;
    popUp.items.clear();
    popUp.selected = -1;
    for (const LanguageEntry &entry : manager().languages()) {
        if (entry.code.isEmpty())
            continue; // an entry without its code names no language
        if (hadSelection && entry.index == tag)
            popUp.selected = int(popUp.items.size());
        popUp.items.append(FormItem{languageTitleByExpandingCode(entry.code), entry.index, true});
    }
}

qint64 RecordSettingForm::userSelectedLanguage() const
{
    const FormControl *popUp = control(CommonLanguagePopupButton);
    if (!popUp || popUp->selected < 0 || popUp->selected >= popUp->items.size())
        return -1;
    return popUp->items[popUp->selected].tag;
}

void RecordSettingForm::setUserSelectedLanguage(qint64 tag)
{
    FormControl &popUp = ctl(CommonLanguagePopupButton);
    for (int i = 0; i < popUp.items.size(); ++i) {
        if (popUp.items[i].tag == tag) {
            popUp.selected = i;
            return;
        }
    }
}

} // namespace drovik::form
