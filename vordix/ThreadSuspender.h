#pragma once
// Blocks one thread until another resumes it with a code. Serves the
// request/reply waits of the connection manager and any other wait for an
// answer from another thread.

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <optional>

namespace VORDIX_IPC {

// Resume codes, shared by every user of the suspender. A user may resume
// with a code of its own that none of these take (4, or from 7 on).
enum ResumeCode : int {
    RESUME_ANSWERED = 0,
    SUSPEND_PENDING = 1,      // the state while a thread waits
    RESUME_ACTION_FAILED = 2, // the suspend action returned false
    RESUME_TIMED_OUT = 3,
    RESUME_CONNECTION_LOST = 5,
    RESUME_REFUSED = 6,
};

class CThreadSuspender {
public:
    // Run when a wait begins (typically: send the request or post the
    // question). Every resume from the moment the wait began counts, so an
    // answer that the action triggers cannot be lost, even one given by the
    // action itself. A false result ends the wait at once with
    // RESUME_ACTION_FAILED, unless a resume came meanwhile.
    using SuspendAction = std::function<bool()>;

    CThreadSuspender();
    ~CThreadSuspender();
    CThreadSuspender(const CThreadSuspender&) = delete;
    CThreadSuspender& operator=(const CThreadSuspender&) = delete;

    void setSuspendAction(SuspendAction action); // an empty function removes it
    void clearSuspendAction() { setSuspendAction({}); }

    // Waits without a time limit; returns the code it was resumed with.
    int wait();
    // Waits at most `seconds`; the code becomes RESUME_TIMED_OUT when no
    // resume came. A limit of 0 or less returns the current code at once.
    int waitFor(int seconds);
    int waitForMs(int64_t milliseconds);

    // Sets the code and wakes every waiting thread. A resume that arrives
    // while nobody waits is kept and ends the next wait at once (with that
    // code, without running the suspend action). resume(SUSPEND_PENDING)
    // wakes nobody and discards such a kept code.
    void resume(int code);

    int getState() const;
    uint32_t getId() const { return m_id; }

private:
    int doWait(std::optional<std::chrono::steady_clock::time_point> deadline);

    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    SuspendAction m_action;
    int m_state = RESUME_ANSWERED;
    int m_waiters = 0;
    uint64_t m_wakeCount = 0;       // bumped by every waking resume
    std::optional<int> m_earlyCode; // a resume that came while nobody waited
    const uint32_t m_id;
};

// Every suspender in a wait, by id. A stop of the whole program can wake
// them all at once.
class CSuspendedThreadRegistry {
public:
    static CSuspendedThreadRegistry& instance();

    void enter(CThreadSuspender* suspender);
    void leave(CThreadSuspender* suspender);
    // Resumes every suspender that is waiting (or about to) with `code`.
    void resumeAll(int code);
    size_t waitingCount() const; // threads, not suspenders

private:
    mutable std::mutex m_mutex;
    std::map<uint32_t, std::pair<CThreadSuspender*, int>> m_waiting;
};

} // namespace VORDIX_IPC
