#include "skat/ui/TableLayout.h"

#include <algorithm>

namespace {

// Field values by index; unlisted fields are 0.
TableLayout makeLayout(std::initializer_list<std::pair<int, int>> values, float scale)
{
    TableLayout layout;
    for (const auto& [index, value] : values)
        layout.field[index] = value;
    layout.cardScale = scale;
    return layout;
}

} // namespace

const TableLayout& smallLayout()
{
    static const TableLayout layout =
        makeLayout({{0, 480},  {1, 320},  {2, 480},  {3, 320}, {5, 332},  {8, 154},  {9, 157},
                    {10, 165}, {11, 85},  {12, 42},  {13, 25}, {14, 150}, {15, 46},  {16, 60},
                    {17, 94},  {18, 176}, {19, 380}, {21, 94}, {22, 245}, {26, 240}, {27, 20}},
                   0.46875f);
    return layout;
}

const TableLayout& landscapeLayout()
{
    static const TableLayout layout =
        makeLayout({{0, 1024}, {1, 768},  {2, 800},  {3, 600},  {5, 876},  {8, 330},  {9, 336},
                    {10, 352}, {11, 182}, {12, 90},  {13, 130}, {14, 376}, {15, 100}, {16, 128},
                    {17, 202}, {18, 376}, {19, 812}, {21, 202}, {22, 588}, {26, 324}, {27, 542}},
                   1.0f);
    return layout;
}

const TableLayout& portraitLayout()
{
    static const TableLayout layout =
        makeLayout({{0, 768},  {1, 1024}, {2, 768},  {3, 1024}, {5, 620},  {8, 390},  {9, 208},
                    {10, 352}, {11, 182}, {12, 90},  {13, 184}, {14, 504}, {15, 20},  {16, 128},
                    {17, 202}, {18, 504}, {19, 636}, {21, 202}, {22, 716}, {26, 166}, {27, 670}},
                   1.0f);
    return layout;
}

LayoutKind layoutKindOf(const TableLayout& layout)
{
    if (layout.designWidth() == smallLayout().designWidth())
        return LayoutKind::Small;
    if (layout.designWidth() == portraitLayout().designWidth())
        return LayoutKind::Portrait;
    return LayoutKind::Landscape;
}

