#pragma once
// The computer logics the benchmarks play, by name:
//   standin        the plain stand-in logic
//   full           the computer player
//   full-simple    the computer player with the simple card choice alone
//                  before the open-game analysis takes over
//   full-noopen    the computer player without the open-game analysis (its
//                  card choice is the simple choice's alone)
//   full-tables    the computer player choosing its cards by the lead
//                  tables alone (no open-game analysis)
//   full-bonus:N   the computer player with the simple choice's card
//                  counting N more than its table rating
//   noopen-bonus:N the same without the open-game analysis
//   full-bidding:N the computer player drawing up to N deals for each deal
//                  of the analysis to agree with the bidding
//   full-budget:N  the computer player whose analysis of a move stops at N
//                  nodes (0: never)
//   full-realprognosis the computer player whose card-location prognosis
//                  checks its hints against the real deal (it reads hidden
//                  cards, as the reference does)
//   full-exact     the computer player whose open-game searches find every
//                  card's exact value step by step, without the bounds of
//                  surely taken points (as it played before they came)
//   full-priorsearch the computer player with the open-game search as it
//                  was before its table keyed positions by relative ranks
//                  and the leader's cashed tricks counted as surely taken,
//                  with its node budget of 800,000 a move
//   full-choice:N  the computer player choosing its game after the skat
//                  by searching N drawn deals (0: by the tables)
//   full-open:N    the computer player asking the open-game analysis from
//                  N cards in hand on (suit games and grand)
//   full-style:N   the computer player bidding in playing style N (0
//                  defensive, 1 balanced, 2 offensive)
//   full-nullbid:N the computer player bidding on null hands of the tables'
//                  null level N or more only
//   baseline       the frozen reference player (BaselinePlayer.h)

#include "BaselinePlayer.h"
#include "skat/logic/ComputerPlayer.h"
#include "skat/logic/LeadTables.h"
#include "skat/logic/PreplayTables.h"

#include <charconv>
#include <memory>
#include <string>
#include <string_view>

namespace bench_logics {

inline const char* const NAMES =
    "standin, full, full-simple, full-noopen, full-tables, full-bonus:N, noopen-bonus:N, full-bidding:N, "
    "full-budget:N, full-realprognosis, full-exact, full-priorsearch, full-choice:N, full-open:N, full-style:N, "
    "full-nullbid:N, baseline";

// The number after a prefix such as "full-bonus:"; false when the name
// does not start with it or no whole number follows.
inline bool bonusOf(std::string_view name, std::string_view prefix, int& bonus)
{
    if (name.substr(0, prefix.size()) != prefix)
        return false;
    const std::string_view digits = name.substr(prefix.size());
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), bonus);
    return error == std::errc() && end == digits.data() + digits.size() && !digits.empty();
}

// Null for an unknown name.
inline std::unique_ptr<PLAYER_LOGIK> create(std::string_view name)
{
    if (name == "baseline")
        return baseline_player::create();
    ComputerPlayerSettings settings;
    int& bonus = settings.simpleCardBonus;
    if (name == "full-simple")
        bonus = ComputerPlayerSettings::SIMPLE_ONLY;
    else if (name == "full-noopen") {
        // The card choice left to the simple choice alone.
        bonus = ComputerPlayerSettings::SIMPLE_ONLY;
        settings.openAnalysis = false;
    } else if (name == "full-tables") {
        settings.openAnalysis = false;
    } else if (name == "full-exact") {
        settings.open.surePoints = false;
        settings.open.doublingSteps = false;
        settings.open.relativeRanks = false;
        settings.open.cashing = false;
        settings.open.nodeBudget = 800000;
        settings.open.bestCardsOnly = false;
        settings.open.drawnDealsMargin = OpenAnalysisSettings::EVERY_CARD;
    } else if (name == "full-priorsearch") {
        settings.open.relativeRanks = false;
        settings.open.cashing = false;
        settings.open.nodeBudget = 800000;
    } else if (bonusOf(name, "noopen-bonus:", bonus))
        settings.openAnalysis = false;
    else if (int budget = 0; bonusOf(name, "full-budget:", budget) && budget >= 0)
        settings.open.nodeBudget = static_cast<std::uint64_t>(budget);
    else if (name == "full-realprognosis")
        settings.open.ownViewPrognosis = false;
    else if (!bonusOf(name, "full-bonus:", bonus) && !bonusOf(name, "full-bidding:", settings.open.biddingTries)
             && !bonusOf(name, "full-choice:", settings.gameChoice.samples)
             && !bonusOf(name, "full-open:", settings.open.maxHandCards)
             && !bonusOf(name, "full-style:", settings.playStyle)
             && !bonusOf(name, "full-nullbid:", settings.nullBidLevel))
        return createLogicByName(name);
    return std::make_unique<COMPUTER_LOGIK>(settings, ComputerPlayerData{});
}

// Whether the logic reads the computer player's shared tables.
inline bool usesTables(std::string_view name) { return name != "standin" && name != "baseline"; }

// Reads the tables of the folder once, before threads share them (the
// reference player reads its own on first use).
inline void prepareTables(const std::string& folder, bool used)
{
    VL_TABELLEN::useFolder(folder);
    leadTables.useFolder(folder);
    if (used) {
        VL_TABELLEN::instance();
        leadTables.ensureLoaded();
    }
}

} // namespace bench_logics
