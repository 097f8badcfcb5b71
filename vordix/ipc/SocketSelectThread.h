#pragma once
// A thread that waits for one socket to become readable and then calls a
// function (for DNS-SD: process the reference's result), until stopped.

#include <functional>
#include <mutex>
#include <thread>

namespace VORDIX_IPC {

class CSocketSelectThread {
public:
    CSocketSelectThread() = default;
    ~CSocketSelectThread();
    CSocketSelectThread(const CSocketSelectThread&) = delete;
    CSocketSelectThread& operator=(const CSocketSelectThread&) = delete;

    // False when the socket or the function is missing, or it already runs.
    bool start(int socket, std::function<void()> onReadable);
    // Ends the thread and waits for it (unless called from the function).
    void stop();
    bool isRunning() const;

private:
    void run();

    int m_socket = -1;
    std::function<void()> m_onReadable;
    mutable std::mutex m_mutex;
    bool m_running = false;
    int m_wakePipe[2] = {-1, -1};
    std::thread m_thread;
};

} // namespace VORDIX_IPC
