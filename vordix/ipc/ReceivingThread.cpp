#include "vordix/ipc/ReceivingThread.h"

#include "vordix/ipc/AsyncMessage.h"
#include "vordix/ipc/HeartbeatMessage.h"
#include "vordix/ipc/IPCServer_imp.h"
#include "vordix/ipc/SyncMessage.h"

#include <cerrno>
#include <sys/socket.h>
#include <vector>

namespace VORDIX_IPC {

CReceivingThread::CReceivingThread(CIPCServer_imp& manager, SocketHandle socket, uint32_t connectionId)
    : m_manager(manager)
    , m_socket(std::move(socket))
    , m_connectionId(connectionId)
{
}

CReceivingThread::~CReceivingThread()
{
    // The manager joins the thread before the record goes; a record whose
    // thread removed its own connection is joined from the manager's list
    // of finished connections.
    if (m_thread.joinable())
        m_thread.detach();
}

void CReceivingThread::start()
{
    m_thread = std::thread([this] { run(); });
}

void CReceivingThread::join()
{
    if (m_thread.joinable() && !isCurrentThread())
        m_thread.join();
}

bool CReceivingThread::isCurrentThread() const { return m_thread.get_id() == std::this_thread::get_id(); }

void CReceivingThread::addRecipient(IRecipient* recipient)
{
    std::lock_guard<std::mutex> lock(m_recipientsMutex);
    m_recipients[recipient->getChannelTag()] = recipient;
}

IRecipient* CReceivingThread::recipientFor(uint8_t channelTag)
{
    std::lock_guard<std::mutex> lock(m_recipientsMutex);
    auto it = m_recipients.find(channelTag);
    return it == m_recipients.end() ? nullptr : it->second;
}

bool CReceivingThread::addWaiting(ISyncMessage& request)
{
    std::lock_guard<std::mutex> lock(m_waitingMutex);
    if (m_waitingClosed)
        return false;
    m_waiting[request.getMessageId()] = t_SendSyncData{&request, false, {}};
    return true;
}

void CReceivingThread::removeWaiting(ISyncMessage& request)
{
    t_SendSyncData entry;
    {
        std::lock_guard<std::mutex> lock(m_waitingMutex);
        auto it = m_waiting.find(request.getMessageId());
        if (it == m_waiting.end() || it->second.request != &request)
            return;
        entry = std::move(it->second);
        m_waiting.erase(it);
    }
    if (entry.answered)
        request.setData(entry.reply.data(), uint32_t(entry.reply.size()));
}

void CReceivingThread::closeWaiting(int code)
{
    std::lock_guard<std::mutex> lock(m_waitingMutex);
    m_waitingClosed = true;
    for (auto& [id, entry] : m_waiting)
        entry.request->resume(code);
}

void CReceivingThread::notifyRecipientsEnded()
{
    std::map<uint8_t, IRecipient*> recipients;
    {
        std::lock_guard<std::mutex> lock(m_recipientsMutex);
        recipients = m_recipients;
    }
    for (auto& [tag, recipient] : recipients)
        recipient->connectionEnded(m_connectionId);
}

namespace {
thread_local bool t_receiving = false;
} // namespace

bool CReceivingThread::onAnyReceivingThread() { return t_receiving; }

void CReceivingThread::run()
{
    t_receiving = true;
    CFrameAssembler assembler;
    for (;;) {
        size_t room = 0;
        uint8_t* space = assembler.freeSpace(room);
        const ssize_t got = ::recv(m_socket->fd(), space, room, 0);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        const auto status = assembler.received(size_t(got));
        if (status == CFrameAssembler::Status::BadLength)
            break;
        if (status == CFrameAssembler::Status::FrameReady) {
            const bool keep = dispatch(assembler.frame(), assembler.frameLength());
            assembler.next();
            if (!keep)
                break;
        }
    }
    // Nothing of this record is touched after the removal: the manager may
    // drop it meanwhile (it keeps it alive until this thread is joined).
    m_manager.removeConnection(m_connectionId, true);
}

bool CReceivingThread::dispatch(const uint8_t* frame, uint32_t length)
{
    const FrameHeader header = readFrameHeader(frame);
    if (!isKnownFrame(header))
        return true; // skipped, the stream stays in step
    const uint8_t* body = frame + FRAME_HEADER_SIZE;
    const uint32_t bodyLength = length - FRAME_HEADER_SIZE;

    switch (header.frameKind) {
    case FRAME_ONE_WAY: {
        std::vector<PartView> parts;
        if (!splitParts(body, bodyLength, parts))
            return false;
        IRecipient* recipient = recipientFor(header.channelTag);
        if (!recipient)
            return true;
        CAsyncMessage message(m_connectionId, header.channelTag);
        message.setServer(&m_manager);
        for (const PartView& part : parts)
            message.addData(part.data, part.length);
        recipient->receive(message);
        return true;
    }
    case FRAME_REQUEST: {
        IRecipient* recipient = recipientFor(header.channelTag);
        if (recipient) {
            // The recipient gets the body as it came and may answer with sendReply.
            CSyncMessage request(header.messageId, m_connectionId, header.channelTag, &m_manager);
            request.setData(body, bodyLength);
            recipient->receive(request);
        } else if (header.channelTag == HEARTBEAT_CHANNEL_TAG) {
            CHeartbeatMessage reply(header.messageId, m_connectionId, &m_manager);
            reply.sendReply();
        } else {
            m_manager.sendRefusal(m_connectionId, header.messageId);
        }
        return true;
    }
    case FRAME_REPLY: {
        std::lock_guard<std::mutex> lock(m_waitingMutex);
        auto it = m_waiting.find(header.messageId);
        if (it != m_waiting.end() && !it->second.answered) {
            it->second.answered = true;
            it->second.reply.assign(body, body + bodyLength);
            it->second.request->resume(RESUME_ANSWERED);
        }
        return true;
    }
    case FRAME_REFUSAL: {
        std::lock_guard<std::mutex> lock(m_waitingMutex);
        auto it = m_waiting.find(header.messageId);
        if (it != m_waiting.end() && !it->second.answered)
            it->second.request->resume(RESUME_REFUSED);
        return true;
    }
    }
    return true;
}

} // namespace VORDIX_IPC
