#pragma once
// TCP sockets on POSIX: a shared handle that closes the socket when its
// last holder lets go, and the few operations the network layer needs.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace VORDIX_IPC {

class CSocketHandle {
public:
    explicit CSocketHandle(int fd) : m_fd(fd) { }
    ~CSocketHandle();
    CSocketHandle(const CSocketHandle&) = delete;
    CSocketHandle& operator=(const CSocketHandle&) = delete;

    int fd() const { return m_fd; }
    // Ends the connection in both directions; a thread blocked in recv or
    // send on it returns. The descriptor stays open until the handle dies,
    // so it cannot be reused under another holder's feet.
    void shutdown();

private:
    const int m_fd;
};

// Null stands for an invalid socket.
using SocketHandle = std::shared_ptr<CSocketHandle>;

constexpr int DEFAULT_CONNECT_TIMEOUT_MS = 5000;

// A TCP socket bound to any local IPv4 address at `port` (0 picks a free
// one), listening with a backlog of 5. Null on any failure.
SocketHandle openListeningSocket(uint16_t port);
// The local port a socket is bound to; 0 on failure.
uint16_t localPort(const SocketHandle& socket);
// The dotted IPv4 address of the connected peer; empty on failure.
std::string peerAddress(const SocketHandle& socket);
// Null when nothing could be accepted.
SocketHandle acceptConnection(const SocketHandle& listening);
// Connects to address:port (IPv4, host byte order) within the timeout.
SocketHandle connectSocket(uint32_t address, uint16_t port, int timeoutMs = DEFAULT_CONNECT_TIMEOUT_MS);
// A dotted IPv4 address is used as it is; anything else is looked up by name.
SocketHandle resolveHostAddress(const std::string& host, uint16_t port, int timeoutMs = DEFAULT_CONNECT_TIMEOUT_MS);
// Parses a dotted IPv4 address into host byte order.
bool parseIPv4(const std::string& text, uint32_t& address);

// Writes all bytes or fails: loops over partial writes, never raises
// SIGPIPE, and gives up when the peer has taken nothing for `timeoutMs`.
bool sendAll(const SocketHandle& socket, const uint8_t* data, size_t length, int timeoutMs);

} // namespace VORDIX_IPC
