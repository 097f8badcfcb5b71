#include "vordix/ipc/SocketSelectThread.h"

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace VORDIX_IPC {

namespace {
constexpr int kRoundMs = 2000;
} // namespace

CSocketSelectThread::~CSocketSelectThread()
{
    stop();
    if (m_thread.joinable())
        m_thread.detach(); // only when stopped from its own thread
    for (int fd : m_wakePipe)
        if (fd >= 0)
            ::close(fd);
}

bool CSocketSelectThread::start(int socket, std::function<void()> onReadable)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (socket < 0 || !onReadable || m_thread.joinable())
        return false;
    if (m_wakePipe[0] < 0 && ::pipe2(m_wakePipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return false;
    m_socket = socket;
    m_onReadable = std::move(onReadable);
    m_running = true;
    m_thread = std::thread([this] { run(); });
    return true;
}

void CSocketSelectThread::stop()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_running = false;
    }
    if (m_wakePipe[1] >= 0) {
        const char wake = 1;
        [[maybe_unused]] ssize_t ignored = ::write(m_wakePipe[1], &wake, 1);
    }
    if (m_thread.joinable() && m_thread.get_id() != std::this_thread::get_id())
        m_thread.join();
}

bool CSocketSelectThread::isRunning() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_running;
}

void CSocketSelectThread::run()
{
    for (;;) {
        pollfd fds[2] = {{m_socket, POLLIN, 0}, {m_wakePipe[0], POLLIN, 0}};
        const int ready = ::poll(fds, 2, kRoundMs);
        if (!isRunning())
            break;
        if (ready < 0 && errno != EINTR)
            break;
        if (ready > 0 && (fds[1].revents & POLLIN)) {
            char drained[16];
            while (::read(m_wakePipe[0], drained, sizeof drained) > 0) { }
        }
        if (ready > 0 && (fds[0].revents & (POLLIN | POLLHUP | POLLERR)))
            m_onReadable();
    }
}

} // namespace VORDIX_IPC
