// The human declarer and the skat: taking it or playing hand, the two skat
// places filled from the hand and emptied again, and the flight of the two
// cards put away to the declarer's pile. The choices are reported to the
// controller's handler, which answers the table.

#include "skat/app/Bilder.h"
#include "skat/app/UserPrefs.h"
#include "skat/engine/Player.h"
#include "skat/engine/Skattisch.h"
#include "skat/ui/FensterSkat.h"
#include "skat/ui/TableServerAccess.h"
#include "vordix/Message.h"

#include <algorithm>
#include <memory>
#include <mutex>

namespace {

constexpr int KEY_ENTER = 13;
constexpr int KEY_UP = 200;
constexpr int KEY_DOWN = 201;
constexpr int KEY_LEFT = 202;
constexpr int KEY_RIGHT = 203;

} // namespace

// ---------------------------------------------------------------- places

RECTANGLE FENSTER_SKAT_CONTROLLER::skatPlaceRect(int place) const
{
    return view ? view->skatPlaceRect(place) : RECTANGLE{};
}

void FENSTER_SKAT_CONTROLLER::hidePutAwayCards()
{
    if (!view || (input.mode != INPUT_PUT_AWAY && input.mode != INPUT_SKAT_SHOWN))
        return;
    PLAYER_EINBLATT_CONTROLLER& own = view->handControllers[0];
    for (int place = 1; place <= 2; ++place) {
        const CardId card = input.skatPlaces.cardId(place);
        if (isRealCard(card) && own.shownHand.positionOf(card) >= 0)
            own.removeCard(card);
    }
}

// ---------------------------------------------------------------- skat or hand

void FENSTER_SKAT_CONTROLLER::beginSkatOrHand()
{
    if (!view)
        return;
    input.mode = INPUT_SKAT_OR_HAND;
    view->buttons[BUTTON_TAKE_SKAT].pressed = false;
    view->buttons[BUTTON_PLAY_HAND].pressed = false;
    updateView();
}

void FENSTER_SKAT_CONTROLLER::onSkatOrHandInput(int x, int y, int key)
{
    if (!view)
        return;
    SKAT_BUTTON& take = view->buttons[BUTTON_TAKE_SKAT];
    SKAT_BUTTON& hand = view->buttons[BUTTON_PLAY_HAND];
    if (key == KEY_RIGHT || key == KEY_LEFT) {
        // The pressed look marks the choice that Enter takes.
        take.pressed = key == KEY_LEFT;
        hand.pressed = key == KEY_RIGHT;
        view->invalidate();
        return;
    }
    if (key == KEY_ENTER) {
        SKAT_BUTTON* chosen = take.pressed ? &take : hand.pressed ? &hand : nullptr;
        if (!chosen)
            return;
        chosen->flashPressed();
        report(UserAction::of(chosen == &hand ? UserAction::PLAY_HAND : UserAction::TAKE_SKAT));
        return;
    }
    if (key != 0)
        return;
    VORDIX_MESSAGE press(MESSAGE_MOUSE_PRESS);
    press.x = x;
    press.y = y;
    SKAT_BUTTON& help = view->buttons[BUTTON_SKAT_HELP];
    if (help.visible && help.contains(x, y)) {
        help.pressed = false;
        help.invalidate();
        report(UserAction::of(UserAction::OPEN_HELP));
        return;
    }
    take.pressed = hand.pressed = false;
    for (SKAT_BUTTON* button : {&take, &hand}) {
        if (!button->visible || !button->contains(x, y))
            continue;
        button->onMouse(press);
        if (button->pressed) {
            button->invalidate();
            report(UserAction::of(button == &hand ? UserAction::PLAY_HAND : UserAction::TAKE_SKAT));
            return;
        }
    }
    take.invalidate();
    hand.invalidate();
}

// ---------------------------------------------------------------- taking up and putting away

void FENSTER_SKAT_CONTROLLER::takeUpSkat(const SKAT& proposal)
{
    if (!view || !hasTable())
        return;
    SKATTISCH* table = currentTable();
    SKAT skat;
    {
        std::lock_guard lock(table->tableLock);
        skat = table->cards.skat;
    }
    // The skat lies face up on its places for a moment, then joins the hand.
    input.skatPlaces = skat;
    input.discardProposal = proposal;
    input.mode = INPUT_SKAT_SHOWN;
    hideOverlayMessage();
    updateView();
    view->redrawNow();
    const int pause = USER_PREFS::instance().playDelayMs;
    view->skatAnimations.run(
        table_animation::duration(pause), [](double) {},
        [this] {
            if (input.mode == INPUT_SKAT_SHOWN)
                beginDiscard();
        });
}

