// Benchmarks of the clip readers on generated clips, page cache warm.
//
//   drovik_telemetry_bench [benchmark options]     generates 1 GiB clips in $TMPDIR (default /tmp),
//                                                  runs the benchmarks and deletes the clips
//   drovik_telemetry_bench --write-clip PATH MiB [rmc]
//                                                  writes one such clip (video-like random bytes with
//                                                  an embedded telemetry line every ~2 KiB) and exits
//
// The clip with accelerometer lines only makes the scanner read to the end (nothing closes a
// block, so nothing allows an early stop); the clip with an RMC line per ten lines stops once 650
// samples are stored, as a real clip does.
#include "generated_clips.h"
#include "telemetry/byte_source.h"
#include "telemetry/clip_data.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;
using drovik::bench::writeClip;

fs::path benchDir()
{
    const char *tmp = std::getenv("TMPDIR");
    return fs::path(tmp && *tmp ? tmp : "/tmp");
}

const fs::path &linesOnlyClip()
{
    static const fs::path path = benchDir() / "drovik-bench-lines-only.mov";
    return path;
}

const fs::path &secondsClip()
{
    static const fs::path path = benchDir() / "drovik-bench-with-rmc.mov";
    return path;
}

void setBytes(benchmark::State &state, const fs::path &path)
{
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(fs::file_size(path)));
}

void BM_EmbeddedScanWholeClip(benchmark::State &state)
{
    for (auto _ : state) {
        drovik::DrovikClipData clip;
        benchmark::DoNotOptimize(clip.getR640AllDataFromFile(linesOnlyClip().string()));
    }
    setBytes(state, linesOnlyClip());
}
BENCHMARK(BM_EmbeddedScanWholeClip)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

void BM_GeneralLoaderStopsAt650(benchmark::State &state)
{
    for (auto _ : state) {
        drovik::DrovikClipData clip;
        clip.loadVideoFileClipDataFromFilePath(secondsClip().string());
        benchmark::DoNotOptimize(clip.clipDataCount());
    }
}
BENCHMARK(BM_GeneralLoaderStopsAt650)->Unit(benchmark::kMicrosecond);

void BM_TrailerReaderOnVideoBytes(benchmark::State &state)
{
    for (auto _ : state) {
        drovik::DrovikClipData clip;
        benchmark::DoNotOptimize(clip.getAllDataFromFileTail(linesOnlyClip().string()));
    }
}
BENCHMARK(BM_TrailerReaderOnVideoBytes)->Unit(benchmark::kMicrosecond);

void BM_RiffReaderOnNonRiff(benchmark::State &state)
{
    for (auto _ : state) {
        drovik::DrovikClipData clip;
        benchmark::DoNotOptimize(clip.getAllDataFromFile(linesOnlyClip().string()));
    }
}
BENCHMARK(BM_RiffReaderOnNonRiff)->Unit(benchmark::kMicrosecond);

void BM_TrailerInMemory(benchmark::State &state)
{
    std::string bytes(64 * 1024, '\xFF');
    bytes += "ETKQX4";
    for (int i = 0; i < 650; ++i)
        bytes += "0,37.5,127.25,88,10,-20,130\n";
    drovik::telemetry::MemoryByteSource source(bytes);
    for (auto _ : state) {
        drovik::DrovikClipData clip;
        benchmark::DoNotOptimize(clip.getAllDataFromSourceTail(source));
    }
}
BENCHMARK(BM_TrailerInMemory)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    if (argc >= 4 && std::strcmp(argv[1], "--write-clip") == 0) {
        const bool rmc = argc >= 5 && std::strcmp(argv[4], "rmc") == 0;
        return writeClip(argv[2], std::strtoull(argv[3], nullptr, 10), rmc) ? 0 : 1;
    }
    if (!writeClip(linesOnlyClip(), 1024, false) || !writeClip(secondsClip(), 64, true)) {
        std::fprintf(stderr, "cannot write the benchmark clips in %s\n", benchDir().c_str());
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    fs::remove(linesOnlyClip());
    fs::remove(secondsClip());
    return 0;
}
