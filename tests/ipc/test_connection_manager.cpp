#include "IpcTestSupport.h"
#include "RawPeer.h"

#include "vordix/ipc/AsyncMessage.h"
#include "vordix/ipc/SyncMessage.h"

#include <atomic>

using namespace ipctest;
using rawpeer::Bytes;
using rawpeer::Peer;

namespace {
std::string textOf(const Bytes& b) { return std::string(b.begin(), b.end()); }
} // namespace

using ConnectionManager = ServedManager;

TEST_F(ConnectionManager, OneWayMessagesTravelBothWays)
{
    serve();
    Peer peer(port);
    const uint32_t id = acceptedId();

    ASSERT_TRUE(peer.send(rawpeer::frame(0x0D, 0, 0, rawpeer::partsBody({"AB", "C"}))));
    ASSERT_TRUE(eventually([&] { return toHost.count() == 1; }));
    const Received r = toHost.received()[0];
    EXPECT_EQ(r.connection, id);
    EXPECT_EQ(r.tag, 0x0D);
    EXPECT_FALSE(r.sync);
    EXPECT_EQ(r.parts, (std::vector<std::string>{"AB", "C"}));

    CAsyncMessage out(id, CLIENT_CHANNEL_TAG);
    out.setServer(&manager);
    out.addData("AB", 2);
    out.addData("C", 1);
    ASSERT_TRUE(out.send());
    rawpeer::Frame f;
    ASSERT_TRUE(peer.readFrame(f));
    EXPECT_EQ(f.length, 27u);
    EXPECT_EQ(f.version, 1);
    EXPECT_EQ(f.tag, 0x2A);
    EXPECT_EQ(f.kind, 0);
    EXPECT_EQ(f.reserved, 0);
    EXPECT_EQ(f.id, 0u);
    EXPECT_EQ(f.body, rawpeer::partsBody({"AB", "C"}));
}

TEST_F(ConnectionManager, RequestsFromAPeerAreAnsweredRefusedOrHeartbeatAnswered)
{
    toHost.onReceive = [](IMessage& m) {
        auto& request = static_cast<ISyncMessage&>(m);
        request.setData("pong", 4);
        request.sendReply();
    };
    serve();
    Peer peer(port);
    acceptedId();

    struct Case {
        uint8_t tag;
        uint32_t id;
        uint8_t expectedKind;
        uint8_t expectedTag;
        Bytes expectedBody;
    };
    const Case cases[] = {
        {0x0D, 41, 2, 0x0D, rawpeer::partsBody({"pong"})}, // the recipient's reply
        {0x2A, 42, 3, 0x00, {}},                           // no recipient: refusal
        {0xFF, 43, 2, 0x00, {}},                           // heartbeat: answered by the layer
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(peer.send(rawpeer::frame(c.tag, 1, c.id, rawpeer::partsBody({"ping"}))));
        rawpeer::Frame f;
        ASSERT_TRUE(peer.readFrame(f)) << int(c.tag);
        EXPECT_EQ(f.kind, c.expectedKind) << int(c.tag);
        EXPECT_EQ(f.tag, c.expectedTag) << int(c.tag);
        EXPECT_EQ(f.id, c.id);
        EXPECT_EQ(f.length, 12 + c.expectedBody.size());
        EXPECT_EQ(f.body, c.expectedBody);
    }
    // The recipient saw the request body as it came, part count and all.
    ASSERT_EQ(toHost.count(), 1u);
    EXPECT_TRUE(toHost.received()[0].sync);
    EXPECT_EQ(toHost.received()[0].parts, std::vector<std::string>{textOf(rawpeer::partsBody({"ping"}))});
}

