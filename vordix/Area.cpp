#include "vordix/Area.h"

#include "vordix/ImplementorFactory.h"

VORDIX_AREA::VORDIX_AREA()
{
    if (auto* factory = VORDIX_IMPLEMENTORFACTORY::instance())
        imp_.reset(factory->createArea(this));
}

VORDIX_AREA::~VORDIX_AREA() = default;

void VORDIX_AREA::fillRect(VORDIX_ZEICHENBEREICH& area, const RECTANGLE& r)
{
    if (imp_)
        imp_->fillRect(area, r.x, r.y, r.width, r.height);
}

void VORDIX_AREA::fillRoundedRect(VORDIX_ZEICHENBEREICH& area, const RECTANGLE& r, int radius)
{
    if (imp_)
        imp_->fillRoundedRect(area, r.x, r.y, r.width, r.height, 0, radius, 0, 0);
}

void VORDIX_AREA::fillCircle(VORDIX_ZEICHENBEREICH& area, int cx, int cy, int r)
{
    if (imp_)
        imp_->fillCircle(area, cx, cy, r);
}

void VORDIX_AREA::fillEllipse(VORDIX_ZEICHENBEREICH& area, int cx, int cy, int rx, int ry)
{
    if (imp_)
        imp_->fillEllipse(area, cx, cy, rx, ry);
}

void VORDIX_AREA::fillPie(VORDIX_ZEICHENBEREICH& area, int cx, int cy, int rx, int ry, int startAngle, int spanAngle)
{
    if (imp_)
        imp_->fillPie(area, cx, cy, rx, ry, startAngle, spanAngle);
}
