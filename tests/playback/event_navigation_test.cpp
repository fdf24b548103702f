// The G-force events of a playing front/rear pair (real ffmpeg and mpv, offscreen): marked on the
// seek bar and the graph, a click on the graph seeks both views to the sample under the pointer,
// Page Down / Page Up jump between the events, and a clip without events disables the jumps.
#include "playing_window.h"
#include "app/folder_trips.h"
#include "app/main_window.h"
#include "app/trip_playback.h"
#include "display/map_controller.h"
#include "display/trip_timeline_view.h"
#include "app/playback_binding.h"
#include "app/main_window_ui.h"
#include "display/gravity_graph_view.h"
#include "display/slider_views.h"
#include "display/speed_meter_view.h"
#include "playback/event_navigation.h"
#include "playback/playback_controller.h"
#include "playback/snapshot_controller.h"
#include "playback/export_controller.h"
#include "playback/telemetry_readout.h"
#include "playback/player/drovik_av_view.h"
#include "foreign_clips.h"
#include "programs.h"
#include "widgets/image_widgets.h"

#include <QDir>
#include <QLabel>

#include <gtest/gtest.h>

#include <cmath>

using namespace drovik;

namespace {

// Ten seconds of SubRip telemetry, one cue per sample, each second closed by a fix (as cameras
// write it): still, except where `pulse` says. x, y in 1/128 g.
QByteArray driveCues(const std::function<std::pair<int, int>(int sample)> &pulse)
{
    QByteArray srt;
    for (int i = 0; i < 100; ++i) {
        const auto [x, y] = pulse(i);
        srt += QByteArray::number(i + 1) + '\n'
               + QString::asprintf("00:00:%02d,%03d --> 00:00:%02d,%03d\n", i / 10, i % 10 * 100,
                                   (i + 1) / 10, (i + 1) % 10 * 100).toLatin1()
               + "gsensori,1,128," + QByteArray::number(x) + ',' + QByteArray::number(y) + ",128";
        if (i % 10 == 9)
            srt += ";GPRMC,1200" + QByteArray::number(10 + i / 10)
                   + ",A,4852.0000,N,00218.0000,E,20.0,0,010120,,,A";
        srt += "\n\n";
    }
    return srt;
}

bool makeDrive(const QString &path, const QByteArray &srt)
{
    const QString cues = path + QStringLiteral(".cues.srt");
    return test::writeFile(cues, srt)
           && test::ffmpeg(test::words(QStringLiteral("-f lavfi -i testsrc2=size=160x90:rate=10:duration=10 "
                                                      "-f lavfi -i sine=frequency=440:sample_rate=8000:duration=10 -i"))
                           + QStringList{cues} + test::words(QStringLiteral("-map 0 -map 1 -map 2")) + test::h264()
                           + test::words(QStringLiteral("-c:a aac -c:s mov_text")) + QStringList{path});
}

class EventNavigationTest : public test::PlayingWindowTest {
protected:
    bool bothAt(double seconds) const
    {
        return QTest::qWaitFor([&] {
            return std::abs(controller->bigMovieView()->currentTime() - seconds) < 0.05
                   && std::abs(controller->smallMovieView()->currentTime() - seconds) < 0.05;
        }, 5000);
    }
};

TEST_F(EventNavigationTest, GraphClicksAndEventKeysSeekBothViews)
{
    // A left turn peaking at 2.7 s (0.7 g sideways) and a braking peaking at 7.2 s (0.86 g).
    const QByteArray events = driveCues([](int i) -> std::pair<int, int> {
        if (i >= 26 && i <= 28)
            return {i == 27 ? 90 : 60, 0};
        if (i >= 71 && i <= 73)
            return {0, i == 72 ? -110 : -70};
        return {0, 0};
    });
    ASSERT_TRUE(makeDrive(clips.path(QStringLiteral("a_F.mp4")), events));
    ASSERT_TRUE(makeDrive(clips.path(QStringLiteral("a_R.mp4")), events));
    ASSERT_TRUE(makeDrive(clips.path(QStringLiteral("b_F.mp4")), driveCues([](int) { return std::pair{0, 0}; })));
    ASSERT_TRUE(QFile::copy(clips.path(QStringLiteral("b_F.mp4")), clips.path(QStringLiteral("b_R.mp4"))));
    ASSERT_TRUE(clips.put(QStringLiteral("c_F.mp4"), QByteArray(4096, 'x')));
    controller->fileList().refreshVideoFileListWithURL(QUrl::fromLocalFile(clips.root()));
    ASSERT_TRUE(test::WindowServices::waitForList(*controller));
    PlaybackController &playback = *controller->playback();
    const MainWindowUi &ui = controller->ui();
    EXPECT_FALSE(ui.nextEventButton->isEnabled()) << "no clip yet";

    playback.playVideoWithIdx(0);
    // The picture comes first, the telemetry once the clip is converted.
    ASSERT_TRUE(QTest::qWaitFor([&] { return playback.isDisplayTimerRunning() && !playback.isPreparing(); }, 20000));
    ASSERT_TRUE(controller->smallMovieView()->hasMovie());
    // Both views ready, or a late one would start the pair again after the pause.
    ASSERT_TRUE(QTest::qWaitFor([&] {
        return controller->bigMovieView()->status() == DrovikAVView::StatusReadyToPlay
            && controller->smallMovieView()->status() == DrovikAVView::StatusReadyToPlay;
    }, 20000));
    QTest::keyClick(controller->window(), Qt::Key_Space);
    ASSERT_TRUE(playback.isVideoPaused());

    ASSERT_EQ(controller->playbackBinding()->eventNavigation().events().size(), 2u);
    EXPECT_EQ(ui.gravityGraphView->events(), controller->playbackBinding()->eventNavigation().events());
    const QList<SeekTimeSliderView::Mark> marks = ui.seekTimeSliderView->marks();
    ASSERT_EQ(marks.size(), 2);
    EXPECT_DOUBLE_EQ(marks[0].value, 2.7);
    EXPECT_DOUBLE_EQ(marks[1].value, 7.2);
    EXPECT_NE(marks[0].color, marks[1].color) << "braking stands out from cornering";
    EXPECT_TRUE(ui.prevEventButton->isEnabled());
    EXPECT_TRUE(ui.nextEventButton->isEnabled());

    // The seek bar takes the clip's length once the player reports it (late on a busy machine).
    ASSERT_TRUE(QTest::qWaitFor([&] { return ui.seekTimeSliderView->maxSliderValue() > 0; }, 10000));
    // 100 samples on the graph's 250 pixels: sample i is drawn at x = 2.5 (i + 1).
    GravityGraphView *graph = ui.gravityGraphView;
    ASSERT_EQ(graph->width(), 250);
    const std::pair<int, double> clicks[] = {{85, 3.3}, {125, 4.9}, {240, 9.5}, {1, 0.0}};
    for (const auto &[x, seconds] : clicks) {
        QTest::mouseClick(graph, Qt::LeftButton, {}, QPoint(x, graph->height() / 2));
        EXPECT_TRUE(bothAt(seconds)) << "x " << x << ": " << controller->bigMovieView()->currentTime()
                                     << ", " << controller->smallMovieView()->currentTime();
        EXPECT_NEAR(ui.seekTimeSliderView->currentSliderValue(), seconds, 0.05) << "x " << x;
        EXPECT_NEAR(graph->playPosition(), seconds, 0.05) << "the graph's playhead, x " << x;
    }
    EXPECT_TRUE(playback.isVideoPaused()) << "seeking from the graph does not start playing";
    // The read-outs follow the seek at once: the fix of the cues (48°52' N, 2°18' E) on the map.
    EXPECT_EQ(ui.latTextField->text(), QStringLiteral("48.8667"));
    EXPECT_EQ(ui.lngTextField->text(), QStringLiteral("2.3000"));
    EXPECT_EQ(ui.gxTextField->text(), QStringLiteral("0.000"));
    EXPECT_EQ(ui.gzTextField->text(), QStringLiteral("1.000"));
    EXPECT_GT(ui.speedMeterView->speed(), 0);
    EXPECT_FALSE(ui.mapCoverView->isVisible());

    // Two seconds before each peak; nothing beyond the last or before the first.
    const std::pair<Qt::Key, double> jumps[] = {{Qt::Key_PageDown, 0.7}, {Qt::Key_PageDown, 5.2},
                                                {Qt::Key_PageDown, 5.2}, {Qt::Key_PageUp, 0.7},
                                                {Qt::Key_PageUp, 0.7}};
    for (const auto &[key, seconds] : jumps) {
        QTest::keyClick(controller->window(), key);
        EXPECT_TRUE(bothAt(seconds)) << (key == Qt::Key_PageDown ? "Page Down to " : "Page Up to ") << seconds;
    }
    ui.nextEventButton->click();
    EXPECT_TRUE(bothAt(5.2)) << "the button does what the key does";

    // The next clip has no events: marks gone, jumps disabled.
    playback.playVideoWithIdx(2);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !playback.isPreparing(); }, 20000));
    EXPECT_EQ(playback.currentVideoUrl().fileName(), QStringLiteral("b_F.mp4"));
    EXPECT_TRUE(controller->playbackBinding()->eventNavigation().events().empty());
    EXPECT_TRUE(ui.seekTimeSliderView->marks().isEmpty());
    EXPECT_TRUE(graph->events().empty());
    EXPECT_FALSE(ui.prevEventButton->isEnabled());
    EXPECT_FALSE(ui.nextEventButton->isEnabled());

    // A clip that cannot be played, after one with events: nothing of that one stays on show.
    playback.playVideoWithIdx(0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return playback.isDisplayTimerRunning() && ui.speedMeterView->speed() > 0; }, 20000));
    playback.playVideoWithIdx(4);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !playback.isPreparing(); }, 20000));
    EXPECT_TRUE(playback.currentVideoUrl().isEmpty());
    EXPECT_TRUE(graph->points().gxPointList.isEmpty());
    EXPECT_TRUE(graph->events().empty());
    EXPECT_TRUE(ui.seekTimeSliderView->marks().isEmpty());
    EXPECT_EQ(playback.clipData().clipDataCount(), 0u);
    EXPECT_EQ(ui.gzTextField->text(), QStringLiteral("0.000"));
    EXPECT_EQ(ui.latTextField->text(), QStringLiteral("0.0000"));
    EXPECT_EQ(ui.speedMeterView->speed(), 0);
    EXPECT_TRUE(ui.mapCoverView->isVisible());
}

