#include "vordix/View.h"

#include "vordix/ImplementorFactory.h"

void VORDIX_VIEW_imp::deliverPaint(VORDIX_ZEICHENBEREICH& area)
{
    if (auto* owner = getOwner())
        owner->draw(area);
}

VORDIX_VIEW::VORDIX_VIEW()
{
    if (auto* factory = VORDIX_IMPLEMENTORFACTORY::instance())
        imp_ = factory->createView(this);
}

VORDIX_VIEW::~VORDIX_VIEW() = default;

void VORDIX_VIEW::resize(int width, int height)
{
    if (imp_)
        imp_->resize(width, height);
}

void VORDIX_VIEW::updateRect(int x, int y, int width, int height)
{
    if (imp_)
        imp_->updateRect(x, y, width, height);
}

RECTANGLE VORDIX_VIEW::mapToGlobal() { return imp_ ? imp_->mapToGlobal() : RECTANGLE{}; }
