// A computer declarer announces the game its logic names after the discard,
// not the one it proposed before the bidding.

#include "tests/engine/test_table_support.h"

#include <gtest/gtest.h>

using namespace table_test;

namespace {

// Bids 18 with clubs, then, holding the skat, changes its mind to grand.
class ChangingLogic : public PLAYER_LOGIK {
public:
    GameProposal proposeGame(const GameSnapshot&) override { return {18, GAME_CLUBS, WIN_LEVEL_WITH_SKAT, 0}; }
    DiscardPair chooseDiscard(const GameSnapshot& game, const GameProposal&) override
    {
        CardSet hand = game.hand();
        const CardId first = cardIdOfBit(lowestBit(hand));
        hand &= hand - 1;
        return {first, cardIdOfBit(lowestBit(hand))};
    }
    GameProposal proposalAfterDiscard(const GameSnapshot&, const GameProposal& proposal) override
    {
        GameProposal changed = proposal;
        changed.type = GAME_GRAND;
        return changed;
    }
};

TEST(ProposalAfterDiscard, TheDeclarerAnnouncesTheRevisedGame)
{
    TableHarness harness([] { return std::make_unique<ChangingLogic>(); }, 31);
    harness.stopAfterGames = 1;
    harness.table->modus.setNextOfList(harness.table->sheet);
    ASSERT_TRUE(harness.playToEnd());
    ASSERT_EQ(harness.table->sheet.rowCount(), 1);
    const SPIELSTRUCT& record = harness.table->sheet.rowAt(0).record;
    EXPECT_EQ(record.GEREIZT, 18);
    EXPECT_EQ(record.SPIELART.SPIEL_TYP, GAME_GRAND);
}

} // namespace
