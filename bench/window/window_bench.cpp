// Opens a camera's front/rear pair through the real main window, by double-clicking its row in
// the clip list, and prints one line per measure:
//   open=warmup …                         the process's first open (players and GL set up)
//   open=first runs=5 ready_ms_median=… frame_ms_median=… prepare_ms_median=… gui_max_stall_ms=…
//   open=cached runs=5 …                  the same entry again: the conversion is reused
//   convert=first runs=3 total_ms_median=… steps_ms_median=…,…   the conversion alone, per ffmpeg run
//   play=two_1080p seconds=10 gui_max_stall_ms=… …
//   close=playing_pair stop_video_ms=… close_big_ms=… close_small_ms=…   what a new open starts with
//   trip=cold clips=120 ready_ms=… gui_max_stall_ms=…   a 120-clip drive as the window shows it (list by
//   trip=warm …                                           trip, Trips window, timeline, chart, route)
//                                                         until every clip's telemetry is read, with the
//                                                         per-clip cache empty, then full
// With --trip only the trip lines are measured (the clips: 4 MiB of video-like bytes with telemetry
// lines each, one a minute, read once before so the page cache is warm).
// ready: both views report ready to play and the display timer runs; frame: both views have drawn
// a picture; prepare: the busy overlay is gone (conversion and telemetry done). A "first" open
// empties the conversion cache before it; each is followed by a cached open of the same entry.
// gui_max_stall_ms is the longest gap between ticks of a 5 ms timer on the GUI thread.
// The clips are 60 s 1080p30 H.264 MP4s with a mov_text telemetry track, made once with ffmpeg
// and read once before the runs, so the page cache is warm.
//   xvfb-run -a -s "-screen 0 1600x1000x24" drovik_window_bench [--runs N] [--seconds N] [--clips DIR]

#include "app/file_list_controller.h"
#include "app/folder_trips.h"
#include "app/trip_playback.h"
#include "app/trips_window.h"
#include "generated_clips.h"
#include "event_loop_wait.h"
#include "app/main_window.h"
#include "app/main_window_controller.h"
#include "playback/convert/video_conversion.h"
#include "playback/player/drovik_av_view.h"
#include "playback/player/mpv_controller.h"
#include "playback/player/mpv_names.h"
#include "playback/player/player_surface.h"
#include "playback/playback_controller.h"
#include "testenv.h"
#include "window_services.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>
#include <QTimer>

#include <sys/resource.h>

#include <algorithm>
#include <clocale>
#include <cstdio>
#include <functional>
#include <vector>

using drovik::DrovikAVView;
using drovik::MainWindowController;
using drovik::PlaybackController;

