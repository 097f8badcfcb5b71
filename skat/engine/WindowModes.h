#pragma once
// What the game window expects of the user and what the middle of the table
// shows, as the table's events and its human player set them through
// TABLE_WINDOWS. The engine names every step here, so that no caller passes
// a bare number; the window decides from them which view takes input.

#include <cstdint>

// The steps of a game as the window sees them. The values follow the game's
// order: the window asks "from card play on" or "before the skat is taken"
// by comparing them. 5, 14 and 17 are unused.
enum InputMode : std::int32_t {
    INPUT_NONE = 0,           // no game, or the game loop ended
    INPUT_GAME_FINISHED = 1,  // a game ended
    INPUT_NEW_GAME = 2,       // a game starts or resumes
    INPUT_CUTTING = 3,        // a new deal: the deck is shuffled and cut
    INPUT_CUT = 4,            // the user cuts on the pile
    INPUT_CUT_DONE = 6,       // the user's cut is taken; the hands are dealt
    INPUT_BID = 7,            // the bidding panel takes the user's answer
    INPUT_OTHERS_BID = 8,     // another seat is to bid
    INPUT_ANNOUNCING = 9,     // the declarer announces the game
    INPUT_SKAT_OR_HAND = 10,  // the user takes the skat or plays hand
    INPUT_SKAT_SHOWN = 11,    // the skat lies face up before it joins the hand
    INPUT_PUT_AWAY = 12,      // the user puts two cards away
    INPUT_PUT_AWAY_DONE = 13, // the two cards are put away (or fly there)
    INPUT_CARD_PLAY = 15,     // the own hand takes a card
    INPUT_OTHERS_PLAY = 16,   // another seat is to play a card
    INPUT_GAME_RESULT = 18,   // the settlement or the all-passed notice is shown
};

// What the pile view in the middle of the table shows.
enum PileMode : std::int32_t {
    PILE_NONE = 0,
    PILE_DECK = 1,       // the whole deck
    PILE_CUTTING = 2,    // the deck in two packets
    PILE_CUT = 3,        // the deck put together again
    PILE_TRICKS = 4,     // the parties' trick piles
    PILE_SETTLEMENT = 5, // as the trick piles, at the settlement
};
