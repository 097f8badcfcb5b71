#include "vordix/ipc/IPCServer_imp.h"

#include "vordix/ThreadSuspender.h"
#include "vordix/Utf8.h"
#include "vordix/ipc/Frame.h"
#include "vordix/ipc/HeartbeatThread.h"
#include "vordix/ipc/ListeningThread.h"
#include "vordix/ipc/OfferedService.h"
#include "vordix/ipc/ReceivingThread.h"
#include "vordix/ipc/SocketInfo.h"

#include <algorithm>
#include <vector>

namespace VORDIX_IPC {

IIPCServer& defaultIPCServer() { return CIPCServer_imp::instance(); }

CIPCServer_imp& CIPCServer_imp::instance()
{
    static CIPCServer_imp* manager = new CIPCServer_imp;
    return *manager;
}

namespace {
// The managers whose connection this thread is removing right now: a wait
// for the removals of other threads must not count the thread's own.
thread_local std::vector<const CIPCServer_imp*> t_removing;
} // namespace

CIPCServer_imp::CIPCServer_imp() = default;

CIPCServer_imp::~CIPCServer_imp()
{
    closeAll();
    removeAllConnections(false);
    stop();
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_removalDone.wait(lock, [this] { return m_removalsInProgress == 0; });
    }
    reapFinished();
}

bool CIPCServer_imp::startServer(IServer* callback, int heartbeatSeconds)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_state != IPC_IDLE || m_listener || !m_service)
        return false;
    SocketHandle listening = openListeningSocket(m_service->getPort());
    if (!listening)
        return false;
    auto listener = std::make_unique<CListeningThread>(
        listening, [this](SocketHandle accepted) { onAccepted(std::move(accepted)); });
    if (!listener->start())
        return false;
    m_heartbeatPeriodMs = heartbeatSeconds < 1              ? 0
                          : m_timings.heartbeatPeriodMs > 0 ? m_timings.heartbeatPeriodMs
                                                            : heartbeatSeconds * 1000;
    m_server = callback;
    m_state = IPC_SERVER;
    m_listener = std::move(listener);
    // Advertising may fail (no DNS-SD on this machine); the server keeps listening.
    return m_service->registerService(m_listener->getPort());
}

bool CIPCServer_imp::startServerWithoutHeartbeat(IServer* callback) { return startServer(callback, 0); }

void CIPCServer_imp::stop()
{
    std::unique_ptr<COfferedService> service;
    std::unique_ptr<CListeningThread> listener;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        service = std::move(m_service);
        listener = std::move(m_listener);
    }
    service.reset();
    if (!listener)
        return;
    listener->stop();
    if (listener->isCurrentThread()) {
        // Stopped from a callback on the listening thread: joined later.
        std::lock_guard<std::mutex> lock(m_mutex);
        m_finishedListeners.push_back(std::move(listener));
    }
}

void CIPCServer_imp::closeAll()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_state != IPC_SERVER)
            return;
    }
    stop();
    removeAllConnections(true);
    // A receiving thread that saw its peer go is still telling the owner;
    // the owner may be freed as soon as this returns.
    waitForOtherRemovals();
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_state = IPC_IDLE;
        m_server = nullptr;
        m_heartbeatPeriodMs = 0;
    }
    reapFinished();
}

bool CIPCServer_imp::offerService(uint16_t port, const std::wstring& instanceName, const std::wstring& serviceType)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_service)
        return false;
    m_service = std::make_unique<COfferedService>(port, instanceName, serviceType);
    return true;
}

bool CIPCServer_imp::connectToAddress(IClient* callback, uint32_t address, uint16_t port)
{
    int timeoutMs;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_state != IPC_IDLE || m_connecting)
            return false;
        m_connecting = true;
        timeoutMs = m_timings.connectTimeoutMs;
    }
    return connectWith(callback, connectSocket(address, port, timeoutMs));
}

bool CIPCServer_imp::connectToHost(IClient* callback, const std::wstring& host, uint16_t port)
{
    int timeoutMs;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_state != IPC_IDLE || m_connecting)
            return false;
        m_connecting = true;
        timeoutMs = m_timings.connectTimeoutMs;
    }
    return connectWith(callback, resolveHostAddress(vordix::toUtf8(host), port, timeoutMs));
}

bool CIPCServer_imp::connectWith(IClient* callback, SocketHandle socket)
{
    reapFinished();
    uint32_t id;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_connecting = false;
        if (!socket || m_state != IPC_IDLE)
            return false;
        auto info = std::make_shared<CSocketInfo>(std::move(socket));
        id = info->getId();
        m_connections[id] = std::move(info);
        m_state = IPC_CLIENT;
        m_client = callback;
    }
    if (callback)
        callback->connected(id);
    return true;
}

