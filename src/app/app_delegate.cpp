#include "app_delegate.h"

#include "i18n/drovik_languages.h"
#include "i18n/preferences.h"
#include "platform/utils.h"

#include <QCoreApplication>

namespace drovik {

AppDelegate::AppDelegate(DrovikLanguages &languages, QObject *parent)
    : QObject(parent), m_languages(languages)
{
    connect(qApp, &QCoreApplication::aboutToQuit, this, &AppDelegate::applicationWillTerminate);
}

void AppDelegate::initializeLanguageSetting(DrovikLanguages &languages)
{
    Preferences::settleLanguageAtLaunch();
    languages.setLanguage(Preferences::interfaceLanguage());
}

void AppDelegate::applicationDidFinishLaunching()
{
    initializeLanguageSetting(m_languages);
}

void AppDelegate::applicationWillTerminate()
{
    Utils::RemoveDirectory(Utils::GetWorkingDirectoryPath());
}

} // namespace drovik
