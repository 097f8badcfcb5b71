// The open-game search against a plain minimax of the same game (no table,
// no cut-offs, no skipping) on random endgames of every game type, and the
// cases the search must get right by construction.

#include "skat/engine/Einblatt.h"
#include "skat/engine/Karte.h"
#include "skat/logic/OpenSearch.h"
#include "tests/engine/test_table_support.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <unordered_map>

using table_test::cardsOf;

namespace {

struct Outcome {
    int score;
    int own;
    int other;
};

// Negamax over the point difference, every legal card tried, sides and
// points exactly as the game counts them.
class PlainMinimax {
public:
    // With memo, positions at trick starts are answered from a table of
    // exact gains (for larger endgames); the null declarer's clamp is then
    // applied at the root only.
    explicit PlainMinimax(const OpenDeal& deal, bool memo = false) : deal_(deal), memo_(memo)
    {
        const Seat first = deal.type == GAME_RAMSCH ? deal.toMove() : deal.declarer;
        for (Seat s = SEAT_0; s < 3; ++s)
            side_[s] = s == first ? 0 : 1;
    }

    // Root points of the mover's side and the other side.
    std::pair<int, int> rootPoints() const
    {
        const Seat mover = deal_.toMove();
        if (deal_.type == GAME_NULL) {
            const int defenders = -10 * deal_.defenderTricks;
            return mover == deal_.declarer ? std::pair{0, defenders} : std::pair{defenders, 0};
        }
        if (deal_.type == GAME_RAMSCH) {
            const int all = deal_.seatPoints[0] + deal_.seatPoints[1] + deal_.seatPoints[2] + deal_.skatPoints;
            return {-deal_.seatPoints[mover], -(all - deal_.seatPoints[mover])};
        }
        return mover == deal_.declarer ? std::pair{deal_.declarerPoints, deal_.defenderPoints}
                                       : std::pair{deal_.defenderPoints, deal_.declarerPoints};
    }

    // The outcome after the mover plays card (a legal card) at the root.
    Outcome afterCard(CardBit card) const
    {
        const auto [own, other] = rootPoints();
        Outcome o = play(deal_, card, own, other, 0);
        if (deal_.type == GAME_NULL && deal_.toMove() != deal_.declarer && o.other < 0)
            o = {o.score, 0, -100};
        return clampDeclarer(deal_.toMove(), o);
    }

private:
    Outcome clampDeclarer(Seat mover, Outcome o) const
    {
        if (deal_.type == GAME_NULL && mover == deal_.declarer && o.own < 0)
            return {o.score, -100, 0};
        return o;
    }

    Outcome play(OpenDeal d, CardBit card, int own, int other, int score) const
    {
        const Seat mover = d.toMove();
        d.hands[mover] &= ~bitMask(card);
        d.trick = static_cast<TrickCode>(d.trick | (card << (5 * d.trickCount)));
        int value = 0;
        if (++d.trickCount == 3) {
            const int winner = trickWinner(d.type, cardByBit(trickCardBit(d.trick, 0)),
                                           cardByBit(trickCardBit(d.trick, 1)), cardByBit(trickCardBit(d.trick, 2)));
            const int points = pointsOfSet(d.trickCards());
            value = d.type == GAME_NULL ? -10 : d.type == GAME_RAMSCH ? -points : points;
            d.leader = seatAfter(d.leader, winner);
            d.trick = 0;
            d.trickCount = 0;
        }
        const Seat next = d.toMove();
        if (side_[next] == side_[mover])
            return node(d, own + value, other, score + value);
        const Outcome theirs = node(d, other + value, own, value - score);
        return {-theirs.score, theirs.other, theirs.own};
    }

    Outcome node(const OpenDeal& d, int own, int other, int score) const
    {
        const Seat mover = d.toMove();
        CardSet legal = d.legalCards();
        if (legal == 0)
            return {score, own, other};
        const std::uint64_t key = (std::uint64_t{d.hands[0] | d.hands[1] | d.hands[2]} << 2) | d.leader;
        if (memo_ && d.trickCount == 0) {
            if (auto it = seen_.find(key); it != seen_.end())
                return {score + it->second.score, own + it->second.own, other + it->second.other};
        }
        Outcome best{-1000, 0, 0};
        for (; legal != 0; legal &= legal - 1) {
            const Outcome raw = play(d, lowestBit(legal), own, other, score);
            const Outcome o = memo_ ? raw : clampDeclarer(mover, raw);
            if (o.score > best.score)
                best = o;
        }
        if (memo_ && d.trickCount == 0)
            seen_[key] = {best.score - score, best.own - own, best.other - other};
        return best;
    }

