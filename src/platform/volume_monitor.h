#pragma once

#include <QList>
#include <QObject>
#include <QSet>
#include <QString>

#include <memory>
#include <optional>

class QFileSystemWatcher;
class QSocketNotifier;
class QTimer;

namespace drovik {

// A mounted file system as the card scan sees it.
struct Volume {
    QString rootPath;   // absolute, no trailing slash (except "/")
    QString name;       // the last component of rootPath, or the label shown to the user
    bool isLocal = false;
    bool isRemovable = false;

    bool isExternalMemory() const { return isLocal && isRemovable; }
    friend bool operator==(const Volume &, const Volume &) = default;
};

// One line of /proc/self/mountinfo, decoded.
struct MountInfoEntry {
    unsigned major = 0;
    unsigned minor = 0;
    QString mountPoint;
    QString fsType;
    QString source;
};

// Parses mountinfo text; lines that do not have the documented shape are skipped.
QList<MountInfoEntry> parseMountInfo(const QByteArray &text);

// Whether the clean absolute path is root or lies inside it.
bool isUnder(const QString &path, const QString &root);

// Whether a file system type lives on another machine (NFS, SMB, FUSE-over-SSH …).
bool isNetworkFileSystem(const QString &fsType);

// Lists mounted volumes and reports mounts and unmounts.
//
// With DROVIK_VOLUMES_DIR=DIR set (demo card, tests), every sub-folder of DIR is a mounted,
// local, removable volume named after the folder, in name order; creating or removing such a
// folder is a mount or an unmount. Otherwise the volumes are the mounts of /proc/self/mountinfo
// below /media, /mnt and /run/media (where desktops put cards), removable as the kernel's sysfs
// says of the block device.
class VolumeMonitor : public QObject {
    Q_OBJECT
public:
    // Reads DROVIK_VOLUMES_DIR once, when constructed.
    explicit VolumeMonitor(QObject *parent = nullptr);
    // A monitor of a given folder of volumes, whatever the environment says.
    explicit VolumeMonitor(const QString &volumesDir, QObject *parent = nullptr);
    ~VolumeMonitor() override;

    // The mounted volumes, in listing order.
    QList<Volume> mountedVolumes() const;
    // The volume that holds path (the one with the longest root that is a prefix of it).
    std::optional<Volume> volumeForPath(const QString &path) const;
    // The folder of volumes in use, or empty when the system's mount table is used.
    QString volumesDir() const { return m_volumesDir; }

    // Re-reads the volume list now and reports any change (called by the watchers).
    void refresh();

    // For tests of the system path: where mountinfo and sysfs are read from.
    void setSystemPaths(const QString &mountInfoPath, const QString &sysfsRoot);

signals:
    void volumeMounted(const drovik::Volume &volume);
    void volumeUnmounted(const drovik::Volume &volume);

private:
    void startWatching();
    QList<Volume> scan() const;
    QList<Volume> scanFolder() const;
    QList<Volume> scanMountInfo() const;
    bool isRemovableDevice(unsigned major, unsigned minor) const;

    QString m_volumesDir;
    QString m_mountInfoPath = QStringLiteral("/proc/self/mountinfo");
    QString m_sysfsRoot = QStringLiteral("/sys");
    QList<Volume> m_volumes;
    QFileSystemWatcher *m_watcher = nullptr;
    QTimer *m_pollTimer = nullptr;
    std::unique_ptr<QSocketNotifier> m_mountNotifier;
    int m_mountInfoFd = -1;
};

} // namespace drovik

Q_DECLARE_METATYPE(drovik::Volume)
