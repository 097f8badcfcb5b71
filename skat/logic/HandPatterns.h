#pragma once
// The keys of the pre-play tables: a suit's pattern (which high cards, how
// many low cards), the trump pattern of a suit game and the jack index.
//
// suitPatternIndex: 1 per low card (7, 8, 9 count only by their number)
//   + 4 queen + 8 king + 16 ten + 32 ace; 0..63. Jacks never count.
//   Example: ace, ten and the 8 of a suit = 32 + 16 + 1 = 49.
// trumpPatternIndex: the count of trump 7, 8, 9, queen, king (0..5) + 6 ten
//   + 6 ace + 144 clubs jack + 72 spades jack + 36 hearts jack + 18 diamonds
//   jack; 0..287. Ten and ace count alike.
// jackIndex: 8 clubs jack + 4 spades + 2 hearts + 1 diamonds; 0..15.

#include "skat/engine/CardTypes.h"

#include <string>

inline constexpr int SUIT_PATTERN_COUNT = 64;
inline constexpr int TRUMP_PATTERN_COUNT = 288;
inline constexpr int JACK_INDEX_COUNT = 16;

// The rank bits of all four suit bytes are read, so the set may hold the
// suit in any byte (jacks excluded).
constexpr int suitPatternIndex(CardSet suitCards)
{
    const CardSet any = (suitCards | suitCards >> 8 | suitCards >> 16 | suitCards >> 24) & 0xF7u;
    return cardCount(any & 0x07u) + ((any & 0x10u) ? 4 : 0) + ((any & 0x20u) ? 8 : 0) + ((any & 0x40u) ? 16 : 0)
           + ((any & 0x80u) ? 32 : 0);
}

// The pattern of the hand's cards of one suit, the jack left out.
constexpr int suitPatternOf(CardSet hand, Suit suit) { return suitPatternIndex(hand & suitMaskWithoutJack(suit)); }

constexpr int jackIndex(CardSet hand)
{
    return ((hand & cardMask(SUIT_CLUBS, RANK_JACK)) ? 8 : 0) + ((hand & cardMask(SUIT_SPADES, RANK_JACK)) ? 4 : 0)
           + ((hand & cardMask(SUIT_HEARTS, RANK_JACK)) ? 2 : 0)
           + ((hand & cardMask(SUIT_DIAMONDS, RANK_JACK)) ? 1 : 0);
}

// Trumps of the trump suit (its non-jacks) plus whatever jacks the set holds.
constexpr int trumpPatternIndex(CardSet trumps, Suit trumpSuit)
{
    const CardSet own = trumps & suitMaskWithoutJack(trumpSuit);
    const int shift = (4 - trumpSuit) * 8;
    const CardSet bits = isValidSuit(trumpSuit) ? (own >> shift) & 0xF7u : 0u;
    return cardCount(bits & 0x37u) + ((bits & 0x40u) ? 6 : 0) + ((bits & 0x80u) ? 6 : 0) + 18 * jackIndex(trumps);
}

// The rank characters of a pattern, highest first ("A1K987" for 63).
std::string suitPatternRanksText(int pattern);
// Whether a pattern holds the rank (a low count k stands for the k lowest).
bool suitPatternHasRank(int pattern, Rank rank);

static_assert(suitPatternIndex(0x000000C2u) == 49);
static_assert(suitPatternIndex(0xC2000000u) == 49);
static_assert(trumpPatternIndex(JACKS, SUIT_CLUBS) == 270);
