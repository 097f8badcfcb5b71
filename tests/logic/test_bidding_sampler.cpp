// The deals of the open-game analysis that agree with the bidding: how far
// a deal misses what the seats' bids tell, by our own hand rating, and the
// draw that keeps the deal that agrees.

#include "skat/engine/BidTable.h"
#include "skat/logic/BiddingDealSampler.h"
#include "skat/logic/PreplayTables.h"
#include "vordix/Random.h"

#include "tests/logic/card_names.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <vector>

namespace {

using namespace card_names;

const VL_TABELLEN& tables()
{
    static const VL_TABELLEN t = [] {
        VL_TABELLEN loaded;
        loaded.loadFromFolder(SKAT_LOGIC_DATA_DIR);
        return loaded;
    }();
    return t;
}

// Seat 1 holds every jack and the aces: a hand that bids far. Seat 2 holds
// middling cards of every suit: none for a bid. Seat 0 has the rest but the
// skat.
const CardSet STRONG =
    setOf({C(KR, J), C(PI, J), C(HE, J), C(KA, J), C(KR, A), C(KR, T), C(KR, K), C(PI, A), C(PI, T), C(HE, A)});
const CardSet WEAK =
    setOf({C(KR, Q), C(KR, R8), C(PI, Q), C(PI, R8), C(HE, K), C(HE, R9), C(HE, R7), C(KA, Q), C(KA, R9), C(KA, R7)});
const CardSet SKAT = setOf({C(HE, T), C(KA, T)});
const CardSet REST = ALL_CARDS & ~(STRONG | WEAK | SKAT);

int limitOf(CardSet hand, Seat seat)
{
    VORLOGIK rating(&tables());
    rating.bidProposal(hand, seat);
    return rating.proposal.limit;
}

int nextBid(int value)
{
    int i = 0;
    while (bidValueAt(i) <= value)
        ++i;
    return bidValueAt(i);
}

// A clubs game in its first trick.
OpenGameView viewOf(Seat self, Seat declarer, int winLevel, std::array<int, 3> said)
{
    OpenGameView view;
    view.type = GAME_CLUBS;
    view.declarer = declarer;
    view.winLevel = winLevel;
    view.self = self;
    view.hands = {REST, STRONG, WEAK};
    view.skat = SKAT;
    view.leader = SEAT_0;
    view.saidBids = said;
    view.bidReached = std::max({said[0], said[1], said[2]});
    return view;
}

TEST(BiddingDealSampler, ADealMissesTheBiddingWhenASeatBidOtherwiseThanItsHandIsWorth)
{
    const int strong = limitOf(STRONG, SEAT_1);
    const int weak = limitOf(WEAK, SEAT_2);
    ASSERT_GT(strong, 18);
    ASSERT_LT(weak, 18);
    struct Case {
        const char* what;
        Seat self;
        Seat declarer;
        int winLevel;
        std::array<int, 3> said;
        bool agrees;
    };
    const Case cases[] = {
        {"the strong seat said its limit and the declarer held it", SEAT_0, SEAT_0, 0, {strong, strong, 0}, true},
        {"the strong seat passed at 18", SEAT_0, SEAT_0, 0, {18, 0, 0}, false},
        {"the strong seat said beyond its limit", SEAT_0, SEAT_0, 0, {nextBid(strong), nextBid(strong), 0}, false},
        {"the weak seat said 18", SEAT_0, SEAT_0, 0, {strong, strong, 18}, false},
        {"the hand game's declarer said what its hand is worth", SEAT_0, SEAT_1, 2, {0, strong, 0}, true},
        {"the hand game's declarer said more than its hand is worth",
         SEAT_0,
         SEAT_1,
         2,
         {0, nextBid(strong), 0},
         false},
    };
    for (const Case& k : cases) {
        const OpenGameView view = viewOf(k.self, k.declarer, k.winLevel, k.said);
        UniformDealSampler uniform;
        BiddingDealSampler sampler(uniform, tables(), 10);
        EXPECT_EQ(sampler.miss(view, view.hands, view.skat) == 0, k.agrees) << k.what;
    }
}

// Hands out the deals it was given, one per draw.
class ScriptedSampler : public DealSampler {
public:
    std::vector<std::array<CardSet, 3>> deals;
    std::size_t next = 0;
    bool draw(const OpenGameView&, VORDIX_RANDOM&, std::array<CardSet, 3>& hands, CardSet& skat) override
    {
        hands = deals[next++ % deals.size()];
        skat = SKAT;
        return true;
    }
};

TEST(BiddingDealSampler, KeepsTheFirstDealThatAgreesOrTheOneThatMissesLeast)
{
    const int strong = limitOf(STRONG, SEAT_1);
    // Seat 1 said its limit, seat 2 passed: seat 0 sees seat 1 strong.
    const OpenGameView view = viewOf(SEAT_0, SEAT_0, 0, {strong, strong, 0});
    const std::array<CardSet, 3> swapped{REST, WEAK, STRONG};
    const std::array<CardSet, 3> real{REST, STRONG, WEAK};
    VORDIX_RANDOM random;
    struct Case {
        int tries;
        std::vector<std::array<CardSet, 3>> deals;
        std::array<CardSet, 3> drawn;
        std::size_t asked;
    };
    const Case cases[] = {
        {1, {swapped, real}, swapped, 1},
        {5, {swapped, real, swapped}, real, 2},
        {3, {swapped, swapped, swapped}, swapped, 3},
    };
    for (const Case& k : cases) {
        ScriptedSampler inner;
        inner.deals = k.deals;
        BiddingDealSampler sampler(inner, tables(), k.tries);
        std::array<CardSet, 3> hands{};
        CardSet skat = 0;
        ASSERT_TRUE(sampler.draw(view, random, hands, skat));
        EXPECT_EQ(hands, k.drawn) << k.tries;
        EXPECT_EQ(inner.next, k.asked) << k.tries;
    }
}

} // namespace
