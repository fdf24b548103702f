#include "library/recording_library.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLoggingCategory>

#include <algorithm>
#include <vector>

#ifdef Q_OS_UNIX
#include <dirent.h>
#include <sys/stat.h>
#endif

Q_LOGGING_CATEGORY(lcLibrary, "drovik.library", QtWarningMsg)

namespace drovik {

namespace {

#ifdef Q_OS_UNIX

// A card holds thousands of clips, so the listing reads the directory entries' types from
// readdir() and only asks stat() about links and entries of unknown type: `find -type f` does
// the same, and a stat per clip would double the cost. Paths stay in the file system's bytes
// until a clip is found.
struct FolderId {
    dev_t device;
    ino_t inode;
    bool operator==(const FolderId &) const = default;
};

void scanFolder(const QByteArray &folder, bool recursive, QStringList &out, QStringList *folders,
                std::vector<FolderId> &scanning)
{
    DIR *dir = ::opendir(folder.constData());
    if (!dir) {
        qCDebug(lcLibrary) << "cannot list" << QFile::decodeName(folder);
        return;
    }
    struct stat folderStat {};
    if (::fstat(::dirfd(dir), &folderStat) == 0) {
        const FolderId id{folderStat.st_dev, folderStat.st_ino};
        if (std::find(scanning.begin(), scanning.end(), id) != scanning.end()) {
            ::closedir(dir); // a link back to a folder being scanned
            return;
        }
        scanning.push_back(id);
    } else {
        scanning.push_back({0, 0});
    }
    if (folders)
        folders->append(QFile::decodeName(folder));

    QByteArray prefix = folder;
    if (!prefix.endsWith('/'))
        prefix += '/';
    while (const dirent *entry = ::readdir(dir)) {
        const QByteArrayView name(entry->d_name);
        if (name.startsWith('.'))
            continue; // hidden, and "." and ".."
        bool isFile = entry->d_type == DT_REG;
        bool isFolder = entry->d_type == DT_DIR;
        const bool isVideo = isVideoFileName(name);
        if (!isVideo && !recursive)
            continue;
        if (!isFile && !isFolder) {
            if (entry->d_type != DT_LNK && entry->d_type != DT_UNKNOWN)
                continue; // sockets, pipes, devices
            struct stat target {};
            if (::stat(QByteArray(prefix + name).constData(), &target) != 0)
                continue; // a dangling link
            isFile = S_ISREG(target.st_mode);
            isFolder = S_ISDIR(target.st_mode);
        }
        if (isFile && isVideo)
            out.append(QFile::decodeName(QByteArray(prefix + name)));
        else if (isFolder && recursive)
            scanFolder(QByteArray(prefix + name), true, out, folders, scanning);
    }
    ::closedir(dir);
    scanning.pop_back();
}

QStringList listVideoFiles(const QString &folderPath, bool recursive, QStringList *folders = nullptr)
{
    QStringList out;
    std::vector<FolderId> scanning;
    scanFolder(QFile::encodeName(folderPath), recursive, out, folders, scanning);
    return out;
}

#else

void scanFolder(const QString &folder, bool recursive, QStringList &out, QStringList *folders,
                QStringList &scanning)
{
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    if (canonical.isEmpty() || scanning.contains(canonical))
        return;
    scanning.append(canonical);
    if (folders)
        folders->append(folder);
    const QFileInfoList entries =
        QDir(folder).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Unsorted);
    for (const QFileInfo &entry : entries) {
        if (entry.fileName().startsWith(QLatin1Char('.')))
            continue;
        if (entry.isFile() && isVideoFileName(entry.fileName()))
            out.append(entry.filePath());
        else if (entry.isDir() && recursive)
            scanFolder(entry.filePath(), true, out, folders, scanning);
    }
    scanning.removeLast();
}

QStringList listVideoFiles(const QString &folderPath, bool recursive, QStringList *folders = nullptr)
{
    QStringList out;
    QStringList scanning;
    scanFolder(folderPath, recursive, out, folders, scanning);
    return out;
}

#endif

QList<QUrl> urlsFromPaths(const QStringList &paths)
{
    QList<QUrl> urls;
    urls.reserve(paths.size());
    for (const QString &path : paths)
        urls.append(QUrl::fromLocalFile(path));
    return urls;
}

QString localFolderPath(const QUrl &url)
{
    return url.isLocalFile() ? url.toLocalFile() : QString();
}

// The sort key of one entry, computed once per entry rather than once per comparison.
struct SortKey {
    bool saved;
    QString name;
    qsizetype index;
};

SortKey sortKey(const QUrl &url, qsizetype index)
{
    // "Saved_Videos" is plain ASCII that percent-encoding never touches, so testing the decoded
    // path is the same as testing the URL text.
    return {url.path().contains(QLatin1String("Saved_Videos")), url.fileName(), index};
}

bool keyComesBefore(const SortKey &a, const SortKey &b)
{
    if (a.saved != b.saved)
        return a.saved;
    return QString::compare(a.name, b.name, Qt::CaseSensitive) < 0;
}

QList<QUrl> sortedByKeys(const QList<QUrl> &urls, std::vector<SortKey> &keys)
{
    std::stable_sort(keys.begin(), keys.end(), keyComesBefore);
    QList<QUrl> sorted;
    sorted.reserve(qsizetype(keys.size()));
    for (const SortKey &key : keys)
        sorted.append(urls.at(key.index));
    return sorted;
}

} // namespace

