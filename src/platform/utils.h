#pragma once

#include <QList>
#include <QRect>
#include <QString>
#include <QUrl>

namespace drovik {

class VolumeMonitor;

// Class operations shared across the program.
class Utils {
public:
    // Whether url names a place on a volume that reports itself both local and removable (a
    // memory card) among monitor's volumes. A URL without a path is not.
    static bool isExternalMemoryWithURL(const QUrl &url, const VolumeMonitor &monitor);

    // The per-user working folder (Documents/DrovikViewer) that holds converted clips; created,
    // with its parents, when first asked for. Empty when it cannot be created.
    static QString GetWorkingDirectoryPath();

    // Which of the screens (their geometries, in the platform's order) holds the window: the
    // first whose left edge is at or before the window's horizontal centre and whose right edge
    // is past it. -1 when none does; the caller then takes the main screen.
    static int GetCurrentScreen(const QRect &window, const QList<QRect> &screens);

    // Removes the file or folder tree at path; true when nothing is left there.
    static bool RemoveDirectory(const QString &path);
};

} // namespace drovik
