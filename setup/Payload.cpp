#include "setup/Payload.h"

#include "vordix/SafeSave.h"

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <vector>

namespace setup {

namespace {

std::uint32_t readLittleEndian(const unsigned char* p)
{
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8
           | static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

void writeLittleEndian(std::ostream& out, std::uint32_t value)
{
    const char bytes[4] = {static_cast<char>(value & 0xFF), static_cast<char>(value >> 8 & 0xFF),
                           static_cast<char>(value >> 16 & 0xFF), static_cast<char>(value >> 24 & 0xFF)};
    out.write(bytes, 4);
}

std::vector<char> readWhole(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + file.string());
    return std::vector<char>(std::istreambuf_iterator<char>(in), {});
}

} // namespace

bool isAcceptablePackageName(const std::string& name)
{
    if (name.size() <= 4 || name.compare(name.size() - 4, 4, ".msi") != 0)
        return false;
    for (char c : name) {
        const bool ok = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '.'
                        || c == '_' || c == '-';
        if (!ok)
            return false;
    }
    return name != "." && name != "..";
}

std::string payloadHeaderBytes(const std::string& packageName, std::uint32_t payloadSize)
{
    std::ostringstream out(std::ios::binary);
    writeLittleEndian(out, PAYLOAD_MAGIC);
    writeLittleEndian(out, payloadSize);
    out.write(packageName.c_str(), static_cast<std::streamsize>(packageName.size() + 1));
    out << std::string(packageName.size() + 1, static_cast<char>(FILLER_BYTE));
    return out.str();
}

PayloadHeader::Result PayloadHeader::parse(const unsigned char* bytes, std::size_t size)
{
    if (!bytes || size < HEADER_FIXED_SIZE)
        return Result::BadMagic;
    magic = readLittleEndian(bytes);
    if (magic != PAYLOAD_MAGIC)
        return Result::BadMagic;
    payloadSize = readLittleEndian(bytes + 4);
    // The name ends at its NUL, which must lie inside the bytes at hand.
    std::size_t end = HEADER_FIXED_SIZE;
    while (end < size && bytes[end] != 0)
        ++end;
    if (end >= size)
        return Result::BadName;
    fileName.assign(reinterpret_cast<const char*>(bytes + HEADER_FIXED_SIZE), end - HEADER_FIXED_SIZE);
    packageStart = HEADER_FIXED_SIZE + 2 * (fileName.size() + 1);
    if (!isAcceptablePackageName(fileName) || packageStart > size)
        return Result::BadName;
    return Result::Ok;
}

void writeSetupFile(const std::filesystem::path& program, const std::filesystem::path& package,
                    const std::string& packageName, const std::filesystem::path& output)
{
    const std::vector<char> code = readWhole(program);
    const std::vector<char> msi = readWhole(package);
    if (code.size() >= PAYLOAD_OFFSET)
        throw std::runtime_error(program.string() + " is " + std::to_string(code.size())
                                 + " bytes; the program must stay below " + std::to_string(PAYLOAD_OFFSET));
    if (!isAcceptablePackageName(packageName))
        throw std::runtime_error("not a package name: " + packageName);
    if (msi.size() > 0xFFFFFFFFu)
        throw std::runtime_error("package too large");
    std::ostringstream out(std::ios::binary);
    out.write(code.data(), static_cast<std::streamsize>(code.size()));
    out.write(std::string(PAYLOAD_OFFSET - code.size(), static_cast<char>(FILLER_BYTE)).data(),
              static_cast<std::streamsize>(PAYLOAD_OFFSET - code.size()));
    out << payloadHeaderBytes(packageName, static_cast<std::uint32_t>(msi.size()));
    out.write(msi.data(), static_cast<std::streamsize>(msi.size()));
    if (!vordix::saveFile(output, out.str(), {.mode = 0755, .keepExistingMode = false}))
        throw std::runtime_error("cannot write " + output.string());
}

} // namespace setup
