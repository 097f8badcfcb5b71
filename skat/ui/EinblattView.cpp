#include "skat/ui/EinblattView.h"

#include "skat/app/Bilder.h"
#include "skat/app/UserPrefs.h"
#include "skat/engine/AnswerCheck.h"
#include "skat/engine/Player.h"
#include "skat/engine/Skattisch.h"
#include "skat/ui/TableServerAccess.h"
#include "skat/ui/TableSnapshot.h"
#include "skat/ui/TableViewHost.h"
#include "skat/ui/UserActions.h"
#include "vordix/Message.h"
#include "vordix/Timer.h"

#include <algorithm>
#include <cstdlib>
#include <mutex>

namespace {

int toInt(double value) { return static_cast<int>(value); }

// The game type the hand is sorted for: the table's once the game is
// announced, a suit game before.
GameType sortTypeOf(const SKATTISCH* table)
{
    if (!table)
        return GAME_CLUBS;
    const TableSnapshot shown(*table);
    if (shown.currentIndex < STATE_REIZEN)
        return GAME_CLUBS;
    const GameType type = shown.record.SPIELART.SPIEL_TYP;
    return type == GAME_NONE ? GAME_CLUBS : type;
}

bool sortsFully(const SKATTISCH* table) { return table && table->currentIndex >= STATE_REIZEN; }

} // namespace

SortSettings userSortSettings(bool rankOnly)
{
    const USER_PREFS& prefs = USER_PREFS::instance();
    SortSettings settings;
    settings.direction = prefs.rankOrder;
    if (!rankOnly) {
        settings.suitOrder = prefs.suitOrder;
        settings.trumpsToJacks = prefs.trumpsToJacks;
    }
    return settings;
}

// ---------------------------------------------------------------- controllers

void EINBLATT_CONTROLLER::invalidateView()
{
    if (view)
        view->invalidate();
}

PLAYER* PLAYER_EINBLATT_CONTROLLER::seatPlayer() const
{
    SKATTISCH* table = currentTable();
    if (!table || seat < 0 || seat > 2)
        return nullptr;
    return table->playerAtSeat(static_cast<Seat>(seat));
}

int PLAYER_EINBLATT_CONTROLLER::gameState() const
{
    SKATTISCH* table = currentTable();
    return table ? table->currentIndex.load() : 0;
}

void PLAYER_EINBLATT_CONTROLLER::attachSeat(int newSeat)
{
    seat = newSeat;
    SKATTISCH* table = currentTable();
    if (table && seat >= 0 && seat <= 2 && seatPlayer())
        setHand(TableSnapshot(*table).handShown(static_cast<Seat>(seat)));
}

void PLAYER_EINBLATT_CONTROLLER::sortHandFor(GameType type) { shownHand.sort(type, userSortSettings(false)); }

void PLAYER_EINBLATT_CONTROLLER::setHand(CardSet cards)
{
    bool added = false;
    for (int place = shownHand.cardCount(); place >= 1; --place) {
        const CardId card = shownHand.cardIdAt(place);
        if (!(cards & cardMaskOfId(card)))
            shownHand.removeCard(card);
    }
    for (CardSet rest = cards; rest != 0; rest &= rest - 1) {
        const CardId card = cardIdOfBit(lowestBit(rest));
        if (shownHand.positionOf(card) < 0) {
            shownHand.addCard(card);
            added = true;
        }
    }
    // A hand that only lost cards keeps the order the user gave it, unless
    // the game it was sorted for has changed.
    SKATTISCH* table = currentTable();
    if (added || !(sortedFor_ == SortedFor{sortTypeOf(table), sortsFully(table)}))
        sortForTable();
    if (highlighted != NO_CARD && shownHand.positionOf(highlighted) < 0)
        highlighted = NO_CARD;
    if (view)
        view->rebuildCardViews();
}

void PLAYER_EINBLATT_CONTROLLER::refreshHand()
{
    SKATTISCH* table = currentTable();
    if (!table || seat < 0 || seat > 2)
        return;
    const TableSnapshot shown(*table);
    setHand(shown.currentIndex >= STATE_ABHEBEN_UND_GEBEN ? shown.handShown(static_cast<Seat>(seat)) : 0);
}

