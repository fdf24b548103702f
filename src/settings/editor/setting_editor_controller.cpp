#include "setting_editor_controller.h"

#include "setting_section_view.h"
#include "settings/form/setting_form.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

namespace drovik {

QWidget *SettingEditorController::parentWindow() const
{
    return m_root ? m_root->window() : nullptr;
}

SettingSectionView *SettingEditorController::sectionView(form::SectionId id) const
{
    for (SettingSectionView *view : m_sectionOrder) {
        if (view->sectionId() == id)
            return view;
    }
    return nullptr;
}

ControlView *SettingEditorController::controlView(form::ControlId id) const
{
    return findControlView(m_sectionOrder, id);
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
