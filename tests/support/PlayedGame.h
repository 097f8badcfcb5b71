#pragma once
// One whole game from a seed, played without any logic: shared by tests and
// the fuzz seed writer so both build their games the same way.

#include "skat/engine/Spielkarten.h"
#include "skat/engine/Spielstruct.h"
#include "vordix/Random.h"

#include <cstdint>

namespace testsupport {

// A game from a seed: forehand `forehand`, the declarer takes the skat and
// lays away its two lowest cards, and the lowest legal card is played until
// `tricks` tricks lie on the pile.
inline SPIELKARTEN playedGame(std::uint32_t seed, GameType type, Seat declarer, Seat forehand, int tricks,
                              SPIELSTRUCT& record)
{
    SPIELKARTEN cards;
    VORDIX_RANDOM random;
    random.seed = seed;
    cards.pile.setVh(forehand);
    cards.shuffle(random);
    cards.deal();
    cards.AUSP = forehand;
    if (isValidSeat(declarer) && type != GAME_RAMSCH) {
        for (int place = 1; place <= 2; ++place)
            cards.takeSkatCard(declarer, cards.skat.cardId(place));
        CardSet held = cards.hands[declarer].cardSet();
        const CardId first = cardByBit(lowestBit(held))->id();
        held &= held - 1;
        cards.pushSkat(declarer, SKAT(first, cardByBit(lowestBit(held))->id()));
    }
    const GameType rules = type == GAME_NONE ? GAME_GRAND : type;
    while (cards.pile.trickCount() < tricks) {
        const Seat seat = cards.seatToMove();
        const CardSet hand = cards.hands[seat].cardSet();
        const CardSet legal =
            cards.trick.isEmpty() ? hand : cards.hands[seat].legalCards(cards.trick.ledCard()->bit(), rules);
        cards.playCard(cardByBit(lowestBit(legal))->id());
        if (cards.trick.isComplete())
            cards.collectTrick(rules, declarer);
    }
    record.reset();
    record.GEREIZTBIS = {20, 18, 0};
    record.GEREIZT = type == GAME_NONE ? 0 : 20;
    record.ALLEIN = declarer;
    record.SPIELART.SPIEL_TYP = type;
    return cards;
}

} // namespace testsupport
