// Worker threads that main stops before tearing the program down.
#include "vordix/WorkerThreads.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

using vordix::WorkerThreads;

TEST(WorkerThreads, StopAllAsksEveryThreadToStopAndJoinsIt)
{
    WorkerThreads::stopAll();
    std::atomic<int> running{0};
    std::atomic<int> stopped{0};
    for (int i = 0; i < 3; ++i) {
        WorkerThreads::start("loop", [&](std::stop_token stop) {
            ++running;
            while (!stop.stop_requested())
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            ++stopped;
        });
    }
    EXPECT_EQ(WorkerThreads::count(), 3u);
    EXPECT_EQ(WorkerThreads::stopAll(), 3u);
    // Joined: every thread has finished its work when stopAll returns.
    EXPECT_EQ(stopped.load(), 3);
    EXPECT_EQ(WorkerThreads::count(), 0u);
}

TEST(WorkerThreads, FinishedOneShotThreadsAreClearedOnTheNextStart)
{
    WorkerThreads::stopAll();
    std::atomic<bool> done{false};
    WorkerThreads::start("one-shot", [&](std::stop_token) { done = true; });
    while (!done)
        std::this_thread::yield();
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
    WorkerThreads::start("second", [](std::stop_token) {});
    WorkerThreads::stopAll();
    EXPECT_EQ(WorkerThreads::count(), 0u);
}