// Three clips of one drive, ten seconds each, the last braking at 7.2 s: the timeline strip
// under the seek bar shows the whole drive; a click on it, or on the drive's route, opens the
// clip under it at that moment; Page Down from a clip without events goes on to the next event
// of the drive.
TEST_F(EventNavigationTest, TheDriveOnTheTimelineAndTheRoute)
{
    const QByteArray still = driveCues([](int) { return std::pair{0, 0}; });
    const QByteArray braking = driveCues([](int i) { return std::pair{0, i >= 71 && i <= 73 ? (i == 72 ? -110 : -70) : 0}; });
    const char *names[] = {"20240517_101500_F.mp4", "20240517_101510_F.mp4", "20240517_101520_F.mp4"};
    for (const char *name : names)
        ASSERT_TRUE(makeDrive(clips.path(QStringLiteral("cont_rec/") + QLatin1String(name)), name == names[2] ? braking : still));
    controller->fileList().refreshVideoFileListWithURL(QUrl::fromLocalFile(clips.root()));
    ASSERT_TRUE(test::WindowServices::waitForList(*controller));
    PlaybackController &playback = *controller->playback();
    TripPlayback &trip = *controller->tripPlayback();
    playback.playVideoWithIdx(0);
    ASSERT_TRUE(QTest::qWaitFor([&] {
        return trip.track() && trip.track()->clips.size() == 3 && trip.track()->events.size() == 1
               && trip.track()->clips[2].read;
    }, 20000));
    EXPECT_EQ(trip.currentClip(), 0);
    EXPECT_DOUBLE_EQ(trip.track()->durationSeconds, 30.0);
    const auto opened = [&](const char *name, double seconds) {
        return QTest::qWaitFor([&] {
            return playback.currentVideoUrl().fileName() == QLatin1String(name)
                   && controller->bigMovieView()->status() == DrovikAVView::StatusReadyToPlay
                   && std::abs(controller->bigMovieView()->currentTime() - seconds) < 0.3;
        }, 20000);
    };

    // The strip's drive runs over its plot: 25 s of 30 lies in the third clip, 5 s in.
    TripTimelineView *timeline = controller->ui().tripTimelineView;
    const QRectF plot = timeline->plotRect();
    QTest::mouseClick(timeline, Qt::LeftButton, {}, QPoint(int(plot.left() + plot.width() * 25.0 / 30.0), timeline->height() / 2));
    EXPECT_TRUE(opened(names[2], 5.0)) << playback.currentVideoUrl().fileName().toStdString() << " at "
                                       << controller->bigMovieView()->currentTime();
    EXPECT_EQ(trip.currentClip(), 2);

    emit controller->mapController()->tripPointClicked(1, 3.0);
    EXPECT_TRUE(opened(names[1], 3.0));
    EXPECT_EQ(trip.currentClip(), 1);

    QTest::keyClick(controller->window(), Qt::Key_PageDown);
    EXPECT_TRUE(opened(names[2], 5.2)) << "on to the braking of the next clip";
}

