// Dealing the unseen cards: only cards a seat cannot hold and the skat
// cannot hide go to the other seat, while that seat has room.

#include "skat/logic/UnseenHands.h"
#include "tests/engine/test_table_support.h"

#include <gtest/gtest.h>

using table_test::cardsOf;

namespace {

class Estimate : public UNSEEN_CARD_ESTIMATE {
public:
    int suitPercent(Seat seat, Suit suit) const override
    {
        return voids[static_cast<std::size_t>(seat)] & (1 << suit) ? 0 : 50;
    }
    bool hasEstimate(CardId) const override { return true; }
    double skatProbability(CardId card) const override { return (cardMaskOfId(card) & maybeSkat) ? 0.3 : 0.004; }
    std::array<int, 3> voids{};
    CardSet maybeSkat = 0;
};

GameSnapshot snapshot(GameType type, Seat seat, const std::array<const char*, 3>& hands)
{
    GameSnapshot game;
    game.seat = seat;
    game.record.SPIELART.SPIEL_TYP = type;
    game.record.ALLEIN = 0;
    for (std::size_t s = 0; s < 3; ++s)
        game.cards.hands[s].setCardSet(cardsOf(hands[s]));
    return game;
}

TEST(UnseenHands, OnlyForcedCardsAreDealt)
{
    // Seat 0 sees its hand; seats 1 and 2 hold two cards each, one card is in the skat.
    const GameSnapshot game = snapshot(GAME_HEARTS, SEAT_0, {"KA K1 P7", "H7 HB", "P8 KK"});
    Estimate estimate;
    const UnseenHands none = fillUnseenHands(game, estimate);
    EXPECT_EQ(none.next | none.after, 0u);
    EXPECT_EQ(none.open.size(), 29u);
    EXPECT_EQ(none.open.front(), cardIdFromCode("K7")); // clubs first, from the 7 up
    EXPECT_EQ(none.open.back(), cardIdFromCode("CA"));

    // Seat 1 cannot hold hearts: the hearts (and in a hearts game every jack)
    // go to seat 2, but only as many as it holds cards.
    estimate.voids[1] = 1 << SUIT_HEARTS;
    const UnseenHands forced = fillUnseenHands(game, estimate);
    EXPECT_EQ(forced.next, 0u);
    EXPECT_EQ(forced.after, cardsOf("KB PB")); // the first two in order: the clubs and spades jacks
    EXPECT_EQ(forced.open.size(), 27u);

    // A card that may lie in the skat stays open.
    estimate.maybeSkat = cardsOf("KB");
    EXPECT_EQ(fillUnseenHands(game, estimate).after, cardsOf("PB H7"));

    // Seat 2 void in clubs: the clubs go to seat 1.
    estimate = Estimate{};
    estimate.voids[2] = 1 << SUIT_CLUBS;
    EXPECT_EQ(fillUnseenHands(game, estimate).next, cardsOf("K7 K8"));
}

TEST(UnseenHands, PlayedCardsAndTheOwnSkatAreKnown)
{
    GameSnapshot game = snapshot(GAME_GRAND, SEAT_0, {"KA", "H7", "P8"});
    game.trickCount = 1;
    game.tricks[0].code = makeTrickCode(cardById(cardIdFromCode("K7"))->bit(), cardById(cardIdFromCode("K8"))->bit(),
                                        cardById(cardIdFromCode("K9"))->bit());
    game.laidAway = cardsOf("CA C1");
    Estimate estimate;
    const UnseenHands result = fillUnseenHands(game, estimate);
    EXPECT_EQ(result.skat, cardsOf("CA C1"));
    EXPECT_EQ(result.open.size(), 32u - 1 - 3 - 2);
    for (CardId card : result.open)
        EXPECT_EQ(cardMaskOfId(card) & cardsOf("KA K7 K8 K9 CA C1"), 0u);
}

} // namespace
