#pragma once

// Random-access byte input for the clip readers: a file read a window at a time, or bytes already in
// memory (tests, fuzzers). Readers never hold a whole clip; they ask for the ranges they need.

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace drovik::telemetry {

class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Total length in bytes.
    virtual uint64_t size() const = 0;
    // Copies up to out.size() bytes starting at offset; returns how many were copied (fewer only at
    // the end of the data or on a read error).
    virtual std::size_t readAt(uint64_t offset, std::span<uint8_t> out) = 0;
};

class MemoryByteSource final : public ByteSource {
public:
    explicit MemoryByteSource(std::span<const uint8_t> bytes) : bytes_(bytes) {}
    explicit MemoryByteSource(std::string_view bytes)
        : bytes_(reinterpret_cast<const uint8_t *>(bytes.data()), bytes.size()) {}
    uint64_t size() const override { return bytes_.size(); }
    std::size_t readAt(uint64_t offset, std::span<uint8_t> out) override;

private:
    std::span<const uint8_t> bytes_;
};

class FileByteSource final : public ByteSource {
public:
    // Opens the file for reading; isOpen() tells whether that worked.
    explicit FileByteSource(const std::string &path);
    bool isOpen() const { return open_; }
    uint64_t size() const override { return size_; }
    std::size_t readAt(uint64_t offset, std::span<uint8_t> out) override;

private:
    std::ifstream file_;
    uint64_t size_ = 0;
    bool open_ = false;
};

// Bounds-checked little-endian field reads from a byte span; nullopt when the field does not fit.
std::optional<uint32_t> readLe32(std::span<const uint8_t> bytes, std::size_t offset);

// True when the span holds the ASCII tag at offset.
bool hasTag(std::span<const uint8_t> bytes, std::size_t offset, std::string_view tag);

} // namespace drovik::telemetry
