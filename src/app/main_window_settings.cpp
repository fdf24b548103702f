// The settings button of the main window: which card and camera the settings belong to (asking
// the user when detection cannot tell), which of the three editors the camera gets, and opening it.
#include "main_window_controller.h"

#include "file_list_controller.h"
#include "i18n/drovik_languages.h"
#include "main_window.h"
#include "platform/utils.h"
#include "playback/playback_controller.h"
#include "select_device_view_controller.h"
#include "select_flash_memory_view_controller.h"
#include "settings/editor/kvl_setting_view_controller.h"
#include "settings/editor/r640_setting_view_controller.h"
#include "settings/editor/web_setting_window_controller.h"
#include "settings/editor/setting_window.h"
#include "settings/store/camera_models.h"
#include "settings/store/kvl_setting_manager.h"
#include "settings/store/r640_setting_manager.h"
#include "settings/store/setting_manager_holder.h"

#include <QLoggingCategory>
#include <QMessageBox>
#include <QUrl>

Q_LOGGING_CATEGORY(lcSettingsButton, "drovik.app.settings", QtWarningMsg)

namespace drovik {

void MainWindowController::settingButtonTouched(QObject *)
{
    if (m_playback)
        m_playback->pauseVideo();
    R640SettingManager &manager = m_services.settings.manager();
    const QString root = manager.settingDirPath();
    if (!Utils::isExternalMemoryWithURL(root.isEmpty() ? QUrl() : QUrl::fromLocalFile(root),
                                        m_services.volumes)) {
        showSelectFlashMemoryWindow();
        return;
    }
    manager.loadVersionInfo(m_fileList->chosenFolder());
    openSettingsForModel(ModelInfo::Rescan);
}

void MainWindowController::openSettingsOfCard(const QString &root)
{
    if (!m_playback) { // the window and its own card detection come first
        m_settingsRootToOpen = root;
        return;
    }
    if (m_playback)
        m_playback->pauseVideo();
    detectCardAt(root);
    openSettingsForModel(ModelInfo::KeepCard);
}

void MainWindowController::detectCardAt(const QString &root)
{
    // Detection on this card itself: a scan of the volumes could settle on another one, and the
    // editor would then write this card's settings onto it.
    R640SettingManager &manager = m_services.settings.manager();
    manager.setSdcard_url(QUrl::fromLocalFile(root));
    manager.loadVersionInfoWithSDPath(root);
}

void MainWindowController::openSettingsForModel(ModelInfo info)
{
    R640SettingManager &manager = m_services.settings.manager();
    const ModelType type = manager.modelType();
    qCDebug(lcSettingsButton) << "settings of model" << type << "at" << manager.settingDirPath();
    const auto showModelInfo = [this, info] {
        if (info == ModelInfo::Rescan)
            m_fileList->updateModelInfo();
        else
            m_fileList->showModelInfo();
    };
    const SettingsEditor editor = settingsEditorFor(type);
    if (editor == SettingsEditor::None) {
        showSelectModelWindow();
    } else if (editor == SettingsEditor::WebPage && cameraModel(type).selfSizedRecord) {
        // Its record is not ours to rewrite at a guessed length; the page reads it itself.
        manager.loadLanguages();
        showWebSettingWindow();
    } else if (editor == SettingsEditor::TextFile) {
        kvlSettingManager().loadData();
        showModelInfo();
        showSettingWindowKvl();
    } else {
        manager.loadData();
        showModelInfo();
        showSettingWindow();
    }
}

void MainWindowController::showSelectFlashMemoryWindow()
{
    SelectFlashMemoryViewController dialog(m_services);
    if (showModalWindowWithView(dialog.view(), &dialog, true) != 1)
        return;
    const QUrl volume = dialog.selectedFlashMemoryUrl();
    if (volume.isEmpty())
        return;
    detectCardAt(volume.toLocalFile());
    openSettingsForModel(ModelInfo::KeepCard);
}

void MainWindowController::showSelectModelWindow()
{
    SelectDeviceViewController dialog(m_services.notifier);
    R640SettingManager &manager = m_services.settings.manager();
    if (showModalWindowWithView(dialog.view(), &dialog, true) != 1) {
        manager.setSettingDirPath(QString());
        return;
    }
    const ModelType type = dialog.selectedModelType();
    if (!isKnownModelType(type))
        return;
    manager.setModelType(type);
    // The model named by hand stays until the next detection, so the window's model field keeps
    // what it showed.
    if (settingsEditorFor(type) == SettingsEditor::TextFile) {
        kvlSettingManager().loadData();
        showSettingWindowKvl();
        return;
    }
    if (const qint64 localID = cameraModel(type).localID; localID != -1)
        manager.setLocalID(localID);
    manager.loadData();
    showSettingWindow();
}

void MainWindowController::showSettingWindow()
{
    if (settingsEditorFor(m_services.settings.manager().modelType()) == SettingsEditor::WebPage) {
        showWebSettingWindow();
        return;
    }
    R640SettingViewController controller(m_services);
    if (showModalWindowWithView(controller.view(), &controller, false) == 1)
        m_fileList->updateModelInfo();
}

void MainWindowController::showSettingWindowKvl()
{
    // The lines were read by whoever chose this editor, just before.
    KvlSettingViewController controller(m_services, kvlSettingManager());
    if (showModalWindowWithView(controller.view(), &controller, false) == 1)
        m_fileList->updateModelInfo();
}

void MainWindowController::showWebSettingWindow()
{
    // One at a time: a second request while the page is open does nothing.
    const R640SettingManager &manager = m_services.settings.manager();
    WebSettingWindowController::showWebSettingWindow(m_window, manager.settingDirPath(),
                                                     manager.languages(), {m_services.volumes});
}

KvlSettingManager &MainWindowController::kvlSettingManager()
{
    // The text settings of the card the holder has now.
    R640SettingManager &card = m_services.settings.manager();
    if (!m_kvlSettings || m_kvlSettingsCard != &card) {
        m_kvlSettings = std::make_unique<KvlSettingManager>(card);
        m_kvlSettingsCard = &card;
    }
    return *m_kvlSettings;
}

int MainWindowController::showModalWindowWithView(QWidget *view, DrovikViewController *controller,
                                                  bool showTitleBar)
{
    SettingWindow window(m_window);
    window.setObjectName(QStringLiteral("settingWindow"));
    if (showTitleBar)
        window.setWindowTitle(m_window->windowTitle());
    const int code = window.showModalWindow(m_window, view, controller, showTitleBar);
    // The view belongs to its controller, which outlives this window.
    view->setParent(nullptr);
    return code;
}

} // namespace drovik
