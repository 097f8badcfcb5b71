// The simple card choice: it always answers with a legal card, and in the
// plain situations it plays as a Skat player would.

#include "skat/engine/Einblatt.h"
#include "skat/logic/CardPlay.h"
#include "tests/engine/test_table_support.h"
#include "vordix/Random.h"

#include <gtest/gtest.h>

#include <cstring>

using table_test::cardsOf;

namespace {

PlayView view(GameType type, Seat self, Seat declarer, const char* hand, const char* trick = "",
              const char* played = "")
{
    PlayView v;
    v.type = type;
    v.self = self;
    v.declarer = declarer;
    v.hand = cardsOf(hand);
    v.played = cardsOf(played);
    for (std::size_t i = 0; i + 1 < std::strlen(trick) && v.trickCount < 2; i += 3)
        v.trick[static_cast<std::size_t>(v.trickCount++)] = cardById(cardIdFromCode(trick + i))->bit();
    return v;
}

TEST(CardPlay, PlainSituations)
{
    struct Case {
        const char* what;
        PlayView view;
        const char* card;
    };
    const Case cases[] = {
        {"declarer draws trumps with the top jack", view(GAME_CLUBS, SEAT_0, SEAT_0, "KB HB KA K1 K9 PA P7 H7 C7 C8"),
         "KB"},
        {"without the top trump the declarer leads a low trump",
         view(GAME_CLUBS, SEAT_0, SEAT_0, "HB KA K1 K9 K7 PA P7 H7 C7 C8"), "K7"},
        {"trumps drawn: the declarer cashes its ace",
         view(GAME_CLUBS, SEAT_0, SEAT_0, "KA PA P7 H8", "", "KB PB HB CB K1 KK KD K9 K8 K7"), "PA"},
        {"a defender leads its ace", view(GAME_HEARTS, SEAT_1, SEAT_0, "PA P7 P8 K9 KD C7 C8 C9 CK CD"), "PA"},
        {"a defender smears on its partner's sure trick",
         view(GAME_HEARTS, SEAT_2, SEAT_0, "P1 PK P9 K7 KD C7 C8 C9 CK CD", "P7 PA", ""), "P1"},
        {"the last seat takes the declarer's trick as cheaply as it can",
         view(GAME_HEARTS, SEAT_2, SEAT_0, "PA PK P9 K7 KD C7 C8 C9 CK CD", "PD P8", ""), "PK"},
        {"a defender that cannot take adds its least",
         view(GAME_HEARTS, SEAT_2, SEAT_0, "P9 P8 K7 KD C7 C8 C9 CK CD KA", "PA P7", ""), "P8"},
        {"the declarer in null stays under the highest card",
         view(GAME_NULL, SEAT_1, SEAT_1, "K7 K9 KA P7 P8 H7 H8 C7 C8 C9", "K1 K8", ""), "K9"},
        {"without the led suit the null declarer throws its most dangerous card",
         view(GAME_NULL, SEAT_1, SEAT_1, "KA P7 P8 C7 C8 C9", "H1 HK", ""), "KA"},
        {"a null defender ducks under the declarer",
         view(GAME_NULL, SEAT_2, SEAT_1, "K7 K9 KA P7 P8 H7 H8 C7 C8 C9", "K8 K1", ""), "K9"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(chooseHeuristicCard(c.view), cardIdFromCode(c.card)) << c.what;
}

TEST(CardPlay, AlwaysALegalCardOfTheHand)
{
    VORDIX_RANDOM random;
    random.seed = 7;
    for (int round = 0; round < 3000; ++round) {
        // A random position: hands of equal size, up to two cards on the table.
        std::array<CardBit, 32> deck{};
        for (int i = 0; i < 32; ++i)
            deck[static_cast<std::size_t>(i)] = i;
        for (int i = 31; i > 0; --i)
            std::swap(deck[static_cast<std::size_t>(i)], deck[static_cast<std::size_t>(random.next(i + 1))]);
        const int size = 1 + random.next(10);
        PlayView v;
        v.type = static_cast<GameType>(1 + random.next(8));
        v.self = static_cast<Seat>(random.next(3));
        v.declarer = v.type == GAME_RAMSCH ? SEAT_NONE : static_cast<Seat>(random.next(3));
        v.trickCount = random.next(3);
        for (int i = 0; i < size; ++i)
            v.hand |= bitMask(deck[static_cast<std::size_t>(i)]);
        for (int i = 0; i < v.trickCount; ++i)
            v.trick[static_cast<std::size_t>(i)] = deck[static_cast<std::size_t>(size + i)];
        for (int i = size + 2; i < 32 - 2 * size - 2; ++i)
            v.played |= bitMask(deck[static_cast<std::size_t>(i)]);
        const CardId card = chooseHeuristicCard(v);
        const CardSet legal = v.trickCount == 0 ? v.hand : EINBLATT::legalCards(v.hand, v.trick[0], v.type);
        ASSERT_NE(cardMaskOfId(card) & legal, 0u) << "round " << round;
    }
    EXPECT_EQ(chooseHeuristicCard(PlayView{}), NO_CARD);
}

} // namespace
