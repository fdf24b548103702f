#pragma once

#include "platform/volume_monitor.h"

#include <QObject>

namespace drovik {

// The application-wide notification centre: windows and pages that must follow a preference
// change or a card change connect here instead of to each other.
class Notifier : public QObject {
    Q_OBJECT
public:
    static Notifier &defaultCenter();

    // Brings the shared string tables to the stored interface language, then re-labels.
    void postRefreshLanguage();
    void postRefreshSpeedUnit() { emit refreshSpeedUnit(); }

    // Forwards a monitor's mount and unmount reports as this centre's signals.
    void observeVolumes(VolumeMonitor &monitor);

signals:
    // "RefreshLanguageNotification": every window re-labels itself.
    void refreshLanguage();
    // "RefreshSpeedUnitNotification": the speed meter redraws in the new unit.
    void refreshSpeedUnit();
    void volumeMounted(const drovik::Volume &volume);
    void volumeUnmounted(const drovik::Volume &volume);
};

} // namespace drovik
