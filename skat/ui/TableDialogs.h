#pragma once
// The dialogs the main game window shows during a game (the two
// announcement panels, the settlement and the all-passed notice), created
// once with the window and kept for its life, and the few helpers they
// share: the main window, the awaited human player's open request, and
// showing a panel again on the GUI thread.

#include "skat/engine/TableTypes.h"

#include <cstdint>
#include <memory>

class DIALOG_ABRECHNUNG;
class DIALOG_EINGEPASST;
class DIALOG_REIZWERTE_KALKULATOR;
class DIALOG_SPIEL_EINFACH;
class DIALOG_SPIEL_HAND;
class FENSTER_SKAT;
class VORDIX_DIALOG;

struct TABLE_DIALOGS {
    explicit TABLE_DIALOGS(FENSTER_SKAT& window);
    ~TABLE_DIALOGS();

    std::unique_ptr<DIALOG_SPIEL_EINFACH> announce;
    std::unique_ptr<DIALOG_SPIEL_HAND> announceHand;
    std::unique_ptr<DIALOG_ABRECHNUNG> settlement;
    std::unique_ptr<DIALOG_EINGEPASST> passed;
    // The bid-value calculator, made on first use.
    std::unique_ptr<DIALOG_REIZWERTE_KALKULATOR> calculator;
};

// The table dialog that is open now (null: none); set and cleared on the GUI thread.
extern VORDIX_DIALOG* activeTableDialog;

// The one main game window (null before it exists and after it went).
FENSTER_SKAT* mainGameWindow();
void setMainGameWindow(FENSTER_SKAT* window);

// The serial of the awaited human player's open request of this kind; 0
// when no human player waits for such a request.
std::uint32_t awaitedRequestSerial(PlayerRequest kind);
// True when the awaited human player still waits for exactly that request.
bool stillAwaited(PlayerRequest kind, std::uint32_t serial);

// Shows the dialog again once the GUI thread is idle (a panel that must
// not be closed while its answer is awaited).
void showAgainLater(VORDIX_DIALOG& dialog);
// The game help of the application, when it has one.
void runGameHelp();

// Keys for the open table dialog (Left and Right choose the game, Up and
// Down the Schneider and Schwarz boxes, Enter confirms); true when one
// took the key.
bool handleTableDialogKey(int key);
// Commands the game window answers itself; true when handled.
bool handleTableCommand(int commandId);
// Asks before stopping in the middle of a game; true when it may stop.
bool confirmQuit();

// Opens the bid-value calculator with the own hand (menu and the bidding
// panel's button, through the application).
void openBidCalculator();
