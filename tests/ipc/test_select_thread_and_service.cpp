#include "IpcTestSupport.h"
#include "RawPeer.h"

#include "vordix/ipc/SocketSelectThread.h"

#include <atomic>
#include <sys/socket.h>
#include <unistd.h>

using namespace ipctest;

TEST(SocketSelectThread, CallsItsFunctionWhenTheSocketIsReadableUntilStopped)
{
    int pair[2];
    ASSERT_EQ(::socketpair(AF_UNIX, SOCK_STREAM, 0, pair), 0);
    CSocketSelectThread thread;
    EXPECT_FALSE(thread.start(-1, [] {}));
    EXPECT_FALSE(thread.start(pair[0], {}));

    std::atomic<int> bytes{0};
    ASSERT_TRUE(thread.start(pair[0], [&] {
        char c;
        if (::read(pair[0], &c, 1) == 1)
            ++bytes;
    }));
    EXPECT_FALSE(thread.start(pair[0], [] {})) << "already running";
    for (int i = 0; i < 3; ++i)
        ASSERT_EQ(::write(pair[1], "x", 1), 1);
    EXPECT_TRUE(eventually([&] { return bytes.load() == 3; }));
    thread.stop(); // returns at once, not after a 2-second round
    EXPECT_FALSE(thread.isRunning());

    // It can be started again after a stop.
    ASSERT_TRUE(thread.start(pair[0], [&] {
        char c;
        if (::read(pair[0], &c, 1) == 1)
            ++bytes;
    }));
    ASSERT_EQ(::write(pair[1], "y", 1), 1);
    EXPECT_TRUE(eventually([&] { return bytes.load() == 4; }));
    thread.stop();
    ::close(pair[0]);
    ::close(pair[1]);
}

TEST(OfferedService, WithoutARegistrarTheServerListensButReportsFailure)
{
    auto previous = installServiceRegistrar(nullptr);
    RecordingRecipient toHost{SERVER_CHANNEL_TAG};
    CIPCServer_imp manager;
    RecordingServer server{manager, {&toHost}};
    ASSERT_TRUE(manager.offerService(0, L"", L"skat"));
    EXPECT_FALSE(manager.startServer(&server, 0));
    EXPECT_EQ(manager.getState(), IPC_SERVER);
    rawpeer::Peer peer(manager.getListeningPort());
    EXPECT_TRUE(eventually([&] { return server.accepted().size() == 1; }));
    manager.closeAll();
    installServiceRegistrar(previous);
}
