// The full computer player at a table: it bids, takes the skat or plays
// hand, discards, announces and plays games of a list headless, the same way
// from the same seed; with empty tables it still plays (and never bids).

#include "skat/engine/AnswerCheck.h"
#include "skat/logic/ComputerPlayer.h"
#include "skat/logic/LeadTables.h"
#include "skat/logic/OpenAdvice.h"
#include "tests/engine/test_table_support.h"

#include "tests/logic/neutral_logic_set.h"

#include <gtest/gtest.h>

using namespace table_test;

namespace {

const VL_TABELLEN& shippedTables()
{
    static const VL_TABELLEN tables = [] {
        VL_TABELLEN t;
        t.loadFromFolder(SKAT_LOGIC_DATA_DIR);
        leadTables.useFolder(SKAT_LOGIC_DATA_DIR); // the card choice's logic set
        return t;
    }();
    return tables;
}

constexpr int GAMES = 12;

std::vector<SPIELSTRUCT> playList(std::uint32_t seed, const VL_TABELLEN* tables, int& inconsistent)
{
    TableHarness harness([tables] { return std::make_unique<COMPUTER_LOGIK>(tables); }, seed);
    harness.stopAfterGames = GAMES;
    harness.table->modus.setNextOfList(harness.table->sheet);
    EXPECT_TRUE(harness.playToEnd(120000));
    std::vector<SPIELSTRUCT> records;
    for (int i = 0; i < harness.table->sheet.rowCount(); ++i)
        records.push_back(harness.table->sheet.rowAt(i).record);
    inconsistent = harness.inconsistentStates();
    return records;
}

TEST(ComputerPlayer, PlaysGamesOfAListReproducibly)
{
    int inconsistent = 0;
    const std::vector<SPIELSTRUCT> first = playList(20261210, &shippedTables(), inconsistent);
    ASSERT_EQ(static_cast<int>(first.size()), GAMES);
    EXPECT_EQ(inconsistent, 0);
    int declared = 0, won = 0, hand = 0;
    for (const SPIELSTRUCT& record : first) {
        if (record.isPassedIn())
            continue;
        ++declared;
        won += record.SPIELWERT > 0;
        hand += record.SPIELART.GEWINN_STUFE >= WIN_LEVEL_HAND;
        // The game announced is one the logic proposes: suit games, grands and null.
        EXPECT_TRUE(isSuitGame(record.SPIELART.SPIEL_TYP) || record.SPIELART.SPIEL_TYP == GAME_GRAND
                    || record.SPIELART.SPIEL_TYP == GAME_GRAND_OUVERT || record.SPIELART.SPIEL_TYP == GAME_NULL);
    }
    EXPECT_GE(declared, GAMES * 3 / 4) << "the computer player hardly bids";
    EXPECT_GT(won, declared / 2) << "declarers lose most of their games";

    int again = 0;
    EXPECT_EQ(playList(20261210, &shippedTables(), again), first);
}

// Seat 0 declares hearts and leads to the first trick.
GameSnapshot heartsLead()
{
    GameSnapshot game;
    game.seat = SEAT_0;
    game.cards.AUSP = 0;
    game.record.ALLEIN = 0;
    game.record.SPIELART = SPIELART(GAME_HEARTS, WIN_LEVEL_WITH_SKAT);
    game.cards.hands[0].setCardSet(cardsOf("KB HB HA H1 HK H9 KA K1 PA C7"));
    return game;
}

TEST(ComputerPlayer, ChoosesItsCardsByTheLeadTables)
{
    shippedTables();
    COMPUTER_LOGIK logic(&shippedTables());
    const GameSnapshot game = heartsLead();
    const CardId card = logic.chooseCard(game);
    EXPECT_NE(card, NO_CARD);
    EXPECT_NE(cardMaskOfId(card) & game.hand(), 0u);
    // Every card of the hand was rated, and the chosen one rates best
    // (counting the simple choice's bonus, at most SIMPLE_CARD_BONUS).
    const ZUGWERTUNG& ratings = logic.leadRatings();
    EXPECT_EQ(ratings.count(), 10);
    for (int i = 0; i < ratings.count(); ++i)
        EXPECT_LE(ratings.entries[i].rating + ratings.entries[i].filterRating,
                  ratings.total(card) + COMPUTER_LOGIK::SIMPLE_CARD_BONUS);
}

TEST(ComputerPlayer, RatesItsCardsByTheLeadTablesItIsGiven)
{
    // A logic set whose every term is 0, given to one player only: its
    // ratings differ from those of a player on the shared (shipped) set.
    SL_TABELLEN_WERTUNG neutral;
    loadNeutralLogicSet(neutral);
    const GameSnapshot game = heartsLead();
    COMPUTER_LOGIK shared(&shippedTables());
    COMPUTER_LOGIK own({}, {.preplayTables = &shippedTables(), .leadTables = &neutral});
    shared.chooseCard(game);
    own.chooseCard(game);
    ASSERT_EQ(shared.leadRatings().count(), 10);
    ASSERT_EQ(own.leadRatings().count(), 10);
    int differing = 0;
    for (int i = 0; i < 10; ++i) {
        const CardId card = shared.leadRatings().entries[i].card;
        differing += shared.leadRatings().total(card) != own.leadRatings().total(card);
    }
    EXPECT_GT(differing, 0);
    // The shared set is still the shipped one.
    COMPUTER_LOGIK again(&shippedTables());
    again.chooseCard(game);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(again.leadRatings().total(shared.leadRatings().entries[i].card),
                  shared.leadRatings().total(shared.leadRatings().entries[i].card));
}

TEST(ComputerPlayer, ATenCardGrandThatPassesTheOpenTestIsAGrandOuvert)
{
    VL_TABELLEN tables; // ratings stay low; only the open test passes
    for (auto& t : tables.openTables)
        t.values[0] = t.values[8] = 0;
    COMPUTER_LOGIK logic(&tables);
    GameSnapshot game;
    game.seat = SEAT_1;
    game.cards.hands[1].setCardSet(cardsOf("KB PB KA K1 KK PA P1 PK HA H1"));
    const GameProposal proposal = logic.proposeGame(game);
    EXPECT_EQ(proposal.type, GAME_GRAND_OUVERT);
    EXPECT_EQ(proposal.winLevel, WIN_LEVEL_OUVERT_HAND);
    EXPECT_EQ(proposal.bidLimit, 24 * (2 + 7)); // with two, game, hand, schneider, schwarz, both announced, open
    EXPECT_TRUE(isAnnounceableHand(SPIELART(proposal.type, proposal.winLevel, proposal.level)));

    // The shipped tables agree for four jacks with ace and ten in three suits.
    COMPUTER_LOGIK shipped(&shippedTables());
    game.cards.hands[1].setCardSet(cardsOf("KB PB HB CB KA K1 PA P1 HA H1"));
    EXPECT_EQ(shipped.proposeGame(game).type, GAME_GRAND_OUVERT);

    // From middlehand the black jacks alone do not pass: a plain proposal.
    game.cards.hands[1].setCardSet(cardsOf("KB PB KA K1 KK PA P1 PK HA H1"));
    game.seat = SEAT_2;
    game.cards.hands[2] = game.cards.hands[1];
    EXPECT_NE(logic.proposeGame(game).type, GAME_GRAND_OUVERT);
}

TEST(ComputerPlayer, ThePlayHintProposesACardForTheHumanSeat)
{
    TableHarness harness([] { return std::make_unique<COMPUTER_LOGIK>(&shippedTables()); }, 20261211);
    harness.seatHuman(SEAT_0);
    std::atomic<int> hints{0}, missing{0};
    // The scripted human passes and plays every hint it is given.
    harness.windows->onCard = [&](SKATTISCH&, CardId hint, int) {
        ++(hint != NO_CARD ? hints : missing);
        return false;
    };
    harness.stopAfterGames = 4;
    harness.table->modus.setNextOfList(harness.table->sheet);
    EXPECT_TRUE(harness.playToEnd(120000));
    EXPECT_GE(hints, 10) << "the human seat played at least one game by the hints";
    EXPECT_EQ(missing, 0);
    EXPECT_EQ(harness.inconsistentStates(), 0);
}

TEST(ComputerPlayer, EmptyTablesStillPlay)
{
    const VL_TABELLEN empty;
    int inconsistent = 0;
    const std::vector<SPIELSTRUCT> records = playList(7, &empty, inconsistent);
    ASSERT_EQ(static_cast<int>(records.size()), GAMES);
    EXPECT_EQ(inconsistent, 0);
}

TEST(ComputerPlayer, RegistrationAndNames)
{
    registerComputerLogic();
    EXPECT_NE(dynamic_cast<COMPUTER_LOGIK*>(createComputerLogic().get()), nullptr);
    setComputerLogicFactory({});
    EXPECT_NE(dynamic_cast<COMPUTER_LOGIK*>(createLogicByName("full").get()), nullptr);
    EXPECT_NE(createLogicByName("standin"), nullptr);
    EXPECT_EQ(createLogicByName("best"), nullptr);
}

TEST(ComputerPlayer, PlayStyleIsKeptInRange)
{
    setComputerPlayStyle(PLAY_STYLE_OFFENSIVE);
    EXPECT_EQ(computerPlayStyle(), PLAY_STYLE_OFFENSIVE);
    setComputerPlayStyle(7);
    EXPECT_EQ(computerPlayStyle(), PLAY_STYLE_BALANCED);
}

TEST(ComputerPlayer, AdviceOfASuit)
{
    VL_TABELLEN tables;
    tables.discardTable.values[16].Wizzard = L"Die blanke Zehn drücken.";
    VORLOGIK logic(&tables);
    const CardSet hand = cardsOf("KB K1 PA P1 H7");
    EXPECT_EQ(logic.suitPatternText(hand, SUIT_CLUBS), L"Die blanke Zehn drücken."); // the jack is no part of it
    EXPECT_EQ(logic.suitPatternText(hand, SUIT_DIAMONDS), L"");
    EXPECT_EQ(logic.suitPatternText(hand, SUIT_HEARTS), L""); // no advice in the table
}

} // namespace

