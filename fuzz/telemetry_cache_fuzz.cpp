// libFuzzer target: an entry file of the per-clip telemetry cache (the user's cache folder may hold
// anything: a file of another version, a half-copied one, a stranger's), and the telemetry record
// or other make's timed track inside it, on any bytes. What either reader accepts must be exactly what its writer writes.
#include "card_fuzz_support.h"

#include "library/telemetry_cache.h"
#include "telemetry/clip_record_codec.h"
#include "telemetry/timed_track.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, std::size_t size)
{
    using namespace drovik;
    using drovik::fuzz::check;
    // The key the seeds were written for (fuzz/make_seeds.py).
    const ClipFileKey key{QStringLiteral("/card/cont_rec/clip_F.mp4"), 1000, 1700000000000};
    const QByteArray bytes = fuzz::bytesOf(data, size);
    if (const auto entry = TelemetryCache::decodeEntry(bytes, key))
        check(TelemetryCache::encodeEntry(key, *entry) == bytes, "an accepted entry that is not written back alike");

    if (const auto entry = TelemetryCache::decodeTrackEntry(bytes, key))
        check(TelemetryCache::encodeTrackEntry(key, *entry) == bytes, "an accepted track entry that is not written back alike");

    const std::string_view record(reinterpret_cast<const char *>(data), size);
    if (const auto track = telemetry::TimedTrackCodec::decode(record))
        check(telemetry::TimedTrackCodec::encode(*track) == record, "an accepted track that is not written back alike");
    if (const auto clip = telemetry::ClipRecordCodec::decode(record)) {
        check(telemetry::ClipRecordCodec::encode(*clip) == record, "an accepted record that is not written back alike");
        for (int i = -1; i <= int(clip->clipDataCount()) && i <= DrovikClipData::kCapacity; ++i)
            clip->getGpsSpeed(i);
    }
    return 0;
}
