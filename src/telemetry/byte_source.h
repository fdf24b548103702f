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
    explicit MemoryByteSource(std::span<const uint8_t> bytes) : m_bytes(bytes) {}
    explicit MemoryByteSource(std::string_view bytes)
        : m_bytes(reinterpret_cast<const uint8_t *>(bytes.data()), bytes.size()) {}
    uint64_t size() const override { return m_bytes.size(); }
    std::size_t readAt(uint64_t offset, std::span<uint8_t> out) override;

private:
    std::span<const uint8_t> m_bytes;
};

class FileByteSource final : public ByteSource {
public:
    // Opens the file for reading; isOpen() tells whether that worked.
    explicit FileByteSource(const std::string &path);
    bool isOpen() const { return m_open; }
    uint64_t size() const override { return m_size; }
    std::size_t readAt(uint64_t offset, std::span<uint8_t> out) override;

private:
    std::ifstream m_file;
    uint64_t m_size = 0;
    bool m_open = false;
};

// Bounds-checked little-endian field reads from a byte span; nullopt when the field does not fit.
std::optional<uint32_t> readLe32(std::span<const uint8_t> bytes, std::size_t offset);

// True when the span holds the ASCII tag at offset.
bool hasTag(std::span<const uint8_t> bytes, std::size_t offset, std::string_view tag);

} // namespace drovik::telemetry
