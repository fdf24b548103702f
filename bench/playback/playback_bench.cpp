// Timings of the main window's front/rear pair and of the conversion, on small generated clips
// (the real ffmpeg and mpv, no sound). The tests check that these things happen; here is how
// soon and how steadily:
//   BM_PairBackInStep/<case>  a rear view knocked off the front view's frame while the pair plays
//       at 2× (a fraction of a second off: trimmed back) or 0.5× (seconds off: a seek). Time:
//       until half a second of readings within a frame. Counters: within_frame_percent of the
//       readings every 20 ms over the next two seconds (a machine that is not busy keeps 95 % or
//       more), media_s_per_s, the front view's position over wall time (the speed itself).
//   BM_ClipBoundary  from the end of one front/rear pair to both views ready with the next pair
//       of the list (20 s clips, the next one prepared while the first plays). Time: that pause.
//       Counters: its median, and first_frame_median_ms, until both views have drawn the next
//       pair's first frame.
//   BM_FirstPicture  from the double-click on a front/rear pair that was never converted to both
//       views ready to show it (a fresh copy of the pair each time, so the conversion is still to
//       run). Time: that wait. Counters: its median, first_frame_median_ms until both views have
//       drawn a frame of it, and telemetry_ms, until the conversion has ended and the telemetry
//       is shown.
//   BM_ConversionOnPulledCard  a clip removed while ffmpeg (held to real time, a 3 s clip) reads
//       it. Time: until the conversion gives up; ffmpeg_runs: how many it started (one: no run
//       starts once the clip is gone).

#include "event_loop_wait.h"
#include "playback/convert/video_conversion.h"
#include "playback/playback_controller.h"
#include "playback/player/drovik_av_view.h"
#include "programs.h"
#include "testenv.h"
#include "window_services.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <memory>
#include <thread>
#include <vector>

using namespace drovik;
using drovik::bench::idle;
using drovik::bench::waitUntil;

namespace {

constexpr double kFrame = 1.0 / 25;

// The middle one of the times measured, in milliseconds: a busy machine's worst waits do not move it.
double medianMs(std::vector<double> seconds)
{
    if (seconds.empty())
        return 0;
    std::sort(seconds.begin(), seconds.end());
    return 1000 * seconds[seconds.size() / 2];
}

// A pair of 320×180, 25 fps clips with sound, 20 s long.
bool makePair(const test::TempFolder &clips)
{
    const QString front = clips.path(QStringLiteral("a_F.mp4"));
    const bool made = test::ffmpeg(
        test::words(QStringLiteral("-f lavfi -i testsrc2=size=320x180:rate=25:duration=20 -f lavfi "
                                   "-i sine=frequency=440:sample_rate=44100:duration=20"))
        + test::h264() + test::words(QStringLiteral("-c:a aac -shortest")) + QStringList{front});
    return made && QFile::copy(front, clips.path(QStringLiteral("a_R.mp4")));
}

// The main window playing the pair, made once for all the cases.
struct PlayingPair {
    test::TempFolder clips;
    test::WindowServices services;
    std::unique_ptr<MainWindowController> controller;

    PlaybackController &playback() const { return *controller->playback(); }
    DrovikAVView &big() const { return *controller->bigMovieView(); }
    DrovikAVView &small() const { return *controller->smallMovieView(); }
    double gapInFrames() const { return std::abs(big().currentTime() - small().currentTime()) / kFrame; }

