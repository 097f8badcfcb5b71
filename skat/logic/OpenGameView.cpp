#include "skat/logic/OpenGameView.h"

#include "skat/engine/ComputerLogic.h"
#include "skat/engine/Einblatt.h"
#include "skat/engine/Spielkarten.h"
#include "skat/engine/Spielstruct.h"

#include <bit>

CardSet OpenGameView::trickCards() const { return STICH(trick, trickCount).cardSet(); }

CardSet OpenGameView::legalCards() const
{
    if (!isValidSeat(self))
        return 0;
    const CardSet hand = hands[static_cast<std::size_t>(self)];
    return trickCount == 0 ? hand : EINBLATT::legalCards(hand, trickCardBit(trick, 0), type);
}

OpenDeal OpenGameView::dealWith(const std::array<CardSet, 3>& dealHands, CardSet dealSkat) const
{
    OpenDeal deal;
    deal.hands = dealHands;
    deal.trick = trick;
    deal.trickCount = trickCount;
    deal.leader = leader;
    deal.type = type;
    deal.declarer = declarer;
    // The skat's points belong to the declarer (Ramsch: to the seats not to move).
    deal.declarerPoints = declarerTrickPoints + pointsOfSet(dealSkat);
    deal.defenderPoints = defenderTrickPoints;
    deal.defenderTricks = defenderTricks;
    deal.seatPoints = seatPoints;
    deal.skatPoints = pointsOfSet(dealSkat);
    deal.completedTricks = completedTricks;
    return deal;
}

namespace {

// Marks the seats of a trick that did not follow the led card as void in
// what the led card asks for.
void noteVoids(OpenGameView& view, TrickCode code, int count, Seat leader)
{
    if (count < 2 || !isValidSeat(leader))
        return;
    const CardBit led = trickCardBit(code, 0);
    const CardSet follow = EINBLATT::legalCards(ALL_CARDS, led, view.type);
    for (int place = 1; place < count; ++place) {
        if ((bitMask(trickCardBit(code, place)) & follow) == 0)
            view.cannotHold[static_cast<std::size_t>((leader + place) % 3)] |= follow;
    }
}

void notePlayed(OpenGameView& view, TrickCode code, int count, Seat leader)
{
    if (!isValidSeat(leader))
        return;
    for (int place = 0; place < count; ++place)
        view.playedBy[static_cast<std::size_t>((leader + place) % 3)] |= bitMask(trickCardBit(code, place));
}

} // namespace

OpenGameView openGameViewOf(const GameSnapshot& game)
{
    OpenGameView view;
    view.type = game.record.SPIELART.SPIEL_TYP;
    view.declarer = game.record.declarer();
    view.winLevel = game.record.SPIELART.GEWINN_STUFE;
    view.levelReached = game.record.SPIELART.STUFE;
    view.self = game.seatToMove();
    for (Seat s = SEAT_0; s < 3; ++s)
        view.hands[static_cast<std::size_t>(s)] = game.cards.hands[static_cast<std::size_t>(s)].cardSet();
    view.trick = game.cards.trick.code();
    view.trickCount = game.cards.trick.count() > 2 ? 2 : game.cards.trick.count();
    view.leader = game.cards.leader();

    view.completedTricks = game.trickCount;
    for (int n = 0; n < game.trickCount; ++n) {
        const PlayedTrick& trick = game.tricks[static_cast<std::size_t>(n)];
        const CardSet set = STICH(trick.code, 3).cardSet();
        view.played |= set;
        if (!isValidSeat(trick.leader))
            continue;
        const Seat taker = seatAfter(trick.leaderSeat(), trickWinnerIndex(view.type, trick.code));
        const int points = pointsOfSet(set);
        view.seatPoints[static_cast<std::size_t>(taker)] += points;
        if (taker == view.declarer) {
            view.declarerTrickPoints += points;
        } else {
            view.defenderTrickPoints += points;
            ++view.defenderTricks;
        }
        noteVoids(view, trick.code, 3, trick.leaderSeat());
        notePlayed(view, trick.code, 3, trick.leaderSeat());
    }
    noteVoids(view, view.trick, view.trickCount, view.leader);
    notePlayed(view, view.trick, view.trickCount, view.leader);
    view.saidBids = game.record.GEREIZTBIS;
    view.bidReached = game.record.GEREIZT;

    // The skat: the two cards in no hand, trick or taken trick.
    view.skat = ~(view.hands[0] | view.hands[1] | view.hands[2] | view.played | view.trickCards());
    if (std::popcount(view.skat) != 2)
        view.skat = game.laidAway;
    const bool handGame = view.winLevel >= WIN_LEVEL_HAND;
    view.skatKnown = view.type != GAME_RAMSCH && view.self == view.declarer && !handGame;
    view.declarerHandShown = view.type != GAME_RAMSCH
                             && (view.type == GAME_GRAND_OUVERT || view.winLevel == WIN_LEVEL_OUVERT
                                 || view.winLevel == WIN_LEVEL_OUVERT_HAND);
    return view;
}

OpenGameView openGameViewOf(const SPIELKARTEN& cards, const SPIELSTRUCT& record)
{
    GameSnapshot game;
    game.take(cards, record, cards.seatToMove());
    return openGameViewOf(game);
}
