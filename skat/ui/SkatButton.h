#pragma once
// A button the table draws itself on top of its picture: a label on a
// stretched image, or an image alone. It follows a press of the left button
// until release and can flash its pressed look when a key triggers it. It
// has no command of its own: the owner asks whether it ended pressed.

#include "vordix/Bitmap.h"

#include <string>

class TABLE_VIEW_HOST;
class VORDIX_FENSTER;
class VORDIX_ZEICHENBEREICH;
struct VORDIX_MESSAGE;

class SKAT_BUTTON {
public:
    SKAT_BUTTON() = default;
    virtual ~SKAT_BUTTON() = default;

    // Hit test in owner coordinates; every edge is outside.
    bool contains(int px, int py) const;
    // Follows a press that began at the message's point; afterwards pressed
    // says whether the button was released over itself.
    void onMouse(const VORDIX_MESSAGE& message);
    // The pressed look for 200 ms.
    void flashPressed();
    // Clears pressed and asks the owner for a repaint.
    void invalidate();
    void draw(VORDIX_ZEICHENBEREICH& area);

    // The clickable and drawn width of a labelled button.
    int drawnWidth() const;

    VORDIX_FENSTER* owner = nullptr; // not owned: the platform window it lies in
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
