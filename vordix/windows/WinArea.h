#pragma once
// Filled shapes without outline, in the owner's colour and drawing mode.

#include "vordix/Area.h"

#include <QBrush>

class WIN_AREA : public VORDIX_AREA_imp {
public:
    explicit WIN_AREA(VORDIX_AREA* owner) : m_owner(owner) { }

    void fillRect(VORDIX_ZEICHENBEREICH& area, int x, int y, int width, int height) override;
    // Three arguments are kept for the interface and not read.
    void fillRoundedRect(VORDIX_ZEICHENBEREICH& area, int x, int y, int width, int height, int unused1, int radius,
                         int unused2, int unused3) override;
    void fillCircle(VORDIX_ZEICHENBEREICH& area, int cx, int cy, int r) override;
    void fillEllipse(VORDIX_ZEICHENBEREICH& area, int cx, int cy, int rx, int ry) override;
    void fillPie(VORDIX_ZEICHENBEREICH& area, int cx, int cy, int rx, int ry, int startAngle, int spanAngle) override;

    VORDIX_AREA* getOwner() const { return m_owner; }

private:
    // The brush in the owner's current colour.
    const QBrush& brush();

    VORDIX_AREA* m_owner;
    QBrush m_brush{Qt::black, Qt::SolidPattern};
};
