#include "skat/logic/Vorlogik.h"

#include "skat/engine/BidTable.h"
#include "skat/engine/Einblatt.h"
#include "skat/logic/LogicTexts.h"

#include <algorithm>
#include <cstdlib>

namespace {

// Table component of each rating row.
constexpr int ROW_COMPONENT[6] = {COMP_PD, COMP_PS, COMP_PM, COMP_ND, COMP_NS, COMP_NM};

// The ranks in null order: 7, 8, 9, 10, jack, queen, king, ace.
constexpr Rank NULL_ORDER[8] = {RANK_SEVEN, RANK_EIGHT, RANK_NINE, RANK_TEN,
                                RANK_JACK,  RANK_QUEEN, RANK_KING, RANK_ACE};

int ratingOf(const RatingRecord& r) { return std::min(r.M[ROW_PD][0], 120 - r.M[ROW_ND][0]); }

int shareOf(const RatingRecord& r)
{
    const int sum = r.M[ROW_PD][0] + r.M[ROW_ND][0];
    return sum > 0 ? r.M[ROW_PD][0] * 100 / sum : 0;
}

int jackCountOf(CardSet hand) { return EINBLATT(hand).spitzenGrand(); }

} // namespace

void BidProposalRecord::reset()
{
    jackCount = limit = level = stage = 0;
    type = typeAgain = GAME_NONE;
    rating = rating1 = -50;
    for (GameBlock& b : blocks)
        b = GameBlock{};
}

const VL_TABELLEN& VORLOGIK::tables() const
{
    if (!tables_)
        tables_ = &VL_TABELLEN::instance();
    return *tables_;
}

RatingRecord VORLOGIK::rateCards(CardSet hand, CardSet extra, GameType type) const
{
    RatingRecord r;
    if (type < GAME_CLUBS || type > GAME_GRAND)
        return r;
    const VL_TABELLEN& t = tables();
    const CardSet cards = hand | extra;
    const bool grand = type == GAME_GRAND;

    // Step 2: with the skat in hand, how many cards of each suit go away.
    std::array<int, 5> group{};
    if (cardCount(cards) == 12) {
        const CardSet away = discardCards(chooseDiscardPair(cards, type));
        for (Suit s = SUIT_CLUBS; s <= SUIT_DIAMONDS; ++s)
            group[static_cast<std::size_t>(s)] = cardCount(away & suitMask(s));
    }

    // Step 3: one column per suit.
    for (Suit s = SUIT_CLUBS; s <= SUIT_DIAMONDS; ++s) {
        const int p = suitPatternOf(cards, s);
        const int g = std::min(group[static_cast<std::size_t>(s)], 2);
        for (int row = 0; row < 6; ++row) {
            const int c = ROW_COMPONENT[row];
            int value = 0;
            if (!grand && isTrumpSuit(s, type))
                value = t.trumpValue(c, trumpPatternIndex(cards & trumpMask(type), s));
            else
                value = t.suitValue(grand ? VL_TABELLEN::grandTable(g, c) : VL_TABELLEN::suitGameTable(g, c), p);
            r.M[static_cast<std::size_t>(row)][static_cast<std::size_t>(s)] = value;
        }
        if (!grand && !isTrumpSuit(s, type) && p == 0)
            for (int row = ROW_PD; row <= ROW_PM; ++row)
                r.M[static_cast<std::size_t>(row)][static_cast<std::size_t>(s)] += 10;
    }
    // Step 4: the jacks of a grand.
    if (grand)
        for (int row = 0; row < 6; ++row)
            r.M[static_cast<std::size_t>(row)][5] =
                t.jackValue(VL_TABELLEN::grandJackTable(ROW_COMPONENT[row]), jackIndex(cards));

    // Step 5: row totals.
    for (auto& row : r.M) {
        row[0] = 0;
        for (int col = 1; col <= (grand ? 5 : 4); ++col)
            row[0] += row[static_cast<std::size_t>(col)];
    }
    // Step 6: the deduction for missing jacks or short trumps.
    for (int row = ROW_PD; row <= ROW_PM; ++row)
        r.M[static_cast<std::size_t>(row)][0] = std::min(r.M[static_cast<std::size_t>(row)][0], 120);
    int d = 0;
    if (grand) {
        const int k = jackCountOf(cards);
        d = k <= -4 ? 45 : k < 0 ? 30 : k == 1 ? 15 : 0;
    } else {
        constexpr int byTrumps[7] = {37, 27, 22, 17, 12, 8, 0};
        d = byTrumps[std::min(EINBLATT(cards).trumpCount(type), 6)];
    }
    // Steps 7 and 8.
    const std::size_t own = grand ? 5u : static_cast<std::size_t>(type);
    for (int row = ROW_PD; row <= ROW_PM; ++row) {
        auto& m = r.M[static_cast<std::size_t>(row)];
        m[0] = std::max(std::max(m[0] - d, 0), m[own]);
    }
    for (int row = ROW_ND; row <= ROW_NM; ++row) {
        auto& m = r.M[static_cast<std::size_t>(row)];
        m[0] = std::min(m[0] + d, 120);
    }
    // Step 9.
    r.rating = ratingOf(r);
    r.share = shareOf(r);
    return r;
}

