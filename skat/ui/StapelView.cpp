#include "skat/ui/StapelView.h"

#include "skat/app/Bilder.h"
#include "skat/app/SkatSound.h"
#include "skat/app/SkatText.h"
#include "skat/app/UserPrefs.h"
#include "skat/engine/Skattisch.h"
#include "skat/engine/Stich.h"
#include "skat/ui/SeatPositions.h"
#include "skat/ui/TableServerAccess.h"
#include "skat/ui/TableSnapshot.h"
#include "skat/ui/TableViewHost.h"
#include "skat/ui/UserActions.h"
#include "vordix/Line.h"
#include "vordix/Message.h"
#include "vordix/MessageSink.h"
#include "vordix/Random.h"
#include "vordix/Text.h"
#include "vordix/Zeichenbereich.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

int whole(double value) { return static_cast<int>(value); }

constexpr int DECK = 32;
// The last trick on demand: its cards' size and how far apart they lie,
// both as parts of the trick in the middle of the table.
constexpr double LAST_TRICK_SIZE = 0.75;
constexpr double LAST_TRICK_SPREAD = 0.8;
constexpr int BOTTOM_LINE = 120;
// The side of a stack ends this far (before scaling) below where it is drawn.
constexpr int BOTTOM_EDGE = 31;

// The table images of the stacks: segments 8..10 and tops 11..13, left,
// middle (the deck) and right.
int imageIndex(int style, bool top)
{
    const int column = style == 1 ? 1 : style == 2 ? 2 : 0;
    return (top ? 11 : 8) + column;
}

void playEffect(const wchar_t* name)
{
    if (USER_PREFS::instance().sound)
        SKAT_SOUND::instance().soundFolder(SKAT_SOUND::EFFECTS, name, true, 0);
}

InputMode inputModeOf(const STAPEL_VIEW* view)
{
    return view && view->host ? view->host->inputState().mode : INPUT_NONE;
}

VORDIX_RANDOM& shakeRandom()
{
    static VORDIX_RANDOM random;
    return random;
}

} // namespace

// ---------------------------------------------------------------- controller

void STAPEL_CONTROLLER::beginCut()
{
    if (!view)
        return;
    view->cutIndex = -1;
    view->redrawNow();
}

void STAPEL_CONTROLLER::performCut()
{
    if (!view)
        return;
    TABLE_VIEW_HOST* host = view->host;
    const int index = view->cutIndex;
    if (index < MIN_CUT || index > MAX_CUT) {
        const bool tooFew = index < MIN_CUT;
        if (host)
            host->showNote(skat::text(tooFew ? TextKey::Sprechblase_Mind_4_Karten_abheben
                                             : TextKey::Sprechblase_Mind_4_Karten_liegen));
        if (USER_PREFS::instance().sound)
            SKAT_SOUND::instance().soundFolder(SKAT_SOUND::SPEAKER,
                                               tooFew ? L"mindestens4abheben" : L"mindestens4liegen", true, 0);
        // The note stays for the play delay and a second; the user may
        // choose again meanwhile.
        view->animations().run(table_animation::playSpeed() + 1000, nullptr, [host] {
            if (host)
                host->hideNote();
        });
        return;
    }
    const int value = DECK - index;
    cutValue = value;
    view->cutIndex = -1;
    if (actions)
        actions->report(UserAction::of(UserAction::CUT, value));
}

void STAPEL_CONTROLLER::togglePointsLabels()
{
    SKATTISCH* table = currentTable();
    if (!table)
        return;
    if (table->isNetworkGame()) {
        vordix::showMessage(vordix::MessageKind::Information,
                            skat::text(TextKey::Alert_Netzwerkspiel_Keine_Hilfestellungen));
        return;
    }
    if (!TableSnapshot(*table).modus.freeGame)
        return;
    labels = !labels;
    if (view)
        view->invalidate();
}

int STAPEL_CONTROLLER::shuffleMs()
{
    const int speed = table_animation::playSpeed();
    if (speed <= 0)
        return 0;
    return speed >= 1000 ? 2 * STAPEL_VIEW::SHAKE_MS : STAPEL_VIEW::SHAKE_MS;
}

int STAPEL_CONTROLLER::cutMs()
{
    const int delay = table_animation::playSpeed();
    const int d1 = delay / 80 + 20;
    const int d2 = delay / 150 + 20;
    return 2 * (delay / 5) + 2 * (d1 + d2) + delay / 20;
}

