#include "skat/ui/PlayerStatistics.h"

#include "skat/engine/Liste.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// A total scaled to 36 games, truncated toward zero and kept within int.
int scaledTo36(int total, int games)
{
    if (games <= 0)
        return 0;
    const double scaled = std::trunc(static_cast<double>(total) * LISTE::MAX_GAMES / games);
    return static_cast<int>(std::clamp(scaled, static_cast<double>(std::numeric_limits<int>::min()),
                                       static_cast<double>(std::numeric_limits<int>::max())));
}

} // namespace

PlayerStatistics playerStatistics(const LISTE& sheet)
{
    PlayerStatistics out;
    out.games = sheet.rowCount();
    out.passedIn = sheet.lastRowPassedGames();
    for (int p = 0; p < 3; ++p) {
        PlayerStatisticsRow& row = out.ranked[static_cast<std::size_t>(p)];
        row.player = p;
        row.won = sheet.lastRowValue(p);
        row.lost = sheet.lastRowGamesLost(p);
        row.points = sheet.lastRowPoints(p);
        row.total = sheet.seegerFabianTotal(p);
        row.score = scaledTo36(row.total, out.games);
    }
    std::stable_sort(out.ranked.begin(), out.ranked.end(),
                     [](const PlayerStatisticsRow& a, const PlayerStatisticsRow& b) { return a.score > b.score; });
    return out;
}

std::vector<BESTENLISTE::SKATENTRY> bestEntries(BESTENLISTE& list)
{
    std::vector<BESTENLISTE::SKATENTRY> best;
    BESTENLISTE::SKATENTRY entry;
    for (int r = list.firstEntry(entry); r == 0; r = list.nextEntry(entry))
        best.push_back(entry);
    return best;
}
