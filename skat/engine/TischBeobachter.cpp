#include "skat/engine/TischBeobachter.h"

TISCH_BEOBACHTER::~TISCH_BEOBACHTER() = default;

void TISCH_BEOBACHTER::handleEvent(int) { }
void TISCH_BEOBACHTER::handleEventWithValue(int, int) { }

TISCH_BEOBACHTER_MANAGER::~TISCH_BEOBACHTER_MANAGER() { clear(); }

void TISCH_BEOBACHTER_MANAGER::add(std::unique_ptr<TISCH_BEOBACHTER> observer)
{
    if (!observer)
        return;
    std::lock_guard lock(mutex_);
    auto list = std::make_shared<List>(*observers_);
    list->push_back(std::shared_ptr<TISCH_BEOBACHTER>(std::move(observer)));
    observers_ = std::move(list);
}

std::shared_ptr<const TISCH_BEOBACHTER_MANAGER::List> TISCH_BEOBACHTER_MANAGER::snapshot() const
{
    std::lock_guard lock(mutex_);
    return observers_;
}

void TISCH_BEOBACHTER_MANAGER::broadcast(TableEvent event)
{
    const auto list = snapshot(); // kept alive while the loop runs
    for (const auto& observer : *list)
        observer->notify(event);
}

void TISCH_BEOBACHTER_MANAGER::broadcastWithValue(TableEvent event, int value)
{
    const auto list = snapshot(); // kept alive while the loop runs
    for (const auto& observer : *list)
        observer->notifyWithValue(event, value);
}

void TISCH_BEOBACHTER_MANAGER::handleLocal(int event)
{
    const auto list = snapshot(); // kept alive while the loop runs
    for (const auto& observer : *list)
        if (observer->isLocal())
            observer->handleEvent(event);
}

void TISCH_BEOBACHTER_MANAGER::handleLocalWithValue(int event, int value)
{
    const auto list = snapshot(); // kept alive while the loop runs
    for (const auto& observer : *list)
        if (observer->isLocal())
            observer->handleEventWithValue(event, value);
}

void TISCH_BEOBACHTER_MANAGER::clear()
{
    std::shared_ptr<const List> old = std::make_shared<const List>();
    {
        std::lock_guard lock(mutex_);
        old.swap(observers_);
    }
}

std::size_t TISCH_BEOBACHTER_MANAGER::size() const
{
    std::lock_guard lock(mutex_);
    return observers_->size();
}

EVENT_HANDOFF& EVENT_HANDOFF::instance()
{
    static EVENT_HANDOFF handoff;
    return handoff;
}

void EVENT_HANDOFF::markHandled()
{
    std::lock_guard lock(mutex_);
    ++handled_;
    condition_.notify_all();
}

void EVENT_HANDOFF::wakeAll()
{
    std::lock_guard lock(mutex_);
    condition_.notify_all();
}
