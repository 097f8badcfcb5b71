// The PDF writer's pages and rows, checked through its record of what it drew.

#include "pdf_test_sheets.h"
#include "skat/app/PdfError.h"
#include "skat/app/PdfScoreSheet.h"
#include "skat/app/PdfSheetRules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <set>

namespace fs = std::filesystem;
using pdftest::Game;

namespace {

struct Drawn {
    std::vector<PdfDrawnItem> items;
    int pages = 0;

    // Upright texts of a page inside the x range and the y range (mm).
    std::vector<const PdfDrawnItem*> texts(int page, double left, double right, double bottom, double top) const
    {
        std::vector<const PdfDrawnItem*> found;
        for (const PdfDrawnItem& item : items)
            if (item.kind == PdfDrawnItem::Text && item.page == page && item.left >= left - 0.01
                && item.right <= right + 0.01 && item.bottom >= bottom - 0.01 && item.top <= top + 0.01)
                found.push_back(&item);
        return found;
    }
    std::set<std::string> textsOf(int page, double left, double right, double bottom, double top) const
    {
        std::set<std::string> found;
        for (const PdfDrawnItem* item : texts(page, left, right, bottom, top))
            found.insert(item->text);
        return found;
    }
    // The text in a cell of a row box, or "" when none.
    std::string cell(int page, double rowBottom, double left, double right) const
    {
        for (const PdfDrawnItem* item : texts(page, left, right, rowBottom, rowBottom + 5))
            if (std::abs(item->left - left) < 0.01 && std::abs(item->right - right) < 0.01)
                return item->text;
        return {};
    }
    bool hasText(int page, const std::string& text) const
    {
        return std::any_of(items.begin(), items.end(),
                           [&](const PdfDrawnItem& i) { return i.page == page && i.text == text; });
    }
};

class PdfScoreSheetTest : public testing::Test {
protected:
    Drawn write(const LISTE& sheet, Scoring scoring = SCORING_CLASSIC, double tariff = 1.0)
    {
        Drawn drawn;
        PdfScoreSheet writer(sheet.places, SKAT_PDF_FONT_DIR, pdfSheetTexts(PdfLanguage::German), scoring, tariff);
        writer.setDrawLog(&drawn.items);
        if (sheet.places == 3)
            writer.setPlayerNames("A", "B", "C");
        else
            writer.setPlayerNames("A", "B", "C", "D");
        writer.writeGames(sheet);
        writer.save(dir_ / "sheet.pdf");
        drawn.pages = writer.pageNumber();
        return drawn;
    }

