#pragma once
// What the table asks of the main game window, handed to the window on the
// GUI thread: the game thread waits until the window has taken it up.

#include "skat/engine/TableWindows.h"

class FENSTER_SKAT;

class FENSTER_SKAT_TABLE_WINDOWS : public TABLE_WINDOWS {
public:
    explicit FENSTER_SKAT_TABLE_WINDOWS(FENSTER_SKAT& window) : window_(window) {}

    void offerBid(SKATTISCH& table, int value, const std::wstring& playerName) override;
    void beginCardChoice(SKATTISCH& table, CardId hint) override;
    void beginTrickConfirmation(SKATTISCH& table) override;
    void refreshMainWindow(SKATTISCH& table) override;
    void announceComputerCard(SKATTISCH& table, int trickPlace) override;

private:
    FENSTER_SKAT& window_;
};
