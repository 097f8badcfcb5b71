#include "skat/net/SkatServer.h"

#include "skat/engine/LocalTischBeobachter.h"
#include "skat/engine/SheetServices.h"
#include "skat/engine/TableServices.h"
#include "skat/net/GameMessages.h"
#include "skat/net/ServerDialogs.h"
#include "vordix/Folder.h"
#include "vordix/MessageSink.h"
#include "vordix/TextHelpers.h"
#include "vordix/ThreadHooks.h"

#include <cstdlib>
#include <ctime>
#include <random>

namespace {

// The join dialog's start control: a new game from the host ends it with this.
constexpr int JOIN_DIALOG_START = 323;

} // namespace

SKAT_SERVER& SKAT_SERVER::instance()
{
    static SKAT_SERVER* server = new SKAT_SERVER; // never deleted: threads may still use it at exit
    return *server;
}

SKAT_SERVER::SKAT_SERVER()
    // Programs started in the same second on one computer must still differ:
    // a joining program is recognised by this id.
    : serverId_(vordix::localTimeText() + L"." + std::to_wstring(static_cast<unsigned long long>(std::clock())) + L"."
                + std::to_wstring(std::random_device{}()))
{
    installGameMessenger(); // requests and answers travel to joined programs as game messages
    historySheet_.reset();
}

SKAT_SERVER::~SKAT_SERVER()
{
    shutdown();
    joinDataLoading();
    replaceTable(nullptr);
    std::thread last;
    {
        std::lock_guard lock(serverQueueLock_);
        last = std::move(queueWorker_);
    }
    if (last.joinable())
        last.join();
}

SKATTISCH_SERVER* SKAT_SERVER::serverTable() const { return dynamic_cast<SKATTISCH_SERVER*>(currentTable()); }

SKATTISCH_CLIENT* SKAT_SERVER::clientTable() const { return dynamic_cast<SKATTISCH_CLIENT*>(currentTable()); }

bool SKAT_SERVER::isBusy() const
{
    if (const SKATTISCH_SERVER* server = serverTable())
        return server->isLoopRunning();
    if (const SKATTISCH_CLIENT* client = clientTable())
        return client->currentIndex.load() != STATE_NONE;
    return false;
}

// --- queue and worker -------------------------------------------------------

void SKAT_SERVER::queueMessage(const SKAT_NETWORKMESSAGE& message)
{
    auto copy = std::make_unique<SKAT_NETWORKMESSAGE>(message);
    std::lock_guard lock(serverQueueLock_);
    serverMessageQueue_.push_back(std::move(copy));
    // Set under the lock, so that a worker that is just ending and the next
    // one never overlap even when the game loop queues its own messages.
    if (!queueWorkerRunning_)
        startWorker();
}

bool SKAT_SERVER::queueLocal(const LocalTableCall& call)
{
    std::lock_guard lock(serverQueueLock_);
    serverMessageQueue_.push_back(call);
    if (!queueWorkerRunning_)
        startWorker();
    return true;
}

void SKAT_SERVER::startWorker()
{
    // Called under serverQueueLock_. The previous worker cleared the flag
    // inside the lock as its last step, so joining it waits only for its exit.
    if (queueWorker_.joinable())
        queueWorker_.join();
    queueWorkerRunning_ = true;
    ++workersStarted_;
    queueWorker_ = std::thread([this] {
        const vordix::ThreadScope scope;
        queueWorker();
    });
}

void SKAT_SERVER::queueWorker()
{
    for (;;) {
        Queued next;
        std::function<void(const SKAT_NETWORKMESSAGE&)> inspector;
        {
            std::lock_guard lock(serverQueueLock_);
            if (serverMessageQueue_.empty()) {
                queueWorkerRunning_ = false;
                workerIdle_.notify_all();
                return;
            }
            next = std::move(serverMessageQueue_.front());
            serverMessageQueue_.pop_front();
            inspector = inspector_;
        }
        // Never under the queue lock: a handler may queue further messages.
        if (const LocalTableCall* call = std::get_if<LocalTableCall>(&next)) {
            handleLocal(*call);
            continue;
        }
        const SKAT_NETWORKMESSAGE& message = *std::get<std::unique_ptr<SKAT_NETWORKMESSAGE>>(next);
        if (inspector)
            inspector(message);
        handle(message);
    }
}

