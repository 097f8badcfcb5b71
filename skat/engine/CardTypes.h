#pragma once
// Basic numbers of the card model and the bit layout of card sets.
//
// CardId   = suit * 10 + rank: clubs 11..18, spades 21..28, hearts 31..38,
//            diamonds 41..48; 0 is "no card" (the null card).
// Suit     = 1 clubs, 2 spades, 3 hearts, 4 diamonds (0 none).
// Rank     = 1..8 for 7, 8, 9, jack, queen, king, ten, ace (0 none).
//
// CardSet  = 32 bits, one byte per suit:
//              bits 24-31 clubs | 16-23 spades | 8-15 hearts | 0-7 diamonds
//            inside a byte rank r is bit r-1 (seven = bit 0 ... ace = bit 7).
//            So the four jacks are 0x08080808 and the clubs jack 0x08000000.
// CardBit  = index 0..31 of a card's bit: (4 - suit) * 8 + (rank - 1).
//            The diamonds seven is CardBit 0, the clubs ace CardBit 31.
//
// Sets are walked lowest bit first, i.e. from the diamonds seven upwards.
// Everything here is constexpr and free of allocation: the computer player
// and the open-game solver use these helpers in their inner loops.

#include <bit>
#include <cstdint>
#include <type_traits>

using CardId = std::int32_t;
using CardSet = std::uint32_t;
using CardBit = std::int32_t;
using Rank = int;
using Party = int;

inline constexpr CardId NO_CARD = 0;

// Suits in the order of their value as trumps and in the bid table.
enum Suit : int { SUIT_NONE = 0, SUIT_CLUBS = 1, SUIT_SPADES = 2, SUIT_HEARTS = 3, SUIT_DIAMONDS = 4 };

inline constexpr Rank RANK_NONE = 0;
inline constexpr Rank RANK_SEVEN = 1;
inline constexpr Rank RANK_EIGHT = 2;
inline constexpr Rank RANK_NINE = 3;
inline constexpr Rank RANK_JACK = 4;
inline constexpr Rank RANK_QUEEN = 5;
inline constexpr Rank RANK_KING = 6;
inline constexpr Rank RANK_TEN = 7;
inline constexpr Rank RANK_ACE = 8;

// Game types 1..4 are suit games whose trump suit equals the type.
enum GameType : int {
    GAME_NONE = 0,
    GAME_CLUBS = 1,
    GAME_SPADES = 2,
    GAME_HEARTS = 3,
    GAME_DIAMONDS = 4,
    GAME_GRAND = 5,
    GAME_GRAND_OUVERT = 6,
    GAME_NULL = 7,
    GAME_RAMSCH = 8,
};

// The three seats around the table; the next seat is (seat + 1) mod 3.
enum Seat : int { SEAT_NONE = -1, SEAT_0 = 0, SEAT_1 = 1, SEAT_2 = 2 };
inline constexpr int SEAT_COUNT = 3;

inline constexpr Party PARTY_DECLARER = 0;
inline constexpr Party PARTY_DEFENDERS = 1;

inline constexpr int CARDS_IN_DECK = 32;
inline constexpr int CARDS_IN_HAND = 10;
inline constexpr int POINTS_IN_DECK = 120;

// Masks.
inline constexpr CardSet ALL_CARDS = 0xFFFFFFFFu;
inline constexpr CardSet SEVENS = 0x01010101u;
inline constexpr CardSet EIGHTS = 0x02020202u;
inline constexpr CardSet NINES = 0x04040404u;
inline constexpr CardSet JACKS = 0x08080808u;
inline constexpr CardSet QUEENS = 0x10101010u;
inline constexpr CardSet KINGS = 0x20202020u;
inline constexpr CardSet TENS = 0x40404040u;
inline constexpr CardSet ACES = 0x80808080u;

constexpr bool isValidSuit(Suit s) { return s >= SUIT_CLUBS && s <= SUIT_DIAMONDS; }
constexpr bool isValidRank(Rank r) { return r >= RANK_SEVEN && r <= RANK_ACE; }
// Takes a plain number too: stored seats are checked before they become a Seat.
constexpr bool isValidSeat(int s) { return s >= 0 && s < SEAT_COUNT; }
constexpr bool isSuitGame(GameType g) { return g >= GAME_CLUBS && g <= GAME_DIAMONDS; }
constexpr bool isValidGameType(GameType g) { return g >= GAME_CLUBS && g <= GAME_RAMSCH; }
// Steps for loops over suits and game types ("for (Suit s = SUIT_CLUBS; s <= SUIT_DIAMONDS; ++s)").
constexpr Suit& operator++(Suit& s) { return s = static_cast<Suit>(s + 1); }
constexpr Suit& operator--(Suit& s) { return s = static_cast<Suit>(s - 1); }
constexpr GameType& operator++(GameType& g) { return g = static_cast<GameType>(g + 1); }
// A suit game's trump suit (none for the other types), and the suit game of a suit.
constexpr Suit trumpSuit(GameType g) { return isSuitGame(g) ? static_cast<Suit>(static_cast<int>(g)) : SUIT_NONE; }
// True when s is the trump suit of a suit game (never for grand, null or Ramsch).
constexpr bool isTrumpSuit(Suit s, GameType g) { return isSuitGame(g) && static_cast<int>(s) == static_cast<int>(g); }
constexpr GameType suitGame(Suit s) { return isValidSuit(s) ? static_cast<GameType>(static_cast<int>(s)) : GAME_NONE; }
// Seats counted round the table: steps may be negative; the seat must be valid.
constexpr Seat seatAfter(Seat s, int steps)
{
    return static_cast<Seat>(((s + steps) % SEAT_COUNT + SEAT_COUNT) % SEAT_COUNT);
}
// The same for steps >= 0 with one division, for the solver's inner loops.
constexpr Seat seatAhead(Seat s, int steps) { return static_cast<Seat>((s + steps) % SEAT_COUNT); }
constexpr Seat nextSeat(Seat s) { return seatAfter(s, 1); }
constexpr Seat previousSeat(Seat s) { return seatAfter(s, -1); }
// Place 0, 1 or 2 of the seat's card in a trick the leader led.
constexpr int placeInTrick(Seat seat, Seat leader) { return seatAfter(seat, -leader); }
// A seat number as stored in files and messages: 0..2 stay, anything else is none.
constexpr Seat seatFromNumber(int number)
{
    return number >= 0 && number < SEAT_COUNT ? static_cast<Seat>(number) : SEAT_NONE;
}
// For loops over the seats ("for (Seat s = SEAT_0; s < SEAT_COUNT; ++s)").
constexpr Seat& operator++(Seat& s) { return s = static_cast<Seat>(s + 1); }