void VORLOGIK::finishBlock(GameBlock& block) const
{
    block.before.rating = ratingOf(block.before);
    block.after.rating = ratingOf(block.after);
    if (block.after.rating > 0 && block.after.rating < block.before.rating)
        block.after = block.before;
    block.after.share = shareOf(block.after);
    switch (playStyle) {
    case PLAY_STYLE_BALANCED:
        block.after.rating += 5;
        block.before.rating += 2;
        break;
    case PLAY_STYLE_OFFENSIVE:
        block.after.rating += 10;
        block.before.rating += 4;
        break;
    default: break;
    }
}

void VORLOGIK::evaluateTenCards(CardSet hand, std::array<GameBlock*, 5> blocks) const
{
    std::array<std::array<std::array<long, 6>, 2>, 5> sums{};
    std::array<int, 5> counted{};
    for (std::size_t i = 0; i < 5; ++i)
        if (blocks[i])
            blocks[i]->before = rateCards(hand, 0, static_cast<GameType>(i + 1));

    // Every pair of unseen cards, clubs to diamonds and 7 to ace, as the skat.
    std::array<CardId, 32> unseen{};
    int n = 0;
    for (Suit s = SUIT_CLUBS; s <= SUIT_DIAMONDS; ++s)
        for (Rank r = RANK_SEVEN; r <= RANK_ACE; ++r)
            if ((hand & cardMask(s, r)) == 0)
                unseen[static_cast<std::size_t>(n++)] = makeCardId(s, r);
    for (int i = 0; i < n; ++i)
        for (int j = i + 1; j < n; ++j) {
            const CardSet skat =
                cardMaskOfId(unseen[static_cast<std::size_t>(i)]) | cardMaskOfId(unseen[static_cast<std::size_t>(j)]);
            std::array<RatingRecord, 5> rated;
            std::size_t best = 0;
            for (std::size_t k = 0; k < 5; ++k) {
                rated[k] = rateCards(hand, skat, static_cast<GameType>(k + 1));
                if (rated[k].rating > rated[best].rating)
                    best = k;
            }
            if (!blocks[best])
                continue;
            ++counted[best];
            for (std::size_t col = 0; col < 6; ++col) {
                sums[best][0][col] += rated[best].M[ROW_PD][col];
                sums[best][1][col] += rated[best].M[ROW_ND][col];
            }
        }
    for (std::size_t k = 0; k < 5; ++k) {
        if (!blocks[k])
            continue;
        RatingRecord& after = blocks[k]->after;
        after = RatingRecord{};
        if (counted[k] > 0)
            for (std::size_t col = 0; col < 6; ++col) {
                after.M[ROW_PD][col] = static_cast<int>(sums[k][0][col] / counted[k]);
                after.M[ROW_ND][col] = static_cast<int>(sums[k][1][col] / counted[k]);
            }
        finishBlock(*blocks[k]);
    }
}

void VORLOGIK::evaluateHand(GameBlock& block, CardSet hand, GameType type) const
{
    if (type < GAME_CLUBS || type > GAME_GRAND)
        return;
    if (cardCount(hand) == 12) {
        block.before = block.after = rateCards(hand, 0, type);
        finishBlock(block);
        return;
    }
    std::array<GameBlock*, 5> blocks{};
    blocks[static_cast<std::size_t>(type - 1)] = &block;
    evaluateTenCards(hand, blocks);
}

