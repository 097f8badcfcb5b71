// The end of a game: settlement or a passed game, entering it in the sheet,
// the game-end work and the end of a full list.

#include "skat/engine/Ablaufzustand.h"

#include "skat/engine/SheetServices.h"
#include "skat/engine/TableServices.h"

#include <ctime>
#include <cwchar>

ZUSTAND_ABRECHNUNG::~ZUSTAND_ABRECHNUNG() { joinGameEndWork(); }

void ZUSTAND_ABRECHNUNG::enterGameInSheet()
{
    const SPIELMODUS& modus = table.modus;
    if (!modus.countsListEnd())
        return;
    const bool freeGame = modus.mode == MODE_FREE_GAME;
    SPIELSTRUCT record;
    SPIELKARTEN cards;
    {
        std::lock_guard lock(table.tableLock);
        table.sheet.addGame(table.record, table.cards, freeGame);
        record = table.record;
        cards = table.cards;
    }
    // The statistics sheet has a lock of its own, never taken under the table lock.
    if (!freeGame)
        tableServices()->addToStatisticsSheet(record, cards);
}

void ZUSTAND_ABRECHNUNG::startGameEndWork()
{
    joinGameEndWork();
    if (!table.modus.countsListEnd())
        return;
    const bool freeGame = table.modus.mode == MODE_FREE_GAME;
    const bool saveSheet = table.savesFiles();
    if (saveSheet && table.sheet.file.name.empty())
        table.sheet.file = fileInSheetsFolder(sheetServices()->currentSheetFileName());
    auto work = [this, freeGame, saveSheet] {
        if (!freeGame)
            tableServices()->saveStatisticsSheet();
        if (saveSheet)
            table.sheet.save();
    };
    // Without windows nobody waits for the GUI thread: the loop does the work.
    if (table.playsHeadless())
        work();
    else
        bookkeepingThread = std::thread(work);
}

void ZUSTAND_ABRECHNUNG::joinGameEndWork()
{
    if (bookkeepingThread.joinable())
        bookkeepingThread.join();
}

bool ZUSTAND_ABRECHNUNG::confirmGameEnd(TableEvent endEvent, PlayerRequest confirmRequest)
{
    enterGameInSheet();
    startGameEndWork();
    // Every way out waits for the game-end work here, outside the table
    // lock: a save that shows a message needs the GUI thread, which paints
    // under that lock.
    if (!report(endEvent) || !report(table.modus.repeatFlag ? REPEATED_GAME_NOT_LISTED : SCORE_SHEET_CHANGED)) {
        joinGameEndWork();
        return false;
    }
    const int code = table.askAllPlayers(confirmRequest);
    joinGameEndWork();
    if (code != VORDIX_IPC::RESUME_ANSWERED) {
        next = STATE_STOP;
        return false;
    }
    return true;
}

bool ZUSTAND_ABRECHNUNG::sheetIsFull() const
{
    std::lock_guard lock(table.tableLock);
    return table.sheet.isFull();
}

int ZUSTAND_ABRECHNUNG::decision() const
{
    int d = CONFIRM_NEXT_GAME;
    for (Seat seat = SEAT_0; seat < 3; ++seat) {
        const PLAYER* player = table.playerAtSeat(seat);
        const int value = answerOfSeat(seat).confirmation;
        if (player && player->kind() == PLAYER_KIND_HUMAN)
            d = value;
        else if (value != CONFIRM_NEXT_GAME)
            d = CONFIRM_END_LOOP;
    }
    return d;
}

namespace {
std::wstring todayText()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    wchar_t text[16];
    std::swprintf(text, 16, L"%02d.%02d.%04d", local.tm_mday, local.tm_mon + 1, local.tm_year + 1900);
    return text;
}

int keepRepeatOrEnd(int d)
{
    return d == CONFIRM_REPEAT_DEAL || d == CONFIRM_END_AFTER_SETTLEMENT ? d : CONFIRM_END_LOOP;
}
} // namespace

bool ZUSTAND_ABRECHNUNG::finishList()
{
    std::vector<LISTE::PlayerTotal> totals;
    {
        std::lock_guard lock(table.tableLock);
        totals = table.sheet.listEndTotals();
    }
    auto services = tableServices();
    const std::wstring date = todayText();
    for (const auto& entry : totals)
        services->addHighScore(entry.name, entry.total, date);
    for (Seat seat = SEAT_0; seat < 3; ++seat) {
        if (!ask(REQUEST_CONFIRM_LIST_END, seat))
            return false;
        const PLAYER* player = table.playerAtSeat(seat);
        if (player && player->kind() == PLAYER_KIND_HUMAN)
            break;
    }
    return true;
}

void ZUSTAND_ABRECHNUNG::run()
{
    table.playTheRestFlag = 0;
    table.endCardPlayFlag = 0;
    {
        std::lock_guard lock(table.tableLock);
        table.record.settle(table.cards.pile);
    }
    if (!confirmGameEnd(SETTLEMENT_STARTED, REQUEST_CONFIRM_SETTLEMENT))
        return;
    SPIELMODUS& modus = table.modus;
    int d = decision();
    const bool counts = modus.countsListEnd();
    const bool full = sheetIsFull();
    if (counts && full && d == CONFIRM_NEXT_GAME)
        d = CONFIRM_END_LOOP;
    if (!report(STATUS_CHANGED) || !report(GAME_FINISHED))
        return;
    if (full) {
        if (counts && !finishList())
            return;
        d = keepRepeatOrEnd(d);
    }
    if (modus.exerciseFlag) {
        d = keepRepeatOrEnd(d);
        if (!report(EXERCISE_FINISHED))
            return;
        next = d == CONFIRM_END_LOOP || d == CONFIRM_END_AFTER_SETTLEMENT ? STATE_STOP : STATE_NEUES_SPIEL;
        return;
    }
    if (d == CONFIRM_REPEAT_DEAL) {
        std::lock_guard lock(table.tableLock);
        modus.setRepeat(table.cards);
        next = STATE_NEUES_SPIEL;
        return;
    }
    {
        std::lock_guard lock(table.tableLock);
        modus.setNextOfList(table.sheet);
    }
    next = d == CONFIRM_END_LOOP || d == CONFIRM_END_AFTER_SETTLEMENT ? STATE_STOP : STATE_NEUES_SPIEL;
}

void ZUSTAND_EINGEPASST::run()
{
    if (!confirmGameEnd(ALL_PASSED, REQUEST_CONFIRM_PASSED))
        return;
    SPIELMODUS& modus = table.modus;
    int d = decision();
    if (sheetIsFull()) {
        if (modus.countsListEnd() && !finishList())
            return;
        d = keepRepeatOrEnd(d);
    }
    if (!report(STATUS_CHANGED))
        return;
    std::lock_guard lock(table.tableLock);
    if (d == CONFIRM_REPEAT_DEAL) {
        modus.setRepeat(table.cards);
        next = STATE_NEUES_SPIEL;
    } else {
        modus.setNextOfList(table.sheet);
        next = d == CONFIRM_END_LOOP ? STATE_STOP : STATE_NEUES_SPIEL;
    }
}
