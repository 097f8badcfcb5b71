#include "vordix/windows/GuiThread.h"

#include "vordix/windows/EventHandoff.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QThread>

#include <condition_variable>
#include <exception>
#include <mutex>
#include <set>

namespace vordix::windows {
namespace {

// One call handed to the GUI thread. The GUI thread runs it only while it
// is still pending; a refused call is never run later, so the work may
// safely refer to the waiting caller's stack.
struct GuiCall {
    enum class State { Pending, Running, Done, Refused };

    std::function<void()> work;
    std::mutex mutex;
    std::condition_variable finished;
    State state = State::Pending;
    std::exception_ptr error;
};

class GuiCallEvent : public QEvent {
public:
    static QEvent::Type type()
    {
        static const auto t = static_cast<QEvent::Type>(QEvent::registerEventType());
        return t;
    }
    explicit GuiCallEvent(std::shared_ptr<GuiCall> c) : QEvent(type()), call(std::move(c)) { }
    std::shared_ptr<GuiCall> call;
};

// The shared state of the marshalling: the hidden receiver on the GUI
// thread, the refusal flag and the calls that wait.
struct Marshaller {
    std::mutex mutex;
    bool refused = false;
    QObject* receiver = nullptr;
    std::set<std::shared_ptr<GuiCall>> waiting;
};

Marshaller& marshaller()
{
    static Marshaller m;
    return m;
}

void execute(GuiCall& call)
{
    {
        std::lock_guard lock(call.mutex);
        if (call.state != GuiCall::State::Pending)
            return;
        call.state = GuiCall::State::Running;
    }
    std::exception_ptr error;
    try {
        call.work();
    } catch (...) {
        error = std::current_exception();
    }
    {
        std::lock_guard lock(call.mutex);
        call.error = error;
        call.state = GuiCall::State::Done;
    }
    call.finished.notify_all();
}

void refuseWaitingCalls()
{
    std::set<std::shared_ptr<GuiCall>> calls;
    {
        std::lock_guard lock(marshaller().mutex);
        calls = marshaller().waiting;
    }
    for (const auto& call : calls) {
        {
            std::lock_guard lock(call->mutex);
            if (call->state != GuiCall::State::Pending)
                continue;
            call->state = GuiCall::State::Refused;
        }
        call->finished.notify_all();
    }
}

class GuiCallReceiver : public QObject {
public:
    bool event(QEvent* e) override
    {
        eventTakenOver(e);
        if (e->type() != GuiCallEvent::type())
            return QObject::event(e);
        execute(*static_cast<GuiCallEvent*>(e)->call);
        return true;
    }
};

// The receiver lives on the application's thread; the end of the event loop
// (or of the application) stops calls from other threads.
QObject* receiverLocked(Marshaller& m)
{
    if (m.receiver)
        return m.receiver;
    auto* app = QCoreApplication::instance();
    auto* receiver = new GuiCallReceiver;
    receiver->moveToThread(app->thread());
    QObject::connect(
        app, &QCoreApplication::aboutToQuit, receiver, [] { refuseGuiCalls(true); }, Qt::DirectConnection);
    QObject::connect(app, &QObject::destroyed, [receiver] {
        {
            std::lock_guard lock(marshaller().mutex);
            marshaller().refused = true;
            marshaller().receiver = nullptr;
        }
        refuseWaitingCalls();
        // Ownerless on purpose (it may be made on a worker); the application's
        // thread deletes it here, dropping calls still posted to it.
        delete receiver;
    });
    m.receiver = receiver;
    return receiver;
}

// Runs the work directly on the GUI thread, else waits for the GUI thread.
bool marshal(std::function<void()> work)
{
    if (isGuiThread()) {
        work();
        return true;
    }
    auto call = std::make_shared<GuiCall>();
    call->work = std::move(work);
    auto& m = marshaller();
    {
        std::lock_guard lock(m.mutex);
        if (m.refused)
            return false;
        m.waiting.insert(call);
        auto* event = new GuiCallEvent(call);
        eventHandedOver(event);
        QCoreApplication::postEvent(receiverLocked(m), event);
    }
    std::unique_lock lock(call->mutex);
    call->finished.wait(lock,
                        [&] { return call->state == GuiCall::State::Done || call->state == GuiCall::State::Refused; });
    const bool ran = call->state == GuiCall::State::Done;
    std::exception_ptr error = call->error;
    lock.unlock();
    {
        std::lock_guard registryLock(m.mutex);
        m.waiting.erase(call);
    }
    // The work is destroyed here, on the calling thread.
    call->work = nullptr;
    if (error)
        std::rethrow_exception(error);
    return ran;
}

} // namespace

bool isGuiThread()
{
    auto* app = QCoreApplication::instance();
    return !app || QThread::currentThread() == app->thread();
}

void installGuiCallReceiver()
{
    if (!QCoreApplication::instance())
        return;
    std::lock_guard lock(marshaller().mutex);
    receiverLocked(marshaller());
}

bool runOnGuiThread(std::function<void()> f) { return marshal(std::move(f)); }

bool runOnGuiThreadWithResult(std::function<bool()> f)
{
    bool result = false;
    if (!marshal([&] { result = f(); }))
        return false;
    return result;
}

void refuseGuiCalls(bool refuse)
{
    {
        std::lock_guard lock(marshaller().mutex);
        marshaller().refused = refuse;
    }
    if (refuse)
        refuseWaitingCalls();
}

bool guiCallsRefused()
{
    std::lock_guard lock(marshaller().mutex);
    return marshaller().refused;
}

} // namespace vordix::windows
