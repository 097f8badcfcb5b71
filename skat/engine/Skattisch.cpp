#include "skat/engine/Skattisch.h"

#include "skat/engine/AnswerCheck.h"
#include "skat/engine/GameRules.h"
#include "skat/engine/TableMessenger.h"
#include "skat/engine/TableServices.h"
#include "skat/engine/TableWindows.h"
#include "vordix/MessageSink.h"
#include "vordix/ThreadHooks.h"
#include "vordix/Timer.h"

#include <cassert>
#include <chrono>
#include <ctime>

using VORDIX_IPC::CThreadSuspender;

SKATTISCH::SKATTISCH()
{
    record.ALLEIN = SEAT_NONE;
    setPlayer(0, PLAYER_KIND_HUMAN);
    setPlayer(1, PLAYER_KIND_COMPUTER);
    setPlayer(2, PLAYER_KIND_COMPUTER);
}

SKATTISCH::~SKATTISCH() = default;

void SKATTISCH::resetGame()
{
    std::lock_guard lock(tableLock);
    cards.reset();
    record.reset();
    heldCounts = HANDS_KNOWN;
}

bool SKATTISCH::setPlayer(int slot, int kind)
{
    std::unique_ptr<PLAYER> player = createPlayer(kind, slot);
    if (!player || slot < 0 || slot > 2)
        return false;
    seatPlayer(slot, std::move(player));
    return true;
}

void SKATTISCH::seatPlayer(int slot, std::unique_ptr<PLAYER> player)
{
    if (slot < 0 || slot > 2)
        return;
    if (player)
        player->attachTable(this, slot);
    players_[static_cast<std::size_t>(slot)] = std::move(player);
}

PLAYER* SKATTISCH::playerInSlot(int slot) const
{
    return slot >= 0 && slot < 3 ? players_[static_cast<std::size_t>(slot)].get() : nullptr;
}

PLAYER* SKATTISCH::playerAtSeat(Seat seat) const
{
    return isValidSeat(seat) ? playerInSlot(slotOfSeat(seat)) : nullptr;
}

PLAYER* SKATTISCH::forehandPlayer() const { return playerAtSeat(cards.pile.vh()); }
PLAYER* SKATTISCH::playerAfter() const
{
    const Seat vh = cards.pile.vh();
    return isValidSeat(vh) ? playerAtSeat(nextSeat(vh)) : nullptr;
}
PLAYER* SKATTISCH::playerTwoAfter() const
{
    const Seat vh = cards.pile.vh();
    return isValidSeat(vh) ? playerAtSeat(seatAfter(vh, 2)) : nullptr;
}

int SKATTISCH::slotOf(const PLAYER* player) const
{
    for (int slot = 0; slot < 3; ++slot)
        if (player && players_[static_cast<std::size_t>(slot)].get() == player)
            return slot;
    return -1;
}

Seat SKATTISCH::seatOf(const PLAYER* player) const
{
    const int slot = slotOf(player);
    return slot < 0 ? SEAT_NONE : seatOfSlot(slot);
}

void SKATTISCH::standardSeating()
{
    modus.setNextOfList(sheet);
    modus.mode = MODE_NEXT_OF_LIST;
    modus.forehand = SEAT_1;
    sheet.reset();
    runningGame.reset();
    setPlayer(0, PLAYER_KIND_HUMAN);
    setPlayer(1, PLAYER_KIND_COMPUTER);
    setPlayer(2, PLAYER_KIND_COMPUTER);
}

bool SKATTISCH::allSeatsReady() const
{
    for (const auto& player : players_) {
        if (!player)
            return false;
        if (player->kind() == PLAYER_KIND_REMOTE && !player->isRemote()->connection.connected)
            return false;
    }
    return true;
}

bool SKATTISCH::isInCardPlay() const
{
    const int index = currentIndex;
    return index == STATE_KARTE_AUSSPIELEN || index == STATE_STICH_ABLEGEN;
}

bool SKATTISCH::isInCardPlayStrict() const
{
    const int index = currentIndex;
    if (index == STATE_STICH_ABLEGEN)
        return true;
    std::lock_guard lock(tableLock);
    return index == STATE_KARTE_AUSSPIELEN && cards.pile.trickCount() > 0;
}

