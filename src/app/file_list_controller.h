#pragma once

#include "library/card_trips.h"
#include "playback/clip_selection.h"

#include <QDeadlineTimer>
#include <QHash>
#include <QList>
#include <QObject>
#include <QUrl>

class QAction;
class QFileSystemWatcher;
class QTimer;
class QWidget;

namespace drovik {

class FileListModel;
class FolderTrips;
struct FolderScan;
struct Volume;
class SettingManagerHolder;
struct MainWindowUi;

// The clip list of the main window: finds the card and its clips, narrows them to the chosen
// recording type, keeps them in display order and shows them in the file list. It follows the
// chosen folder: clips copied in or removed show without choosing it again.
class FileListController : public QObject, public ClipSelection {
    Q_OBJECT
public:
    // settings is the card manager whose detection fills the list (the shared one in the
    // viewer); it must outlive this controller.
    FileListController(MainWindowUi &ui, SettingManagerHolder &settings, QWidget *dialogParent,
                       QObject *parent = nullptr);
    ~FileListController() override;

    const QList<QUrl> &allVideoFileList() const { return m_allVideoFileList; }
    const QList<QUrl> &filteredVideoFileList() const { return m_filteredVideoFileList; }
    QUrl selectedVideoDirectoryUrl() const { return m_selectedVideoDirectoryUrl; }
    int videoFileFilterGroupA() const { return m_videoFileFilterGroupA; }
    // Whether a folder scan is under way (its result replaces the list when it ends).
    bool isScanning() const { return m_scanGeneration != m_finishedGeneration; }

    // Card detection (preferring the card of the chosen folder), then the card's clips; a folder
    // chosen on that card stays chosen; no card empties the list.
    void updateModelInfo();
    // The second half of updateModelInfo: the model and clips of the card the settings manager
    // holds now, without scanning the volumes again (a card chosen by hand stays chosen).
    void showModelInfo();
    // The folder the list shows, clean, or "" when it is not a local folder.
    QString chosenFolder() const;
    void refreshVideoFileListWithURL(const QUrl &folder);
    void refreshVideoFileList();
    void selectFolderButtonTouched();
    // Choose folder (the button beside the folder's name).
    QAction *chooseFolderAction() const { return m_chooseFolderAction; }
    // The folder's trips, which the list feeds with every listing and shows its clips by when
    // asked (must outlive this controller).
    void setTrips(FolderTrips *trips);
    // Show by trips (the button beside the folder's buttons): the shown clips in the order of
    // their trips, each trip's header above its first. The filters apply as ever.
    QAction *tripsAction() const { return m_tripsAction; }
    bool tripsShown() const { return m_tripsShown; }
    void setTripsShown(bool shown);
    // Writes the trips' headers again (the speed unit changed).
    void showTripHeaders();
    void videoFileFilterTouched(QObject *button);
    void setVideoFileFilterWithButton(QObject *button);
    void applyVideoFileFilter();
    void initializeFileSortingButtons();
    // A new volume: detection again, and, while the new volume holds no camera's files yet (a
    // card being copied in, a slow mount), detection again once they are there.
    void volumeMountHandler(const Volume &volume);
    void volumeUnmountHandler() { updateModelInfo(); }
    // The selected row of the file list, or -1.
    int selectedRow() const override;
    const QList<QUrl> &shownClips() const override { return m_filteredVideoFileList; }
    void selectRow(int row) override;
    void removeClip(const QUrl &url) override { removeVideoFile(url); }
    // Opens what a file manager or the command line names: a folder as the chosen folder; a
    // clip shows its folder and, once listed, is selected and played. False for anything else.
    bool openPath(const QString &path);
    // Selects and plays a clip of the list, showing all recording types when the chosen one
    // hides it; false when the list does not hold it.
    bool playClip(const QUrl &clip);
    // Drops a deleted file from both lists and shows the rest (nothing stays selected).
    void removeVideoFile(const QUrl &url);
    // The clip in the player views (empty: none): its row is marked.
    void setPlayingClip(const QUrl &entry);

    // How long after a mount the volume is watched for a camera's files, and how often.
    static constexpr int kCardFillWaitMilliseconds = 120'000;
    static constexpr int kCardFillPollMilliseconds = 500;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

signals:
    // A row was double-clicked: play that entry of the shown list.
    void playRequested(int row);
    // A folder scan finished and the list shows its clips.
    void listRefreshed();
    // The list shows this many rows.
    void clipsShown(int count);
    // Whether the card the list shows is a camera's card whose settings can be opened.
    void cardRecognised(bool recognised);
    // The file of the playing clip left the chosen folder while it played.
    void playingClipRemoved(const QUrl &entry);
    // The user chose this folder (Choose Folder, a named or dropped path), clean; a card listed of
    // itself is not chosen.
    void folderChosen(const QString &folder);

private:
    // A folder chosen (or the card's, or named) starts at its first row; a change seen in the
    // chosen folder keeps the selection.
    enum class ScanKind { Chosen, Changed };

    // The card the chosen folder lies on becomes the one whose model the header shows and whose
    // settings the cog opens (else the first card found); the list stays as it is.
    void followChosenFolder();
    void showCardHeader();
    void showFilteredList();
    // The trips were grouped anew: the same clips in their new order, the same row chosen.
    void reorderByTrips();
    void feedTrips();
    void pollFillingCards();
    void rescanVideoFileList();
    void startScan(ScanKind kind);
    void finishScan(quint64 generation, ScanKind kind, const FolderScan &scan);
    void showChangedList(const QList<QUrl> &clips);
    void watchFolders(const QStringList &folders);
    void stopWatching();

    MainWindowUi &m_ui;
    SettingManagerHolder &m_settings;
    QWidget *m_dialogParent = nullptr;
    FileListModel *m_model = nullptr;
    // The folders the last scan listed; a change in one rescans after a short delay.
    QFileSystemWatcher *m_folderWatcher = nullptr;
    QTimer *m_rescanTimer = nullptr;
    bool m_rescanPending = false;
    QAction *m_chooseFolderAction = nullptr;
    QAction *m_tripsAction = nullptr;
    FolderTrips *m_trips = nullptr;
    bool m_tripsShown = false;
    std::vector<TripListing::Header> m_tripHeaderRows;
    // Volumes mounted without a camera's files yet, with when the wait for them ends.
    QHash<QString, QDeadlineTimer> m_fillingCards;
    QTimer *m_fillingCardsTimer = nullptr;
    QList<QUrl> m_allVideoFileList;
    QList<QUrl> m_filteredVideoFileList;
    QUrl m_selectedVideoDirectoryUrl;
    QUrl m_listedFolder; // the folder of the last full listing
    int m_videoFileFilterGroupA = 0;
    quint64 m_scanGeneration = 0;
    quint64 m_finishedGeneration = 0;
    // The clip to select and play when the scan of this generation ends.
    QString m_clipToPlay;
    quint64 m_clipToPlayGeneration = 0;
};

} // namespace drovik
