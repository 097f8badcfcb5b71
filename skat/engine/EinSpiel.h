#pragma once
// One row of a score sheet: the game's deal, its tricks and record, and per
// player column the running totals as of this row.

#include "skat/engine/Kartenverteilung.h"
#include "skat/engine/Observable.h"
#include "skat/engine/Spielstruct.h"
#include "skat/engine/Stapel.h"

#include <array>

struct StoredGameCards;

inline constexpr int SHEET_COLUMNS = 4;

class EIN_SPIEL : public OBSERVABLE {
public:
    EIN_SPIEL() = default;
    EIN_SPIEL(const EIN_SPIEL&) = default;
    EIN_SPIEL& operator=(const EIN_SPIEL&) = default;
    ~EIN_SPIEL() override;

    // The deal as dealt (hands, the dealt skat, the forehand).
    KARTENVERTEILUNG deal;
    // The tricks; 10 when the game was played out.
    STAPEL pile;
    SPIELSTRUCT record;
    // Seat numbering base of a row read from a file; 1 once normalised.
    int seatBase = 1;
    // The row's "Modus" flag (a free game entered in the sheet).
    bool listMode = false;

    // Running totals per player column, this row and all earlier ones.
    std::array<int, SHEET_COLUMNS> wonGames{};
    std::array<int, SHEET_COLUMNS> lostGames{};
    std::array<int, SHEET_COLUMNS> points{};      // classic score
    std::array<int, SHEET_COLUMNS> minusPoints{}; // Bierlachs
    int passedGames = 0;                          // running count of passed-in games

    int trickCount() const { return pile.trickCount(); }
    // The forehand of the stored game: its pile's, else its deal's, else 1.
    Seat forehand() const;
    // What the card state needs to set the stored game up again.
    StoredGameCards storedCards() const;
};
