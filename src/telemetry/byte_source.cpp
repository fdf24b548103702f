#include "telemetry/byte_source.h"

#include <algorithm>
#include <cstring>

namespace drovik::telemetry {

std::size_t MemoryByteSource::readAt(uint64_t offset, std::span<uint8_t> out)
{
    if (offset >= bytes_.size())
        return 0;
    const std::size_t n = std::min<uint64_t>(out.size(), bytes_.size() - offset);
    std::memcpy(out.data(), bytes_.data() + offset, n);
    return n;
}

FileByteSource::FileByteSource(const std::string &path) : file_(path, std::ios::binary)
{
    if (!file_)
        return;
    file_.seekg(0, std::ios::end);
    const std::streamoff end = file_.tellg();
    if (!file_ || end < 0)
        return;
    size_ = uint64_t(end);
    open_ = true;
}

std::size_t FileByteSource::readAt(uint64_t offset, std::span<uint8_t> out)
{
    if (!open_ || offset >= size_ || out.empty())
        return 0;
    file_.clear();
    file_.seekg(std::streamoff(offset));
    if (!file_)
        return 0;
    const std::size_t wanted = std::min<uint64_t>(out.size(), size_ - offset);
    file_.read(reinterpret_cast<char *>(out.data()), std::streamsize(wanted));
    return std::size_t(file_.gcount());
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
