#include "skat/engine/Karte.h"

#include "skat/engine/EngineTexts.h"

#include <array>
#include <tinyxml2.h>

KARTE::~KARTE() = default;

void KARTE::setId(CardId id)
{
    id_ = id;
    suit_ = suitOfCardId(id);
    rank_ = rankOfCardId(id);
    points_ = pointsOfRank(rank_);
    mask_ = id == 0 ? 0u : cardMask(suit_, rank_);
    bit_ = mask_ == 0 ? 0 : lowestBit(mask_);
}

int KARTE::trumpOrder() const
{
    // Jacks rank by suit (diamonds lowest); the other ranks skip the jack.
    constexpr int plain[9] = {-1, 1, 2, 3, 0, 4, 5, 6, 7};
    if (rank_ == RANK_JACK)
        return isValidSuit(suit_) ? 12 - suit_ : -1;
    return isValidRank(rank_) ? plain[rank_] : -1;
}

int KARTE::nullOrder() const
{
    constexpr int order[9] = {-1, 1, 2, 3, 5, 6, 7, 4, 8};
    return isValidRank(rank_) ? order[rank_] : -1;
}

char suitLetter(Suit suit)
{
    constexpr char letters[5] = {'L', 'K', 'P', 'H', 'C'};
    return isValidSuit(suit) ? letters[suit] : 'L';
}

char rankCharOf(Rank rank)
{
    constexpr char chars[9] = {'L', '7', '8', '9', 'B', 'D', 'K', '1', 'A'};
    return isValidRank(rank) ? chars[rank] : 'L';
}

char KARTE::rankChar() const { return rankCharOf(rank_); }

std::string KARTE::code() const { return {suitLetter(suit_), rankChar()}; }

std::wstring KARTE::rankName() const
{
    return rank_ >= 0 && rank_ <= 8 ? engineTexts()->rankWord(rank_) : std::wstring();
}

Suit suitFromLetter(char letter)
{
    switch (letter) {
    case 'K': return SUIT_CLUBS;
    case 'P': return SUIT_SPADES;
    case 'H': return SUIT_HEARTS;
    case 'C': return SUIT_DIAMONDS;
    default: return SUIT_NONE;
    }
}

Rank rankFromChar(char c)
{
    switch (c) {
    case '7': return RANK_SEVEN;
    case '8': return RANK_EIGHT;
    case '9': return RANK_NINE;
    case 'B': return RANK_JACK;
    case 'D': return RANK_QUEEN;
    case 'K': return RANK_KING;
    case '1': return RANK_TEN;
    case 'A': return RANK_ACE;
    default: return RANK_NONE;
    }
}

CardId cardIdFromCode(const char* code)
{
    if (code == nullptr || code[0] == '\0')
        return NO_CARD;
    const Suit suit = suitFromLetter(code[0]);
    const Rank rank = rankFromChar(code[1]);
    return suit != SUIT_NONE && rank != RANK_NONE ? makeCardId(suit, rank) : NO_CARD;
}

bool KARTE::read(const tinyxml2::XMLElement* element, const tinyxml2::XMLDocument&)
{
    if (element == nullptr)
        return false;
    Suit suit = SUIT_NONE;
    Rank rank = RANK_NONE;
    const char* code = element->Attribute("CODE");
    if (code != nullptr && code[0] != '\0') {
        suit = suitFromLetter(code[0]);
        rank = rankFromChar(code[1]); // '\0' for a one-character code: rank none
    } else {
        const char* farbe = element->Attribute("FARBE");
        const char* blatt = element->Attribute("BLATT");
        suit = farbe != nullptr ? suitFromLetter(farbe[0]) : SUIT_NONE;
        rank = blatt != nullptr ? rankFromChar(blatt[0]) : RANK_NONE;
    }
    setId(makeCardId(suit, rank));
    return true;
}

void KARTE::write(tinyxml2::XMLElement& element, tinyxml2::XMLDocument&) const
{
    element.SetAttribute("CODE", code().c_str());
}

namespace {

struct CardTable {
    std::array<KARTE, 49> byId; // index CardId; unused entries hold the null card
    std::array<const KARTE*, 49> pointerById;
    std::array<const KARTE*, 32> byBit;

    CardTable()
    {
        for (CardId id = 0; id < 49; ++id) {
            byId[id].setId(isRealCard(id) ? id : NO_CARD);
            pointerById[id] = isRealCard(id) ? &byId[id] : &byId[0];
        }
        for (CardBit b = 0; b < 32; ++b)
            byBit[b] = &byId[cardIdOfBit(b)];
    }
};

// Built once on first use; the cards live until the process ends.
const CardTable& cardTable()
{
    static const CardTable* table = new CardTable;
    return *table;
}

} // namespace

void buildCardTable() { (void)cardTable(); }

const KARTE* cardById(CardId id)
{
    const CardTable& table = cardTable();
    return id >= 0 && id < 49 ? table.pointerById[id] : table.pointerById[0];
}

const KARTE* cardByBit(CardBit bit)
{
    const CardTable& table = cardTable();
    return bit >= 0 && bit < 32 ? table.byBit[bit] : table.pointerById[0];
}

const KARTE* nullCard() { return cardById(NO_CARD); }

const KARTE* cardAtTrumpPosition(Suit suit, int position)
{
    constexpr Rank plainRanks[8] = {0, RANK_SEVEN, RANK_EIGHT, RANK_NINE, RANK_QUEEN, RANK_KING, RANK_TEN, RANK_ACE};
    if (!isValidSuit(suit) || position < 1 || position > 11)
        return nullCard();
    if (position <= 7)
        return cardById(makeCardId(suit, plainRanks[position]));
    return cardById(makeCardId(static_cast<Suit>(12 - position), RANK_JACK));
}

int lowestOrderPosition(CardSet set)
{
    constexpr CardSet plainByPosition[7] = {SEVENS, EIGHTS, NINES, QUEENS, KINGS, TENS, ACES};
    for (int i = 0; i < 7; ++i)
        if (set & plainByPosition[i])
            return i + 1;
    for (Suit s = SUIT_CLUBS; s <= SUIT_DIAMONDS; ++s)
        if (set & cardMask(s, RANK_JACK))
            return 7 + s;
    return -1;
}

const KARTE* lowestCard(CardSet set)
{
    if (set == 0)
        return nullCard();
    // Highest non-empty byte, then its lowest bit.
    const int byte = (31 - std::countl_zero(set)) / 8;
    const CardSet inByte = set & (CardSet{0xFFu} << (byte * 8));
    return cardByBit(lowestBit(inByte));
}
