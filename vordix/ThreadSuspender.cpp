#include "vordix/ThreadSuspender.h"

#include "vordix/IdPool.h"

namespace VORDIX_IPC {

CThreadSuspender::CThreadSuspender() : m_id(allocateSuspenderId()) { }

CThreadSuspender::~CThreadSuspender() { releaseSuspenderId(m_id); }

void CThreadSuspender::setSuspendAction(SuspendAction action)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_action = std::move(action);
}

int CThreadSuspender::wait() { return doWait(std::nullopt); }

int CThreadSuspender::waitFor(int seconds) { return waitForMs(int64_t(seconds) * 1000); }

int CThreadSuspender::waitForMs(int64_t milliseconds)
{
    if (milliseconds <= 0)
        return getState();
    return doWait(std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds));
}

int CThreadSuspender::doWait(std::optional<std::chrono::steady_clock::time_point> deadline)
{
    uint64_t wakesBefore;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_earlyCode) {
            m_state = *m_earlyCode;
            m_earlyCode.reset();
            return m_state;
        }
        // From here on every resume counts as ours, even one that comes
        // before the registry entry below.
        m_state = SUSPEND_PENDING;
        ++m_waiters;
        wakesBefore = m_wakeCount;
    }
    // The registry is entered without our own lock: its resumeAll takes the
    // locks in the order registry, then suspender.
    CSuspendedThreadRegistry::instance().enter(this);
    int result;
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        auto woken = [&] { return m_wakeCount != wakesBefore; };
        bool failed = false;
        if (!woken() && m_action) {
            // Run without the lock, so the action may itself lead to a resume
            // (even on this thread); the wake count keeps such a resume.
            SuspendAction action = m_action;
            lock.unlock();
            const bool ok = action();
            lock.lock();
            failed = !ok && !woken();
        }
        if (failed) {
            m_state = RESUME_ACTION_FAILED;
        } else if (!deadline) {
            m_wake.wait(lock, woken);
        } else if (!m_wake.wait_until(lock, *deadline, woken)) {
            m_state = RESUME_TIMED_OUT;
        }
        --m_waiters;
        result = m_state;
    }
    CSuspendedThreadRegistry::instance().leave(this);
    return result;
}

void CThreadSuspender::resume(int code)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_state = code;
    if (code == SUSPEND_PENDING) {
        m_earlyCode.reset();
        return;
    }
    if (m_waiters == 0) {
        m_earlyCode = code;
        return;
    }
    ++m_wakeCount;
    m_wake.notify_all();
}

int CThreadSuspender::getState() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_state;
}

CSuspendedThreadRegistry& CSuspendedThreadRegistry::instance()
{
    // Never destroyed: waiting threads may outlive static destruction.
    static CSuspendedThreadRegistry* registry = new CSuspendedThreadRegistry;
    return *registry;
}

void CSuspendedThreadRegistry::enter(CThreadSuspender* suspender)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    auto& entry = m_waiting[suspender->getId()];
    entry.first = suspender;
    ++entry.second;
}

void CSuspendedThreadRegistry::leave(CThreadSuspender* suspender)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    auto it = m_waiting.find(suspender->getId());
    if (it != m_waiting.end() && --it->second.second <= 0)
        m_waiting.erase(it);
}

void CSuspendedThreadRegistry::resumeAll(int code)
{
    // A suspender cannot go away while it is registered: it leaves only at
    // the end of its own wait, which needs this lock.
    std::lock_guard<std::mutex> lock(m_mutex);
    for (auto& [id, entry] : m_waiting)
        entry.first->resume(code);
}

size_t CSuspendedThreadRegistry::waitingCount() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    size_t threads = 0;
    for (const auto& [id, entry] : m_waiting)
        threads += size_t(entry.second);
    return threads;
}

} // namespace VORDIX_IPC
