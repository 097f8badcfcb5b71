#pragma once
// The table of one game: the next-game mode, the game record, the card
// state, the three seated players, the observers, the score sheet and the
// saved running game. A SKATTISCH_SERVER runs the game on its game-loop
// thread; a SKATTISCH_CLIENT mirrors a hosting program's table.
//
// Players sit in three storage slots: slot k serves seat (k + 1) mod 3, and
// a player's number is its slot.

#include "skat/engine/LaufendesSpielDokument.h"
#include "skat/engine/Liste.h"
#include "skat/engine/Player.h"
#include "skat/engine/PlayerTable.h"
#include "skat/engine/Spielkarten.h"
#include "skat/engine/Spielmodus.h"
#include "skat/engine/Spielstruct.h"
#include "skat/engine/TischBeobachter.h"
#include "vordix/Random.h"
#include "vordix/ThreadSuspender.h"

#include <array>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

// A table event as the queue worker takes it: posted by this program's own
// game loop (local), or received from the host with the host's state.
// How many cards each seat holds, where a seat's view from the host hides
// the hand itself; -1 where the hand is known.
using HeldCounts = std::array<int, 3>;
inline constexpr HeldCounts HANDS_KNOWN{-1, -1, -1};

struct TableEventArrival {
    bool local = true;
    std::uint32_t runId = 0;
    int stateIndex = 0;
    const SPIELKARTEN* cards = nullptr;  // the host's card state (host events)
    const SPIELSTRUCT* record = nullptr; // the host's record (host events)
    const LISTE* sheet = nullptr;        // the host's score sheet, when the event carries it
    std::optional<HeldCounts> held;      // a seat's view: the cards the other seats hold (host events)
    int event = 0;
    int value = 0;
};

// A request for a local player as the queue worker takes it; a request from
// the host brings the host's state and seat names along.
struct PlayerRequestArrival {
    std::uint32_t runId = 0;
    int slot = -1;
    int kind = REQUEST_NONE;
    int stateIndex = 0;
    const SPIELKARTEN* cards = nullptr;
    const SPIELSTRUCT* record = nullptr;
    const std::array<std::wstring, 3>* seatNames = nullptr;
    std::optional<HeldCounts> held;
};

// A table event or a request for a local player as this program's own
// table hands it to its queue worker: plain values of the run it belongs
// to, no message (what the windows show they read from the table itself,
// while its game loop waits).
struct LocalTableCall {
    enum Kind { EVENT, REQUEST };
    Kind kind = EVENT;
    std::uint32_t runId = 0;
    int event = 0; // EVENT: the table event and its value
    int value = 0;
    int slot = -1; // REQUEST: the local player's slot and the request
    int request = REQUEST_NONE;

    static LocalTableCall eventOf(std::uint32_t runId, int event, int value) { return {EVENT, runId, event, value}; }
    static LocalTableCall requestOf(std::uint32_t runId, int slot, int kind)
    {
        return {REQUEST, runId, 0, 0, slot, kind};
    }
    bool operator==(const LocalTableCall&) const = default;
};

class SKATTISCH : public PLAYER_TABLE {
public:
    SKATTISCH();
    virtual ~SKATTISCH();
    SKATTISCH(const SKATTISCH&) = delete;
    SKATTISCH& operator=(const SKATTISCH&) = delete;

    // Empties the card state and the game record.
    virtual void resetGame();
    // Runs a posted request for the addressed local player (queue worker).
    virtual void performPlayerRequest(const PlayerRequestArrival& request) = 0;
    // The answer of the player in the slot. False when nobody waits for
    // it: a late, duplicate or foreign answer is ignored.
    bool playerFinished(int slot, const PLAYER_AKTION& answer) override = 0;
    // A table event taken by the queue worker: a local event of another run
    // is dropped; a host's event first brings the table up to its state.
    // Every local event releases the waiting observer, also a dropped one.
    void applyTableEvent(const TableEventArrival& arrival);

    // What the players ask of the table (each takes the table lock).
    void takeSnapshot(GameSnapshot& snapshot, Seat seat) const override;
    SPIELSTRUCT recordCopy() const override;
    SKAT skatCopy() const override;
    int bidOfSeat(Seat seat) const override;
    bool playTheRestRequested() const override { return playTheRestFlag != 0; }
    bool endCardPlayRequested() const override { return endCardPlayFlag != 0; }
    bool exerciseOnTrack() const override;
    const EIN_SPIEL& storedExerciseGame() const override { return modus.storedGame; }
    bool mayCallKontra(Seat seat) const override;
    bool mayCallRe(Seat seat) const override;
    SKATTISCH& windowsTable() override { return *this; }

