#pragma once

// What a memory card pulled out of its reader does to the files a test reads from it: the card's
// folder goes, or its files vanish, are cut short or turn into something else. Tests run as root,
// so a file made unreadable with chmod would still be read: that kind is left out.

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace drovik::test {

enum class CardFault { FolderRemoved, FileRemoved, TruncatedToZero, TruncatedToHalf, ReplacedByFolder };

inline constexpr CardFault kAllCardFaults[] = {CardFault::FolderRemoved, CardFault::FileRemoved,
                                               CardFault::TruncatedToZero, CardFault::TruncatedToHalf,
                                               CardFault::ReplacedByFolder};

inline const char *faultName(CardFault fault)
{
    switch (fault) {
    case CardFault::FolderRemoved: return "card folder removed";
    case CardFault::FileRemoved: return "file removed";
    case CardFault::TruncatedToZero: return "file truncated to 0";
    case CardFault::TruncatedToHalf: return "file truncated to half";
    case CardFault::ReplacedByFolder: return "file replaced by a folder";
    }
    return "?";
}

// Applies fault to files (absolute paths) on the card whose folder is card.
inline bool applyCardFault(CardFault fault, const QString &card, const QStringList &files)
{
    if (fault == CardFault::FolderRemoved)
        return QDir(card).removeRecursively();
    for (const QString &path : files) {
        QFile file(path);
        bool done = false;
        switch (fault) {
        case CardFault::FileRemoved: done = file.remove(); break;
        case CardFault::TruncatedToZero: done = file.resize(0); break;
        case CardFault::TruncatedToHalf: done = file.resize(file.size() / 2); break;
        case CardFault::ReplacedByFolder: done = file.remove() && QDir().mkdir(path); break;
        case CardFault::FolderRemoved: break;
        }
        if (!done)
            return false;
    }
    return true;
}

// A write-protected card for as long as it lives: folder mounted read-only over itself, as a
// card whose lock switch is on. Root ignores permission bits, so those serve only other users;
// active() is false when neither took (no right to mount).
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(const QString &folder) : m_folder(folder)
    {
        m_mounted = QProcess::execute(QStringLiteral("mount"), {QStringLiteral("--bind"), QStringLiteral("-o"),
                                                                QStringLiteral("ro"), folder, folder}) == 0;
        if (!m_mounted)
            setFolderPermissions(QFile::ReadOwner | QFile::ExeOwner);
    }
    ~ReadOnlyFolder()
    {
        if (m_mounted)
            QProcess::execute(QStringLiteral("umount"), {m_folder});
        else
            setFolderPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    ReadOnlyFolder(const ReadOnlyFolder &) = delete;
    ReadOnlyFolder &operator=(const ReadOnlyFolder &) = delete;

    bool active() const { return !QFileInfo(m_folder).isWritable(); }

private:
    // The folder and every folder below it, as a lock covers the whole card.
    void setFolderPermissions(QFile::Permissions permissions) const
    {
        QFile::setPermissions(m_folder, permissions);
        QDirIterator it(m_folder, QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
        while (it.hasNext())
            QFile::setPermissions(it.next(), permissions);
    }

    QString m_folder;
    bool m_mounted = false;
};

// Every file below folder (hidden ones included), relative to it, sorted.
inline QStringList filesBelow(const QString &folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(QDir(folder).relativeFilePath(it.next()));
    files.sort();
    return files;
}

// Copies the tree at from to to (which must not exist): the card saved before a fault and put
// back afterwards.
inline bool copyTree(const QString &from, const QString &to)
{
    if (!QDir().mkpath(to))
        return false;
    QDirIterator it(from, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + QLatin1Char('/') + QDir(from).relativeFilePath(source);
        const bool ok = it.fileInfo().isDir()
                            ? QDir().mkpath(target)
                            : QDir().mkpath(QFileInfo(target).path()) && QFile::copy(source, target);
        if (!ok)
            return false;
    }
    return true;
}

// Puts the card saved in saved back at card, replacing whatever the fault left there.
inline bool putCardBack(const QString &saved, const QString &card)
{
    QDir(card).removeRecursively();
    return copyTree(saved, card);
}

} // namespace drovik::test