    OpenDeal deal_;
    bool memo_ = false;
    int side_[3]{};
    mutable std::unordered_map<std::uint64_t, Outcome> seen_;
};

// A random position with `cards` cards in the hand of the seat to move and
// `inTrick` cards already on the table. The cards out of play are split at
// random among the parties (Ramsch: the seats and two for the skat).
OpenDeal randomEndgame(std::mt19937& rng, GameType type, int cards, int inTrick)
{
    std::array<CardBit, 32> deck{};
    for (int i = 0; i < 32; ++i)
        deck[i] = i;
    std::shuffle(deck.begin(), deck.end(), rng);
    OpenDeal d;
    d.type = type;
    d.leader = static_cast<Seat>(rng() % 3);
    d.declarer = static_cast<Seat>(rng() % 3);
    d.trickCount = inTrick;
    int next = 0;
    for (int place = 0; place < inTrick; ++place)
        d.trick = static_cast<TrickCode>(d.trick | (deck[next++] << (5 * place)));
    for (int i = 0; i < 3; ++i) {
        const Seat seat = seatAfter(d.leader, i);
        const int count = i < inTrick ? cards - 1 : cards;
        for (int k = 0; k < count; ++k)
            d.hands[seat] |= bitMask(deck[next++]);
    }
    int skatLeft = 2;
    for (; next < 32; ++next) {
        const int points = pointsOfSet(bitMask(deck[next]));
        if (type == GAME_RAMSCH && skatLeft > 0) {
            d.skatPoints += points;
            --skatLeft;
        } else if (type == GAME_RAMSCH) {
            d.seatPoints[rng() % 3] += points;
        } else if (rng() % 2 == 0) {
            d.declarerPoints += points;
        } else {
            d.defenderPoints += points;
        }
    }
    d.completedTricks = 10 - cards;
    d.defenderTricks = static_cast<int>(rng() % (d.completedTricks + 1)) / 2;
    return d;
}

std::string describe(const OpenDeal& d)
{
    std::string text = "type " + std::to_string(d.type) + " leader " + std::to_string(d.leader) + " declarer "
                       + std::to_string(d.declarer) + " hands";
    for (CardSet h : d.hands)
        text += " " + std::to_string(h);
    return text + " trick " + std::to_string(d.trick) + "/" + std::to_string(d.trickCount);
}

// Number of positions where the search's rating of some card differs from
// the minimax; every difference is reported. With the best cards only, a
// card of the best value (or within the search's margin of it) must be
// rated exactly and any other exactly or by a bound at or above its value
// and below the best less the margin.
int compareWithMinimax(OpenSearch& search, std::uint32_t seed, int deals, int minCards = 1, int maxCards = 4,
                       OpenSearch::Values values = OpenSearch::Values::EVERY_CARD)
{
    const int margin = values == OpenSearch::Values::BEST_CARDS ? search.bestMargin : 0;
    std::mt19937 rng(seed);
    int differences = 0;
    for (int i = 0; i < deals; ++i) {
        const GameType type = static_cast<GameType>(1 + i % 8);
        const int cards = minCards + static_cast<int>(rng() % (maxCards - minCards + 1));
        const int inTrick = static_cast<int>(rng() % 3);
        const OpenDeal deal = randomEndgame(rng, type, cards, inTrick);
        SLOFFENWERTUNG ratings;
        search.solve(deal, ratings, nullptr, values);
        const PlainMinimax reference(deal, cards > 4);
        int best = -1000;
        for (CardSet legal = deal.legalCards(); legal != 0; legal &= legal - 1)
            best = std::max(best, reference.afterCard(lowestBit(legal)).score);
        bool differs = ratings.size() != cardCount(deal.legalCards());
        for (const OpenGameRating& r : ratings) {
            const Outcome want = reference.afterCard(cardMaskOfId(r.card) ? lowestBit(cardMaskOfId(r.card)) : 0);
            const bool bound = values == OpenSearch::Values::BEST_CARDS && want.score < best - margin && r.upperBound;
            const bool right = bound ? r.value >= want.score && r.value < best - margin
                                     : !r.upperBound && r.value == want.score && r.ownPoints == want.own
                                           && r.otherPoints == want.other;
            if (!right || !r.exact) {
                differs = true;
                ADD_FAILURE() << describe(deal) << " card " << r.card << ": search " << r.value << " " << r.ownPoints
                              << "/" << r.otherPoints << (r.upperBound ? " (bound)" : "") << ", minimax " << want.score
                              << " " << want.own << "/" << want.other << ", best " << best;
            }
        }
        differences += differs ? 1 : 0;
    }
    return differences;
}

TEST(OpenSearch, AgreesWithPlainMinimaxOnRandomEndgamesOfEveryGameType)
{
    OpenSearch search;
    EXPECT_EQ(compareWithMinimax(search, 20261210, 4000), 0);
    // The reference player's ways (one bound per entry, no look-ahead, no
    // sure points, one step at a time) give the same values.
    search.tuning = OpenSearch::Tuning::fast(false);
    EXPECT_EQ(compareWithMinimax(search, 20261211, 2000), 0);
}

TEST(OpenSearch, AgreesWithAMemoisedMinimaxOnLargerEndgames)
{
    // Six and seven cards a hand: deep enough for bounds from the table and
    // cut-offs several levels down to matter.
    OpenSearch search;
    EXPECT_EQ(compareWithMinimax(search, 99, 48, 6, 7), 0);
}

TEST(OpenSearch, AgreesWithMinimaxWhenTheHintsOfEarlierSearchesStay)
{
    // The same search object runs many deals: the cards each level tries
    // first carry over and must never change a value.
    OpenSearch search;
    EXPECT_EQ(compareWithMinimax(search, 7, 800), 0);
    EXPECT_EQ(compareWithMinimax(search, 8, 800), 0);
}

TEST(OpenSearch, BestCardsOnlyRatesTheBestExactlyAndBoundsTheOthers)
{
    OpenSearch search;
    EXPECT_EQ(compareWithMinimax(search, 4041, 4000, 1, 4, OpenSearch::Values::BEST_CARDS), 0);
    EXPECT_EQ(compareWithMinimax(search, 4042, 48, 6, 7, OpenSearch::Values::BEST_CARDS), 0);
    // And with a margin: the cards close to the best are rated exactly.
    search.bestMargin = 10;
    EXPECT_EQ(compareWithMinimax(search, 4044, 2000, 1, 4, OpenSearch::Values::BEST_CARDS), 0);
    EXPECT_EQ(compareWithMinimax(search, 4045, 48, 6, 7, OpenSearch::Values::BEST_CARDS), 0);
    search.bestMargin = 0;
    // Bounds do occur (a test that never meets one checks nothing).
    std::mt19937 rng(4043);
    int bounded = 0;
    for (int i = 0; i < 200; ++i) {
        SLOFFENWERTUNG ratings;
        search.solve(randomEndgame(rng, static_cast<GameType>(1 + i % 8), 5, 0), ratings, nullptr,
                     OpenSearch::Values::BEST_CARDS);
        for (const OpenGameRating& r : ratings)
            bounded += r.upperBound ? 1 : 0;
    }
    EXPECT_GT(bounded, 100);
}

TEST(OpenSearch, ThresholdAnswersAgreeWithTheExactValues)
{
    // Does the side to move reach 31, 61, 90 or 120 points: the zero-window
    // answer against the best final points of the exact ratings, on suit
    // and grand endgames of two to seven cards.
    std::mt19937 rng(4040);
    OpenSearch search;
    int reached = 0;
    int missed = 0;
    for (int i = 0; i < 300; ++i) {
        const GameType type = i % 5 == 4 ? GAME_GRAND : static_cast<GameType>(1 + i % 4);
        const int cards = 2 + static_cast<int>(rng() % 6);
        const OpenDeal deal = randomEndgame(rng, type, cards, static_cast<int>(rng() % 3));
        SLOFFENWERTUNG ratings;
        search.solve(deal, ratings);
        int best = -1000;
        for (const OpenGameRating& r : ratings)
            best = std::max(best, r.ownPoints);
        for (int target : {31, 61, 90, 120}) {
            const bool want = best >= target;
            EXPECT_EQ(search.reaches(deal, target), want) << describe(deal) << " target " << target;
            (want ? reached : missed) += 1;
        }
    }
    // Both answers occur often.
    EXPECT_GT(reached, 200);
    EXPECT_GT(missed, 200);
    // Not asked for null and Ramsch.
    EXPECT_FALSE(search.reaches(randomEndgame(rng, GAME_NULL, 3, 0), -100));
}

TEST(OpenSearch, ANodeLimitStopsTheSearchTheSameWayEachTime)
{
    std::mt19937 rng(11);
    const OpenDeal deal = randomEndgame(rng, GAME_GRAND, 7, 0);
    OpenSearch search;
    SLOFFENWERTUNG full;
    search.solve(deal, full);
    ASSERT_FALSE(search.aborted());
    const std::uint64_t needed = search.nodes();
    ASSERT_GT(needed, 1000u);
    SLOFFENWERTUNG first;
    for (int run = 0; run < 2; ++run) {
        search.resetHints();
        search.nodeLimit = needed / 2;
        SLOFFENWERTUNG cut;
        search.solve(deal, cut);
        EXPECT_TRUE(search.aborted());
        EXPECT_LT(cut.size(), full.size());
        // The cards it finished are rated exactly.
        for (const OpenGameRating& r : cut)
            EXPECT_EQ(r.value, full.value(r.card));
        if (run == 0)
            first = cut;
        else
            EXPECT_EQ(cut, first);
    }
    search.nodeLimit = 0;
}

OpenDeal dealOf(GameType type, Seat leader, Seat declarer, const char* s0, const char* s1, const char* s2)
{
    OpenDeal d;
    d.type = type;
    d.leader = leader;
    d.declarer = declarer;
    d.hands = {cardsOf(s0), cardsOf(s1), cardsOf(s2)};
    d.completedTricks = 10 - cardCount(d.hands[leader]);
    const int out = POINTS_IN_DECK - pointsOfSet(d.hands[0] | d.hands[1] | d.hands[2]);
    d.declarerPoints = out / 2;
    d.defenderPoints = out - out / 2;
    return d;
}

TEST(OpenSearch, ALeaderCashesOnlyTheTricksNobodyCanTakeFromIt)
{
    // The points a leader surely takes by leading its top plain cards one
    // after the other are easy to overcount: a partner above the leader's
    // card takes the lead away (seat 1's spades under seat 0's ace), a
    // defender without the suit trumps (seat 2's hearts), the declarer
    // draws the defenders' single jacks first. Every card against the
    // minimax, with the faster ways and without.
    const OpenDeal deals[] = {
        dealOf(GAME_DIAMONDS, SEAT_0, SEAT_2, "C1 H7 PA K8", "CB H8 PK P1", "CD HD P9 KD"),
        dealOf(GAME_GRAND, SEAT_0, SEAT_0, "KB PB KA K1 HA", "HB K9 K8 H7 HK", "CB KK H9 H8 P7"),
        dealOf(GAME_HEARTS, SEAT_1, SEAT_1, "K7 K8 KK P9 C9", "KA K1 PA HB H7", "HA H1 P7 P8 C7"),
    };
    OpenSearch search;
    for (const OpenDeal& deal : deals) {
        const PlainMinimax reference(deal, true);
        for (bool fast : {true, false}) {
            search.tuning = OpenSearch::Tuning::fast(fast);
            SLOFFENWERTUNG ratings;
            search.solve(deal, ratings);
            EXPECT_EQ(ratings.size(), cardCount(deal.legalCards())) << describe(deal);
            for (const OpenGameRating& r : ratings)
                EXPECT_EQ(r.value, reference.afterCard(lowestBit(cardMaskOfId(r.card))).score)
                    << describe(deal) << " card " << r.card << (fast ? " fast" : "");
        }
    }
}

TEST(OpenSearch, TheFasterWaysChangeNoValueOnLargerDeals)
{
    // Eight cards a hand, too many for the minimax: the relative-rank table
    // keys, cashed tricks and the other faster ways against the first ways.
    std::mt19937 rng(4046);
    OpenSearch fast;
    OpenSearch plain;
    plain.tuning = OpenSearch::Tuning::fast(false);
    for (int i = 0; i < 16; ++i) {
        const OpenDeal deal = randomEndgame(rng, static_cast<GameType>(1 + i % 8), 8, static_cast<int>(rng() % 3));
        SLOFFENWERTUNG quick;
        SLOFFENWERTUNG slow;
        fast.solve(deal, quick);
        plain.solve(deal, slow);
        ASSERT_EQ(quick.size(), slow.size()) << describe(deal);
        for (const OpenGameRating& r : slow)
            EXPECT_EQ(quick.value(r.card), r.value) << describe(deal) << " card " << r.card;
    }
}

TEST(OpenSearch, DrawingTheLastTrumpsFirstIsNotAlwaysBest)
{
    // Seat 0 (declarer, spades) holds the only trump and a low club. Leading
    // the club first lets seat 2 win it and lead hearts into the trump, where
    // seat 1 must give its ace. Leading the trump first lets both discard.
    OpenDeal d = dealOf(GAME_SPADES, SEAT_0, SEAT_0, "P7 K7", "HA K8", "H1 K9");
    OpenSearch exact;
    SLOFFENWERTUNG ratings;
    exact.solve(d, ratings);
    const int clubFirst = ratings.value(cardIdFromCode("K7"));
    const int trumpFirst = ratings.value(cardIdFromCode("P7"));
    EXPECT_GT(clubFirst, trumpFirst);
    EXPECT_EQ(ratings.record(cardIdFromCode("K7"))->ownPoints, d.declarerPoints + 21);
}

TEST(OpenSearch, EdgeCasesOfTheSetUp)
{
    OpenSearch search;
    SLOFFENWERTUNG ratings;

    // One card each: the trick is scored at once, no decisions.
    OpenDeal last = dealOf(GAME_GRAND, SEAT_1, SEAT_1, "KA", "K1", "KB");
    search.solve(last, ratings);
    ASSERT_EQ(ratings.size(), 1);
    EXPECT_EQ(ratings[0].card, cardIdFromCode("K1"));
    EXPECT_EQ(ratings[0].value, -23); // seat 0's jack takes ace, ten and itself
    EXPECT_EQ(ratings[0].ownDecisions, 0);
    EXPECT_EQ(ratings[0].otherDecisions, 0);

    // Null: the defenders' two earlier tricks count -20, the declarer starts at 0.
    OpenDeal null = dealOf(GAME_NULL, SEAT_0, SEAT_0, "K7 K8", "KA KK", "H7 HA");
    null.defenderTricks = 2;
    search.solve(null, ratings);
    for (const OpenGameRating& r : ratings) {
        EXPECT_EQ(r.ownPoints, 0) << r.card;     // the declarer stays clean
        EXPECT_EQ(r.otherPoints, -40) << r.card; // two more tricks for the defenders
    }
    // A null declarer who must take a trick stands at -100.
    OpenDeal lost = dealOf(GAME_NULL, SEAT_0, SEAT_0, "KA", "K7", "H7");
    search.solve(lost, ratings);
    ASSERT_EQ(ratings.size(), 1);
    EXPECT_EQ(ratings[0].ownPoints, -100);
    EXPECT_EQ(ratings[0].otherPoints, 0);

    // No game type: nothing to rate.
    OpenDeal none = last;
    none.type = GAME_NONE;
    search.solve(none, ratings);
    EXPECT_TRUE(ratings.empty());
}

TEST(OpenSearch, RatingSetHoldsThirteenRecords)
{
    SLOFFENWERTUNG set;
    for (int i = 0; i < 14; ++i)
        set.add({.card = cardIdOfBit(i), .value = i});
    EXPECT_EQ(set.size(), 13);
    EXPECT_EQ(set.find(cardIdOfBit(13)), -1);
    EXPECT_EQ(set.value(cardIdOfBit(12)), 12);
    EXPECT_EQ(set.value(cardIdOfBit(13)), 0);
}

} // namespace
