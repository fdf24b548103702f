#pragma once

#include "platform/app_services.h"
#include "main_window_ui.h"

#include <QObject>
#include <QPoint>
#include <QPointer>

#include <memory>

class QAction;
class QMouseEvent;
class QMenu;
class QMessageBox;
class QTimer;
class QWidget;

namespace drovik {

class DrovikAVView;
class DrovikViewController;
class FileListController;
class KvlSettingManager;
class R640SettingManager;
class FullScreenController;
class FolderTrips;
class TripPlayback;
class MapController;
class MapWebView;
struct Volume;
class PlaybackController;
class PlaybackBinding;
class PreferenceMenus;
class RecentFoldersMenu;
class MainWindow;
class SnapshotController;
class ExportController;

// Builds and drives the main window: the splash, the menus of language and speed unit, the
// labels, the layout on resize and the window-level keyboard actions. Playback, the clip list
// and the telemetry displays hang off the same controller. The services come from the owner:
// the clip list reads the card through its settings manager, card changes arrive through the
// volume monitor and the notifier, and preference changes are posted on the notifier.
class MainWindowController : public QObject {
    Q_OBJECT
public:
    // How long the splash stays before the main window is built.
    static constexpr int kSplashMilliseconds = 2000;

    explicit MainWindowController(const AppServices &services, QObject *parent = nullptr);
    ~MainWindowController() override;

    MainWindow *window() const { return m_window; }
    QWidget *splashWindow() const { return m_splash; }
    const MainWindowUi &ui() const { return m_ui; }
    bool isMainWindowShown() const { return m_mainWindowShown; }

    QAction *quitAction() const { return m_quitAction; }
    // The Language and Speed unit menus (built with the main window).
    PreferenceMenus &menus() const { return *m_menus; }

    // Start-up: the splash, the window title, the Quit item, and the timer that shows the window.
    void awakeFromNib();
    void showMainWindow();
    // Opens a folder or a clip named on the command line or dropped on the window, once the
    // window has listed the card (or at once when the window is up): see
    // FileListController::openPath.
    void openPath(const QString &path);
    // The application menu's recent folders (exist once the splash has shown).
    RecentFoldersMenu *recentFolders() const { return m_recentFolders; }

    // Language and speed unit.
    void applyLanguageSettings();
    void refreshLanguageHandler();
    void refreshSpeedUnitHandler();

    void windowDidResize();
    void enableVideoControls(bool enable);

    FileListController &fileList() const { return *m_fileList; }
    // The playback side exists once the main window has been shown.
    PlaybackController *playback() const { return m_playback; }
    DrovikAVView *bigMovieView() const { return m_bigMovieView; }
    DrovikAVView *smallMovieView() const { return m_smallMovieView; }
    MapController *mapController() const { return m_mapController; }
    // Snapshot, print, save a copy and remove; exists with the playback side.
    SnapshotController *snapshot() const { return m_snapshot; }
    // Track and incident export of the playing clip; exists with the playback side.
    ExportController *exports() const { return m_export; }

    // The command a key press triggers: the one among the window's actions whose shortcut has
    // this key (and Control, when the shortcut has it; other modifiers do not matter), or null.
    // Q, W and M act only with Control (Command on macOS keyboards maps to Control in Qt).
    QAction *actionForKey(int key, Qt::KeyboardModifiers modifiers) const;
    // Quit (Control+Q, Control+W), minimise (Control+M) and the settings button.
    QAction *minimizeAction() const { return m_minimizeAction; }
    QAction *settingsAction() const { return m_settingsAction; }
    // F1 and the application menu: the window that lists every command with its keys.
    QAction *shortcutsAction() const { return m_shortcutsAction; }
    // The chosen folder as drives (TripsWindow), from the application menu and Control+T.
    QAction *tripsAction() const { return m_tripsAction; }
    void showTrips();
    void showKeyboardShortcuts();
    // The window's side of playback: the read-outs, the volume keys and the G-force events of the
    // playing clip (exists with the playback side).
    PlaybackBinding *playbackBinding() const { return m_playbackBinding; }
    FolderTrips *trips() const { return m_trips; }
    TripPlayback *tripPlayback() const { return m_tripPlayback; }
    // Exists once the main window has been shown, like the playback side.
    FullScreenController *fullScreen() const { return m_fullScreen; }