bool SKATTISCH::isServerTableWithRemote() const
{
    if (isClientTable())
        return false;
    for (const auto& player : players_)
        if (player && player->kind() == PLAYER_KIND_REMOTE)
            return true;
    return false;
}

bool SKATTISCH::isNetworkGame() const { return isClientTable() || isServerTableWithRemote(); }

bool SKATTISCH::mayStartNextOfList() const
{
    // The GUI asks while the game loop may be adding a row or starting a game.
    std::lock_guard lock(tableLock);
    const int rows = sheet.rowCount();
    return rows >= 1 && rows <= LISTE::MAX_GAMES - 1 && (currentIndex == STATE_NONE || modus.mode != MODE_NEXT_OF_LIST);
}

void SKATTISCH::setLocalPoster(LocalPoster poster)
{
    std::lock_guard lock(posterMutex_);
    poster_ = std::move(poster);
}

bool SKATTISCH::postLocal(const LocalTableCall& call)
{
    LocalPoster poster;
    {
        std::lock_guard lock(posterMutex_);
        poster = poster_;
    }
    return poster && poster(call);
}

void SKATTISCH::runLocal(const LocalTableCall& call)
{
    if (call.kind == LocalTableCall::EVENT) {
        TableEventArrival arrival;
        arrival.runId = call.runId;
        arrival.stateIndex = currentIndex;
        arrival.event = call.event;
        arrival.value = call.value;
        applyTableEvent(arrival);
        return;
    }
    PlayerRequestArrival request;
    request.runId = call.runId;
    request.slot = call.slot;
    request.kind = call.request;
    request.stateIndex = currentIndex;
    performPlayerRequest(request);
}

std::uint32_t SKATTISCH::openRequestSerial(int, int) const { return 0; }

void SKATTISCH::applyTableEvent(const TableEventArrival& arrival)
{
    const bool local = arrival.local;
    if (local && arrival.runId != tableRunId) {
        EVENT_HANDOFF::instance().markHandled();
        return;
    }
    if (!local) {
        std::lock_guard lock(tableLock);
        if (isClientTable())
            tableRunId = arrival.runId; // answers go back with the host's run
        currentIndex = arrival.stateIndex;
        if (arrival.cards)
            cards = *arrival.cards;
        heldCounts = arrival.held.value_or(HANDS_KNOWN);
        if (arrival.record)
            record = *arrival.record;
        if (arrival.event == SCORE_SHEET_CHANGED && isClientTable() && arrival.sheet)
            sheet.assign(*arrival.sheet);
    }
    if (arrival.event < FIRST_EVENT_WITH_VALUE)
        observers.handleLocal(arrival.event);
    else
        observers.handleLocalWithValue(arrival.event, arrival.value);
    if (local)
        EVENT_HANDOFF::instance().markHandled();
}

// ---------------------------------------------------------------- the players' view

void SKATTISCH::takeSnapshot(GameSnapshot& snapshot, Seat seat) const
{
    std::lock_guard lock(tableLock);
    snapshot.take(cards, record, seat);
    snapshot.hostingTable = !isClientTable();
}

SPIELSTRUCT SKATTISCH::recordCopy() const
{
    std::lock_guard lock(tableLock);
    return record;
}

SKAT SKATTISCH::skatCopy() const
{
    std::lock_guard lock(tableLock);
    return cards.skat;
}

int SKATTISCH::bidOfSeat(Seat seat) const
{
    if (!isValidSeat(seat))
        return 0;
    std::lock_guard lock(tableLock);
    return record.GEREIZTBIS[static_cast<std::size_t>(seat)];
}

bool SKATTISCH::exerciseOnTrack() const { return modus.exerciseFlag && modus.deviationIndex < 0; }

bool SKATTISCH::mayCallKontra(Seat seat) const
{
    const RuleSettings rules = currentRules();
    std::lock_guard lock(tableLock);
    const int inHand = isValidSeat(seat) ? cards.hands[static_cast<std::size_t>(seat)].cardCount() : 0;
    return kontraAllowed(rules, record, seat, currentIndex, inHand, exerciseOnTrack());
}

