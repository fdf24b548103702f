#pragma once

// Recording discovery and the shown list: which clip files a folder holds, which of
// them a filter shows, and in what order.
//
// Everything here is a pure function of its arguments and the file system: no state is kept
// between calls and nothing is shared, so the main window may run a scan on a worker thread
// and hand the list back to the GUI thread.

#include "library/video_file_rules.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

namespace drovik {

// `getVideoFilesInDirectoryUrl:enableRecursive:`: the clip files of one folder. Lists the
// folder's immediate entries, skipping hidden ones (names starting with "."); a regular file
// (or a link to one) whose lower-cased extension is "avi", "mp4" or "mov" is appended; a folder
// (or a link to one) is descended into when enableRecursive is set, its clips appended at its
// place. Entries keep the order in which the file system lists them. A missing or unreadable
// folder yields an empty list. A folder already being scanned higher up (a link loop) is not
// entered again.
QList<QUrl> getVideoFilesInDirectoryUrl(const QUrl &directoryUrl, bool enableRecursive);

// The same on local paths: absolute file paths, in the same order.
QStringList getVideoFilesInDirectoryPath(const QString &directoryPath, bool enableRecursive);

// `refreshVideoFileList`'s scan: the clips lying directly in the selected folder, then those
// under each known recording folder (recordingFolderNames(), in order), recursively, then those
// under the folders of the selected one that other makes' cameras record into
// (isForeignListingFolderName), in name order, recursively. A missing recording folder adds
// nothing. The result is `allVideoFileList`.
QList<QUrl> scanSelectedFolder(const QUrl &selectedFolderUrl);
QStringList scanSelectedFolderPaths(const QString &selectedFolderPath);

// The same scan, with the folders it listed to find the clips: the selected folder, then every
// folder it entered under the recording folders. Files copied into or removed from any of them
// (or a recording folder made in the selected one) change what the scan finds, so these are the
// folders a watcher follows.
struct FolderScan {
    QList<QUrl> clips;
    QStringList folders;
};
FolderScan scanSelectedFolderAndFolders(const QUrl &selectedFolderUrl);

// `applyVideoFileFilter`: the entries of allVideoFiles that the filter shows, in display order
// (sortVideoFileList). The result is `filteredVideoFileList`.
QList<QUrl> applyVideoFileFilter(const QList<QUrl> &allVideoFiles, int filter);

// The display order: clips whose URL contains "Saved_Videos" first, then by
// file name in plain, case-sensitive comparison (UTF-16 code units), ascending. Entries that
// compare equal keep their order (a stable sort), so the result does not depend on the sort
// algorithm.
void sortVideoFileList(QList<QUrl> &videoFiles);

// The comparison itself: whether a comes before b.
bool videoFileComesBefore(const QUrl &a, const QUrl &b);

// The file name shown in a row of the file list (the URL's last path component).
QString videoFileCellText(const QUrl &url);

// The texts of the rows of shownClips: the file name, or, where two rows share a name (front
// and rear folders, a clip and its saved copy), the path from the selected folder, so each row
// says which file it is.
QStringList videoFileCellTexts(const QList<QUrl> &shownClips, const QString &selectedFolderPath);

} // namespace drovik
