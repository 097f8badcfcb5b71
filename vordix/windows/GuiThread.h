#pragma once
// Marshalled calls: work handed from any thread to the GUI thread.
//
// A call made on the GUI thread runs at once, inside the caller (nested
// calls run inline, in order). A call from another thread is queued to a
// hidden object on the GUI thread and the caller waits until it has run;
// the GUI thread serves such calls whenever it processes events. An
// exception thrown by the work reaches the caller.
//
// Once the GUI event loop has ended (or refuseGuiCalls was called), calls
// from other threads are refused instead of waiting for ever: they return
// false without running, and calls still waiting are released the same way.
// A worker must not hold a lock that the GUI thread may wait for while it
// makes a marshalled call.

#include <functional>
#include <memory>
#include <utility>

namespace vordix::windows {

// True on the thread that runs the Qt application (also when no Qt
// application exists: then there is no other thread to hand work to).
bool isGuiThread();

// Runs f on the GUI thread; false when the call was refused.
bool runOnGuiThread(std::function<void()> f);

// Runs f on the GUI thread and returns its result; false when refused.
bool runOnGuiThreadWithResult(std::function<bool()> f);

// Sets up the hidden receiver and ties refusal to the end of the Qt
// event loop. The platform application does it at start-up; the first
// marshalled call from a worker does it otherwise.
void installGuiCallReceiver();

// Stops (true) or resumes (false) serving calls from other threads. The
// end of the event loop stops them on its own.
void refuseGuiCalls(bool refuse);
bool guiCallsRefused();

// Builds an object on the GUI thread; null when the call was refused.
template <class T>
T* createOnGuiThread(std::function<T*()> make)
{
    T* made = nullptr;
    runOnGuiThread([&] { made = make(); });
    return made;
}

// Shares an object built on the GUI thread as its interface; the last
// owner's release destroys it on the GUI thread (a releasing worker waits
// for it). If the GUI thread refuses, the object is left alive rather than
// destroyed on the wrong thread.
template <class Interface, class Object>
std::shared_ptr<Interface> shareWithGuiDeleter(Object* object)
{
    if (!object)
        return {};
    return std::shared_ptr<Interface>(static_cast<Interface*>(object),
                                      [object](Interface*) { runOnGuiThread([object] { delete object; }); });
}

// createOnGuiThread and shareWithGuiDeleter in one step.
template <class Interface, class Object>
std::shared_ptr<Interface> createSharedOnGuiThread(std::function<Object*()> make)
{
    return shareWithGuiDeleter<Interface>(createOnGuiThread<Object>(std::move(make)));
}

} // namespace vordix::windows

using vordix::windows::createOnGuiThread;
using vordix::windows::runOnGuiThread;
using vordix::windows::runOnGuiThreadWithResult;
