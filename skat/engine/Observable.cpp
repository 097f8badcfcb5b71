#include "skat/engine/Observable.h"

#include <algorithm>

OBSERVER::~OBSERVER() = default;

OBSERVABLE::~OBSERVABLE()
{
    std::vector<OBSERVER*> observers;
    {
        std::lock_guard lock(mutex_);
        observers.swap(observers_);
    }
    // Outside the lock: an observer may unregister itself while told.
    for (OBSERVER* observer : observers)
        observer->update(this);
}

void OBSERVABLE::addObserver(OBSERVER* observer)
{
    std::lock_guard lock(mutex_);
    if (observer && std::find(observers_.begin(), observers_.end(), observer) == observers_.end())
        observers_.push_back(observer);
}

void OBSERVABLE::removeObserver(OBSERVER* observer)
{
    std::lock_guard lock(mutex_);
    std::erase(observers_, observer);
}

std::size_t OBSERVABLE::observerCount() const
{
    std::lock_guard lock(mutex_);
    return observers_.size();
}
