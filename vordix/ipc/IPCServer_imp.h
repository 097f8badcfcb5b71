#pragma once
// The connection manager: serves (listens and accepts) or is a client of
// one server; keeps the open connections by id, sends one-way messages,
// requests, replies and refusals, and runs a receiving thread (and, when
// serving with a heartbeat, a heartbeat thread) per connection.

#include "vordix/ipc/IPCServer.h"
#include "vordix/ipc/Socket.h"

#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>
#include <vector>

namespace VORDIX_IPC {

class CSocketInfo;
class CListeningThread;
class COfferedService;

class CIPCServer_imp : public IIPCServer {
public:
    // Timing and limits; the defaults are the program's, tests shorten them.
    struct Timings {
        int heartbeatPeriodMs = 0; // 0: the seconds given to startServer
        int missedHeartbeats = 5;  // unanswered periods before a cut-off
        int sendTimeoutMs = 5000;  // a peer that takes nothing this long is cut off
        int connectTimeoutMs = DEFAULT_CONNECT_TIMEOUT_MS;
        size_t maxConnections = 8; // further connections are refused
    };

    // The process-wide manager, created on first use and never deleted.
    static CIPCServer_imp& instance();

    CIPCServer_imp();
    ~CIPCServer_imp() override; // ends every connection and thread
    CIPCServer_imp(const CIPCServer_imp&) = delete;
    CIPCServer_imp& operator=(const CIPCServer_imp&) = delete;

    bool startServer(IServer* callback, int heartbeatSeconds) override;
    bool startServerWithoutHeartbeat(IServer* callback) override;
    void stop() override;
    void closeAll() override;
    bool offerService(uint16_t port, const std::wstring& instanceName, const std::wstring& serviceType) override;
    bool connectToAddress(IClient* callback, uint32_t address, uint16_t port) override;
    bool connectToHost(IClient* callback, const std::wstring& host, uint16_t port) override;
    void disconnect(uint32_t connectionId) override;
    bool setRecipient(uint32_t connectionId, IRecipient* recipient) override;
    bool sendSyncMessage(ISyncMessage& request) override;
    bool sendAsyncMessage(IMessage& message) override;
    bool sendReplyMessage(ISyncMessage& reply) override;
    int getState() const override;
    std::shared_ptr<IHeartbeatInfo> getHeartbeatInfo(uint32_t connectionId) override;

    void setTimings(const Timings& timings);
    Timings getTimings() const;
    // The port the server listens on (useful when the offered port was 0).
    uint16_t getListeningPort() const;
    size_t getConnectionCount() const;
    // The dotted IPv4 address of the connection's peer; empty when unknown.
    std::string getPeerAddress(uint32_t connectionId) const;

    // Used by the listening and receiving threads.
    uint32_t addConnection(SocketHandle socket);
    // Unlinks the connection under the lock; then, outside it, shuts its
    // socket, joins its threads (never the calling thread itself), wakes its
    // waiting requests with RESUME_CONNECTION_LOST and, with notify, tells
    // the callback.
    void removeConnection(uint32_t connectionId, bool notify);
    // removeConnection for every connection there is now.
    void removeAllConnections(bool notify);
    bool sendRefusal(uint32_t connectionId, uint32_t messageId);

private:
    bool connectWith(IClient* callback, SocketHandle socket);
    void onAccepted(SocketHandle socket);
    std::shared_ptr<CSocketInfo> findConnection(uint32_t connectionId) const; // lock held
    bool sendHeaderAndFrame(IMessage& message, uint8_t kind, uint8_t channelTag, uint32_t messageId);
    // Joins the threads of connections that removed themselves.
    void reapFinished();
    // Waits until the removals other threads have begun are done.
    void waitForOtherRemovals();

    mutable std::mutex m_mutex;
    int m_state = IPC_IDLE;
    bool m_connecting = false;
    std::unique_ptr<CListeningThread> m_listener;
    std::map<uint32_t, std::shared_ptr<CSocketInfo>> m_connections;
    // Connections removed on their own receiving thread, joined later.
    std::vector<std::shared_ptr<CSocketInfo>> m_finished;
    std::vector<std::unique_ptr<CListeningThread>> m_finishedListeners;
    // Removals between unlinking and their last step; the destructor waits for them.
    int m_removalsInProgress = 0;
    std::condition_variable m_removalDone;
    IServer* m_server = nullptr;
    IClient* m_client = nullptr;
    std::unique_ptr<COfferedService> m_service;
    int m_heartbeatPeriodMs = 0;
    Timings m_timings;
};

} // namespace VORDIX_IPC
