// The pre-play table generator: the same seed writes the same files, and
// what it writes loads whole.

#include "skat/logic/PreplayTables.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string contents(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

int generate(const fs::path& out, int seed)
{
    const std::string command = std::string(GEN_PREPLAY_TABLES) + " --deals 2000 --refine-deals 200 --seed "
                                + std::to_string(seed) + " --out " + out.string() + " > /dev/null";
    return std::system(command.c_str());
}

TEST(TableGenerator, SameSeedSameFiles)
{
    const fs::path base = fs::temp_directory_path() / ("table_generator_" + std::to_string(::getpid()));
    fs::remove_all(base);
    ASSERT_EQ(generate(base / "a", 5), 0);
    ASSERT_EQ(generate(base / "b", 5), 0);
    ASSERT_EQ(generate(base / "c", 6), 0);
    for (const char* name : {VL_TABELLEN::TABLE_FILE, VL_TABELLEN::NULL_FILE})
        EXPECT_EQ(contents(base / "a" / name), contents(base / "b" / name)) << name;
    EXPECT_NE(contents(base / "a" / VL_TABELLEN::TABLE_FILE), contents(base / "c" / VL_TABELLEN::TABLE_FILE));

    VL_TABELLEN tables;
    EXPECT_TRUE(tables.loadFromFolder(base / "a"));
    EXPECT_EQ(tables.skippedEntries, 0);
    fs::remove_all(base);

    // A wrong command line is refused.
    EXPECT_NE(std::system((std::string(GEN_PREPLAY_TABLES) + " --deals 2>/dev/null").c_str()), 0);
}

} // namespace
