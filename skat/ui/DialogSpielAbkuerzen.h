#pragma once
// Shortening a game: the panel that the ">>" button on the table and a
// right click below the own hand open while the cards are played.
// "Schenken/Legen" gives every remaining trick to the other side (not in
// Ramsch), "Alles zu mir" plays the user's remaining cards automatically.
// Each sends the main menu's command and the panel ends. It lies in the
// bottom left corner of the table and goes when the pointer leaves it.

#include "vordix/Dialog.h"

class FENSTER_SKAT;
class SKATTISCH;

class DIALOG_SPIEL_ABKUERZEN : public VORDIX_DIALOG {
public:
    static constexpr int FORM_ID = 423;
    static constexpr int LAY_DOWN = 424, PLAY_OUT = 425, CANCEL = 426;
    static constexpr int COMMAND_LAY_DOWN = 481; // Opt_legen
    static constexpr int COMMAND_PLAY_OUT = 482; // Opt_automatischSpielen

    explicit DIALOG_SPIEL_ABKUERZEN(FENSTER_SKAT* window);

    // Shows the panel without waiting, when shortening is offered now.
    void open();
    void initDialog() override;
    void onCommand(int controlId) override;

private:
    FENSTER_SKAT* window_;
};

// Shortening is offered while the cards are played (a card is awaited or a
// trick lies complete); at any other time a request would wait for the
// next game and end it at its first card.
bool shorteningOffered(const SKATTISCH& table);
// Laying down is not allowed in Ramsch.
bool layingDownAllowed(const SKATTISCH& table);
// Commands 481 and 482: the table's request to lay the cards down (the
// user's side gives the rest up) or to play the user's cards out, and the
// user's open card or trick request answered at once. False, and nothing
// asked, when shortening is not offered or laying down not allowed.
bool shortenGame(SKATTISCH& table, bool layDown);
