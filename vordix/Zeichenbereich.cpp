#include "vordix/Zeichenbereich.h"

#include "vordix/ImplementorFactory.h"

VORDIX_ZEICHENBEREICH::VORDIX_ZEICHENBEREICH() : VORDIX_ZEICHENBEREICH(nullptr) { }

VORDIX_ZEICHENBEREICH::VORDIX_ZEICHENBEREICH(VORDIX_BITMAP* target, int width, int height)
    : targetBitmap(target)
    , canvasWidth(width)
    , canvasHeight(height)
{
    if (auto* factory = VORDIX_IMPLEMENTORFACTORY::instance())
        imp_.reset(factory->createDrawingArea(this));
}

VORDIX_ZEICHENBEREICH::~VORDIX_ZEICHENBEREICH() = default;

void VORDIX_ZEICHENBEREICH::beginPaint()
{
    if (imp_)
        imp_->beginPaint();
}
void VORDIX_ZEICHENBEREICH::endPaint()
{
    if (imp_)
        imp_->endPaint();
}
void VORDIX_ZEICHENBEREICH::setClip(int x, int y, int width, int height)
{
    if (imp_)
        imp_->setClip(x, y, width, height);
}
void VORDIX_ZEICHENBEREICH::resetClip()
{
    if (imp_)
        imp_->resetClip();
}
