// Lead tables and delta tables on small synthetic logic sets.
#include "skat/logic/DeltaTables.h"
#include "skat/logic/LeadTables.h"
#include "tests/support/RecordingMessageSink.h"
#include "vordix/Preference.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr Suit H = SUIT_HEARTS;
CardId hearts(Rank r) { return makeCardId(H, r); }
CardSet mask(std::initializer_list<CardId> cards)
{
    CardSet set = 0;
    for (CardId c : cards)
        set |= cardMaskOfId(c);
    return set;
}

class LeadTablesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder = fs::temp_directory_path()
                 / ("lead_tables_" + std::to_string(::getpid()) + "_"
                    + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder / "Delta");
        for (int f = 0; f < SL_TABELLEN::FILE_COUNT; ++f) {
            files[f].assign(SL_TABELLEN::FILE_SIZES[f], 100);
            files[f][0] = 0;
        }
        previous = vordix::setMessageSink(sink);
    }
    void TearDown() override
    {
        vordix::setMessageSink(previous);
        fs::remove_all(folder);
    }
    void writeSet(std::size_t shortenMhb = 0)
    {
        for (int f = 0; f < SL_TABELLEN::FILE_COUNT; ++f) {
            std::ofstream out(folder / tables.fileName(SL_TABELLEN::FileIndex(f)), std::ios::binary);
            std::size_t size = files[f].size() - (f == SL_TABELLEN::FILE_MHB ? shortenMhb : 0);
            out.write(reinterpret_cast<const char*>(files[f].data()), static_cast<std::streamsize>(size));
        }
    }
    void load()
    {
        writeSet();
        ASSERT_TRUE(tables.loadFiles(folder));
    }
    void writeDelta(const char* name, const std::string& text) const
    {
        std::ofstream(folder / "Delta" / name, std::ios::binary) << text;
    }

    fs::path folder;
    std::vector<std::uint8_t> files[SL_TABELLEN::FILE_COUNT];
    SL_TABELLEN_WERTUNG tables;
    std::shared_ptr<testsupport::RecordingMessageSink> sink = std::make_shared<testsupport::RecordingMessageSink>();
    std::shared_ptr<vordix::MessageSink> previous;
};

TEST(SuitPatterns, KeysStatesAndTrumpJacks)
{
    ARRAY_OF_FARBKARTEN_BB side;
    ARRAY_OF_FARBKARTEN_N null;
    ARRAY_OF_FARBKARTEN_TR trump;
    EXPECT_EQ(side.last, 6);
    EXPECT_EQ(null.last, 7);
    EXPECT_EQ(trump.last, 10);
    EXPECT_EQ(trump.entries[7].key, 44);
    EXPECT_EQ(trump.entries[10].key, 14);

    const PatternView view{mask({hearts(RANK_SEVEN), 14}), mask({hearts(RANK_ACE), 44}), mask({hearts(RANK_TEN)})};
    trump.fill(&view, H);
    EXPECT_EQ(trump.stateOf(hearts(RANK_SEVEN)), STATE_OWN);
    EXPECT_EQ(trump.stateOf(hearts(RANK_ACE)), STATE_PLAYED);
    EXPECT_EQ(trump.stateOf(hearts(RANK_TEN)), STATE_IN_TRICK);
    EXPECT_EQ(trump.stateOf(hearts(RANK_KING)), STATE_OUTSTANDING);
    EXPECT_EQ(trump.stateOf(14), STATE_OWN); // the clubs jack, whatever the trump suit
    EXPECT_EQ(trump.stateOf(44), STATE_PLAYED);
    EXPECT_EQ(trump.stateOf(34), STATE_OUTSTANDING);
    side.fill(&view, H);
    EXPECT_EQ(side.stateOf(hearts(RANK_JACK)), STATE_UNSET); // no jack in a side suit
    side.fill(nullptr, H);
    EXPECT_EQ(side.stateOf(hearts(RANK_SEVEN)), STATE_UNSET);

    EXPECT_EQ((TABELLE{KIND_VHBB, 10}.name()), L"VHBB(10)");
    EXPECT_EQ((TABELLE{KIND_MHNL, 4}.name()), L"MHNL(4)");
    EXPECT_LT((TABELLE{KIND_VHBB, 30}), (TABELLE{KIND_VHTR, 0}));
}

