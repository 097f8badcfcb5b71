#pragma once
// What the engine needs of the computer player: a per-player logic that
// proposes a game and a bid limit before the bidding, picks the two cards to
// put away and the card to play. Computer seats play by it, and human seats
// take hints from it. Each question gets a compact snapshot of the game as
// the seat may know it and returns its answer as a value. The computer
// player registers a factory at start-up; until then every player gets the
// plain fallback below, which never bids.

#include "skat/engine/Spielkarten.h"
#include "skat/engine/Spielstruct.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>

// One trick of the game so far: its cards in play order and who led it.
struct PlayedTrick {
    TrickCode code = 0;
    std::int8_t leader = SEAT_NONE;

    Seat leaderSeat() const { return static_cast<Seat>(leader); }
};

// The game as one seat sees it when asked: the card core (the three hands,
// the trick on the table and its leader; 20 bytes), the tricks already
// taken, the cards this seat laid away and the record's plain fields. About
// 170 bytes, copied under the table lock once per request.
struct GameSnapshot {
    // Takes the snapshot; the table holds its lock meanwhile.
    void take(const SPIELKARTEN& tableCards, const SPIELSTRUCT& tableRecord, Seat ownSeat);

    CardSet hand() const { return isValidSeat(seat) ? cards.hands[seat].cardSet() : 0u; }
    GameType gameType() const { return record.SPIELART.SPIEL_TYP; }
    Seat seatToMove() const
    {
        return isValidSeat(cards.leader()) ? seatAfter(cards.leader(), cards.trick.count()) : SEAT_NONE;
    }
    bool leads() const { return cards.trick.isEmpty(); }
    // Cards of the hand that may be played now (the whole hand when leading).
    CardSet legalCards() const;
    // Cards in the taken tricks and in the trick on the table.
    CardSet playedCards() const;

    Seat seat = SEAT_NONE;
    SPIELKARTEN_CORE cards;
    std::array<PlayedTrick, STAPEL::MAX_TRICKS> tricks{};
    std::int8_t trickCount = 0;
    // The two cards this seat put into the skat (the declarer after the push).
    CardSet laidAway = 0;
    SPIELSTRUCT_CORE record;
    // Taken on the hosting table (not on a program that joined one).
    bool hostingTable = false;
};

// The pre-play proposal: how high to bid and which game to announce.
struct GameProposal {
    int bidLimit = 0;
    GameType type = GAME_GRAND;
    int winLevel = 0;
    int level = 0;

    bool operator==(const GameProposal&) const = default;
};

// The two cards to put away; NO_CARD where none was chosen.
struct DiscardPair {
    CardId first = NO_CARD;
    CardId second = NO_CARD;

    bool operator==(const DiscardPair&) const = default;
};

class PLAYER_LOGIK {
public:
    virtual ~PLAYER_LOGIK();

    // Evaluates the hand before the bidding.
    virtual GameProposal proposeGame(const GameSnapshot& game);
    // The two cards to put away when the hand holds the skat (twelve
    // cards), for the game proposed.
    virtual DiscardPair chooseDiscard(const GameSnapshot& game, const GameProposal& proposal);
    // The game to announce after the skat was taken and the pair chosen by
    // chooseDiscard: a logic may change its mind once it sees the skat.
    // The default keeps the proposal.
    virtual GameProposal proposalAfterDiscard(const GameSnapshot& game, const GameProposal& proposal);
    // The card to play (NO_CARD: none, the lowest legal card is played).
    virtual CardId chooseCard(const GameSnapshot& game);
    // Evaluation of the current game from this seat's side (0..100); above
    // 75 a defender calls Kontra.
    virtual int evaluation(const GameSnapshot& game);
};

using PlayerLogicFactory = std::function<std::unique_ptr<PLAYER_LOGIK>()>;
// Installs the factory of the computer logic (empty restores the fallback).
void setComputerLogicFactory(PlayerLogicFactory factory);
// A new logic for one player.
std::unique_ptr<PLAYER_LOGIK> createComputerLogic();
