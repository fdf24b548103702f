#include "app_delegate.h"

#include "i18n/drovik_languages.h"
#include "i18n/preferences.h"
#include "platform/utils.h"

#include <QCoreApplication>

namespace drovik {

AppDelegate::AppDelegate(QObject *parent)
    : QObject(parent)
{
    connect(qApp, &QCoreApplication::aboutToQuit, this, &AppDelegate::applicationWillTerminate);
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