namespace {

const QString kFrontName = QStringLiteral("20240517_101500_F.mp4");
const QString kRearName = QStringLiteral("20240517_101500_R.mp4");
constexpr int kClipSeconds = 60;

double processCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
           + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

double median(std::vector<double> values)
{
    if (values.empty())
        return -1;
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// A camera's telemetry track: an accelerometer reading every 0.1 s and a position every second.
QByteArray subtitleText(double latitudeOffset)
{
    QByteArray text;
    const auto stamp = [](int ms) {
        return QString::asprintf("00:%02d:%02d,%03d", ms / 60000, ms / 1000 % 60, ms % 1000).toLatin1();
    };
    for (int cue = 0; cue < kClipSeconds * 10; ++cue) {
        const int ms = cue * 100;
        text += QByteArray::number(cue + 1) + '\n' + stamp(ms) + " --> " + stamp(ms + 100) + '\n';
        text += QString::asprintf("gsensor,%d,%d,%d\n", cue % 40 - 20, 128 - cue % 17, cue % 9).toLatin1();
        if (cue % 10 == 0) {
            const int second = cue / 10;
            text += QString::asprintf("GPRMC,1015%02d.00,A,%.4f,N,12658.%04d,E,%.1f,0,170524,,,A\n",
                                         second, 3723.2475 + latitudeOffset + second * 0.01,
                                         3040 + second * 7, 20.0 + second % 10)
                        .toLatin1();
        }
        text += '\n';
    }
    return text;
}

bool runFfmpeg(const QStringList &arguments)
{
    QProcess ffmpeg;
    ffmpeg.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    ffmpeg.start(QStringLiteral("ffmpeg"), QStringList{QStringLiteral("-hide_banner"), QStringLiteral("-loglevel"),
                                                       QStringLiteral("error"), QStringLiteral("-y")}
                                               + arguments);
    return ffmpeg.waitForFinished(900000) && ffmpeg.exitStatus() == QProcess::NormalExit
           && ffmpeg.exitCode() == 0;
}

// A 60 s 1080p30 H.264 clip with AAC sound and the telemetry as a mov_text stream, at about a
// dash camera's bit rate.
bool makeClip(const QString &path, const QString &source, double latitudeOffset)
{
    if (QFileInfo(path).size() > 0)
        return true;
    const QString srt = path + QStringLiteral(".srt");
    QFile file(srt);
    if (!file.open(QIODevice::WriteOnly) || file.write(subtitleText(latitudeOffset)) < 0)
        return false;
    file.close();
    const QString partial = path + QStringLiteral(".partial.mp4");
    const QString seconds = QString::number(kClipSeconds);
    const bool made = runFfmpeg(
        {QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"), source,
         QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"), QStringLiteral("sine=frequency=300"),
         QStringLiteral("-i"), srt, QStringLiteral("-map"), QStringLiteral("0:v"), QStringLiteral("-map"),
         QStringLiteral("1:a"), QStringLiteral("-map"), QStringLiteral("2:s"), QStringLiteral("-t"), seconds,
         QStringLiteral("-c:v"), QStringLiteral("libx264"), QStringLiteral("-preset"), QStringLiteral("ultrafast"),
         QStringLiteral("-b:v"), QStringLiteral("12M"), QStringLiteral("-maxrate"), QStringLiteral("12M"),
         QStringLiteral("-bufsize"), QStringLiteral("24M"), QStringLiteral("-g"), QStringLiteral("30"),
         QStringLiteral("-pix_fmt"), QStringLiteral("yuv420p"), QStringLiteral("-c:a"), QStringLiteral("aac"),
         QStringLiteral("-c:s"), QStringLiteral("mov_text"), partial});
    QFile::remove(srt);
    return made && QFile::rename(partial, path);
}

void readWhole(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    while (!file.read(1 << 20).isEmpty()) {
    }
}

using drovik::bench::idle;
using drovik::bench::waitUntil;

// The longest the GUI thread went without running a 5 ms timer.
class StallMeter {
public:
    StallMeter()
    {
        m_ticker.setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_ticker, &QTimer::timeout, [this] { tick(); });
    }
    void start()
    {
        m_longestMs = 0;
        m_sinceTick.start();
        m_ticker.start(5);
    }
    double stop()
    {
        tick();
        m_ticker.stop();
        return m_longestMs;
    }

private:
    void tick() { m_longestMs = std::max(m_longestMs, m_sinceTick.nsecsElapsed() / 1e6); m_sinceTick.start(); }

    QTimer m_ticker;
    QElapsedTimer m_sinceTick;
    double m_longestMs = 0;
};

bool hasDrawnFrame(const DrovikAVView &view)
{
    for (QWidget *child : view.findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (const auto *surface = dynamic_cast<const drovik::PlayerSurface *>(child))
            return surface->hasDrawnFrame();
    }
    return false;
}

struct OpenTimes {
    double clickMs = -1;   // the double-click's own handling (the previous pair closes in it)
    double prepareMs = -1; // the busy overlay is gone
    double readyMs = -1;   // both views ready and the display timer running
    double frameMs = -1;   // both views have drawn a picture
    double stallMs = 0;
};

// Double-clicks the row of the clip list, as a user does, and waits for both pictures.
OpenTimes openByDoubleClick(MainWindowController &window, int row)
{
    PlaybackController &playback = *window.playback();
    const DrovikAVView &big = *window.bigMovieView();
    const DrovikAVView &small = *window.smallMovieView();
    QTableView *table = window.ui().fileListTableView;
    const QModelIndex index = table->model()->index(row, 0);
    table->scrollTo(index);
    const QPoint where = table->visualRect(index).center();

    OpenTimes times;
    StallMeter stall;
    stall.start();
    QElapsedTimer clock;
    clock.start();
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, where);
    if (!playback.isPreparing()) // the double-click missed the row: ask the controller directly
        playback.playVideoWithIdx(row);
    const auto now = [&] { return clock.nsecsElapsed() / 1e6; };
    times.clickMs = now();
    const bool opened = waitUntil([&] {
        if (times.prepareMs < 0 && !playback.isPreparing())
            times.prepareMs = now();
        if (times.readyMs < 0 && big.status() == DrovikAVView::StatusReadyToPlay
            && small.status() == DrovikAVView::StatusReadyToPlay && playback.isDisplayTimerRunning())
            times.readyMs = now();
        if (times.frameMs < 0 && hasDrawnFrame(big) && hasDrawnFrame(small))
            times.frameMs = now();
        return times.readyMs >= 0 && times.frameMs >= 0;
    }, 60000);
    times.stallMs = stall.stop();
    if (!opened)
        std::fprintf(stderr, "the pair did not open (status %d, %d)\n", big.status(), small.status());
    return opened ? times : OpenTimes{};
}

