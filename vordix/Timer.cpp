#include "vordix/Timer.h"

#include <chrono>

VORDIX_TIMER::VORDIX_TIMER() : startMs(nowMs()) { }

VORDIX_TIMER::~VORDIX_TIMER() = default;

int64_t VORDIX_TIMER::nowMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void VORDIX_TIMER::start() { startMs = nowMs(); }

int64_t VORDIX_TIMER::elapsed() const { return nowMs() - startMs; }
