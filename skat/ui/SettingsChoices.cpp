#include "skat/ui/SettingsChoices.h"

#include "skat/app/UserPrefs.h"

SettingsChoices choicesFromPrefs(const USER_PREFS& prefs, int cardSet, bool english)
{
    SettingsChoices c;
    for (int i = 0; i < 3; ++i)
        c.names[static_cast<std::size_t>(i)] = prefs.playerNames[static_cast<std::size_t>(i)];
    c.english = english;
    c.cardSet = cardSet;
    c.theme = prefs.tableTheme;
    c.playDelayMs = prefs.playDelayMs;
    c.sound = prefs.sound;
    c.playerComments = prefs.mouseOption;
    c.manualCut = prefs.manualCut;
    c.manualTrickClearing = prefs.manualTrickClearing;
    c.playStyle = prefs.playStyle;
    c.memory = prefs.memory;
    c.rules = prefs.rules;
    c.scoring = prefs.scoring;
    c.enterFreeGames = prefs.enterFreeGames;
    c.rankOrder = prefs.rankOrder;
    c.suitOrder = prefs.suitOrder;
    c.trumpsToJacks = prefs.trumpsToJacks;
    return c;
}

void storeChoices(const SettingsChoices& c, USER_PREFS& prefs, bool withRules)
{
    for (int i = 0; i < 3; ++i) {
        const std::wstring& name = c.names[static_cast<std::size_t>(i)];
        if (!name.empty() && name != prefs.playerNames[static_cast<std::size_t>(i)])
            prefs.setPlayerName(i, name);
    }
    if (c.theme != prefs.tableTheme) {
        prefs.tableTheme = c.theme;
        prefs.applyThemeColours();
    }
    prefs.playDelayMs = c.playDelayMs;
    prefs.sound = c.sound;
    prefs.mouseOption = c.playerComments;
    prefs.manualCut = c.manualCut;
    prefs.manualTrickClearing = c.manualTrickClearing;
    prefs.playStyle = c.playStyle;
    prefs.memory = c.memory;
    prefs.rankOrder = c.rankOrder;
    prefs.suitOrder = c.suitOrder;
    prefs.trumpsToJacks = c.trumpsToJacks;
    if (withRules) {
        prefs.rules = c.rules;
        prefs.scoring = c.scoring;
        prefs.enterFreeGames = c.enterFreeGames;
    }
}

void applyRuleChoice(int controlId, RuleSettings& rules)
{
    constexpr int INTERNATIONAL_RULES = 338;
    constexpr int FORMER_RULES = 339;
    if (controlId == INTERNATIONAL_RULES)
        skat::prefs::chooseRuleSet(rules, RULESET_INTERNATIONAL);
    else if (controlId == FORMER_RULES)
        skat::prefs::chooseRuleSet(rules, RULESET_FORMER);
    skat::prefs::deriveRuleSet(rules);
}
