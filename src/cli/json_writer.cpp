#include "json_writer.h"

#include "telemetry/telemetry_export.h"

#include <charconv>
#include <cmath>

namespace drovik::cli {

namespace {

void appendQuoted(std::string &out, std::string_view utf8)
{
    static constexpr char kHex[] = "0123456789abcdef";
    out += '"';
    for (const char c : utf8) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                out += "\\u00";
                out += kHex[(c >> 4) & 0xF];
                out += kHex[c & 0xF];
            } else {
                out += c;
            }
        }
    }
    out += '"';
}

} // namespace

void JsonWriter::separate()
{
    if (m_afterKey) {
        m_afterKey = false;
        return;
    }
    if (m_firstInContainer.empty())
        return;
    if (!m_firstInContainer.back())
        m_text += ',';
    m_firstInContainer.back() = false;
}

void JsonWriter::open(char bracket)
{
    separate();
    m_text += bracket;
    m_firstInContainer.push_back(true);
}

void JsonWriter::close(char bracket)
{
    m_firstInContainer.pop_back();
    m_text += bracket;
}

JsonWriter &JsonWriter::beginObject()
{
    open('{');
    return *this;
}

JsonWriter &JsonWriter::endObject()
{
    close('}');
    return *this;
}

JsonWriter &JsonWriter::beginArray()
{
    open('[');
    return *this;
}

JsonWriter &JsonWriter::endArray()
{
    close(']');
    return *this;
}

JsonWriter &JsonWriter::key(std::string_view name)
{
    separate();
    appendQuoted(m_text, name);
    m_text += ':';
    m_afterKey = true;
    return *this;
}

JsonWriter &JsonWriter::string(std::string_view utf8)
{
    separate();
    appendQuoted(m_text, utf8);
    return *this;
}

JsonWriter &JsonWriter::string(const QString &text)
{
    if (text.isNull())
        return null();
    const QByteArray utf8 = text.toUtf8();
    return string(std::string_view(utf8.constData(), std::size_t(utf8.size())));
}

JsonWriter &JsonWriter::number(float value)
{
    if (!std::isfinite(value))
        return string(telemetry::floatText(value));
    separate();
    m_text += telemetry::floatText(value);
    return *this;
}

JsonWriter &JsonWriter::real(double value)
{
    if (!std::isfinite(value))
        return number(float(value));
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    separate();
    m_text.append(buffer, end);
    return *this;
}

JsonWriter &JsonWriter::fixed(double value, int decimals)
{
    if (!std::isfinite(value))
        return number(float(value));
    char buffer[64];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value,
                                            std::chars_format::fixed, decimals);
    if (error != std::errc())
        return number(float(value));
    separate();
    m_text.append(buffer, end);
    return *this;
}

JsonWriter &JsonWriter::boolean(bool value)
{
    separate();
    m_text += value ? "true" : "false";
    return *this;
}

JsonWriter &JsonWriter::null()
{
    separate();
    m_text += "null";
    return *this;
}

} // namespace drovik::cli
