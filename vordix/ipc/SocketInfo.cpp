#include "vordix/ipc/SocketInfo.h"

#include "vordix/IdPool.h"
#include "vordix/ipc/HeartbeatThread.h"
#include "vordix/ipc/ReceivingThread.h"

namespace VORDIX_IPC {

CSocketInfo::CSocketInfo(SocketHandle socket) : m_socket(std::move(socket)), m_id(allocateConnectionId()) { }

CSocketInfo::~CSocketInfo()
{
    // The manager has stopped both threads before the last holder lets go.
    heartbeat.reset();
    receiver.reset();
    releaseConnectionId(m_id);
}

bool CSocketInfo::sendFrame(const uint8_t* frame, size_t length, int timeoutMs)
{
    std::lock_guard<std::mutex> lock(m_sendMutex);
    if (sendAll(m_socket, frame, length, timeoutMs))
        return true;
    if (m_socket)
        m_socket->shutdown();
    return false;
}

void CSocketInfo::storeHeartbeat(double load, timespec lastAnswer, int roundTripMs)
{
    std::lock_guard<std::mutex> lock(m_figuresMutex);
    m_load = load;
    m_lastHeartbeat = lastAnswer;
    m_roundTripMs = roundTripMs;
}

void CSocketInfo::setPeriodMs(int periodMs)
{
    std::lock_guard<std::mutex> lock(m_figuresMutex);
    m_periodMs = periodMs;
}

bool CSocketInfo::isHealthy() const { return getLoad() <= 1.0; }

int CSocketInfo::getRoundTripMs() const
{
    std::lock_guard<std::mutex> lock(m_figuresMutex);
    return m_roundTripMs;
}

int CSocketInfo::getPeriod() const
{
    std::lock_guard<std::mutex> lock(m_figuresMutex);
    return m_periodMs / 1000;
}

timespec CSocketInfo::getLastHeartbeatTime() const
{
    std::lock_guard<std::mutex> lock(m_figuresMutex);
    return m_lastHeartbeat;
}

double CSocketInfo::getLoad() const
{
    std::lock_guard<std::mutex> lock(m_figuresMutex);
    return m_load;
}

} // namespace VORDIX_IPC
