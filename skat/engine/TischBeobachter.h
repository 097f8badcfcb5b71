#pragma once
// The table's observers and the hand-off of local events. A local observer
// (LocalTischBeobachter.h) stands for this program's own windows: its
// notification is synchronous for the game loop, which waits until the
// table server's worker has handled the event. A remote observer (in the
// network layer) stands for a joined program and only sends the event.

#include "skat/engine/TableTypes.h"

#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

class TISCH_BEOBACHTER {
public:
    virtual ~TISCH_BEOBACHTER();
    virtual void notify(int event) = 0;
    virtual void notifyWithValue(int event, int value) = 0;

    // Observers for this program's own windows (LocalTischBeobachter.h)
    // also run the windows' side of an event on the queue worker.
    virtual bool isLocal() const { return false; }
    virtual void handleEvent(int event);
    virtual void handleEventWithValue(int event, int value);
};

class TISCH_BEOBACHTER_MANAGER {
public:
    TISCH_BEOBACHTER_MANAGER() = default;
    TISCH_BEOBACHTER_MANAGER(const TISCH_BEOBACHTER_MANAGER&) = delete;
    TISCH_BEOBACHTER_MANAGER& operator=(const TISCH_BEOBACHTER_MANAGER&) = delete;
    ~TISCH_BEOBACHTER_MANAGER();

    // Takes ownership; observers are notified in the order of addition.
    void add(std::unique_ptr<TISCH_BEOBACHTER> observer);
    void broadcast(TableEvent event);
    void broadcastWithValue(TableEvent event, int value);
    // Runs the local observers' handlers (the worker's side of the hand-off).
    void handleLocal(int event);
    void handleLocalWithValue(int event, int value);
    void clear();
    std::size_t size() const;

private:
    using List = std::vector<std::shared_ptr<TISCH_BEOBACHTER>>;
    // The list as it is now; a change makes a new list, so a broadcast in
    // progress goes on with the one it took, without copying it.
    std::shared_ptr<const List> snapshot() const;

    mutable std::mutex mutex_;
    std::shared_ptr<const List> observers_ = std::make_shared<const List>();
};

// The process-wide hand-off of local table events: one event in flight at
// a time. The observer takes a ticket before it posts; the worker marks
// every local event it takes as handled (also one it drops), and the queue
// is first in, first out, so the ticket is released exactly when its own
// event was handled.
class EVENT_HANDOFF {
public:
    static EVENT_HANDOFF& instance();

    // Posts under the hand-off lock and waits for the ticket; does not
    // wait, or gives up waiting, once stopping() is true (checked whenever
    // the condition wakes). A post that fails (false) counts as handled.
    template <typename Post, typename Stopping>
    void postAndWait(Post post, Stopping stopping)
    {
        std::unique_lock lock(mutex_);
        const std::uint64_t ticket = ++posted_;
        if (!post()) {
            ++handled_;
            return;
        }
        condition_.wait(lock, [&] { return handled_ >= ticket || stopping(); });
    }
    // The worker took a local event (handled or dropped).
    void markHandled();
    // Wakes every waiter so it re-checks its stop test.
    void wakeAll();

private:
    std::mutex mutex_;
    std::condition_variable condition_;
    std::uint64_t posted_ = 0;
    std::uint64_t handled_ = 0;
};
