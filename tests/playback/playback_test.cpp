// Playing clips from the main window's list with the real ffmpeg and mpv (offscreen, no sound).
#include "playing_window.h"
#include "app/main_window.h"
#include "app/main_window_ui.h"
#include "display/slider_views.h"
#include "playback/playback_controller.h"
#include "playback/player/drovik_av_view.h"
#include "playback/telemetry_readout.h"
#include "playback/view_zoom.h"
#include "programs.h"
#include "widgets/image_widgets.h"

#include <QElapsedTimer>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QLabel>
#include <QMessageBox>
#include <QScrollArea>
#include <QTableView>
#include <QTimer>

#include <gtest/gtest.h>

using namespace drovik;

namespace {

constexpr double kFrame = 1.0 / 25;

bool makeClip(const QString &path, int seconds = 2)
{
    return test::ffmpeg(QStringList{QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                                    QStringLiteral("testsrc2=size=160x90:rate=25:duration=%1").arg(seconds)}
                        + test::h264() + QStringList{path});
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
        EXPECT_EQ(TelemetryReadout::readoutText(TelemetryReadout::gravityOf(raw), 3), QString::fromLatin1(text)) << raw;
}

class PlaybackTest : public test::PlayingWindowTest {
protected:
    // Lists the clips folder and starts the first row.
    PlaybackController &listAndPlay()
    {
        controller->fileList().refreshVideoFileListWithURL(QUrl::fromLocalFile(clips.root()));
        EXPECT_TRUE(test::WindowServices::waitForList(*controller));
        controller->playback()->playVideoWithIdx(0);
        EXPECT_TRUE(prepared());
        return *controller->playback();
    }

    // Lists a_F.mp4 and b_F.mp4 (the same clip) with every ffmpeg run held back 0.4 s, so that
    // a conversion is a wait a test can see.
    void listTwoClipsWithSlowFfmpeg()
    {
        ASSERT_TRUE(makeClip(clips.path(QStringLiteral("a_F.mp4"))));
        ASSERT_TRUE(QFile::copy(clips.path(QStringLiteral("a_F.mp4")), clips.path(QStringLiteral("b_F.mp4"))));
        ASSERT_TRUE(clips.put(QStringLiteral("slow/ffmpeg"), "#!/bin/sh\nsleep 0.4\nexec ffmpeg \"$@\"\n"));
        QFile::setPermissions(clips.path(QStringLiteral("slow/ffmpeg")), QFile::ReadOwner | QFile::ExeOwner);
        qputenv("DROVIK_FFMPEG", clips.path(QStringLiteral("slow/ffmpeg")).toUtf8());
        controller->fileList().refreshVideoFileListWithURL(QUrl::fromLocalFile(clips.root()));
        ASSERT_TRUE(test::WindowServices::waitForList(*controller));
    }

    // Waits for the entry being prepared (converted, telemetry loaded) to reach the views.
    bool prepared() const
    {
        return QTest::qWaitFor([&] { return !controller->playback()->isPreparing(); }, 15000);
    }

    // Both views have opened `name` (the front file) and its pair, and the seek bar knows its length.
    bool ready(const QString &name) const
    {
        const PlaybackController &playback = *controller->playback();
        const DrovikAVView &big = *controller->bigMovieView();
        const DrovikAVView &small = *controller->smallMovieView();
        return QTest::qWaitFor([&] {
            return playback.currentVideoUrl().fileName() == name && big.status() == DrovikAVView::StatusReadyToPlay
                && (!small.hasMovie() || small.status() == DrovikAVView::StatusReadyToPlay)
                && controller->ui().seekTimeSliderView->maxSliderValue() > 0;
        }, 15000);
    }

