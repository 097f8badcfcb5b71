#pragma once
// A button the table draws itself on top of its picture: a label on a
// stretched image, or an image alone. It shows whether a press of the left
// button is over it until the release (the table's press machine follows
// the pointer) and can flash its pressed look when a key triggers it. It
// has no command of its own: the owner asks whether it ended pressed.

#include "vordix/Bitmap.h"

#include <string>

class TABLE_VIEW_HOST;
class VORDIX_ZEICHENBEREICH;

class SKAT_BUTTON {
public:
    SKAT_BUTTON() = default;
    virtual ~SKAT_BUTTON() = default;

    // Hit test in owner coordinates; every edge is outside.
    bool contains(int px, int py) const;
    // A press at the point: a visible, enabled button under it looks pressed
    // (true); else it is not pressed.
    bool press(int px, int py);
    // The pointer moved while the button is held: pressed while over it.
    void follow(int px, int py);
    // The release: true when it happened over the button; pressed is cleared.
    bool release(int px, int py);
    // The pressed look for 200 ms.
    void flashPressed();
    // Clears pressed and asks the owner for a repaint.
    void invalidate();
    void draw(VORDIX_ZEICHENBEREICH& area);

    // The clickable and drawn width of a labelled button.
    int drawnWidth() const;

    TABLE_VIEW_HOST* host = nullptr; // not owned: repaints the table, holds a flash
    int x = 0;
    int y = 0;
    int width = 0;
    std::wstring text;
    int fontSize = 13;
    VORDIX_BITMAP* image = nullptr;         // not owned (image cache)
    VORDIX_BITMAP* pressedImage = nullptr;  // not owned
    VORDIX_BITMAP* disabledImage = nullptr; // not owned
    bool stretched = false;
    bool visible = false;
    bool enabled = true;
    bool pressed = false;

private:
    void repaintOwner();
    void paintFallback(VORDIX_ZEICHENBEREICH& area);
};
