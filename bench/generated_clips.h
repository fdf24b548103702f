#pragma once

// Clips for the benchmarks: video-like random bytes with an embedded telemetry line every 2 KiB,
// the form the embedded scanner reads. With RMC lines (one line in ten) the scanner stops once 650
// samples are stored, as on a real clip; without them it reads to the end.

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

namespace drovik::bench {

constexpr uint64_t kMiB = 1 << 20;

// Random bytes; a stray "02tx" is as rare as in real video.
inline void fillRandom(std::vector<uint8_t> &bytes, uint64_t &state)
{
    for (std::size_t i = 0; i + 8 <= bytes.size(); i += 8) {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        std::memcpy(bytes.data() + i, &state, 8);
    }
}

inline bool writeClip(const std::filesystem::path &path, uint64_t mebibytes, bool withRmc)
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

} // namespace drovik::bench
