#pragma once
// A worker thread that plays the part of the table server's queue for one
// table without windows (tests, benchmarks, batch play): it takes the game
// messages the table posts locally, in order, and runs table events and
// player requests on the table. A table event that cannot be run still
// releases the waiting game loop. Starting one installs the game messenger.

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

class SKATTISCH;
class SKAT_NETWORKMESSAGE;

class LOCAL_MESSAGE_WORKER {
public:
    // Starts the worker and makes it the table's message poster.
    explicit LOCAL_MESSAGE_WORKER(SKATTISCH& table);
    // Detaches from the table, releases what is still queued and joins.
    ~LOCAL_MESSAGE_WORKER();
    LOCAL_MESSAGE_WORKER(const LOCAL_MESSAGE_WORKER&) = delete;
    LOCAL_MESSAGE_WORKER& operator=(const LOCAL_MESSAGE_WORKER&) = delete;

    bool post(std::string xml);
    // Called on the worker for every message before the table sees it.
    void setInspector(std::function<void(const SKAT_NETWORKMESSAGE&)> inspector);

private:
    void run();
    void handle(const std::string& xml);

    SKATTISCH& table_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<std::string> queue_;
    bool stopping_ = false;
    std::function<void(const SKAT_NETWORKMESSAGE&)> inspector_;
    std::thread thread_;
};

// The kind ("TYP") of a game message's text; 0 when it has none.
int messageKindOf(const std::string& xml);
