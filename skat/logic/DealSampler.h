#pragma once
// Deals the cards a seat cannot see to the two other hands (and the skat
// when the seat has not seen it), for the searches of an analysis. The
// card-location prognosis can take the place of the uniform draw below.

#include "skat/logic/OpenGameView.h"

class VORDIX_RANDOM;

class DealSampler {
public:
    virtual ~DealSampler();
    // Fills hands (the view's own hand kept, the two others drawn) and skat.
    // False, with nothing drawn, when the view leaves no card to deal.
    virtual bool draw(const OpenGameView& view, VORDIX_RANDOM& random, std::array<CardSet, 3>& hands,
                      CardSet& skat) = 0;
};

// Every deal that fits what the seat knows (its hand, the played cards, the
// suits a seat did not follow, the declarer's open hand, the skat it took
// up) is drawn with the same probability. When no deal fits (the voids
// contradict each other), the voids are set aside.
class UniformDealSampler : public DealSampler {
public:
    bool draw(const OpenGameView& view, VORDIX_RANDOM& random, std::array<CardSet, 3>& hands, CardSet& skat) override;
};
