#include "vordix/WorkerThreads.h"
#include "vordix/ThreadHooks.h"

#include <atomic>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace vordix {
namespace {

struct Worker {
    std::string name;
    std::shared_ptr<std::atomic<bool>> finished = std::make_shared<std::atomic<bool>>(false);
    std::jthread thread;
};

struct Registry {
    std::mutex mutex;
    std::vector<Worker> workers;

    // jthreads stop and join when destroyed; latest first, as stopAll does.
    ~Registry()
    {
        while (!workers.empty())
            workers.pop_back();
    }
};

Registry& registry()
{
    static Registry instance;
    return instance;
}

} // namespace

void WorkerThreads::start(std::string name, std::function<void(std::stop_token)> work)
{
    Registry& r = registry();
    std::vector<Worker> done; // joined outside the lock
    {
        std::lock_guard lock(r.mutex);
        for (auto it = r.workers.begin(); it != r.workers.end();) {
            if (it->finished->load()) {
                done.push_back(std::move(*it));
                it = r.workers.erase(it);
            } else {
                ++it;
            }
        }
        Worker worker;
        worker.name = std::move(name);
        worker.thread = std::jthread([work = std::move(work), finished = worker.finished](std::stop_token stop) {
            const ThreadScope scope;
            work(stop);
            finished->store(true);
        });
        r.workers.push_back(std::move(worker));
    }
}

std::size_t WorkerThreads::stopAll()
{
    Registry& r = registry();
    std::vector<Worker> workers;
    {
        std::lock_guard lock(r.mutex);
        workers.swap(r.workers);
    }
    for (Worker& worker : workers)
        worker.thread.request_stop();
    const std::size_t joined = workers.size();
    while (!workers.empty())
        workers.pop_back(); // joins, latest first
    return joined;
}

std::size_t WorkerThreads::count()
{
    Registry& r = registry();
    std::lock_guard lock(r.mutex);
    return r.workers.size();
}

} // namespace vordix
