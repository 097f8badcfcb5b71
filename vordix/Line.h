#pragma once
// Lines and outlines in the object's colour.

#include "vordix/GraphicsObject.h"
#include "vordix/Rectangle.h"

#include <memory>

class VORDIX_LINE;
class VORDIX_ZEICHENBEREICH;

class VORDIX_LINE_imp {
public:
    virtual ~VORDIX_LINE_imp() = default;
    virtual void drawLine(VORDIX_ZEICHENBEREICH& area, int x1, int y1, int x2, int y2) = 0;
    // The outline covers exactly width × height pixels.
    virtual void drawRect(VORDIX_ZEICHENBEREICH& area, int x, int y, int width, int height) = 0;
    virtual void drawRoundedRect(VORDIX_ZEICHENBEREICH& area, int x, int y, int width, int height, int radius) = 0;
    // Kept for its place in the interface; has no effect.
    virtual void reserved(int, int) { }
    virtual VORDIX_LINE* getOwner() const = 0;
};

class VORDIX_LINE : public VORDIX_GRAPHICS_OBJECT {
public:
    VORDIX_LINE();
    ~VORDIX_LINE() override;
    VORDIX_LINE(const VORDIX_LINE&) = delete;
    VORDIX_LINE& operator=(const VORDIX_LINE&) = delete;

    void drawLine(VORDIX_ZEICHENBEREICH& area, int x1, int y1, int x2, int y2);
    void drawRect(VORDIX_ZEICHENBEREICH& area, const RECTANGLE& rect);
    void drawRoundedRect(VORDIX_ZEICHENBEREICH& area, const RECTANGLE& rect, int radius);

    VORDIX_LINE_imp* implementor() const { return imp_.get(); }

    std::int32_t lineStyle = 0;
    std::int32_t lineWidth = 1; // pixels

private:
    std::unique_ptr<VORDIX_LINE_imp> imp_;
};