void CIPCServer_imp::disconnect(uint32_t connectionId)
{
    bool client;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        client = m_state == IPC_CLIENT;
    }
    if (client)
        removeConnection(connectionId, true);
    // The connection may be ending on its receiving thread (the peer went):
    // the caller may free the client as soon as this returns. A receiving
    // thread itself does not wait: the removal may be joining it.
    if (!CReceivingThread::onAnyReceivingThread())
        waitForOtherRemovals();
}

void CIPCServer_imp::waitForOtherRemovals()
{
    const int own = int(std::count(t_removing.begin(), t_removing.end(), this));
    std::unique_lock<std::mutex> lock(m_mutex);
    m_removalDone.wait(lock, [this, own] { return m_removalsInProgress == own; });
}

bool CIPCServer_imp::setRecipient(uint32_t connectionId, IRecipient* recipient)
{
    if (!recipient)
        return false;
    std::lock_guard<std::mutex> lock(m_mutex);
    auto info = findConnection(connectionId);
    if (!info)
        return false;
    if (info->receiver) {
        info->receiver->addRecipient(recipient);
        return true;
    }
    info->receiver = std::make_unique<CReceivingThread>(*this, info->getSocket(), connectionId);
    info->receiver->addRecipient(recipient);
    info->receiver->start();
    if (m_state == IPC_SERVER && m_heartbeatPeriodMs >= 1) {
        info->heartbeat =
            std::make_unique<CHeartbeatThread>(*this, *info, m_heartbeatPeriodMs, m_timings.missedHeartbeats);
        info->heartbeat->start();
    }
    return true;
}

bool CIPCServer_imp::sendSyncMessage(ISyncMessage& request)
{
    std::shared_ptr<CSocketInfo> info;
    int timeoutMs;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_state == IPC_IDLE || request.getChannelTag() == NO_CHANNEL_TAG)
            return false;
        info = findConnection(request.getRecipient());
        // Without a receiving thread no answer could ever arrive.
        if (!info || !info->receiver)
            return false;
        timeoutMs = m_timings.sendTimeoutMs;
    }
    uint32_t length = 0;
    uint8_t* frame = request.getBuffer(length);
    if (!frame || !isAcceptableFrameLength(length))
        return false;
    writeFrameHeader(frame, {length, FRAME_VERSION, request.getChannelTag(), FRAME_REQUEST, 0, request.getMessageId()});

    CReceivingThread& receiver = *info->receiver;
    if (!receiver.addWaiting(request))
        return false; // the connection has just ended
    // Sending inside the suspend action: the reply cannot overtake the wait.
    request.setSuspendAction([info, frame, length, timeoutMs] { return info->sendFrame(frame, length, timeoutMs); });
    request.waitForReply();
    request.setSuspendAction({});
    receiver.removeWaiting(request);
    return request.isAnswered();
}

bool CIPCServer_imp::sendAsyncMessage(IMessage& message)
{
    if (message.getChannelTag() == NO_CHANNEL_TAG)
        return false;
    return sendHeaderAndFrame(message, FRAME_ONE_WAY, message.getChannelTag(), 0);
}

bool CIPCServer_imp::sendReplyMessage(ISyncMessage& reply)
{
    return sendHeaderAndFrame(reply, FRAME_REPLY, reply.getChannelTag(), reply.getMessageId());
}

bool CIPCServer_imp::sendHeaderAndFrame(IMessage& message, uint8_t kind, uint8_t channelTag, uint32_t messageId)
{
    std::shared_ptr<CSocketInfo> info;
    int timeoutMs;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_state == IPC_IDLE)
            return false;
        info = findConnection(message.getRecipient());
        if (!info)
            return false;
        timeoutMs = m_timings.sendTimeoutMs;
    }
    uint32_t length = 0;
    uint8_t* frame = message.getBuffer(length);
    if (!frame || !isAcceptableFrameLength(length))
        return false;
    writeFrameHeader(frame, {length, FRAME_VERSION, channelTag, kind, 0, messageId});
    return info->sendFrame(frame, length, timeoutMs);
}

bool CIPCServer_imp::sendRefusal(uint32_t connectionId, uint32_t messageId)
{
    std::shared_ptr<CSocketInfo> info;
    int timeoutMs;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_state == IPC_IDLE)
            return false;
        info = findConnection(connectionId);
        if (!info)
            return false;
        timeoutMs = m_timings.sendTimeoutMs;
    }
    uint8_t frame[FRAME_HEADER_SIZE];
    writeFrameHeader(frame, {FRAME_HEADER_SIZE, FRAME_VERSION, NO_CHANNEL_TAG, FRAME_REFUSAL, 0, messageId});
    return info->sendFrame(frame, sizeof frame, timeoutMs);
}

