#include "skat/ui/FensterStiche.h"

#include "skat/app/SkatText.h"
#include "skat/engine/Liste.h"
#include "skat/engine/Skattisch.h"
#include "skat/net/SkatServer.h"
#include "skat/ui/DialogBugreport.h"
#include "vordix/Dialog.h"
#include "vordix/Message.h"

void TRICKS_WINDOW_COMMANDS::repeatTableGame() { SKAT_SERVER::instance().repeatGame(); }

void TRICKS_WINDOW_COMMANDS::replayStoredGame(const EIN_SPIEL& game)
{
    SPIELKARTEN cards;
    cards.setUpFromGame(game.storedCards());
    SKAT_SERVER::instance().replayGame(cards);
}

void TRICKS_WINDOW_COMMANDS::playGivenGame(const EIN_SPIEL& game) { SKAT_SERVER::instance().playGivenGame(game, 0); }

void TRICKS_WINDOW_COMMANDS::playExercise(const EIN_SPIEL& game) { SKAT_SERVER::instance().playExerciseGame(game); }

FENSTER_STICHE::FENSTER_STICHE() = default;
FENSTER_STICHE::~FENSTER_STICHE() = default;

void FENSTER_STICHE::enable(int id, bool on)
{
    if (isOpen && implementor())
        implementor()->enableAction(id, on);
}

void FENSTER_STICHE::create()
{
    auto imp = implementor();
    if (!imp)
        return;
    imp->createFromForm(FORM_ID);
    isOpen = true;
    imp->setTitle(skat::text(TextKey::Fenstername_Letzte_Stiche));
    imp->resize(WIDTH, HEIGHT);
    view.resize(WIDTH, VERLAUF_RENDERER::HEIGHT);
    imp->embedInScrollArea(&view, 0, 0, 0, 0);
    bugReport = std::make_unique<DIALOG_BUGREPORT>(this);
    // Nothing shown yet.
    for (int id : {ACTION_REPEAT, ACTION_REPLAY_FREE, ACTION_EDITOR})
        enable(id, false);
}

void FENSTER_STICHE::refresh(SKATTISCH& table)
{
    view.renderer.loadFromTable(table);
    {
        std::lock_guard lock(table.tableLock);
        tableDeal_ = table.cards.dealAsDealt;
    }
    if (isOpen && implementor())
        implementor()->setTitle(skat::text(TextKey::Fenstername_Letzte_Stiche));
    enable(ACTION_REPEAT, true);
    enable(ACTION_REPLAY_FREE, false);
    KARTENVERTEILUNG deal;
    enable(ACTION_EDITOR, editDeal && shownDeal(deal));
}

void FENSTER_STICHE::showListGame(LISTE& list, int index, TextKey titleKey)
{
    if (index < 0 || index >= list.rowCount())
        return;
    if (isOpen && implementor())
        implementor()->setTitle(skat::formatText(titleKey, {index + 1}));
    view.renderer.showListEntry(list.rows[static_cast<std::size_t>(index)].get(), 0, index);
    view.updateRect(0, 0, -1, -1);
    const bool replayable = shownGameReplayable();
    enable(ACTION_REPEAT, replayable);
    enable(ACTION_REPLAY_FREE, replayable);
    KARTENVERTEILUNG deal;
    enable(ACTION_EDITOR, editDeal && shownDeal(deal));
}

void FENSTER_STICHE::showExercise(LISTE& list, int index)
{
    showListGame(list, index, TextKey::Verlauf_Titel_Uebungspartie);
}

void FENSTER_STICHE::showExerciseForReplay(LISTE& list, int index)
{
    if (index >= 0 && index < list.rowCount())
        commands->playExercise(list.rowAt(index));
}

void FENSTER_STICHE::onMessage(VORDIX_MESSAGE& message)
{
    if (message.kind == MESSAGE_KEY && message.keyCode == KEY_ESCAPE) {
        if (isOpen && implementor())
            implementor()->hide();
        return;
    }
    if (message.kind != MESSAGE_COMMAND) {
        if (isOpen)
            updateRect(0, 0, -1, -1);
        return;
    }
    const VERLAUF_RENDERER& shown = view.renderer;
    switch (message.commandId) {
    case ACTION_REPEAT:
        if (shown.currentGame)
            commands->repeatTableGame();
        else if (shownGameReplayable())
            commands->replayStoredGame(shownGame());
        break;
    case ACTION_REPLAY_FREE:
        if (shown.showsTableGame || shownGameReplayable())
            commands->playGivenGame(shownGame());
        break;
    case ACTION_EDITOR: {
        KARTENVERTEILUNG deal;
        if (editDeal && shownDeal(deal))
            editDeal(deal);
        break;
    }
    case ACTION_BUGREPORT:
        if (!bugReport)
            break;
        bugReport->prepare(&shownGame());
        if (bugReport->implementor())
            bugReport->implementor()->show();
        break;
    default: break;
    }
}

bool FENSTER_STICHE::shownGameReplayable() const
{
    const EIN_SPIEL* entry = view.renderer.entry;
    if (entry)
        return entry->trickCount() == 10 || entry->deal.isValid();
    return view.renderer.stapel.trickCount() == 10;
}

const EIN_SPIEL& FENSTER_STICHE::shownGame()
{
    if (view.renderer.entry)
        return *view.renderer.entry;
    reported_ = EIN_SPIEL();
    reported_.pile = view.renderer.stapel;
    reported_.record = view.renderer.record;
    reported_.deal.skat = view.renderer.skat;
    return reported_;
}

bool FENSTER_STICHE::shownDeal(KARTENVERTEILUNG& deal) const
{
    const EIN_SPIEL* entry = view.renderer.entry;
    if (!entry) {
        deal = tableDeal_;
        return deal.isValid();
    }
    if (entry->deal.isValid()) {
        deal = entry->deal;
        return true;
    }
    if (entry->pile.trickCount() != 10)
        return false;
    deal.assignFromGame(entry->pile, entry->deal.skat, entry->record.declarer());
    return deal.isValid();
}
