// The game-flow rules on plain values: bidding, the taker of a trick, the
// end of the card play and the Bock triggers, without a table or threads.

#include "skat/engine/GameRules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Turn {
    Seat seat;
    int mode;
    int value; // what the seat says
    BidStep step;
};

struct BiddingCase {
    const char* name;
    Seat forehand;
    std::vector<Turn> turns;
    Seat declarer;
    int reached; // value of the reached index
};

constexpr int N = BID_MODE_NAME;
constexpr int H = BID_MODE_HOLD;
using enum BidStep;

TEST(GameRules, BiddingAsksInTurnAndEndsWithTheRightDeclarer)
{
    // clang-format off
    const BiddingCase cases[] = {
        {"all pass, forehand too", SEAT_0, {{SEAT_1, N, 0, PASSED}, {SEAT_2, N, 0, PASSED}, {SEAT_0, N, 0, DONE}}, SEAT_0, 0},
        {"all pass, forehand plays 18", SEAT_1, {{SEAT_2, N, 0, PASSED}, {SEAT_0, N, 0, PASSED}, {SEAT_1, N, 18, DONE}}, SEAT_1, 18},
        {"middlehand names, forehand passes, rearhand passes",
         SEAT_0,
         {{SEAT_1, N, 18, RAISED}, {SEAT_0, H, 0, PASSED}, {SEAT_2, N, 0, DONE}},
         SEAT_1,
         18},
        {"forehand holds until middlehand gives up, then rearhand outbids it",
         SEAT_2,
         {{SEAT_0, N, 18, RAISED},
          {SEAT_2, H, 18, RAISED},
          {SEAT_0, N, 20, RAISED},
          {SEAT_2, H, 20, RAISED},
          {SEAT_0, N, 20, PASSED}, // says its old value: passes
          {SEAT_1, N, 22, RAISED},
          {SEAT_2, H, 0, DONE}},
         SEAT_1,
         22},
        {"naming a value not above the bid passes", SEAT_0, {{SEAT_1, N, 18, RAISED}, {SEAT_0, H, 18, RAISED}, {SEAT_1, N, 18, PASSED},
                                                         {SEAT_2, N, 17, DONE}}, SEAT_0, 18},
        {"a hold above the value asked still holds", SEAT_0, {{SEAT_1, N, 18, RAISED}, {SEAT_0, H, 30, RAISED}, {SEAT_1, N, 0, PASSED},
                                                          {SEAT_2, N, 0, DONE}}, SEAT_0, 18},
    };
    // clang-format on
    for (const BiddingCase& c : cases) {
        SCOPED_TRACE(c.name);
        BIDDING bidding(c.forehand);
        for (std::size_t i = 0; i < c.turns.size(); ++i) {
            const Turn& t = c.turns[i];
            SCOPED_TRACE("turn " + std::to_string(i));
            ASSERT_FALSE(bidding.isDone());
            EXPECT_EQ(bidding.seatToAnswer(), t.seat);
            EXPECT_EQ(bidding.mode(), t.mode);
            EXPECT_EQ(bidding.valueAsked(), bidValueAsked(bidding.bidIndex(), t.mode));
            EXPECT_EQ(bidding.apply(t.seat, t.value), t.step);
        }
        ASSERT_TRUE(bidding.isDone());
        EXPECT_EQ(bidding.declarer(), c.declarer);
        EXPECT_EQ(bidValueAt(bidding.reachedIndex()), c.reached);
    }
}

// Nobody is asked to name a value above the top of the table: the one
// holding it keeps the game, and the second duel ends at once.
TEST(GameRules, BiddingStopsAtTheTopOfTheTable)
{
    BIDDING bidding(SEAT_0);
    int questions = 0;
    while (!bidding.isDone()) {
        ++questions;
        bidding.apply(bidding.seatToAnswer(), bidding.valueAsked());
    }
    EXPECT_EQ(bidding.declarer(), 0); // forehand held every value
    EXPECT_EQ(bidding.reachedIndex(), BID_TABLE_SIZE - 1);
    EXPECT_EQ(questions, 2 * (BID_TABLE_SIZE - 1));
}

TEST(GameRules, ComputerAnswersUpToItsLimitAndTheBiddingFollows)
{
    struct Case {
        std::array<int, 3> limits;
        Seat declarer;
        int reached;
    };
    const Case cases[] = {
        {{0, 0, 0}, SEAT_0, 0},     {{0, 23, 0}, SEAT_1, 18},
        {{24, 23, 0}, SEAT_0, 23}, // forehand holds 23, middlehand cannot name 24
        {{24, 23, 36}, SEAT_2, 27}, {{0, 0, 18}, SEAT_2, 18},
    };
    for (const Case& c : cases) {
        BIDDING bidding(SEAT_0);
        std::array<int, 3> said{};
        while (!bidding.isDone()) {
            const Seat seat = bidding.seatToAnswer();
            said[seat] = computerBidAnswer(c.limits[seat], bidding.bidIndex(), bidding.mode(), said[seat]);
            bidding.apply(seat, said[seat]);
        }
        EXPECT_EQ(bidding.declarer(), c.declarer) << c.limits[0] << ' ' << c.limits[1] << ' ' << c.limits[2];
        EXPECT_EQ(bidValueAt(bidding.reachedIndex()), c.reached);
    }
}

