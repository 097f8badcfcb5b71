#pragma once
// A process-wide list of live objects (open windows, open dialogs). Objects
// add themselves when built and remove every entry when destroyed; readers
// get a snapshot, so a look-up never changes the list and walking it is safe
// while other threads build or destroy objects.

#include <algorithm>
#include <cstddef>
#include <mutex>
#include <vector>

template <class T>
class OpenRegistry {
public:
    void add(T* object)
    {
        std::lock_guard lock(mutex_);
        entries_.push_back(object);
    }
    // Removes every entry that points to the object.
    void removeAll(const T* object)
    {
        std::lock_guard lock(mutex_);
        std::erase(entries_, object);
    }
    bool contains(const T* object) const
    {
        std::lock_guard lock(mutex_);
        return std::find(entries_.begin(), entries_.end(), object) != entries_.end();
    }
    std::size_t count(const T* object) const
    {
        std::lock_guard lock(mutex_);
        return static_cast<std::size_t>(std::count(entries_.begin(), entries_.end(), object));
    }
    std::size_t size() const
    {
        std::lock_guard lock(mutex_);
        return entries_.size();
    }
    std::vector<T*> snapshot() const
    {
        std::lock_guard lock(mutex_);
        return entries_;
    }

private:
    mutable std::mutex mutex_;
    std::vector<T*> entries_;
};
