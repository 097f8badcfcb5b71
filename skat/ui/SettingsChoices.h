#pragma once
// What the settings dialog lets the user choose, as one value: read from the
// preferences when the dialog opens, read from the controls when the user
// confirms, and stored into the preferences only then. The rule-set logic
// of the rules page works on it without a dialog.

#include "skat/engine/Rules.h"

#include <array>
#include <string>

class USER_PREFS;

struct SettingsChoices {
    std::array<std::wstring, 3> names; // the user, the left and the right neighbour
    bool english = false;
    int cardSet = 0; // index in the card-set list
    int theme = 3;   // 1 mountains, 2 island, 3 pub, 4 empty
    int playDelayMs = 500;
    bool sound = true;
    bool playerComments = true; // stored as the mouse option
    bool manualCut = false;
    bool manualTrickClearing = true;
    int playStyle = 1; // 0 defensive, 1 balanced, 2 offensive
    int memory = 1;    // 0 good, 1 medium, 2 poor
    RuleSettings rules;
    int scoring = 1;
    bool enterFreeGames = false;
    int rankOrder = -1; // 1: 7 up to the jacks; -1: jacks down to 7
    int suitOrder = 1;  // 1: diamonds first; -1: clubs first; 0: mixed colours
    bool trumpsToJacks = true;

    bool operator==(const SettingsChoices&) const = default;
};

// The choices the preferences hold; cardSet and english come from the
// card-image cache and the platform application.
SettingsChoices choicesFromPrefs(const USER_PREFS& prefs, int cardSet, bool english);

// Stores the choices in the preferences' members (nothing is written to the
// store). An empty name keeps the stored one; with withRules false (a joined
// network table plays by the host's rules) the rules, the scoring and the
// free-games flag stay as they are. Card set and language are the caller's.
void storeChoices(const SettingsChoices& choices, USER_PREFS& prefs, bool withRules);

// The rules page after a click on a control whose box already shows its new
// state: choosing the international (338) or the former rules (339) sets
// their options; any other click keeps the options. The rule set is then
// what the options amount to, so the page never shows a rule set whose
// options it contradicts.
void applyRuleChoice(int controlId, RuleSettings& rules);
