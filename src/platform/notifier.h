#pragma once

#include "platform/volume_monitor.h"

#include <QObject>

namespace drovik {

class DrovikLanguages;

// The application-wide notification centre, made by main and handed down: windows and pages
// that must follow a preference change or a card change connect here instead of to each other.
class Notifier : public QObject {
    Q_OBJECT
public:
    // languages: the interface's string tables, which follow the language preference.
    explicit Notifier(DrovikLanguages &languages, QObject *parent = nullptr);

    DrovikLanguages &languages() const { return m_languages; }

    // Brings the string tables to the stored interface language, then re-labels.
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

private:
    DrovikLanguages &m_languages;
};

} // namespace drovik
