#include "skat/ui/SeatPositions.h"

#include "skat/engine/Player.h"
#include "skat/engine/Skattisch.h"

#include <atomic>

namespace {

std::atomic<int> faced{-1};

} // namespace

bool userPlaysEverySeat(const SKATTISCH* table)
{
    if (!table || table->isClientTable())
        return false;
    for (int slot = 0; slot < 3; ++slot)
        if (!dynamic_cast<HUMAN_PLAYER*>(table->playerInSlot(slot)))
            return false;
    return true;
}

void faceSeat(int seat) { faced.store(seat); }

int facedSeat() { return faced.load(); }

int screenPositionOfSeat(const SKATTISCH* table, int seat)
{
    if (table && table->isClientTable()) {
        for (int slot = 0; slot < 3; ++slot) {
            PLAYER* player = table->playerInSlot(slot);
            if (dynamic_cast<HUMAN_PLAYER*>(player))
                return (seat - table->seatOf(player) + 4) % 3;
        }
    }
    const int front = facedSeat();
    if (front >= 0 && userPlaysEverySeat(table))
        return (seat - front + 4) % 3;
    return seat;
}
