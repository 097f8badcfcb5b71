#pragma once
// What a player needs of the table it sits at: its view of the game, the
// flags the windows set, the stored exercise game and the place to hand its
// answer in. The table implements it; a player never takes the table lock
// itself.

#include "skat/engine/ComputerLogic.h"
#include "skat/engine/PlayerAktion.h"

#include <cstdint>

class EIN_SPIEL;
class PLAYER;
class SKATTISCH;

class PLAYER_TABLE {
public:
    virtual ~PLAYER_TABLE();

    // The game as the seat sees it, taken under the table lock.
    virtual void takeSnapshot(GameSnapshot& snapshot, Seat seat) const = 0;
    // Copies taken under the table lock.
    virtual SPIELSTRUCT recordCopy() const = 0;
    virtual SKAT skatCopy() const = 0;
    // The bid the table stored for the seat (0 for none).
    virtual int bidOfSeat(Seat seat) const = 0;
    virtual Seat seatOf(const PLAYER* player) const = 0;

    // The answer of the player in the slot; false when nobody waits for it.
    virtual bool playerFinished(int slot, const PLAYER_AKTION& answer) = 0;
    // Hands the request to the local player in the slot over the table's
    // queue worker; false when it could not be posted.
    virtual bool postLocalRequest(int slot, PlayerRequest kind) = 0;
    // The serial of the slot's open request of that kind; 0 when none.
    virtual std::uint32_t openRequestSerial(int slot, int kind) const = 0;

    virtual bool isClientTable() const = 0;
    virtual bool isNetworkGame() const = 0;
    // The windows asked to play the rest, or to end the card play.
    virtual bool playTheRestRequested() const = 0;
    virtual bool endCardPlayRequested() const = 0;
    // An exercise that still follows its stored game, and that game.
    virtual bool exerciseOnTrack() const = 0;
    virtual const EIN_SPIEL& storedExerciseGame() const = 0;
    // Kontra (a defender) or Re (the declarer after a Kontra) may be called
    // by the seat now.
    virtual bool mayCallKontra(Seat seat) const = 0;
    virtual bool mayCallRe(Seat seat) const = 0;

    // The table as the windows know it.
    virtual SKATTISCH& windowsTable() = 0;
};
