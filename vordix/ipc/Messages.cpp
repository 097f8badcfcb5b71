#include "vordix/IdPool.h"
#include "vordix/ipc/AsyncMessage.h"
#include "vordix/ipc/HeartbeatMessage.h"
#include "vordix/ipc/IPCServer.h"
#include "vordix/ipc/SyncMessage.h"

namespace VORDIX_IPC {

bool CAsyncMessage::send() { return server().sendAsyncMessage(*this); }

CSyncMessage::CSyncMessage() : m_ownsId(true), m_messageId(allocateMessageId()) { }

CSyncMessage::CSyncMessage(uint32_t messageId, uint32_t connectionId, uint8_t channelTag, IIPCServer* server)
    : m_ownsId(false)
    , m_messageId(messageId)
{
    setRecipient(connectionId, channelTag);
    setServer(server);
}

CSyncMessage::~CSyncMessage()
{
    if (m_ownsId)
        releaseMessageId(m_messageId);
}

bool CSyncMessage::send() { return server().sendSyncMessage(*this); }
bool CSyncMessage::sendReply() { return server().sendReplyMessage(*this); }

CHeartbeatMessage::CHeartbeatMessage() : m_ownsId(true), m_messageId(allocateMessageId())
{
    setRecipient(0, HEARTBEAT_CHANNEL_TAG);
    setSuspendAction([] { return true; });
}

CHeartbeatMessage::CHeartbeatMessage(uint32_t messageId, uint32_t connectionId, IIPCServer* server)
    : m_ownsId(false)
    , m_messageId(messageId)
{
    setRecipient(connectionId, NO_CHANNEL_TAG);
    setServer(server);
}

CHeartbeatMessage::~CHeartbeatMessage()
{
    if (m_ownsId)
        releaseMessageId(m_messageId);
}

bool CHeartbeatMessage::send() { return server().sendSyncMessage(*this); }
bool CHeartbeatMessage::sendReply() { return server().sendReplyMessage(*this); }

} // namespace VORDIX_IPC
