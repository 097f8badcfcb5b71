#pragma once
// A small computer logic that plays legal, plausible Skat until the full
// computer player takes its place: it bids from a count of jacks and
// trumps, proposes its longest suit, puts away the two highest-point cards
// outside the trumps and plays the lowest legal card.

#include "skat/engine/ComputerLogic.h"

class STANDIN_LOGIK : public PLAYER_LOGIK {
public:
    GameProposal proposeGame(const GameSnapshot& game) override;
    DiscardPair chooseDiscard(const GameSnapshot& game, const GameProposal& proposal) override;
    CardId chooseCard(const GameSnapshot& game) override;

    // The proposal for a bare hand (10 cards), as proposeGame makes it.
    static GameProposal proposeFor(CardSet hand);
    // The two cards to put away from a hand of 12 for a game type.
    static SKAT discardFor(CardSet hand, GameType type);
};

// Makes every new player's computer logic a stand-in logic.
void registerStandInLogic();