int STAPEL_CONTROLLER::showShuffle()
{
    const int ms = shuffleMs();
    mode = PILE_DECK;
    if (view)
        view->invalidate();
    if (ms <= 0 || !view)
        return 0;
    playEffect(L"mischen");
    view->shakeDeck();
    if (ms > STAPEL_VIEW::SHAKE_MS) {
        // The second shake, with its own sound, follows the first.
        view->animations().run(STAPEL_VIEW::SHAKE_MS, nullptr, [this] {
            playEffect(L"mischen");
            if (view)
                view->shakeDeck();
        });
    }
    return ms;
}

int STAPEL_CONTROLLER::showCut(int value)
{
    if (!view)
        return 0;
    const int delay = table_animation::playSpeed();
    const int ms = cutMs();
    std::vector<TABLE_ANIMATIONS::Step> steps;
    steps.push_back({delay / 5, nullptr, nullptr});
    steps.push_back({0,
                     [this, value] {
                         mode = PILE_CUTTING;
                         view->moveCutStacks(value);
                     },
                     nullptr});
    view->animations().runSteps(std::move(steps));
    return ms;
}

// ---------------------------------------------------------------- view

STAPEL_VIEW::STAPEL_VIEW() = default;

TABLE_ANIMATIONS& STAPEL_VIEW::animations() { return animations_; }

void STAPEL_VIEW::setPosition(std::int32_t newX, std::int32_t newY)
{
    x = newX;
    y = newY;
}

void STAPEL_VIEW::redrawNow()
{
    if (host)
        host->repaintNow();
}

void STAPEL_VIEW::invalidate()
{
    if (host)
        host->repaint();
}

void STAPEL_VIEW::repaintRect(const RECTANGLE& rect)
{
    if (host)
        host->repaintPart(rect);
}

float STAPEL_VIEW::cardScale() const { return host ? host->geometry().layout.cardScale : 1.0f; }

int STAPEL_VIEW::pileHeight() const
{
    const float scale = cardScale();
    return whole(100.0 * scale);
}

namespace {

int dealerPosition(const STAPEL_VIEW&)
{
    SKATTISCH* table = currentTable();
    if (!table)
        return 1;
    const int forehand = TableSnapshot(*table).cards.pile.vh();
    if (forehand < 0)
        return 1;
    return screenPositionOfSeat(table, (forehand + 2) % 3);
}

bool dealerIsSeatZero()
{
    SKATTISCH* table = currentTable();
    if (!table)
        return false;
    const int forehand = TableSnapshot(*table).cards.pile.vh();
    return forehand >= 0 && (forehand + 2) % 3 == 0;
}

bool deckMode(PileMode mode) { return mode >= PILE_DECK && mode <= PILE_CUT; }

} // namespace

int STAPEL_VIEW::cutStackX(int stack) const
{
    static constexpr int places[3][2] = {{400, 300}, {350, 470}, {200, 320}};
    const int position = std::clamp(dealerPosition(*this), 0, 2);
    const float scale = cardScale();
    return whole(places[position][stack] * scale);
}

int STAPEL_VIEW::stackX(int stack) const
{
    const PileMode mode = controller ? controller->mode : PILE_NONE;
    if (cutMoving)
        return movedX[stack];
    if (deckMode(mode))
        return cutStackX(stack);
    return stack == 0 ? 0 : anchorX;
}

int STAPEL_VIEW::stackTopY() const
{
    const PileMode mode = controller ? controller->mode : PILE_NONE;
    const float scale = cardScale();
    if (deckMode(mode))
        return deckY - (dealerIsSeatZero() ? whole(50 * scale) : 0);
    return anchorY + whole(10 * scale);
}

int STAPEL_VIEW::stackXOffset(int stack) const
{
    const PileMode mode = controller ? controller->mode : PILE_NONE;
    if ((mode == PILE_TRICKS || mode == PILE_SETTLEMENT) && stackX(stack) >= 100)
        return 16 - whole(20.0 * pileHeight() / 100);
    return 16;
}

int STAPEL_VIEW::stackStyle(int stack) const
{
    const PileMode mode = controller ? controller->mode : PILE_NONE;
    if (deckMode(mode))
        return 1;
    return stackX(stack) < 100 ? 0 : 2;
}

int STAPEL_VIEW::ramschStackX(int position) const
{
    // Each seat's pile on its own side of the table; the user's in the
    // middle, above the hand.
    const float scale = cardScale();
    return position == 2 ? 0 : position == 0 ? anchorX : whole(400 * scale) - 16;
}

