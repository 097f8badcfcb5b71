#pragma once
// What windows and views have in common: size, repaint, screen position.

#include "vordix/Rectangle.h"

class VORDIX_VIEW_INTERFACE {
public:
    virtual ~VORDIX_VIEW_INTERFACE() = default;
    virtual void resize(int width, int height) = 0;
    // A negative width or height means "to the far edge".
    virtual void updateRect(int x, int y, int width, int height) = 0;
    // Screen position of the client origin with the client's size.
    virtual RECTANGLE mapToGlobal() = 0;
};
