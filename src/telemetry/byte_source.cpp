#include "telemetry/byte_source.h"

#include <algorithm>
#include <cstring>

namespace drovik::telemetry {

std::size_t MemoryByteSource::readAt(uint64_t offset, std::span<uint8_t> out)
{
    if (offset >= m_bytes.size())
        return 0;
    const std::size_t n = std::min<uint64_t>(out.size(), m_bytes.size() - offset);
    std::memcpy(out.data(), m_bytes.data() + offset, n);
    return n;
}

FileByteSource::FileByteSource(const std::string &path) : m_file(path, std::ios::binary)
{
    if (!m_file)
        return;
    m_file.seekg(0, std::ios::end);
    const std::streamoff end = m_file.tellg();
    if (!m_file || end < 0)
        return;
    m_size = uint64_t(end);
    m_open = true;
}

std::size_t FileByteSource::readAt(uint64_t offset, std::span<uint8_t> out)
{
    if (!m_open || offset >= m_size || out.empty())
        return 0;
    m_file.clear();
    m_file.seekg(std::streamoff(offset));
    if (!m_file)
        return 0;
    const std::size_t wanted = std::min<uint64_t>(out.size(), m_size - offset);
    m_file.read(reinterpret_cast<char *>(out.data()), std::streamsize(wanted));
    return std::size_t(m_file.gcount());
}

std::optional<uint32_t> readLe32(std::span<const uint8_t> bytes, std::size_t offset)
{
    if (offset > bytes.size() || bytes.size() - offset < 4)
        return std::nullopt;
    return uint32_t(bytes[offset]) | uint32_t(bytes[offset + 1]) << 8
        | uint32_t(bytes[offset + 2]) << 16 | uint32_t(bytes[offset + 3]) << 24;
}

bool hasTag(std::span<const uint8_t> bytes, std::size_t offset, std::string_view tag)
{
    if (offset > bytes.size() || bytes.size() - offset < tag.size())
        return false;
    return std::memcmp(bytes.data() + offset, tag.data(), tag.size()) == 0;
}

} // namespace drovik::telemetry
