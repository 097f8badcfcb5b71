#pragma once
// A worker thread that plays the part of the table server's queue for one
// table without windows (tests, benchmarks, batch play): it takes the
// events and requests the table posts locally, in order, and runs them on
// the table. An event that cannot be run still releases the waiting game
// loop.

#include "skat/engine/Skattisch.h"

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

class LOCAL_TABLE_WORKER {
public:
    // Starts the worker and makes it the table's local poster.
    explicit LOCAL_TABLE_WORKER(SKATTISCH& table);
    // Detaches from the table, releases what is still queued and joins.
    ~LOCAL_TABLE_WORKER();
    LOCAL_TABLE_WORKER(const LOCAL_TABLE_WORKER&) = delete;
    LOCAL_TABLE_WORKER& operator=(const LOCAL_TABLE_WORKER&) = delete;

    bool post(const LocalTableCall& call);
    // Called on the worker for every call before the table runs it.
    void setInspector(std::function<void(const LocalTableCall&)> inspector);

private:
    void run();

    SKATTISCH& table_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<LocalTableCall> queue_;
    bool stopping_ = false;
    std::function<void(const LocalTableCall&)> inspector_;
    std::thread thread_;
};