void printOpenLine(const char *kind, const std::vector<OpenTimes> &runs)
{
    std::vector<double> click, prepare, ready, frame, stall;
    for (const OpenTimes &run : runs) {
        click.push_back(run.clickMs);
        prepare.push_back(run.prepareMs);
        ready.push_back(run.readyMs);
        frame.push_back(run.frameMs);
        stall.push_back(run.stallMs);
    }
    std::printf("open=%s runs=%zu frame_ms_median=%.0f frame_ms_min=%.0f frame_ms_max=%.0f "
                "ready_ms_median=%.0f prepare_ms_median=%.0f click_ms_median=%.0f gui_max_stall_ms=%.0f gui_stall_ms_median=%.0f\n",
                kind, runs.size(), median(frame), *std::min_element(frame.begin(), frame.end()),
                *std::max_element(frame.begin(), frame.end()), median(ready), median(prepare), median(click),
                *std::max_element(stall.begin(), stall.end()), median(stall));
    std::fflush(stdout);
}

// The conversion alone, outside the window: the time of each ffmpeg run it makes.
void measureConversion(const QUrl &entry, int runs)
{
    std::vector<double> totals;
    std::vector<std::vector<double>> steps;
    for (int run = 0; run < runs; ++run) {
        QTemporaryDir folder;
        drovik::VideoConverter converter(folder.path());
        QElapsedTimer clock;
        std::vector<double> starts;
        converter.setRunObserver([&](const QStringList &) { starts.push_back(clock.nsecsElapsed() / 1e6); });
        clock.start();
        const auto files = converter.checkAndConvertVideo(entry);
        const double total = clock.nsecsElapsed() / 1e6;
        totals.push_back(total);
        starts.push_back(total);
        steps.resize(std::max(steps.size(), starts.size() - 1));
        for (size_t i = 0; i + 1 < starts.size(); ++i)
            steps[i].push_back(starts[i + 1] - starts[i]);
        if (!files || files->size() != 2)
            std::fprintf(stderr, "the conversion made %lld files\n", files ? qlonglong(files->size()) : -1LL);
    }
    QStringList stepText;
    for (const std::vector<double> &step : steps)
        stepText << QString::number(median(step), 'f', 0);
    std::printf("convert=first runs=%d total_ms_median=%.0f steps_ms_median=%s\n", runs, median(totals),
                qPrintable(stepText.join(QLatin1Char(','))));
    std::fflush(stdout);
}

qint64 counter(const DrovikAVView &view, const char *name)
{
    return view.player() ? view.player()->integerProperty(name).value_or(-1) : -1;
}

