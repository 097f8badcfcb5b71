// What the game window reads of the table: one copy taken under the
// table's lock, which later changes of the table do not reach.

#include "skat/engine/Skattisch.h"
#include "skat/ui/TableSnapshot.h"

#include <gtest/gtest.h>

namespace {

TEST(TableSnapshot, IsACopyWithTheSheetFactsTheWindowShows)
{
    SKATTISCH_SERVER table;
    table.standardSeating();
    for (int i = 0; i < 3; ++i) {
        table.sheet.addGame(SPIELSTRUCT(), SPIELKARTEN(), true);
        table.sheet.rows.back()->deal.vhPos = static_cast<Seat>(i); // three different deals
    }
    table.sheet.rows.back()->points = {12, -48, 0};
    table.sheet.setPlayerNames({L"Bert", L"Hanna", L"Anna", L""});
    table.currentIndex = STATE_KARTE_AUSSPIELEN;
    table.record.GEREIZT = 23;
    table.cards.hands[1].setCardSet(0b111);
    table.modus.storedGameFlag = true;
    table.modus.storedGame.deal = table.sheet.rowAt(1).deal;

    const TableSnapshot shown(table);
    table.currentIndex = STATE_ABRECHNUNG;
    table.record.GEREIZT = 48;
    table.cards.hands[1].clearCards();
    table.sheet.addGame(SPIELSTRUCT(), SPIELKARTEN(), true);

    EXPECT_EQ(shown.currentIndex, STATE_KARTE_AUSSPIELEN);
    EXPECT_EQ(shown.record.GEREIZT, 23);
    EXPECT_EQ(shown.cards.hands[1].cardSet(), CardSet{0b111});
    EXPECT_EQ(shown.sheet.rowCount(), 3);
    EXPECT_EQ(shown.sheet.storedGameRow, 1);
    EXPECT_EQ(shown.sheet.lastRowPoints(0), 12);
    EXPECT_EQ(shown.sheet.lastRowPoints(1), -48);
    EXPECT_EQ(shown.sheet.lastRowPoints(3), 0);
    EXPECT_EQ(shown.sheet.names, (std::array<std::wstring, 3>{L"Bert", L"Hanna", L"Anna"}));
    // The players are the table's own.
    EXPECT_EQ(shown.playerAtSeat(SEAT_1), table.playerAtSeat(SEAT_1));

    // Without a stored game no row is named, also when a row's deal matches.
    table.modus.storedGameFlag = false;
    EXPECT_EQ(TableSnapshot(table).sheet.storedGameRow, -1);
}

// A guest's table knows its own hand and only the sizes of the others: each
// hidden hand is shown as that many stand-ins for its backs, none of which
// is a card shown anywhere on the table or in the other hidden hand.
TEST(TableSnapshot, HiddenHandsGetAsManyStandInsAsTheSeatHolds)
{
    SKATTISCH_CLIENT table;
    const CardSet own = cardMask(SUIT_CLUBS, RANK_JACK) | cardMask(SUIT_HEARTS, RANK_ACE) | cardMask(SUIT_SPADES, 3);
    table.cards.hands[SEAT_1].setCardSet(own);
    table.cards.trick.addCard(cardById(makeCardId(SUIT_DIAMONDS, 1)));
    table.cards.trick.addCard(cardById(makeCardId(SUIT_DIAMONDS, 2)));
    struct Case {
        HeldCounts held;
        bool hidden0, hidden2;
    };
    const Case cases[] = {
        {HANDS_KNOWN, false, false}, // a table that knows every hand
        {{4, -1, 3}, true, true},
        {{0, -1, 10}, false, true}, // a seat that holds nothing
        {{12, -1, 10}, true, true}, // the declarer with the skat
    };
    for (const Case& c : cases) {
        table.heldCounts = c.held;
        const TableSnapshot shown(table);
        EXPECT_EQ(shown.handHidden(SEAT_0), c.hidden0);
        EXPECT_EQ(shown.handHidden(SEAT_2), c.hidden2);
        EXPECT_FALSE(shown.handHidden(SEAT_1));
        EXPECT_EQ(shown.handShown(SEAT_1), own);
        const CardSet left = shown.handShown(SEAT_0);
        const CardSet right = shown.handShown(SEAT_2);
        EXPECT_EQ(cardCount(left), std::max(c.held[SEAT_0], 0));
        EXPECT_EQ(cardCount(right), std::max(c.held[SEAT_2], 0));
        EXPECT_EQ(left & right, 0u);
        EXPECT_EQ((left | right) & (own | table.cards.trick.cardSet()), 0u);
    }
}

} // namespace
