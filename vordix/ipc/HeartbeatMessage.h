#pragma once
// A heartbeat request or the reply to one: a header-only frame.

#include "vordix/ipc/MessageBase.h"

#include <array>

namespace VORDIX_IPC {

class CHeartbeatMessage : public CWaitingMessage<CAddressedMessage<ISyncMessage>> {
public:
    // An outgoing heartbeat on the heartbeat channel with a fresh message id.
    CHeartbeatMessage();
    // The reply to a received heartbeat (channel tag 0).
    CHeartbeatMessage(uint32_t messageId, uint32_t connectionId, IIPCServer* server = nullptr);
    ~CHeartbeatMessage() override;

    bool send() override;
    bool sendReply() override;
    uint32_t getMessageId() const override { return m_messageId; }

    // No body: data is ignored and no part is there to read.
    void setData(const void*, uint32_t) override { }
    void addData(const void*, uint32_t) override { }
    uint8_t* getBuffer(uint32_t& length) override
    {
        length = uint32_t(m_header.size());
        return m_header.data();
    }
    const uint8_t* getPart(uint32_t, uint32_t& length) const override
    {
        length = 0;
        return nullptr;
    }
    const uint8_t* getData(uint32_t& length) const override { return getPart(0, length); }
    uint32_t getPartCount() const override { return 1; }

private:
    std::array<uint8_t, 12> m_header{};
    const bool m_ownsId;
    const uint32_t m_messageId;
};

} // namespace VORDIX_IPC
