#pragma once

#include "settings/form/form_control.h"
#include "settings/store/kvl_setting_manager.h"
#include "settings/store/model_types.h"
#include "settings/store/r640_setting_manager.h"

#include <QHash>
#include <QObject>

#include <initializer_list>
#include <optional>

namespace drovik::form {

// The text-file camera's settings editor without widgets: one scrolling page of named controls
// over the key=value lines of the card's blackbox.cfg. Unlike the record editor, every gesture
// writes its line at once (in memory); OK writes the clock block when asked and then the file.
// Its public shape follows RecordSettingForm so the dialog and `drovik settings` treat both
// alike.
class KvlSettingForm : public QObject {
    Q_OBJECT
public:
    // lines: the loaded text settings (the host loads them before each showing); card: the
    // detected card, for the model type and the card root the lines' manager also reads.
    KvlSettingForm(KVLSettingManager &lines, R640SettingManager &card, QObject *parent = nullptr);
    ~KvlSettingForm() override;

    // Builds the page as the settings button shows it: texts, the clock controls reset, every
    // control filled from the lines. Pointers from control() and controls() last until then.
    void open();

    KVLSettingManager &manager() const { return m_lines; }
    R640SettingManager &card() const { return m_card; }
    ModelType modelType() const;
    QString family() const; // "N260"

    const FrameTexts &frameTexts() const { return m_frameTexts; }
    const QList<FormSection> &sections() const { return m_sections; }
    const FormSection *section(const QString &name) const;
    const FormControl *control(const QString &name) const;
    // Every control, section by section, in drawing order.
    QList<const FormControl *> controls() const;
    bool isShown(const QString &name) const;
    int currentTab() const { return 0; } // one page: every section is on tab 0

    // The editor's own steps, public for the dialog and the tests.
    void applyMainLanguageSeting();
    void applyModelFeatures(); // the clock controls: box clear, picker now and disabled
    void applySettingData();   // every control from the lines

    // OK: the clock block when the box is checked, then the file. On a card error nothing
    // changes, in memory or on the card, so the host can report it and keep the editor open.
    CardWriteStatus okButtonTouched();
    // Cancel writes nothing; the lines keep what the gestures wrote until the next load.
    void cancelButtonTouched() {}
    // Reset: the built-in default lines (the camera's own model and version lines kept), the
    // controls refilled, the clock box cleared. Nothing is written.
    void resetButtonTouched();

    // --- User actions: each is one gesture on a shown, enabled control -------------------
    ActionResult pickCell(const QString &name, int index);
    ActionResult pickTag(const QString &name, qint64 tag); // no pop-up here: always refused
    ActionResult setChecked(const QString &name, bool checked);
    ActionResult setDateTime(const QString &name, const QDateTime &dateTime);
    ActionResult press(const QString &name);
    ActionResult sliderTouchedDown(const QString &name);
    ActionResult sliderMoved(const QString &name, int position);
    void sliderTouchedUp(const QString &name);
    ActionResult setSlider(const QString &name, int position);

    // This editor raises no alert of its own; the card error is okButtonTouched's result.
    std::optional<FormQuestion> pendingQuestion() const { return std::nullopt; }
    void answer(int) {}

    // The twelve time-zone items' offsets in hours, in list order.
    static const QList<double> &timeZoneOffsets();
    // The item a local_time value selects.
    static int timeZoneIndexForValue(const QString &value);
    // NSString-style integer value: leading blanks, a sign, digits; 0 when there are none.
    static int integerValue(const QString &text);

signals:
    void changed();
    void questionAsked(const drovik::form::FormQuestion &question);
    void questionEnded();

private:
    // Layout and texts (kvl_form_layout.cpp)
    void buildLayout();
    void addSection(const QString &name, QList<FormControl> controls);

    // Lines and mapping (kvl_form_mapping.cpp)
    std::optional<QString> lineValue(const QString &key) const;
    void writeLine(const QString &key, const QString &value);
    void applyPartitionData();
    void refreshMemoryPartitionGraph(const PartitionRatios &ratios);
    void runControlHandler(const QString &name);
    void writeSliderLine(const QString &name);
    void applyClockState(bool on);
    QStringList clockLines() const;

    FormControl &ctl(const QString &name);
    FormSection &sec(const QString &name);
    void select(const QString &name, int index);
    int selected(const QString &name) const;
    ActionResult checkAction(const QString &name, std::initializer_list<ControlKind> kinds,
                             FormControl **out);

    KVLSettingManager &m_lines;
    R640SettingManager &m_card;
    QList<FormSection> m_sections;
    QList<FormControl> m_controls;
    QHash<QString, int> m_controlIndex;
    FrameTexts m_frameTexts;
    QString m_pointerSlider;
};

} // namespace drovik::form
