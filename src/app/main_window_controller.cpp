#include "main_window_controller.h"

#include "i18n/drovik_languages.h"
#include "widgets/image_widgets.h"
#include "widgets/images.h"
#include "platform/notifier.h"
#include "i18n/preferences.h"
#include "display/map_controller.h"
#include "display/map_web_view.h"
#include "display/slider_views.h"
#include "display/speed_meter_view.h"
#include "file_list_controller.h"
#include "main_window.h"
#include "playback_binding.h"
#include "preference_menus.h"
#include "recent_folders.h"
#include "window_placement.h"
#include "folder_trips.h"
#include "trip_playback.h"
#include "trips_window.h"
#include "window_commands.h"
#include "platform/utils.h"
#include "platform/volume_monitor.h"
#include "playback/full_screen_controller.h"
#include "playback/playback_controller.h"
#include "playback/playback_speed.h"
#include "playback/player/drovik_av_view.h"
#include "playback/export_controller.h"
#include "playback/snapshot_controller.h"
#include "settings/store/kvl_setting_manager.h"
#include "settings/store/r640_setting_manager.h"
#include "settings/store/setting_manager_holder.h"
#include "playback/event_navigation.h"
#include "widgets/focus_ring.h"
#include "widgets/view_helpers.h"
#include "settings/editor/setting_frame.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QScrollArea>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <utility>

namespace drovik {

namespace {
constexpr auto kWindowTitle = "Drovik Viewer";
constexpr QSize kSplashSize(600, 360);

void queued(QObject *context, std::function<void()> work)
{
    QMetaObject::invokeMethod(context, std::move(work), Qt::QueuedConnection);
}

// Runs work once a window about to be shown is on screen, where the window manager put it (a
// window is placed after it is mapped, so its geometry just after show() is not yet its own).
class PlacedWatcher : public QObject {
public:
    PlacedWatcher(QWidget *window, std::function<void()> work)
        : QObject(window)
        , m_window(window)
        , m_work(std::move(work))
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_window && event->type() == QEvent::Show && m_window->windowHandle())
            m_window->windowHandle()->installEventFilter(this);
        if (watched == m_window->windowHandle() && event->type() == QEvent::Expose
            && m_window->windowHandle()->isExposed()) {
            m_window->removeEventFilter(this);
            m_window->windowHandle()->removeEventFilter(this);
            QTimer::singleShot(0, m_window, std::move(m_work));
            deleteLater();
        }
        return false;
    }

private:
    QWidget *m_window;
    std::function<void()> m_work;
};

void whenPlaced(QWidget *window, std::function<void()> work)
{
    if (window->windowHandle() && window->windowHandle()->isExposed())
        queued(window, std::move(work));
    else
        new PlacedWatcher(window, std::move(work));
}
} // namespace