void FENSTER_SKAT_CONTROLLER::beginDiscard()
{
    if (!view)
        return;
    // The skat's cards fly from their places into the fan.
    PLAYER_EINBLATT_VIEW& fan = view->handAtPosition(1);
    for (int place = 0; place < 2; ++place) {
        const CardId card = input.skatPlaces.cardId(place + 1);
        input.skatPlaces.setCard(place + 1, NO_CARD);
        if (isRealCard(card))
            fan.takeCardFromSkat(card, place);
    }
    input.skatPlaces.clear();
    input.mode = INPUT_PUT_AWAY;
    hideOverlayMessage();
    updateView();
    PLAYER_EINBLATT_CONTROLLER& own = view->handControllers[0];
    own.setInputMode(HAND_INPUT_PRESS);
    if (analysisWanted && isRealCard(input.discardProposal.cardId(1)))
        own.setHighlightedCard(input.discardProposal.cardId(1));
    view->redrawNow();
}

bool FENSTER_SKAT_CONTROLLER::putAway(CardId card)
{
    if (!view || !isRealCard(card))
        return false;
    for (int place = 1; place <= 2; ++place) {
        if (isRealCard(input.skatPlaces.cardId(place)))
            continue;
        input.skatPlaces.setCard(place, card);
        view->handAtPosition(1).moveCardToSkat(card, place - 1);
        view->handControllers[0].chosen = NO_CARD;
        view->invalidate();
        return true;
    }
    return false;
}

void FENSTER_SKAT_CONTROLLER::takeBack(int place)
{
    const CardId card = input.skatPlaces.cardId(place + 1);
    if (!view || !isRealCard(card))
        return;
    input.skatPlaces.setCard(place + 1, NO_CARD);
    view->handAtPosition(1).takeCardFromSkat(card, place);
    view->handControllers[0].setHighlightedCard(card);
    view->invalidate();
}

void FENSTER_SKAT_CONTROLLER::onDiscardInput(int x, int y, int key)
{
    if (!view || !hasTable() || !HUMAN_PLAYER::awaited() || input.discardFlying)
        return;
    PLAYER_EINBLATT_CONTROLLER& own = view->handControllers[0];
    bool confirm = false;
    if (key == 0) {
        for (int place = 0; place < 2; ++place) {
            const RECTANGLE r = skatPlaceRect(place);
            if (x > r.x && x < r.x + r.width && y > r.y && y < r.y + r.height) {
                takeBack(place);
                view->redrawNow();
                return;
            }
        }
        if (input.skatPlaces.isComplete()) {
            SKAT_BUTTON& button = view->buttons[BUTTON_PUT_AWAY];
            if (button.visible && button.contains(x, y)) {
                VORDIX_MESSAGE press(MESSAGE_MOUSE_PRESS);
                press.x = x;
                press.y = y;
                button.onMouse(press);
                confirm = button.pressed;
            }
        } else {
            // A card of the hand goes to the first free place.
            const EINBLATT_VIEW& hand = view->handAtPosition(1);
            const int n = own.shownHand.cardCount();
            const int raised = own.highlighted != NO_CARD ? std::max(own.shownHand.positionOf(own.highlighted), 0) : 0;
            const int hit = n > 0 ? hand.fan().hitTest(x - hand.x, y, n, raised) : 0;
            if (hit >= 1)
                putAway(own.shownHand.cardIdAt(hit));
        }
    } else if (key == KEY_ENTER || key == KEY_UP) {
        if (input.skatPlaces.isComplete()) {
            if (key == KEY_ENTER) {
                view->buttons[BUTTON_PUT_AWAY].flashPressed();
                confirm = true;
            }
        } else if (own.highlighted != NO_CARD) {
            const CardId card = own.highlighted;
            const int position = own.shownHand.positionOf(card);
            putAway(card);
            // The highlight stays at the same place of the hand.
            const int n = own.shownHand.cardCount();
            if (n > 0)
                own.setHighlightedCard(own.shownHand.cardIdAt(std::clamp(position, 1, n)));
        }
    } else if (key == KEY_DOWN) {
        takeBack(isRealCard(input.skatPlaces.cardId(2)) ? 1 : 0);
    }
    view->redrawNow();
    if (confirm)
        report(UserAction::putAway(input.skatPlaces));
}

// ---------------------------------------------------------------- the flight

void FENSTER_SKAT::animateDiscard(const SKAT& pair, std::function<void()> done)
{
    // Both cards fly to the declarer's pile and shrink on the way; a short
    // pause follows before the answer goes to the table.
    const int targetX = originX + currentLayout[TableLayout::PILE_RIGHT];
    const int targetY = originY + currentLayout[21] + currentLayout[18] - 10;
    const int ms = table_animation::duration(USER_PREFS::instance().playDelayMs / 4 + 50);
    // The places look empty while their cards fly.
    controller->input.discardFlying = true;
    controller->input.mode = INPUT_PUT_AWAY_DONE;
    invalidate();
    BILDER& images = BILDER::instance();
    for (int place = 0; place < 2; ++place) {
        const RECTANGLE from = controller->skatPlaceRect(place);
        const RECTANGLE to{targetX, targetY, from.width / 8, from.height / 8};
        skatAnimations.fly(this, &images.cardFace(pair.cardId(place + 1)), from, 0.0f, to, 0.0f, ms);
    }
    skatAnimations.runSteps({{ms}, {ms > 0 ? 100 : 0}}, [this, done] {
        controller->input.discardFlying = false;
        invalidate();
        done();
    });
}
