// Start-up, layout on resize and keyboard routing of the main window (offscreen).
#include "app/app_delegate.h"
#include "widgets/image_widgets.h"
#include "i18n/preferences.h"
#include "platform/utils.h"
#include "app/main_window.h"
#include "app/file_list_controller.h"
#include "app/main_window_controller.h"
#include "widgets/view_helpers.h"

#include <QLabel>

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include <gtest/gtest.h>

using namespace drovik;

namespace {

// A key-event delegate that records what it was asked to do; it lacks volumeUp on purpose.
class RecordingDelegate : public QObject {
    Q_OBJECT
public:
    QStringList calls;
public slots:
    void playPauseButtonTouched(QObject *) { calls << QStringLiteral("playPause"); }
    void appExitButtonTouched(QObject *sender) { calls << QStringLiteral("exit:") + QString::fromLatin1(sender->metaObject()->className()); }
    void appMinimizeButtonTouched(QObject *) { calls << QStringLiteral("minimise"); }
    void hideFullScreenMovie() { calls << QStringLiteral("hideFullScreen"); }
    void rewindButtonTouched(QObject *) { calls << QStringLiteral("rewind"); }
    void fastForwardButtonTouched(QObject *) { calls << QStringLiteral("fastForward"); }
    void volumeDown() { calls << QStringLiteral("volumeDown"); }
    void fullscreenButtonTouched(QObject *) { calls << QStringLiteral("fullscreen"); }
};

TEST(MainWindowStartUp, SplashThenWindowWithMenusMarked)
{
    Preferences::store()->clear();
    MainWindowController controller;
    controller.awakeFromNib();
    AppDelegate::initializeLanguageSetting();
    ASSERT_NE(controller.splashWindow(), nullptr);
    EXPECT_TRUE(controller.splashWindow()->isVisible());
    EXPECT_FALSE(controller.window()->isVisible());
    EXPECT_EQ(controller.window()->windowTitle(), QStringLiteral("Drovik Viewer"));
    EXPECT_EQ(controller.quitAction()->text(), QStringLiteral("Quit Drovik Viewer"));
    EXPECT_EQ(controller.window()->menuBar()->actions().first()->menu()->actions().first(), controller.quitAction());

    QTest::qWait(MainWindowController::kSplashMilliseconds - 400);
    EXPECT_FALSE(controller.window()->isVisible()) << "shown before the splash time";
    ASSERT_TRUE(QTest::qWaitFor([&] { return controller.window()->isVisible(); }, 2000));
    EXPECT_FALSE(controller.splashWindow()->isVisible());

    ASSERT_NE(controller.languageMenu(), nullptr);
    EXPECT_EQ(controller.languageMenu()->title(), QStringLiteral("Language"));
    EXPECT_EQ(controller.englishItem()->text(), QStringLiteral("English"));
    EXPECT_TRUE(controller.englishItem()->isChecked());
    EXPECT_FALSE(controller.frenchItem()->isChecked());
    EXPECT_TRUE(controller.kmphItem()->isChecked());
    EXPECT_FALSE(controller.mphItem()->isChecked());
    EXPECT_TRUE(controller.ui().mainVersionLabel->text().startsWith(QStringLiteral("Ver ")));

    // The All filter is pressed once the window is up; the playback controls wait for a clip.
    const MainWindowUi &ui = controller.ui();
    EXPECT_EQ(controller.fileList().videoFileFilterGroupA(), 0);
    EXPECT_EQ(ui.fileListAllButton_OEM->backgroundName(), QStringLiteral("sorting_btn_60_2"));
    EXPECT_EQ(ui.fileListEventButton_OEM->backgroundName(), QStringLiteral("sorting_btn_60_1"));
    EXPECT_FALSE(ui.playPauseButton->isEnabled());
    EXPECT_TRUE(ui.mapCoverView->isVisible());
    EXPECT_FALSE(ui.fileListRemoveButton_OEM->isVisible());
}

TEST(MainWindowLayout, BarsAreCentredOnResize)
{
    MainWindowController controller;
    controller.showMainWindow();
    QCoreApplication::processEvents();
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

TEST(MainWindowKeys, KeyMapFollowsTheTable)
{
    const struct {
        int key;
        Qt::KeyboardModifiers modifiers;
        const char *action;
    } cases[] = {
        {Qt::Key_Q, Qt::ControlModifier, "appExitButtonTouched"},
        {Qt::Key_W, Qt::ControlModifier, "appExitButtonTouched"},
        {Qt::Key_M, Qt::ControlModifier, "appMinimizeButtonTouched"},
        {Qt::Key_Q, Qt::NoModifier, nullptr},
        {Qt::Key_W, Qt::ShiftModifier, nullptr},
        {Qt::Key_M, Qt::AltModifier, nullptr},
        {Qt::Key_Return, Qt::NoModifier, "fullscreenButtonTouched"},
        {Qt::Key_Enter, Qt::KeypadModifier, "fullscreenButtonTouched"},
        {Qt::Key_Space, Qt::ShiftModifier, "playPauseButtonTouched"},
        {Qt::Key_Escape, Qt::NoModifier, "hideFullScreenMovie"},
        {Qt::Key_Left, Qt::ControlModifier, "rewindButtonTouched"},
        {Qt::Key_Right, Qt::NoModifier, "fastForwardButtonTouched"},
        {Qt::Key_Down, Qt::NoModifier, "volumeDown"},
        {Qt::Key_Up, Qt::NoModifier, "volumeUp"},
        {Qt::Key_A, Qt::ControlModifier, nullptr},
        {Qt::Key_F, Qt::NoModifier, nullptr},
    };
    for (const auto &c : cases) {
        const std::optional<const char *> action = keyActionName(c.key, c.modifiers);
        if (c.action)
            EXPECT_STREQ(action.value_or("(none)"), c.action) << c.key;
        else
            EXPECT_FALSE(action.has_value()) << c.key;
    }
}

TEST(MainWindowKeys, KeysReachTheDelegateFromAnyChild)
{
    MainWindow window;
    QWidget child(&window);
    window.setCentralWidget(&child);
    child.setFocusPolicy(Qt::StrongFocus);
    RecordingDelegate delegate;
    window.setKeyEventDelegate(&delegate);
    window.show();
    child.setFocus();

    QTest::keyClick(&child, Qt::Key_Space);
    QTest::keyClick(&child, Qt::Key_Q, Qt::ControlModifier);
    QTest::keyClick(&child, Qt::Key_Q);                    // no Control: nothing
    QTest::keyClick(&window, Qt::Key_M, Qt::ControlModifier);
    QTest::keyClick(&child, Qt::Key_Escape);
    QTest::keyClick(&child, Qt::Key_Left);
    QTest::keyClick(&child, Qt::Key_Right);
    QTest::keyClick(&child, Qt::Key_Up);                   // the delegate has no volumeUp
    QTest::keyClick(&child, Qt::Key_Down);
    QTest::keyClick(&child, Qt::Key_Return);
    EXPECT_EQ(delegate.calls, (QStringList{QStringLiteral("playPause"), QStringLiteral("exit:drovik::MainWindow"),
                                           QStringLiteral("minimise"), QStringLiteral("hideFullScreen"),
                                           QStringLiteral("rewind"), QStringLiteral("fastForward"),
                                           QStringLiteral("volumeDown"), QStringLiteral("fullscreen")}));
}

TEST(MainWindowKeys, SpaceWithNoClipIsHarmless)
{
    MainWindowController controller;
    controller.showMainWindow();
    QCoreApplication::processEvents();
    QTest::keyClick(controller.window(), Qt::Key_Space);
    QTest::keyClick(controller.window(), Qt::Key_Escape);
    QTest::keyClick(controller.window(), Qt::Key_Up);
    EXPECT_TRUE(controller.window()->isVisible());
}

TEST(WorkingDirectory, CreatedOnFirstUseAndRemovedAtQuit)
{
    const QString path = Utils::GetWorkingDirectoryPath();
    ASSERT_FALSE(path.isEmpty());
    EXPECT_TRUE(path.endsWith(QStringLiteral("/Documents/DrovikViewer"))) << path.toStdString();
    EXPECT_TRUE(path.startsWith(QDir::homePath()));
    EXPECT_TRUE(QDir(path).exists());
    QFile clip(path + QStringLiteral("/temp_video/a_1/a.mov"));
    ASSERT_TRUE(QDir().mkpath(path + QStringLiteral("/temp_video/a_1")));
    ASSERT_TRUE(clip.open(QIODevice::WriteOnly));
    clip.close();
    AppDelegate delegate;
    delegate.applicationWillTerminate();
    EXPECT_FALSE(QDir(path).exists());
}

} // namespace

#include "main_window_test.moc"
