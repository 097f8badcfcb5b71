#pragma once
// A framework view: a drawing surface inside a window, painted by draw().

#include "vordix/Rectangle.h"
#include "vordix/ViewInterface.h"

#include <memory>

class VORDIX_VIEW;
class VORDIX_ZEICHENBEREICH;

class VORDIX_VIEW_imp {
public:
    virtual ~VORDIX_VIEW_imp() = default;
    // The owner's draw with the drawing area (when there is an owner).
    virtual void deliverPaint(VORDIX_ZEICHENBEREICH& area);
    virtual void resize(int width, int height) = 0;
    virtual void updateRect(int x, int y, int width, int height) = 0;
    virtual RECTANGLE mapToGlobal() = 0;
    virtual VORDIX_VIEW* getOwner() const = 0;
};

class VORDIX_VIEW : public VORDIX_VIEW_INTERFACE {
public:
    VORDIX_VIEW();
    ~VORDIX_VIEW() override;
    VORDIX_VIEW(const VORDIX_VIEW&) = delete;
    VORDIX_VIEW& operator=(const VORDIX_VIEW&) = delete;

    void resize(int width, int height) override;
    void updateRect(int x, int y, int width, int height) override;
    RECTANGLE mapToGlobal() override;
    virtual void draw(VORDIX_ZEICHENBEREICH& area) = 0;

    const std::shared_ptr<VORDIX_VIEW_imp>& implementor() const { return imp_; }

private:
    std::shared_ptr<VORDIX_VIEW_imp> imp_;
};
