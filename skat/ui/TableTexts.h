#pragma once
// The words the main window writes on the table, composed from the table's
// state without drawing anything: the lines of a speech balloon, the game
// information line, the game title and the seat roles. The painting side
// (TableLabels) measures and places them.

#include "skat/engine/WindowModes.h"

#include <string>
#include <vector>

class TableSnapshot;

namespace table_texts {

// A seat balloon's lines are wrapped at this many characters.
constexpr int BALLOON_LINE_LENGTH = 25;

// The lines of a balloon: with wrap the text is broken at the last blank
// within BALLOON_LINE_LENGTH characters (a word longer than that is cut);
// without, "|" separates the lines and empty runs are dropped.
std::vector<std::wstring> balloonLines(const std::wstring& text, bool wrap);

// The number of the game in the score sheet: its rows, plus one while the
// game has not been entered yet.
int gameNumber(const TableSnapshot& table);

struct InfoLineContext {
    InputMode inputMode = INPUT_NONE;
    int biddingMode = 0;    // the bidding panel's mode; 2: the user answers a value
    int offeredValue = 0;   // the value the bidding panel offers
    bool shortForm = false; // the small layout's short words
};

// The information line of the panel in the top-left corner: kind of game,
// Bock round and what the table is doing.
std::wstring gameInfoLine(const TableSnapshot& table, const InfoLineContext& context);

// The name of the game with its level and Kontra words, as the title line
// shows it.
struct GameTitleParts {
    std::wstring game;   // type name, with "Hand" or "ouvert"
    std::wstring level;  // Schneider or Schwarz announced, or a second "ouvert"
    std::wstring kontra; // " Kontra von <name>" and ", Re"
};
GameTitleParts gameTitleParts(const TableSnapshot& table);

// The title line during card play: for the local declarer "Du spielst ..."
// with level and Kontra words (and the first-lead prompt when firstLead),
// for another declarer "<spielt> <game>" or, with the mono theme, the game
// alone. Empty for Ramsch and outside card play (before INPUT_CARD_PLAY or
// from INPUT_GAME_RESULT on).
std::wstring gameTitle(const TableSnapshot& table, InputMode inputMode, bool localDeclarer, bool firstLead, int theme);

// What the user is told after trying a card that may not be played: to
// follow with trump when the trick was led with a trump of a suit or grand
// game, else to follow suit.
std::wstring illegalCardNotice(const TableSnapshot& table);

// The card points of two sides, "65 : 55 Augen".
std::wstring cardPointsText(int first, int second);

// Forehand, middlehand or rearhand of the seat at the screen position, and
// who cuts and deals while the cards are dealt; empty when it has none.
std::wstring seatRoleText(const TableSnapshot& table, InputMode inputMode, int position);

} // namespace table_texts
