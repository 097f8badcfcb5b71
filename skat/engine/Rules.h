#pragma once
// The rules the games are played and settled by. The application shell fills
// them from the user's preferences; until then the international rules hold.
// Every computation reads the current values, so a change applies to the
// next game or settlement.

enum RuleSet : int {
    RULESET_INTERNATIONAL = 0,
    RULESET_FORMER = 1, // Grand Ouvert counts 36, a lost hand game counts single
    RULESET_PUB = 2,
};

struct RuleSettings {
    int ruleSet = RULESET_INTERNATIONAL;

    bool grandOuvert36 = false;  // base value 36 and one level fewer
    bool lostHandSingle = false; // a lost hand game counts single, not double
    bool schneiderAt91 = false;  // Schneider needs 91 (the other side at most 29)

    bool kontraRe = false;         // Kontra and Re may be called
    int kontraVariant = 1;         // 1 or 2
    bool kontraOnlyFrom18 = false; // Kontra only for a player whose own bid reached 18

    bool bockRounds = false;
    bool bockOn60To60 = false; // a game ending 60 to 60
    bool bockOnLostKontra = false;
    bool bockOnWonKontra = false;
    bool bockOnDefenders90 = false; // defenders with 90 points or more
    bool bockOnDeclarer90 = false;  // declarer with 90 (91 with Schneider at 91) or more

    bool ramschAfterPass = false; // Ramsch when all three passed

    bool operator==(const RuleSettings&) const = default;
};

// A copy of the rules in force; safe to call from any thread.
RuleSettings currentRules();
// Replaces the rules in force (called by the shell when preferences change)
// and drops rules waiting for the next game.
void setCurrentRules(const RuleSettings& rules);
// Rules changed while a game runs: that game keeps its rules, these come
// into force when the next game starts.
void setRulesForNextGame(const RuleSettings& rules);
// Called as a new game starts: rules waiting for it come into force.
void startGameRules();
// True while rules wait for the next game.
bool rulesWaitForNextGame();
