#include "skat/logic/VerteilungsHeuristik.h"

#include "skat/engine/Einblatt.h"
#include "skat/logic/CharakterQuery.h"
#include "skat/logic/Vorlogik.h"
#include "vordix/Random.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int SKAT_PLACE = 3;
// void() of a whole trump suit in grand: the jacks only.
constexpr int VOID_IN_TRUMPS = 0;

// Whether a card played on lead follows it: same printed suit and, where
// the lead is a plain card, not a trump itself.
bool follows(const PrognosisSituation& g, CardId lead, CardId card)
{
    if (g.type == GAME_NULL)
        return suitOfCardId(lead) == suitOfCardId(card);
    const bool leadTrump = g.isTrump(lead);
    const bool cardTrump = g.isTrump(card);
    if (leadTrump || cardTrump)
        return leadTrump && cardTrump;
    return suitOfCardId(lead) == suitOfCardId(card);
}

CardId trickCard(TrickCode code, int place) { return cardIdOfBit(trickCardBit(code, place)); }

double clamp(double v, double lo, double hi) { return std::min(std::max(v, lo), hi); }

} // namespace

// --- played cards ---------------------------------------------------------

void HEURISTIK_FGN_JEDER_GESPIELTE_KARTEN::markVoid(const PrognosisSituation& g, VERTEILUNGS_SCHAETZUNG& store,
                                                    Seat seat, int what)
{
    const GameType t = g.type;
    const bool trumpVoid = what == VOID_IN_TRUMPS;
    if (trumpVoid && t < GAME_NULL)
        for (Suit s = SUIT_CLUBS; s <= SUIT_DIAMONDS; ++s)
            if (isUnseen(makeCardId(s, RANK_JACK)))
                store.setCertain(makeCardId(s, RANK_JACK), seat, false);
    const Suit suit = trumpVoid ? trumpSuit(t) : static_cast<Suit>(what);
    if (!isValidSuit(suit))
        return;
    for (Rank r = RANK_SEVEN; r <= RANK_ACE; ++r) {
        if (r == RANK_JACK && t != GAME_NULL)
            continue;
        const CardId card = makeCardId(suit, r);
        if (isUnseen(card))
            store.setCertain(card, seat, false);
    }
}

void HEURISTIK_FGN_JEDER_GESPIELTE_KARTEN::apply(const PrognosisSituation& g, VERTEILUNGS_SCHAETZUNG& store)
{
    if (!isValidSeat(g.self))
        return;
    const GameType t = g.type;
    CardSet own = g.ownHand();
    while (own)
        store.setCertain(cardIdOfBit(popLowest(own)), g.self, true);
    if (t != GAME_RAMSCH && g.self == g.declarer && g.skatTaken()) {
        CardSet skat = g.laidAway;
        while (skat)
            store.setCertain(cardIdOfBit(popLowest(skat)), SKAT_PLACE, true);
    }
    if (g.declarerOpen() && isValidSeat(g.declarer)) {
        CardSet shown = g.hands[static_cast<std::size_t>(g.declarer)];
        while (shown)
            store.setCertain(cardIdOfBit(popLowest(shown)), g.declarer, true);
    }
    for (int n = 0; n < g.completedTricks; ++n) {
        const PlayedTrick& trick = g.tricks[static_cast<std::size_t>(n)];
        if (!isValidSeat(trick.leaderSeat()))
            continue;
        for (int place = 2; place >= 0; --place) {
            const CardId card = trickCard(trick.code, place);
            store.setCertain(card, seatAfter(trick.leaderSeat(), place), true);
            flags_[static_cast<std::size_t>(cardRow(card))] = 0;
        }
        if (t == GAME_RAMSCH)
            continue;
        const CardId lead = trickCard(trick.code, 0);
        for (int place = 1; place <= 2; ++place) {
            const CardId card = trickCard(trick.code, place);
            if (follows(g, lead, card))
                continue;
            const Seat seat = seatAfter(trick.leaderSeat(), place);
            if (t < GAME_NULL && g.isTrump(lead))
                markVoid(g, store, seat, VOID_IN_TRUMPS);
            else
                markVoid(g, store, seat, suitOfCardId(lead));
        }
    }
    if (g.trickCount >= 1 && g.trickCount <= 2 && isValidSeat(g.trickLeader)) {
        const Seat leader = g.trickLeader;
        for (int place = g.trickCount - 1; place >= 0; --place) {
            const CardId card = trickCard(g.trick, place);
            store.setCertain(card, seatAfter(leader, place), true);
            flags_[static_cast<std::size_t>(cardRow(card))] = 0;
        }
        if (g.trickCount == 2 && g.self == seatAfter(leader, 2)) {
            const CardId c1 = trickCard(g.trick, 0);
            const CardId c2 = trickCard(g.trick, 1);
            const Seat second = seatAfter(leader, 1);
            if (t == GAME_RAMSCH) {
                // The jacks are the trumps here as in grand.
                const bool j1 = rankOfCardId(c1) == RANK_JACK;
                const bool j2 = rankOfCardId(c2) == RANK_JACK;
                if (j1 && !j2) {
                    for (Suit s = SUIT_CLUBS; s <= SUIT_DIAMONDS; ++s)
                        if (isUnseen(makeCardId(s, RANK_JACK)))
                            store.setCertain(makeCardId(s, RANK_JACK), second, false);
                } else if (!j1 && (j2 || suitOfCardId(c1) != suitOfCardId(c2))) {
                    markVoid(g, store, second, suitOfCardId(c1));
                }
            } else if (!follows(g, c1, c2)) {
                if (t < GAME_NULL && g.isTrump(c1))
                    markVoid(g, store, second, VOID_IN_TRUMPS);
                else
                    markVoid(g, store, second, suitOfCardId(c1));
            }
        }
    }
}

