#pragma once

#include "settings/form/setting_form.h"
#include "settings/store/camera_models.h"
#include "settings/store/r640_setting_manager.h"


namespace drovik {
class SettingManagerHolder;
class VolumeMonitor;
class ReformatRunner;
} // namespace drovik

namespace drovik::form {

// The binary-record settings editor without widgets: every control of every family as named
// data, filled from and written to the shared settings manager. The dialog draws it and
// forwards the user's actions; `drovik settings` drives the same object headless.
class RecordSettingForm : public SettingForm {
    Q_OBJECT
public:
    // monitor: the volumes for the format checks.
    RecordSettingForm(SettingManagerHolder &holder, const VolumeMonitor &monitor, QObject *parent = nullptr);
    ~RecordSettingForm() override;

    // Builds the editor as the settings button shows it: labels, time-zone items, the model's
    // features, the record's values, the clock, the first tab, the partition bar, guides hidden.
    // The controls are made anew: pointers from control() and controls() last until then.
    void open() override;

    R640SettingManager &manager() const;
    ModelType modelType() const override;
    // The mapping's name ("K210", "R640", "V470", "V820", "R930", "V560", "R60"); empty for a
    // model without one.
    QString family() const override;

    // The tag of the language pop-up's selected item (-1 when none) / select the item with tag.
    qint64 userSelectedLanguage() const;
    void setUserSelectedLanguage(qint64 tag);

    int currentTab() const override { return m_currentTab; }
    void tabButtonTouched(int tab) override;

    // The editor's own steps, public for the dialog and the tests.
    void applyMainLanguageSetting() override;
    void applyModelFeatures();
    void applySettingData();
    CardWriteStatus saveData();
    void applySettingTime();
    void saveSettingTime();

    // OK: the record, then the clock file.
    CardWriteStatus okButtonTouched() override;
    // Reset: default.cfg through a fresh manager, else the built-in defaults; nothing written.
    void resetButtonTouched() override;

    // The host's answer to the pending question: the index of the button chosen.
    void answer(int button) override;

    // The buttons of the extra-functions tab, also reachable while their sections are hidden
    // (press() refuses hidden buttons).
    void memoryCardFormatButtonTouched();
    void initializeTouchButtonTouched();

signals:
    void cardFormatted(); // the reformat program succeeded: the clip list should be refreshed

private:
    // Implementation details are the form's own (see record_setting_form.cpp and its siblings).
    using Family = ModelFamily;
    const CameraModel &modelRow() const;
    Family familyOf() const;
    bool isSecondGeneration() const;
    bool isThreeRowParking() const;

    // Building (form_layout.cpp)
    void buildLayout();
    void buildCommonAndContinuousSections();
    void buildParkingAndExtraSections();

    // Texts (form_labels.cpp)
    void applyContinuousLabels();
    void applyParkingAndExtraLabels();
    void applyLanguagePopUp();

    // Features per family (form_features.cpp)
    void applyFirstGenerationFeatures(Family family);
    void applySecondGenerationFeatures(Family family);
    void applyGuideTexts();

    // Mapping (form_mapping.cpp)
    void applyCommonSettingData();
    void saveCommonSettingData();
    void applyFirstGenerationSettingData(Family family);
    void saveFirstGenerationSettingData(Family family);
    void applySecondGenerationSettingData(Family family);
    void saveSecondGenerationSettingData(Family family);
    void applyExtraFunctionsSettingData();
    void saveExtraFunctionsSettingData();
    QString productNameForSave() const;

    // Second generation (form_mapping_second_gen.cpp)
    bool hasDriverAssistance() const;
    bool hasSpeedStamp() const;
    bool mapsResolution() const;
    void applySecondGenerationCommonData(Family family);
    void saveSecondGenerationCommonData(Family family);
    void applySecondGenerationContinuousData(Family family);
    void saveSecondGenerationContinuousData(Family family);
    void applyDriverAssistanceData();
    void saveDriverAssistanceData();
    void applySecondGenerationParkingData();
    void saveSecondGenerationParkingData();

    // Time zone and daylight saving (form_time.cpp)
    void insertGMTData();
    void applyTimeZoneSettingData();
    void saveTimeZoneSettingData();
    void applySettingTimeState(bool on);

    // Handlers (form_handlers.cpp)
    void runControlHandler(ControlId id);
    void refreshLinkedStates(std::optional<ControlId> source = std::nullopt);
    void refreshSliderGuides();
    void refreshMemoryPartitionGraph();
    void retitleLDWSSpeedRows();
    void frontResolutionTouched();
    void useParkingModeChanged();
    void answerParkingMode(int button);
    void setParkingSlidersEnabled(bool impact, bool motion, bool rest);
    void restoreParkingModeRow();
    void ask(FormQuestion::Kind kind, const QString &message, const QString &informative,
             const QStringList &buttons);
    void startReformat();

    // What the user's gestures set off (SettingForm's hooks).
    void controlTouched(ControlId id) override { runControlHandler(id); }
    void cellAboutToBePicked(ControlId id, int previous) override;
    void sliderPositionChanged(ControlId) override { refreshSliderGuides(); }
    void pointerSliderChanged() override;

    SettingManagerHolder &m_holder;
    const VolumeMonitor &m_monitor;
    int m_currentTab = -1;
    ReformatRunner *m_reformat = nullptr;
    int m_rearResolutionBeforeForce = -1; // the rear column the HD front forced away
    int m_parkingRowBeforePick = -1;      // the parking-mode row shown before the user's pick
};

} // namespace drovik::form
