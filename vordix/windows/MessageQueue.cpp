#include "vordix/windows/MessageQueue.h"

#include "vordix/windows/EventHandoff.h"

#include <QCoreApplication>
#include <QObject>

#include <atomic>
#include <mutex>

namespace {
// Guards the queue's creation and every access to its ids and records.
std::mutex messageQueueMutex;
std::atomic<CCustomMessageQueue*> queueInstance{nullptr};
} // namespace

CCustomMessageQueue::CCustomMessageQueue() : registeredMessage_(static_cast<QEvent::Type>(QEvent::registerEventType()))
{
}

CCustomMessageQueue& CCustomMessageQueue::instance()
{
    if (auto* queue = queueInstance.load(std::memory_order_acquire))
        return *queue;
    std::lock_guard lock(messageQueueMutex);
    if (!queueInstance.load(std::memory_order_relaxed))
        queueInstance.store(new CCustomMessageQueue, std::memory_order_release);
    return *queueInstance.load(std::memory_order_relaxed);
}

void CCustomMessageQueue::destroy()
{
    std::lock_guard lock(messageQueueMutex);
    delete queueInstance.exchange(nullptr);
}

bool CCustomMessageQueue::post(QObject* target, const PostedMessage& record)
{
    if (!target)
        return false;
    std::lock_guard lock(messageQueueMutex);
    const std::uint32_t id = nextId_++; // wraps at 2^32
    records_[id] = record;
    auto* event = new PostedRecordEvent(registeredMessage_, id);
    vordix::windows::eventHandedOver(event);
    QCoreApplication::postEvent(target, event);
    return true;
}

PostedMessage CCustomMessageQueue::take(std::uint32_t id)
{
    std::lock_guard lock(messageQueueMutex);
    PostedMessage result;
    if (auto it = records_.find(id); it != records_.end()) {
        result = std::move(it->second);
        records_.erase(it);
    }
    return result;
}

std::size_t CCustomMessageQueue::waitingCount() const
{
    std::lock_guard lock(messageQueueMutex);
    return records_.size();
}
