// Start-up, layout on resize, keyboard routing and what the main window remembers (offscreen).
#include "window_services.h"
#include "app/file_list_model.h"
#include "app/main_window.h"
#include "app/playback_binding.h"
#include "app/recent_folders.h"
#include "app/trips_window.h"
#include "app/window_commands.h"
#include "app/window_placement.h"
#include "display/slider_views.h"
#include "i18n/preferences.h"
#include "platform/utils.h"
#include "playback/event_navigation.h"
#include "playback/full_screen_controller.h"
#include "playback/export_controller.h"
#include "playback/playback_controller.h"
#include "playback/snapshot_controller.h"
#include "playback/view_zoom.h"
#include "playback/player/drovik_av_view.h"
#include "widgets/image_widgets.h"
#include "widgets/view_helpers.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMainWindow>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTableView>
#include <QTreeWidget>

#include <gtest/gtest.h>

using namespace drovik;
using drovik::test::WindowServices;

namespace {

TEST(MainWindowStartUp, SplashThenWindowWithMenusMarked)
{
    Preferences::store()->clear();
    WindowServices services;
    MainWindowController controller(services.services());
    controller.awakeFromNib();
    AppDelegate::initializeLanguageSetting(test::languages());
    ASSERT_NE(controller.splashWindow(), nullptr);
    EXPECT_TRUE(controller.splashWindow()->isVisible());
    EXPECT_FALSE(controller.window()->isVisible());
    EXPECT_EQ(controller.window()->windowTitle(), QStringLiteral("Drovik Viewer"));
    EXPECT_EQ(controller.quitAction()->text(), QStringLiteral("Quit Drovik Viewer"));
    const QList<QAction *> appMenu = controller.window()->menuBar()->actions().first()->menu()->actions();
    EXPECT_EQ(appMenu.first(), controller.tripsAction());
    EXPECT_TRUE(appMenu.contains(controller.shortcutsAction()));
    EXPECT_EQ(appMenu.last(), controller.quitAction());

    ASSERT_TRUE(QTest::qWaitFor([&] { return controller.window()->isVisible(); },
                                MainWindowController::kSplashMilliseconds + 5000));
    EXPECT_FALSE(controller.splashWindow()->isVisible());

    ASSERT_NE(controller.menus().languageMenu(), nullptr);
    EXPECT_EQ(controller.menus().languageMenu()->title(), QStringLiteral("Language"));
    EXPECT_EQ(controller.menus().englishItem()->text(), QStringLiteral("English"));
    EXPECT_TRUE(controller.menus().englishItem()->isChecked());
    EXPECT_FALSE(controller.menus().frenchItem()->isChecked());
    EXPECT_TRUE(controller.menus().kmphItem()->isChecked());
    EXPECT_FALSE(controller.menus().mphItem()->isChecked());
    EXPECT_TRUE(controller.ui().mainVersionLabel->text().startsWith(QStringLiteral("Ver ")));

    // The All filter is pressed once the window is up; the playback controls wait for a clip.
    const MainWindowUi &ui = controller.ui();
    EXPECT_EQ(controller.fileList().videoFileFilterGroupA(), 0);
    EXPECT_EQ(ui.fileListAllButton_OEM->backgroundName(), QStringLiteral("sorting_btn_60_2"));
    EXPECT_EQ(ui.fileListEventButton_OEM->backgroundName(), QStringLiteral("sorting_btn_60_1"));
    for (QWidget *control : QList<QWidget *>{ui.playPauseButton, ui.stopButton, ui.rewindButton,
                                             ui.fastForwardButton, ui.prevFileButton, ui.nextFileButton,
                                             ui.zoomInButton, ui.flipButton, ui.switchVideoButton,
                                             ui.snapShotButton, ui.muteButton, ui.seekTimeSliderView,
                                             ui.fileListSaveButton_OEM, ui.trackExportButton})
        EXPECT_FALSE(control->isEnabled()) << control->objectName().toStdString();
    EXPECT_TRUE(ui.mapCoverView->isVisible());
    EXPECT_FALSE(ui.fileListRemoveButton_OEM->isVisible());
}

TEST(MainWindowLayout, BarsAreCentredOnResize)
{
    WindowServices services;
    const auto window = services.shownWindow();
    MainWindowController &controller = *window;
    const MainWindowUi &ui = controller.ui();
    // window width → x of toolbarBg3, dashBg3, toolbarButtons, dashboardCtrls
    const std::pair<int, std::array<int, 4>> cases[] = {
        {1024, {25, 18, 10, 43}},
        {1280, {153, 146, 138, 171}},
        {1025, {25, 18, 10, 43}},
        {1600, {313, 306, 298, 331}},
    };
    for (const auto &[width, xs] : cases) {
        controller.window()->resize(width, 800);
        QCoreApplication::processEvents();
        ASSERT_EQ(controller.window()->width(), width);
        EXPECT_EQ(ui.toolbarBg3->x(), xs[0]) << width;
        EXPECT_EQ(ui.dashBg3->x(), xs[1]) << width;
        EXPECT_EQ(ui.toolbarButtons->x(), xs[2]) << width;
        EXPECT_EQ(ui.dashboardCtrls->x(), xs[3]) << width;
        // The bars follow the bottom edge; the players and the list fill what is left.
        const QWidget *central = controller.window()->centralWidget();
        EXPECT_LE(ui.dashBg3->geometry().bottom(), central->height());
        EXPECT_LT(ui.toolbarBg3->geometry().bottom(), ui.dashBg3->y());
        EXPECT_LT(ui.fileListControlView_OEM->geometry().bottom(), ui.toolbarBg3->y());
        EXPECT_EQ(ui.fileListControlView_OEM->geometry().right(), width - 11);
    }
}

// A press on the window's background, not used by any view, drags the window with the pointer;
// a press on a control does not.
TEST(MainWindowLayout, DraggingTheBackgroundMovesTheWindow)
{
    WindowServices services;
    const auto window = services.shownWindow();
    QMainWindow *main = window->window();
    main->move(100, 100);
    QCoreApplication::processEvents();
    const auto drag = [&](QWidget *target, QPoint at) {
        const QPoint from = main->pos();
        const QPoint global = target->mapToGlobal(at);
        QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, {});
        QApplication::sendEvent(target, &press);
        QMouseEvent move(QEvent::MouseMove, at + QPoint(30, 20), global + QPoint(30, 20), Qt::NoButton,
                         Qt::LeftButton, {});
        QApplication::sendEvent(target, &move);
        QMouseEvent release(QEvent::MouseButtonRelease, at + QPoint(30, 20), global + QPoint(30, 20),
                            Qt::LeftButton, Qt::NoButton, {});
        QApplication::sendEvent(target, &release);
        QCoreApplication::processEvents();
        return main->pos() - from;
    };
    EXPECT_EQ(drag(main->centralWidget(), QPoint(500, 30)), QPoint(30, 20));
    EXPECT_EQ(drag(window->ui().fileListAllButton_OEM, QPoint(5, 5)), QPoint(0, 0));
}

