#include "IpcTestSupport.h"
#include "RawPeer.h"

#include "vordix/ipc/AsyncMessage.h"
#include "vordix/ipc/SyncMessage.h"

#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>

using namespace ipctest;
using rawpeer::Bytes;
using rawpeer::Peer;

namespace {
struct CorpusEntry {
    std::string name;
    Bytes bytes;
    bool closes;
};

std::vector<CorpusEntry> loadCorpus()
{
    std::vector<CorpusEntry> entries;
    for (const auto& file : std::filesystem::directory_iterator(SKAT_TEST_DATA_DIR "/frames")) {
        if (file.path().extension() != ".bin")
            continue;
        std::ifstream in(file.path(), std::ios::binary);
        const std::string name = file.path().stem().string();
        entries.push_back({name, Bytes(std::istreambuf_iterator<char>(in), {}), name.rfind("close-", 0) == 0});
    }
    return entries;
}

const Bytes probe = rawpeer::frame(0x0D, 0, 0, rawpeer::partsBody({"probe"}));
} // namespace

using HostilePeer = ServedManager;

TEST_F(HostilePeer, MalformedFramesCloseOnlyTheirConnectionOrAreSkipped)
{
    serve();
    Peer bystander(port);
    const uint32_t bystanderId = acceptedId();

    const auto corpus = loadCorpus();
    ASSERT_GE(corpus.size(), 10u);
    size_t connections = 1;
    size_t closed = 0;
    for (const CorpusEntry& entry : corpus) {
        Peer hostile(port);
        acceptedId(++connections);
        const size_t seenBefore = toHost.count();
        ASSERT_TRUE(hostile.send(entry.bytes)) << entry.name;
        if (entry.closes) {
            EXPECT_TRUE(hostile.seesClose()) << entry.name;
            ++closed;
            EXPECT_TRUE(eventually([&] { return server.closed().size() == closed; })) << entry.name;
            EXPECT_EQ(toHost.count(), seenBefore) << entry.name;
        } else {
            // Skipped: the next good frame is the only thing delivered.
            ASSERT_TRUE(hostile.send(probe)) << entry.name;
            ASSERT_TRUE(eventually([&] { return toHost.count() == seenBefore + 1; })) << entry.name;
            EXPECT_EQ(toHost.received().back().parts, std::vector<std::string>{"probe"}) << entry.name;
            hostile.close();
            ++closed;
            EXPECT_TRUE(eventually([&] { return server.closed().size() == closed; })) << entry.name;
        }
    }
    ASSERT_TRUE(bystander.send(probe));
    ASSERT_TRUE(eventually([&] {
        auto all = toHost.received();
        return !all.empty() && all.back().connection == bystanderId;
    }));
}

TEST_F(HostilePeer, EveryLengthBelowTheHeaderEndsTheConnection)
{
    serve();
    size_t connections = 0;
    for (uint32_t length = 0; length < 12; ++length) {
        Peer hostile(port);
        acceptedId(++connections);
        // Only the length word: the receiver must not wait for a header that
        // the length says is not there.
        ASSERT_TRUE(hostile.send(Bytes{0, 0, 0, uint8_t(length)}));
        EXPECT_TRUE(hostile.seesClose()) << length;
    }
    EXPECT_TRUE(eventually([&] { return server.closed().size() == 12; }));
}

TEST_F(HostilePeer, AFrameCutOffMidwayEndsWithTheConnection)
{
    serve();
    Peer hostile(port);
    acceptedId();
    Bytes frame = rawpeer::frame(0x0D, 0, 0, rawpeer::partsBody({"half of it"}));
    frame.resize(frame.size() / 2);
    ASSERT_TRUE(hostile.send(frame));
    hostile.close();
    EXPECT_TRUE(eventually([&] { return server.closed().size() == 1; }));
    EXPECT_EQ(toHost.count(), 0u);
}

TEST_F(HostilePeer, APeerAnnouncingAHugeFrameCannotHoldTheServer)
{
    serve();
    Peer hostile(port);
    acceptedId();
    // 16 MiB announced, a few bytes sent, then silence; closeAll still ends it.
    ASSERT_TRUE(hostile.send(rawpeer::rawFrame(16u * 1024 * 1024, 1, 0x0D, 0, 0, Bytes(100, 0))));
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    manager.closeAll();
    EXPECT_TRUE(hostile.seesClose());
    EXPECT_EQ(server.closed().size(), 1u);
}

TEST_F(HostilePeer, APeerThatStopsReadingIsCutOffAndTheOthersKeepWorking)
{
    serve();
    Peer stalled(port);
    const uint32_t stalledId = acceptedId(1);
    Peer reader(port);
    const uint32_t readerId = acceptedId(2);

    std::atomic<int> framesRead{0};
    std::thread reading([&] {
        rawpeer::Frame f;
        while (reader.readFrame(f, 2000))
            ++framesRead;
    });

    const std::string block(64 * 1024, 'x');
    int sentToReader = 0;
    bool stalledCutOff = false;
    // Bounded: the kernel buffers a few MiB at most before the stalled peer blocks.
    for (int round = 0; round < 1000 && !stalledCutOff; ++round) {
        for (uint32_t id : {stalledId, readerId}) {
            CAsyncMessage m(id, CLIENT_CHANNEL_TAG);
            m.setServer(&manager);
            m.setData(block.data(), uint32_t(block.size()));
            const bool sent = m.send();
            if (id == readerId) {
                EXPECT_TRUE(sent) << round;
                sentToReader += sent;
            } else if (!sent) {
                stalledCutOff = true;
            }
        }
    }
    EXPECT_TRUE(stalledCutOff);
    EXPECT_TRUE(eventually([&] {
        auto closed = server.closed();
        return std::find(closed.begin(), closed.end(), stalledId) != closed.end();
    }));
    EXPECT_TRUE(eventually([&] { return framesRead.load() == sentToReader; }));
    reader.shutdown();
    reading.join();
}

TEST_F(HostilePeer, AReplyArrivingBeforeTheRequestIsFullyReadIsSafe)
{
    serve();
    Peer peer(port);
    const uint32_t id = acceptedId();

    CSyncMessage request;
    request.setServer(&manager);
    request.setRecipient(id, CLIENT_CHANNEL_TAG);
    const std::string big(4 * 1024 * 1024, 'q');
    request.setData(big.data(), uint32_t(big.size()));
    std::atomic<bool> answered{false};
    std::thread sender([&] { answered = request.send(); });

    // Answer after the header only, while the sender is still writing.
    uint8_t header[12];
    ASSERT_TRUE(peer.readExactly(header, 12, 3000));
    ASSERT_TRUE(peer.send(rawpeer::frame(0x2A, 2, rawpeer::readU32(header + 8), rawpeer::partsBody({"early"}))));
    std::vector<uint8_t> rest(rawpeer::readU32(header) - 12);
    ASSERT_TRUE(peer.readExactly(rest.data(), rest.size(), 3000));
    sender.join();
    EXPECT_TRUE(answered.load());
    uint32_t n = 0;
    const uint8_t* data = request.getData(n);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(data), n),
              std::string(reinterpret_cast<const char*>(rawpeer::partsBody({"early"}).data()), 13));
}
