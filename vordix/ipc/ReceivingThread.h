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
#include <vector>

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
    // Whether the calling thread is any connection's receiving thread.
    static bool onAnyReceivingThread();

    void addRecipient(IRecipient* recipient);

    // Requests waiting for an answer on this connection. Once the connection
    // has ended no request is taken any more.
    bool addWaiting(ISyncMessage& request);
    // Takes the request out of the table once its wait has ended and, when a
    // reply came, gives it the reply's body. Only the sender's thread touches
    // the request's frame: its send may still be reading it when a (hostile,
    // early) reply arrives.
    void removeWaiting(ISyncMessage& request);
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

    // A request waiting for its answer, and the reply body once it came.
    struct t_SendSyncData {
        ISyncMessage* request = nullptr;
        bool answered = false;
        std::vector<uint8_t> reply;
    };
    std::mutex m_waitingMutex;
    std::map<uint32_t, t_SendSyncData> m_waiting;
    bool m_waitingClosed = false;

    std::thread m_thread;
};

} // namespace VORDIX_IPC
