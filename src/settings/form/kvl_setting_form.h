#pragma once

#include "settings/form/setting_form.h"
#include "settings/store/camera_models.h"
#include "settings/store/kvl_setting_manager.h"
#include "settings/store/r640_setting_manager.h"

#include <optional>

namespace drovik::form {

// The text-file camera's settings editor without widgets: one scrolling page of named controls
// over the key=value lines of the card's blackbox.cfg. Unlike the record editor, every gesture
// writes its line at once (in memory); OK writes the clock block when asked and then the file.
// Its public shape follows RecordSettingForm so the dialog and `drovik settings` treat both
// alike.
class KvlSettingForm : public SettingForm {
    Q_OBJECT
public:
    // lines: the loaded text settings (the host loads them before each showing); card: the
    // detected card, for the model type and the card root the lines' manager also reads.
    KvlSettingForm(KvlSettingManager &lines, R640SettingManager &card, QObject *parent = nullptr);
    ~KvlSettingForm() override;

    // Builds the page as the settings button shows it: texts, the clock controls reset, every
    // control filled from the lines. Pointers from control() and controls() last until then.
    void open() override;

    KvlSettingManager &manager() const { return m_lines; }
    R640SettingManager &card() const { return m_card; }
    ModelType modelType() const override;
    QString family() const override; // "N260"

    // The editor's own steps, public for the dialog and the tests.
    void applyMainLanguageSetting() override;
    void applyModelFeatures(); // the clock controls: box clear, picker now and disabled
    void applySettingData();   // every control from the lines

    // OK: the clock block when the box is checked, then the file. On a card error nothing
    // changes, in memory or on the card, so the host can report it and keep the editor open.
    CardWriteStatus okButtonTouched() override;
    // Cancel writes nothing; the lines keep what the gestures wrote until the next load.
    void cancelButtonTouched() {}
    // Reset: the built-in default lines (the camera's own model and version lines kept), the
    // controls refilled, the clock box cleared. Nothing is written.
    void resetButtonTouched() override;

    // The twelve time-zone items' offsets in hours, in list order.
    static const QList<double> &timeZoneOffsets();
    // The item a local_time value selects.
    static int timeZoneIndexForValue(const QString &value);
    // NSString-style integer value: leading blanks, a sign, digits; 0 when there are none.
    static int integerValue(const QString &text);

private:
    // Layout and texts (kvl_form_layout.cpp)
    void buildLayout();
    void addSection(SectionId id, QList<FormControl> controls) { SettingForm::addSection(id, 0, controls); }

    // Lines and mapping (kvl_form_mapping.cpp)
    std::optional<QString> lineValue(const QString &key) const;
    void writeLine(const QString &key, const QString &value);
    void applyPartitionData();
    void refreshMemoryPartitionGraph(const PartitionRatios &ratios);
    void runControlHandler(ControlId id);
    void writeSliderLine(ControlId id);
    void applyClockState(bool on);
    QStringList clockLines() const;

    // What the user's gestures set off (SettingForm's hooks). Every position a slider stops
    // on is written at once, whether the pointer or the keyboard moved it: a value on screen
    // that OK would not save is worse than a line written early. Its guides stay hidden.
    void controlTouched(ControlId id) override { runControlHandler(id); }
    void sliderPositionChanged(ControlId id) override { writeSliderLine(id); }

    KvlSettingManager &m_lines;
    R640SettingManager &m_card;
};

} // namespace drovik::form
