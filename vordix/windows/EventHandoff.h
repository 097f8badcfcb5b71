#pragma once
// Qt hands posted events between threads under its own futex-based locks,
// which ThreadSanitizer cannot see. The poster marks an event handed over
// before posting it and the receiver marks it taken over before reading it,
// so the sanitizer sees the ordering Qt really provides. No-ops otherwise.

#if defined(__SANITIZE_THREAD__)
#define VORDIX_TSAN_HANDOFF 1
#elif defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define VORDIX_TSAN_HANDOFF 1
#endif
#endif

#ifdef VORDIX_TSAN_HANDOFF
#include <sanitizer/tsan_interface.h>
#endif

namespace vordix::windows {

inline void eventHandedOver([[maybe_unused]] const void* event)
{
#ifdef VORDIX_TSAN_HANDOFF
    __tsan_release(const_cast<void*>(event));
#endif
}

inline void eventTakenOver([[maybe_unused]] const void* event)
{
#ifdef VORDIX_TSAN_HANDOFF
    __tsan_acquire(const_cast<void*>(event));
#endif
}

} // namespace vordix::windows