    int rowOf(const QString &name) const
    {
        return int(controller->fileList().filteredVideoFileList().indexOf(QUrl::fromLocalFile(clips.path(name))));
    }

};

TEST_F(PlaybackTest, PlaysThroughTheListAndWraps)
{
    ASSERT_TRUE(makeClip(clips.path(QStringLiteral("a.mov"))));
    ASSERT_TRUE(QFile::copy(clips.path(QStringLiteral("a.mov")), clips.path(QStringLiteral("b.mov"))));
    EXPECT_FALSE(controller->ui().playPauseButton->isEnabled());
    PlaybackController &playback = listAndPlay();
    ASSERT_EQ(controller->fileList().filteredVideoFileList().size(), 2);
    EXPECT_EQ(playback.currentVideoUrl().fileName(), QStringLiteral("a.mov"));
    EXPECT_TRUE(controller->ui().playPauseButton->isEnabled());
    ASSERT_TRUE(QTest::qWaitFor([&] { return playback.isDisplayTimerRunning(); }, 15000));
    EXPECT_FALSE(playback.isVideoPaused());
    EXPECT_EQ(controller->ui().playPauseButton->imageName(), QStringLiteral("pause1"));
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
    SeekTimeSliderView *seek = controller->ui().seekTimeSliderView;
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

// The next and previous buttons step over a recording's rear file (mp4 pairs only going forward,
// any pair going back), stop at the first row going back and wrap after the last going forward.
TEST_F(PlaybackTest, NextAndPreviousSkipRearFilesAndWrap)
{
    const QStringList rows{QStringLiteral("a_F.mov"), QStringLiteral("a_R.mov"), QStringLiteral("b_F.mov"),
                           QStringLiteral("c_F.mp4"), QStringLiteral("c_R.mp4"), QStringLiteral("d_F.mp4"),
                           QStringLiteral("d_R.mp4")};
    ASSERT_TRUE(makeClip(clips.path(QStringLiteral("clip.mp4"))));
    for (const QString &name : rows)
        ASSERT_TRUE(QFile::copy(clips.path(QStringLiteral("clip.mp4")), clips.path(name)));
    QFile::remove(clips.path(QStringLiteral("clip.mp4")));
    PlaybackController &playback = listAndPlay();
    ASSERT_EQ(controller->fileList().filteredVideoFileList().size(), rows.size());

    const struct {
        int from;
        bool next;
        int to;
    } steps[] = {{0, true, 1}, {3, true, 5}, {5, true, 0}, {6, true, 0}, {0, false, 0},
                 {1, false, 0}, {2, false, 0}, {5, false, 3}, {4, false, 3}};
    for (const auto &step : steps) {
        controller->ui().fileListTableView->selectRow(step.from);
        (step.next ? controller->ui().nextFileButton : controller->ui().prevFileButton)->click();
        ASSERT_TRUE(prepared());
        EXPECT_EQ(controller->fileList().selectedRow(), step.to) << step.from << (step.next ? " next" : " previous");
        if (step.to != step.from) {
            EXPECT_EQ(playback.currentVideoUrl().fileName(), rows.at(step.to)) << step.from;
        }
    }
}

TEST_F(PlaybackTest, ZoomAndPanTheLargeView)
{
    ASSERT_TRUE(makeClip(clips.path(QStringLiteral("a.mov"))));
    PlaybackController &playback = listAndPlay();
    QCoreApplication::processEvents();
    EXPECT_FALSE(playback.zoom().isPanning()) << "a new clip starts with panning off";
    QScrollArea *scroll = controller->ui().bigMovieViewScrollView;
    const QSize frame = scroll->size();

    controller->ui().zoomInButton->click();
    controller->ui().zoomInButton->click();
    QCoreApplication::processEvents();
    EXPECT_DOUBLE_EQ(playback.zoom().scale(), 1.4);
    EXPECT_EQ(controller->bigMovieView()->size(), (QSizeF(frame) * 1.4).toSize());
    EXPECT_EQ(scroll->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);

    controller->ui().fullScreenButton->click(); // the pan button
    QCoreApplication::processEvents();
    EXPECT_TRUE(playback.zoom().isPanning());
    EXPECT_EQ(controller->ui().fullScreenButton->imageName(), QStringLiteral("pan_2"));
    EXPECT_EQ(scroll->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);

    for (int i = 0; i < 5; ++i)
        controller->ui().zoomOutButton->click();
    QCoreApplication::processEvents();
    EXPECT_DOUBLE_EQ(playback.zoom().scale(), 1.0);
    EXPECT_EQ(scroll->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(scroll->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);

    for (int i = 0; i < 30; ++i)
        controller->ui().zoomInButton->click();
    EXPECT_DOUBLE_EQ(playback.zoom().scale(), 5.0);
}

// `drovik-viewer CLIP`: the clip's folder is listed and the clip plays.
TEST_F(PlaybackTest, ANamedClipPlays)
{
    ASSERT_TRUE(makeClip(clips.path(QStringLiteral("b.mov"))));
    ASSERT_TRUE(QFile::copy(clips.path(QStringLiteral("b.mov")), clips.path(QStringLiteral("a.mov"))));
    controller->openPath(clips.path(QStringLiteral("b.mov")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return controller->playback()->isDisplayTimerRunning(); }, 15000));
    EXPECT_EQ(controller->playback()->currentVideoUrl().fileName(), QStringLiteral("b.mov"));
    EXPECT_EQ(controller->fileList().selectedRow(), 1);
}

// A slow conversion runs off the GUI thread, and a newer choice supersedes it.
TEST_F(PlaybackTest, ASlowConversionNeitherFreezesTheWindowNorOutlivesANewerChoice)
{
    listTwoClipsWithSlowFfmpeg();
    ASSERT_FALSE(HasFatalFailure());
    PlaybackController &playback = *controller->playback();

    playback.playVideoWithIdx(0);
    ASSERT_TRUE(playback.isPreparing());
    bool answered = false;
    QTimer::singleShot(0, [&] { answered = playback.isPreparing(); });
    EXPECT_TRUE(QTest::qWaitFor([&] { return answered; }, 2000)) << "the window answers while ffmpeg runs";
    playback.playVideoWithIdx(1);
    EXPECT_TRUE(prepared());
    qunsetenv("DROVIK_FFMPEG");
    EXPECT_EQ(playback.currentVideoUrl().fileName(), QStringLiteral("b_F.mp4"));
    EXPECT_TRUE(controller->bigMovieView()->fileName().contains(QStringLiteral("b_F"))) << controller->bigMovieView()->fileName().toStdString();
}

// While a clip plays, the next one is prepared: going on to it waits for no conversion.
TEST_F(PlaybackTest, TheNextClipIsReadyBeforeItIsAskedFor)
{
    listTwoClipsWithSlowFfmpeg();
    ASSERT_FALSE(HasFatalFailure());
    PlaybackController &playback = *controller->playback();
    controller->fileList().selectRow(0);
    playback.playVideoWithIdx(0);
    ASSERT_TRUE(prepared());
    QTRY_COMPARE_WITH_TIMEOUT(playback.preparer().prefetched().fileName(), QStringLiteral("b_F.mp4"), 10000);

    QElapsedTimer took;
    took.start();
    controller->playback()->actions().next->trigger();
    EXPECT_TRUE(prepared());
    qunsetenv("DROVIK_FFMPEG");
    EXPECT_LT(took.elapsed(), 350) << "a conversion ran in front of it";
    EXPECT_EQ(playback.currentVideoUrl().fileName(), QStringLiteral("b_F.mp4"));
    EXPECT_TRUE(playback.preparer().prefetched().isEmpty());
}

// A file the player cannot open does not hold its partner back: the other plays alone in the
// large view; when neither opens, the entry is unsupported. The converted files are damaged in
// the cache, which the next play reuses.
TEST_F(PlaybackTest, AFileThatCannotOpenLeavesItsPartnerPlayingAlone)
{
    ASSERT_TRUE(makeClip(clips.path(QStringLiteral("a_F.mp4"))));
    ASSERT_TRUE(QFile::copy(clips.path(QStringLiteral("a_F.mp4")), clips.path(QStringLiteral("a_R.mp4"))));
    PlaybackController &playback = listAndPlay();
    // The first play shows the clip's own files while they are converted; the next plays the cache.
    playback.playVideoWithIdx(0);
    ASSERT_TRUE(prepared());
    ASSERT_TRUE(QTest::qWaitFor([&] { return playback.isDisplayTimerRunning(); }, 15000));
    const QString front = controller->bigMovieView()->fileName();
    const QString rear = controller->smallMovieView()->fileName();
    const QByteArray frontBytes = test::readFile(front);
    const QByteArray rearBytes = test::readFile(rear);

    const struct {
        bool frontBroken;
        bool rearBroken;
    } cases[] = {{false, true}, {true, false}, {true, true}};
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << "front broken " << c.frontBroken << ", rear broken " << c.rearBroken);
        playback.stopVideo();
        ASSERT_TRUE(test::writeFile(front, c.frontBroken ? QByteArray(4096, 'x') : frontBytes));
        ASSERT_TRUE(test::writeFile(rear, c.rearBroken ? QByteArray(4096, 'x') : rearBytes));
        playback.playVideoWithIdx(0);
        ASSERT_TRUE(prepared());
        if (c.frontBroken && c.rearBroken) {
            ASSERT_TRUE(QTest::qWaitFor([&] { return !controller->window()->findChildren<QMessageBox *>().isEmpty(); }));
            EXPECT_TRUE(playback.currentVideoUrl().isEmpty());
            // The cause, then the player's own words.
            const QString detail = controller->window()->findChild<QMessageBox *>()->detailedText();
            EXPECT_TRUE(detail.startsWith(QStringLiteral("This file is not a video that can be played.\n\n")))
                << detail.toStdString();
            continue;
        }
        EXPECT_TRUE(QTest::qWaitFor([&] { return playback.isDisplayTimerRunning(); }, 15000));
        EXPECT_EQ(controller->bigMovieView()->fileName(), c.frontBroken ? rear : front);
        EXPECT_EQ(playback.isVideoSwitched(), c.frontBroken);
        EXPECT_FALSE(controller->smallMovieView()->hasMovie());
        EXPECT_FALSE(controller->ui().smallMovieCoverImageView->isHidden());
    }
}

