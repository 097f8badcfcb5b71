#pragma once
// Threads that must have ended before the program tears down its objects.
// A thread started here gets a stop request and is joined by stopAll(),
// which main calls once the event loop has ended and before it deletes the
// application object and the singletons. A thread that is still joinable
// when its std::thread dies would end the process with std::terminate;
// these never are: whatever stopAll() missed is stopped and joined when the
// registry itself goes at exit.

#include <cstddef>
#include <functional>
#include <stop_token>
#include <string>

namespace vordix {

class WorkerThreads {
public:
    // Runs work on a new thread. The work should return soon after its stop
    // token asks it to; it must not wait for the GUI thread without a bound
    // (GUI calls are refused once the event loop has ended).
    static void start(std::string name, std::function<void(std::stop_token)> work);

    // Asks every running thread to stop and joins them, latest first.
    // Returns the number of threads joined.
    static std::size_t stopAll();

    // Threads started and not yet joined (finished ones included until
    // the next start or stopAll).
    static std::size_t count();
};

} // namespace vordix
