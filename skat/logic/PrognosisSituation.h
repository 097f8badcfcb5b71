#pragma once
// What the card-location prognosis reads of a running game: the asking
// seat's knowledge (its hand, the tricks, the skat it laid away, an open
// declarer's hand) and, when dealKnown, the real deal, against which the
// heuristics' hints are checked before they count.

#include "skat/engine/ComputerLogic.h"
#include "skat/engine/Stich.h"

#include <array>

struct PrognosisSituation {
    GameType type = GAME_NONE;
    Seat declarer = SEAT_NONE;
    int winLevel = 0; // 0 and 1 the skat was taken; 1 and 5 open
    Seat self = SEAT_NONE;

    // dealKnown: the real hands now and the real skat (what the declarer
    // laid away). Otherwise only what self sees: its own hand, an open
    // declarer's hand and the skat it laid away itself (0 elsewhere).
    std::array<CardSet, 3> hands{};
    CardSet skat = 0;
    bool dealKnown = true;
    // The two cards self laid away as declarer (0 otherwise).
    CardSet laidAway = 0;

    std::array<PlayedTrick, 10> tricks{};
    int completedTricks = 0;
    TrickCode trick = 0; // the trick on the table
    int trickCount = 0;
    Seat trickLeader = SEAT_NONE;
    Seat firstLeader = SEAT_NONE; // who led trick 1

    CardSet ownHand() const { return isValidSeat(self) ? hands[static_cast<std::size_t>(self)] : 0u; }
    bool declarerOpen() const { return winLevel == 1 || winLevel == 5; }
    bool skatTaken() const { return winLevel < 2; }
    bool isTrump(CardId card) const;
    // The seat that took completed trick n (0-based).
    Seat trickWinner(int n) const;
    // The card seat s played to completed trick n (0-based).
    CardId cardOf(int n, Seat s) const;
};

// ownView: the situation holds only what the seat sees (dealKnown false).
PrognosisSituation prognosisSituationOf(const GameSnapshot& game, bool ownView = false);