TEST_F(ConnectionManager, RequestsToAPeerEndWithTheRightResumeCode)
{
    enum Answer { Reply, Refuse, Hangup };
    struct Case {
        Answer answer;
        bool result;
        int code;
    };
    const Case cases[] = {{Reply, true, RESUME_ANSWERED},
                          {Refuse, false, RESUME_REFUSED},
                          {Hangup, false, RESUME_CONNECTION_LOST}};
    size_t connections = 0;
    for (const Case& c : cases) {
        if (connections == 0)
            serve();
        Peer peer(port);
        const uint32_t id = acceptedId(++connections);

        CSyncMessage request;
        request.setServer(&manager);
        request.setRecipient(id, CLIENT_CHANNEL_TAG);
        request.setData("question", 8);
        std::atomic<bool> result{!c.result};
        std::thread sender([&] { result = request.send(); });

        rawpeer::Frame f;
        ASSERT_TRUE(peer.readFrame(f));
        EXPECT_EQ(f.kind, 1);
        EXPECT_EQ(f.tag, 0x2A);
        EXPECT_EQ(f.id, request.getMessageId());
        EXPECT_EQ(f.body, rawpeer::partsBody({"question"}));
        if (c.answer == Reply)
            peer.send(rawpeer::frame(0x2A, 2, f.id, rawpeer::partsBody({"answer"})));
        if (c.answer == Refuse)
            peer.send(rawpeer::frame(0, 3, f.id));
        if (c.answer == Hangup)
            peer.close();
        sender.join();
        EXPECT_EQ(result.load(), c.result);
        EXPECT_EQ(request.getResumeCode(), c.code);
        if (c.answer == Reply) {
            uint32_t n = 0;
            const uint8_t* data = request.getData(n);
            EXPECT_EQ(std::string(reinterpret_cast<const char*>(data), n), textOf(rawpeer::partsBody({"answer"})));
        }
    }
    EXPECT_TRUE(eventually([&] { return server.closed().size() == 3; })) << "every peer has left";
}

TEST_F(ConnectionManager, FrameInPiecesIsDispatchedOnce)
{
    serve();
    Peer peer(port);
    acceptedId();
    const Bytes frame = rawpeer::frame(0x0D, 0, 0, rawpeer::partsBody({"AB", "C"}));
    const size_t cuts[] = {1, 3};
    size_t at = 0;
    for (size_t n : cuts) {
        ASSERT_TRUE(peer.send(Bytes(frame.begin() + at, frame.begin() + at + n)));
        at += n;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        EXPECT_EQ(toHost.count(), 0u);
    }
    ASSERT_TRUE(peer.send(Bytes(frame.begin() + at, frame.end())));
    ASSERT_TRUE(eventually([&] { return toHost.count() == 1; }));
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_EQ(toHost.count(), 1u);
    EXPECT_EQ(toHost.received()[0].parts, (std::vector<std::string>{"AB", "C"}));
}

TEST_F(ConnectionManager, OperationsInTheWrongStateOrOnUnknownIdsFail)
{
    RecordingClient client;
    EXPECT_FALSE(manager.startServer(&server, 1)) << "no service offered";
    EXPECT_EQ(manager.getState(), IPC_IDLE);
    serve();
    EXPECT_FALSE(manager.offerService(0, L"", L"skat")) << "one service at a time";
    EXPECT_FALSE(manager.startServer(&server, 1));
    EXPECT_FALSE(manager.connectToHost(&client, L"127.0.0.1", port));
    EXPECT_EQ(manager.getState(), IPC_SERVER);

    Peer peer(port);
    const uint32_t id = acceptedId();
    EXPECT_EQ(manager.getHeartbeatInfo(id + 1000), nullptr);
    EXPECT_NE(manager.getHeartbeatInfo(id), nullptr);
    EXPECT_FALSE(manager.setRecipient(id + 1000, &toHost));

    CAsyncMessage untagged(id, 0);
    untagged.setServer(&manager);
    untagged.setData("x", 1);
    EXPECT_FALSE(untagged.send()) << "channel tag 0 is for replies and refusals only";
    CAsyncMessage nowhere(id + 1000, CLIENT_CHANNEL_TAG);
    nowhere.setServer(&manager);
    EXPECT_FALSE(nowhere.send());
    CSyncMessage untaggedRequest;
    untaggedRequest.setServer(&manager);
    untaggedRequest.setRecipient(id, 0);
    EXPECT_FALSE(untaggedRequest.send());

    // Nothing of the refused sends reached the peer: the next frame is a good one.
    CAsyncMessage good(id, CLIENT_CHANNEL_TAG);
    good.setServer(&manager);
    good.setData("ok", 2);
    ASSERT_TRUE(good.send());
    rawpeer::Frame f;
    ASSERT_TRUE(peer.readFrame(f));
    EXPECT_EQ(f.body, rawpeer::partsBody({"ok"}));
}

TEST_F(ConnectionManager, ARejectedConnectionIsClosedWithoutNotice)
{
    server.acceptAll = false;
    serve();
    Peer peer(port);
    EXPECT_TRUE(peer.seesClose());
    EXPECT_TRUE(eventually([&] { return manager.getConnectionCount() == 0; }));
    EXPECT_TRUE(server.closed().empty());
}

