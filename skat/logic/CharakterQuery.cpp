#include "skat/logic/CharakterQuery.h"

#include "skat/logic/CharakterCreator.h"
#include "skat/logic/HandPatterns.h"

#include <algorithm>

CHARAKTER_QUERY_API::CHARAKTER_QUERY_API(const CHARAKTER_CREATOR* store) : store_(store) { }

const CHARAKTER_CREATOR& CHARAKTER_QUERY_API::store() const { return store_ ? *store_ : profileStore(); }

bool CHARAKTER_QUERY_API::loaded() const { return store().loaded(); }

void CHARAKTER_QUERY_API::declarerCardChances(double out[9], Suit suit, const PrognosisSituation& game,
                                              const CardPercent& cardPercent) const
{
    std::fill(out, out + 9, 0.0);
    const Seat x = game.declarer;
    const Seat me = game.self;
    if (!loaded() || !isValidSeat(x) || !isValidSeat(me) || !isValidSuit(suit))
        return;
    const CHARAKTER& profile = store().profileOfSeat(x);
    const Seat y = x == seatAfter(me, 1) ? seatAfter(me, 2) : seatAfter(me, 1);
    const auto r = static_cast<std::size_t>(suitPatternOf(game.ownHand(), suit));
    double total = 0;
    for (int c = 0; c < 64; ++c) {
        const double n = profile.asymmetry.pairCount[r][static_cast<std::size_t>(c)];
        if (c == 0) {
            out[0] = n;
            total += n;
            continue;
        }
        bool added = false;
        for (Rank q = RANK_QUEEN; q <= RANK_ACE; ++q) {
            if (!suitPatternHoldsRank(c, q))
                continue;
            const CardId card = makeCardId(suit, q);
            if (cardPercent && cardPercent(card, y) != 100 && cardPercent(card, x) != 0) {
                out[q] += n;
                added = true;
            }
        }
        if (added)
            total += n;
    }
    for (int k = RANK_SEVEN; k <= RANK_NINE; ++k)
        out[k] /= 3.0;
    if (total == 0) {
        std::fill(out, out + 9, 0.0);
        return;
    }
    for (int k = 0; k <= 8; ++k)
        out[k] /= total;
}

namespace {

// Prior weight of a forehand holding by its number of cards, per lead table
// (al, ak, cl, ck).
constexpr double PRIOR[8][4] = {
    {1, 1, 0.24, 0.17},       {2.52, 0.11, 0.7, 1.9},  {4.48, 1.51, 2.96, 4.56}, {2.36, 4.66, 3.87, 2.87},
    {0.51, 3.01, 1.83, 0.44}, {0.11, 0.6, 0.33, 0.02}, {1, 0.07, 0.04, 1},       {1, 1, 1, 1},
};

} // namespace

void CHARAKTER_QUERY_API::forehandCardChances(double out[9], CardId ledCard, Suit suit,
                                              const PrognosisSituation& game) const
{
    std::fill(out, out + 9, 0.0);
    const Seat f = game.firstLeader;
    if (!loaded() || !isValidSeat(f) || !isRealCard(ledCard) || !isValidSuit(suit))
        return;
    const CHARAKTER& profile = store().profileOfSeat(f);
    const auto lead = static_cast<std::size_t>(rankOfCardId(ledCard));
    const bool rearhand = game.declarer == seatAfter(f, 2);
    const CardSet mine = game.ownHand() & suitMaskWithoutJack(suit);
    const int m = cardCount(mine & (SEVENS | EIGHTS | NINES));
    const LeadTable* tables[4] = {&profile.al, &profile.ak, &profile.cl, &profile.ck};
    double entries[4][9] = {};
    double totals[4] = {};
    for (int p = 0; p < 64; ++p) {
        const int n = std::min(suitPatternCardCount(p), 7);
        const int k = p & 3;
        for (int t = 0; t < 4; ++t) {
            const double w = PRIOR[n][t] * (*tables[t])[lead][static_cast<std::size_t>(p)];
            if (p == 0) {
                totals[t] += w;
                continue;
            }
            bool added = false;
            bool high = false;
            if (k >= 1 && k <= 3 - m) {
                for (int r = RANK_SEVEN; r <= RANK_NINE; ++r)
                    entries[t][r] += w * k / 3.0;
                added = true;
            }
            for (Rank q = RANK_QUEEN; q <= RANK_ACE; ++q)
                if (suitPatternHoldsRank(p, q) && !(mine & cardMask(suit, q))) {
                    entries[t][q] += w;
                    added = high = true;
                }
            if (added)
                totals[t] += w * (high ? 1.0 : k == 1 ? 1.0 / 3.0 : 2.0 / 3.0);
        }
    }
    const bool ledSuit = suit == suitOfCardId(ledCard);
    const int chosen = rearhand ? (ledSuit ? 0 : 2) : (ledSuit ? 1 : 3);
    for (int r = RANK_SEVEN; r <= RANK_ACE; ++r) {
        if (r == RANK_JACK)
            continue;
        out[r] = totals[chosen] > 0.001 ? entries[chosen][r] / totals[chosen] : 0.0;
    }
}

int CHARAKTER_QUERY_API::thirdSuitVoidPercent(Seat declarer) const
{
    if (!loaded() || !isValidSeat(declarer))
        return 0;
    return store().profileOfSeat(declarer).trumps.thirdSuitVoidPercent;
}