// Each key triggers the command that owns it; Q, W and M only with Control.
// The chosen folder first, once whatever its spelling, eight at most; one no longer there is
// greyed until Clear Missing Folders forgets it.
TEST(MainWindowMemory, RecentFoldersKeepOrderCapAndMissingOnes)
{
    const QStringList eight = test::strings({"/1", "/2", "/3", "/4", "/5", "/6", "/7", "/8"});
    const std::tuple<QStringList, QString, QStringList> cases[] = {
        {{}, QStringLiteral("/a/"), {QStringLiteral("/a")}},
        {test::strings({"/a", "/b"}), QStringLiteral("/c"), test::strings({"/c", "/a", "/b"})},
        {test::strings({"/a", "/b", "/c"}), QStringLiteral("/x/../b"), test::strings({"/b", "/a", "/c"})},
        {eight, QStringLiteral("/9"), test::strings({"/9", "/1", "/2", "/3", "/4", "/5", "/6", "/7"})},
        {eight, QStringLiteral("/8"), test::strings({"/8", "/1", "/2", "/3", "/4", "/5", "/6", "/7"})},
    };
    for (const auto &[kept, chosen, expected] : cases)
        EXPECT_EQ(RecentFolders::withFolder(kept, chosen), expected) << chosen.toStdString();

    Preferences::store()->clear();
    test::TempFolder present;
    const QString gone = present.path(QStringLiteral("gone"));
    Preferences::storeRecentFolders({present.root(), gone});
    QMenu menu;
    QAction *quit = menu.addAction(QStringLiteral("Quit"));
    RecentFoldersMenu recent(&menu, quit);
    ASSERT_EQ(recent.folderActions().size(), 2);
    EXPECT_TRUE(recent.folderActions().at(0)->isEnabled());
    EXPECT_FALSE(recent.folderActions().at(1)->isEnabled());
    EXPECT_TRUE(recent.clearMissingAction()->isEnabled());
    QSignalSpy opened(&recent, &RecentFoldersMenu::folderChosen);
    recent.folderActions().at(0)->trigger();
    EXPECT_EQ(opened.takeFirst().at(0).toString(), present.root());
    recent.clearMissingAction()->trigger();
    EXPECT_EQ(Preferences::storedRecentFolders(), QStringList{present.root()});
    EXPECT_EQ(recent.folderActions().size(), 1);
    EXPECT_FALSE(recent.clearMissingAction()->isEnabled());
    EXPECT_EQ(menu.actions().last(), quit);
    Preferences::store()->clear();
}

