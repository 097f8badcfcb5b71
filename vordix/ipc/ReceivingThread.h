#pragma once
// The receiving side of one connection: reads frames, hands one-way
// messages and requests to the recipient of their channel tag, wakes the
// requests waiting for a reply or refusal, and answers heartbeats itself.

#include "vordix/ipc/Frame.h"
#include "vordix/ipc/Message.h"
#include "vordix/ipc/Socket.h"

#include <cstdint>
#include <map>
#include <mutex>
#include <thread>

namespace VORDIX_IPC {

class CIPCServer_imp;
class IRecipient;

class CReceivingThread {
public:
    CReceivingThread(CIPCServer_imp& manager, SocketHandle socket, uint32_t connectionId);
    ~CReceivingThread();
    CReceivingThread(const CReceivingThread&) = delete;
    CReceivingThread& operator=(const CReceivingThread&) = delete;

    void start();
    // Waits for the thread to end; the socket must have been shut down.
    // Never called from the thread itself.
    void join();
    bool isCurrentThread() const;

    void addRecipient(IRecipient* recipient);

    // Requests waiting for an answer on this connection. Once the connection
    // has ended no request is taken any more.
    bool addWaiting(ISyncMessage& request);
    void removeWaiting(uint32_t messageId);
    // Wakes every waiting request with `code` and takes no more.
    void closeWaiting(int code);
    // Tells every recipient that the connection has ended.
    void notifyRecipientsEnded();

private:
    void run();
    // False when the frame breaks the protocol and the connection must end.
    bool dispatch(const uint8_t* frame, uint32_t length);
    IRecipient* recipientFor(uint8_t channelTag);

    CIPCServer_imp& m_manager;
    const SocketHandle m_socket;
    const uint32_t m_connectionId;

    std::mutex m_recipientsMutex;
    std::map<uint8_t, IRecipient*> m_recipients;

    std::mutex m_waitingMutex;
    std::map<uint32_t, ISyncMessage*> m_waiting;
    bool m_waitingClosed = false;

    std::thread m_thread;
};

} // namespace VORDIX_IPC
