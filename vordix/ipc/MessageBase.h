#pragma once
// What the message classes share: the recipient and channel tag, the
// connection manager the message goes through, the body of parts, and for
// requests the suspender in which the sender waits.

#include "vordix/ThreadSuspender.h"
#include "vordix/ipc/Frame.h"
#include "vordix/ipc/FrameBuffer.h"
#include "vordix/ipc/Message.h"

namespace VORDIX_IPC {

// The process-wide connection manager (CIPCServer_imp::instance()).
IIPCServer& defaultIPCServer();

// Recipient, channel tag and manager of a message. `server` null means the
// process-wide manager; messages built by a receiving thread name the
// manager they arrived through.
template <class Interface>
class CAddressedMessage : public Interface {
public:
    void setRecipient(uint32_t connectionId, uint8_t channelTag) override
    {
        m_connectionId = connectionId;
        m_channelTag = channelTag;
    }
    uint32_t getRecipient() const override { return m_connectionId; }
    uint8_t getChannelTag() const override { return m_channelTag; }
    void setServer(IIPCServer* server) { m_server = server; }

protected:
    IIPCServer& server() const { return m_server ? *m_server : defaultIPCServer(); }

private:
    uint32_t m_connectionId = 0;
    uint8_t m_channelTag = 0;
    IIPCServer* m_server = nullptr;
};

// A message whose frame carries a body of parts.
template <class Interface>
class CBodyMessage : public CAddressedMessage<Interface> {
public:
    void setData(const void* bytes, uint32_t length) override { m_body.setData(bytes, length); }
    void addData(const void* bytes, uint32_t length) override { m_body.addData(bytes, length); }
    uint8_t* getBuffer(uint32_t& length) override
    {
        length = uint32_t(m_body.size());
        return m_body.frame();
    }
    const uint8_t* getPart(uint32_t index, uint32_t& length) const override { return m_body.part(index, length); }
    const uint8_t* getData(uint32_t& length) const override { return m_body.part(0, length); }
    uint32_t getPartCount() const override { return m_body.partCount(); }
    // The frame's size without the 32-bit truncation of getBuffer.
    size_t frameSize() const { return m_body.size(); }

private:
    CFrameBuffer m_body;
};

// The waiting side of a request.
template <class Base>
class CWaitingMessage : public Base {
public:
    int waitForReply() override
    {
        return m_replyTimeoutMs > 0 ? m_suspender.waitForMs(m_replyTimeoutMs) : m_suspender.wait();
    }
    void resume(int code) override { m_suspender.resume(code); }
    bool isAnswered() const override { return m_suspender.getState() == RESUME_ANSWERED; }
    void setSuspendAction(std::function<bool()> action) override { m_suspender.setSuspendAction(std::move(action)); }
    int getResumeCode() const override { return m_suspender.getState(); }
    void setReplyTimeoutMs(int64_t milliseconds) override { m_replyTimeoutMs = milliseconds; }

private:
    CThreadSuspender m_suspender;
    int64_t m_replyTimeoutMs = 0;
};

} // namespace VORDIX_IPC
