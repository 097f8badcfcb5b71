// A score sheet the program saved reads back whole: over lists played
// headless by three computer seats under several rule sets, every saved
// sheet opens without a word, is not marked as changed and holds the rows
// that were saved.

#include "skat/logic/StandInLogic.h"
#include "tests/engine/test_table_support.h"
#include "tests/support/RecordingMessageSink.h"
#include "vordix/MessageSink.h"
#include "vordix/Utf8.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

using namespace table_test;
namespace fs = std::filesystem;

namespace {

std::string contentOf(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

RuleSettings rulesWith(bool kontraRe, bool bock, bool ramsch)
{
    RuleSettings rules;
    rules.kontraRe = kontraRe;
    rules.bockRounds = bock;
    rules.bockOn60To60 = rules.bockOnLostKontra = rules.bockOnWonKontra = bock;
    rules.bockOnDefenders90 = rules.bockOnDeclarer90 = bock;
    rules.ramschAfterPass = ramsch;
    return rules;
}

TEST(SavedSheets, ASheetSavedAfterPlayReadsBackUndamaged)
{
    const fs::path folder = fs::temp_directory_path() / ("saved-sheets-" + std::to_string(::getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    auto messages = std::make_shared<testsupport::RecordingMessageSink>();
    const auto previous = vordix::setMessageSink(messages);

    struct Case {
        std::uint32_t seed;
        RuleSettings rules;
    };
    const Case cases[] = {
        {1, rulesWith(false, false, false)},     {2, rulesWith(true, false, false)},
        {3, rulesWith(false, false, true)},      {4, rulesWith(true, true, true)},
        {20261211, rulesWith(true, true, true)}, {77, rulesWith(false, true, false)},
    };
    std::set<int> typesSeen;
    int rowsChecked = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "seed " << c.seed);
        TableHarness harness([] { return std::make_unique<STANDIN_LOGIK>(); }, c.seed);
        setCurrentRules(c.rules);
        harness.table->setHeadless(true);
        harness.table->modus.setNextOfList(harness.table->sheet);
        ASSERT_TRUE(harness.playToEnd(60000));
        LISTE& sheet = harness.table->sheet;
        ASSERT_GT(sheet.rowCount(), 0);

        VORDIX_FOLDER dir;
        dir.setPath(folder.wstring());
        sheet.file = VORDIX_FILE(dir, L"Aktuell.skt");
        sheet.modified = true;
        messages->clear();
        ASSERT_TRUE(sheet.save());

        LISTE back;
        ASSERT_EQ(back.open(VORDIX_FILE(dir, L"Aktuell.skt")), 0);
        EXPECT_TRUE(messages->texts.empty()) << (messages->texts.empty() ? "" : vordix::toUtf8(messages->texts[0]));
        EXPECT_FALSE(back.modified);
        EXPECT_FALSE(fs::exists(folder / "Aktuell.skt.unlesbar"));
        ASSERT_EQ(back.rowCount(), sheet.rowCount());
        for (int i = 0; i < sheet.rowCount(); ++i) {
            SCOPED_TRACE(testing::Message() << "row " << i + 1);
            const EIN_SPIEL& a = sheet.rowAt(i);
            const EIN_SPIEL& b = back.rowAt(i);
            // The bidding state is not kept for a finished game.
            EXPECT_EQ(b.record.SPIELART, a.record.SPIELART);
            EXPECT_EQ(b.record.declarer(), a.record.declarer());
            EXPECT_EQ(b.record.SPIELWERT, a.record.SPIELWERT);
            EXPECT_EQ(b.record.GEREIZT, a.record.GEREIZT);
            EXPECT_EQ(b.pile, a.pile);
            EXPECT_EQ(b.trickCount(), a.trickCount());
            EXPECT_EQ(b.deal.skat.cardSet(), a.deal.skat.cardSet());
            for (Seat seat = SEAT_0; seat < 3; ++seat)
                EXPECT_EQ(b.deal.hands[seat].cardSet(), a.deal.hands[seat].cardSet()) << "seat " << seat;
            EXPECT_EQ(b.points, a.points);
            EXPECT_EQ(b.passedGames, a.passedGames);
            typesSeen.insert(a.record.SPIELART.SPIEL_TYP);
            ++rowsChecked;
        }
        // Saved again, the sheet read back is the sheet saved.
        back.file = VORDIX_FILE(dir, L"Wieder.skt");
        back.modified = true;
        ASSERT_TRUE(back.save());
        EXPECT_EQ(contentOf(folder / "Wieder.skt"), contentOf(folder / "Aktuell.skt"));
    }
    vordix::setMessageSink(previous);
    fs::remove_all(folder);
    EXPECT_GE(rowsChecked, 100);
    // The lists hold more than one kind of game, passed-in rows among them.
    EXPECT_GE(typesSeen.size(), 3u);
}

} // namespace
