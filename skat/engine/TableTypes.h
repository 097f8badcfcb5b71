#pragma once
// Numbers the table, its players, its observers and the game network
// message share. Saved files and network peers carry these values, so they
// never change.

#include "skat/engine/CardTypes.h"

// The game-flow state a table runs; saved with the running game.
enum GameStateIndex : int {
    STATE_NONE = 0, // no game runs
    STATE_NEUES_SPIEL = 1,
    STATE_ABHEBEN_UND_GEBEN = 2,
    STATE_REIZ_VORSCHLAG = 3,
    STATE_REIZEN = 4,
    STATE_EINGEPASST = 5,
    STATE_SPIEL_ANSAGEN = 6,
    STATE_RAMSCH_ANSAGEN = 7,
    STATE_KARTE_AUSSPIELEN = 8,
    STATE_STICH_ABLEGEN = 9,
    STATE_ABRECHNUNG = 10,
    STATE_STOP = 11,
};

// What the table reports to its observers. Codes below 28 carry no value.
enum TableEvent : int {
    GAME_LOOP_ENDED = 0,
    GAME_FINISHED = 1,
    GAME_RESUMED = 2,
    NEW_GAME = 3,
    TRICK_COMPLETE = 4,
    GAME_REPEATED = 5,
    CUTTING = 6,
    GAME_ENDS_EARLY = 7,
    REPEATED_GAME_NOT_LISTED = 8,
    COMMENT_DOERFER = 9,
    COMMENT_KLEINGROSS = 10,
    ALL_PASSED = 11,
    CARDS_DEALT = 12,
    BIDDING_RESTORED = 13,
    BIDDING_STARTED = 14,
    ANNOUNCEMENT_RESTORED = 15,
    ANNOUNCING_STARTED = 16,
    RAMSCH_ANNOUNCED = 17,
    TABLE_REFRESH = 18,
    HANDS_CHANGED = 19,
    TRICK_COLLECTED = 20,
    BID_PROPOSAL = 21,
    MAIN_WINDOW_REPAINT = 22, // local repaint only, never sent by the game flow
    SETTLEMENT_STARTED = 23,
    EXERCISE_FINISHED = 24,
    STATUS_CHANGED = 25,
    DEVIATION_TAKEN_BACK = 26,
    SCORE_SHEET_CHANGED = 27,
    EVENT_UNUSED_28 = 28,
    RICH_TRICK_COMMENT = 29,
    OVER_SIXTY_COMMENT = 30,
    BID_TURN = 31,
    PLAYER_TO_PLAY = 32,
    BID_ANSWERED = 33,
    DECLARER_RESTORED = 34,
    GAME_ANNOUNCED = 35,
    CUT_DONE = 36,
    KONTRA_ANNOUNCED = 37,
    CARD_PLAYED = 38,
    TABLE_EVENT_COUNT = 39,
};
// Codes from here on travel with a value.
inline constexpr int FIRST_EVENT_WITH_VALUE = 28;

// What the table asks of a player.
enum PlayerRequest : int {
    REQUEST_NONE = 0,
    REQUEST_BID = 1,
    REQUEST_CUT = 2,
    REQUEST_SKAT_OR_HAND = 3,
    REQUEST_DISCARD = 4,
    REQUEST_ANNOUNCE = 5,
    REQUEST_ANNOUNCE_HAND = 6,
    REQUEST_PLAY_CARD = 7,
    REQUEST_CONFIRM_TRICK = 8,
    REQUEST_CONFIRM_SETTLEMENT = 9,
    REQUEST_CONFIRM_PASSED = 10,
    REQUEST_CONFIRM_LIST_END = 11,
};
constexpr bool isPlayerRequest(int kind) { return kind >= REQUEST_BID && kind <= REQUEST_CONFIRM_LIST_END; }

enum PlayerKind : int {
    PLAYER_KIND_NONE = 0,
    PLAYER_KIND_HUMAN = 1,
    PLAYER_KIND_COMPUTER = 2,
    PLAYER_KIND_REMOTE = 3,
    PLAYER_KIND_REMOTE_VIEW = 4,
    PLAYER_KIND_NETWORK_CLIENT = 5,
};

enum NetworkMessageKind : int {
    CHAT_MESSAGE = 1,
    CLIENT_HELLO = 2,
    SETUP_REQUEST = 3,
    SETUP_REPLY = 4,
    CLIENT_LEAVING = 5,
    CLIENT_DISCONNECTED = 6,
    SERVER_DISCONNECTED = 7,
    TABLE_NOTIFICATION = 8,
    PLAYER_ACTION_REQUEST = 9,
    PLAYER_ACTION_REPLY = 10,
};

// The table's own resume code of its wait for answers: the game loop is
// being stopped (beside the suspender's codes in vordix/ThreadSuspender.h).
inline constexpr int RESUME_TABLE_STOPPED = 4;

// Confirmation values after a settlement or a passed game.
enum ConfirmDecision : int {
    CONFIRM_NEXT_GAME = 1,
    CONFIRM_END_LOOP = 2,
    CONFIRM_REPEAT_DEAL = 3,
    CONFIRM_END_AFTER_SETTLEMENT = 4,
};

// Seat s is served by storage slot (s + 2) mod 3; slot k serves seat (k + 1) mod 3.
constexpr int slotOfSeat(Seat seat) { return (seat + 2) % 3; }
constexpr Seat seatOfSlot(int slot) { return static_cast<Seat>((slot + 1) % 3); }
