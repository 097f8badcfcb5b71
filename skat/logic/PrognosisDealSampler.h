#pragma once
// Draws the hands a seat cannot see by the card-location prognosis: each
// unseen card goes to a place with the chance the prognosis gives it there,
// as far as the places' sizes and the seats' voids allow. The prognosis
// must have been updated for the same moment of the game. When the draw
// runs into a dead end a few times, the deal is drawn uniformly instead.

#include "skat/logic/DealSampler.h"

class VERTEILUNGS_PROGNOSE;

class PrognosisDealSampler : public DealSampler {
public:
    explicit PrognosisDealSampler(const VERTEILUNGS_PROGNOSE& prognosis) : prognosis_(prognosis) { }
    bool draw(const OpenGameView& view, VORDIX_RANDOM& random, std::array<CardSet, 3>& hands, CardSet& skat) override;

private:
    const VERTEILUNGS_PROGNOSE& prognosis_;
    UniformDealSampler uniform_;
};
