#pragma once
// The dialogs the main game window shows during a game (the two
// announcement panels, the settlement and the all-passed notice), created
// once with the window and kept for its life, the bid-value calculator,
// the keys of the open panel, and the question before stopping a game.

#include "skat/engine/CardTypes.h"

#include <memory>

class DIALOG_ABRECHNUNG;
class DIALOG_EINGEPASST;
class DIALOG_REIZWERTE_KALKULATOR;
class DIALOG_SPIEL_EINFACH;
class DIALOG_SPIEL_HAND;
class VORDIX_FENSTER;

struct TABLE_DIALOGS {
    explicit TABLE_DIALOGS(VORDIX_FENSTER& parent);
    ~TABLE_DIALOGS();

    // Keys for the open table dialog (Left and Right choose the game, Up and
    // Down the Schneider and Schwarz boxes, Enter confirms); true when one
    // took the key.
    bool handleKey(int key);
    // Opens the bid-value calculator (made on first use) with the hand.
    void openCalculator(CardSet hand);

    std::unique_ptr<DIALOG_SPIEL_EINFACH> announce;
    std::unique_ptr<DIALOG_SPIEL_HAND> announceHand;
    std::unique_ptr<DIALOG_ABRECHNUNG> settlement;
    std::unique_ptr<DIALOG_EINGEPASST> passed;
    std::unique_ptr<DIALOG_REIZWERTE_KALKULATOR> calculator;
};

// Asks before stopping in the middle of a game; true when it may stop.
bool confirmQuit(VORDIX_FENSTER* parent);
// Commands the game window answers itself; true when handled.
bool handleTableCommand(int commandId, VORDIX_FENSTER* parent);
