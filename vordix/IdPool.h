#pragma once
// Process-wide pools of numeric ids (messages, suspenders, connections).
// Freed ids are reused smallest first; the pools refill five ids at a time.

#include <cstdint>
#include <mutex>
#include <set>
#include <stdexcept>

namespace VORDIX_IPC {

// Thrown when a pool has handed out every id below its limit.
class IdOverflow : public std::runtime_error {
public:
    IdOverflow();
};

class CIdPool {
public:
    // Hands out ids from 1 up to, but not including, limit.
    explicit CIdPool(uint32_t limit);

    uint32_t allocate();
    void release(uint32_t id);

private:
    std::mutex m_mutex;
    std::set<uint32_t> m_free;
    uint64_t m_next = 1; // 64 bits so that the limit 0xFFFFFFFF cannot wrap
    const uint32_t m_limit;
};

uint32_t allocateMessageId();
void releaseMessageId(uint32_t id);
uint32_t allocateSuspenderId();
void releaseSuspenderId(uint32_t id);
uint32_t allocateConnectionId();
void releaseConnectionId(uint32_t id);

} // namespace VORDIX_IPC
