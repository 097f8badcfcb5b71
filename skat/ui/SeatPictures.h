#pragma once
// The players' pictures: where the table shows the two other players'
// faces, and how a picture fills a box (the table's frames and the settings
// dialog's three pictures). Also how a picture of the size of the table
// background is laid over the window, which the seat frames follow.

#include "skat/ui/TableLayout.h"
#include "vordix/Rectangle.h"

class PLAYER;
class SKATTISCH;
class VORDIX_BITMAP;
class VORDIX_ZEICHENBEREICH;

// How the table background is stretched over the window in the landscape
// layout: by scale (1 or more), its corner moved left and up from where an
// unstretched picture lies by the two offsets, so that its middle stays on
// the design area's middle.
struct BackgroundFit {
    float scale = 1.0f;
    float offsetX = 0.0f;
    float offsetY = 0.0f;
};
// The fit of a w × h background over a W × H client area: a wider client
// stretches it (at most 1.2 times) so that no bare bar is left at the sides
// where that can be, but never so far that the table's rim leaves the
// client area at the bottom.
BackgroundFit fitBackground(int W, int H, int w, int h);

// Draws a picture of the table background's size (the background itself
// or the seat layer) with its origin at (x0, y0) as the layout places it:
// in the landscape layout stretched as fitted.
void drawTableBackground(VORDIX_BITMAP& image, VORDIX_ZEICHENBEREICH& area, LayoutKind kind, int x0, int y0,
                         const BackgroundFit& fit);
// Where the stretched background leaves the client area (W wide) bare at
// the sides, its mirror image continues the room (landscape layout only).
void drawBackgroundSides(VORDIX_BITMAP& image, VORDIX_ZEICHENBEREICH& area, LayoutKind kind, int x0, int y0,
                         const BackgroundFit& fit, int W);

// Where the table background's picture frame of a side seat lies in window
// coordinates: the left seat (screen position 2) or the right one (0). The
// background is drawn with its origin at (x0, y0) as the layout places it,
// in the landscape layout stretched as fitted; the frames are those of the
// seat layer picture (150 pixels square at 228, 288 and 1062, 288 of the
// 1440 × 1024 background; the small layout's pictures are its design area
// scaled to 480 × 320).
RECTANGLE seatPictureFrame(LayoutKind kind, int x0, int y0, const BackgroundFit& fit, bool leftSeat);
// The picture area inside a frame: inset by its border.
RECTANGLE seatPictureArea(const RECTANGLE& frame);

// The player shown at a screen position of the main window: 1 at the
// bottom (the user), 2 on the left, 0 on the right; null without a table.
PLAYER* playerAtScreenPosition(const SKATTISCH* table, int position);

// Draws the picture as large as fits into the box, keeping its proportions,
// centred; nothing for an unloaded picture.
void drawPictureInBox(const VORDIX_BITMAP& picture, VORDIX_ZEICHENBEREICH& area, const RECTANGLE& box);
