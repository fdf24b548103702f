// RIFF text chunks: AVI clips interleave small text chunks "02tx"/"03tx" with the video.
//
//   offset  size  content                      (integers little-endian)
//   0       4     "RIFF"
//   4       4     size (not used)
//   8       4     form type "AVI "
//   12      …     chunks: id (4), payload size (4), payload, one pad byte when the size is odd
//
// "LIST" chunks are entered (their 4-byte list type is skipped), so the walk is flat. A text chunk's
// first payload byte selects its record:
//   'M'  accelerometer: bytes 1, 2, 3 = X, Y, Z. Most cameras: value = 128 − byte (needs 4 bytes).
//        Text-settings family: value = (byte − 128) × 10, only when bytes 4, 5, 6 are 0x01.
//   'T'  time mark, no GPS this second (most cameras only): closes the block without a fix.
//   '$', 'G'  NMEA text up to the first zero byte; "$GPRMC" / "G$GPRMC" closes the block with a fix.
// Payloads are read into a zero-filled buffer one byte longer than the part kept; a chunk that runs
// past the end of the file is handled with the bytes that are there and ends the walk.

#include "telemetry/byte_source.h"
#include "telemetry/clip_data.h"
#include "telemetry/sample_writer.h"
#include "telemetry/text_rules.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace drovik {

namespace {

using telemetry::AccelSample;
using telemetry::ByteSource;

constexpr std::size_t kPendingBound = 60;
// Camera text chunks are tens of bytes; a larger declared size does not make us allocate it.
constexpr uint32_t kLargestRecord = 64 * 1024;

// Sequential reads over a source with a read-ahead window; skipping past the end is allowed.
class StreamReader {
public:
    explicit StreamReader(ByteSource &source) : m_source(source), m_window(64 * 1024) {}

    std::size_t read(uint8_t *out, std::size_t n)
    {
        std::size_t done = 0;
        while (done < n) {
            if (m_position < m_windowStart || m_position >= m_windowStart + m_windowLength) {
                m_windowStart = m_position;
                m_windowLength = m_source.readAt(m_position, m_window);
                if (m_windowLength == 0)
                    break;
            }
            const auto offset = std::size_t(m_position - m_windowStart);
            const std::size_t take = std::min(n - done, m_windowLength - offset);
            std::memcpy(out + done, m_window.data() + offset, take);
            done += take;
            m_position += take;
        }
        return done;
    }

    void skip(uint64_t n) { m_position = n > UINT64_MAX - m_position ? UINT64_MAX : m_position + n; }

private:
    ByteSource &m_source;
    std::vector<uint8_t> m_window;
    uint64_t m_windowStart = 0;
    std::size_t m_windowLength = 0;
    uint64_t m_position = 0;
};

class RiffRecordHandler {
public:
    RiffRecordHandler(DrovikClipData &clip, bool kvlFamily)
        : m_writer(clip), m_kvlFamily(kvlFamily) {}

    bool isDone() const { return m_writer.isFull(); }

    // payload has declaredSize + 1 bytes at least up to the kept part, zero beyond what was read.
    void record(const std::vector<uint8_t> &payload, uint32_t declaredSize)
    {
        switch (payload[0]) {
        case 'M':
            accelerometer(payload, declaredSize);
            break;
        case 'T':
            if (m_kvlFamily)
                break;
            if (m_pending.count() > 0) {
                m_writer.flush(m_pending, m_pending.count(), telemetry::FixState{});
                m_pending.reset();
            }
            m_fix = telemetry::FixState{};
            break;
        case '$':
        case 'G':
            sentence(payload);
            break;
        default:
            break;
        }
    }

    int finish(uint32_t &gpsDataCount)
    {
        if (m_pending.count() > 0 && m_writer.count() > 0)
            m_writer.flush(m_pending, m_pending.count(), m_fix);
        gpsDataCount = m_writer.finish();
        return m_writer.count();
    }

private:
    void accelerometer(const std::vector<uint8_t> &p, uint32_t declaredSize)
    {
        if (!m_kvlFamily) {
            if (declaredSize < 4)
                return;
            m_pending.append({int16_t(128 - p[1]), int16_t(128 - p[2]), int16_t(128 - p[3])});
            return;
        }
        if (declaredSize < 7 || p[4] != 1 || p[5] != 1 || p[6] != 1)
            return;
        m_pending.append({int16_t((p[1] - 128) * 10), int16_t((p[2] - 128) * 10),
                         int16_t((p[3] - 128) * 10)});
    }

    void sentence(const std::vector<uint8_t> &payload)
    {
        const char *text = reinterpret_cast<const char *>(payload.data());
        const std::string_view line(text, strnlen(text, payload.size()));
        if (!telemetry::isValidUtf8(line))
            return;
        const auto fields = telemetry::splitFields(line, ',');
        if ((fields[0] != "$GPRMC" && fields[0] != "G$GPRMC") || fields.size() < 8)
            return;
        telemetry::decodeRmc(fields, m_fix);
        if (m_pending.count() > 0) {
            m_writer.flush(m_pending, m_pending.count(), m_fix);
            m_pending.reset();
        }
    }

    telemetry::SampleWriter m_writer;
    telemetry::PendingBlock m_pending{kPendingBound};
    telemetry::FixState m_fix;
    bool m_kvlFamily;
};

bool readHeader(StreamReader &in)
{
    uint8_t head[12] = {};
    if (in.read(head, 8) != 8 || std::memcmp(head, "RIFF", 4) != 0)
        return false;
    return in.read(head + 8, 4) == 4 && std::memcmp(head + 8, "AVI ", 4) == 0;
}

} // namespace

int DrovikClipData::getAllDataFromSource(ByteSource &source, bool kvlFamily)
{
    StreamReader in(source);
    if (!readHeader(in))
        return 0;
    RiffRecordHandler handler(*this, kvlFamily);
    std::vector<uint8_t> payload;
    while (!handler.isDone()) {
        uint8_t header[8];
        if (in.read(header, 8) != 8)
            break;
        const std::span<const uint8_t> headerBytes(header);
        const uint32_t size = *telemetry::readLe32(headerBytes, 4);
        if (telemetry::hasTag(headerBytes, 0, "LIST")) {
            uint8_t listType[4];
            if (in.read(listType, 4) != 4)
                break;
            continue;
        }
        const uint64_t padded = uint64_t(size) + (size & 1);
        if (!telemetry::hasTag(headerBytes, 0, "02tx") && !telemetry::hasTag(headerBytes, 0, "03tx")) {
            in.skip(padded);
            continue;
        }
        const uint32_t kept = std::min(size, kLargestRecord);
        payload.assign(std::size_t(kept) + 1, 0);
        const std::size_t got = in.read(payload.data(), kept);
        handler.record(payload, size);
        if (got < kept)
            break;
        in.skip(padded - kept);
    }
    return handler.finish(m_gpsDataCount);
}

int DrovikClipData::getAllDataFromFile(const std::string &path)
{
    telemetry::FileByteSource source(path);
    return source.isOpen() ? getAllDataFromSource(source, false) : 0;
}

int DrovikClipData::getAllDataFromFileKvl(const std::string &path)
{
    telemetry::FileByteSource source(path);
    return source.isOpen() ? getAllDataFromSource(source, true) : 0;
}

} // namespace drovik
