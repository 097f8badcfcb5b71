// Exercise games: the computer follows the stored game, every card that
// leaves it is reported, and a settled exercise is offered again; interrupting a game
// of the sheet makes it a free game.

#include "tests/engine/test_table_support.h"

#include <gtest/gtest.h>

using namespace table_test;

namespace {

constexpr Seat V = SEAT_2, M = SEAT_0;

// One game of the sheet, played with the lowest legal cards.
EIN_SPIEL storedGame()
{
    TableHarness harness;
    harness.scriptDeal(DEAL, V);
    seatScripts()[V] = SeatScript{18, GAME_DIAMONDS};
    harness.stopAfterGames = 1;
    harness.table->modus.setNextOfList(harness.table->sheet);
    EXPECT_TRUE(harness.playToEnd());
    return harness.table->sheet.rowAt(0);
}

// A logic that would rather play its highest card.
class HighCardLogic : public ScriptedLogic {
public:
    CardId chooseCard(const GameSnapshot& situation) override
    {
        const CardSet legal = situation.legalCards();
        return legal == 0 ? NO_CARD : cardIdOfBit(31 - std::countl_zero(legal));
    }
};

TEST(Exercise, SeatsOnTheStoredPlayReplayItAndTheDecisionSaysWhatFollows)
{
    const EIN_SPIEL stored = storedGame();
    ASSERT_EQ(stored.trickCount(), 10);
    struct Case {
        bool human;
        int decision;
        int exercises; // played before the loop ended by itself
    };
    for (const Case c :
         {Case{false, CONFIRM_NEXT_GAME, 1}, Case{true, CONFIRM_NEXT_GAME, 1}, Case{true, CONFIRM_REPEAT_DEAL, 3}}) {
        // Logics that would rather play their highest card follow the stored game.
        TableHarness harness([] { return std::make_unique<HighCardLogic>(); });
        if (c.human)
            harness.seatHuman(M);
        harness.windows->confirmation = c.decision;
        harness.stopAfterGames = 3;
        harness.table->modus.setExercise(stored);
        ASSERT_TRUE(harness.playToEnd());
        const auto records = harness.settled();
        ASSERT_EQ(static_cast<int>(records.size()), c.exercises);
        for (const SPIELSTRUCT& record : records) {
            EXPECT_EQ(record.declarer(), stored.record.declarer());
            EXPECT_EQ(record.SPIELART, stored.record.SPIELART);
            EXPECT_EQ(record.SPIELWERT, stored.record.SPIELWERT);
        }
        // Repeated exercises run until the harness stops the third one.
        const bool stopped = c.decision == CONFIRM_REPEAT_DEAL;
        EXPECT_EQ(harness.observer->count(EXERCISE_FINISHED), stopped ? c.exercises - 1 : c.exercises);
        // No deviation: the status changes only after each settlement.
        EXPECT_EQ(harness.observer->count(STATUS_CHANGED), c.exercises);
        EXPECT_EQ(harness.table->modus.deviationIndex, -1);
        EXPECT_EQ(harness.table->sheet.rowCount(), 0);
    }
}

// Counts, as each card is shown, the cards that differ from the stored game
// at their place (the loop waits while the windows show a card).
class DifferingCards {
public:
    DifferingCards(TableHarness& harness, const EIN_SPIEL& stored) : stored_(stored)
    {
        auto before = harness.observer->onEvent;
        harness.observer->onEvent = [this, &harness, before](int event, int value) {
            if (event == CARD_PLAYED)
                check(*harness.table, static_cast<Seat>(value));
            if (before)
                before(event, value);
        };
    }
    std::atomic<int> count{0};

private:
    void check(SKATTISCH& table, Seat seat)
    {
        std::lock_guard lock(table.tableLock);
        const STICH& trick = table.cards.trick;
        const int trickNumber = CARDS_IN_HAND - table.cards.hands[static_cast<std::size_t>(seat)].cardCount();
        const CardId storedCard = stored_.pile.trick(trickNumber).card(placeInTrick(seat, table.cards.leader()))->id();
        if (trick.card(-1)->id() != storedCard)
            ++count;
    }
    const EIN_SPIEL& stored_;
};

// The game flow compares every card with the stored game and reports each
// one that differs; the deviation index keeps the first trick that did.
TEST(Exercise, EveryCardLeavingTheStoredPlayIsReported)
{
    const EIN_SPIEL stored = storedGame();
    TableHarness harness;
    harness.seatHuman(M);
    harness.stopAfterGames = 1;
    // The human plays the highest legal card instead of the stored lowest one.
    harness.windows->onCard = [](SKATTISCH& table, CardId, int) {
        CardSet legal;
        {
            std::lock_guard lock(table.tableLock);
            const CardSet hand = table.cards.hands[M].cardSet();
            legal = table.cards.trick.isEmpty() ? hand
                                                : EINBLATT::legalCards(hand, table.cards.trick.ledCard()->bit(),
                                                                       table.record.SPIELART.SPIEL_TYP);
        }
        return HUMAN_PLAYER::answerCard(cardIdOfBit(31 - std::countl_zero(legal)));
    };
    DifferingCards differing(harness, stored);
    harness.table->modus.setExercise(stored);
    ASSERT_TRUE(harness.playToEnd());
    EXPECT_GE(harness.table->modus.deviationIndex, 1);
    EXPECT_LE(harness.table->modus.deviationIndex, 10);
    EXPECT_GE(differing.count, 2) << "the human keeps leaving the stored play";
    // Once for every differing card, once after the settlement.
    EXPECT_EQ(harness.observer->count(STATUS_CHANGED), differing.count + 1);
}

// Giving the game up where the stored game played a card leaves the stored
// play too.
TEST(Exercise, GivingUpIsComparedWithTheStoredCard)
{
    const EIN_SPIEL stored = storedGame();
    TableHarness harness;
    harness.seatHuman(M);
    harness.stopAfterGames = 1;
    harness.windows->onCard = [](SKATTISCH&, CardId, int) { return HUMAN_PLAYER::answerCard(NO_CARD); };
    harness.table->modus.setExercise(stored);
    ASSERT_TRUE(harness.playToEnd());
    EXPECT_EQ(harness.observer->count(GAME_ENDS_EARLY), 1);
    EXPECT_GE(harness.table->modus.deviationIndex, 1);
    // Once for the give-up, once after the settlement.
    EXPECT_EQ(harness.observer->count(STATUS_CHANGED), 2);
}

class FreeGameWindows : public TABLE_WINDOWS {
public:
    bool confirmFreeGame(SKATTISCH&) override
    {
        ++asked;
        return agree;
    }
    bool agree = false;
    int asked = 0;
};

TEST(Exercise, InterruptingAGameOfTheSheetAsksBeforeItBecomesFree)
{
    struct Case {
        int mode;
        bool agree;
        bool asked;
        bool free;
    };
    const Case cases[] = {
        {MODE_NEXT_OF_LIST, true, true, true},   {MODE_NEXT_OF_LIST, false, true, false},
        {MODE_FREE_GAME, true, true, true},      {MODE_STORED_GAME, false, false, true},
        {MODE_DISTRIBUTION, false, false, true},
    };
    for (const Case& c : cases) {
        auto windows = std::make_shared<FreeGameWindows>();
        windows->agree = c.agree;
        installTableWindows(windows);
        SKATTISCH_SERVER table;
        table.modus.mode = c.mode;
        table.modus.freeGame = false;
        table.confirmInterruption();
        EXPECT_EQ(windows->asked > 0, c.asked) << c.mode;
        EXPECT_EQ(table.modus.freeGame, c.free) << c.mode;
        EXPECT_EQ(table.record.ruleSet == RULESET_PUB, c.asked && c.agree) << c.mode;
        // Once free, nobody is asked again.
        windows->asked = 0;
        table.confirmInterruption();
        EXPECT_EQ(windows->asked > 0, c.asked && !c.free);
    }
    installTableWindows(nullptr);
}

} // namespace
