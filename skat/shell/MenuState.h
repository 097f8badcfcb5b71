#pragma once
// Which main-menu items are enabled and checked for a state of the table.
// Pure: the application object gathers the inputs and applies the result.

#include <array>

struct MenuInputs {
    bool busy = false; // the main window's controller is busy
    bool hasTable = false;
    bool sheetInProgress = false; // the sheet holds 1 to 35 rows and may go on
    int sheetRows = 0;
    int state = 0;             // the table's game-flow state
    int tricks = 0;            // finished tricks
    bool putAwayShown = false; // the main window waits for the put-away
    bool interrupted = false;  // the running game was left as a free game
    bool pointsShown = false;
    bool openHands = false;
    bool lastTricksShown = false;
    bool analysisShown = false;
    bool exerciseMode = false;
    bool serviceDiscovery = true;
};

// The eleven cached groups, in their order.
enum MenuGroup : int {
    GROUP_NEW_OPEN,
    GROUP_CONTINUE,
    GROUP_SAVE_PRINT,
    GROUP_STOP,
    GROUP_LAST_TRICK,
    GROUP_LAY_DOWN,
    GROUP_TAKE_BACK,
    GROUP_FREE_VIEWS,
    GROUP_POINTS_CHECKED,
    GROUP_OPEN_HANDS_CHECKED,
    GROUP_LAST_TRICKS_CHECKED,
    MENU_GROUP_COUNT
};

struct MenuStates {
    std::array<bool, MENU_GROUP_COUNT> group{};
    bool analysisEnabled = false;
    bool analysisChecked = false;
    bool networkEnabled = true;
};

MenuStates menuStatesFor(const MenuInputs& in);
