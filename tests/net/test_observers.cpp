// The observer manager, the local hand-off and the remote send.

#include "skat/engine/Liste.h"
#include "skat/net/GameMessages.h"
#include "skat/net/RemoteTischBeobachter.h"
#include "tests/engine/test_table_support.h"

#include <gtest/gtest.h>

using namespace table_test;

namespace {

class ObserverTest : public testing::Test {
protected:
    void SetUp() override { installTableServices(services); }
    void TearDown() override { installTableServices(nullptr); }

    std::shared_ptr<TestServices> services = std::make_shared<TestServices>();
    SKATTISCH_SERVER table;
};

// An observer that only counts its notifications.
class CountingObserver : public TISCH_BEOBACHTER {
public:
    explicit CountingObserver(std::vector<std::string>& log, std::string name) : log_(log), name_(std::move(name)) { }
    void notify(int event) override { log_.push_back(name_ + std::to_string(event)); }
    void notifyWithValue(int event, int value) override
    {
        log_.push_back(name_ + std::to_string(event) + ":" + std::to_string(value));
    }

private:
    std::vector<std::string>& log_;
    std::string name_;
};

TEST_F(ObserverTest, BroadcastReachesObserversInOrderAndNothingWithoutObservers)
{
    TISCH_BEOBACHTER_MANAGER empty;
    empty.broadcast(NEW_GAME);
    empty.broadcastWithValue(CARD_PLAYED, 1);
    empty.handleLocal(NEW_GAME);

    std::vector<std::string> log;
    TISCH_BEOBACHTER_MANAGER manager;
    manager.add(std::make_unique<CountingObserver>(log, "a"));
    manager.add(std::make_unique<CountingObserver>(log, "b"));
    manager.add(nullptr);
    EXPECT_EQ(manager.size(), 2u);
    manager.broadcast(NEW_GAME);
    manager.broadcastWithValue(CARD_PLAYED, 2);
    // Only local observers have handlers.
    manager.handleLocal(NEW_GAME);
    EXPECT_EQ(log, (std::vector<std::string>{"a3", "b3", "a38:2", "b38:2"}));
    manager.clear();
    EXPECT_EQ(manager.size(), 0u);
}

TEST_F(ObserverTest, RemoteAddedFirstSendsBeforeTheLocalSideShowsTheEvent)
{
    LOCAL_TABLE_WORKER worker(table);
    table.observers.add(std::make_unique<REMOTE_TISCH_BEOBACHTER>(table, 42));
    auto local = std::make_unique<RecordingObserver>(table);
    RecordingObserver* recording = local.get();
    std::size_t sentWhenShown = 0;
    recording->onEvent = [&](int, int) {
        std::lock_guard lock(services->mutex);
        sentWhenShown = services->sent.size();
    };
    table.observers.add(std::move(local));

    table.observers.broadcastWithValue(BID_TURN, 1);
    // The local notification returned only after the worker showed it.
    EXPECT_EQ(recording->events(), (std::vector<Event>{{BID_TURN, 1}}));
    EXPECT_EQ(sentWhenShown, 1u);
    ASSERT_EQ(services->sent.size(), 1u);
    EXPECT_EQ(services->sent[0].first, 42u);
    SKAT_NETWORKMESSAGE message;
    ASSERT_EQ(streamFromXml(services->sent[0].second, message), STREAM_READ_OK);
    EXPECT_EQ(message.kind, TABLE_NOTIFICATION);
    EXPECT_EQ(message.event, BID_TURN);
    EXPECT_EQ(message.eventValue, 1);
    EXPECT_FALSE(message.isLocal());
}

TEST_F(ObserverTest, RemoteObserverSendsTheSheetWithItsEvent)
{
    table.sheet.addGame(SPIELSTRUCT(), SPIELKARTEN(), false);
    table.observers.add(std::make_unique<REMOTE_TISCH_BEOBACHTER>(table, 5));
    table.observers.broadcast(SCORE_SHEET_CHANGED);
    table.observers.broadcast(NEW_GAME);
    ASSERT_EQ(services->sent.size(), 2u);
    SKAT_NETWORKMESSAGE changed, other;
    ASSERT_EQ(streamFromXml(services->sent[0].second, changed), STREAM_READ_OK);
    ASSERT_EQ(streamFromXml(services->sent[1].second, other), STREAM_READ_OK);
    ASSERT_NE(changed.sheetIfAny(), nullptr);
    EXPECT_EQ(changed.sheetIfAny()->rowCount(), 1);
    EXPECT_EQ(services->sent[1].second.find("Spielliste"), std::string::npos);
}

// The table's own events and its local players' requests reach the worker
// as values of the current run, in the order they were posted; nothing of
// them goes out as a game message.
TEST_F(ObserverTest, LocalEventsAndRequestsReachTheWorkerAsValues)
{
    LOCAL_TABLE_WORKER worker(table);
    std::mutex mutex;
    std::vector<LocalTableCall> calls;
    worker.setInspector([&](const LocalTableCall& call) {
        std::lock_guard lock(mutex);
        calls.push_back(call);
    });
    table.setPlayer(1, PLAYER_KIND_COMPUTER);
    table.observers.add(std::make_unique<LOCAL_TISCH_BEOBACHTER>(table));
    table.tableRunId = 9;
    table.observers.broadcast(CARDS_DEALT);
    table.observers.broadcastWithValue(BID_TURN, 2);
    ASSERT_TRUE(table.playerInSlot(1)->deliverRequest(REQUEST_PLAY_CARD));
    ASSERT_TRUE(eventually([&] {
        std::lock_guard lock(mutex);
        return calls.size() == 3;
    }));
    EXPECT_EQ(calls, (std::vector<LocalTableCall>{LocalTableCall::eventOf(9, CARDS_DEALT, 0),
                                                  LocalTableCall::eventOf(9, BID_TURN, 2),
                                                  LocalTableCall::requestOf(9, 1, REQUEST_PLAY_CARD)}));
    EXPECT_TRUE(services->sent.empty());
    table.tableRunId = 0;
}

TEST_F(ObserverTest, AStaleLocalEventIsDroppedButReleasesTheWaitingLoop)
{
    LOCAL_TABLE_WORKER worker(table);
    auto local = std::make_unique<RecordingObserver>(table);
    RecordingObserver* recording = local.get();
    table.observers.add(std::move(local));
    // The table moves on to another run before the worker takes the event.
    worker.setInspector([&](const LocalTableCall&) { table.tableRunId = 77; });
    table.observers.broadcast(CARDS_DEALT);
    EXPECT_TRUE(recording->events().empty());

    // Later events of the current run are shown again.
    worker.setInspector({});
    table.observers.broadcast(HANDS_CHANGED);
    EXPECT_EQ(recording->codes(), std::vector<int>{HANDS_CHANGED});
    table.tableRunId = 0;
}

TEST_F(ObserverTest, WithoutAPosterTheLocalObserverDoesNotWait)
{
    auto local = std::make_unique<RecordingObserver>(table);
    RecordingObserver* recording = local.get();
    table.observers.add(std::move(local));
    table.observers.broadcast(NEW_GAME);
    EXPECT_TRUE(recording->events().empty());
    // The hand-off stays in step: a worker started now shows the next event.
    LOCAL_TABLE_WORKER worker(table);
    table.observers.broadcast(TABLE_REFRESH);
    EXPECT_EQ(recording->codes(), std::vector<int>{TABLE_REFRESH});
}

TEST_F(ObserverTest, HostEventsBringAClientTableUpToDate)
{
    SKATTISCH_CLIENT client;
    auto local = std::make_unique<RecordingObserver>(client);
    RecordingObserver* recording = local.get();
    client.observers.add(std::move(local));
    SKAT_NETWORKMESSAGE message(TABLE_NOTIFICATION, L"host");
    message.event = SCORE_SHEET_CHANGED;
    message.stateIndex = STATE_REIZEN;
    message.record.GEREIZTBIS = {18, 0, 0};
    message.sheet().addGame(SPIELSTRUCT(), SPIELKARTEN(), false);
    applyTableEvent(client, message);
    EXPECT_EQ(client.currentIndex, STATE_REIZEN);
    EXPECT_EQ(client.record.GEREIZTBIS[0], 18);
    EXPECT_EQ(client.sheet.rowCount(), 1);
    EXPECT_EQ(recording->codes(), std::vector<int>{SCORE_SHEET_CHANGED});
}

} // namespace