TEST_F(ConnectionManager, AtMostEightConnectionsAreAccepted)
{
    serve();
    std::vector<std::unique_ptr<Peer>> peers;
    // One at a time: the listening backlog is short.
    for (size_t i = 1; i <= 8; ++i) {
        peers.push_back(std::make_unique<Peer>(port));
        acceptedId(i);
    }
    Peer ninth(port);
    EXPECT_TRUE(ninth.seesClose());
    EXPECT_EQ(server.accepted().size(), 8u);
    // One leaves; a new one gets its place.
    peers[0]->close();
    ASSERT_TRUE(eventually([&] { return server.closed().size() == 1; }));
    Peer tenth(port);
    acceptedId(9);
}

TEST_F(ConnectionManager, CloseAllEndsEveryConnectionAndTheServerCanStartAgain)
{
    serve();
    Peer a(port), b(port);
    acceptedId(2);
    manager.closeAll();
    EXPECT_EQ(manager.getState(), IPC_IDLE);
    EXPECT_EQ(manager.getConnectionCount(), 0u);
    EXPECT_EQ(server.closed().size(), 2u);
    EXPECT_EQ(toHost.ended(), 2);
    EXPECT_TRUE(a.seesClose());
    EXPECT_TRUE(b.seesClose());
    Peer late(port);
    EXPECT_TRUE(late.fd() < 0 || late.seesClose()) << "nobody listens any more";

    serve();
    Peer again(port);
    acceptedId(3);
}

namespace {
// A second manager in the same process, acting as the joining program.
struct Joiner {
    RecordingRecipient fromHost{CLIENT_CHANNEL_TAG};
    RecordingClient client;
    CIPCServer_imp manager;
    Joiner() { manager.setTimings(fastTimings()); }
};
} // namespace

TEST_F(ConnectionManager, TwoManagersExchangeMessagesRequestsAndHeartbeats)
{
    toHost.onReceive = [](IMessage& m) {
        if (!m.isSync())
            return;
        auto& request = static_cast<ISyncMessage&>(m);
        request.setData("seat 2", 6);
        request.sendReply();
    };
    serve(1, 50);
    Joiner joiner;
    ASSERT_TRUE(joiner.manager.connectToHost(&joiner.client, L"127.0.0.1", port));
    EXPECT_EQ(joiner.manager.getState(), IPC_CLIENT);
    const uint32_t hostId = joiner.client.id();
    ASSERT_NE(hostId, 0u);
    ASSERT_TRUE(joiner.manager.setRecipient(hostId, &joiner.fromHost));
    const uint32_t clientId = acceptedId();

    CAsyncMessage hello(hostId, SERVER_CHANNEL_TAG);
    hello.setServer(&joiner.manager);
    hello.setData("hello", 5);
    ASSERT_TRUE(hello.send());
    ASSERT_TRUE(eventually([&] { return toHost.count() == 1; }));

    CSyncMessage ask;
    ask.setServer(&joiner.manager);
    ask.setRecipient(hostId, SERVER_CHANNEL_TAG);
    ask.setData("seat?", 5);
    ASSERT_TRUE(ask.send());
    uint32_t n = 0;
    const uint8_t* data = ask.getData(n);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(data), n), textOf(rawpeer::partsBody({"seat 2"})));

    CAsyncMessage news(clientId, CLIENT_CHANNEL_TAG);
    news.setServer(&manager);
    news.setData("dealt", 5);
    ASSERT_TRUE(news.send());
    ASSERT_TRUE(eventually([&] { return joiner.fromHost.count() == 1; }));
    EXPECT_EQ(joiner.fromHost.received()[0].parts, std::vector<std::string>{"dealt"});

    // The joiner's receiving thread answers the host's heartbeats.
    auto info = manager.getHeartbeatInfo(clientId);
    ASSERT_NE(info, nullptr);
    EXPECT_TRUE(eventually([&] { return info->getLastHeartbeatTime().tv_sec != 0; }));
    EXPECT_TRUE(info->isHealthy());

    joiner.manager.disconnect(hostId);
    EXPECT_EQ(joiner.client.disconnects(), 1);
    EXPECT_EQ(joiner.manager.getState(), IPC_IDLE);
    EXPECT_EQ(joiner.fromHost.ended(), 1);
    EXPECT_TRUE(eventually([&] { return server.closed().size() == 1; }));
}

TEST_F(ConnectionManager, AClientLearnsWhenTheHostGoesAway)
{
    serve();
    Joiner joiner;
    ASSERT_TRUE(joiner.manager.connectToAddress(&joiner.client, 0x7F000001, port));
    ASSERT_TRUE(joiner.manager.setRecipient(joiner.client.id(), &joiner.fromHost));
    acceptedId();
    manager.closeAll();
    EXPECT_TRUE(eventually([&] { return joiner.client.disconnects() == 1; }));
    EXPECT_TRUE(eventually([&] { return joiner.manager.getState() == IPC_IDLE; }));
}

