// The table's requests that open a decision on the main window: skat or
// hand, putting two cards away, the announcement panels, the settlement,
// the all-passed notice and the end of the list. Each is posted to the GUI
// thread; the answer comes later from the user's input.

#include "skat/app/UserPrefs.h"
#include "skat/engine/Player.h"
#include "skat/engine/Skattisch.h"
#include "skat/ui/DialogAbrechnung.h"
#include "skat/ui/DialogJaNein.h"
#include "skat/ui/DialogSpielansage.h"
#include "skat/ui/FensterSkat.h"
#include "skat/ui/FensterSkatTableWindows.h"
#include "skat/ui/TableDialogs.h"

namespace {

// The request's serial, read on the table's thread while the player waits.
std::uint32_t serialNow(PlayerRequest kind) { return awaitedRequestSerial(kind); }

} // namespace

void FENSTER_SKAT_TABLE_WINDOWS::beginSkatOrHand(SKATTISCH& table)
{
    faceAwaitedHuman(table);
    post([](FENSTER_SKAT_CONTROLLER& c) { c.beginSkatOrHand(); });
}

void FENSTER_SKAT_TABLE_WINDOWS::beginDiscard(SKATTISCH& table, const SKAT& proposal)
{
    faceAwaitedHuman(table);
    post([proposal](FENSTER_SKAT_CONTROLLER& c) { c.takeUpSkat(proposal); });
}

void FENSTER_SKAT_TABLE_WINDOWS::openAnnounceDialog(SKATTISCH& table, CardSet hand, const SKAT& skat)
{
    faceAwaitedHuman(table);
    const std::uint32_t serial = serialNow(REQUEST_ANNOUNCE);
    post([hand, skat, serial](FENSTER_SKAT_CONTROLLER& c) {
        TABLE_DIALOGS* dialogs = c.view ? c.view->tableDialogs() : nullptr;
        if (!dialogs)
            return;
        c.input.mode = INPUT_PUT_AWAY_DONE;
        c.view->invalidate();
        dialogs->announce->answersSerial = serial;
        dialogs->announce->setHandAndSkat(hand, skat);
        dialogs->announce->implementor()->show();
    });
}

void FENSTER_SKAT_TABLE_WINDOWS::openHandGameDialog(SKATTISCH& table, CardSet hand)
{
    faceAwaitedHuman(table);
    const std::uint32_t serial = serialNow(REQUEST_ANNOUNCE_HAND);
    post([hand, serial](FENSTER_SKAT_CONTROLLER& c) {
        TABLE_DIALOGS* dialogs = c.view ? c.view->tableDialogs() : nullptr;
        if (!dialogs)
            return;
        c.input.mode = INPUT_NONE;
        c.view->invalidate();
        dialogs->announceHand->answersSerial = serial;
        dialogs->announceHand->setHand(hand);
        dialogs->announceHand->implementor()->show();
    });
}

void FENSTER_SKAT_TABLE_WINDOWS::showSettlement(SKATTISCH&, const SPIELSTRUCT& record)
{
    const std::uint32_t serial = serialNow(REQUEST_CONFIRM_SETTLEMENT);
    post([record, serial](FENSTER_SKAT_CONTROLLER& c) {
        TABLE_DIALOGS* dialogs = c.view ? c.view->tableDialogs() : nullptr;
        if (!dialogs)
            return;
        c.input.mode = INPUT_GAME_RESULT;
        c.view->invalidate();
        dialogs->settlement->record = record;
        dialogs->settlement->answersSerial = serial;
        dialogs->settlement->implementor()->show();
    });
}

void FENSTER_SKAT_TABLE_WINDOWS::showPassedGame(SKATTISCH&)
{
    const std::uint32_t serial = serialNow(REQUEST_CONFIRM_PASSED);
    post([serial](FENSTER_SKAT_CONTROLLER& c) {
        TABLE_DIALOGS* dialogs = c.view ? c.view->tableDialogs() : nullptr;
        if (!dialogs)
            return;
        c.input.mode = INPUT_GAME_RESULT;
        c.view->invalidate();
        dialogs->passed->answersSerial = serial;
        dialogs->passed->implementor()->show();
    });
}

void FENSTER_SKAT_TABLE_WINDOWS::showListComplete(SKATTISCH& table)
{
    // The totals as the list ended; the table goes on when the dialog closes.
    const std::uint32_t serial = serialNow(REQUEST_CONFIRM_LIST_END);
    std::array<std::wstring, 3> names;
    std::array<int, 3> results{};
    {
        std::lock_guard lock(table.tableLock);
        results = finalResults(table.sheet);
    }
    for (int seat = 0; seat < 3; ++seat)
        names[seat] = USER_PREFS::instance().playerNames[seat];
    post([names, results, serial](FENSTER_SKAT_CONTROLLER& c) {
        if (c.view) {
            DIALOG_LISTE_KOMPLETT dialog(c.view);
            dialog.names = names;
            dialog.results = results;
            dialog.answersSerial = serial;
            if (dialog.implementor())
                dialog.implementor()->show();
        }
        // Without a dialog to close the table must not wait.
        if (stillAwaited(REQUEST_CONFIRM_LIST_END, serial))
            c.report(UserAction::of(UserAction::CONFIRM, CONFIRM_NEXT_GAME));
    });
}
