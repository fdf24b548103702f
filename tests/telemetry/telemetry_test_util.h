#pragma once

// Byte builders and temporary files for the telemetry tests.

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace drovik::test {

inline void appendLe32(std::string &out, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(char((v >> (8 * i)) & 0xFF));
}

// A RIFF "AVI " file built chunk by chunk.
class RiffBuilder {
public:
    RiffBuilder()
    {
        bytes_ = "RIFF";
        appendLe32(bytes_, 0);
        bytes_ += "AVI ";
    }
    RiffBuilder &chunk(std::string_view id, std::string_view payload)
    {
        bytes_ += id;
        appendLe32(bytes_, uint32_t(payload.size()));
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
    RiffBuilder &accel(int x, int y, int z)
    {
        return chunk("02tx", std::string{'M', char(x), char(y), char(z)});
    }
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

// A folder removed with everything in it when the test ends.
class TempDir {
public:
    TempDir()
    {
        static int counter = 0;
        path_ = std::filesystem::temp_directory_path()
            / ("drovik-telemetry-test-" + std::to_string(std::random_device{}()) + "-" + std::to_string(counter++));
        std::filesystem::create_directories(path_);
    }
    ~TempDir() { std::filesystem::remove_all(path_); }
    std::string file(const std::string &name, std::string_view bytes) const
    {
        const auto p = path_ / name;
        std::ofstream out(p, std::ios::binary);
        out.write(bytes.data(), std::streamsize(bytes.size()));
        return p.string();
    }
    std::filesystem::path path() const { return path_; }

private:
    std::filesystem::path path_;
};

} // namespace drovik::test

