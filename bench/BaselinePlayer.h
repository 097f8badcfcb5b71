#pragma once
// The reference player `baseline`: the computer player as it played when
// the search speed-up began (tree 8b3d88e), kept so that every later change
// can be measured against it on duplicate deals (bench_arena --b baseline).
// It is the same code as the full player, run with the settings below and
// with frozen copies of its tables (bench/baseline, see its README.md).
// Every field is set here even where it equals the default, so that a new
// default of the full player never reaches the reference. A change of play
// goes behind a setting that keeps its old value here; check-arena.sh
// checks that the reference still plays its games as stored.

#include "skat/logic/ComputerPlayer.h"
#include "skat/logic/LeadTables.h"
#include "skat/logic/PreplayTables.h"

#include <memory>

namespace baseline_player {

inline ComputerPlayerSettings settings()
{
    ComputerPlayerSettings s;
    s.playStyle = PLAY_STYLE_BALANCED;
    s.simpleCardBonus = 20;
    s.openAnalysis = true;
    s.open.maxHandCards = 7;
    s.open.samples = 10;
    s.open.prognosisDeals = true;
    s.open.ownViewPrognosis = false;
    s.open.biddingTries = 1;
    s.open.noDealsTableChoice = false;
    s.open.fastSearch = false;
    s.open.surePoints = false;
    s.open.doublingSteps = false;
    s.open.relativeRanks = false;
    s.open.cashing = false;
    s.open.bestCardsOnly = false;
    s.open.drawnDealsMargin = OpenAnalysisSettings::EVERY_CARD;
    s.open.nodeBudget = 0;
    s.fullLeadRatings = false;
    s.memory = ComputerPlayerSettings::NO_MEMORY_DRAW;
    s.nullBidLevel = 0;
    s.gameChoice.samples = 0;
    return s;
}

// The frozen tables, read once (thread-safe) from bench/baseline.
struct Tables {
    VL_TABELLEN preplay;
    SL_TABELLEN_WERTUNG lead;
    Tables()
    {
        preplay.loadFromFolder(SKAT_BASELINE_DIR);
        lead.loadFiles(SKAT_BASELINE_DIR);
    }
};

inline Tables& tables()
{
    static Tables frozen;
    return frozen;
}

inline std::unique_ptr<COMPUTER_LOGIK> create()
{
    Tables& t = tables();
    // The profiles are the process's: the benchmarks never load any.
    return std::make_unique<COMPUTER_LOGIK>(settings(), ComputerPlayerData{&t.preplay, &t.lead, nullptr});
}

} // namespace baseline_player
