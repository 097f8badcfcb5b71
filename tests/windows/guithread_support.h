#pragma once
// Helpers for tests that hand work between a worker and the GUI thread
// (the test's own thread).

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QThread>

#include <functional>

namespace guitest {

// Processes GUI events until the condition holds; false when it never did
// within the guard time (a hang guard, not a timing claim).
inline bool pumpUntil(const std::function<bool()>& condition, int guardMs = 20000)
{
    QDeadlineTimer guard(guardMs);
    while (!condition()) {
        if (guard.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(1);
    }
    return true;
}

inline bool onGuiThread() { return QThread::currentThread() == QCoreApplication::instance()->thread(); }

} // namespace guitest
