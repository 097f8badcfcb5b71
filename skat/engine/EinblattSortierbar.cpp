#include "skat/engine/EinblattSortierbar.h"

#include <algorithm>
#include <tinyxml2.h>

EINBLATT_SORTIERBAR::EINBLATT_SORTIERBAR() { places_.fill(nullCard()); }

EINBLATT_SORTIERBAR::~EINBLATT_SORTIERBAR() = default;

void EINBLATT_SORTIERBAR::clear()
{
    clearCards();
    places_.fill(nullCard());
}

void EINBLATT_SORTIERBAR::addCard(CardId id)
{
    const KARTE* card = cardById(id);
    const int n = cardCount();
    if (card->isNull() || hasCard(id) || n >= MAX_CARDS)
        return;
    places_[n] = card;
    EINBLATT::addCard(id);
}

void EINBLATT_SORTIERBAR::removeCard(CardId id)
{
    const int place = positionOf(id);
    if (place < 0) {
        EINBLATT::removeCard(id);
        return;
    }
    std::copy(places_.begin() + place, places_.end(), places_.begin() + place - 1);
    places_.back() = nullCard();
    EINBLATT::removeCard(id);
}

int EINBLATT_SORTIERBAR::positionOf(CardId id) const
{
    if (!hasCard(id))
        return -1;
    const int n = cardCount();
    for (int i = 0; i < n; ++i)
        if (places_[i]->id() == id)
            return i + 1;
    return -1;
}

CardId EINBLATT_SORTIERBAR::cardIdAt(int place) const { return cardAt(place)->id(); }

const KARTE* EINBLATT_SORTIERBAR::cardAt(int place) const
{
    return place >= 1 && place <= cardCount() ? places_[place - 1] : nullCard();
}

void EINBLATT_SORTIERBAR::swapLastWith(int place)
{
    const int n = cardCount();
    if (n < 1)
        return;
    place = std::clamp(place, 1, n);
    std::swap(places_[n - 1], places_[place - 1]);
}

void EINBLATT_SORTIERBAR::assignCards(CardSet cards)
{
    clear();
    while (cards != 0)
        addCard(cardIdOfBit(popLowest(cards)));
}

void EINBLATT_SORTIERBAR::appendJacksInOrder(const SortSettings& settings, std::vector<const KARTE*>& target,
                                             CardSet hand)
{
    if (settings.direction != -1 && settings.direction != 1)
        return;
    for (int i = 0; i < 4; ++i) {
        const Suit suit = static_cast<Suit>(settings.direction == -1 ? SUIT_CLUBS + i : SUIT_DIAMONDS - i);
        if (hand & cardMask(suit, RANK_JACK))
            target.push_back(cardById(makeCardId(suit, RANK_JACK)));
    }
}

void EINBLATT_SORTIERBAR::appendSuitInOrder(const SortSettings& settings, std::vector<const KARTE*>& target, Suit suit,
                                            CardSet hand, GameType type)
{
    // High to low; reversed for direction 1.
    static constexpr Rank plainOrder[] = {RANK_ACE, RANK_TEN, RANK_KING, RANK_QUEEN, RANK_NINE, RANK_EIGHT, RANK_SEVEN};
    static constexpr Rank nullOrder[] = {RANK_ACE, RANK_KING, RANK_QUEEN, RANK_JACK,
                                         RANK_TEN, RANK_NINE, RANK_EIGHT, RANK_SEVEN};
    if (settings.direction != -1 && settings.direction != 1)
        return;
    const Rank* order = type == GAME_NULL ? nullOrder : plainOrder;
    const int length = type == GAME_NULL ? 8 : 7;
    for (int i = 0; i < length; ++i) {
        const Rank rank = order[settings.direction == -1 ? i : length - 1 - i];
        if (hand & cardMask(suit, rank))
            target.push_back(cardById(makeCardId(suit, rank)));
    }
}