void PLAYER_EINBLATT_CONTROLLER::sortForTable()
{
    SKATTISCH* table = currentTable();
    sortedFor_ = {sortTypeOf(table), sortsFully(table)};
    shownHand.sort(sortedFor_.type, userSortSettings(!sortedFor_.fully));
}

void PLAYER_EINBLATT_CONTROLLER::resortHand()
{
    sortForTable();
    if (view)
        view->rebuildCardViews();
}

void PLAYER_EINBLATT_CONTROLLER::setInputMode(HandInputMode mode)
{
    inputMode = mode;
    bool rebuild = legalDisplay;
    if (mode == HAND_INPUT_NONE && highlighted != NO_CARD) {
        highlighted = NO_CARD;
        rebuild = true;
    }
    if (mode == HAND_INPUT_PLAY)
        chosen = NO_CARD;
    legalDisplay = false;
    if (rebuild && view)
        view->rebuildCardViews();
}

void PLAYER_EINBLATT_CONTROLLER::setHighlightedCard(CardId card)
{
    const CardId next = shownHand.positionOf(card) > 0 ? card : NO_CARD;
    if (next == highlighted)
        return;
    highlighted = next;
    if (view)
        view->rebuildCardViews();
}

void PLAYER_EINBLATT_CONTROLLER::moveCard(int from, int to)
{
    const int n = shownHand.cardCount();
    from = std::clamp(from, 1, std::max(n, 1));
    to = std::clamp(to, 1, std::max(n, 1));
    // Rebuild the order with the card taken out and put back at its new place.
    if (n > 0 && from != to) {
        std::vector<CardId> order;
        for (int place = 1; place <= n; ++place)
            order.push_back(shownHand.cardIdAt(place));
        const CardId card = order[from - 1];
        order.erase(order.begin() + (from - 1));
        order.insert(order.begin() + (to - 1), card);
        shownHand.clear();
        for (CardId id : order)
            shownHand.addCard(id);
    }
    if (view)
        view->rebuildCardViews();
}

std::unique_ptr<VORDIX_IMAGEVIEW> PLAYER_EINBLATT_CONTROLLER::takeCard(CardId card)
{
    const int place = shownHand.positionOf(card);
    if (place < 1)
        return nullptr;
    std::unique_ptr<VORDIX_IMAGEVIEW> taken = view ? view->takeCardViewAt(place - 1) : nullptr;
    shownHand.removeCard(card);
    if (highlighted == card)
        highlighted = NO_CARD;
    invalidateView();
    return taken;
}

void PLAYER_EINBLATT_CONTROLLER::removeCard(CardId card)
{
    const int place = shownHand.positionOf(card);
    if (place < 1)
        return;
    if (view)
        view->removeCardViewAt(place - 1);
    shownHand.removeCard(card);
    invalidateView();
}

CardSet PLAYER_EINBLATT_CONTROLLER::legalCards() const
{
    SKATTISCH* table = currentTable();
    if (!table || seat < 0 || seat > 2)
        return 0;
    const TableSnapshot shown(*table);
    const GameType type = shown.record.SPIELART.SPIEL_TYP;
    if (type < GAME_CLUBS || type > 8)
        return 0;
    return legalCardsOfSeat(shown.cards, type, static_cast<Seat>(seat));
}

bool PLAYER_EINBLATT_CONTROLLER::playCard(CardId card)
{
    const CardSet legal = legalCards();
    if (!(legal & cardMaskOfId(card))) {
        // Show which cards may be played and keep the card.
        legalDisplay = true;
        chosen = NO_CARD;
        if (view) {
            view->rebuildCardViews();
            view->redrawNow();
        }
        return false;
    }
    if (actions)
        actions->report(UserAction::playCard(card));
    return true;
}

