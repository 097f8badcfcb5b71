// Service discovery through a DNS-SD library loaded at run time, against a
// stub library: registering (flags 0, no name, the port in network order),
// browsing with observers that join late or leave while news arrive,
// resolving to host, port and address, withdrawing; and what happens where
// the library is missing or refuses.

#include "vordix/ipc/DnsSd.h"
#include "vordix/ipc/IPCServer_imp.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <dlfcn.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <optional>
#include <thread>

using namespace VORDIX_IPC;

namespace {

// Records what an observer is told, in order.
class Recorder : public IObserver {
public:
    void serviceAdded(bool more, const CService& service) override
    {
        add("+" + std::string(service.name.begin(), service.name.end()) + (more ? "…" : ""));
    }
    void serviceRemoved(bool more, const CService& service) override
    {
        add("-" + std::string(service.name.begin(), service.name.end()) + (more ? "…" : ""));
    }
    void resetServices() override { add("reset"); }
    std::vector<std::string> calls()
    {
        std::lock_guard lock(mutex_);
        return calls_;
    }
    bool waitFor(std::size_t count)
    {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, std::chrono::seconds(10), [&] { return calls_.size() >= count; });
    }

private:
    void add(std::string call)
    {
        {
            std::lock_guard lock(mutex_);
            calls_.push_back(std::move(call));
        }
        changed_.notify_all();
    }
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<std::string> calls_;
};

template <class T>
T stubFunction(const char* name)
{
    void* handle = ::dlopen(SKAT_STUB_DNSSD, RTLD_NOW | RTLD_NOLOAD);
    return handle ? reinterpret_cast<T>(::dlsym(handle, name)) : nullptr;
}

TEST(DnsSd, TheRegistrationTypeIsTheFirstFourteenCharactersOfTheServiceType)
{
    EXPECT_EQ(registrationType(L"skat"), "_skat._tcp.");
    EXPECT_EQ(registrationType(L"abcdefghijklmnopq"), "_abcdefghijklmn._tcp.");
}

TEST(DnsSd, WithoutTheLibraryNothingIsAdvertisedOrFoundButTheServerListens)
{
    CDnsSdLibrary missing("/nonexistent/libdns_sd.so.1");
    EXPECT_FALSE(missing.isLoaded());
    CDnsSdRegistrar registrar(missing);
    EXPECT_EQ(registrar.registerService(32333, L"", L"skat"), nullptr);
    CServiceBrowser browser(missing, L"", L"skat");
    Recorder recorder;
    EXPECT_EQ(browser.addObserver(&recorder), -1);
    CDnsSdLibrary::Ref ref = nullptr;
    EXPECT_EQ(missing.browse(&ref, 0, 0, "_skat._tcp.", nullptr, nullptr, nullptr), CDnsSdLibrary::SERVICE_NOT_RUNNING);
    EXPECT_EQ(missing.socketOf(ref), -1);

    auto previous = installServiceRegistrar(std::make_shared<CDnsSdRegistrar>(missing));
    {
        CIPCServer_imp manager;
        ASSERT_TRUE(manager.offerService(0, L"", L"skat"));
        VORDIX_IPC::IServer* none = nullptr;
        EXPECT_FALSE(manager.startServerWithoutHeartbeat(none)); // not advertised ...
        EXPECT_EQ(manager.getState(), IPC_SERVER);               // ... but listening
        EXPECT_NE(manager.getListeningPort(), 0);
        manager.closeAll();
    }
    installServiceRegistrar(previous);
}

TEST(DnsSd, ARegisteredTableIsFoundResolvedAndWithdrawn)
{
    CDnsSdLibrary library(SKAT_STUB_DNSSD);
    ASSERT_TRUE(library.isLoaded());
    CDnsSdRegistrar registrar(library);
    auto first = registrar.registerService(32333, L"", L"skat");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(stubFunction<uint32_t (*)()>("stub_last_register_flags")(), 0u);
    EXPECT_EQ(stubFunction<int (*)()>("stub_last_register_name_was_null")(), 1);
    EXPECT_EQ(stubFunction<uint16_t (*)()>("stub_last_register_port")(), htons(32333));
    auto second = registrar.registerService(4711, L"Zweiter Tisch", L"skat");
    ASSERT_NE(second, nullptr);
    auto other = registrar.registerService(1, L"", L"otherservice");

    CServiceBrowser browser(library, L"", L"skat");
    Recorder early;
    const int earlyId = browser.addObserver(&early);
    ASSERT_GT(earlyId, 0);
    ASSERT_TRUE(early.waitFor(3));
    EXPECT_EQ(early.calls(), (std::vector<std::string>{"reset", "+stubhost…", "+Zweiter Tisch"}));

    // A later observer hears of the known tables at once, the last one without "more".
    Recorder late;
    const int lateId = browser.addObserver(&late);
    ASSERT_GT(lateId, earlyId);
    EXPECT_EQ(late.calls(), (std::vector<std::string>{"reset", "+stubhost…", "+Zweiter Tisch"}));

    CAddressResolver resolver(library);
    std::mutex mutex;
    std::condition_variable done;
    std::optional<CService> resolved;
    CService wanted;
    wanted.name = L"Zweiter Tisch";
    wanted.regType = registrationType(L"skat");
    int answers = 0;
    ASSERT_TRUE(resolver.resolve(wanted, [&](bool ok, const CService& service) {
        std::lock_guard lock(mutex);
        ++answers;
        if (ok)
            resolved = service;
        done.notify_all();
    }));
    {
        // First the host's name and the port, then the host's address.
        std::unique_lock lock(mutex);
        ASSERT_TRUE(done.wait_for(lock, std::chrono::seconds(10),
                                  [&] { return resolved.has_value() && !resolved->address.empty(); }));
        EXPECT_EQ(answers, 2);
    }
    EXPECT_EQ(resolved->host, L"stubhost.local.");
    EXPECT_EQ(resolved->port, 4711);
    EXPECT_EQ(resolved->address, L"127.0.0.1");

    second.reset();
    ASSERT_TRUE(late.waitFor(4));
    EXPECT_EQ(late.calls().back(), "-Zweiter Tisch");
    browser.removeObserver(earlyId);
    browser.removeObserver(lateId);
}

