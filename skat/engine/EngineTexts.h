#pragma once
// The few words the card model shows to users (rank words, game-type names).
// German defaults; the application shell installs its text table later.

#include "skat/engine/CardTypes.h"

#include <memory>
#include <string>

class ENGINE_TEXTS {
public:
    virtual ~ENGINE_TEXTS();
    // Rank 0..8 ("" for none); empty for any other rank.
    virtual std::wstring rankWord(Rank rank) const;
    // Display name of game type 1..8; empty for any other type.
    virtual std::wstring gameTypeName(GameType type) const;
};

// The texts in force; safe from any thread.
std::shared_ptr<const ENGINE_TEXTS> engineTexts();
// Installs texts (null restores the German defaults).
void installEngineTexts(std::shared_ptr<const ENGINE_TEXTS> texts);
