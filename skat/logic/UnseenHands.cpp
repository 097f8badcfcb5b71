#include "skat/logic/UnseenHands.h"

UnseenHands fillUnseenHands(const GameSnapshot& game, const UNSEEN_CARD_ESTIMATE& estimate)
{
    UnseenHands result;
    const CardSet known = game.hand() | game.playedCards() | game.laidAway;
    // Step 1: the unseen cards in suit and rank order.
    for (Suit s = SUIT_CLUBS; s <= SUIT_DIAMONDS; ++s)
        for (Rank r = RANK_SEVEN; r <= RANK_ACE; ++r)
            if ((known & cardMask(s, r)) == 0)
                result.open.push_back(makeCardId(s, r));
    // Step 2.
    result.skat = game.laidAway;
    if (!isValidSeat(game.seat))
        return result;

    // Step 3: deal the cards whose place is forced.
    const Seat next = nextSeat(game.seat);
    const Seat after = nextSeat(next);
    const int nextHolds = game.cards.hands[static_cast<std::size_t>(next)].cardCount();
    const int afterHolds = game.cards.hands[static_cast<std::size_t>(after)].cardCount();
    const GameType type = game.gameType();
    for (std::size_t i = 0; i < result.open.size();) {
        const CardId card = result.open[i];
        const Suit suit = isSuitGame(type) && rankOfCardId(card) == RANK_JACK ? trumpSuit(type) : suitOfCardId(card);
        const bool maybeSkat =
            estimate.hasEstimate(card) && static_cast<int>(estimate.skatProbability(card) * 100) != 0;
        CardSet* into = nullptr;
        if (!maybeSkat && estimate.suitPercent(next, suit) == 0) {
            if (cardCount(result.after) < afterHolds)
                into = &result.after;
        } else if (!maybeSkat && estimate.suitPercent(after, suit) == 0) {
            if (cardCount(result.next) < nextHolds)
                into = &result.next;
        }
        if (into) {
            *into |= cardMaskOfId(card);
            result.open.erase(result.open.begin() + static_cast<std::ptrdiff_t>(i));
        } else {
            ++i;
        }
    }
    return result;
}
