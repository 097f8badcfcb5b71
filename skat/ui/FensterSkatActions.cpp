// The one handler of the user's actions on the game table: the views, the
// window's own buttons and the table dialogs report what the user did, and
// here it becomes the awaited human player's answer (HUMAN_PLAYER::answer…)
// with what the table shows meanwhile: the played card on its way to the
// trick, the put-away cards flying to the declarer's pile. Wishes that
// answer nothing go to the shell. GUI thread.

#include "skat/engine/Player.h"
#include "skat/engine/Skattisch.h"
#include "skat/engine/TableServices.h"
#include "skat/ui/FensterSkat.h"
#include "skat/ui/MainWindowShell.h"
#include "skat/ui/TableServerAccess.h"
#include "vordix/Message.h"

#include <mutex>

void FENSTER_SKAT_CONTROLLER::report(const UserAction& action)
{
    if (!view)
        return;
    const SPIELART& game = action.game;
    switch (action.kind) {
    case UserAction::PLAY_CARD: playOwnCard(action.card); return;
    case UserAction::PUT_AWAY: putAwayPair(action.pair); return;
    case UserAction::BID:
    case UserAction::PASS:
        if (HUMAN_PLAYER::awaited())
            HUMAN_PLAYER::answerBid(action.kind == UserAction::BID);
        return;
    case UserAction::CUT: takeCut(action.value); return;
    case UserAction::KONTRA: input.kontraCalled = true; return;
    case UserAction::RE: input.reCalled = true; return;
    case UserAction::TAKE_SKAT:
    case UserAction::PLAY_HAND: HUMAN_PLAYER::answerSkatOrHand(action.kind == UserAction::PLAY_HAND); return;
    case UserAction::ANNOUNCE:
        HUMAN_PLAYER::answerAnnounce(game.SPIEL_TYP, game.GEWINN_STUFE, game.STUFE, action.flag);
        return;
    case UserAction::ANNOUNCE_HAND:
        HUMAN_PLAYER::answerAnnounceHand(game.SPIEL_TYP, game.GEWINN_STUFE, game.STUFE, action.flag);
        return;
    case UserAction::CONFIRM: HUMAN_PLAYER::answerConfirm(action.value); return;
    case UserAction::SHOW_PROPOSAL: setAnalysisShown(true); return;
    case UserAction::SORT_HAND: {
        PLAYER_EINBLATT_CONTROLLER& own = view->handControllers[0];
        own.sortHandFor(game.SPIEL_TYP);
        view->handViews[0].rebuildCardViews();
        return;
    }
    case UserAction::OPEN_BID_CALCULATOR: view->mainShell().showBidCalculator(); return;
    case UserAction::OPEN_HELP: view->mainShell().showHelp(static_cast<HelpPage>(action.value)); return;
    case UserAction::RUN_COMMAND: {
        VORDIX_MESSAGE command(MESSAGE_COMMAND);
        command.commandId = action.value;
        view->mainShell().runCommand(command);
        return;
    }
    }
}

// The card stands in the trick from the click on and flies there from where
// the user left it; the table gets it, with a Kontra or Re called meanwhile.
void FENSTER_SKAT_CONTROLLER::playOwnCard(CardId card)
{
    PLAYER_EINBLATT_CONTROLLER& own = view->handControllers[0];
    input.ownCardOnItsWay = true;
    input.suggestedCard = NO_CARD;
    SKATTISCH* table = currentTable();
    int slot = -1;
    if (table) {
        std::lock_guard lock(table->tableLock);
        slot = table->cards.trick.count();
    }
    std::unique_ptr<VORDIX_IMAGEVIEW> flying = own.giveCard(card);
    if (flying && slot >= 0 && slot < 3)
        view->trickCards.takeOver(slot, std::move(flying), card, table_animation::cardMoveMs(),
                                  screenPositionOfSeat(table, own.seat));
    auto* human = dynamic_cast<HUMAN_PLAYER*>(own.seatPlayer());
    if (human && HUMAN_PLAYER::awaited() == human) {
        const bool kontra = input.kontraCalled;
        const bool re = input.reCalled;
        input.kontraCalled = input.reCalled = false;
        // The game goes on without the user: the names, the piles and the
        // game's title stay, also while a trick the card finished is held.
        input.mode = INPUT_OTHERS_PLAY;
        HUMAN_PLAYER::answerCard(card, kontra, re);
    }
    view->invalidate();
}

// The two cards fly to the declarer's pile; the table gets them once they
// arrived.
void FENSTER_SKAT_CONTROLLER::putAwayPair(const SKAT& pair)
{
    view->handControllers[0].setInputMode(HAND_INPUT_NONE);
    view->animateDiscard(pair, [this, pair] {
        // Runs while the window lives (the flight's guard).
        input.mode = INPUT_PUT_AWAY_DONE;
        hideOverlayMessage();
        if (view)
            view->redrawNow();
        HUMAN_PLAYER::answerDiscard(pair.cardId(1), pair.cardId(2));
    });
}

void FENSTER_SKAT_CONTROLLER::takeCut(int value)
{
    input.mode = INPUT_CUT_DONE;
    updateView();
    hideOverlayMessage();
    view->redrawNow();
    if (HUMAN_PLAYER::awaited() && !tableServices()->applicationClosing())
        HUMAN_PLAYER::answerCut(value);
}

void FENSTER_SKAT_CONTROLLER::beginCut()
{
    if (!view)
        return;
    input.mode = INPUT_CUT;
    updateView();
    hideOverlayMessage();
    view->pileController.beginCut();
}
