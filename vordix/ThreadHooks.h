#pragma once
// What every long-running thread of the program does at its start and end,
// set once by main before threads start: the crash handler gives each
// thread an alternate signal stack there, so that a stack overflow on it is
// reported as well. Without hooks a scope does nothing.

namespace vordix {

using ThreadHook = void (*)();

// Either may be null; null for both removes them.
void setThreadHooks(ThreadHook atStart, ThreadHook atEnd);

// Runs the start hook where it is created and the end hook where it goes;
// the first statement of a thread's function.
class ThreadScope {
public:
    ThreadScope();
    ~ThreadScope();
    ThreadScope(const ThreadScope&) = delete;
    ThreadScope& operator=(const ThreadScope&) = delete;

private:
    ThreadHook atEnd_;
};

} // namespace vordix
