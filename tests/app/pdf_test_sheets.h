#pragma once
// Score sheets for the PDF tests: single rows of a chosen kind, and whole
// lists of plausible games drawn from a seed.

#include "skat/engine/Liste.h"

#include <memory>

namespace pdftest {

struct Game {
    GameType type = GAME_CLUBS;
    int declarer = 1; // seat
    int value = 24;   // signed game value
    int winLevel = 0; // announced level
    int reached = 0;  // Schneider 1, Schwarz 2
    int matadors = 1;
    bool kontra = false;
    int kontraBy = 0;
    bool re = false;
    int bock = 0;
};

inline std::unique_ptr<EIN_SPIEL> rowOf(const Game& g)
{
    auto row = std::make_unique<EIN_SPIEL>();
    SPIELSTRUCT& r = row->record;
    r.GEREIZT = 18;
    r.ALLEIN = g.declarer;
    r.SPIELART = SPIELART(g.type, g.winLevel, g.reached);
    r.SPITZEN = g.matadors;
    r.SPIELWERT = g.value;
    r.KONTRA = g.kontra;
    r.KONTRA_WER = g.kontraBy;
    r.RE = g.re;
    r.BOCKRUNDE_NR = g.bock;
    return row;
}

inline std::unique_ptr<EIN_SPIEL> passedInRow()
{
    auto row = std::make_unique<EIN_SPIEL>();
    row->record.GEREIZT = 0;
    row->record.SPIELART = SPIELART(GAME_NONE, 0);
    return row;
}

// A list of `rows` games with every kind of row: suit games, grands, nulls,
// lost games, Kontra and Re, Bock rounds, passed-in games and Ramsch.
inline void fillSheet(LISTE& sheet, int places, int rows, unsigned seed)
{
    sheet.places = places;
    sheet.playerNames = {L"Torvo", L"Kazzle", L"Brummo", places == 4 ? L"Jörg Überall" : L""};
    unsigned state = seed;
    auto next = [&](unsigned n) {
        state = state * 214013u + 2531011u;
        return ((state >> 16) & 0x7fffu) % n;
    };
    for (int i = 0; i < rows; ++i) {
        const unsigned kind = next(20);
        if (kind == 0) {
            sheet.insertRow(passedInRow());
            continue;
        }
        Game g;
        g.declarer = static_cast<int>(next(3));
        if (kind == 1) {
            g.type = GAME_RAMSCH;
            g.matadors = 0;
            g.value = -static_cast<int>(30 + next(60));
            sheet.insertRow(rowOf(g));
            continue;
        }
        if (kind <= 3) {
            g.type = GAME_NULL;
            g.matadors = 0;
            g.winLevel = kind == 2 ? 0 : 2;
        } else {
            g.type = kind <= 6 ? GAME_GRAND : static_cast<GameType>(1 + next(4));
            const int m = 1 + static_cast<int>(next(3));
            g.matadors = next(2) ? m : -m;
            g.winLevel = next(5) == 0 ? 2 : 0;
            g.reached = next(6) == 0 ? 1 : 0;
        }
        const bool lost = next(4) == 0;
        const int plain = SPIELART(g.type, g.winLevel, g.reached).gameValue(g.type < GAME_NULL ? g.matadors : 0);
        g.bock = next(6) == 0 ? 1 : 0;
        g.kontra = next(8) == 0;
        g.kontraBy = (g.declarer + 1 + static_cast<int>(next(2))) % 3;
        g.re = g.kontra && next(2) == 0;
        const int factor = (g.bock ? 2 : 1) * (g.kontra ? 2 : 1) * (g.re ? 2 : 1);
        g.value = (lost ? -2 : 1) * plain * factor;
        sheet.insertRow(rowOf(g));
    }
}

} // namespace pdftest
