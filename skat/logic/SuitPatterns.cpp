#include "skat/logic/SuitPatterns.h"

#include <cstdio>

namespace {

constexpr CardId SIDE_KEYS[] = {11, 12, 13, 15, 16, 17, 18};
constexpr CardId NULL_KEYS[] = {11, 12, 13, 14, 15, 16, 17, 18};
constexpr CardId TRUMP_KEYS[] = {11, 12, 13, 15, 16, 17, 18, 44, 34, 24, 14};

} // namespace

void ARRAY_OF_FARBKARTEN::setKeys(const CardId* keys, int count)
{
    last = count - 1;
    for (int i = 0; i < 13; ++i)
        entries[i] = i < count ? Entry{keys[i], STATE_UNSET} : Entry{};
}

void ARRAY_OF_FARBKARTEN_BB::reset() { setKeys(SIDE_KEYS, 7); }
void ARRAY_OF_FARBKARTEN_N::reset() { setKeys(NULL_KEYS, 8); }
void ARRAY_OF_FARBKARTEN_TR::reset() { setKeys(TRUMP_KEYS, 11); }

CardId ARRAY_OF_FARBKARTEN_TR::keyOf(CardId card) const
{
    return rankOfCardId(card) == RANK_JACK ? card : ARRAY_OF_FARBKARTEN::keyOf(card);
}

CardId ARRAY_OF_FARBKARTEN_TR::cardOf(CardId key, Suit suit) const
{
    return rankOfCardId(key) == RANK_JACK ? key : ARRAY_OF_FARBKARTEN::cardOf(key, suit);
}

void ARRAY_OF_FARBKARTEN::setState(CardId card, PatternState state)
{
    const CardId key = keyOf(card);
    for (int i = 0; i <= last; ++i)
        if (entries[i].key == key) {
            entries[i].state = state;
            return;
        }
}

PatternState ARRAY_OF_FARBKARTEN::stateOf(CardId card) const
{
    const CardId key = keyOf(card);
    for (int i = 0; i <= last; ++i)
        if (entries[i].key == key)
            return entries[i].state;
    return STATE_UNSET;
}

PatternState placeState(const PatternView& view, CardId card)
{
    const CardSet mask = cardMaskOfId(card);
    if (!mask)
        return STATE_UNSET;
    if (view.own & mask)
        return STATE_OWN;
    if (view.trick & mask)
        return STATE_IN_TRICK;
    if (view.played & mask)
        return STATE_PLAYED;
    return STATE_OUTSTANDING;
}

void ARRAY_OF_FARBKARTEN::fill(const PatternView* view, Suit suit)
{
    reset();
    if (!view)
        return;
    for (int i = 0; i <= last; ++i)
        entries[i].state = placeState(*view, cardOf(entries[i].key, suit));
}

const wchar_t* tableKindName(int kind)
{
    static const wchar_t* const names[] = {L"", L"VHBB", L"VHTR", L"VHNL", L"MHBB", L"MHTR", L"MHNL", L"FLTR"};
    return kind >= 1 && kind <= 7 ? names[kind] : L"";
}

int tableKindOfName(const std::string& name)
{
    static const char* const names[] = {"VHBB", "VHTR", "VHNL", "MHBB", "MHTR", "MHNL", "FLTR"};
    for (int k = 0; k < 7; ++k)
        if (name == names[k])
            return k + 1;
    return 0;
}

std::wstring TABELLE::name() const
{
    wchar_t buffer[64];
    std::swprintf(buffer, 64, L"%ls(%d)", tableKindName(kind), number);
    return buffer;
}

int sideSuitPosition(Rank rank)
{
    if (!isValidRank(rank) || rank == RANK_JACK)
        return 0;
    return rank < RANK_JACK ? rank : rank - 1;
}

int trumpPosition(CardId card)
{
    const Rank rank = rankOfCardId(card);
    if (rank != RANK_JACK)
        return sideSuitPosition(rank);
    // Jacks of diamonds 8, hearts 9, spades 10, clubs 11.
    const Suit suit = suitOfCardId(card);
    return isValidSuit(suit) ? 12 - suit : 0;
}
