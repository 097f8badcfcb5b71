#include "skat/logic/CardPlay.h"

#include "skat/engine/Einblatt.h"

namespace {

constexpr int TRUMP = 0;

CardSet effectiveSuitMask(GameType type, int suit)
{
    if (type == GAME_NULL)
        return suitMask(static_cast<Suit>(suit));
    if (suit == TRUMP)
        return trumpMask(type);
    return suitMaskWithoutJack(static_cast<Suit>(suit)) & ~trumpMask(type);
}

// Cards the other seats may still hold.
CardSet outstanding(const PlayView& v)
{
    CardSet onTable = 0;
    for (int i = 0; i < v.trickCount; ++i)
        onTable |= bitMask(v.trick[static_cast<std::size_t>(i)]);
    return ~(v.hand | v.played | v.knownAway | onTable);
}

int pointsOf(CardBit bit) { return pointsOfRank(rankOfBit(bit)); }

template <typename Better>
CardBit pick(CardSet set, Better better)
{
    CardBit best = -1;
    for (CardSet rest = set; rest; rest &= rest - 1) {
        const CardBit bit = lowestBit(rest);
        if (best < 0 || better(bit, best))
            best = bit;
    }
    return best;
}

// Cheapest card: fewest points, then weakest; trumps are kept back when possible.
CardBit cheapest(GameType type, CardSet set)
{
    const CardSet plain = set & ~trumpMask(type);
    return pick(plain ? plain : set, [type](CardBit a, CardBit b) {
        return pointsOf(a) != pointsOf(b) ? pointsOf(a) < pointsOf(b) : cardPower(type, a) < cardPower(type, b);
    });
}

// Richest card for a partner's trick: most points, trumps kept back when possible.
CardBit richest(GameType type, CardSet set)
{
    const CardSet plain = set & ~trumpMask(type);
    return pick(plain ? plain : set, [type](CardBit a, CardBit b) {
        return pointsOf(a) != pointsOf(b) ? pointsOf(a) > pointsOf(b) : cardPower(type, a) < cardPower(type, b);
    });
}

// No outstanding card of its effective suit is stronger.
bool isTop(const PlayView& v, CardBit bit)
{
    const int suit = effectiveSuit(v.type, bit);
    const CardSet others = outstanding(v) & effectiveSuitMask(v.type, suit);
    for (CardSet rest = others; rest; rest &= rest - 1)
        if (cardPower(v.type, lowestBit(rest)) > cardPower(v.type, bit))
            return false;
    return true;
}

int winnerPlace(const PlayView& v)
{
    int best = 0;
    for (int i = 1; i < v.trickCount; ++i)
        if (beatsCard(v.type, v.trick[static_cast<std::size_t>(i)], v.trick[static_cast<std::size_t>(best)],
                      v.trick[0]))
            best = i;
    return best;
}

Seat seatAtPlace(const PlayView& v, int place) { return seatAfter(v.self, place - v.trickCount); }

CardSet winnersOver(const PlayView& v, CardSet legal, CardBit best)
{
    CardSet result = 0;
    for (CardSet rest = legal; rest; rest &= rest - 1)
        if (beatsCard(v.type, lowestBit(rest), best, v.trick[0]))
            result |= bitMask(lowestBit(rest));
    return result;
}

CardBit leadAsDeclarer(const PlayView& v)
{
    const CardSet trumps = v.hand & trumpMask(v.type);
    const CardSet theirTrumps = outstanding(v) & trumpMask(v.type);
    if (trumps && theirTrumps) {
        const CardBit high =
            pick(trumps, [&](CardBit a, CardBit b) { return cardPower(v.type, a) > cardPower(v.type, b); });
        if (isTop(v, high))
            return high;
        if (cardCount(trumps) >= 2)
            return cheapest(v.type, trumps & ~JACKS ? trumps & ~JACKS : trumps);
    }
    CardSet tops = 0;
    for (CardSet rest = v.hand & ~trumpMask(v.type); rest; rest &= rest - 1)
        if (isTop(v, lowestBit(rest))
            && (outstanding(v) & effectiveSuitMask(v.type, effectiveSuit(v.type, lowestBit(rest)))))
            tops |= bitMask(lowestBit(rest));
    if (tops)
        return richest(v.type, tops);
    return cheapest(v.type, v.hand);
}

CardBit leadAsDefender(const PlayView& v)
{
    const CardSet side = v.hand & ~trumpMask(v.type);
    const CardSet aces = side & ACES;
    if (aces)
        return lowestBit(aces);
    // A low card of the longest side suit keeps the high cards for later.
    int longest = -1;
    CardSet from = 0;
    for (Suit s = SUIT_CLUBS; s <= SUIT_DIAMONDS; ++s) {
        const CardSet cards = side & suitMask(s);
        if (cards && cardCount(cards) > longest) {
            longest = cardCount(cards);
            from = cards;
        }
    }
    return cheapest(v.type, from ? from : v.hand);
}

CardBit follow(const PlayView& v, CardSet legal)
{
    const int bestPlace = winnerPlace(v);
    const CardBit best = v.trick[static_cast<std::size_t>(bestPlace)];
    const Seat winner = seatAtPlace(v, bestPlace);
    const bool declarer = v.self == v.declarer;
    const bool partnerWins = !declarer && winner != v.declarer;
    const bool last = v.trickCount == 2;
    const CardSet winners = winnersOver(v, legal, best);

    if (partnerWins) {
        // The partner's card stands when the declarer has played or it is a sure winner.
        if (last || isTop(v, best))
            return richest(v.type, legal);
        return cheapest(v.type, legal);
    }
    if (winners) {
        if (last)
            return cheapest(v.type, winners);
        CardSet sure = 0;
        for (CardSet rest = winners; rest; rest &= rest - 1)
            if (isTop(v, lowestBit(rest)))
                sure |= bitMask(lowestBit(rest));
        if (sure)
            return cheapest(v.type, sure);
    }
    return cheapest(v.type, legal);
}

// Null ---------------------------------------------------------------------

CardBit nullHighest(CardSet set)
{
    return pick(set, [](CardBit a, CardBit b) { return cardPower(GAME_NULL, a) > cardPower(GAME_NULL, b); });
}

CardBit nullLowest(CardSet set)
{
    return pick(set, [](CardBit a, CardBit b) { return cardPower(GAME_NULL, a) < cardPower(GAME_NULL, b); });
}

// Outstanding cards of the suit below the card.
int lowerOutstanding(const PlayView& v, CardBit bit)
{
    int n = 0;
    for (CardSet rest = outstanding(v) & suitMask(suitOfBit(bit)); rest; rest &= rest - 1)
        if (cardPower(GAME_NULL, lowestBit(rest)) < cardPower(GAME_NULL, bit))
            ++n;
    return n;
}

CardBit nullDeclarer(const PlayView& v, CardSet legal)
{
    if (v.trickCount == 0) {
        // Lead the card the others can most surely go over.
        CardBit best = -1;
        int bestRisk = 99;
        for (Suit s = SUIT_CLUBS; s <= SUIT_DIAMONDS; ++s) {
            const CardSet mine = v.hand & suitMask(s);
            if (!mine)
                continue;
            const CardBit low = nullLowest(mine);
            const int theirs = cardCount(outstanding(v) & suitMask(s));
            const int risk = theirs == 0 ? 50 : lowerOutstanding(v, low) * 10 - theirs;
            if (risk < bestRisk) {
                bestRisk = risk;
                best = low;
            }
        }
        return best;
    }
    const CardBit top = v.trick[static_cast<std::size_t>(winnerPlace(v))];
    const CardSet following = legal & suitMask(suitOfBit(v.trick[0]));
    if (!following)
        return nullHighest(legal); // free: throw the most dangerous card
    CardSet under = 0;
    for (CardSet rest = following; rest; rest &= rest - 1)
        if (!beatsCard(GAME_NULL, lowestBit(rest), top, v.trick[0]))
            under |= bitMask(lowestBit(rest));
    return under ? nullHighest(under) : nullHighest(following);
}

CardBit nullDefender(const PlayView& v, CardSet legal)
{
    if (v.trickCount == 0)
        return nullLowest(legal);
    const int bestPlace = winnerPlace(v);
    const CardBit top = v.trick[static_cast<std::size_t>(bestPlace)];
    const bool declarerWins = seatAtPlace(v, bestPlace) == v.declarer;
    const CardSet following = legal & suitMask(suitOfBit(v.trick[0]));
    if (!following)
        return nullHighest(legal);
    if (declarerWins) {
        CardSet under = 0;
        for (CardSet rest = following; rest; rest &= rest - 1)
            if (!beatsCard(GAME_NULL, lowestBit(rest), top, v.trick[0]))
                under |= bitMask(lowestBit(rest));
        if (under)
            return nullHighest(under);
    }
    return nullLowest(following);
}

// Ramsch: every seat for itself, points are to be avoided.
CardBit ramsch(const PlayView& v, CardSet legal)
{
    if (v.trickCount == 0)
        return cheapest(v.type, legal);
    const CardBit top = v.trick[static_cast<std::size_t>(winnerPlace(v))];
    const CardSet winners = winnersOver(v, legal, top);
    const CardSet under = legal & ~winners;
    if (under)
        return richest(v.type, under);
    return v.trickCount == 2
               ? pick(winners, [&](CardBit a, CardBit b) { return cardPower(v.type, a) > cardPower(v.type, b); })
               : cheapest(v.type, winners);
}

} // namespace

