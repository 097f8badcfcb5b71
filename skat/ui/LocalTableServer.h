#pragma once
// The windows' access to the program's table server (SKAT_SERVER): its
// current table and the two ways a list is started from the game window.

#include "skat/ui/TableServerAccess.h"

class SKAT_SERVER;
class SKATTISCH_SERVER;

class LOCAL_TABLE_SERVER : public TABLE_SERVER_ACCESS {
public:
    // Makes sure the server has a local table.
    explicit LOCAL_TABLE_SERVER(SKAT_SERVER& server);
    LOCAL_TABLE_SERVER();
    ~LOCAL_TABLE_SERVER() override;

    SKATTISCH* currentTable() override;
    // Empties the score sheet (after asking), then starts its first game.
    void startNewSheet() override;
    void startNewGameOfList() override;
    // Start-up: loads the current sheet and resumes a game saved in the middle.
    void loadRunningGame();
    // Ends a running game loop (program end); the running game stays saved.
    void stop();

    SKATTISCH_SERVER& table();

private:
    SKAT_SERVER& server_;
};
