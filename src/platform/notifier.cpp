#include "notifier.h"

#include "i18n/drovik_languages.h"
#include "i18n/preferences.h"

namespace drovik {

Notifier &Notifier::defaultCenter()
{
    static Notifier *center = new Notifier;
    return *center;
}

void Notifier::postRefreshLanguage()
{
    SharedDrovikLanguages().setLanguage(Preferences::interfaceLanguage());
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
