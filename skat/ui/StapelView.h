#pragma once
// The middle of the game table: the deck while it is shuffled and cut, and
// during and after play the two trick piles (one per seat in Ramsch) with
// their points and names, and on demand the last trick above the pile that
// took it. The view also takes the user's cut: a click on the side of the
// deck, or Up, Down and Enter, reported to the window's USER_ACTIONS. The
// deck's shake and the cut movement run as animations on the GUI thread.

#include "skat/engine/CardTypes.h"
#include "skat/engine/WindowModes.h"
#include "skat/ui/GenericView.h"
#include "skat/ui/TableAnimation.h"
#include "skat/ui/TablePress.h"
#include "vordix/Rectangle.h"

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

class SKATTISCH;
class STAPEL_VIEW;
class TABLE_VIEW_HOST;
class USER_ACTIONS;
class VORDIX_BITMAP;

class STAPEL_CONTROLLER : public GENERIC_CONTROLLER<STAPEL_VIEW> {
public:
    // Cut positions the user may choose: at least four cards lifted and
    // four left.
    static constexpr int MIN_CUT = 4;
    static constexpr int MAX_CUT = 28;

    // The user is to cut: no cut position is chosen yet.
    void beginCut();
    // Reports a cut at the chosen index; one outside 4..28 is refused with
    // a note and a spoken phrase, and the user may choose again.
    void performCut();
    // The deck is shuffled: the shake (twice from a play speed of 1000 ms).
    // Returns how long it runs.
    int showShuffle();
    // The deck is cut at the value (the cards below the cut): the four
    // phases of the cut movement. Returns how long it runs.
    int showCut(int value);
    // Command 476: the points labels of a free game on or off; refused in
    // a network game with a message, ignored outside a free game.
    void togglePointsLabels();
    // Durations of the animations at the play speed in force.
    static int shuffleMs();
    static int cutMs();

    PileMode mode = PILE_NONE;
    bool labels = false;             // points labels of a free game
    bool showLastTrick = false;      // the last trick above its pile
    std::int32_t cutValue = 0;       // the cards below the last accepted cut
    USER_ACTIONS* actions = nullptr; // not owned
};

class STAPEL_VIEW : public GENERIC_VIEW<STAPEL_CONTROLLER, STAPEL_VIEW> {
public:
    static constexpr int KEY_ENTER = 13;
    static constexpr int KEY_UP = 200;
    static constexpr int KEY_DOWN = 201;
    static constexpr int SHAKE_MS = 500;

    STAPEL_VIEW();

    void setPosition(std::int32_t newX, std::int32_t newY) override;
    void redrawNow() override;
    void invalidate() override;
    void draw(VORDIX_ZEICHENBEREICH& area) override;
    void onMouse(VORDIX_MESSAGE&) override { }
    // The side of the deck in the table's press machine while the user
    // cuts: a press there cuts at that height.
    void addHitRegions(std::vector<HitRegion>& regions);
    void cutAt(int px, int py);
    // Up and Down choose the cut position, Enter cuts.
    void onKey(VORDIX_MESSAGE& message) override;

    // The last trick at 0.6 of the card size above the pile that took it.
    void drawLastTrick(VORDIX_ZEICHENBEREICH& area);
    // A stack of card backs, bottom to top, one slice per two cards;
    // style 1 is the deck, 0 and 2 trick piles at the left and the right.
    void drawStack(VORDIX_ZEICHENBEREICH& area, int count, int stackX, int stackY, int bottomLine, float scale,
                   int style);
    // Whether a window point lies on the side of stack 0 or 1.
    bool hitsDeck(int stack, int px, int py) const;

    // A text under a pile: centred at (x, y) in window coordinates.
    struct Label {
        std::wstring text;
        int x = 0;
        int y = 0;
        bool operator==(const Label&) const = default;
    };
    // The names and points under the piles as they are drawn now.
    std::vector<Label> labels() const;
    // Cards drawn in stack 0 or 1 now (the last trick shown above its pile
    // is not among them).
    int stackCount(int stack) const;
    // The last trick's cards as drawn above the pile that took it.
    std::vector<std::pair<CardId, RECTANGLE>> lastTrickCards() const;

    // Geometry of the stacks (view coordinates).
    int pileHeight() const; // h
    int stackX(int stack) const;
    int stackTopY() const;
    int stackXOffset(int stack) const;
    int stackStyle(int stack) const;
    // Where a Ramsch seat's pile lies: by the screen position of the seat.
    int ramschStackX(int position) const;
    // How much higher than the others a seat's Ramsch pile lies.
    int ramschLift(int position) const;

    // The shake of the deck (GUI thread): 500 ms, each pair of cards to
    // its own side and back.
    void shakeDeck();
    // The four phases of the cut movement (GUI thread).
    void moveCutStacks(int value);
    TABLE_ANIMATIONS& animations();

    TABLE_VIEW_HOST* host = nullptr; // not owned: the window that holds the view
    // The deck's top (view coordinates); the trick piles' anchor (the right
    // pile's x and the piles' y) and the line of the texts under them.
    std::int32_t deckY = 0;
    std::int32_t anchorX = 612;
    std::int32_t anchorY = 140;
    std::int32_t labelLine = 290;
    std::int32_t cutIndex = -1;
    bool animating = false;
    std::array<std::int32_t, 16> shakeOffsets{};
    bool cutMoving = false;
    std::int32_t liftedCount = 0;
    std::array<std::int32_t, 2> movedX{};
    std::array<std::int32_t, 2> movedBottom{};

private:
    // Stack positions in the cut movement (pile mode 2).
    int cutStackX(int stack) const;
    // The layout's card scale (1 without a host).
    float cardScale() const;
    VORDIX_BITMAP* stackImage(int style, bool top) const;
    void drawLabel(VORDIX_ZEICHENBEREICH& area, const Label& label);
    bool ramschPiles() const;
    void repaintRect(const RECTANGLE& rect);

    TABLE_ANIMATIONS animations_;
};
