#pragma once
// The open-game advice of the status line as a value: who is addressed, the
// verdict or forecast on the game, the proposed card with the kind of play
// it makes, and the cards that rate the same. The shell puts it into words
// from its text table.

#include "skat/logic/OpenAnalysis.h"

#include <array>

enum class AdviceVerdict { NONE, ALREADY_WON, ALREADY_LOST };
enum class AdviceForecast { NONE, WILL_WIN, WILL_LOSE };
enum class AdvicePlay { LEAD, TRUMP, TAKE_OVER, ADD };

struct OpenGameAdvice {
    bool addressesDeclarer = false; // "you" as declarer, else the defenders
    AdviceVerdict verdict = AdviceVerdict::NONE;
    AdviceForecast forecast = AdviceForecast::NONE;
    CardId card = NO_CARD;
    AdvicePlay play = AdvicePlay::LEAD;
    bool onlyCard = false; // the card is the only legal one
    // Other cards that rate the same as the proposed one, lowest first.
    std::array<CardId, 12> alternatives{};
    int alternativeCount = 0;

    bool operator==(const OpenGameAdvice&) const = default;
};

// The advice for the seat to move of the view from its last analysis (a
// copy taken from the store) and its chosen card.
OpenGameAdvice buildOpenGameAdvice(const OpenGameView& view, const SLOFFENWERTUNG& working, LeadRatings leadRatings,
                                   CardId chosen);
// The advice from a player's store: a copy of its last analysis taken under
// the store's lock. False (and no advice) when the store holds no analysis
// or its card choice gave no card.
bool openGameAdviceFrom(const OpenAnalysisStore& store, OpenGameAdvice& advice);
