#include "vordix/IdPool.h"

namespace VORDIX_IPC {

namespace {
constexpr uint32_t kRefill = 5;

// Never destroyed: network threads may still take ids while the process exits.
CIdPool& messagePool()
{
    static CIdPool* pool = new CIdPool(0xFFFFFFFFu);
    return *pool;
}
CIdPool& suspenderPool()
{
    static CIdPool* pool = new CIdPool(0x7FFFFFFFu);
    return *pool;
}
CIdPool& connectionPool()
{
    static CIdPool* pool = new CIdPool(0x7FFFFFFFu);
    return *pool;
}
} // namespace

IdOverflow::IdOverflow() : std::runtime_error("Ueberlauf bei der Vergabe der Ids!") { }

CIdPool::CIdPool(uint32_t limit) : m_limit(limit) { }

uint32_t CIdPool::allocate()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_free.empty()) {
        for (uint32_t i = 0; i < kRefill && m_next < m_limit; ++i)
            m_free.insert(uint32_t(m_next++));
        if (m_free.empty())
            throw IdOverflow();
    }
    const uint32_t id = *m_free.begin();
    m_free.erase(m_free.begin());
    return id;
}

void CIdPool::release(uint32_t id)
{
    if (id == 0)
        return;
    std::lock_guard<std::mutex> lock(m_mutex);
    m_free.insert(id);
}

uint32_t allocateMessageId() { return messagePool().allocate(); }
void releaseMessageId(uint32_t id) { messagePool().release(id); }
uint32_t allocateSuspenderId() { return suspenderPool().allocate(); }
void releaseSuspenderId(uint32_t id) { suspenderPool().release(id); }
uint32_t allocateConnectionId() { return connectionPool().allocate(); }
void releaseConnectionId(uint32_t id) { connectionPool().release(id); }

} // namespace VORDIX_IPC
