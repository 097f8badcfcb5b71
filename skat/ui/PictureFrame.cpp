#include "skat/ui/PictureFrame.h"

RECTANGLE PictureFrame::drawn() const
{
    const int s = meanSide();
    if (s <= 0 || zoom <= 0)
        return {};
    const int w = frameWidth();
    const int h = frameHeight();
    const int dw = pictureWidth * (w * zoom / 100) / s;
    const int dh = pictureHeight * (h * zoom / 100) / s;
    const int left = panX * zoom / 100 - dw / 2 + w / 2 + MARGIN;
    const int top = panY * zoom / 100 - dh / 2 + h / 2 + MARGIN;
    return {left, top, dw, dh};
}

bool PictureFrame::toPicture(int x, int y, int& pictureX, int& pictureY) const
{
    const RECTANGLE f = frame();
    const RECTANGLE d = drawn();
    if (x < f.x || y < f.y || x >= f.x + f.width || y >= f.y + f.height)
        return false;
    if (d.width <= 0 || d.height <= 0 || x < d.x || y < d.y || x >= d.x + d.width || y >= d.y + d.height)
        return false;
    pictureX = (x - d.x) * pictureWidth / d.width;
    pictureY = (y - d.y) * pictureHeight / d.height;
    return true;
}

int PictureFrame::eraserRadius() const
{
    const int w = frameWidth();
    if (zoom <= 0 || w <= 0)
        return 1;
    const int radius = (1000 / zoom) * meanSide() / w;
    return radius > 0 ? radius : 1;
}

void PictureFrame::panTo(int x, int y, int gripX, int gripY)
{
    if (zoom <= 0)
        return;
    panX = (x - gripX) * 100 / zoom;
    panY = (y - gripY) * 100 / zoom;
}
