#pragma once
// What the statistics dialog shows of a sheet of games: for each of the
// three players the games as declarer (won and lost), the points, the
// Seeger-Fabian total and that total scaled to a series of 36 games, the
// players ranked by the scaled score; and the best ten of the high-score
// list. Plain values, computed without the dialog.

#include "skat/app/Bestenliste.h"

#include <array>
#include <vector>

class LISTE;

struct PlayerStatisticsRow {
    int player = 0; // the sheet's column
    int won = 0;    // games won as declarer
    int lost = 0;   // games lost as declarer
    int points = 0; // the running points of the last row
    int total = 0;  // points + 50 per won - 50 per lost + 40 (30) per game lost by another
    int score = 0;  // total x 36 / games, truncated toward zero; 0 without games
};

struct PlayerStatistics {
    std::array<PlayerStatisticsRow, 3> ranked; // highest score first; equal scores by player number
    int games = 0;                             // rows of the sheet
    int passedIn = 0;                          // games all three passed
};

PlayerStatistics playerStatistics(const LISTE& sheet);

// The best entries of the list, at most ten, through its walk.
std::vector<BESTENLISTE::SKATENTRY> bestEntries(BESTENLISTE& list);