MainWindowController::MainWindowController(const AppServices &services, QObject *parent)
    : QObject(parent)
    , m_services(services)
{
    m_window = new MainWindow;
    m_window->setAttribute(Qt::WA_DeleteOnClose, false);
    m_ui.setupUi(m_window);
    m_fileList = new FileListController(m_ui, m_services.settings, m_window, this);
    m_trips = new FolderTrips(std::make_shared<TelemetryCache>(), this);
    m_trips->setGapSeconds(Preferences::storedTripGapSeconds().value_or(kDefaultTripGapSeconds));
    m_fileList->setTrips(m_trips);
    m_fileList->tripsAction()->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_T));
    m_menus = new PreferenceMenus(m_services.notifier, this);
    connect(m_window, &MainWindow::resized, this, &MainWindowController::windowDidResize);
    connect(m_window, &MainWindow::pathDropped, this, &MainWindowController::openPath);
    connect(m_fileList, &FileListController::folderChosen, this, &MainWindowController::rememberChosenFolder);
    connect(m_window, &MainWindow::closing, this, &MainWindowController::saveWindowFrame);
    connect(qApp, &QCoreApplication::aboutToQuit, this, &MainWindowController::saveWindowFrame);
    m_settingsAction = makeAction(this, [this] { settingButtonTouched(m_ui.settingsButton); },
                                  {QKeySequence(Qt::CTRL | Qt::Key_Comma)});
    showAction(m_ui.settingsButton, m_settingsAction);
    connect(m_fileList, &FileListController::cardRecognised, m_settingsAction, &QAction::setEnabled);
    m_tripsAction = makeAction(this, &MainWindowController::showTrips, {QKeySequence(Qt::CTRL | Qt::Key_T)});
    m_shortcutsAction = makeAction(this, &MainWindowController::showKeyboardShortcuts, {QKeySequence(Qt::Key_F1)});
    m_minimizeAction = makeAction(m_window, &QWidget::showMinimized, {QKeySequence(Qt::CTRL | Qt::Key_M)});
    m_quitAction = makeAction(this, [] { QCoreApplication::quit(); },
                              {QKeySequence(Qt::CTRL | Qt::Key_Q), QKeySequence(Qt::CTRL | Qt::Key_W)});
    m_window->installEventFilter(this);
    new FocusRing(m_window);
}

MainWindowController::~MainWindowController()
{
    // The view shown full screen goes back into the window before the window goes.
    delete m_fullScreen;
    delete m_splash;
    delete m_window;
}

void MainWindowController::awakeFromNib()
{
    m_splash = new ImageView(QStringLiteral("QX4_pcviewer_splash_mac.png"));
    m_splash->setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    m_splash->resize(kSplashSize);
    if (QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(0, 0), kSplashSize);
        frame.moveCenter(screen->availableGeometry().center());
        m_splash->move(frame.topLeft());
    }
    m_splash->show();

    const QString title = QString::fromLatin1(kWindowTitle);
    m_window->setWindowTitle(title);
    m_appMenu = m_window->menuBar()->addMenu(title);
    m_quitAction->setText(QStringLiteral("Quit %1").arg(title));
    m_appMenu->addAction(m_tripsAction);
    m_appMenu->addAction(m_shortcutsAction);
    m_appMenu->addSeparator();
    m_appMenu->addAction(m_quitAction);
    m_recentFolders = new RecentFoldersMenu(m_appMenu, m_quitAction, this);
    connect(m_recentFolders, &RecentFoldersMenu::folderChosen, this, &MainWindowController::openPath);

    m_splashTimer = new QTimer(this);
    m_splashTimer->setSingleShot(true);
    connect(m_splashTimer, &QTimer::timeout, this, &MainWindowController::showMainWindow);
    m_splashTimer->start(kSplashMilliseconds);
}

