#include "skat/ui/FensterSkatTableWindows.h"

#include "skat/engine/Skattisch.h"
#include "skat/ui/FensterSkat.h"
#include "skat/ui/TableServerAccess.h"

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

void FENSTER_SKAT_TABLE_WINDOWS::offerBid(SKATTISCH& table, int, const std::wstring&) {
    // Read now: the record stands still while the table waits for the answer.
    const int mode = table.record.REIZEN_MODUS;
    const int index = table.record.REIZ_INDEX;
    post([mode, index](FENSTER_SKAT_CONTROLLER& c) {
        c.updateView();
        if (c.view) c.view->biddingController.offerBid(L"", mode, index);
    });
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

namespace {

void repaintWindow(FENSTER_SKAT_CONTROLLER& c) {
    if (c.view) c.view->invalidate();
}

PLAYER_EINBLATT_CONTROLLER* handOfSeat(FENSTER_SKAT_CONTROLLER& c, Seat seat) {
    if (!c.view || seat < 0 || seat > 2) return nullptr;
    const int position = FENSTER_SKAT::screenPositionOfSeat(currentTable(), seat);
    return static_cast<PLAYER_EINBLATT_CONTROLLER*>(c.view->handAtPosition(position).controller);
}

} // namespace

void FENSTER_SKAT_TABLE_WINDOWS::setInputMode(int mode) {
    post([mode](FENSTER_SKAT_CONTROLLER& c) {
        c.inputMode = mode;
        // Only a card request lets the own hand take input.
        if (mode != INPUT_CARD_PLAY && c.view) c.view->handControllers[0].setInputMode(HAND_INPUT_NONE);
        repaintWindow(c);
    });
}

void FENSTER_SKAT_TABLE_WINDOWS::updateView() { post([](FENSTER_SKAT_CONTROLLER& c) { c.updateView(); }); }
void FENSTER_SKAT_TABLE_WINDOWS::repaint() { post(repaintWindow); }
void FENSTER_SKAT_TABLE_WINDOWS::layoutViews() { post(repaintWindow); }
void FENSTER_SKAT_TABLE_WINDOWS::relayout() { post(repaintWindow); }
void FENSTER_SKAT_TABLE_WINDOWS::invalidateHandView() { post(repaintWindow); }
void FENSTER_SKAT_TABLE_WINDOWS::showWinningCard() { post(repaintWindow); }
void FENSTER_SKAT_TABLE_WINDOWS::refreshHands() { post([](FENSTER_SKAT_CONTROLLER& c) { c.updateView(); }); }
void FENSTER_SKAT_TABLE_WINDOWS::dealCards(int) { post([](FENSTER_SKAT_CONTROLLER& c) { c.updateView(); }); }

void FENSTER_SKAT_TABLE_WINDOWS::rebuildCardViews() {
    post([](FENSTER_SKAT_CONTROLLER& c) {
        if (!c.view) return;
        for (PLAYER_EINBLATT_VIEW& hand : c.view->handViews) hand.rebuildCardViews();
    });
}

void FENSTER_SKAT_TABLE_WINDOWS::setHand(Seat seat, CardSet hand) {
    post([seat, hand](FENSTER_SKAT_CONTROLLER& c) {
        if (PLAYER_EINBLATT_CONTROLLER* controller = handOfSeat(c, seat)) controller->setHand(hand);
        repaintWindow(c);
    });
}

void FENSTER_SKAT_TABLE_WINDOWS::removeCard(Seat seat, CardId card) {
    post([seat, card](FENSTER_SKAT_CONTROLLER& c) {
        if (PLAYER_EINBLATT_CONTROLLER* controller = handOfSeat(c, seat)) controller->removeCard(card);
        repaintWindow(c);
    });
}
