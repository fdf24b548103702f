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
    explicit CueScanner(std::string_view text) : text_(text) {}

    bool isAtEnd()
    {
        skip();
        return pos_ >= text_.size();
    }

    std::string_view upToNewline()
    {
        skip();
        const std::size_t start = pos_;
        while (pos_ < text_.size() && telemetry::newlineLengthAt(text_, pos_) == 0)
            advance();
        return text_.substr(start, pos_ - start);
    }

    std::string_view upTo(std::string_view stop)
    {
        skip();
        const std::size_t start = pos_;
        const std::size_t found = text_.find(stop, pos_);
        pos_ = found == std::string_view::npos ? text_.size() : found;
        return text_.substr(start, pos_ - start);
    }

    void take(std::string_view literal)
    {
        skip();
        if (text_.substr(pos_, literal.size()) == literal)
            pos_ += literal.size();
    }

private:
    void advance()
    {
        std::size_t length = 1;
        codePointAt(text_, pos_, &length);
        pos_ += length;
    }

    void skip()
    {
        while (pos_ < text_.size()) {
            std::size_t length = 1;
            if (!telemetry::isWhiteSpaceOrNewline(codePointAt(text_, pos_, &length)))
                return;
            pos_ += length;
        }
    }

    std::string_view text_;
    std::size_t pos_ = 0;
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
    gpsDataCount_ = 0;
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
    return records.finish(gpsDataCount_);
}

int DrovikClipData::getR640AllDataFromSrtFile(const std::string &path)
{
    // Capped (kMaxSubtitleFileBytes): a larger file is no camera's and reads as an unreadable one.
    const std::optional<std::string> text = telemetry::readWholeFile(path, telemetry::kMaxSubtitleFileBytes);
    if (!text) {
        gpsDataCount_ = 0;
        return 0;
    }
    return getR640AllDataFromSrtText(*text);
}

} // namespace drovik
