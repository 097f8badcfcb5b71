#include "skat/ui/DialogHilfestellungen.h"

#include "skat/engine/Skattisch.h"
#include "skat/ui/FensterSkat.h"
#include "skat/ui/MainWindowShell.h"
#include "skat/ui/TableAids.h"
#include "skat/ui/TableServerAccess.h"
#include "vordix/Message.h"

bool takeBackPossible(const SKATTISCH& table) { return table.isInCardPlayStrict(); }

DIALOG_HILFESTELLUNGEN::DIALOG_HILFESTELLUNGEN(FENSTER_SKAT* window) : VORDIX_DIALOG(window, FORM_ID), window_(window)
{
}

void DIALOG_HILFESTELLUNGEN::open()
{
    if (implementor())
        implementor()->showAsPopup();
}

int DIALOG_HILFESTELLUNGEN::commandOf(int controlId)
{
    switch (controlId) {
    case UNDO: return 480;        // Frei_undo
    case SUGGESTIONS: return 475; // Frei_voreinaus
    case POINTS: return 476;      // Frei_punkte
    case OTHER_HANDS: return 478; // Frei_blatt
    case HISTORY: return 477;     // Frei_l_stiche
    default: return 0;
    }
}

void DIALOG_HILFESTELLUNGEN::initDialog()
{
    const auto& imp = implementor();
    if (!imp || !window_)
        return;
    const SKATTISCH* table = currentTable();
    imp->setControlState(UNDO, table && takeBackPossible(*table) ? OB_ENABLED : OB_DISABLED);
    const TableAids aids = shownAids(*window_);
    const auto check = [&](int id, bool on) { imp->setControlState(id, on ? OB_CHECKED : OB_UNCHECKED); };
    check(SUGGESTIONS, aids.suggestions);
    check(POINTS, aids.points);
    check(HISTORY, aids.history);
    check(OTHER_HANDS, aids.otherHands);
}

void DIALOG_HILFESTELLUNGEN::onCommand(int controlId)
{
    // A check box has already changed its mark: the command decides, the
    // refresh shows what it decided. The panel stays open.
    if (const int command = commandOf(controlId); command && window_) {
        VORDIX_MESSAGE message(MESSAGE_COMMAND);
        message.commandId = command;
        window_->mainShell().runCommand(message);
    }
    initDialog();
}