void MainWindowController::showMainWindow()
{
    if (!m_mainWindowShown && !m_window->isVisible())
        restoreWindowFrame(m_window);
    queued(this, [this] {
        m_window->show();
        m_window->raise();
        m_window->activateWindow();
        // The player has the keys at first, so they do what they always did.
        if (m_bigMovieView)
            m_bigMovieView->setFocus(Qt::ActiveWindowFocusReason);
        if (m_splash)
            m_splash->hide();
        m_mainWindowShown = true;
    });

    Notifier &center = m_services.notifier;
    connect(&center, &Notifier::refreshLanguage, this, &MainWindowController::refreshLanguageHandler,
            Qt::UniqueConnection);
    connect(&center, &Notifier::refreshSpeedUnit, this,
            &MainWindowController::refreshSpeedUnitHandler, Qt::UniqueConnection);
    center.observeVolumes(m_services.volumes);
    connect(&center, &Notifier::volumeMounted, m_fileList, &FileListController::volumeMountHandler,
            Qt::UniqueConnection);
    connect(&center, &Notifier::volumeUnmounted, m_fileList,
            &FileListController::volumeUnmountHandler, Qt::UniqueConnection);
    connect(&center, &Notifier::volumeUnmounted, this, &MainWindowController::cardVolumeUnmounted,
            Qt::UniqueConnection);

    buildMapView();
    queued(this, [this] {
        m_ui.mapCoverView->show();
        if (m_mapWebView)
            m_mapWebView->hide();
        m_menus->build(m_window->menuBar());
        m_ui.mainVersionLabel->setText(QStringLiteral("Ver %1").arg(QCoreApplication::applicationVersion()));
    });

    m_window->setKeyEventDelegate(this);
    buildPlayerViews();
    buildSnapshotActions();
    collectKeyActions();
    m_ui.speedMeterView->setSpeed(0);
    applyStyle();
    applyLanguageSettings();
    queued(this, [this] { m_fileList->videoFileFilterTouched(m_ui.fileListAllButton_OEM); });
    // After the card's own listing has started, so the named path is what the list shows.
    if (!m_pathToOpen.isEmpty())
        queued(this, [this] { openPath(std::exchange(m_pathToOpen, QString())); });
    else if (m_settingsRootToOpen.isEmpty())
        queued(this, [this] { reopenLastFolder(); });
    // The settings of a card named on the command line, over the window that lists it, once
    // the window manager has placed that window: the editor is centred on it.
    if (!m_settingsRootToOpen.isEmpty())
        whenPlaced(m_window, [this] { openSettingsOfCard(std::exchange(m_settingsRootToOpen, QString())); });
    enableVideoControls(false);
    m_playback->updateMovieViewCoverScreen();
}

void MainWindowController::openPath(const QString &path)
{
    if (!m_playback) { // nothing could play the clip before the window is built
        m_pathToOpen = path;
        return;
    }
    if (!m_fileList->openPath(path))
        qWarning("drovik-viewer: %s is neither a folder nor a file", qPrintable(path));
}

void MainWindowController::rememberChosenFolder(const QString &folder)
{
    RecentFoldersMenu::remember(folder);
    const std::optional<Volume> volume = m_services.volumes.volumeForPath(folder);
    // A card's folder goes with the card: when it is back, the card's own listing shows it.
    Preferences::storeLastFolder(volume && volume->isExternalMemory() ? QString() : folder);
}

void MainWindowController::reopenLastFolder()
{
    // A card found at launch is listed, as it always was.
    if (m_services.settings.manager().modelType() != Model::None || !m_fileList->chosenFolder().isEmpty())
        return;
    const QString folder = Preferences::storedLastFolder();
    if (!folder.isEmpty() && !RecentFolders::isMissing(folder))
        m_fileList->openPath(folder);
}

void MainWindowController::saveWindowFrame()
{
    if (m_mainWindowShown)
        drovik::saveWindowFrame(m_window);
}

void MainWindowController::buildMapView()
{
    if (m_mapWebView)
        return;
    m_mapWebView = new MapWebView(m_ui.dashboardCtrls);
    m_mapWebView->setGeometry(m_ui.mapCoverView->geometry());
    m_mapWebView->hide();
    m_mapController = new MapController(m_mapWebView, this);
    m_mapController->load();
}

