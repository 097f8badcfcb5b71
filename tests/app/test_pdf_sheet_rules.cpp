// Page arithmetic, level crosses, seat columns and money of the PDF sheet.

#include "skat/app/PdfError.h"
#include "skat/app/PdfSheetRules.h"

#include <gtest/gtest.h>

#include <numeric>

using namespace pdfsheet;

TEST(PdfSheetRules, PageArithmetic)
{
    struct Case {
        int page, rowsWritten;
        int first;
        bool footerFits;
        int last;
        bool breakBefore;
    };
    const Case cases[] = {
        {1, 0, 1, true, 36, false},    {1, 36, 1, true, 36, false}, // a full list still takes the results
        {1, 37, 1, false, 42, false},                               // one more and page 1 runs to row 42
        {1, 41, 1, false, 42, false},  {1, 42, 1, false, 42, true}, // row 43 goes onto page 2
        {2, 42, 43, true, 82, false},                               // a page just started holds no row
        {2, 82, 43, true, 82, false},                               // 40 rows and the results
        {2, 83, 43, false, 88, false}, {2, 88, 43, false, 88, true},
        {3, 88, 89, true, 128, false}, {3, 134, 89, false, 134, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "page " << c.page << ", rows " << c.rowsWritten);
        EXPECT_EQ(firstRowOfPage(c.page), c.first);
        EXPECT_EQ(footerFitsOnPage(c.page, c.rowsWritten), c.footerFits);
        EXPECT_EQ(lastRowOfPage(c.page, c.rowsWritten), c.last);
        EXPECT_EQ(pageBreakBefore(c.page, c.rowsWritten), c.breakBefore);
    }
    try {
        footerFitsOnPage(0, 0);
        FAIL() << "page 0 accepted";
    } catch (const PdfError& e) {
        EXPECT_STREQ(e.what(), "Die Seite wurde noch nicht eingerichtet!");
    }
}

TEST(PdfSheetRules, RowsLieBelowTheHeadingBlock)
{
    EXPECT_DOUBLE_EQ(rowTop(1, 1), 230);
    EXPECT_DOUBLE_EQ(rowBottom(1, 36), 50); // the results block starts here
    EXPECT_DOUBLE_EQ(rowBottom(1, 42), 20); // the carry-over line below
    EXPECT_DOUBLE_EQ(rowTop(2, 43), 250);
    EXPECT_DOUBLE_EQ(rowBottom(2, 82), 50);
    EXPECT_DOUBLE_EQ(rowBottom(2, 88), 20);
}

TEST(PdfSheetRules, LevelColumnsCrossed)
{
    struct Case {
        int winLevel, reached, base, mask;
    };
    const Case cases[] = {
        {0, 0, 12, 0},
        {0, 1, 12, LEVEL_SCHNEIDER},
        {0, 2, 24, LEVEL_SCHNEIDER | LEVEL_SCHWARZ},
        {1, 0, 46, LEVEL_OUVERT},
        {2, 0, 10, LEVEL_HAND},
        {3, 1, 11, LEVEL_HAND | LEVEL_SCHNEIDER | LEVEL_SCHNEIDER_ANNOUNCED},
        {4, 2, 24, 31},
        {5, 0, 59, LEVEL_HAND | LEVEL_OUVERT}, // null ouvert hand
        {5, 0, 23, LEVEL_HAND | LEVEL_OUVERT},
        {5, 2, 24, 63}, // grand ouvert: every level
        {9, 0, 12, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "level " << c.winLevel << " reached " << c.reached << " base " << c.base);
        EXPECT_EQ(levelMask(c.winLevel, c.reached, c.base), c.mask);
    }
}

TEST(PdfSheetRules, ColumnsOfSeats)
{
    // Three players: seats 1 and 2 sit in their columns, seat 0 in column 3.
    for (int rows = 0; rows < 5; ++rows) {
        EXPECT_EQ(columnOfSeat(1, 3, rows), 1);
        EXPECT_EQ(columnOfSeat(2, 3, rows), 2);
        EXPECT_EQ(columnOfSeat(0, 3, rows), 3);
    }
    EXPECT_EQ(columnOfSeat(-1, 3, 0), 0);
    EXPECT_EQ(columnOfSeat(4, 4, 0), 0);
    // Four players: the three seats of a game take three different columns,
    // never the resting dealer's, so a Kontra can't land on the declarer.
    for (int rows = 0; rows < 8; ++rows) {
        const int resting = rows % 4 + 1;
        const int a = columnOfSeat(0, 4, rows), b = columnOfSeat(1, 4, rows), c = columnOfSeat(2, 4, rows);
        SCOPED_TRACE(rows);
        EXPECT_NE(a, b);
        EXPECT_NE(b, c);
        EXPECT_NE(a, c);
        for (int col : {a, b, c}) {
            EXPECT_GE(col, 1);
            EXPECT_LE(col, 4);
            EXPECT_NE(col, resting);
        }
    }
}

TEST(PdfSheetRules, MoneyAlwaysSumsToZero)
{
    struct Case {
        std::array<int, 4> values;
        int players;
        double tariff;
        std::array<long long, 4> cents; // empty: only the sum is checked
        bool exact;
    };
    const Case cases[] = {
        {{100, -50, 20, 0}, 3, 1.0, {230, -220, -10, 0}, true},
        {{100, -50, 20, 7}, 4, 0.5, {}, false},
        {{1, 0, 0, 0}, 3, 0.5, {1, 0, -1, 0}, true}, // 1, -0.5, -0.5 rounded apart
        {{1, 1, 0, 0}, 4, 1.0 / 3, {}, false},
        {{0, 0, 0, 0}, 3, 1.0, {0, 0, 0, 0}, true},
        {{-3000, 4711, 13, 0}, 3, 2.5, {}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.values[0] << "/" << c.values[1] << " tariff " << c.tariff);
        const auto cents = moneyInCents(c.values, c.players, c.tariff);
        EXPECT_EQ(std::accumulate(cents.begin(), cents.end(), 0LL), 0);
        if (c.exact) {
            EXPECT_EQ(cents, c.cents);
        }
    }
}

TEST(PdfSheetRules, CentsTexts)
{
    EXPECT_EQ(centsText(0), "0.00");
    EXPECT_EQ(centsText(5), "0.05");
    EXPECT_EQ(centsText(-125), "-1.25");
    EXPECT_EQ(centsText(123456), "1234.56");
}
