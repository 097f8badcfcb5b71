#pragma once
// An observed object (a score sheet) and the interface of those who watch it
// (the score-sheet and history renderers). When the object goes away it
// tells each observer, so none keeps a dangling pointer.

#include <mutex>
#include <vector>

class OBSERVABLE;

class OBSERVER {
public:
    virtual ~OBSERVER();
    // The observed object is going away (called from its destructor).
    virtual void update(OBSERVABLE* source) = 0;
};

class OBSERVABLE {
public:
    OBSERVABLE() = default;
    // A copy starts without observers; assignment keeps the own ones.
    OBSERVABLE(const OBSERVABLE&) { }
    OBSERVABLE& operator=(const OBSERVABLE&) { return *this; }
    virtual ~OBSERVABLE();

    // Observers are not owned; adding one twice registers it once.
    void addObserver(OBSERVER* observer);
    void removeObserver(OBSERVER* observer);
    std::size_t observerCount() const;

private:
    mutable std::mutex mutex_;
    std::vector<OBSERVER*> observers_;
};
