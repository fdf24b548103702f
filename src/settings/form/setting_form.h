#pragma once

#include "settings/form/form_control.h"
#include "settings/store/camera_models.h"
#include "settings/store/r640_setting_manager.h"

#include <QObject>

#include <array>
#include <initializer_list>
#include <optional>

namespace drovik::form {

// What every settings editor's model shares: its named controls and sections, the lookups the
// dialog and `drovik settings` use, and the user's gestures with the checks that keep a refused
// one from changing anything. The editors supply their layout, their record and what a gesture
// sets off, through the hooks below.
class SettingForm : public QObject {
    Q_OBJECT
public:
    ~SettingForm() override;

    // Builds the editor as the settings button shows it. The controls are made anew: pointers
    // from control() and controls() last until then.
    virtual void open() = 0;
    virtual ModelType modelType() const = 0;
    virtual QString family() const = 0;
    virtual void applyMainLanguageSetting() = 0; // every text, again after a language change
    virtual CardWriteStatus okButtonTouched() = 0;
    virtual void resetButtonTouched() = 0;
    virtual int currentTab() const { return 0; }
    virtual void tabButtonTouched(int) {}

    const FrameTexts &frameTexts() const { return m_frameTexts; }
    const QList<FormSection> &sections() const { return m_sections; }
    // Null for an id this editor does not have.
    const FormSection *section(SectionId id) const;
    const FormControl *control(ControlId id) const;
    // Every control, page by page, section by section.
    QList<const FormControl *> controls() const;
    // Shown on screen: the control and the section holding it are visible.
    bool isShown(ControlId id) const;

    // --- User actions: each is one gesture on a shown, enabled control -------------------
    ActionResult pickCell(ControlId id, int index); // radio cell, pop-up or combo item
    ActionResult pickTag(ControlId id, qint64 tag); // pop-up item by its tag
    ActionResult setChecked(ControlId id, bool checked);
    ActionResult setDateTime(ControlId id, const QDateTime &dateTime);
    ActionResult press(ControlId id); // a Button
    // A slider as the pointer works it: over it (down), moved, away (up).
    ActionResult sliderTouchedDown(ControlId id);
    ActionResult sliderMoved(ControlId id, int position);
    void sliderTouchedUp(ControlId id);
    // The whole gesture: down, moved to position, up.
    ActionResult setSlider(ControlId id, int position);

    // --- Alerts -------------------------------------------------------------------------------
    std::optional<FormQuestion> pendingQuestion() const { return m_question; }
    // The host's answer to the pending question: the index of the button chosen.
    virtual void answer(int) {}

signals:
    void changed(); // controls, sections or texts changed: redraw
    void questionAsked(const drovik::form::FormQuestion &question);
    void questionUpdated(const drovik::form::FormQuestion &question); // a running task's sheet
    void questionEnded();

protected:
    explicit SettingForm(QObject *parent = nullptr);

    // What a gesture sets off, after the control has taken its new value.
    virtual void controlTouched(ControlId) {} // a cell, a check box or a button
    virtual void cellAboutToBePicked(ControlId, int /*previous*/) {}
    virtual void sliderPositionChanged(ControlId) {}
    virtual void pointerSliderChanged() {} // a slider came under the pointer or left it

    // Building: forget every control, then add the sections in drawing order.
    void clearLayout();
    void addSection(SectionId id, int tab, QList<FormControl> controls);

    // Lookup and small state changes. The form's own code names only what its layout holds;
    // anything else is a programming error that stops the program (see ctl).
    FormControl &ctl(ControlId id);
    FormSection &sec(SectionId id);
    void setSectionShown(SectionId id, bool shown) { sec(id).visible = shown; }
    void setControlShown(ControlId id, bool shown) { ctl(id).visible = shown; }
    void setEnabled(ControlId id, bool enabled) { ctl(id).enabled = enabled; }
    void select(ControlId id, int index);
    int selected(ControlId id) const;
    void setPosition(ControlId id, int position);
    int position(ControlId id) const;
    void setRange(ControlId id, int minimum, int maximum);
    void setCellTitles(ControlId id, const QStringList &titles);
    void setCellCount(ControlId id, int count);
    std::optional<ControlId> pointerSlider() const { return m_pointerSlider; }

    QList<FormControl> m_controls;
    FrameTexts m_frameTexts;
    // Set while an alert is open; it holds every gesture, as the dialog's modal sheets do.
    std::optional<FormQuestion> m_question;

private:
    ActionResult checkAction(ControlId id, std::initializer_list<ControlKind> kinds,
                             FormControl **out);
    static bool isStop(const FormControl &slider, int position);

    QList<FormSection> m_sections;
    std::array<int, kControlCount> m_controlIndex; // into m_controls; -1: not in the layout
    std::optional<ControlId> m_pointerSlider; // the slider under the pointer, between down and up
};

} // namespace drovik::form
