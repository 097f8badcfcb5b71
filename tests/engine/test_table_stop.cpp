// Stopping the game loop in every kind of wait, and what a stop leaves behind.

#include "tests/engine/test_table_support.h"

#include <gtest/gtest.h>

using namespace table_test;

namespace {

constexpr Seat V = SEAT_2;

TEST(TableStop, StopEndsTheLoopWhileAPlayerRequestWaits)
{
    struct Case {
        int kind;
        int humanLimit; // the human at forehand becomes declarer with a limit
        bool handGame = false;
        bool clickTricks = false;
    };
    const Case cases[] = {
        {REQUEST_BID, 18},
        {REQUEST_SKAT_OR_HAND, 18},
        {REQUEST_DISCARD, 18},
        {REQUEST_ANNOUNCE, 18},
        {REQUEST_ANNOUNCE_HAND, 18, true},
        {REQUEST_PLAY_CARD, 18},
        {REQUEST_CONFIRM_TRICK, 18, false, true},
        {REQUEST_CONFIRM_SETTLEMENT, 18},
        {REQUEST_CONFIRM_PASSED, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        TableHarness harness;
        if (c.handGame)
            harness.windows->game = SPIELART(GAME_GRAND, WIN_LEVEL_HAND, LEVEL_NONE);
        harness.services->clickTricks = c.clickTricks;
        ASSERT_TRUE(harness.holdHumanAt(c.kind, DEAL, V, c.humanLimit));
        harness.table->stopGameLoop();
        EXPECT_FALSE(harness.table->isLoopRunning());
        // A stop by the user ends the game: nothing is left to resume.
        EXPECT_EQ(harness.table->runningGame.stateIndex, STATE_NONE);
        EXPECT_EQ(harness.table->currentIndex, STATE_NONE);
        // The windows still learn that the loop ended.
        EXPECT_TRUE(eventually([&] { return harness.observer->count(GAME_LOOP_ENDED) == 1; }));
    }
}

TEST(TableStop, StopReleasesTheLoopWaitingForAnEventToBeShown)
{
    TableHarness harness;
    std::mutex gate;
    std::condition_variable opened;
    bool open = false;
    std::atomic<bool> blocked{false};
    harness.observer->onEvent = [&](int event, int) {
        if (event != NEW_GAME)
            return;
        blocked = true;
        std::unique_lock lock(gate);
        opened.wait(lock, [&] { return open; });
    };
    harness.table->startLoopThread();
    ASSERT_TRUE(eventually([&] { return blocked.load(); }));
    harness.table->stopGameLoop();
    EXPECT_FALSE(harness.table->isLoopRunning());
    {
        std::lock_guard lock(gate);
        open = true;
    }
    opened.notify_all();
    // Events still queued belong to the ended run: they are dropped.
    ASSERT_TRUE(eventually([&] { return harness.observer->count(NEW_GAME) == 1; }));
}

// A stop while the end of a game is being shown: the game-end work (the
// saves) is waited for inside the ending state, never by the loop while it
// holds the table lock, under which the GUI thread paints.
TEST(TableStop, StopAtTheEndOfAGameWaitsForTheSavesOutsideTheTableLock)
{
    struct Case {
        int limit; // 0: everybody passes
        int endEvent;
    };
    for (const Case c : {Case{0, ALL_PASSED}, Case{18, SETTLEMENT_STARTED}}) {
        SCOPED_TRACE(c.endEvent);
        TableHarness harness;
        harness.scriptDeal(DEAL, V);
        seatScripts()[V].bidLimit = c.limit;
        harness.table->modus.setNextOfList(harness.table->sheet);
        std::mutex gate;
        std::condition_variable opened;
        bool open = false;
        std::atomic<bool> shown{false};
        harness.observer->onEvent = [&](int event, int) {
            if (event != c.endEvent)
                return;
            shown = true;
            std::unique_lock lock(gate);
            opened.wait(lock, [&] { return open; });
        };
        // The save waits for the stop, then looks whether the table lock
        // is ever free while it works.
        std::atomic<bool> lockSeenFree{false};
        harness.services->onSaveStatistics = [&] {
            eventually([&] { return harness.table->stopRequested(); });
            std::this_thread::sleep_for(std::chrono::milliseconds(30));
            for (int i = 0; i < 20 && !lockSeenFree; ++i) {
                if (harness.table->tableLock.try_lock()) {
                    harness.table->tableLock.unlock();
                    lockSeenFree = true;
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
            }
        };
        harness.table->startLoopThread();
        ASSERT_TRUE(eventually([&] { return shown.load(); }));
        harness.table->stopGameLoop();
        EXPECT_FALSE(harness.table->isLoopRunning());
        EXPECT_EQ(harness.services->statisticsSaves, 1);
        EXPECT_TRUE(lockSeenFree);
        {
            std::lock_guard lock(gate);
            open = true;
        }
        opened.notify_all();
    }
}

TEST(TableStop, StopRightAfterTheStartAndRepeatedStarts)
{
    TableHarness harness;
    harness.seatHuman(V);
    harness.windows->holdKind = REQUEST_PLAY_CARD;
    harness.windows->holdUpTo = 18;
    for (int round = 0; round < 5; ++round) {
        harness.table->modus.setNextOfList(harness.table->sheet);
        harness.table->startLoopThread();
        harness.table->stopGameLoop();
        EXPECT_FALSE(harness.table->isLoopRunning());
        EXPECT_FALSE(harness.table->stopRequested());
    }
    // A further loop is not ended by the stops before it.
    harness.windows->heldKind = REQUEST_NONE;
    harness.table->startLoopThread();
    ASSERT_TRUE(eventually([&] {
        return harness.windows->heldKind == REQUEST_BID || harness.windows->heldKind != 0
               || harness.table->currentIndex >= STATE_REIZEN;
    }));
    EXPECT_TRUE(harness.table->isLoopRunning());
    harness.table->stopGameLoop();
    EXPECT_FALSE(harness.table->isLoopRunning());
}

TEST(TableStop, LateAnswerAfterAStopChangesNothing)
{
    TableHarness harness;
    ASSERT_TRUE(harness.holdHumanAt(REQUEST_PLAY_CARD, DEAL, V));
    harness.table->stopGameLoop();
    // The answer to the ended request is refused; it must not end the next one.
    EXPECT_TRUE(HUMAN_PLAYER::answerCard(NO_CARD));
    EXPECT_EQ(HUMAN_PLAYER::awaited(), nullptr);

    harness.windows->holdKind = REQUEST_NONE;
    harness.stopAfterGames = 1;
    harness.gamesEnded = 0;
    harness.scriptDeal(DEAL, V);
    harness.table->modus.setNextOfList(harness.table->sheet);
    ASSERT_TRUE(harness.playToEnd());
    const auto records = harness.settled();
    ASSERT_EQ(records.size(), 1u);
    EXPECT_FALSE(records[0].ALSP_AUFGEGEBEN);
    EXPECT_EQ(harness.table->sheet.rowAt(0).trickCount(), 10);
}

// While a stop waits, the GUI works and may start the next game: the stop
// then neither waits for that loop nor mutes its callbacks. A loop that ends
// before the stop's first wait leaves nothing to try, so that run is repeated.
TEST(TableStop, StopWaitsOnlyForTheLoopItStopped)
{
    for (int attempt = 0; attempt < 50; ++attempt) {
        TableHarness harness;
        ASSERT_TRUE(harness.holdHumanAt(REQUEST_PLAY_CARD, DEAL, V));
        int waits = 0;
        bool started = false;
        int callsAfterStart = 0;
        harness.services->onProcessEvents = [&](int ms) {
            ++waits;
            if (started) {
                ++callsAfterStart;
                std::this_thread::sleep_for(std::chrono::milliseconds(ms));
                return;
            }
            if (!harness.table->waitForLoopEnd(5000))
                return;
            started = true;
            harness.windows->heldKind = REQUEST_NONE;
            harness.scriptDeal(DEAL, V);
            harness.table->modus.setNextOfList(harness.table->sheet);
            harness.table->startLoopThread();
        };
        harness.table->stopGameLoop();
        if (waits == 0) {
            harness.services->onProcessEvents = {};
            continue;
        }
        ASSERT_TRUE(started);
        EXPECT_EQ(callsAfterStart, 0);
        EXPECT_TRUE(harness.table->isLoopRunning());
        EXPECT_FALSE(harness.services->suppress.load());
        EXPECT_TRUE(eventually([&] { return harness.windows->heldKind == REQUEST_PLAY_CARD; }));
        harness.services->onProcessEvents = {};
        harness.table->stopGameLoop();
        EXPECT_FALSE(harness.table->isLoopRunning());
        EXPECT_TRUE(harness.services->suppress.load());
        return;
    }
    FAIL() << "the loop always ended before the stop waited";
}

TEST(TableStop, ShutdownKeepsTheSavedStateAndReportsNoEnd)
{
    TableHarness harness;
    ASSERT_TRUE(harness.holdHumanAt(REQUEST_DISCARD, DEAL, V));
    harness.services->closing = true;
    harness.table->stopGameLoop();
    EXPECT_FALSE(harness.table->isLoopRunning());
    EXPECT_EQ(harness.table->runningGame.stateIndex, STATE_SPIEL_ANSAGEN);
    EXPECT_EQ(harness.observer->count(GAME_LOOP_ENDED), 0);
}

} // namespace
