#pragma once
// One deal: the three hands in display order, the skat and the seat in
// forehand (VH_POS, -1 = not set).

#include "skat/engine/EinblattSortierbar.h"
#include "skat/engine/Skat.h"

#include <array>

class STAPEL;

class KARTENVERTEILUNG {
public:
    KARTENVERTEILUNG();
    KARTENVERTEILUNG(const KARTENVERTEILUNG&) = default;
    KARTENVERTEILUNG& operator=(const KARTENVERTEILUNG&) = default;
    virtual ~KARTENVERTEILUNG();

    // VH_POS 1, hands and skat empty.
    void clear();
    // Three hands of 10, a full skat, VH_POS set and no card twice.
    bool isValid() const;
    // The deal of a finished or stored game, rebuilt from its pile: the given
    // skat is the one dealt; with a declarer, the declarer's hand gets back
    // the laid-away cards and loses the dealt skat.
    void assignFromGame(const STAPEL& pile, const SKAT& skat, Seat declarer);
    // The two cards no hand holds go into the skat (for a deal read from a
    // file, which stores no skat). Nothing happens unless exactly two are left.
    void fillSkatFromRest();

    EINBLATT_SORTIERBAR& hand(Seat seat) { return hands[seat]; }
    const EINBLATT_SORTIERBAR& hand(Seat seat) const { return hands[seat]; }

    bool operator==(const KARTENVERTEILUNG& other) const
    {
        return hands == other.hands && skat == other.skat && vhPos == other.vhPos;
    }

    std::array<EINBLATT_SORTIERBAR, 3> hands;
    SKAT skat;
    Seat vhPos = SEAT_1;
};