TablePlacement placeTable(const TableLayout& layout, int W, int H, int theme, int topInset)
{
    constexpr int scaleFactor = 2;
    TablePlacement p;
    const LayoutKind kind = layoutKindOf(layout);
    const int D = layout.designWidth();
    p.buttonRowOffset = layout[TableLayout::BUTTON_ROW_FIELD] >= 181 ? 20 : 0;
    if (kind == LayoutKind::Landscape) {
        p.originX = (W - D) / 2;
        p.originY = (H - layout.designHeight()) / 2;
        if (topInset > 0)
            p.originY = std::max(p.originY, topInset);
    }
    const int x0 = p.originX;
    const int y0 = p.originY;
    const int middleY = layout[TableLayout::MIDDLE_Y];
    const int handY = layout[TableLayout::OWN_HAND_Y];
    auto place = [&](int index, int x, int y, int width) { p.buttons[index] = {true, x, y, width}; };

    place(BUTTON_EXERCISES, D / 2 - 80 + x0, std::min(y0 + 268 + middleY, H - 150), 120);
    place(BUTTON_SKAT_HELP, x0 + 850, y0 + 521, 28);
    switch (kind) {
    case LayoutKind::Landscape:
        place(BUTTON_NEW_LIST, D / 2 - 80 + x0,
              std::min(static_cast<int>(y0 + middleY + 216 * layout.cardScale - 20), H - 222), 120);
        place(BUTTON_KONTRA, x0 + 180, y0 + 2, 80);
        place(BUTTON_RE, x0 + 180, y0 + 34, 80);
        place(BUTTON_PUT_AWAY, D / 2 + 180 + x0, handY - (scaleFactor * 12 + 66) + y0, 120);
        place(BUTTON_TAKE_SKAT, x0 + 400, y0 + 502, 140);
        place(BUTTON_PLAY_HAND, x0 + 640, y0 + 502, 140);
        break;
    case LayoutKind::Portrait:
        place(BUTTON_NEW_LIST, D / 2 - 80 + x0, static_cast<int>(y0 + middleY - 24 + 20 * layout.cardScale), 120);
        place(BUTTON_KONTRA, x0 + 180, y0 + 2, 80);
        place(BUTTON_RE, x0 + 180, y0 + 34, 80);
        place(BUTTON_PUT_AWAY, D / 2 + 150 + x0, handY - (scaleFactor * 12 + 66) + y0, 120);
        place(BUTTON_TAKE_SKAT, x0 + 272, y0 + 630, 140);
        place(BUTTON_PLAY_HAND, x0 + 527, y0 + 630, 140);
        break;
    case LayoutKind::Small:
        place(BUTTON_NEW_LIST, D / 2 - 80 + x0, static_cast<int>(y0 + middleY + 20 * layout.cardScale), 120);
        place(BUTTON_KONTRA, x0 + 180, y0 + 26, 80);
        place(BUTTON_RE, x0 + 180, y0 + 26, 80);
        place(BUTTON_PUT_AWAY, x0 + 320, y0 + 140, 100);
        place(BUTTON_TAKE_SKAT, x0 + 65, y0 + 165, 130);
        place(BUTTON_PLAY_HAND, x0 + 275, y0 + 165, 130);
        break;
    }
    // The icon buttons keep to the edges of the client area.
    place(BUTTON_FULL_SCREEN, W - 28, 1 + topInset, 27);
    place(BUTTON_SETTINGS, W - 74, -5 + topInset, 27);
    place(BUTTON_HELP, W - 114, -5 + topInset, 27);
    place(BUTTON_ASSISTANCE, W - 154, -5 + topInset, 27);
    place(BUTTON_SCORE_SHEET, -7, -5 + topInset, 27);
    place(BUTTON_SHORTEN, -7, H - 53, 27);
    // The course's buttons stand right of the trick, below the right seat's
    // name: the trick's cards would cover them a little further left.
    place(BUTTON_TAKE_BACK, x0 + 660, y0 + 500, 60);
    place(BUTTON_HINT, x0 + 660, y0 + 529, 60);

    // Hand views: the own hand along the bottom, the other two at the sides.
    p.hands[0] = {x0, handY + y0 - 21, D, 380, 2.0f};
    p.ownHandSpacing = kind == LayoutKind::Small ? 22 : 30;
    const bool mono = theme == 4;
    struct SidePair {
        int lx, ly, rx, ry;
    };
    SidePair sides{};
    switch (kind) {
    case LayoutKind::Landscape: sides = mono ? SidePair{0, 170, 690, 170} : SidePair{0, 270, 540, 270}; break;
    case LayoutKind::Portrait: sides = mono ? SidePair{-80, 180, 420, 180} : SidePair{-60, 400, 420, 400}; break;
    case LayoutKind::Small: sides = {-115, 90, 220, 90}; break;
    }
    const bool large = kind != LayoutKind::Small;
    const float sideScale = large ? (mono ? 1.6f : 1.0f) : 0.95f;
    const int sideHeight = large ? 280 : 140;
    p.hands[1] = {x0 + sides.lx, y0 + sides.ly, D / 2, sideHeight, sideScale};
    p.hands[2] = {x0 + sides.rx, y0 + sides.ry, D / 2, sideHeight, sideScale};

    p.pile = {layout[TableLayout::PILE_X] + x0, layout[TableLayout::PILE_Y] + y0, layout[TableLayout::PILE_WIDTH],
              layout[TableLayout::PILE_HEIGHT], layout.cardScale};
    p.pileInnerWidth = layout[TableLayout::PILE_RIGHT] - layout[TableLayout::PILE_X];
    p.tutorText = {x0 > 10 ? x0 : 10, H - 127, TUTOR_TEXT_WIDTH, TUTOR_TEXT_HEIGHT, 1.0f};
    return p;
}

RECTANGLE TableGeometry::skatPlace(int place) const
{
    // Offsets by layout from the middle area.
    const LayoutKind k = kind();
    const bool small = k == LayoutKind::Small;
    const int w = small ? 91 : 144;
    const int h = small ? 136 : 216;
    const int dx = small ? -40 : k == LayoutKind::Portrait ? 14 : 44;
    const int dy = small ? -80 : k == LayoutKind::Portrait ? 74 : 20;
    const int x = layout[TableLayout::MIDDLE_X] + originX + dx;
    const int y = layout[TableLayout::MIDDLE_Y] + originY + dy;
    return {x + place * (w + 8), y, w, h};
}

RECTANGLE TableGeometry::trickCard(int position) const
{
    static constexpr int offsetX[3] = {176, 128, 88};
    static constexpr int offsetY[3] = {48, 70, 26};
    const LayoutKind k = kind();
    int dx = offsetX[position];
    int dy = offsetY[position];
    if (k == LayoutKind::Small) {
        dx = static_cast<int>(layout.cardScale * dx) - 20;
        dy = static_cast<int>(layout.cardScale * dy) - 100;
    } else if (k == LayoutKind::Landscape) {
        dy -= 64;
    }
    const bool small = k == LayoutKind::Small;
    return {originX + layout[TableLayout::MIDDLE_X] + dx, originY + layout[TableLayout::MIDDLE_Y] + dy,
            small ? 91 : 144, small ? 136 : 216};
}
