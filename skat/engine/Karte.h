#pragma once
// One card as a shared, immutable object, and the process-wide card table.
// Every card exists once: hands, skats, tricks and views hold pointers into
// the table, so two references to one card compare equal as pointers.

#include "skat/engine/CardTypes.h"
#include "vordix/Stream.h"

#include <string>

class KARTE : public VORDIX_STREAM {
public:
    KARTE() = default;                       // every field 0
    explicit KARTE(CardId id) { setId(id); } // KARTE(0) is the null card (points -1)
    KARTE(const KARTE&) = default;
    KARTE& operator=(const KARTE&) = default;
    ~KARTE() override;

    // Element "KARTE" with the attribute "CODE"; the older form has "FARBE"
    // and "BLATT". Always succeeds for a present element.
    bool read(const tinyxml2::XMLElement* element, const tinyxml2::XMLDocument& document) override;
    const char* elementName() const override { return "KARTE"; }
    void write(tinyxml2::XMLElement& element, tinyxml2::XMLDocument& document) const override;

    // Stores the id and derives suit, rank, points, mask and bit index.
    void setId(CardId id);

    CardId id() const { return id_; }
    CardSet bitMask() const { return mask_; }
    // 0 for the null card, which shares it with the diamonds seven: test the
    // id or the mask to recognise the null card.
    CardBit bit() const { return bit_; }
    Rank rank() const { return rank_; }
    Suit suit() const { return suit_; }
    int points() const { return points_; }
    bool isNull() const { return mask_ == 0; }

    // Place in the order of suit and grand games, lowest first: 7 1 ... ace 7,
    // jacks diamonds 8, hearts 9, spades 10, clubs 11; -1 otherwise.
    int trumpOrder() const;
    // Place in the null order: 7, 8, 9, 10, J, Q, K, A = 1..8; -1 otherwise.
    int nullOrder() const;

    // Two characters, suit letter and rank character; "L" for none ("LL").
    std::string code() const;
    char rankChar() const;
    // The rank's display word in the user's language.
    std::wstring rankName() const;

private:
    CardId id_ = 0;
    CardSet mask_ = 0;
    CardBit bit_ = 0;
    Rank rank_ = 0;
    Suit suit_ = SUIT_NONE;
    int points_ = 0;
};

// Builds the table on first use (thread-safe); later calls do nothing.
void buildCardTable();

// The shared card of an id; the null card for 0 and for any id that names no card.
const KARTE* cardById(CardId id);
// The shared card of a bit index 0..31 (the null card outside that range).
const KARTE* cardByBit(CardBit bit);
const KARTE* nullCard();

// Inverse of trumpOrder for one suit: 1..7 seven..ace of the suit, 8..11 the
// jacks of diamonds, hearts, spades, clubs; the null card otherwise.
const KARTE* cardAtTrumpPosition(Suit suit, int position);

// Lowest card of a set on the computer player's scale: 1..7 for the lowest
// plain rank present (seven .. ace), else the highest jack present as
// 8 clubs .. 11 diamonds; -1 for an empty set.
int lowestOrderPosition(CardSet set);

// The lowest bit of the highest non-empty suit byte (clubs first); the null
// card for an empty set.
const KARTE* lowestCard(CardSet set);

// Code characters; anything unrecognised (also lower case) gives 0.
Suit suitFromLetter(char letter);
Rank rankFromChar(char c);
char suitLetter(Suit suit); // 'L' for none
char rankCharOf(Rank rank); // 'L' for none

// Card id named by a code's first two characters; 0 when either is unknown.
CardId cardIdFromCode(const char* code);
