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
// The background stretches at most this much; the lowest line of its
// table's rim lies this far down its 1024 rows.
constexpr float MAX_STRETCH = 1.2f;
constexpr float RIM_BOTTOM = 1004.0f;
constexpr float BACKGROUND_HEIGHT = 1024.0f;
// The frame's border; the picture lies inside it.
constexpr double BORDER = 12.0 / FRAME_SIDE;

} // namespace

BackgroundFit fitBackground(int W, int H, int w, int h)
{
    BackgroundFit fit;
    if (w <= 0 || h <= 0 || W <= w)
        return fit;
    // The background's middle lies on the client's middle; its rim must
    // end inside the client's lower half.
    const float rimBelowMiddle = RIM_BOTTOM * static_cast<float>(h) / BACKGROUND_HEIGHT - h * 0.5f;
    const float rimFit = rimBelowMiddle > 0.0f ? (H * 0.5f) / rimBelowMiddle : MAX_STRETCH;
    fit.scale = std::max(1.0f, std::min({MAX_STRETCH, static_cast<float>(W) / w, rimFit}));
    fit.offsetX = (fit.scale - 1.0f) * w * 0.5f;
    fit.offsetY = (fit.scale - 1.0f) * h * 0.5f;
    return fit;
}

void drawTableBackground(VORDIX_BITMAP& image, VORDIX_ZEICHENBEREICH& area, LayoutKind kind, int x0, int y0,
                         const BackgroundFit& fit)
{
    switch (kind) {
    case LayoutKind::Portrait: image.draw(area, x0 - PORTRAIT_SHIFT_X, y0); break;
    case LayoutKind::Small: image.draw(area, x0, y0); break;
    case LayoutKind::Landscape:
        if (fit.scale <= 1.0f)
            image.draw(area, x0 - LANDSCAPE_SHIFT_X, y0 - LANDSCAPE_SHIFT_Y);
        else
            image.drawRotated(area, static_cast<int>(x0 - LANDSCAPE_SHIFT_X - fit.offsetX),
                              static_cast<int>(y0 - LANDSCAPE_SHIFT_Y - fit.offsetY),
                              static_cast<int>(image.getWidth() * fit.scale),
                              static_cast<int>(image.getHeight() * fit.scale), 0.0f);
        break;
    }
}

void drawBackgroundSides(VORDIX_BITMAP& image, VORDIX_ZEICHENBEREICH& area, LayoutKind kind, int x0, int y0,
                         const BackgroundFit& fit, int W)
{
    if (kind != LayoutKind::Landscape || !image.isLoaded())
        return;
    const int w = static_cast<int>(image.getWidth() * fit.scale);
    const int h = static_cast<int>(image.getHeight() * fit.scale);
    const int left = static_cast<int>(x0 - LANDSCAPE_SHIFT_X - fit.offsetX);
    const int top = static_cast<int>(y0 - LANDSCAPE_SHIFT_Y - fit.offsetY);
    if (left <= 0 && left + w >= W)
        return;
    VORDIX_BITMAP mirrored;
    const int iw = image.getWidth();
    const int ih = image.getHeight();
    if (!mirrored.createTransformed(image, iw, 0, -iw, ih, iw, ih))
        return;
    // Each mirror touches the background at the edge it mirrors.
    if (left > 0)
        mirrored.drawRotated(area, left - w, top, w, h, 0.0f);
    if (left + w < W)
        mirrored.drawRotated(area, left + w, top, w, h, 0.0f);
}

RECTANGLE seatPictureFrame(LayoutKind kind, int x0, int y0, const BackgroundFit& fit, bool leftSeat)
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
    const bool stretched = fit.scale > 1.0f;
    const float s = stretched ? fit.scale : 1.0f;
    const int left = static_cast<int>(x0 - LANDSCAPE_SHIFT_X - (stretched ? fit.offsetX : 0.0f) + frameX * s);
    const int top = static_cast<int>(y0 - LANDSCAPE_SHIFT_Y - (stretched ? fit.offsetY : 0.0f) + FRAME_Y * s);
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
