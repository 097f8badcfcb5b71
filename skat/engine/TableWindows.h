#pragma once
// What the table and its local players ask of the game windows: preparing
// the main window for a human decision, the dialogs that run over it, and
// the hints shown on the hand. The windows answer later through the human
// player's answer entries. The defaults do nothing, so a table without
// windows (tests) waits until a test answers.

#include "skat/engine/Skat.h"
#include "skat/engine/Spielstruct.h"

#include <memory>
#include <string>

class SKATTISCH;

class TABLE_WINDOWS {
public:
    virtual ~TABLE_WINDOWS();

    // The user cuts on the pile view.
    virtual void beginCut(SKATTISCH& table);
    // The bidding panel offers the value (naming or answering).
    virtual void offerBid(SKATTISCH& table, int value, const std::wstring& playerName);
    virtual void beginSkatOrHand(SKATTISCH& table);
    // The skat goes into the hand; the proposal is highlighted when hints are shown.
    virtual void beginDiscard(SKATTISCH& table, const SKAT& proposal);
    // The game dialog (with the skat) or the hand-game dialog.
    virtual void openAnnounceDialog(SKATTISCH& table, CardSet hand, const SKAT& skat);
    virtual void openHandGameDialog(SKATTISCH& table, CardSet hand);
    // The hand view takes a card; hint is the proposed card (0: none).
    virtual void beginCardChoice(SKATTISCH& table, CardId hint);
    // The user clears the finished trick with a click.
    virtual void beginTrickConfirmation(SKATTISCH& table);
    virtual void showSettlement(SKATTISCH& table, const SPIELSTRUCT& record);
    virtual void showPassedGame(SKATTISCH& table);
    // The score-sheet-complete dialog (modal); returns when it is closed.
    virtual void showListComplete(SKATTISCH& table);
    // The free-game warning; true when the user agrees.
    virtual bool confirmFreeGame(SKATTISCH& table);
    // The main window controller is refreshed.
    virtual void refreshMainWindow(SKATTISCH& table);
    // A computer card is about to be shown at this place (0..2) of the trick.
    virtual void announceComputerCard(SKATTISCH& table, int trickPlace);
};

std::shared_ptr<TABLE_WINDOWS> tableWindows();
// Installs the windows; null restores the defaults.
void installTableWindows(std::shared_ptr<TABLE_WINDOWS> windows);
