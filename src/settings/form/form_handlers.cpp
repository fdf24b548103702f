// What a gesture sets off beyond its own control: linked enabling, slider guides, the
// partition bar, the parking-mode question, and the card maintenance flows with their alerts.
#include "settings/form/record_setting_form.h"

#include "i18n/drovik_languages.h"
#include "settings/store/card_maintenance.h"
#include "settings/form/form_texts.h"

#include <array>

namespace drovik::form {

using namespace formtext;
using enum ControlId;
using enum SectionId;

namespace {


const char *const kFormatFailure =
    "메모리 카드를 포멧할 수 없습니다.\r\n\r\nCAR VIEWR에서 동영상을 재생 중이거나 GPS 데이터를 수집중인 경우\r\n"
    "CAR VIEWER를 종료하고 다시 포맷하십시오.\r\n메모리카드를 사용하고 있는 디스크 유틸리티나 다른 프로그램을 "
    "종료하고\r\n메모리카드의 내용을 표시하고 있는 창이 없는지 확인한 다음 다시 포맷하십시오.";
const char *const kParkingOff = "주차모드를 사용하지 않는 경우,\n차량 시동이 꺼지면 주차 중 녹화가 되지 않습니다.\n"
                                "주차모드 사용을 해제 하시겠습니까?";

} // namespace

void RecordSettingForm::runControlHandler(ControlId id)
{
    if (id == ParkingModeRadioGroup)
        useParkingModeChanged();
    else if (id == EtcMemoryPartitionRadioGroup)
        refreshMemoryPartitionGraph();
    else if (id == CommonSpeedUnitRadioGroup && isSecondGeneration())
        retitleLDWSSpeedRows();
    else if (id == AlwaysRadioGroupFrontResolution && mapsResolution())
        frontResolutionTouched();
    else if (id == CommonTimeCheckBox)
        applySettingTimeState(ctl(id).checked);
    else if (id == CommonCurrentTimeButton)
        ctl(CommonDatePicker).dateTime = QDateTime::currentDateTime();
    else if (id == EtcMemoryCardFormatButton)
        memoryCardFormatButtonTouched();
    else if (id == EtcInitializeTouchButton)
        initializeTouchButtonTouched();
    else
        refreshLinkedStates(id);
}

// Controls whose enabled state follows a radio group: voice volume and parking motion on the
// first generation, the driver-assistance pairs on the second. source: the group just picked;
// empty after filling, when every follower takes its group's state.
void RecordSettingForm::refreshLinkedStates(std::optional<ControlId> source)
{
    const auto follows = [&](ControlId group, std::initializer_list<ControlId> followers,
                             bool secondGeneration) {
        if (secondGeneration != isSecondGeneration() || (source && *source != group))
            return;
        // A group left on its "off" row disables what depends on it.
        const bool on = selected(group) != 1;
        for (const ControlId follower : followers)
            setEnabled(follower, on);
    };
    follows(CommonVoiceMentRadioGroup, {CommonVoiceMentSlider}, false);
    follows(ParkingMotionRadioGroup, {ParkingMotionSlider}, false);
    follows(AlwaysLDWSRadioGroup,
            {AlwaysLDWSSensitivitySlider, AlwaysLDWSRightSensitivitySlider, AlwaysLDWSSpeedRadioGroup},
            true);
    follows(AlwaysFCWSRadioGroup, {AlwaysFCWSSensitivitySlider}, true);
    if (familyOf() == Family::R60)
        follows(AlwaysDrivingGuideRadioGroup, {AlwaysDrivingGuideSubRadioGroup}, true);
}

void RecordSettingForm::refreshSliderGuides()
{
    for (FormControl &c : m_controls) {
        if (c.kind != ControlKind::Slider)
            continue;
        const int index = c.position - c.minimum;
        c.shownGuide = c.id == pointerSlider() && index >= 0 && index < c.guideLabels.size() ? index : -1;
    }
}

void RecordSettingForm::refreshMemoryPartitionGraph()
{
    using Row = std::array<float, 5>;
    static constexpr Row secondShort[] = {{62, 20, 5, 3, 10}, {37, 15, 5, 3, 40}, {55, 15, 15, 5, 10}};
    static constexpr Row secondLong[] = {{60.6f, 20, 5, 3, 10}, {36.3f, 15, 5, 3, 40}, {53.6f, 15, 15, 5, 10}};
    static constexpr Row others[] = {{61, 20, 3, 5, 10}, {36, 15, 3, 5, 40}, {54, 15, 5, 15, 10}};
    const Row *table = others;
    if (modelRow().partition == PartitionShares::SecondShort)
        table = secondShort;
    else if (modelRow().partition == PartitionShares::SecondLong)
        table = secondLong;
    const int column = selected(EtcMemoryPartitionRadioGroup);
    ctl(EtcMemoryPartitionGraph).percentages = table[column == 1 || column == 2 ? column : 0];
}

void RecordSettingForm::retitleLDWSSpeedRows()
{
    const bool mph = selected(CommonSpeedUnitRadioGroup) == 1;
    setCellTitles(AlwaysLDWSSpeedRadioGroup,
                  mph ? QStringList{s("30mph"), s("40mph"), s("50mph"), s("65mph")}
                      : QStringList{s("50km"), s("60km"), s("80km"), s("100km")});
}

// HD at the front allows only HD at the rear; FHD gives the rear its own choice back.
void RecordSettingForm::frontResolutionTouched()
{
    FormControl &rear = ctl(AlwaysRadioGroupRearResolution);
    if (selected(AlwaysRadioGroupFrontResolution) == 0) {
        if (rear.enabled)
            m_rearResolutionBeforeForce = rear.selected;
        rear.selected = 0;
        rear.enabled = false;
    } else if (!rear.enabled) {
        rear.enabled = true;
        if (m_rearResolutionBeforeForce >= 0)
            rear.selected = m_rearResolutionBeforeForce;
        m_rearResolutionBeforeForce = -1;
    }
}

// --- Parking mode ---------------------------------------------------------------------------

void RecordSettingForm::setParkingSlidersEnabled(bool impact, bool motion, bool rest)
{
    setEnabled(ParkingShockSensitivitySlider, impact);
    setEnabled(ParkingMotionSlider, motion);
    for (const ControlId id : {ParkingTimeLimitSlider36x, ParkingTimeLimitSlider36o,
                               ParkingBatteryOff12VSlider, ParkingBatteryOff24VSlider})
        setEnabled(id, rest);
    // On the first generation the motion slider also follows its own radio group.
    if (motion && !isSecondGeneration())
        setEnabled(ParkingMotionSlider, selected(ParkingMotionRadioGroup) == 0);
}

void RecordSettingForm::useParkingModeChanged()
{
    const int row = selected(ParkingModeRadioGroup);
    const QStringList buttons = {L("아니오"), L("예")};
    if (isThreeRowParking()) {
        static const char *const texts[] = {
            "주차모션 선택 시,\n타임랩스 영상이 삭제되고 주차모션 영상이 저장됩니다.\n적용하시겠습니까?",
            "타임랩스 선택 시 \n주차모션 영상이 삭제되고 주차모드 및 주차충격 영상이 타임랩스로 저장됩니다.\n"
            "적용하시겠습니까?",
            kParkingOff};
        ask(FormQuestion::Kind::ParkingMode, L("주차모드"), L(texts[qBound(0, row, 2)]), buttons);
    } else if (row == 1) {
        ask(FormQuestion::Kind::ParkingMode, L("주차모드"), L(kParkingOff), buttons);
    } else {
        setParkingSlidersEnabled(true, true, true);
    }
}

// "아니오" takes the pick back: the radio returns to the row it showed before. Going by the
// record's value instead would keep a declined row when the value is one no row stands for,
// and would turn a repeated "off" pick on two rows into "on".
void RecordSettingForm::restoreParkingModeRow()
{
    const ControlId group = ParkingModeRadioGroup;
    if (m_parkingRowBeforePick >= 0 && m_parkingRowBeforePick < ctl(group).items.size()) {
        select(group, m_parkingRowBeforePick);
        return;
    }
    switch (manager().parking_mode_set()) {
    case 1: select(ParkingModeRadioGroup, 0); break;
    case 2: select(ParkingModeRadioGroup, 1); break;
    case 0: select(ParkingModeRadioGroup, isThreeRowParking() ? 2 : 0); break;
    default: break;
    }
}

void RecordSettingForm::answerParkingMode(int button)
{
    if (button != 1) {
        restoreParkingModeRow();
        return;
    }
    R640SettingManager &m = manager();
    const int row = selected(ParkingModeRadioGroup);
    // The choice goes into the record at once (in memory; the card changes on OK).
    if (row == 0) {
        setParkingSlidersEnabled(true, true, true);
        m.setParking_mode_set(1);
    } else if (row == 1 && isThreeRowParking()) {
        setParkingSlidersEnabled(true, false, true);
        m.setParking_mode_set(2);
    } else {
        setParkingSlidersEnabled(false, false, false);
        m.setParking_mode_set(0);
    }
}

// --- Alerts ---------------------------------------------------------------------------------

void RecordSettingForm::ask(FormQuestion::Kind kind, const QString &message,
                            const QString &informative, const QStringList &buttons)
{
    FormQuestion question;
    question.kind = kind;
    question.message = message;
    question.informative = informative;
    question.buttons = buttons;
    m_question = question;
    emit questionAsked(question);
}

void RecordSettingForm::answer(int button)
{
    if (!m_question || !m_question->buttonsEnabled || button < 0 || button >= m_question->buttons.size())
        return;
    const FormQuestion::Kind kind = m_question->kind;
    m_question.reset();
    emit questionEnded();
    switch (kind) {
    case FormQuestion::Kind::ParkingMode:
        answerParkingMode(button);
        break;
    case FormQuestion::Kind::FormatConfirm:
        if (button == 1)
            startReformat();
        break;
    case FormQuestion::Kind::TouchResetConfirm:
        if (button == 1) {
            createTouchCalibrationMarker(manager().settingDirPath());
            ask(FormQuestion::Kind::TouchResetDone, L("초기화하기"),
                L("화면 터치 정확도 초기화가 완료되었습니다."), {L("OK")});
        }
        break;
    default:
        break;
    }
    emit changed();
}

void RecordSettingForm::memoryCardFormatButtonTouched()
{
    if (m_question)
        return;
    const QString root = manager().settingDirPath();
    if (root.isEmpty() || checkCardFormattable(root, m_monitor) != FormatCheck::Allowed) {
        ask(FormQuestion::Kind::CannotFormat, L("메모리 카드 포멧"), L("메모리 카드를 포멧할 수 없습니다."),
            {L("OK")});
        return;
    }
    ask(FormQuestion::Kind::FormatConfirm, L("메모리 카드 포멧"),
        L("주의 : 포맷 시 메모리 카드의 모든 데이터가 삭제됩니다. \r\n포맷하려면 (예)를, 취소하려면 (아니오)를 "
          "선택 하십시오."),
        {L("아니오"), L("예")});
}

void RecordSettingForm::startReformat()
{
    if (!m_reformat) {
        m_reformat = new ReformatRunner(m_monitor, this);
        connect(m_reformat, &ReformatRunner::finished, this, [this](const ReformatResult &result) {
            if (!m_question || m_question->kind != FormQuestion::Kind::Formatting)
                return;
            // A program that could not even start failed too; the waiting text would never end.
            m_question->informative = result.succeeded() ? L("메모리 카드 포맷이 완료 되었습니다.")
                                                         : L(kFormatFailure);
            m_question->buttonsEnabled = true;
            m_question->busy = false;
            emit questionUpdated(*m_question);
            if (result.succeeded())
                emit cardFormatted();
            emit changed();
        });
    }
    // The card may have gone between the question and the answer.
    if (m_reformat->start(manager().settingDirPath()) != FormatCheck::Allowed) {
        ask(FormQuestion::Kind::CannotFormat, L("메모리 카드 포멧"), L("메모리 카드를 포멧할 수 없습니다."),
            {L("OK")});
        return;
    }
    FormQuestion question;
    question.kind = FormQuestion::Kind::Formatting;
    question.message = L("메모리 카드 포멧");
    question.informative = L("포맷 중 입니다.\r\n잠시만 기다려 주십시오.");
    question.buttons = {L("OK")};
    question.buttonsEnabled = false;
    question.busy = true;
    m_question = question;
    emit questionAsked(question);
}

void RecordSettingForm::initializeTouchButtonTouched()
{
    if (m_question)
        return;
    ask(FormQuestion::Kind::TouchResetConfirm, L("초기화하기"),
        L("주의 : 현재 설정된 화면 터치 정확도 값이 초기화 됩니다.\r\n초기화하려면 (예)를, 취소하려면 (아니오)를 "
          "선택 하십시오."),
        {L("아니오"), L("예")});
}

} // namespace drovik::form
