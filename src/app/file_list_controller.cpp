#include "file_list_controller.h"

#include "i18n/drovik_languages.h"
#include "i18n/preferences.h"
#include "widgets/image_widgets.h"
#include "widgets/view_helpers.h"
#include "file_list_model.h"
#include "folder_trips.h"
#include "library/recording_library.h"
#include "main_window_ui.h"
#include "platform/volume_monitor.h"
#include "settings/store/camera_models.h"
#include "settings/store/r640_setting_manager.h"
#include "settings/store/setting_manager_holder.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QFutureWatcher>
#include <QHeaderView>
#include <QKeyEvent>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QSet>
#include <QTableView>
#include <QTimer>
#include <QtConcurrent/QtConcurrentRun>

#include <utility>

namespace drovik {

namespace {

// A camera card being copied in writes its clips one after another: the list follows at this
// pace rather than once per file.
constexpr int kRescanDelayMs = 400;

} // namespace

FileListController::FileListController(MainWindowUi &ui, SettingManagerHolder &settings,
                                       QWidget *dialogParent, QObject *parent)
    : QObject(parent)
    , m_ui(ui)
    , m_settings(settings)
    , m_dialogParent(dialogParent)
    , m_model(new FileListModel(this))
    , m_folderWatcher(new QFileSystemWatcher(this))
    , m_rescanTimer(new QTimer(this))
{
    m_rescanTimer->setSingleShot(true);
    m_rescanTimer->setInterval(kRescanDelayMs);
    connect(m_rescanTimer, &QTimer::timeout, this, &FileListController::rescanVideoFileList);
    // Not restarted by further changes, so a long copy still shows its clips as they come.
    connect(m_folderWatcher, &QFileSystemWatcher::directoryChanged, this, [this] {
        if (!m_rescanTimer->isActive())
            m_rescanTimer->start();
    });
    m_ui.fileListTableView->setModel(m_model);
    m_ui.fileListTableView->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    connect(m_model, &FileListModel::rowCountAsked, this, &FileListController::clipsShown);
    connect(m_ui.fileListTableView, &QAbstractItemView::doubleClicked, this, [this] {
        if (const int row = selectedRow(); row >= 0)
            emit playRequested(row);
    });
    m_ui.fileListTableView->installEventFilter(this);
    for (ImageTextButton *button : m_ui.filterButtons())
        connect(button, &QAbstractButton::clicked, this, [this, button] { videoFileFilterTouched(button); });
    m_chooseFolderAction = makeAction(this, &FileListController::selectFolderButtonTouched,
                                      {QKeySequence(Qt::CTRL | Qt::Key_O)});
    showAction(m_ui.selectFolderButton_OEM, m_chooseFolderAction);
    m_tripsAction = makeAction(this, [this] {
        setTripsShown(m_tripsAction->isChecked());
        Preferences::storeListByTrip(m_tripsShown);
    });
    m_tripsAction->setCheckable(true);
    showAction(m_ui.fileListTripsButton_OEM, m_tripsAction);
    connect(m_tripsAction, &QAction::toggled, m_ui.fileListTripsButton_OEM, [this](bool on) {
        m_ui.fileListTripsButton_OEM->setImageName(on ? QStringLiteral("trips_2") : QStringLiteral("trips_1"));
    });
    m_ui.fileListTableView->setItemDelegate(new FileListDelegate(m_ui.fileListTableView));
}

void FileListController::setTrips(FolderTrips *trips)
{
    m_trips = trips;
    // The list comes back the way the user left it.
    setTripsShown(Preferences::listByTrip());
    connect(trips, &FolderTrips::regrouped, this, &FileListController::reorderByTrips);
    connect(trips, &FolderTrips::telemetryRead, this, &FileListController::showTripHeaders);
    feedTrips();
}

void FileListController::feedTrips()
{
    if (m_trips)
        m_trips->setListing(chosenFolder(), m_allVideoFileList);
    if (m_trips && m_tripsShown)
        m_trips->readAll();
}

void FileListController::setTripsShown(bool shown)
{
    m_tripsAction->setChecked(shown);
    if (shown == m_tripsShown)
        return;
    m_tripsShown = shown;
    if (shown && m_trips)
        m_trips->readAll();
    reorderByTrips();
}

void FileListController::reorderByTrips()
{
    const int row = selectedRow();
    const QUrl selected = row >= 0 ? m_filteredVideoFileList.at(row) : QUrl();
    applyVideoFileFilter();
    showFilteredList();
    if (const qsizetype newRow = m_filteredVideoFileList.indexOf(selected); !selected.isEmpty() && newRow >= 0)
        selectRow(int(newRow));
}

FileListController::~FileListController() = default;

bool FileListController::eventFilter(QObject *watched, QEvent *event)
{
    // Return in the focused list plays the chosen clip, as a double-click does; Home and End go
    // to the first and last clip (a table's own would only change the column).
    if (watched == m_ui.fileListTableView && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (const int row = selectedRow(); row >= 0)
                emit playRequested(row);
            return true;
        }
        if ((key == Qt::Key_Home || key == Qt::Key_End) && !m_filteredVideoFileList.isEmpty()) {
            selectRow(key == Qt::Key_Home ? 0 : int(m_filteredVideoFileList.size()) - 1);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

int FileListController::selectedRow() const
{
    const QModelIndexList rows = m_ui.fileListTableView->selectionModel()
                                     ? m_ui.fileListTableView->selectionModel()->selectedRows()
                                     : QModelIndexList();
    if (rows.isEmpty() || rows.first().row() >= m_filteredVideoFileList.size())
        return -1;
    return rows.first().row();
}

void FileListController::selectRow(int row)
{
    m_ui.fileListTableView->selectRow(row);
    m_ui.fileListTableView->scrollTo(m_ui.fileListTableView->model()->index(row, 0));
}

void FileListController::updateModelInfo()
{
    m_settings.manager().loadVersionInfo(chosenFolder());
    showModelInfo();
}

void FileListController::showModelInfo()
{
    R640SettingManager &settings = m_settings.manager();
    if (settings.modelType() == Model::None) {
        ++m_scanGeneration; // a scan still running for the pulled card must not refill the list
        m_finishedGeneration = m_scanGeneration;
        stopWatching();
        m_ui.selectedDirTextField_OEM->clear();
        m_allVideoFileList.clear();
        feedTrips();
        applyVideoFileFilter();
        showFilteredList();
        showCardHeader();
        return;
    }
    // A folder the user chose on this card stays chosen; otherwise the list shows the card.
    const QString root = settings.settingDirPath();
    const QString chosen = chosenFolder();
    const bool chosenOnCard = !chosen.isEmpty() && isUnder(chosen, QDir::cleanPath(root));
    refreshVideoFileListWithURL(chosenOnCard ? m_selectedVideoDirectoryUrl : settings.sdcard_url());
    showCardHeader();
}

void FileListController::followChosenFolder()
{
    m_settings.manager().loadVersionInfo(chosenFolder());
    showCardHeader();
}

void FileListController::showCardHeader()
{
    R640SettingManager &settings = m_settings.manager();
    const int type = settings.modelType();
    emit cardRecognised(type != Model::None);
    if (type == Model::None) {
        m_ui.modelTextField->setText(localized("unknown"));
        return;
    }
    if (!cameraModel(type).selfSizedRecord)
        settings.setModelName(R640SettingManager::modelNameList().value(type));
    const QString name = settings.modelName();
    m_ui.modelTextField->setText(name.isEmpty() ? localized("unknown") : name);
}

void FileListController::volumeMountHandler(const Volume &volume)
{
    updateModelInfo();
    if (R640SettingManager().loadModelTypeWithSDPath(volume.rootPath) != Model::None)
        return;
    m_fillingCards.insert(volume.rootPath, QDeadlineTimer(kCardFillWaitMilliseconds));
    if (!m_fillingCardsTimer) {
        m_fillingCardsTimer = new QTimer(this);
        m_fillingCardsTimer->setInterval(kCardFillPollMilliseconds);
        connect(m_fillingCardsTimer, &QTimer::timeout, this, &FileListController::pollFillingCards);
    }
    m_fillingCardsTimer->start();
}

void FileListController::pollFillingCards()
{
    bool filled = false;
    for (auto it = m_fillingCards.begin(); it != m_fillingCards.end();) {
        const bool recognised = R640SettingManager().loadModelTypeWithSDPath(it.key()) != Model::None;
        filled = filled || recognised;
        if (recognised || it.value().hasExpired() || !QFileInfo(it.key()).isDir())
            it = m_fillingCards.erase(it);
        else
            ++it;
    }
    if (m_fillingCards.isEmpty())
        m_fillingCardsTimer->stop();
    if (filled)
        updateModelInfo();
}

QString FileListController::chosenFolder() const
{
    return m_selectedVideoDirectoryUrl.isLocalFile() ? QDir::cleanPath(m_selectedVideoDirectoryUrl.toLocalFile())
                                                     : QString();
}

void FileListController::refreshVideoFileListWithURL(const QUrl &folder)
{
    m_selectedVideoDirectoryUrl = folder;
    refreshVideoFileList();
}

void FileListController::refreshVideoFileList()
{
    m_allVideoFileList.clear();
    m_ui.selectedDirTextField_OEM->setText(m_selectedVideoDirectoryUrl.toLocalFile());
    startScan(ScanKind::Chosen);
}

void FileListController::rescanVideoFileList()
{
    // One scan at a time: a change seen during a scan is looked at once it ends, and a scan of a
    // newly chosen folder is never replaced before it has shown (and played) what was asked.
    if (isScanning()) {
        m_rescanPending = true;
        return;
    }
    startScan(ScanKind::Changed);
}

void FileListController::startScan(ScanKind kind)
{
    // A large card takes a while to list: scan on a worker thread and keep the window
    // responsive. Only the newest scan may fill the list.
    const quint64 generation = ++m_scanGeneration;
    auto *watcher = new QFutureWatcher<FolderScan>(this);
    connect(watcher, &QFutureWatcher<FolderScan>::finished, this, [this, watcher, generation, kind] {
        finishScan(generation, kind, watcher->result());
        watcher->deleteLater();
    });
    watcher->setFuture(QtConcurrent::run(&scanSelectedFolderAndFolders, m_selectedVideoDirectoryUrl));
}

void FileListController::finishScan(quint64 generation, ScanKind kind, const FolderScan &scan)
{
    if (generation != m_scanGeneration)
        return;
    m_finishedGeneration = generation;
    watchFolders(scan.folders);
    if (std::exchange(m_rescanPending, false))
        m_rescanTimer->start();
    if (kind == ScanKind::Changed) {
        showChangedList(scan.clips);
        return;
    }
    // The same folder listed again (a language change, the card seen again) keeps the chosen
    // clip; another folder starts at its first.
    const int oldRow = selectedRow();
    const QUrl kept = m_listedFolder == m_selectedVideoDirectoryUrl && oldRow >= 0 ? m_filteredVideoFileList.at(oldRow) : QUrl();
    m_listedFolder = m_selectedVideoDirectoryUrl;
    m_allVideoFileList = scan.clips;
    feedTrips();
    applyVideoFileFilter();
    showFilteredList();
    if (!m_filteredVideoFileList.isEmpty())
        selectRow(std::max(0, int(m_filteredVideoFileList.indexOf(kept))));
    emit listRefreshed();
    if (generation != m_clipToPlayGeneration || m_clipToPlay.isEmpty())
        return;
    const QString clip = std::exchange(m_clipToPlay, QString());
    for (int row = 0; row < m_filteredVideoFileList.size(); ++row) {
        if (QFileInfo(m_filteredVideoFileList[row].toLocalFile()).canonicalFilePath() == clip) {
            m_ui.fileListTableView->selectRow(row);
            emit playRequested(row);
            return;
        }
    }
}

// Files came or went in the chosen folder: the same row stays selected (none when its file went;
// the first when the list was empty, as choosing the folder again would) and the playing clip
// keeps playing unless its file is gone.
void FileListController::showChangedList(const QList<QUrl> &clips)
{
    const int row = selectedRow();
    const QUrl selected = row >= 0 ? m_filteredVideoFileList.at(row) : QUrl();
    const bool wasEmpty = m_filteredVideoFileList.isEmpty();
    const QUrl playing = m_model->playingUrl();
    const bool playingWasListed = m_allVideoFileList.contains(playing);
    m_allVideoFileList = clips;
    feedTrips();
    applyVideoFileFilter();
    showFilteredList();
    const int newRow = selected.isEmpty() ? (wasEmpty ? 0 : -1) : int(m_filteredVideoFileList.indexOf(selected));
    if (newRow >= 0 && newRow < m_filteredVideoFileList.size())
        m_ui.fileListTableView->selectRow(newRow);
    emit listRefreshed();
    if (playingWasListed && !m_allVideoFileList.contains(playing) && !QFileInfo(playing.toLocalFile()).isFile())
        emit playingClipRemoved(playing);
}

void FileListController::watchFolders(const QStringList &folders)
{
    const QStringList watched = m_folderWatcher->directories();
    if (QSet<QString>(watched.begin(), watched.end()) == QSet<QString>(folders.begin(), folders.end()))
        return;
    stopWatching();
    if (!folders.isEmpty())
        m_folderWatcher->addPaths(folders);
}

void FileListController::stopWatching()
{
    if (const QStringList watched = m_folderWatcher->directories(); !watched.isEmpty())
        m_folderWatcher->removePaths(watched);
    m_rescanTimer->stop();
    m_rescanPending = false;
}

void FileListController::setPlayingClip(const QUrl &entry)
{
    m_model->setPlayingUrl(entry);
}

bool FileListController::openPath(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return false;
    // Clips are compared by their canonical path: the list names them by the folder's path,
    // which may reach them through a link or a relative name.
    const QString folder = info.isDir() ? info.absoluteFilePath() : info.absolutePath();
    refreshVideoFileListWithURL(QUrl::fromLocalFile(QDir::cleanPath(folder)));
    followChosenFolder();
    if (!info.isDir()) {
        m_clipToPlay = info.canonicalFilePath();
        m_clipToPlayGeneration = m_scanGeneration;
    }
    emit folderChosen(chosenFolder());
    return true;
}

bool FileListController::playClip(const QUrl &clip)
{
    if (!m_filteredVideoFileList.contains(clip) && m_allVideoFileList.contains(clip))
        videoFileFilterTouched(m_ui.fileListAllButton_OEM);
    const int row = int(m_filteredVideoFileList.indexOf(clip));
    if (row < 0)
        return false;
    selectRow(row);
    emit playRequested(row);
    return true;
}

void FileListController::selectFolderButtonTouched()
{
    QFileDialog dialog(m_dialogParent, localized("열기"));
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly, true);
    if (m_selectedVideoDirectoryUrl.isLocalFile())
        dialog.setDirectory(m_selectedVideoDirectoryUrl.toLocalFile());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedUrls().isEmpty())
        return;
    m_selectedVideoDirectoryUrl = dialog.selectedUrls().constLast();
    refreshVideoFileList();
    followChosenFolder();
    if (const QString chosen = chosenFolder(); !chosen.isEmpty())
        emit folderChosen(chosen);
}

void FileListController::videoFileFilterTouched(QObject *button)
{
    if (!m_ui.filterButtons().contains(qobject_cast<ImageTextButton *>(button)))
        return;
    setVideoFileFilterWithButton(button);
    applyVideoFileFilter();
    showFilteredList();
}

void FileListController::setVideoFileFilterWithButton(QObject *sender)
{
    const QList<ImageTextButton *> buttons = m_ui.filterButtons();
    const int index = int(buttons.indexOf(qobject_cast<ImageTextButton *>(sender)));
    if (index < 0)
        return;
    m_videoFileFilterGroupA = index;
    for (ImageTextButton *button : buttons) {
        const bool chosen = button == sender;
        button->setBackgroundName(chosen ? QStringLiteral("sorting_btn_60_2")
                                         : QStringLiteral("sorting_btn_60_1"));
        button->setHoverImageChange(!chosen);
    }
}

void FileListController::applyVideoFileFilter()
{
    m_filteredVideoFileList = drovik::applyVideoFileFilter(m_allVideoFileList, m_videoFileFilterGroupA);
    m_tripHeaderRows.clear();
    if (m_tripsShown && m_trips) {
        TripListing listing = listByTrips(m_trips->card(), m_filteredVideoFileList);
        m_filteredVideoFileList = std::move(listing.clips);
        m_tripHeaderRows = std::move(listing.headers);
    }
}

void FileListController::showTripHeaders()
{
    QHash<int, QString> headers;
    if (m_trips)
        for (const TripListing::Header &header : m_tripHeaderRows)
            headers.insert(header.row, tripHeaderText(*m_trips, header.trip));
    // Only the header rows are taller; a row that had a header gets its height back.
    QTableView *table = m_ui.fileListTableView;
    const int height = table->verticalHeader()->defaultSectionSize();
    for (auto it = m_model->tripHeaders().begin(); it != m_model->tripHeaders().end(); ++it)
        if (!headers.contains(it.key()) && it.key() < m_model->rowCount())
            table->setRowHeight(it.key(), height);
    for (auto it = headers.begin(); it != headers.end(); ++it)
        table->setRowHeight(it.key(), height + FileListDelegate::kHeaderHeight);
    m_model->setTripHeaders(std::move(headers));
}

void FileListController::initializeFileSortingButtons()
{
    for (ImageTextButton *button : m_ui.filterButtons()) {
        QPalette palette = button->palette();
        palette.setColor(QPalette::ButtonText, Qt::white);
        button->setPalette(palette);
    }
}

void FileListController::removeVideoFile(const QUrl &url)
{
    m_filteredVideoFileList.removeAll(url);
    m_allVideoFileList.removeAll(url);
    feedTrips();
    applyVideoFileFilter();
    showFilteredList();
}

void FileListController::showFilteredList()
{
    m_model->setUrls(m_filteredVideoFileList, m_selectedVideoDirectoryUrl.toLocalFile());
    showTripHeaders();
}

} // namespace drovik
