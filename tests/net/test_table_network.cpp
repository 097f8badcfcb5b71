// A hosted table with a remote seat and the joined program's client table,
// connected by an in-process stand-in for the network.

#include "skat/net/GameMessages.h"
#include "skat/net/RemoteTischBeobachter.h"
#include "tests/engine/test_table_support.h"
#include "tests/net/HiddenCards.h"

#include <gtest/gtest.h>

#include <condition_variable>
#include <deque>
#include <thread>

using namespace table_test;

namespace {

constexpr Seat V = SEAT_2, H = SEAT_1;
constexpr std::uint32_t CLIENT_CONNECTION = 9;

// Carries messages between the two tables on a thread of its own, as the
// network layer would (never inside the sender's call).
class LoopbackNetwork : public TestServices {
public:
    LoopbackNetwork() : thread_([this] { run(); }) { }
    ~LoopbackNetwork() override { shutdown(); }
    // Stops carrying messages; returns once none is in flight.
    void shutdown()
    {
        {
            std::lock_guard lock(queueMutex_);
            stopping_ = true;
        }
        wake_.notify_all();
        if (thread_.joinable())
            thread_.join();
    }
    void connect(SKATTISCH_SERVER* host, SKATTISCH_CLIENT* client)
    {
        std::lock_guard lock(queueMutex_);
        host_ = host;
        client_ = client;
    }
    bool sendToConnection(std::uint32_t connection, const std::string& xml) override
    {
        TestServices::sendToConnection(connection, xml);
        return push(false, xml);
    }
    bool sendToHost(const std::string& xml) override { return push(true, xml); }

private:
    bool push(bool toHost, const std::string& xml)
    {
        {
            std::lock_guard lock(queueMutex_);
            queue_.emplace_back(toHost, xml);
        }
        wake_.notify_one();
        return true;
    }
    void run()
    {
        for (;;) {
            std::pair<bool, std::string> item;
            SKATTISCH_SERVER* host;
            SKATTISCH_CLIENT* client;
            {
                std::unique_lock lock(queueMutex_);
                wake_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
                if (stopping_)
                    return;
                item = std::move(queue_.front());
                queue_.pop_front();
                host = host_;
                client = client_;
            }
            SKAT_NETWORKMESSAGE message;
            if (!host || !client || streamFromXml(item.second, message) != STREAM_READ_OK)
                continue;
            setSuppressTableCallbacks(false); // as the application's message handler does
            if (item.first && message.kind == PLAYER_ACTION_REPLY)
                applyPlayerAnswer(*host, message, CLIENT_CONNECTION);
            else if (!item.first && message.kind == PLAYER_ACTION_REQUEST)
                performPlayerRequest(*client, message);
            else if (!item.first && message.kind == TABLE_NOTIFICATION)
                applyTableEvent(*client, message);
        }
    }

