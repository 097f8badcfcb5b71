// The main window's layout records and where a record puts the table's
// elements for a client size.

#include "skat/ui/TableLayout.h"

#include <gtest/gtest.h>

namespace {

TEST(TableLayout, RecordsHoldTheirDesignValues)
{
    struct Case {
        const char* name;
        const TableLayout& layout;
        LayoutKind kind;
        // fields 0, 1, 2, 3, 8, 9, 11, 14, 15, 16, 17, 19, 22
        std::array<int, 13> values;
        float scale;
    };
    // clang-format off
    const Case cases[] = {
        {"small", smallLayout(), LayoutKind::Small, {480, 320, 480, 320, 154, 157, 85, 150, 46, 60, 94, 380, 245}, 0.46875f},
        {"landscape", landscapeLayout(), LayoutKind::Landscape,
         {1024, 768, 800, 600, 330, 336, 182, 376, 100, 128, 202, 812, 588}, 1.0f},
        {"portrait", portraitLayout(), LayoutKind::Portrait,
         {768, 1024, 768, 1024, 390, 208, 182, 504, 20, 128, 202, 636, 716}, 1.0f},
    };
    // clang-format on
    const int fields[13] = {0, 1, 2, 3, 8, 9, 11, 14, 15, 16, 17, 19, 22};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(layoutKindOf(c.layout), c.kind);
        for (int i = 0; i < 13; ++i)
            EXPECT_EQ(c.layout[fields[i]], c.values[i]) << "field " << fields[i];
        EXPECT_FLOAT_EQ(c.layout.cardScale, c.scale);
        // Unlisted fields stay 0.
        for (int unused : {4, 6, 7, 20, 23, 24, 25})
            EXPECT_EQ(c.layout[unused], 0) << "field " << unused;
    }
}

TEST(TableLayout, OnlyTheLandscapeLayoutIsCentred)
{
    struct Case {
        const TableLayout& layout;
        int width, height;
        int x0, y0;
    };
    const Case cases[] = {
        {landscapeLayout(), 1024, 768, 0, 0},   {landscapeLayout(), 1280, 1000, 128, 116},
        {landscapeLayout(), 1025, 769, 0, 0},   // integer halves
        {landscapeLayout(), 1024, 748, 0, -10}, // a client smaller than the design: centred too
        {portraitLayout(), 1280, 1200, 0, 0},   {smallLayout(), 1280, 1200, 0, 0},
    };
    for (const Case& c : cases) {
        const TablePlacement p = placeTable(c.layout, c.width, c.height, 3);
        EXPECT_EQ(p.originX, c.x0) << c.width << "x" << c.height;
        EXPECT_EQ(p.originY, c.y0) << c.width << "x" << c.height;
        EXPECT_EQ(p.buttonRowOffset, c.layout[TableLayout::BUTTON_ROW_FIELD] >= 181 ? 20 : 0);
    }
}

