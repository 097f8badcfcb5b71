// The fan of a hand: card places, turns and the press hit test with the turn
// undone.

#include "skat/ui/HandFan.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

HandFan bottomFan(int width = 800, float scale = 1.0f)
{
    HandFan fan;
    fan.width = width;
    fan.scale = scale;
    fan.rowTop = 500;
    return fan;
}

TEST(HandFan, CardSizeAndStep)
{
    struct Case {
        const char* name;
        float scale;
        int fixedSpacing;
        bool panel;
        LayoutKind layout;
        int n;
        int width, height, step;
    };
    const Case cases[] = {
        {"default", 1.0f, 0, false, LayoutKind::Landscape, 10, 120, 180, 24},
        {"scale 2", 2.0f, 0, false, LayoutKind::Landscape, 10, 240, 360, 24},
        {"small scale truncates", 0.46875f, 0, false, LayoutKind::Small, 10, 56, 84, 24},
        {"panel narrows the step", 2.0f, 0, true, LayoutKind::Landscape, 10, 240, 360, 19},
        {"fixed spacing", 1.0f, 40, false, LayoutKind::Landscape, 12, 120, 180, 32},
        {"small, 11 cards", 1.0f, 40, false, LayoutKind::Small, 11, 120, 180, 28},
        {"small, 12 cards", 1.0f, 40, false, LayoutKind::Small, 12, 120, 180, 27},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HandFan fan = bottomFan(800, c.scale);
        fan.fixedSpacing = c.fixedSpacing;
        fan.panelShown = c.panel;
        fan.layout = c.layout;
        EXPECT_EQ(fan.cardWidth(), c.width);
        EXPECT_EQ(fan.cardHeight(), c.height);
        EXPECT_EQ(fan.step(c.n), c.step);
    }
}

