#pragma once
// A hand as one CardSet, with the queries the rules and the computer player
// ask of it (suit lengths, trumps, Spitzen, legal cards), and its XML form.

#include "skat/engine/CardTypes.h"
#include "vordix/Stream.h"

#include <array>

class SKAT;
class EINBLATT_SERIALIZABLE;

class EINBLATT {
public:
    EINBLATT() = default;
    explicit EINBLATT(CardSet cards) : cards_(cards) { }

    CardSet cardSet() const { return cards_; }
    void setCardSet(CardSet cards) { cards_ = cards; }
    void clearCards() { cards_ = 0; }
    int cardCount() const { return ::cardCount(cards_); }
    bool isEmpty() const { return cards_ == 0; }
    bool hasCard(CardId id) const { return (cards_ & cardMaskOfId(id)) != 0; }
    void addCard(CardId id) { cards_ |= cardMaskOfId(id); }
    void removeCard(CardId id) { cards_ &= ~cardMaskOfId(id); }

    // Cards of the suit other than its jack.
    bool hasSuitCards(Suit suit) const { return (cards_ & suitMaskWithoutJack(suit)) != 0; }
    int suitCount(Suit suit) const { return ::cardCount(cards_ & suitMaskWithoutJack(suit)); }
    int trumpCount(GameType type) const { return ::cardCount(cards_ & trumpMask(type)); }

    // Spitzen (matadors): +n with the top n trumps held, -n with the top n
    // missing. spitzenGrand counts the four jacks only; spitzen continues
    // through the trump suit once all four jacks agree (up to +-11).
    int spitzenGrand() const;
    int spitzen(Suit trump) const;
    // As above, with the skat added when the hand holds exactly 10 cards.
    int spitzenGrandWithSkat(const SKAT& skat) const;
    int spitzenWithSkat(const SKAT& skat, Suit trump) const;

    struct SuitLength {
        int length = 0;
        Suit suit = SUIT_NONE;
    };
    struct SideSuits {
        int trumpCount = 0;
        SuitLength longest, middle, shortest; // among equal lengths the later suit is longer
    };
    // The trump count and the three other suits by length (trump 1..4;
    // anything else gives an empty result).
    SideSuits sideSuitsByLength(Suit trump) const;

    // Cards of this hand that may be played to the led card (follow suit).
    CardSet legalCards(CardBit ledCardBit, GameType type) const { return legalCards(cards_, ledCardBit, type); }

    // The follow-suit rule on a bare set; an empty result means any card.
    // A game type outside 1..8 gives the empty set.
    static constexpr CardSet legalCards(CardSet hand, CardBit ledCardBit, GameType type)
    {
        switch (type) {
        case GAME_CLUBS: return legalCardsClubs(hand, ledCardBit);
        case GAME_SPADES: return legalCardsSpades(hand, ledCardBit);
        case GAME_HEARTS: return legalCardsHearts(hand, ledCardBit);
        case GAME_DIAMONDS: return legalCardsDiamonds(hand, ledCardBit);
        case GAME_GRAND:
        case GAME_GRAND_OUVERT:
        case GAME_RAMSCH: return legalCardsGrand(hand, ledCardBit);
        case GAME_NULL: return legalCardsNull(hand, ledCardBit);
        default: return 0u;
        }
    }
    static constexpr CardSet legalCardsClubs(CardSet hand, CardBit led)
    {
        return legalCardsSuitGame(hand, led, GAME_CLUBS);
    }
    static constexpr CardSet legalCardsSpades(CardSet hand, CardBit led)
    {
        return legalCardsSuitGame(hand, led, GAME_SPADES);
    }
    static constexpr CardSet legalCardsHearts(CardSet hand, CardBit led)
    {
        return legalCardsSuitGame(hand, led, GAME_HEARTS);
    }
    static constexpr CardSet legalCardsDiamonds(CardSet hand, CardBit led)
    {
        return legalCardsSuitGame(hand, led, GAME_DIAMONDS);
    }
    // Grand, grand ouvert and Ramsch: a led jack asks for jacks.
    static constexpr CardSet legalCardsGrand(CardSet hand, CardBit led)
    {
        const CardSet follow = rankOfBit(led) == RANK_JACK ? hand & JACKS : hand & suitMaskWithoutJack(suitOfBit(led));
        return follow != 0 ? follow : hand;
    }
    // Null: no trumps, the jack belongs to its suit.
    static constexpr CardSet legalCardsNull(CardSet hand, CardBit led)
    {
        const CardSet follow = hand & suitMask(suitOfBit(led));
        return follow != 0 ? follow : hand;
    }

    EINBLATT_SERIALIZABLE asSerializable() const;

    bool operator==(const EINBLATT&) const = default;

private:
    static constexpr CardSet legalCardsSuitGame(CardSet hand, CardBit led, GameType type)
    {
        const CardSet trumps = trumpMask(type);
        const CardSet follow =
            (bitMask(led) & trumps) != 0 ? hand & trumps : hand & suitMaskWithoutJack(suitOfBit(led));
        return follow != 0 ? follow : hand;
    }

    CardSet cards_ = 0;
};

// A hand as the element "EINBLATT": attributes "k1".."kN" with one card code
// each, in ascending CardBit order. The older form with "KARTE" children is
// only read.
class EINBLATT_SERIALIZABLE : public VORDIX_STREAM, public EINBLATT {
public:
    EINBLATT_SERIALIZABLE() = default;
    explicit EINBLATT_SERIALIZABLE(CardSet cards) : EINBLATT(cards) { }
    ~EINBLATT_SERIALIZABLE() override;

    bool read(const tinyxml2::XMLElement* element, const tinyxml2::XMLDocument& document) override;
    const char* elementName() const override { return "EINBLATT"; }
    void write(tinyxml2::XMLElement& element, tinyxml2::XMLDocument& document) const override;
};

namespace einblatt_xml {
// Attribute name "k1".."k12" of a display place.
const char* placeAttribute(int place);
inline constexpr int MAX_PLACES = 12;
} // namespace einblatt_xml