TEST(TableLayout, StartButtonsFollowTheMiddleAreaAndStayAboveTheBottom)
{
    struct Case {
        const char* name;
        const TableLayout& layout;
        int width, height;
        ButtonPlace newList, exercises;
    };
    const Case cases[] = {
        // 330 + 216 - 20 = 526 and 268 + 330 = 598 fit in 768.
        {"landscape", landscapeLayout(), 1024, 768, {true, 432, 526, 120}, {true, 432, 598, 120}},
        {"landscape centred", landscapeLayout(), 1280, 1024, {true, 560, 654, 120}, {true, 560, 726, 120}},
        // A low client keeps button 1 at H - 150 and button 0 at H - 222.
        {"landscape low", landscapeLayout(), 1024, 700, {true, 432, 478, 120}, {true, 432, 550, 120}},
        {"portrait", portraitLayout(), 768, 1024, {true, 304, 386, 120}, {true, 304, 658, 120}},
        {"small", smallLayout(), 480, 320, {true, 160, 163, 120}, {true, 160, 170, 120}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const TablePlacement p = placeTable(c.layout, c.width, c.height, 3);
        EXPECT_EQ(p.buttons[BUTTON_NEW_LIST], c.newList);
        EXPECT_EQ(p.buttons[BUTTON_EXERCISES], c.exercises);
    }
}

TEST(TableLayout, IconButtonsKeepToTheClientEdgesInEveryLayout)
{
    for (const TableLayout* layout : {&smallLayout(), &landscapeLayout(), &portraitLayout()}) {
        for (auto [W, H] : {std::pair{1024, 768}, std::pair{1600, 1200}}) {
            const TablePlacement p = placeTable(*layout, W, H, 1);
            EXPECT_EQ(p.buttons[BUTTON_FULL_SCREEN], (ButtonPlace{true, W - 28, 1, 27}));
            EXPECT_EQ(p.buttons[BUTTON_SETTINGS], (ButtonPlace{true, W - 74, -5, 27}));
            EXPECT_EQ(p.buttons[BUTTON_HELP], (ButtonPlace{true, W - 114, -5, 27}));
            EXPECT_EQ(p.buttons[BUTTON_ASSISTANCE], (ButtonPlace{true, W - 154, -5, 27}));
            EXPECT_EQ(p.buttons[BUTTON_SCORE_SHEET], (ButtonPlace{true, -7, -5, 27}));
            EXPECT_EQ(p.buttons[BUTTON_SHORTEN], (ButtonPlace{true, -7, H - 53, 27}));
            EXPECT_FALSE(p.buttons[12].placed);
            EXPECT_FALSE(p.buttons[13].placed);
        }
    }
}

// In full screen the menu bar lies over the top of the client: the icons
// stand below it and the table does not reach into it; a client higher
// than the table and the strip keeps the table centred.
TEST(TableLayout, AMenuStripAtTheTopMovesTheIconsAndTheTableBelowIt)
{
    constexpr int strip = 22;
    const struct {
        int width, height;
        int y0;
    } cases[] = {{1024, 768, strip}, {1024, 748, strip}, {1920, 1080, 156}, {1280, 800, strip}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.height);
        const int W = c.width;
        const TablePlacement p = placeTable(landscapeLayout(), W, c.height, 1, strip);
        EXPECT_EQ(p.originY, c.y0);
        EXPECT_EQ(p.buttons[BUTTON_FULL_SCREEN], (ButtonPlace{true, W - 28, 1 + strip, 27}));
        EXPECT_EQ(p.buttons[BUTTON_SETTINGS], (ButtonPlace{true, W - 74, -5 + strip, 27}));
        EXPECT_EQ(p.buttons[BUTTON_SCORE_SHEET], (ButtonPlace{true, -7, -5 + strip, 27}));
        EXPECT_EQ(p.buttons[BUTTON_SHORTEN], (ButtonPlace{true, -7, c.height - 53, 27})) << "the bottom stays";
    }
}