bool SKATTISCH::mayCallRe(Seat seat) const
{
    const RuleSettings rules = currentRules();
    std::lock_guard lock(tableLock);
    const int inHand = isValidSeat(seat) ? cards.hands[static_cast<std::size_t>(seat)].cardCount() : 0;
    return reAllowed(rules, record, seat, currentIndex, inHand);
}

// ---------------------------------------------------------------- server

namespace {
// The table whose game loop runs on this thread, if any.
thread_local const SKATTISCH_SERVER* loopOfThisThread = nullptr;
} // namespace

SKATTISCH_SERVER::SKATTISCH_SERVER() = default;

SKATTISCH_SERVER::~SKATTISCH_SERVER()
{
    stopGameLoop();
    waitForLoopEnd(60000);
    joinLoopThread();
}

void SKATTISCH_SERVER::joinLoopThread()
{
    std::lock_guard lock(threadMutex_);
    if (!loopRunning_ && loopThread_.joinable() && loopOfThisThread != this)
        loopThread_.join();
}

// The loop is stopped first, so that no state runs on with emptied cards.
void SKATTISCH_SERVER::resetGame()
{
    stopGameLoop();
    SKATTISCH::resetGame();
}

void SKATTISCH_SERVER::startGame()
{
    const int saved = runningGame.stateIndex;
    const bool resumable = saved >= STATE_NEUES_SPIEL && saved <= STATE_ABRECHNUNG && saved != STATE_ABHEBEN_UND_GEBEN
                           && saved != STATE_REIZ_VORSCHLAG && saved != STATE_EINGEPASST && saved != STATE_ABRECHNUNG
                           && runningGame.cards.isConsistent();
    if (resumable) {
        std::lock_guard lock(tableLock);
        cards = runningGame.cards;
        record = runningGame.record;
        startIndex = saved;
    } else {
        startIndex = STATE_NEUES_SPIEL;
    }
    startLoopThread();
}

namespace {
// Run ids are clock values, made distinct so that events of an earlier run
// can never pass for the current one.
std::uint32_t nextRunId()
{
    static std::atomic<std::uint32_t> last{0};
    const auto now = static_cast<std::uint32_t>(VORDIX_TIMER::nowMs());
    std::uint32_t previous = last.load();
    std::uint32_t id;
    do {
        id = now > previous ? now : previous + 1;
        if (id == 0)
            id = 1;
    } while (!last.compare_exchange_weak(previous, id));
    return id;
}
} // namespace

void SKATTISCH_SERVER::startLoopThread()
{
    std::lock_guard lock(threadMutex_);
    if (loopRunning_)
        return;
    if (loopThread_.joinable())
        loopThread_.join();
    stopRequested_ = false;
    requestFailed_ = false;
    suspender_.resume(VORDIX_IPC::SUSPEND_PENDING); // forget a resume kept from an earlier run
    loopRunning_ = true;
    ++loopsStarted_;
    tableRunId = nextRunId();
    loopThread_ = std::thread([this] {
        const vordix::ThreadScope scope;
        gameLoop();
    });
}

void SKATTISCH_SERVER::stopGameLoop()
{
    // The loop this stop is about; the GUI may start another one while the
    // stop lets it work, and that one is neither waited for nor muted.
    const std::uint64_t stopped = loopsStarted_;
    if (loopRunning_) {
        stopRequested_ = true;
        EVENT_HANDOFF::instance().wakeAll();
        suspender_.resume(RESUME_TABLE_STOPPED);
        if (loopOfThisThread == this)
            return; // asked by the loop itself: it ends at its next stop test
        auto services = tableServices();
        for (int round = 0; round < 500 && loopsEnded_ < stopped; ++round)
            services->processEvents(10);
    }
    joinLoopThread();
    if (!loopRunning_)
        stopRequested_ = false;
    if (loopsStarted_ == stopped)
        tableServices()->setSuppressTableCallbacks(true);
}

bool SKATTISCH_SERVER::waitForLoopEnd(int ms)
{
    std::unique_lock lock(loopEndMutex_);
    return loopEnded_.wait_for(lock, std::chrono::milliseconds(ms), [this] { return !loopRunning_; });
}

