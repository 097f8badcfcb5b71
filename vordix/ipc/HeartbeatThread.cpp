#include "vordix/ipc/HeartbeatThread.h"

#include "vordix/ipc/HeartbeatMessage.h"
#include "vordix/ipc/IPCServer.h"
#include "vordix/ipc/SocketInfo.h"

#include <chrono>
#include <ctime>

namespace VORDIX_IPC {

namespace {
using Clock = std::chrono::steady_clock;

int64_t millisecondsBetween(Clock::time_point from, Clock::time_point to)
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(to - from).count();
}

timespec wallClockNow()
{
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return now;
}
} // namespace

CHeartbeatThread::CHeartbeatThread(IIPCServer& manager, CSocketInfo& connection, int periodMs, int missedPeriods)
    : m_manager(manager)
    , m_connection(connection)
    , m_periodMs(periodMs < 1 ? 1 : periodMs)
    , m_missedPeriods(missedPeriods < 1 ? 1 : missedPeriods)
{
    m_connection.setPeriodMs(m_periodMs);
}

CHeartbeatThread::~CHeartbeatThread() { stop(); }

void CHeartbeatThread::start()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_running = true;
    m_thread = std::thread([this] { run(); });
}

void CHeartbeatThread::stop()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_running = false;
        if (m_inFlight)
            m_inFlight->resume(RESUME_CONNECTION_LOST);
    }
    m_wake.notify_all();
    if (m_thread.joinable() && m_thread.get_id() != std::this_thread::get_id())
        m_thread.join();
}

bool CHeartbeatThread::sleepUntilNextRound(int64_t milliseconds)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    if (milliseconds > 0)
        m_wake.wait_for(lock, std::chrono::milliseconds(milliseconds), [this] { return !m_running; });
    return m_running;
}

void CHeartbeatThread::run()
{
    Clock::time_point lastAnswer = Clock::now();
    timespec lastAnswerWall = wallClockNow();
    const int64_t cutOffMs = int64_t(m_missedPeriods) * m_periodMs;

    for (;;) {
        const Clock::time_point start = Clock::now();
        CHeartbeatMessage heartbeat;
        heartbeat.setRecipient(m_connection.getId(), HEARTBEAT_CHANNEL_TAG);
        heartbeat.setServer(&m_manager);
        // Never wait past the moment the peer is due to be cut off.
        const int64_t untilCutOff = cutOffMs - millisecondsBetween(lastAnswer, start);
        heartbeat.setReplyTimeoutMs(untilCutOff > 1 ? untilCutOff : 1);
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            if (!m_running)
                return;
            m_inFlight = &heartbeat;
        }
        heartbeat.send();
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_inFlight = nullptr;
        }
        const bool answered = heartbeat.isAnswered();
        const Clock::time_point end = Clock::now();
        if (answered) {
            lastAnswer = end;
            lastAnswerWall = wallClockNow();
        }
        const int64_t roundTripMs = millisecondsBetween(start, end);
        const double load =
            answered ? double(roundTripMs) / m_periodMs : double(millisecondsBetween(lastAnswer, end)) / m_periodMs;
        m_connection.storeHeartbeat(load, lastAnswerWall, int(roundTripMs));

        if (!answered && millisecondsBetween(lastAnswer, end) >= cutOffMs) {
            // The receiving thread sees the socket end and removes the connection.
            if (m_connection.getSocket())
                m_connection.getSocket()->shutdown();
            return;
        }
        if (!sleepUntilNextRound(m_periodMs - roundTripMs))
            return;
    }
}

} // namespace VORDIX_IPC
