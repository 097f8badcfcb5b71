#pragma once
// Fixtures for tests that run a table's game loop without windows: services
// with reproducible random numbers, an observer that records the events,
// a scripted computer logic and a harness that plays games to the end.

#include "skat/engine/ComputerLogic.h"
#include "skat/engine/LocalTableWorker.h"
#include "skat/engine/LocalTischBeobachter.h"
#include "skat/engine/Skattisch.h"
#include "skat/engine/TableServices.h"
#include "skat/engine/TableWindows.h"
#include "skat/net/GameMessages.h"
#include "skat/net/SkatNetworkMessage.h"
#include "vordix/Random.h"

#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace table_test {

// Polls a condition another thread makes true; false after about ten seconds.
template <typename Predicate>
bool eventually(Predicate predicate)
{
    for (int i = 0; i < 2000; ++i) {
        if (predicate())
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return false;
}

class TestServices : public TABLE_SERVICES {
public:
    bool applicationClosing() const override { return closing; }
    bool confirmTricksByClick() const override { return clickTricks; }
    bool playerComments() const override { return comments; }
    std::atomic<bool> comments{true};
    // Stands for the GUI thread's work while a stop waits (the default sleeps).
    void processEvents(int ms) override
    {
        if (onProcessEvents)
            onProcessEvents(ms);
        else
            TABLE_SERVICES::processEvents(ms);
    }
    std::function<void(int)> onProcessEvents;
    std::atomic<bool> clickTricks{false};
    // How long a finished trick waits for the user (0: it is taken at once).
    int trickHoldMs() const override { return trickHold; }
    std::atomic<int> trickHold{0};
    // Per test, not process-wide.
    void setSuppressTableCallbacks(bool on) override { suppress = on; }
    bool suppressTableCallbacks() const override { return suppress; }
    std::atomic<bool> suppress{false};
    int drawApplicationRandom(int n) override
    {
        std::lock_guard lock(mutex);
        return random.next(n);
    }
    void log(const std::wstring& text) override
    {
        std::lock_guard lock(mutex);
        logs.push_back(text);
    }
    std::vector<std::wstring> logLines()
    {
        std::lock_guard lock(mutex);
        return logs;
    }
    void addHighScore(const std::wstring& name, int total, const std::wstring&) override
    {
        std::lock_guard lock(mutex);
        highScores.emplace_back(name, total);
    }
    bool sendToConnection(std::uint32_t connectionId, const std::string& xml) override
    {
        std::lock_guard lock(mutex);
        sent.emplace_back(connectionId, xml);
        return sendSucceeds;
    }

    std::mutex mutex;
    VORDIX_RANDOM random;
    std::vector<std::wstring> logs;
    std::vector<std::pair<std::wstring, int>> highScores;
    std::vector<std::pair<std::uint32_t, std::string>> sent;
    bool sendToHost(const std::string& xml) override
    {
        std::lock_guard lock(mutex);
        sentToHost.push_back(xml);
        return true;
    }
    bool logContains(const std::wstring& part)
    {
        for (const std::wstring& line : logLines())
            if (line.find(part) != std::wstring::npos)
                return true;
        return false;
    }

    void addToStatisticsSheet(const SPIELSTRUCT&, const SPIELKARTEN&) override { ++statisticsGames; }
    void saveStatisticsSheet() override
    {
        if (onSaveStatistics)
            onSaveStatistics();
        ++statisticsSaves;
    }
    // Runs on the game-end thread before each statistics save.
    std::function<void()> onSaveStatistics;

    bool sendSucceeds = true;
    std::vector<std::string> sentToHost;
    std::atomic<int> statisticsGames{0};
    std::atomic<int> statisticsSaves{0};
    std::atomic<bool> closing{false};
};

struct Event {
    int code = 0;
    int value = 0;
    bool operator==(const Event&) const = default;
};

// Records every event the worker hands to the windows.
class RecordingObserver : public LOCAL_TISCH_BEOBACHTER {
public:
    using LOCAL_TISCH_BEOBACHTER::LOCAL_TISCH_BEOBACHTER;
    void handleEvent(int event) override { add(event, 0); }
    void handleEventWithValue(int event, int value) override { add(event, value); }

    std::vector<Event> events()
    {
        std::lock_guard lock(mutex_);
        return events_;
    }
    std::vector<int> codes()
    {
        std::vector<int> result;
        for (const Event& e : events())
            result.push_back(e.code);
        return result;
    }
    int count(int code)
    {
        int n = 0;
        for (const Event& e : events())
            n += e.code == code;
        return n;
    }
    // Runs on the worker for every event.
    std::function<void(int, int)> onEvent;

private:
    void add(int event, int value)
    {
        {
            std::lock_guard lock(mutex_);
            events_.push_back({event, value});
        }
        if (onEvent)
            onEvent(event, value);
    }
    std::mutex mutex_;
    std::vector<Event> events_;
};

// What a scripted computer seat proposes and plays.
struct SeatScript {
    int bidLimit = 0;
    GameType type = GAME_GRAND;
    int winLevel = 0;
    int level = 0;
    int evaluation = 0;        // above 75: Kontra
    std::vector<CardId> cards; // played first, while legal; then the lowest legal card
};

// Scripts by seat, read by ScriptedLogic.
inline std::array<SeatScript, 3>& seatScripts()
{
    static std::array<SeatScript, 3> scripts;
    return scripts;
}

class ScriptedLogic : public PLAYER_LOGIK {
public:
    GameProposal proposeGame(const GameSnapshot& situation) override
    {
        const SeatScript& s = script(situation);
        evaluation_ = s.evaluation;
        return {s.bidLimit, s.type, s.winLevel, s.level};
    }
    CardId chooseCard(const GameSnapshot& situation) override
    {
        const CardSet legal = situation.legalCards();
        for (CardId card : script(situation).cards)
            if (legal & cardMaskOfId(card))
                return card;
        return legal == 0 ? NO_CARD : cardIdOfBit(lowestBit(legal));
    }
    int evaluation(const GameSnapshot&) override { return evaluation_; }

private:
    static const SeatScript& script(const GameSnapshot& situation)
    {
        return seatScripts()[static_cast<std::size_t>(isValidSeat(situation.seat) ? situation.seat : 0)];
    }
    int evaluation_ = 0;
};

// Answers a human seat's requests at once through the answer entries.
class ScriptedWindows : public TABLE_WINDOWS {
public:
    void offerBid(SKATTISCH&, int value, const std::wstring&) override
    {
        if (!holds(REQUEST_BID))
            HUMAN_PLAYER::answerBid(value <= holdUpTo);
    }
    void beginSkatOrHand(SKATTISCH&) override
    {
        if (!holds(REQUEST_SKAT_OR_HAND))
            HUMAN_PLAYER::answerSkatOrHand(game.GEWINN_STUFE >= WIN_LEVEL_HAND);
    }
    void beginDiscard(SKATTISCH&, const SKAT& proposal) override
    {
        if (!holds(REQUEST_DISCARD))
            HUMAN_PLAYER::answerDiscard(proposal.cardId(1), proposal.cardId(2));
    }
    void openAnnounceDialog(SKATTISCH&, CardSet, const SKAT&) override
    {
        if (!holds(REQUEST_ANNOUNCE))
            HUMAN_PLAYER::answerAnnounce(game.SPIEL_TYP, game.GEWINN_STUFE, game.STUFE, false);
    }
    void openHandGameDialog(SKATTISCH&, CardSet) override
    {
        if (!holds(REQUEST_ANNOUNCE_HAND))
            HUMAN_PLAYER::answerAnnounceHand(game.SPIEL_TYP, game.GEWINN_STUFE, game.STUFE, false);
    }
    void beginCardChoice(SKATTISCH& table, CardId hint) override
    {
        const int n = ++cardRequests;
        if (holds(REQUEST_PLAY_CARD) || (onCard && onCard(table, hint, n)))
            return;
        HUMAN_PLAYER::answerCard(hint);
    }
    void beginTrickConfirmation(SKATTISCH& table) override
    {
        const int n = ++trickConfirmations;
        if (holds(REQUEST_CONFIRM_TRICK) || (onTrick && onTrick(table, n)))
            return;
        HUMAN_PLAYER::answerConfirm();
    }
    void showSettlement(SKATTISCH&, const SPIELSTRUCT&) override
    {
        if (!holds(REQUEST_CONFIRM_SETTLEMENT))
            HUMAN_PLAYER::answerConfirm(confirmation);
    }
    void showPassedGame(SKATTISCH&) override
    {
        if (!holds(REQUEST_CONFIRM_PASSED))
            HUMAN_PLAYER::answerConfirm(confirmation);
    }
    void showListComplete(SKATTISCH&) override
    {
        if (!holds(REQUEST_CONFIRM_LIST_END))
            HUMAN_PLAYER::answerConfirm();
    }

    int holdUpTo = 0;
    ::SPIELART game{GAME_GRAND, WIN_LEVEL_WITH_SKAT, LEVEL_NONE};
    int confirmation = CONFIRM_NEXT_GAME;
    std::atomic<int> cardRequests{0};
    // Runs on the worker for the n-th card request; true when it answered
    // (or means to leave the request open).
    std::function<bool(SKATTISCH&, CardId, int)> onCard;
    std::atomic<int> trickConfirmations{0};
    std::function<bool(SKATTISCH&, int)> onTrick;
    // A request of this kind is left unanswered; heldKind tells it was reached.
    int holdKind = REQUEST_NONE;
    std::atomic<int> heldKind{REQUEST_NONE};

private:
    bool holds(int kind)
    {
        if (kind != holdKind)
            return false;
        heldKind = kind;
        return true;
    }
};

// A table with three computer seats, a recording observer and a worker,
// reproducible random numbers and no files.
class TableHarness {
public:
    explicit TableHarness(PlayerLogicFactory logic = {}, std::uint32_t seed = 4711)
    {
        services->random.seed = seed;
        seatScripts() = {};
        installTableServices(services);
        installTableWindows(windows);
        installGameMessenger(); // remote seats' requests travel as game messages
        setComputerLogicFactory(logic ? std::move(logic) : [] { return std::make_unique<ScriptedLogic>(); });
        table = std::make_unique<SKATTISCH_SERVER>();
        for (int slot = 0; slot < 3; ++slot)
            table->setPlayer(slot, PLAYER_KIND_COMPUTER);
        table->setSavesFiles(false);
        table->setFixedSeed(seed);
        auto recording = std::make_unique<RecordingObserver>(*table);
        observer = recording.get();
        observer->onEvent = [this](int event, int) {
            if (event != GAME_FINISHED && event != ALL_PASSED)
                return;
            if (++gamesEnded == stopAfterGames)
                table->stopGameLoop();
        };
        table->observers.add(std::move(recording));
        worker = std::make_unique<LOCAL_TABLE_WORKER>(*table);
        worker->setInspector([this](const LocalTableCall& call) { inspect(call); });
        table->setStateHook([this](int index) { onState(index); });
    }
    ~TableHarness()
    {
        table->stopGameLoop();
        worker.reset();
        table.reset();
        setComputerLogicFactory({});
        installTableServices(nullptr);
        installTableWindows(nullptr);
        setCurrentRules(RuleSettings{});
    }

    // Plays from the start index until the loop ends; false on a time-out.
    bool playToEnd(int timeoutMs = 20000)
    {
        table->startLoopThread();
        return table->waitForLoopEnd(timeoutMs);
    }

    // The deal of the next game (set up when the bid proposals are made).
    void scriptDeal(const std::array<CardSet, 3>& hands, Seat forehand)
    {
        KARTENVERTEILUNG deal;
        CardSet all = 0;
        for (Seat s = SEAT_0; s < 3; ++s) {
            deal.hands[s].assignCards(hands[s]);
            all |= hands[s];
        }
        const CardSet rest = ~all;
        const CardId first = cardIdOfBit(lowestBit(rest));
        deal.skat = SKAT(first, cardIdOfBit(lowestBit(rest & ~cardMaskOfId(first))));
        deal.vhPos = forehand;
        std::lock_guard lock(mutex);
        deals.push_back(deal);
    }

    // Records of the games as they were settled (or passed).
    std::vector<SPIELSTRUCT> settled()
    {
        std::lock_guard lock(mutex);
        return settledRecords;
    }
    std::vector<int> states()
    {
        std::lock_guard lock(mutex);
        return stateLog;
    }
    int inconsistentStates()
    {
        std::lock_guard lock(mutex);
        return inconsistent;
    }

    // The seat's player becomes a human answered by the scripted windows.
    void seatHuman(Seat seat) { table->setPlayer(slotOfSeat(seat), PLAYER_KIND_HUMAN); }
    // A human in forehand who bids up to `limit` starts a game of the deal;
    // returns once the human's request of `kind` is left open (false when
    // it never came).
    bool holdHumanAt(int kind, const std::array<CardSet, 3>& deal, Seat human, int limit = 18)
    {
        scriptDeal(deal, human);
        seatHuman(human);
        windows->holdUpTo = limit;
        windows->holdKind = kind;
        table->modus.setNextOfList(table->sheet);
        table->startLoopThread();
        return eventually([&] { return windows->heldKind == kind; });
    }
    PLAYER& playerAt(Seat seat) { return *table->playerAtSeat(seat); }

    std::shared_ptr<TestServices> services = std::make_shared<TestServices>();
    std::shared_ptr<ScriptedWindows> windows = std::make_shared<ScriptedWindows>();
    // The loop is stopped once this many games were settled or passed (0: never).
    int stopAfterGames = 0;
    std::atomic<int> gamesEnded{0};
    std::unique_ptr<SKATTISCH_SERVER> table;
    RecordingObserver* observer = nullptr;
    std::unique_ptr<LOCAL_TABLE_WORKER> worker;
    // Called on the loop thread when a state is entered (after the deal hook).
    std::function<void(int)> onStateEntered;

private:
    // The game loop waits while its event is handled, so the table's record
    // is the one it reported; kept with the fields a saved game keeps (the
    // bidding's working state is not among them), so that a resumed game
    // compares equal to the same game played through.
    void inspect(const LocalTableCall& call)
    {
        if (call.kind == LocalTableCall::EVENT && (call.event == SETTLEMENT_STARTED || call.event == ALL_PASSED)) {
            SPIELSTRUCT record;
            streamFromXml(streamToXml(table->recordCopy()), record);
            std::lock_guard lock(mutex);
            settledRecords.push_back(record);
        }
    }
    void onState(int index)
    {
        {
            std::lock_guard tableLock(table->tableLock);
            std::lock_guard lock(mutex);
            stateLog.push_back(index);
            if (!table->cards.isConsistent())
                ++inconsistent;
            if (index == STATE_REIZ_VORSCHLAG && !deals.empty()) {
                table->cards.setUpFromDeal(deals.front());
                deals.erase(deals.begin());
            }
        }
        if (onStateEntered)
            onStateEntered(index);
    }

    std::mutex mutex;
    std::vector<KARTENVERTEILUNG> deals;
    std::vector<SPIELSTRUCT> settledRecords;
    std::vector<int> stateLog;
    int inconsistent = 0;
};

// A card set from card codes such as "KB PB H1".
inline CardSet cardsOf(const std::string& codes)
{
    CardSet set = 0;
    for (std::size_t i = 0; i + 1 < codes.size(); i += 3)
        set |= cardMaskOfId(cardIdFromCode(codes.c_str() + i));
    return set;
}

// A deal many tests script, by seat: seat 0 holds both black jacks and the
// clubs, seat 1 the red jacks and the hearts, seat 2 the diamonds.
inline const std::array<CardSet, 3> DEAL = {cardsOf("KB PB KA K1 KK KD K9 K8 K7 PA"),
                                            cardsOf("HB CB HA H1 HK HD H9 H8 H7 P1"),
                                            cardsOf("CA C1 CK CD C9 C8 C7 PK PD P9")};

} // namespace table_test
