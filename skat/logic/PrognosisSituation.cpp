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

PrognosisSituation prognosisSituationOf(const GameSnapshot& game, bool ownView)
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
    if (ownView) {
        s.dealKnown = false;
        for (int seat = 0; seat < SEAT_COUNT; ++seat)
            if (seat != s.self && !(seat == s.declarer && s.declarerOpen()))
                s.hands[static_cast<std::size_t>(seat)] = 0;
        const bool laidItAway = s.type != GAME_RAMSCH && s.self == s.declarer && s.skatTaken();
        s.skat = laidItAway ? s.laidAway : 0u;
    }
    s.completedTricks = game.trickCount;
    for (int n = 0; n < game.trickCount && n < 10; ++n)
        s.tricks[static_cast<std::size_t>(n)] = game.tricks[static_cast<std::size_t>(n)];
    s.trick = game.cards.trick.code();
    s.trickCount = game.cards.trick.count();
    s.trickLeader = game.cards.leader();
    s.firstLeader = game.trickCount > 0 ? game.tricks[0].leaderSeat() : game.cards.leader();
    return s;
}
