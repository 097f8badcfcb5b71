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

// Draws a picture of the table background's size (the background itself
// or the seat layer) with its origin at (x0, y0) as the layout places it:
// in the landscape layout stretched by a scale above 1 and moved left and
// up by offset.
void drawTableBackground(VORDIX_BITMAP& image, VORDIX_ZEICHENBEREICH& area, LayoutKind kind, int x0, int y0,
                         float scale, float offset);

// Where the table background's picture frame of a side seat lies in window
// coordinates: the left seat (screen position 2) or the right one (0). The
// background is drawn with its origin at (x0, y0) as the layout places it,
// in the landscape layout stretched by scale and moved by offset; the
// frames are those of the seat layer picture (150 pixels square at 228, 288
// and 1062, 288 of the 1440 × 1024 background; the small layout's pictures
// are its design area scaled to 480 × 320).
RECTANGLE seatPictureFrame(LayoutKind kind, int x0, int y0, float scale, float offset, bool leftSeat);
// The picture area inside a frame: inset by its border.
RECTANGLE seatPictureArea(const RECTANGLE& frame);

// The player shown at a screen position of the main window: 1 at the
// bottom (the user), 2 on the left, 0 on the right; null without a table.
PLAYER* playerAtScreenPosition(const SKATTISCH* table, int position);

// Draws the picture as large as fits into the box, keeping its proportions,
// centred; nothing for an unloaded picture.
void drawPictureInBox(const VORDIX_BITMAP& picture, VORDIX_ZEICHENBEREICH& area, const RECTANGLE& box);
