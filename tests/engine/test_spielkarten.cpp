// The card state of a game: shuffle, deal, play, take back, save and read.

#include "skat/engine/AnswerCheck.h"
#include "skat/engine/ComputerLogic.h"
#include "skat/engine/PartielleSpielkarten.h"
#include "vordix/Random.h"

#include <gtest/gtest.h>
#include <set>
#include <string>
#include <tinyxml2.h>

namespace {

std::vector<CardId> idsOf(CardSet set)
{
    std::vector<CardId> ids;
    while (set != 0)
        ids.push_back(cardIdOfBit(popLowest(set)));
    return ids;
}

// A dealt game from a seed: forehand 1, declarer seat 0 takes the skat and
// lays away its two lowest cards; suit game in hearts.
struct DealtGame {
    SPIELKARTEN cards;
    static constexpr Seat declarer = SEAT_0;
    static constexpr GameType type = GAME_HEARTS;

    explicit DealtGame(std::uint32_t seed)
    {
        VORDIX_RANDOM random;
        random.seed = seed;
        cards.pile.setVh(SEAT_1);
        cards.shuffle(random);
        cards.deal();
        cards.AUSP = 1;
        for (int place = 1; place <= 2; ++place)
            cards.takeSkatCard(declarer, cards.skat.cardId(place));
        const auto held = idsOf(cards.hands[declarer].cardSet());
        cards.pushSkat(declarer, SKAT(held[0], held[1]));
    }

    // Plays the lowest legal card of the seat to move; collects full tricks.
    void playOne()
    {
        const Seat seat = cards.seatToMove();
        const CardSet hand = cards.hands[seat].cardSet();
        const CardSet legal =
            cards.trick.isEmpty() ? hand : cards.hands[seat].legalCards(cards.trick.ledCard()->bit(), type);
        cards.playCard(cardByBit(lowestBit(legal))->id());
        if (cards.trick.isComplete())
            cards.collectTrick(type, declarer);
    }
};

} // namespace

TEST(Spielkarten, FreshStateAndUnshuffledDeal)
{
    SPIELKARTEN cards;
    EXPECT_TRUE(cards.isConsistent());
    EXPECT_EQ(cards.leader(), -1);
    EXPECT_EQ(cards.deck[0], 11);
    EXPECT_EQ(cards.deck[31], 48);

    cards.deal();
    EXPECT_EQ(cards.dealCounter, 10);
    EXPECT_TRUE(cards.isConsistent());
    EXPECT_EQ(idsOf(cards.hands[0].cardSet()).size(), 10u);
    const auto dealt = idsOf(cards.hands[0].cardSet());
    EXPECT_EQ(std::set<CardId>(dealt.begin(), dealt.end()), (std::set<CardId>{11, 14, 17, 24, 27, 32, 35, 38, 43, 46}));
    EXPECT_EQ(cards.skat, SKAT(22, 23));
    for (Seat s = SEAT_0; s < 3; ++s)
        EXPECT_EQ(cards.hands[s].cardCount(), 10);
    // The deal as dealt is recorded in ascending card order.
    EXPECT_TRUE(cards.dealtRecorded);
    EXPECT_EQ(cards.dealAsDealt.hands[0].cardIdAt(1), 43);
    EXPECT_EQ(cards.dealAsDealt.skat, SKAT(22, 23));
}

TEST(Spielkarten, DealStepWrapsAround)
{
    SPIELKARTEN cards;
    cards.dealCounter = 10;
    cards.dealStep();
    EXPECT_EQ(cards.dealCounter, 1);
    EXPECT_EQ(idsOf(cards.hands[0].cardSet()), std::vector<CardId>{11});
    EXPECT_EQ(idsOf(cards.hands[2].cardSet()), std::vector<CardId>{13});
}

