// Subtitle telemetry file, record reader: SubRip cues whose payloads are telemetry records.
//
//   1                                   index line (not used)
//   00:00:01,000 --> 00:00:02,000       timing line (not used by this reader)
//   gsensori,1,1024,12,-3,130;GPRMC,…   payload: records split at ";", fields at ","
//   (blank line)
//
// Cues are taken in file order with a scanner that skips white space and line breaks before each
// step; the payload runs to the next "\n\n" (so a CRLF file reads its whole rest as one payload).
// Accelerometer records ("gsensor", "gsensori", "CAR") fill the pending block and every RMC record
// ("GPRMC"/"GNRMC", also as the second record of a "gsensori" cue) closes it into ten samples.

#include "telemetry/clip_data.h"
#include "telemetry/line_records.h"
#include "telemetry/text_rules.h"

#include <optional>
#include <string>
#include <vector>

namespace drovik {

namespace {

using telemetry::codePointAt;

// The steps of a text scanner that skips white space and line breaks before each of them.
class CueScanner {
public:
    explicit CueScanner(std::string_view text) : m_text(text) {}

    bool isAtEnd()
    {
        skip();
        return m_pos >= m_text.size();
    }

    std::string_view upToNewline()
    {
        skip();
        const std::size_t start = m_pos;
        while (m_pos < m_text.size() && telemetry::newlineLengthAt(m_text, m_pos) == 0)
            advance();
        return m_text.substr(start, m_pos - start);
    }

    std::string_view upTo(std::string_view stop)
    {
        skip();
        const std::size_t start = m_pos;
        const std::size_t found = m_text.find(stop, m_pos);
        m_pos = found == std::string_view::npos ? m_text.size() : found;
        return m_text.substr(start, m_pos - start);
    }

    void take(std::string_view literal)
    {
        skip();
        if (m_text.substr(m_pos, literal.size()) == literal)
            m_pos += literal.size();
    }

private:
    void advance()
    {
        std::size_t length = 1;
        codePointAt(m_text, m_pos, &length);
        m_pos += length;
    }

    void skip()
    {
        while (m_pos < m_text.size()) {
            std::size_t length = 1;
            if (!telemetry::isWhiteSpaceOrNewline(codePointAt(m_text, m_pos, &length)))
                return;
            m_pos += length;
        }
    }

    std::string_view m_text;
    std::size_t m_pos = 0;
};

std::string_view trimWhiteSpace(std::string_view text)
{
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t length = 1;
        if (!telemetry::isWhiteSpace(codePointAt(text, start, &length)))
            break;
        start += length;
    }
    std::size_t end = text.size();
    while (end > start) {
        std::size_t back = end - 1;
        while (back > start && (uint8_t(text[back]) & 0xC0) == 0x80)
            --back;
        if (!telemetry::isWhiteSpace(codePointAt(text, back, nullptr)))
            break;
        end = back;
    }
    return text.substr(start, end - start);
}

void handlePayload(std::string_view scanned, telemetry::LineRecordReader &records)
{
    std::string payload(scanned);
    for (char &c : payload) {
        if (c == '\n')
            c = ' ';
    }
    const std::string_view trimmed = trimWhiteSpace(payload);
    const auto parts = telemetry::splitFields(trimmed, ';');
    std::vector<std::string_view> fields = telemetry::splitFields(parts[0], ',');
    if (parts.size() >= 2) {
        const auto second = telemetry::splitFields(parts[1], ',');
        fields.insert(fields.end(), second.begin(), second.end());
    }
    records.handleSubtitleFields(fields);
}

} // namespace

int DrovikClipData::getR640AllDataFromSrtText(std::string_view text)
{
    m_gpsDataCount = 0;
    if (text.empty() || !telemetry::isValidUtf8(text))
        return 0;
    telemetry::LineRecordReader records(*this);
    CueScanner scanner(text);
    while (!scanner.isAtEnd() && !records.isDone()) {
        scanner.upToNewline(); // index
        scanner.upTo(" --> "); // start time
        scanner.take("-->");
        scanner.upToNewline(); // end time
        handlePayload(scanner.upTo("\n\n"), records);
    }
    return records.finish(m_gpsDataCount);
}

int DrovikClipData::getR640AllDataFromSrtFile(const std::string &path)
{
    // Capped (kMaxSubtitleFileBytes): a larger file is no camera's and reads as an unreadable one.
    const std::optional<std::string> text = telemetry::readWholeFile(path, telemetry::kMaxSubtitleFileBytes);
    if (!text) {
        m_gpsDataCount = 0;
        return 0;
    }
    return getR640AllDataFromSrtText(*text);
}

} // namespace drovik