TEST(ConnectionManagerConnect, ResolvesNamesAndFailsCleanlyWithoutAServer)
{
    // A port that was free a moment ago: nobody listens there.
    uint16_t closedPort;
    {
        auto s = openListeningSocket(0);
        ASSERT_NE(s, nullptr);
        closedPort = localPort(s);
    }
    RecordingClient client;
    CIPCServer_imp manager;
    EXPECT_FALSE(manager.connectToAddress(&client, 0x7F000001, closedPort));
    EXPECT_FALSE(manager.connectToHost(&client, L"127.0.0.1", closedPort));
    EXPECT_FALSE(manager.connectToHost(&client, L"", closedPort));
    EXPECT_EQ(manager.getState(), IPC_IDLE);

    auto listening = openListeningSocket(0);
    ASSERT_NE(listening, nullptr);
    ASSERT_TRUE(manager.connectToHost(&client, L"localhost", localPort(listening)));
    EXPECT_EQ(manager.getState(), IPC_CLIENT);
    EXPECT_FALSE(manager.connectToHost(&client, L"localhost", localPort(listening))) << "one host at a time";
    manager.disconnect(client.id());
    EXPECT_EQ(client.disconnects(), 1) << "a connection without a recipient ends at once too";
    EXPECT_EQ(manager.getState(), IPC_IDLE);
}

TEST(Sockets, ConnectingToAListenerThatNeverAcceptsEndsAfterTheTimeout)
{
    // Nobody accepts: once the accept queue is full the kernel drops further
    // handshakes, so the next connect neither succeeds nor is refused.
    auto listening = openListeningSocket(0);
    ASSERT_NE(listening, nullptr);
    std::vector<SocketHandle> queued;
    bool gaveUp = false;
    for (int i = 0; i < 64 && !gaveUp; ++i) {
        SocketHandle s = connectSocket(0x7F000001, localPort(listening), 200);
        if (s)
            queued.push_back(s);
        else
            gaveUp = true;
    }
    EXPECT_TRUE(gaveUp) << queued.size() << " connections were queued and none was left waiting";
    EXPECT_FALSE(queued.empty()) << "the listener took nothing at all";
    // The listener is unharmed: the waiting connections can still be taken.
    EXPECT_NE(acceptConnection(listening), nullptr);
}

TEST(Sockets, DottedAddressesAreParsedAndNamesAreNot)
{
    const std::pair<const char*, bool> cases[] = {{"127.0.0.1", true},     {"192.168.1.20", true}, {"localhost", false},
                                                  {"1abc.example", false}, {"256.1.1.1", false},   {"", false}};
    for (auto [text, numeric] : cases) {
        uint32_t address = 0;
        EXPECT_EQ(parseIPv4(text, address), numeric) << text;
    }
    uint32_t address = 0;
    ASSERT_TRUE(parseIPv4("192.168.1.20", address));
    EXPECT_EQ(address, 0xC0A80114u);
}

TEST_F(ConnectionManager, CallbacksMayEndConnectionsFromTheNetworkThreads)
{
    // closeAll from inside receive runs on the connection's own receiving
    // thread: that thread must not join itself.
    toHost.onReceive = [this](IMessage&) { manager.closeAll(); };
    serve();
    Peer peer(port);
    acceptedId();
    ASSERT_TRUE(peer.send(rawpeer::frame(0x0D, 0, 0, rawpeer::partsBody({"bye"}))));
    EXPECT_TRUE(peer.seesClose());
    EXPECT_TRUE(eventually([&] { return manager.getState() == IPC_IDLE; }));
    EXPECT_EQ(server.closed().size(), 1u);

    // A client that disconnects from inside its own receive.
    toHost.onReceive = nullptr;
    serve();
    Joiner joiner;
    ASSERT_TRUE(joiner.manager.connectToHost(&joiner.client, L"127.0.0.1", port));
    const uint32_t hostId = joiner.client.id();
    joiner.fromHost.onReceive = [&](IMessage&) { joiner.manager.disconnect(hostId); };
    ASSERT_TRUE(joiner.manager.setRecipient(hostId, &joiner.fromHost));
    const uint32_t clientId = acceptedId(2);
    CAsyncMessage leave(clientId, CLIENT_CHANNEL_TAG);
    leave.setServer(&manager);
    leave.setData("leave", 5);
    ASSERT_TRUE(leave.send());
    EXPECT_TRUE(eventually([&] { return joiner.client.disconnects() == 1; }));
    EXPECT_TRUE(eventually([&] { return server.closed().size() == 2; }));
}
