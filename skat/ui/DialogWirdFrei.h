#pragma once
// The question before an action that breaks the rules in a game begun by
// them ("Spielstatus ändern"): "Weiter" lets the game go on as a free game,
// which is not entered in the score sheet; "Abbruch" or closing leaves it
// as it is.

#include "vordix/Dialog.h"

class DIALOG_WIRDFREI : public VORDIX_DIALOG {
public:
    static constexpr int FORM_ID = 187;
    static constexpr int CONTINUE = 188;

    explicit DIALOG_WIRDFREI(VORDIX_FENSTER* parent);
    void onCommand(int controlId) override;
    // Runs the question (modal); true only when "Weiter" closed it.
    bool ask();
};
