#pragma once
// Helpers of the setup tests: a private folder to run in, Setup-like files
// and reading logs.

#include "setup/Payload.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace setuptest {

namespace fs = std::filesystem;

inline std::string readText(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

inline std::vector<std::string> readLines(const fs::path& file)
{
    std::vector<std::string> lines;
    std::ifstream in(file);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

inline void writeBytes(const fs::path& file, const std::string& bytes)
{
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string littleEndian(std::uint32_t v)
{
    return std::string{static_cast<char>(v & 0xFF), static_cast<char>(v >> 8 & 0xFF), static_cast<char>(v >> 16 & 0xFF),
                       static_cast<char>(v >> 24 & 0xFF)};
}

// program + filler to the offset + header + package (payloadSize may lie).
inline std::string setupFileBytes(const std::string& program, const std::string& name, const std::string& package,
                                  std::uint32_t magic = setup::PAYLOAD_MAGIC, long payloadSize = -1)
{
    std::string bytes = program;
    bytes.resize(setup::PAYLOAD_OFFSET, static_cast<char>(setup::FILLER_BYTE));
    bytes += littleEndian(magic);
    bytes += littleEndian(static_cast<std::uint32_t>(payloadSize < 0 ? package.size() : payloadSize));
    bytes += name;
    bytes += '\0';
    bytes += std::string(name.size() + 1, static_cast<char>(setup::FILLER_BYTE));
    bytes += package;
    return bytes;
}

// A fresh folder that the test works in (made the current folder) and
// removes afterwards.
class PrivateFolder {
public:
    PrivateFolder()
    {
        std::string pattern = (fs::temp_directory_path() / "setup-test-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data());
        previous_ = fs::current_path();
        fs::current_path(path_);
    }
    ~PrivateFolder()
    {
        fs::current_path(previous_);
        std::error_code error;
        fs::remove_all(path_, error);
    }
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
    fs::path previous_;
};

} // namespace setuptest