int STAPEL_VIEW::ramschLift(int position) const
{
    const float scale = cardScale();
    return position == 1 ? whole(60 * scale) : 0;
}

VORDIX_BITMAP* STAPEL_VIEW::stackImage(int style, bool top) const
{
    VORDIX_BITMAP& image = BILDER::instance().tableImage(imageIndex(style, top));
    return image.isLoaded() ? &image : nullptr;
}

void STAPEL_VIEW::drawStack(VORDIX_ZEICHENBEREICH& area, int count, int stackX0, int stackY, int bottomLine,
                            float scale, int style)
{
    VORDIX_BITMAP* segment = stackImage(style, false);
    VORDIX_BITMAP* top = stackImage(style, true);
    if (!segment || !top || count <= 0)
        return;
    const int h = pileHeight();
    const bool scaled = scale < 0.99f || scale > 1.01f;
    const int segmentWidth = whole(segment->getWidth() * scale);
    const int segmentHeight = whole(segment->getHeight() * scale);
    const int topWidth = whole(top->getWidth() * scale);
    const int topHeight = whole(top->getHeight() * scale);
    const int left = x + stackX0;
    // The bottom edge follows the bottom line; each card adds to the height.
    const int bottomEdge = y + stackY + whole((bottomLine + BOTTOM_EDGE) * h / 100.0);
    const int side = whole(h * count / 100.0);
    for (int i = 0; i < count; i += 2) {
        const int slice = i / 2;
        const int shift = style == 1 && slice < 16 ? shakeOffsets[slice] : 0;
        const int sliceBottom = bottomEdge - whole(h * i / 100.0);
        if (scaled)
            segment->drawRotated(area, left + shift, sliceBottom - segmentHeight, segmentWidth, segmentHeight, 0.0f);
        else
            segment->draw(area, left + shift, sliceBottom - segmentHeight);
    }
    const int topShift = style == 1 ? shakeOffsets[std::min(15, std::max(0, (count - 1) / 2))] : 0;
    const int topY = bottomEdge - side - topHeight + whole(8 * h / 100.0); // the top card covers the side's upper rim
    if (scaled)
        top->drawRotated(area, left + topShift, topY, topWidth, topHeight, 0.0f);
    else
        top->draw(area, left + topShift, topY);
}

void STAPEL_VIEW::drawLabel(VORDIX_ZEICHENBEREICH& area, const Label& label)
{
    VORDIX_TEXT text;
    text.text = label.text;
    text.size = 13;
    text.horizontalAlign = 1;
    const ThemeColour colour = USER_PREFS::instance().themeColours();
    text.setColor(colour.red, colour.green, colour.blue);
    text.drawText(area, label.x, label.y);
}

bool STAPEL_VIEW::ramschPiles() const
{
    SKATTISCH* table = currentTable();
    const PileMode mode = controller ? controller->mode : PILE_NONE;
    return table && inputModeOf(this) >= INPUT_CARD_PLAY && !deckMode(mode)
           && TableSnapshot(*table).record.SPIELART.SPIEL_TYP == GAME_RAMSCH;
}

int STAPEL_VIEW::stackCount(int stack) const
{
    SKATTISCH* table = currentTable();
    if (!table || !controller)
        return 0;
    const TableSnapshot shown(*table);
    const STAPEL& pile = shown.cards.pile;
    switch (controller->mode) {
    case PILE_DECK: return stack == 0 ? DECK : 0;
    case PILE_CUTTING: return stack == 0 ? DECK - liftedCount : liftedCount;
    case PILE_CUT: return stack == 0 ? 0 : DECK;
    case PILE_TRICKS:
    case PILE_SETTLEMENT: {
        int count = pile.recordCount(stack == 0 ? PARTY_DECLARER : PARTY_DEFENDERS);
        const int n = pile.trickCount();
        if (controller->showLastTrick && n > 0
            && pile.partyOfTrick(n) == (stack == 0 ? PARTY_DECLARER : PARTY_DEFENDERS))
            count -= 3;
        return std::max(0, count);
    }
    default: return 0;
    }
}