// A frame whose top edge is on a screen comes back as it was; one on a screen that is gone
// comes back centred on the primary screen, no larger than it.
TEST(MainWindowMemory, TheFrameComesBackOnAScreenThatIsThere)
{
    const QRect primary(0, 0, 1366, 900);
    const QList<QRect> both = {primary, QRect(1366, 0, 1920, 1080)};
    const std::tuple<QRect, QList<QRect>, QRect> cases[] = {
        {QRect(100, 80, 1100, 760), {primary}, QRect(100, 80, 1100, 760)},
        {QRect(1500, 100, 1200, 800), both, QRect(1500, 100, 1200, 800)},
        {QRect(1500, 100, 1200, 800), {primary}, QRect(83, 50, 1200, 800)},
        {QRect(-900, -50, 1024, 740), {primary}, QRect(171, 80, 1024, 740)},
        {QRect(2000, 100, 2500, 1400), {primary}, primary},
    };
    for (const auto &[saved, screens, expected] : cases)
        EXPECT_EQ(placedWindowFrame(saved, screens, primary), expected) << saved.x() << "," << saved.y();

    Preferences::store()->clear();
    Preferences::storeWindowFrame(QRect(60, 40, 1100, 760), true);
    {
        WindowServices services;
        const auto window = services.shownWindow();
        EXPECT_TRUE(window->window()->isMaximized());
        EXPECT_EQ(window->window()->normalGeometry(), QRect(60, 40, 1100, 760));
        window->window()->showNormal();
        window->window()->setGeometry(70, 50, 1200, 780);
        window->window()->close();
    }
    EXPECT_EQ(Preferences::storedWindowFrame(), QRect(70, 50, 1200, 780));
    EXPECT_FALSE(Preferences::storedWindowMaximized());
    Preferences::store()->clear();
}