int CIPCServer_imp::getState() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_state;
}

std::shared_ptr<IHeartbeatInfo> CIPCServer_imp::getHeartbeatInfo(uint32_t connectionId)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return findConnection(connectionId);
}

void CIPCServer_imp::setTimings(const Timings& timings)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_timings = timings;
}

CIPCServer_imp::Timings CIPCServer_imp::getTimings() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_timings;
}

uint16_t CIPCServer_imp::getListeningPort() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_listener ? m_listener->getPort() : 0;
}

size_t CIPCServer_imp::getConnectionCount() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_connections.size();
}

uint32_t CIPCServer_imp::addConnection(SocketHandle socket)
{
    auto info = std::make_shared<CSocketInfo>(std::move(socket));
    const uint32_t id = info->getId();
    std::lock_guard<std::mutex> lock(m_mutex);
    m_connections[id] = std::move(info);
    return id;
}

void CIPCServer_imp::onAccepted(SocketHandle socket)
{
    reapFinished();
    IServer* callback;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_state != IPC_SERVER || m_connections.size() >= m_timings.maxConnections) {
            socket->shutdown(); // refused; closed when the handle goes
            return;
        }
        callback = m_server;
    }
    const uint32_t id = addConnection(std::move(socket));
    if (!callback || !callback->connectionAccepted(id))
        removeConnection(id, false);
}

std::string CIPCServer_imp::getPeerAddress(uint32_t connectionId) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const auto info = findConnection(connectionId);
    return info ? peerAddress(info->getSocket()) : std::string();
}

std::shared_ptr<CSocketInfo> CIPCServer_imp::findConnection(uint32_t connectionId) const
{
    auto it = m_connections.find(connectionId);
    return it == m_connections.end() ? nullptr : it->second;
}

void CIPCServer_imp::removeConnection(uint32_t connectionId, bool notify)
{
    std::shared_ptr<CSocketInfo> info;
    bool wasClient;
    IServer* server;
    IClient* client;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        auto it = m_connections.find(connectionId);
        if (it == m_connections.end())
            return;
        info = std::move(it->second);
        m_connections.erase(it);
        wasClient = m_state == IPC_CLIENT;
        server = m_server;
        client = m_client;
        ++m_removalsInProgress;
    }
    t_removing.push_back(this);
    if (info->getSocket())
        info->getSocket()->shutdown();
    CReceivingThread* receiver = info->receiver.get();
    const bool onOwnThread = receiver && receiver->isCurrentThread();
    if (receiver) {
        receiver->join(); // returns at once on its own thread
        receiver->closeWaiting(RESUME_CONNECTION_LOST);
    }
    if (info->heartbeat)
        info->heartbeat->stop();
    if (receiver)
        receiver->notifyRecipientsEnded();
    if (wasClient) {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_state == IPC_CLIENT && m_connections.empty()) {
            m_state = IPC_IDLE;
            m_client = nullptr;
        }
    }
    if (notify) {
        if (wasClient) {
            if (client)
                client->disconnected();
        } else if (server) {
            server->connectionClosed(connectionId);
        }
    }
    t_removing.erase(std::find(t_removing.begin(), t_removing.end(), this));
    std::lock_guard<std::mutex> lock(m_mutex);
    if (onOwnThread)
        m_finished.push_back(std::move(info));
    --m_removalsInProgress;
    m_removalDone.notify_all();
}

void CIPCServer_imp::removeAllConnections(bool notify)
{
    std::vector<uint32_t> ids;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        for (const auto& [id, info] : m_connections)
            ids.push_back(id);
    }
    for (uint32_t id : ids)
        removeConnection(id, notify);
}

void CIPCServer_imp::reapFinished()
{
    std::vector<std::shared_ptr<CSocketInfo>> finished;
    std::vector<std::unique_ptr<CListeningThread>> listeners;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        finished.swap(m_finished);
        listeners.swap(m_finishedListeners);
    }
    std::vector<std::shared_ptr<CSocketInfo>> keep;
    for (auto& info : finished) {
        if (info->receiver->isCurrentThread())
            keep.push_back(std::move(info));
        else
            info->receiver->join();
    }
    std::vector<std::unique_ptr<CListeningThread>> keepListeners;
    for (auto& listener : listeners) {
        if (listener->isCurrentThread())
            keepListeners.push_back(std::move(listener));
    }
    if (keep.empty() && keepListeners.empty())
        return;
    std::lock_guard<std::mutex> lock(m_mutex);
    for (auto& info : keep)
        m_finished.push_back(std::move(info));
    for (auto& listener : keepListeners)
        m_finishedListeners.push_back(std::move(listener));
}

} // namespace VORDIX_IPC
