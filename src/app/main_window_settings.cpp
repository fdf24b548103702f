// The settings button of the main window: which editor a card gets, and opening it.
#include "main_window_controller.h"

#include "file_list_controller.h"
#include "i18n/drovik_languages.h"
#include "main_window.h"
#include "platform/utils.h"
#include "playback/playback_controller.h"
#include "settings/editor/r640_setting_view_controller.h"
#include "settings/editor/setting_window.h"
#include "settings/store/r640_setting_manager.h"
#include "settings/store/setting_manager_holder.h"

#include <QMessageBox>
#include <QUrl>

namespace drovik {

namespace {

// The cameras whose record editor exists so far: the first generation, and the two models
// chosen by hand that the record editor opens without a mapping.
bool hasRecordEditor(ModelType type)
{
    return type == Model::K210 || type == Model::R640 || type == Model::V470 || type == 27 || type == 28;
}

} // namespace

void MainWindowController::settingButtonTouched(QObject *)
{
    if (m_playback)
        m_playback->pauseVideo();
    R640SettingManager &manager = m_services.settings.manager();
    const QString root = manager.settingDirPath();
    if (root.isEmpty() || !Utils::isEXteranlMemoryWithURL(QUrl::fromLocalFile(root), &m_services.volumes)) {
        showSettingsUnavailableAlert();
        return;
    }
    manager.loadVersionInfo();
    if (!hasRecordEditor(manager.modelType())) {
        showSettingsUnavailableAlert();
        return;
    }
    manager.loadData();
    m_fileList->updateModelInfo();
    showSettingWindow();
}

void MainWindowController::showSettingWindow()
{
    R640SettingViewController controller(m_services);
    if (showModalWindowWithView(controller.view(), &controller, false) == 1)
        m_fileList->updateModelInfo();
}

int MainWindowController::showModalWindowWithView(QWidget *view, DrovikViewController *controller,
                                                  bool showTitleBar)
{
    SettingWindow window(m_window);
    window.setObjectName(QStringLiteral("settingWindow"));
    const int code = window.showModalWindow(m_window, view, controller, showTitleBar);
    // The view belongs to its controller, which outlives this window.
    view->setParent(nullptr);
    return code;
}

void MainWindowController::showSettingsUnavailableAlert()
{
    const QString text = localized("이 블랙박스의 설정은 아직 열 수 없습니다.");
    auto *alert = new QMessageBox(QMessageBox::Information, text, text, QMessageBox::NoButton, m_window);
    alert->setObjectName(QStringLiteral("settingsUnavailableAlert"));
    alert->addButton(localized("OK"), QMessageBox::AcceptRole);
    alert->setAttribute(Qt::WA_DeleteOnClose);
    alert->setWindowModality(Qt::WindowModal);
    alert->open();
}

} // namespace drovik
