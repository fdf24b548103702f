#include "volume_monitor.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QLoggingCategory>
#include <QSocketNotifier>
#include <QTimer>

#include <algorithm>
#include <fcntl.h>
#include <unistd.h>

Q_LOGGING_CATEGORY(lcVolumes, "drovik.volumes", QtWarningMsg)

namespace drovik {

namespace {

// mountinfo escapes space, tab, newline and backslash in paths as a backslash and three octal
// digits ("\040" for a space).
QString unescapeMountField(const QByteArray &field)
{
    QByteArray out;
    out.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        const char c = field.at(i);
        if (c == '\\' && i + 3 < field.size()) {
            const QByteArray digits = field.mid(i + 1, 3);
            bool ok = digits.size() == 3;
            for (char d : digits)
                ok = ok && d >= '0' && d <= '7';
            if (ok) {
                out.append(char(digits.toInt(nullptr, 8)));
                i += 3;
                continue;
            }
        }
        out.append(c);
    }
    return QString::fromUtf8(out);
}

QString cleanRoot(const QString &path)
{
    return QDir::cleanPath(path);
}

} // namespace

bool isUnder(const QString &path, const QString &root)
{
    if (root == QLatin1String("/"))
        return path.startsWith(QLatin1Char('/'));
    return path == root || path.startsWith(root + QLatin1Char('/'));
}

QList<MountInfoEntry> parseMountInfo(const QByteArray &text)
{
    // Each line: ID PARENT MAJ:MIN ROOT MOUNTPOINT OPTIONS [OPTIONAL…] - FSTYPE SOURCE SUPEROPTS
    QList<MountInfoEntry> entries;
    for (const QByteArray &line : text.split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() < 10)
            continue;
        const qsizetype dash = fields.indexOf(QByteArray("-"), 6);
        if (dash < 0 || dash + 2 >= fields.size())
            continue;
        const QList<QByteArray> device = fields.at(2).split(':');
        if (device.size() != 2)
            continue;
        bool okMajor = false;
        bool okMinor = false;
        MountInfoEntry entry;
        entry.major = device.at(0).toUInt(&okMajor);
        entry.minor = device.at(1).toUInt(&okMinor);
        if (!okMajor || !okMinor)
            continue;
        entry.mountPoint = unescapeMountField(fields.at(4));
        entry.fsType = QString::fromUtf8(fields.at(dash + 1));
        entry.source = unescapeMountField(fields.at(dash + 2));
        if (!entry.mountPoint.startsWith(QLatin1Char('/')))
            continue;
        entries.append(entry);
    }
    return entries;
}

bool isNetworkFileSystem(const QString &fsType)
{
    static const QStringList network = {
        QStringLiteral("nfs"),  QStringLiteral("nfs4"),       QStringLiteral("cifs"),
        QStringLiteral("smb3"), QStringLiteral("smbfs"),      QStringLiteral("ncpfs"),
        QStringLiteral("afs"),  QStringLiteral("9p"),         QStringLiteral("ceph"),
        QStringLiteral("glusterfs"), QStringLiteral("fuse.sshfs"), QStringLiteral("davfs"),
        QStringLiteral("fuse.davfs2"), QStringLiteral("lustre"), QStringLiteral("gfs2"),
        QStringLiteral("fuse.rclone"), QStringLiteral("fuse.s3fs"),
    };
    return network.contains(fsType);
}

VolumeMonitor::VolumeMonitor(QObject *parent)
    : VolumeMonitor(qEnvironmentVariable("DROVIK_VOLUMES_DIR"), parent)
{
}

VolumeMonitor::VolumeMonitor(const QString &volumesDir, QObject *parent)
    : QObject(parent)
    , m_volumesDir(volumesDir.isEmpty() ? QString() : QDir(volumesDir).absolutePath())
{
    qRegisterMetaType<drovik::Volume>();
    m_volumes = scan();
    startWatching();
}

VolumeMonitor::~VolumeMonitor()
{
    m_mountNotifier.reset();
    if (m_mountInfoFd >= 0)
        ::close(m_mountInfoFd);
}

QList<Volume> VolumeMonitor::mountedVolumes() const
{
    return m_volumes;
}

std::optional<Volume> VolumeMonitor::volumeForPath(const QString &path) const
{
    if (path.isEmpty())
        return std::nullopt;
    const QString clean = cleanRoot(QFileInfo(path).absoluteFilePath());
    std::optional<Volume> best;
    for (const Volume &volume : m_volumes) {
        if (isUnder(clean, volume.rootPath)
            && (!best || volume.rootPath.size() > best->rootPath.size()))
            best = volume;
    }
    return best;
}

void VolumeMonitor::setSystemPaths(const QString &mountInfoPath, const QString &sysfsRoot)
{
    m_mountInfoPath = mountInfoPath;
    m_sysfsRoot = sysfsRoot;
    m_volumes = scan();
}

