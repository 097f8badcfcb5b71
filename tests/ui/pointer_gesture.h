#pragma once
// A press of the left button, moves with it held and the release, the moves
// and the release delivered by the event loop as the user's would be: the
// table must not need a loop of its own between press and release. The
// gesture waits until the release was delivered, not for a fixed time, so a
// slow run (a sanitizer's) neither cuts it short nor leaks its release into
// the next case.

#include <QApplication>
#include <QMouseEvent>
#include <QPoint>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <memory>
#include <vector>

// Presses at from, moves through path, releases at release; true when the
// release was delivered within timeoutMs.
inline bool pressMoveRelease(QWidget* widget, QPoint from, const std::vector<QPoint>& path, QPoint release,
                             int timeoutMs = 10000)
{
    QPointer<QWidget> target = widget;
    auto released = std::make_shared<bool>(false);
    // Due one after the other: the event loop delivers timers that are all
    // overdue in the order of their times.
    int delay = 10;
    for (const QPoint& at : path) {
        QTimer::singleShot(delay, [target, at] {
            if (!target)
                return;
            QMouseEvent move(QEvent::MouseMove, at, target->mapToGlobal(at), Qt::NoButton, Qt::LeftButton,
                             Qt::NoModifier);
            QApplication::sendEvent(target, &move);
        });
        delay += 10;
    }
    QTimer::singleShot(delay, [target, release, released] {
        if (target)
            QTest::mouseRelease(target, Qt::LeftButton, {}, release);
        *released = true;
    });
    QTest::mousePress(widget, Qt::LeftButton, {}, from);
    return QTest::qWaitFor([released] { return *released; }, timeoutMs);
}