TEST(Spielkarten, ShuffleIsReproducibleAndSteppedInPlace)
{
    std::set<std::array<CardId, 32>> decks;
    for (std::uint32_t seed : {1u, 2u, 0xFFFFFFFFu, 123456789u}) {
        SPIELKARTEN a, b;
        VORDIX_RANDOM ra, rb;
        ra.seed = rb.seed = seed;
        a.shuffle(ra);
        b.shuffle(rb);
        EXPECT_EQ(a.deck, b.deck);
        EXPECT_EQ(ra.seed, rb.seed);
        decks.insert(a.deck);
        const std::set<CardId> distinct(a.deck.begin(), a.deck.end());
        EXPECT_EQ(distinct.size(), 32u);
        EXPECT_EQ(*distinct.begin(), 11);

        // The generator advanced by one limit draw per swap, two index draws
        // per swap and a final limit draw: 3n + 1 steps for 901..1100 swaps.
        std::uint32_t s = seed;
        int steps = 0;
        while (s != ra.seed && steps < 4000) {
            s = s * 214013u + 2531011u;
            ++steps;
        }
        EXPECT_EQ(steps % 3, 1);
        EXPECT_GE((steps - 1) / 3, 901);
        EXPECT_LE((steps - 1) / 3, 1100);

        const auto before = a.deck;
        for (int position : {0, 1, 15, 30, 31, -4})
            a.cut(position);
        EXPECT_EQ(a.deck, before);

        a.deal();
        EXPECT_TRUE(a.isConsistent());
        EXPECT_EQ(a.hands[0].cardCount() + a.hands[1].cardCount() + a.hands[2].cardCount(), 30);
        EXPECT_TRUE(a.skat.isComplete());
    }
    EXPECT_EQ(decks.size(), 4u);
}

TEST(Spielkarten, PlayingAndTakingBackKeepsEveryCard)
{
    for (std::uint32_t seed : {1u, 77u, 4242u}) {
        SCOPED_TRACE(seed);
        DealtGame game(seed);
        SPIELKARTEN& cards = game.cards;
        const std::array<EINBLATT, 3> afterPush = cards.hands;
        ASSERT_TRUE(cards.isConsistent());
        ASSERT_TRUE(cards.pushRecorded);
        EXPECT_EQ(cards.pile.skat(), cards.skat);

        for (int n = 0; n < 30; ++n) {
            game.playOne();
            ASSERT_TRUE(cards.isConsistent()) << "after card " << n;
        }
        EXPECT_EQ(cards.pile.trickCount(), 10);
        EXPECT_EQ(cards.pile.recordPoints(PARTY_DECLARER) + cards.pile.recordPoints(PARTY_DEFENDERS), 120);
        for (Seat s = SEAT_0; s < 3; ++s)
            EXPECT_EQ(cards.pile.startingHandOf(s).cardSet(), afterPush[s].cardSet());

        // Take back: each call moves the seat to move back by one card.
        int undone = 0;
        while (cards.pile.trickCount() > 0 || !cards.trick.isEmpty()) {
            const Seat before = cards.seatToMove();
            const bool trickOnPile = cards.pile.trickCount() > 0;
            cards.undoToSeat();
            ASSERT_TRUE(cards.isConsistent()) << "after take-back " << undone;
            if (trickOnPile) { // without one only the current trick goes back
                EXPECT_EQ(cards.seatToMove(), before);
            }
            if (++undone > 40)
                break;
        }
        for (Seat s = SEAT_0; s < 3; ++s)
            EXPECT_EQ(cards.hands[s].cardSet(), afterPush[s].cardSet());
        EXPECT_EQ(cards.leader(), 1);
    }
}

