// The pre-play logic: null analysis and level, bid value, open-game test,
// discard proposals and the choice after the skat, on small hand-made tables.

#include "skat/logic/Vorlogik.h"
#include "tests/engine/test_table_support.h"

#include <gtest/gtest.h>

using table_test::cardsOf;

namespace {

TEST(Vorlogik, NullAnalysisOfOneSuit)
{
    struct Case {
        const char* cards;
        int a, c1, c2;
    };
    const Case cases[] = {
        {"", 0, 0, 0},      {"K7 K8 K9", 0, 0, 0}, // no gap before a held card: safe
        {"K7 K9", 0, 0, 0}, {"KA", 1, 1, 7},       // the ace alone: seven cards below it
        {"K8", 1, 1, 1},    {"K8 K1", 1, 2, 1},
        {"K8 KB", 1, 2, 2}, {"K7 K1", 3, 1, 1}, // 7, then a gap of two before the ten
        {"KB", 1, 1, 4},                        // the jack belongs to its suit in null
    };
    for (const Case& c : cases) {
        const auto n = VORLOGIK::analyseNullSuit(cardsOf(c.cards), SUIT_CLUBS);
        EXPECT_EQ(n.a, c.a) << c.cards;
        EXPECT_EQ(n.c1, c.c1) << c.cards;
        EXPECT_EQ(n.c2, c.c2) << c.cards;
    }
}

TEST(Vorlogik, NullLevelFromTheFourSuits)
{
    struct Case {
        int vc, vs, vh, vd;
        int level;
    };
    const Case cases[] = {
        {4, 4, 4, 4, 4},  {3, 4, 4, 4, 3},   {2, 3, 4, 4, 2},
        {0, 4, 4, 4, 0},  {4, 4, 4, 0, 0},  // one dangerous suit: plain null at most
        {0, 0, 4, 4, -1}, {4, 4, 0, 0, -1}, // two of them: no null
        {1, 1, 4, 4, 0},  {1, 4, 1, 4, 0},   {4, 1, 4, 1, 0},
        {1, 1, 1, 4, -1}, {1, 4, 1, 1, -1}, // three weak suits: no null
        {1, 4, 4, 4, 1},  {-1, 4, 4, 4, -1}, {4, 4, 4, -1, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(VORLOGIK::combineNullValues(c.vc, c.vs, c.vh, c.vd), c.level)
            << c.vc << " " << c.vs << " " << c.vh << " " << c.vd;
}

TEST(Vorlogik, NullRatingReadsTheNullTable)
{
    VL_TABELLEN tables;
    tables.setNullValue(1, 1, 7, 3); // an ace alone
    tables.setNullValue(1, 1, 1, 1); // an eight alone
    VORLOGIK logic(&tables);
    // Clubs 7 8 9 and the red suits' low cards are safe; the spades ace alone sets the level.
    EXPECT_EQ(logic.nullRating(cardsOf("K7 K8 K9 PA H7 H8 H9 C7 C8 C9")), 3);
    EXPECT_EQ(logic.nullRating(cardsOf("K7 K8 K9 P8 H7 H8 H9 C7 C8 C9")), 1);
    // Two suits at 0 (no table entry): no null.
    EXPECT_EQ(logic.nullRating(cardsOf("K7 K8 K9 PK HK H8 H9 C7 C8 C9")), -1);
}

struct BidCase {
    int r2, r1;
    GameType type;
    int jacks, extra;
    bool afterSkat;
    Seat seat;
    int bidClass, value;
};

TEST(Vorlogik, BidValueOfARatedGame)
{
    const BidCase cases[] = {
        {63, 60, GAME_CLUBS, 2, 1, false, SEAT_0, 0, 0},   // below 64: nothing
        {65, 40, GAME_CLUBS, -2, 1, false, SEAT_0, 1, 18}, // class 1 by record 1
        {65, 20, GAME_CLUBS, 1, 1, false, SEAT_0, 1, 18},  // class 1 "with"
        {65, 20, GAME_CLUBS, -1, 1, false, SEAT_0, 0, 0},
        {75, 40, GAME_DIAMONDS, -2, 1, false, SEAT_0, 2, 18}, // class 2 in seat 0
        {75, 40, GAME_DIAMONDS, -2, 1, false, SEAT_1, 2, 0},  // ... elsewhere 18 drops to nothing
        {75, 40, GAME_HEARTS, -2, 1, false, SEAT_2, 2, 18},   // 20 drops to the bid below
        {75, 40, GAME_CLUBS, -2, 1, false, SEAT_1, 2, 23},    // 24 drops to 23
        {75, 25, GAME_CLUBS, 2, 1, false, SEAT_0, 0, 0},
        {75, 55, GAME_CLUBS, 2, 1, false, SEAT_0, 3, 36},
        {75, 55, GAME_CLUBS, -1, 1, false, SEAT_0, 3, 24},
        {82, 40, GAME_CLUBS, 1, 1, false, SEAT_0, 5, 24},
        {85, 62, GAME_CLUBS, -3, 1, false, SEAT_0, 3, 24},
        {85, 67, GAME_CLUBS, -3, 1, false, SEAT_0, 4, 36},
        {85, 75, GAME_SPADES, -3, 2, false, SEAT_0, 5, 55},
        {90, 85, GAME_GRAND, 4, 2, false, SEAT_0, 5, 144},
        {90, 85, GAME_GRAND, 4, 7, false, SEAT_0, 5, 264},  // capped
        {90, 85, GAME_CLUBS, 11, 7, false, SEAT_0, 5, 216}, // capped
        {10, 10, GAME_CLUBS, 1, 1, true, SEAT_0, 0, 0},     // after the skat: r1 < 30
        {10, 35, GAME_CLUBS, 1, 1, true, SEAT_0, 3, 24},    // ... the suit thresholds drop
        {40, 35, GAME_CLUBS, 1, 1, true, SEAT_0, 4, 24},
        {60, 35, GAME_CLUBS, -2, 1, true, SEAT_0, 2, 24},
        {60, 35, GAME_GRAND, 2, 1, true, SEAT_0, 0, 0}, // grand keeps its thresholds
    };
    VL_TABELLEN tables;
    VORLOGIK logic(&tables);
    for (const BidCase& c : cases) {
        GameBlock block;
        block.after.rating = c.r2;
        block.before.rating = c.r1;
        logic.seat = c.seat;
        logic.bidValue(block, c.type, c.jacks, c.extra, c.afterSkat);
        EXPECT_EQ(block.bidClass, c.bidClass) << c.r2 << "/" << c.r1 << " type " << c.type;
        EXPECT_EQ(block.bidValue, c.value) << c.r2 << "/" << c.r1 << " type " << c.type;
    }
}

TEST(Vorlogik, OpenGameTest)
{
    VL_TABELLEN tables;
    // Ace and ten alone and ace-ten-king run; ace-ten-seven has a loser.
    for (auto& t : tables.openTables) {
        t.values[0] = 0;
        t.values[8] = 0;
        t.values[1] = 3;
    }
    tables.openTables[0].values[1] = 1; // from forehand in a suit game it is only schwarz
    VORLOGIK logic(&tables);
    struct Case {
        const char* hand;
        int kind;
        Seat seat;
        int trumps;
        int result;
    };
    const Case cases[] = {
        {"KB PB HB KA K1 KK KD K9 K8 K7", 1, SEAT_1, 10, 0},
        {"KB PB HB KA K1 KK KD K9 HA H1", 1, SEAT_1, 8, 0},
        {"KB PB HB KA K1 KK KD K9 HA H7", 1, SEAT_1, 8, -50}, // a side suit without ace and ten
        {"KB PB HB KA K1 KK KD H7 HA H1", 1, SEAT_1, 7, 1},   // hearts A 10 7 from forehand
        {"KB PB HB KA K1 KK KD H7 HA H1", 1, SEAT_2, 7, 3},
        {"KB PB HB KA K1 KK HA H1 PA P1", 1, SEAT_1, 6, -1},  // six trumps
        {"PB HB CB KA K1 KK KD K9 K8 K7", 1, SEAT_1, 10, -1}, // no clubs jack
        {"KB PB KA K1 KK PA P1 PK HA H1", 2, SEAT_2, 0, -1},  // black jacks only: forehand alone
        {"KB PB KA K1 KK PA P1 PK HA H1", 2, SEAT_1, 0, 0},
        {"KB PB HB KA KK KD K9 K8 K7 PA", 2, SEAT_2, 0, 1},   // clubs A K Q 9 8 7 away from forehand
        {"KB PB HB CB KA KK KD K9 K8 K7", 2, SEAT_2, 0, -50}, // four jacks count as forehand
    };
    for (const Case& c : cases)
        EXPECT_EQ(logic.canPlayOpen(c.kind, c.seat, cardsOf(c.hand), c.trumps), c.result) << c.hand;
}

TEST(Vorlogik, DiscardProposals)
{
    VL_TABELLEN tables;
    auto& bareTen = tables.discardTable.values[16];
    bareTen.Wert = 22;
    bareTen.Karte = RANK_TEN;
    auto& single = tables.discardTable.values[1];
    single.Wert = 12;
    single.Karte = RANK_SEVEN;
    auto& kingSmall = tables.discardTable.values[9];
    kingSmall.Wert = 4;
    kingSmall.Karte = RANK_KING;
    kingSmall.Wert2 = 30;
    kingSmall.Karte2 = RANK_SEVEN;
    VORLOGIK logic(&tables);

    struct Case {
        const char* hand;
        GameType type;
        const char* first;
        const char* second;
    };
    const Case cases[] = {
        // The bare ten of hearts goes first, then the single low spade.
        {"KB PB KA K1 KK KD K7 K8 H1 P9 CA C1", GAME_CLUBS, "H1", "P9"},
        // The trump suit never gives a proposal: in a hearts game the ten stays.
        {"KB PB HA H1 HK HD H7 H8 K1 P9 CA C1", GAME_HEARTS, "K1", "P9"},
        // In grand every suit may: the bare ten of clubs goes.
        {"KB PB HA HK HD H7 H8 K1 P9 CA C1 C7", GAME_GRAND, "K1", "P9"},
        // King with a low card is worth more as a pair; the low card is the eight held.
        {"KB PB KA K1 KK KD K9 H8 HK PA P1 PK", GAME_CLUBS, "H8", "HK"},
        // Nothing proposed: the two lowest cards.
        {"KB PB KA K1 KK KD K9 K8 PA P1 HA H1", GAME_CLUBS, "H1", "HA"},
    };
    for (const Case& c : cases) {
        const DiscardPair pair = logic.chooseDiscardPair(cardsOf(c.hand), c.type);
        EXPECT_EQ(discardCards(pair), cardsOf(c.first) | cardsOf(c.second)) << c.hand;
        EXPECT_EQ(pair.first, cardIdFromCode(c.first)) << c.hand;
    }
}

TEST(Vorlogik, NullDiscardIsTheHighestOfTheMostDangerousSuit)
{
    VL_TABELLEN tables;
    VORLOGIK logic(&tables);
    // Spades ace alone (gap of 7) is worse than hearts 7 9 king.
    EXPECT_EQ(logic.chooseDiscardPair(cardsOf("K7 K8 K9 PA H7 H9 HK C7 C8 C9 C1 CB"), GAME_NULL).first,
              cardIdFromCode("PA"));
    // No suit with a gap: the highest card of the hand in null order, the later of equals.
    const DiscardPair pair = logic.chooseDiscardPair(cardsOf("K7 K8 K9 P7 P8 H7 H8 C7 C8 C9 P9 H9"), GAME_NULL);
    EXPECT_EQ(pair.first, cardIdFromCode("K9"));
    EXPECT_EQ(pair.second, cardIdFromCode("P9"));
}

// Tables where every side suit is worth its card points to the declarer and
// trumps their share: enough to tell good hands from poor ones.
VL_TABELLEN simpleTables()
{
    VL_TABELLEN t;
    for (int p = 0; p < SUIT_PATTERN_COUNT; ++p) {
        const int points = ((p & 32) ? 11 : 0) + ((p & 16) ? 10 : 0) + ((p & 8) ? 4 : 0) + ((p & 4) ? 3 : 0);
        for (int g = 0; g < 3; ++g)
            for (int c = 0; c < 6; ++c) {
                const int pd = points + g * 2;
                const int value = c < 3 ? pd : 28 - pd;
                t.suitTables[static_cast<std::size_t>(VL_TABELLEN::suitGameTable(g, c))]
                    .values[static_cast<std::size_t>(p)] = value;
                t.suitTables[static_cast<std::size_t>(VL_TABELLEN::grandTable(g, c))]
                    .values[static_cast<std::size_t>(p)] = value;
            }
    }
    for (int q = 0; q < TRUMP_PATTERN_COUNT; ++q) {
        const int count = (q % 18) % 6 + (q % 18) / 6 + cardCount(static_cast<CardSet>(q / 18));
        const int pd = std::min(36, count * 5);
        for (int c = 0; c < 6; ++c)
            t.trumpTables[static_cast<std::size_t>(c)].values[static_cast<std::size_t>(q)] = c < 3 ? pd : 36 - pd;
    }
    for (int j = 0; j < JACK_INDEX_COUNT; ++j)
        for (int c = 0; c < 6; ++c)
            t.jackTables[static_cast<std::size_t>(VL_TABELLEN::grandJackTable(c))].values[static_cast<std::size_t>(j)] =
                c < 3 ? 2 * cardCount(static_cast<CardSet>(j)) : 8 - 2 * cardCount(static_cast<CardSet>(j));
    return t;
}

TEST(Vorlogik, BidProposal)
{
    const VL_TABELLEN tables = simpleTables();
    VORLOGIK logic(&tables);
    logic.playStyle = PLAY_STYLE_DEFENSIVE;
    // Strong clubs: a clubs game with the two jacks counted.
    logic.bidProposal(cardsOf("KB PB KA K1 KK KD K9 HA H1 PA"), SEAT_0);
    EXPECT_EQ(logic.proposal.type, GAME_CLUBS);
    EXPECT_EQ(logic.proposal.typeAgain, GAME_CLUBS);
    EXPECT_EQ(logic.proposal.jackCount, 2);
    EXPECT_GT(logic.proposal.limit, 0);
    EXPECT_EQ(logic.proposal.limit, logic.proposal.block(GAME_CLUBS).bidValue);
    // A poor hand bids nothing.
    logic.bidProposal(cardsOf("K7 K8 P7 P8 PD H7 H8 HD C7 C8"), SEAT_1);
    EXPECT_EQ(logic.proposal.limit, 0);
    // The offensive style reads every rating 10 (before the skat 4) higher.
    VORLOGIK bold(&tables);
    bold.playStyle = PLAY_STYLE_OFFENSIVE;
    const CardSet hand = cardsOf("KB PB KA K1 KK KD K9 HA H1 PA");
    bold.bidProposal(hand, SEAT_0);
    logic.bidProposal(hand, SEAT_0);
    for (GameType t = GAME_CLUBS; t <= GAME_GRAND; ++t) {
        EXPECT_EQ(bold.proposal.block(t).after.rating, logic.proposal.block(t).after.rating + 10) << t;
        EXPECT_EQ(bold.proposal.block(t).before.rating, logic.proposal.block(t).before.rating + 4) << t;
    }
}

TEST(Vorlogik, ChoiceAfterTheSkat)
{
    const VL_TABELLEN tables = simpleTables();
    VORLOGIK logic(&tables);
    logic.playStyle = PLAY_STYLE_DEFENSIVE;
    logic.seat = SEAT_0;
    const CardSet hand = cardsOf("KB PB KA K1 KK KD K9 HA H1 PA P7 C7");
    logic.chooseDiscard(hand, 18);
    EXPECT_EQ(logic.proposal.type, GAME_CLUBS);
    // The pair laid away is held and is no trump.
    const CardSet away = discardCards(logic.discards[GAME_CLUBS]);
    EXPECT_EQ(cardCount(away), 2);
    EXPECT_EQ(away & ~hand, 0u);
    EXPECT_EQ(away & trumpMask(GAME_CLUBS), 0u);
    // A bid no game reaches still gets a game: grand at its value.
    logic.chooseDiscard(hand, 240);
    EXPECT_EQ(logic.proposal.type, GAME_GRAND);
    EXPECT_EQ(logic.proposal.limit, 72);
    EXPECT_EQ(logic.proposal.level, 0);
}

TEST(Vorlogik, NullAfterTheSkatDependsOnTheBid)
{
    VL_TABELLEN tables;
    VORLOGIK logic(&tables);
    logic.seat = SEAT_0;
    // No gaps at all: null level 4.
    const CardSet hand = cardsOf("K7 K8 K9 P7 P8 P9 H7 H8 H9 C7 C8 C9");
    logic.chooseDiscard(hand, 18);
    EXPECT_EQ(logic.proposal.type, GAME_NULL);
    EXPECT_EQ(logic.proposal.limit, 46);
    EXPECT_EQ(logic.proposal.level, 1); // open
    logic.chooseDiscard(hand, 46);
    EXPECT_EQ(logic.proposal.type, GAME_NULL);
    logic.chooseDiscard(hand, 47);
    EXPECT_NE(logic.proposal.type, GAME_NULL); // no null open from 47 on
}

} // namespace
