#include "skat/logic/OpenGameView.h"

#include "skat/engine/Einblatt.h"
#include "skat/engine/Spielkarten.h"
#include "skat/engine/Spielstruct.h"

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

} // namespace

OpenGameView openGameViewOf(const SPIELKARTEN& cards, const SPIELSTRUCT& record)
{
    OpenGameView view;
    view.type = record.SPIELART.SPIEL_TYP;
    view.declarer = record.ALLEIN;
    view.winLevel = record.SPIELART.GEWINN_STUFE;
    view.levelReached = record.SPIELART.STUFE;
    view.self = cards.seatToMove();
    for (Seat s = 0; s < 3; ++s)
        view.hands[static_cast<std::size_t>(s)] = cards.hands[static_cast<std::size_t>(s)].cardSet();
    view.trick = cards.trick.code();
    view.trickCount = cards.trick.count() > 2 ? 2 : cards.trick.count();
    view.leader = cards.AUSP;

    const STAPEL& pile = cards.pile;
    view.completedTricks = pile.trickCount();
    for (int n = 1; n <= pile.trickCount(); ++n) {
        const STICH trick = pile.trick(n);
        const CardSet set = trick.cardSet();
        const Seat taker = pile.takerOfTrick(n);
        view.played |= set;
        const int points = pointsOfSet(set);
        if (isValidSeat(taker))
            view.seatPoints[static_cast<std::size_t>(taker)] += points;
        if (taker == view.declarer)
            view.declarerTrickPoints += points;
        else {
            view.defenderTrickPoints += points;
            ++view.defenderTricks;
        }
        noteVoids(view, trick.code(), trick.count(), pile.leaderOfTrick(n));
    }
    noteVoids(view, view.trick, view.trickCount, view.leader);

    // The skat: laid away into the pile, or still lying where it was dealt.
    view.skat = (pile.skat().cardSet() | cards.skat.cardSet()) & ~view.played;
    const bool handGame = view.winLevel >= WIN_LEVEL_HAND;
    view.skatKnown = view.type != GAME_RAMSCH && view.self == view.declarer && !handGame;
    view.declarerHandShown = view.type != GAME_RAMSCH
        && (view.type == GAME_GRAND_OUVERT || view.winLevel == WIN_LEVEL_OUVERT
            || view.winLevel == WIN_LEVEL_OUVERT_HAND);
    return view;
}