void SKATTISCH_SERVER::confirmInterruption()
{
    auto windows = tableWindows();
    if (!modus.freeGame) {
        if (modus.mode == MODE_NEXT_OF_LIST || modus.mode == MODE_FREE_GAME) {
            if (windows->confirmFreeGame(*this)) {
                std::lock_guard lock(tableLock);
                record.ruleSet = RULESET_PUB;
                modus.freeGame = true;
            }
        } else {
            modus.freeGame = true;
        }
    }
    windows->refreshMainWindow(*this);
}

void SKATTISCH_SERVER::saveRunningGame(int index)
{
    {
        std::lock_guard lock(tableLock);
        runningGame.stateIndex = index;
        runningGame.cards = cards;
        runningGame.record = record;
    }
    // Saved outside the table lock: a failed save shows a message, and the
    // main window paints under that lock.
    if (savesFiles_) {
        runningGame.reset(); // gives a document without a file the default one
        runningGame.save();
    }
}

void SKATTISCH_SERVER::replayResumedGame(int index)
{
    currentIndex = index;
    if (index > STATE_REIZ_VORSCHLAG && index < STATE_SPIEL_ANSAGEN)
        for (Seat seat = SEAT_0; seat < 3; ++seat)
            if (PLAYER* player = playerAtSeat(seat))
                player->initProposal();
    if (!report(GAME_RESUMED) || !report(CARDS_DEALT))
        return;
    if (index > STATE_REIZEN && !report(BIDDING_RESTORED))
        return;
    if (index > STATE_SPIEL_ANSAGEN) {
        if (!report(ANNOUNCEMENT_RESTORED))
            return;
        GameType type;
        Seat declarer;
        {
            std::lock_guard lock(tableLock);
            type = record.SPIELART.SPIEL_TYP;
            declarer = record.declarer();
        }
        if (type != GAME_RAMSCH)
            reportWithValue(DECLARER_RESTORED, declarer);
        else
            report(RAMSCH_ANNOUNCED);
    }
}

void SKATTISCH_SERVER::gameLoop()
{
    loopOfThisThread = this;
    random.seed = hasFixedSeed_ ? fixedSeed_ : static_cast<std::uint32_t>(std::time(nullptr));
    const int first = startIndex;
    if (first > STATE_NEUES_SPIEL)
        replayResumedGame(first);
    report(TABLE_REFRESH);
    if (!stopRequested_) {
        int next = runState(first);
        while (next != STATE_STOP && !stopRequested_)
            next = runState(next);
    }

    auto services = tableServices();
    const bool closing = services->applicationClosing();
    // A stopped or normally ended game is over; after a failure the user did
    // not cause (or at shutdown) the saved game keeps its state to resume.
    const bool keepSaved = closing || requestFailed_;
    {
        std::lock_guard lock(tableLock);
        currentIndex = STATE_STOP;
        cards.reset();
        record.reset();
        currentIndex = STATE_NONE;
    }
    if (!keepSaved)
        saveRunningGame(STATE_NONE);
    // The end carries run id 0: shown unless another loop has started since.
    tableRunId = 0;
    if (!closing)
        report(GAME_LOOP_ENDED);
    {
        std::lock_guard lock(loopEndMutex_);
        loopRunning_ = false;
        ++loopsEnded_;
    }
    loopEnded_.notify_all();
}

bool SKATTISCH_SERVER::report(TableEvent event)
{
    observers.broadcast(event);
    return !stopRequested_;
}

bool SKATTISCH_SERVER::reportWithValue(TableEvent event, int value)
{
    observers.broadcastWithValue(event, value);
    return !stopRequested_;
}

// ---------------------------------------------------------------- requests

std::uint32_t SKATTISCH_SERVER::openRequestSerial(int slot, int kind) const
{
    std::lock_guard lock(requestMutex_);
    if (slot < 0 || slot > 2 || kind != openKind_ || (awaitedSlots_ & (1u << slot)) == 0)
        return 0;
    return openSerial_;
}

PLAYER_AKTION SKATTISCH_SERVER::answerOf(int slot) const
{
    std::lock_guard lock(requestMutex_);
    return slot >= 0 && slot < 3 ? answers_[static_cast<std::size_t>(slot)] : PLAYER_AKTION();
}

