// Trailer telemetry block: text appended to the end of a clip.
//
//   offset        size   content
//   0             M      the clip itself (any bytes)
//   M             6      magic "ETKQX4"
//   M + 6         …      UTF-8 text, one sample per line, to the end of the file
//
// The magic is searched forward from L − 33006 to L − 7 (L = file length); the first hit wins. With no
// hit, or a file shorter than 33 006 bytes, the text is taken from byte 6 on as if the file began with
// the magic. Lines split at every newline character; a sample line has exactly 7 comma-separated
// fields: (unused), latitude, longitude (signed degrees, float), speed km/h, X, Y, Z (1/128 g,
// integers, low 16 bits kept). Ten lines stand for one second of video.
//
// Only the last 33 006 bytes are read when the magic is there; otherwise the text is validated and
// then parsed a chunk at a time, so a multi-gigabyte clip is never held in memory.

#include "telemetry/byte_source.h"
#include "telemetry/clip_data.h"
#include "telemetry/text_rules.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace drovik {

namespace {

using telemetry::ByteSource;

constexpr uint64_t kSearchWindow = 33006;
constexpr std::size_t kMagicLength = 6;
constexpr std::size_t kChunk = 1 << 20;
// A sample line is a few dozen bytes; while streaming, a line longer than this is not a sample line.
constexpr std::size_t kLongestLine = 1 << 20;

class TrailerParser {
public:
    explicit TrailerParser(DrovikClipData &clip) : m_clip(clip) {}

    // Returns false once the clip is full.
    bool line(std::string_view text)
    {
        const auto fields = telemetry::splitFields(text, ',');
        if (fields.size() != 7)
            return true;
        const auto i = std::size_t(m_count);
        m_clip.gpsInfoLat[i] = telemetry::floatValue(fields[1]);
        m_clip.gpsInfoLng[i] = telemetry::floatValue(fields[2]);
        m_clip.gpsSpeed[i] = uint32_t(telemetry::integerValue(fields[3]));
        m_clip.gx[i] = int16_t(telemetry::integerValue(fields[4]));
        m_clip.gy[i] = int16_t(telemetry::integerValue(fields[5]));
        m_clip.gz[i] = int16_t(telemetry::integerValue(fields[6]));
        if (m_clip.gpsInfoLat[i] != 0.0f || m_clip.gpsInfoLng[i] != 0.0f)
            ++m_withFix;
        ++m_count;
        return m_count < DrovikClipData::kCapacity;
    }

    // Feeds valid UTF-8 text in pieces; complete lines are parsed as they arrive.
    bool feed(std::string_view piece)
    {
        m_carry.append(piece);
        std::string_view text(m_carry);
        std::size_t start = 0;
        for (std::size_t i = 0; i < text.size();) {
            const std::size_t n = telemetry::newlineLengthAt(text, i);
            if (n == 0) {
                ++i;
                continue;
            }
            const bool overlong = m_skippingLongLine || i - start > kLongestLine;
            if (!overlong && !line(text.substr(start, i - start)))
                return false;
            m_skippingLongLine = false;
            i += n;
            start = i;
        }
        m_carry.erase(0, start);
        if (m_carry.size() > kLongestLine) {
            m_skippingLongLine = true;
            m_carry.erase(0, m_carry.size() - 2); // keep the start of a newline split across pieces
        }
        return true;
    }

    void end()
    {
        if (!m_skippingLongLine && m_carry.size() <= kLongestLine)
            line(m_carry);
    }

    int count() const { return m_count; }
    uint32_t withFix() const { return m_withFix; }

private:
    DrovikClipData &m_clip;
    std::string m_carry;
    bool m_skippingLongLine = false;
    int m_count = 0;
    uint32_t m_withFix = 0;
};

bool validateRange(ByteSource &source, uint64_t from, std::vector<uint8_t> &buffer)
{
    telemetry::Utf8Validator validator;
    for (uint64_t at = from; at < source.size();) {
        const std::size_t got = source.readAt(at, buffer);
        if (got == 0)
            return false;
        if (!validator.feed({reinterpret_cast<const char *>(buffer.data()), got}))
            return false;
        at += got;
    }
    return validator.finish();
}

} // namespace

int DrovikClipData::getAllDataFromSourceTail(ByteSource &source)
{
    m_gpsDataCount = 0;
    const uint64_t length = source.size();
    if (length < kMagicLength + 1)
        return 0;
    TrailerParser parser(*this);
    if (length >= kSearchWindow) {
        std::vector<uint8_t> window(kSearchWindow);
        if (source.readAt(length - kSearchWindow, window) != kSearchWindow)
            return 0;
        const std::size_t lastStart = kSearchWindow - 7;
        for (std::size_t i = 0; i <= lastStart; ++i) {
            if (std::memcmp(window.data() + i, "ETKQX4", kMagicLength) != 0)
                continue;
            const std::string_view text(reinterpret_cast<const char *>(window.data()) + i + kMagicLength,
                                        kSearchWindow - i - kMagicLength);
            if (!telemetry::isValidUtf8(text))
                return 0;
            for (std::string_view line : telemetry::splitLines(text)) {
                if (!parser.line(line))
                    break;
            }
            m_gpsDataCount = parser.withFix();
            return parser.count();
        }
    }
    std::vector<uint8_t> buffer(std::min<uint64_t>(kChunk, length));
    if (!validateRange(source, kMagicLength, buffer))
        return 0;
    bool more = true;
    for (uint64_t at = kMagicLength; more && at < length;) {
        const std::size_t got = source.readAt(at, buffer);
        if (got == 0)
            break;
        more = parser.feed({reinterpret_cast<const char *>(buffer.data()), got});
        at += got;
    }
    if (more)
        parser.end();
    m_gpsDataCount = parser.withFix();
    return parser.count();
}

int DrovikClipData::getAllDataFromFileTail(const std::string &path)
{
    telemetry::FileByteSource source(path);
    if (!source.isOpen()) {
        m_gpsDataCount = 0;
        return 0;
    }
    return getAllDataFromSourceTail(source);
}

} // namespace drovik
