#pragma once

// The services of a main window under test, made as the viewer's main makes them: its own folder
// of volumes (no card until a test puts one there), its own notifier and settings manager, the
// tests' string tables, and the window shown with its list scanned.

#include "app/app_delegate.h"
#include "app/file_list_controller.h"
#include "app/main_window_controller.h"
#include "app/preference_menus.h"
#include "platform/notifier.h"
#include "i18n/preferences.h"
#include "platform/volume_monitor.h"
#include "settings/store/r640_setting_manager.h"
#include "settings/store/setting_manager_holder.h"
#include "temp_folder.h"
#include "test_languages.h"

#include <QTest>

#include <memory>

namespace drovik::test {

struct WindowServices {
    TempFolder volumesDir;
    VolumeMonitor volumes{volumesDir.root()};
    Notifier notifier{languages()};
    SettingManagerHolder settings{std::make_unique<R640SettingManager>(&volumes)};

    AppServices services() { return {volumes, notifier, settings}; }

    std::unique_ptr<MainWindowController> shownWindow()
    {
        auto controller = std::make_unique<MainWindowController>(services());
        controller->showMainWindow();
        QCoreApplication::processEvents();
        waitForList(*controller);
        return controller;
    }

    static bool waitForList(MainWindowController &controller)
    {
        return QTest::qWaitFor([&] { return !controller.fileList().isScanning(); }, 5000);
    }
};

} // namespace drovik::test