void MainWindowController::buildPlayerViews()
{
    if (m_playback)
        return;
    m_bigMovieView = new DrovikAVView;
    m_bigMovieView->setObjectName(QStringLiteral("bigMovieView"));
    m_ui.bigMovieViewScrollView->setWidget(m_bigMovieView);
    m_smallMovieView = new DrovikAVView(m_ui.smallMovieFrame);
    m_smallMovieView->setObjectName(QStringLiteral("smallMovieView"));
    m_playback = new PlaybackController(*m_fileList, *m_bigMovieView, *m_smallMovieView,
                                        *m_ui.bigMovieViewScrollView, this);
    m_playback->setWorkingDirectory(Utils::GetWorkingDirectoryPath());
    m_playbackBinding = new PlaybackBinding(m_ui, *m_playback, *m_mapController, *m_bigMovieView,
                                            *m_smallMovieView, this);
    m_tripPlayback = new TripPlayback(*m_trips, *m_playback, m_playbackBinding->eventNavigation(),
                                      *m_ui.tripTimelineView, *m_mapController, this);
    connect(m_playback, &PlaybackController::unsupportedClip, this, &MainWindowController::showUnsupportedFileAlert);
    connect(m_fileList, &FileListController::playRequested, m_playback, &PlaybackController::playVideoWithIdx);
    connect(m_playback, &PlaybackController::clipChanged, m_fileList, &FileListController::setPlayingClip);
    // A clip whose file went while it played is one that cannot be played.
    connect(m_fileList, &FileListController::playingClipRemoved, this, [this] {
        m_playback->closeVideo();
        showUnsupportedFileAlert(localized("The file went away or changed while it was read."));
    });
    m_fullScreen = new FullScreenController(*m_playback, *m_bigMovieView, *m_smallMovieView,
                                            *m_ui.bigMovieViewScrollView, *m_ui.smallMovieFrame, *m_window, this);
    for (DrovikAVView *view : {m_bigMovieView, m_smallMovieView})
        connect(view, &DrovikAVView::didRequestFullscreen, m_fullScreen,
                [this](DrovikAVView *sender) { m_fullScreen->toggleFullScreen(sender); });
    connect(m_fullScreen, &FullScreenController::fullScreenChanged, m_playbackBinding,
            &PlaybackBinding::fullScreenChanged);
    showAction(m_ui.fullScreenModeButton, m_fullScreen->toggleAction());
    m_fullScreen->setKeyHandler([this](QKeyEvent *event) { return m_window->handleKeyEvent(event); });
    windowDidResize();
}

void MainWindowController::showUnsupportedFileAlert(const QString &reason)
{
    if (alertIsOpen())
        return;
    auto *alert = new QMessageBox(QMessageBox::Warning, localized("메모리카드 오류"),
                                  localized("메모리카드 오류"), QMessageBox::NoButton, m_window);
    alert->setInformativeText(localized("지원하지 않는 형식으로 인코딩된 동영상입니다."));
    setAlertDetail(alert, reason);
    alert->addButton(localized("OK"), QMessageBox::AcceptRole);
    alert->setAttribute(Qt::WA_DeleteOnClose);
    alert->setWindowModality(Qt::WindowModal);
    alert->open();
    m_alert = alert;
}

void MainWindowController::cardVolumeUnmounted(const Volume &volume)
{
    if (!m_playback)
        return;
    const QString entry = QDir::cleanPath(m_playback->activeVideoUrl().toLocalFile());
    if (entry.isEmpty() || !entry.startsWith(volume.rootPath + QLatin1Char('/')))
        return;
    m_playback->closeVideo();
    if (!alertIsOpen())
        m_alert = openCardWriteErrorAlert(m_window, CardWriteStatus::NoCard);
}

void MainWindowController::applyLanguageSettings()
{
    queued(this, [this] { applyLanguageNow(); });
}

void MainWindowController::applyLanguageNow()
{
    m_menus->relabel();
    if (m_playback) {
        labelWindowCommands(windowCommands(*this));
        const PlaybackController::Actions &a = m_playback->actions();
        m_ui.playbackSpeedButton->setToolTip(
            withKeys(localized("Playback Speed"), a.slower->shortcuts() + a.faster->shortcuts() + a.normalSpeed->shortcuts()));
    }
    for (ImageTextButton *filter : m_ui.filterButtons())
        filter->setToolTip(filter == m_ui.fileListAllButton_OEM ? localized("List Every Clip")
                                                                : localized("List Only the Clips of This Kind"));
    m_ui.fileListAllButton_OEM->setText(localized("파일_전체"));
    m_ui.fileListAlwaysButton_OEM->setText(localized("파일_상시"));
    m_ui.fileListMotionButton_OEM->setText(localized("파일_모션"));
    m_ui.fileListEventButton_OEM->setText(localized("파일_이벤트"));
    m_ui.fileListManualButton_OEM->setText(localized("파일_수동"));
    ImageTextButton::fitTitlesToCommonSize(m_ui.filterButtons());
    m_fileList->updateModelInfo();
    m_fileList->initializeFileSortingButtons();
    if (m_mapController)
        m_mapController->refreshSpeedRoute();
    m_fileList->showTripHeaders();
    if (auto *trips = m_window->findChild<TripsWindow *>())
        trips->refreshUnits();
}

