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

const CameraModel &RecordSettingForm::modelRow() const { return cameraModel(modelType()); }

RecordSettingForm::Family RecordSettingForm::familyOf() const { return modelRow().family; }

QString RecordSettingForm::family() const { return familyName(familyOf()); }

bool RecordSettingForm::isSecondGeneration() const { return modelRow().generation == 2; }

bool RecordSettingForm::isThreeRowParking() const { return modelRow().threeRowParking; }

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
