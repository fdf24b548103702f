// libFuzzer target: both RIFF text-chunk readers; the first byte's low bit picks the family reader.
#include "telemetry/byte_source.h"
#include "telemetry/clip_data.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    drovik::telemetry::MemoryByteSource source({data + 1, size - 1});
    drovik::DrovikClipData clip;
    const int count = clip.getAllDataFromSource(source, (data[0] & 1) != 0);
    if (count < 0 || count > drovik::DrovikClipData::kCapacity || clip.gpsDataCount() > uint32_t(count))
        __builtin_trap();
    return 0;
}
