#pragma once
// The listening thread of a serving program: accepts connections on the
// listening socket and hands each to the connection manager.

#include "vordix/ipc/Socket.h"

#include <atomic>
#include <functional>
#include <thread>

namespace VORDIX_IPC {

class CListeningThread {
public:
    using AcceptHandler = std::function<void(SocketHandle)>;

    CListeningThread(SocketHandle listening, AcceptHandler onAccepted);
    ~CListeningThread(); // stops the thread and closes the listening socket
    CListeningThread(const CListeningThread&) = delete;
    CListeningThread& operator=(const CListeningThread&) = delete;

    bool start();
    // Ends the thread and waits for it (unless called on the thread itself).
    void stop();
    bool isCurrentThread() const;
    uint16_t getPort() const { return localPort(m_listening); }

private:
    void run();

    SocketHandle m_listening;
    AcceptHandler m_onAccepted;
    std::atomic<bool> m_running{false};
    int m_wakePipe[2] = {-1, -1}; // lets stop end a wait at once
    std::thread m_thread;
};

} // namespace VORDIX_IPC
