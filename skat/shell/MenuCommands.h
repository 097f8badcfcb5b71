#pragma once
// The main menu's command ids and the score-sheet window's toolbar actions
// that follow them.

namespace menu {

enum Command : int {
    UNDO_KEY = 15, // the take-back shortcut sends this
    NEW_SHEET = 460,
    OPEN_SHEET = 461,
    CONTINUE_SHEET = 462,
    EXERCISES = 463,
    FREE_GAME = 464,
    DEAL_EDITOR = 465,
    HOST_NETWORK = 466,
    JOIN_NETWORK = 467,
    STOP_GAME = 468,
    SAVE_SHEET = 469,
    PRINT_SHEET = 470,
    SHOW_SHEET = 471,
    STATISTICS = 472,
    QUIT = 473,
    LAST_TRICK = 474,
    ANALYSIS = 475,
    POINTS = 476,
    LAST_TRICKS = 477,
    OPEN_HANDS = 478,
    DISTRIBUTION = 479,
    TAKE_BACK = 480,
    LAY_DOWN = 481,
    AUTO_PLAY = 482,
    SETTINGS = 483,
    COMPUTER_LOGIC = 484,
    HELP_PROGRAM = 486,
    HELP_INTRODUCTION = 487,
    HELP_RULES = 488,
    BID_VALUES = 489,
    ABOUT = 490,
};

enum ToolbarAction : int {
    TB_NEW = 433,
    TB_OPEN = 434,
    TB_CONTINUE = 435,
    TB_SAVE = 436,
    TB_PRINT = 437,
};

} // namespace menu