std::unique_ptr<VORDIX_IMAGEVIEW> PLAYER_EINBLATT_CONTROLLER::giveCard(CardId card)
{
    chosen = card;
    std::unique_ptr<VORDIX_IMAGEVIEW> flying = takeCard(card);
    legalDisplay = false;
    highlighted = NO_CARD;
    inputMode = HAND_INPUT_NONE;
    if (view)
        view->rebuildCardViews();
    return flying;
}

// ---------------------------------------------------------------- view

EINBLATT_VIEW::EINBLATT_VIEW() = default;

EINBLATT_VIEW::~EINBLATT_VIEW() { clearCardViews(); }

PLAYER_EINBLATT_CONTROLLER* EINBLATT_VIEW::controllerAsPlayer() const
{
    return dynamic_cast<PLAYER_EINBLATT_CONTROLLER*>(controller);
}

void EINBLATT_VIEW::setPosition(std::int32_t newX, std::int32_t newY)
{
    x = newX;
    y = newY;
    rowTop = toInt(raiseStep * scale + y);
}

void EINBLATT_VIEW::setSize(std::int32_t newWidth, std::int32_t newHeight)
{
    width = newWidth;
    height = newHeight;
}

void EINBLATT_VIEW::redrawNow()
{
    if (controller && host)
        host->repaintOverlay();
}

void EINBLATT_VIEW::invalidate()
{
    if (controller && host)
        host->repaint();
}

HandFan EINBLATT_VIEW::fan() const
{
    HandFan f;
    f.width = width;
    f.rowTop = rowTop;
    f.raiseStep = raiseStep;
    f.fixedSpacing = fixedSpacing;
    f.scale = scale;
    f.orientation = orientation;
    f.faceDown = faceDown;
    f.hasController = controller != nullptr;
    f.theme = USER_PREFS::instance().tableTheme;
    if (host) {
        f.layout = host->geometry().kind();
        f.panelShown = host->sidePanelShown();
    }
    if (draggedCard != NO_CARD && controller) {
        f.moving.active = true;
        f.moving.flight = false;
        f.moving.position = std::max(0, controller->shownHand.positionOf(draggedCard));
        f.moving.y = dragRect.y;
    }
    return f;
}

RECTANGLE EINBLATT_VIEW::cardRect(int position) const
{
    const HandFan f = fan();
    const int n = controller ? controller->shownHand.cardCount() : 0;
    const bool raised = controller && controller->highlighted != NO_CARD
                        && controller->shownHand.positionOf(controller->highlighted) == position;
    return {f.cardX(position, n) + x, f.cardY(position, n) + rowTop - (raised ? toInt(raiseStep * scale) : 0),
            f.cardWidth(), f.cardHeight()};
}

VORDIX_BITMAP* EINBLATT_VIEW::imageOf(CardId card) const
{
    BILDER& images = BILDER::instance();
    return faceDown ? &images.back : &images.cardFace(card);
}

void EINBLATT_VIEW::removeCardViewAt(int index)
{
    if (index < 0 || index >= static_cast<int>(cardViews_.size()))
        return;
    std::unique_ptr<VORDIX_IMAGEVIEW> view = std::move(cardViews_[index]);
    cardViews_.erase(cardViews_.begin() + index);
    // No card may stay stacked against the view that goes.
    for (auto& other : cardViews_)
        if (other->referenceView == view.get())
            other->referenceView = nullptr;
    if (view && view->implementor()) {
        view->implementor()->setVisible(false);
        view->implementor()->setParent();
    }
}

std::unique_ptr<VORDIX_IMAGEVIEW> EINBLATT_VIEW::takeCardViewAt(int index)
{
    if (index < 0 || index >= static_cast<int>(cardViews_.size()))
        return nullptr;
    std::unique_ptr<VORDIX_IMAGEVIEW> view = std::move(cardViews_[index]);
    cardViews_.erase(cardViews_.begin() + index);
    return view;
}

void EINBLATT_VIEW::clearCardViews()
{
    while (!cardViews_.empty())
        removeCardViewAt(static_cast<int>(cardViews_.size()) - 1);
}