TEST(MainWindowKeys, EachKeyNamesItsCommand)
{
    WindowServices services;
    const auto window = services.shownWindow();
    const MainWindowController &c = *window;
    const PlaybackController::Actions &play = c.playback()->actions();
    const struct {
        int key;
        Qt::KeyboardModifiers modifiers;
        QAction *action;
    } cases[] = {
        {Qt::Key_Q, Qt::ControlModifier, c.quitAction()},
        {Qt::Key_W, Qt::ControlModifier, c.quitAction()},
        {Qt::Key_M, Qt::ControlModifier, c.minimizeAction()},
        {Qt::Key_Q, Qt::NoModifier, nullptr},
        {Qt::Key_W, Qt::ShiftModifier, nullptr},
        {Qt::Key_M, Qt::AltModifier, nullptr},
        {Qt::Key_Return, Qt::NoModifier, c.fullScreen()->toggleAction()},
        {Qt::Key_Enter, Qt::KeypadModifier, c.fullScreen()->toggleAction()},
        {Qt::Key_Space, Qt::ShiftModifier, play.playPause},
        {Qt::Key_Escape, Qt::NoModifier, c.fullScreen()->leaveAction()},
        {Qt::Key_Left, Qt::ControlModifier, play.stepBackward},
        {Qt::Key_Right, Qt::NoModifier, play.stepForward},
        {Qt::Key_Down, Qt::NoModifier, c.playbackBinding()->volumeDownAction()},
        {Qt::Key_Up, Qt::NoModifier, c.playbackBinding()->volumeUpAction()},
        {Qt::Key_PageUp, Qt::NoModifier, c.playbackBinding()->eventNavigation().previousAction()},
        {Qt::Key_PageDown, Qt::NoModifier, c.playbackBinding()->eventNavigation().nextAction()},
        {Qt::Key_BracketRight, Qt::NoModifier, play.faster},
        {Qt::Key_BracketLeft, Qt::NoModifier, play.slower},
        {Qt::Key_Backspace, Qt::NoModifier, play.normalSpeed},
        {Qt::Key_A, Qt::ControlModifier, nullptr},
        {Qt::Key_F, Qt::NoModifier, nullptr},
        {Qt::Key_F11, Qt::NoModifier, c.fullScreen()->toggleAction()},
        {Qt::Key_F1, Qt::NoModifier, c.shortcutsAction()},
        {Qt::Key_O, Qt::ControlModifier, c.fileList().chooseFolderAction()},
        {Qt::Key_S, Qt::ControlModifier, c.snapshot()->snapshotAction()},
        {Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier, c.snapshot()->saveCopyAction()},
        {Qt::Key_S, Qt::NoModifier, nullptr},
        {Qt::Key_P, Qt::ControlModifier, c.snapshot()->printAction()},
        {Qt::Key_E, Qt::ControlModifier, c.exports()->trackAction()},
        {Qt::Key_E, Qt::ControlModifier | Qt::ShiftModifier, c.exports()->incidentAction()},
        {Qt::Key_Comma, Qt::ControlModifier, c.settingsAction()},
        {Qt::Key_Plus, Qt::ControlModifier | Qt::ShiftModifier, c.playback()->zoom().zoomInAction()},
        {Qt::Key_0, Qt::ControlModifier, c.playback()->zoom().resetAction()},
    };
    for (const auto &k : cases)
        EXPECT_EQ(c.actionForKey(k.key, k.modifiers), k.action) << k.key;
}

// Every command says what it does and which keys do it, in the interface language, on its
// button too; F1 lists them all.
TEST(MainWindowKeys, EveryCommandHasATooltipWithItsKeys)
{
    WindowServices services;
    const auto window = services.shownWindow();
    MainWindowController &c = *window;
    for (const QString &language : {QStringLiteral("en"), QStringLiteral("ja")}) {
        c.menus().languageChange(language);
        QTRY_COMPARE(c.playback()->actions().stop->text(), test::languages().localizedIn(language, QStringLiteral("Stop")));
        int rows = 0;
        for (const WindowCommandGroup &group : windowCommands(c)) {
            for (const WindowCommand &command : group.commands) {
                ++rows;
                if (!command.action)
                    continue;
                const QString tip = command.action->toolTip();
                EXPECT_TRUE(tip.startsWith(command.text) && !command.text.isEmpty()) << tip.toStdString();
                for (const QKeySequence &key : command.action->shortcuts())
                    EXPECT_TRUE(tip.contains(key.toString(QKeySequence::NativeText))) << tip.toStdString();
            }
        }
        EXPECT_GE(rows, 30);
    }
    const MainWindowUi &ui = c.ui();
    for (const QAbstractButton *button : c.window()->findChildren<QAbstractButton *>()) {
        const bool ours = !button->objectName().startsWith(QLatin1String("qt_")); // not Qt's menu bar arrow
        if (ours && button->isVisibleTo(c.window()) && button != ui.goHomepageButton) {
            EXPECT_FALSE(button->toolTip().isEmpty()) << button->objectName().toStdString();
        }
    }
    EXPECT_EQ(ui.snapShotButton->toolTip(), c.snapshot()->snapshotAction()->toolTip());
    EXPECT_EQ(ui.fullScreenModeButton->toolTip(), c.fullScreen()->toggleAction()->toolTip());
    EXPECT_NE(ui.fullScreenModeButton->imageName(), ui.fullScreenButton->imageName()) << "full screen is not the pan";

    QTest::keyClick(c.bigMovieView(), Qt::Key_F1);
    auto *shortcuts = c.window()->findChild<KeyboardShortcutsWindow *>();
    ASSERT_NE(shortcuts, nullptr);
    QStringList shown;
    for (const QLabel *label : shortcuts->findChildren<QLabel *>())
        shown << label->text();
    EXPECT_TRUE(shown.contains(c.snapshot()->printAction()->text()));
    EXPECT_TRUE(shown.contains(QKeySequence(Qt::CTRL | Qt::Key_P).toString(QKeySequence::NativeText)));
    shortcuts->close();
}

