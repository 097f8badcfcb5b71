#pragma once
// What a game message for one seat shows that the seat may not see.

#include "skat/net/SkatNetworkMessage.h"

// Cards a frame for the seat shows that the seat may not see: another
// seat's hand (but an open declarer's) and a skat it has not laid away
// itself. Only the settlement shows every card.
inline int hiddenCardsShown(const SKAT_NETWORKMESSAGE& message, Seat seat)
{
    if (message.stateIndex == STATE_ABRECHNUNG)
        return 0;
    const SPIELSTRUCT& record = message.record;
    const bool open =
        record.SPIELART.GEWINN_STUFE == WIN_LEVEL_OUVERT || record.SPIELART.GEWINN_STUFE == WIN_LEVEL_OUVERT_HAND;
    int shown = 0;
    for (Seat other = SEAT_0; other < SEAT_COUNT; ++other)
        if (other != seat && !(open && other == record.declarer()))
            shown += message.cards.hands[other].cardCount();
    // The declarer knows the skat once he has laid it away, not the dealt one.
    const bool laidAway = seat == record.declarer() && record.SPIELART.GEWINN_STUFE < WIN_LEVEL_HAND
                          && record.SPIELART.SPIEL_TYP != GAME_RAMSCH && message.cards.pile.skat().isComplete();
    if (!laidAway)
        shown += cardCount(message.cards.skat.cardSet() | message.cards.pile.skat().cardSet());
    return shown;
}
