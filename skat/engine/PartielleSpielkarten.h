#pragma once
// One seat's view of the card state: the other hands are hidden (only their
// sizes are kept), the declarer's hand shows in an open game, and the skat
// is hidden from everybody who has not seen it.

#include "skat/engine/Spielkarten.h"

class SPIELSTRUCT;

class PARTIELLE_SPIELKARTEN : public SPIELKARTEN {
public:
    PARTIELLE_SPIELKARTEN();
    ~PARTIELLE_SPIELKARTEN() override;

    // winLevel is the announced level (1 ouvert and 5 ouvert hand are open).
    void assignView(const SPIELKARTEN& full, Seat seat, Seat declarer, GameType type, int winLevel);
    void assignView(const SPIELKARTEN& full, Seat seat, const SPIELSTRUCT& game);

    bool viewReady = false;
    std::array<int, 3> handSizes{};
};
