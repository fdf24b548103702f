// libFuzzer target: the embedded-line scanner. The same bytes are scanned with one window holding
// them all and with a window of 8 to 71 bytes (chosen by the first byte), so every line crosses
// window edges; both scans must agree sample for sample.
#include "telemetry/byte_source.h"
#include "telemetry/clip_data.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace {

bool same(const drovik::DrovikClipData &a, const drovik::DrovikClipData &b, int count)
{
    if (a.gpsDataCount() != b.gpsDataCount())
        return false;
    for (int i = 0; i < count; ++i) {
        const auto k = std::size_t(i);
        if (a.gx[k] != b.gx[k] || a.gy[k] != b.gy[k] || a.gz[k] != b.gz[k] || a.gpsSpeed[k] != b.gpsSpeed[k]
            || std::memcmp(&a.gpsInfoLat[k], &b.gpsInfoLat[k], sizeof(float)) != 0
            || std::memcmp(&a.gpsInfoLng[k], &b.gpsInfoLng[k], sizeof(float)) != 0)
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::size_t smallWindow = 8 + (data[0] & 63);
    drovik::telemetry::MemoryByteSource source({data + 1, size - 1});
    drovik::DrovikClipData whole;
    drovik::DrovikClipData windowed;
    const int count = whole.getR640AllDataFromSource(source);
    const int windowedCount = windowed.getR640AllDataFromSource(source, smallWindow);
    if (count < 0 || count > drovik::DrovikClipData::kCapacity || count != windowedCount
        || !same(whole, windowed, count) || whole.gpsDataCount() > uint32_t(count))
        __builtin_trap();
    return 0;
}
