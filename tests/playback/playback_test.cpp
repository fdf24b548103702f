// Playing clips from the main window's list with the real ffmpeg and mpv (offscreen, no sound).
#include "app/app_delegate.h"
#include "app/file_list_controller.h"
#include "app/main_window.h"
#include "app/main_window_controller.h"
#include "app/notifier.h"
#include "display/slider_views.h"
#include "i18n/preferences.h"
#include "platform/volume_monitor.h"
#include "widgets/image_widgets.h"
#include "playback/playback_controller.h"
#include "playback/player/drovik_av_view.h"
#include "settings/store/r640_setting_manager.h"
#include "settings/store/setting_manager_holder.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace drovik;

namespace {

bool makeClip(const QString &path, int seconds)
{
    QProcess ffmpeg;
    ffmpeg.start(QStringLiteral("ffmpeg"),
                 {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-y"), QStringLiteral("-f"),
                  QStringLiteral("lavfi"), QStringLiteral("-i"),
                  QStringLiteral("testsrc2=size=160x90:rate=25:duration=%1").arg(seconds),
                  QStringLiteral("-c:v"), QStringLiteral("libx264"), QStringLiteral("-preset"),
                  QStringLiteral("ultrafast"), QStringLiteral("-pix_fmt"), QStringLiteral("yuv420p"), path});
    return ffmpeg.waitForFinished(60000) && ffmpeg.exitCode() == 0;
}

TEST(PlaybackFormats, PlayTimeAndGravityTexts)
{
    const std::tuple<double, double, const char *> times[] = {
        {0, 0, "00:00/00:00"},       {12.37, 30, "00:12/00:30"}, {59.99, 3600, "00:59/60:00"},
        {61.5, 125.9, "01:01/02:05"}, {3725, 3725, "62:05/62:05"},
    };
    for (const auto &[t, d, text] : times)
        EXPECT_EQ(PlaybackController::playTimeText(t, d), QString::fromLatin1(text)) << t;
    const std::pair<int, const char *> gravities[] = {
        {0, "0.000"}, {128, "1.000"}, {-512, "-4.000"}, {37, "0.289"}, {-1, "-0.008"},
    };
    for (const auto &[raw, text] : gravities)
        EXPECT_EQ(PlaybackController::gravityText(raw), QString::fromLatin1(text)) << raw;
}

class PlaybackTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        qputenv("DROVIK_MPV_OPTIONS", "ao=null,hwdec=no");
        Preferences::store()->clear();
        AppDelegate::initializeLanguageSetting();
        controller = std::make_unique<MainWindowController>(AppServices{monitor, notifier, settings});
        controller->showMainWindow();
        QCoreApplication::processEvents();
    }

    void listFolder(const QString &path)
    {
        controller->fileList().refreshVideoFileListWithURL(QUrl::fromLocalFile(path));
        ASSERT_TRUE(QTest::qWaitFor([&] { return !controller->fileList().isScanning(); }, 3000));
    }

    QTemporaryDir volumes;
    QTemporaryDir clips;
    VolumeMonitor monitor{volumes.path()};
    Notifier notifier;
    SettingManagerHolder settings{std::make_unique<R640SettingManager>(&monitor)};
    std::unique_ptr<MainWindowController> controller;
};

