#pragma once
// A framework image view: one bitmap shown on a window at a rectangle with a
// rotation, moved, faded and restacked by animations. The platform side
// reads the values below when an operation asks for them.

#include "vordix/Rectangle.h"

#include <cstdint>
#include <memory>

class VORDIX_BITMAP;
class VORDIX_FENSTER;
class VORDIX_IMAGEVIEW;

class VORDIX_IMAGEVIEW_imp {
public:
    virtual ~VORDIX_IMAGEVIEW_imp() = default;
    // Parents the view to the owner's window and stacks it.
    virtual void attachTo() = 0;
    // Takes the owner's rectangle and rotation.
    virtual void setGeometry() = 0;
    virtual void update() = 0;
    virtual void setVisible(bool visible) = 0;
    virtual void animateVisibility(bool show) = 0;
    virtual void restack() = 0;
    virtual void lower() = 0;
    // Moves towards the owner's rectangle and rotation, fading to the alpha.
    virtual void animateMove(float targetAlpha) = 0;
    // Detaches the view from its window.
    virtual void setParent() = 0;
};

class VORDIX_IMAGEVIEW {
public:
    VORDIX_IMAGEVIEW();
    virtual ~VORDIX_IMAGEVIEW();
    VORDIX_IMAGEVIEW(const VORDIX_IMAGEVIEW&) = delete;
    VORDIX_IMAGEVIEW& operator=(const VORDIX_IMAGEVIEW&) = delete;

    // Stores the values, then forwards.
    void attachTo(VORDIX_FENSTER* parent, VORDIX_BITMAP* image, const RECTANGLE& rect,
                  VORDIX_IMAGEVIEW* reference = nullptr);
    void setGeometry(const RECTANGLE& rect, float newRotation);
    void animateMove(const RECTANGLE& rect, float newRotation, float targetAlpha);

    RECTANGLE rectangle() const { return {x, y, width, height}; }
    const std::shared_ptr<VORDIX_IMAGEVIEW_imp>& implementor() const { return imp_; }

    VORDIX_FENSTER* parentWindow = nullptr;
    VORDIX_IMAGEVIEW* referenceView = nullptr; // stacked directly above this one
    VORDIX_BITMAP* bitmap = nullptr;
    std::uint8_t shade = 0;
    std::int32_t animationMs = 0;
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    float rotation = 0.0f;

private:
    std::shared_ptr<VORDIX_IMAGEVIEW_imp> imp_;
};