bool SKATTISCH_SERVER::playerFinished(int slot, const PLAYER_AKTION& answer)
{
    bool complete = false;
    {
        std::lock_guard lock(requestMutex_);
        const unsigned bit = slot >= 0 && slot < 3 ? 1u << slot : 0u;
        if (bit == 0 || (awaitedSlots_ & bit) == 0 || answer.requestKind != openKind_
            || (answer.serial != 0 && answer.serial != openSerial_))
            return false;
        answers_[static_cast<std::size_t>(slot)] = answer;
        awaitedSlots_ &= ~bit;
        complete = awaitedSlots_ == 0;
    }
    if (complete && !answeringOnLoop_)
        suspender_.resume(VORDIX_IPC::RESUME_ANSWERED);
    return true;
}

void SKATTISCH_SERVER::openRequest(PlayerRequest kind, unsigned slots)
{
    std::lock_guard lock(requestMutex_);
    openKind_ = kind;
    awaitedSlots_ = slots;
    openSerial_ = ++serialCounter_;
    if (openSerial_ == 0)
        openSerial_ = ++serialCounter_;
    for (int slot = 0; slot < 3; ++slot)
        if (slots & (1u << slot))
            answers_[static_cast<std::size_t>(slot)].reset();
}

int SKATTISCH_SERVER::closeRequest(int code)
{
    {
        std::lock_guard lock(requestMutex_);
        if (code != VORDIX_IPC::RESUME_ANSWERED || awaitedSlots_ != 0)
            answers_ = {};
        openKind_ = REQUEST_NONE;
        awaitedSlots_ = 0;
    }
    if (stopRequested_)
        return RESUME_TABLE_STOPPED;
    if (code != VORDIX_IPC::RESUME_ANSWERED && code != RESUME_TABLE_STOPPED)
        requestFailed_ = true;
    return code;
}

int SKATTISCH_SERVER::waitForAnswers(PlayerRequest kind, unsigned slots)
{
    if (stopRequested_)
        return RESUME_TABLE_STOPPED;
    if (playsHeadless())
        return answerOnLoopThread(kind, slots);
    openRequest(kind, slots);
    suspender_.setSuspendAction([this, kind, slots] {
        for (int slot = 0; slot < 3; ++slot)
            if (slots & (1u << slot)) {
                PLAYER* player = playerInSlot(slot);
                if (!player || !player->deliverRequest(kind))
                    return false;
            }
        return true;
    });
    int code = suspender_.waitFor(60);
    suspender_.clearSuspendAction();
    while (code == VORDIX_IPC::SUSPEND_PENDING || code == VORDIX_IPC::RESUME_TIMED_OUT) {
        if (stopRequested_) {
            code = RESUME_TABLE_STOPPED;
            break;
        }
        code = suspender_.waitFor(60);
    }
    return closeRequest(code);
}

// The requests go to the players in slot order, as the queue worker would
// take them; the answers come back on this thread, so nobody is resumed.
int SKATTISCH_SERVER::answerOnLoopThread(PlayerRequest kind, unsigned slots)
{
    openRequest(kind, slots);
    answeringOnLoop_ = true;
    for (int slot = 0; slot < 3; ++slot)
        if (slots & (1u << slot))
            if (auto* local = dynamic_cast<LOCAL_PLAYER*>(playerInSlot(slot)))
                local->dispatchRequest(kind);
    answeringOnLoop_ = false;
    bool answered;
    {
        std::lock_guard lock(requestMutex_);
        answered = awaitedSlots_ == 0;
    }
    return closeRequest(answered ? VORDIX_IPC::RESUME_ANSWERED : VORDIX_IPC::RESUME_ACTION_FAILED);
}

bool SKATTISCH_SERVER::playsHeadless() const
{
    if (!headless_)
        return false;
    for (int slot = 0; slot < 3; ++slot) {
        const PLAYER* player = playerInSlot(slot);
        if (!player || player->kind() != PLAYER_KIND_COMPUTER)
            return false;
    }
    return true;
}

