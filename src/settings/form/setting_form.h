#pragma once

#include "settings/form/form_control.h"
#include "settings/store/model_types.h"
#include "settings/store/r640_setting_manager.h"

#include <QHash>
#include <QObject>

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
    const FormSection *section(const QString &name) const;
    const FormControl *control(const QString &name) const;
    // Every control, page by page, section by section.
    QList<const FormControl *> controls() const;
    // Shown on screen: the control and the section holding it are visible.
    bool isShown(const QString &name) const;

    // --- User actions: each is one gesture on a shown, enabled control -------------------
    ActionResult pickCell(const QString &name, int index); // radio cell, pop-up or combo item
    ActionResult pickTag(const QString &name, qint64 tag); // pop-up item by its tag
    ActionResult setChecked(const QString &name, bool checked);
    ActionResult setDateTime(const QString &name, const QDateTime &dateTime);
    ActionResult press(const QString &name); // a Button
    // A slider as the pointer works it: over it (down), moved, away (up).
    ActionResult sliderTouchedDown(const QString &name);
    ActionResult sliderMoved(const QString &name, int position);
    void sliderTouchedUp(const QString &name);
    // The whole gesture: down, moved to position, up.
    ActionResult setSlider(const QString &name, int position);

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
    virtual void controlTouched(const QString &) {} // a cell, a check box or a button
    virtual void cellAboutToBePicked(const QString &, int /*previous*/) {}
    virtual void sliderPositionChanged(const QString &) {}
    virtual void pointerSliderChanged() {} // a slider came under the pointer or left it

    // Building: forget every control, then add the sections in drawing order.
    void clearLayout();
    void addSection(const QString &name, int tab, QList<FormControl> controls);

    // Lookup and small state changes, by the editor's own names.
    FormControl &ctl(const QString &name);
    FormSection &sec(const QString &name);
    void setSectionShown(const QString &name, bool shown) { sec(name).visible = shown; }
    void setControlShown(const QString &name, bool shown) { ctl(name).visible = shown; }
    void setEnabled(const QString &name, bool enabled) { ctl(name).enabled = enabled; }
    void select(const QString &name, int index);
    int selected(const QString &name) const;
    void setPosition(const QString &name, int position);
    int position(const QString &name) const;
    void setRange(const QString &name, int minimum, int maximum);
    void setCellTitles(const QString &name, const QStringList &titles);
    void setCellCount(const QString &name, int count);
    const QString &pointerSlider() const { return m_pointerSlider; }

    QList<FormControl> m_controls;
    FrameTexts m_frameTexts;
    // Set while an alert is open; it holds every gesture, as the dialog's modal sheets do.
    std::optional<FormQuestion> m_question;

private:
    ActionResult checkAction(const QString &name, std::initializer_list<ControlKind> kinds,
                             FormControl **out);
    static bool isStop(const FormControl &slider, int position);

    QList<FormSection> m_sections;
    QHash<QString, int> m_controlIndex;
    QString m_pointerSlider; // the slider under the pointer, between down and up
};

} // namespace drovik::form
