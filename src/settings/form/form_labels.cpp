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

void RecordSettingForm::applyMainLanguageSetting()
{
    const QStringList useRows = Ls({"사용함", "사용 안함"});
    const auto title = [this](const char *section, const char *key) { sec(s(section)).title = L(key); };
    const auto rows = [this](const char *control, const QStringList &texts) {
        setCellTitles(s(control), texts);
    };
    const auto caption = [this](const char *control, const char *key) { ctl(s(control)).title = L(key); };

    m_frameTexts = {L("블랙박스 설정"), Ls({"공통", "상시모드", "주차모드", "부가기능"}),
                    L("설정값 초기화"), L("확인"), L("취소")};

    // Common
    title("commonLanguageView", "언어");
    title("commonBrightnessView", "밝기");
    caption("commonFrontBrightnessSlider", "전방");
    caption("commonRearBrightnessSlider", "후방");
    for (const char *name : {"commonFrontBrightnessSlider", "commonRearBrightnessSlider"})
        ctl(s(name)).descriptions = Ls({"어둡게", "밝게"});
    title("commonAudioRecordView", "음성녹음");
    rows("commonAudioRecordRadioGroup", useRows);
    title("commonVoiceMentView", "음성 멘트");
    rows("commonVoiceMentRadioGroup", useRows);
    caption("commonVoiceMentSlider", "볼륨");
    title("commonTimeView", "시간설정");
    caption("commonCurrentTimeButton", "현재 시간 가져오기");
    title("commonGMTView", "표준시간대");
    title("commonDSTView", "DST");
    rows("commonDSTRadioGroup", Ls({"설정", "해제"}));
    title("commonDateFormatView", "비디오 날짜 형식");
    const QDate today = QDate::currentDate();
    rows("commonVideoDateFormatRadioGroup",
         {L("yyyy-MM-dd") + s("  ") + L("e.g.)") + s(")") + today.toString(s("yyyy-MM-dd")),
          L("MMM-dd-yyyy") + s("  ") + L("e.g.)")
              + QLocale(s("en_US")).toString(today, s("MMM-dd-yyyy"))});
    title("commonSpeedUnitView", "속도표시");
    rows("commonSpeedUnitRadioGroup", Ls({"kph", "mph"}));
    title("commonDrivingGuideView", "안전운행 구간 음성 안내");
    rows("commonDrivingGuideRadioGroup", useRows);
    title("commonLCDBrightnessView", "LCD 화면 밝기");
    title("commonLCDOffTimerView", "LCD 자동 꺼짐");
    static const QList<ModelType> threeTimerRows = {Model::V820, Model::V820UK, Model::V530,
                                                   Model::V560, Model::V880,   Model::R60,
                                                   Model::RB20, Model::R120,   Model::VM30,
                                                   Model::RM30, Model::QT_K9_PN};
    rows("commonLCDOffTimerRadioGroup",
         threeTimerRows.contains(modelType()) ? Ls({"V820 : 30초 후", "V820 : 10분 후", "사용 안함"})
                                              : Ls({"2분 후", "5분 후", "10분 후", "사용 안함"}));
    title("commonSpeedStampView", "영상 속도 정보 표출");
    rows("commonSpeedStampRadioGroup", useRows);

    applyContinuousLabels();
    applyParkingAndExtraLabels();
    applyLanguagePopUp();
    emit changed();
}

void RecordSettingForm::applyContinuousLabels()
{
    const QStringList useRows = Ls({"사용함", "사용 안함"});
    const auto title = [this](const char *section, const char *key) { sec(s(section)).title = L(key); };
    const auto rows = [this](const char *control, const QStringList &texts) {
        setCellTitles(s(control), texts);
    };
    const auto caption = [this](const char *control, const char *key) { ctl(s(control)).title = L(key); };

    title("alwaysResolutionView", "영상 해상도");
    caption("alwaysRadioGroupFrontResolution", "전방");
    caption("alwaysRadioGroupRearResolution", "후방");
    title("alwaysFrameRateView", "프레임 수");
    if (modelType() == Model::K210) {
        rows("alwaysRadioGroupFrameRate", Ls({"고정 15fps", "고정 30fps"}));
        rows("parkingFrameRateRadioGroup", Ls({"고정 15fps", "고정 30fps"}));
    }
    title("alwaysQualityView", "영상 화질");
    caption("alwaysRadioGroupFrontQuality", "전방");
    caption("alwaysRadioGroupRearQuality", "후방");
    const QStringList qualityColumns = Ls({"낮음", "보통", "높음"});
    rows("alwaysRadioGroupFrontQuality", qualityColumns);
    rows("alwaysRadioGroupRearQuality", qualityColumns);
    title("alwaysShockSensitivityView", "충격 감도");
    title("alwaysDrivingGuideView", "V820 : 안전운행 구간 음성 안내");
    rows("alwaysDrivingGuideRadioGroup", useRows);
    title("alwaysWDRView", "역광보정 기능(WDR)");
    rows("alwaysWDRRadioGroup", useRows);
    title("alwaysVehicleTypeView", "차량 종류");
    rows("alwaysVehicleTypeRadioGroup", Ls({"세단", "SUV", "트럭 (버스)"}));
    title("alwaysLDWSView", "차선이탈 경보");
    rows("alwaysLDWSRadioGroup", useRows);
    title("alwaysLDWSSensitivityView", "차선이탈 민감도");
    // The model with one lane-departure slider shows it without the "left" title.
    if (modelType() == Model::R930)
        ctl(s("alwaysLDWSSensitivitySlider")).title.clear();
    else
        caption("alwaysLDWSSensitivitySlider", "왼쪽");
    caption("alwaysLDWSRightSensitivitySlider", "오른쪽");
    title("alwaysLDWSSpeedView", "차선이탈 감지 속도");
    title("alwaysFCWSView", "전방 추돌 경보");
    rows("alwaysFCWSRadioGroup", useRows);
    title("alwaysFCWSSensitivityView", "전방 추돌 민감도");
    title("alwaysFVDWView", "앞차 출발 알림");
    rows("alwaysFVDWRadioGroup", useRows);
    title("alwaysDrivingGuideSubView", "이동식 단속 구간 안내");
    rows("alwaysDrivingGuideSubRadioGroup", useRows);
    for (const char *name : {"alwaysShockSensitivitySlider", "parkingShockSensitivitySlider"})
        ctl(s(name)).descriptions = Ls({"둔감", "민감"});
}

