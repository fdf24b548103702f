// libFuzzer target: the trailer block reader on arbitrary clip bytes.
#include "telemetry/byte_source.h"
#include "telemetry/clip_data.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, std::size_t size)
{
    drovik::telemetry::MemoryByteSource source({data, size});
    drovik::DrovikClipData clip;
    const int count = clip.getAllDataFromSourceTail(source);
    if (count < 0 || count > drovik::DrovikClipData::kCapacity || clip.gpsDataCount() > uint32_t(count))
        __builtin_trap();
    return 0;
}