VORLOGIK::NullSuit VORLOGIK::analyseNullSuit(CardSet hand, Suit suit)
{
    NullSuit result;
    int b = 0;
    bool started = false;
    for (int position = 1; position <= 8; ++position) {
        const bool held = (hand & cardMask(suit, NULL_ORDER[position - 1])) != 0;
        if (held) {
            if (b < 0) {
                if (!started) {
                    started = true;
                    result.c2 = -b;
                    b = 1;
                    result.c1 = 1;
                    continue;
                }
                result.c2 -= b;
                b = 1;
                ++result.c1;
            } else {
                ++b;
                if (started)
                    ++result.c1;
            }
        } else {
            if (result.a == 0 && b == 0 && !started)
                result.a = position;
            --b;
        }
    }
    if (!started)
        result.a = 0;
    return result;
}

int VORLOGIK::combineNullValues(int vc, int vs, int vh, int vd)
{
    bool f = false;
    int r = 0;
    if (vc != 0 && vc != 1) {
        r = std::min(vc, vs);
    } else if (vc == 1) {
        if (vs <= 1) {
            f = true;
            r = std::min(0, vs);
        } else {
            r = 1;
        }
    } else if (vs == 0) {
        r = -1;
    } else if (vs < 2) {
        f = true;
        r = std::min(0, vs);
    } else {
        r = 0;
    }

    if (r == 1 && vh <= 1) {
        r = 0;
        f = true;
    } else if (r == 0) {
        if (vh == 0 || (vh == 1 && f))
            r = -1;
        else if (vh < 2)
            f = true;
    }
    r = std::min(r, vh);

    if (r != 0 && r != 1)
        r = std::min(r, vd);
    else if (r == 1)
        r = vd >= 2 ? 1 : std::min(vd, 0);
    else if (vd == 0 || (vd == 1 && f))
        r = -1;
    else if (vd >= 1)
        r = 0;
    else
        r = vd;
    return r;
}

int VORLOGIK::nullRating(CardSet hand) const
{
    const VL_TABELLEN& t = tables();
    std::array<int, 5> v{};
    for (Suit s = SUIT_CLUBS; s <= SUIT_DIAMONDS; ++s) {
        const NullSuit n = analyseNullSuit(hand, s);
        v[static_cast<std::size_t>(s)] = n.a == 0 ? 4 : t.nullValue(n.a, n.c1, n.c2);
    }
    v[SUIT_CLUBS] = std::min(v[SUIT_CLUBS], 4);
    return combineNullValues(v[1], v[2], v[3], v[4]);
}

void VORLOGIK::bidValue(GameBlock& block, GameType type, int jackCount, int extraLevels, bool afterSkat) const
{
    const int r2 = block.after.rating;
    const int r1 = block.before.rating;
    const bool with = jackCount > 0;
    const int m = std::abs(jackCount);
    const int e = extraLevels;
    const bool grand = type == GAME_GRAND;

    int t0 = 64, t1 = 70, t2 = 80, t3 = 80;
    if (afterSkat && !grand) {
        t0 = 0;
        t1 = 0;
        t2 = 30;
        t3 = 50;
    }
    block.bidClass = 0;
    block.bidValue = 0;
    if (r2 < t0)
        return;
    int cls = 0;
    if (r2 < t1)
        cls = r1 >= 35 || with ? 1 : 0;
    else if (r2 < t2)
        cls = r1 < 30 ? 0 : (r1 < 50 && !with) ? 2 : 3;
    else if (r2 < t3)
        cls = with || r1 >= 60 ? 4 : 3;
    else if (with)
        cls = 5;
    else
        cls = r1 < 60 ? 2 : r1 < 65 ? 3 : r1 < 70 ? 4 : 5;

    int n = 0;
    switch (cls) {
    case 2: n = 2; break;
    case 3: n = with ? std::min(m + e, 3) : 2; break;
    case 4: n = with ? std::min(m + e, 4) : std::min(m + e, 3); break;
    case 5: n = m + e; break;
    default: break;
    }
    int value = 0;
    if (cls == 1)
        value = 18;
    else if (cls >= 2 && n >= 2)
        value = grand ? std::min(24 * n, 264) : std::min((13 - type) * n, 216);
    if (cls == 2 && seat != 0) {
        int below = 0;
        for (int v : BID_TABLE)
            if (v > 0 && v < value)
                below = v;
        value = value <= 18 ? 0 : below;
    }
    block.bidClass = cls;
    block.bidValue = value;
}

