#include "vordix/Bitmap.h"

#include "vordix/ImplementorFactory.h"

VORDIX_BITMAP::VORDIX_BITMAP()
{
    if (auto* factory = VORDIX_IMPLEMENTORFACTORY::instance())
        imp_.reset(factory->createBitmap());
}

VORDIX_BITMAP::~VORDIX_BITMAP() = default;

bool VORDIX_BITMAP::load(const VORDIX_FILE& file)
{
    if (!imp_)
        return false;
    if (imp_->isLoaded())
        imp_->unload();
    return imp_->load(file);
}

bool VORDIX_BITMAP::loadFromData(const unsigned char* data, std::size_t size)
{
    if (!imp_)
        return false;
    if (imp_->isLoaded())
        imp_->unload();
    return imp_->loadFromData(data, size);
}

bool VORDIX_BITMAP::createTransformed(const VORDIX_BITMAP& source, int x, int y, int width, int height, int canvasWidth,
                                      int canvasHeight)
{
    if (!imp_)
        return false;
    if (imp_->isLoaded())
        imp_->unload();
    return imp_->createTransformed(source, x, y, width, height, canvasWidth, canvasHeight);
}

bool VORDIX_BITMAP::createQuarterTurnOf(const VORDIX_BITMAP& source)
{
    const int w = source.getWidth();
    const int h = source.getHeight();
    return createTransformed(source, 0, 0, w, h, h, w);
}

bool VORDIX_BITMAP::save(const VORDIX_FILE& file) { return imp_ && imp_->save(file); }

void VORDIX_BITMAP::unload()
{
    if (imp_ && imp_->isLoaded())
        imp_->unload();
}

void VORDIX_BITMAP::draw(VORDIX_ZEICHENBEREICH& area, int x, int y)
{
    if (imp_)
        imp_->draw(area, x, y);
}

void VORDIX_BITMAP::drawRotated(VORDIX_ZEICHENBEREICH& area, int x, int y, int width, int height, float angle)
{
    if (imp_)
        imp_->drawRotated(area, x, y, width, height, angle);
}

void VORDIX_BITMAP::drawWithTransparency(VORDIX_ZEICHENBEREICH& area, int x, int y, int width, int height, float alpha,
                                         float angle)
{
    if (imp_)
        imp_->drawWithTransparency(area, x, y, width, height, alpha, angle);
}

void VORDIX_BITMAP::drawWithoutRotation(VORDIX_ZEICHENBEREICH& area, int x, int y, int width, int height)
{
    if (imp_)
        imp_->drawWithoutRotation(area, x, y, width, height);
}

bool VORDIX_BITMAP::isLoaded() const { return imp_ && imp_->isLoaded(); }
int VORDIX_BITMAP::getWidth() const { return imp_ ? imp_->getWidth() : 0; }
int VORDIX_BITMAP::getHeight() const { return imp_ ? imp_->getHeight() : 0; }
