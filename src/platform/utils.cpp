#include "utils.h"

#include "volume_monitor.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace drovik {

int Utils::GetCurrentScreen(const QRect &window, const QList<QRect> &screens)
{
    const int x = window.x() + window.width() / 2;
    for (int i = 0; i < screens.size(); ++i) {
        const QRect &screen = screens.at(i);
        if (screen.x() <= x && x < screen.x() + screen.width())
            return i;
    }
    return -1;
}

bool Utils::isExternalMemoryWithURL(const QUrl &url, const VolumeMonitor &monitor)
{
    const QString path = url.isLocalFile() ? url.toLocalFile() : url.path();
    if (path.isEmpty())
        return false;
    const std::optional<Volume> volume = monitor.volumeForPath(path);
    return volume && volume->isExternalMemory();
}

QString Utils::GetWorkingDirectoryPath()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty())
        return {};
    // The application's display name with its spaces removed.
    const QString path = documents + QStringLiteral("/DrovikViewer");
    if (!QDir().mkpath(path))
        return {};
    return path;
}

bool Utils::RemoveDirectory(const QString &path)
{
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return true;
    if (info.isDir() && !info.isSymLink())
        return QDir(path).removeRecursively();
    return QFile::remove(path);
}

} // namespace drovik
