#include "telemetry/subtitle_patterns.h"

#include "telemetry/text_rules.h"

namespace drovik {

namespace {

bool isDigitAt(std::string_view text, std::size_t i)
{
    return i < text.size() && text[i] >= '0' && text[i] <= '9';
}

bool isPatternSpace(char32_t c)
{
    // Tab, line feed, form feed, carriage return and the separators Zs, Zl, Zp.
    return c == U'\n' || c == U'\f' || c == U'\r' || c == 0x2028 || c == 0x2029
        || telemetry::isWhiteSpace(c);
}

// Length of the run of pattern white space at i.
std::size_t spaceRun(std::string_view text, std::size_t i)
{
    std::size_t j = i;
    while (j < text.size()) {
        std::size_t length = 1;
        if (!isPatternSpace(telemetry::codePointAt(text, j, &length)))
            break;
        j += length;
    }
    return j - i;
}

std::optional<TimingMatch> matchAt(std::string_view text, std::size_t i)
{
    // \d{2}:(\d{2}):(\d{2}(,\d+))
    if (!isDigitAt(text, i) || !isDigitAt(text, i + 1) || i + 2 >= text.size() || text[i + 2] != ':'
        || !isDigitAt(text, i + 3) || !isDigitAt(text, i + 4) || i + 5 >= text.size()
        || text[i + 5] != ':' || !isDigitAt(text, i + 6) || !isDigitAt(text, i + 7)
        || i + 8 >= text.size() || text[i + 8] != ',' || !isDigitAt(text, i + 9))
        return std::nullopt;
    std::size_t j = i + 9;
    while (isDigitAt(text, j))
        ++j;
    const std::size_t secondsEnd = j;
    // \s*-->\s*
    j += spaceRun(text, j);
    if (text.substr(j, 3) != "-->")
        return std::nullopt;
    j += 3;
    j += spaceRun(text, j);
    // ([0-9:\.]+)
    const std::size_t endStart = j;
    while (j < text.size() && (isDigitAt(text, j) || text[j] == ':' || text[j] == '.'))
        ++j;
    if (j == endStart)
        return std::nullopt;
    TimingMatch match;
    match.whole = text.substr(i, j - i);
    match.minutes = text.substr(i + 3, 2);
    match.seconds = text.substr(i + 6, secondsEnd - (i + 6));
    match.endTime = text.substr(endStart, j - endStart);
    return match;
}

} // namespace

std::optional<TimingMatch> firstMatch(std::string_view text)
{
    for (std::size_t i = 0; i + 2 < text.size(); ++i) {
        if (auto match = matchAt(text, i))
            return match;
    }
    return std::nullopt;
}

std::optional<std::string_view> firstMatchString(std::string_view text)
{
    if (auto match = firstMatch(text))
        return match->minutes;
    return std::nullopt;
}

bool isBlankLine(std::string_view text)
{
    return spaceRun(text, 0) == text.size();
}

} // namespace drovik