// The focused list keeps its arrows and Return plays its chosen clip; other children pass the
// window's keys on; text being typed keeps its keys.
TEST(MainWindowKeys, KeysReachTheControllerFromAnyChild)
{
    WindowServices services;
    ASSERT_TRUE(services.volumesDir.put(QStringLiteral("CARD/a.mp4"), "x"));
    ASSERT_TRUE(services.volumesDir.put(QStringLiteral("CARD/b.mp4"), "x"));
    const auto window = services.shownWindow();
    MainWindowController &controller = *window;
    const MainWindowUi &ui = controller.ui();
    QTableView *clips = ui.fileListTableView;
    controller.fileList().openPath(services.volumesDir.path(QStringLiteral("CARD")));
    QTRY_COMPARE(controller.fileList().shownClips().size(), 2);
    controller.fileList().selectRow(0);
    QSignalSpy plays(&controller.fileList(), &FileListController::playRequested);
    QTest::keyClick(clips, Qt::Key_Down);
    EXPECT_EQ(controller.fileList().selectedRow(), 1);
    QTest::keyClick(clips, Qt::Key_Home);
    EXPECT_EQ(controller.fileList().selectedRow(), 0);
    QTest::keyClick(clips, Qt::Key_Return);
    EXPECT_EQ(plays.size(), 1);
    EXPECT_FLOAT_EQ(ui.volumeSliderView->volume(), 1.0f) << "the list's arrows are not the volume";
    EXPECT_FALSE(controller.fullScreen()->isFullScreenMode()) << "nor its Return full screen";

    QWidget *player = controller.bigMovieView();

    QTest::keyClick(player, Qt::Key_Down);
    EXPECT_FLOAT_EQ(ui.volumeSliderView->volume(), 0.9f);
    EXPECT_EQ(ui.muteButton->imageName(), QStringLiteral("volume1"));
    QTest::keyClick(player, Qt::Key_Up);
    QTest::keyClick(player, Qt::Key_Up);
    EXPECT_FLOAT_EQ(ui.volumeSliderView->volume(), 1.0f);

    // Return shows the large view full screen; with no clip, Escape leaves, and Space and the
    // frame steps change nothing and break nothing.
    QTest::keyClick(player, Qt::Key_Return);
    EXPECT_EQ(controller.fullScreen()->fullScreenMovieView(), controller.bigMovieView());
    for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Space, Qt::Key_Left, Qt::Key_Right})
        QTest::keyClick(player, key);
    EXPECT_FALSE(controller.fullScreen()->isFullScreenMode());
    EXPECT_TRUE(controller.playback()->isVideoPaused());

    auto *typing = new QLineEdit(controller.window()->centralWidget());
    QTest::keyClick(typing, Qt::Key_Space);
    EXPECT_EQ(typing->text(), QStringLiteral(" ")) << "the text field keeps its keys";

    QTest::keyClick(player, Qt::Key_M);
    EXPECT_FALSE(controller.window()->isMinimized());
    QTest::keyClick(player, Qt::Key_M, Qt::ControlModifier);
    EXPECT_TRUE(controller.window()->isMinimized());
}