TEST(TableLayout, GameButtonsByLayout)
{
    struct Case {
        const char* name;
        const TableLayout& layout;
        int index;
        ButtonPlace place;
    };
    // Landscape at 1280x1024 lies at (128, 128).
    const Case cases[] = {
        {"landscape Kontra", landscapeLayout(), BUTTON_KONTRA, {true, 308, 130, 80}},
        {"landscape Re", landscapeLayout(), BUTTON_RE, {true, 308, 162, 80}},
        {"landscape put away", landscapeLayout(), BUTTON_PUT_AWAY, {true, 820, 626, 120}},
        {"landscape take skat", landscapeLayout(), BUTTON_TAKE_SKAT, {true, 528, 630, 140}},
        {"landscape hand", landscapeLayout(), BUTTON_PLAY_HAND, {true, 768, 630, 140}},
        {"landscape skat help", landscapeLayout(), BUTTON_SKAT_HELP, {true, 978, 649, 28}},
        {"landscape take back", landscapeLayout(), BUTTON_TAKE_BACK, {true, 788, 628, 60}},
        {"landscape hint", landscapeLayout(), BUTTON_HINT, {true, 788, 657, 60}},
        {"portrait put away", portraitLayout(), BUTTON_PUT_AWAY, {true, 534, 626, 120}},
        {"portrait take skat", portraitLayout(), BUTTON_TAKE_SKAT, {true, 272, 630, 140}},
        {"portrait hand", portraitLayout(), BUTTON_PLAY_HAND, {true, 527, 630, 140}},
        {"small Kontra", smallLayout(), BUTTON_KONTRA, {true, 180, 26, 80}},
        {"small Re shares its place", smallLayout(), BUTTON_RE, {true, 180, 26, 80}},
        {"small put away", smallLayout(), BUTTON_PUT_AWAY, {true, 320, 140, 100}},
        {"small take skat", smallLayout(), BUTTON_TAKE_SKAT, {true, 65, 165, 130}},
        {"small hand", smallLayout(), BUTTON_PLAY_HAND, {true, 275, 165, 130}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(placeTable(c.layout, 1280, 1024, 3).buttons[c.index], c.place);
    }
}

// The take-back and hint buttons of the game course lie on the cloth where
// the user sees them: clear of the trick's cards, the seats' labels under
// the side hands and the own hand, at every landscape size.
TEST(TableLayout, CourseButtonsLieClearOfTheTrickAndTheHands)
{
    constexpr int BUTTON_HEIGHT = 30;
    struct Size {
        int width, height, strip;
    };
    for (const Size size : {Size{1024, 768, 0}, Size{1024, 768, 19}, Size{1280, 1024, 0}, Size{1920, 1080, 19}}) {
        SCOPED_TRACE(std::to_string(size.width) + "x" + std::to_string(size.height) + "+" + std::to_string(size.strip));
        const TablePlacement p = placeTable(landscapeLayout(), size.width, size.height, 3, size.strip);
        TableGeometry geometry;
        geometry.originX = p.originX;
        geometry.originY = p.originY;
        geometry.clientWidth = size.width;
        geometry.clientHeight = size.height;
        auto overlaps = [](const RECTANGLE& a, const RECTANGLE& b) {
            return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
        };
        for (int index : {BUTTON_TAKE_BACK, BUTTON_HINT}) {
            SCOPED_TRACE(index);
            const ButtonPlace& b = p.buttons[index];
            const RECTANGLE button{b.x, b.y, b.width, BUTTON_HEIGHT};
            for (int position = 0; position < 3; ++position)
                EXPECT_FALSE(overlaps(button, geometry.trickCard(position))) << "trick card " << position;
            // The right seat's name ends 226 pixels below the top of its view.
            EXPECT_GE(button.y, p.hands[2].y + 226) << "below the right seat's name";
            EXPECT_LE(button.y + BUTTON_HEIGHT, p.hands[0].y) << "above the own hand";
            EXPECT_LE(button.x + button.width, p.hands[2].x + 185) << "left of the other side's pile";
        }
    }
}

TEST(TableLayout, HandViewsByLayoutAndTheme)
{
    struct Case {
        const char* name;
        const TableLayout& layout;
        int theme;
        ViewPlace left, right;
    };
    const Case cases[] = {
        {"landscape", landscapeLayout(), 1, {0, 270, 512, 280, 1.0f}, {540, 270, 512, 280, 1.0f}},
        {"landscape plain", landscapeLayout(), 4, {0, 170, 512, 280, 1.6f}, {690, 170, 512, 280, 1.6f}},
        {"portrait", portraitLayout(), 2, {-60, 400, 384, 280, 1.0f}, {420, 400, 384, 280, 1.0f}},
        {"portrait plain", portraitLayout(), 4, {-80, 180, 384, 280, 1.6f}, {420, 180, 384, 280, 1.6f}},
        {"small", smallLayout(), 3, {-115, 90, 240, 140, 0.95f}, {220, 90, 240, 140, 0.95f}},
        {"small plain", smallLayout(), 4, {-115, 90, 240, 140, 0.95f}, {220, 90, 240, 140, 0.95f}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const TablePlacement p = placeTable(c.layout, c.layout.designWidth(), c.layout.designHeight(), c.theme);
        EXPECT_EQ(p.hands[1], c.left);
        EXPECT_EQ(p.hands[2], c.right);
        EXPECT_EQ(p.hands[0],
                  (ViewPlace{0, c.layout[TableLayout::OWN_HAND_Y] - 21, c.layout.designWidth(), 380, 2.0f}));
        EXPECT_EQ(p.ownHandSpacing, layoutKindOf(c.layout) == LayoutKind::Small ? 22 : 30);
    }
}

TEST(TableLayout, PileAndTutorText)
{
    const TablePlacement p = placeTable(landscapeLayout(), 1280, 1024, 3);
    EXPECT_EQ(p.pile, (ViewPlace{228, 504, 128, 202, 1.0f}));
    EXPECT_EQ(p.pileInnerWidth, 712);
    EXPECT_EQ(p.tutorText, (ViewPlace{128, 1024 - 127, TUTOR_TEXT_WIDTH, TUTOR_TEXT_HEIGHT, 1.0f}));
    // The tutor text never starts left of x = 10.
    EXPECT_EQ(placeTable(landscapeLayout(), 1024, 768, 3).tutorText.x, 10);
    EXPECT_EQ(placeTable(landscapeLayout(), 1040, 768, 3).tutorText.x, 10);
}

} // namespace
