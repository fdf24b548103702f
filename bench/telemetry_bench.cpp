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
#include "telemetry/byte_source.h"
#include "telemetry/clip_data.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr uint64_t kMiB = 1 << 20;

// Random bytes; a stray "02tx" is as rare as in real video.
void fillRandom(std::vector<uint8_t> &bytes, uint64_t &state)
{
    for (std::size_t i = 0; i + 8 <= bytes.size(); i += 8) {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        std::memcpy(bytes.data() + i, &state, 8);
    }
}

bool writeClip(const fs::path &path, uint64_t mebibytes, bool withRmc)
{
    std::ofstream out(path, std::ios::binary);
    std::vector<uint8_t> block(2048);
    uint64_t state = 0x9E3779B97F4A7C15ull;
    uint64_t line = 0;
    for (uint64_t written = 0; written < mebibytes * kMiB; written += block.size()) {
        fillRandom(block, state);
        char text[128];
        const bool rmc = withRmc && line % 10 == 9;
        const int n = rmc ? std::snprintf(text, sizeof text, "GPRMC,120000,A,3723.%04d,N,12658.3040,E,%d.0,0,010120",
                                          int(line % 10000), int(line % 60))
                          : std::snprintf(text, sizeof text, "gsensor,%d,%d,%d", int(line % 64) - 32, 3, 128);
        // Marker, one byte, zero padding, the line, a zero byte: about 60 bytes of every 2 KiB.
        std::memcpy(block.data() + 100, "02tx\x11\0\0\0", 8);
        std::memcpy(block.data() + 108, text, std::size_t(n) + 1);
        ++line;
        out.write(reinterpret_cast<const char *>(block.data()), std::streamsize(block.size()));
    }
    return bool(out);
}

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
