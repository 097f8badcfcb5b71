#pragma once
// Filled shapes in the object's colour.

#include "vordix/GraphicsObject.h"
#include "vordix/Rectangle.h"

#include <memory>

class VORDIX_AREA;
class VORDIX_ZEICHENBEREICH;

class VORDIX_AREA_imp {
public:
    virtual ~VORDIX_AREA_imp() = default;
    virtual void fillRect(VORDIX_ZEICHENBEREICH& area, int x, int y, int width, int height) = 0;
    virtual void fillRoundedRect(VORDIX_ZEICHENBEREICH& area, int x, int y, int width, int height, int unused1,
                                 int radius, int unused2, int unused3) = 0;
    virtual void fillCircle(VORDIX_ZEICHENBEREICH& area, int cx, int cy, int r) = 0;
    virtual void fillEllipse(VORDIX_ZEICHENBEREICH& area, int cx, int cy, int rx, int ry) = 0;
    // Angles in sixteenths of a degree, counter-clockwise from three o'clock.
    virtual void fillPie(VORDIX_ZEICHENBEREICH& area, int cx, int cy, int rx, int ry, int startAngle,
                         int spanAngle) = 0;
};

class VORDIX_AREA : public VORDIX_GRAPHICS_OBJECT {
public:
    VORDIX_AREA();
    ~VORDIX_AREA() override;
    VORDIX_AREA(const VORDIX_AREA&) = delete;
    VORDIX_AREA& operator=(const VORDIX_AREA&) = delete;

    void fillRect(VORDIX_ZEICHENBEREICH& area, const RECTANGLE& rect);
    void fillRoundedRect(VORDIX_ZEICHENBEREICH& area, const RECTANGLE& rect, int radius);
    void fillCircle(VORDIX_ZEICHENBEREICH& area, int cx, int cy, int r);
    void fillEllipse(VORDIX_ZEICHENBEREICH& area, int cx, int cy, int rx, int ry);
    void fillPie(VORDIX_ZEICHENBEREICH& area, int cx, int cy, int rx, int ry, int startAngle, int spanAngle);

    VORDIX_AREA_imp* implementor() const { return imp_.get(); }

    std::int32_t fillStyle = 1;
    std::int32_t fillFlags = 0;

private:
    std::unique_ptr<VORDIX_AREA_imp> imp_;
};
