#pragma once
// The process-wide hub of the game side: it owns the current table, runs the
// table's events and its local players' requests in arrival order on a
// worker thread that exists only while there is work, keeps the history
// sheet of every finished game, loads the current sheet and the running game
// at start-up and resumes a game stopped in the middle. Its start commands
// (ServerCommands.cpp) stop the running game first, then build or reset the
// table and start its game loop.

#include "skat/engine/Liste.h"
#include "skat/engine/Skattisch.h"
#include "skat/net/NetworkAdapters.h"
#include "skat/net/SkatNetworkMessage.h"
#include "skat/net/TableNetworkSide.h"

#include <array>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <variant>

class EIN_SPIEL;
class KARTENVERTEILUNG;

class SKAT_SERVER : public TABLE_NETWORK_SIDE {
public:
    // The one server of the process, created on first use (during start-up,
    // on the GUI thread) and kept to the end of the process.
    static SKAT_SERVER& instance();

    // Tests make servers of their own; the program uses instance().
    SKAT_SERVER();
    ~SKAT_SERVER() override;
    SKAT_SERVER(const SKAT_SERVER&) = delete;
    SKAT_SERVER& operator=(const SKAT_SERVER&) = delete;

    SKATTISCH* currentTable() const { return tablePtr_.load(); }
    SKATTISCH_SERVER* serverTable() const;
    SKATTISCH_CLIENT* clientTable() const;
    std::wstring idString() const { return serverId_; }
    // A server table whose game loop runs, or a client table inside a game.
    bool isBusy() const;
    // Set when start-up found no game to resume, and by every game loop once
    // it has replayed its opening events.
    std::atomic<bool> noGameResumed{false};

    // Queue and worker. Any thread may queue (the table's own events and
    // requests come from its game loop, as plain values; messages come from
    // the network); both are run strictly in arrival order by one worker at
    // a time, which is started when something arrives and ends when it finds
    // the queue empty.
    void queueMessage(const SKAT_NETWORKMESSAGE& message);
    // An event or request as the local table posts it.
    bool queueLocal(const LocalTableCall& call);
    bool isWorkerRunning() const;
    // Waits until the queue is empty and no worker runs, letting the GUI
    // work meanwhile (a handler may wait for it), and joins the worker that
    // ended.
    void waitUntilIdle();
    // How many workers were started so far (tests).
    int workersStarted() const { return workersStarted_.load(); }
    // Called on the worker for every network message before the table sees it.
    void setInspector(std::function<void(const SKAT_NETWORKMESSAGE&)> inspector);

    // Called for every local table the server creates (default seating and
    // observer already in place): tests and batch play add observers or
    // turn off saving here.
    void setTableSetup(std::function<void(SKATTISCH_SERVER&)> setup);

    // History sheet: every finished game. Each call takes the data lock, so
    // the first user after start-up waits until the data loading finished.
    void withStatisticsSheet(const std::function<void(LISTE&)>& use);
    void addToStatisticsSheet(const SPIELSTRUCT& record, const SPIELKARTEN& cards);
    bool saveStatisticsSheet();
    void resetStatisticsSheet();
    bool dataLoaded() const { return dataLoaded_.load(); }
    // Files of the user's and of the shipped history; empty ones are
    // skipped. The defaults are "SKAT/Spiellogik/Historie.skt" in the
    // user's application-data folder and "Ressourcen/Spiellogik/Historie.skt"
    // in the program's folder.
    void setHistoryFiles(const VORDIX_FILE& user, const VORDIX_FILE& shipped);
    // Fed with every history sheet that was read (the computer players'
    // profiles); called under the data lock, so it must not wait for the GUI.
    void setProfileFeeder(std::function<void(const LISTE&)> feeder);
    // Loads both history sheets on a thread of its own (once, at start-up).
    void startDataLoading();
    void loadData();
    void joinDataLoading();