TEST(SuitPatterns, LogicNameLosesItsEnding)
{
    struct Case {
        const wchar_t* name;
        const wchar_t* base;
    } cases[] = {{L"Profi.SPL", L"Profi"}, {L"Profi.spl", L"Profi"},   {L"a.SPL.old.Spl", L"a.SPL.old"},
                 {L"x.Spl.bak", L"x"},     {L"Standard", L"Standard"}, {L"", L""}};
    for (const auto& c : cases) {
        SL_TABELLEN t;
        t.setLogicName(c.name);
        EXPECT_EQ(t.logicName(), c.base) << std::wstring(c.name).size();
    }
    SL_TABELLEN t;
    t.setLogicName(L"Profi.SPL");
    EXPECT_EQ(t.fileName(SL_TABELLEN::FILE_MAIN), L"Profi0.SPL");
    EXPECT_EQ(t.fileName(SL_TABELLEN::FILE_MHT), L"Profi0_MHT.SPN");
}

TEST_F(LeadTablesTest, ShortFileStopsTheLoadAndLongerFilesAreAccepted)
{
    files[SL_TABELLEN::FILE_MAIN][5] = 77;
    files[SL_TABELLEN::FILE_VHT].push_back(1); // one byte too many is fine
    writeSet(1);
    EXPECT_FALSE(tables.loadFiles(folder));
    EXPECT_FALSE(tables.loaded());
    ASSERT_EQ(sink->texts.size(), 1u);
    EXPECT_NE(sink->texts[0].find(L"Standard0_MHB.SPN"), std::wstring::npos);
    EXPECT_EQ(tables.entryByte(SL_TABELLEN::FILE_MAIN, 5), 77); // read before the failure
    EXPECT_EQ(tables.entryByte(SL_TABELLEN::FILE_MHT, 5), 0);   // never read

    sink->clear();
    writeSet();
    EXPECT_TRUE(tables.loadFiles(folder));
    EXPECT_TRUE(sink->texts.empty());
    EXPECT_EQ(tables.entryByte(SL_TABELLEN::FILE_MHT, 17472), 100);
    EXPECT_EQ(tables.entryByte(SL_TABELLEN::FILE_MHT, 17473), -1);
}

TEST_F(LeadTablesTest, PreferredSetFallsBackToStandard)
{
    writeSet();
    EXPECT_TRUE(tables.loadConfigured(L"Profi.SPL", folder)); // no Profi set: the standard one loads
    EXPECT_EQ(tables.logicName(), L"Standard");
    sink->clear();
    fs::copy_file(folder / "Standard0.SPL", folder / "Profi0.SPL");
    for (const char* ending : {"0_VHT.SPN", "0_MHB.SPN", "0_MHT.SPN"})
        fs::copy_file(folder / (std::string("Standard") + ending), folder / (std::string("Profi") + ending));
    EXPECT_TRUE(tables.loadConfigured(L"Profi.SPL", folder));
    EXPECT_EQ(tables.logicName(), L"Profi");
    EXPECT_TRUE(sink->texts.empty());
}