// --- points in trick --------------------------------------------------------

void HEURISTIK_FG_JEDER_PUNKTE_IN_STICH::apply(const PrognosisSituation& g, VERTEILUNGS_SCHAETZUNG& store)
{
    const GameType t = g.type;
    if (t < GAME_CLUBS || t > GAME_GRAND_OUVERT || !isValidSeat(g.declarer))
        return;
    const Seat d = g.declarer;
    for (int pass = 1; pass <= 2; ++pass)
        for (int n = 0; n < g.completedTricks; ++n) {
            const PlayedTrick& trick = g.tricks[static_cast<std::size_t>(n)];
            if (!isValidSeat(trick.leaderSeat()))
                continue;
            const Seat x = seatAfter(trick.leaderSeat(), 2);
            const Seat w = g.trickWinner(n);
            const CardId lead = trickCard(trick.code, 0);
            const CardId last = trickCard(trick.code, 2);
            const Suit s = suitOfCardId(lead);
            if (x == g.self || rankOfCardId(lead) == RANK_JACK || isTrumpSuit(s, t) || suitOfCardId(last) != s
                || rankOfCardId(last) == RANK_JACK)
                continue;
            const Rank played = rankOfCardId(last);
            if (pass == 1) {
                if (!((x == d && w != d) || (x != d && w == d)))
                    continue;
                for (Rank r : {RANK_QUEEN, RANK_KING, RANK_TEN})
                    if (isUnseen(makeCardId(s, r)) && played > r)
                        store.addCheckedSuggestion(makeCardId(s, r), x, 0.1, weight);
            } else {
                if (!(w == d || d == seatAfter(trick.leaderSeat(), 1)))
                    continue;
                for (Rank r : {RANK_TEN, RANK_KING, RANK_QUEEN})
                    if (isUnseen(makeCardId(s, r)) && played < r)
                        store.addCheckedSuggestion(makeCardId(s, r), x, 0.1, weight);
            }
        }
}

// --- trump distribution -----------------------------------------------------

