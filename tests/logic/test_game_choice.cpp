// The declarer's game after the skat, chosen by searching drawn deals: a
// game that is won on every deal beats a cheaper sure game, a game that is
// lost on every deal loses to a modest sure one, and what a game counts is
// what the benchmarks score.

#include "card_names.h"
#include "skat/logic/GameChoiceSearch.h"
#include "vordix/Random.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

using namespace card_names;

namespace {

struct Case {
    const char* name;
    CardSet twelve;
    Seat declarer;
    Seat forehand;
    std::vector<GameChoiceCandidate> candidates;
    GameType expected;
};

GameChoiceSettings settings(int samples)
{
    GameChoiceSettings s;
    s.samples = samples;
    return s;
}

} // namespace

TEST(GameChoice, ScoresAWonGameByItsValueAndALostOneTwiceWithTheDefendersPoints)
{
    EXPECT_EQ(gameChoiceScore(23, true), 73.0);
    EXPECT_EQ(gameChoiceScore(23, false), -176.0);
    EXPECT_EQ(gameChoiceScore(48, false), -226.0);
}

TEST(GameChoice, PlaysTheGameWorthMostOnTheDrawnDeals)
{
    // Four jacks, the clubs, spades and hearts aces and tens, the clubs
    // king: a grand nobody can stop, and clubs as sure but cheaper.
    const CardSet grandHand = setOf({C(KR, J), C(PI, J), C(HE, J), C(KA, J), C(KR, A), C(KR, T), C(KR, K), C(PI, A),
                                     C(PI, T), C(HE, A), C(HE, T), C(KA, R7)});
    const CardSet grandAway = setOf({C(KA, R7), C(KR, K)});
    // Sevens, eights and nines of every suit: no trick to take in null.
    const CardSet nullHand = setOf({C(KR, R7), C(KR, R8), C(KR, R9), C(PI, R7), C(PI, R8), C(PI, R9), C(HE, R7),
                                    C(HE, R8), C(HE, R9), C(KA, R7), C(KA, R8), C(KA, R9)});
    const CardSet nullAway = setOf({C(KR, R9), C(PI, R9)});
    // The same weak cards, but a suit game for diamonds: lost on every deal.
    const std::vector<Case> cases = {
        {"grand before clubs, declarer leads",
         grandHand,
         SEAT_0,
         SEAT_0,
         {{GAME_CLUBS, grandAway, 60, 72}, {GAME_GRAND, grandAway, 120, 144}},
         GAME_GRAND},
        {"grand before clubs, a defender leads",
         grandHand,
         SEAT_2,
         SEAT_0,
         {{GAME_CLUBS, grandAway, 60, 72}, {GAME_GRAND, grandAway, 120, 144}},
         GAME_GRAND},
        {"null before a lost diamonds game",
         nullHand,
         SEAT_1,
         SEAT_0,
         {{GAME_DIAMONDS, nullAway, 18, 27}, {GAME_NULL, nullAway, 23, 23}},
         GAME_NULL},
        {"clubs before a lost null",
         grandHand,
         SEAT_0,
         SEAT_1,
         {{GAME_NULL, grandAway, 23, 23}, {GAME_CLUBS, grandAway, 60, 72}},
         GAME_CLUBS},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        VORDIX_RANDOM random;
        std::array<GameChoiceScore, 4> scores{};
        const int best =
            chooseGameBySearch(c.twelve, c.declarer, c.forehand, c.candidates, random, settings(6), scores);
        ASSERT_GE(best, 0);
        EXPECT_EQ(c.candidates[static_cast<std::size_t>(best)].type, c.expected);
        const GameChoiceScore& chosen = scores[static_cast<std::size_t>(best)];
        EXPECT_EQ(chosen.deals, 6);
        EXPECT_EQ(chosen.won, 6);
    }
}

TEST(GameChoice, TheSameGeneratorGivesTheSameScoresAndNoDealsNoChoice)
{
    const CardSet hand = setOf({C(KR, J), C(HE, J), C(KR, A), C(KR, T), C(KR, R7), C(KR, R8), C(PI, A), C(PI, R7),
                                C(HE, K), C(HE, R8), C(KA, T), C(KA, R9)});
    const std::vector<GameChoiceCandidate> candidates = {{GAME_CLUBS, setOf({C(HE, K), C(KA, T)}), 36, 48},
                                                         {GAME_GRAND, setOf({C(HE, R8), C(KA, R9)}), 48, 72}};
    std::array<GameChoiceScore, 2> first{};
    std::array<GameChoiceScore, 2> second{};
    VORDIX_RANDOM a;
    VORDIX_RANDOM b;
    const int bestA = chooseGameBySearch(hand, SEAT_1, SEAT_0, candidates, a, settings(8), first);
    const int bestB = chooseGameBySearch(hand, SEAT_1, SEAT_0, candidates, b, settings(8), second);
    EXPECT_EQ(bestA, bestB);
    for (std::size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(first[i].won, second[i].won);
        EXPECT_EQ(first[i].score, second[i].score);
    }
    VORDIX_RANDOM c;
    EXPECT_EQ(chooseGameBySearch(hand, SEAT_1, SEAT_0, candidates, c, settings(0), first), -1);
}
