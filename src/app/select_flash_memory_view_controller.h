#pragma once

#include "platform/app_services.h"
#include "selection_view_controller.h"

#include <QList>
#include <QUrl>

namespace drovik {

// The card dialog: the mounted external volumes by name, the last one chosen; the user picks the
// card whose settings the settings button is to open. OK is off when there is none to pick.
class SelectFlashMemoryViewController : public SelectionViewController {
    Q_OBJECT
public:
    explicit SelectFlashMemoryViewController(const AppServices &services, QObject *parent = nullptr);

    QComboBox *flashMemoryComboBox() const { return comboBox(); }
    // The volumes listed, in the order shown.
    const QList<QUrl> &diskVolumes() const { return m_diskVolumes; }
    // The volume chosen, or an empty URL when none is.
    QUrl selectedFlashMemoryUrl() const;

protected:
    const char *titleKey() const override;
    void fillComboBox() override;

private:
    AppServices m_services;
    QList<QUrl> m_diskVolumes;
};

} // namespace drovik
