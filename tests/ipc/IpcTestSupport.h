#pragma once
// Recording callbacks and a served manager on 127.0.0.1 for the network tests.

#include "vordix/ipc/Frame.h"
#include "vordix/ipc/IPCServer_imp.h"
#include "vordix/ipc/OfferedService.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace ipctest {

using namespace VORDIX_IPC;

// Polls a condition until it holds or the bound passes; never hangs a test.
inline bool eventually(const std::function<bool()>& condition, int boundMs = 5000)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(boundMs);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > end)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

struct Received {
    uint32_t connection;
    uint8_t tag;
    bool sync;
    std::vector<std::string> parts;
};

class RecordingRecipient : public IRecipient {
public:
    explicit RecordingRecipient(uint8_t tag) : m_tag(tag) { }

    // Optional answer to requests: runs on the receiving thread.
    std::function<void(IMessage&)> onReceive;

    void receive(IMessage& m) override
    {
        Received r{m.getRecipient(), m.getChannelTag(), m.isSync(), {}};
        for (uint32_t i = 0; i < m.getPartCount(); ++i) {
            uint32_t n = 0;
            const uint8_t* p = m.getPart(i, n);
            r.parts.emplace_back(reinterpret_cast<const char*>(p), n);
        }
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_received.push_back(r);
        }
        if (onReceive)
            onReceive(m);
    }
    void connectionEnded(uint32_t) override
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        ++m_ended;
    }
    uint8_t getChannelTag() const override { return m_tag; }

    std::vector<Received> received() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_received;
    }
    size_t count() const { return received().size(); }
    int ended() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_ended;
    }

private:
    const uint8_t m_tag;
    mutable std::mutex m_mutex;
    std::vector<Received> m_received;
    int m_ended = 0;
};

// Accepts every connection and registers the recipients on it.
class RecordingServer : public IServer {
public:
    RecordingServer(IIPCServer& manager, std::vector<IRecipient*> recipients)
        : m_manager(manager)
        , m_recipients(std::move(recipients))
    {
    }

    bool acceptAll = true;

    bool connectionAccepted(uint32_t id) override
    {
        if (!acceptAll)
            return false;
        for (IRecipient* r : m_recipients)
            m_manager.setRecipient(id, r);
        std::lock_guard<std::mutex> lock(m_mutex);
        m_accepted.push_back(id);
        return true;
    }
    void connectionClosed(uint32_t id) override
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_closed.push_back(id);
    }
    std::vector<uint32_t> accepted() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_accepted;
    }
    std::vector<uint32_t> closed() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_closed;
    }

private:
    IIPCServer& m_manager;
    std::vector<IRecipient*> m_recipients;
    mutable std::mutex m_mutex;
    std::vector<uint32_t> m_accepted;
    std::vector<uint32_t> m_closed;
};

class RecordingClient : public IClient {
public:
    void connected(uint32_t id) override
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_id = id;
    }
    void disconnected() override
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        ++m_disconnects;
    }
    uint32_t id() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_id;
    }
    int disconnects() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_disconnects;
    }

private:
    mutable std::mutex m_mutex;
    uint32_t m_id = 0;
    int m_disconnects = 0;
};

// Stands in for DNS-SD: every registration succeeds.
class FakeRegistrar : public IServiceRegistrar {
public:
    std::shared_ptr<void> registerService(uint16_t, const std::wstring&, const std::wstring&) override
    {
        return std::make_shared<int>(1);
    }
};

// Timings that keep the tests short.
inline CIPCServer_imp::Timings fastTimings(int heartbeatMs = 0)
{
    CIPCServer_imp::Timings t;
    t.heartbeatPeriodMs = heartbeatMs;
    t.sendTimeoutMs = 500;
    t.connectTimeoutMs = 2000;
    return t;
}

// A manager serving on a free loopback port, with recipients for the
// client-to-host channel and (optionally) more.
class ServedManager : public ::testing::Test {
protected:
    void SetUp() override { m_previous = installServiceRegistrar(std::make_shared<FakeRegistrar>()); }
    void TearDown() override
    {
        manager.closeAll();
        installServiceRegistrar(m_previous);
    }

    // heartbeatSeconds 0: no heartbeat; otherwise heartbeatMs is the period.
    void serve(int heartbeatSeconds = 0, int heartbeatMs = 0)
    {
        manager.setTimings(fastTimings(heartbeatMs));
        ASSERT_TRUE(manager.offerService(0, L"", L"skat"));
        ASSERT_TRUE(manager.startServer(&server, heartbeatSeconds));
        port = manager.getListeningPort();
        ASSERT_NE(port, 0);
    }

    // Waits until the server has accepted `n` connections; returns the last id.
    uint32_t acceptedId(size_t n = 1)
    {
        EXPECT_TRUE(eventually([&] { return server.accepted().size() >= n; }));
        auto ids = server.accepted();
        return ids.size() >= n ? ids[n - 1] : 0;
    }

    // Declared before the manager so they outlive it.
    RecordingRecipient toHost{SERVER_CHANNEL_TAG};
    RecordingServer server{manager, {&toHost}};
    CIPCServer_imp manager;
    uint16_t port = 0;

private:
    std::shared_ptr<IServiceRegistrar> m_previous;
};

} // namespace ipctest