    // Seats a new player of the kind (1..5) in the slot; another kind
    // leaves the seat unchanged (false).
    bool setPlayer(int slot, int kind);
    void seatPlayer(int slot, std::unique_ptr<PLAYER> player);
    PLAYER* playerInSlot(int slot) const;
    PLAYER* playerAtSeat(Seat seat) const;
    PLAYER* forehandPlayer() const;
    PLAYER* playerAfter() const;    // seat (forehand + 1) mod 3
    PLAYER* playerTwoAfter() const; // seat (forehand + 2) mod 3
    int slotOf(const PLAYER* player) const;
    Seat seatOf(const PLAYER* player) const override;
    // Mode 0, empty sheet and running game, a human and two computer players.
    void standardSeating();

    bool allSeatsReady() const;
    bool isInCardPlay() const;
    // Card play with at least one trick on the pile (or collecting one).
    bool isInCardPlayStrict() const;
    bool isClientTable() const override { return false; }
    bool isServerTableWithRemote() const;
    bool isNetworkGame() const override;
    bool mayStartNextOfList() const;

    // Where the table's own events and its local players' requests go (the
    // table server's queue; a worker of our own without windows). False
    // when none could be posted.
    using LocalPoster = std::function<bool(const LocalTableCall& call)>;
    void setLocalPoster(LocalPoster poster);
    bool postLocal(const LocalTableCall& call);
    bool postLocalRequest(int slot, PlayerRequest kind) override
    {
        return postLocal(LocalTableCall::requestOf(tableRunId, slot, kind));
    }
    // The queue worker's side: shows the event or runs the request (a call
    // of another run is dropped; every event releases the waiting observer).
    void runLocal(const LocalTableCall& call);
    // A game loop of this table is being stopped.
    virtual bool stopRequested() const { return false; }
    // The loop thread itself answers the requests and runs the local
    // observers' handlers (see SKATTISCH_SERVER::setHeadless).
    virtual bool playsHeadless() const { return false; }
    // The request of the slot that is waiting for an answer, with its
    // serial; 0 when none (stale requests are not run).
    std::uint32_t openRequestSerial(int slot, int kind) const override;

    SPIELMODUS modus;
    SPIELSTRUCT record;
    SPIELKARTEN cards;
    // On a client table: the cards each seat holds by the host's last view,
    // the hands it hides included (HANDS_KNOWN on other tables).
    HeldCounts heldCounts = HANDS_KNOWN;
    TISCH_BEOBACHTER_MANAGER observers;
    LISTE sheet;
    LAUFENDES_SPIEL_DOKUMENT runningGame;
    std::atomic<int> currentIndex{STATE_NONE};
    int startIndex = STATE_NEUES_SPIEL;
    // Set by the windows, read by the game flow between requests.
    std::atomic<std::uint8_t> takeBackFlag{0};
    std::atomic<std::uint8_t> playTheRestFlag{0};
    std::atomic<std::uint8_t> endCardPlayFlag{0};
    // Clock value when the running game loop started; 0 while none runs.
    std::atomic<std::uint32_t> tableRunId{0};
    // Card state, game record, state switch, saving of the running game.
    mutable std::recursive_mutex tableLock;
    VORDIX_RANDOM random;

protected:
    std::array<std::unique_ptr<PLAYER>, 3> players_;

private:
    mutable std::mutex posterMutex_;
    LocalPoster poster_;
};

class SKATTISCH_SERVER : public SKATTISCH {
public:
    SKATTISCH_SERVER();
    ~SKATTISCH_SERVER() override;

    void resetGame() override;
    void performPlayerRequest(const PlayerRequestArrival& request) override;
    bool playerFinished(int slot, const PLAYER_AKTION& answer) override;
    // A remote player's answer for the run from the connection; only the
    // awaited remote player of this run, through its own connection, counts.
    bool applyPlayerAnswer(int slot, const PLAYER_AKTION& answer, std::uint32_t runId, std::uint32_t connectionId);