void EINBLATT_VIEW::rebuildCardViews()
{
    if (!controller)
        return;
    const EINBLATT_SORTIERBAR& hand = controller->shownHand;
    const int n = hand.cardCount();
    const HandFan f = fan();
    const int W = f.cardWidth();
    const int H = f.cardHeight();
    CardSet legal = 0;
    if (controller->legalDisplay)
        if (PLAYER_EINBLATT_CONTROLLER* player = controllerAsPlayer())
            legal = player->legalCards();
    const TableGeometry geometry = host ? host->geometry() : TableGeometry{};
    const int hostWidth = host ? geometry.clientWidth : width;
    const int hostHeight = host ? geometry.clientHeight : height;
    RECTANGLE start{hostWidth / 2 - W / 2, hostHeight, W - 1, H - 1};
    if (orientation > 0.0f)
        start = {-W, 100, W - 1, H - 1};
    else if (orientation < 0.0f)
        start = {hostWidth, 100, W - 1, H - 1};
    const int speed = USER_PREFS::instance().playDelayMs;
    const int raise = toInt(raiseStep * scale);

    for (int i = 1; i <= n; ++i) {
        const CardId card = hand.cardIdAt(i);
        VORDIX_BITMAP* image = imageOf(card);
        const bool fits = i - 1 < static_cast<int>(cardViews_.size()) && cardViews_[i - 1]->bitmap == image;
        if (!fits) {
            auto found = std::find_if(cardViews_.begin() + std::min<int>(i, cardViews_.size()), cardViews_.end(),
                                      [&](const auto& view) { return view->bitmap == image; });
            if (found != cardViews_.end()) {
                std::unique_ptr<VORDIX_IMAGEVIEW> view = std::move(*found);
                cardViews_.erase(found);
                cardViews_.insert(cardViews_.begin() + (i - 1), std::move(view));
            } else {
                auto view = std::make_unique<VORDIX_IMAGEVIEW>();
                view->rotation = 0.1f;
                view->attachTo(hostWindow, image, start);
                cardViews_.insert(cardViews_.begin() + (i - 1), std::move(view));
            }
        }
        VORDIX_IMAGEVIEW& view = *cardViews_[i - 1];
        if (i > 1) {
            view.referenceView = cardViews_[i - 2].get();
            if (view.implementor())
                view.implementor()->restack();
        } else {
            view.referenceView = nullptr;
        }
        if (view.implementor())
            view.implementor()->setVisible(cardsShown);

        if (card == draggedCard)
            continue; // where the drag put it
        const bool raised = card == controller->highlighted;
        const RECTANGLE target{f.cardX(i, n) + x, f.cardY(i, n) + rowTop - (raised ? raise : 0), W, H};
        const float angle = f.cardAngle(i, n);
        if (!(view.rectangle() == target) || view.rotation != angle) {
            view.animationMs = speed / 10 + 50;
            view.animateMove(target, angle, 1.0f);
        }
        const std::uint8_t shade = controller->legalDisplay && !(legal & cardMaskOfId(card)) ? 1 : 0;
        if (view.shade != shade) {
            view.shade = shade;
            if (view.implementor())
                view.implementor()->update();
        }
    }
    while (static_cast<int>(cardViews_.size()) > n)
        removeCardViewAt(static_cast<int>(cardViews_.size()) - 1);
}

// ---------------------------------------------------------------- input

void PLAYER_EINBLATT_VIEW::actOn(CardId card)
{
    PLAYER_EINBLATT_CONTROLLER* player = controllerAsPlayer();
    if (!player || card == NO_CARD)
        return;
    player->chosen = card;
    if (player->gameState() == STATE_KARTE_AUSSPIELEN)
        player->playCard(card);
}