    void SetUp() override
    {
        dir_ = fs::temp_directory_path() / ("pdf-sheet-" + std::to_string(::getpid()));
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    fs::path dir_;
};

// x of player p's block (1-based).
double playerX(int places, int p) { return places == 3 ? 100 + 30 * (p - 1) : 90 + 25 * (p - 1); }

} // namespace

TEST_F(PdfScoreSheetTest, RefusesPlayerCountsOtherThanThreeOrFour)
{
    for (int count : {2, 5}) {
        try {
            PdfScoreSheet writer(count, SKAT_PDF_FONT_DIR, pdfSheetTexts(PdfLanguage::German), SCORING_CLASSIC, 1);
            FAIL() << count << " players accepted";
        } catch (const PdfError& e) {
            EXPECT_STREQ(e.what(), "Die PDF-Liste kann nur drei oder vier Spieler anzeigen!");
        }
    }
    PdfScoreSheet four(4, SKAT_PDF_FONT_DIR, pdfSheetTexts(PdfLanguage::German), SCORING_CLASSIC, 1);
    try {
        four.setPlayerNames("A", "B", "C");
        FAIL() << "three names on a four-player sheet accepted";
    } catch (const PdfError& e) {
        EXPECT_STREQ(e.what(), "Anzahl der Spieler passt nicht zum Setzen der Spielernamen!");
    }
    EXPECT_THROW(PdfScoreSheet(3, SKAT_PDF_FONT_DIR, pdfSheetTexts(PdfLanguage::German), SCORING_CLASSIC, 1)
                     .setPlayerNames("A", "B", "C", "D"),
                 PdfError);
}

TEST_F(PdfScoreSheetTest, MissingFontIsALibraryErrorCaughtAfterTheCall)
{
    try {
        PdfScoreSheet writer(3, dir_ / "no-fonts", pdfSheetTexts(PdfLanguage::German), SCORING_CLASSIC, 1);
        FAIL() << "missing fonts accepted";
    } catch (const PdfError& e) {
        // HPDF_FILE_OPEN_ERROR
        EXPECT_EQ(std::string(e.what()).rfind("ERROR: error_no=1017, detail_no=", 0), 0u) << e.what();
    }
}

TEST_F(PdfScoreSheetTest, PagesAndWhereTheResultsGo)
{
    struct Case {
        int places, rows, pages;
        int pageOfLastRow;
    };
    const Case cases[] = {
        {3, 0, 1, 1},  {3, 1, 1, 1},  {3, 36, 1, 1}, {4, 36, 1, 1}, {3, 37, 2, 1},
        {3, 42, 2, 1}, {4, 42, 2, 1}, {3, 43, 2, 2}, {4, 43, 2, 2}, {3, 89, 3, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.places << " players, " << c.rows << " rows");
        LISTE sheet;
        pdftest::fillSheet(sheet, c.places, c.rows, 7);
        const Drawn drawn = write(sheet);
        EXPECT_EQ(drawn.pages, c.pages);
        // The results block only on the last page.
        for (int page = 1; page <= drawn.pages; ++page)
            EXPECT_EQ(drawn.hasText(page, "Endergebnis"), page == drawn.pages) << "page " << page;
        // A page that is not the last ends in the carry-over line at 15-20 mm.
        for (int page = 1; page < drawn.pages; ++page)
            EXPECT_EQ(drawn.cell(page, 15, 15, 70 + 2 * (c.places == 3 ? 15 : 10)), "Übertrag") << "page " << page;
        // The last row's running number stands on its page.
        if (c.rows > 0) {
            const double bottom = pdfsheet::rowBottom(c.pageOfLastRow, c.rows);
            const std::string number = std::to_string(c.rows);
            EXPECT_EQ(drawn.cell(c.pageOfLastRow, bottom, 15, c.rows >= 100 ? 19.5 : 19.2), number);
        }
    }
}

TEST_F(PdfScoreSheetTest, ThickLineClosesEveryRound)
{
    for (int places : {3, 4}) {
        LISTE sheet;
        pdftest::fillSheet(sheet, places, 10, 3);
        const Drawn drawn = write(sheet);
        for (int r = 1; r <= 36; ++r) {
            const double y = pdfsheet::rowBottom(1, r);
            auto line = std::find_if(drawn.items.begin(), drawn.items.end(), [&](const PdfDrawnItem& i) {
                return i.kind == PdfDrawnItem::Line && i.page == 1 && i.left == 15 && i.right == 195
                       && std::abs(i.bottom - y) < 0.01 && std::abs(i.top - y) < 0.01;
            });
            ASSERT_NE(line, drawn.items.end()) << "row " << r;
            EXPECT_DOUBLE_EQ(line->size, r % places == 0 ? 0.7 : 0.1) << places << " players, row " << r;
        }
    }
}

TEST_F(PdfScoreSheetTest, WhatOneRowShows)
{
    LISTE sheet;
    sheet.places = 3;
    Game lostBock{GAME_HEARTS, 2, -60, 3, 1, 3, false, 0, false, 1}; // lost hand, Schneider announced
    Game withKontra{GAME_GRAND, 0, 96, 0, 0, -2, true, 1, true, 0};  // Kontra by seat 1, Re
    Game ramsch{GAME_RAMSCH, 1, -45, 0, 0, 0};
    sheet.insertRow(pdftest::rowOf(lostBock));
    sheet.insertRow(pdftest::passedInRow());
    sheet.insertRow(pdftest::rowOf(withKontra));
    sheet.insertRow(pdftest::rowOf(ramsch));
    const Drawn drawn = write(sheet);
    const double x2 = playerX(3, 2), x3 = playerX(3, 3), x1 = playerX(3, 1);

    // Row 1: seat 2 (column 2) lost a hearts hand game with Schneider announced.
    double y = pdfsheet::rowBottom(1, 1);
    EXPECT_EQ(drawn.cell(1, y, 20, 28), "10");
    EXPECT_EQ(drawn.cell(1, y, 30, 34), "3");
    EXPECT_EQ(drawn.cell(1, y, 40, 45), "x");
    EXPECT_EQ(drawn.cell(1, y, 45, 50), "x");
    EXPECT_EQ(drawn.cell(1, y, 50, 55), "x");
    EXPECT_EQ(drawn.cell(1, y, 55, 60), "");
    EXPECT_EQ(drawn.cell(1, y, 60, 65), "");
    EXPECT_EQ(drawn.cell(1, y, 85, 100), "-60"); // the "-" column
    EXPECT_EQ(drawn.cell(1, y, 70, 85), "Bock"); // Bock in the empty "+" column
    EXPECT_EQ(drawn.cell(1, y, x2, x2 + 18), "-60");
    EXPECT_EQ(drawn.cell(1, y, x2 + 25, x2 + 30), "1"); // games lost

    // Row 2: passed in: only the count in the last column.
    y = pdfsheet::rowBottom(1, 2);
    EXPECT_EQ(drawn.textsOf(1, 20, 190, y, y + 5), std::set<std::string>{});
    EXPECT_EQ(drawn.cell(1, y, 190, 195), "1");

    // Row 3: seat 0 (column 3) won a grand without 2; Kontra from seat 1 (column 1), Re.
    y = pdfsheet::rowBottom(1, 3);
    EXPECT_EQ(drawn.cell(1, y, 20, 28), "24");
    EXPECT_EQ(drawn.cell(1, y, 35, 39), "2");
    EXPECT_EQ(drawn.cell(1, y, 70, 85), "96");
    EXPECT_EQ(drawn.cell(1, y, x3, x3 + 18), "96");
    EXPECT_EQ(drawn.cell(1, y, x3 + 20, x3 + 25), "1");
    EXPECT_EQ(drawn.cell(1, y, x1 + 1, x1 + 20), "Kontra");
    EXPECT_EQ(drawn.cell(1, y, x3 + 1, x3 + 20), "Re");

    // Row 4: Ramsch across the base and matador columns, counted as passed in,
    // and still the loser's points.
    y = pdfsheet::rowBottom(1, 4);
    EXPECT_EQ(drawn.cell(1, y, 20, 39), "Ramsch");
    EXPECT_EQ(drawn.cell(1, y, 190, 195), "2");
    EXPECT_EQ(drawn.cell(1, y, x1, x1 + 18), "-45");

    // The dealer's cell of every row, written or empty, is shaded.
    for (int r = 1; r <= 36; ++r) {
        const int p = (r - 1) % 3 + 1;
        const double bottom = pdfsheet::rowBottom(1, r);
        EXPECT_TRUE(std::any_of(drawn.items.begin(), drawn.items.end(),
                                [&](const PdfDrawnItem& i) {
                                    return i.kind == PdfDrawnItem::Shade && i.left == playerX(3, p)
                                           && std::abs(i.bottom - bottom) < 0.01;
                                }))
            << "row " << r;
    }
}

TEST_F(PdfScoreSheetTest, KontraOfFourPlayersLandsInTheColumnOfItsSeat)
{
    LISTE sheet;
    sheet.places = 4;
    // Game 2: seat 2 declares (column 4), seat 1 says Kontra (column 3).
    sheet.insertRow(pdftest::rowOf(Game{}));
    sheet.insertRow(pdftest::rowOf(Game{GAME_SPADES, 2, 44, 0, 0, 1, true, 1}));
    const Drawn drawn = write(sheet);
    const double y = pdfsheet::rowBottom(1, 2);
    EXPECT_EQ(drawn.cell(1, y, playerX(4, 4), playerX(4, 4) + 13), "44");
    EXPECT_EQ(drawn.cell(1, y, playerX(4, 3) + 1, playerX(4, 3) + 15), "Kontra");
    EXPECT_EQ(drawn.cell(1, y, playerX(4, 4) + 1, playerX(4, 4) + 15), "");
}

TEST_F(PdfScoreSheetTest, BierlachsShowsEveryPlayerAndNoMoney)
{
    LISTE sheet;
    pdftest::fillSheet(sheet, 3, 12, 11);
    const Drawn drawn = write(sheet, SCORING_BIERLACHS);
    for (int r = 1; r <= 12; ++r) {
        if (sheet.rowAt(r - 1).record.isPassedIn())
            continue;
        const double y = pdfsheet::rowBottom(1, r);
        for (int p = 1; p <= 3; ++p)
            EXPECT_EQ(drawn.cell(1, y, playerX(3, p), playerX(3, p) + 18), std::to_string(sheet.rowValue(r, p - 1)))
                << "row " << r << " player " << p;
    }
    for (int p = 1; p <= 3; ++p)
        EXPECT_EQ(drawn.cell(1, 45, playerX(3, p), playerX(3, p) + 18),
                  std::to_string(sheet.lastRowMinusPoints(p - 1)));
    EXPECT_TRUE(drawn.textsOf(1, 15, 195, 12, 24).empty()); // no tariff line, no money
}

TEST_F(PdfScoreSheetTest, ClosedSheetResultsMatchTheSheetAndTheMoneySumsToZero)
{
    for (int places : {3, 4}) {
        for (Scoring scoring : {SCORING_CLASSIC, SCORING_SEEGER_FABIAN}) {
            SCOPED_TRACE(testing::Message() << places << " players, scoring " << scoring);
            LISTE sheet;
            pdftest::fillSheet(sheet, places, 36, 2026);
            const Drawn drawn = write(sheet, scoring, 0.25);
            const double c = places == 3 ? 20 : 15;
            long long sum = 0;
            for (int p = 1; p <= places; ++p) {
                const double x = playerX(places, p);
                EXPECT_EQ(drawn.cell(1, 45, x, x + c - 2), std::to_string(sheet.lastRowPoints(p - 1)));
                EXPECT_EQ(drawn.cell(1, 45, x + c, x + c + 5), std::to_string(sheet.lastRowValue(p - 1)));
                EXPECT_EQ(drawn.cell(1, 45, x + c + 5, x + c + 10), std::to_string(sheet.lastRowGamesLost(p - 1)));
                if (scoring == SCORING_SEEGER_FABIAN) {
                    auto finals = drawn.texts(1, x, x + c - 2, 20, 30);
                    ASSERT_EQ(finals.size(), 1u);
                    EXPECT_EQ(finals[0]->text, std::to_string(sheet.seegerFabianTotal(p - 1)));
                }
                auto money = drawn.texts(1, x, x + c - 2, 15, 20);
                ASSERT_EQ(money.size(), 1u);
                const std::string& text = money[0]->text;
                const long long cents = std::llround(std::stod(text) * 100);
                sum += cents;
            }
            EXPECT_EQ(sum, 0);
        }
    }
}

TEST_F(PdfScoreSheetTest, LongNamesStayOnTheSheet)
{
    // The library's text box leaves out a word wider than the box; such a
    // name is drawn smaller instead. Names with blanks wrap.
    for (int places : {3, 4}) {
        Drawn drawn;
        PdfScoreSheet writer(places, SKAT_PDF_FONT_DIR, pdfSheetTexts(PdfLanguage::German), SCORING_CLASSIC, 1);
        writer.setDrawLog(&drawn.items);
        const std::string longWord = "Donaudampfschifffahrt", withBlanks = "Anna Maria Schneider";
        if (places == 3)
            writer.setPlayerNames(longWord, withBlanks, "Jörg");
        else
            writer.setPlayerNames(longWord, withBlanks, "Jörg", "");
        for (const std::string& name : {longWord, withBlanks, std::string("Jörg")}) {
            auto item = std::find_if(drawn.items.begin(), drawn.items.end(),
                                     [&](const PdfDrawnItem& i) { return i.text == name; });
            ASSERT_NE(item, drawn.items.end()) << name;
            EXPECT_GE(item->size, 6.0);
            EXPECT_LE(item->right - item->left, places == 3 ? 30.01 : 25.01);
        }
        auto word = std::find_if(drawn.items.begin(), drawn.items.end(),
                                 [&](const PdfDrawnItem& i) { return i.text == longWord; });
        EXPECT_LT(word->size, 12.0);
    }
}

TEST_F(PdfScoreSheetTest, GameOfValueZeroCountsAsTheSheetCountsIt)
{
    // The sheet counts a game of value 0 neither won nor lost; the PDF's
    // totals agree with the sheet's, so the results block stays consistent.
    LISTE sheet;
    sheet.places = 3;
    sheet.insertRow(pdftest::rowOf(Game{GAME_CLUBS, 1, 0}));
    sheet.insertRow(pdftest::rowOf(Game{GAME_CLUBS, 1, 24}));
    const Drawn drawn = write(sheet);
    const double x = playerX(3, 1);
    EXPECT_EQ(drawn.cell(1, 45, x + 20, x + 25), std::to_string(sheet.lastRowValue(0)));
    EXPECT_EQ(drawn.cell(1, 45, x + 25, x + 30), std::to_string(sheet.lastRowGamesLost(0)));
    EXPECT_EQ(drawn.cell(1, 45, x + 25, x + 30), "0");
}
