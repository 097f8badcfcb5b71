#include "skat/engine/LocalTableWorker.h"

#include "vordix/ThreadHooks.h"

LOCAL_TABLE_WORKER::LOCAL_TABLE_WORKER(SKATTISCH& table) : table_(table)
{
    thread_ = std::thread([this] {
        const vordix::ThreadScope scope;
        run();
    });
    table_.setLocalPoster([this](const LocalTableCall& call) { return post(call); });
}

LOCAL_TABLE_WORKER::~LOCAL_TABLE_WORKER()
{
    table_.setLocalPoster({});
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    thread_.join();
}

bool LOCAL_TABLE_WORKER::post(const LocalTableCall& call)
{
    {
        std::lock_guard lock(mutex_);
        if (stopping_)
            return false;
        queue_.push_back(call);
    }
    wake_.notify_one();
    return true;
}

void LOCAL_TABLE_WORKER::setInspector(std::function<void(const LocalTableCall&)> inspector)
{
    std::lock_guard lock(mutex_);
    inspector_ = std::move(inspector);
}

void LOCAL_TABLE_WORKER::run()
{
    for (;;) {
        LocalTableCall call;
        bool dropped;
        std::function<void(const LocalTableCall&)> inspector;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
            if (queue_.empty())
                return;
            call = queue_.front();
            queue_.pop_front();
            dropped = stopping_;
            inspector = inspector_;
        }
        // Outside the queue lock: the hand-off lock comes before it.
        if (dropped) {
            if (call.kind == LocalTableCall::EVENT)
                EVENT_HANDOFF::instance().markHandled(); // nobody shows it any more
            continue;
        }
        if (inspector)
            inspector(call);
        table_.runLocal(call);
    }
}