void RecordSettingForm::applyParkingAndExtraLabels()
{
    const QStringList useRows = Ls({"사용함", "사용 안함"});
    const auto title = [this](const char *section, const char *key) { sec(s(section)).title = L(key); };
    const auto rows = [this](const char *control, const QStringList &texts) {
        setCellTitles(s(control), texts);
    };
    const auto caption = [this](const char *control, const char *key) { ctl(s(control)).title = L(key); };

    title("parkingModeView", "주차모드");
    rows("parkingModeRadioGroup", ctl(s("parkingModeRadioGroup")).items.size() == 3
                                      ? Ls({"주차모션", "타임랩스", "사용 안함"})
                                      : useRows);
    caption("parkingModeUseDescriptionLabel", "(시동이 꺼지면 주차 녹화 모드로 전환합니다");
    caption("parkingModeNoUseDescriptionLabel", "(시동이 꺼지면 블랙박스를 종료합니다");
    title("parkingSuperNightVisionView", "슈퍼 나이트 비전");
    rows("parkingSuperNightVisionRadioGroup", useRows);
    title("parkingResolutionView", "영상 해상도");
    caption("parkingFrontResolutionRadioGroup", "전방");
    caption("parkingRearResolutionRadioGroup", "후방");
    title("parkingFrameRateView", "프레임 수");
    title("parkingQualityView", "영상 화질");
    caption("parkingFrontQualityRadioGroup", "전방");
    caption("parkingRearQualityRadioGroup", "후방");
    const QStringList qualityColumns = Ls({"낮음", "보통", "높음"});
    rows("parkingFrontQualityRadioGroup", qualityColumns);
    rows("parkingRearQualityRadioGroup", qualityColumns);
    title("parkingShockSensitivityView", "충격 감도");
    title("parkingMotionView", "모션 감지");
    rows("parkingMotionRadioGroup", useRows);
    title("parkingTimelimitView_36x", "녹화 종료 타이머 설정");
    title("parkingTimelimitView_36o", "녹화 종료 타이머 설정");
    caption("parkingTimeLimitSlider_36x", "시간");
    caption("parkingTimeLimitSlider_36o", "시간");
    title("parkingBatteryView", "녹화 종료 전압 설정");
    caption("parkingBatteryOff12VSlider", "차량전압 12V");
    caption("parkingBatteryOff24VSlider", "차량전압 24V");

    title("etcOverwriteView", "녹화 영상 별 덮어쓰기");
    caption("etcOverwriteAlwaysCheckBox", "상시 녹화");
    caption("etcOverwriteAlwaysShockCheckBox", "상시 충격");
    caption("etcOverwriteParkingMotionCheckBox", "주차 모션");
    caption("etcOverwriteParkingShockCheckBox", "주차 충격");
    caption("etcOverwriteManualCheckBox", "수동 녹화");
    title("etcSecurityLEDView", "시큐리티 LED");
    rows("etcSecurityLEDRadioGroup", Ls({"모드 1", "모드 2", "모드 3", "사용 안함"}));
    caption("etcSecurityLEDDescriptionTitleLabel", "녹화모드에 따라 다르게");
    const ModelType type = modelType();
    caption("etcSecurityLEDMode1Label",
            type == Model::V820 || type == Model::V820UK || type == Model::V880 ? "회전" : "Left-Right");
    caption("etcSecurityLEDMode2Label", "Blinking");
    title("etcMemoryPartitionView", "메모리 파티션");
    rows("etcMemoryPartitionRadioGroup", Ls({"A Type(권장)", "B Type", "C Type"}));
    caption("etcMemoryPartitionAlwaysLabel", "상시녹화");
    caption("etcMemoryPartitionAlwaysShockLabel", "상시충격");
    caption("etcMemoryPartitionParkingMotionLabel", "주차모션");
    caption("etcMemoryPartitionParkingShockLabel", "주차충격");
    caption("etcMemoryPartitionManualLabel", "수동녹화");
    title("etcMemoryCardFormatView", "메모리 카드 포멧");
    caption("etcMemoryCardFormatButton", "포멧하기");
    title("etcInitializeTouchView", "화면 터치 정확도 초기화");
    caption("etcInitializeTouchButton", "초기화하기");
}

// The camera's languages, each by its English name; the selected language survives a rebuild.
void RecordSettingForm::applyLanguagePopUp()
{
    FormControl &popUp = ctl(s("commonLanguagePopupButton"));
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
    const FormControl *popUp = control(s("commonLanguagePopupButton"));
    if (!popUp || popUp->selected < 0 || popUp->selected >= popUp->items.size())
        return -1;
    return popUp->items[popUp->selected].tag;
}

void RecordSettingForm::setUserSelectedLanguage(qint64 tag)
{
    FormControl &popUp = ctl(s("commonLanguagePopupButton"));
    for (int i = 0; i < popUp.items.size(); ++i) {
        if (popUp.items[i].tag == tag) {
            popUp.selected = i;
            return;
        }
    }
}

} // namespace drovik::form
