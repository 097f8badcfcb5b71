#include "skat/logic/BiddingDealSampler.h"

#include "skat/engine/BidTable.h"

#include <algorithm>
#include <climits>

namespace {

// The place of a value among the bid values: how many lie at or below it.
int bidStep(int value)
{
    int step = 0;
    while (step + 1 < BID_TABLE_SIZE && bidValueAt(step + 1) <= value)
        ++step;
    return step;
}

} // namespace

int BiddingDealSampler::miss(const OpenGameView& view, const std::array<CardSet, 3>& hands, CardSet skat)
{
    const int reached = view.bidReached;
    if (view.type == GAME_RAMSCH || reached <= 0 || !isValidSeat(view.declarer))
        return 0;
    int steps = 0;
    for (Seat s = SEAT_0; s < 3; ++s) {
        const auto k = static_cast<std::size_t>(s);
        const bool declarer = s == view.declarer;
        if (s == view.self || (declarer && view.declarerHandShown))
            continue;
        CardSet dealt = hands[k] | view.playedBy[k];
        if (declarer && view.winLevel < WIN_LEVEL_HAND)
            dealt |= skat;
        if (cardCount(dealt) != (declarer && view.winLevel < WIN_LEVEL_HAND ? 12 : CARDS_IN_HAND))
            continue;
        rating_.bidProposal(dealt, s);
        const int limit = bidStep(rating_.proposal.limit);
        // The declarer held or said the value reached; a defender said its
        // own and passed before the next value above the one reached.
        const int lowest = bidStep(declarer ? reached : view.saidBids[k]);
        if (limit < lowest)
            steps += lowest - limit;
        if (!declarer && limit > bidStep(reached))
            steps += limit - bidStep(reached);
    }
    return steps;
}

bool BiddingDealSampler::draw(const OpenGameView& view, VORDIX_RANDOM& random, std::array<CardSet, 3>& hands,
                              CardSet& skat)
{
    int fewest = INT_MAX;
    for (int t = 0; t < std::max(tries_, 1); ++t) {
        std::array<CardSet, 3> drawnHands{};
        CardSet drawnSkat = 0;
        if (!inner_.draw(view, random, drawnHands, drawnSkat))
            return t > 0;
        const int m = tries_ > 1 ? miss(view, drawnHands, drawnSkat) : 0;
        if (m < fewest) {
            fewest = m;
            hands = drawnHands;
            skat = drawnSkat;
        }
        if (m == 0)
            break;
    }
    return true;
}
