// Starting a table from its saved running game: which states resume and
// which events are replayed first.

#include "tests/engine/test_table_support.h"
#include "vordix/Random.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

using namespace table_test;

namespace {

struct Saved {
    int index;
    GameType type;
    Seat declarer;
};

// A saved game: dealt cards with forehand 1, the skat pushed, the record.
void save(SKATTISCH_SERVER& table, const Saved& saved)
{
    LAUFENDES_SPIEL_DOKUMENT& doc = table.runningGame;
    doc.cards.reset();
    VORDIX_RANDOM random;
    random.seed = 5;
    doc.cards.shuffle(random);
    doc.cards.deal();
    doc.cards.pile.setVh(SEAT_1);
    doc.cards.AUSP = 1;
    doc.cards.recordDealAfterPush();
    doc.record.reset();
    doc.record.ALLEIN = saved.declarer;
    doc.record.GEREIZTBIS = {0, 18, 0};
    doc.record.SPIELART = SPIELART(saved.type, saved.type == GAME_RAMSCH ? 0 : WIN_LEVEL_HAND);
    doc.stateIndex = saved.index;
}

// The events up to and including the first one after TABLE_REFRESH.
std::vector<Event> firstEvents(const Saved& saved)
{
    TableHarness harness;
    save(*harness.table, saved);
    std::atomic<bool> refreshed{false};
    harness.observer->onEvent = [&](int event, int) {
        if (refreshed)
            harness.table->stopGameLoop();
        if (event == TABLE_REFRESH)
            refreshed = true;
    };
    harness.table->startGame();
    EXPECT_TRUE(harness.table->waitForLoopEnd(20000));
    harness.table->stopGameLoop();
    std::vector<Event> events = harness.observer->events();
    for (std::size_t i = 0; i < events.size(); ++i)
        if (events[i].code == TABLE_REFRESH) {
            events.resize(std::min(events.size(), i + 2));
            break;
        }
    return events;
}

TEST(TableResume, ReplayedEventsDependOnTheSavedState)
{
    struct Case {
        Saved saved;
        std::vector<Event> expected;
    };
    // clang-format off
    const Case cases[] = {
        {{STATE_KARTE_AUSSPIELEN, GAME_RAMSCH, SEAT_NONE},
         {{GAME_RESUMED, 0}, {CARDS_DEALT, 0}, {BIDDING_RESTORED, 0}, {ANNOUNCEMENT_RESTORED, 0},
          {RAMSCH_ANNOUNCED, 0}, {TABLE_REFRESH, 0}, {PLAYER_TO_PLAY, 1}}},
        // Saved without a full trick: play goes on.
        {{STATE_STICH_ABLEGEN, GAME_RAMSCH, SEAT_NONE},
         {{GAME_RESUMED, 0}, {CARDS_DEALT, 0}, {BIDDING_RESTORED, 0}, {ANNOUNCEMENT_RESTORED, 0},
          {RAMSCH_ANNOUNCED, 0}, {TABLE_REFRESH, 0}, {PLAYER_TO_PLAY, 1}}},
        {{STATE_KARTE_AUSSPIELEN, GAME_HEARTS, SEAT_2},
         {{GAME_RESUMED, 0}, {CARDS_DEALT, 0}, {BIDDING_RESTORED, 0}, {ANNOUNCEMENT_RESTORED, 0},
          {DECLARER_RESTORED, 2}, {TABLE_REFRESH, 0}, {PLAYER_TO_PLAY, 1}}},
        // Saved before the Ramsch state set its type: the state announces Ramsch itself.
        {{STATE_RAMSCH_ANSAGEN, GAME_NONE, SEAT_1},
         {{GAME_RESUMED, 0}, {CARDS_DEALT, 0}, {BIDDING_RESTORED, 0}, {ANNOUNCEMENT_RESTORED, 0},
          {DECLARER_RESTORED, 1}, {TABLE_REFRESH, 0}, {RAMSCH_ANNOUNCED, 0}}},
        {{STATE_REIZEN, GAME_NONE, SEAT_NONE},
         {{GAME_RESUMED, 0}, {CARDS_DEALT, 0}, {TABLE_REFRESH, 0}, {BIDDING_STARTED, 0}}},
        {{STATE_SPIEL_ANSAGEN, GAME_NONE, SEAT_1},
         {{GAME_RESUMED, 0}, {CARDS_DEALT, 0}, {BIDDING_RESTORED, 0}, {TABLE_REFRESH, 0}, {ANNOUNCING_STARTED, 0}}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.saved.index);
        const std::vector<Event> events = firstEvents(c.saved);
        ASSERT_EQ(events.size(), c.expected.size());
        for (std::size_t i = 0; i < events.size(); ++i) {
            EXPECT_EQ(events[i].code, c.expected[i].code) << i;
            if (c.expected[i].code >= FIRST_EVENT_WITH_VALUE)
                EXPECT_EQ(events[i].value, c.expected[i].value) << i;
        }
    }
}

TEST(TableResume, StatesThatAreNotResumedStartANewGame)
{
    for (int index :
         std::vector<int>{STATE_ABHEBEN_UND_GEBEN, STATE_REIZ_VORSCHLAG, STATE_EINGEPASST, STATE_ABRECHNUNG, 0, 12}) {
        SCOPED_TRACE(index);
        const std::vector<Event> events = firstEvents({index, GAME_HEARTS, SEAT_2});
        ASSERT_EQ(events.size(), 2u);
        EXPECT_EQ(events[0].code, TABLE_REFRESH);
        EXPECT_EQ(events[1].code, NEW_GAME);
    }
}

TEST(TableResume, AnInconsistentSavedCardStateStartsANewGame)
{
    TableHarness harness;
    save(*harness.table, {STATE_KARTE_AUSSPIELEN, GAME_HEARTS, SEAT_2});
    // A card of seat 1 shows up in seat 0's hand as well.
    SPIELKARTEN& saved = harness.table->runningGame.cards;
    saved.hands[0].addCard(cardIdOfBit(lowestBit(saved.hands[1].cardSet())));
    ASSERT_FALSE(harness.table->runningGame.cards.isConsistent());
    harness.observer->onEvent = [&](int event, int) {
        if (event == NEW_GAME)
            harness.table->stopGameLoop();
    };
    harness.table->startGame();
    ASSERT_TRUE(harness.table->waitForLoopEnd(20000));
    const std::vector<int> codes = harness.observer->codes();
    ASSERT_GE(codes.size(), 2u);
    EXPECT_EQ(codes[0], TABLE_REFRESH);
    EXPECT_EQ(codes[1], NEW_GAME);
}

} // namespace
