#include "vordix/ThreadSuspender.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

using namespace VORDIX_IPC;

namespace {

// A code of the suspender's user, none of its own.
constexpr int OWN_CODE = 4;

// Spins (bounded) until the suspender has a thread in its wait.
void awaitWaiter(const CThreadSuspender& s)
{
    for (int i = 0; i < 5000 && s.getState() != SUSPEND_PENDING; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
}
} // namespace

TEST(ThreadSuspender, ResumeCodesReachTheWaitingThread)
{
    for (int code : {int{RESUME_ANSWERED}, OWN_CODE, int{RESUME_CONNECTION_LOST}, int{RESUME_REFUSED}}) {
        CThreadSuspender s;
        int result = -1;
        std::thread waiter([&] { result = s.wait(); });
        awaitWaiter(s);
        s.resume(code);
        waiter.join();
        EXPECT_EQ(result, code);
        EXPECT_EQ(s.getState(), code) << "the state keeps the last code after the wait";
    }
}

TEST(ThreadSuspender, TimedWaitRunsOutWithTimedOut)
{
    CThreadSuspender s;
    EXPECT_EQ(s.waitForMs(30), RESUME_TIMED_OUT);
    EXPECT_EQ(s.getState(), RESUME_TIMED_OUT);
}

TEST(ThreadSuspender, TimedWaitEndsEarlyOnResume)
{
    CThreadSuspender s;
    int result = -1;
    std::thread waiter([&] { result = s.waitFor(60); });
    awaitWaiter(s);
    s.resume(RESUME_ANSWERED);
    waiter.join();
    EXPECT_EQ(result, RESUME_ANSWERED);
}

TEST(ThreadSuspender, NonPositiveLimitReturnsAtOnce)
{
    CThreadSuspender s;
    s.resume(RESUME_REFUSED);
    s.resume(SUSPEND_PENDING); // discards the kept code again
    EXPECT_EQ(s.waitFor(0), SUSPEND_PENDING);
    EXPECT_EQ(s.waitForMs(-5), SUSPEND_PENDING);
}

TEST(ThreadSuspender, FailingSuspendActionEndsTheWaitWithActionFailed)
{
    CThreadSuspender s;
    s.setSuspendAction([] { return false; });
    EXPECT_EQ(s.wait(), RESUME_ACTION_FAILED);
    EXPECT_EQ(s.waitFor(60), RESUME_ACTION_FAILED);
}

TEST(ThreadSuspender, ResumeTriggeredByTheActionIsNeverLost)
{
    // The action hands the job to another thread that answers at once; the
    // answer must wait for the suspender's lock and so cannot be lost.
    CThreadSuspender s;
    std::thread answerer;
    s.setSuspendAction([&] {
        answerer = std::thread([&] { s.resume(RESUME_ANSWERED); });
        return true;
    });
    EXPECT_EQ(s.wait(), RESUME_ANSWERED);
    answerer.join();
}

TEST(ThreadSuspender, TheActionMayAnswerOnItsOwnThread)
{
    // A local player that answers at once, inside the delivery of the question.
    CThreadSuspender s;
    s.setSuspendAction([&] {
        s.resume(RESUME_ANSWERED);
        return true;
    });
    EXPECT_EQ(s.waitFor(60), RESUME_ANSWERED);
    // A resume also wins over an action that reports failure afterwards.
    s.setSuspendAction([&] {
        s.resume(RESUME_REFUSED);
        return false;
    });
    EXPECT_EQ(s.wait(), RESUME_REFUSED);
}

TEST(ThreadSuspender, ResumeBeforeTheWaitIsKeptForTheNextWait)
{
    CThreadSuspender s;
    bool actionRan = false;
    s.setSuspendAction([&] { return actionRan = true; });
    s.resume(RESUME_ANSWERED); // nobody waits yet
    EXPECT_EQ(s.waitFor(60), RESUME_ANSWERED);
    EXPECT_FALSE(actionRan);
    EXPECT_EQ(s.waitForMs(20), RESUME_TIMED_OUT) << "a kept code ends only one wait";
    EXPECT_TRUE(actionRan);
}

TEST(ThreadSuspender, ResumeBetweenTimedRoundsIsNotLost)
{
    // The table waits in rounds; an answer that comes between two rounds
    // must end the next round.
    CThreadSuspender s;
    EXPECT_EQ(s.waitForMs(10), RESUME_TIMED_OUT);
    s.resume(RESUME_ANSWERED);
    EXPECT_EQ(s.waitForMs(60000), RESUME_ANSWERED);
}

TEST(ThreadSuspender, StopWakesEveryWaiter)
{
    CThreadSuspender shared;
    CThreadSuspender other;
    std::atomic<int> stopped{0};
    std::vector<std::thread> waiters;
    for (int i = 0; i < 3; ++i)
        waiters.emplace_back([&] { stopped += shared.wait() == OWN_CODE; });
    waiters.emplace_back([&] { stopped += other.waitFor(60) == OWN_CODE; });
    for (int i = 0; i < 5000 && CSuspendedThreadRegistry::instance().waitingCount() < 4; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    CSuspendedThreadRegistry::instance().resumeAll(OWN_CODE);
    for (auto& t : waiters)
        t.join();
    EXPECT_EQ(stopped.load(), 4);
    EXPECT_EQ(CSuspendedThreadRegistry::instance().waitingCount(), 0u);
}

TEST(ThreadSuspender, IdsAreDistinctAndReturnedToThePool)
{
    uint32_t first;
    {
        CThreadSuspender a;
        CThreadSuspender b;
        EXPECT_NE(a.getId(), b.getId());
        first = a.getId();
    }
    CThreadSuspender c;
    EXPECT_EQ(c.getId(), first);
}
