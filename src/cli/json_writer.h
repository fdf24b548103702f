#pragma once

#include <QString>

#include <concepts>
#include <string>
#include <string_view>
#include <vector>

namespace drovik::cli {

// The one JSON writer of the commands: compact JSON, keys in the order written (the output
// contract fixes the order, which rules out QJsonObject), commas placed by the writer.
//
//   JsonWriter json;
//   json.beginObject().key("index").number(3).key("found").boolean(true).endObject();
//   std::cout << json.text() << '\n';
//
// Strings are UTF-8 with '"', '\\' and control characters escaped (\n \r \t, others as \u00XX).
// A float is the shortest decimal that reads back as the same float32; a non-finite one the string
// "nan", "inf" or "-inf".
class JsonWriter {
public:
    JsonWriter &beginObject();
    JsonWriter &endObject();
    JsonWriter &beginArray();
    JsonWriter &endArray();
    JsonWriter &key(std::string_view name);

    JsonWriter &string(std::string_view utf8);
    JsonWriter &string(const char *utf8) { return string(std::string_view(utf8)); }
    // A null QString is null.
    JsonWriter &string(const QString &text);
    JsonWriter &number(float value);
    template <std::integral T>
    JsonWriter &number(T value)
    {
        separate();
        m_text += std::to_string(value);
        return *this;
    }
    // The shortest decimal that reads back as the same double; non-finite as number().
    JsonWriter &real(double value);
    // With exactly `decimals` digits after the point ("12.5", "100.0"); non-finite as number().
    JsonWriter &fixed(double value, int decimals);
    JsonWriter &boolean(bool value);
    JsonWriter &null();

    const std::string &text() const { return m_text; }

private:
    void separate();
    void open(char bracket);
    void close(char bracket);

    std::string m_text;
    std::vector<bool> m_firstInContainer;
    bool m_afterKey = false;
};

} // namespace drovik::cli
