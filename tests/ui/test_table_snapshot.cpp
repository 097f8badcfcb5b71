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
    // The players are the table's own.
    EXPECT_EQ(shown.playerAtSeat(SEAT_1), table.playerAtSeat(SEAT_1));

    // Without a stored game no row is named, also when a row's deal matches.
    table.modus.storedGameFlag = false;
    EXPECT_EQ(TableSnapshot(table).sheet.storedGameRow, -1);
}

} // namespace
