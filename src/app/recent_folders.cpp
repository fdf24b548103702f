#include "recent_folders.h"

#include "i18n/drovik_languages.h"
#include "i18n/preferences.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QMenu>

#include <utility>

namespace drovik {

namespace {
constexpr int kMaxItemWidth = 480;
} // namespace

namespace RecentFolders {

QStringList withFolder(const QStringList &folders, const QString &folder)
{
    const QString clean = QDir::cleanPath(folder);
    QStringList result{clean};
    for (const QString &kept : folders) {
        if (result.size() == kMaxCount)
            break;
        if (!kept.isEmpty() && !result.contains(QDir::cleanPath(kept)))
            result << QDir::cleanPath(kept);
    }
    return result;
}

bool isMissing(const QString &folder)
{
    return !QFileInfo(folder).isDir();
}

QStringList withoutMissing(const QStringList &folders)
{
    QStringList kept;
    for (const QString &folder : folders) {
        if (!isMissing(folder))
            kept << folder;
    }
    return kept;
}

} // namespace RecentFolders

RecentFoldersMenu::RecentFoldersMenu(QMenu *menu, QAction *before, QObject *parent)
    : QObject(parent)
    , m_menu(menu)
    , m_before(before)
{
    m_clearMissingAction = new QAction(this);
    connect(m_clearMissingAction, &QAction::triggered, this, [this] {
        Preferences::storeRecentFolders(RecentFolders::withoutMissing(Preferences::storedRecentFolders()));
        rebuild();
    });
    connect(menu, &QMenu::aboutToShow, this, &RecentFoldersMenu::rebuild);
    rebuild();
}

void RecentFoldersMenu::remember(const QString &folder)
{
    Preferences::storeRecentFolders(RecentFolders::withFolder(Preferences::storedRecentFolders(), folder));
}

void RecentFoldersMenu::rebuild()
{
    if (!m_menu)
        return;
    qDeleteAll(std::exchange(m_folderActions, {}));
    m_menu->removeAction(m_clearMissingAction);
    delete std::exchange(m_separator, nullptr);
    // The kept list is cut again here: a longer one written by hand still shows eight.
    const QStringList folders = Preferences::storedRecentFolders().mid(0, RecentFolders::kMaxCount);
    if (folders.isEmpty())
        return;
    bool anyMissing = false;
    for (const QString &folder : folders) {
        // Long paths keep both ends: the card or home folder and the folder's own name.
        const QString shown = m_menu->fontMetrics().elidedText(QDir::toNativeSeparators(folder), Qt::ElideMiddle,
                                                               kMaxItemWidth);
        auto *item = new QAction(QString(shown).replace(QLatin1Char('&'), QStringLiteral("&&")), this);
        const bool missing = RecentFolders::isMissing(folder);
        anyMissing = anyMissing || missing;
        item->setEnabled(!missing);
        connect(item, &QAction::triggered, this, [this, folder] { emit folderChosen(folder); });
        m_menu->insertAction(m_before, item);
        m_folderActions << item;
    }
    m_clearMissingAction->setText(localized("Clear Missing Folders"));
    m_clearMissingAction->setEnabled(anyMissing);
    m_menu->insertAction(m_before, m_clearMissingAction);
    m_separator = new QAction(this);
    m_separator->setSeparator(true);
    m_menu->insertAction(m_before, m_separator);
}

} // namespace drovik
