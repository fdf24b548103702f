#pragma once

// DrovikClipData: the telemetry of one clip, ten samples per second of video, and the readers of
// every form in which cameras store it. Sample i covers [i/10, (i+1)/10) s of playing time.
//
// Units: accelerations in 1/128 g (128 = 1 g); latitude and longitude in decimal degrees, north and
// east positive, (0, 0) meaning "no fix"; speed in whole km/h.
//
// Typical use (the playback controller):
//   DrovikClipData clip;
//   clip.loadVideoFileClipDataFromFilePath(path);     // or ...Kvl for the text-settings family
//   if (index < clip.clipDataCount()) clip.getClipDataWithIndex(index, x, y, z, lat, lng, speed);
//
// Loading never throws; a file that cannot be read or holds no telemetry leaves both counts at 0.

#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace drovik::telemetry {
class ByteSource;
class ClipRecordCodec;
class SampleWriter;
}

namespace drovik {

// A moment to the millisecond, counted as UTC.
using ClipTime = std::chrono::sys_time<std::chrono::milliseconds>;

class DrovikClipData {
public:
    // The samples a clip can hold (65 s at ten a second); every reader and display stops here.
    static constexpr int kCapacity = 650;
    // What the lookups answer outside the valid samples.
    static constexpr int kNoDataAcceleration = -512;
    static constexpr float kNoDataCoordinate = 512.0f;
    static constexpr uint32_t kNoDataSpeed = 1024;

    // Sample storage; only indices below clipDataCount() carry meaning.
    std::array<int16_t, kCapacity> gx{};
    std::array<int16_t, kCapacity> gy{};
    std::array<int16_t, kCapacity> gz{};
    std::array<float, kCapacity> gpsInfoLat{};
    std::array<float, kCapacity> gpsInfoLng{};
    std::array<uint32_t, kCapacity> gpsSpeed{};

    uint32_t clipDataCount() const { return m_clipDataCount; }
    uint32_t gpsDataCount() const { return m_gpsDataCount; }
    // When sample 0 was recorded, by the GPS: the UTC date and time of the first RMC sentence with
    // a fix and a date, to the whole second, less the samples before its block. Nothing when the
    // telemetry has no such sentence (trailer blocks never do).
    std::optional<ClipTime> gpsStartTime() const { return m_gpsStartTime; }

    // General loader: a path ending in ".srt" (exactly, lower case) is read as subtitle telemetry;
    // anything else is tried as embedded lines, then as a trailer block, then as RIFF text chunks.
    void loadVideoFileClipDataFromFilePath(const std::string &path);
    // Loader for the text-settings camera family: RIFF text chunks with that family's records only.
    void loadVideoFileClipDataFromFilePathKvl(const std::string &path);

    // Lookups. An index is valid when 0 <= index < min(clipDataCount, kCapacity); otherwise the no-data
    // values are answered.
    int getGx(int index) const;
    int getGy(int index) const;
    int getGz(int index) const;
    float getGpsLat(int index) const;
    float getGpsLng(int index) const;
    uint32_t getGpsSpeed(int index) const;
    void getClipDataWithIndex(int index, int &x, int &y, int &z, float &lat, float &lng,
                              uint32_t &speed) const;

    // The readers. Each fills the samples from index 0, sets gpsDataCount and returns the number of
    // samples stored (0: nothing in that form). They do not set clipDataCount; the loaders do.
    int getR640AllDataFromSrtFile(const std::string &path);   // subtitle telemetry file
    int getR640AllDataFromFile(const std::string &path);      // "02tx"/"03tx" lines found by scanning
    int getAllDataFromFileTail(const std::string &path);      // "ETKQX4" trailer block
    int getAllDataFromFile(const std::string &path);          // RIFF text chunks, most cameras
    int getAllDataFromFileKvl(const std::string &path);      // RIFF text chunks, text-settings family

    // The same readers over bytes from any source (tests and fuzzers use memory).
    int getR640AllDataFromSrtText(std::string_view text);
    // windowBytes: how much of the clip is looked at at a time (at least 8; tests use small ones).
    int getR640AllDataFromSource(telemetry::ByteSource &source, std::size_t windowBytes = 4 << 20);
    int getAllDataFromSourceTail(telemetry::ByteSource &source);
    int getAllDataFromSource(telemetry::ByteSource &source, bool kvlFamily);

    // NMEA coordinate text (ddmm.mmmm or dddmm.mmmm) to millionths of a degree, truncated.
    static int32_t cal_string(std::string_view text);

    // Clears samples and counts, as every load does first.
    void clear();

private:
    friend class telemetry::SampleWriter;
    friend class telemetry::ClipRecordCodec;
    bool isValidIndex(int index) const;

    uint32_t m_clipDataCount = 0;
    uint32_t m_gpsDataCount = 0;
    std::optional<ClipTime> m_gpsStartTime;
};

} // namespace drovik