    bool start()
    {
        qputenv("DROVIK_MPV_OPTIONS", "ao=null,hwdec=no");
        Preferences::store()->clear();
        AppDelegate::initializeLanguageSetting(test::languages());
        if (!makePair(clips))
            return false;
        controller = services.shownWindow();
        controller->fileList().refreshVideoFileListWithURL(QUrl::fromLocalFile(clips.root()));
        if (!test::WindowServices::waitForList(*controller))
            return false;
        playback().playVideoWithIdx(0);
        return waitUntil([&] { return !playback().isPreparing() && playback().isDisplayTimerRunning(); }, 20000);
    }
};

// Made on first use, gone before the application object.
std::unique_ptr<PlayingPair> g_pair;

PlayingPair &pair()
{
    if (!g_pair) {
        g_pair = std::make_unique<PlayingPair>();
        if (!g_pair->start())
            std::fprintf(stderr, "the pair did not start playing\n");
    }
    return *g_pair;
}

void BM_PairBackInStep(benchmark::State &state, double speed, double knock)
{
    PlayingPair &playing = pair();
    double withinAFrame = 0;
    double mediaPerSecond = 0;
    for (auto _ : state) {
        playing.playback().setPlaybackSpeed(speed);
        playing.playback().setCurrentVideoTime(1);
        if (!waitUntil([&] { return playing.big().currentTime() > 1.2 && playing.small().currentTime() > 1.2; }, 10000)) {
            state.SkipWithError("the pair did not play");
            break;
        }
        playing.small().setCurrentTimeExactly(playing.small().currentTime() + knock);
        if (!waitUntil([&] { return playing.gapInFrames() > 5.0; }, 5000)) {
            state.SkipWithError("the knock did not land");
            break;
        }

        QElapsedTimer settling;
        settling.start();
        QElapsedTimer inStep;
        inStep.start();
        while (inStep.elapsed() < 500 && settling.elapsed() < 30000) {
            idle(20);
            if (playing.gapInFrames() > 1.0 + 1e-6)
                inStep.restart();
        }
        state.SetIterationTime(settling.nsecsElapsed() / 1e9);

        const double start = playing.big().currentTime();
        QElapsedTimer measuring;
        measuring.start();
        int readings = 0;
        int within = 0;
        while (measuring.elapsed() < 2000) {
            idle(20);
            ++readings;
            within += playing.gapInFrames() <= 1.0 + 1e-6 ? 1 : 0;
        }
        withinAFrame += 100.0 * within / readings;
        mediaPerSecond += (playing.big().currentTime() - start) / (measuring.nsecsElapsed() / 1e9);
    }
    state.counters["within_frame_percent"] = benchmark::Counter(withinAFrame, benchmark::Counter::kAvgIterations);
    state.counters["media_s_per_s"] = benchmark::Counter(mediaPerSecond, benchmark::Counter::kAvgIterations);
}
BENCHMARK_CAPTURE(BM_PairBackInStep, twice_speed_rear_ahead, 2.0, 0.4)
    ->Iterations(3)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PairBackInStep, twice_speed_rear_behind, 2.0, -0.4)
    ->Iterations(3)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PairBackInStep, half_speed_rear_seconds_ahead, 0.5, 3.0)
    ->Iterations(3)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_ClipBoundary(benchmark::State &state)
{
    PlayingPair &playing = pair();
    static const bool second = QFile::copy(playing.clips.path(QStringLiteral("a_F.mp4")), playing.clips.path(QStringLiteral("b_F.mp4")))
        && QFile::copy(playing.clips.path(QStringLiteral("a_R.mp4")), playing.clips.path(QStringLiteral("b_R.mp4")));
    if (!second) {
        state.SkipWithError("could not copy the second pair");
        return;
    }
    PlaybackController &playback = playing.playback();
    const auto showsSecond = [&] { return playback.currentVideoUrl().fileName().startsWith(QLatin1Char('b')); };
    std::vector<double> pauses;
    std::vector<double> firstFrames;
    for (auto _ : state) {
        playing.controller->fileList().refreshVideoFileListWithURL(QUrl::fromLocalFile(playing.clips.root()));
        test::WindowServices::waitForList(*playing.controller);
        playing.controller->fileList().selectRow(0);
        playback.playVideoWithIdx(0);
        if (!waitUntil([&] { return !playback.isPreparing() && playing.big().currentTime() > 0.2; }, 20000)
            || !waitUntil([&] { return playback.preparer().prefetched().fileName().startsWith(QLatin1Char('b')); }, 20000)) {
            state.SkipWithError("the first pair did not play");
            break;
        }
        QElapsedTimer pause;
        const QMetaObject::Connection ended = QObject::connect(
            &playing.big(), &DrovikAVView::didPlayToEndTime, [&pause] { pause.start(); });
        playback.setCurrentVideoTime(19.5);
        const bool reachedEnd = waitUntil([&] { return pause.isValid(); }, 10000);
        QObject::disconnect(ended);
        if (!reachedEnd) {
            state.SkipWithError("the first pair did not reach its end");
            break;
        }
        const bool next = waitUntil(
            [&] {
                return showsSecond() && !playback.isPreparing()
                    && playing.big().status() == DrovikAVView::StatusReadyToPlay
                    && playing.small().status() == DrovikAVView::StatusReadyToPlay;
            },
            10000);
        state.SetIterationTime(pause.nsecsElapsed() / 1e9);
        pauses.push_back(pause.nsecsElapsed() / 1e9);
        if (!next || !waitUntil([&] { return playing.big().hasDrawnPicture() && playing.small().hasDrawnPicture(); }, 10000)) {
            state.SkipWithError("the second pair did not follow");
            break;
        }
        firstFrames.push_back(pause.nsecsElapsed() / 1e9);
    }
    state.counters["median_ms"] = medianMs(pauses);
    state.counters["first_frame_median_ms"] = medianMs(firstFrames);
}
BENCHMARK(BM_ClipBoundary)->Iterations(5)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_FirstPicture(benchmark::State &state)
{
    PlayingPair &playing = pair();
    PlaybackController &playback = playing.playback();
    int copies = 0;
    double telemetrySeconds = 0;
    std::vector<double> waits;
    std::vector<double> firstFrames;
    for (auto _ : state) {
        // Named after a_ and b_, so that the other cases' clips keep their rows.
        const QString base = QStringLiteral("c%1").arg(copies++, 3, 10, QLatin1Char('0'));
        for (const char *camera : {"_F.mp4", "_R.mp4"}) {
            if (!QFile::copy(playing.clips.path(QStringLiteral("a") + QLatin1String(camera)),
                             playing.clips.path(base + QLatin1String(camera)))) {
                state.SkipWithError("could not copy the pair");
                return;
            }
        }
        playing.controller->fileList().refreshVideoFileListWithURL(QUrl::fromLocalFile(playing.clips.root()));
        test::WindowServices::waitForList(*playing.controller);
        const int row = int(playing.controller->fileList().filteredVideoFileList().indexOf(
            QUrl::fromLocalFile(playing.clips.path(base + QStringLiteral("_F.mp4")))));
        playback.stopVideo();
        idle(300);
        QElapsedTimer took;
        took.start();
        playing.controller->fileList().selectRow(row);
        playback.playVideoWithIdx(row);
        const bool shown = waitUntil(
            [&] {
                return playing.big().fileName().contains(base) && playing.small().fileName().contains(base)
                    && playing.big().status() == DrovikAVView::StatusReadyToPlay
                    && playing.small().status() == DrovikAVView::StatusReadyToPlay;
            },
            20000);
        state.SetIterationTime(took.nsecsElapsed() / 1e9);
        waits.push_back(took.nsecsElapsed() / 1e9);
        if (!shown || !waitUntil([&] { return playing.big().hasDrawnPicture() && playing.small().hasDrawnPicture(); }, 20000)) {
            state.SkipWithError("the pair did not open");
            break;
        }
        firstFrames.push_back(took.nsecsElapsed() / 1e9);
        if (!waitUntil([&] { return !playback.isPreparing(); }, 20000)) {
            state.SkipWithError("the pair did not open");
            break;
        }
        telemetrySeconds += took.nsecsElapsed() / 1e9;
    }
    state.counters["telemetry_ms"] = benchmark::Counter(telemetrySeconds * 1000, benchmark::Counter::kAvgIterations);
    state.counters["median_ms"] = medianMs(waits);
    state.counters["first_frame_median_ms"] = medianMs(firstFrames);
}
BENCHMARK(BM_FirstPicture)->Iterations(7)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_ConversionOnPulledCard(benchmark::State &state)
{
    constexpr int kClipSeconds = 3;
    const test::TempFolder dir;
    const QString slowFfmpeg = dir.path(QStringLiteral("slow-ffmpeg"));
    const QString saved = dir.path(QStringLiteral("saved.mp4"));
    QByteArray srt;
    for (int s = 0; s < kClipSeconds; ++s)
        srt += QStringLiteral("%1\n00:00:0%2,000 --> 00:00:0%3,000\ngsensor,%2,0,0\n\n").arg(s + 1).arg(s).arg(s + 1).toUtf8();
    const QString d = QString::number(kClipSeconds);
    if (!test::writeSlowFfmpeg(slowFfmpeg)
        || !test::makeMp4WithSubtitles(saved, srt,
                                       test::words(QStringLiteral("-f lavfi -i testsrc2=size=320x180:rate=25:duration=") + d),
                                       test::words(QStringLiteral("-f lavfi -i sine=frequency=440:sample_rate=8000:duration=") + d),
                                       test::words(QStringLiteral("-b:v 3M")))) {
        state.SkipWithError("ffmpeg could not make the clip");
        return;
    }
    const QString work = dir.path(QStringLiteral("work"));
    const QString clip = dir.path(QStringLiteral("card/0700_F.mp4"));
    int runs = 0;
    for (auto _ : state) {
        QDir(work).removeRecursively();
        QDir().mkpath(dir.path(QStringLiteral("card")));
        QFile::remove(clip);
        QFile::copy(saved, clip);
        std::atomic<bool> pulled = false;
        std::atomic<bool> stop = false;
        std::thread saboteur([&] {
            while (!stop && !pulled) {
                const QString partial = conversionPathsFor(clip, QFileInfo(saved).size(), work).partialFolder;
                const QFileInfoList made = QDir(partial).entryInfoList(QDir::Files);
                if (!made.isEmpty() && made.first().size() > 0)
                    pulled = QFile::remove(clip);
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
            }
        });
        VideoConverter converter(work, slowFfmpeg);
        converter.setRunObserver([&](const QStringList &) { ++runs; });
        QElapsedTimer took;
        took.start();
        const auto result = converter.checkAndConvertVideo(QUrl::fromLocalFile(clip));
        state.SetIterationTime(took.nsecsElapsed() / 1e9);
        stop = true;
        saboteur.join();
        if (!pulled || (result && !result->isEmpty())) {
            state.SkipWithError("the clip was not removed while ffmpeg read it");
            break;
        }
    }
    state.counters["ffmpeg_runs"] = benchmark::Counter(runs, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_ConversionOnPulledCard)->Iterations(3)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never the user's settings or Documents: the window reads and writes them.
    test::isolateEnvironment();
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    g_pair.reset();
    QDir(test::isolatedHome()).removeRecursively();
    return 0;
}