void HEURISTIK_FGN_GG_TRUMPFVERTEILUNG::apply(const PrognosisSituation& g, VERTEILUNGS_SCHAETZUNG& store)
{
    const GameType t = g.type;
    if (t < GAME_CLUBS || t >= GAME_RAMSCH || g.self == g.declarer || !isValidSeat(g.declarer))
        return;
    const Seat d = g.declarer;
    const double vSkat = g.skatTaken() ? 0.01 : 0.05;
    if (t < GAME_NULL) {
        for (Suit s = SUIT_CLUBS; s <= SUIT_DIAMONDS; ++s)
            if (isUnseen(makeCardId(s, RANK_JACK)))
                store.addCheckedSkatSuggestion(makeCardId(s, RANK_JACK), vSkat, 10.0 * weight);
        if (isSuitGame(t))
            for (Rank r = RANK_SEVEN; r <= RANK_ACE; ++r)
                if (r != RANK_JACK && isUnseen(makeCardId(trumpSuit(t), r)))
                    store.addCheckedSkatSuggestion(makeCardId(trumpSuit(t), r), vSkat, 10.0 * weight);
    } else {
        for (Suit s = SUIT_CLUBS; s <= SUIT_DIAMONDS; ++s)
            for (Rank r : {RANK_SEVEN, RANK_EIGHT})
                if (isUnseen(makeCardId(s, r)))
                    store.addCheckedSkatSuggestion(makeCardId(s, r), vSkat, weight);
    }
    if (!isSuitGame(t))
        return;
    const int trumps = cardCount(g.ownHand() & trumpMask(t));
    static constexpr double BY_TRUMPS[8] = {0.6, 0.65, 0.7, 0.75, 0.8, 0.85, 0.9, 0.95};
    const double v = BY_TRUMPS[std::min(trumps, 7)];
    for (Rank r = RANK_SEVEN; r <= RANK_ACE; ++r)
        if (isUnseen(makeCardId(trumpSuit(t), r)))
            store.addCheckedSuggestion(makeCardId(trumpSuit(t), r), d, v, 2.0 * weight);
    for (Suit s = SUIT_CLUBS; s <= SUIT_DIAMONDS; ++s)
        if (isUnseen(makeCardId(s, RANK_JACK)))
            store.addCheckedSuggestion(makeCardId(s, RANK_JACK), d, v, 2.0 * weight);
    if (!services_.profiles)
        return;
    const auto percentOf = [&store](CardId card, int place) {
        const double e = store.estimate[cardRow(card)][place];
        return e == 1.0 ? 100 : e == 0.0 ? 0 : -1;
    };
    for (Suit s = SUIT_CLUBS; s <= SUIT_DIAMONDS; ++s) {
        if (isTrumpSuit(s, t))
            continue;
        double x[9];
        services_.profiles->declarerCardChances(x, s, g, percentOf);
        for (Rank r = RANK_SEVEN; r <= RANK_ACE; ++r)
            if (r != RANK_JACK && isUnseen(makeCardId(s, r)) && x[r] > 0)
                store.addCheckedSuggestion(makeCardId(s, r), d, clamp(x[r], 0.05, 0.95),
                                           weight * (10.0 - g.completedTricks) / 10.0);
    }
}

// --- biddable distribution ------------------------------------------------

void HEURISTIK_FG_GG_REIZBARE_VERTEILUNG::apply(const PrognosisSituation& g, VERTEILUNGS_SCHAETZUNG& store)
{
    const GameType t = g.type;
    if (t < GAME_CLUBS || t >= GAME_NULL || g.self == g.declarer || !isValidSeat(g.declarer) || !services_.vorlogik)
        return;
    const Seat d = g.declarer;
    // The cards whose place is certain go there; the rest is the pool.
    CardSet atDeclarer = 0, inSkat = 0, pool = 0;
    for (int row = 0; row < CARD_ROWS; ++row) {
        const CardSet bit = cardMaskOfId(cardOfRow(row));
        if (store.estimate[row][d] == 1.0)
            atDeclarer |= bit;
        else if (store.estimate[row][SKAT_PLACE] == 1.0)
            inSkat |= bit;
        else if (store.estimate[row][0] != 1.0 && store.estimate[row][1] != 1.0 && store.estimate[row][2] != 1.0)
            pool |= bit;
    }
    const int poolSize = cardCount(pool);
    if (poolSize <= 4)
        return;
    std::vector<CardId> poolCards;
    for (CardSet rest = pool; rest;)
        poolCards.push_back(cardIdOfBit(popLowest(rest)));
    std::array<int, CARD_ROWS> score{};
    VORDIX_RANDOM random;
    random.seed = 1;
    const GameType rated = t == GAME_GRAND_OUVERT ? GAME_GRAND : t;
    for (int round = 0; round < 200; ++round) {
        CardSet hand = atDeclarer | inSkat;
        std::vector<CardId> copy = poolCards;
        while (cardCount(hand) < 12) {
            if (copy.empty())
                return;
            const auto at = static_cast<std::size_t>(random.next(static_cast<std::int32_t>(copy.size())));
            hand |= cardMaskOfId(copy[at]);
            copy.erase(copy.begin() + static_cast<std::ptrdiff_t>(at));
        }
        const DiscardPair pair = services_.vorlogik->chooseDiscardPair(hand, rated);
        const CardSet away = discardCards(pair);
        const int v = services_.vorlogik->rateCards(hand & ~away, away, rated).rating;
        const int points = v < 55 ? 0 : v < 65 ? 1 : v < 85 ? 2 : v < 95 ? 1 : 0;
        if (points == 0)
            continue;
        for (CardSet kept = hand & ~away & pool; kept;)
            score[static_cast<std::size_t>(cardRow(cardIdOfBit(popLowest(kept))))] += points;
    }
    float sum = 0;
    int lowest = score[static_cast<std::size_t>(cardRow(poolCards.front()))];
    int highest = lowest;
    for (CardId c : poolCards) {
        const int s = score[static_cast<std::size_t>(cardRow(c))];
        sum += static_cast<float>(s);
        lowest = std::min(lowest, s);
        highest = std::max(highest, s);
    }
    const float mean = sum / static_cast<float>(poolCards.size());
    const double spread = std::max(mean - lowest, highest - mean);
    if (mean == 0.0f || spread == 0.0)
        return;
    const double f = 0.49 / spread;
    for (CardId c : poolCards)
        store.addCheckedSuggestion(c, d, (score[static_cast<std::size_t>(cardRow(c))] - mean) * f + 0.5,
                                   (g.completedTricks + 2.0) * weight);
}

