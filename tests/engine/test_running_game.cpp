// The running-game document "LfdSpiel.skt": round trip and the saved states
// from which no game may resume.

#include "skat/engine/LaufendesSpielDokument.h"
#include "skat/engine/Spielkarten.h"
#include "vordix/MessageSink.h"

#include <gtest/gtest.h>
#include <tinyxml2.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

class RunningGameTest : public testing::Test {
protected:
    void SetUp() override
    {
        folder = fs::temp_directory_path()
                 / ("running-game-" + std::to_string(::getpid()) + "-"
                    + testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    VORDIX_FILE file() const
    {
        VORDIX_FOLDER dir;
        dir.setPath(folder.wstring());
        return VORDIX_FILE(dir, L"LfdSpiel.skt");
    }

    // Saves a document and opens it again in a fresh one.
    void saveAndReopen(LAUFENDES_SPIEL_DOKUMENT& saved, LAUFENDES_SPIEL_DOKUMENT& opened) const
    {
        saved.file = file();
        ASSERT_TRUE(saved.save());
        ASSERT_EQ(opened.open(file()), 0);
    }

    fs::path folder;
};

// A grand of seat 0 from the unshuffled deal: skat taken and pushed, and the
// given number of cards played (tricks collected as they fill).
void playGrand(LAUFENDES_SPIEL_DOKUMENT& document, int cardsPlayed)
{
    SPIELKARTEN& cards = document.cards;
    cards.reset();
    cards.pile.setVh(SEAT_1);
    cards.AUSP = 1;
    cards.deal();
    cards.takeSkatCard(SEAT_0, cards.skat.cardId(1));
    cards.takeSkatCard(SEAT_0, cards.skat.cardId(2));
    // Lay away the two lowest cards of the twelve.
    const CardSet hand = cards.hands[0].cardSet();
    const CardSet lowest = hand & (~hand + 1);
    cards.pushSkat(SEAT_0, SKAT(cardByBit(lowestBit(lowest))->id(), cardByBit(lowestBit(hand & ~lowest))->id()));

    SPIELSTRUCT& record = document.record;
    record.GEREIZTBIS = {24, 18, 0};
    record.GEREIZT = 24;
    record.ALLEIN = 0;
    record.SPIELART = SPIELART(GAME_GRAND, WIN_LEVEL_WITH_SKAT);
    record.SPITZEN = 1;
    for (int n = 0; n < cardsPlayed; ++n) {
        const CardSet own = cards.hands[cards.seatToMove()].cardSet();
        cards.playCard(cardByBit(lowestBit(own))->id());
        if (cards.trick.isComplete())
            cards.collectTrick(GAME_GRAND, SEAT_0);
    }
    ASSERT_TRUE(cards.isConsistent());
}

TEST_F(RunningGameTest, RoundTripOfStateCardsAndRecord)
{
    LAUFENDES_SPIEL_DOKUMENT saved;
    playGrand(saved, 7);
    saved.stateIndex = 8;
    LAUFENDES_SPIEL_DOKUMENT opened;
    saveAndReopen(saved, opened);

    EXPECT_EQ(opened.stateIndex, 8);
    EXPECT_TRUE(opened.canResume());
    for (Seat seat = SEAT_0; seat < 3; ++seat)
        EXPECT_EQ(opened.cards.hands[seat].cardSet(), saved.cards.hands[seat].cardSet()) << seat;
    EXPECT_EQ(opened.cards.trick, saved.cards.trick);
    EXPECT_EQ(opened.cards.leader(), saved.cards.leader());
    EXPECT_EQ(opened.cards.pile, saved.cards.pile);
    EXPECT_EQ(opened.record, saved.record);

    tinyxml2::XMLDocument document;
    ASSERT_EQ(document.LoadFile((folder / "LfdSpiel.skt").c_str()), tinyxml2::XML_SUCCESS);
    const auto* root = document.RootElement();
    EXPECT_STREQ(root->Name(), "Spielliste");
    EXPECT_EQ(root->Attribute("DokumentVersion"), nullptr);
    const auto* running = root->FirstChildElement("Laufend");
    ASSERT_NE(running, nullptr);
    EXPECT_STREQ(running->Attribute("ZUSTANDINDEX"), "8");
    ASSERT_NE(running->FirstChildElement(), nullptr);
    EXPECT_STREQ(running->FirstChildElement()->Name(), "SPIELKARTEN_CORE");
    EXPECT_STREQ(running->FirstChildElement()->NextSiblingElement()->Name(), "SPIELSTRUCT");
}

TEST_F(RunningGameTest, SettlementStateWithEveryTrickPlayedResumes)
{
    LAUFENDES_SPIEL_DOKUMENT saved;
    playGrand(saved, 30);
    ASSERT_EQ(saved.cards.pile.trickCount(), 10);
    saved.stateIndex = 10;
    LAUFENDES_SPIEL_DOKUMENT opened;
    saveAndReopen(saved, opened);
    EXPECT_EQ(opened.stateIndex, 10) << "the hands are empty, but the cards are on the pile";
    EXPECT_EQ(opened.cards.pile, saved.cards.pile);
}

TEST_F(RunningGameTest, StatesThatCannotResume)
{
    enum Setup { NOTHING_DEALT, NO_GAME_TYPE, NO_DECLARER, GRAND };
    const struct {
        const char* name;
        Setup setup;
        int index;
    } cases[] = {
        {"index 0", GRAND, 0},
        {"negative index", GRAND, -3},
        {"unknown index", GRAND, 12},
        {"nothing dealt", NOTHING_DEALT, 4},
        {"card play without a game type", NO_GAME_TYPE, 8},
        {"trick collection without a game type", NO_GAME_TYPE, 9},
        {"settlement without a game type", NO_GAME_TYPE, 10},
        {"card play of a grand without a declarer", NO_DECLARER, 8},
        {"settlement of a grand without a declarer", NO_DECLARER, 10},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        LAUFENDES_SPIEL_DOKUMENT saved;
        if (c.setup != NOTHING_DEALT)
            playGrand(saved, 4);
        if (c.setup == NO_GAME_TYPE)
            saved.record.SPIELART = SPIELART();
        if (c.setup == NO_DECLARER)
            saved.record.ALLEIN = SEAT_NONE;
        saved.stateIndex = c.index;
        LAUFENDES_SPIEL_DOKUMENT opened;
        saveAndReopen(saved, opened);
        EXPECT_EQ(opened.stateIndex, 0);
        EXPECT_FALSE(opened.canResume());
        EXPECT_EQ(opened.cards.hands[0].cardSet(), 0u);
        EXPECT_EQ(opened.cards.pile.trickCount(), 0);
        EXPECT_EQ(opened.record.SPIELART.SPIEL_TYP, GAME_NONE);
        EXPECT_EQ(opened.record.declarer(), SEAT_NONE);
    }
}

TEST_F(RunningGameTest, RamschInCardPlayResumesWithoutDeclarer)
{
    // Ramsch has no declarer until the settlement names the loser.
    LAUFENDES_SPIEL_DOKUMENT saved;
    playGrand(saved, 4);
    saved.record.SPIELART = SPIELART(GAME_RAMSCH, WIN_LEVEL_WITH_SKAT);
    saved.record.ALLEIN = SEAT_NONE;
    saved.stateIndex = 8;
    LAUFENDES_SPIEL_DOKUMENT opened;
    saveAndReopen(saved, opened);
    EXPECT_EQ(opened.stateIndex, 8);
    EXPECT_EQ(opened.record.SPIELART.SPIEL_TYP, GAME_RAMSCH);
}

TEST_F(RunningGameTest, BiddingStateWithoutGameTypeResumes)
{
    LAUFENDES_SPIEL_DOKUMENT saved;
    playGrand(saved, 0);
    saved.record.SPIELART = SPIELART();
    saved.record.REIZ_INDEX = 3;
    saved.stateIndex = 4;
    LAUFENDES_SPIEL_DOKUMENT opened;
    saveAndReopen(saved, opened);
    EXPECT_EQ(opened.stateIndex, 4);
    EXPECT_EQ(opened.record.REIZ_INDEX, 3);
}

TEST_F(RunningGameTest, InconsistentCardsResumeNothing)
{
    std::ofstream(folder / "LfdSpiel.skt")
        << R"(<Spielliste><Laufend ZUSTANDINDEX="8"><SPIELKARTEN_CORE AUSP="0">)"
           R"(<EINBLATT k1="KA" k2="KA"/><EINBLATT k1="KA"/><EINBLATT/><STAPEL VH="0"/><STICH S=""/><SKAT/>)"
           R"(</SPIELKARTEN_CORE><SPIELSTRUCT TR="5" STR="0 1 2 48"/></Laufend></Spielliste>)";
    LAUFENDES_SPIEL_DOKUMENT opened;
    ASSERT_EQ(opened.open(file()), 0);
    EXPECT_EQ(opened.stateIndex, 0);
    EXPECT_EQ(opened.record.SPIELART.SPIEL_TYP, GAME_NONE);
}

TEST_F(RunningGameTest, FileWithoutRunningGameFailsAndKeepsItsFile)
{
    std::ofstream(folder / "LfdSpiel.skt") << "<Spielliste DokumentVersion=\"2\"><Spiele/></Spielliste>";
    LAUFENDES_SPIEL_DOKUMENT opened;
    EXPECT_NE(opened.open(file()), 0);
    EXPECT_EQ(opened.stateIndex, 0);
    EXPECT_TRUE(opened.modified);
    EXPECT_EQ(opened.file.fullPath(), file().fullPath());
}

TEST_F(RunningGameTest, ResetOnlyChoosesAFileWhenThereIsNone)
{
    LAUFENDES_SPIEL_DOKUMENT named;
    named.file = file();
    named.stateIndex = 6;
    named.reset();
    EXPECT_EQ(named.file.fullPath(), file().fullPath());
    EXPECT_EQ(named.stateIndex, 6) << "reset leaves the game alone";

    const char* saved = std::getenv("XDG_DATA_HOME");
    const std::string previous = saved ? saved : "";
    ::setenv("XDG_DATA_HOME", folder.c_str(), 1);
    LAUFENDES_SPIEL_DOKUMENT fresh;
    fresh.reset();
    EXPECT_EQ(fresh.file.fullPath(), (folder / "SKAT" / "Spiellisten" / "LfdSpiel.skt").wstring());
    if (saved)
        ::setenv("XDG_DATA_HOME", previous.c_str(), 1);
    else
        ::unsetenv("XDG_DATA_HOME");
}

} // namespace
