#pragma once

#include "drovik_view_controller.h"
#include "setting_frame.h"

#include <QList>
#include <QPointer>
#include <QString>

class QKeyEvent;
class QMouseEvent;
class QWidget;

namespace drovik {

class ControlView;
class SettingSectionView;

namespace form {
class SettingForm;
enum class ControlId;
enum class SectionId;
} // namespace form

// What the settings editors share around the form they draw: their section views, the
// borderless window dragged by its background, keys handed on to the root view, and the texts
// refreshed on a language change.
class SettingEditorController : public DrovikViewController {
    Q_OBJECT
public:
    using DrovikViewController::DrovikViewController;

    QWidget *parentWindow() const;
    SettingSectionView *sectionView(form::SectionId id) const;
    ControlView *controlView(form::ControlId id) const;

    void applyLanguageSettings() override;

    // Dragging the borderless window by its background.
    void mouseDown(QMouseEvent *event);
    void mouseDragged(QMouseEvent *event);
    void keyDown(QKeyEvent *event);

    // Draws the whole form again.
    virtual void redraw() = 0;

protected:
    virtual form::SettingForm &settingForm() = 0;
    // The title and buttons, in the language now chosen.
    virtual void relabelFrame() = 0;

    QPointer<QWidget> m_root;
    QList<SettingSectionView *> m_sectionOrder;

private:
    WindowDragger m_dragger;
};

} // namespace drovik
