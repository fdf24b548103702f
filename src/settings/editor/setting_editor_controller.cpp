#include "setting_editor_controller.h"

#include "settings/form/setting_form.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

namespace drovik {

QWidget *SettingEditorController::parentWindow() const
{
    return m_root ? m_root->window() : nullptr;
}

ControlView *SettingEditorController::controlView(const QString &name) const
{
    return findControlView(m_sectionOrder, name);
}

void SettingEditorController::applyLanguageSettings()
{
    if (!m_root)
        return;
    settingForm().applyMainLanguageSetting();
    relabelFrame();
    redraw();
}

void SettingEditorController::mouseDown(QMouseEvent *event)
{
    m_dragger.mouseDown(event, parentWindow());
}

void SettingEditorController::mouseDragged(QMouseEvent *event)
{
    QWidget *window = parentWindow();
    if (window != m_root)
        m_dragger.mouseDragged(event, window);
}

void SettingEditorController::keyDown(QKeyEvent *event)
{
    // Keys go on to the root view, whose Escape handling cancels once per burst.
    event->ignore();
}

} // namespace drovik
