// A hosted game under attack from plain sockets: malformed frames, game
// messages from connections that never joined, a ten-megabyte chat line and
// twenty idle connections. The host drops what it does not take, closes the
// idle connections, and its two guests play the game to the end.

#include "skat/net/ServerDialogs.h"
#include "tests/engine/test_table_support.h"
#include "tests/net/NetworkGuest.h"

#include <gtest/gtest.h>

using namespace table_test;
using namespace nettest;

namespace {

class HostileClients : public testing::Test {
protected:
    void SetUp() override
    {
        installTableServices(services);
        playOneScriptedGame(host, gamesFinished);
        ASSERT_TRUE(host.server->openNetworkTable(0));
        host.table().setPlayer(0, PLAYER_KIND_COMPUTER);
    }
    void TearDown() override
    {
        host.server.reset();
        setComputerLogicFactory({});
        installTableServices(nullptr);
    }

    std::shared_ptr<TestServices> services = std::make_shared<TestServices>();
    Host host;
    std::atomic<int> gamesFinished{0};
};

std::string bigChat(std::size_t bytes)
{
    return "<SNM TYP=\"1\"><VNM SUID=\"big\"/><CHAT PLATZ=\"1\"><CHAT_CONTENT>" + std::string(bytes, 'x')
           + "</CHAT_CONTENT></CHAT></SNM>";
}

TEST_F(HostileClients, TheHostDropsWhatItDoesNotTakeClosesIdleConnectionsAndPlaysOn)
{
    Guest a(L"guest-a"), b(L"guest-b");
    ASSERT_TRUE(a.connect(host.port()) && a.join(L"Anna"));
    ASSERT_TRUE(host.pumpUntil([&] { return a.ownSlot() == 1; }));
    ASSERT_TRUE(b.connect(host.port()) && b.join(L"Bert"));
    ASSERT_TRUE(host.pumpUntil([&] { return b.ownSlot() == 2; }));
    ASSERT_TRUE(host.server->startNetworkGame());
    // The guests have joined: from now on a connection has little time to.
    host.server->setJoinTimeout(std::chrono::milliseconds(300));

    using namespace rawpeer;
    using VORDIX_IPC::FRAME_ONE_WAY;
    using VORDIX_IPC::FRAME_REQUEST;
    using VORDIX_IPC::SERVER_CHANNEL_TAG;
    const std::string chat = streamToXml([] {
        SKAT_NETWORKMESSAGE m(CHAT_MESSAGE, L"stranger");
        m.chatText = L"hello";
        return m;
    }());
    struct Attack {
        const char* what;
        Bytes bytes;
    };
    const std::vector<Attack> attacks = {
        {"a length below the header", rawFrame(4, 1, SERVER_CHANNEL_TAG, FRAME_ONE_WAY, 0)},
        {"a length above the limit", rawFrame(64u * 1024 * 1024, 1, SERVER_CHANNEL_TAG, FRAME_ONE_WAY, 0)},
        {"parts that do not fit the frame", frame(SERVER_CHANNEL_TAG, FRAME_ONE_WAY, 0,
                                                  [] {
                                                      Bytes body;
                                                      appendU32(body, 5);
                                                      appendU32(body, 1000);
                                                      return body;
                                                  }())},
        {"binary garbage as text",
         frame(SERVER_CHANNEL_TAG, FRAME_ONE_WAY, 0, partsBody({std::string("\x01\xff<\0", 4)}))},
        {"a request on the game tag", frame(SERVER_CHANNEL_TAG, FRAME_REQUEST, 7, partsBody({textPart(chat)}))},
        {"kinds 6 to 9 before joining",
         [] {
             Bytes all;
             for (int kind : {CLIENT_DISCONNECTED, SERVER_DISCONNECTED, TABLE_NOTIFICATION, PLAYER_ACTION_REQUEST}) {
                 const Bytes one = gameFrame(streamToXml(SKAT_NETWORKMESSAGE(kind, L"stranger")));
                 all.insert(all.end(), one.begin(), one.end());
             }
             return all;
         }()},
        {"a chat before joining", gameFrame(chat)},
        {"a ten-megabyte chat", gameFrame(bigChat(10u * 1024 * 1024))},
        {"a picture too large",
         frame(SERVER_CHANNEL_TAG, FRAME_ONE_WAY, 0, partsBody({textPart(chat), std::string(1024 * 1024, 'p')}))},
    };
    for (const Attack& attack : attacks) {
        Peer peer(host.port());
        ASSERT_GE(peer.fd(), 0) << attack.what;
        peer.send(attack.bytes); // the host may close before it took everything
        // Every attacker is closed: at once, or when it has not joined in time.
        EXPECT_TRUE(peer.seesClose(10000)) << attack.what;
    }
    // A joined guest's huge chat is dropped too; the guest stays.
    ASSERT_TRUE(a.sendXml(bigChat(10u * 1024 * 1024)));

    // Twenty idle connections: beyond the manager's eight the host refuses;
    // the others are closed when they have not joined in time.
    std::vector<std::unique_ptr<Peer>> idle;
    for (int i = 0; i < 20; ++i)
        idle.push_back(std::make_unique<Peer>(host.port()));
    for (auto& peer : idle)
        EXPECT_TRUE(peer->fd() < 0 || peer->seesClose(10000));

    ASSERT_TRUE(host.pumpUntil([&] { return gamesFinished.load() >= 1; }));
    EXPECT_TRUE(host.table().waitForLoopEnd(20000));
    EXPECT_EQ(host.table().sheet.rowCount(), 1);
    EXPECT_FALSE(a.closed());
    EXPECT_FALSE(b.closed());
    EXPECT_TRUE(services->logContains(L"did not join in time"));
    EXPECT_TRUE(services->logContains(L"bytes")); // the oversized text and picture
    // Only the two guests are still connected.
    EXPECT_LE(host.manager.getConnectionCount(), 2u);
}

} // namespace
