#include "skat/logic/StandInLogic.h"

#include "skat/engine/AnswerCheck.h"
#include "skat/engine/Einblatt.h"
#include "skat/engine/Spielart.h"

#include <algorithm>
#include <cstdlib>

namespace {
// The card of a set with the most points; among equal points the higher bit.
CardId highestPointCard(CardSet set)
{
    CardId best = NO_CARD;
    int bestPoints = -1;
    for (CardSet rest = set; rest != 0; rest &= rest - 1) {
        const CardBit bit = lowestBit(rest);
        const int points = pointsOfRank(rankOfBit(bit));
        if (points >= bestPoints) {
            bestPoints = points;
            best = cardIdOfBit(bit);
        }
    }
    return best;
}
} // namespace

void STANDIN_LOGIK::proposeFor(CardSet cards)
{
    const EINBLATT hand(cards);
    const int jacks = cardCount(cards & JACKS);
    Suit longest = SUIT_CLUBS;
    for (Suit suit = SUIT_CLUBS; suit <= SUIT_DIAMONDS; ++suit)
        if (hand.suitCount(suit) > hand.suitCount(longest))
            longest = suit;
    const int trumps = jacks + hand.suitCount(longest);
    const int sideAces = cardCount(cards & ACES & ~suitMask(longest));

    proposedWinLevel = WIN_LEVEL_WITH_SKAT;
    proposedLevel = LEVEL_NONE;
    // Grand with three or four jacks and two aces; a suit game with five
    // trumps, or four with two jacks; otherwise no bid.
    if (jacks >= 3 && cardCount(cards & ACES) >= 2) {
        proposedType = GAME_GRAND;
        const int matadors = std::min(std::abs(hand.spitzenGrand()), 2);
        bidLimit = SPIELART(GAME_GRAND, WIN_LEVEL_WITH_SKAT).baseValue() * (1 + matadors);
        return;
    }
    proposedType = longest;
    if (trumps >= 5 || (trumps >= 4 && jacks >= 2 && sideAces >= 1)) {
        const int matadors = std::min(std::abs(hand.spitzen(longest)), 2);
        bidLimit = SPIELART(longest, WIN_LEVEL_WITH_SKAT).baseValue() * (1 + matadors);
    } else {
        bidLimit = 0;
    }
}

void STANDIN_LOGIK::bidProposal(const PLAYER_SITUATION& situation)
{
    proposeFor(situation.hand());
}

SKAT STANDIN_LOGIK::discardFor(CardSet hand, GameType type)
{
    const CardSet trumps = type == GAME_NULL ? 0u : trumpMask(type);
    // Cards outside the trumps first; a trump only when they run out.
    auto pick = [&](CardSet from) {
        const CardSet plain = from & ~trumps;
        return highestPointCard(plain != 0 ? plain : from);
    };
    const CardId first = pick(hand);
    return SKAT(first, pick(hand & ~cardMaskOfId(first)));
}

void STANDIN_LOGIK::chooseDiscard(const PLAYER_SITUATION& situation)
{
    if (proposedType >= 0 && proposedType < 9)
        discardPair[static_cast<std::size_t>(proposedType)] = discardFor(situation.hand(), proposedType);
}

void STANDIN_LOGIK::chooseCard(const PLAYER_SITUATION& situation)
{
    chosenCard = lowestCardOf(situation.legalCards());
}

void registerStandInLogic()
{
    setComputerLogicFactory([] { return std::make_unique<STANDIN_LOGIK>(); });
}
