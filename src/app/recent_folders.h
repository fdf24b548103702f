#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>

class QAction;
class QMenu;

namespace drovik {

// The folders the user chose most recently, most recent first, as the application menu lists
// them. A folder is one entry whatever the spelling of its path (compared clean).
namespace RecentFolders {

inline constexpr qsizetype kMaxCount = 8;

// folders with folder in front and its earlier place dropped, cut to kMaxCount.
QStringList withFolder(const QStringList &folders, const QString &folder);
// Whether a listed folder is no longer there (a pulled card, a folder removed or renamed).
bool isMissing(const QString &folder);
QStringList withoutMissing(const QStringList &folders);

} // namespace RecentFolders

// The recent folders' items of a menu, placed before one of its items and built afresh each time
// the menu opens, so a folder that went meanwhile shows greyed. Reads and writes the list kept
// with the preferences.
class RecentFoldersMenu : public QObject {
    Q_OBJECT
public:
    // The items go before `before` (an item of menu).
    RecentFoldersMenu(QMenu *menu, QAction *before, QObject *parent = nullptr);

    // The folder goes to the front of the kept list.
    static void remember(const QString &folder);
    // The items as the menu shows them now (rebuilt on every opening of the menu).
    void rebuild();
    const QList<QAction *> &folderActions() const { return m_folderActions; }
    // Forgets the folders that are no longer there.
    QAction *clearMissingAction() const { return m_clearMissingAction; }

signals:
    // An item was chosen: open the folder as Choose Folder would.
    void folderChosen(const QString &folder);

private:
    QPointer<QMenu> m_menu;
    QAction *m_before = nullptr;
    QList<QAction *> m_folderActions;
    QAction *m_clearMissingAction = nullptr;
    QAction *m_separator = nullptr;
};

} // namespace drovik
