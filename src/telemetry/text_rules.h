#pragma once

// Text rules shared by every telemetry reader: the lenient text-to-number conversions, strict UTF-8,
// the newline and white-space sets, and splitting. All text is UTF-8 held in std::string(_view).

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace drovik::telemetry {

// Integer value: skips leading white space (space, \t, \n, \v, \f, \r), reads an optional sign and the
// longest run of ASCII digits, saturating to the signed 32-bit range; no digits gives 0.
int32_t integerValue(std::string_view text);

// Float value: skips the same leading white space, then reads the longest decimal floating-point
// prefix (sign, digits, optional '.', optional exponent; no hex, no "inf"/"nan" words) and rounds it
// to float32 as strtof does: too large gives ±inf, too small gives ±0 or a subnormal; no prefix gives 0.
float floatValue(std::string_view text);

// True when the bytes are well-formed UTF-8 (no overlong forms, no surrogates, nothing past U+10FFFF).
bool isValidUtf8(std::string_view bytes);

// Incremental form of isValidUtf8 for text read a chunk at a time.
class Utf8Validator {
public:
    // Feeds the next bytes; returns false (and stays false) once the text cannot be valid.
    bool feed(std::string_view bytes);
    // True when everything fed so far is valid and no sequence is left unfinished.
    bool finish() const { return m_ok && m_pending == 0; }

private:
    bool m_ok = true;
    int m_pending = 0;       // continuation bytes still expected
    uint8_t m_lower = 0x80;  // bounds of the next continuation byte (tighter after E0, ED, F0, F4)
    uint8_t m_upper = 0xBF;
};

// Length in bytes of the newline character (U+000A–U+000D, U+0085, U+2028, U+2029) that starts at
// text[pos], or 0 when none starts there. The text must be valid UTF-8.
std::size_t newlineLengthAt(std::string_view text, std::size_t pos);

// Decodes the code point starting at text[pos] of valid UTF-8 and its length in bytes.
char32_t codePointAt(std::string_view text, std::size_t pos, std::size_t *length);

// Unicode white space without the line breaks: tab and the space separators (Zs).
bool isWhiteSpace(char32_t c);
// White space or a line break (U+000A–U+000D, U+0085, U+2028, U+2029).
bool isWhiteSpaceOrNewline(char32_t c);

// Splits at every occurrence of the separator; n separators give n + 1 parts (empty ones kept).
std::vector<std::string_view> splitFields(std::string_view text, char separator);

// Splits valid UTF-8 text into lines at every newline character; "\r\n" yields an empty line between.
std::vector<std::string_view> splitLines(std::string_view text);

// Number of UTF-16 code units the valid UTF-8 text would take (positions in text are counted so).
std::size_t utf16Length(std::string_view text);

// The subtitle telemetry readers' limit on a file. A camera writes one short cue per 100 ms: a
// minute's clip makes well under 1 MiB, so 16 MiB leaves ample room for longer clips and odd
// cameras while a wrong or hostile file (a video renamed .srt) is never held in memory whole.
inline constexpr std::size_t kMaxSubtitleFileBytes = std::size_t(16) << 20;

// The whole content of the file; nullopt when it cannot be opened or holds more than maxBytes.
std::optional<std::string> readWholeFile(const std::string &path, std::size_t maxBytes);

} // namespace drovik::telemetry
