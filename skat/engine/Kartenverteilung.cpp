#include "skat/engine/Kartenverteilung.h"

#include "skat/engine/Stapel.h"

KARTENVERTEILUNG::KARTENVERTEILUNG() { clear(); }

KARTENVERTEILUNG::~KARTENVERTEILUNG() = default;

void KARTENVERTEILUNG::clear()
{
    vhPos = SEAT_1;
    for (auto& h : hands)
        h.clear();
    skat.clear();
}

bool KARTENVERTEILUNG::isValid() const
{
    if (vhPos == SEAT_NONE || skat.cardId(1) == NO_CARD || skat.cardId(2) == NO_CARD)
        return false;
    CardSet seen = 0;
    for (const auto& h : hands) {
        if (h.cardCount() != CARDS_IN_HAND || (seen & h.cardSet()) != 0)
            return false;
        seen |= h.cardSet();
    }
    return (seen & skat.cardSet()) == 0 && skat.cardId(1) != skat.cardId(2);
}

void KARTENVERTEILUNG::assignFromGame(const STAPEL& pile, const SKAT& dealtSkat, Seat declarer)
{
    skat = dealtSkat;
    for (Seat seat = SEAT_0; seat < SEAT_COUNT; ++seat)
        hands[seat] = pile.startingHandOf(seat);
    if (isValidSeat(declarer)) {
        EINBLATT_SORTIERBAR& own = hands[declarer];
        const SKAT laidAway = pile.skat();
        for (int place = 1; place <= 2; ++place)
            own.addCard(laidAway.cardId(place));
        for (int place = 1; place <= 2; ++place)
            own.removeCard(dealtSkat.cardId(place));
    }
    vhPos = pile.vh();
}

void KARTENVERTEILUNG::fillSkatFromRest()
{
    CardSet rest = ALL_CARDS;
    for (const auto& h : hands)
        rest &= ~h.cardSet();
    if (cardCount(rest) != 2)
        return;
    const CardSet first = rest & (~rest + 1);
    skat = SKAT(cardByBit(lowestBit(first))->id(), cardByBit(lowestBit(rest & ~first))->id());
}