    // Resumes the saved running game when it can go on, else starts a new game.
    void startGame();
    // Starts the game loop at startIndex (at most one loop runs).
    void startLoopThread();
    // Stops the loop: wakes every wait, lets the GUI work while the loop
    // ends and joins it. Called by the loop itself it only asks the loop to end.
    void stopGameLoop();
    bool isLoopRunning() const { return loopRunning_; }
    // Waits until no loop runs; false when ms passed first.
    bool waitForLoopEnd(int ms);
    bool stopRequested() const override { return stopRequested_; }
    // Before a take-back or a new deal in a game: free game after asking.
    void confirmInterruption();

    // Used by the game-flow states on the loop thread.
    // Enters the state of the index, runs it and returns the index it left
    // for the next state; the state object ends before this returns.
    int runState(int index);
    // Asks one player (by number) and waits for a valid answer; a resume
    // code (0 answered).
    int askPlayer(PlayerRequest kind, int slot);
    int askAllPlayers(PlayerRequest kind);
    // The accepted answer of the slot's last request.
    PLAYER_AKTION answerOf(int slot) const;
    // Reports an event; false when the loop is being stopped.
    bool report(TableEvent event);
    bool reportWithValue(TableEvent event, int value);

    std::uint32_t openRequestSerial(int slot, int kind) const override;

    // The shuffle's seed for every loop instead of the clock (reproducible play).
    void setFixedSeed(std::uint32_t seed)
    {
        fixedSeed_ = seed;
        hasFixedSeed_ = true;
    }
    // Save the running game at every state and the score sheet after every
    // game (on by default; off for play without files).
    void setSavesFiles(bool on) { savesFiles_ = on; }
    bool savesFiles() const { return savesFiles_; }
    // Play without windows: while all three seats are computer seats, the
    // loop thread answers their requests and runs the local observers'
    // handlers itself, instead of handing each one to the queue worker and
    // waiting, and the running game is not saved at every state. Results
    // and random numbers are those of play with hand-offs. Off by default.
    void setHeadless(bool on) { headless_ = on; }
    bool playsHeadless() const override;
    // Called on the loop thread right after each state was entered and saved.
    void setStateHook(std::function<void(int index)> hook) { stateHook_ = std::move(hook); }

private:
    void gameLoop();
    void joinLoopThread();
    void replayResumedGame(int index);
    int waitForAnswers(PlayerRequest kind, unsigned slots);
    void openRequest(PlayerRequest kind, unsigned slots);
    // Ends the open request; the code it ends with.
    int closeRequest(int code);
    int answerOnLoopThread(PlayerRequest kind, unsigned slots);
    bool acceptOrRepair(PlayerRequest kind, int slot, bool alwaysRepair = false);
    void saveRunningGame(int index);

    VORDIX_IPC::CThreadSuspender suspender_;
    std::mutex threadMutex_; // the thread object: started, joined
    std::thread loopThread_;
    std::atomic<bool> loopRunning_{false};
    std::atomic<bool> stopRequested_{false};
    // A request ended without an answer for a reason the user did not
    // cause (delivery failed, connection lost, refused).
    std::atomic<bool> requestFailed_{false};
    std::mutex loopEndMutex_;
    std::condition_variable loopEnded_;
    // Loops started and ended so far: a stop waits for the loop it stopped,
    // not for one started meanwhile.
    std::atomic<std::uint64_t> loopsStarted_{0};
    std::atomic<std::uint64_t> loopsEnded_{0};

    mutable std::mutex requestMutex_;
    int openKind_ = REQUEST_NONE;
    unsigned awaitedSlots_ = 0;
    std::uint32_t openSerial_ = 0;
    std::uint32_t serialCounter_ = 0;
    std::array<PLAYER_AKTION, 3> answers_{};

    bool hasFixedSeed_ = false;
    std::uint32_t fixedSeed_ = 0;
    bool savesFiles_ = true;
    std::atomic<bool> headless_{false};
    // Set while the loop thread runs its computer players' requests itself.
    std::atomic<bool> answeringOnLoop_{false};
    std::function<void(int)> stateHook_;

    friend class ABLAUFZUSTAND;
};

// A table mirroring a hosting program's game; its local player answers back
// over the network.
class SKATTISCH_CLIENT : public SKATTISCH {
public:
    bool isClientTable() const override { return true; }
    void performPlayerRequest(const PlayerRequestArrival& request) override;
    bool playerFinished(int slot, const PLAYER_AKTION& answer) override;
    // Tells the host, closes the connection and clears the table.
    void leaveGame();
};
