#include "skat/ui/FensterSkatTableWindows.h"

#include "skat/engine/Player.h"
#include "skat/engine/Skattisch.h"
#include "skat/ui/FensterSkat.h"
#include "skat/ui/TableAnimation.h"
#include "skat/ui/TableServerAccess.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QThread>

#include <array>
#include <mutex>

FENSTER_SKAT_TABLE_WINDOWS::FENSTER_SKAT_TABLE_WINDOWS(FENSTER_SKAT& window)
    : window_(std::make_shared<FENSTER_SKAT*>(&window))
{
}

void FENSTER_SKAT_TABLE_WINDOWS::detach() { *window_ = nullptr; }

std::shared_ptr<FENSTER_SKAT_TABLE_WINDOWS> installTableWindowsFor(FENSTER_SKAT& window)
{
    auto windows = std::make_shared<FENSTER_SKAT_TABLE_WINDOWS>(window);
    installTableWindows(windows);
    window.whenGone([weak = std::weak_ptr<FENSTER_SKAT_TABLE_WINDOWS>(windows)] {
        const auto gone = weak.lock();
        if (!gone)
            return;
        gone->detach();
        if (tableWindows() == gone)
            installTableWindows(nullptr);
    });
    return windows;
}

void FENSTER_SKAT_TABLE_WINDOWS::post(std::function<void(FENSTER_SKAT_CONTROLLER&)> work)
{
    auto run = [window = window_, work = std::move(work)] {
        FENSTER_SKAT* target = *window;
        if (!target)
            return;
        if (FENSTER_SKAT_CONTROLLER* controller = target->windowController())
            work(*controller);
    };
    QCoreApplication* app = QCoreApplication::instance();
    if (!app || QThread::currentThread() == app->thread()) {
        run();
        return;
    }
    QMetaObject::invokeMethod(app, std::move(run), Qt::QueuedConnection);
}

void FENSTER_SKAT_TABLE_WINDOWS::faceAwaitedHuman(SKATTISCH& table)
{
    HUMAN_PLAYER* human = HUMAN_PLAYER::awaited();
    const Seat seat = human ? table.seatOf(human) : SEAT_NONE;
    if (seat != SEAT_NONE)
        post([seat](FENSTER_SKAT_CONTROLLER& c) { c.faceActingSeat(seat); });
}

void FENSTER_SKAT_TABLE_WINDOWS::offerBid(SKATTISCH& table, int, const std::wstring&)
{
    faceAwaitedHuman(table);
    // Read now: the record stands still while the table waits for the answer.
    const SPIELSTRUCT record = table.recordCopy();
    const int mode = record.REIZEN_MODUS;
    const int index = record.REIZ_INDEX;
    post([mode, index](FENSTER_SKAT_CONTROLLER& c) {
        c.updateView();
        if (c.view)
            c.view->biddingController.offerBid(L"", mode, index);
    });
}

void FENSTER_SKAT_TABLE_WINDOWS::beginCardChoice(SKATTISCH& table, CardId hint)
{
    faceAwaitedHuman(table);
    post([hint](FENSTER_SKAT_CONTROLLER& c) { c.beginCardChoice(hint); });
}

void FENSTER_SKAT_TABLE_WINDOWS::beginTrickConfirmation(SKATTISCH&)
{
    post([](FENSTER_SKAT_CONTROLLER& c) { c.updateView(); });
}

void FENSTER_SKAT_TABLE_WINDOWS::refreshMainWindow(SKATTISCH&)
{
    post([](FENSTER_SKAT_CONTROLLER& c) { c.updateView(); });
}

void FENSTER_SKAT_TABLE_WINDOWS::announceComputerCard(SKATTISCH&, int)
{
    post([](FENSTER_SKAT_CONTROLLER& c) { c.updateView(); });
}