TEST(Spielkarten, DuplicateCardIsCaught)
{
    DealtGame game(5);
    SPIELKARTEN& cards = game.cards;
    const CardId moved = cardByBit(lowestBit(cards.hands[1].cardSet()))->id();
    cards.hands[2].addCard(moved);
    cards.hands[0].removeCard(cardByBit(lowestBit(cards.hands[0].cardSet()))->id());
    EXPECT_FALSE(cards.isConsistent());

    SPIELKARTEN skatTwice;
    skatTwice.deal();
    skatTwice.skat.setCard(2, skatTwice.skat.cardId(1));
    skatTwice.hands[0].addCard(23);
    skatTwice.hands[0].removeCard(11);
    EXPECT_FALSE(skatTwice.isConsistent());
}

TEST(Spielkarten, SkatMovesWithoutLosingCards)
{
    SPIELKARTEN cards;
    cards.deal();
    cards.takeSkatCard(SEAT_0, 48); // not in the skat: nothing happens
    EXPECT_EQ(cards.hands[0].cardCount(), 10);
    cards.takeSkatCard(SEAT_0, 23);
    EXPECT_EQ(cards.skat, SKAT(22, 0));
    EXPECT_TRUE(cards.hands[0].hasCard(23));
    EXPECT_TRUE(cards.isConsistent());
    cards.putCardIntoSkat(SEAT_0, 11);
    EXPECT_EQ(cards.skat, SKAT(22, 11));
    cards.putCardIntoSkat(SEAT_0, 14); // both places taken: the card stays in the hand
    EXPECT_TRUE(cards.hands[0].hasCard(14));
    EXPECT_TRUE(cards.isConsistent());
}

TEST(Spielkarten, WritesAndReadsBackMidGame)
{
    DealtGame game(99);
    for (int n = 0; n < 14; ++n)
        game.playOne();
    const SPIELKARTEN& cards = game.cards;
    const std::string xml = streamToXml(cards);

    SPIELKARTEN back;
    ASSERT_EQ(streamFromXml(xml, back), STREAM_READ_OK) << xml;
    for (Seat s = SEAT_0; s < 3; ++s)
        EXPECT_EQ(back.hands[s], cards.hands[s]);
    EXPECT_EQ(back.trick, cards.trick);
    EXPECT_EQ(back.leader(), cards.leader());
    EXPECT_EQ(back.pile, cards.pile);
    EXPECT_EQ(back.skat, cards.skat);
    EXPECT_EQ(back.dealCounter, 10);
    // The recorded deals are rebuilt from hands, pile and trick.
    EXPECT_TRUE(back.pushRecorded);
    EXPECT_EQ(back.dealAfterPush.hands, cards.dealAfterPush.hands);
    // The skat as dealt is not part of the state: after the push the deal as
    // dealt can only be rebuilt as the hands after the push with the laid-away skat.
    EXPECT_EQ(back.dealAsDealt.hands, cards.dealAfterPush.hands);
    EXPECT_EQ(back.dealAsDealt.skat, cards.skat);
    EXPECT_TRUE(back.dealAsDealt.isValid());
    EXPECT_EQ(streamToXml(back), xml);
}

TEST(Spielkarten, LeaderAttribute)
{
    SPIELKARTEN cards;
    EXPECT_NE(streamToXml(cards).find("AUSP=\"-1\""), std::string::npos);
    EXPECT_NE(streamToXml(cards).find("<SKAT/>"), std::string::npos);

    SPIELKARTEN read;
    ASSERT_EQ(streamFromXml("<SPIELKARTEN_CORE/>", read), STREAM_READ_OK);
    EXPECT_EQ(read.leader(), 0);
}

