#include "skat/ui/FensterSkatTableWindows.h"

#include "skat/ui/FensterSkat.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QThread>

FENSTER_SKAT_TABLE_WINDOWS::FENSTER_SKAT_TABLE_WINDOWS(FENSTER_SKAT& window)
    : window_(std::make_shared<FENSTER_SKAT*>(&window)) {}

void FENSTER_SKAT_TABLE_WINDOWS::detach() { *window_ = nullptr; }

void FENSTER_SKAT_TABLE_WINDOWS::post(std::function<void(FENSTER_SKAT_CONTROLLER&)> work) {
    auto run = [window = window_, work = std::move(work)] {
        FENSTER_SKAT* target = *window;
        if (!target) return;
        if (FENSTER_SKAT_CONTROLLER* controller = target->windowController()) work(*controller);
    };
    QCoreApplication* app = QCoreApplication::instance();
    if (!app || QThread::currentThread() == app->thread()) {
        run();
        return;
    }
    QMetaObject::invokeMethod(app, std::move(run), Qt::QueuedConnection);
}

void FENSTER_SKAT_TABLE_WINDOWS::offerBid(SKATTISCH&, int, const std::wstring&) {
    // The hands are dealt by the time the first bid is asked for.
    post([](FENSTER_SKAT_CONTROLLER& c) { c.updateView(); });
}

void FENSTER_SKAT_TABLE_WINDOWS::beginCardChoice(SKATTISCH&, CardId hint) {
    post([hint](FENSTER_SKAT_CONTROLLER& c) { c.beginCardChoice(hint); });
}

void FENSTER_SKAT_TABLE_WINDOWS::beginTrickConfirmation(SKATTISCH&) {
    post([](FENSTER_SKAT_CONTROLLER& c) { c.updateView(); });
}

void FENSTER_SKAT_TABLE_WINDOWS::refreshMainWindow(SKATTISCH&) {
    post([](FENSTER_SKAT_CONTROLLER& c) { c.updateView(); });
}

void FENSTER_SKAT_TABLE_WINDOWS::announceComputerCard(SKATTISCH&, int) {
    post([](FENSTER_SKAT_CONTROLLER& c) { c.updateView(); });
}
