#include "vordix/ipc/Socket.h"

#include <arpa/inet.h>
#include <cerrno>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace VORDIX_IPC {

namespace {

SocketHandle adopt(int fd) { return fd < 0 ? nullptr : std::make_shared<CSocketHandle>(fd); }

void tuneConnection(int fd)
{
    // Frames are small and answered at once; don't hold them back.
    int on = 1;
    setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
}

bool setBlocking(int fd, bool blocking)
{
    const int flags = fcntl(fd, F_GETFL, 0);
    if (flags < 0)
        return false;
    return fcntl(fd, F_SETFL, blocking ? flags & ~O_NONBLOCK : flags | O_NONBLOCK) == 0;
}

// Waits up to timeoutMs for the events asked for in p; a signal does not end
// the wait. As poll(): > 0 ready, 0 timed out, < 0 failed.
int pollRetrying(pollfd& p, int timeoutMs)
{
    int ready;
    do {
        ready = ::poll(&p, 1, timeoutMs);
    } while (ready < 0 && errno == EINTR);
    return ready;
}

} // namespace

CSocketHandle::~CSocketHandle()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

void CSocketHandle::shutdown()
{
    if (m_fd >= 0)
        ::shutdown(m_fd, SHUT_RDWR);
}

SocketHandle openListeningSocket(uint16_t port)
{
    SocketHandle s = adopt(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0));
    if (!s)
        return nullptr;
    int on = 1;
    setsockopt(s->fd(), SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_ANY);
    addr.sin_port = htons(port);
    if (::bind(s->fd(), reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0)
        return nullptr;
    if (::listen(s->fd(), 5) != 0)
        return nullptr;
    return s;
}

uint16_t localPort(const SocketHandle& socket)
{
    if (!socket)
        return 0;
    sockaddr_in addr{};
    socklen_t len = sizeof addr;
    if (getsockname(socket->fd(), reinterpret_cast<sockaddr*>(&addr), &len) != 0)
        return 0;
    return ntohs(addr.sin_port);
}

std::string peerAddress(const SocketHandle& socket)
{
    if (!socket)
        return {};
    sockaddr_in addr{};
    socklen_t len = sizeof addr;
    char dotted[INET_ADDRSTRLEN] = {};
    if (getpeername(socket->fd(), reinterpret_cast<sockaddr*>(&addr), &len) != 0 || addr.sin_family != AF_INET
        || !inet_ntop(AF_INET, &addr.sin_addr, dotted, sizeof dotted))
        return {};
    return dotted;
}

SocketHandle acceptConnection(const SocketHandle& listening)
{
    if (!listening)
        return nullptr;
    int fd;
    do {
        fd = ::accept4(listening->fd(), nullptr, nullptr, SOCK_CLOEXEC);
    } while (fd < 0 && errno == EINTR);
    if (fd >= 0)
        tuneConnection(fd);
    return adopt(fd);
}

SocketHandle connectSocket(uint32_t address, uint16_t port, int timeoutMs)
{
    SocketHandle s = adopt(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0));
    if (!s || !setBlocking(s->fd(), false))
        return nullptr;
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(address);
    addr.sin_port = htons(port);
    if (::connect(s->fd(), reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) {
        if (errno != EINPROGRESS)
            return nullptr;
        pollfd p{s->fd(), POLLOUT, 0};
        if (pollRetrying(p, timeoutMs) <= 0)
            return nullptr; // timed out or failed
        int error = 0;
        socklen_t len = sizeof error;
        if (getsockopt(s->fd(), SOL_SOCKET, SO_ERROR, &error, &len) != 0 || error != 0)
            return nullptr;
    }
    if (!setBlocking(s->fd(), true))
        return nullptr;
    tuneConnection(s->fd());
    return s;
}

bool parseIPv4(const std::string& text, uint32_t& address)
{
    in_addr a{};
    if (inet_pton(AF_INET, text.c_str(), &a) != 1)
        return false;
    address = ntohl(a.s_addr);
    return true;
}

SocketHandle resolveHostAddress(const std::string& host, uint16_t port, int timeoutMs)
{
    uint32_t address;
    if (parseIPv4(host, address))
        return connectSocket(address, port, timeoutMs);
    if (host.empty())
        return nullptr;
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (getaddrinfo(host.c_str(), nullptr, &hints, &found) != 0 || !found)
        return nullptr;
    address = ntohl(reinterpret_cast<sockaddr_in*>(found->ai_addr)->sin_addr.s_addr);
    freeaddrinfo(found);
    return connectSocket(address, port, timeoutMs);
}

bool sendAll(const SocketHandle& socket, const uint8_t* data, size_t length, int timeoutMs)
{
    if (!socket)
        return false;
    while (length > 0) {
        const ssize_t sent = ::send(socket->fd(), data, length, MSG_NOSIGNAL | MSG_DONTWAIT);
        if (sent > 0) {
            data += sent;
            length -= size_t(sent);
            continue;
        }
        if (sent < 0 && errno == EINTR)
            continue;
        if (sent < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            // The peer's window is full: wait for room, but not forever.
            pollfd p{socket->fd(), POLLOUT, 0};
            if (pollRetrying(p, timeoutMs) <= 0 || (p.revents & (POLLERR | POLLHUP | POLLNVAL)))
                return false;
            continue;
        }
        return false;
    }
    return true;
}

} // namespace VORDIX_IPC