TEST(GameRules, TrickTakerCountsFromTheLeader)
{
    struct Case {
        const char* cards; // in play order
        Seat leader;
        GameType type;
        Seat taker;
    };
    const Case cases[] = {
        {"HA H7 HB", SEAT_1, GAME_HEARTS, SEAT_0},   // the jack trumps, played by the seat after next
        {"HA H7 HB", SEAT_1, GAME_NULL, SEAT_1},     // null: no trumps, the ace leads
        {"KA PB K1", SEAT_2, GAME_DIAMONDS, SEAT_0}, // the spades jack is trump
        {"K7 K8 K9", SEAT_0, GAME_GRAND, SEAT_2},
        {"C7 HA PA", SEAT_2, GAME_GRAND, SEAT_2}, // nobody follows: the leader keeps it
    };
    for (const Case& c : cases) {
        STICH trick;
        trick.parseCodes(c.cards);
        ASSERT_TRUE(trick.isComplete()) << c.cards;
        EXPECT_EQ(trickTaker(trick, c.leader, c.type), c.taker) << c.cards << " type " << c.type;
    }
}

TEST(GameRules, WhatEndsTheCardPlay)
{
    struct Case {
        const char* name;
        PlayState state;
        bool endsEarly;
        bool goesOn;
    };
    const Case cases[] = {
        {"suit game, cards left", {GAME_HEARTS, WIN_LEVEL_WITH_SKAT, 5, 3, 21}, false, true},
        {"last trick taken", {GAME_HEARTS, WIN_LEVEL_WITH_SKAT, 20, 12, 0}, false, false},
        {"null declarer takes a trick", {GAME_NULL, WIN_LEVEL_WITH_SKAT, 5, 0, 24}, true, false},
        {"null declarer still clean", {GAME_NULL, WIN_LEVEL_WITH_SKAT, 2, 6, 21}, false, true},
        {"open hand game, defenders take a trick", {GAME_GRAND, WIN_LEVEL_OUVERT_HAND, 2, 3, 24}, true, false},
        {"open null hand, defenders take a trick", {GAME_NULL, WIN_LEVEL_OUVERT_HAND, 2, 3, 24}, false, true},
        {"declarer gave up", {GAME_GRAND, WIN_LEVEL_WITH_SKAT, 5, 3, 21, true}, false, false},
        {"defenders gave up", {GAME_GRAND, WIN_LEVEL_WITH_SKAT, 5, 3, 21, false, true}, false, false},
    };
    for (const Case& c : cases) {
        const TrickEnd end = afterTrick(c.state);
        EXPECT_EQ(end.endsEarly, c.endsEarly) << c.name;
        EXPECT_EQ(end.playGoesOn, c.goesOn) << c.name;
    }
}

TEST(GameRules, BockTriggers)
{
    RuleSettings all;
    all.bockRounds = all.bockOn60To60 = all.bockOnLostKontra = all.bockOnWonKontra = true;
    all.bockOnDefenders90 = all.bockOnDeclarer90 = true;
    struct Case {
        const char* name;
        GameType type;
        int value;
        bool kontra;
        int declarerPoints;
        bool schneiderAt91;
        bool expected;
    };
    const Case cases[] = {
        {"plain win", GAME_HEARTS, 30, false, 70, false, false},
        {"60 to 60", GAME_HEARTS, -60, false, 60, false, true},
        {"Kontra lost by the declarer", GAME_GRAND, -96, true, 50, false, true},
        {"Kontra won by the declarer", GAME_GRAND, 96, true, 70, false, true},
        {"defenders reach 90", GAME_CLUBS, -48, false, 30, false, true},
        {"declarer reaches 90", GAME_CLUBS, 36, false, 90, false, true},
        {"declarer 90 where 91 counts", GAME_CLUBS, 36, false, 90, true, false},
        {"null never", GAME_NULL, -46, true, 0, false, false},
        {"Ramsch never", GAME_RAMSCH, -60, false, 60, false, false},
    };
    for (const Case& c : cases) {
        SPIELSTRUCT_CORE record;
        record.SPIELART = SPIELART(c.type, WIN_LEVEL_WITH_SKAT);
        record.SPIELWERT = c.value;
        record.KONTRA = c.kontra;
        SettlementTally tally;
        tally.declarerPoints = c.declarerPoints;
        tally.defenderPoints = POINTS_IN_DECK - c.declarerPoints;
        RuleSettings rules = all;
        rules.schneiderAt91 = c.schneiderAt91;
        EXPECT_EQ(triggersBockRounds(record, tally, rules), c.expected) << c.name;
        rules.bockRounds = false;
        EXPECT_FALSE(triggersBockRounds(record, tally, rules)) << c.name;
    }
}

} // namespace