HitRegion PLAYER_EINBLATT_VIEW::cardRegion()
{
    auto cardAt = [this](int px, int py) {
        PLAYER_EINBLATT_CONTROLLER* player = controllerAsPlayer();
        if (!player || (player->inputMode != HAND_INPUT_PRESS && player->inputMode != HAND_INPUT_PLAY))
            return 0;
        const int n = player->shownHand.cardCount();
        if (n == 0)
            return 0;
        const int raised = player->highlighted != NO_CARD ? player->shownHand.positionOf(player->highlighted) : 0;
        return fan().hitTest(px - x, py, n, std::max(raised, 0));
    };
    HitRegion region;
    region.name = "own hand";
    region.covers = [cardAt](int px, int py) { return cardAt(px, py) >= 1; };
    region.pressed = [this, cardAt](int px, int py) -> std::optional<PressFollower> {
        beginDrag(cardAt(px, py), px, py);
        if (!drag_.active)
            return std::nullopt;
        return PressFollower{[this](int mx, int my) { dragTo(mx, my); }, [this](int rx, int ry) { endDrag(rx, ry); },
                             [this] { cancelDrag(); }};
    };
    return region;
}

void PLAYER_EINBLATT_VIEW::beginDrag(int position, int pressX, int pressY)
{
    PLAYER_EINBLATT_CONTROLLER* player = controllerAsPlayer();
    drag_ = Drag{};
    if (!player || position < 1 || position > player->shownHand.cardCount())
        return;
    drag_.active = true;
    drag_.startMs = VORDIX_TIMER::nowMs();
    drag_.position = position;
    drag_.pressX = pressX;
    drag_.pressY = pressY;
    draggedCard = player->shownHand.cardIdAt(position);
    const RECTANGLE start = cardRect(position);
    dragRect = start;
    dragAngle = fan().cardAngle(position, player->shownHand.cardCount());
    drag_.grabX = pressX - start.x;
    drag_.grabY = pressY - start.y;

    // Where the card may go: the table from the layout's origin across the
    // hand, from above the middle of the table down to the hand row.
    drag_.left = 0;
    drag_.top = y - 50;
    if (host) {
        const TableGeometry geometry = host->geometry();
        const TableLayout& layout = geometry.layout;
        drag_.left = geometry.originX;
        if (player->inputMode != HAND_INPUT_PRESS) {
            const LayoutKind kind = geometry.kind();
            drag_.top = layout[TableLayout::MIDDLE_Y] + geometry.originY
                        + (kind == LayoutKind::Small      ? -80
                           : kind == LayoutKind::Portrait ? 74
                                                          : 20);
        }
    }
    // The card's corner stays within the hand's width, and a quarter of the
    // card below the row at most.
    const int H = start.height;
    drag_.right = std::max(drag_.left, drag_.left + width);
    drag_.bottom = std::max(drag_.top, y + H - H / 4);
}

void PLAYER_EINBLATT_VIEW::followPointer(int px, int py)
{
    PLAYER_EINBLATT_CONTROLLER* player = controllerAsPlayer();
    if (!player)
        return;
    const int n = player->shownHand.cardCount();
    const int newX = std::clamp(px - drag_.grabX, drag_.left, drag_.right);
    const int newY = std::clamp(py - drag_.grabY, drag_.top, drag_.bottom);
    if (newX == dragRect.x && newY == dragRect.y)
        return;
    dragRect.x = newX;
    dragRect.y = newY;
    const HandFan f = fan();
    dragAngle = f.cardAngle(drag_.position, n);
    const int place = player->shownHand.positionOf(draggedCard);
    if (place >= 1 && place <= static_cast<int>(cardViews_.size())) {
        VORDIX_IMAGEVIEW& view = *cardViews_[place - 1];
        view.animationMs = 100;
        view.setGeometry(dragRect, dragAngle);
    }
    // A sideways drag reorders the hand as the card goes.
    const int step = static_cast<int>(f.step(n) * scale);
    if (step <= 0)
        return;
    int index = (dragRect.x - x - f.cardX(1, n)) / step;
    if (index < drag_.position)
        index += 1;
    index = std::clamp(index, 1, n);
    if (index != drag_.position) {
        player->moveCard(drag_.position, index);
        drag_.position = index;
    } else {
        rebuildCardViews();
    }
}

