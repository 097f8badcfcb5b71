#include "vordix/ThreadHooks.h"

#include <atomic>

namespace vordix {
namespace {
std::atomic<ThreadHook> g_atStart{nullptr};
std::atomic<ThreadHook> g_atEnd{nullptr};
} // namespace

void setThreadHooks(ThreadHook atStart, ThreadHook atEnd)
{
    g_atStart.store(atStart);
    g_atEnd.store(atEnd);
}

ThreadScope::ThreadScope() : atEnd_(g_atEnd.load())
{
    if (ThreadHook start = g_atStart.load())
        start();
}

ThreadScope::~ThreadScope()
{
    if (atEnd_)
        atEnd_();
}

} // namespace vordix
