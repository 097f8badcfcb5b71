#include "skat/engine/Stich.h"

#include <algorithm>
#include <array>
#include <memory>
#include <tinyxml2.h>

namespace {

// Winner of the cards in a trick by the rules, on card bits (count 2 or 3):
// the same judgement as trickWinner below.
int winnerOfBits(GameType type, int count, CardBit b0, CardBit b1, CardBit b2)
{
    const CardBit bits[3] = {b0, b1, b2};
    const Suit led = suitOfBit(b0);
    if (type == GAME_NULL) {
        constexpr int nullOrder[9] = {-1, 1, 2, 3, 5, 6, 7, 4, 8};
        int best = 0;
        for (int i = 1; i < count; ++i)
            if (suitOfBit(bits[i]) == led && nullOrder[rankOfBit(bits[i])] > nullOrder[rankOfBit(bits[best])])
                best = i;
        return best;
    }
    // Strength: jacks 100 + (5 - suit), trumps 50 + rank, led suit rank, else 0.
    auto strength = [&](CardBit b) {
        if (rankOfBit(b) == RANK_JACK)
            return 100 + (5 - suitOfBit(b));
        if (isTrumpSuit(suitOfBit(b), type))
            return 50 + rankOfBit(b);
        return suitOfBit(b) == led ? rankOfBit(b) : 0;
    };
    int best = 0;
    for (int i = 1; i < count; ++i)
        if (strength(bits[i]) > strength(bits[best]))
            best = i;
    return best;
}

constexpr GameType representativeType(int group)
{
    return group == trick_tables::GROUP_NULL    ? GAME_NULL
           : group == trick_tables::GROUP_GRAND ? GAME_GRAND
                                                : static_cast<GameType>(group);
}

void fillTables(trick_tables::Data& d)
{
    for (int code = 0; code < trick_tables::CODES; ++code) {
        const auto c = static_cast<TrickCode>(code);
        d.points[code] = static_cast<std::uint8_t>(pointsOfRank(rankOfBit(trickCardBit(c, 0)))
                                                   + pointsOfRank(rankOfBit(trickCardBit(c, 1)))
                                                   + pointsOfRank(rankOfBit(trickCardBit(c, 2))));
    }
    for (int group = 0; group < trick_tables::GROUP_COUNT; ++group) {
        const GameType type = representativeType(group);
        for (int code = 0; code < trick_tables::CODES; ++code) {
            const auto c = static_cast<TrickCode>(code);
            d.winner[group][code] = static_cast<std::uint8_t>(
                winnerOfBits(type, 3, trickCardBit(c, 0), trickCardBit(c, 1), trickCardBit(c, 2)));
        }
        for (int code = 0; code < 1024; ++code)
            d.leaderOfTwo[group][code] = static_cast<std::uint8_t>(winnerOfBits(type, 2, code & 31, code >> 5, 0));
    }
}

// Is card b higher than card a in null (same suit assumed)?
bool beatsInNull(const KARTE* a, const KARTE* b) { return b->nullOrder() > a->nullOrder(); }

} // namespace

trick_tables::Data trick_tables::data{};

namespace {
// Fills the tables before any ordinary static object is constructed, so even
// a look-up during static initialisation finds them ready.
struct TableFiller {
    TableFiller() { fillTables(trick_tables::data); }
};
__attribute__((init_priority(101))) const TableFiller tableFiller;
} // namespace

int trickWinner(GameType type, const KARTE* first, const KARTE* second, const KARTE* third)
{
    const KARTE* cards[3] = {first, second, third};
    if (type == GAME_NULL) {
        int best = 0;
        for (int i = 1; i < 3; ++i)
            if (!cards[i]->isNull() && cards[i]->suit() == first->suit() && beatsInNull(cards[best], cards[i]))
                best = i;
        return best;
    }
    // Strength: jacks 100 + (5 - suit), trumps 50 + rank, led suit rank, else 0.
    auto strength = [&](const KARTE* card) {
        if (card->isNull())
            return -1;
        if (card->rank() == RANK_JACK)
            return 100 + (5 - card->suit());
        if (isTrumpSuit(card->suit(), type))
            return 50 + card->rank();
        return card->suit() == first->suit() ? card->rank() : 0;
    };
    int best = 0;
    for (int i = 1; i < 3; ++i)
        if (strength(cards[i]) > strength(cards[best]))
            best = i;
    return best;
}