namespace {

void repaintWindow(FENSTER_SKAT_CONTROLLER& c)
{
    if (c.view)
        c.view->invalidate();
}

PLAYER_EINBLATT_CONTROLLER* handOfSeat(FENSTER_SKAT_CONTROLLER& c, Seat seat)
{
    if (!c.view || seat < 0 || seat > 2)
        return nullptr;
    const int position = screenPositionOfSeat(currentTable(), seat);
    return static_cast<PLAYER_EINBLATT_CONTROLLER*>(c.view->handAtPosition(position).controller);
}

} // namespace

void FENSTER_SKAT_TABLE_WINDOWS::setInputMode(InputMode mode)
{
    post([mode](FENSTER_SKAT_CONTROLLER& c) {
        c.input.mode = mode;
        // Only a card request lets the own hand take input.
        if (mode != INPUT_CARD_PLAY && c.view)
            c.view->handControllers[0].setInputMode(HAND_INPUT_NONE);
        repaintWindow(c);
    });
}

void FENSTER_SKAT_TABLE_WINDOWS::updateView()
{
    post([](FENSTER_SKAT_CONTROLLER& c) { c.updateView(); });
}
void FENSTER_SKAT_TABLE_WINDOWS::repaint() { post(repaintWindow); }
void FENSTER_SKAT_TABLE_WINDOWS::invalidateHandView() { post(repaintWindow); }
void FENSTER_SKAT_TABLE_WINDOWS::refreshHands()
{
    post([](FENSTER_SKAT_CONTROLLER& c) { c.updateView(); });
}

// The animations run on the GUI thread; the worker only waits for their length.
void FENSTER_SKAT_TABLE_WINDOWS::layoutViews()
{
    post([](FENSTER_SKAT_CONTROLLER& c) {
        if (c.view)
            c.view->trickCards.layout(true);
    });
}

void FENSTER_SKAT_TABLE_WINDOWS::relayout()
{
    post([](FENSTER_SKAT_CONTROLLER& c) {
        if (!c.view)
            return;
        c.view->trickCards.layout(false);
        c.view->handViews[1].invalidate();
        c.view->handViews[2].invalidate();
    });
}

void FENSTER_SKAT_TABLE_WINDOWS::animateCardToTrick(Seat, CardId card, int)
{
    // The table has the card: the user's card is no longer on its way. Left
    // set, the flag would put the card back in the trick as soon as a later
    // deal gave it to the hand again.
    post([card](FENSTER_SKAT_CONTROLLER& c) {
        if (!c.view || c.view->handControllers[0].chosen != card)
            return;
        c.view->handControllers[0].chosen = NO_CARD;
        c.input.ownCardOnItsWay = false;
    });
    layoutViews();
    if (const int ms = table_animation::cardMoveMs(); ms > 0)
        pause(ms);
}

void FENSTER_SKAT_TABLE_WINDOWS::showWinningCard()
{
    post([](FENSTER_SKAT_CONTROLLER& c) {
        if (c.view)
            c.view->trickCards.carryToWinner();
    });
    if (const int ms = table_animation::duration(TRICK_CARD_VIEWS::CARRY_PAUSE_MS); ms > 0)
        pause(ms);
}

void FENSTER_SKAT_TABLE_WINDOWS::beginCut(SKATTISCH&)
{
    post([](FENSTER_SKAT_CONTROLLER& c) { c.beginCut(); });
}

void FENSTER_SKAT_TABLE_WINDOWS::setPileMode(PileMode mode)
{
    post([mode](FENSTER_SKAT_CONTROLLER& c) {
        if (!c.view)
            return;
        c.view->pileController.mode = mode;
        c.view->invalidate();
    });
}

void FENSTER_SKAT_TABLE_WINDOWS::showShuffle()
{
    post([](FENSTER_SKAT_CONTROLLER& c) {
        if (c.view)
            c.view->pileController.showShuffle();
    });
    if (const int ms = STAPEL_CONTROLLER::shuffleMs(); ms > 0)
        pause(ms);
}

