#pragma once

// Little-endian fields in and out of a byte string, for the codecs that keep telemetry between
// runs. The reader takes fields in order and reads past the end as zero bytes: its callers check
// the total length first.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace drovik::telemetry {

class LittleEndianWriter {
public:
    explicit LittleEndianWriter(std::string &out) : m_out(out) {}
    void put(uint64_t value, int bytes)
    {
        for (int i = 0; i < bytes; ++i)
            m_out.push_back(char(uint8_t(value >> (8 * i))));
    }

private:
    std::string &m_out;
};

class LittleEndianReader {
public:
    explicit LittleEndianReader(std::string_view bytes) : m_bytes(bytes) {}
    uint64_t take(int bytes)
    {
        uint64_t value = 0;
        for (int i = 0; i < bytes && m_offset < m_bytes.size(); ++i, ++m_offset)
            value |= uint64_t(uint8_t(m_bytes[m_offset])) << (8 * i);
        return value;
    }

private:
    std::string_view m_bytes;
    std::size_t m_offset = 0;
};

} // namespace drovik::telemetry
