#include "vordix/Line.h"

#include "vordix/ImplementorFactory.h"

VORDIX_LINE::VORDIX_LINE()
{
    if (auto* factory = VORDIX_IMPLEMENTORFACTORY::instance())
        imp_.reset(factory->createLine(this));
}

VORDIX_LINE::~VORDIX_LINE() = default;

void VORDIX_LINE::drawLine(VORDIX_ZEICHENBEREICH& area, int x1, int y1, int x2, int y2)
{
    if (imp_)
        imp_->drawLine(area, x1, y1, x2, y2);
}

void VORDIX_LINE::drawRect(VORDIX_ZEICHENBEREICH& area, const RECTANGLE& r)
{
    if (imp_)
        imp_->drawRect(area, r.x, r.y, r.width, r.height);
}

void VORDIX_LINE::drawRoundedRect(VORDIX_ZEICHENBEREICH& area, const RECTANGLE& r, int radius)
{
    if (imp_)
        imp_->drawRoundedRect(area, r.x, r.y, r.width, r.height, radius);
}