void FENSTER_SKAT_TABLE_WINDOWS::dealCards(int cutPosition)
{
    // The deck is cut first, then the hands are dealt.
    if (table_animation::playSpeed() > 0) {
        post([cutPosition](FENSTER_SKAT_CONTROLLER& c) {
            if (c.view)
                c.view->pileController.showCut(cutPosition);
        });
        pause(STAPEL_CONTROLLER::cutMs());
    }
    post([](FENSTER_SKAT_CONTROLLER& c) {
        if (!c.view)
            return;
        c.view->pileController.mode = PILE_TRICKS;
        c.view->invalidate();
    });
    SKATTISCH* table = currentTable();
    std::array<CardSet, 3> hands{};
    if (table) {
        std::lock_guard lock(table->tableLock);
        for (int seat = 0; seat < 3; ++seat)
            hands[seat] = table->cards.hands[seat].cardSet();
    }
    post([hands](FENSTER_SKAT_CONTROLLER& c) {
        // A new game: no card of the user's from the game before is on its way.
        c.input.ownCardOnItsWay = false;
        if (c.view)
            c.view->handControllers[0].chosen = NO_CARD;
        for (Seat seat = SEAT_0; seat < 3; ++seat)
            if (PLAYER_EINBLATT_CONTROLLER* hand = handOfSeat(c, seat))
                static_cast<PLAYER_EINBLATT_VIEW*>(hand->view)->dealCards(hands[seat]);
        repaintWindow(c);
    });
    const int ms = table_animation::duration(table_animation::playSpeed() / 2 + 250);
    if (ms > 0)
        pause(ms + 100);
}

void FENSTER_SKAT_TABLE_WINDOWS::showOpenHands(Seat actingSeat)
{
    post([actingSeat](FENSTER_SKAT_CONTROLLER& c) {
        if (PLAYER_EINBLATT_CONTROLLER* hand = handOfSeat(c, actingSeat))
            hand->resetCardViews();
    });
    const int ms = table_animation::duration(1000);
    if (ms <= 0)
        return;
    pause(ms + 100);
    post([actingSeat](FENSTER_SKAT_CONTROLLER& c) {
        if (PLAYER_EINBLATT_CONTROLLER* hand = handOfSeat(c, actingSeat); hand && hand->view)
            hand->view->rebuildCardViews();
    });
}

void FENSTER_SKAT_TABLE_WINDOWS::rebuildCardViews()
{
    post([](FENSTER_SKAT_CONTROLLER& c) {
        if (!c.view)
            return;
        for (PLAYER_EINBLATT_VIEW& hand : c.view->handViews)
            hand.rebuildCardViews();
    });
}

void FENSTER_SKAT_TABLE_WINDOWS::setHand(Seat seat, CardSet hand)
{
    post([seat, hand](FENSTER_SKAT_CONTROLLER& c) {
        if (PLAYER_EINBLATT_CONTROLLER* controller = handOfSeat(c, seat))
            controller->setHand(hand);
        repaintWindow(c);
    });
}

void FENSTER_SKAT_TABLE_WINDOWS::removeCard(Seat seat, CardId card)
{
    post([seat, card](FENSTER_SKAT_CONTROLLER& c) {
        if (PLAYER_EINBLATT_CONTROLLER* controller = handOfSeat(c, seat))
            controller->removeCard(card);
        repaintWindow(c);
    });
}

void FENSTER_SKAT_TABLE_WINDOWS::clearBubbles()
{
    post([](FENSTER_SKAT_CONTROLLER& c) {
        if (c.view)
            c.view->clearSeatTexts();
    });
}

void FENSTER_SKAT_TABLE_WINDOWS::updateInfoText()
{
    post([](FENSTER_SKAT_CONTROLLER& c) {
        if (c.view)
            c.view->updateInfoText();
    });
}

void FENSTER_SKAT_TABLE_WINDOWS::onSettlement()
{
    post([](FENSTER_SKAT_CONTROLLER& c) {
        if (c.view)
            c.view->onSettlement();
    });
}
