#include "telemetry/text_rules.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <limits>
#include <system_error>

namespace drovik::telemetry {

namespace {

bool isCSpace(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::size_t skipCSpace(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && isCSpace(text[i]))
        ++i;
    return i;
}

// A magnitude estimate of a decimal number that std::from_chars reported out of range: positive
// means it overflowed, otherwise it underflowed.
bool overflowed(std::string_view mantissa, std::string_view exponent)
{
    long long exp = 0;
    std::size_t i = 0;
    bool negative = false;
    if (i < exponent.size() && (exponent[i] == '+' || exponent[i] == '-'))
        negative = exponent[i++] == '-';
    for (; i < exponent.size(); ++i) {
        if (exp < 1'000'000'000)
            exp = exp * 10 + (exponent[i] - '0');
    }
    if (negative)
        exp = -exp;
    long long integerDigits = 0;
    bool seenNonZero = false;
    bool afterPoint = false;
    for (char c : mantissa) {
        if (c == '.') {
            afterPoint = true;
            if (seenNonZero)
                break;
            continue;
        }
        if (!seenNonZero && c == '0') {
            if (afterPoint)
                --integerDigits;
            continue;
        }
        seenNonZero = true;
        if (afterPoint)
            break;
        ++integerDigits;
    }
    return integerDigits + exp > 0;
}

} // namespace

int32_t integerValue(std::string_view text)
{
    std::size_t i = skipCSpace(text);
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    int64_t value = 0;
    const int64_t limit = negative ? -int64_t(std::numeric_limits<int32_t>::min())
                                   : int64_t(std::numeric_limits<int32_t>::max());
    for (; i < text.size() && isDigit(text[i]); ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > limit)
            value = limit;
    }
    return int32_t(negative ? -value : value);
}

float floatValue(std::string_view text)
{
    std::size_t i = skipCSpace(text);
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    const std::size_t start = i;
    std::size_t digits = 0;
    for (; i < text.size() && isDigit(text[i]); ++i)
        ++digits;
    if (i < text.size() && text[i] == '.') {
        ++i;
        for (; i < text.size() && isDigit(text[i]); ++i)
            ++digits;
    }
    if (digits == 0)
        return 0.0f;
    const std::size_t mantissaEnd = i;
    std::size_t end = mantissaEnd;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            ++j;
        if (j < text.size() && isDigit(text[j])) {
            while (j < text.size() && isDigit(text[j]))
                ++j;
            end = j;
        }
    }
    float value = 0.0f;
    const char *first = text.data() + start;
    const char *last = text.data() + end;
    const auto result = std::from_chars(first, last, value, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        const std::string_view mantissa = text.substr(start, mantissaEnd - start);
        const std::string_view exponent =
            end > mantissaEnd ? text.substr(mantissaEnd + 1, end - mantissaEnd - 1) : std::string_view();
        value = overflowed(mantissa, exponent) ? std::numeric_limits<float>::infinity() : 0.0f;
    } else if (result.ec != std::errc()) {
        value = 0.0f;
    }
    return negative ? -value : value;
}

bool Utf8Validator::feed(std::string_view bytes)
{
    for (std::size_t i = 0; m_ok && i < bytes.size(); ++i) {
        const auto b = uint8_t(bytes[i]);
        if (m_pending > 0) {
            if (b < m_lower || b > m_upper) {
                m_ok = false;
                break;
            }
            m_lower = 0x80;
            m_upper = 0xBF;
            --m_pending;
            continue;
        }
        if (b < 0x80)
            continue;
        if (b >= 0xC2 && b <= 0xDF) {
            m_pending = 1;
        } else if (b >= 0xE0 && b <= 0xEF) {
            m_pending = 2;
            if (b == 0xE0)
                m_lower = 0xA0;
            else if (b == 0xED)
                m_upper = 0x9F;
        } else if (b >= 0xF0 && b <= 0xF4) {
            m_pending = 3;
            if (b == 0xF0)
                m_lower = 0x90;
            else if (b == 0xF4)
                m_upper = 0x8F;
        } else {
            m_ok = false;
        }
    }
    return m_ok;
}

bool isValidUtf8(std::string_view bytes)
{
    Utf8Validator validator;
    validator.feed(bytes);
    return validator.finish();
}

char32_t codePointAt(std::string_view text, std::size_t pos, std::size_t *length)
{
    const auto b = uint8_t(text[pos]);
    std::size_t n = b < 0x80 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
    if (pos + n > text.size())
        n = text.size() - pos;
    char32_t c = n == 1 ? b : n == 2 ? (b & 0x1F) : n == 3 ? (b & 0x0F) : (b & 0x07);
    for (std::size_t k = 1; k < n; ++k)
        c = (c << 6) | (uint8_t(text[pos + k]) & 0x3F);
    if (length)
        *length = n;
    return c;
}

std::size_t newlineLengthAt(std::string_view text, std::size_t pos)
{
    const auto b = uint8_t(text[pos]);
    if (b >= 0x0A && b <= 0x0D)
        return 1;
    if (b == 0xC2 && pos + 1 < text.size() && uint8_t(text[pos + 1]) == 0x85)
        return 2;
    if (b == 0xE2 && pos + 2 < text.size() && uint8_t(text[pos + 1]) == 0x80
        && (uint8_t(text[pos + 2]) == 0xA8 || uint8_t(text[pos + 2]) == 0xA9))
        return 3;
    return 0;
}

bool isWhiteSpace(char32_t c)
{
    return c == U'\t' || c == U' ' || c == 0xA0 || c == 0x1680 || (c >= 0x2000 && c <= 0x200A)
        || c == 0x202F || c == 0x205F || c == 0x3000;
}

bool isWhiteSpaceOrNewline(char32_t c)
{
    return isWhiteSpace(c) || (c >= 0x0A && c <= 0x0D) || c == 0x85 || c == 0x2028 || c == 0x2029;
}

std::vector<std::string_view> splitFields(std::string_view text, char separator)
{
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t at = text.find(separator, start);
        if (at == std::string_view::npos) {
            fields.push_back(text.substr(start));
            return fields;
        }
        fields.push_back(text.substr(start, at - start));
        start = at + 1;
    }
}

std::vector<std::string_view> splitLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t n = newlineLengthAt(text, i);
        if (n == 0) {
            ++i;
            continue;
        }
        lines.push_back(text.substr(start, i - start));
        i += n;
        start = i;
    }
    lines.push_back(text.substr(start));
    return lines;
}

std::size_t utf16Length(std::string_view text)
{
    std::size_t units = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto b = uint8_t(text[i]);
        if ((b & 0xC0) != 0x80)
            units += b >= 0xF0 ? 2 : 1;
    }
    return units;
}

std::optional<std::string> readWholeFile(const std::string &path, std::size_t maxBytes)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return std::nullopt;
    // Read a piece at a time, one byte past the limit at most, rather than trusting a size the
    // file reports (a pipe or a growing file has none worth trusting).
    std::string text;
    char buffer[64 * 1024];
    while (file && text.size() <= maxBytes) {
        file.read(buffer, std::streamsize(std::min(sizeof buffer, maxBytes + 1 - text.size())));
        text.append(buffer, std::size_t(file.gcount()));
    }
    if (text.size() > maxBytes)
        return std::nullopt;
    return text;
}

} // namespace drovik::telemetry