TEST(HandFan, PlacesAndTurnsOfTheBottomFan)
{
    struct Case {
        const char* name;
        LayoutKind layout;
        float scale;
        bool panel;
        int i, n;
        int x, y;
        float angle;
    };
    const Case cases[] = {
        // centred: (800 - 120 - 9 * 24) / 2 = 232
        {"first of ten", LayoutKind::Landscape, 1.0f, false, 1, 10, 232, -17, 18.0f},
        {"arc top", LayoutKind::Landscape, 1.0f, false, 3, 10, 280, -20, 10.0f},
        {"last of ten", LayoutKind::Landscape, 1.0f, false, 10, 10, 448, 14, -18.0f},
        {"single card stands upright", LayoutKind::Landscape, 1.0f, false, 1, 1, 340, -15, 0.0f},
        {"portrait shifts right", LayoutKind::Portrait, 1.0f, false, 1, 10, 252, -17, 18.0f},
        {"portrait, 12 cards", LayoutKind::Portrait, 1.0f, false, 1, 12, 268, -14, 22.0f},
        // (800 - 56 - 101.25) / 2 = 321, plus 5 * 9
        {"small layout", LayoutKind::Small, 0.46875f, false, 1, 10, 366, -17, 18.0f},
        {"small layout, 7 cards", LayoutKind::Small, 0.46875f, false, 1, 7, 343, -19, 12.0f},
        {"wide cards keep room for the panel", LayoutKind::Landscape, 2.0f, true, 1, 10, 430, -17, 18.0f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HandFan fan = bottomFan(800, c.scale);
        fan.layout = c.layout;
        fan.panelShown = c.panel;
        EXPECT_EQ(fan.cardX(c.i, c.n), c.x);
        EXPECT_EQ(fan.cardY(c.i, c.n), c.y);
        EXPECT_FLOAT_EQ(fan.cardAngle(c.i, c.n), c.angle);
    }
}

TEST(HandFan, SideHandsByTheme)
{
    struct Case {
        const char* name;
        int theme;
        float orientation;
        bool faceDown;
        LayoutKind layout;
        int i;
        int x, y;
        float angle;
    };
    // width 300, scale 1, ten cards: x0 = (300 - 120 - 216) / 2 = -18
    const Case cases[] = {
        {"left, open", 1, 1.0f, false, LayoutKind::Landscape, 2, 402, -67, 23.0f},
        {"right, open", 1, -1.0f, false, LayoutKind::Landscape, 2, 343, 86, 13.0f},
        {"left, backs", 1, 1.0f, true, LayoutKind::Landscape, 2, 6, -19, 14.0f},
        {"left, backs, portrait", 1, 1.0f, true, LayoutKind::Portrait, 2, -74, -19, 14.0f},
        {"right, open, portrait", 1, -1.0f, false, LayoutKind::Portrait, 2, 293, 86, 13.0f},
        {"theme 4 left", 4, 1.0f, false, LayoutKind::Landscape, 2, 194, -117, 73.0f},
        {"theme 4 right", 4, -1.0f, true, LayoutKind::Landscape, 2, 183, 16, -17.0f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HandFan fan = bottomFan(300);
        fan.theme = c.theme;
        fan.orientation = c.orientation;
        fan.faceDown = c.faceDown;
        fan.layout = c.layout;
        EXPECT_EQ(fan.cardX(c.i, 10), c.x);
        EXPECT_EQ(fan.cardY(c.i, 10), c.y);
        EXPECT_FLOAT_EQ(fan.cardAngle(c.i, 10), c.angle);
    }
}

TEST(HandFan, DraggedCardPushesItsNeighboursAside)
{
    HandFan fan = bottomFan();
    const int restLeft = fan.cardX(4, 10);
    const int restRight = fan.cardX(6, 10);
    fan.moving = {true, false, true, 5, 0}; // lifted all the way
    EXPECT_EQ(fan.cardX(4, 10), restLeft + 12);
    EXPECT_EQ(fan.cardX(6, 10), restRight - 12);
    EXPECT_EQ(fan.cardX(5, 10), 232 + 4 * 24);
    fan.moving.y = 500; // still in the row: nothing moves
    EXPECT_EQ(fan.cardX(4, 10), restLeft);
    EXPECT_EQ(fan.cardX(6, 10), restRight);
}

TEST(HandFan, FlightIntoTheHandOpensAGap)
{
    HandFan fan = bottomFan();
    // A card flying in to position 3 of a hand of 9, still in the Skat's row.
    fan.moving = {true, true, false, 3, 500};
    const int s = 24;
    const int x0 = (800 - 120 - 8 * s) / 2;
    EXPECT_EQ(fan.cardX(2, 9), x0 + s - s / 2);
    EXPECT_EQ(fan.cardX(3, 9), x0 + 2 * s + s / 2);
    EXPECT_FLOAT_EQ(fan.cardAngle(2, 9), -4.0f * (1.5f - 4.5f) + 2.0f);
    EXPECT_FLOAT_EQ(fan.cardAngle(3, 9), -4.0f * (2.5f - 4.5f) - 2.0f);
}

// A point given in the card's own frame (relative to its centre), turned
// with the card onto the screen.
struct Point {
    int x, y;
};
Point onScreen(const HandFan& fan, int i, int n, double localX, double localY)
{
    const double a = fan.cardAngle(i, n) * 0.017453292519943295;
    const double cx = fan.cardX(i, n) + fan.cardWidth() / 2;
    const double cy = fan.cardY(i, n) + fan.rowTop + fan.cardHeight() / 2;
    return {static_cast<int>(std::lround(cx + localX * std::cos(a) + localY * std::sin(a))),
            static_cast<int>(std::lround(cy - localX * std::sin(a) + localY * std::cos(a)))};
}

TEST(HandFan, HitTestPicksTheTopmostCard)
{
    const HandFan fan = bottomFan();
    for (int i = 1; i <= 10; ++i) {
        SCOPED_TRACE(i);
        // The visible strip at the left of every card, and the whole top card.
        const Point strip = onScreen(fan, i, 10, -50, 0);
        EXPECT_EQ(fan.hitTest(strip.x, strip.y, 10), i);
    }
    const Point overlap = onScreen(fan, 2, 10, -50, 40); // also on card 1
    EXPECT_EQ(fan.hitTest(overlap.x, overlap.y, 10), 2);
    const Point top = onScreen(fan, 10, 10, 40, -80);
    EXPECT_EQ(fan.hitTest(top.x, top.y, 10), 10);
    EXPECT_EQ(fan.hitTest(10, 10, 10), 0);
    EXPECT_EQ(fan.hitTest(400, 700, 0), 0);
}

TEST(HandFan, HitTestIncludesTheEdges)
{
    const HandFan fan = bottomFan(); // one card stands upright
    const int left = fan.cardX(1, 1);
    const int top = fan.cardY(1, 1) + fan.rowTop;
    const int cy = top + 90;
    struct Case {
        const char* name;
        int x, y;
        int hit;
    };
    const Case cases[] = {
        {"left edge, level with the centre", left, cy, 1},
        {"right edge", left + 120, cy, 1},
        {"top edge", left + 60, top, 1},
        {"bottom edge", left + 60, top + 180, 1},
        {"left of the card", left - 1, cy, 0},
        {"right of the card", left + 121, cy, 0},
        {"above the card", left + 60, top - 1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(fan.hitTest(c.x, c.y, 1), c.hit);
    }
}

TEST(HandFan, HitTestFollowsTheTurn)
{
    HandFan fan = bottomFan(300);
    fan.theme = 4;
    fan.orientation = 1.0f; // one card turned by 45 degrees
    ASSERT_FLOAT_EQ(fan.cardAngle(1, 1), 45.0f);
    const int cx = fan.cardX(1, 1) + 60;
    const int cy = fan.cardY(1, 1) + fan.rowTop + 90;
    // Inside the turned card, though outside the upright rectangle.
    EXPECT_EQ(fan.hitTest(cx - 62, cy - 58, 1), 1);
    // The upright rectangle's corner lies outside the turned card.
    EXPECT_EQ(fan.hitTest(cx - 58, cy - 88, 1), 0);
    const Point inside = onScreen(fan, 1, 1, 55, 85);
    EXPECT_EQ(fan.hitTest(inside.x, inside.y, 1), 1);
}

TEST(HandFan, RaisedCardIsHitWhereItIsDrawn)
{
    const HandFan fan = bottomFan();
    const int left = fan.cardX(1, 1);
    const int top = fan.cardY(1, 1) + fan.rowTop;
    EXPECT_EQ(fan.hitTest(left + 60, top - 5, 1), 0);
    EXPECT_EQ(fan.hitTest(left + 60, top - 5, 1, 1), 1);
}

} // namespace
