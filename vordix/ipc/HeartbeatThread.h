#pragma once
// The server's heartbeat on one connection: a header-only request on the
// heartbeat channel once per period, with its round trip and load stored in
// the connection's figures. A peer that has not answered for a number of
// periods is cut off, and the game learns of it as a lost connection.

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>

namespace VORDIX_IPC {

class IIPCServer;
class ISyncMessage;
class CSocketInfo;

class CHeartbeatThread {
public:
    CHeartbeatThread(IIPCServer& manager, CSocketInfo& connection, int periodMs, int missedPeriods);
    ~CHeartbeatThread();
    CHeartbeatThread(const CHeartbeatThread&) = delete;
    CHeartbeatThread& operator=(const CHeartbeatThread&) = delete;

    void start();
    // Ends the thread and waits for it; wakes a heartbeat still in flight.
    void stop();

private:
    void run();
    bool sleepUntilNextRound(int64_t milliseconds);

    IIPCServer& m_manager;
    CSocketInfo& m_connection;
    const int m_periodMs;
    const int m_missedPeriods;

    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_running = false;
    ISyncMessage* m_inFlight = nullptr;
    std::thread m_thread;
};

} // namespace VORDIX_IPC
