#pragma once
// Short card names for the tests' deals: C(KR, J) is the clubs jack.

#include "skat/engine/CardTypes.h"

#include <initializer_list>

namespace card_names {

constexpr CardId C(Suit s, Rank r) { return makeCardId(s, r); }
constexpr Suit KR = SUIT_CLUBS, PI = SUIT_SPADES, HE = SUIT_HEARTS, KA = SUIT_DIAMONDS;
constexpr Rank R7 = RANK_SEVEN, R8 = RANK_EIGHT, R9 = RANK_NINE, J = RANK_JACK, Q = RANK_QUEEN, K = RANK_KING,
               T = RANK_TEN, A = RANK_ACE;

inline CardSet setOf(std::initializer_list<CardId> cards)
{
    CardSet s = 0;
    for (CardId c : cards)
        s |= cardMaskOfId(c);
    return s;
}

} // namespace card_names
