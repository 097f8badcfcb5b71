#include "skat/ui/DialogSpielAbkuerzen.h"

#include "skat/engine/AnswerCheck.h"
#include "skat/engine/Player.h"
#include "skat/engine/Skattisch.h"
#include "skat/ui/FensterSkat.h"
#include "skat/ui/MainWindowShell.h"
#include "skat/ui/TableDialogSupport.h"
#include "skat/ui/TableServerAccess.h"
#include "vordix/Message.h"

bool shorteningOffered(const SKATTISCH& table) { return table.isInCardPlay(); }

bool layingDownAllowed(const SKATTISCH& table) { return table.recordCopy().SPIELART.SPIEL_TYP != GAME_RAMSCH; }

bool shortenGame(SKATTISCH& table, bool layDown)
{
    if (!shorteningOffered(table) || (layDown && !layingDownAllowed(table)))
        return false;
    (layDown ? table.endCardPlayFlag : table.playTheRestFlag) = 1;
    if (isAwaited(REQUEST_CONFIRM_TRICK)) {
        HUMAN_PLAYER::answerConfirm();
    } else if (isAwaited(REQUEST_PLAY_CARD)) {
        CardId card = NO_CARD; // laying down gives the game up
        if (!layDown) {
            std::lock_guard lock(table.tableLock);
            const Seat seat = table.cards.seatToMove();
            card = lowestCardOf(legalCardsOfSeat(table.cards, table.record.SPIELART.SPIEL_TYP, seat));
        }
        HUMAN_PLAYER::answerCard(card);
    }
    return true;
}

DIALOG_SPIEL_ABKUERZEN::DIALOG_SPIEL_ABKUERZEN(FENSTER_SKAT* window) : VORDIX_DIALOG(window, FORM_ID), window_(window)
{
}

void DIALOG_SPIEL_ABKUERZEN::open()
{
    const SKATTISCH* table = currentTable();
    if (implementor() && table && shorteningOffered(*table))
        implementor()->showAsPopup();
}

void DIALOG_SPIEL_ABKUERZEN::initDialog()
{
    const SKATTISCH* table = currentTable();
    if (implementor())
        implementor()->setControlState(LAY_DOWN, table && layingDownAllowed(*table) ? OB_ENABLED : OB_DISABLED);
}

void DIALOG_SPIEL_ABKUERZEN::onCommand(int controlId)
{
    const auto& imp = implementor();
    if (!imp || (controlId != LAY_DOWN && controlId != PLAY_OUT && controlId != CANCEL))
        return;
    imp->done = true;
    if (controlId == CANCEL || !window_)
        return;
    VORDIX_MESSAGE message(MESSAGE_COMMAND);
    message.commandId = controlId == LAY_DOWN ? COMMAND_LAY_DOWN : COMMAND_PLAY_OUT;
    window_->mainShell().runCommand(message);
}
