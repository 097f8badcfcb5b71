#pragma once
// A peer that speaks the wire protocol with plain sockets and its own byte
// handling, independent of the network layer under test.

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdint>
#include <string>
#include <vector>

namespace rawpeer {

using Bytes = std::vector<uint8_t>;

inline void appendU32(Bytes& out, uint32_t v)
{
    out.push_back(uint8_t(v >> 24));
    out.push_back(uint8_t(v >> 16));
    out.push_back(uint8_t(v >> 8));
    out.push_back(uint8_t(v));
}

inline uint32_t readU32(const uint8_t* p)
{
    return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | uint32_t(p[3]);
}

// A frame with an explicit length word (which may lie) and a raw body.
inline Bytes rawFrame(uint32_t length, uint8_t version, uint8_t tag, uint8_t kind, uint32_t id, const Bytes& body = {})
{
    Bytes out;
    appendU32(out, length);
    out.push_back(version);
    out.push_back(tag);
    out.push_back(kind);
    out.push_back(0);
    appendU32(out, id);
    out.insert(out.end(), body.begin(), body.end());
    return out;
}

inline Bytes partsBody(const std::vector<std::string>& parts)
{
    Bytes body;
    appendU32(body, uint32_t(parts.size()));
    for (const auto& p : parts) {
        appendU32(body, uint32_t(p.size()));
        body.insert(body.end(), p.begin(), p.end());
    }
    return body;
}

inline Bytes frame(uint8_t tag, uint8_t kind, uint32_t id, const Bytes& body = {})
{
    return rawFrame(uint32_t(12 + body.size()), 1, tag, kind, id, body);
}

struct Frame {
    uint32_t length = 0;
    uint8_t version = 0, tag = 0, kind = 0, reserved = 0;
    uint32_t id = 0;
    Bytes body;
};

class Peer {
public:
    Peer() = default;
    explicit Peer(uint16_t port) { connect(port); }
    ~Peer() { close(); }
    Peer(const Peer&) = delete;
    Peer& operator=(const Peer&) = delete;

    bool connect(uint16_t port)
    {
        close();
        m_fd = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_port = htons(port);
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        if (::connect(m_fd, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0)
            close();
        return m_fd >= 0;
    }

    bool send(const Bytes& bytes)
    {
        size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t n = ::send(m_fd, bytes.data() + done, bytes.size() - done, MSG_NOSIGNAL);
            if (n <= 0)
                return false;
            done += size_t(n);
        }
        return true;
    }

    // Reads exactly n bytes; false on close, error or when nothing came in time.
    bool readExactly(uint8_t* out, size_t n, int timeoutMs)
    {
        size_t done = 0;
        while (done < n) {
            pollfd p{m_fd, POLLIN, 0};
            if (::poll(&p, 1, timeoutMs) <= 0)
                return false;
            const ssize_t got = ::recv(m_fd, out + done, n - done, 0);
            if (got <= 0)
                return false;
            done += size_t(got);
        }
        return true;
    }

    bool readFrame(Frame& f, int timeoutMs = 3000)
    {
        uint8_t h[12];
        if (!readExactly(h, 12, timeoutMs))
            return false;
        f.length = readU32(h);
        f.version = h[4];
        f.tag = h[5];
        f.kind = h[6];
        f.reserved = h[7];
        f.id = readU32(h + 8);
        if (f.length < 12)
            return false;
        f.body.assign(f.length - 12, 0);
        return f.body.empty() || readExactly(f.body.data(), f.body.size(), timeoutMs);
    }

    // True when the other side closed the connection within the time.
    bool seesClose(int timeoutMs = 3000)
    {
        uint8_t sink[4096];
        for (;;) {
            pollfd p{m_fd, POLLIN, 0};
            if (::poll(&p, 1, timeoutMs) <= 0)
                return false;
            const ssize_t got = ::recv(m_fd, sink, sizeof sink, 0);
            if (got <= 0)
                return true;
        }
    }

    // Wakes a thread reading on this peer without closing the descriptor under it.
    void shutdown()
    {
        if (m_fd >= 0)
            ::shutdown(m_fd, SHUT_RDWR);
    }

    void close()
    {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = -1;
    }

    int fd() const { return m_fd; }

private:
    int m_fd = -1;
};

} // namespace rawpeer
