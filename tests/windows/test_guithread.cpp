// Marshalled calls: inline on the GUI thread, waited for from a worker,
// refused once the GUI no longer serves them.

#include "guithread_support.h"

#include "vordix/windows/GuiThread.h"

#include <QObject>

#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <thread>
#include <vector>

using namespace vordix::windows;
using guitest::onGuiThread;
using guitest::pumpUntil;

namespace {

// Restores service after a test that refused calls.
struct GuiCallsGuard {
    ~GuiCallsGuard() { refuseGuiCalls(false); }
};

TEST(GuiThreadCalls, OnGuiThreadRunInlineAndNestedInOrder)
{
    std::vector<int> order;
    EXPECT_TRUE(runOnGuiThread([&] {
        order.push_back(1);
        runOnGuiThread([&] { order.push_back(2); });
        order.push_back(3);
    }));
    EXPECT_EQ(order, (std::vector<int>{1, 2, 3}));
    EXPECT_TRUE(isGuiThread());
}

TEST(GuiThreadCalls, WorkerCallRunsOnGuiThreadAndWaitsForIt)
{
    std::atomic<bool> ranOnGui{false};
    std::atomic<bool> workerBack{false};
    bool ranBeforeReturn = false;
    std::thread worker([&] {
        EXPECT_FALSE(isGuiThread());
        const bool ran = runOnGuiThread([&] { ranOnGui = onGuiThread(); });
        ranBeforeReturn = ran && ranOnGui;
        workerBack = true;
    });
    ASSERT_TRUE(pumpUntil([&] { return workerBack.load(); }));
    worker.join();
    EXPECT_TRUE(ranBeforeReturn);
}

TEST(GuiThreadCalls, ResultIsTheSameOnAndOffGuiThread)
{
    for (const bool value : {true, false}) {
        const bool onGui = runOnGuiThreadWithResult([&] { return value; });
        std::atomic<bool> done{false};
        bool offGui = !value;
        std::thread worker([&] {
            offGui = runOnGuiThreadWithResult([&] { return value && onGuiThread(); });
            done = true;
        });
        ASSERT_TRUE(pumpUntil([&] { return done.load(); }));
        worker.join();
        EXPECT_EQ(onGui, value);
        EXPECT_EQ(offGui, value);
    }
}

TEST(GuiThreadCalls, ExceptionOfTheWorkReachesTheWorker)
{
    std::atomic<bool> done{false};
    std::string caught;
    std::thread worker([&] {
        try {
            runOnGuiThread([] { throw std::runtime_error("kaputt"); });
        } catch (const std::runtime_error& e) {
            caught = e.what();
        }
        done = true;
    });
    ASSERT_TRUE(pumpUntil([&] { return done.load(); }));
    worker.join();
    EXPECT_EQ(caught, "kaputt");
}

TEST(GuiThreadCalls, RefusedCallsNeitherRunNorBlock)
{
    GuiCallsGuard guard;
    std::atomic<bool> ran{false};

    // A worker already waiting when the GUI stops serving is released ...
    std::atomic<bool> posted{false};
    std::atomic<bool> waitingResult{true};
    std::atomic<bool> waitingBack{false};
    std::thread waiting([&] {
        posted = true;
        waitingResult = runOnGuiThread([&] { ran = true; });
        waitingBack = true;
    });
    while (!posted)
        std::this_thread::yield();
    QThread::msleep(20); // let the call reach its wait; correctness does not depend on it
    refuseGuiCalls(true);
    waiting.join();
    EXPECT_TRUE(waitingBack);
    EXPECT_FALSE(waitingResult);

    // ... a new call returns at once, and neither runs later.
    std::thread late([&] {
        EXPECT_FALSE(runOnGuiThread([&] { ran = true; }));
        EXPECT_FALSE(runOnGuiThreadWithResult([&] { return ran = true; }));
        EXPECT_EQ(createOnGuiThread<int>([] { return new int(1); }), nullptr);
    });
    late.join();
    QCoreApplication::processEvents();
    EXPECT_FALSE(ran);

    // The GUI thread itself still runs its own calls.
    EXPECT_TRUE(runOnGuiThread([&] { ran = true; }));
    EXPECT_TRUE(ran);
}

TEST(GuiThreadCalls, EndOfTheEventLoopRefusesWorkerCalls)
{
    GuiCallsGuard guard;
    installGuiCallReceiver();
    QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit, Qt::QueuedConnection);
    QCoreApplication::exec();
    EXPECT_TRUE(guiCallsRefused());
    std::thread worker([] { EXPECT_FALSE(runOnGuiThread([] {})); });
    worker.join();
}

// A widget-like object that notes the thread of its construction and
// destruction.
struct Tracked {
    static inline std::atomic<int> alive{0};
    static inline std::atomic<bool> builtOnGui{false};
    static inline std::atomic<bool> destroyedOnGui{false};
    Tracked()
    {
        builtOnGui = onGuiThread();
        ++alive;
    }
    virtual ~Tracked()
    {
        destroyedOnGui = onGuiThread();
        --alive;
    }
};

TEST(GuiThreadCalls, ObjectMadeByWorkerLivesAndDiesOnGuiThread)
{
    std::atomic<bool> done{false};
    bool existedOnReturn = false;
    bool goneAfterRelease = false;
    std::thread worker([&] {
        std::shared_ptr<Tracked> object =
            shareWithGuiDeleter<Tracked>(createOnGuiThread<Tracked>([] { return new Tracked; }));
        existedOnReturn = object && Tracked::alive == 1;
        object.reset();
        goneAfterRelease = Tracked::alive == 0;
        done = true;
    });
    ASSERT_TRUE(pumpUntil([&] { return done.load(); }));
    worker.join();
    EXPECT_TRUE(existedOnReturn);
    EXPECT_TRUE(Tracked::builtOnGui);
    EXPECT_TRUE(goneAfterRelease);
    EXPECT_TRUE(Tracked::destroyedOnGui);
}

} // namespace
