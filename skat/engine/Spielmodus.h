#pragma once
// How the table's next game is produced: the next game of the score sheet,
// a free game with a chosen forehand, a repeat of the last deal, a card
// distribution, or a stored game (replayed or played as an exercise).

#include "skat/engine/EinSpiel.h"
#include "skat/engine/Kartenverteilung.h"

class LISTE;
class SPIELKARTEN;

enum NextGameMode : int {
    MODE_NEXT_OF_LIST = 0,
    MODE_FREE_GAME = 1,
    MODE_REPEAT = 2,
    MODE_DISTRIBUTION = 3,
    MODE_STORED_GAME = 4,
};

class SPIELMODUS {
public:
    SPIELMODUS() = default;
    SPIELMODUS(const SPIELMODUS&) = default;
    SPIELMODUS& operator=(const SPIELMODUS&) = default;
    virtual ~SPIELMODUS();

    // Each setter first clears the repeat, stored-game and exercise flags
    // (not the free-game flag) and sets the forehand to 1.

    // The next game of the sheet; the forehand turns with the number of rows
    // (on a four-player sheet it is always seat 1, the player after the
    // dealer, who sits out). Returns the deal cycle of that game.
    int setNextOfList(const LISTE& sheet);
    void setForehand(Seat seat);
    // The previous deal again, with its own forehand.
    void setRepeat(const SPIELKARTEN& cards);
    void setStoredGame(const EIN_SPIEL& game, int startTrick);
    void setExercise(const EIN_SPIEL& game);
    // A free game from the distribution.
    void setDistribution(const KARTENVERTEILUNG& deal);

    // The game goes onto the sheet (and the sheet's 36-game end applies):
    // always for the next game of the sheet, for a free game only when free
    // games are entered, never otherwise.
    bool countsListEnd() const;
    // The Bock counter for the next game: the sheet's for a game that is
    // entered; 0 for one that is not, which leaves the sheet's Bock round as
    // it was.
    int bockCounterForNextGame(const LISTE& sheet) const;

    int mode = MODE_NEXT_OF_LIST;
    KARTENVERTEILUNG distribution;
    EIN_SPIEL storedGame;
    bool repeatFlag = false;
    bool storedGameFlag = false;
    int startTrick = -1;
    bool exerciseFlag = false;
    // First trick (0 to 10) where an exercise left the stored play; -1 while
    // it follows it.
    int deviationIndex = -1;
    Seat forehand = SEAT_1;
    // The game is not a game of the sheet and may be interrupted without asking.
    bool freeGame = false;

private:
    void clearFlags();
};
