#pragma once
// Draws deals by another sampler and prefers those that agree with the
// bidding: a seat that said a value holds a hand our own rating would bid
// that far, and a seat that lost the bidding holds none it would have bid
// beyond the value reached. A seat's hand at the bidding is its hand now
// with the cards it played; a declarer who took the skat is rated on its
// twelve cards. Only what every seat heard is read: the values said and
// the cards played.

#include "skat/logic/DealSampler.h"
#include "skat/logic/Vorlogik.h"

class BiddingDealSampler : public DealSampler {
public:
    // tries: deals drawn by inner at most for one deal returned; when none
    // agrees, the one that misses the bidding least is taken.
    BiddingDealSampler(DealSampler& inner, const VL_TABELLEN& tables, int tries)
        : inner_(inner)
        , rating_(&tables)
        , tries_(tries)
    {
    }
    bool draw(const OpenGameView& view, VORDIX_RANDOM& random, std::array<CardSet, 3>& hands, CardSet& skat) override;

    // How far the deal misses the bidding: the bid steps by which the seats'
    // limits fall short of or exceed what their bids tell (0: it agrees).
    int miss(const OpenGameView& view, const std::array<CardSet, 3>& hands, CardSet skat);

private:
    DealSampler& inner_;
    VORLOGIK rating_;
    int tries_;
};
