#include "app_delegate.h"

#include "platform/notifier.h"
#include "i18n/drovik_languages.h"
#include "i18n/preferences.h"
#include "platform/utils.h"
#include "platform/volume_monitor.h"
#include "settings/store/r640_setting_manager.h"
#include "settings/store/setting_manager_holder.h"

#include <QCoreApplication>

namespace drovik {

AppDelegate::AppDelegate(QObject *parent)
    : QObject(parent)
{
    connect(qApp, &QCoreApplication::aboutToQuit, this, &AppDelegate::applicationWillTerminate);
}

AppServices AppDelegate::sharedServices()
{
    return {VolumeMonitor::shared(), Notifier::defaultCenter(), SettingManagerHolder::shared()};
}

void AppDelegate::initializeLanguageSetting()
{
    Preferences::settleLanguageAtLaunch();
    SharedDrovikLanguages().setLanguage(Preferences::interfaceLanguage());
}

void AppDelegate::applicationDidFinishLaunching()
{
    initializeLanguageSetting();
}

void AppDelegate::applicationWillTerminate()
{
    Utils::RemoveDirectory(Utils::GetWorkingDirectoryPath());
}

} // namespace drovik
