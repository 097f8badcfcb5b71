#pragma once
// Layout of the Setup file:
//
//   offset 0           the program
//   program end        filler bytes 0xAF up to PAYLOAD_OFFSET
//   256000             magic 0xDEADAFFE, 4 bytes little-endian
//   256004             payload size, 4 bytes little-endian
//   256008             the package's file name: n bytes and a NUL in a field
//                      of 2 x (n + 1) bytes (the rest is filler)
//   256008 + 2(n + 1)  the package, payload-size bytes
//
// The package name is read within the bytes at hand and only names of the
// form [A-Za-z0-9._-]+.msi are taken, so the name can't leave the folder it
// is written to.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

namespace setup {

inline constexpr std::uint32_t PAYLOAD_OFFSET = 256000;
inline constexpr std::uint32_t PAYLOAD_MAGIC = 0xDEADAFFE;
inline constexpr unsigned char FILLER_BYTE = 0xAF;
inline constexpr std::size_t HEADER_FIXED_SIZE = 8;

struct PayloadHeader {
    enum class Result { Ok, BadMagic, BadName };

    std::uint32_t magic = 0;
    std::uint32_t payloadSize = 0;
    std::string fileName;
    // Offset of the package from the header's start.
    std::size_t packageStart = 0;

    // Parses the header at the start of the bytes.
    Result parse(const unsigned char* bytes, std::size_t size);
};

// The header for a package: magic, size, the name and its filler.
std::string payloadHeaderBytes(const std::string& packageName, std::uint32_t payloadSize);

// A package name the bootstrapper accepts.
bool isAcceptablePackageName(const std::string& name);

// Writes program + filler + header + package into output (the build step);
// throws std::runtime_error when the program is PAYLOAD_OFFSET bytes or
// larger, the name is not acceptable or a file can't be read or written.
void writeSetupFile(const std::filesystem::path& program, const std::filesystem::path& package,
                    const std::string& packageName, const std::filesystem::path& output);

} // namespace setup
