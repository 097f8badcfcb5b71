#pragma once
// The two skat cards (places 1 and 2; the null card when empty) and their
// XML forms: element "SKAT" with "s0"/"s1", and the score-sheet attribute "SG".

#include "skat/engine/Karte.h"

#include <array>

class SKAT : public VORDIX_STREAM {
public:
    SKAT();
    SKAT(CardId first, CardId second);
    SKAT(const SKAT&) = default;
    SKAT& operator=(const SKAT&) = default;
    ~SKAT() override;

    bool read(const tinyxml2::XMLElement* element, const tinyxml2::XMLDocument& document) override;
    const char* elementName() const override { return "SKAT"; }
    void write(tinyxml2::XMLElement& element, tinyxml2::XMLDocument& document) const override;

    // Place 1 or 2; the null card for any other place.
    const KARTE* card(int place) const;
    CardId cardId(int place) const { return card(place)->id(); }
    void setCard(int place, CardId id);
    void clear();

    // Both places hold real cards.
    bool isComplete() const;
    bool isEmpty() const { return cards_[0]->isNull() && cards_[1]->isNull(); }
    CardSet cardSet() const { return cards_[0]->bitMask() | cards_[1]->bitMask(); }
    int points() const;

    // "SG" = the two codes separated by a blank ("LL" for an empty place).
    void writeCodes(tinyxml2::XMLElement& element) const;
    bool readCodes(const tinyxml2::XMLElement& element);

    bool operator==(const SKAT& other) const { return cards_ == other.cards_; }

private:
    std::array<const KARTE*, 2> cards_;
};