void MainWindowController::refreshLanguageHandler()
{
    applyLanguageSettings();
}

void MainWindowController::refreshSpeedUnitHandler()
{
    m_ui.speedMeterView->setSpeed(m_ui.speedMeterView->speed());
    if (m_mapController)
        m_mapController->refreshSpeedRoute();
    m_fileList->showTripHeaders();
    if (auto *trips = m_window->findChild<TripsWindow *>())
        trips->refreshUnits();
}

void MainWindowController::windowDidResize()
{
    m_ui.layoutAreas(m_window->centralWidget()->size());
    // The bars are laid out for the design width and centred in the window.
    const int c = (m_window->width() - MainWindowUi::kDesignWidth) / 2;
    const auto moveX = [](QWidget *group, int x) { group->move(x, group->y()); };
    moveX(m_ui.toolbarBg3, c + 25);
    moveX(m_ui.dashBg3, c + 18);
    moveX(m_ui.toolbarButtons, c + 10);
    moveX(m_ui.dashboardCtrls, c + 43);
    if (movieFitsScrollView && m_bigMovieView)
        m_bigMovieView->resize(m_ui.bigMovieViewScrollView->maximumViewportSize());
    if (m_smallMovieView)
        m_smallMovieView->setGeometry(m_ui.smallMovieFrame->rect().adjusted(1, 1, -1, -1));
    if (m_mapWebView)
        m_mapWebView->setGeometry(m_ui.mapCoverView->geometry());
}

void MainWindowController::enableVideoControls(bool enable)
{
    if (m_playback)
        m_playback->enableVideoControls(enable);
}

QAction *MainWindowController::actionForKey(int key, Qt::KeyboardModifiers modifiers) const
{
    // The shortcut with exactly these modifiers first (Control+S and Control+Shift+S are two
    // commands); else the first one whose Control, if it has one, is held.
    const Qt::KeyboardModifiers held = modifiers & ~Qt::KeypadModifier;
    QAction *loose = nullptr;
    bool looseFound = false;
    for (QAction *action : m_keyActions) {
        for (const QKeySequence &sequence : action->shortcuts()) {
            const QKeyCombination combination = sequence[0];
            if (combination.key() != key)
                continue;
            if (combination.keyboardModifiers() == held)
                return action;
            const bool needsControl = combination.keyboardModifiers().testFlag(Qt::ControlModifier);
            if (!looseFound) {
                looseFound = true;
                loose = needsControl && !held.testFlag(Qt::ControlModifier) ? nullptr : action;
            }
        }
    }
    return loose;
}

void MainWindowController::collectKeyActions()
{
    m_keyActions.clear();
    for (const WindowCommandGroup &group : windowCommands(*this)) {
        for (const WindowCommand &command : group.commands) {
            if (command.action && !command.action->shortcuts().isEmpty())
                m_keyActions << command.action;
        }
    }
}

void MainWindowController::showTrips()
{
    if (!m_playback)
        return;
    if (auto *open = m_window->findChild<TripsWindow *>()) {
        open->close(); // the list may have changed: a fresh look
    }
    auto *window = new TripsWindow(
        *m_trips, *m_tripPlayback, [this](const QUrl &clip) { m_fileList->playClip(clip); },
        [this](const QUrl &clip, double seconds) { m_playback->openClipAt(clip, seconds); }, m_window);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
}

