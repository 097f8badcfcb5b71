#pragma once
// The advice the status text beside the table gives the local player, in
// the user's language: what to bid, which game to announce, whether a hand
// game was wise, what the logic tables say of a suit, and the verdict on an
// open game during card play. Each reads the player's proposal or its
// computer logic; a player without one gets an empty text.

#include "skat/engine/CardTypes.h"

#include <string>

class PLAYER;
class TableSnapshot;

namespace status_advice {

// The game of a proposal in words ("Kreuz Hand", "Grand ouvert").
std::wstring proposedGameWords(const PLAYER& player);
// How far to bid and which game, or that the hand is no game.
std::wstring biddingAdvice(const PLAYER& player, const TableSnapshot& table);
// The game the logic would announce.
std::wstring announcementSummary(const PLAYER& player);
// The game to announce once the skat is taken, with Schneider or Schwarz
// when the proposal reaches them.
std::wstring gameAdvice(const PLAYER& player);
// After a hand game was chosen: whether the logic would have played hand.
std::wstring handGameAdvice(const PLAYER& player);
// The logic tables' word on the pattern of a suit in the hand.
std::wstring suitPatternAdvice(const PLAYER& player, CardSet hand, Suit suit);
// The verdict on the open game and the proposed card; empty without an
// analysis.
std::wstring openGameAdvice(const PLAYER& player);

} // namespace status_advice