void VolumeMonitor::refresh()
{
    const QList<Volume> now = scan();
    if (now == m_volumes)
        return;
    const QList<Volume> before = std::exchange(m_volumes, now);
    for (const Volume &volume : before) {
        if (!now.contains(volume))
            emit volumeUnmounted(volume);
    }
    for (const Volume &volume : now) {
        if (!before.contains(volume))
            emit volumeMounted(volume);
    }
}

void VolumeMonitor::startWatching()
{
    if (!m_volumesDir.isEmpty()) {
        // A folder watch reports additions and removals of sub-folders at once; the slow poll
        // covers file systems whose changes inotify does not see.
        m_watcher = new QFileSystemWatcher(this);
        if (QFileInfo(m_volumesDir).isDir())
            m_watcher->addPath(m_volumesDir);
        connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, &VolumeMonitor::refresh);
    } else {
        // The kernel marks /proc/self/mountinfo as exceptional (POLLPRI) when the mount table
        // changes.
        m_mountInfoFd = ::open(QFile::encodeName(m_mountInfoPath).constData(), O_RDONLY | O_CLOEXEC);
        if (m_mountInfoFd >= 0) {
            m_mountNotifier = std::make_unique<QSocketNotifier>(m_mountInfoFd,
                                                                QSocketNotifier::Exception);
            connect(m_mountNotifier.get(), &QSocketNotifier::activated, this, [this] {
                ::lseek(m_mountInfoFd, 0, SEEK_SET);
                char buffer[4096];
                while (::read(m_mountInfoFd, buffer, sizeof buffer) > 0) {
                }
                refresh();
            });
        }
    }
    m_pollTimer = new QTimer(this);
    m_pollTimer->setInterval(700);
    connect(m_pollTimer, &QTimer::timeout, this, [this] {
        if (m_watcher && m_watcher->directories().isEmpty() && QFileInfo(m_volumesDir).isDir())
            m_watcher->addPath(m_volumesDir);
        refresh();
    });
    m_pollTimer->start();
}

QList<Volume> VolumeMonitor::scan() const
{
    return m_volumesDir.isEmpty() ? scanMountInfo() : scanFolder();
}

QList<Volume> VolumeMonitor::scanFolder() const
{
    QList<Volume> volumes;
    const QDir dir(m_volumesDir);
    const QFileInfoList entries = dir.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot,
                                                    QDir::Name);
    for (const QFileInfo &entry : entries) {
        Volume volume;
        volume.rootPath = cleanRoot(entry.absoluteFilePath());
        volume.name = entry.fileName();
        volume.isLocal = true;
        volume.isRemovable = true;
        volumes.append(volume);
    }
    return volumes;
}

QList<Volume> VolumeMonitor::scanMountInfo() const
{
    QFile file(m_mountInfoPath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    // mountinfo is a virtual file: its size is 0 and it must be read until the end.
    const QByteArray text = file.readAll();
    QList<Volume> volumes;
    for (const MountInfoEntry &entry : parseMountInfo(text)) {
        const QString &point = entry.mountPoint;
        const bool userMedia = point.startsWith(QLatin1String("/media/"))
                               || point.startsWith(QLatin1String("/mnt/"))
                               || point.startsWith(QLatin1String("/run/media/"));
        if (!userMedia)
            continue;
        Volume volume;
        volume.rootPath = cleanRoot(point);
        volume.name = QFileInfo(volume.rootPath).fileName();
        volume.isLocal = !isNetworkFileSystem(entry.fsType);
        volume.isRemovable = volume.isLocal && isRemovableDevice(entry.major, entry.minor);
        // A later mount on the same point hides the earlier one.
        volumes.erase(std::remove_if(volumes.begin(), volumes.end(),
                                     [&](const Volume &v) { return v.rootPath == volume.rootPath; }),
                      volumes.end());
        volumes.append(volume);
    }
    std::stable_sort(volumes.begin(), volumes.end(), [](const Volume &a, const Volume &b) {
        return a.name < b.name;
    });
    return volumes;
}

bool VolumeMonitor::isRemovableDevice(unsigned major, unsigned minor) const
{
    // /sys/dev/block/MAJ:MIN links to the partition; its "removable" flag (or that of the whole
    // disk above it) is 1 for card readers and USB sticks. SD slots on the MMC bus report 0 but
    // are named mmcblk*, which is removable media in practice.
    const QString link = m_sysfsRoot + QStringLiteral("/dev/block/%1:%2").arg(major).arg(minor);
    QFileInfo info(link);
    if (!info.exists())
        return false;
    QString device = info.canonicalFilePath();
    if (device.isEmpty())
        device = link;
    for (int depth = 0; depth < 2 && !device.isEmpty(); ++depth) {
        QFile flag(device + QStringLiteral("/removable"));
        if (flag.open(QIODevice::ReadOnly)) {
            if (flag.read(4).trimmed() == "1")
                return true;
        }
        if (QFileInfo(device).fileName().startsWith(QLatin1String("mmcblk")))
            return true;
        device = QFileInfo(device).path();
    }
    return false;
}

} // namespace drovik
