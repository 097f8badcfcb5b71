// The stand-in computer logic: its proposal, its discard and its card.

#include "skat/logic/StandInLogic.h"
#include "tests/engine/test_table_support.h"

#include <gtest/gtest.h>

using table_test::cardsOf;

namespace {

TEST(StandInLogic, ProposalFromJacksAndTrumps)
{
    struct Case {
        const char* hand;
        GameType type;
        int limit;
    };
    const Case cases[] = {
        // Three jacks and two aces: grand, with two matadors at most counted.
        {"KB PB HB KA PA K7 K8 H7 H8 C7", GAME_GRAND, 72},
        // Five clubs with the jacks: a clubs game.
        {"KB PB KA K1 KK HA H7 H8 C7 C8", GAME_CLUBS, 36},
        // Four trumps with two jacks and a side ace.
        {"HB CB PA P1 PK P7 KA H7 H8 C7", GAME_SPADES, 33},
        // Four trumps with one jack: no bid, the longest suit is still proposed.
        {"CB HA H1 H7 KA K7 P7 P8 C7 C8", GAME_HEARTS, 0},
    };
    for (const Case& c : cases) {
        const GameProposal proposal = STANDIN_LOGIK::proposeFor(cardsOf(c.hand));
        EXPECT_EQ(proposal.type, c.type) << c.hand;
        EXPECT_EQ(proposal.bidLimit, c.limit) << c.hand;
        EXPECT_EQ(proposal.winLevel, WIN_LEVEL_WITH_SKAT);
    }
}

TEST(StandInLogic, DiscardsTheTwoHighestPointCardsOutsideTheTrumps)
{
    struct Case {
        const char* hand; // twelve cards
        GameType type;
        const char* discard;
    };
    const Case cases[] = {
        {"KB PB KA K1 KK KD K9 HA P1 C7 C8 H7", GAME_CLUBS, "HA P1"},
        // Only one card outside the trumps: the highest-point trump goes with it.
        {"KB PB HB CB KA K1 KK KD K9 K8 K7 C7", GAME_CLUBS, "C7 KA"},
        // Null has no trumps.
        {"KB PB KA K1 KK KD K9 HA P1 C7 C8 H7", GAME_NULL, "KA HA"},
    };
    for (const Case& c : cases) {
        const SKAT discard = STANDIN_LOGIK::discardFor(cardsOf(c.hand), c.type);
        EXPECT_EQ(discard.cardSet(), cardsOf(c.discard)) << c.hand;
        EXPECT_TRUE(discard.isComplete());
    }
}

TEST(StandInLogic, PlaysTheLowestLegalCard)
{
    GameSnapshot situation;
    situation.seat = SEAT_1;
    situation.cards.hands[1] = EINBLATT(cardsOf("KA K7 HB H8 C1"));
    situation.cards.AUSP = 0;
    situation.record.SPIELART = SPIELART(GAME_HEARTS, 0);
    STANDIN_LOGIK logic;
    // leading: the whole hand
    EXPECT_EQ(logic.chooseCard(situation), cardIdFromCode("C1"));
    situation.cards.trick.addCard(cardIdFromCode("H9")); // hearts led: trumps
    EXPECT_EQ(logic.chooseCard(situation), cardIdFromCode("H8"));
    situation.cards.trick.clear();
    situation.cards.trick.addCard(cardIdFromCode("PA")); // no spades: anything
    EXPECT_EQ(logic.chooseCard(situation), cardIdFromCode("C1"));
}

TEST(StandInLogic, RegistrationGivesEveryNewPlayerTheStandIn)
{
    registerStandInLogic();
    EXPECT_NE(dynamic_cast<STANDIN_LOGIK*>(createComputerLogic().get()), nullptr);
    setComputerLogicFactory({});
    EXPECT_EQ(dynamic_cast<STANDIN_LOGIK*>(createComputerLogic().get()), nullptr);
}

} // namespace