void MainWindowController::showKeyboardShortcuts()
{
    if (!m_playback)
        return;
    if (auto *open = m_window->findChild<KeyboardShortcutsWindow *>()) {
        open->raise();
        open->activateWindow();
        return;
    }
    auto *window = new KeyboardShortcutsWindow(windowCommands(*this), m_window);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
}

bool MainWindowController::eventFilter(QObject *watched, QEvent *event)
{
    // Mouse events reach the window itself only when no view inside it used them.
    if (watched == m_window) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
            mouseDown(static_cast<QMouseEvent *>(event));
            return isMovingWindow;
        case QEvent::MouseMove:
            mouseDragged(static_cast<QMouseEvent *>(event));
            return isMovingWindow;
        case QEvent::MouseButtonRelease:
            mouseUp(static_cast<QMouseEvent *>(event));
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

void MainWindowController::mouseDown(QMouseEvent *event)
{
    const QPoint inWindow = event->position().toPoint();
    QWidget *content = m_window->centralWidget();
    if (event->button() != Qt::LeftButton || !content || !content->geometry().contains(inWindow))
        return;
    event->accept();
    isMovingWindow = true;
    // Screen positions: the point under the mouse moves with the window.
    lastWindowDragLocation = event->globalPosition().toPoint();
    m_windowDragOrigin = m_window->pos();
}

void MainWindowController::mouseDragged(QMouseEvent *event)
{
    if (!isMovingWindow)
        return;
    const QPoint moved = event->globalPosition().toPoint() - lastWindowDragLocation;
    m_window->move(m_windowDragOrigin + moved);
}

void MainWindowController::mouseUp(QMouseEvent *)
{
    isMovingWindow = false;
}

void MainWindowController::applyStyle()
{
    const MainWindowUi &u = m_ui;
    for (QLabel *value : {u.modelTextField, u.gxTextField, u.gyTextField, u.gzTextField,
                          u.latTextField, u.lngTextField, u.fileDateTextField, u.playTimeTextField}) {
        QPalette palette = value->palette();
        palette.setColor(QPalette::WindowText, Qt::white);
        value->setPalette(palette);
    }
}

void MainWindowController::buildSnapshotActions()
{
    if (m_snapshot)
        return;
    m_snapshot = new SnapshotController(*m_fileList, *m_playback, *m_bigMovieView, m_window, this);
    m_export = new ExportController(*m_playback, *m_bigMovieView, m_ui.bigMovieViewScrollView, m_window,
                                    Utils::GetWorkingDirectoryPath(), this);
    // The remove button stays hidden; its command is there all the same.
    const std::pair<QAbstractButton *, QAction *> shown[] = {
        {m_ui.snapShotButton, m_snapshot->snapshotAction()},      {m_ui.printButton, m_snapshot->printAction()},
        {m_ui.fileListSaveButton_OEM, m_snapshot->saveCopyAction()}, {m_ui.fileListRemoveButton_OEM, m_snapshot->removeAction()},
        {m_ui.trackExportButton, m_export->trackAction()},        {m_ui.incidentExportButton, m_export->incidentAction()},
    };
    for (const auto &[button, action] : shown)
        showAction(button, action);
    connect(m_playback, &PlaybackController::controlsEnabledChanged, this, [this](bool enabled) {
        m_snapshot->setClipActionsEnabled(enabled);
        m_export->setActionsEnabled(enabled);
    });
    connect(m_fileList, &FileListController::clipsShown, m_snapshot,
            [this](int count) { m_snapshot->setFileActionsEnabled(count != 0); });
    m_snapshot->setFileActionsEnabled(!m_fileList->shownClips().isEmpty());
}

} // namespace drovik