TEST_F(PlaybackTest, PlaysThroughTheListAndWraps)
{
    ASSERT_TRUE(makeClip(clips.filePath(QStringLiteral("a.mov")), 2));
    ASSERT_TRUE(makeClip(clips.filePath(QStringLiteral("b.mov")), 2));
    listFolder(clips.path());
    ASSERT_EQ(controller->fileList().filteredVideoFileList().size(), 2);

    PlaybackController &playback = *controller->playback();
    EXPECT_FALSE(controller->ui().playPauseButton->isEnabled());
    playback.playVideoWithIdx(0);
    EXPECT_EQ(playback.currentVideoUrl().fileName(), QStringLiteral("a.mov"));
    EXPECT_TRUE(controller->ui().playPauseButton->isEnabled());
    ASSERT_TRUE(QTest::qWaitFor([&] { return playback.isDisplayTimerRunning(); }, 15000));
    EXPECT_FALSE(playback.isVideoPaused());
    EXPECT_FALSE(controller->ui().bigMovieCoverImageView->isVisible());
    ASSERT_TRUE(QTest::qWaitFor([&] {
        return controller->ui().playTimeTextField->text() == QStringLiteral("00:01/00:02");
    }, 10000));

    // Space pauses through the window's key routing; a second press plays on.
    QTest::keyClick(controller->window(), Qt::Key_Space);
    EXPECT_TRUE(playback.isVideoPaused());
    EXPECT_FALSE(playback.isDisplayTimerRunning());
    // Releasing the seek bar seeks to the whole second (pressing and dragging do not); the
    // volume bar sets the sound of the large view.
    DrovikAVView *big = controller->bigMovieView();
    SeekTimeSliderView *seek = controller->ui().seekTimeSldierView;
    QTest::mousePress(seek, Qt::LeftButton, {}, QPoint(0, 10));
    QTest::mouseMove(seek, QPoint(seek->width() * 3 / 4, 10));
    QTest::mouseRelease(seek, Qt::LeftButton, {}, QPoint(seek->width() / 2, 10));
    EXPECT_TRUE(QTest::qWaitFor([&] { return big->currentTime() == 1.0; })) << big->currentTime();
    VolumeSliderView *volume = controller->ui().volumeSliderView;
    QTest::mouseClick(volume, Qt::LeftButton, {}, QPoint(volume->width() / 4, 2));
    EXPECT_FLOAT_EQ(big->volume(), volume->volume());
    EXPECT_NEAR(big->volume(), 0.25f, 0.05f);
    QTest::keyClick(controller->window(), Qt::Key_Space);
    EXPECT_FALSE(playback.isVideoPaused());

    // At the end the next row plays, and after the last the first.
    ASSERT_TRUE(QTest::qWaitFor([&] { return playback.currentVideoUrl().fileName() == QStringLiteral("b.mov"); }, 15000));
    EXPECT_EQ(controller->fileList().selectedRow(), 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return playback.currentVideoUrl().fileName() == QStringLiteral("a.mov"); }, 15000));
    EXPECT_EQ(controller->fileList().selectedRow(), 0);

    playback.stopVideo();
    EXPECT_TRUE(playback.isVideoPaused());
    EXPECT_FALSE(playback.isDisplayTimerRunning());
}

TEST_F(PlaybackTest, ZoomAndPanTheLargeView)
{
    ASSERT_TRUE(makeClip(clips.filePath(QStringLiteral("a.mov")), 2));
    listFolder(clips.path());
    PlaybackController &playback = *controller->playback();
    playback.playVideoWithIdx(0);
    QCoreApplication::processEvents();
    EXPECT_FALSE(playback.enableBigMovieViewScroll()) << "a new clip starts with panning off";
    QScrollArea *scroll = controller->ui().bigMovieViewScrollView;
    const QSize frame = scroll->size();

    controller->ui().zoomInButton->click();
    controller->ui().zoomInButton->click();
    QCoreApplication::processEvents();
    EXPECT_DOUBLE_EQ(playback.videoScale(), 1.4);
    EXPECT_EQ(controller->bigMovieView()->size(), (QSizeF(frame) * 1.4).toSize());
    EXPECT_EQ(scroll->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);

    controller->ui().fullScreenButton->click(); // the pan button
    QCoreApplication::processEvents();
    EXPECT_TRUE(playback.enableBigMovieViewScroll());
    EXPECT_EQ(controller->ui().fullScreenButton->imageName(), QStringLiteral("pan_2"));
    EXPECT_EQ(scroll->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);

    for (int i = 0; i < 5; ++i)
        controller->ui().zoomOutButton->click();
    QCoreApplication::processEvents();
    EXPECT_DOUBLE_EQ(playback.videoScale(), 1.0);
    EXPECT_EQ(scroll->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(scroll->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);

    for (int i = 0; i < 30; ++i)
        controller->ui().zoomInButton->click();
    EXPECT_DOUBLE_EQ(playback.videoScale(), 5.0);
}

TEST_F(PlaybackTest, AClipFfmpegCannotReadShowsTheUnsupportedAlert)
{
    QFile broken(clips.filePath(QStringLiteral("broken_F.mp4")));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write(QByteArray(4096, 'x'));
    broken.close();
    listFolder(clips.path());
    controller->playback()->playVideoWithIdx(0);
    EXPECT_TRUE(controller->playback()->currentVideoUrl().isEmpty());
    const QList<QMessageBox *> alerts = controller->window()->findChildren<QMessageBox *>();
    ASSERT_EQ(alerts.size(), 1);
    EXPECT_EQ(alerts.first()->informativeText(), QStringLiteral("This video is encoded in an unsupported format."));
    alerts.first()->close();
}

} // namespace
