#include "skat/engine/Spielmodus.h"

#include "skat/engine/Liste.h"
#include "skat/engine/SheetServices.h"
#include "skat/engine/Spielkarten.h"

SPIELMODUS::~SPIELMODUS() = default;

void SPIELMODUS::clearFlags()
{
    repeatFlag = false;
    storedGameFlag = false;
    exerciseFlag = false;
    startTrick = -1;
    deviationIndex = -1;
    forehand = SEAT_1;
}

int SPIELMODUS::setNextOfList(const LISTE& sheet)
{
    clearFlags();
    mode = MODE_NEXT_OF_LIST;
    const int rows = sheet.rowCount();
    if (sheet.places == 4) {
        // At a table of four the dealer sits out and the player after the
        // dealer leads: the sheet puts seat 1 in the column after the
        // dealer's in every game.
        forehand = SEAT_1;
        return rows / 4;
    }
    forehand = seatAfter(SEAT_0, rows + 2);
    return (rows + 2) / SEAT_COUNT;
}

void SPIELMODUS::setForehand(Seat seat)
{
    clearFlags();
    mode = MODE_FREE_GAME;
    if (isValidSeat(seat))
        forehand = seat;
}

void SPIELMODUS::setRepeat(const SPIELKARTEN& cards)
{
    clearFlags();
    mode = MODE_REPEAT;
    repeatFlag = true;
    const Seat dealt = cards.dealAsDealt.vhPos;
    if (isValidSeat(dealt))
        forehand = dealt;
    else if (isValidSeat(cards.pile.vh()))
        forehand = cards.pile.vh();
}

void SPIELMODUS::setStoredGame(const EIN_SPIEL& game, int trick)
{
    clearFlags();
    mode = MODE_STORED_GAME;
    storedGame = game;
    storedGameFlag = true;
    startTrick = trick;
    forehand = game.forehand();
}

void SPIELMODUS::setExercise(const EIN_SPIEL& game)
{
    clearFlags();
    mode = MODE_STORED_GAME;
    storedGame = game;
    exerciseFlag = true;
    deviationIndex = -1;
    forehand = game.forehand();
}

void SPIELMODUS::setDistribution(const KARTENVERTEILUNG& deal)
{
    clearFlags();
    mode = MODE_DISTRIBUTION;
    distribution = deal;
    freeGame = true;
    if (isValidSeat(deal.vhPos))
        forehand = deal.vhPos;
}

bool SPIELMODUS::countsListEnd() const
{
    if (mode == MODE_NEXT_OF_LIST)
        return true;
    if (mode == MODE_FREE_GAME)
        return sheetServices()->enterFreeGames();
    return false;
}

int SPIELMODUS::bockCounterForNextGame(const LISTE& sheet) const
{
    return countsListEnd() ? sheet.nextBockCounter() : 0;
}