// Each case sets single bytes and rates one card; the sum must be the bytes'
// terms exactly, so a wrong offset or state shows.
TEST_F(LeadTablesTest, EveryKindReadsItsOwnBytes)
{
    auto& main = files[SL_TABELLEN::FILE_MAIN];
    auto& vht = files[SL_TABELLEN::FILE_VHT];
    auto& mhb = files[SL_TABELLEN::FILE_MHB];
    auto& mht = files[SL_TABELLEN::FILE_MHT];
    // VHBB(3): the 7 with all six others outstanding: entries (3*7+1)*7+q, byte 1.
    for (int q = 2; q <= 7; ++q)
        main[1 + 3 * ((3 * 7 + 1) * 7 + q) + 1] = static_cast<std::uint8_t>(100 + q);
    // VHBB(5) and MHBB(2): the 8 in the trick; VHBB reads it as played.
    main[1 + 3 * ((5 * 7 + 1) * 7 + 2) + 2] = 150;
    mhb[1 + 4 * ((2 * 7 + 1) * 7 + 2) + 3] = 130;
    // VHTR(4), hearts trump, rating the clubs jack (p 11): every other
    // position once; the rated card's own entry (q 11) must not be read.
    for (int q = 1; q <= 10; ++q)
        vht[1 + 3 * ((4 * 11 + 11) * 11 + q) + 1] = 101;
    vht[1 + 3 * ((4 * 11 + 11) * 11 + 11) + 1] = 0;
    // MHNL(10): the jack (rank 4) in null against the 7 in the trick.
    mht[1 + 4 * ((10 * 11 + 4) * 11 + 1) + 3] = 60;
    // MHTR(20), clubs trump, the clubs 9 (p 3) against the spades jack (q 10), played.
    mht[1 + 4 * ((20 * 11 + 3) * 11 + 10) + 2] = 111;
    // VHNL(6): the hearts ace (p 8) against the king (q 6), own; byte 0 adds -100.
    vht[1 + 3 * ((6 * 11 + 8) * 11 + 6) + 0] = 0;
    load();

    const PatternView allOut{mask({hearts(RANK_SEVEN)}), 0, 0};
    const PatternView eightInTrick{mask({hearts(RANK_SEVEN)}), 0, mask({hearts(RANK_EIGHT)})};
    const PatternView jackOwn{mask({14}), 0, 0};
    const PatternView nullTrick{mask({hearts(RANK_JACK)}), 0, mask({hearts(RANK_SEVEN)})};
    const PatternView spadesJackPlayed{mask({makeCardId(SUIT_CLUBS, RANK_NINE)}), mask({24}), 0};
    const PatternView aceKing{mask({hearts(RANK_ACE), hearts(RANK_KING)}), 0, 0};
    struct Case {
        TABELLE table;
        GameType type;
        CardId card;
        const PatternView* view;
        int expected;
    } cases[] = {
        {{KIND_VHBB, 3}, GAME_GRAND, hearts(RANK_SEVEN), &allOut, 2 + 3 + 4 + 5 + 6 + 7},
        {{KIND_VHBB, 5}, GAME_GRAND, hearts(RANK_SEVEN), &eightInTrick, 50},
        {{KIND_MHBB, 2}, GAME_GRAND, hearts(RANK_SEVEN), &eightInTrick, 30},
        {{KIND_VHTR, 4}, GAME_HEARTS, 14, &jackOwn, 10},
        {{KIND_MHNL, 10}, GAME_NULL, hearts(RANK_JACK), &nullTrick, -40},
        {{KIND_MHTR, 20}, GAME_CLUBS, makeCardId(SUIT_CLUBS, RANK_NINE), &spadesJackPlayed, 11},
        {{KIND_VHNL, 6}, GAME_NULL, hearts(RANK_ACE), &aceKing, -100},
        {{KIND_FLTR, 2}, GAME_HEARTS, hearts(RANK_SEVEN), &allOut, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(tables.rate(c.table, c.type, c.card, c.view), c.expected) << c.table.name();
}

TEST_F(LeadTablesTest, FilterReadsWithoutTheHeaderByte)
{
    auto& main = files[SL_TABELLEN::FILE_MAIN];
    // Number 7 and up: entry q at the start of the file, byte 3q + state.
    main[3 * 2 + 1] = 105; // the 8 outstanding
    main[3 * 7 + 3] = 120; // the ace in the trick
    // Number 2: the VHBB(9) block with p 3, read one byte early.
    main[1 + 3 * ((9 * 7 + 3) * 7 + 5) + 1] = 90; // king played (state 2 = byte 1 of the entry)
    load();
    ARRAY_OF_FARBKARTEN_BB pattern;
    const PatternView view{0, mask({hearts(RANK_KING)}), mask({hearts(RANK_ACE), hearts(RANK_NINE)})};
    pattern.fill(&view, H);
    EXPECT_EQ(tables.rateFilter(7, hearts(RANK_NINE), pattern), 5 + 20);
    EXPECT_EQ(tables.rateFilter(12, hearts(RANK_NINE), pattern), 5 + 20);
    EXPECT_EQ(tables.rateFilter(2, hearts(RANK_NINE), pattern), -10);
}

constexpr const char* VHBB_HEADS = "  7 |  8 |  9 |xxxx|  D |  K | 10 |  A |Pos |Soll|Abst|Max |";

TEST_F(LeadTablesTest, DeltaRowsOverrideTheirSituation)
{
    // 7 and queen own, 8, 9 and king played, ten and ace outstanding.
    const std::string situation = "   0|   2|   2| 200|   0|   2|   1|   1|";
    writeDelta("VHBB(10).d", std::string("VHBB(10)\r\n") + VHBB_HEADS + "\r\n" + situation + "   2|  40|   2|   1\r\n"
                                 + situation + "   3|  25|   0|   0\r\n");
    // Only rows with Max clear: no override for this one.
    writeDelta("VHBB(11).d", std::string("VHBB(11)\r  7 |  8 |  9 |xxxx|  D |  K | 10 |  A |\rPos |Soll|Abst|Max |\r")
                                 + situation + "   1|  40|   2|   0\r");
    files[SL_TABELLEN::FILE_MAIN][1 + 3 * ((11 * 7 + 1) * 7 + 6) + 1] = 107;
    load();
    const PatternView view{mask({hearts(RANK_SEVEN), hearts(RANK_QUEEN)}),
                           mask({hearts(RANK_EIGHT), hearts(RANK_NINE), hearts(RANK_KING)}), 0};
    EXPECT_EQ(tables.rate({KIND_VHBB, 10}, GAME_CLUBS, hearts(RANK_QUEEN), &view), 40); // Pos 2
    EXPECT_EQ(tables.rate({KIND_VHBB, 10}, GAME_CLUBS, hearts(RANK_SEVEN), &view), 15); // least Soll - 10
    EXPECT_EQ(tables.rate({KIND_VHBB, 11}, GAME_CLUBS, hearts(RANK_SEVEN), &view), 7);  // the lead table
    // A filter situation never matches a row.
    writeDelta("FLTR(1).d", std::string("FLTR(1)\n") + VHBB_HEADS
                                + "\n 255| 255| 255| 200| 255| 255| 255| 255|   1|  50|   0|   1\n");
    TRAINING_SITUATION filter({KIND_FLTR, 1});
    filter.fill(&view, H);
    EXPECT_EQ(filter.states[1], 255);
    EXPECT_EQ(filter.states[4], 200);
    TRAINING_HISTORY history(folder, {KIND_FLTR, 1});
    EXPECT_EQ(history.rows().size(), 0u);
    EXPECT_TRUE(sink->texts.empty());
}

TEST_F(LeadTablesTest, DeltaReaderStopsAtTheFirstIncompleteRow)
{
    const std::string row = "   0|   2|   2| 200|   0|   2|   1|   1|   1|  30|   0|   1\n";
    writeDelta("VHBB(12).d", std::string("VHBB(12)\n") + VHBB_HEADS + "\n" + row + "   0|   2|   2| 200|   0\n" + row);
    TRAINING_HISTORY history(folder, {KIND_VHBB, 12});
    history.load();
    EXPECT_TRUE(history.loaded());
    EXPECT_EQ(history.rows().size(), 1u);
    ASSERT_EQ(sink->texts.size(), 1u);
    history.load(); // read once: no second warning
    EXPECT_EQ(sink->texts.size(), 1u);

    std::vector<TRAINING_HISTORY::Row> rows;
    bool badHeader = false;
    struct Case {
        const char* text;
        bool whole;
        std::size_t rows;
    } cases[] = {
        {"VHBB(12)\n", true, 0}, // no heads, no rows
        {"VHBB(12)\n  7 |  8 |  9 |xxxx|  D |  K | 10 |  A |Pos |Soll|Abst|Max |\n\n", true, 0},
        {"VHBB(12)\n  7 |  8 |  9 |xxxx|  D |  K | 10 |  A |Pos |Soll|Abst|Max |\n   0|abc\n", false, 0},
        {"VHBB(12)\n  7 |  8 |  9 |xxxx|  D |  K | 10 |  A |Pos |Soll|Abst|Max |\n   0|   2|   2| 200|   0|   2|   1|  "
         " 1|   1|  30|   0|   1",
         true, 1}, // last line without its end
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TRAINING_HISTORY::parse(c.text, {KIND_VHBB, 12}, rows, badHeader), c.whole) << c.text;
        EXPECT_EQ(rows.size(), c.rows) << c.text;
        EXPECT_FALSE(badHeader);
    }
}

TEST_F(LeadTablesTest, DeltaTableOfAnotherNumberWarnsAtEveryRating)
{
    writeDelta("VHBB(0).d", std::string("VHBB(4)\n") + VHBB_HEADS
                                + "\n   1|   1|   1| 200|   1|   1|   1|   0|   1| 90|   0|   1\n");
    load();
    const PatternView view{mask({hearts(RANK_ACE)}), 0, 0};
    EXPECT_EQ(tables.rate({KIND_VHBB, 0}, GAME_CLUBS, hearts(RANK_ACE), &view), 0);
    EXPECT_EQ(tables.rate({KIND_VHBB, 0}, GAME_CLUBS, hearts(RANK_ACE), &view), 0);
    EXPECT_EQ(sink->texts.size(), 2u);
}

TEST(GeneratedLogicSet, ShippedFilesHaveTheirSizesAndNeutralHeaders)
{
    SL_TABELLEN tables;
    const auto previous = vordix::setMessageSink(std::make_shared<testsupport::RecordingMessageSink>());
    EXPECT_TRUE(tables.loadFiles(SKAT_LOGIC_DATA_DIR));
    vordix::setMessageSink(previous);
    for (int f = 0; f < SL_TABELLEN::FILE_COUNT; ++f) {
        EXPECT_EQ(fs::file_size(fs::path(SKAT_LOGIC_DATA_DIR) / tables.fileName(SL_TABELLEN::FileIndex(f))),
                  SL_TABELLEN::FILE_SIZES[f]);
        EXPECT_EQ(tables.entryByte(SL_TABELLEN::FileIndex(f), 0), 0);
    }
}

} // namespace

