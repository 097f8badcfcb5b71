#pragma once
// The pairing of a table view (geometry and drawing, inside a host window's
// drawing area) with its controller (the state the game changes). Neither
// owns the other; whoever hosts them wires both pointers once.

#include <cstdint>

class VORDIX_FENSTER;
class VORDIX_ZEICHENBEREICH;
struct VORDIX_MESSAGE;

template <class CONTROLLER, class VIEW>
class GENERIC_VIEW {
public:
    virtual ~GENERIC_VIEW() = default;
    virtual void setPosition(std::int32_t newX, std::int32_t newY) = 0;
    virtual void redrawNow() = 0;
    virtual void invalidate() = 0;
    virtual void draw(VORDIX_ZEICHENBEREICH& area) = 0;
    virtual void onMouse(VORDIX_MESSAGE& message) = 0;
    virtual void onKey(VORDIX_MESSAGE& message) = 0;

    VORDIX_FENSTER* hostWindow = nullptr; // not owned
    CONTROLLER* controller = nullptr;     // not owned
    std::int32_t x = 0;
    std::int32_t y = 0;
};

template <class VIEW>
class GENERIC_CONTROLLER {
public:
    virtual ~GENERIC_CONTROLLER() = default;
    VIEW* view = nullptr; // not owned
};
