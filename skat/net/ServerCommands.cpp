// The table server's start commands: each stops the running game first
// (asking the user while a game loop runs), then builds or resets the table,
// sets how the next game is produced and, for most, starts the game loop.

#include "skat/net/SkatServer.h"

#include "skat/engine/EinSpiel.h"
#include "skat/engine/Kartenverteilung.h"
#include "skat/engine/SheetServices.h"
#include "skat/engine/TableServices.h"
#include "skat/net/ServerDialogs.h"
#include "vordix/MessageSink.h"

namespace {

SERVER_DIALOGS::LeaveQuestion leaveQuestionFor(const SPIELMODUS& modus)
{
    if (modus.repeatFlag)
        return SERVER_DIALOGS::LEAVE_REPEATED_GAME;
    if (modus.mode == MODE_NEXT_OF_LIST || modus.mode == MODE_FREE_GAME)
        return SERVER_DIALOGS::LEAVE_GAME;
    return SERVER_DIALOGS::LEAVE_SPECIAL_GAME;
}

} // namespace

bool SKAT_SERVER::stopRunningGame()
{
    if (SKATTISCH_CLIENT* client = clientTable()) {
        if (serverDialogs()->askLeaveGame(leaveQuestionFor(client->modus))) {
            leaveNetworkTable();
            client->leaveGame();
            client->resetGame();
        }
    } else if (SKATTISCH_SERVER* server = serverTable()) {
        if (server->isLoopRunning()) {
            if (!serverDialogs()->askLeaveGame(leaveQuestionFor(server->modus)))
                return false;
            server->stopGameLoop();
        }
    }
    return !isBusy();
}

void SKAT_SERVER::prepareLocalTable()
{
    SKATTISCH* table = currentTable();
    if (table && (table->isClientTable() || table->isServerTableWithRemote())) {
        endNetworkSide();
        if (SKATTISCH_CLIENT* client = clientTable())
            client->leaveGame();
        replaceTable(nullptr);
    }
    if (!currentTable())
        newLocalTable();
}

void SKAT_SERVER::emptyAndSaveSheet(LISTE& sheet)
{
    {
        SKATTISCH* table = currentTable();
        std::unique_lock<std::recursive_mutex> lock;
        if (table && &table->sheet == &sheet)
            lock = std::unique_lock(table->tableLock);
        sheet.reset();
    }
    if (serverTable() && serverTable()->savesFiles())
        sheet.save();
    serverDialogs()->sheetReplaced(sheet);
}

// True when the command may go on: a sheet with rows (with 36 or more when
// onlyWhenFull) is emptied after the user agreed.
bool SKAT_SERVER::askAndEmptySheet(SKATTISCH& table, bool onlyWhenFull)
{
    const int rows = [&] {
        std::lock_guard lock(table.tableLock);
        return table.sheet.rowCount();
    }();
    const bool ask = onlyWhenFull ? rows >= LISTE::MAX_GAMES : rows > 0;
    if (!ask)
        return true;
    if (!serverDialogs()->askStartNewSheet(rows))
        return false;
    emptyAndSaveSheet(table.sheet);
    return true;
}

SKATTISCH_SERVER* SKAT_SERVER::commandTable()
{
    if (!stopRunningGame())
        return nullptr;
    prepareLocalTable();
    return serverTable();
}

void SKAT_SERVER::startWith(SKATTISCH_SERVER& table, bool reset, const std::function<void(SKATTISCH_SERVER&)>& setUp)
{
    if (reset)
        table.resetGame();
    {
        std::lock_guard lock(table.tableLock);
        setUp(table);
    }
    table.startIndex = STATE_NEUES_SPIEL;
    table.startLoopThread();
}

namespace {

void nextOfSheet(SKATTISCH_SERVER& table)
{
    table.modus.setNextOfList(table.sheet);
    table.modus.freeGame = false;
}

} // namespace

void SKAT_SERVER::startNewSheet()
{
    SKATTISCH_SERVER* table = commandTable();
    if (table && askAndEmptySheet(*table, false))
        startWith(*table, true, nextOfSheet);
}

