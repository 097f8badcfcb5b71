#pragma once
// The open-game advice of the status line in the user's language: the
// verdict or forecast on the game, then the card proposed with the kind of
// play it makes, or the cards that rate the same.

#include "skat/logic/OpenAdvice.h"

#include <string>

class SKAT_TEXT;

std::wstring openGameAdviceText(const OpenGameAdvice& advice, const SKAT_TEXT& texts);
// With the process-wide texts.
std::wstring openGameAdviceText(const OpenGameAdvice& advice);
