#pragma once
// One connection of the connection manager: its socket, id, receiving
// record, heartbeat thread and the heartbeat's figures.

#include "vordix/ipc/HeartbeatInfo.h"
#include "vordix/ipc/Socket.h"

#include <cstdint>
#include <memory>
#include <mutex>

namespace VORDIX_IPC {

class CReceivingThread;
class CHeartbeatThread;

class CSocketInfo : public IHeartbeatInfo {
public:
    // Takes a connection id from the connection-id pool.
    explicit CSocketInfo(SocketHandle socket);
    ~CSocketInfo() override;
    CSocketInfo(const CSocketInfo&) = delete;
    CSocketInfo& operator=(const CSocketInfo&) = delete;

    uint32_t getId() const { return m_id; }
    const SocketHandle& getSocket() const { return m_socket; }

    // Writes one whole frame; frames of different threads never interleave.
    // A frame that could not be written completely (or in time) leaves the
    // stream unusable, so the connection is cut off.
    bool sendFrame(const uint8_t* frame, size_t length, int timeoutMs);

    // Created by the manager under its lock on the first setRecipient.
    std::unique_ptr<CReceivingThread> receiver;
    std::unique_ptr<CHeartbeatThread> heartbeat;

    // Heartbeat figures.
    void storeHeartbeat(double load, timespec lastAnswer, int roundTripMs);
    void setPeriodMs(int periodMs);
    bool isHealthy() const override;
    int getRoundTripMs() const override;
    int getPeriod() const override;
    timespec getLastHeartbeatTime() const override;
    double getLoad() const override;

private:
    const SocketHandle m_socket;
    const uint32_t m_id;
    std::mutex m_sendMutex;

    mutable std::mutex m_figuresMutex;
    timespec m_lastHeartbeat{};
    int m_roundTripMs = 0;
    double m_load = 0.0;
    int m_periodMs = 0;
};

} // namespace VORDIX_IPC
