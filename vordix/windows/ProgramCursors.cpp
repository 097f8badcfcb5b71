#include "vordix/windows/ProgramCursors.h"

#include <QBitmap>
#include <QPainter>
#include <QPolygon>

namespace {

constexpr int cursorSize = 32;

// Draws the picture twice: into the bitmap (black pixels) and into the mask
// (the pixels that are shown; those set in the mask only are white).
template <class Draw>
QCursor twoColourCursor(Draw draw, int hotX, int hotY)
{
    QBitmap picture(cursorSize, cursorSize);
    QBitmap mask(cursorSize, cursorSize);
    picture.fill(Qt::color0);
    mask.fill(Qt::color0);
    {
        QPainter painter(&picture);
        draw(painter, false);
    }
    {
        QPainter painter(&mask);
        draw(painter, true);
    }
    return QCursor(picture, mask, hotX, hotY);
}

} // namespace

QCursor makeEraserCursor()
{
    const QPolygon block({QPoint(0, 8), QPoint(8, 0), QPoint(31, 25), QPoint(24, 31)});
    return twoColourCursor(
        [&](QPainter& painter, bool mask) {
            painter.setPen(Qt::color1);
            painter.setBrush(mask ? QBrush(Qt::color1) : QBrush(Qt::NoBrush));
            painter.drawPolygon(block);
            painter.drawLine(16, 8, 8, 16); // the end that rubs
        },
        31, 25);
}

QCursor makePanCursor()
{
    return twoColourCursor(
        [](QPainter& painter, bool) {
            painter.setPen(Qt::color1);
            painter.setBrush(QBrush(Qt::color1));
            painter.drawLine(2, 15, 28, 15);
            painter.drawLine(15, 2, 15, 28);
            painter.drawPolygon(QPolygon({QPoint(15, 0), QPoint(11, 5), QPoint(19, 5)}));
            painter.drawPolygon(QPolygon({QPoint(15, 31), QPoint(11, 26), QPoint(19, 26)}));
            painter.drawPolygon(QPolygon({QPoint(0, 15), QPoint(5, 11), QPoint(5, 19)}));
            painter.drawPolygon(QPolygon({QPoint(31, 15), QPoint(26, 11), QPoint(26, 19)}));
        },
        15, 15);
}
