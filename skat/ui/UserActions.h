#pragma once
// What the user did on the game table, as the views and the table dialogs
// report it: play this card, put these away, bid, pass, cut, Kontra, Re,
// take the skat or play hand, announce, confirm; and the few wishes that
// answer nothing (the proposal, the calculator, help, a menu command). One
// handler, the game window's controller, turns them into the human player's
// answers; no view answers the table itself.

#include "skat/engine/Skat.h"
#include "skat/engine/Spielart.h"

struct UserAction {
    enum Kind : int {
        PLAY_CARD,     // card
        PUT_AWAY,      // pair: the two cards on the skat places
        BID,           // the bidding panel's value is named or held
        PASS,          //
        CUT,           // value: the cards below the cut
        KONTRA,        //
        RE,            //
        TAKE_SKAT,     //
        PLAY_HAND,     //
        ANNOUNCE,      // game; flag: put the cards away again instead
        ANNOUNCE_HAND, // game; flag: take the skat after all
        CONFIRM,       // value: the decision (CONFIRM_NEXT_GAME for a finished trick)
        // Wishes that answer nothing.
        SHOW_PROPOSAL,       // the computer player's proposal: the analysis is shown
        SORT_HAND,           // game: the own hand is sorted for it
        OPEN_BID_CALCULATOR, //
        OPEN_HELP,           // value: the page (HelpPage)
        RUN_COMMAND,         // value: the menu command
    };

    Kind kind = CONFIRM;
    CardId card = NO_CARD;
    SKAT pair;
    SPIELART game;
    int value = 0;
    bool flag = false;

    static UserAction of(Kind kind, int value = 0)
    {
        UserAction action;
        action.kind = kind;
        action.value = value;
        return action;
    }
    static UserAction playCard(CardId card)
    {
        UserAction action = of(PLAY_CARD);
        action.card = card;
        return action;
    }
    static UserAction putAway(const SKAT& pair)
    {
        UserAction action = of(PUT_AWAY);
        action.pair = pair;
        return action;
    }
    static UserAction withGame(Kind kind, const SPIELART& game, bool flag = false)
    {
        UserAction action = of(kind);
        action.game = game;
        action.flag = flag;
        return action;
    }
};

class USER_ACTIONS {
public:
    virtual ~USER_ACTIONS() = default;
    // GUI thread.
    virtual void report(const UserAction& action) = 0;
};