void SKAT_SERVER::handleLocal(const LocalTableCall& call)
{
    if (SKATTISCH* table = currentTable())
        table->runLocal(call);
    else if (call.kind == LocalTableCall::EVENT)
        EVENT_HANDOFF::instance().markHandled(); // nobody shows it any more
}

void SKAT_SERVER::handle(const SKAT_NETWORKMESSAGE& message)
{
    SKATTISCH* table = currentTable();
    if (message.kind == TABLE_NOTIFICATION) {
        if (!table) {
            if (message.isLocal())
                EVENT_HANDOFF::instance().markHandled(); // nobody shows it any more
            return;
        }
        // The host's first game ends the join dialog; the table shows it.
        if (!message.isLocal() && message.event == NEW_GAME)
            serverDialogs()->endJoinDialog(JOIN_DIALOG_START);
        applyTableEvent(*table, message);
    } else if (message.kind == PLAYER_ACTION_REQUEST) {
        if (table)
            performPlayerRequest(*table, message);
    }
}

bool SKAT_SERVER::isWorkerRunning() const
{
    std::lock_guard lock(serverQueueLock_);
    return queueWorkerRunning_;
}

void SKAT_SERVER::waitUntilIdle()
{
    std::thread ended;
    {
        std::unique_lock lock(serverQueueLock_);
        while (queueWorkerRunning_) {
            // A handler may wait for the GUI thread (a marshalled window call):
            // let it work between short waits.
            workerIdle_.wait_for(lock, std::chrono::milliseconds(10));
            if (!queueWorkerRunning_)
                break;
            lock.unlock();
            tableServices()->processEvents(1);
            lock.lock();
        }
        // The worker that ended is joined here, not only by the next one:
        // the server lives to the end of the process, and a thread nobody
        // joins would end with it unjoined.
        if (queueWorker_.get_id() != std::this_thread::get_id())
            ended = std::move(queueWorker_);
    }
    // Outside the lock: the ended worker cleared its flag under it as its
    // last step, so the join waits only for its exit.
    if (ended.joinable())
        ended.join();
}

void SKAT_SERVER::setInspector(std::function<void(const SKAT_NETWORKMESSAGE&)> inspector)
{
    std::lock_guard lock(serverQueueLock_);
    inspector_ = std::move(inspector);
}

void SKAT_SERVER::setTableSetup(std::function<void(SKATTISCH_SERVER&)> setup) { tableSetup_ = std::move(setup); }

// --- the table ---------------------------------------------------------------

void SKAT_SERVER::replaceTable(std::unique_ptr<SKATTISCH> table)
{
    if (SKATTISCH_SERVER* old = serverTable())
        old->stopGameLoop();
    // No handler may run for a table that is gone: the old table posts
    // nothing more, and the worker finishes its messages first (a stopped
    // loop's events are dropped) before the table is swapped and deleted.
    if (table_)
        table_->setLocalPoster({});
    waitUntilIdle();
    if (table)
        setTableNetworkSide(table.get(), this);
    tablePtr_ = table.get();
    std::unique_ptr<SKATTISCH> old = std::move(table_);
    table_ = std::move(table);
    if (old)
        setTableNetworkSide(old.get(), nullptr);
    old.reset();
}

SKATTISCH_SERVER& SKAT_SERVER::newLocalTable()
{
    auto table = std::make_unique<SKATTISCH_SERVER>();
    table->standardSeating();
    table->observers.add(std::make_unique<LOCAL_TISCH_BEOBACHTER>(*table));
    table->setLocalPoster([this](const LocalTableCall& call) { return queueLocal(call); });
    // Scripted runs deal the same games every time.
    if (const char* seed = std::getenv("SKAT_FIXED_SEED"))
        table->setFixedSeed(static_cast<std::uint32_t>(std::strtoul(seed, nullptr, 10)));
    SKATTISCH_SERVER& result = *table;
    if (tableSetup_)
        tableSetup_(result);
    replaceTable(std::move(table));
    return result;
}

void SKAT_SERVER::shutdown()
{
    endNetworkSide();
    if (SKATTISCH_SERVER* server = serverTable())
        server->stopGameLoop();
    waitUntilIdle();
}

