#pragma once
// The figures of a score sheet's footer for one scoring: per player the
// total, games won and lost, the Seeger-Fabian bonus and total, and the money
// each player pays or receives in whole cents (summing to 0 on every sheet).

#include "skat/engine/Liste.h"

#include <array>

struct SheetFooterColumn {
    int total = 0;        // first footer line: points, or the Bierlachs total
    int won = 0;          // games won
    int lost = 0;         // games lost
    int bonus = 0;        // 40 (30 with four players) per game lost by another
    int seegerFabian = 0; // total + 50 per won - 50 per lost game + bonus
    long long cents = 0;  // money at the tariff; 0 under Bierlachs
};

struct SheetFooter {
    int players = 3;
    Scoring scoring = SCORING_CLASSIC;
    bool hasMoney = true; // no money settlement under Bierlachs
    std::array<SheetFooterColumn, SHEET_COLUMNS> columns{};
};

// Money is settled on the Seeger-Fabian totals under Seeger-Fabian and on
// the plain points under classic scoring; tariffCents is cents per point.
SheetFooter sheetFooter(const LISTE& sheet, Scoring scoring, double tariffCents);
