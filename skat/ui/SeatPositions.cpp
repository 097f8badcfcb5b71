#include "skat/ui/SeatPositions.h"

#include "skat/engine/Player.h"
#include "skat/engine/Skattisch.h"

int screenPositionOfSeat(const SKATTISCH* table, int seat)
{
    if (table && table->isClientTable()) {
        for (int slot = 0; slot < 3; ++slot) {
            PLAYER* player = table->playerInSlot(slot);
            if (dynamic_cast<HUMAN_PLAYER*>(player))
                return (seat - table->seatOf(player) + 4) % 3;
        }
    }
    return seat;
}