namespace {

TEST(ComputerPlayer, DeclarerKnowsItsDiscardNotTheSkatOfAHandGame)
{
    GameSnapshot game;
    game.seat = SEAT_0;
    game.record.ALLEIN = 0;
    game.record.SPIELART = SPIELART(GAME_CLUBS, WIN_LEVEL_WITH_SKAT);
    game.laidAway = cardsOf("HA H1");
    EXPECT_EQ(COMPUTER_LOGIK::viewOf(game).knownAway, cardsOf("HA H1"));
    game.record.SPIELART = SPIELART(GAME_CLUBS, WIN_LEVEL_HAND);
    EXPECT_EQ(COMPUTER_LOGIK::viewOf(game).knownAway, 0u);
}

} // namespace

namespace {

// A game of seat 0 after `tricks` tricks in which every seat played its
// lowest legal card, seen by the seat to move.
GameSnapshot lateGame(GameType type, int tricks)
{
    SPIELKARTEN cards;
    cards.hands[0].setCardSet(cardsOf("KB PB KA K1 KK KD K9 PA HA C7"));
    cards.hands[1].setCardSet(cardsOf("HB CB K8 K7 P1 PK PD H1 HK C8"));
    cards.hands[2].setCardSet(cardsOf("P9 P8 P7 HD H9 H8 H7 CA C1 CK"));
    cards.AUSP = 0;
    cards.pile.setVh(SEAT_0);
    cards.pile.setSkat(SKAT(cardIdFromCode("CD"), cardIdFromCode("C9")));
    SPIELSTRUCT record;
    record.SPIELART = SPIELART(type, WIN_LEVEL_WITH_SKAT);
    record.ALLEIN = 0;
    for (int t = 0; t < tricks; ++t) {
        for (int k = 0; k < 3; ++k)
            cards.playCard(lowestCardOf(legalCardsOfSeat(cards, type, cards.seatToMove())));
        cards.collectTrick(type, record.declarer());
    }
    GameSnapshot game;
    game.take(cards, record, cards.seatToMove());
    game.hostingTable = true;
    return game;
}

TEST(ComputerPlayer, TheAnalysisIsGivenEveryLeadRating)
{
    // The advice compares the lead totals of the cards: each legal card's
    // total reaches it, so it names only the cards rated alike.
    shippedTables();
    int checked = 0;
    for (GameType type : {GAME_CLUBS, GAME_GRAND})
        for (int tricks : {3, 4, 5, 6}) {
            const GameSnapshot game = lateGame(type, tricks);
            COMPUTER_LOGIK logic(&shippedTables());
            const CardId card = logic.chooseCard(game);
            const OpenAnalysisStore::Snapshot last = logic.openAnalysis().snapshot();
            ASSERT_TRUE(last.valid) << type << "/" << tricks;
            EXPECT_EQ(last.chosen, card);
            const ZUGWERTUNG& rated = logic.leadRatings();
            ASSERT_EQ(last.leadCount, rated.count());
            ASSERT_EQ(rated.count(), cardCount(game.legalCards()));
            for (const LeadRating& r : last.leadRatings())
                EXPECT_EQ(r.total, rated.total(r.card));
            OpenGameAdvice advice;
            ASSERT_TRUE(openGameAdviceFrom(logic.openAnalysis(), advice));
            if (rated.count() < 2)
                continue;
            ++checked;
            for (int i = 0; i < advice.alternativeCount; ++i)
                EXPECT_EQ(rated.total(advice.alternatives[static_cast<std::size_t>(i)]), rated.total(card))
                    << type << "/" << tricks;
        }
    EXPECT_GE(checked, 6);
}

TEST(ComputerPlayer, TheMemoryPreferenceDecidesWhichSearchRuns)
{
    // Good memory on the hosting table: the real deal's ratings decide four
    // cards of five and the drawn deals are not searched; a program that
    // joined a table, or poor memory, never searches the real deal.
    shippedTables();
    struct Case {
        int memory;
        bool hosting;
        int realMin, realMax; // decisions from the real deal, of 8
    };
    for (const Case c : {Case{0, true, 4, 8}, Case{0, false, 0, 0}, Case{2, true, 0, 0}}) {
        ComputerPlayerSettings settings;
        settings.memory = c.memory;
        COMPUTER_LOGIK logic(settings, {.preplayTables = &shippedTables()});
        int real = 0;
        for (GameType type : {GAME_CLUBS, GAME_GRAND})
            for (int tricks = 3; tricks <= 6; ++tricks) {
                GameSnapshot game = lateGame(type, tricks);
                game.hostingTable = c.hosting;
                logic.chooseCard(game);
                const OpenAnalysisStore::Snapshot last = logic.openAnalysis().snapshot();
                ASSERT_TRUE(last.valid);
                ASSERT_FALSE(last.working.empty());
                real += last.sampleCount == 0;
                if (last.sampleCount == 0) {
                    // Then its ratings are the real deal's.
                    SLOFFENWERTUNG exact;
                    OpenSearch search;
                    search.solve(last.view.realDeal(), exact);
                    ASSERT_EQ(exact.size(), last.working.size());
                    for (const OpenGameRating& r : exact)
                        EXPECT_EQ(last.working.value(r.card), r.value);
                }
            }
        EXPECT_GE(real, c.realMin) << c.memory << " " << c.hosting;
        EXPECT_LE(real, c.realMax) << c.memory << " " << c.hosting;
    }
    setComputerMemory(7);
    EXPECT_EQ(computerMemory(), 2);
}

} // namespace
