// The header of the package inside the Setup file.
#include "setup/Payload.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <unistd.h>
#include <vector>

using setup::PayloadHeader;

namespace {

std::vector<unsigned char> header(std::uint32_t magic, std::uint32_t size, const std::string& name,
                                  std::size_t extra = 16)
{
    std::vector<unsigned char> bytes;
    for (std::uint32_t v : {magic, size})
        for (int i = 0; i < 4; ++i)
            bytes.push_back(static_cast<unsigned char>(v >> (8 * i)));
    bytes.insert(bytes.end(), name.begin(), name.end());
    bytes.push_back(0);
    bytes.insert(bytes.end(), name.size() + 1, setup::FILLER_BYTE);
    bytes.insert(bytes.end(), extra, 'P');
    return bytes;
}

} // namespace

TEST(Payload, HeaderParse)
{
    struct Case {
        const char* what;
        std::vector<unsigned char> bytes;
        PayloadHeader::Result result;
    };
    std::vector<unsigned char> unterminated = header(setup::PAYLOAD_MAGIC, 5, "skat.msi");
    unterminated.resize(8 + 4); // the name runs to the end of the bytes
    const Case cases[] = {
        {"good", header(setup::PAYLOAD_MAGIC, 16, "skat.msi"), PayloadHeader::Result::Ok},
        {"wrong magic", header(0xDEADBEEF, 16, "skat.msi"), PayloadHeader::Result::BadMagic},
        {"too short for the magic", {0xFE, 0xAF}, PayloadHeader::Result::BadMagic},
        {"name without its NUL", unterminated, PayloadHeader::Result::BadName},
        {"path in the name", header(setup::PAYLOAD_MAGIC, 16, "../../.bashrc.msi"), PayloadHeader::Result::BadName},
        {"absolute name", header(setup::PAYLOAD_MAGIC, 16, "/etc/x.msi"), PayloadHeader::Result::BadName},
        {"blank in the name", header(setup::PAYLOAD_MAGIC, 16, "my skat.msi"), PayloadHeader::Result::BadName},
        {"not a package", header(setup::PAYLOAD_MAGIC, 16, "skat.exe"), PayloadHeader::Result::BadName},
        {"only the extension", header(setup::PAYLOAD_MAGIC, 16, ".msi"), PayloadHeader::Result::BadName},
        {"empty name", header(setup::PAYLOAD_MAGIC, 16, ""), PayloadHeader::Result::BadName},
        {"name field past the end", header(setup::PAYLOAD_MAGIC, 16, "skat.msi", 0), PayloadHeader::Result::Ok},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        PayloadHeader parsed;
        EXPECT_EQ(parsed.parse(c.bytes.data(), c.bytes.size()), c.result);
    }
    PayloadHeader parsed;
    const auto good = header(setup::PAYLOAD_MAGIC, 16, "skat-9.0_4.msi");
    ASSERT_EQ(parsed.parse(good.data(), good.size()), PayloadHeader::Result::Ok);
    EXPECT_EQ(parsed.fileName, "skat-9.0_4.msi");
    EXPECT_EQ(parsed.payloadSize, 16u);
    EXPECT_EQ(parsed.packageStart, 8u + 2 * 15);
    // The name's field may not reach beyond the bytes at hand.
    auto cut = header(setup::PAYLOAD_MAGIC, 16, "skat.msi", 0);
    cut.resize(8 + 9 + 3);
    EXPECT_EQ(parsed.parse(cut.data(), cut.size()), PayloadHeader::Result::BadName);
}

TEST(Payload, BuildStepLaysOutTheFileAndRefusesABigProgram)
{
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / ("payload-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    auto write = [](const fs::path& file, const std::string& bytes) { std::ofstream(file, std::ios::binary) << bytes; };
    write(dir / "program", "PROGRAM");
    write(dir / "package", std::string(300000, 'P'));
    setup::writeSetupFile(dir / "program", dir / "package", "skat.msi", dir / "Setup");
    std::ifstream in(dir / "Setup", std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), {});
    ASSERT_EQ(bytes.size(), setup::PAYLOAD_OFFSET + 8 + 18 + 300000);
    EXPECT_EQ(bytes.substr(0, 7), "PROGRAM");
    EXPECT_EQ(bytes.find_first_not_of(static_cast<char>(setup::FILLER_BYTE), 7), setup::PAYLOAD_OFFSET);
    PayloadHeader parsed;
    ASSERT_EQ(parsed.parse(reinterpret_cast<const unsigned char*>(bytes.data()) + setup::PAYLOAD_OFFSET,
                           bytes.size() - setup::PAYLOAD_OFFSET),
              PayloadHeader::Result::Ok);
    EXPECT_EQ(parsed.payloadSize, 300000u);
    EXPECT_EQ(parsed.fileName, "skat.msi");

    // A program that reaches the offset leaves no room: the build fails.
    write(dir / "program", std::string(setup::PAYLOAD_OFFSET, 'x'));
    EXPECT_THROW(setup::writeSetupFile(dir / "program", dir / "package", "skat.msi", dir / "Setup2"),
                 std::runtime_error);
    // Nor does a name the bootstrapper would refuse.
    write(dir / "program", "PROGRAM");
    EXPECT_THROW(setup::writeSetupFile(dir / "program", dir / "package", "../x.msi", dir / "Setup2"),
                 std::runtime_error);
    EXPECT_FALSE(fs::exists(dir / "Setup2"));
    fs::remove_all(dir);
}
