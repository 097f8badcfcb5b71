#include "skat/engine/EinSpiel.h"

#include "skat/engine/Spielkarten.h"

EIN_SPIEL::~EIN_SPIEL() = default;

Seat EIN_SPIEL::forehand() const
{
    if (isValidSeat(pile.vh()))
        return pile.vh();
    return isValidSeat(deal.vhPos) ? deal.vhPos : SEAT_1;
}

StoredGameCards EIN_SPIEL::storedCards() const
{
    StoredGameCards cards;
    cards.deal = deal;
    cards.pile = pile;
    cards.skat = deal.skat;
    cards.gameType = record.SPIELART.SPIEL_TYP;
    cards.declarer = record.declarer();
    return cards;
}