    // The settings button: pauses playback; a card that is not (or no longer) an inserted memory
    // card gets the card dialog, an unrecognised camera the model dialog; then the camera's
    // editor: the record editor, the text-file editor (N260) or the card's HTML page.
    void settingButtonTouched(QObject *sender);
    // The same for the card at root, whatever the volumes hold (the command line's --settings):
    // detection on root itself, then the camera's editor. Waits for the window to be shown.
    void openSettingsOfCard(const QString &root);
    // The card dialog, then detection on the chosen volume and its camera's editor.
    void showSelectFlashMemoryWindow();
    // The model dialog: the chosen model's settings on the current card; Cancel forgets the card.
    void showSelectModelWindow();
    // The record editor, or the HTML page for the models that have one.
    void showSettingWindow();
    // The text-file camera's editor and the card's HTML settings page.
    void showSettingWindowKvl();
    void showWebSettingWindow();
    // The text settings the N260's editor edits: the shared ones for the application's own
    // services, else ones of the services' card.
    KvlSettingManager &kvlSettingManager();
    // Shows view (its controller's page) modally over the main window; 1 for OK, 0 for Cancel.
    int showModalWindowWithView(QWidget *view, DrovikViewController *controller, bool showTitleBar);

    // Dragging the window by any part of its content that does not use the mouse itself.
    void mouseDown(QMouseEvent *event);
    void mouseDragged(QMouseEvent *event);
    void mouseUp(QMouseEvent *event);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildMapView();
    void buildPlayerViews();
    void showUnsupportedFileAlert(const QString &reason);
    // A pulled card takes the clip it held with it: playback stops and the card error says so.
    void cardVolumeUnmounted(const Volume &volume);
    // Whether an alert of the window is still open: a fault that several reports follow gets
    // one alert, not a stack of them.
    bool alertIsOpen() const { return !m_alert.isNull(); }
    // A short window-modal message that these settings cannot be opened here yet.
    // Whether the model field and clip list follow a fresh volume scan or the card just chosen.
    enum class ModelInfo { Rescan, KeepCard };
    void openSettingsForModel(ModelInfo info);
    void detectCardAt(const QString &root);
    void applyLanguageNow();
    void applyStyle();
    void buildSnapshotActions();
    void collectKeyActions();
    // A chosen folder heads the recent ones and, when it is on no card, is the one the next
    // launch reopens.
    void rememberChosenFolder(const QString &folder);
    // At launch, with no card found and no path named: the folder last chosen, if still there.
    void reopenLastFolder();
    void saveWindowFrame();

    AppServices m_services;
    MainWindow *m_window = nullptr;
    QWidget *m_splash = nullptr;
    MainWindowUi m_ui;
    QTimer *m_splashTimer = nullptr;
    bool m_mainWindowShown = false;
    QString m_pathToOpen;
    QString m_settingsRootToOpen;
    std::unique_ptr<KvlSettingManager> m_kvlSettings;
    const R640SettingManager *m_kvlSettingsCard = nullptr;
    FileListController *m_fileList = nullptr;
    PlaybackController *m_playback = nullptr;
    PlaybackBinding *m_playbackBinding = nullptr;
    DrovikAVView *m_bigMovieView = nullptr;
    DrovikAVView *m_smallMovieView = nullptr;
    MapWebView *m_mapWebView = nullptr;
    MapController *m_mapController = nullptr;
    FolderTrips *m_trips = nullptr;
    TripPlayback *m_tripPlayback = nullptr;
    SnapshotController *m_snapshot = nullptr;
    ExportController *m_export = nullptr;
    bool movieFitsScrollView = true;
    FullScreenController *m_fullScreen = nullptr;
    QPointer<QMessageBox> m_alert;
    bool isMovingWindow = false;
    QPoint lastWindowDragLocation;
    QPoint m_windowDragOrigin;

    QMenu *m_appMenu = nullptr;
    QAction *m_quitAction = nullptr;
    QAction *m_minimizeAction = nullptr;
    QAction *m_settingsAction = nullptr;
    QAction *m_shortcutsAction = nullptr;
    QAction *m_tripsAction = nullptr;
    QList<QAction *> m_keyActions;
    PreferenceMenus *m_menus = nullptr;
    RecentFoldersMenu *m_recentFolders = nullptr;
};

} // namespace drovik
