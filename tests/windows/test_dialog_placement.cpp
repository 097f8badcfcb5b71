#include "vordix/windows/DialogPlacement.h"

#include <gtest/gtest.h>

using namespace vordix::placement;

TEST(DialogPlacement, PositionCodes)
{
    struct Case {
        int code, parent, dialog, client, shift, expected;
    };
    const Case cases[] = {
        {0, 800, 200, 30, 0, 0},    {25, 800, 200, 30, 5, 30}, // offset plus the caller's shift
        {-1, 800, 200, 30, 5, 30},                             // aligned with the client widget
        {-1, 800, 200, 0, 0, 0},                               // no client widget
        {-2, 800, 200, 30, 5, 300},                            // centred
        {-2, 801, 200, 30, 0, 300},                            // integer division
        {-2, 100, 201, 0, 0, -50},                             // larger than the parent: rounds toward zero
        {-3, 600, 150, 30, 5, 450},                            // far edge
        {-7, 600, 150, 30, 5, -7},                             // other negative values stay
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(resolveCoordinate(c.code, c.parent, c.dialog, c.client, c.shift), c.expected);
    }
}

TEST(DialogPlacement, PackedPositionsRoundTripAndRaiseNegatives)
{
    EXPECT_EQ(packPosition(-5, 300), 300u);
    EXPECT_EQ(unpackPosition(packPosition(-5, 300)), (Point{0, 300}));
    EXPECT_EQ(packPosition(1500, 20), (1500u << 16) + 20u);
    EXPECT_EQ(unpackPosition(packPosition(1500, 20)), (Point{1500, 20}));
    EXPECT_EQ(unpackPosition(packPosition(0, 0)), (Point{0, 0}));
    // Read back as signed 16-bit halves.
    EXPECT_EQ(unpackPosition(0xFFFF0001u), (Point{-1, 1}));
}

TEST(DialogPlacement, RememberedPositionStaysInTheWorkArea)
{
    const Area work{0, 0, 1280, 1024};
    EXPECT_EQ(clampToWorkArea({1500, 100}, 400, 300, work), (Point{880, 100}));
    EXPECT_EQ(clampToWorkArea({100, 900}, 400, 300, work), (Point{100, 724}));
    EXPECT_EQ(clampToWorkArea({100, 100}, 400, 300, work), (Point{100, 100}));
    // A work area below a top panel.
    const Area panel{0, 40, 1280, 984};
    EXPECT_EQ(clampToWorkArea({10, 0}, 400, 300, panel), (Point{10, 40}));
    // A frame larger than the work area keeps its top-left corner visible.
    EXPECT_EQ(clampToWorkArea({50, 50}, 2000, 300, work), (Point{0, 50}));
}

TEST(DialogPlacement, CentredInTheWorkArea)
{
    EXPECT_EQ(centreInWorkArea(400, 301, {0, 0, 1280, 1024}), (Point{440, 361}));
    EXPECT_EQ(centreInWorkArea(400, 300, {100, 40, 1180, 984}), (Point{490, 382}));
}
