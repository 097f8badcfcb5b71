#include "skat/engine/PlayerAktion.h"

void PLAYER_AKTION::reset()
{
    requestKind = REQUEST_NONE;
    cutPosition = 0;
    kontra = 0;
    re = 0;
    bidValue = 0;
    handFlag = 0;
    discard = SKAT();
    card = NO_CARD;
    spielart = ::SPIELART();
    announceFlag = 0;
    confirmation = 0;
    serial = 0;
}