// Observers come and go, the last one too, while a registration thread
// keeps announcing and withdrawing tables: once removeObserver returns the
// observer hears nothing more and is destroyed at once.
TEST(DnsSd, ObserversLeaveSafelyWhileNewsArrive)
{
    CDnsSdLibrary library(SKAT_STUB_DNSSD);
    ASSERT_TRUE(library.isLoaded());
    CDnsSdRegistrar registrar(library);
    CServiceBrowser browser(library, L"", L"skat");

    class Watched : public IObserver {
    public:
        explicit Watched(std::atomic<int>& lateCalls) : lateCalls_(lateCalls) { }
        void serviceAdded(bool, const CService&) override { call(); }
        void serviceRemoved(bool, const CService&) override { call(); }
        void resetServices() override { call(); }
        std::atomic<bool> removed{false};
        std::atomic<int> calls{0};

    private:
        void call()
        {
            ++calls;
            if (removed)
                ++lateCalls_;
        }
        std::atomic<int>& lateCalls_;
    };

    std::atomic<bool> stop{false};
    std::thread announcing([&] {
        for (int i = 0; !stop && i < 2000; ++i) {
            auto table =
                registrar.registerService(uint16_t(1000 + i % 50), L"Tisch " + std::to_wstring(i % 7), L"skat");
            std::this_thread::yield();
        }
    });
    std::atomic<int> lateCalls{0};
    std::atomic<int> heard{0};
    const auto comeAndGo = [&](int rounds) {
        for (int i = 0; i < rounds; ++i) {
            auto observer = std::make_unique<Watched>(lateCalls);
            const int id = browser.addObserver(observer.get());
            ASSERT_GT(id, 0);
            std::this_thread::sleep_for(std::chrono::microseconds(200 * (i % 5)));
            browser.removeObserver(id);
            observer->removed = true;
            heard += observer->calls.load();
            // Destroyed here: a call still under way would touch freed memory.
        }
    };
    std::thread other(comeAndGo, 150);
    comeAndGo(150);
    other.join();
    stop = true;
    announcing.join();
    EXPECT_EQ(lateCalls.load(), 0);
    EXPECT_GE(heard.load(), 300); // at least each one's reset

    // Browsing starts again after the last observer had left.
    Recorder again;
    auto table = registrar.registerService(4711, L"Letzter Tisch", L"skat");
    const int id = browser.addObserver(&again);
    ASSERT_GT(id, 0);
    ASSERT_TRUE(again.waitFor(2));
    const auto calls = again.calls();
    EXPECT_NE(std::find(calls.begin(), calls.end(), "+Letzter Tisch"), calls.end());
    browser.removeObserver(id);
}

TEST(DnsSd, ARefusedRegistrationIsOnlyAWarningTheTableStillListens)
{
    CDnsSdLibrary library(SKAT_STUB_DNSSD);
    ASSERT_TRUE(library.isLoaded());
    ::setenv("STUB_DNSSD_REFUSE", "1", 1);
    auto previous = installServiceRegistrar(std::make_shared<CDnsSdRegistrar>(library));
    {
        CIPCServer_imp manager;
        ASSERT_TRUE(manager.offerService(0, L"", L"skat"));
        EXPECT_FALSE(manager.startServerWithoutHeartbeat(nullptr));
        EXPECT_EQ(manager.getState(), IPC_SERVER);
        manager.closeAll();
    }
    ::unsetenv("STUB_DNSSD_REFUSE");
    {
        CIPCServer_imp manager;
        ASSERT_TRUE(manager.offerService(0, L"", L"skat"));
        EXPECT_TRUE(manager.startServerWithoutHeartbeat(nullptr));
        manager.closeAll();
    }
    installServiceRegistrar(previous);
}

} // namespace
