// The next-game mode: forehand rotation over a sheet, repeats, free games,
// distributions and stored games, and which games go onto the sheet.

#include "skat/engine/Liste.h"
#include "skat/engine/SheetServices.h"
#include "skat/engine/Spielkarten.h"
#include "skat/engine/Spielmodus.h"

#include <gtest/gtest.h>

namespace {

class FreeGamesEntered : public SHEET_SERVICES {
public:
    bool enterFreeGames() const override { return true; }
};

void addRows(LISTE& sheet, int count)
{
    for (int i = 0; i < count; ++i) {
        auto row = std::make_unique<EIN_SPIEL>();
        row->record.GEREIZT = 18;
        row->record.ALLEIN = 1;
        row->record.SPIELART = SPIELART(GAME_CLUBS, 0);
        row->record.SPIELWERT = 24;
        sheet.insertRow(std::move(row));
    }
}

TEST(Spielmodus, ForehandTurnsOverTheSheet)
{
    const struct {
        int rows, forehand, cycle;
    } cases[] = {{0, 2, 0}, {1, 0, 1}, {2, 1, 1}, {3, 2, 1}, {4, 0, 2}, {35, 1, 12}};
    for (const auto& c : cases) {
        LISTE sheet;
        addRows(sheet, c.rows);
        SPIELMODUS mode;
        mode.setForehand(SEAT_0);
        EXPECT_EQ(mode.setNextOfList(sheet), c.cycle) << c.rows;
        EXPECT_EQ(mode.forehand, c.forehand) << c.rows;
        EXPECT_EQ(mode.mode, MODE_NEXT_OF_LIST);
    }
}

// At a table of four the dealer of game n sits out in column (n - 1) mod 4
// and the player after him leads: forehand is the seat that the sheet puts
// into the next column, in every game.
TEST(Spielmodus, AtATableOfFourTheSeatAfterTheDealerLeads)
{
    LISTE sheet;
    sheet.places = 4;
    for (int rows = 0; rows < 9; ++rows) {
        SCOPED_TRACE(rows);
        SPIELMODUS mode;
        mode.setNextOfList(sheet);
        const int n = rows + 1;
        auto row = std::make_unique<EIN_SPIEL>();
        row->record.GEREIZT = 18;
        row->record.ALLEIN = mode.forehand;
        row->record.SPIELART = SPIELART(GAME_CLUBS, 0);
        row->record.SPIELWERT = 24;
        sheet.insertRow(std::move(row));
        EXPECT_EQ(sheet.declarerColumnOfRow(rows), n % 4);
        EXPECT_NE(sheet.declarerColumnOfRow(rows), (n - 1) % 4) << "the dealer sits out";
    }
    EXPECT_EQ(sheet.lastRowPoints(1), 3 * 24); // games 1, 5 and 9
}

TEST(Spielmodus, RepeatKeepsTheForehandOfTheRepeatedDeal)
{
    SPIELKARTEN cards;
    cards.pile.setVh(SEAT_0);
    cards.AUSP = 0;
    cards.deal();
    ASSERT_TRUE(cards.dealtRecorded);
    ASSERT_EQ(cards.dealAsDealt.vhPos, 0);

    LISTE sheet;
    addRows(sheet, 5); // the sheet's rotation gives forehand 1
    SPIELMODUS mode;
    mode.setRepeat(cards);
    EXPECT_EQ(mode.mode, MODE_REPEAT);
    EXPECT_TRUE(mode.repeatFlag);
    EXPECT_EQ(mode.forehand, 0);
    mode.setNextOfList(sheet);
    EXPECT_FALSE(mode.repeatFlag) << "every setter clears the repeat";
    EXPECT_EQ(mode.forehand, 1);
}

TEST(Spielmodus, SettersClearFlagsButNotTheFreeGame)
{
    KARTENVERTEILUNG deal;
    deal.vhPos = SEAT_2;
    SPIELMODUS mode;
    mode.setDistribution(deal);
    EXPECT_EQ(mode.mode, MODE_DISTRIBUTION);
    EXPECT_TRUE(mode.freeGame);
    EXPECT_EQ(mode.forehand, 2);
    EXPECT_EQ(mode.distribution, deal);

    EIN_SPIEL stored;
    stored.pile.setVh(SEAT_0);
    stored.record.SPIELWERT = 99;
    mode.setStoredGame(stored, 4);
    EXPECT_EQ(mode.mode, MODE_STORED_GAME);
    EXPECT_TRUE(mode.storedGameFlag);
    EXPECT_FALSE(mode.exerciseFlag);
    EXPECT_EQ(mode.startTrick, 4);
    EXPECT_EQ(mode.forehand, 0);
    EXPECT_EQ(mode.storedGame.record.SPIELWERT, 99);
    EXPECT_TRUE(mode.freeGame) << "only the table server clears the free-game flag";

    mode.deviationIndex = 3;
    mode.setExercise(stored);
    EXPECT_TRUE(mode.exerciseFlag);
    EXPECT_FALSE(mode.storedGameFlag);
    EXPECT_EQ(mode.startTrick, -1);
    EXPECT_EQ(mode.deviationIndex, -1);

    mode.setForehand(SEAT_1);
    EXPECT_EQ(mode.mode, MODE_FREE_GAME);
    EXPECT_FALSE(mode.exerciseFlag);
    EXPECT_EQ(mode.forehand, 1);
}

TEST(Spielmodus, WhichGamesAreEnteredInTheSheet)
{
    const struct {
        NextGameMode mode;
        bool byDefault, withFreeGamesEntered;
    } cases[] = {{MODE_NEXT_OF_LIST, true, true},
                 {MODE_FREE_GAME, false, true},
                 {MODE_REPEAT, false, false},
                 {MODE_DISTRIBUTION, false, false},
                 {MODE_STORED_GAME, false, false}};
    for (const auto& c : cases) {
        SPIELMODUS mode;
        mode.mode = c.mode;
        EXPECT_EQ(mode.countsListEnd(), c.byDefault) << c.mode;
        installSheetServices(std::make_shared<FreeGamesEntered>());
        EXPECT_EQ(mode.countsListEnd(), c.withFreeGamesEntered) << c.mode;
        installSheetServices(nullptr);
    }
}

TEST(Spielmodus, GamesOffTheSheetLeaveTheBockRoundAlone)
{
    LISTE sheet;
    SPIELMODUS mode;
    mode.setNextOfList(sheet);
    EXPECT_EQ(mode.bockCounterForNextGame(sheet), 0);

    addRows(sheet, 1);
    sheet.rows.back()->record.LOEST_BOCKRUNDE_AUS = true;
    EXPECT_EQ(mode.bockCounterForNextGame(sheet), 3);

    // A free game in between neither is a Bock game nor uses one up.
    SPIELMODUS free;
    free.setForehand(SEAT_2);
    EXPECT_EQ(free.bockCounterForNextGame(sheet), 0);
    EXPECT_EQ(mode.bockCounterForNextGame(sheet), 3);

    addRows(sheet, 1);
    sheet.rows.back()->record.BOCKRUNDE_NR = 3;
    EXPECT_EQ(mode.bockCounterForNextGame(sheet), 2);
    sheet.rows.back()->record.BOCKRUNDE_NR = 1;
    EXPECT_EQ(mode.bockCounterForNextGame(sheet), 0);

    installSheetServices(std::make_shared<FreeGamesEntered>());
    sheet.rows.back()->record.BOCKRUNDE_NR = 2;
    EXPECT_EQ(free.bockCounterForNextGame(sheet), 1) << "an entered free game is a game of the sheet";
    installSheetServices(nullptr);
}

// A Bock round is one game per player at the table.
TEST(Spielmodus, ABockRoundLastsOneGamePerPlayer)
{
    for (const int places : {3, 4}) {
        SCOPED_TRACE(places);
        LISTE sheet;
        sheet.places = places;
        addRows(sheet, 1);
        sheet.rows.back()->record.LOEST_BOCKRUNDE_AUS = true;
        std::vector<int> counters;
        for (int game = 0; game < 6; ++game) {
            const int next = sheet.nextBockCounter();
            counters.push_back(next);
            addRows(sheet, 1);
            sheet.rows.back()->record.BOCKRUNDE_NR = next;
        }
        const std::vector<int> expected =
            places == 4 ? std::vector<int>{4, 3, 2, 1, 0, 0} : std::vector<int>{3, 2, 1, 0, 0, 0};
        EXPECT_EQ(counters, expected);
    }
}

} // namespace