int VORLOGIK::canPlayOpen(int kind, Seat seat, CardSet hand, int trumps) const
{
    const int j = jackIndex(hand);
    const bool grand = kind == 2;
    if (j < 11 || (!grand && trumps < 7) || (grand && j == 12 && seat != 1))
        return -1;
    Seat place = seat;
    if (grand && j == 15)
        place = SEAT_1;
    const int table = (grand ? 3 : 0) + (place == 1 ? 0 : place == 2 ? 1 : 2);
    const VL_TABELLEN& t = tables();
    int sum = 0;
    for (Suit s = SUIT_CLUBS; s <= SUIT_DIAMONDS; ++s) {
        const int p = suitPatternOf(hand, s);
        if (p >= 48)
            sum += t.openValue(table, p - 48);
        else if (p == 0 || p == 32)
            continue;
        else if (grand && p == 47 && place != 1)
            sum += 1;
        else
            sum = -50;
    }
    return sum;
}

void VORLOGIK::bidProposal(CardSet hand, Seat ownSeat)
{
    seat = ownSeat;
    proposal.reset();
    proposal.jackCount = jackCountOf(hand);
    if (cardCount(hand) == 12)
        chooseDiscardsAllTypes(hand);

    // Step 3: null.
    GameBlock& null = proposal.block(GAME_NULL);
    struct NullChoice {
        int value, level, rating;
    };
    constexpr NullChoice NULL_BY_LEVEL[5] = {{23, 0, 50}, {23, 0, 70}, {35, 2, 90}, {46, 1, 105}, {59, 5, 120}};
    const int nullLevel = nullRating(hand);
    if (nullLevel >= std::max(nullBidLevel, 0) && nullLevel <= 4) {
        const NullChoice& c = NULL_BY_LEVEL[nullLevel];
        null.bidValue = c.value;
        null.level = c.level;
        null.before.rating = null.after.rating = c.rating;
    }

    // Step 4: the suit games and grand.
    std::array<GameBlock*, 5> blocks{};
    for (GameType t = GAME_CLUBS; t <= GAME_GRAND; ++t) {
        blocks[static_cast<std::size_t>(t - 1)] = &proposal.block(t);
        proposal.block(t) = GameBlock{};
    }
    if (cardCount(hand) == 12) {
        for (GameType t = GAME_CLUBS; t <= GAME_GRAND; ++t)
            evaluateHand(proposal.block(t), hand, t);
    } else {
        evaluateTenCards(hand, blocks);
    }
    // A ten-card grand that passes the open test is played open whatever
    // its rating: the ratings of such rare hands stay below the hand-game
    // threshold, and the grand ouvert would never be proposed.
    const bool openGrand = cardCount(hand) == CARDS_IN_HAND && canPlayOpen(2, seat, hand, 0) == 0;
    for (GameType t = GAME_CLUBS; t <= GAME_GRAND; ++t) {
        GameBlock& b = proposal.block(t);
        b.level = 0;
        int extra = 1;
        if (t == GAME_GRAND && openGrand) {
            // Hand, schneider and schwarz announced, open: seven levels.
            b.level = 5;
            b.bidClass = 5;
            b.bidValue = std::min(24 * (std::abs(proposal.jackCount) + 7), 264);
            continue;
        }
        if (b.before.rating >= 80 && b.after.rating >= 80) {
            b.level = 2;
            extra = 2;
            const int open = t == GAME_GRAND ? canPlayOpen(2, seat, hand, 0)
                                             : canPlayOpen(1, seat, hand, EINBLATT(hand).trumpCount(t));
            if (open == 0) {
                b.level = 5;
                extra = 7;
            } else if (open == 1 || open == 2) {
                b.level = 4;
                extra = 6;
            }
        }
        bidValue(b, t, proposal.jackCount, extra, false);
    }

    // Step 5: null first when it has a value.
    int limit = 0;
    int rating = -50;
    GameType taken = GAME_NONE;
    if (null.bidValue > 0) {
        null.bidClass = 5;
        limit = null.bidValue;
        rating = null.after.rating;
        proposal.limit = limit;
        proposal.type = GAME_NULL;
        proposal.level = null.level;
        proposal.rating = null.after.rating;
        proposal.rating1 = null.before.rating;
    }
    const int nullLimit = limit;
    // Step 6: diamonds, hearts, spades, clubs, then grand.
    const GameBlock& grand = proposal.block(GAME_GRAND);
    for (GameType t : {GAME_DIAMONDS, GAME_HEARTS, GAME_SPADES, GAME_CLUBS, GAME_GRAND}) {
        const GameBlock& b = proposal.block(t);
        const int needBefore = t == GAME_GRAND ? 40 : 30;
        const bool better =
            b.bidValue > limit
            && ((b.after.rating >= 80 && grand.before.rating >= needBefore) || (t == GAME_GRAND && openGrand));
        const bool first = limit == 0 && b.after.rating >= rating;
        if (better || first) {
            taken = t;
            limit = b.bidValue;
            rating = b.after.rating;
        }
    }
    // Step 7.
    if (taken != GAME_NONE && limit >= nullLimit) {
        const GameBlock& b = proposal.block(taken);
        proposal.limit = b.bidValue;
        proposal.type = taken;
        proposal.level = b.level;
        proposal.rating = b.after.rating;
        proposal.rating1 = b.before.rating;
    }
    proposal.typeAgain = proposal.type;
}

