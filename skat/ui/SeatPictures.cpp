#include "skat/ui/SeatPictures.h"

#include "skat/engine/Skattisch.h"
#include "skat/ui/SeatPositions.h"
#include "vordix/Bitmap.h"

#include <algorithm>

namespace {

// The seat layer picture's frames on the 1440 × 1024 background.
constexpr int FRAME_LEFT_X = 228;
constexpr int FRAME_RIGHT_X = 1062;
constexpr int FRAME_Y = 288;
constexpr int FRAME_SIDE = 150;
// Where the landscape and portrait layouts put the background's corner,
// relative to their origin.
constexpr int LANDSCAPE_SHIFT_X = 208;
constexpr int LANDSCAPE_SHIFT_Y = 128;
constexpr int PORTRAIT_SHIFT_X = 327;
// The small layout's background is the design area (from 144, 128; 1152 ×
// 768) scaled to 480 × 320.
constexpr int SMALL_AREA_X = 144;
constexpr int SMALL_AREA_Y = 128;
constexpr double SMALL_FACTOR = 480.0 / 1152.0;
// The frame's border; the picture lies inside it.
constexpr double BORDER = 12.0 / FRAME_SIDE;

} // namespace

void drawTableBackground(VORDIX_BITMAP& image, VORDIX_ZEICHENBEREICH& area, LayoutKind kind, int x0, int y0,
                         float scale, float offset)
{
    switch (kind) {
    case LayoutKind::Portrait: image.draw(area, x0 - PORTRAIT_SHIFT_X, y0); break;
    case LayoutKind::Small: image.draw(area, x0, y0); break;
    case LayoutKind::Landscape:
        if (scale <= 1.0f)
            image.draw(area, x0 - LANDSCAPE_SHIFT_X, y0 - LANDSCAPE_SHIFT_Y);
        else
            image.drawRotated(area, static_cast<int>(x0 - LANDSCAPE_SHIFT_X - offset),
                              static_cast<int>(y0 - LANDSCAPE_SHIFT_Y - offset),
                              static_cast<int>(image.getWidth() * scale), static_cast<int>(image.getHeight() * scale),
                              0.0f);
        break;
    }
}

RECTANGLE seatPictureFrame(LayoutKind kind, int x0, int y0, float scale, float offset, bool leftSeat)
{
    const int frameX = leftSeat ? FRAME_LEFT_X : FRAME_RIGHT_X;
    switch (kind) {
    case LayoutKind::Portrait: return {x0 - PORTRAIT_SHIFT_X + frameX, y0 + FRAME_Y, FRAME_SIDE, FRAME_SIDE};
    case LayoutKind::Small: {
        const int x = static_cast<int>((frameX - SMALL_AREA_X) * SMALL_FACTOR);
        const int y = static_cast<int>((FRAME_Y - SMALL_AREA_Y) * SMALL_FACTOR);
        const int side = static_cast<int>(FRAME_SIDE * SMALL_FACTOR);
        return {x0 + x, y0 + y, side, side};
    }
    case LayoutKind::Landscape: break;
    }
    // As drawTableBackground lays the background.
    const float s = scale > 1.0f ? scale : 1.0f;
    const float o = scale > 1.0f ? offset : 0.0f;
    const int left = static_cast<int>(x0 - LANDSCAPE_SHIFT_X - o + frameX * s);
    const int top = static_cast<int>(y0 - LANDSCAPE_SHIFT_Y - o + FRAME_Y * s);
    return {left, top, static_cast<int>(FRAME_SIDE * s), static_cast<int>(FRAME_SIDE * s)};
}

RECTANGLE seatPictureArea(const RECTANGLE& frame)
{
    const int border = static_cast<int>(frame.width * BORDER);
    return {frame.x + border, frame.y + border, frame.width - 2 * border, frame.height - 2 * border};
}

void drawPictureInBox(const VORDIX_BITMAP& picture, VORDIX_ZEICHENBEREICH& area, const RECTANGLE& box)
{
    VORDIX_BITMAP_imp* image = picture.implementor();
    const int w = picture.getWidth();
    const int h = picture.getHeight();
    if (!image || !picture.isLoaded() || w <= 0 || h <= 0 || box.width <= 0 || box.height <= 0)
        return;
    // The larger side fills the box.
    const double fit = std::min(static_cast<double>(box.width) / w, static_cast<double>(box.height) / h);
    const int dw = std::max(1, static_cast<int>(w * fit));
    const int dh = std::max(1, static_cast<int>(h * fit));
    image->drawWithoutRotation(area, box.x + (box.width - dw) / 2, box.y + (box.height - dh) / 2, dw, dh);
}

PLAYER* playerAtScreenPosition(const SKATTISCH* table, int position)
{
    if (!table)
        return nullptr;
    for (Seat seat = SEAT_0; seat < SEAT_COUNT; ++seat)
        if (screenPositionOfSeat(table, seat) == position)
            return table->playerAtSeat(seat);
    return nullptr;
}
