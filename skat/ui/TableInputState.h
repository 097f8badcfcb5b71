#pragma once
// What the game window expects of the user now and what the user has chosen
// so far: one record instead of loose flags. The table's requests and
// events set it through the window's controller, the views' reports change
// it, and painting reads it; all on the GUI thread.

#include "skat/engine/Skat.h"
#include "skat/engine/WindowModes.h"

struct TableInputState {
    InputMode mode = INPUT_NONE;
    // The face-down skat lies in the middle from the cut on, not only while
    // the user chooses between the skat and a hand game (the table pictures
    // of the dealt hands set it).
    bool skatFromCut = false;
    // The user's card stands in the trick from the click on, until the
    // table has taken it.
    bool ownCardOnItsWay = false;
    // The card the hint proposes for the card asked of the user; the hint
    // button of the game course plays it.
    CardId suggestedCard = NO_CARD;
    // Kontra or Re pressed while the card request is open: they go to the
    // table with the card.
    bool kontraCalled = false;
    bool reCalled = false;
    // The two skat places: the skat shown face up, then the cards put away.
    SKAT skatPlaces;
    // The hint's two cards to put away; the first is highlighted.
    SKAT discardProposal;
    // The put-away cards fly to the declarer's pile: no input meanwhile.
    bool discardFlying = false;
};
