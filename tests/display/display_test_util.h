#pragma once

// Records for the display tests: a plain table that stands in for a clip's telemetry where only
// the numbers matter, and a real record loaded from a crafted clip where the whole road counts.

#include "bytes.h"
#include "telemetry/clip_data.h"
#include "temp_folder.h"

#include <QString>
#include <QImage>

#include <array>
#include <cstdint>
#include <utility>
#include <vector>

namespace drovik::test {

// The lookups of DrovikClipData over a table.
struct TableRecord {
    static constexpr int kCapacity = DrovikClipData::kCapacity;
    std::vector<std::array<int, 3>> accel;       // gx, gy, gz per sample
    std::vector<std::pair<float, float>> fixes;  // lat, lng per sample
    std::vector<uint32_t> speeds;                // km/h per sample; none: 0
    uint32_t gpsCount = 0;

    uint32_t clipDataCount() const { return uint32_t(accel.size()); }
    uint32_t gpsDataCount() const { return gpsCount; }
    int getGx(int i) const { return accel.at(std::size_t(i))[0]; }
    int getGy(int i) const { return accel.at(std::size_t(i))[1]; }
    int getGz(int i) const { return accel.at(std::size_t(i))[2]; }
    float getGpsLat(int i) const { return fixes.at(std::size_t(i)).first; }
    float getGpsLng(int i) const { return fixes.at(std::size_t(i)).second; }
    uint32_t getGpsSpeed(int i) const { return std::size_t(i) < speeds.size() ? speeds[std::size_t(i)] : 0; }
};

inline TableRecord routeRecord(std::vector<std::pair<float, float>> fixes, uint32_t gpsCount)
{
    TableRecord record;
    record.fixes = std::move(fixes);
    record.accel.assign(record.fixes.size(), {0, 0, 0});
    record.gpsCount = gpsCount;
    return record;
}

// An AVI of the text-settings camera family holding only telemetry chunks: per block one
// accelerometer record (1/10 g steps, -1280 … 1270) followed by an RMC sentence, which the
// reader spreads over ten samples of 0.1 s.
class KvlClipBuilder {
public:
    // x, y, z in 1/128 g, multiples of 10.
    KvlClipBuilder &block(int x, int y, int z, const char *rmc)
    {
        m_riff.accelKvl(x / 10 + 128, y / 10 + 128, z / 10 + 128).chunk("02tx", rmc);
        return *this;
    }

    // Loads the record the way the viewer does for this family.
    DrovikClipData load() const
    {
        TempFolder dir;
        DrovikClipData clip;
        clip.loadVideoFileClipDataFromFilePathKvl(dir.file("Rec_test.avi", m_riff.bytes()));
        return clip;
    }

private:
    RiffBuilder m_riff;
};

// A fix in Seoul: 37°23.2475' N, 126°58.3040' E.
inline constexpr const char *kSeoulFix = "$GPRMC,120000,A,3723.2475,N,12658.3040,E,10.0,0,010120,,,A";
inline constexpr const char *kNoFix = "$GPRMC,120001,V,0000.0000,N,00000.0000,E,0.0,0,010120,,,N";

// Rows of column x where the pixel has exactly that colour.
inline std::vector<int> rowsWithColor(const QImage &image, int x, QRgb color)
{
    std::vector<int> rows;
    for (int y = 0; y < image.height(); ++y) {
        if ((image.pixel(x, y) & 0xFFFFFF) == (color & 0xFFFFFF))
            rows.push_back(y);
    }
    return rows;
}

} // namespace drovik::test
