#pragma once
// The rules the game flow follows, as plain values and functions without
// locks or threads: the bidding, the taker of a trick and the place of a
// seat's card in it, and what ends the card play. The states take a copy of
// what they need under the table lock, ask these, and commit the result
// under the lock again.

#include "skat/engine/BidTable.h"
#include "skat/engine/Rules.h"
#include "skat/engine/Spielstruct.h"
#include "skat/engine/Stich.h"
#include "skat/engine/TableTypes.h"

#include <array>

// ------------------------------------------------------------------ bidding

// Bidding modes of a turn: the seat names a higher value, or holds the one named.
inline constexpr int BID_MODE_NAME = 1;
inline constexpr int BID_MODE_HOLD = 2;

// The value a seat is asked to name (the next one of the table) or to hold
// at the bid index.
constexpr int bidValueAsked(int bidIndex, int mode)
{
    return bidValueAt(mode == BID_MODE_NAME ? bidIndex + 1 : bidIndex);
}

// A computer seat's answer for its bid limit: the value asked while the
// limit allows it, else the value it said before (which passes).
int computerBidAnswer(int limit, int bidIndex, int mode, int saidBefore);

enum class BidStep {
    RAISED, // the bid stands higher, or the answerer holds it
    PASSED, // the seat left the bidding; it goes on between the others
    DONE,   // the bidding is over: declarer() and reachedIndex() tell the result
};

// The bidding of one game. Middlehand names values to forehand until one
// passes; the one left meets rearhand the same way. When all passed,
// forehand may still play for 18. A bid at the top of the table is final:
// nobody is asked to go higher.
class BIDDING {
public:
    explicit BIDDING(Seat forehand);

    bool isDone() const { return phase_ == Phase::DONE; }
    // The seat asked now and how (BID_MODE_NAME or BID_MODE_HOLD); only
    // while the bidding is not done.
    Seat seatToAnswer() const { return asked_; }
    int mode() const { return mode_; }
    int valueAsked() const { return bidValueAsked(index_, mode_); }
    // Index of the highest value bid so far (0: none).
    int bidIndex() const { return index_; }

    // The answer of the asked seat: the value it says (its old value, or
    // anything not above the one named, passes).
    BidStep apply(Seat seat, int value);

    // Once done: the seat that plays (forehand when all passed) and the
    // index reached (0 when nobody bid, not even forehand).
    Seat declarer() const { return winner_; }
    int reachedIndex() const { return index_; }

private:
    enum class Phase { FIRST_DUEL, SECOND_DUEL, FOREHAND_LAST, DONE };
    // Sets the next question, skipping the ones the table answers itself.
    void askNext();
    // The duel between caller and answerer is decided for the seat.
    void duelWonBy(Seat seat);

    Seat forehand_;
    Phase phase_ = Phase::FIRST_DUEL;
    Seat caller_ = SEAT_NONE;
    Seat answerer_ = SEAT_NONE;
    Seat asked_ = SEAT_NONE;
    int mode_ = BID_MODE_NAME;
    int index_ = 0;
    Seat winner_ = SEAT_NONE;
};

// ----------------------------------------------------------------- card play

// The seat that takes a full trick led by leader.
inline Seat trickTaker(const STICH& trick, Seat leader, GameType type) { return seatAfter(leader, trick.winner(type)); }

// What a finished trick leaves the game with.
struct TrickEnd {
    bool endsEarly = false; // the declarer has lost: it gives up, the rest is not played
    bool playGoesOn = false;
};

// After a trick was taken: a null declarer who took a trick, or any trick
// of the defenders in an open hand game (not null) ends the game early;
// play goes on while cards are left and nobody gave up.
struct PlayState {
    GameType type = GAME_NONE;
    int winLevel = 0;
    int declarerRecordCount = 0; // cards in the declarer's pile, the skat included
    int defenderRecordCount = 0;
    int cardsInHands = 0;
    bool declarerGaveUp = false;
    bool defendersGaveUp = false;
};
TrickEnd afterTrick(const PlayState& state);

// Kontra: a defender may call it under the rules in force at the first card
// it plays (variant 2 also after the first trick), never in Ramsch, never
// while an exercise follows its stored game, and with "only from 18" only
// after a bid of 18 or more. stateIndex is the table's state, cardsInHand
// the seat's cards.
bool kontraAllowed(const RuleSettings& rules, const SPIELSTRUCT_CORE& record, Seat seat, int stateIndex,
                   int cardsInHand, bool exerciseOnTrack);
// Re: the declarer after a Kontra, at its first or second card.
bool reAllowed(const RuleSettings& rules, const SPIELSTRUCT_CORE& record, Seat seat, int stateIndex, int cardsInHand);

// --------------------------------------------------------------- settlement

// Whether the settled game sets off Bock games under the rules: 60 to 60,
// a Kontra won or lost, 90 points for the defenders or for the declarer
// (91 where Schneider needs 91). Never in null or Ramsch, nor without Bock
// games in the rules.
bool triggersBockRounds(const SPIELSTRUCT_CORE& settled, const SettlementTally& tally, const RuleSettings& rules);