namespace {

std::array<Suit, 4> suitSequence(CardSet hand, GameType type, const SortSettings& settings)
{
    const bool trumpFirst = settings.trumpsToJacks && isSuitGame(type);
    if (settings.suitOrder == 0) {
        const bool clubs = (hand & suitMaskWithoutJack(SUIT_CLUBS)) != 0;
        const bool hearts = (hand & suitMaskWithoutJack(SUIT_HEARTS)) != 0;
        const Suit redAfterClubs = hearts ? SUIT_HEARTS : SUIT_DIAMONDS;
        const Suit lastRed = hearts ? SUIT_DIAMONDS : SUIT_HEARTS;
        const Suit blackAfterRed = clubs ? SUIT_CLUBS : SUIT_SPADES;
        const Suit lastBlack = clubs ? SUIT_SPADES : SUIT_CLUBS;
        if (!trumpFirst)
            return {SUIT_CLUBS, redAfterClubs, SUIT_SPADES, lastRed};
        std::array<Suit, 4> order{};
        switch (type) {
        case GAME_CLUBS: order = {SUIT_CLUBS, redAfterClubs, SUIT_SPADES, lastRed}; break;
        case GAME_SPADES: order = {SUIT_SPADES, redAfterClubs, SUIT_CLUBS, lastRed}; break;
        case GAME_HEARTS: order = {SUIT_HEARTS, blackAfterRed, SUIT_DIAMONDS, lastBlack}; break;
        default: order = {SUIT_DIAMONDS, blackAfterRed, SUIT_HEARTS, lastBlack}; break;
        }
        if (settings.direction != -1)
            std::reverse(order.begin(), order.end());
        return order;
    }
    std::array<Suit, 4> order = settings.suitOrder == 1
                                    ? std::array<Suit, 4>{SUIT_DIAMONDS, SUIT_HEARTS, SUIT_SPADES, SUIT_CLUBS}
                                    : std::array<Suit, 4>{SUIT_CLUBS, SUIT_SPADES, SUIT_HEARTS, SUIT_DIAMONDS};
    if (trumpFirst) {
        auto trump = std::find(order.begin(), order.end(), type);
        if (settings.direction == -1)
            std::rotate(order.begin(), trump, trump + 1);
        else
            std::rotate(trump, trump + 1, order.end());
    }
    return order;
}

} // namespace

void EINBLATT_SORTIERBAR::sort(GameType type, const SortSettings& settings)
{
    const CardSet hand = cardSet();
    std::vector<const KARTE*> order;
    order.reserve(MAX_CARDS);
    if (settings.direction == -1 && type != GAME_NULL)
        appendJacksInOrder(settings, order, hand);
    for (Suit suit : suitSequence(hand, type, settings))
        appendSuitInOrder(settings, order, suit, hand, type);
    if (settings.direction == 1 && type != GAME_NULL)
        appendJacksInOrder(settings, order, hand);
    // A direction outside -1/1 sorts nothing: keep the hand as it is.
    if (static_cast<int>(order.size()) != cardCount())
        return;
    clear();
    for (const KARTE* card : order)
        addCard(card->id());
}

bool EINBLATT_SORTIERBAR::read(const tinyxml2::XMLElement* element, const tinyxml2::XMLDocument& document)
{
    if (element == nullptr)
        return false;
    clear();
    for (int place = 1; place <= MAX_CARDS; ++place)
        addCard(cardIdFromCode(element->Attribute(einblatt_xml::placeAttribute(place))));
    // Older form: one "KARTE" child per card, appended in file order.
    for (auto* child = element->FirstChildElement("KARTE"); child; child = child->NextSiblingElement("KARTE")) {
        KARTE card;
        card.read(child, document);
        addCard(card.id());
    }
    return true;
}

void EINBLATT_SORTIERBAR::write(tinyxml2::XMLElement& element, tinyxml2::XMLDocument&) const
{
    const int n = cardCount();
    for (int place = 1; place <= n; ++place)
        element.SetAttribute(einblatt_xml::placeAttribute(place), places_[place - 1]->code().c_str());
}
