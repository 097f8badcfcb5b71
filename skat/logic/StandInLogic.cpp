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
    for (CardSet rest = set; rest != 0;) {
        const CardBit bit = popLowest(rest);
        const int points = pointsOfRank(rankOfBit(bit));
        if (points >= bestPoints) {
            bestPoints = points;
            best = cardIdOfBit(bit);
        }
    }
    return best;
}
} // namespace

GameProposal STANDIN_LOGIK::proposeFor(CardSet cards)
{
    GameProposal proposal;
    const EINBLATT hand(cards);
    const int jacks = cardCount(cards & JACKS);
    Suit longest = SUIT_CLUBS;
    for (Suit suit = SUIT_CLUBS; suit <= SUIT_DIAMONDS; ++suit)
        if (hand.suitCount(suit) > hand.suitCount(longest))
            longest = suit;
    const int trumps = jacks + hand.suitCount(longest);
    const int sideAces = cardCount(cards & ACES & ~suitMask(longest));

    proposal.winLevel = WIN_LEVEL_WITH_SKAT;
    proposal.level = LEVEL_NONE;
    // Grand with three or four jacks and two aces; a suit game with five
    // trumps, or four with two jacks; otherwise no bid.
    if (jacks >= 3 && cardCount(cards & ACES) >= 2) {
        proposal.type = GAME_GRAND;
        const int matadors = std::min(std::abs(hand.spitzenGrand()), 2);
        proposal.bidLimit = SPIELART(GAME_GRAND, WIN_LEVEL_WITH_SKAT).baseValue() * (1 + matadors);
        return proposal;
    }
    proposal.type = suitGame(longest);
    if (trumps >= 5 || (trumps >= 4 && jacks >= 2 && sideAces >= 1)) {
        const int matadors = std::min(std::abs(hand.spitzen(longest)), 2);
        proposal.bidLimit = SPIELART(suitGame(longest), WIN_LEVEL_WITH_SKAT).baseValue() * (1 + matadors);
    } else {
        proposal.bidLimit = 0;
    }
    return proposal;
}

GameProposal STANDIN_LOGIK::proposeGame(const GameSnapshot& game) { return proposeFor(game.hand()); }

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

DiscardPair STANDIN_LOGIK::chooseDiscard(const GameSnapshot& game, const GameProposal& proposal)
{
    if (proposal.type < GAME_NONE || proposal.type > GAME_RAMSCH)
        return {};
    const SKAT pair = discardFor(game.hand(), proposal.type);
    return {pair.cardId(1), pair.cardId(2)};
}

CardId STANDIN_LOGIK::chooseCard(const GameSnapshot& game) { return lowestCardOf(game.legalCards()); }

void registerStandInLogic()
{
    setComputerLogicFactory([] { return std::make_unique<STANDIN_LOGIK>(); });
}
