#pragma once
// The connection manager's interface and the callbacks through which it
// reports to the game's adapters.

#include "vordix/ipc/HeartbeatInfo.h"
#include "vordix/ipc/Message.h"

#include <cstdint>
#include <memory>
#include <string>

namespace VORDIX_IPC {

// Callbacks of a serving program. Called on the listening or a receiving
// thread, without any lock of the manager held.
class IServer {
public:
    virtual ~IServer() = default;
    virtual bool connectionAccepted(uint32_t connectionId) = 0; // false rejects it
    virtual void connectionClosed(uint32_t connectionId) = 0;
};

// Callbacks of a client program.
class IClient {
public:
    virtual ~IClient() = default;
    virtual void connected(uint32_t connectionId) = 0;
    virtual void disconnected() = 0;
};

// Takes the messages of one channel tag on one connection. receive runs on
// the connection's receiving thread; the message lives only during the call.
class IRecipient {
public:
    virtual ~IRecipient() = default;
    virtual void receive(IMessage& message) = 0;
    virtual void connectionEnded(uint32_t connectionId) = 0;
    virtual uint8_t getChannelTag() const = 0;
};

enum IPCState : int { IPC_IDLE = 0, IPC_SERVER = 1, IPC_CLIENT = 2 };

class IIPCServer {
public:
    virtual ~IIPCServer() = default;
    virtual bool startServer(IServer* callback, int heartbeatSeconds) = 0;
    virtual bool startServerWithoutHeartbeat(IServer* callback) = 0;
    virtual void stop() = 0;
    virtual void closeAll() = 0;
    virtual bool offerService(uint16_t port, const std::wstring& instanceName, const std::wstring& serviceType) = 0;
    // address: IPv4 in host byte order.
    virtual bool connectToAddress(IClient* callback, uint32_t address, uint16_t port) = 0;
    // host: a dotted IPv4 address or a host name.
    virtual bool connectToHost(IClient* callback, const std::wstring& host, uint16_t port) = 0;
    // Ends a client's connection; returns once it has ended on every thread
    // (also when its receiving thread was ending it already).
    virtual void disconnect(uint32_t connectionId) = 0;
    virtual bool setRecipient(uint32_t connectionId, IRecipient* recipient) = 0;
    virtual bool sendSyncMessage(ISyncMessage& request) = 0;
    virtual bool sendAsyncMessage(IMessage& message) = 0;
    virtual bool sendReplyMessage(ISyncMessage& reply) = 0;
    virtual int getState() const = 0;
    // Null for an id that is not in the table; stays valid while held.
    virtual std::shared_ptr<IHeartbeatInfo> getHeartbeatInfo(uint32_t connectionId) = 0;
};

} // namespace VORDIX_IPC
