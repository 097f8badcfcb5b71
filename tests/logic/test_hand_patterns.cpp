// The keys of the pre-play tables: suit pattern, trump pattern, jack index.

#include "skat/logic/HandPatterns.h"
#include "tests/engine/test_table_support.h"

#include <gtest/gtest.h>

using table_test::cardsOf;

namespace {

TEST(HandPatterns, SuitPatternIndex)
{
    struct Case {
        const char* cards;
        int pattern;
    };
    const Case cases[] = {
        {"", 0},
        {"K7", 1},
        {"K9", 1}, // 7 alone and 9 alone are the same pattern
        {"K8 K9", 2},
        {"K7 K8 K9", 3},
        {"KD", 4},
        {"KK", 8},
        {"K1", 16},
        {"KA", 32},
        {"KA K1 KK KD K9 K8 K7", 63},
        {"KB", 0}, // the jack never counts
        {"KA K1 KB K8", 49},
        {"PA P1 P8", 49}, // any suit gives the same index
        {"CA C1 C8", 49},
    };
    for (const Case& c : cases)
        EXPECT_EQ(suitPatternIndex(cardsOf(c.cards)), c.pattern) << c.cards;
    // Of a whole hand, one suit at a time.
    const CardSet hand = cardsOf("KA K1 PK P7 HD CB");
    EXPECT_EQ(suitPatternOf(hand, SUIT_CLUBS), 48);
    EXPECT_EQ(suitPatternOf(hand, SUIT_SPADES), 9);
    EXPECT_EQ(suitPatternOf(hand, SUIT_HEARTS), 4);
    EXPECT_EQ(suitPatternOf(hand, SUIT_DIAMONDS), 0);
}

TEST(HandPatterns, TrumpPatternIndexAndJackIndex)
{
    struct Case {
        const char* cards;
        Suit trump;
        int pattern;
        int jacks;
    };
    const Case cases[] = {
        {"", SUIT_HEARTS, 0, 0},
        {"H1", SUIT_HEARTS, 6, 0},
        {"HA", SUIT_HEARTS, 6, 0}, // ten and ace count alike
        {"HA H1", SUIT_HEARTS, 12, 0},
        {"H7 H8 H9 HD HK", SUIT_HEARTS, 5, 0},
        {"KB", SUIT_HEARTS, 144, 8},
        {"PB", SUIT_HEARTS, 72, 4},
        {"HB", SUIT_HEARTS, 36, 2},
        {"CB", SUIT_HEARTS, 18, 1},
        {"KB PB HB CB HA H1 HK HD H9 H8 H7", SUIT_HEARTS, 287, 15},
        {"KA K1", SUIT_HEARTS, 0, 0}, // cards of another suit are no trumps
    };
    for (const Case& c : cases) {
        EXPECT_EQ(trumpPatternIndex(cardsOf(c.cards), c.trump), c.pattern) << c.cards;
        EXPECT_EQ(jackIndex(cardsOf(c.cards)), c.jacks) << c.cards;
    }
}

TEST(HandPatterns, RanksTextAndRankTest)
{
    EXPECT_EQ(suitPatternRanksText(0), "");
    EXPECT_EQ(suitPatternRanksText(1), "7");
    EXPECT_EQ(suitPatternRanksText(2), "87");
    EXPECT_EQ(suitPatternRanksText(3), "987");
    EXPECT_EQ(suitPatternRanksText(63), "A1KD987");
    EXPECT_EQ(suitPatternRanksText(52), "A1D");
    EXPECT_EQ(suitPatternRanksText(64), "");

    struct Case {
        int pattern;
        Rank rank;
        bool has;
    };
    const Case cases[] = {
        {32, RANK_ACE, true},  {16, RANK_ACE, false}, {16, RANK_TEN, true},   {8, RANK_KING, true},
        {4, RANK_QUEEN, true}, {1, RANK_SEVEN, true}, {1, RANK_EIGHT, false}, {2, RANK_EIGHT, true},
        {2, RANK_NINE, false}, {3, RANK_NINE, true},  {63, RANK_JACK, false}, {-1, RANK_ACE, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(suitPatternHasRank(c.pattern, c.rank), c.has) << c.pattern << " " << c.rank;
}

} // namespace
