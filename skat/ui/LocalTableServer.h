#pragma once
// A table server for one local table until the program's own table server
// takes over: the user in seat 1 against two computer players, with a worker
// that hands the table's messages to the table. Starting a list runs the
// game loop on the table.

#include "skat/ui/TableServerAccess.h"

#include <memory>

class LOCAL_MESSAGE_WORKER;
class SKATTISCH_SERVER;

class LOCAL_TABLE_SERVER : public TABLE_SERVER_ACCESS {
public:
    LOCAL_TABLE_SERVER();
    ~LOCAL_TABLE_SERVER() override;

    SKATTISCH* currentTable() override;
    // Empties the score sheet, then starts its first game.
    void startNewSheet() override;
    void startNewGameOfList() override;
    // Ends a running game loop (program end).
    void stop();

    SKATTISCH_SERVER& table() { return *table_; }

private:
    std::unique_ptr<SKATTISCH_SERVER> table_;
    std::unique_ptr<LOCAL_MESSAGE_WORKER> worker_;
};
