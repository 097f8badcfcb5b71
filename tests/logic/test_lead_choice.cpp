// The table-based card choice: move-rating list, table choice and pick
// rules, and whole games in which it must always play a legal card.
#include "skat/logic/LeadChoice.h"
#include "skat/logic/LeadTables.h"
#include "tests/logic/neutral_logic_set.h"
#include "tests/support/RecordingMessageSink.h"
#include "vordix/Random.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

CardSet setOf(std::initializer_list<CardId> cards)
{
    CardSet s = 0;
    for (CardId c : cards)
        s |= cardMaskOfId(c);
    return s;
}

// Loads the shipped logic set, or a neutral one (every term 0), into the
// process's lead tables.
void loadShippedSet() { ASSERT_TRUE(leadTables.loadFiles(SKAT_LOGIC_DATA_DIR)); }
void loadNeutralSet() { loadNeutralLogicSet(leadTables); }

TEST(MoveRating, CapacityFilterAndMissingCards)
{
    ZUGWERTUNG list;
    EXPECT_EQ(list.last, -1);
    for (int i = 0; i < 14; ++i)
        list.add(11 + i, TABELLE{KIND_VHBB, i}, i * 10);
    EXPECT_EQ(list.count(), 13);
    EXPECT_EQ(list.entries[12].card, 23);
    EXPECT_EQ(list.find(24), nullptr); // the fourteenth was ignored
    EXPECT_EQ(list.total(15), 40);     // no filter: the rating itself
    list.setFilter(15, 3, -7);
    EXPECT_EQ(list.total(15), 33);
    list.setFilter(99, 3, 50); // no entry: nothing
    EXPECT_EQ(list.total(99, -50), -50);
    list.setRating(15, TABELLE{KIND_MHTR, 2}, 5);
    EXPECT_EQ(list.total(15), -2);
    EXPECT_EQ(list.find(15)->table.kind, KIND_MHTR);
}

LeadSituation leadOf(GameType type, Seat self, Seat declarer, CardSet hand, CardSet played = 0)
{
    LeadSituation s;
    s.view.type = type;
    s.view.self = self;
    s.view.declarer = declarer;
    s.view.hand = hand;
    s.view.played = played;
    s.leader = self;
    s.trickCount = cardCount(played) / 3;
    return s;
}

TEST(LeadChoice, TiesOneCardAndTrumpRule)
{
    loadNeutralSet();
    SL_AUSSPIELEN choice;
    const CardSet hand = setOf({31, 33, 45});
    {
        const auto s = leadOf(GAME_NULL, SEAT_0, SEAT_0, hand);
        SeenCardChances chances(s);
        EXPECT_EQ(choice.choose(s, chances), 45); // equal ratings in null: the lowest CardBit
    }
    {
        const auto s = leadOf(GAME_CLUBS, SEAT_1, SEAT_0, hand);
        SeenCardChances chances(s);
        EXPECT_EQ(choice.choose(s, chances), 33); // in a suit game: the highest CardBit
    }
    {
        const auto s = leadOf(GAME_GRAND, SEAT_2, SEAT_0, setOf({27}));
        SeenCardChances chances(s);
        EXPECT_EQ(choice.choose(s, chances), 27);
    }
    // Declarer in clubs holding both black jacks with exactly two trumps
    // (of positions 2..11) out: the jacks 100, the lower trumps -80.
    const CardSet played = setOf({34, 44, 12, 13, 15, 16, 21, 22, 23, 25, 26, 27});
    const auto s = leadOf(GAME_CLUBS, SEAT_0, SEAT_0, setOf({14, 24, 11, 41, 42}), played);
    SeenCardChances chances(s);
    choice.evaluate(s, chances);
    EXPECT_EQ(choice.ratings().total(14), 100);
    EXPECT_EQ(choice.ratings().total(24), 100);
    EXPECT_EQ(choice.ratings().total(11), -80);
    EXPECT_EQ(choice.ratings().find(41)->table.kind, KIND_VHBB);
}

