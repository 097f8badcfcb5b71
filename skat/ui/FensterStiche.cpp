#include "skat/ui/FensterStiche.h"

#include "skat/app/SkatText.h"
#include "skat/engine/Liste.h"
#include "vordix/Dialog.h"
#include "skat/ui/DialogBugreport.h"
#include "vordix/Message.h"

FENSTER_STICHE::FENSTER_STICHE() = default;
FENSTER_STICHE::~FENSTER_STICHE() = default;

void FENSTER_STICHE::enable(int id, bool on)
{
    if (isOpen && implementor()) implementor()->enableAction(id, on);
}

void FENSTER_STICHE::create()
{
    auto imp = implementor();
    if (!imp) return;
    imp->createFromForm(FORM_ID);
    isOpen = true;
    imp->setTitle(skat::text(TextKey::Fenstername_Letzte_Stiche));
    imp->resize(WIDTH, HEIGHT);
    view.resize(WIDTH, VERLAUF_RENDERER::HEIGHT);
    imp->embedInScrollArea(&view, 0, 0, 0, 0);
    bugReport = std::make_unique<DIALOG_BUGREPORT>(this);
    // Replaying and the editor need the table server's replay and the
    // card-deal editor window, which this program does not have yet.
    for (int id : {ACTION_REPEAT, ACTION_REPLAY_FREE, ACTION_EDITOR}) enable(id, false);
}

void FENSTER_STICHE::refresh(SKATTISCH& table)
{
    view.renderer.loadFromTable(table);
    if (isOpen && implementor()) implementor()->setTitle(skat::text(TextKey::Fenstername_Letzte_Stiche));
}

void FENSTER_STICHE::showListGame(LISTE& list, int index)
{
    if (index < 0 || index >= list.rowCount()) return;
    if (isOpen && implementor())
        implementor()->setTitle(skat::formatText(TextKey::Verlauf_Titel_Listenspiel, {index + 1}));
    view.renderer.showListEntry(list.rows[static_cast<std::size_t>(index)].get(), 0, index);
    view.updateRect(0, 0, -1, -1);
}

void FENSTER_STICHE::onMessage(VORDIX_MESSAGE& message)
{
    if (message.kind != MESSAGE_COMMAND) {
        if (isOpen) updateRect(0, 0, -1, -1);
        return;
    }
    if (message.commandId == ACTION_BUGREPORT && bugReport) {
        // The bug report carries the shown game.
        reported_ = EIN_SPIEL();
        reported_.pile = view.renderer.stapel;
        reported_.record = view.renderer.record;
        reported_.deal.skat = view.renderer.skat;
        bugReport->prepare(&reported_);
        if (bugReport->implementor()) bugReport->implementor()->show();
    }
}
