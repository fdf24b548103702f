// libFuzzer target: both subtitle telemetry readers on arbitrary text, and the time lookups.
#include "telemetry/clip_data.h"
#include "telemetry/subtitle_data.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    drovik::DrovikClipData clip;
    const int count = clip.getR640AllDataFromSrtText(text);
    if (count < 0 || count > drovik::DrovikClipData::kCapacity || clip.gpsDataCount() > uint32_t(count))
        __builtin_trap();
    drovik::SubtitleData subtitles;
    subtitles.loadFromText(text);
    for (int index : {-2147483647 - 1, -1, 0, 1, 10, 11, 50, 599, 2147483647}) {
        int x = 0, y = 0, z = 0;
        float lat = 0, lng = 0;
        uint32_t speed = 0;
        if (subtitles.getSensorAt(index, x, y, z) && (x < -512 || x > 512 || z < -512 || z > 512))
            __builtin_trap();
        const int result = subtitles.getGpsAt(index, lat, lng, speed);
        if (result < 0 || result > 2)
            __builtin_trap();
    }
    return 0;
}
