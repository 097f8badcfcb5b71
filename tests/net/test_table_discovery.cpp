// The join dialog's list of tables found over DNS-SD, against the stand-in
// library: its observer is added outside the list's lock (the browser tells
// the known tables at once, on the calling thread, and the list's news
// handler reads the list); stopping while news arrive leaves no late news;
// a resolved table carries the address to connect to.

#include "skat/net/TableDiscovery.h"
#include "vordix/ipc/DnsSd.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <future>
#include <mutex>
#include <thread>

using namespace std::chrono_literals;

namespace {

class TableDiscovery : public testing::Test {
protected:
    VORDIX_IPC::CDnsSdLibrary library{SKAT_STUB_DNSSD};
    VORDIX_IPC::CDnsSdRegistrar registrar{library};
};

TEST_F(TableDiscovery, TheNewsHandlerMayReadTheListWhileStartTellsTheKnownTables)
{
    ASSERT_TRUE(library.isLoaded());
    auto table = registrar.registerService(32333, L"Anna", L"skat");
    TABLE_DISCOVERY discovery(&library);
    std::atomic<std::size_t> seen{0};
    // Run on a thread of its own: a start that held the list's lock while
    // the browser called back would never return.
    auto started = std::async(std::launch::async, [&] {
        return discovery.start([&] { seen = std::max(seen.load(), discovery.tables().size()); });
    });
    ASSERT_EQ(started.wait_for(10s), std::future_status::ready) << "start() deadlocked";
    EXPECT_TRUE(started.get());
    for (int i = 0; i < 1000 && seen.load() == 0; ++i)
        std::this_thread::sleep_for(10ms);
    EXPECT_EQ(seen.load(), 1u);
    ASSERT_EQ(discovery.tables().size(), 1u);
    EXPECT_EQ(discovery.tables().front().name, L"Anna");
    discovery.stop();
}

// The dialog's list sorts its rows by name; a row's number must name the
// same table in the discovery's list.
TEST_F(TableDiscovery, TablesAreListedInTheOrderOfTheirNames)
{
    auto zora = registrar.registerService(1, L"Zora", L"skat");
    auto anna = registrar.registerService(2, L"Anna", L"skat");
    auto mia = registrar.registerService(3, L"Mia", L"skat");
    TABLE_DISCOVERY discovery(&library);
    std::mutex mutex;
    std::condition_variable changed;
    ASSERT_TRUE(discovery.start([&] { changed.notify_all(); }));
    {
        std::unique_lock lock(mutex);
        ASSERT_TRUE(changed.wait_for(lock, 10s, [&] { return discovery.tables().size() == 3; }));
    }
    std::vector<std::wstring> names;
    for (const FoundTable& table : discovery.tables())
        names.push_back(table.name);
    EXPECT_EQ(names, (std::vector<std::wstring>{L"Anna", L"Mia", L"Zora"}));
    discovery.stop();
}

TEST_F(TableDiscovery, AResolvedTableIsJoinedByItsAddress)
{
    auto table = registrar.registerService(4711, L"Bert", L"skat");
    TABLE_DISCOVERY discovery(&library);
    std::mutex mutex;
    std::condition_variable changed;
    ASSERT_TRUE(discovery.start([&] { changed.notify_all(); }));
    const auto waitFor = [&](auto predicate) {
        std::unique_lock lock(mutex);
        return changed.wait_for(lock, 10s, predicate);
    };
    ASSERT_TRUE(waitFor([&] { return discovery.tables().size() == 1; }));
    EXPECT_TRUE(discovery.tables().front().connectTo().empty());
    ASSERT_TRUE(discovery.resolve(0));
    ASSERT_TRUE(waitFor([&] { return !discovery.tables().front().address.empty(); }));
    const FoundTable found = discovery.tables().front();
    EXPECT_EQ(found.host, L"stubhost.local.");
    EXPECT_EQ(found.port, 4711);
    EXPECT_EQ(found.address, L"127.0.0.1");
    EXPECT_EQ(found.connectTo(), L"127.0.0.1");
    EXPECT_FALSE(discovery.resolve(5));
    discovery.stop();
}

// The dialog opens and closes while tables come and go: after stop() the
// news handler (which posts to a window that may be closing) is not called.
TEST_F(TableDiscovery, NoNewsAfterStopWhileTablesComeAndGo)
{
    std::atomic<bool> done{false};
    std::thread announcing([&] {
        for (int i = 0; !done && i < 3000; ++i) {
            auto table =
                registrar.registerService(uint16_t(2000 + i % 10), L"Tisch " + std::to_wstring(i % 5), L"skat");
            std::this_thread::yield();
        }
    });
    std::atomic<int> late{0};
    for (int round = 0; round < 100; ++round) {
        std::atomic<bool> stopped{false};
        TABLE_DISCOVERY discovery(&library);
        ASSERT_TRUE(discovery.start([&] {
            if (stopped)
                ++late;
        }));
        if (round % 3 == 0 && !discovery.tables().empty())
            discovery.resolve(0);
        std::this_thread::sleep_for(std::chrono::microseconds(300 * (round % 4)));
        discovery.stop();
        stopped = true;
        EXPECT_FALSE(discovery.isRunning());
    }
    done = true;
    announcing.join();
    EXPECT_EQ(late.load(), 0);
}

} // namespace
