#pragma once
// A text drawn in the object's colour with its font values.

#include "vordix/GraphicsObject.h"

#include <memory>
#include <string>

class VORDIX_TEXT;
class VORDIX_ZEICHENBEREICH;

class VORDIX_TEXT_imp {
public:
    virtual ~VORDIX_TEXT_imp() = default;
    // Draws the owner's text with its baseline at y.
    virtual void drawText(VORDIX_ZEICHENBEREICH& area, int x, int y) = 0;
    virtual void measureText(int& width, int& height) = 0;
};

class VORDIX_TEXT : public VORDIX_GRAPHICS_OBJECT {
public:
    enum Style { BOLD = 1, ITALIC = 2, UNDERLINE = 4 };

    VORDIX_TEXT();
    ~VORDIX_TEXT() override;
    VORDIX_TEXT(const VORDIX_TEXT&) = delete;
    VORDIX_TEXT& operator=(const VORDIX_TEXT&) = delete;

    void drawText(VORDIX_ZEICHENBEREICH& area, int x, int y);
    void measureText(int& width, int& height);

    VORDIX_TEXT_imp* implementor() const { return imp_.get(); }

    std::wstring text;
    std::int32_t size = 13;
    std::int32_t rotation = 0;        // degrees
    std::int32_t horizontalAlign = 0; // 0 left, 1 centre, 2 right
    std::int32_t verticalAlign = 0;   // 0, 1 or 2
    std::int32_t styleBits = 0;       // Style bits
    std::int32_t fontKind = 0;        // 0 to 3

private:
    std::unique_ptr<VORDIX_TEXT_imp> imp_;
};
