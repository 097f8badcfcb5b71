#pragma once
// The free game's dialog ("Übungstisch - Freies Spiel starten"): the user
// chooses the learning aids and the own seat (forehand, middlehand or
// rearhand) before a free game starts. It opens with the aids as the table
// shows them and the seat chosen last time (forehand the first time);
// "Spiel starten" sets the aids on the main window and gives the forehand
// seat for the user's choice.

#include "skat/engine/CardTypes.h"
#include "vordix/Dialog.h"

class FENSTER_SKAT;

class DIALOG_FREIES_SPIEL : public VORDIX_DIALOG {
public:
    static constexpr int FORM_ID = 176;
    static constexpr int SUGGESTIONS = 177, POINTS = 178, START = 179, OTHER_HANDS = 184, HISTORY = 185;
    static constexpr int SEAT_GROUP = 186, FOREHAND = 181, MIDDLEHAND = 182, REARHAND = 183;

    // The user's place in the deal: 0 forehand, 1 middlehand, 2 rearhand.
    enum Role { ROLE_FOREHAND = 0, ROLE_MIDDLEHAND = 1, ROLE_REARHAND = 2 };

    explicit DIALOG_FREIES_SPIEL(FENSTER_SKAT* window);

    // Runs the dialog (modal): the forehand seat that makes the user sit in
    // the chosen place, or SEAT_NONE when it was closed without "start".
    Seat run();
    void initDialog() override;
    void onCommand(int controlId) override;

    // The forehand seat that puts the user's seat in the role.
    static Seat forehandFor(Seat userSeat, Role role);

    Role role = ROLE_FOREHAND; // kept between runs

private:
    void fill();
    FENSTER_SKAT* window_;
    bool filled_ = false;
};