TEST(LeadChoice, RamschAndNullTables)
{
    loadNeutralSet();
    SL_AUSSPIELEN choice;
    auto s = leadOf(GAME_RAMSCH, SEAT_1, SEAT_NONE, setOf({11, 24, 38}));
    SeenCardChances chances(s);
    choice.evaluate(s, chances);
    for (CardId c : {11, 24, 38})
        EXPECT_EQ(choice.ratings().find(c)->table, (TABELLE{KIND_VHNL, 6}));
    // Ramsch discard: a heart on a led club.
    s.leader = SEAT_0;
    s.view.trick[0] = cardBitOf(SUIT_CLUBS, RANK_ACE);
    s.view.trickCount = 1;
    s.view.hand = setOf({31, 38});
    choice.evaluate(s, chances);
    EXPECT_EQ(choice.ratings().find(31)->table, (TABELLE{KIND_VHNL, 21}));
    // A null defender rates a suit the declarer cannot hold -40.
    auto n = leadOf(GAME_NULL, SEAT_1, SEAT_0, setOf({11, 31}), setOf({21, 22, 23, 24, 25, 26, 27, 28, 12, 32}));
    n.trickCount = 0;
    n.view.played = setOf({21, 22, 23, 24, 25, 26, 27, 28}) | setOf({12, 13, 14, 15, 16, 17, 18});
    SeenCardChances nc(n);
    choice.evaluate(n, nc);
    EXPECT_EQ(choice.ratings().total(11), -40); // clubs are gone but for the own seven
    EXPECT_EQ(choice.pick(), 31);
}

// Plays whole seeded games with the choice at every seat and checks every
// card against the rules of following.
TEST(LeadChoice, PlaysOnlyLegalCardsInWholeGames)
{
    loadShippedSet();
    VORDIX_RANDOM random;
    random.seed = 20261210;
    SL_AUSSPIELEN choice;
    int cardsPlayed = 0;
    for (int game = 0; game < 160; ++game) {
        const GameType type = GameType(1 + game % 8);
        std::vector<CardBit> deck(32);
        for (int i = 0; i < 32; ++i)
            deck[static_cast<std::size_t>(i)] = i;
        for (int i = 31; i > 0; --i)
            std::swap(deck[static_cast<std::size_t>(i)], deck[static_cast<std::size_t>(random.next(i + 1))]);
        std::array<CardSet, 3> hands{};
        for (int i = 0; i < 30; ++i)
            hands[static_cast<std::size_t>(i / 10)] |= bitMask(deck[static_cast<std::size_t>(i)]);
        const Seat declarer = type == GAME_RAMSCH ? SEAT_NONE : seatAfter(SEAT_0, game);
        LeadSituation s;
        s.leader = SEAT_0;
        CardSet played = 0;
        for (int trick = 0; trick < 10; ++trick) {
            LeadSituation::Trick done;
            done.leader = s.leader;
            for (int place = 0; place < 3; ++place) {
                const Seat seat = seatAfter(s.leader, place);
                s.view.type = type;
                s.view.self = seat;
                s.view.declarer = declarer;
                s.view.hand = hands[static_cast<std::size_t>(seat)];
                s.view.played = played;
                s.view.trickCount = place;
                for (int i = 0; i < place; ++i)
                    s.view.trick[static_cast<std::size_t>(i)] = done.cards[static_cast<std::size_t>(i)];
                SeenCardChances chances(s);
                const CardId card = choice.choose(s, chances);
                ASSERT_TRUE(SL_AUSSPIELEN::candidates(s.view) & cardMaskOfId(card))
                    << "game " << game << " trick " << trick << " place " << place;
                done.cards[static_cast<std::size_t>(place)] = cardBitOf(suitOfCardId(card), rankOfCardId(card));
                hands[static_cast<std::size_t>(seat)] &= ~cardMaskOfId(card);
                ++cardsPlayed;
            }
            CardBit best = done.cards[0];
            int winner = 0;
            for (int i = 1; i < 3; ++i)
                if (beatsCard(type, done.cards[static_cast<std::size_t>(i)], best, done.cards[0])) {
                    best = done.cards[static_cast<std::size_t>(i)];
                    winner = i;
                }
            done.winner = seatAfter(s.leader, winner);
            for (CardBit b : done.cards)
                played |= bitMask(b);
            s.tricks[static_cast<std::size_t>(trick)] = done;
            s.trickCount = trick + 1;
            s.leader = done.winner;
        }
    }
    EXPECT_EQ(cardsPlayed, 160 * 30);
}

} // namespace
