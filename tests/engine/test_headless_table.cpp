// A table of three computer seats without windows plays headless: requests
// and events stay on the loop thread, and the games, the sheet, the events
// and the random numbers are those of play with hand-offs.

#include "skat/engine/Ablaufzustand.h"
#include "tests/engine/test_table_support.h"

#include <gtest/gtest.h>

#include <thread>

using namespace table_test;

namespace {

struct PlayedList {
    std::vector<std::string> rows; // every sheet row: record, tricks and deal
    std::vector<Event> events;
    int nextRandom = 0;         // the services' next number after the play
    bool eventsOffLoop = false; // some event was handled off the loop thread
    bool requestPosted = false; // some message went through the worker
};

PlayedList playList(bool headless, int games)
{
    TableHarness harness({}, 2024);
    // Seats bid differently, so that declarers, games and results vary.
    const std::pair<int, GameType> bids[] = {{30, GAME_GRAND}, {22, GAME_HEARTS}, {18, GAME_NULL}};
    for (Seat seat = SEAT_0; seat < 3; ++seat) {
        seatScripts()[static_cast<std::size_t>(seat)].bidLimit = bids[seat].first;
        seatScripts()[static_cast<std::size_t>(seat)].type = bids[seat].second;
    }
    harness.table->setHeadless(headless);
    harness.stopAfterGames = games;
    PlayedList played;
    std::atomic<std::thread::id> loopThread{};
    harness.onStateEntered = [&](int) { loopThread = std::this_thread::get_id(); };
    harness.observer->onEvent = [&, previous = harness.observer->onEvent](int event, int value) {
        const std::thread::id loop = loopThread;
        if (loop != std::thread::id() && std::this_thread::get_id() != loop)
            played.eventsOffLoop = true;
        previous(event, value);
    };
    std::atomic<bool> posted{false};
    harness.worker->setInspector([&](const LocalTableCall&) { posted = true; });
    harness.table->modus.setNextOfList(harness.table->sheet);
    EXPECT_TRUE(harness.playToEnd());
    for (int i = 0; i < harness.table->sheet.rowCount(); ++i) {
        const EIN_SPIEL& row = harness.table->sheet.rowAt(i);
        std::string text = streamToXml(row.record) + streamToXml(row.pile);
        for (const auto& hand : row.deal.hands)
            text += ' ' + std::to_string(hand.cardSet());
        played.rows.push_back(text + ' ' + std::to_string(row.deal.skat.cardSet()));
    }
    // Up to the end of the last game: what comes after the stop is shown
    // or dropped depending on how fast the hand-offs go.
    for (const Event& e : harness.observer->events()) {
        played.events.push_back(e);
        if ((e.code == GAME_FINISHED || e.code == ALL_PASSED) && --games == 0)
            break;
    }
    played.requestPosted = posted;
    played.nextRandom = harness.services->drawApplicationRandom(1000000);
    return played;
}

TEST(HeadlessTable, PlaysTheSameGamesAsWithHandOffsWithoutLeavingTheLoopThread)
{
    const PlayedList withHandOffs = playList(false, 8);
    const PlayedList headless = playList(true, 8);
    ASSERT_EQ(withHandOffs.rows.size(), 8u);
    EXPECT_EQ(headless.rows, withHandOffs.rows);
    EXPECT_EQ(headless.events, withHandOffs.events);
    EXPECT_EQ(headless.nextRandom, withHandOffs.nextRandom);
    EXPECT_TRUE(withHandOffs.requestPosted && withHandOffs.eventsOffLoop);
    EXPECT_FALSE(headless.requestPosted);
    EXPECT_FALSE(headless.eventsOffLoop);
}

TEST(HeadlessTable, OnlyATableOfComputerSeatsPlaysHeadless)
{
    struct Case {
        const char* name;
        bool headless;
        std::array<int, 3> kinds;
        bool expected;
    };
    const Case cases[] = {
        {"three computers", true, {PLAYER_KIND_COMPUTER, PLAYER_KIND_COMPUTER, PLAYER_KIND_COMPUTER}, true},
        {"not asked for", false, {PLAYER_KIND_COMPUTER, PLAYER_KIND_COMPUTER, PLAYER_KIND_COMPUTER}, false},
        {"a human seat", true, {PLAYER_KIND_COMPUTER, PLAYER_KIND_HUMAN, PLAYER_KIND_COMPUTER}, false},
        {"a remote seat", true, {PLAYER_KIND_REMOTE, PLAYER_KIND_COMPUTER, PLAYER_KIND_COMPUTER}, false},
    };
    for (const Case& c : cases) {
        SKATTISCH_SERVER table;
        for (int slot = 0; slot < 3; ++slot)
            ASSERT_TRUE(table.setPlayer(slot, c.kinds[static_cast<std::size_t>(slot)])) << c.name;
        table.setHeadless(c.headless);
        EXPECT_EQ(table.playsHeadless(), c.expected) << c.name;
    }
}

} // namespace
