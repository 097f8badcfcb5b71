#pragma once
// Common values of the drawing primitives (areas, lines, texts).

#include <cstdint>

class VORDIX_GRAPHICS_OBJECT {
public:
    enum Mode { PAINT_OVER = 0, ERASE = 1 };

    virtual ~VORDIX_GRAPHICS_OBJECT() = default;

    // Components on a scale of 0 to 999.
    void setColor(int r, int g, int b)
    {
        red = r;
        green = g;
        blue = b;
    }

    std::int32_t red = 0;
    std::int32_t green = 0;
    std::int32_t blue = 0;
    float opacity = 1.0f; // 1.0 opaque
    std::int32_t drawingMode = PAINT_OVER;
};
