// Mounted volumes: the mount table, sysfs removable flags, and the folder of demo cards.
#include "platform/utils.h"
#include "platform/volume_monitor.h"
#include "temp_folder.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace drovik;
using drovik::test::writeFile;

namespace {

// Captured from a desktop with a USB card reader, an SD slot, a network share and a name
// with spaces; the fourth line is damaged on purpose.
const char kMountInfo[] =
    "22 1 254:1 / / rw,relatime shared:1 - ext4 /dev/vda1 rw\n"
    "98 22 8:17 / /media/user/DASHCAM\\040CARD rw,nosuid,nodev shared:51 - vfat /dev/sdb1 rw,fmask=0022\n"
    "99 22 179:1 / /media/user/SD rw,nosuid shared:52 - exfat /dev/mmcblk0p1 rw\n"
    "garbage line without fields\n"
    "100 22 0:52 / /mnt/nas rw,relatime shared:60 - nfs4 server:/export rw,vers=4.2\n"
    "101 22 8:33 / /media/user/BACKUP rw shared:53 master:2 - ext4 /dev/sdc1 rw\n"
    "102 22 0:60 / /media/user/share rw - cifs //host/share rw\n"
    "103 22 8:1 / /home rw - ext4 /dev/sda1 rw\n";

// A sysfs tree: sdb (card reader, removable), sdc (fixed disk), mmcblk0 (SD slot, flag 0).
QString makeSysfs(const QTemporaryDir &dir)
{
    const QString sys = dir.filePath(QStringLiteral("sys"));
    const QString devices = sys + QStringLiteral("/devices/pci0000:00/usb1");
    writeFile(devices + QStringLiteral("/sdb/removable"), "1\n");
    QDir().mkpath(devices + QStringLiteral("/sdb/sdb1"));
    writeFile(devices + QStringLiteral("/sdc/removable"), "0\n");
    QDir().mkpath(devices + QStringLiteral("/sdc/sdc1"));
    writeFile(devices + QStringLiteral("/mmcblk0/removable"), "0\n");
    QDir().mkpath(devices + QStringLiteral("/mmcblk0/mmcblk0p1"));
    QDir().mkpath(sys + QStringLiteral("/dev/block"));
    QFile::link(devices + QStringLiteral("/sdb/sdb1"), sys + QStringLiteral("/dev/block/8:17"));
    QFile::link(devices + QStringLiteral("/sdc/sdc1"), sys + QStringLiteral("/dev/block/8:33"));
    QFile::link(devices + QStringLiteral("/mmcblk0/mmcblk0p1"), sys + QStringLiteral("/dev/block/179:1"));
    return sys;
}

TEST(MountInfo, ParsesFieldsAndEscapes)
{
    const QList<MountInfoEntry> entries = parseMountInfo(QByteArray(kMountInfo));
    ASSERT_EQ(entries.size(), 7);
    EXPECT_EQ(entries[1].mountPoint, QStringLiteral("/media/user/DASHCAM CARD"));
    EXPECT_EQ(entries[1].fsType, QStringLiteral("vfat"));
    EXPECT_EQ(entries[1].major, 8u);
    EXPECT_EQ(entries[1].minor, 17u);
    EXPECT_EQ(entries[3].fsType, QStringLiteral("nfs4"));
    EXPECT_EQ(entries[3].source, QStringLiteral("server:/export"));
    // Optional fields ("master:2") before the separator do not shift the file system type.
    EXPECT_EQ(entries[4].fsType, QStringLiteral("ext4"));
}

TEST(MountInfo, ToleratesBrokenText)
{
    const QByteArray cases[] = {
        "", "\n\n", "1 2 3 4 5 6 7 8 9 10\n", "1 2 x:y / /media/a rw - vfat /dev/x rw\n",
        "1 2 8:1 / /media/a rw shared:1 -\n", "1 2 8:1 / relative rw - vfat /dev/x rw\n",
        "1 2 8:1 / /media/a\\04 rw - vfat /dev/x rw\n", QByteArray(4096, '\\'),
    };
    for (const QByteArray &text : cases) {
        const QList<MountInfoEntry> entries = parseMountInfo(text);
        for (const MountInfoEntry &entry : entries)
            EXPECT_TRUE(entry.mountPoint.startsWith(QLatin1Char('/')));
    }
    EXPECT_EQ(parseMountInfo("1 2 8:1 / /media/a\\04 rw - vfat /dev/x rw\n").value(0).mountPoint,
              QStringLiteral("/media/a\\04"));
}

TEST(MountInfo, NetworkFileSystems)
{
    for (const char *type : {"nfs", "nfs4", "cifs", "smb3", "fuse.sshfs", "9p"})
        EXPECT_TRUE(isNetworkFileSystem(QString::fromLatin1(type))) << type;
    for (const char *type : {"vfat", "exfat", "ext4", "ntfs3", "fuseblk", ""})
        EXPECT_FALSE(isNetworkFileSystem(QString::fromLatin1(type))) << type;
}

TEST(VolumeMonitorSystem, ListsUserMediaWithFlags)
{
    QTemporaryDir dir;
    const QString mountInfo = dir.filePath(QStringLiteral("mountinfo"));
    writeFile(mountInfo, kMountInfo);
    VolumeMonitor monitor(QString(), nullptr);
    monitor.setSystemPaths(mountInfo, makeSysfs(dir));

    // Name, local, removable: the card reader and the SD slot are removable, the fixed disk is
    // not, network shares are neither local nor removable.
    QStringList seen;
    for (const Volume &v : monitor.mountedVolumes())
        seen << QStringLiteral("%1 %2 %3").arg(v.name).arg(int(v.isLocal)).arg(int(v.isRemovable));
    EXPECT_EQ(seen, (QStringList{QStringLiteral("BACKUP 1 0"), QStringLiteral("DASHCAM CARD 1 1"),
                                 QStringLiteral("SD 1 1"), QStringLiteral("nas 0 0"), QStringLiteral("share 0 0")}));
    EXPECT_TRUE(Utils::isExternalMemoryWithURL(QUrl::fromLocalFile(QStringLiteral("/media/user/DASHCAM CARD")), monitor));
    EXPECT_TRUE(Utils::isExternalMemoryWithURL(
        QUrl::fromLocalFile(QStringLiteral("/media/user/DASHCAM CARD/evt_rec/a.mp4")), monitor));
    EXPECT_FALSE(Utils::isExternalMemoryWithURL(QUrl::fromLocalFile(QStringLiteral("/media/user/DASHCAM")), monitor));
    EXPECT_FALSE(Utils::isExternalMemoryWithURL(QUrl::fromLocalFile(QStringLiteral("/media/user/BACKUP")), monitor));
    EXPECT_FALSE(Utils::isExternalMemoryWithURL(QUrl::fromLocalFile(QStringLiteral("/mnt/nas/x")), monitor));
    EXPECT_FALSE(Utils::isExternalMemoryWithURL(QUrl(), monitor));
}

TEST(VolumeMonitorFolder, SubFoldersAreRemovableVolumesInNameOrder)
{
    QTemporaryDir dir;
    for (const char *name : {"b_card", "A_CARD", "a_card"})
        QDir(dir.path()).mkdir(QString::fromLatin1(name));
    writeFile(dir.filePath(QStringLiteral("not_a_volume.txt")), "x");
    QDir(dir.path()).mkdir(QStringLiteral(".hidden"));
    VolumeMonitor monitor(dir.path());
    QStringList names;
    for (const Volume &v : monitor.mountedVolumes()) {
        names << v.name;
        EXPECT_TRUE(v.isExternalMemory());
        EXPECT_EQ(v.rootPath, QDir(dir.path()).absoluteFilePath(v.name));
    }
    EXPECT_EQ(names, (QStringList{QStringLiteral("A_CARD"), QStringLiteral("a_card"), QStringLiteral("b_card")}));
    EXPECT_TRUE(Utils::isExternalMemoryWithURL(QUrl::fromLocalFile(dir.filePath(QStringLiteral("a_card/SETTING"))), monitor));
    EXPECT_FALSE(Utils::isExternalMemoryWithURL(QUrl::fromLocalFile(dir.path()), monitor));
}

TEST(VolumeMonitorFolder, ReportsMountAndUnmountOnce)
{
    QTemporaryDir dir;
    VolumeMonitor monitor(dir.path());
    EXPECT_TRUE(monitor.mountedVolumes().isEmpty());
    QSignalSpy mounted(&monitor, &VolumeMonitor::volumeMounted);
    QSignalSpy unmounted(&monitor, &VolumeMonitor::volumeUnmounted);

    QDir(dir.path()).mkdir(QStringLiteral("CARD"));
    ASSERT_TRUE(mounted.wait());
    EXPECT_EQ(mounted.count(), 1);
    EXPECT_EQ(mounted.at(0).at(0).value<Volume>().name, QStringLiteral("CARD"));
    EXPECT_EQ(monitor.mountedVolumes().size(), 1);

    QDir(dir.filePath(QStringLiteral("CARD"))).removeRecursively();
    ASSERT_TRUE(unmounted.wait());
    EXPECT_EQ(unmounted.at(0).at(0).value<Volume>().name, QStringLiteral("CARD"));
    EXPECT_TRUE(monitor.mountedVolumes().isEmpty());
    EXPECT_EQ(mounted.count(), 1);
}

TEST(VolumeMonitorFolder, AFolderThatAppearsLaterIsWatched)
{
    QTemporaryDir dir;
    const QString later = dir.filePath(QStringLiteral("volumes"));
    VolumeMonitor monitor(later);
    QSignalSpy mounted(&monitor, &VolumeMonitor::volumeMounted);
    QDir().mkpath(later + QStringLiteral("/CARD"));
    ASSERT_TRUE(mounted.wait());
}

} // namespace
