#pragma once
// Lines and outlines with a pen of the owner's colour, width and style.

#include "vordix/Line.h"

#include <Qt>

class QPainter;

class WIN_LINE : public VORDIX_LINE_imp {
public:
    explicit WIN_LINE(VORDIX_LINE* owner) : m_owner(owner) { }

    void drawLine(VORDIX_ZEICHENBEREICH& area, int x1, int y1, int x2, int y2) override;
    void drawRect(VORDIX_ZEICHENBEREICH& area, int x, int y, int width, int height) override;
    // A radius of 0 becomes half the smaller side.
    void drawRoundedRect(VORDIX_ZEICHENBEREICH& area, int x, int y, int width, int height, int radius) override;
    VORDIX_LINE* getOwner() const override { return m_owner; }

    // 1 dotted, 2 dash-dot, 3 dashed, 4 dash-dot-dot, anything else solid.
    static Qt::PenStyle penStyle(int lineStyle);

private:
    void preparePen(QPainter& painter) const;

    VORDIX_LINE* m_owner;
};
