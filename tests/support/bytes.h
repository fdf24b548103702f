#pragma once

// Little-endian fields and RIFF files built byte by byte, written independently of the readers under
// test so that a layout mistake there cannot hide here. Works on std::string and QByteArray alike.

#include <cstdint>
#include <string>
#include <string_view>

namespace drovik::test {

template <typename Bytes>
void putLe32(Bytes &bytes, int offset, std::int64_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[offset + i] = char((std::uint32_t(value) >> (8 * i)) & 0xFF);
}

template <typename Bytes>
std::int32_t le32(const Bytes &bytes, int offset)
{
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i)
        v |= std::uint32_t(std::uint8_t(bytes[offset + i])) << (8 * i);
    return std::int32_t(v);
}

inline void appendLe32(std::string &out, std::uint32_t v)
{
    out.resize(out.size() + 4);
    putLe32(out, int(out.size()) - 4, v);
}

// A RIFF "AVI " file built chunk by chunk.
class RiffBuilder {
public:
    RiffBuilder() : bytes_(std::string("RIFF\0\0\0\0AVI ", 12)) {}
    RiffBuilder &chunk(std::string_view id, std::string_view payload)
    {
        bytes_ += id;
        appendLe32(bytes_, std::uint32_t(payload.size()));
        bytes_ += payload;
        if (payload.size() % 2)
            bytes_.push_back('\0');
        return *this;
    }
    RiffBuilder &list(std::string_view type)
    {
        bytes_ += "LIST";
        appendLe32(bytes_, 4);
        bytes_ += type;
        return *this;
    }
    // An accelerometer record of the general cameras (3 bytes) or of the text-settings family
    // (3 bytes and the 1, 1, 1 that family appends).
    RiffBuilder &accel(int x, int y, int z) { return chunk("02tx", std::string{'M', char(x), char(y), char(z)}); }
    RiffBuilder &accelKvl(int x, int y, int z)
    {
        return chunk("02tx", std::string{'M', char(x), char(y), char(z), 1, 1, 1});
    }
    RiffBuilder &raw(std::string_view bytes)
    {
        bytes_ += bytes;
        return *this;
    }
    const std::string &bytes() const { return bytes_; }

private:
    std::string bytes_;
};

} // namespace drovik::test