STICH::STICH() = default;

STICH::STICH(TrickCode code, int count)
    : code_(static_cast<TrickCode>(code & 0x7FFF))
    , count_(static_cast<std::uint8_t>(count < 0   ? 0
                                       : count > 3 ? 3
                                                   : count))
{
}

void STICH::addCard(const KARTE* card)
{
    if (count_ >= 3 || card == nullptr || card->isNull())
        return;
    code_ = static_cast<TrickCode>(code_ | (card->bit() << (5 * count_)));
    ++count_;
}

void STICH::removeLastCard()
{
    if (count_ == 0)
        return;
    --count_;
    code_ = static_cast<TrickCode>(code_ & ~(31u << (5 * count_)));
}

const KARTE* STICH::card(int place) const
{
    if (place < 0)
        place += count_;
    return place >= 0 && place < count_ ? cardByBit(trickCardBit(code_, place)) : nullCard();
}

CardSet STICH::cardSet() const
{
    CardSet set = 0;
    for (int place = 0; place < count_; ++place)
        set |= bitMask(trickCardBit(code_, place));
    return set;
}

int STICH::points() const
{
    switch (count_) {
    case 1: return card(0)->points();
    case 2: return card(0)->points() + card(1)->points();
    case 3: return trickPoints(code_);
    default: return 0;
    }
}

int STICH::winner(GameType type) const
{
    if (count_ == 3)
        return trickWinnerIndex(type, code_);
    if (count_ == 2)
        return trickLeaderAfterTwo(type, trickCardBit(code_, 0), trickCardBit(code_, 1));
    return 0;
}

std::string STICH::codesText() const
{
    std::string text;
    for (int place = 0; place < count_; ++place) {
        text += card(place)->code();
        if (place < 2)
            text += ' ';
    }
    return text;
}

bool STICH::parseCodes(std::string_view text)
{
    clear();
    size_t pos = 0;
    while (count_ < 3 && pos < text.size()) {
        const size_t end = std::min(text.find(' ', pos), text.size());
        const std::string_view code = text.substr(pos, end - pos);
        if (code.size() < 2)
            break;
        const CardId id = makeCardId(suitFromLetter(code[0]), rankFromChar(code[1]));
        if (!isRealCard(id))
            break;
        addCard(id);
        pos = end + 1;
    }
    return true;
}

STICH_SERIALIZABLE STICH::asSerializable() const { return STICH_SERIALIZABLE(*this); }

STICH_SERIALIZABLE::~STICH_SERIALIZABLE() = default;

bool STICH_SERIALIZABLE::read(const tinyxml2::XMLElement* element, const tinyxml2::XMLDocument& document)
{
    if (element == nullptr)
        return false;
    clear();
    if (const char* s = element->Attribute("S")) {
        parseCodes(s);
        return true;
    }
    if (const char* first = element->Attribute("AUSP")) {
        for (const char* code : {first, element->Attribute("ZWEI"), element->Attribute("DREI")}) {
            const CardId id = cardIdFromCode(code);
            if (id == NO_CARD)
                break;
            addCard(id);
        }
        return true;
    }
    for (auto* child = element->FirstChildElement(); child; child = child->NextSiblingElement()) {
        KARTE card;
        card.read(child, document);
        addCard(cardById(card.id()));
    }
    return true;
}

void STICH_SERIALIZABLE::write(tinyxml2::XMLElement& element, tinyxml2::XMLDocument&) const
{
    element.SetAttribute("S", codesText().c_str());
}
