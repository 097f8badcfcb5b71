#pragma once
// A millisecond stopwatch on the monotonic clock. The program has no
// operating-system timers: timed behaviour compares elapsed milliseconds.

#include <cstdint>

class VORDIX_TIMER {
public:
    VORDIX_TIMER();
    virtual ~VORDIX_TIMER();

    // Records the current time.
    void start();
    // Milliseconds since start() (or construction); never negative, since
    // the clock cannot go backwards.
    int64_t elapsed() const;

    // The monotonic clock in milliseconds (arbitrary origin).
    static int64_t nowMs();

    int64_t startMs = 0;
};
