#include "select_flash_memory_view_controller.h"

#include "platform/volume_monitor.h"
#include "widgets/image_widgets.h"

#include <QComboBox>

namespace drovik {

SelectFlashMemoryViewController::SelectFlashMemoryViewController(const AppServices &services,
                                                                 QObject *parent)
    : SelectionViewController(services.notifier, QStringLiteral("SelectFlashMemoryView"),
                              QStringLiteral("flashMemoryComboBox"), parent)
    , m_services(services)
{
}

const char *SelectFlashMemoryViewController::titleKey() const
{
    return "플래시 메모리를 선택해주세요.";
}

void SelectFlashMemoryViewController::fillComboBox()
{
    // A fresh look at what is mounted: the card may have gone in a moment ago.
    m_services.volumes.refresh();
    m_diskVolumes.clear();
    flashMemoryComboBox()->clear();
    for (const Volume &volume : m_services.volumes.mountedVolumes()) {
        if (!volume.isExternalMemory())
            continue;
        m_diskVolumes.append(QUrl::fromLocalFile(volume.rootPath));
        flashMemoryComboBox()->addItem(volume.name);
    }
    // With nothing to pick, OK would open settings of no card: only Cancel remains.
    const int count = flashMemoryComboBox()->count();
    okButton()->setEnabled(count > 0);
    if (count > 0)
        flashMemoryComboBox()->setCurrentIndex(count - 1);
}

QUrl SelectFlashMemoryViewController::selectedFlashMemoryUrl() const
{
    const int index = flashMemoryComboBox() ? flashMemoryComboBox()->currentIndex() : -1;
    return index >= 0 && index < m_diskVolumes.size() ? m_diskVolumes.at(index) : QUrl();
}

} // namespace drovik
