#pragma once
// The hints panel that the bulb on the table opens: taking back a move and
// the four learning aids of a free game (suggestions, points accounts, the
// course of the game, the other players' hands). Each button sends the main
// menu's command of its aid, so the panel asks and refuses as the menu
// does; afterwards it shows the state again. It lies in the top right
// corner of the table and goes when the pointer leaves it.

#include "vordix/Dialog.h"

class FENSTER_SKAT;
class SKATTISCH;

class DIALOG_HILFESTELLUNGEN : public VORDIX_DIALOG {
public:
    static constexpr int FORM_ID = 427;
    static constexpr int UNDO = 428, SUGGESTIONS = 429, POINTS = 430, OTHER_HANDS = 431, HISTORY = 432;

    explicit DIALOG_HILFESTELLUNGEN(FENSTER_SKAT* window);

    // Shows the panel without waiting.
    void open();
    void initDialog() override;
    void onCommand(int controlId) override;

    // The main menu's command of a control of the panel (0: none).
    static int commandOf(int controlId);

private:
    FENSTER_SKAT* window_;
};

// A move can be taken back: the game is in card play with a trick on the
// pile, or a trick lies complete on the table. Never before the first trick
// of the game, so a take-back stays inside the running game.
bool takeBackPossible(const SKATTISCH& table);
