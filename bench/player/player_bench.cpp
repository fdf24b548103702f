// Plays two 1080p30 H.264 clips side by side, as the main window does (a large view and a
// 320x180 one), and prints one line per drawing mode:
//   mode=gl cpu_percent=… wall_s=… played_s=… big_decoder_drops=… big_vo_drops=… …
//   snapshot_ms_min=… snapshot_ms_median=… snapshot_ms_max=…
// cpu_percent is the process's user+system time over wall time (100 = one core busy).
// Without arguments it runs itself once per mode (OpenGL needs a display: run under xvfb-run).

#include "playback/player/drovik_av_view.h"
#include "playback/player/mpv_controller.h"
#include "playback/player/mpv_names.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTest>
#include <QTimer>

#include <sys/resource.h>

#include <algorithm>
#include <clocale>
#include <cstdio>
#include <vector>

using drovik::DrovikAVView;
using drovik::MpvController;

namespace {

double processCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
           + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

bool makeClip(const QString &path, const QString &source)
{
    if (QFileInfo(path).size() > 0)
        return true;
    const QStringList arguments{QStringLiteral("-hide_banner"), QStringLiteral("-loglevel"),
                                QStringLiteral("error"), QStringLiteral("-y"),
                                QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"), source,
                                QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                                QStringLiteral("sine=frequency=300"), QStringLiteral("-t"), QStringLiteral("30"),
                                QStringLiteral("-c:v"), QStringLiteral("libx264"), QStringLiteral("-preset"),
                                QStringLiteral("veryfast"), QStringLiteral("-g"), QStringLiteral("30"),
                                QStringLiteral("-pix_fmt"), QStringLiteral("yuv420p"), QStringLiteral("-c:a"),
                                QStringLiteral("aac"), path};
    QProcess ffmpeg;
    ffmpeg.start(QStringLiteral("ffmpeg"), arguments);
    return ffmpeg.waitForFinished(600000) && ffmpeg.exitCode() == 0;
}

qint64 counter(DrovikAVView &view, const char *name)
{
    return view.player() ? view.player()->integerProperty(name).value_or(-1) : -1;
}

int runOneMode(const QString &clipDir, double seconds)
{
    QWidget window;
    window.resize(1300, 560);
    DrovikAVView big(&window);
    DrovikAVView small(&window);
    big.setGeometry(0, 0, 960, 540);
    small.setGeometry(970, 0, 320, 180);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        std::fprintf(stderr, "window not exposed\n");
    QElapsedTimer opening;
    opening.start();
    big.setFileName(clipDir + QStringLiteral("/front.mov"));
    small.setFileName(clipDir + QStringLiteral("/rear.mov"));
    const bool ready = QTest::qWaitFor([&] { return big.status() == 2 && small.status() == 2; }, 30000);
    const double openMs = opening.nsecsElapsed() / 1e6;
    if (!ready) {
        std::fprintf(stderr, "clips did not become ready (%d, %d)\n", big.status(), small.status());
        return 1;
    }
    small.setVolume(0.0f);
    QTest::qWait(500);

    // The longest the GUI thread went without running a 10 ms timer: drawing and mpv
    // queries all happen there.
    qint64 longestStallMs = 0;
    QElapsedTimer sinceTick;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        longestStallMs = std::max(longestStallMs, sinceTick.restart());
    });
    ticker.start(10);
    sinceTick.start();

    const double cpuBefore = processCpuSeconds();
    QElapsedTimer wall;
    wall.start();
    big.play();
    small.play();
    QTest::qWait(int(seconds * 1000));
    big.pause();
    small.pause();
    const double wallSeconds = wall.nsecsElapsed() / 1e9;
    const double cpuPercent = 100.0 * (processCpuSeconds() - cpuBefore) / wallSeconds;
    const double played = big.currentTime();
    ticker.stop();

    QTest::qWait(300);
    std::vector<double> snapshotMs;
    for (int i = 0; i < 7; ++i) {
        QElapsedTimer timer;
        timer.start();
        const QImage shot = big.snapshot();
        snapshotMs.push_back(timer.nsecsElapsed() / 1e6);
        if (shot.size() != QSize(1920, 1080))
            std::fprintf(stderr, "snapshot %dx%d\n", shot.width(), shot.height());
    }
    std::sort(snapshotMs.begin(), snapshotMs.end());

    using namespace drovik::mpvname;
    std::printf("mode=%s cpu_percent=%.1f wall_s=%.2f played_s=%.2f "
                "big_decoder_drops=%lld big_vo_drops=%lld big_vo_delayed=%lld "
                "small_decoder_drops=%lld small_vo_drops=%lld small_vo_delayed=%lld gui_max_stall_ms=%lld "
                "snapshot_ms_min=%.1f snapshot_ms_median=%.1f snapshot_ms_max=%.1f\n",
                big.usesOpenGL() ? "gl" : "sw", cpuPercent, wallSeconds, played,
                counter(big, kDecoderFrameDropCount), counter(big, kFrameDropCount),
                counter(big, kVoDelayedFrameCount), counter(small, kDecoderFrameDropCount),
                counter(small, kFrameDropCount), counter(small, kVoDelayedFrameCount), longestStallMs,
                snapshotMs.front(), snapshotMs[snapshotMs.size() / 2], snapshotMs.back());
    const char *mode = big.usesOpenGL() ? "gl" : "sw";
    QElapsedTimer closing;
    closing.start();
    big.close();
    small.close();
    std::printf("mode=%s open_both_ms=%.0f close_both_ms=%.0f\n", mode,
                openMs, closing.nsecsElapsed() / 1e6);
    std::fflush(stdout);
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    const QStringList args = app.arguments();
    auto option = [&](const QString &name, const QString &fallback) {
        const qsizetype at = args.indexOf(name);
        return at >= 0 && at + 1 < args.size() ? args.at(at + 1) : fallback;
    };
    const double seconds = option(QStringLiteral("--seconds"), QStringLiteral("10")).toDouble();
    const QString clipDir = option(QStringLiteral("--clips"), QDir::tempPath() + QStringLiteral("/drovik-player-bench"));
    MpvController::setExtraOptions({{"ao", "null"}, {"hwdec", "no"}});

    if (args.contains(QStringLiteral("--one")))
        return runOneMode(clipDir, seconds);

    QDir().mkpath(clipDir);
    if (!makeClip(clipDir + QStringLiteral("/front.mov"), QStringLiteral("testsrc2=size=1920x1080:rate=30"))
        || !makeClip(clipDir + QStringLiteral("/rear.mov"), QStringLiteral("mandelbrot=size=1920x1080:rate=30"))) {
        std::fprintf(stderr, "ffmpeg could not make the clips\n");
        return 1;
    }
    int failures = 0;
    for (const char *mode : {"gl", "sw"}) {
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DROVIK_RENDER"), QLatin1String(mode));
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::ForwardedChannels);
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--one"), QStringLiteral("--seconds"), QString::number(seconds),
                     QStringLiteral("--clips"), clipDir});
        if (!child.waitForFinished(int(seconds * 1000) + 120000) || child.exitCode() != 0)
            ++failures;
    }
    return failures == 0 ? 0 : 1;
}
