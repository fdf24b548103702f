// The telemetry of a 120-clip drive read by the background loader, against the clip reader alone
// on one core, page cache warm (Google Benchmark; medians of the repetitions):
//
//   drovik_telemetry_loader_bench [benchmark options]
//
// Targets: cache cold within twice the reader alone; cache warm within 200 ms. maxStallMs is the
// longest the loader's thread went without turning its event loop (a 1 ms timer) while loading.
// The clips (120 × 4 MiB of generated video-like bytes with embedded telemetry lines, 650 samples
// each) and the cache live in a temporary folder under $TMPDIR (default /tmp), removed at the end.
#include "generated_clips.h"
#include "library/telemetry_cache.h"
#include "library/telemetry_loader.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace {

using namespace drovik;

constexpr int kClips = 120;
constexpr int kClipMebibytes = 4;

struct Drive {
    QTemporaryDir dir;
    QStringList clips;
    QString cacheFolder() const { return dir.path() + QStringLiteral("/cache"); }
};

Drive &drive()
{
    static Drive made;
    return made;
}

ClipTelemetry readClip(const QString &path)
{
    DrovikClipData clip;
    clip.loadVideoFileClipDataFromFilePath(QFile::encodeName(path).toStdString());
    return clip.clipDataCount() ? ClipTelemetry(clip) : std::nullopt;
}

// Loads every clip, returning the longest gap between turns of the event loop, in ms.
double loadAll(TelemetryLoader &loader, const QStringList &clips)
{
    QEventLoop loop;
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    QElapsedTimer sinceTurn;
    qint64 longestNs = 0;
    QObject::connect(&tick, &QTimer::timeout, &loop, [&] {
        longestNs = std::max(longestNs, sinceTurn.nsecsElapsed());
        sinceTurn.restart();
    });
    int delivered = 0;
    QObject::connect(&loader, &TelemetryLoader::clipLoaded, &loop, [&](int, const ClipTelemetry &telemetry) {
        delivered += telemetry.has_value();
    });
    QObject::connect(&loader, &TelemetryLoader::finished, &loop, &QEventLoop::quit);
    sinceTurn.start();
    tick.start(1);
    loader.load(clips);
    loop.exec();
    longestNs = std::max(longestNs, sinceTurn.nsecsElapsed());
    if (delivered != clips.size())
        std::fprintf(stderr, "only %d of %d clips had telemetry\n", delivered, int(clips.size()));
    return double(longestNs) / 1e6;
}

void BM_ReaderAloneOneCore(benchmark::State &state)
{
    for (auto _ : state) {
        for (const QString &clip : drive().clips)
            benchmark::DoNotOptimize(readClip(clip));
    }
}
BENCHMARK(BM_ReaderAloneOneCore)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1)->Repetitions(7)
    ->ReportAggregatesOnly(true);

void BM_LoaderCacheCold(benchmark::State &state)
{
    double stall = 0;
    for (auto _ : state) {
        state.PauseTiming();
        QDir(drive().cacheFolder()).removeRecursively();
        auto cache = std::make_shared<TelemetryCache>(drive().cacheFolder());
        TelemetryLoader loader(readClip, cache);
        state.ResumeTiming();
        stall = std::max(stall, loadAll(loader, drive().clips));
    }
    state.counters["maxStallMs"] = stall;
}
BENCHMARK(BM_LoaderCacheCold)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1)->Repetitions(7)
    ->ReportAggregatesOnly(true);

void BM_LoaderCacheWarm(benchmark::State &state)
{
    auto cache = std::make_shared<TelemetryCache>(drive().cacheFolder());
    TelemetryLoader loader(readClip, cache);
    loadAll(loader, drive().clips);
    double stall = 0;
    for (auto _ : state)
        stall = std::max(stall, loadAll(loader, drive().clips));
    state.counters["maxStallMs"] = stall;
}
BENCHMARK(BM_LoaderCacheWarm)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1)->Repetitions(7)
    ->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    Drive &made = drive();
    if (!made.dir.isValid())
        return 1;
    for (int i = 0; i < kClips; ++i) {
        const QString path = made.dir.filePath(QStringLiteral("2024_0517_%1_F.mov").arg(101500 + i));
        // Every clip the same bytes, as the readers' work does not depend on them.
        if (!bench::writeClip(QFile::encodeName(path).toStdString(), kClipMebibytes, true)) {
            std::fprintf(stderr, "cannot write the benchmark clips in %s\n", qPrintable(made.dir.path()));
            return 1;
        }
        made.clips.append(path);
    }
    for (const QString &clip : made.clips) // page cache warm
        readClip(clip);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
