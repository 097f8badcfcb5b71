#include "vordix/windows/WinLine.h"

#include "vordix/windows/DrawingScope.h"

#include <QPainter>

#include <algorithm>

Qt::PenStyle WIN_LINE::penStyle(int lineStyle)
{
    switch (lineStyle) {
    case 1: return Qt::DotLine;
    case 2: return Qt::DashDotLine;
    case 3: return Qt::DashLine;
    case 4: return Qt::DashDotDotLine;
    default: return Qt::SolidLine;
    }
}

void WIN_LINE::preparePen(QPainter& painter) const
{
    if (!m_owner)
        return;
    const int width = std::max(1, m_owner->lineWidth);
    // Square corners, as outlines had them before antialiasing.
    painter.setPen(QPen(drawingColor(*m_owner), width, penStyle(m_owner->lineStyle), Qt::SquareCap, Qt::MiterJoin));
    // Under antialiasing an odd-width pen on whole coordinates straddles two
    // pixel rows; half a pixel puts it on exactly one, as without it.
    if (width % 2 == 1 && painter.testRenderHint(QPainter::Antialiasing))
        painter.translate(0.5, 0.5);
}

void WIN_LINE::drawLine(VORDIX_ZEICHENBEREICH& area, int x1, int y1, int x2, int y2)
{
    DrawingScope scope(area, m_owner);
    QPainter* p = scope.painter();
    if (!p)
        return;
    preparePen(*p);
    p->drawLine(x1, y1, x2, y2);
}

void WIN_LINE::drawRect(VORDIX_ZEICHENBEREICH& area, int x, int y, int width, int height)
{
    DrawingScope scope(area, m_owner);
    QPainter* p = scope.painter();
    if (!p)
        return;
    // An upright outline gains nothing from antialiasing, whose thin-pen
    // corners come out half covered; aliased, it covers exactly its pixels.
    p->setRenderHint(QPainter::Antialiasing, false);
    preparePen(*p);
    p->setBrush(Qt::NoBrush);
    p->drawRect(x, y, width - 1, height - 1);
}

void WIN_LINE::drawRoundedRect(VORDIX_ZEICHENBEREICH& area, int x, int y, int width, int height, int radius)
{
    DrawingScope scope(area, m_owner);
    QPainter* p = scope.painter();
    if (!p)
        return;
    if (radius == 0)
        radius = std::min(width, height) / 2;
    preparePen(*p);
    p->setBrush(Qt::NoBrush);
    p->drawRoundedRect(QRectF(x, y, width, height), radius, radius, Qt::AbsoluteSize);
}