namespace {

class MemoryPreferences : public VORDIX_PREFERENCE_imp {
public:
    bool setValue(int id, const std::wstring& text) override
    {
        values[id] = text;
        ++writes;
        return true;
    }
    bool getValue(int id, std::wstring& text) override
    {
        text.clear();
        const auto it = values.find(id);
        if (it == values.end())
            return false;
        text = it->second;
        return true;
    }
    std::map<int, std::wstring> values;
    int writes = 0;
};

TEST_F(LeadTablesTest, PreferencesNameTheSetAndKeepTheUsersChoice)
{
    writeSet();
    auto memory = std::make_unique<MemoryPreferences>();
    MemoryPreferences* store = memory.get();
    VORDIX_PREFERENCE preferences(std::move(memory));

    EXPECT_TRUE(tables.loadFromPreferences(preferences, folder)); // nothing stored: the standard set
    EXPECT_EQ(tables.logicName(), L"Standard");

    tables.chooseLogicSet(preferences, L"Profi.SPL");
    EXPECT_EQ(store->values[PREF_LOGIC_SET], L"Profi");
    const int writes = store->writes;
    EXPECT_TRUE(tables.loadFromPreferences(preferences, folder)); // Profi is missing: the standard set stands in
    EXPECT_EQ(tables.logicName(), L"Standard");
    EXPECT_EQ(store->values[PREF_LOGIC_SET], L"Profi"); // the choice is not overwritten
    EXPECT_EQ(store->writes, writes);
}

} // namespace
