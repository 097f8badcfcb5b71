#include "skat/app/TextKeys.h"
#include "tests/vordix/TempFolder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

namespace {

// Runs the generator on a variant of the real source table; its exit code.
struct GeneratorFixture : ::testing::Test {
    TempFolder folder;
    std::string table;

    void SetUp() override
    {
        std::ifstream in(SKAT_SOURCE_DIR "/skat/app/texttable/SkatTexts.tsv", std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        table = text.str();
        ASSERT_FALSE(table.empty());
    }
    int run(const std::string& variant)
    {
        const auto tsv = folder.path() / "texts.tsv";
        std::ofstream(tsv, std::ios::binary) << variant;
        const std::string command = std::string(SKAT_BINARY_DIR "/skat/app/GenerateTextTable ") + tsv.string() + " "
                                    + (folder.path() / "out.xml").string() + " " + (folder.path() / "k.h").string()
                                    + " " + (folder.path() / "t.cpp").string() + " 2>/dev/null";
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    // The table with one line (found by its start) replaced.
    std::string replaced(const std::string& lineStart, const std::string& line) const
    {
        const size_t at = table.find("\n" + lineStart);
        if (at == std::string::npos)
            return {};
        const size_t end = table.find('\n', at + 1);
        return table.substr(0, at + 1) + line + table.substr(end);
    }
};

TEST_F(GeneratorFixture, AcceptsTheRealTableAndAnAppendedRow)
{
    EXPECT_EQ(run(table), 0);
    EXPECT_TRUE(std::filesystem::exists(folder.path() / "out.xml"));
    const size_t count = TEXT_COUNT;
    EXPECT_EQ(run(table + std::to_string(count) + "\tNeu_Text\tmulti\t%d\tNeu %d\tNew %d\n"), 0);
}

TEST_F(GeneratorFixture, RefusesBrokenTables)
{
    const size_t count = TEXT_COUNT;
    struct Case {
        const char* what;
        std::string variant;
    };
    const Case cases[] = {
        {"a row inserted in the middle",
         replaced("5\t", "5\tEingeschoben\tmulti\t-\tx\ty\n5\tNamen_Default_Links\tmulti\t-\tLinks\tLeft")},
        {"a row removed", replaced("5\t", "6\tNamen_Default_Rechts\tmulti\t-\tRechts\tRight")},
        {"a repeated key", table + std::to_string(count) + "\tNamen_Default_Du\tmulti\t-\tDu\tYou\n"},
        {"German text without its placeholder",
         replaced("180\t", "180\tStatus_Name_Spielt\tmulti\t%ls\tJemand spielt\t%ls plays")},
        {"English text with another placeholder",
         replaced("180\t", "180\tStatus_Name_Spielt\tmulti\t%ls\t%ls spielt\t%d plays")},
        {"an unknown placeholder", table + std::to_string(count) + "\tNeu\tmulti\t%s\t%s\t%s\n"},
        {"a multi text without English", table + std::to_string(count) + "\tNeu\tmulti\t-\tNeu\t\n"},
        {"five columns", table + std::to_string(count) + "\tNeu\tmulti\t-\tNeu\n"},
        {"a fixed position changing its kind", replaced("4\t", "4\tNamen_Default_Du\tall\t-\tDu\t")},
        {"too short", table.substr(0, table.find("\n300\t") + 1)},
    };
    for (const Case& c : cases) {
        ASSERT_FALSE(c.variant.empty()) << c.what;
        EXPECT_EQ(run(c.variant), 1) << c.what;
    }
}

} // namespace
