#pragma once

// A card of a binary-record camera in a folder of volumes, its settings manager loaded as the
// settings button loads it, and the editor page built on it (not yet shown).

#include "platform/app_services.h"
#include "platform/notifier.h"
#include "i18n/drovik_languages.h"
#include "platform/volume_monitor.h"
#include "settings/editor/kvl_setting_view_controller.h"
#include "settings/editor/r640_setting_view_controller.h"
#include "settings/store/kvl_setting_manager.h"
#include "settings/store/r640_setting_manager.h"
#include "settings/store/setting_manager_holder.h"
#include "temp_folder.h"
#include "test_languages.h"

#include <memory>

namespace drovik::test {

inline const QString kCardSetup = QStringLiteral("CARD/SETTING/setup.cfg");
inline const QString kCardBlackbox = QStringLiteral("CARD/SETTING/blackbox.cfg");

struct EditorFixture {
    TempFolder volumesDir;
    VolumeMonitor volumes{volumesDir.root()};
    Notifier notifier{languages()};
    SettingManagerHolder settings{std::make_unique<R640SettingManager>(&volumes)};

    AppServices services() { return {volumes, notifier, settings}; }

    // The built-in defaults of type written to the card, then read back as the viewer does.
    bool makeCard(ModelType type)
    {
        volumesDir.mkdir(QStringLiteral("CARD/DCIM"));
        R640SettingManager writer(&volumes);
        writer.setSettingDirPath(volumesDir.path(QStringLiteral("CARD")));
        writer.setModelType(type);
        writer.loadDefaultValue();
        // Models without built-in defaults still need the name and version detection reads.
        if (writer.product_name().isEmpty())
            writer.setProduct_name(modelNameList().value(int(type)));
        if (writer.version().isEmpty())
            writer.setVersion(QStringLiteral("1.00.17"));
        if (writer.saveData() != CardWriteStatus::Written)
            return false;
        volumes.refresh();
        R640SettingManager &manager = settings.manager();
        manager.loadVersionInfo();
        if (manager.modelType() != type)
            return false;
        manager.loadData();
        return true;
    }

    // A text-file camera's card holding lines, detected and its lines loaded as the settings
    // button does it.
    bool makeKvlCard(const QStringList &lines)
    {
        volumesDir.mkdir(QStringLiteral("CARD/DCIM"));
        if (!volumesDir.put(kCardBlackbox, lines.join(QStringLiteral("\r\n")).toUtf8()))
            return false;
        volumes.refresh();
        R640SettingManager &manager = settings.manager();
        manager.loadVersionInfo();
        if (manager.modelType() != Model::N260)
            return false;
        kvlLines.loadData();
        return kvlLines.hasLinedSettings();
    }

    std::unique_ptr<KvlSettingViewController> kvlEditor()
    {
        auto controller = std::make_unique<KvlSettingViewController>(services(), kvlLines);
        controller->view();
        return controller;
    }

    KvlSettingManager kvlLines{settings.manager()};

    std::unique_ptr<R640SettingViewController> editor()
    {
        auto controller = std::make_unique<R640SettingViewController>(services());
        controller->view();
        return controller;
    }
};

} // namespace drovik::test
