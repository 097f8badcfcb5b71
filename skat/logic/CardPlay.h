#pragma once
// A simple card choice from what a seat can know: its own hand, the cards
// already played, the trick on the table and who declares. Declarers draw
// trumps and cash their sure winners; defenders cash aces, smear points on
// their partner's tricks and take the declarer's tricks as cheaply as they
// can; in null the declarer stays under and the defenders duck under him.
// The table-based choice (LeadChoice.h) counts its card a little higher.

#include "skat/engine/CardTypes.h"

#include <array>

struct PlayView {
    GameType type = GAME_NONE;
    Seat self = SEAT_NONE;
    Seat declarer = SEAT_NONE;
    CardSet hand = 0;
    CardSet played = 0;             // cards of the finished tricks
    CardSet knownAway = 0;          // cards this seat knows to lie out of play (its own skat)
    std::array<CardBit, 2> trick{}; // cards on the table in play order
    int trickCount = 0;             // 0..2
};

// The card to play, or NO_CARD for an empty hand. Always a legal card.
CardId chooseHeuristicCard(const PlayView& view);

// Card order helpers, shared with the tests.
// Effective suit: 0 for trumps, else the card's suit (null: always the suit).
int effectiveSuit(GameType type, CardBit bit);
// Strength inside the effective suit, higher beats lower.
int cardPower(GameType type, CardBit bit);
// Whether challenger beats the best card so far of a trick led with ledBit.
bool beatsCard(GameType type, CardBit challenger, CardBit best, CardBit ledBit);
