// The human declarer and the skat: taking it or playing hand, the two skat
// places filled from the hand and emptied again, and the flight of the two
// cards put away to the declarer's pile. The choices are reported to the
// controller's handler, which answers the table.

#include "skat/app/Bilder.h"
#include "skat/app/UserPrefs.h"
#include "skat/engine/Player.h"
#include "skat/engine/Skattisch.h"
#include "skat/ui/FensterSkat.h"
#include "skat/ui/HelpPages.h"
#include "skat/ui/TableServerAccess.h"

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

void FENSTER_SKAT_CONTROLLER::onSkatOrHandKey(int key)
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
    }
}

void FENSTER_SKAT_CONTROLLER::addSkatOrHandRegions(std::vector<HitRegion>& regions)
{
    if (!view)
        return;
    SKAT_BUTTON& take = view->buttons[BUTTON_TAKE_SKAT];
    SKAT_BUTTON& hand = view->buttons[BUTTON_PLAY_HAND];
    SKAT_BUTTON& help = view->buttons[BUTTON_SKAT_HELP];
    regions.push_back(actingRegion(
        "skat help", [&help](int x, int y) { return help.visible && help.contains(x, y); },
        [this, &help](int, int) {
            help.pressed = false;
            help.invalidate();
            report(UserAction::of(UserAction::OPEN_HELP, static_cast<int>(HelpPage::HandGame)));
        }));
    for (SKAT_BUTTON* button : {&take, &hand}) {
        const bool playHand = button == &hand;
        HitRegion region = buttonRegion(playHand ? "play hand" : "take skat", *button, {}, [this, playHand] {
            report(UserAction::of(playHand ? UserAction::PLAY_HAND : UserAction::TAKE_SKAT));
        });
        // A press clears the choice that the keys marked.
        region.pressed = [&take, &hand, pressed = std::move(region.pressed)](int x, int y) {
            take.pressed = hand.pressed = false;
            return pressed(x, y);
        };
        regions.push_back(std::move(region));
    }
    // Anywhere else the choice is cleared, and nothing below takes the press.
    regions.push_back(actingRegion(
        "skat or hand", [](int, int) { return true; },
        [&take, &hand](int, int) {
            take.invalidate();
            hand.invalidate();
        }));
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

bool FENSTER_SKAT_CONTROLLER::takesDiscardInput() const
{
    return view && hasTable() && HUMAN_PLAYER::awaited() && !input.discardFlying;
}

void FENSTER_SKAT_CONTROLLER::onDiscardKey(int key)
{
    if (!takesDiscardInput())
        return;
    PLAYER_EINBLATT_CONTROLLER& own = view->handControllers[0];
    bool confirm = false;
    if (key == KEY_ENTER || key == KEY_UP) {
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

void FENSTER_SKAT_CONTROLLER::addDiscardRegions(std::vector<HitRegion>& regions)
{
    if (!view)
        return;
    // Nothing is taken while no human waits or the cards fly.
    regions.push_back(actingRegion(
        "put away: not now", [this](int, int) { return !takesDiscardInput(); }, [](int, int) {}));
    // A card on a skat place goes back into the hand.
    for (int place = 0; place < 2; ++place)
        regions.push_back(actingRegion(
            "skat place",
            [this, place](int x, int y) {
                const RECTANGLE r = skatPlaceRect(place);
                return x > r.x && x < r.x + r.width && y > r.y && y < r.y + r.height;
            },
            [this, place](int, int) {
                takeBack(place);
                view->redrawNow();
            }));
    regions.push_back(buttonRegion(
        "put away", view->buttons[BUTTON_PUT_AWAY], [this] { return input.skatPlaces.isComplete(); },
        [this] {
            view->redrawNow();
            report(UserAction::putAway(input.skatPlaces));
        }));
    // A card of the hand goes to the first free place.
    auto cardAt = [this](int x, int y) {
        const PLAYER_EINBLATT_CONTROLLER& own = view->handControllers[0];
        const EINBLATT_VIEW& hand = view->handAtPosition(1);
        const int n = own.shownHand.cardCount();
        const int raised = own.highlighted != NO_CARD ? std::max(own.shownHand.positionOf(own.highlighted), 0) : 0;
        return n > 0 && !input.skatPlaces.isComplete() ? hand.fan().hitTest(x - hand.x, y, n, raised) : 0;
    };
    regions.push_back(actingRegion(
        "card to put away", [cardAt](int x, int y) { return cardAt(x, y) >= 1; },
        [this, cardAt](int x, int y) {
            putAway(view->handControllers[0].shownHand.cardIdAt(cardAt(x, y)));
            view->redrawNow();
        }));
    // Anywhere else nothing below takes the press.
    regions.push_back(actingRegion(
        "put away", [](int, int) { return true; }, [this](int, int) { view->redrawNow(); }));
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