// An answer that fails the check is replaced and logged when the player is a
// computer (or `alwaysRepair`); otherwise false: the player is asked again.
bool SKATTISCH_SERVER::acceptOrRepair(PlayerRequest kind, int slot, bool alwaysRepair)
{
    PLAYER* player = playerInSlot(slot);
    const Seat seat = seatOfSlot(slot);
    const bool repair = alwaysRepair || (player && player->kind() == PLAYER_KIND_COMPUTER);
    PLAYER_AKTION answer = answerOf(slot);
    {
        std::lock_guard lock(tableLock);
        if (isValidAnswer(kind, answer, cards, record, seat))
            return true;
        if (repair)
            repairAnswer(kind, answer, cards, record, seat);
    }
    const std::wstring what = L"Answer to request " + std::to_wstring(kind) + L" of seat " + std::to_wstring(seat);
    if (!repair) {
        tableServices()->log(what + L" is not valid; asking again");
        return false;
    }
    tableServices()->log(what + L" was not valid and was replaced");
    std::lock_guard requestLock(requestMutex_);
    answers_[static_cast<std::size_t>(slot)] = answer;
    return true;
}

int SKATTISCH_SERVER::askPlayer(PlayerRequest kind, int slot)
{
    assert(isPlayerRequest(kind) && slot >= 0 && slot <= 2);
    if (slot < 0 || slot > 2) {
        tableServices()->log(L"Request " + std::to_wstring(kind) + L" for slot " + std::to_wstring(slot)
                             + L": no such slot, the loop ends");
        return VORDIX_IPC::RESUME_ACTION_FAILED;
    }
    for (;;) {
        const int code = waitForAnswers(kind, 1u << slot);
        if (code != VORDIX_IPC::RESUME_ANSWERED || acceptOrRepair(kind, slot))
            return code;
    }
}

int SKATTISCH_SERVER::askAllPlayers(PlayerRequest kind)
{
    const int code = waitForAnswers(kind, 0b111u);
    // A confirmation out of range counts as "go on" rather than asking everyone again.
    if (code == VORDIX_IPC::RESUME_ANSWERED)
        for (int slot = 0; slot < 3; ++slot)
            acceptOrRepair(kind, slot, true);
    return code;
}

void SKATTISCH_SERVER::performPlayerRequest(const PlayerRequestArrival& request)
{
    if (request.runId != tableRunId)
        return;
    if (auto* local = dynamic_cast<LOCAL_PLAYER*>(playerInSlot(request.slot)))
        local->dispatchRequest(request.kind);
}

bool SKATTISCH_SERVER::applyPlayerAnswer(int slot, const PLAYER_AKTION& answer, std::uint32_t runId,
                                         std::uint32_t connectionId)
{
    if (runId != tableRunId || tableServices()->suppressTableCallbacks())
        return false;
    PLAYER* player = playerInSlot(slot);
    REMOTE_PLAYER* remote = player ? player->isRemote() : nullptr;
    if (!remote || remote->connection.connectionId != connectionId)
        return false;
    return playerFinished(slot, answer);
}

// ---------------------------------------------------------------- client

void SKATTISCH_CLIENT::performPlayerRequest(const PlayerRequestArrival& request)
{
    {
        std::lock_guard lock(tableLock);
        tableRunId = request.runId; // the answer goes back with the host's run
        currentIndex = request.stateIndex;
        if (request.cards)
            cards = *request.cards;
        heldCounts = request.held.value_or(HANDS_KNOWN);
        if (request.record)
            record = *request.record;
        for (Seat seat = SEAT_0; seat < SEAT_COUNT && request.seatNames; ++seat) {
            PLAYER* player = playerAtSeat(seat);
            const std::wstring& name = (*request.seatNames)[static_cast<std::size_t>(seat)];
            if (player && player->isRemote() && !name.empty())
                player->setHeldName(name);
        }
    }
    if (auto* local = dynamic_cast<LOCAL_PLAYER*>(playerInSlot(request.slot)))
        local->dispatchRequest(request.kind);
}

bool SKATTISCH_CLIENT::playerFinished(int slot, const PLAYER_AKTION& answer)
{
    return tableMessenger()->sendAnswer(*this, slot, answer);
}

void SKATTISCH_CLIENT::leaveGame()
{
    tableMessenger()->sendLeaving();
    tableServices()->disconnectHost();
    resetGame();
    currentIndex = STATE_NONE;
}
