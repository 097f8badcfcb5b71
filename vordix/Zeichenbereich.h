#pragma once
// A drawing area: the context of one paint pass, either on a widget during
// its paint event or on a target bitmap (an off-screen canvas).

#include <memory>

class VORDIX_BITMAP;
class VORDIX_ZEICHENBEREICH;

class VORDIX_ZEICHENBEREICH_imp {
public:
    virtual ~VORDIX_ZEICHENBEREICH_imp() = default;
    // Opens a pass on the owner's target bitmap.
    virtual void beginPaint() = 0;
    virtual void endPaint() = 0;
    virtual void setClip(int x, int y, int width, int height) = 0;
    virtual void resetClip() = 0;
};

class VORDIX_ZEICHENBEREICH {
public:
    // A drawing area for a widget's paint event (the platform side lends it
    // its painter).
    VORDIX_ZEICHENBEREICH();
    // A drawing area on a bitmap; a size of 0 or less means the bitmap's own.
    explicit VORDIX_ZEICHENBEREICH(VORDIX_BITMAP* target, int canvasWidth = 0, int canvasHeight = 0);
    virtual ~VORDIX_ZEICHENBEREICH();
    VORDIX_ZEICHENBEREICH(const VORDIX_ZEICHENBEREICH&) = delete;
    VORDIX_ZEICHENBEREICH& operator=(const VORDIX_ZEICHENBEREICH&) = delete;

    void beginPaint();
    void endPaint();
    void setClip(int x, int y, int width, int height);
    void resetClip();

    VORDIX_ZEICHENBEREICH_imp* implementor() const { return imp_.get(); }

    VORDIX_BITMAP* targetBitmap = nullptr;
    int canvasWidth = 0;
    int canvasHeight = 0;

private:
    std::unique_ptr<VORDIX_ZEICHENBEREICH_imp> imp_;
};