// --- opening lead ---------------------------------------------------------

void HEURISTIK_F_GG_ANSPIELKARTE::apply(const PrognosisSituation& g, VERTEILUNGS_SCHAETZUNG& store)
{
    const GameType t = g.type;
    const Seat f = g.firstLeader;
    if (!isSuitGame(t) || !isValidSeat(f) || f == g.self || g.self == g.declarer || !services_.profiles)
        return;
    int n = 0;
    for (int c : store.placeCounts)
        n += c;
    if (n == 0)
        return;
    CardId lead = NO_CARD;
    if (g.completedTricks > 0)
        lead = trickCard(g.tricks[0].code, 0);
    else if (g.trickCount > 0)
        lead = trickCard(g.trick, 0);
    if (!isRealCard(lead) || isTrumpSuit(suitOfCardId(lead), t) || rankOfCardId(lead) == RANK_JACK)
        return;
    const Suit s = suitOfCardId(lead);
    double x[9];
    services_.profiles->forehandCardChances(x, lead, s, g);
    const double share = static_cast<double>(store.placeCounts[static_cast<std::size_t>(f)]) / n;
    for (Rank r = RANK_SEVEN; r <= RANK_ACE; ++r) {
        const CardId card = makeCardId(s, r);
        if (r == RANK_JACK || !isUnseen(card) || x[r] <= 0)
            continue;
        const double value = clamp(share * x[r] / 0.45, 0.05, 0.95);
        const double w = weight * (std::fabs(x[r] - 0.45) + 0.45) * (10.0 - g.completedTricks) / 10.0;
        store.addCheckedSuggestion(card, f, value, w);
    }
}

// --- third suit void --------------------------------------------------------

void HEURISTIK_F_GG_ALSP_DRITTE_FARBE_FREI::apply(const PrognosisSituation& g, VERTEILUNGS_SCHAETZUNG& store)
{
    const GameType t = g.type;
    const Seat d = g.declarer;
    if (!isSuitGame(t) || !isValidSeat(d) || g.self == d || !services_.profiles || !services_.profiles->loaded())
        return;
    std::array<bool, 5> shown{};
    auto note = [&](CardId card) {
        if (isRealCard(card) && rankOfCardId(card) != RANK_JACK && !isTrumpSuit(suitOfCardId(card), t))
            shown[static_cast<std::size_t>(suitOfCardId(card))] = true;
    };
    for (int n = 0; n < g.completedTricks; ++n)
        if (isValidSeat(g.tricks[static_cast<std::size_t>(n)].leader))
            note(g.cardOf(n, d));
    if (isValidSeat(g.trickLeader)) {
        const int place = placeInTrick(d, g.trickLeader);
        if (place < g.trickCount && place <= 1)
            note(trickCard(g.trick, place));
    }
    if (std::count(shown.begin(), shown.end(), true) < 2)
        return;
    Suit z = SUIT_NONE;
    for (Suit s = SUIT_DIAMONDS; s >= SUIT_CLUBS; --s)
        if (!shown[static_cast<std::size_t>(s)] && !isTrumpSuit(s, t)) {
            z = s;
            break;
        }
    if (z == SUIT_NONE)
        return;
    int k = 0;
    for (Rank r = RANK_SEVEN; r <= RANK_ACE; ++r) {
        const CardId card = makeCardId(z, r);
        if (r != RANK_JACK && isUnseen(card) && !(g.ownHand() & cardMaskOfId(card)))
            ++k;
    }
    double p = services_.profiles->thirdSuitVoidPercent(d) / 100.0;
    if (p <= 0)
        p = static_cast<double>(0.01f);
    else if (p >= 1)
        p = static_cast<double>(0.99f);
    const double q = k >= 2 && k <= 7 ? std::pow(p, k) : p;
    for (Rank r = RANK_SEVEN; r <= RANK_ACE; ++r) {
        const CardId card = makeCardId(z, r);
        if (r != RANK_JACK && isUnseen(card))
            store.addCheckedSuggestion(card, d, 1.0 - q, weight);
    }
}
