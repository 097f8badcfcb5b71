#pragma once
// Checks a player's answer against the game before the game flow uses it,
// and the safe replacement for a computer answer that fails the check.

#include "skat/engine/PlayerAktion.h"
#include "skat/engine/Spielkarten.h"
#include "skat/engine/Spielstruct.h"

// A bid is a value of the bid table; a cut lies in 1..30; discards are two
// different cards of the hand; an announcement is a game the declarer may
// announce (with or without the skat); a card is 0 (giving up) or a legal
// card of the hand; a confirmation after a game is 1..4.
bool isValidAnswer(int kind, const PLAYER_AKTION& answer, const SPIELKARTEN& cards, const SPIELSTRUCT& record,
                   Seat seat);

// Makes the answer valid: no higher bid, the lowest legal card, the two
// lowest cards of the hand, a plain grand, confirmation 1.
void repairAnswer(int kind, PLAYER_AKTION& answer, const SPIELKARTEN& cards, const SPIELSTRUCT& record, Seat seat);

// The cards the seat may play now (its whole hand when it leads).
CardSet legalCardsOfSeat(const SPIELKARTEN& cards, GameType type, Seat seat);
// The lowest card (lowest CardBit) of a set; 0 for an empty set.
CardId lowestCardOf(CardSet set);

// Games that may be announced after taking the skat, and as a hand game.
bool isAnnounceableWithSkat(const ::SPIELART& game);
bool isAnnounceableHand(const ::SPIELART& game);
