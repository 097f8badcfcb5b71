#pragma once
// Message objects of the network layer: one-way messages, requests that
// wait for an answer, and the replies to them. Every message holds its
// frame, so the connection manager writes the header in place and sends
// the bytes as they are.

#include <cstdint>
#include <functional>

namespace VORDIX_IPC {

class IIPCServer;

class IMessage {
public:
    virtual ~IMessage() = default;
    // The connection the message goes to or came from, and its channel tag.
    virtual void setRecipient(uint32_t connectionId, uint8_t channelTag) = 0;
    // Hands the message to its connection manager; true when every byte went out
    // (for a request: when it was answered).
    virtual bool send() = 0;
    // Replaces the whole body by one part holding a copy of the bytes.
    virtual void setData(const void* bytes, uint32_t length) = 0;
    // Appends one part holding a copy of the bytes.
    virtual void addData(const void* bytes, uint32_t length) = 0;
    virtual uint32_t getRecipient() const = 0;
    virtual uint8_t getChannelTag() const = 0;
    // The whole frame, header included, and its length.
    virtual uint8_t* getBuffer(uint32_t& length) = 0;
    // Part `index`; null and length 0 when there is no such part.
    virtual const uint8_t* getPart(uint32_t index, uint32_t& length) const = 0;
    virtual const uint8_t* getData(uint32_t& length) const = 0; // part 0
    virtual uint32_t getPartCount() const = 0;
    virtual bool isSync() const = 0;
};

class IAsyncMessage : public IMessage {
public:
    bool isSync() const override { return false; }
};

class ISyncMessage : public IMessage {
public:
    bool isSync() const override { return true; }
    // Runs the suspend action (the actual send) and blocks until resumed;
    // returns the resume code.
    virtual int waitForReply() = 0;
    virtual void resume(int code) = 0;
    virtual bool isAnswered() const = 0; // resumed with RESUME_ANSWERED
    virtual void setSuspendAction(std::function<bool()> action) = 0;
    // Sends this message as the reply to the request it came with.
    virtual bool sendReply() = 0;
    virtual uint32_t getMessageId() const = 0;
    // The code the last wait ended with.
    virtual int getResumeCode() const = 0;
    // Bounds waitForReply (0 = no limit); it then ends with RESUME_TIMED_OUT.
    virtual void setReplyTimeoutMs(int64_t milliseconds) = 0;
};

} // namespace VORDIX_IPC