void SKAT_SERVER::openList(const VORDIX_FILE& file)
{
    SKATTISCH_SERVER* table = commandTable();
    if (!table || !askAndEmptySheet(*table, false))
        return;
    if (file.name.empty()) {
        serverDialogs()->openSheetWithDialog(table->sheet);
    } else {
        // A file that cannot be read is reported once the table lock is free.
        const vordix::HeldMessages held;
        std::lock_guard lock(table->tableLock);
        table->sheet.open(file);
    }
    if (!table->sheet.loadedFromFile) {
        // A missing sheet is created; an unreadable one is kept aside by the
        // sheet's first save instead of being overwritten.
        if (table->sheet.file.name.empty())
            table->sheet.file = file;
        emptyAndSaveSheet(table->sheet);
    }
    table->resetGame();
    {
        std::lock_guard lock(table->tableLock);
        nextOfSheet(*table);
    }
    serverDialogs()->sheetReplaced(table->sheet);
    if (noGameResumed)
        serverDialogs()->refreshStartState();
}

void SKAT_SERVER::startNewGameOfList()
{
    if (SKATTISCH_SERVER* table = commandTable())
        startWith(*table, true, nextOfSheet);
}

void SKAT_SERVER::startFreeGame()
{
    SKATTISCH_SERVER* table = commandTable();
    if (!table || (sheetServices()->enterFreeGames() && !askAndEmptySheet(*table, true)))
        return;
    const Seat seat = seatFromNumber(serverDialogs()->runFreeGameDialog(table->modus.forehand));
    if (seat == SEAT_NONE)
        return;
    startWith(*table, true, [seat](SKATTISCH_SERVER& t) {
        t.modus.setForehand(seat);
        t.modus.freeGame = true;
    });
}

void SKAT_SERVER::replayGame(const SPIELKARTEN& shown)
{
    if (SKATTISCH_SERVER* table = commandTable())
        startWith(*table, true, [&shown](SKATTISCH_SERVER& t) {
            t.cards = shown;
            SPIELMODUS& modus = t.modus;
            modus.mode = MODE_REPEAT;
            modus.repeatFlag = false; // a fresh deal; the shown game supplies the forehand
            modus.storedGameFlag = false;
            modus.exerciseFlag = false;
            modus.startTrick = -1;
            modus.deviationIndex = -1;
            modus.forehand = shown.dealAsDealt.vhPos;
        });
}

void SKAT_SERVER::repeatGame()
{
    if (SKATTISCH_SERVER* table = commandTable())
        startWith(*table, false, [](SKATTISCH_SERVER& t) {
            const SPIELKARTEN cards = t.cards;
            t.modus.setRepeat(cards);
        });
}

void SKAT_SERVER::playGivenGame(const EIN_SPIEL& game, int startTrick)
{
    if (SKATTISCH_SERVER* table = commandTable())
        startWith(*table, true, [&](SKATTISCH_SERVER& t) {
            t.modus.setStoredGame(game, startTrick);
            t.modus.freeGame = false;
        });
}

void SKAT_SERVER::playExerciseGame(const EIN_SPIEL& game)
{
    if (SKATTISCH_SERVER* table = commandTable())
        startWith(*table, true, [&](SKATTISCH_SERVER& t) {
            t.modus.setExercise(game);
            t.modus.freeGame = true;
        });
}

void SKAT_SERVER::playDistribution(const KARTENVERTEILUNG& deal)
{
    if (SKATTISCH_SERVER* table = commandTable())
        startWith(*table, false, [&](SKATTISCH_SERVER& t) { t.modus.setDistribution(deal); });
}

void SKAT_SERVER::playDistributionByUser(const KARTENVERTEILUNG& deal)
{
    SKATTISCH_SERVER* table = commandTable();
    if (!table)
        return;
    for (int slot = 0; slot < 3; ++slot)
        table->setPlayer(slot, PLAYER_KIND_HUMAN); // the user plays all three hands
    startWith(*table, false, [&](SKATTISCH_SERVER& t) { t.modus.setDistribution(deal); });
}

void SKAT_SERVER::hostNetworkGame()
{
    auto dialogs = serverDialogs();
    if (!dialogs->hasNetworkDialogs()) {
        dialogs->notAvailable(L"hostNetworkGame");
        return;
    }
    if (!openNetworkTable(gamePort())) {
        if (!isBusy())
            dialogs->networkNotice(SERVER_DIALOGS::NOTICE_HOSTING_FAILED);
        return;
    }
    if (dialogs->runHostDialog() && startNetworkGame())
        return;
    closeNetworkTable();
    prepareLocalTable();
}

void SKAT_SERVER::joinNetworkGame()
{
    auto dialogs = serverDialogs();
    if (!dialogs->hasNetworkDialogs()) {
        dialogs->notAvailable(L"joinNetworkGame");
        return;
    }
    if (!stopRunningGame())
        return;
    if (dialogs->runJoinDialog())
        return;
    // Closed without a game: leave the host and play locally again.
    if (clientTable() && !isBusy())
        prepareLocalTable();
}