    std::mutex queueMutex_;
    std::condition_variable wake_;
    std::deque<std::pair<bool, std::string>> queue_;
    bool stopping_ = false;
    SKATTISCH_SERVER* host_ = nullptr;
    SKATTISCH_CLIENT* client_ = nullptr;
    std::thread thread_;
};

TEST(TableNetwork, ARemoteSeatPlaysAWholeGameThroughTheClientTable)
{
    auto network = std::make_shared<LoopbackNetwork>();
    TableHarness harness;
    harness.services = network;
    installTableServices(network);
    RuleSettings rules;
    rules.kontraRe = true;
    setCurrentRules(rules);

    SKATTISCH_SERVER& host = *harness.table;
    host.setPlayer(slotOfSeat(H), PLAYER_KIND_REMOTE);
    host.playerAtSeat(H)->isRemote()->connection.connect(CLIENT_CONNECTION, L"client");
    host.observers.add(std::make_unique<REMOTE_TISCH_BEOBACHTER>(host, CLIENT_CONNECTION));
    EXPECT_TRUE(host.isServerTableWithRemote());
    EXPECT_TRUE(host.isNetworkGame());

    SKATTISCH_CLIENT client;
    client.setPlayer(slotOfSeat(H), PLAYER_KIND_NETWORK_CLIENT);
    auto clientView = std::make_unique<RecordingObserver>(client);
    RecordingObserver* clientEvents = clientView.get();
    // What the client table knows of the hands whenever a card was played:
    // the other seats' counts, its own hand, the cards out of the hands.
    struct HeldView {
        HeldCounts held;
        int ownCards, otherCardsShown, outOfHands;
    };
    std::vector<HeldView> views;
    clientEvents->onEvent = [&](int event, int) {
        if (event != CARD_PLAYED)
            return;
        std::lock_guard lock(client.tableLock);
        const SPIELKARTEN& c = client.cards;
        views.push_back({client.heldCounts, c.hands[H].cardCount(),
                         c.hands[V].cardCount() + c.hands[SEAT_0].cardCount(),
                         c.trick.count() + 3 * c.pile.trickCount()});
    };
    client.observers.add(std::move(clientView));
    network->connect(&host, &client);
    // Nothing is carried any more once the tables go.
    struct StopNetwork {
        LoopbackNetwork& network;
        ~StopNetwork() { network.shutdown(); }
    } stopNetwork{*network};

    // The joined user calls Kontra with a card: no answer over the network carries it.
    harness.windows->onCard = [](SKATTISCH&, CardId hint, int) { return HUMAN_PLAYER::answerCard(hint, true); };
    harness.scriptDeal(DEAL, V);
    seatScripts()[V] = SeatScript{18, GAME_DIAMONDS};
    harness.stopAfterGames = 1;
    host.modus.setNextOfList(host.sheet);
    ASSERT_TRUE(harness.playToEnd());

    const auto records = harness.settled();
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].ALLEIN, V);
    EXPECT_FALSE(records[0].KONTRA);
    EXPECT_EQ(host.sheet.rowAt(0).trickCount(), 10);
    EXPECT_EQ(harness.inconsistentStates(), 0);
    EXPECT_GE(harness.windows->cardRequests, 10);
    // The client table followed the host's events.
    EXPECT_GT(clientEvents->count(CARD_PLAYED), 0);
    EXPECT_EQ(clientEvents->count(NEW_GAME), 1);
    // The other hands stay hidden, but the client knows how many cards each
    // holds: with its own hand and the cards played they make the thirty.
    ASSERT_EQ(views.size(), 30u);
    for (const HeldView& view : views) {
        EXPECT_EQ(view.held[H], -1);
        EXPECT_EQ(view.otherCardsShown, 0);
        EXPECT_EQ(view.held[V] + view.held[SEAT_0] + view.ownCards + view.outOfHands, 30);
    }
    EXPECT_EQ(views.back().held[V] + views.back().held[SEAT_0], 0);
    host.stopGameLoop();

    // Every event and request the remote seat got was its own view.
    int framesChecked = 0;
    for (const auto& [connection, xml] : network->sent) {
        SKAT_NETWORKMESSAGE message;
        ASSERT_EQ(streamFromXml(xml, message), STREAM_READ_OK) << xml;
        if (message.kind != TABLE_NOTIFICATION && message.kind != PLAYER_ACTION_REQUEST)
            continue;
        ++framesChecked;
        EXPECT_EQ(connection, CLIENT_CONNECTION);
        if (message.stateIndex != STATE_ABRECHNUNG)
            EXPECT_TRUE(message.partialView) << "full card state sent in state " << message.stateIndex;
        EXPECT_EQ(hiddenCardsShown(message, H), 0) << xml;
        if (message.partialView) {
            EXPECT_EQ(message.viewSeat, H);
            EXPECT_EQ(message.handSizes[H], message.cards.hands[H].cardCount());
        }
    }
    EXPECT_GT(framesChecked, 30);
}

} // namespace
