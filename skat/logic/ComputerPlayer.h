#pragma once
// The computer player as the engine sees it: the pre-play logic for the
// bid, the skat, the discard and the announcement, and the card choice.
// registerComputerLogic() makes it the logic of every new player (computer
// seats and the human seat's hints); the stand-in stays available by name.

#include "skat/engine/ComputerLogic.h"
#include "skat/logic/CardPlay.h"
#include "skat/logic/CharakterQuery.h"
#include "skat/logic/LeadChoice.h"
#include "skat/logic/OpenAnalysis.h"
#include "skat/logic/PlayerSettings.h"
#include "skat/logic/Verteilungsprognose.h"
#include "skat/logic/Vorlogik.h"
#include "vordix/Random.h"

#include <memory>
#include <string_view>

class COMPUTER_LOGIK : public PLAYER_LOGIK {
public:
    explicit COMPUTER_LOGIK(const VL_TABELLEN* tables = nullptr);
    COMPUTER_LOGIK(const ComputerPlayerSettings& settings, const ComputerPlayerData& data);

    GameProposal proposeGame(const GameSnapshot& game) override;
    DiscardPair chooseDiscard(const GameSnapshot& game, const GameProposal& proposal) override;
    GameProposal proposalAfterDiscard(const GameSnapshot& game, const GameProposal& proposal) override;
    CardId chooseCard(const GameSnapshot& game) override;
    // The rating, before the skat, of this seat's hand as declarer of the
    // game being played.
    int evaluation(const GameSnapshot& game) override;

    // What the seat can know of the game, for the card choice.
    static PlayView viewOf(const GameSnapshot& game);

    VORLOGIK vorlogik;

    // The last open-game analysis of this player, for the advice text.
    const OpenAnalysisStore& openAnalysis() const { return openAnalysis_; }
    // The ratings of the last table-based card choice.
    const ZUGWERTUNG& leadRatings() const { return leadChoice_.ratings(); }

    // The card choice rates every candidate by the lead tables; the simple
    // choice's card counts this much more than its rating.
    static constexpr int SIMPLE_CARD_BONUS = ComputerPlayerSettings{}.simpleCardBonus;

    const ComputerPlayerSettings& settings() const { return settings_; }

private:
    GameProposal currentProposal() const;
    CardId tableCard(const GameSnapshot& game, CardId simple);
    int playStyle() const;
    // Replaces the pre-play logic's game after the skat by the one the
    // searches of drawn deals rate best (GameChoiceSearch.h).
    void chooseGameBySearch(const GameSnapshot& game);

    ComputerPlayerSettings settings_;
    SL_TABELLEN_WERTUNG* leadTables_ = nullptr; // null: the process's shared set
    SL_AUSSPIELEN leadChoice_;
    LeadSituation leadSituation_;

    // The lead choice rated the candidates of the last card choice.
    bool tableRated_ = false;

    OpenAnalysisStore openAnalysis_;
    VORDIX_RANDOM openGameRandom_;   // draws the deals of the open-game analysis
    VORDIX_RANDOM gameChoiceRandom_; // draws the deals of the game choice after the skat
    // The memory draw of the hosting table (its own generator, so that the
    // table's deals do not depend on the computer players' play).
    VORDIX_RANDOM memoryRandom_;
    // Where the unseen cards lie, rebuilt when the open-game analysis draws
    // its first deal by it.
    CHARAKTER_QUERY_API profileQuery_;
    VERTEILUNGS_PROGNOSE prognosis_{{&vorlogik, &profileQuery_}};
};

// The playing style every computer player uses from now on (0 defensive,
// 1 balanced, 2 offensive; anything else is taken as balanced).
void setComputerPlayStyle(int style);
int computerPlayStyle();
// The memory preference every computer player uses from now on (0 good,
// 1 medium, 2 poor; anything else, and the start value, is poor).
void setComputerMemory(int memory);
int computerMemory();

// Makes the full computer logic the logic of every new player.
void registerComputerLogic();
// A new logic by name: "full" or "standin"; null for any other name.
std::unique_ptr<PLAYER_LOGIK> createLogicByName(std::string_view name);
