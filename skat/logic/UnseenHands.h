#pragma once
// The cards a seat cannot see, and those among them whose place is forced:
// a card of a suit one of the two other seats cannot hold (by the
// card-location prognosis) and that cannot lie in the skat goes to the
// other seat while that seat has room. The searches and the distribution
// heuristics deal the rest themselves.

#include "skat/engine/ComputerLogic.h"

#include <vector>

// What the dealing asks of the card-location prognosis.
class UNSEEN_CARD_ESTIMATE {
public:
    virtual ~UNSEEN_CARD_ESTIMATE() = default;
    // Chance in percent (0..100) that the seat still holds cards of the
    // suit (1..4; a suit game's jacks count to its trump suit).
    virtual int suitPercent(Seat seat, Suit suit) const = 0;
    // Whether the card has an estimate at all, and its chance (0..1) of
    // lying in the skat.
    virtual bool hasEstimate(CardId card) const = 0;
    virtual double skatProbability(CardId card) const = 0;
};

struct UnseenHands {
    CardSet next = 0;         // forced into the seat after this one
    CardSet after = 0;        // forced into the seat after that
    CardSet skat = 0;         // the skat this seat knows (the cards it laid away)
    std::vector<CardId> open; // the cards whose place is still open, clubs to diamonds, 7 to ace
};

UnseenHands fillUnseenHands(const GameSnapshot& game, const UNSEEN_CARD_ESTIMATE& estimate);