    // Start-up: loads "Aktuell.skt" and "LfdSpiel.skt" from the sheets'
    // folder and resumes a game saved in the middle.
    void loadRunningGame();

    // The start commands (GUI thread). Each stops the running game first
    // (asking the user while a game loop runs) and does nothing while the
    // table stays busy.
    void startNewSheet();
    // Replaces the sheet by the file (or one the user picks for a file
    // without a name) and prepares its next game without starting it.
    void openList(const VORDIX_FILE& file);
    void startNewGameOfList();
    void startFreeGame();
    void replayGame(const SPIELKARTEN& shown);
    void repeatGame();
    void playGivenGame(const EIN_SPIEL& game, int startTrick);
    void playExerciseGame(const EIN_SPIEL& game);
    void playDistribution(const KARTENVERTEILUNG& deal);
    void playDistributionByUser(const KARTENVERTEILUNG& deal);
    // The host and join dialogs (after stopping the running game).
    void hostNetworkGame();
    void joinNetworkGame();

    // --- network play (ServerNetwork.cpp) ---
    // The connection manager (the process-wide one unless a test gives
    // each of its servers one of their own) and where received messages
    // go: the application's message queue, whose handler passes them to
    // handlePosted on the GUI thread.
    void setConnectionManager(VORDIX_IPC::CIPCServer_imp* manager);
    void setMessagePosting(MessagePosting post);
    // Hosting: a new table whose slots in remoteSlots (bits 1 and 2) wait for
    // joining programs, the others computer players beside the user in slot
    // 0, offered on the port (0: any) and over DNS-SD. False when nothing
    // listens; a failed advertisement is only a warning.
    bool openNetworkTable(std::uint16_t port, unsigned remoteSlots = 0b110u);
    bool isHosting() const { return hosting_; }
    std::uint16_t hostingPort() const;
    bool isAdvertised() const { return advertised_; }
    // Where a guest's connection comes from (dotted IPv4); empty when unknown.
    std::wstring guestAddress(std::uint32_t connectionId) const;
    // Starts the hosted game once every seat is taken.
    bool startNetworkGame();
    // Tells the clients (reply code 4), stops offering and closes every
    // connection, without "connection ended" notices.
    void closeNetworkTable();
    // Joining: a client table, the connection to the host and the join
    // request with the user's name and picture bytes.
    bool joinNetworkTable(const std::wstring& host, std::uint16_t port, const std::string& picture = {});
    // The two steps of joining: a client table connected to the host (which
    // answers with its seating), then the request for a seat with the bytes
    // of the user's picture (left out when over MAX_PICTURE_BYTES).
    bool connectToTable(const std::wstring& host, std::uint16_t port);
    bool requestSeat(const std::string& picture = {});
    // The host's choice for slot 1 or 2 before the game: a seat waiting for
    // a guest or a computer player. False while a guest sits there.
    bool setHostSeatKind(int slot, bool remote);
    bool isJoined() const;
    int ownSlot() const { return ownSlot_; }
    // Leaves the host's table: tells it and closes the connection.
    void leaveNetworkTable();
    // A record of the message queue (GUI thread): a message from the wire
    // is acted on only when this side takes its kind from that connection
    // and its numbers fit; anything else is dropped and logged. False when
    // dropped. Shows nothing itself: a chat line that passed is for the
    // caller to show.
    bool handlePosted(const PostedMessage& posted, SKAT_NETWORKMESSAGE& message);
    // Sends a chat line of the user: on a hosting table to every client,
    // on a client table to the host.
    void sendChat(const std::wstring& text);
    // A game message's text to one client or to the host, sent as this
    // server's id: the way out of the tables it owns.
    std::wstring senderId() const override { return serverId_; }
    bool sendToConnection(std::uint32_t connectionId, const std::string& xml) override;
    bool sendToHost(const std::string& xml) override;
    // Tests shorten the time a connection has to join.
    void setJoinTimeout(std::chrono::milliseconds timeout);