std::vector<STAPEL_VIEW::Label> STAPEL_VIEW::labels() const
{
    std::vector<Label> out;
    SKATTISCH* table = currentTable();
    if (!table || !controller || !host)
        return out;
    const InputMode inputMode = inputModeOf(this);
    const bool ramsch = ramschPiles();
    const TableSnapshot shown(*table);
    const STAPEL& pile = shown.cards.pile;
    const GameType type = shown.record.SPIELART.SPIEL_TYP;
    const std::wstring pointsWord = L" " + skat::text(TextKey::Stapel_Punkte);
    if (ramsch) {
        // One pile per seat, with the seat's name and its points.
        for (Seat seat = SEAT_0; seat < SEAT_COUNT; ++seat) {
            if (pile.cardsWonBy(seat) <= 0)
                continue;
            const int position = screenPositionOfSeat(table, seat);
            const int sx = x + ramschStackX(position) + 16 + 64;
            const int sy = y + labelLine - ramschLift(position);
            if (const PLAYER* player = table->playerAtSeat(seat))
                out.push_back({player->name(), sx, sy - 10});
            out.push_back({std::to_wstring(pile.pointsWonBy(seat)) + pointsWord, sx, sy + 6});
        }
        return out;
    }
    if (deckMode(controller->mode) || type == GAME_RAMSCH)
        return out;
    const int won[2] = {pile.recordCount(PARTY_DECLARER), pile.recordCount(PARTY_DEFENDERS)};
    const bool partyGame = type >= GAME_CLUBS && type <= GAME_GRAND_OUVERT;
    const bool wanted =
        (shown.modus.freeGame && controller->labels && inputMode != INPUT_CUT) || inputMode == INPUT_GAME_RESULT;
    if (inputMode >= INPUT_ANNOUNCING && partyGame && (won[0] > 0 || won[1] > 0) && wanted) {
        for (int stack = 0; stack < 2; ++stack)
            if (won[stack] > 0)
                out.push_back(
                    {std::to_wstring(pile.recordPoints(stack == 0 ? PARTY_DECLARER : PARTY_DEFENDERS)) + pointsWord,
                     x + stackX(stack) + 64, y + labelLine + 6});
    }
    // The parties' names under their piles.
    const Seat declarer = shown.record.declarer();
    if (inputMode >= INPUT_CARD_PLAY && isValidSeat(declarer) && host->geometry().kind() != LayoutKind::Small) {
        if (const PLAYER* player = table->playerAtSeat(declarer); player && won[0] > 0)
            out.push_back({player->name(), x + stackX(0) + 64, y + labelLine - 10});
        const bool ownDeclarer = screenPositionOfSeat(table, declarer) == 1;
        const Seat first = seatAfter(declarer, ownDeclarer ? 1 : 2);
        const Seat second = seatAfter(declarer, ownDeclarer ? 2 : 1);
        const PLAYER* a = table->playerAtSeat(first);
        const PLAYER* b = table->playerAtSeat(second);
        if (won[1] > 0 && a && b)
            out.push_back({a->name() + L" " + skat::text(TextKey::Element_und) + L" " + b->name(), x + stackX(1) + 66,
                           y + labelLine - 10});
    }
    return out;
}

void STAPEL_VIEW::draw(VORDIX_ZEICHENBEREICH& area)
{
    SKATTISCH* table = currentTable();
    if (!table || !controller)
        return;
    const int h = pileHeight();
    const int top = stackTopY();
    const int drawY = top - whole(28.0 * h / 100);
    if (ramschPiles()) {
        const TableSnapshot shown(*table);
        for (Seat seat = SEAT_0; seat < SEAT_COUNT; ++seat) {
            const int cards = shown.cards.pile.cardsWonBy(seat);
            if (cards <= 0)
                continue;
            const int position = screenPositionOfSeat(table, seat);
            drawStack(area, cards, ramschStackX(position) + 16, drawY - ramschLift(position), BOTTOM_LINE, 1.0f,
                      position == 2 ? 0 : 2);
        }
    } else {
        const bool stackOneFirst = cutMoving && movedX[1] == cutStackX(1);
        for (int k = 0; k < 2; ++k) {
            const int stack = stackOneFirst ? 1 - k : k;
            const int count = stackCount(stack);
            if (count <= 0)
                continue;
            const int bottom = cutMoving ? movedBottom[stack] : BOTTOM_LINE;
            drawStack(area, count, stackX(stack) + stackXOffset(stack), drawY, bottom, 1.0f, stackStyle(stack));
        }
    }
    for (const Label& label : labels())
        drawLabel(area, label);

    // Cut lines across the side of the deck.
    if (inputModeOf(this) == INPUT_CUT && controller->mode == PILE_DECK) {
        VORDIX_LINE line;
        const ThemeColour colour = USER_PREFS::instance().themeColour[1];
        line.setColor(colour.red, colour.green, colour.blue);
        line.lineWidth = 2;
        auto cutLine = [&](int index) {
            const int ly = y + top + whole(h * (index + 28) / 100.0) + 63;
            line.drawLine(area, x + stackX(0) + 45, ly, x + stackX(0) + 21 + whole(110.0 * h / 100), ly + 2);
        };
        cutLine(STAPEL_CONTROLLER::MIN_CUT);
        cutLine(STAPEL_CONTROLLER::MAX_CUT);
        if (cutIndex >= 0) {
            line.setColor(999, 200, 100);
            line.lineWidth = 3;
            cutLine(cutIndex);
        }
    }
}