// A clip of a drive goes on into the one the window chooses after it (here skipping one) from
// its last picture: no cover, no busy overlay, front and rear in step.
TEST_F(PlaybackTest, ADrivePlaysThroughIntoTheChosenNextClipWithoutACover)
{
    ASSERT_TRUE(makeClip(clips.path(QStringLiteral("a_F.mp4")), 6));
    for (const char *name : {"a_R.mp4", "b_F.mp4", "b_R.mp4", "c_F.mp4", "c_R.mp4"})
        ASSERT_TRUE(QFile::copy(clips.path(QStringLiteral("a_F.mp4")), clips.path(QLatin1String(name))));
    controller->fileList().refreshVideoFileListWithURL(QUrl::fromLocalFile(clips.root()));
    ASSERT_TRUE(test::WindowServices::waitForList(*controller));
    PlaybackController &playback = *controller->playback();
    const QUrl c = QUrl::fromLocalFile(clips.path(QStringLiteral("c_F.mp4")));
    playback.setNextClip([&](const QUrl &current) { return current.fileName() == QStringLiteral("a_F.mp4") ? c : QUrl(); });
    DrovikAVView &big = *controller->bigMovieView();
    DrovikAVView &small = *controller->smallMovieView();

    controller->fileList().selectRow(0);
    playback.playVideoWithIdx(0);
    ASSERT_TRUE(ready(QStringLiteral("a_F.mp4")));
    playback.pauseVideo();
    QTRY_COMPARE_WITH_TIMEOUT(playback.preparer().prefetched(), c, 20000);
    QSignalSpy movies(&playback, &PlaybackController::moviesChanged);
    QSignalSpy preparing(&playback, &PlaybackController::preparingChanged);
    // What the large view shows as each of its reports arrives, across the boundary.
    QList<bool> blackPictures;
    const QMetaObject::Connection looks = QObject::connect(&big, &DrovikAVView::didUpdateStatus, [&] {
        const QImage picture = big.grab().toImage();
        bool black = true;
        for (int y = 0; y < picture.height() && black; y += 7)
            for (int x = 0; x < picture.width() && black; x += 7)
                black = qGray(picture.pixel(x, y)) < 24;
        blackPictures << black;
    });
    playback.seekToSampleTime(big.duration() - 0.3);
    playback.playVideo();

    ASSERT_TRUE(ready(QStringLiteral("c_F.mp4")));
    ASSERT_TRUE(QTest::qWaitFor([&] {
        return big.hasDrawnPicture() && small.hasDrawnPicture() && big.currentTime() > 0.3 && !playback.isPreparing();
    }, 15000));
    EXPECT_LE(std::abs(big.currentTime() - small.currentTime()), 2 * kFrame + 1e-6)
        << big.currentTime() << " " << small.currentTime();
    EXPECT_EQ(controller->fileList().selectedRow(), rowOf(QStringLiteral("c_F.mp4")));
    for (const QList<QVariant> &shown : std::as_const(movies))
        EXPECT_TRUE(shown.at(0).toBool() && shown.at(1).toBool()) << "a view was covered";
    for (const QList<QVariant> &busy : std::as_const(preparing))
        EXPECT_FALSE(busy.at(0).toBool()) << "the busy overlay came up";
    EXPECT_FALSE(controller->ui().bigMovieCoverImageView->isVisible());
    QObject::disconnect(looks);
    EXPECT_GE(blackPictures.size(), 2);
    EXPECT_FALSE(blackPictures.contains(true)) << "the picture went black";
}