    // The common prologue: true when the command may go on.
    bool stopRunningGame();
    // Turns a network table back into a local one and makes sure a local
    // table exists.
    void prepareLocalTable();
    // Program end: stops the game loop (the running game stays saved) and
    // drains the queue.
    void shutdown();

private:
    void startWorker();
    void queueWorker();
    void handle(const SKAT_NETWORKMESSAGE& message);
    void handleLocal(const LocalTableCall& call);
    void replaceTable(std::unique_ptr<SKATTISCH> table);
    SKATTISCH_SERVER& newLocalTable();
    void emptyAndSaveSheet(LISTE& sheet);
    bool askAndEmptySheet(SKATTISCH& table, bool onlyWhenFull);
    // The prologue of a command: the local table, or null when it may not go on.
    SKATTISCH_SERVER* commandTable();
    // Resets the table when asked, sets up the next game under the table
    // lock and starts the game loop.
    void startWith(SKATTISCH_SERVER& table, bool reset, const std::function<void(SKATTISCH_SERVER&)>& setUp);
    void loadHistories();
    bool loadHistory(LISTE& sheet, const VORDIX_FILE& file);

    VORDIX_IPC::CIPCServer_imp& manager() const;
    std::shared_ptr<SKAT_IPC_SERVER> ipcServer() const;
    std::shared_ptr<SKAT_IPC_CLIENT> ipcClient() const;
    void logDropped(std::uint32_t connectionId, const SKAT_NETWORKMESSAGE& message, const std::wstring& why);
    bool acceptFromWire(const PostedMessage& posted, SKAT_NETWORKMESSAGE& message);
    void handleJoinRequest(const SKAT_NETWORKMESSAGE& message, std::uint32_t connectionId,
                           const std::vector<std::string>& pictures);
    GameFrame seatingFrame() const;
    void sendSeating();
    void sendSeatingTo(std::uint32_t connectionId);
    void handleSeating(const SKAT_NETWORKMESSAGE& message, const std::vector<std::string>& pictures);
    void handleConnectionEnded(int kind, std::uint32_t connectionId);
    void relayChat(SKAT_NETWORKMESSAGE& message, std::uint32_t connectionId);
    void sendSetupReply(int code, std::uint32_t connectionId);
    int slotOfConnection(std::uint32_t connectionId) const;
    void endNetworkSide();

    std::unique_ptr<SKATTISCH> table_;
    std::atomic<SKATTISCH*> tablePtr_{nullptr};
    std::wstring serverId_;

    // A local call or a network message.
    using Queued = std::variant<LocalTableCall, std::unique_ptr<SKAT_NETWORKMESSAGE>>;
    std::deque<Queued> serverMessageQueue_;
    std::thread queueWorker_;
    bool queueWorkerRunning_ = false;
    mutable std::recursive_mutex serverQueueLock_;
    std::condition_variable_any workerIdle_;
    std::atomic<int> workersStarted_{0};
    std::function<void(const SKAT_NETWORKMESSAGE&)> inspector_;

    std::function<void(SKATTISCH_SERVER&)> tableSetup_;

    LISTE historySheet_;
    std::recursive_mutex serverDataLock_;
    std::atomic<bool> dataLoaded_{false};
    VORDIX_FILE userHistory_;
    VORDIX_FILE shippedHistory_;
    bool historyFilesSet_ = false;
    std::function<void(const LISTE&)> profileFeeder_;
    std::thread dataLoadingThread_;

    VORDIX_IPC::CIPCServer_imp* manager_ = nullptr;
    MessagePosting post_;
    mutable std::mutex networkMutex_;
    std::shared_ptr<SKAT_IPC_SERVER> ipcServer_;
    std::shared_ptr<SKAT_IPC_CLIENT> ipcClient_;
    bool hosting_ = false;
    bool advertised_ = false;
    bool hostClosedTable_ = false;
    int ownSlot_ = -1;
    std::vector<std::uint32_t> observedConnections_;
    std::chrono::milliseconds joinTimeout_{10000};
};