std::vector<std::pair<CardId, RECTANGLE>> STAPEL_VIEW::lastTrickCards() const
{
    std::vector<std::pair<CardId, RECTANGLE>> out;
    SKATTISCH* table = currentTable();
    if (!table || !controller || !controller->showLastTrick || !host)
        return out;
    const TableSnapshot shown(*table);
    const STAPEL& pile = shown.cards.pile;
    const int n = pile.trickCount();
    if (n <= 0)
        return out;
    const STICH trick = pile.trick(n);
    const int leader = pile.leaderOfTrick(n);
    const int stack = pile.partyOfTrick(n) == PARTY_DEFENDERS ? 1 : 0;
    const int h = pileHeight();
    const TableGeometry geometry = host->geometry();
    const bool small = geometry.kind() == LayoutKind::Small;
    // Three quarters of the layout's card size, the cards spread as they lay
    // in the trick and drawn from left to right, so that every card shows
    // its corner.
    const RECTANGLE full = geometry.trickCard(1);
    const int width = whole(full.width * LAST_TRICK_SIZE);
    const int height = whole(full.height * LAST_TRICK_SIZE);
    const int baseX = x + stackX(stack) + stackXOffset(stack) - whole(60.0 * h / 100);
    const int baseY = y + stackTopY() - (small ? -10 : whole(40.0 * h / 100)) - height / 2;
    static constexpr int offsetX[3] = {176, 128, 88};
    static constexpr int offsetY[3] = {48, 70, 26};
    for (int j = 0; j < 3 && leader >= 0; ++j) {
        const KARTE* card = trick.card(j);
        if (!card)
            continue;
        const int position = screenPositionOfSeat(table, (leader + j) % 3);
        out.push_back({card->id(),
                       {baseX + whole(offsetX[position] * LAST_TRICK_SPREAD),
                        baseY + whole(offsetY[position] * LAST_TRICK_SPREAD), width, height}});
    }
    std::sort(out.begin(), out.end(), [](const auto& a, const auto& b) { return a.second.x < b.second.x; });
    // Kept inside the client area.
    if (!out.empty()) {
        const int right = out.back().second.x + width;
        const int shiftX = std::min(0, geometry.width() - 4 - right) + std::max(0, 4 - out.front().second.x);
        int top = out.front().second.y;
        for (const auto& [id, rect] : out)
            top = std::min(top, rect.y);
        const int shiftY = std::max(0, 4 - top);
        for (auto& entry : out) {
            entry.second.x += shiftX;
            entry.second.y += shiftY;
        }
    }
    return out;
}

void STAPEL_VIEW::drawLastTrick(VORDIX_ZEICHENBEREICH& area)
{
    for (const auto& [card, rect] : lastTrickCards())
        BILDER::instance().drawCard(card, area, rect.x, rect.y, rect.width, rect.height, 0.0f);
}

bool STAPEL_VIEW::hitsDeck(int stack, int px, int py) const
{
    const int h = pileHeight();
    if (h <= 0)
        return false;
    const float scale = cardScale();
    const int u = whole(py - y - whole(28.0 * h / 100) - stackTopY() - 66 * scale);
    const int sx = x + stackX(stack);
    return u >= -40 && u <= whole(32.0 * h / 100) && sx + whole(16.0 * h / 100) - 20 <= px - 25
           && px - 25 <= sx + whole(112.0 * h / 100);
}

void STAPEL_VIEW::addHitRegions(std::vector<HitRegion>& regions)
{
    regions.push_back(actingRegion(
        "deck", [this](int px, int py) { return controller && inputModeOf(this) == INPUT_CUT && hitsDeck(0, px, py); },
        [this](int px, int py) { cutAt(px, py); }));
}

