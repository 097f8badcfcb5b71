#pragma once
// The end of the session as the desktop announces it: SIGTERM (and SIGHUP,
// SIGINT from a terminal) reach the GUI thread as a call, so that the main
// window can close as if the user had closed it and the running game is
// saved. The handler itself only writes to a pipe; the call happens in the
// event loop.

#include <QObject>

#include <functional>

class QSocketNotifier;

class TerminationSignals : public QObject {
    Q_OBJECT
public:
    // One object at a time; it restores the previous handlers when it goes.
    explicit TerminationSignals(std::function<void(int signal)> onSignal, QObject* parent = nullptr);
    ~TerminationSignals() override;

private:
    void readSignal();

    std::function<void(int)> onSignal_;
    QSocketNotifier* notifier_ = nullptr;
};
