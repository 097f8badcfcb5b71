#include "skat/engine/Rules.h"

#include <mutex>
#include <optional>

namespace {

std::mutex& rulesMutex()
{
    static std::mutex mutex;
    return mutex;
}

RuleSettings& rulesInForce()
{
    static RuleSettings rules;
    return rules;
}

std::optional<RuleSettings>& rulesOfNextGame()
{
    static std::optional<RuleSettings> rules;
    return rules;
}

} // namespace

RuleSettings currentRules()
{
    std::lock_guard lock(rulesMutex());
    return rulesInForce();
}

void setCurrentRules(const RuleSettings& rules)
{
    std::lock_guard lock(rulesMutex());
    rulesInForce() = rules;
    rulesOfNextGame().reset();
}

void setRulesForNextGame(const RuleSettings& rules)
{
    std::lock_guard lock(rulesMutex());
    rulesOfNextGame() = rules;
}

void startGameRules()
{
    std::lock_guard lock(rulesMutex());
    if (rulesOfNextGame()) {
        rulesInForce() = *rulesOfNextGame();
        rulesOfNextGame().reset();
    }
}

bool rulesWaitForNextGame()
{
    std::lock_guard lock(rulesMutex());
    return rulesOfNextGame().has_value();
}
