#pragma once

#include "settings/form/form_control.h"
#include "settings/store/model_types.h"
#include "settings/store/r640_setting_manager.h"

#include <QObject>

#include <optional>

namespace drovik {
class SettingManagerHolder;
class VolumeMonitor;
class ReformatRunner;
} // namespace drovik

namespace drovik::form {

// An alert the form raises; the host shows it (a sheet in the dialog) and calls answer().
struct FormQuestion {
    enum class Kind {
        ParkingMode,       // "아니오", "예"
        CannotFormat,      // "OK"
        FormatConfirm,     // "아니오", "예"
        Formatting,        // "OK", disabled while the reformat program runs
        TouchResetConfirm, // "아니오", "예"
        TouchResetDone,    // "OK"
    };
    Kind kind = Kind::ParkingMode;
    QString message;
    QString informative;
    QStringList buttons; // localised, in order; in the two-button alerts the last confirms
    bool buttonsEnabled = true;
    bool busy = false; // the progress bar runs
};

// Why a user action was refused; the form is unchanged then.
enum class ActionResult { Done, UnknownControl, WrongKind, NotShown, Disabled, BadValue };

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
    void open();

    R640SettingManager &manager() const;
    ModelType modelType() const;
    // The mapping's name ("K210", "R640", "V470", "V820", "R930", "V560", "R60"); empty for a
    // model without one (types 27 and 28).
    QString family() const;

    const QList<FormSection> &sections() const { return m_sections; }
    const FormSection *section(const QString &name) const;
    const FormControl *control(const QString &name) const;
    // Every control, page by page, section by section.
    QList<const FormControl *> controls() const;
    // Shown on screen: the control and the section holding it are visible.
    bool isShown(const QString &name) const;

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

signals:
    void changed(); // controls, sections or texts changed: redraw
    void questionAsked(const drovik::form::FormQuestion &question);
    void questionUpdated(const drovik::form::FormQuestion &question); // the formatting sheet
    void questionEnded();
    void cardFormatted(); // the reformat program succeeded: the clip list should be refreshed

private:
    // Implementation details are the form's own (see record_setting_form.cpp).
    SettingManagerHolder &m_holder;
    const VolumeMonitor *m_monitor = nullptr;
    QList<FormSection> m_sections;
    QList<FormControl> m_controls;
    int m_currentTab = -1;
    std::optional<FormQuestion> m_question;
    ReformatRunner *m_reformat = nullptr;
};

} // namespace drovik::form