void PLAYER_EINBLATT_VIEW::dragTo(int px, int py)
{
    if (!drag_.active)
        return;
    if (std::abs(px - drag_.pressX) > CLICK_SLACK || std::abs(py - drag_.pressY) > CLICK_SLACK)
        drag_.movedFar = true;
    // A hand that shakes within the slack neither moves the card nor
    // reorders the hand: the press stays a click.
    if (drag_.movedFar)
        followPointer(px, py);
}

void PLAYER_EINBLATT_VIEW::cancelDrag()
{
    if (!drag_.active)
        return;
    drag_ = Drag{};
    draggedCard = NO_CARD;
    rebuildCardViews();
}

void PLAYER_EINBLATT_VIEW::endDrag(int px, int py)
{
    if (!drag_.active)
        return;
    const bool early = VORDIX_TIMER::nowMs() - drag_.startMs <= CLICK_MS;
    if (std::abs(px - drag_.pressX) > CLICK_SLACK || std::abs(py - drag_.pressY) > CLICK_SLACK)
        drag_.movedFar = true;
    // A quick release leaves the card where the last move put it.
    if (!early && drag_.movedFar)
        followPointer(px, py);
    const Drag done = drag_;
    drag_ = Drag{};
    PLAYER_EINBLATT_CONTROLLER* player = controllerAsPlayer();
    const bool click = early && !done.movedFar;
    const bool play = click || dragRect.y < rowTop - PLAY_LIFT;
    const int n = player ? player->shownHand.cardCount() : 0;
    const CardId card = player && play && done.position >= 1 && done.position <= n
                            ? player->shownHand.cardIdAt(done.position)
                            : NO_CARD;
    if (card != NO_CARD) {
        // The card flies on from where the pointer left it.
        const int place = player->shownHand.positionOf(card);
        if (place >= 1 && place <= static_cast<int>(cardViews_.size()))
            cardViews_[place - 1]->setGeometry(dragRect, dragAngle);
    }
    draggedCard = NO_CARD;
    if (card != NO_CARD)
        actOn(card);
    rebuildCardViews();
}

void PLAYER_EINBLATT_VIEW::onKey(VORDIX_MESSAGE& message)
{
    PLAYER_EINBLATT_CONTROLLER* player = controllerAsPlayer();
    if (!player || (player->inputMode != HAND_INPUT_PRESS && player->inputMode != HAND_INPUT_PLAY))
        return;
    const EINBLATT_SORTIERBAR& hand = player->shownHand;
    const int n = hand.cardCount();
    if (n == 0)
        return;
    const int current = player->highlighted != NO_CARD ? hand.positionOf(player->highlighted) : -1;
    switch (message.keyCode) {
    case KEY_LEFT: player->setHighlightedCard(hand.cardIdAt(current < 1 ? n : std::max(current - 1, 1))); return;
    case KEY_RIGHT: player->setHighlightedCard(hand.cardIdAt(current < 1 ? 1 : std::min(current + 1, n))); return;
    case KEY_ENTER:
    case KEY_UP:
        if (current >= 1 && player->inputMode == HAND_INPUT_PLAY)
            actOn(player->highlighted);
        return;
    default: return;
    }
}

// ---------------------------------------------------------------- skat flights

RECTANGLE PLAYER_EINBLATT_VIEW::skatPlace(int slot) const
{
    return host ? host->geometry().skatPlace(slot) : RECTANGLE{};
}

int PLAYER_EINBLATT_VIEW::moveCardToSkat(CardId card, int slot)
{
    PLAYER_EINBLATT_CONTROLLER* player = controllerAsPlayer();
    if (!player || slot < 0 || slot > 1)
        return 0;
    std::unique_ptr<VORDIX_IMAGEVIEW> flying = player->takeCard(card);
    const int ms = table_animation::cardMoveMs();
    if (flying) {
        flying->bitmap = imageOf(card);
        if (flying->implementor()) {
            flying->implementor()->restack(); // above the hand on its way
            flying->implementor()->update();
        }
        animations_.fly(std::move(flying), skatPlace(slot), 0.0f, ms);
    }
    rebuildCardViews();
    return ms;
}

