#include "skat/logic/PrognosisSituation.h"

#include "skat/engine/Karte.h"

bool PrognosisSituation::isTrump(CardId card) const
{
    return (cardMaskOfId(card) & trumpMask(type == GAME_RAMSCH ? GAME_NONE : type)) != 0;
}

Seat PrognosisSituation::trickWinner(int n) const
{
    const PlayedTrick& t = tricks[static_cast<std::size_t>(n)];
    return seatAfter(t.leaderSeat(), STICH(t.code, 3).winner(type));
}

CardId PrognosisSituation::cardOf(int n, Seat s) const
{
    const PlayedTrick& t = tricks[static_cast<std::size_t>(n)];
    return cardIdOfBit(trickCardBit(t.code, placeInTrick(s, t.leaderSeat())));
}

PrognosisSituation prognosisSituationOf(const GameSnapshot& game)
{
    PrognosisSituation s;
    s.type = game.gameType();
    s.declarer = game.record.declarer();
    s.winLevel = game.record.SPIELART.GEWINN_STUFE;
    s.self = game.seat;
    CardSet seen = game.playedCards();
    for (int seat = 0; seat < SEAT_COUNT; ++seat) {
        s.hands[static_cast<std::size_t>(seat)] = game.cards.hands[static_cast<std::size_t>(seat)].cardSet();
        seen |= s.hands[static_cast<std::size_t>(seat)];
    }
    s.skat = ~seen;
    s.laidAway = game.laidAway;
    s.completedTricks = game.trickCount;
    for (int n = 0; n < game.trickCount && n < 10; ++n)
        s.tricks[static_cast<std::size_t>(n)] = game.tricks[static_cast<std::size_t>(n)];
    s.trick = game.cards.trick.code();
    s.trickCount = game.cards.trick.count();
    s.trickLeader = game.cards.leader();
    s.firstLeader = game.trickCount > 0 ? game.tricks[0].leaderSeat() : game.cards.leader();
    return s;
}
