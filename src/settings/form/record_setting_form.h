#pragma once

#include "settings/form/form_control.h"
#include "settings/store/model_types.h"
#include "settings/store/r640_setting_manager.h"

#include <QHash>
#include <QObject>

#include <initializer_list>

#include <optional>

namespace drovik {
class SettingManagerHolder;
class VolumeMonitor;
class ReformatRunner;
} // namespace drovik

namespace drovik::form {

// The binary-record settings editor without widgets: every control of every family as named
// data, filled from and written to the shared settings manager. The dialog draws it and
// forwards the user's actions; `drovik settings` drives the same object headless.
class RecordSettingForm : public QObject {
    Q_OBJECT
public:
    // monitor: the volumes for the format checks (VolumeMonitor::shared() when null).
    explicit RecordSettingForm(SettingManagerHolder &holder,
                               const VolumeMonitor *monitor = nullptr, QObject *parent = nullptr);
    ~RecordSettingForm() override;

    // Builds the editor as the settings button shows it: labels, time-zone items, the model's
    // features, the record's values, the clock, the first tab, the partition bar, guides hidden.
    // The controls are made anew: pointers from control() and controls() last until then.
    void open();

    R640SettingManager &manager() const;
    ModelType modelType() const;
    // The mapping's name ("K210", "R640", "V470", "V820", "R930", "V560", "R60"); empty for a
    // model without one (types 27 and 28).
    QString family() const;

    const FrameTexts &frameTexts() const { return m_frameTexts; }
    const QList<FormSection> &sections() const { return m_sections; }
    const FormSection *section(const QString &name) const;
    const FormControl *control(const QString &name) const;
    // Every control, page by page, section by section.
    QList<const FormControl *> controls() const;
    // Shown on screen: the control and the section holding it are visible.
    bool isShown(const QString &name) const;

    // The tag of the language pop-up's selected item (-1 when none) / select the item with tag.
    qint64 userSelectedLanguage() const;
    void setUserSelectedLanguage(qint64 tag);

    int currentTab() const { return m_currentTab; }
    void tabButtonTouched(int tab);

    // The editor's own steps, public for the dialog and the tests.
    void applyMainLanguageSeting(); // every text, again after a language change
    void applyModelFeatures();
    void applySettingData();
    CardWriteStatus saveData();
    void applySettingTime();
    void saveSettingTime();

    // OK: the record, then the clock file.
    CardWriteStatus okButtonTouched();
    // Reset: default.cfg through a fresh manager, else the built-in defaults; nothing written.
    void resetButtonTouched();

    // --- User actions: each is one gesture on a shown, enabled control -------------------
    ActionResult pickCell(const QString &name, int index); // radio cell, pop-up or combo item
    ActionResult pickTag(const QString &name, qint64 tag); // pop-up item by its tag
    ActionResult setChecked(const QString &name, bool checked);
    ActionResult setDateTime(const QString &name, const QDateTime &dateTime);
    ActionResult press(const QString &name); // a Button
    // A slider as the pointer works it: over it (down), moved, away (up). The guide label of
    // the position shows only between down and up.
    ActionResult sliderTouchedDown(const QString &name);
    ActionResult sliderMoved(const QString &name, int position);
    void sliderTouchedUp(const QString &name);
    // The whole gesture: down, moved to position, up.
    ActionResult setSlider(const QString &name, int position);

    // --- Alerts -------------------------------------------------------------------------------
    std::optional<FormQuestion> pendingQuestion() const { return m_question; }
    // The host's answer to the pending question: the index of the button chosen.
    void answer(int button);

    // The buttons of the extra-functions tab, also reachable while their sections are hidden
    // (press() refuses hidden buttons).
    void memoryCardFormatButtonTouched();
    void initializeTouchButtonTouched();

signals:
    void changed(); // controls, sections or texts changed: redraw
    void questionAsked(const drovik::form::FormQuestion &question);
    void questionUpdated(const drovik::form::FormQuestion &question); // the formatting sheet
    void questionEnded();
    void cardFormatted(); // the reformat program succeeded: the clip list should be refreshed

private:
    // Implementation details are the form's own (see record_setting_form.cpp and its siblings).
    enum class Family { None, K210, R640, V470, V820, R930, V560, R60 };
    Family familyOf() const;
    bool isSecondGeneration() const;
    bool isThreeRowParking() const;

    // Building (form_layout.cpp)
    void buildLayout();
    void buildCommonAndContinuousSections();
    void buildParkingAndExtraSections();
    void addSection(const QString &name, int tab, QList<FormControl> controls);

    // Lookup and small state changes
    FormControl &ctl(const QString &name);
    FormSection &sec(const QString &name);
    void setSectionShown(const QString &name, bool shown);
    void setControlShown(const QString &name, bool shown);
    void setEnabled(const QString &name, bool enabled);
    void select(const QString &name, int index);
    int selected(const QString &name) const;
    void setPosition(const QString &name, int position);
    int position(const QString &name) const;
    void setRange(const QString &name, int minimum, int maximum);
    void setCellTitles(const QString &name, const QStringList &titles);
    void setCellCount(const QString &name, int count);

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
    bool hasConditionA() const;
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
    void runControlHandler(const QString &name);
    void refreshLinkedStates(const QString &source = QString());
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
    ActionResult checkAction(const QString &name, std::initializer_list<ControlKind> kinds,
                             FormControl **out);

    SettingManagerHolder &m_holder;
    const VolumeMonitor *m_monitor = nullptr;
    QList<FormSection> m_sections;
    QList<FormControl> m_controls;
    int m_currentTab = -1;
    std::optional<FormQuestion> m_question;
    ReformatRunner *m_reformat = nullptr;
    QHash<QString, int> m_controlIndex;
    FrameTexts m_frameTexts;
    QString m_pointerSlider;       // the slider under the pointer, between down and up
    int m_rearResolutionBeforeForce = -1; // the rear column the HD front forced away
    int m_parkingRowBeforePick = -1;      // the parking-mode row shown before the user's pick
};

} // namespace drovik::form
