#include "IpcTestSupport.h"
#include "RawPeer.h"

#include <chrono>

using namespace ipctest;
using rawpeer::Peer;

namespace {
using Clock = std::chrono::steady_clock;

int64_t msSince(Clock::time_point t)
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - t).count();
}

// How a test peer answers the heartbeats it reads.
enum class Answer { Reply, Refuse, Nothing };

// Reads heartbeats for `forMs` and answers them; returns how many came.
int serveHeartbeats(Peer& peer, Answer answer, int forMs)
{
    int count = 0;
    const auto start = Clock::now();
    rawpeer::Frame f;
    while (msSince(start) < forMs && peer.readFrame(f, forMs)) {
        EXPECT_EQ(f.length, 12u);
        EXPECT_EQ(f.version, 1);
        EXPECT_EQ(f.tag, 0xFF);
        EXPECT_EQ(f.kind, 1);
        EXPECT_EQ(f.reserved, 0);
        EXPECT_NE(f.id, 0u);
        ++count;
        if (answer == Answer::Reply)
            peer.send(rawpeer::frame(0, 2, f.id));
        if (answer == Answer::Refuse)
            peer.send(rawpeer::frame(0, 3, f.id));
    }
    return count;
}
} // namespace

using Heartbeat = ServedManager;

TEST_F(Heartbeat, OneHeartbeatPerPeriodWithTheFiguresOfAHealthyPeer)
{
    serve(1, 50);
    Peer peer(port);
    const uint32_t id = acceptedId();
    const int count = serveHeartbeats(peer, Answer::Reply, 600);
    // About twelve; generous bounds, the point is "regularly, not flooding".
    EXPECT_GE(count, 4);
    EXPECT_LE(count, 16);
    auto info = manager.getHeartbeatInfo(id);
    ASSERT_NE(info, nullptr);
    EXPECT_TRUE(info->isHealthy());
    EXPECT_LT(info->getLoad(), 1.0);
    EXPECT_GE(info->getRoundTripMs(), 0);
    EXPECT_NE(info->getLastHeartbeatTime().tv_sec, 0);
}

TEST_F(Heartbeat, TheProgramsPeriodIsOneSecond)
{
    serve(1);
    Peer peer(port);
    const uint32_t id = acceptedId();
    auto info = manager.getHeartbeatInfo(id);
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->getPeriod(), 1);
    rawpeer::Frame f;
    ASSERT_TRUE(peer.readFrame(f)) << "the first heartbeat goes out at once";
    peer.send(rawpeer::frame(0, 2, f.id));
    const auto answered = Clock::now();
    ASSERT_TRUE(peer.readFrame(f, 3000));
    EXPECT_GE(msSince(answered), 800) << "not before the period is over";
}

TEST_F(Heartbeat, APeerThatNeverAnswersIsCutOffAfterFiveMissedPeriods)
{
    for (Answer answer : {Answer::Nothing, Answer::Refuse}) {
        const size_t before = server.closed().size();
        if (before == 0)
            serve(1, 40);
        const auto start = Clock::now(); // before the connection, so before its heartbeat
        Peer peer(port);
        const uint32_t id = acceptedId(before + 1);
        auto info = manager.getHeartbeatInfo(id);
        ASSERT_NE(info, nullptr);
        std::thread answering([&] { serveHeartbeats(peer, answer, 4000); });
        ASSERT_TRUE(eventually([&] { return server.closed().size() == before + 1; }));
        EXPECT_GE(msSince(start), 5 * 40);
        answering.join();
        EXPECT_FALSE(info->isHealthy());
        EXPECT_GE(info->getLoad(), 5.0);
        EXPECT_EQ(toHost.ended(), int(before + 1));
    }
}

TEST_F(Heartbeat, AKilledPeerIsReportedAsAClosedConnection)
{
    serve(1, 30);
    Peer peer(port);
    const uint32_t id = acceptedId();
    serveHeartbeats(peer, Answer::Reply, 100);
    peer.close();
    ASSERT_TRUE(eventually([&] { return server.closed().size() == 1; }));
    EXPECT_EQ(server.closed()[0], id);
    EXPECT_EQ(manager.getHeartbeatInfo(id), nullptr);
}

TEST_F(Heartbeat, NoHeartbeatWithoutAPeriod)
{
    serve(0, 30);
    Peer peer(port);
    const uint32_t id = acceptedId();
    rawpeer::Frame f;
    EXPECT_FALSE(peer.readFrame(f, 200));
    auto info = manager.getHeartbeatInfo(id);
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->getLoad(), 0.0);
    EXPECT_EQ(info->getPeriod(), 0);
}