TEST(Spielkarten, DamagedStatesAreClearedAndRefused)
{
    SPIELKARTEN dealt;
    dealt.pile.setVh(SEAT_0);
    dealt.deal();
    dealt.AUSP = 0;
    const std::string good = streamToXml(dealt);
    struct Case {
        const char* what;
        std::string from, to;
    };
    const std::string firstCode = cardById(idsOf(dealt.hands[1].cardSet())[0])->code();
    const std::string secondHandFirst = "<EINBLATT k1=\"" + cardById(idsOf(dealt.hands[1].cardSet())[0])->code();
    const Case cases[] = {
        {"a card in two hands", "<EINBLATT k1=\"" + cardById(idsOf(dealt.hands[0].cardSet())[0])->code(),
         secondHandFirst},
        {"leader out of range", "AUSP=\"0\"", "AUSP=\"3\""},
        {"leader far out of range", "AUSP=\"0\"", "AUSP=\"-100\""},
        {"pile forehand out of range", "VH=\"0\"", "VH=\"5\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::string xml = good;
        const auto at = xml.find(c.from);
        ASSERT_NE(at, std::string::npos);
        xml.replace(at, c.from.size(), c.to);
        SPIELKARTEN read;
        EXPECT_EQ(streamFromXml(xml, read), STREAM_READ_FAILED);
        EXPECT_EQ(read.leader(), -1);
        for (Seat s = SEAT_0; s < 3; ++s)
            EXPECT_TRUE(read.hands[s].isEmpty());
    }
    SPIELKARTEN read;
    EXPECT_EQ(streamFromXml(good, read), STREAM_READ_OK);
}

TEST(Spielkarten, SetUpFromDealAndFromStoredGame)
{
    DealtGame game(31337);
    while (game.cards.pile.trickCount() < 10)
        game.playOne();

    SPIELKARTEN fromDeal;
    fromDeal.setUpFromDeal(game.cards.dealAsDealt);
    EXPECT_TRUE(fromDeal.isConsistent());
    EXPECT_EQ(fromDeal.leader(), 1);
    EXPECT_EQ(fromDeal.dealAsDealt, game.cards.dealAsDealt);

    // A stored game without a valid deal is rebuilt from its pile.
    StoredGameCards stored;
    stored.pile = game.cards.pile;
    stored.skat = game.cards.dealAsDealt.skat;
    stored.gameType = DealtGame::type;
    stored.declarer = DealtGame::declarer;
    SPIELKARTEN fromPile;
    fromPile.setUpFromGame(stored);
    EXPECT_TRUE(fromPile.isConsistent());
    for (Seat s = SEAT_0; s < 3; ++s)
        EXPECT_EQ(fromPile.hands[s].cardSet(), game.cards.dealAsDealt.hands[s].cardSet()) << s;
    EXPECT_EQ(fromPile.skat, stored.skat);

    stored.deal = game.cards.dealAsDealt;
    SPIELKARTEN viaDeal;
    viaDeal.setUpFromGame(stored);
    EXPECT_EQ(viaDeal.dealAsDealt, game.cards.dealAsDealt);

    // A repeat of the previous deal after reset.
    SPIELKARTEN repeat = fromDeal;
    repeat.reset();
    repeat.startFromDeal();
    EXPECT_TRUE(repeat.isConsistent());
    for (Seat s = SEAT_0; s < 3; ++s)
        EXPECT_EQ(repeat.hands[s].cardSet(), game.cards.dealAsDealt.hands[s].cardSet());
}

TEST(Spielkarten, CardStatesAndPartialView)
{
    DealtGame game(8);
    for (int n = 0; n < 4; ++n)
        game.playOne();
    const SPIELKARTEN& cards = game.cards;
    const CardId own = idsOf(cards.hands[0].cardSet())[0];
    const CardId other = idsOf(cards.hands[2].cardSet())[0];
    const CardId inTrick = cards.trick.card(0)->id();
    const CardId onPile = cards.pile.trick(1).card(0)->id();
    const CardId laidAway = cards.skat.cardId(1);
    EXPECT_EQ(cards.cardStateOpen(SEAT_0, own), CARD_IN_OWN_HAND);
    EXPECT_EQ(cards.cardStateOpen(SEAT_0, other), CARD_IN_OTHER_HAND);
    EXPECT_EQ(cards.cardStateOpen(SEAT_0, inTrick), CARD_IN_TRICK);
    EXPECT_EQ(cards.cardStateOpen(SEAT_0, onPile), CARD_ELSEWHERE);
    EXPECT_EQ(cards.cardStateForSeat(other, SEAT_0), CARD_IN_OTHER_HAND);
    EXPECT_EQ(cards.cardStateForSeat(onPile, SEAT_0), CARD_ELSEWHERE);
    EXPECT_EQ(cards.cardStateForSeat(inTrick, SEAT_0), CARD_IN_TRICK);

    PARTIELLE_SPIELKARTEN defender;
    defender.assignView(cards, SEAT_2, DealtGame::declarer, DealtGame::type, 0);
    EXPECT_TRUE(defender.viewReady);
    EXPECT_EQ(defender.hands[2], cards.hands[2]);
    EXPECT_TRUE(defender.hands[0].isEmpty());
    EXPECT_EQ(defender.handSizes[0], cards.hands[0].cardCount());
    EXPECT_TRUE(defender.skat.isEmpty());
    EXPECT_FALSE(defender.pile.containsCard(laidAway));
    EXPECT_EQ(defender.cardStateForSeat(laidAway, SEAT_2), CARD_IN_OTHER_HAND);

    PARTIELLE_SPIELKARTEN declarer;
    declarer.assignView(cards, SEAT_0, DealtGame::declarer, DealtGame::type, 0);
    EXPECT_EQ(declarer.skat, cards.skat);
    EXPECT_TRUE(declarer.hands[1].isEmpty());

    PARTIELLE_SPIELKARTEN open;
    open.assignView(cards, SEAT_1, DealtGame::declarer, GAME_GRAND, 5);
    EXPECT_EQ(open.hands[0], cards.hands[0]);

    PARTIELLE_SPIELKARTEN ramsch;
    ramsch.assignView(cards, SEAT_0, SEAT_0, GAME_RAMSCH, 0);
    EXPECT_TRUE(ramsch.skat.isEmpty());
}

// The computer player's snapshot agrees with the card state it was taken
// from, at every stage of a game.
TEST(Spielkarten, SnapshotAgreesWithTheCardState)
{
    for (int played : {0, 1, 2, 3, 14, 29, 30}) {
        DealtGame game(17);
        for (int i = 0; i < played; ++i)
            game.playOne();
        SPIELSTRUCT record;
        record.ALLEIN = DealtGame::declarer;
        record.SPIELART = SPIELART(DealtGame::type, 0);
        for (Seat seat = SEAT_0; seat < 3; ++seat) {
            GameSnapshot snapshot;
            snapshot.take(game.cards, record, seat);
            SCOPED_TRACE("played " + std::to_string(played) + " seat " + std::to_string(seat));
            EXPECT_EQ(snapshot.hand(), game.cards.hands[seat].cardSet());
            EXPECT_EQ(snapshot.seatToMove(), game.cards.seatToMove());
            EXPECT_EQ(snapshot.legalCards(), legalCardsOfSeat(game.cards, DealtGame::type, seat));
            EXPECT_EQ(snapshot.trickCount, game.cards.pile.trickCount());
            for (int n = 1; n <= snapshot.trickCount; ++n) {
                EXPECT_EQ(snapshot.tricks[n - 1].code, game.cards.pile.trick(n).code());
                EXPECT_EQ(snapshot.tricks[n - 1].leader, game.cards.pile.leaderOfTrick(n));
            }
            const CardSet laidAway = game.cards.pile.skat().cardSet();
            EXPECT_EQ(snapshot.laidAway, seat == DealtGame::declarer ? laidAway : 0u);
            EXPECT_EQ(snapshot.playedCards(), (game.cards.pile.cardSet() & ~laidAway) | game.cards.trick.cardSet());
            EXPECT_EQ(snapshot.record, record.core());
        }
    }
    static_assert(sizeof(SPIELKARTEN_CORE) == 20);
}