// Another make's clip (telemetry in "freeGPS " blocks, read through ExifTool at its own times):
// the speed meter, the position, the G graph and the route follow it as they follow ours.
TEST_F(EventNavigationTest, AnotherMakesClipPlaysWithItsTelemetry)
{
    if (!test::haveForeignClipTools())
        GTEST_SKIP() << "needs exiftool, ffmpeg and python3";
    const test::TempFolder made;
    ASSERT_TRUE(test::makeForeignClips(made.root()));
    ASSERT_TRUE(QDir().mkpath(clips.path(QStringLiteral("DCIM"))));
    ASSERT_TRUE(QFile::copy(made.path(QStringLiteral("novatek_nmea.mp4")), clips.path(QStringLiteral("DCIM/20240517_101500_F.mp4"))));
    ASSERT_TRUE(QFile::copy(made.path(QStringLiteral("free_gps_nmea.mp4")), clips.path(QStringLiteral("DCIM/20240517_101512_F.mp4"))));
    controller->fileList().refreshVideoFileListWithURL(QUrl::fromLocalFile(clips.root()));
    ASSERT_TRUE(test::WindowServices::waitForList(*controller));
    PlaybackController &playback = *controller->playback();
    const MainWindowUi &ui = controller->ui();
    playback.playVideoWithIdx(0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return playback.readout().timedRecord() && ui.speedMeterView->speed() > 0; }, 30000));
    const telemetry::TimedRecord &record = *playback.readout().timedRecord();
    // Twelve fixes a second apart: samples for 11.0 s at ten a second, one per tenth.
    EXPECT_EQ(record.clipDataCount(), 111u);
    EXPECT_EQ(ui.gravityGraphView->points().gxPointList.size(), 111);
    EXPECT_EQ(controller->mapController()->route().size(), test::kForeignFixCount);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !ui.mapCoverView->isVisible(); }, 5000)) << "the map shows the position";
    EXPECT_TRUE(ui.latTextField->text().startsWith(QLatin1String("48.85"))) << ui.latTextField->text().toStdString();
    EXPECT_NEAR(playback.readout().momentAt(3.0).lat, 48.857, 0.001) << "a still's texts";

    // The two clips are one trip, read through ExifTool in the background as well.
    const TripPlayback &trip = *controller->tripPlayback();
    ASSERT_TRUE(QTest::qWaitFor([&] { return trip.track() && trip.track()->clips.size() == 2 && trip.track()->clips[1].read; }, 30000));
    EXPECT_EQ(trip.track()->samples.size(), 222u);
    EXPECT_GT(controller->trips()->statistics(trip.trip()).distanceM, 100.0);

    // Its track, exported with its own times.
    ExportDialogs dialogs;
    dialogs.trackPath = [&](QWidget *, const QString &, const QStringList &) { return made.path(QStringLiteral("out.gpx")); };
    controller->exports()->setDialogs(dialogs);
    controller->exports()->trackExportButtonTouched();
    const QByteArray gpx = test::readFile(made.path(QStringLiteral("out.gpx")));
    EXPECT_EQ(gpx.count("<trkpt"), test::kForeignFixCount);
    EXPECT_TRUE(gpx.contains("<time>2024-05-17T10:15:03")) << gpx.left(600).toStdString();
}

} // namespace
