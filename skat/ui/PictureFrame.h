#pragma once
// Where the picture picker draws a picture and which part of it becomes the
// player's face. The picture control holds a square frame inset by 20
// pixels on every side; the picture is drawn zoomed (in percent) and moved
// by the pan offset (in picture units at zoom 100) from the frame's centre.
// Its size at zoom 100 is such that the mean of its width and height fills
// the frame. Pure arithmetic (integer division throughout, as drawn), so it
// can be checked without a dialog.

#include "vordix/Rectangle.h"

struct PictureFrame {
    static constexpr int MARGIN = 20;
    static constexpr int MIN_ZOOM = 12;
    static constexpr int MAX_ZOOM = 600;

    int controlWidth = 0;
    int controlHeight = 0;
    int zoom = 100; // percent
    int pictureWidth = 0;
    int pictureHeight = 0;
    int panX = 0;
    int panY = 0;

    // The frame inside the control: what becomes the face.
    int frameWidth() const { return controlWidth - 2 * MARGIN; }
    int frameHeight() const { return controlHeight - 2 * MARGIN; }
    RECTANGLE frame() const { return {MARGIN, MARGIN, frameWidth(), frameHeight()}; }
    // The picture's drawn rectangle in control coordinates; empty without a
    // picture.
    RECTANGLE drawn() const;
    // The picture point under a control point; false outside the frame or
    // the drawn picture.
    bool toPicture(int x, int y, int& pictureX, int& pictureY) const;
    // The eraser's radius in picture units: about ten pixels of the control
    // at any zoom.
    int eraserRadius() const;
    // The pan offset that keeps the picture point under the grip when the
    // pointer has moved to (x, y): the grip is where the drag began, less
    // the pan offset at zoom.
    void panTo(int x, int y, int gripX, int gripY);
    int gripX(int x) const { return x - panX * zoom / 100; }
    int gripY(int y) const { return y - panY * zoom / 100; }

private:
    int meanSide() const { return (pictureWidth + pictureHeight) / 2; }
};
