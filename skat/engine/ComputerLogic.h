#pragma once
// What the engine needs of the computer player: a per-player logic that
// proposes a game and a bid limit before the bidding, picks the two cards to
// put away and the card to play. Computer seats play by it, and human seats
// take hints from it. The computer player registers a factory at start-up;
// until then every player gets the plain fallback below, which never bids.

#include "skat/engine/Skat.h"
#include "skat/engine/Spielkarten.h"
#include "skat/engine/Spielstruct.h"

#include <array>
#include <functional>
#include <memory>

// A player's own view of the running game: its seat, the card state and the
// game record as the table held them when the request was made.
class PLAYER_SITUATION {
public:
    void refresh(const SPIELKARTEN& tableCards, const SPIELSTRUCT& tableRecord, Seat ownSeat);

    CardSet hand() const { return isValidSeat(seat) ? cards.hands[seat].cardSet() : 0u; }
    Seat seatToMove() const { return cards.seatToMove(); }
    bool leads() const { return cards.trick.isEmpty(); }
    // Cards of the hand that may be played now (the whole hand when leading).
    CardSet legalCards() const;

    Seat seat = SEAT_NONE;
    SPIELKARTEN cards;
    SPIELSTRUCT record;
};

class PLAYER_LOGIK {
public:
    virtual ~PLAYER_LOGIK();

    // Evaluates the hand and fills the proposal: bid limit, game type and levels.
    virtual void bidProposal(const PLAYER_SITUATION& situation);
    // Computes the two cards to put away (the hand holds the skat) for the
    // proposed game type and stores them in discardPair.
    virtual void chooseDiscard(const PLAYER_SITUATION& situation);
    // Computes the card to play and stores it in chosenCard (0: none).
    virtual void chooseCard(const PLAYER_SITUATION& situation);
    // Recomputes where the unseen cards lie; before every card choice.
    virtual void updatePrognosis(const PLAYER_SITUATION& situation);
    // Evaluation of the current game from this player's side (0..100);
    // above 75 a defender calls Kontra.
    virtual int evaluation(GameType type) const;

    // The proposal.
    int bidLimit = 0;
    GameType proposedType = GAME_GRAND;
    int proposedWinLevel = 0;
    int proposedLevel = 0;
    // Discard pair per game type (index 0..8).
    std::array<SKAT, 9> discardPair{};
    CardId chosenCard = NO_CARD;
};

using PlayerLogicFactory = std::function<std::unique_ptr<PLAYER_LOGIK>()>;
// Installs the factory of the computer logic (empty restores the fallback).
void setComputerLogicFactory(PlayerLogicFactory factory);
// A new logic for one player.
std::unique_ptr<PLAYER_LOGIK> createComputerLogic();
