// Embedded telemetry lines: some cameras put short text lines behind the ids "02tx" / "03tx" anywhere
// in the clip, without regard to the container's structure.
//
//   offset p      4 bytes   marker '0', '2' or '3', 't', 'x'   (only where 4 bytes remain)
//   p + 4         1 byte    passed over
//   p + 5 …       zero bytes, passed over
//   s             ≤ 119     line text: from the first non-zero byte to the next zero byte, at most 119
//                           bytes; UTF-8, fields split at ","; field 0 the type: "gsensor",
//                           "gsensori", "GPRMC"/"GNRMC" (see LineRecordReader)
//
// After a line the scan goes on at s + 1. The clip is streamed in windows; a line that runs past the
// current window (or behind a long run of zeros) is read straight from the source.

#include "telemetry/byte_source.h"
#include "telemetry/clip_data.h"
#include "telemetry/line_records.h"
#include "telemetry/text_rules.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace drovik {

namespace {

using telemetry::ByteSource;

constexpr std::size_t kLongestLine = 119;

bool isMarker(const uint8_t *b)
{
    return b[0] == '0' && (b[1] == '2' || b[1] == '3') && b[2] == 't' && b[3] == 'x';
}

struct LineText {
    uint64_t start = 0; // offset of the first byte of the text (the file length when none)
    std::string text;
};

// The line text behind a marker at p, read from the source directly.
LineText lineFromSource(ByteSource &source, uint64_t p)
{
    LineText line;
    uint8_t chunk[4096];
    uint64_t at = p + 5;
    for (;;) {
        const std::size_t got = source.readAt(at, chunk);
        if (got == 0) {
            line.start = std::max<uint64_t>(at, source.size());
            return line;
        }
        const auto *first = std::find_if(chunk, chunk + got, [](uint8_t b) { return b != 0; });
        if (first != chunk + got) {
            line.start = at + uint64_t(first - chunk);
            break;
        }
        at += got;
    }
    uint8_t text[kLongestLine];
    const std::size_t got = source.readAt(line.start, text);
    const std::size_t length = std::size_t(std::find(text, text + got, uint8_t(0)) - text);
    line.text.assign(reinterpret_cast<const char *>(text), length);
    return line;
}

// The line text behind a marker at index i of the window, when it lies wholly inside the window.
bool lineFromWindow(const uint8_t *window, std::size_t length, bool windowEndsFile, std::size_t i,
                    LineText &line, uint64_t base)
{
    std::size_t s = i + 5;
    while (s < length && window[s] == 0)
        ++s;
    if (s >= length) {
        if (!windowEndsFile)
            return false;
        line.start = base + std::max(s, length);
        line.text.clear();
        return true;
    }
    const std::size_t limit = std::min(length, s + kLongestLine);
    const auto *end = static_cast<const uint8_t *>(std::memchr(window + s, 0, limit - s));
    if (!end && limit < s + kLongestLine && !windowEndsFile)
        return false;
    const std::size_t textEnd = end ? std::size_t(end - window) : limit;
    line.start = base + s;
    line.text.assign(reinterpret_cast<const char *>(window + s), textEnd - s);
    return true;
}

} // namespace

int DrovikClipData::getR640AllDataFromSource(ByteSource &source, std::size_t windowBytes)
{
    telemetry::LineRecordReader records(*this);
    const uint64_t fileLength = source.size();
    const std::size_t windowLength = std::max<std::size_t>(windowBytes, 8);
    std::vector<uint8_t> window(std::min<uint64_t>(windowLength, std::max<uint64_t>(fileLength, 4)));
    LineText line;
    uint64_t p = 0;
    while (p + 3 < fileLength && !records.isDone()) {
        const std::size_t length = source.readAt(p, window);
        if (length < std::min<uint64_t>(window.size(), fileLength - p)) {
            // A clip that cannot be read to its end gives nothing, as one that cannot be opened.
            m_gpsDataCount = 0;
            return 0;
        }
        const uint64_t base = p;
        const bool endsFile = base + length >= fileLength;
        const uint8_t *b = window.data();
        // Where the next window starts: the last three bytes are looked at again with what follows.
        uint64_t next = base + length - 3;
        std::size_t i = 0;
        while (i + 3 < length) {
            const auto *zero = static_cast<const uint8_t *>(std::memchr(b + i, '0', length - 3 - i));
            if (!zero)
                break;
            i = std::size_t(zero - b);
            if (!isMarker(b + i)) {
                ++i;
                continue;
            }
            if (!lineFromWindow(b, length, endsFile, i, line, base))
                line = lineFromSource(source, base + i);
            if (telemetry::isValidUtf8(line.text))
                records.handleEmbeddedLine(line.text);
            if (records.isDone())
                break;
            const uint64_t after = line.start + 1;
            if (after >= next) {
                next = after;
                break;
            }
            i = std::size_t(after - base);
        }
        p = std::max(next, base + i);
    }
    return records.finish(m_gpsDataCount);
}

int DrovikClipData::getR640AllDataFromFile(const std::string &path)
{
    telemetry::FileByteSource source(path);
    if (!source.isOpen())
        return 0;
    return getR640AllDataFromSource(source);
}

} // namespace drovik