// The pair just opened plays on; the GUI thread is watched meanwhile.
void measurePlaying(MainWindowController &window, double seconds)
{
    const DrovikAVView &big = *window.bigMovieView();
    const DrovikAVView &small = *window.smallMovieView();
    const double startedAt = big.currentTime();
    const double cpuBefore = processCpuSeconds();
    StallMeter stall;
    stall.start();
    QElapsedTimer wall;
    wall.start();
    idle(int(seconds * 1000));
    const double stallMs = stall.stop();
    const double wallSeconds = wall.nsecsElapsed() / 1e9;
    using namespace drovik::mpvname;
    std::printf("play=two_1080p seconds=%.1f gui_max_stall_ms=%.0f display_timer=%d played_s=%.2f "
                "cpu_percent=%.0f render=%s big_decoder_drops=%lld big_vo_drops=%lld small_decoder_drops=%lld "
                "small_vo_drops=%lld\n",
                wallSeconds, stallMs, window.playback()->isDisplayTimerRunning() ? 1 : 0,
                big.currentTime() - startedAt, 100.0 * (processCpuSeconds() - cpuBefore) / wallSeconds,
                big.usesOpenGL() ? "gl" : "sw", counter(big, kDecoderFrameDropCount), counter(big, kFrameDropCount),
                counter(small, kDecoderFrameDropCount), counter(small, kFrameDropCount));
    std::fflush(stdout);
}

// The window lists the clip folder; returns the front clip's row, or -1.
int listClips(MainWindowController &window, const QString &clipDir)
{
    drovik::FileListController &list = window.fileList();
    list.refreshVideoFileListWithURL(QUrl::fromLocalFile(clipDir));
    int row = -1;
    waitUntil([&] {
        if (list.isScanning())
            return false;
        const QList<QUrl> &clips = list.filteredVideoFileList();
        for (int i = 0; i < clips.size(); ++i) {
            if (clips[i].fileName() == kFrontName)
                row = i;
        }
        return row >= 0;
    }, 10000);
    return row;
}

// A drive of `clips` one-minute clips: how long until every clip's telemetry is read and shown
// (the list by trip, the Trips window with its chart, the playing clip's timeline and route), and
// the GUI thread's longest stall meanwhile. Run twice: the per-clip cache empty, then full.
int measureTrip(const QString &clipDir, int clips)
{
    const QString folder = clipDir + QStringLiteral("/trip");
    QDir(folder).removeRecursively();
    QDir().mkpath(folder + QStringLiteral("/cont_rec"));
    QList<QUrl> made;
    for (int i = 0; i < clips; ++i) {
        const QDateTime start = QDateTime(QDate(2024, 5, 17), QTime(10, 0), QTimeZone::utc()).addSecs(60 * i);
        const QString path = folder + QStringLiteral("/cont_rec/") + start.toString(QStringLiteral("yyyyMMdd_HHmmss")) + QStringLiteral("_F.mov");
        if (!drovik::bench::writeClip(QFile::encodeName(path).toStdString(), 4, true))
            return 1;
        readWhole(path);
        made << QUrl::fromLocalFile(path);
    }
    const QString cache = QDir::tempPath() + QStringLiteral("/drovik-window-bench-cache");
    QDir(cache).removeRecursively();
    qputenv("XDG_CACHE_HOME", cache.toUtf8());
    int result = 0;
    for (const char *kind : {"cold", "warm"}) {
        drovik::test::WindowServices services;
        std::unique_ptr<MainWindowController> window = services.shownWindow();
        QTest::qWaitForWindowExposed(window->window());
        drovik::FileListController &list = window->fileList();
        list.refreshVideoFileListWithURL(QUrl::fromLocalFile(folder));
        waitUntil([&] { return !list.isScanning() && list.allVideoFileList().size() == clips; }, 10000);
        idle(300);
        StallMeter stall;
        stall.start();
        QElapsedTimer elapsed;
        elapsed.start();
        list.setTripsShown(true);
        // The first clip as the one playing (the clips are no video): the trip follows it.
        emit window->playback()->clipChanged(made.first());
        window->tripsAction()->trigger();
        const drovik::TripPlayback &trip = *window->tripPlayback();
        const bool ready = waitUntil([&] {
            return window->trips()->isComplete() && trip.track() && int(trip.track()->clips.size()) == clips
                   && trip.track()->clips.back().read;
        }, 120000);
        const double readyMs = elapsed.nsecsElapsed() / 1e6;
        idle(500); // what the last announcement sets off
        std::printf("trip=%s clips=%d ready_ms=%.0f gui_max_stall_ms=%.0f samples=%zu\n", kind, clips, ready ? readyMs : -1.0,
                    stall.stop(), trip.track() ? trip.track()->samples.size() : 0);
        std::fflush(stdout);
        result |= ready ? 0 : 1;
    }
    QDir(cache).removeRecursively();
    QDir(folder).removeRecursively();
    return result;
}

