#include "skat/engine/PartielleSpielkarten.h"

#include "skat/engine/Spielart.h"
#include "skat/engine/Spielstruct.h"

PARTIELLE_SPIELKARTEN::PARTIELLE_SPIELKARTEN() = default;

PARTIELLE_SPIELKARTEN::~PARTIELLE_SPIELKARTEN() = default;

void PARTIELLE_SPIELKARTEN::assignView(const SPIELKARTEN& full, Seat seat, Seat declarer, GameType type, int winLevel)
{
    static_cast<SPIELKARTEN&>(*this) = full;
    for (Seat s = SEAT_0; s < SEAT_COUNT; ++s) {
        handSizes[s] = hands[s].cardCount();
        hands[s].clearCards();
    }
    if (isValidSeat(seat))
        hands[seat] = full.hands[seat];
    const bool open = winLevel == WIN_LEVEL_OUVERT || winLevel == WIN_LEVEL_OUVERT_HAND;
    if (open && isValidSeat(declarer))
        hands[declarer] = full.hands[declarer];
    if (type != GAME_NONE) {
        // The declarer who took the skat knows it; in Ramsch nobody does.
        const bool knowsSkat = seat == declarer && type != GAME_RAMSCH && winLevel < WIN_LEVEL_HAND;
        if (!knowsSkat) {
            skat.clear();
            pile.setSkatHidden(true);
        }
    }
    viewReady = true;
}

void PARTIELLE_SPIELKARTEN::assignView(const SPIELKARTEN& full, Seat seat, const SPIELSTRUCT& game)
{
    assignView(full, seat, game.declarer(), game.SPIELART.SPIEL_TYP, game.SPIELART.GEWINN_STUFE);
}
