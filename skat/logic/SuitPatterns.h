#pragma once
// Suit patterns: where each card of one suit lies as the seat to move sees
// it (own hand, outstanding, played earlier, in the current trick), and the
// key of a lead table. The lead tables and delta tables rate a card by the
// pattern of its suit.

#include "skat/engine/CardTypes.h"

#include <compare>
#include <cstdint>
#include <string>

using PatternState = std::uint8_t;
inline constexpr PatternState STATE_OWN = 0;
inline constexpr PatternState STATE_OUTSTANDING = 1;
inline constexpr PatternState STATE_PLAYED = 2;
inline constexpr PatternState STATE_IN_TRICK = 3;
inline constexpr PatternState STATE_UNSET = 255;

// Where the cards lie as the seat to move knows them. Every card in none
// of the three sets is outstanding (another hand or the skat).
struct PatternView {
    CardSet own = 0;
    CardSet played = 0; // finished tricks (and a skat this seat put away)
    CardSet trick = 0;  // the current trick
};

// A suit pattern: up to 13 entries of (key, state). Keys are CardIds of the
// canonical suit clubs (10 + rank); the trump pattern keeps the four jacks
// under their own CardIds.
class ARRAY_OF_FARBKARTEN {
public:
    struct Entry {
        CardId key = NO_CARD;
        PatternState state = STATE_UNSET;
    };

    virtual ~ARRAY_OF_FARBKARTEN() = default;
    virtual void reset() = 0;
    virtual CardId keyOf(CardId card) const { return 10 + rankOfCardId(card); }
    virtual CardId cardOf(CardId key, Suit suit) const { return makeCardId(suit, rankOfCardId(key)); }

    void setState(CardId card, PatternState state);
    PatternState stateOf(CardId card) const; // STATE_UNSET when the card has no entry
    // Every entry's state from where its card of that suit lies; without a
    // view every state stays unset.
    void fill(const PatternView* view, Suit suit);

    int last = -1; // last used index
    Entry entries[13]{};

protected:
    void setKeys(const CardId* keys, int count);
};

// Side suit: 7, 8, 9, queen, king, ten, ace.
class ARRAY_OF_FARBKARTEN_BB : public ARRAY_OF_FARBKARTEN {
public:
    ARRAY_OF_FARBKARTEN_BB() { reset(); }
    void reset() override;
};

// Null: all eight ranks, the jack in its rank place.
class ARRAY_OF_FARBKARTEN_N : public ARRAY_OF_FARBKARTEN {
public:
    ARRAY_OF_FARBKARTEN_N() { reset(); }
    void reset() override;
};

// Trump: the seven cards of the trump suit, then the jacks of diamonds,
// hearts, spades and clubs.
class ARRAY_OF_FARBKARTEN_TR : public ARRAY_OF_FARBKARTEN {
public:
    ARRAY_OF_FARBKARTEN_TR() { reset(); }
    void reset() override;
    CardId keyOf(CardId card) const override;
    CardId cardOf(CardId key, Suit suit) const override;
};

PatternState placeState(const PatternView& view, CardId card);

// Table kinds of the lead tables.
inline constexpr int KIND_VHBB = 1; // leading, side suit
inline constexpr int KIND_VHTR = 2; // leading, trump
inline constexpr int KIND_VHNL = 3; // leading, null
inline constexpr int KIND_MHBB = 4; // second or third, side suit
inline constexpr int KIND_MHTR = 5; // second or third, trump
inline constexpr int KIND_MHNL = 6; // second or third, null
inline constexpr int KIND_FLTR = 7; // filter

// The key of one lead table: its kind and number, named like "VHBB(10)".
struct TABELLE {
    int kind = 0;
    int number = -1;

    std::wstring name() const;
    auto operator<=>(const TABELLE&) const = default;
};

// The name of a kind ("VHBB" ...), empty for an unknown kind.
const wchar_t* tableKindName(int kind);
// Kind 1..7 of a four-letter name, 0 when unknown.
int tableKindOfName(const std::string& name);

// Positions in the three suit orders (1-based, 0 when the card has none).
// Side-suit order: 7 = 1 ... ace = 7, no jack.
int sideSuitPosition(Rank rank);
// Trump order: the trump suit's cards 1..7, jacks of diamonds 8, hearts 9,
// spades 10, clubs 11.
int trumpPosition(CardId card);
