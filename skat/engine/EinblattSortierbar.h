#pragma once
// A hand with a display order of up to 12 cards (10 dealt plus the skat):
// sorted for the screen by game type and the user's sorting preference, and
// edited card by card. Places 1..n hold the set's cards, the rest the null card.

#include "skat/engine/Einblatt.h"
#include "skat/engine/Karte.h"

#include <array>
#include <vector>

// How the user wants the hand sorted; the application shell fills it from
// the sorting preference.
struct SortSettings {
    int direction = -1;         // -1 high cards first, jacks in front; 1 low first, jacks at the end
    int suitOrder = -1;         // -1 clubs..diamonds; 1 diamonds..clubs; 0 colours alternating
    bool trumpsToJacks = false; // in a suit game the trump suit stands next to the jacks
};

class EINBLATT_SORTIERBAR : public EINBLATT_SERIALIZABLE {
public:
    static constexpr int MAX_CARDS = einblatt_xml::MAX_PLACES;

    EINBLATT_SORTIERBAR();
    ~EINBLATT_SORTIERBAR() override;

    // "k1".."kN" in display order; "KARTE" children (older form) are read too.
    bool read(const tinyxml2::XMLElement* element, const tinyxml2::XMLDocument& document) override;
    void write(tinyxml2::XMLElement& element, tinyxml2::XMLDocument& document) const override;

    void clear();
    // Appends the card at the next place; absent cards only, at most 12.
    void addCard(CardId id);
    // Removes the card; the places after it move up.
    void removeCard(CardId id);
    // 1-based place of the card, -1 when absent.
    int positionOf(CardId id) const;
    // Card id at a 1-based place; 0 outside 1..cardCount.
    CardId cardIdAt(int place) const;
    const KARTE* cardAt(int place) const;
    // Swaps the last place with the given one (limited to 1..n).
    void swapLastWith(int place);
    // Fills the display places with the set's cards in ascending CardBit order.
    void assignCards(CardSet cards);

    // Rebuilds the display order for the game type (0 before it is known).
    void sort(GameType type, const SortSettings& settings);

    static void appendJacksInOrder(const SortSettings& settings, std::vector<const KARTE*>& target, CardSet hand);
    static void appendSuitInOrder(const SortSettings& settings, std::vector<const KARTE*>& target, Suit suit,
                                  CardSet hand, GameType type);

    bool operator==(const EINBLATT_SORTIERBAR& other) const
    {
        return cardSet() == other.cardSet() && places_ == other.places_;
    }

private:
    std::array<const KARTE*, MAX_CARDS> places_;
};
