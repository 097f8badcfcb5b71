#include "skat/engine/Rules.h"

#include <mutex>

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
}
