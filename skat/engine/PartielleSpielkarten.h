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

    // Element "PARTIELLE_SPIELKARTEN": the card state's parts with the seat
    // of the view ("SICHT") and the sizes of the hands ("N0".."N2"). Reading
    // checks what a view can hold (no card twice, sizes 0..12), not a whole
    // deck; a damaged view is cleared and refused.
    bool read(const tinyxml2::XMLElement* element, const tinyxml2::XMLDocument& document) override;
    const char* elementName() const override { return "PARTIELLE_SPIELKARTEN"; }
    void write(tinyxml2::XMLElement& element, tinyxml2::XMLDocument& document) const override;

    Seat viewSeat = SEAT_NONE;
    bool viewReady = false;
    std::array<int, 3> handSizes{};
};
