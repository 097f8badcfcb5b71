#pragma once
// The arithmetic of the PDF score sheet that needs no document: which rows a
// page holds, where a row lies, which level columns a game crosses, the
// column of a seat and the money settlement in whole cents.

#include <array>
#include <string>

namespace pdfsheet {

// Page 1 holds rows 1 to 42 (36 when the results block follows on it);
// page p >= 2 holds rows 46p - 49 to 46p - 4 (40 rows with the results).
int firstRowOfPage(int page);
// Whether the results block still fits below the rows written so far; a page
// below 1 does not exist yet and throws PdfError.
bool footerFitsOnPage(int page, int rowsWritten);
int lastRowOfPage(int page, int rowsWritten);
// A row drawn now would not fit on the page any more.
bool pageBreakBefore(int page, int rowsWritten);

// Top of the heading block in mm: below the title band on page 1.
double headingTop(int page);
// Top and bottom (mm) of row r on its page.
double rowTop(int page, int row);
inline double rowBottom(int page, int row) { return rowTop(page, row) - 5.0; }

// Level columns, one bit each from left to right.
enum LevelBit : int {
    LEVEL_HAND = 1,
    LEVEL_SCHNEIDER = 2,
    LEVEL_SCHNEIDER_ANNOUNCED = 4,
    LEVEL_SCHWARZ = 8,
    LEVEL_SCHWARZ_ANNOUNCED = 16,
    LEVEL_OUVERT = 32,
};
// The level columns crossed for a game announced at winLevel (0 plain,
// 1 open, 2 hand, 3 Schneider announced, 4 Schwarz announced, 5 open hand)
// that reached level (1 Schneider, 2 Schwarz) with the given base value.
int levelMask(int winLevel, int reached, int baseValue);

// The column (1-based) of a seat on the sheet: with three players seat 0 sits
// in column 3; with four players the columns turn with the game number.
// 0 when the seat is no seat.
int columnOfSeat(int seat, int playerCount, int rowsWritten);

// What each of the players pays (negative) or receives in whole cents, at
// the tariff in cents per point: (n - 1) x own value - the others' values.
// Rounded so that the amounts always sum to 0.
std::array<long long, 4> moneyInCents(const std::array<int, 4>& values, int playerCount, double tariffCents);
// Cents as "-1.25", "0.00", "12.50".
std::string centsText(long long cents);

} // namespace pdfsheet
