#include "vordix/windows/TerminationSignals.h"

#include <QSocketNotifier>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int kSignals[] = {SIGTERM, SIGHUP, SIGINT};
int pipeFds[2] = {-1, -1};
struct sigaction previous[3];

void onSignal(int signal)
{
    const unsigned char byte = static_cast<unsigned char>(signal);
    // Only async-signal-safe work here; a full pipe drops the repeat.
    [[maybe_unused]] const ssize_t written = ::write(pipeFds[1], &byte, 1);
}

} // namespace

TerminationSignals::TerminationSignals(std::function<void(int)> callback, QObject* parent)
    : QObject(parent)
    , onSignal_(std::move(callback))
{
    if (::pipe2(pipeFds, O_CLOEXEC | O_NONBLOCK) != 0) {
        pipeFds[0] = pipeFds[1] = -1;
        return; // without a pipe the default handling stays
    }
    notifier_ = new QSocketNotifier(pipeFds[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &TerminationSignals::readSignal);
    for (int i = 0; i < 3; ++i) {
        struct sigaction action { };
        action.sa_handler = onSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        sigaction(kSignals[i], &action, &previous[i]);
    }
}

TerminationSignals::~TerminationSignals()
{
    if (pipeFds[0] < 0)
        return;
    for (int i = 0; i < 3; ++i)
        sigaction(kSignals[i], &previous[i], nullptr);
    delete notifier_;
    ::close(pipeFds[0]);
    ::close(pipeFds[1]);
    pipeFds[0] = pipeFds[1] = -1;
}

void TerminationSignals::readSignal()
{
    unsigned char byte = 0;
    while (::read(pipeFds[0], &byte, 1) == 1)
        if (onSignal_)
            onSignal_(byte);
}
