#include "app_delegate.h"

#include "platform/utils.h"
#include "i18n/preferences.h"

#include <QCoreApplication>

namespace drovik {

AppDelegate::AppDelegate(QObject *parent)
    : QObject(parent)
{
    connect(qApp, &QCoreApplication::aboutToQuit, this, &AppDelegate::applicationWillTerminate);
}

void AppDelegate::initializeLanguageSetting()
{
    QString language = Preferences::storedLanguage();
    if (!Preferences::supportedLanguages().contains(language))
        language = QStringLiteral("en");
    Preferences::storeLanguage(language);
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
