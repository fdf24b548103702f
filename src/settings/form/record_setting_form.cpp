// The form's frame: lookup of its named controls, opening, tabs, OK and Reset, and the user
// actions with the checks that keep a refused gesture from changing anything.
#include "settings/form/record_setting_form.h"

#include "settings/store/card_maintenance.h"
#include "settings/store/setting_manager_holder.h"

namespace drovik::form {

RecordSettingForm::RecordSettingForm(SettingManagerHolder &holder, const VolumeMonitor &monitor,
                                     QObject *parent)
    : SettingForm(parent), m_holder(holder), m_monitor(monitor)
{
    buildLayout();
}

RecordSettingForm::~RecordSettingForm() = default;

R640SettingManager &RecordSettingForm::manager() const { return m_holder.manager(); }

ModelType RecordSettingForm::modelType() const { return manager().modelType(); }

RecordSettingForm::Family RecordSettingForm::familyOf() const
{
    switch (modelType()) {
    case Model::K210: return Family::K210;
    case Model::R640: return Family::R640;
    case Model::V470: return Family::V470;
    case Model::V820: case Model::V820UK: case Model::V880: return Family::V820;
    case Model::R930: case Model::R970: case Model::RB740: return Family::R930;
    case Model::V530: case Model::V560: case Model::VM30: return Family::V560;
    case Model::R60: case Model::RB20: case Model::R120: case Model::RM30: case Model::QT_K9_PN:
        return Family::R60;
    default: return Family::None; // the text-file family, the web-page models, 27 and 28
    }
}

QString RecordSettingForm::family() const
{
    static const char *const names[] = {"", "K210", "R640", "V470", "V820", "R930", "V560", "R60"};
    return QString::fromLatin1(names[int(familyOf())]);
}

bool RecordSettingForm::isSecondGeneration() const
{
    const Family f = familyOf();
    return f == Family::V820 || f == Family::R930 || f == Family::V560 || f == Family::R60;
}

bool RecordSettingForm::isThreeRowParking() const
{
    const ModelType type = modelType();
    return type == Model::V880 || type == Model::R970 || type == Model::RB740;
}

// --- Life cycle -----------------------------------------------------------------------------

void RecordSettingForm::open()
{
    m_question.reset();
    buildLayout();
    applyMainLanguageSetting();
    applyModelFeatures();
    applySettingData();
    applySettingTime();
    m_currentTab = -1;
    tabButtonTouched(0);
    refreshMemoryPartitionGraph();
    refreshSliderGuides();
    emit changed();
}

void RecordSettingForm::tabButtonTouched(int tab)
{
    if (tab < 0 || tab > 3 || tab == m_currentTab)
        return;
    m_currentTab = tab;
    emit changed();
}

CardWriteStatus RecordSettingForm::okButtonTouched()
{
    const CardWriteStatus status = saveData();
    // A card that did not take the record gets no clock file either: half of the settings
    // applied at the camera's next start is worse than none.
    if (!isCardError(status))
        saveSettingTime();
    return status;
}

void RecordSettingForm::resetButtonTouched()
{
    // A replacement manager from the card's default record goes into the holder; manager()
    // follows it. The clock controls are not the record's and stay as they are.
    resetSettingsToDefaults(m_holder);
    applySettingData();
    emit changed();
}

// --- What gestures set off ------------------------------------------------------------------

void RecordSettingForm::cellAboutToBePicked(ControlId id, int previous)
{
    if (id == ControlId::ParkingModeRadioGroup)
        m_parkingRowBeforePick = previous; // where "아니오" to its question returns
}

void RecordSettingForm::pointerSliderChanged()
{
    refreshSliderGuides();
    emit changed();
}

} // namespace drovik::form