QStringList getVideoFilesInDirectoryPath(const QString &directoryPath, bool enableRecursive)
{
    if (directoryPath.isEmpty())
        return {};
    return listVideoFiles(directoryPath, enableRecursive);
}

QList<QUrl> getVideoFilesInDirectoryUrl(const QUrl &directoryUrl, bool enableRecursive)
{
    return urlsFromPaths(getVideoFilesInDirectoryPath(localFolderPath(directoryUrl), enableRecursive));
}

namespace {

// The folders of the chosen one that other makes' cameras record into, in name order.
QStringList foreignRecordingFolders(const QString &selectedFolderPath)
{
    QStringList names = QDir(selectedFolderPath).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Unsorted);
    names.removeIf([](const QString &name) { return !isForeignListingFolderName(name); });
    std::sort(names.begin(), names.end());
    return names;
}

QStringList scanPaths(const QString &selectedFolderPath, QStringList *folders)
{
    if (selectedFolderPath.isEmpty())
        return {};
    QString folder = selectedFolderPath;
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    QStringList all = listVideoFiles(selectedFolderPath, false, folders);
    for (const QString &name : recordingFolderNames())
        all += listVideoFiles(folder + name, true, folders);
    for (const QString &name : foreignRecordingFolders(selectedFolderPath))
        all += listVideoFiles(folder + name, true, folders);
    return all;
}

} // namespace

QStringList scanSelectedFolderPaths(const QString &selectedFolderPath)
{
    return scanPaths(selectedFolderPath, nullptr);
}

QList<QUrl> scanSelectedFolder(const QUrl &selectedFolderUrl)
{
    return urlsFromPaths(scanSelectedFolderPaths(localFolderPath(selectedFolderUrl)));
}

FolderScan scanSelectedFolderAndFolders(const QUrl &selectedFolderUrl)
{
    FolderScan scan;
    scan.clips = urlsFromPaths(scanPaths(localFolderPath(selectedFolderUrl), &scan.folders));
    return scan;
}

QList<QUrl> applyVideoFileFilter(const QList<QUrl> &allVideoFiles, int filter)
{
    std::vector<SortKey> keys;
    keys.reserve(std::size_t(allVideoFiles.size()));
    for (qsizetype i = 0; i < allVideoFiles.size(); ++i) {
        const QUrl &url = allVideoFiles.at(i);
        if (videoFileMatchesFilter(url, filter))
            keys.push_back(sortKey(url, i));
    }
    return sortedByKeys(allVideoFiles, keys);
}

void sortVideoFileList(QList<QUrl> &videoFiles)
{
    std::vector<SortKey> keys;
    keys.reserve(std::size_t(videoFiles.size()));
    for (qsizetype i = 0; i < videoFiles.size(); ++i)
        keys.push_back(sortKey(videoFiles.at(i), i));
    videoFiles = sortedByKeys(videoFiles, keys);
}

bool videoFileComesBefore(const QUrl &a, const QUrl &b)
{
    return keyComesBefore(sortKey(a, 0), sortKey(b, 0));
}

QString videoFileCellText(const QUrl &url)
{
    return url.fileName();
}

QStringList videoFileCellTexts(const QList<QUrl> &shownClips, const QString &selectedFolderPath)
{
    QHash<QString, int> uses;
    for (const QUrl &url : shownClips)
        ++uses[url.fileName()];
    const QDir folder(selectedFolderPath);
    QStringList texts;
    texts.reserve(shownClips.size());
    for (const QUrl &url : shownClips) {
        const QString name = url.fileName();
        texts.append(uses.value(name) > 1 && !selectedFolderPath.isEmpty()
                         ? folder.relativeFilePath(url.toLocalFile())
                         : name);
    }
    return texts;
}

} // namespace drovik