int effectiveSuit(GameType type, CardBit bit)
{
    if (type == GAME_NULL)
        return suitOfBit(bit);
    return (bitMask(bit) & trumpMask(type)) ? TRUMP : suitOfBit(bit);
}

int cardPower(GameType type, CardBit bit)
{
    const Rank r = rankOfBit(bit);
    if (type == GAME_NULL) {
        constexpr int nullPower[9] = {0, 1, 2, 3, 5, 6, 7, 4, 8};
        return nullPower[r];
    }
    if (r == RANK_JACK)
        return 20 + (5 - suitOfBit(bit));
    constexpr int order[9] = {0, 1, 2, 3, 0, 4, 5, 6, 7};
    return order[r] + ((bitMask(bit) & trumpMask(type)) ? 10 : 0);
}

bool beatsCard(GameType type, CardBit challenger, CardBit best, CardBit ledBit)
{
    (void)ledBit;
    const int a = effectiveSuit(type, challenger);
    const int b = effectiveSuit(type, best);
    if (a == b)
        return cardPower(type, challenger) > cardPower(type, best);
    return type != GAME_NULL && a == TRUMP;
}

CardId chooseHeuristicCard(const PlayView& view)
{
    if (view.hand == 0)
        return NO_CARD;
    const CardSet legal = view.trickCount == 0 ? view.hand : EINBLATT::legalCards(view.hand, view.trick[0], view.type);
    if (legal == 0)
        return NO_CARD;
    CardBit bit = -1;
    if (view.type == GAME_RAMSCH)
        bit = ramsch(view, legal);
    else if (view.type == GAME_NULL)
        bit = view.self == view.declarer ? nullDeclarer(view, legal) : nullDefender(view, legal);
    else if (view.trickCount == 0)
        bit = view.self == view.declarer ? leadAsDeclarer(view) : leadAsDefender(view);
    else
        bit = follow(view, legal);
    if (bit < 0 || (legal & bitMask(bit)) == 0)
        bit = lowestBit(legal);
    return cardIdOfBit(bit);
}
