#pragma once
// A player's action record: the request it was asked and the answer it
// gives. The table copies an accepted answer, so a late writer can never
// change what the game flow reads.

#include "skat/engine/Skat.h"
#include "skat/engine/Spielart.h"
#include "skat/engine/TableTypes.h"

#include <cstdint>

class PLAYER_AKTION {
public:
    // Clears the request and every answer field.
    void reset();

    int requestKind = REQUEST_NONE;
    int cutPosition = 0;
    std::uint8_t kontra = 0;
    std::uint8_t re = 0;
    int bidValue = 0;
    std::uint8_t handFlag = 0;
    SKAT discard;
    CardId card = NO_CARD;
    ::SPIELART spielart;
    std::uint8_t announceFlag = 0; // after a discard: go back to the skat
    int confirmation = 0;
    // The request this answer belongs to (0: none); given by the table.
    std::uint32_t serial = 0;
};