void VORLOGIK::chooseDiscardsAllTypes(CardSet hand)
{
    for (GameType t = GAME_CLUBS; t <= GAME_NULL; ++t)
        discards[static_cast<std::size_t>(t)] = chooseDiscardPair(hand, t);
}

DiscardPair VORLOGIK::chooseDiscardPair(CardSet hand, GameType type) const
{
    std::array<CardId, 3> candidates{};
    const int n = proposeDiscardCards(hand, type, candidates);
    DiscardPair pair;
    if (n >= 2) {
        pair.first = candidates[0];
        pair.second = candidates[1];
        return pair;
    }
    if (n == 0)
        return pair;
    pair.first = candidates[0];
    std::array<CardId, 3> rest{};
    if (proposeDiscardCards(hand & ~cardMaskOfId(pair.first), type, rest) > 0)
        pair.second = rest[0];
    return pair;
}

int VORLOGIK::proposeDiscardCards(CardSet hand, GameType type, std::array<CardId, 3>& candidates) const
{
    candidates.fill(NO_CARD);
    if (hand == 0)
        return 0;

    // Null: the highest card, in null order, of the most dangerous suit.
    if (type == GAME_NULL) {
        Suit worst = SUIT_NONE;
        int worstGap = 0;
        for (Suit s = SUIT_CLUBS; s <= SUIT_DIAMONDS; ++s) {
            const int c2 = analyseNullSuit(hand, s).c2;
            if (c2 > worstGap) {
                worstGap = c2;
                worst = s;
            }
        }
        const CardSet from = worst != SUIT_NONE && (hand & suitMask(worst)) ? hand & suitMask(worst) : hand;
        CardBit best = -1;
        int bestValue = -1;
        for (CardSet rest = from; rest; rest &= rest - 1) {
            const CardBit bit = lowestBit(rest);
            const int value = rankOfBit(bit) == RANK_TEN ? 35 : rankOfBit(bit) * 10;
            if (value >= bestValue) {
                bestValue = value;
                best = bit;
            }
        }
        candidates[0] = cardIdOfBit(best);
        return 1;
    }

    // Suit games and grand: the discard proposals of the side suits.
    const VL_TABELLEN& t = tables();
    int best = 0, second = 0, bestPair = 0;
    CardSet pairCards = 0;
    std::array<const VL_TABELLEN::DRUECKEN_TUPEL*, 5> proposals{};
    for (Suit s = SUIT_CLUBS; s <= SUIT_DIAMONDS; ++s) {
        if (isTrumpSuit(s, type))
            continue;
        const int p = suitPatternOf(hand, s);
        if (p < 1)
            continue;
        const auto& P = t.discardProposal(p);
        proposals[static_cast<std::size_t>(s)] = &P;
        if (P.Wert >= best) {
            second = best;
            best = P.Wert;
        } else if (P.Wert > second) {
            second = P.Wert;
        }
        if (P.Wert2 > bestPair) {
            bestPair = P.Wert2;
            pairCards = cardMask(s, P.Karte) | cardMask(s, P.Karte2);
        }
    }
    const int d = cardCount(hand) == 11 ? -1 : bestPair;
    CardSet proposed = 0;
    if (best + second == 0 || best + second > d) {
        int top = -6;
        for (const auto* P : proposals)
            if (P && P->Wert > top)
                top = P->Wert;
        for (Suit s = SUIT_CLUBS; s <= SUIT_DIAMONDS; ++s) {
            const auto* P = proposals[static_cast<std::size_t>(s)];
            if (P && P->Wert == top)
                proposed |= cardMask(s, P->Karte);
        }
    } else {
        proposed = pairCards;
    }

    int n = 0;
    for (CardSet rest = proposed; rest && n < 3; rest &= rest - 1) {
        const CardBit bit = lowestBit(rest);
        CardSet card = bitMask(bit);
        if (rankOfBit(bit) <= RANK_NINE) {
            // A low card stands for the lowest low card of the suit held.
            const Suit s = suitOfBit(bit);
            card = 0;
            for (Rank r = RANK_SEVEN; r <= RANK_NINE && card == 0; ++r) {
                const CardSet c = cardMask(s, r);
                if ((hand & c) && cardMaskOfId(candidates[0]) != c)
                    card = c;
            }
        }
        // A proposal naming a card the hand lacks (a damaged table) is dropped.
        if ((hand & card) == 0)
            continue;
        candidates[static_cast<std::size_t>(n++)] = cardIdOfBit(lowestBit(card));
    }
    if (n > 0)
        return n;
    // Nothing proposed: the two lowest cards of the hand.
    for (CardSet rest = hand; rest && n < 2; rest &= rest - 1)
        candidates[static_cast<std::size_t>(n++)] = cardIdOfBit(lowestBit(rest));
    return n;
}

