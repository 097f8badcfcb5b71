#pragma once
// What the game window reads of the table's state: a copy taken under the
// table's lock, then read on the GUI thread without it. The game loop and
// the queue worker change the card state, the record and the next-game mode
// under that lock at any time; a view reading them in place could see a
// trick half collected or a record half written, and a paint holding the
// lock would hold up the game. The seated players and the kind of table are
// asked of the table itself: they change only while no game runs.

#include "skat/engine/Skattisch.h"

#include <array>

class TableSnapshot {
public:
    // Takes the copy under the table's lock; a table converts to it where a
    // function reads a snapshot.
    TableSnapshot(const SKATTISCH& table); // NOLINT(google-explicit-constructor)

    // What the score sheet tells the window.
    struct SheetFacts {
        int rows = 0;
        std::array<int, 3> lastPoints{};
        // The names over the columns (a network table's are its players').
        std::array<std::wstring, 3> names;
        // The row the stored game (a repeat or an exercise) was taken from; -1: none.
        int storedGameRow = -1;
        int rowCount() const { return rows; }
        int lastRowPoints(int column) const
        {
            return column >= 0 && column < 3 ? lastPoints[static_cast<std::size_t>(column)] : 0;
        }
    };

    int currentIndex = STATE_NONE;
    SPIELMODUS modus;
    SPIELSTRUCT record;
    SPIELKARTEN cards;
    HeldCounts heldCounts = HANDS_KNOWN;
    SheetFacts sheet;

    // The seat holds cards this program may not see (a guest's view of
    // the other seats' hands).
    bool handHidden(Seat seat) const;
    // The cards the seat's hand view shows: the known hand and, for a hidden
    // hand, as many stand-ins as the seat holds, to be drawn face down. The
    // stand-ins are cards shown nowhere else on the table, and no two
    // hidden hands share one.
    CardSet handShown(Seat seat) const;

    const SKATTISCH& table() const { return *table_; }
    PLAYER* playerAtSeat(Seat seat) const { return table_->playerAtSeat(seat); }
    PLAYER* playerInSlot(int slot) const { return table_->playerInSlot(slot); }
    Seat seatOf(const PLAYER* player) const { return table_->seatOf(player); }
    bool isClientTable() const { return table_->isClientTable(); }
    bool isNetworkGame() const { return table_->isNetworkGame(); }
    bool isServerTableWithRemote() const { return table_->isServerTableWithRemote(); }
    bool isInCardPlay() const { return currentIndex == STATE_KARTE_AUSSPIELEN || currentIndex == STATE_STICH_ABLEGEN; }

private:
    const SKATTISCH* table_;
};