int PLAYER_EINBLATT_VIEW::takeCardFromSkat(CardId card, int slot)
{
    PLAYER_EINBLATT_CONTROLLER* player = controllerAsPlayer();
    if (!player || slot < 0 || slot > 1 || player->shownHand.positionOf(card) > 0)
        return 0;
    player->shownHand.addCard(card);
    SKATTISCH* table = currentTable();
    player->shownHand.sort(sortTypeOf(table), userSortSettings(!sortsFully(table)));
    const int position = player->shownHand.positionOf(card);
    // Its view starts at the Skat place; the rebuild flies it into the fan.
    const RECTANGLE from = skatPlace(slot);
    auto view = std::make_unique<VORDIX_IMAGEVIEW>();
    view->attachTo(hostWindow, imageOf(card), from);
    view->setGeometry(from, 0.0f);
    const int index = std::clamp(position - 1, 0, static_cast<int>(cardViews_.size()));
    cardViews_.insert(cardViews_.begin() + index, std::move(view));
    rebuildCardViews();
    return table_animation::cardMoveMs();
}

// ---------------------------------------------------------------- deal and reset

int PLAYER_EINBLATT_VIEW::dealCards(CardSet cards)
{
    PLAYER_EINBLATT_CONTROLLER* player = controllerAsPlayer();
    if (!player)
        return 0;
    clearCardViews();
    player->shownHand.clear();
    player->highlighted = NO_CARD;
    for (CardSet rest = cards; rest != 0; rest &= rest - 1)
        player->shownHand.addCard(cardIdOfBit(lowestBit(rest)));
    SKATTISCH* table = currentTable();
    player->shownHand.sort(sortTypeOf(table), userSortSettings(!sortsFully(table)));
    const int n = player->shownHand.cardCount();
    const int ms = table_animation::duration(table_animation::playSpeed() / 2 + 250);
    if (ms <= 0 || n == 0) {
        rebuildCardViews();
        return 0;
    }
    // Every card starts at the bottom edge and flies into the fan.
    const HandFan f = fan();
    const int W = f.cardWidth();
    const int H = f.cardHeight();
    const TableGeometry geometry = host ? host->geometry() : TableGeometry{};
    const int hostWidth = host ? geometry.clientWidth : width;
    const int hostHeight = host ? geometry.clientHeight : height;
    const RECTANGLE start{hostWidth / 2 - W / 2, hostHeight, W, H};
    for (int i = 1; i <= n; ++i) {
        auto view = std::make_unique<VORDIX_IMAGEVIEW>();
        view->attachTo(hostWindow, imageOf(player->shownHand.cardIdAt(i)), start);
        view->setGeometry(start, 0.0f);
        if (i > 1) {
            view->referenceView = cardViews_.back().get();
            if (view->implementor())
                view->implementor()->restack();
        }
        if (view->implementor())
            view->implementor()->setVisible(cardsShown);
        view->animationMs = ms;
        view->animateMove({f.cardX(i, n) + x, f.cardY(i, n) + rowTop, W, H}, f.cardAngle(i, n), 1.0f);
        cardViews_.push_back(std::move(view));
    }
    return ms + 100;
}

int PLAYER_EINBLATT_CONTROLLER::resetCardViews()
{
    EINBLATT_VIEW* hand = view;
    const int ms = table_animation::duration(1000);
    if (!hand || ms <= 0)
        return 0;
    const HandFan f = hand->fan();
    const int W = f.cardWidth();
    const int H = f.cardHeight();
    const TableGeometry geometry = hand->host ? hand->host->geometry() : TableGeometry{};
    const int hostWidth = hand->host ? geometry.clientWidth : hand->width;
    const int hostHeight = hand->host ? geometry.clientHeight : hand->height;
    for (const auto& card : hand->cardViews()) {
        card->animationMs = ms;
        card->animateMove({hostWidth / 2 - W / 2, hostHeight, W, H}, 0.0f, 1.0f);
    }
    return ms + 100;
}