int runBench(const QString &clipDir, int runs, double seconds)
{
    drovik::test::WindowServices services;
    std::unique_ptr<MainWindowController> window = services.shownWindow();
    if (!QTest::qWaitForWindowExposed(window->window()))
        std::fprintf(stderr, "window not exposed\n");
    QTemporaryDir workingFolder;
    window->playback()->setWorkingDirectory(workingFolder.path());
    const QString cache = drovik::conversionCacheFolder(workingFolder.path());
    const int row = listClips(*window, clipDir);
    if (row < 0) {
        std::fprintf(stderr, "the clip list does not show %s\n", qPrintable(kFrontName));
        return 1;
    }
    measureConversion(window->fileList().filteredVideoFileList().at(row), 3);

    std::vector<OpenTimes> first, cached;
    const OpenTimes warmup = openByDoubleClick(*window, row);
    std::printf("open=warmup frame_ms=%.0f ready_ms=%.0f prepare_ms=%.0f click_ms=%.0f gui_max_stall_ms=%.0f\n",
                warmup.frameMs, warmup.readyMs, warmup.prepareMs, warmup.clickMs, warmup.stallMs);
    std::fflush(stdout);
    for (int run = 0; run < runs; ++run) {
        idle(500);
        QDir(cache).removeRecursively();
        first.push_back(openByDoubleClick(*window, row));
        idle(500);
        cached.push_back(openByDoubleClick(*window, row));
    }
    printOpenLine("first", first);
    printOpenLine("cached", cached);
    measurePlaying(*window, seconds);
    // What a double-click on another row does first, each part on its own.
    QElapsedTimer closing;
    closing.start();
    window->playback()->stopVideo();
    const double stopMs = closing.nsecsElapsed() / 1e6;
    closing.start();
    window->bigMovieView()->close();
    const double bigMs = closing.nsecsElapsed() / 1e6;
    closing.start();
    window->smallMovieView()->close();
    std::printf("close=playing_pair stop_video_ms=%.0f close_big_ms=%.0f close_small_ms=%.0f\n", stopMs, bigMs,
                closing.nsecsElapsed() / 1e6);
    std::fflush(stdout);
    const auto failed = [](const OpenTimes &t) { return t.frameMs < 0; };
    return failed(warmup) || std::any_of(first.begin(), first.end(), failed)
                   || std::any_of(cached.begin(), cached.end(), failed)
               ? 1
               : 0;
}

} // namespace

int main(int argc, char **argv)
{
    // Never the user's settings or Documents: the window reads and writes them.
    drovik::test::isolateEnvironment();
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    const QStringList args = app.arguments();
    auto option = [&](const QString &name, const QString &fallback) {
        const qsizetype at = args.indexOf(name);
        return at >= 0 && at + 1 < args.size() ? args.at(at + 1) : fallback;
    };
    const int runs = option(QStringLiteral("--runs"), QStringLiteral("5")).toInt();
    const double seconds = option(QStringLiteral("--seconds"), QStringLiteral("10")).toDouble();
    const QString clipDir = option(QStringLiteral("--clips"), QDir::tempPath() + QStringLiteral("/drovik-window-bench"));

    QDir().mkpath(clipDir);
    if (args.contains(QStringLiteral("--trip"))) {
        const int result = measureTrip(clipDir, option(QStringLiteral("--trip-clips"), QStringLiteral("120")).toInt());
        QDir(drovik::test::isolatedHome()).removeRecursively();
        return result;
    }
    if (!makeClip(clipDir + QLatin1Char('/') + kFrontName,
                  QStringLiteral("testsrc2=size=1920x1080:rate=30"), 0.0)
        || !makeClip(clipDir + QLatin1Char('/') + kRearName,
                     QStringLiteral("testsrc=size=1920x1080:rate=30"), 0.001)) {
        std::fprintf(stderr, "ffmpeg could not make the clips\n");
        return 1;
    }
    for (const QString &name : {kFrontName, kRearName})
        readWhole(clipDir + QLatin1Char('/') + name);
    const int result = runBench(clipDir, std::max(runs, 1), seconds);
    QDir(drovik::test::isolatedHome()).removeRecursively();
    return result;
}