// --- history sheet ------------------------------------------------------------

void SKAT_SERVER::withStatisticsSheet(const std::function<void(LISTE&)>& use)
{
    std::lock_guard lock(serverDataLock_);
    use(historySheet_);
}

void SKAT_SERVER::addToStatisticsSheet(const SPIELSTRUCT& record, const SPIELKARTEN& cards)
{
    std::lock_guard lock(serverDataLock_);
    historySheet_.addGame(record, cards, false);
}

bool SKAT_SERVER::saveStatisticsSheet()
{
    std::lock_guard lock(serverDataLock_);
    if (historySheet_.file.name.empty())
        return false;
    return historySheet_.save();
}

void SKAT_SERVER::resetStatisticsSheet()
{
    std::lock_guard lock(serverDataLock_);
    const VORDIX_FILE file = historySheet_.file;
    historySheet_.reset();
    historySheet_.file = file;
    historySheet_.modified = true;
}

void SKAT_SERVER::setHistoryFiles(const VORDIX_FILE& user, const VORDIX_FILE& shipped)
{
    std::lock_guard lock(serverDataLock_);
    userHistory_ = user;
    shippedHistory_ = shipped;
    historyFilesSet_ = true;
}

void SKAT_SERVER::setProfileFeeder(std::function<void(const LISTE&)> feeder)
{
    std::lock_guard lock(serverDataLock_);
    profileFeeder_ = std::move(feeder);
}

void SKAT_SERVER::startDataLoading()
{
    if (dataLoadingThread_.joinable())
        return;
    dataLoadingThread_ = std::thread([this] {
        const vordix::ThreadScope scope;
        loadData();
    });
}

void SKAT_SERVER::joinDataLoading()
{
    if (dataLoadingThread_.joinable())
        dataLoadingThread_.join();
}

bool SKAT_SERVER::loadHistory(LISTE& sheet, const VORDIX_FILE& file)
{
    if (file.name.empty())
        return false;
    // A file that cannot be read is kept aside at the next save, never overwritten.
    return sheet.open(file) == DOCUMENT_OK;
}

void SKAT_SERVER::loadData()
{
    {
        // What reading a history file has to tell the user is shown after
        // the data lock is released: the GUI thread may be waiting for it.
        const vordix::HeldMessages held;
        loadHistories();
    }
    // Outside the data lock: the windows may wait for a reader of the sheet.
    if (dataLoaded_)
        serverDialogs()->refreshStartState();
}

void SKAT_SERVER::loadHistories()
{
    std::lock_guard lock(serverDataLock_);
    if (!historyFilesSet_) {
        VORDIX_FOLDER user;
        user.setStandardFolder(FOLDER_APPDATA);
        user.createSubfolder(sheetServices()->programFolderName());
        user.createSubfolder(L"Spiellogik");
        userHistory_ = VORDIX_FILE(user, L"Historie.skt");
        VORDIX_FOLDER shipped;
        shipped.setStandardFolder(FOLDER_PROGRAM);
        shipped.setPath(shipped.path() + L"Ressourcen/Spiellogik/");
        shippedHistory_ = VORDIX_FILE(shipped, L"Historie.skt");
    }
    if (loadHistory(historySheet_, userHistory_)) {
        if (profileFeeder_)
            profileFeeder_(historySheet_);
    } else {
        historySheet_.reset();
        historySheet_.file = userHistory_;
        historySheet_.modified = true; // the next save creates the file
    }
    LISTE shipped;
    if (loadHistory(shipped, shippedHistory_)) {
        if (profileFeeder_)
            profileFeeder_(shipped);
        dataLoaded_ = true;
    }
}

// --- start-up -------------------------------------------------------------------

void SKAT_SERVER::loadRunningGame()
{
    noGameResumed = false;
    openList(fileInSheetsFolder(sheetServices()->currentSheetFileName()));
    SKATTISCH_SERVER* server = serverTable();
    if (server) {
        server->runningGame.open(fileInSheetsFolder(sheetServices()->runningGameFileName()));
        if (server->runningGame.stateIndex > STATE_NONE) {
            server->startGame();
            serverDialogs()->refreshStartState();
            return;
        }
    }
    noGameResumed = true;
    serverDialogs()->refreshStartState();
}
