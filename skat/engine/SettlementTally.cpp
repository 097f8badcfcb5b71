#include "skat/engine/Spielstruct.h"

#include "skat/engine/Stapel.h"

SettlementTally SettlementTally::fromPile(const STAPEL& pile)
{
    SettlementTally tally;
    tally.declarerPoints = pile.recordPoints(PARTY_DECLARER);
    tally.declarerCards = pile.recordCount(PARTY_DECLARER);
    tally.defenderPoints = pile.recordPoints(PARTY_DEFENDERS);
    tally.defenderCards = pile.recordCount(PARTY_DEFENDERS);
    tally.tricksPlayed = pile.trickCount();
    for (Seat seat = SEAT_0; seat < SEAT_COUNT; ++seat) {
        tally.cardsWonBy[seat] = pile.cardsWonBy(seat);
        tally.pointsWonBy[seat] = pile.pointsWonBy(seat);
    }
    tally.skatPoints = pile.skat().points();
    return tally;
}

void SPIELSTRUCT::settle(const STAPEL& pile) { settle(SettlementTally::fromPile(pile), currentRules()); }
