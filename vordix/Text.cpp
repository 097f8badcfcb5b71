#include "vordix/Text.h"

#include "vordix/ImplementorFactory.h"

VORDIX_TEXT::VORDIX_TEXT()
{
    if (auto* factory = VORDIX_IMPLEMENTORFACTORY::instance())
        imp_.reset(factory->createText(this));
}

VORDIX_TEXT::~VORDIX_TEXT() = default;

void VORDIX_TEXT::drawText(VORDIX_ZEICHENBEREICH& area, int x, int y)
{
    if (imp_)
        imp_->drawText(area, x, y);
}

void VORDIX_TEXT::measureText(int& width, int& height)
{
    width = height = 0;
    if (imp_)
        imp_->measureText(width, height);
}
