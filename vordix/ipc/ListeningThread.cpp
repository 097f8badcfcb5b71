#include "vordix/ipc/ListeningThread.h"

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace VORDIX_IPC {

namespace {
// Each wait lasts at most this long, so a lost wake-up costs one round.
constexpr int kRoundMs = 200;
} // namespace

CListeningThread::CListeningThread(SocketHandle listening, AcceptHandler onAccepted)
    : m_listening(std::move(listening))
    , m_onAccepted(std::move(onAccepted))
{
}

CListeningThread::~CListeningThread()
{
    stop();
    if (m_thread.joinable())
        m_thread.detach(); // only when stopped from its own thread
    for (int fd : m_wakePipe)
        if (fd >= 0)
            ::close(fd);
}

bool CListeningThread::start()
{
    if (!m_listening || m_thread.joinable())
        return false;
    if (::pipe2(m_wakePipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return false;
    m_running = true;
    m_thread = std::thread([this] { run(); });
    return true;
}

void CListeningThread::stop()
{
    m_running = false;
    if (m_wakePipe[1] >= 0) {
        const char wake = 1;
        [[maybe_unused]] ssize_t ignored = ::write(m_wakePipe[1], &wake, 1);
    }
    if (m_thread.joinable() && !isCurrentThread())
        m_thread.join();
}

bool CListeningThread::isCurrentThread() const { return m_thread.get_id() == std::this_thread::get_id(); }

void CListeningThread::run()
{
    while (m_running) {
        pollfd fds[2] = {{m_listening->fd(), POLLIN, 0}, {m_wakePipe[0], POLLIN, 0}};
        const int ready = ::poll(fds, 2, kRoundMs);
        if (ready < 0 && errno != EINTR)
            break;
        if (!m_running)
            break;
        if (ready > 0 && (fds[0].revents & POLLIN)) {
            SocketHandle accepted = acceptConnection(m_listening);
            if (accepted)
                m_onAccepted(std::move(accepted));
        }
    }
}

} // namespace VORDIX_IPC