void STAPEL_VIEW::cutAt(int px, int py)
{
    if (!controller || !hitsDeck(0, px, py))
        return;
    const int h = pileHeight();
    const float scale = cardScale();
    const int u = whole(py - y - whole(28.0 * h / 100) - stackTopY() - 66 * scale);
    cutIndex = u * 100 / h;
    controller->performCut();
}

void STAPEL_VIEW::onKey(VORDIX_MESSAGE& message)
{
    if (!controller)
        return;
    if (cutIndex < 0) {
        if (message.keyCode == KEY_UP || message.keyCode == KEY_DOWN)
            cutIndex = 16;
    } else if (message.keyCode == KEY_ENTER) {
        controller->performCut();
    } else if (message.keyCode == KEY_UP) {
        cutIndex = std::max(0, cutIndex - 1);
    } else if (message.keyCode == KEY_DOWN) {
        cutIndex = std::min(DECK, cutIndex + 1);
    }
    invalidate();
}

// ---------------------------------------------------------------- animations

void STAPEL_VIEW::shakeDeck()
{
    animating = true;
    std::array<int, 16> direction{};
    VORDIX_RANDOM& random = shakeRandom();
    random.next(2); // the first draw is not used
    for (int slice = 1; slice <= 14; ++slice)
        direction[slice] = random.next(2) == 1 ? 1 : -1;
    shakeOffsets.fill(0);
    const int h = pileHeight();
    animations_.run(
        SHAKE_MS,
        [this, direction, h](double t) {
            const float a = std::sin(2.0f * static_cast<float>(t) * 3.14f);
            for (int slice = 1; slice <= 14; ++slice)
                shakeOffsets[slice] = whole(direction[slice] * a * 42.0 * h / 100);
            redrawNow();
        },
        [this] {
            shakeOffsets.fill(0);
            redrawNow();
            animating = false;
        });
}

void STAPEL_VIEW::moveCutStacks(int value)
{
    const int delay = table_animation::playSpeed();
    liftedCount = DECK - value;
    cutMoving = true;
    const int d1 = delay / 80 + 20;
    const int d2 = delay / 150 + 20;
    const int x0 = cutStackX(0);
    const int x1 = cutStackX(1);
    const int D = 2 * (x1 - x0) / 3;
    movedX = {x0, x0};
    movedBottom = {BOTTOM_LINE, BOTTOM_LINE};
    const int H1 = 2 * liftedCount + 33;
    const int H0 = 97 - 2 * liftedCount;
    VORDIX_BITMAP* top = stackImage(1, true);
    const int imageWidth = top ? top->getWidth() : 150;
    const RECTANGLE rect{x + std::min(x0, x1), y + stackTopY() - 40, std::abs(x1 - x0) + imageWidth + 32, 200};
    auto place = [this, rect](int stack, int px, int bottom) {
        movedX[stack] = px;
        movedBottom[stack] = bottom;
        repaintRect(rect);
    };
    std::vector<TABLE_ANIMATIONS::Step> steps;
    // 1: the lifted packet rises off the deck; 2: it is set down at its place.
    steps.push_back(
        {d1, nullptr, [=, this](double t) { place(1, x0 + whole(D * t), H1 + whole(20 * (1 - t) * (1 - t))); }});
    steps.push_back({d2, nullptr, [=, this](double t) {
                         place(1, whole((x0 + D) * (1 - t) + x1 * t), H1 + whole((BOTTOM_LINE - H1) * t * t));
                     }});
    steps.push_back({delay / 20,
                     [=, this] {
                         place(1, x1, BOTTOM_LINE);
                         playEffect(L"abheben");
                     },
                     nullptr});
    // 3: the rest of the deck rises; 4: it goes onto the packet.
    steps.push_back({d1, nullptr, [=, this](double t) {
                         place(0, x0 + whole(D * t), H0 + whole((BOTTOM_LINE - H0) * (1 - t) * (1 - t)));
                     }});
    steps.push_back(
        {d2, nullptr, [=, this](double t) { place(0, whole((x0 + D) * (1 - t) + x1 * t), H0 + whole(20 * t * t)); }});
    const int after = delay / 5;
    steps.push_back({after,
                     [=, this] {
                         place(0, x1, H0 + 20);
                         cutMoving = false;
                         if (controller)
                             controller->mode = PILE_CUT;
                         invalidate();
                         playEffect(L"abheben");
                     },
                     nullptr});
    animations_.runSteps(std::move(steps), [this] {
        if (controller)
            controller->mode = PILE_TRICKS;
        invalidate();
    });
}
