#include "skat/engine/Skat.h"

#include <cstring>
#include <tinyxml2.h>

SKAT::SKAT() : cards_{nullCard(), nullCard()} { }

SKAT::SKAT(CardId first, CardId second) : cards_{cardById(first), cardById(second)} { }

SKAT::~SKAT() = default;

const KARTE* SKAT::card(int place) const { return place == 1 || place == 2 ? cards_[place - 1] : nullCard(); }

void SKAT::setCard(int place, CardId id)
{
    if (place == 1 || place == 2)
        cards_[place - 1] = cardById(id);
}

void SKAT::clear() { cards_ = {nullCard(), nullCard()}; }

bool SKAT::isComplete() const { return !cards_[0]->isNull() && !cards_[1]->isNull(); }

int SKAT::points() const { return pointsOfSet(cardSet()); }

bool SKAT::read(const tinyxml2::XMLElement* element, const tinyxml2::XMLDocument& document)
{
    if (element == nullptr)
        return false;
    clear();
    cards_[0] = cardById(cardIdFromCode(element->Attribute("s0")));
    cards_[1] = cardById(cardIdFromCode(element->Attribute("s1")));
    int place = 0;
    for (auto* child = element->FirstChildElement("KARTE"); child && place < 2;
         child = child->NextSiblingElement("KARTE")) {
        KARTE card;
        card.read(child, document);
        cards_[place++] = cardById(card.id());
    }
    return true;
}

void SKAT::write(tinyxml2::XMLElement& element, tinyxml2::XMLDocument&) const
{
    if (!cards_[0]->isNull())
        element.SetAttribute("s0", cards_[0]->code().c_str());
    if (!cards_[1]->isNull())
        element.SetAttribute("s1", cards_[1]->code().c_str());
}

void SKAT::writeCodes(tinyxml2::XMLElement& element) const
{
    element.SetAttribute("SG", (cards_[0]->code() + ' ' + cards_[1]->code()).c_str());
}

bool SKAT::readCodes(const tinyxml2::XMLElement& element)
{
    clear();
    const char* text = element.Attribute("SG");
    if (text == nullptr)
        return true;
    cards_[0] = cardById(cardIdFromCode(text));
    if (const char* blank = std::strchr(text, ' '))
        cards_[1] = cardById(cardIdFromCode(blank + 1));
    return true;
}
