#pragma once
// Draws the hands a seat cannot see by the card-location prognosis: each
// unseen card goes to a place with the chance the prognosis gives it there,
// as far as the places' sizes and the seats' voids allow. The prognosis
// must have been updated for the same moment of the game. When the draw
// runs into a dead end a few times, the deal is drawn uniformly instead.

#include "skat/logic/DealSampler.h"

#include <functional>
#include <utility>

class VERTEILUNGS_PROGNOSE;

class PrognosisDealSampler : public DealSampler {
public:
    // refresh, when given, brings the prognosis up to date; it runs once,
    // before the first deal is drawn.
    explicit PrognosisDealSampler(const VERTEILUNGS_PROGNOSE& prognosis, std::function<void()> refresh = {})
        : prognosis_(prognosis)
        , refresh_(std::move(refresh))
    {
    }
    bool draw(const OpenGameView& view, VORDIX_RANDOM& random, std::array<CardSet, 3>& hands, CardSet& skat) override;

private:
    const VERTEILUNGS_PROGNOSE& prognosis_;
    std::function<void()> refresh_;
    UniformDealSampler uniform_;
};
