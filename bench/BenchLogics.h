#pragma once
// The computer logics the benchmarks play, by name:
//   standin       the plain stand-in logic
//   full          the computer player
//   full-noopen   the computer player without the open-game analysis late
//                 in a game (its card choice is the heuristic's alone)
//   full-tables   the computer player choosing its cards by the lead tables
//                 alone (no open-game analysis)

#include "skat/logic/ComputerPlayer.h"
#include "skat/logic/LeadChoice.h"
#include "skat/logic/LeadTables.h"

#include <memory>
#include <string_view>

namespace bench_logics {

// The computer player with its card choice left to the heuristic.
class HeuristicCardLogic : public COMPUTER_LOGIK {
public:
    CardId chooseCard(const GameSnapshot& game) override { return chooseHeuristicCard(viewOf(game)); }
};

// The computer player with its card choice made by the lead tables.
class TableCardLogic : public COMPUTER_LOGIK {
public:
    CardId chooseCard(const GameSnapshot& game) override
    {
        const CardId card = chooseTableCard(game);
        return card != NO_CARD ? card : chooseHeuristicCard(viewOf(game));
    }
};

inline const char* const NAMES = "standin, full, full-noopen, full-tables";

// Null for an unknown name.
inline std::unique_ptr<PLAYER_LOGIK> create(std::string_view name)
{
    if (name == "full-noopen")
        return std::make_unique<HeuristicCardLogic>();
    if (name == "full-tables") {
        leadTables.useFolder(SKAT_LOGIC_DATA_DIR);
        return std::make_unique<TableCardLogic>();
    }
    return createLogicByName(name);
}

// Whether the logic reads the pre-play tables (read them before timing).
inline bool usesTables(std::string_view name) { return name.substr(0, 4) == "full"; }

} // namespace bench_logics