constexpr Suit suitOfCardId(CardId id) { return id > 10 ? static_cast<Suit>((id - 11) / 10 + 1) : SUIT_NONE; }
constexpr Rank rankOfCardId(CardId id) { return id % 10; }
constexpr CardId makeCardId(Suit s, Rank r) { return s * 10 + r; }
// True for the 32 real cards (suit 1..4 and rank 1..8).
constexpr bool isRealCard(CardId id)
{
    return isValidSuit(suitOfCardId(id)) && isValidRank(rankOfCardId(id)) && id > 10;
}

// The whole suit's byte, and the suit without its jack; 0 for suit none.
constexpr CardSet suitMask(Suit s) { return isValidSuit(s) ? CardSet{0xFFu} << ((4 - s) * 8) : 0u; }
constexpr CardSet suitMaskWithoutJack(Suit s) { return isValidSuit(s) ? CardSet{0xF7u} << ((4 - s) * 8) : 0u; }
constexpr CardSet rankMask(Rank r) { return isValidRank(r) ? SEVENS << (r - 1) : 0u; }

constexpr CardSet cardMask(Suit s, Rank r)
{
    return isValidSuit(s) && isValidRank(r) ? CardSet{1u} << ((4 - s) * 8 + (r - 1)) : 0u;
}
constexpr CardSet cardMaskOfId(CardId id) { return id > 10 ? cardMask(suitOfCardId(id), rankOfCardId(id)) : 0u; }
constexpr CardBit cardBitOf(Suit s, Rank r) { return (4 - s) * 8 + (r - 1); }

// Bit-index tables: CardBit back to CardId, Suit and Rank.
constexpr CardId cardIdOfBit(CardBit b) { return (4 - b / 8) * 10 + b % 8 + 1; }
constexpr Suit suitOfBit(CardBit b) { return static_cast<Suit>(4 - b / 8); }
constexpr Rank rankOfBit(CardBit b) { return b % 8 + 1; }
constexpr CardSet bitMask(CardBit b) { return CardSet{1u} << b; }

// Trumps of a game type: suit games their suit plus the jacks; grand, grand
// ouvert and Ramsch the jacks; null and invalid types none.
constexpr CardSet trumpMask(GameType g)
{
    if (isSuitGame(g))
        return suitMask(trumpSuit(g)) | JACKS;
    if (g == GAME_GRAND || g == GAME_GRAND_OUVERT || g == GAME_RAMSCH)
        return JACKS;
    return 0u;
}

// Card points by rank (7/8/9 0, J 2, Q 3, K 4, 10 10, A 11; -1 for none).
constexpr int pointsOfRank(Rank r)
{
    constexpr int table[9] = {-1, 0, 0, 0, 2, 3, 4, 10, 11};
    return r >= 0 && r <= 8 ? table[r] : -1;
}

constexpr int cardCount(CardSet set) { return std::popcount(set); }
constexpr CardBit lowestBit(CardSet set) { return std::countr_zero(set); }
// Takes the lowest card out of a non-empty set and returns its bit: the loop
// "while (set) { CardBit b = popLowest(set); ... }" walks a set upwards.
constexpr CardBit popLowest(CardSet& set)
{
    const CardBit bit = std::countr_zero(set);
    set &= set - 1;
    return bit;
}
// True when every card of a non-empty set of cards lies in set.
constexpr bool containsAll(CardSet set, CardSet cards) { return (set & cards) == cards && cards != 0; }

// Sum of the card points in a set, by mask counts (no loop over cards).
constexpr int pointsOfSet(CardSet set)
{
    return 2 * cardCount(set & JACKS) + 3 * cardCount(set & QUEENS) + 4 * cardCount(set & KINGS)
           + 10 * cardCount(set & TENS) + 11 * cardCount(set & ACES);
}

static_assert(cardMask(SUIT_CLUBS, RANK_JACK) == 0x08000000u);
static_assert(cardBitOf(SUIT_CLUBS, RANK_JACK) == 27);
static_assert(cardIdOfBit(0) == 41 && cardIdOfBit(31) == 18);
static_assert(pointsOfSet(ALL_CARDS) == POINTS_IN_DECK);
static_assert(seatAfter(SEAT_0, -1) == SEAT_2 && seatAfter(SEAT_2, 4) == SEAT_0 && placeInTrick(SEAT_0, SEAT_1) == 2);
// Swapped or raw arguments must not compile: a suit is no game type, a plain
// number is no seat.
static_assert(!std::is_convertible_v<Suit, GameType> && !std::is_convertible_v<GameType, Suit>);
static_assert(!std::is_convertible_v<int, Seat> && !std::is_convertible_v<Seat, Suit>);
