// Full screen with a real front and rear pair under a virtual X server (OpenGL pictures).
#include "playing_window.h"
#include "app/main_window.h"
#include "app/main_window_ui.h"
#include "display/map_controller.h"
#include "display/slider_views.h"
#include "platform/utils.h"
#include "playback/full_screen_controller.h"
#include "playback/playback_controller.h"
#include "playback/player/drovik_av_view.h"
#include "programs.h"
#include "widgets/image_widgets.h"
#include "widgets/view_helpers.h"

#include <QGuiApplication>
#include <QScreen>
#include <QScrollArea>

#include <gtest/gtest.h>

using namespace drovik;

namespace {

TEST(FullScreenPlacement, ScreenOfTheWindowCentreAndTheBarNearItsTop)
{
    const QList<QRect> screens{{0, 0, 1920, 1080}, {1920, 0, 1280, 1024}, {-1280, 0, 1280, 1024}};
    const struct {
        QRect window;
        int screen;
    } windows[] = {
        {{100, 100, 1024, 740}, 0},  {{1500, 100, 1024, 740}, 1}, {{1500, 100, 800, 600}, 0},
        {{-1000, 50, 800, 600}, 2},  {{1408, 0, 1024, 740}, 1},   {{5000, 0, 800, 600}, -1},
    };
    for (const auto &w : windows)
        EXPECT_EQ(Utils::GetCurrentScreen(w.window, screens), w.screen) << w.window.x();

    const struct {
        QRect screen;
        QSize control;
        QRect frame;
    } bars[] = {
        {{0, 0, 1920, 1080}, {112, 64}, {904, 39, 112, 64}},
        {{1920, 100, 1280, 1024}, {112, 64}, {2504, 132, 112, 64}},
        {{0, 0, 800, 200}, {112, 64}, {344, 0, 112, 64}}, // would start above the screen
    };
    for (const auto &b : bars)
        EXPECT_EQ(FullScreenController::controlWindowFrame(b.screen, b.control), b.frame) << b.screen.y();
}

using FullScreenTest = test::PlayingWindowTest;

// The rear shown full screen is heard while the front waits; after leaving, the front plays on
// from where the rear was. Return then shows the front, and a right-click leaves.
TEST_F(FullScreenTest, RearFullScreenCarriesTheSoundAndTheFrontResumesFromIt)
{
    ASSERT_TRUE(test::ffmpeg(test::words(QStringLiteral("-f lavfi -i testsrc2=size=160x90:rate=25:duration=8"))
                             + test::h264() + QStringList{clips.path(QStringLiteral("a_F.mp4"))}));
    ASSERT_TRUE(QFile::copy(clips.path(QStringLiteral("a_F.mp4")), clips.path(QStringLiteral("a_R.mp4"))));
    controller->fileList().refreshVideoFileListWithURL(QUrl::fromLocalFile(clips.root()));
    ASSERT_TRUE(test::WindowServices::waitForList(*controller));
    PlaybackController &playback = *controller->playback();
    FullScreenController &fullScreen = *controller->fullScreen();
    DrovikAVView *big = controller->bigMovieView();
    DrovikAVView *small = controller->smallMovieView();
    const MainWindowUi &ui = controller->ui();
    // As a drag on the bar leaves it.
    ui.volumeSliderView->setVolume(0.6f);
    emit ui.volumeSliderView->volumeChanged(0.6f);
    playback.playVideoWithIdx(0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return playback.isDisplayTimerRunning() && small->rate() == 1.0; }, 20000));
    EXPECT_TRUE(small->usesOpenGL());
    controller->mapController()->webView()->show();

    QTest::mouseClick(small, Qt::RightButton);
    ASSERT_TRUE(fullScreen.isFullScreenMode());
    QWidget *window = fullScreen.fullScreenWindow();
    const QScreen *screen = QGuiApplication::screenAt(controller->window()->frameGeometry().center());
    EXPECT_EQ(small->window(), window);
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
    EXPECT_EQ(window->geometry(), screen->geometry());
    EXPECT_TRUE(fullScreen.fullscreenMovieControlWindow()->isVisible());
    EXPECT_EQ(fullScreen.fullscreenMovieControlWindow()->geometry(),
              FullScreenController::controlWindowFrame(screen->geometry(), FullScreenController::kControlSize));
    EXPECT_EQ(fullScreen.fullScreenPlayPauseButton()->imageName(), QStringLiteral("pause1"));
    EXPECT_TRUE(controller->mapController()->webView()->isHidden());
    EXPECT_FLOAT_EQ(small->volume(), 0.6f);
    EXPECT_TRUE(QTest::qWaitFor([&] { return big->rate() == 0.0; }));

    // Space pauses and plays the shown view only; the rear moves on to 5 s alone.
    QTest::keyClick(window, Qt::Key_Space);
    EXPECT_EQ(fullScreen.fullScreenPlayPauseButton()->imageName(), QStringLiteral("play_1"));
    small->setCurrentTime(5);
    ASSERT_TRUE(QTest::qWaitFor([&] { return small->currentTime() == 5.0; }));
    QTest::keyClick(window, Qt::Key_Space);
    ASSERT_TRUE(QTest::qWaitFor([&] { return small->rate() == 1.0; }));
    EXPECT_EQ(big->rate(), 0.0);
    EXPECT_LT(big->currentTime(), 4.0);

    QTest::keyClick(window, Qt::Key_Escape);
    EXPECT_FALSE(fullScreen.isFullScreenMode());
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(fullScreen.fullscreenMovieControlWindow()->isVisible());
    EXPECT_EQ(small->parentWidget(), static_cast<QWidget *>(ui.smallMovieFrame));
    EXPECT_TRUE(small->isVisible());
    EXPECT_FALSE(controller->mapController()->webView()->isHidden());
    EXPECT_EQ(small->volume(), 0.0f);
    EXPECT_TRUE(QTest::qWaitFor([&] { return big->rate() == 1.0 && big->currentTime() >= 5.0; }))
        << big->currentTime();

    QTest::keyClick(controller->window(), Qt::Key_Return);
    EXPECT_EQ(fullScreen.fullScreenMovieView(), big);
    EXPECT_TRUE(QTest::qWaitFor([&] { return small->rate() == 0.0; }));
    QTest::mouseClick(big, Qt::RightButton);
    EXPECT_FALSE(fullScreen.isFullScreenMode());
    EXPECT_EQ(ui.bigMovieViewScrollView->widget(), big);
    EXPECT_TRUE(QTest::qWaitFor([&] { return small->rate() == 1.0; }));
}

} // namespace