// A clip never converted shows its own files at once, the telemetry following its conversion; a
// click on a moment opens that clip there, or moves the clip in the views there as it plays or
// rests.
TEST_F(PlaybackTest, AClipOpensAtAMomentBeforeItsConversionEnds)
{
    ASSERT_TRUE(makeClip(clips.path(QStringLiteral("a_F.mp4")), 4));
    ASSERT_TRUE(QFile::copy(clips.path(QStringLiteral("a_F.mp4")), clips.path(QStringLiteral("b_F.mp4"))));
    ASSERT_TRUE(makeClip(clips.path(QStringLiteral("c.avi")), 4));
    // A conversion waits until the test opens the gate its run was started with; a look into a
    // clip goes on at once.
    ASSERT_TRUE(clips.put(QStringLiteral("gate/ffmpeg"), "#!/bin/sh\ncase \" $* \" in *\" -y \"*)\n"
                                                         "  while [ ! -e \"$DROVIK_TEST_GATE\" ]; do sleep 0.05; done;;\n"
                                                         "esac\nexec ffmpeg \"$@\"\n"));
    QFile::setPermissions(clips.path(QStringLiteral("gate/ffmpeg")), QFile::ReadOwner | QFile::ExeOwner);
    qputenv("DROVIK_FFMPEG", clips.path(QStringLiteral("gate/ffmpeg")).toUtf8());
    const auto openGates = qScopeGuard([&] {
        for (const char *name : {"gate/b_F.mp4", "gate/c.avi"})
            clips.put(QLatin1String(name), "");
        qunsetenv("DROVIK_FFMPEG");
    });
    controller->fileList().refreshVideoFileListWithURL(QUrl::fromLocalFile(clips.root()));
    ASSERT_TRUE(test::WindowServices::waitForList(*controller));
    PlaybackController &playback = *controller->playback();
    DrovikAVView &big = *controller->bigMovieView();

    // A clip never converted shows its own file at once, from the moment asked for; its
    // telemetry follows the conversion, and the view goes on with the file it plays.
    for (const QString name : {QStringLiteral("b_F.mp4"), QStringLiteral("c.avi")}) {
        SCOPED_TRACE(name.toStdString());
        qputenv("DROVIK_TEST_GATE", clips.path(QStringLiteral("gate/") + name).toUtf8());
        QSignalSpy telemetry(&playback, &PlaybackController::telemetryChanged);
        const QUrl entry = QUrl::fromLocalFile(clips.path(name));
        playback.openClipAt(entry, 1.5);
        ASSERT_TRUE(ready(name));
        ASSERT_TRUE(QTest::qWaitFor([&] { return big.hasDrawnPicture() && playback.isDisplayTimerRunning(); }, 15000));
        EXPECT_TRUE(playback.isPreparing()) << "the conversion has not run";
        EXPECT_EQ(big.fileName(), entry.toLocalFile());
        EXPECT_EQ(telemetry.size(), 0);
        EXPECT_EQ(controller->fileList().selectedRow(), rowOf(name));
        EXPECT_GE(big.currentTime(), 1.5 - 1e-6);
        EXPECT_LT(big.currentTime(), 3.0);

        ASSERT_TRUE(clips.put(QStringLiteral("gate/") + name, ""));
        ASSERT_TRUE(prepared());
        EXPECT_EQ(telemetry.size(), 1);
        EXPECT_EQ(big.fileName(), entry.toLocalFile());
    }

    playback.pauseVideo();
    playback.openClipAt(QUrl::fromLocalFile(clips.path(QStringLiteral("c.avi"))), 0.5);
    EXPECT_TRUE(QTest::qWaitFor([&] { return std::abs(big.currentTime() - 0.5) < 1e-3; }));
    EXPECT_TRUE(playback.isVideoPaused());

    playback.openClipAt(QUrl::fromLocalFile(clips.path(QStringLiteral("a_F.mp4"))), 1.0);
    ASSERT_TRUE(ready(QStringLiteral("a_F.mp4")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return playback.isDisplayTimerRunning(); }, 15000));
    EXPECT_FALSE(playback.isVideoPaused());
    EXPECT_EQ(controller->fileList().selectedRow(), 0);
    EXPECT_GE(big.currentTime(), 1.0 - 1e-6);
    EXPECT_TRUE(prepared());
}

TEST_F(PlaybackTest, AClipFfmpegCannotReadShowsTheUnsupportedAlert)
{
    ASSERT_TRUE(clips.put(QStringLiteral("broken_F.mp4"), QByteArray(4096, 'x')));
    EXPECT_TRUE(listAndPlay().currentVideoUrl().isEmpty());
    const QList<QMessageBox *> alerts = controller->window()->findChildren<QMessageBox *>();
    ASSERT_EQ(alerts.size(), 1);
    EXPECT_EQ(alerts.first()->informativeText(), QStringLiteral("This video is encoded in an unsupported format."));
    // The cause, then ffmpeg's own words.
    const QString detail = alerts.first()->detailedText();
    EXPECT_TRUE(detail.startsWith(QStringLiteral("This file is not a video that can be played.\n\n")));
    EXPECT_TRUE(detail.contains(QStringLiteral("Invalid data"))) << detail.toStdString();
    alerts.first()->close();
}

} // namespace