int VORLOGIK::nullRatingAfterDiscard(CardSet hand) const
{
    return nullRating(hand & ~discardCards(discards[GAME_NULL]));
}

void VORLOGIK::chooseDiscard(CardSet hand, int bidReached)
{
    const int r0 = bidReached;
    // Step 1.
    proposal.reset();
    proposal.jackCount = jackCountOf(hand);
    chooseDiscardsAllTypes(hand);
    // Step 2: null.
    GameBlock& null = proposal.block(GAME_NULL);
    const int level = nullRatingAfterDiscard(hand);
    if (level >= 3 && r0 < 47) {
        null.bidValue = 46;
        null.level = 1;
        null.before.rating = null.after.rating = 105;
    } else if (level >= 0 && r0 < 24) {
        null.bidValue = 23;
        null.level = 0;
        null.before.rating = null.after.rating = level == 0 ? 50 : 70;
    }
    // Step 3: the other types on the twelve cards.
    for (GameType t = GAME_CLUBS; t <= GAME_GRAND; ++t) {
        GameBlock& b = proposal.block(t);
        evaluateHand(b, hand, t);
        b.level = 0;
        bidValue(b, t, proposal.jackCount, 1, true);
    }
    // Step 4.
    bool proposed = false;
    int current = 0;
    if (null.bidValue > 0 && r0 <= null.bidValue) {
        proposal.type = GAME_NULL;
        proposal.limit = null.bidValue;
        proposal.level = null.level;
        proposal.rating = null.after.rating;
        proposal.rating1 = null.before.rating;
        current = null.after.rating;
        proposed = true;
    }
    // Step 5.
    GameType chosen = GAME_NONE;
    for (GameType t = GAME_CLUBS; t <= GAME_GRAND; ++t) {
        const GameBlock& b = proposal.block(t);
        const bool candidate = b.after.rating > current || (t == GAME_GRAND && b.after.rating >= 71);
        if (candidate && b.bidValue >= r0) {
            chosen = t;
            current = b.after.rating;
        }
    }
    if (chosen != GAME_NONE) {
        const GameBlock& b = proposal.block(chosen);
        proposal.type = chosen;
        proposal.limit = b.bidValue;
        proposal.level = b.level;
        proposal.rating = b.after.rating;
        proposal.rating1 = b.before.rating;
        proposed = true;
    }
    // Steps 6 and 7: when no game reaches the bid, the best-rated one anyway.
    if (!proposed) {
        GameType best = GAME_NONE;
        int bestRating = 0;
        for (GameType t = GAME_CLUBS; t <= GAME_DIAMONDS; ++t)
            if (proposal.block(t).after.rating >= bestRating) {
                bestRating = proposal.block(t).after.rating;
                best = t;
            }
        if (best == GAME_NONE || proposal.block(GAME_GRAND).after.rating >= bestRating)
            best = GAME_GRAND;
        const int m = std::abs(proposal.jackCount) + 1;
        const int grandValue = std::min(m * 24, 264);
        int value = best == GAME_GRAND ? grandValue : std::min(m * (13 - best), 216);
        if (r0 > value) {
            best = GAME_GRAND;
            value = grandValue;
        }
        const GameBlock& b = proposal.block(best);
        proposal.type = best;
        proposal.limit = value;
        proposal.level = 0;
        proposal.rating = b.after.rating;
        proposal.rating1 = b.before.rating;
    }
    proposal.typeAgain = proposal.type;
}

std::wstring VORLOGIK::suitPatternText(CardSet hand, Suit suit) const
{
    const int p = suitPatternOf(hand, suit);
    if (p < 1)
        return {};
    return discardAdviceText(tables().discardProposal(p).Wizzard);
}
