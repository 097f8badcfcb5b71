#include "skat/engine/Einblatt.h"

#include "skat/engine/Karte.h"
#include "skat/engine/Skat.h"

#include <algorithm>
#include <tinyxml2.h>

namespace {

// The trumps from the top: jacks clubs..diamonds, then ace, ten, king,
// queen, nine, eight, seven of the trump suit.
int spitzenRun(CardSet hand, Suit trump, int length)
{
    std::array<CardSet, 11> order{};
    for (int i = 0; i < 4; ++i)
        order[i] = cardMask(static_cast<Suit>(SUIT_CLUBS + i), RANK_JACK);
    for (int pos = 7, i = 4; pos >= 1; --pos, ++i)
        order[i] = cardAtTrumpPosition(trump, pos)->bitMask();
    const bool held = (hand & order[0]) != 0;
    int run = 0;
    while (run < length && ((hand & order[run]) != 0) == held)
        ++run;
    return held ? run : -run;
}

CardSet withSkat(CardSet hand, const SKAT& skat)
{
    return cardCount(hand) == CARDS_IN_HAND ? hand | skat.cardSet() : hand;
}

} // namespace

int EINBLATT::spitzenGrand() const { return spitzenRun(cards_, SUIT_NONE, 4); }

int EINBLATT::spitzen(Suit trump) const { return spitzenRun(cards_, trump, isValidSuit(trump) ? 11 : 4); }

int EINBLATT::spitzenGrandWithSkat(const SKAT& skat) const { return EINBLATT(withSkat(cards_, skat)).spitzenGrand(); }

int EINBLATT::spitzenWithSkat(const SKAT& skat, Suit trump) const
{
    return EINBLATT(withSkat(cards_, skat)).spitzen(trump);
}

EINBLATT::SideSuits EINBLATT::sideSuitsByLength(Suit trump) const
{
    SideSuits result;
    if (!isValidSuit(trump))
        return result;
    result.trumpCount = trumpCount(suitGame(trump));
    std::array<SuitLength, 3> others;
    int n = 0;
    for (Suit s = SUIT_CLUBS; s <= SUIT_DIAMONDS; ++s)
        if (s != trump)
            others[n++] = {suitCount(s), s};
    std::stable_sort(others.begin(), others.end(),
                     [](const SuitLength& a, const SuitLength& b) { return a.length < b.length; });
    result.shortest = others[0];
    result.middle = others[1];
    result.longest = others[2];
    return result;
}

EINBLATT_SERIALIZABLE EINBLATT::asSerializable() const { return EINBLATT_SERIALIZABLE(cards_); }

EINBLATT_SERIALIZABLE::~EINBLATT_SERIALIZABLE() = default;

const char* einblatt_xml::placeAttribute(int place)
{
    static const char* const names[MAX_PLACES] = {"k1", "k2", "k3", "k4",  "k5",  "k6",
                                                  "k7", "k8", "k9", "k10", "k11", "k12"};
    return place >= 1 && place <= MAX_PLACES ? names[place - 1] : "";
}

bool EINBLATT_SERIALIZABLE::read(const tinyxml2::XMLElement* element, const tinyxml2::XMLDocument& document)
{
    if (element == nullptr)
        return false;
    CardSet cards = 0;
    for (int place = 1; place <= einblatt_xml::MAX_PLACES; ++place)
        cards |= cardMaskOfId(cardIdFromCode(element->Attribute(einblatt_xml::placeAttribute(place))));
    for (auto* child = element->FirstChildElement("KARTE"); child; child = child->NextSiblingElement("KARTE")) {
        KARTE card;
        card.read(child, document);
        cards |= card.bitMask();
    }
    setCardSet(cards);
    return true;
}

void EINBLATT_SERIALIZABLE::write(tinyxml2::XMLElement& element, tinyxml2::XMLDocument&) const
{
    int place = 1;
    for (CardSet rest = cardSet(); rest != 0 && place <= einblatt_xml::MAX_PLACES;)
        element.SetAttribute(einblatt_xml::placeAttribute(place++), cardByBit(popLowest(rest))->code().c_str());
}
