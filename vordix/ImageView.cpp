#include "vordix/ImageView.h"

#include "vordix/ImplementorFactory.h"

VORDIX_IMAGEVIEW::VORDIX_IMAGEVIEW()
{
    if (auto* factory = VORDIX_IMPLEMENTORFACTORY::instance())
        imp_ = factory->createImageView(this);
}

VORDIX_IMAGEVIEW::~VORDIX_IMAGEVIEW() = default;

void VORDIX_IMAGEVIEW::attachTo(VORDIX_FENSTER* parent, VORDIX_BITMAP* image, const RECTANGLE& rect,
                                VORDIX_IMAGEVIEW* reference)
{
    parentWindow = parent;
    bitmap = image;
    referenceView = reference;
    x = rect.x;
    y = rect.y;
    width = rect.width;
    height = rect.height;
    if (imp_)
        imp_->attachTo();
}

void VORDIX_IMAGEVIEW::setGeometry(const RECTANGLE& rect, float newRotation)
{
    x = rect.x;
    y = rect.y;
    width = rect.width;
    height = rect.height;
    rotation = newRotation;
    if (imp_)
        imp_->setGeometry();
}

void VORDIX_IMAGEVIEW::animateMove(const RECTANGLE& rect, float newRotation, float targetAlpha)
{
    x = rect.x;
    y = rect.y;
    width = rect.width;
    height = rect.height;
    rotation = newRotation;
    if (imp_)
        imp_->animateMove(targetAlpha);
}