TEST(WorkingDirectory, CreatedOnFirstUseAndRemovedAtQuit)
{
    const QString path = Utils::GetWorkingDirectoryPath();
    ASSERT_FALSE(path.isEmpty());
    EXPECT_TRUE(path.endsWith(QStringLiteral("/Documents/DrovikViewer"))) << path.toStdString();
    EXPECT_TRUE(path.startsWith(QDir::homePath()));
    EXPECT_TRUE(QDir(path).exists());
    ASSERT_TRUE(test::writeFile(path + QStringLiteral("/temp_video/a_1/a.mov"), {}));
    AppDelegate delegate(test::languages());
    delegate.applicationWillTerminate();
    EXPECT_FALSE(QDir(path).exists());
}

} // namespace

// The chosen folder as drives: the rows from the names at once, the figures once every clip's
// telemetry is read; a double-click plays the trip's first clip.
TEST(TripsWindowTest, ListsTheDrivesAndPlaysOne)
{
    WindowServices services;
    const test::TempFolder cache;
    qputenv("XDG_CACHE_HOME", cache.root().toUtf8());
    for (const char *name : {"cont_rec/20240517_101500_F.mp4", "cont_rec/20240517_101600_F.mp4",
                             "cont_rec/20240517_120000_F.mp4", "parking_rec/20240517_130000_F.mp4"})
        ASSERT_TRUE(services.volumesDir.put(QStringLiteral("CARD/") + QLatin1String(name), "not a video"));
    const auto window = services.shownWindow();
    MainWindowController &c = *window;
    c.fileList().openPath(services.volumesDir.path(QStringLiteral("CARD")));
    QTRY_COMPARE(c.fileList().allVideoFileList().size(), 4);
    c.tripsAction()->trigger();
    auto *trips = c.window()->findChild<TripsWindow *>();
    ASSERT_NE(trips, nullptr);
    QTreeWidget *table = trips->table();
    ASSERT_EQ(table->topLevelItemCount(), 3);
    EXPECT_EQ(table->topLevelItem(0)->text(1), QStringLiteral("10:15 – 10:17"));
    EXPECT_EQ(table->topLevelItem(0)->text(6), QStringLiteral("2"));
    EXPECT_TRUE(table->topLevelItem(2)->text(0).contains(localized("Parked")));
    QTRY_VERIFY_WITH_TIMEOUT(trips->isComplete(), 20000);
    EXPECT_EQ(table->topLevelItem(0)->text(3), QStringLiteral("0.0")) << "no fixes in these clips";

    // The chosen trip's track, saved where the user says.
    const test::TempFolder saved;
    trips->setSavePath([&](QWidget *, const QString &name) {
        EXPECT_TRUE(name.startsWith(QLatin1String("Trip 2024-05-17T10-15-00"))) << name.toStdString();
        return saved.path(QStringLiteral("trip.gpx"));
    });
    table->setCurrentItem(table->topLevelItem(0));
    trips->exportChosenTrip();
    const QByteArray gpx = test::readFile(saved.path(QStringLiteral("trip.gpx")));
    EXPECT_EQ(gpx.count("<trkseg"), 2) << gpx.toStdString();

    // The list by trips: the parked trip last, each trip's header above its first clip.
    c.fileList().tripsAction()->trigger();
    const QAbstractItemModel *model = c.ui().fileListTableView->model();
    QStringList headers;
    for (int row = 0; row < model->rowCount(); ++row)
        headers << model->index(row, 0).data(FileListModel::TripHeaderRole).toString().left(24);
    EXPECT_EQ(headers, (QStringList{QStringLiteral("2024-05-17 · 10:15 – 10:"), {}, QStringLiteral("2024-05-17 · 12:00 – 12:"),
                                    QStringLiteral("2024-05-17 · 13:00 – 13:")}));
    EXPECT_EQ(c.fileList().shownClips().at(3).fileName(), QStringLiteral("20240517_130000_F.mp4"));
    EXPECT_TRUE(Preferences::listByTrip()) << "the list comes back by trip";

    QSignalSpy plays(&c.fileList(), &FileListController::playRequested);
    emit table->itemActivated(table->topLevelItem(1), 0);
    ASSERT_EQ(plays.size(), 1);
    EXPECT_TRUE(c.fileList().shownClips().at(plays.first().first().toInt()).fileName().startsWith(QLatin1String("20240517_120000")));
    trips->close();
    qunsetenv("XDG_CACHE_HOME");
}
