// The footer's figures of a score sheet: totals, won and lost games, the
// Seeger-Fabian bonus and the money in cents, which always sums to 0.

#include "skat/ui/SheetFooter.h"
#include "tests/app/pdf_test_sheets.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// Seat 1 (column 0) wins 24, seat 2 (column 1) loses 48.
void twoGames(LISTE& sheet)
{
    sheet.places = 3;
    sheet.insertRow(pdftest::rowOf({GAME_CLUBS, 1, 24}));
    sheet.insertRow(pdftest::rowOf({GAME_CLUBS, 2, -48}));
}

TEST(SheetFooter, ClassicSettlesThePlainPoints)
{
    LISTE sheet;
    twoGames(sheet);
    const SheetFooter f = sheetFooter(sheet, SCORING_CLASSIC, 1.0);
    EXPECT_TRUE(f.hasMoney);
    EXPECT_EQ(f.columns[0].total, 24);
    EXPECT_EQ(f.columns[1].total, -48);
    EXPECT_EQ(f.columns[0].won, 1);
    EXPECT_EQ(f.columns[1].lost, 1);
    // (3 x own - all others) x 1 ct: 72 + 24, -144 + 24, 0 + 24.
    EXPECT_EQ(f.columns[0].cents, 96);
    EXPECT_EQ(f.columns[1].cents, -120);
    EXPECT_EQ(f.columns[2].cents, 24);
}

TEST(SheetFooter, SeegerFabianAddsGameBonusesAndSettlesTheirTotals)
{
    LISTE sheet;
    twoGames(sheet);
    const SheetFooter f = sheetFooter(sheet, SCORING_SEEGER_FABIAN, 0.5);
    // 24 + 50 + 40 for the other's loss; -48 - 50; 0 + 40.
    EXPECT_EQ(f.columns[0].seegerFabian, 114);
    EXPECT_EQ(f.columns[1].seegerFabian, -98);
    EXPECT_EQ(f.columns[2].seegerFabian, 40);
    EXPECT_EQ(f.columns[2].bonus, 40);
    for (int p = 0; p < 3; ++p)
        EXPECT_EQ(f.columns[p].seegerFabian, sheet.seegerFabianTotal(p));
    EXPECT_EQ(f.columns[0].cents, 143);
    EXPECT_EQ(f.columns[1].cents, -175);
    EXPECT_EQ(f.columns[2].cents, 32);
}

TEST(SheetFooter, BierlachsHasNoMoneyAndShowsTheBierlachsTotals)
{
    LISTE sheet;
    pdftest::fillSheet(sheet, 3, 36, 7);
    const SheetFooter f = sheetFooter(sheet, SCORING_BIERLACHS, 2.0);
    EXPECT_FALSE(f.hasMoney);
    for (int p = 0; p < 3; ++p) {
        EXPECT_EQ(f.columns[p].total, sheet.rowValue(sheet.rowCount(), p));
        EXPECT_EQ(f.columns[p].cents, 0);
    }
}

TEST(SheetFooter, FourPlayersGetThirtyPerOpponentLoss)
{
    LISTE sheet;
    sheet.places = 4;
    sheet.insertRow(pdftest::rowOf({GAME_CLUBS, 1, -48}));
    const SheetFooter f = sheetFooter(sheet, SCORING_SEEGER_FABIAN, 1.0);
    int bonuses = 0;
    for (int p = 0; p < 4; ++p)
        bonuses += f.columns[p].bonus;
    EXPECT_EQ(bonuses, 3 * 30);
}

// Money of a closed sheet sums to 0 in every mode, with either player
// count and at tariffs that leave fractions of a cent.
TEST(SheetFooter, MoneyOfAClosedSheetSumsToZero)
{
    struct Case {
        int places;
        unsigned seed;
        Scoring scoring;
        double tariff;
    };
    const Case cases[] = {
        {3, 1, SCORING_CLASSIC, 1.0},       {3, 2, SCORING_SEEGER_FABIAN, 0.5}, {3, 3, SCORING_SEEGER_FABIAN, 0.33},
        {3, 4, SCORING_CLASSIC, 0.17},      {4, 5, SCORING_CLASSIC, 0.33},      {4, 6, SCORING_SEEGER_FABIAN, 0.07},
        {4, 7, SCORING_SEEGER_FABIAN, 2.5}, {3, 8, SCORING_BIERLACHS, 1.0},
    };
    for (const Case& c : cases) {
        LISTE sheet;
        pdftest::fillSheet(sheet, c.places, 36, c.seed);
        const SheetFooter f = sheetFooter(sheet, c.scoring, c.tariff);
        long long sum = 0;
        for (int p = 0; p < f.players; ++p) {
            sum += f.columns[p].cents;
            // Each amount is the exact one rounded to a cent or moved by one.
            if (f.hasMoney) {
                const auto exact = sheet.moneyBalance(c.scoring, c.tariff)[p] * 100.0;
                EXPECT_LE(std::abs(static_cast<double>(f.columns[p].cents) - exact), 1.5) << c.seed << " player " << p;
            }
        }
        EXPECT_EQ(sum, 0) << "seed " << c.seed;
    }
}

TEST(SheetFooter, AnEmptySheetIsAllZero)
{
    LISTE sheet;
    const SheetFooter f = sheetFooter(sheet, SCORING_SEEGER_FABIAN, 1.0);
    for (const SheetFooterColumn& c : f.columns) {
        EXPECT_EQ(c.total, 0);
        EXPECT_EQ(c.seegerFabian, 0);
        EXPECT_EQ(c.cents, 0);
    }
}

} // namespace
