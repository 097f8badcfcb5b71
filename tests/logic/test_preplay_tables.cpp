// The pre-play table files: both round-trip, old attribute names read into
// the same tables, keys out of range are skipped, and a missing, damaged or
// truncated file is reported by name while the tables stay empty.

#include "skat/logic/PreplayTables.h"
#include "tests/support/RecordingMessageSink.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>

#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class PreplayTablesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder = fs::temp_directory_path()
                 / ("preplay_tables_" + std::to_string(::getpid()) + "_"
                    + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
        previous = vordix::setMessageSink(sink);
    }
    void TearDown() override
    {
        vordix::setMessageSink(previous);
        fs::remove_all(folder);
    }
    void writeFile(const char* name, const std::string& text) const
    {
        std::ofstream(folder / name, std::ios::binary) << text;
    }
    std::string readFile(const char* name) const
    {
        std::ifstream in(folder / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    // Only the message naming the file was shown.
    void expectReported(const char* name) const
    {
        ASSERT_EQ(sink->texts.size(), 1u);
        EXPECT_NE(sink->texts[0].find(std::wstring(name, name + std::strlen(name))), std::wstring::npos);
    }

    fs::path folder;
    std::shared_ptr<testsupport::RecordingMessageSink> sink = std::make_shared<testsupport::RecordingMessageSink>();
    std::shared_ptr<vordix::MessageSink> previous;
};

// Every table filled with values that differ from cell to cell.
VL_TABELLEN filledTables()
{
    VL_TABELLEN t;
    int v = 1;
    for (auto& table : t.suitTables)
        for (int& x : table.values)
            x = v++ % 97 - 20;
    for (auto& table : t.trumpTables)
        for (int& x : table.values)
            x = v++ % 89;
    for (int p = 1; p < SUIT_PATTERN_COUNT; ++p) {
        auto& d = t.discardTable.values[static_cast<std::size_t>(p)];
        d.Wert = p - 30;
        d.Karte = p % 9;
        d.Wert2 = 2 * p;
        d.Karte2 = (p * 5) % 9;
        d.Wizzard = p % 3 ? L"Die blanke Zehn drücken." : L"";
    }
    t.pairings = {{3, 17, L"Zwei Farben frei"}, {5, 9, L""}};
    for (auto& table : t.jackTables)
        for (int& x : table.values)
            x = v++ % 50;
    for (auto& table : t.openTables)
        for (int& x : table.values)
            x = v++ % 4;
    for (const auto& cell : VL_TABELLEN::nullCells())
        t.setNullValue(cell.a, cell.b, cell.c, (cell.a + cell.b + cell.c) % 6 - 1);
    return t;
}

void expectSameTables(const VL_TABELLEN& a, const VL_TABELLEN& b)
{
    for (std::size_t i = 0; i < a.suitTables.size(); ++i)
        EXPECT_EQ(a.suitTables[i].values, b.suitTables[i].values) << "suit table " << i;
    for (std::size_t i = 0; i < a.trumpTables.size(); ++i)
        EXPECT_EQ(a.trumpTables[i].values, b.trumpTables[i].values) << "trump table " << i;
    EXPECT_EQ(a.discardTable.values, b.discardTable.values);
    EXPECT_EQ(a.pairings, b.pairings);
    for (std::size_t i = 0; i < a.jackTables.size(); ++i)
        EXPECT_EQ(a.jackTables[i].values, b.jackTables[i].values) << "jack table " << i;
    for (std::size_t i = 0; i < a.openTables.size(); ++i)
        EXPECT_EQ(a.openTables[i].values, b.openTables[i].values) << "open table " << i;
    EXPECT_EQ(a.nullTable, b.nullTable);
}

TEST_F(PreplayTablesTest, BothFilesRoundTrip)
{
    VL_TABELLEN written = filledTables();
    ASSERT_TRUE(written.saveToFolder(folder));
    VL_TABELLEN read;
    ASSERT_TRUE(read.loadFromFolder(folder));
    EXPECT_TRUE(read.nullLoaded);
    EXPECT_EQ(read.skippedEntries, 0);
    expectSameTables(written, read);
    EXPECT_TRUE(sink->texts.empty());

    // The null file holds exactly the 50 cells, one number per line.
    const std::string null = readFile(VL_TABELLEN::NULL_FILE);
    EXPECT_EQ(std::count(null.begin(), null.end(), '\n'), 50);
    // Pattern 0 of the discard proposals is not written.
    const std::string doc = readFile(VL_TABELLEN::TABLE_FILE);
    const auto discard = doc.find("<DRUECKEN>");
    ASSERT_NE(discard, std::string::npos);
    EXPECT_EQ(doc.find("<F I=\"0\"", discard), doc.find("<F I=\"0\"", doc.find("<PAARUNGEN")));
}

TEST_F(PreplayTablesTest, ShippedTablesLoadWhole)
{
    VL_TABELLEN shipped;
    ASSERT_TRUE(shipped.loadFromFolder(SKAT_LOGIC_DATA_DIR));
    EXPECT_TRUE(shipped.nullLoaded);
    EXPECT_EQ(shipped.skippedEntries, 0);
    // Only the 50 cells are set; even first gaps and long counts stay 0.
    EXPECT_EQ(shipped.nullValue(2, 1, 1), 0);
    EXPECT_EQ(shipped.nullValue(1, 8, 1), 0);
    // A side suit with ace and ten brings the declarer more than a bare queen.
    EXPECT_GT(shipped.suitValue(VL_TABELLEN::suitGameTable(0, COMP_PD), 48),
              shipped.suitValue(VL_TABELLEN::suitGameTable(0, COMP_PD), 4));
}

TEST_F(PreplayTablesTest, OldAttributeNamesFillTheSameTables)
{
    writeFile(VL_TABELLEN::TABLE_FILE,
              "<?xml version=\"1.0\"?><VORLOGIK_TABELLEN>"
              "<FARBSPIEL><F Index=\"5\" Trumpf=\"7\" BB=\"9\" pd0=\"11\"/><F I=\"6\" T=\"8\" B=\"10\" pd1=\"12\"/>"
              "<F I=\"7\" Trumpf=\"99\" BB=\"99\"/></FARBSPIEL>"
              "<DRUECKEN><X I=\"16\" Wert=\"20\" Karte=\"1\" Wert2=\"3\" Karte2=\"B\" Wizzard=\"Zehn weg\"/>"
              "<F I=\"17\" Karte=\"\" Karte2=\"x\"/></DRUECKEN>"
              "</VORLOGIK_TABELLEN>");
    std::string null;
    for (int i = 0; i < 50; ++i)
        null += "1\n";
    writeFile(VL_TABELLEN::NULL_FILE, null);

    VL_TABELLEN t;
    ASSERT_TRUE(t.loadFromFolder(folder));
    EXPECT_EQ(t.suitValue(VL_TABELLEN::T_T, 5), 7);
    EXPECT_EQ(t.suitValue(VL_TABELLEN::T_B, 5), 9);
    EXPECT_EQ(t.suitValue(VL_TABELLEN::suitGameTable(0, COMP_PD), 5), 11);
    EXPECT_EQ(t.suitValue(VL_TABELLEN::T_T, 6), 8);
    EXPECT_EQ(t.suitValue(VL_TABELLEN::T_B, 6), 10);
    EXPECT_EQ(t.suitValue(VL_TABELLEN::suitGameTable(1, COMP_PD), 6), 12);
    // With "I" the old names are not read.
    EXPECT_EQ(t.suitValue(VL_TABELLEN::T_T, 7), 0);
    // Entries are read whatever their element name; "1" is the ten, "B" the jack.
    const auto& d = t.discardProposal(16);
    EXPECT_EQ(d.Wert, 20);
    EXPECT_EQ(d.Karte, RANK_TEN);
    EXPECT_EQ(d.Karte2, RANK_JACK);
    EXPECT_EQ(d.Wizzard, L"Zehn weg");
    EXPECT_EQ(t.discardProposal(17).Karte, RANK_NONE);
    EXPECT_EQ(t.discardProposal(17).Karte2, RANK_NONE);
    EXPECT_EQ(t.nullValue(1, 1, 1), 1);
}

TEST_F(PreplayTablesTest, KeysOutsideATableAreSkipped)
{
    writeFile(VL_TABELLEN::TABLE_FILE,
              "<?xml version=\"1.0\"?><VORLOGIK_TABELLEN>"
              "<FARBSPIEL><F I=\"64\" pd0=\"1\"/><F I=\"-1\" pd0=\"1\"/><F I=\"63\" pd0=\"5\"/></FARBSPIEL>"
              "<TRUMPF><F I=\"288\" tr_pd0=\"1\"/><F I=\"287\" tr_pd0=\"6\"/></TRUMPF>"
              "<GRAND_BUBEN><F I=\"16\" pd0=\"1\"/><F I=\"100000\" pd0=\"1\"/></GRAND_BUBEN>"
              "<DRUECKEN><F I=\"64\" Wert=\"1\"/><F I=\"0\" Wert=\"12\" Karte=\"7\"/></DRUECKEN>"
              "</VORLOGIK_TABELLEN>");
    std::string null;
    for (int i = 0; i < 50; ++i)
        null += "0\n";
    writeFile(VL_TABELLEN::NULL_FILE, null);
    VL_TABELLEN t;
    ASSERT_TRUE(t.loadFromFolder(folder));
    // The discard table has no entry for a suit the hand lacks (pattern 0),
    // and the writer leaves it out: once read, it was lost on the next save.
    EXPECT_EQ(t.skippedEntries, 7);
    EXPECT_EQ(t.discardProposal(0).Wert, 0);
    EXPECT_EQ(t.suitValue(VL_TABELLEN::suitGameTable(0, COMP_PD), 63), 5);
    EXPECT_EQ(t.trumpValue(COMP_PD, 287), 6);
    EXPECT_EQ(t.suitValue(VL_TABELLEN::suitGameTable(0, COMP_PD), 64), 0);
}

TEST_F(PreplayTablesTest, MissingDamagedAndTruncatedFilesAreReported)
{
    VL_TABELLEN good = filledTables();
    ASSERT_TRUE(good.saveToFolder(folder));
    const std::string doc = readFile(VL_TABELLEN::TABLE_FILE);
    const std::string null = readFile(VL_TABELLEN::NULL_FILE);

    struct Case {
        const char* what;
        std::string table; // empty: file missing
        std::string nullFile;
        const char* reported;
    };
    const Case cases[] = {
        {"table file missing", "", null, VL_TABELLEN::TABLE_FILE},
        {"table file cut off", doc.substr(0, doc.size() / 2), null, VL_TABELLEN::TABLE_FILE},
        {"another document", "<?xml version=\"1.0\"?><LISTE/>", null, VL_TABELLEN::TABLE_FILE},
        {"null file missing", doc, "", VL_TABELLEN::NULL_FILE},
        {"null file cut off", doc, null.substr(0, null.size() / 2), VL_TABELLEN::NULL_FILE},
        {"null file not numbers", doc, "x\ny\n", VL_TABELLEN::NULL_FILE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove(folder / VL_TABELLEN::TABLE_FILE);
        fs::remove(folder / VL_TABELLEN::NULL_FILE);
        if (!c.table.empty())
            writeFile(VL_TABELLEN::TABLE_FILE, c.table);
        if (!c.nullFile.empty())
            writeFile(VL_TABELLEN::NULL_FILE, c.nullFile);
        sink->clear();
        VL_TABELLEN t;
        EXPECT_FALSE(t.loadFromFolder(folder));
        expectReported(c.reported);
        EXPECT_FALSE(t.nullLoaded);
        EXPECT_EQ(t.nullValue(1, 1, 1), 0);
        // A damaged null file leaves the null table empty, not half filled.
        if (std::string(c.reported) == VL_TABELLEN::TABLE_FILE)
            EXPECT_EQ(t.suitValue(VL_TABELLEN::suitGameTable(0, COMP_PD), 5), 0);
    }
}

} // namespace
