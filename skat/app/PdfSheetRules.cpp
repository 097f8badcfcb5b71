#include "skat/app/PdfSheetRules.h"

#include "skat/app/PdfError.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace pdfsheet {

namespace {
constexpr int FIRST_PAGE_ROWS = 42;
constexpr int FIRST_PAGE_ROWS_WITH_RESULTS = 36;
constexpr int PAGE_ROWS = 46;
constexpr int PAGE_ROWS_WITH_RESULTS = 40;
} // namespace

int firstRowOfPage(int page) { return page <= 1 ? 1 : PAGE_ROWS * page - 49; }

bool footerFitsOnPage(int page, int rowsWritten)
{
    if (page < 1)
        throw PdfError("Die Seite wurde noch nicht eingerichtet!");
    if (page == 1)
        return rowsWritten <= FIRST_PAGE_ROWS_WITH_RESULTS;
    return rowsWritten - firstRowOfPage(page) + 1 <= PAGE_ROWS_WITH_RESULTS;
}

int lastRowOfPage(int page, int rowsWritten)
{
    if (page <= 1)
        return rowsWritten > FIRST_PAGE_ROWS_WITH_RESULTS ? FIRST_PAGE_ROWS : FIRST_PAGE_ROWS_WITH_RESULTS;
    return firstRowOfPage(page) + (footerFitsOnPage(page, rowsWritten) ? PAGE_ROWS_WITH_RESULTS : PAGE_ROWS) - 1;
}

bool pageBreakBefore(int page, int rowsWritten)
{
    return rowsWritten == (page <= 1 ? FIRST_PAGE_ROWS : PAGE_ROWS * page - 4);
}

double headingTop(int page) { return page <= 1 ? 265.0 : 285.0; }

double rowTop(int page, int row)
{
    const int position = row - firstRowOfPage(page) + 1;
    return headingTop(page) - 30.0 - 5.0 * position;
}

int levelMask(int winLevel, int reached, int baseValue)
{
    int mask = 0;
    switch (winLevel) {
    case 1: mask = LEVEL_OUVERT; break;
    case 2: mask = LEVEL_HAND; break;
    case 3: mask = LEVEL_HAND | LEVEL_SCHNEIDER | LEVEL_SCHNEIDER_ANNOUNCED; break;
    case 4:
        mask = LEVEL_HAND | LEVEL_SCHNEIDER | LEVEL_SCHNEIDER_ANNOUNCED | LEVEL_SCHWARZ | LEVEL_SCHWARZ_ANNOUNCED;
        break;
    case 5: {
        const bool nullGame = baseValue == 23 || baseValue == 35 || baseValue == 46 || baseValue == 59;
        mask = nullGame ? (LEVEL_HAND | LEVEL_OUVERT) : 63;
        break;
    }
    default: break;
    }
    if (reached == 1)
        mask |= LEVEL_SCHNEIDER;
    else if (reached == 2)
        mask |= LEVEL_SCHNEIDER | LEVEL_SCHWARZ;
    return mask;
}

int columnOfSeat(int seat, int playerCount, int rowsWritten)
{
    if (seat < 0 || seat > 3)
        return 0;
    const int s = seat == 0 ? 3 : seat;
    if (playerCount == 4)
        return (s + rowsWritten) % 4 + 1;
    return s;
}

std::array<long long, 4> moneyInCents(const std::array<int, 4>& values, int playerCount, double tariffCents)
{
    std::array<long long, 4> cents{};
    std::array<double, 4> exact{};
    long long sum = 0;
    for (int p = 0; p < playerCount; ++p) {
        long long others = 0;
        for (int q = 0; q < playerCount; ++q)
            if (q != p)
                others += values[q];
        exact[p] = static_cast<double>((playerCount - 1) * static_cast<long long>(values[p]) - others) * tariffCents;
        cents[p] = std::llround(exact[p]);
        sum += cents[p];
    }
    // Each amount was rounded on its own; give the rest to the amounts that
    // rounding moved furthest, so nobody pays what nobody receives.
    while (sum != 0) {
        const int step = sum > 0 ? -1 : 1;
        int pick = 0;
        double furthest = -1e300;
        for (int p = 0; p < playerCount; ++p) {
            const double moved = (cents[p] - exact[p]) * -step;
            if (moved > furthest) {
                furthest = moved;
                pick = p;
            }
        }
        cents[pick] += step;
        sum += step;
    }
    return cents;
}

std::string centsText(long long cents)
{
    char buffer[32];
    const unsigned long long magnitude = static_cast<unsigned long long>(cents < 0 ? -cents : cents);
    std::snprintf(buffer, sizeof buffer, "%s%llu.%02llu", cents < 0 ? "-" : "", magnitude / 100, magnitude % 100);
    return buffer;
}

} // namespace pdfsheet
