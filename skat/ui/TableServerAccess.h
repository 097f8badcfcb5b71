#pragma once
// What the game windows need of the table server: its current table, whether
// it takes input and shows the game, and the two ways a list is started.
// The program's table server implements it and installs itself; until one is
// installed the windows see no table and ignore input.

#include <memory>

class SKATTISCH;

class TABLE_SERVER_ACCESS {
public:
    virtual ~TABLE_SERVER_ACCESS() = default;
    // The table on which games run; null when there is none.
    virtual SKATTISCH* currentTable() = 0;
    // Window input is taken only while the server is ready.
    virtual bool isReady() const { return true; }
    // The overlay paints the game only while the display is active.
    virtual bool isDisplayActive() const { return true; }
    // A fresh score sheet and its first game.
    virtual void startNewSheet() = 0;
    // The next game of the current score sheet.
    virtual void startNewGameOfList() = 0;
};

// The installed server (null when none); safe from any thread.
std::shared_ptr<TABLE_SERVER_ACCESS> tableServer();
void installTableServer(std::shared_ptr<TABLE_SERVER_ACCESS> server);

// The current table of the installed server, or null.
SKATTISCH* currentTable();
