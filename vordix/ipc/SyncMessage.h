#pragma once
// A request: sent with a message id, its sender waits until the reply, a
// refusal, a failed send or the loss of the connection resumes it. The
// receiving side builds one for each incoming request; the recipient may
// answer it with sendReply.

#include "vordix/ipc/MessageBase.h"

namespace VORDIX_IPC {

class CSyncMessage : public CWaitingMessage<CBodyMessage<ISyncMessage>> {
public:
    // An outgoing request with a fresh id from the message-id pool.
    CSyncMessage();
    // A request received with the peer's message id on a connection and channel.
    CSyncMessage(uint32_t messageId, uint32_t connectionId, uint8_t channelTag, IIPCServer* server = nullptr);
    ~CSyncMessage() override;

    bool send() override;
    bool sendReply() override;
    uint32_t getMessageId() const override { return m_messageId; }

private:
    const bool m_ownsId; // only ids from our own pool go back to it
    const uint32_t m_messageId;
};

} // namespace VORDIX_IPC
