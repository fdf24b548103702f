#include "notifier.h"

#include "i18n/drovik_languages.h"
#include "i18n/preferences.h"

namespace drovik {

Notifier::Notifier(DrovikLanguages &languages, QObject *parent)
    : QObject(parent), m_languages(languages)
{
}

void Notifier::postRefreshLanguage()
{
    m_languages.setLanguage(Preferences::interfaceLanguage());
    emit refreshLanguage();
}

void Notifier::observeVolumes(VolumeMonitor &monitor)
{
    connect(&monitor, &VolumeMonitor::volumeMounted, this, &Notifier::volumeMounted,
            Qt::UniqueConnection);
    connect(&monitor, &VolumeMonitor::volumeUnmounted, this, &Notifier::volumeUnmounted,
            Qt::UniqueConnection);
}

} // namespace drovik
