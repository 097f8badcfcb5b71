#include "vordix/windows/WinArea.h"

#include "vordix/windows/DrawingScope.h"

#include <QPainter>

const QBrush& WIN_AREA::brush()
{
    if (m_owner)
        m_brush.setColor(drawingColor(*m_owner));
    return m_brush;
}

void WIN_AREA::fillRect(VORDIX_ZEICHENBEREICH& area, int x, int y, int width, int height)
{
    DrawingScope scope(area, m_owner);
    if (QPainter* p = scope.painter())
        p->fillRect(x, y, width, height, brush());
}

void WIN_AREA::fillRoundedRect(VORDIX_ZEICHENBEREICH& area, int x, int y, int width, int height, int, int radius, int,
                               int)
{
    DrawingScope scope(area, m_owner);
    QPainter* p = scope.painter();
    if (!p)
        return;
    p->setPen(Qt::NoPen);
    p->setBrush(brush());
    p->drawRoundedRect(QRectF(x, y, width, height), radius, radius, Qt::AbsoluteSize);
}

void WIN_AREA::fillCircle(VORDIX_ZEICHENBEREICH& area, int cx, int cy, int r) { fillEllipse(area, cx, cy, r, r); }

void WIN_AREA::fillEllipse(VORDIX_ZEICHENBEREICH& area, int cx, int cy, int rx, int ry)
{
    DrawingScope scope(area, m_owner);
    QPainter* p = scope.painter();
    if (!p)
        return;
    p->setPen(Qt::NoPen);
    p->setBrush(brush());
    p->drawEllipse(QRectF(cx - rx, cy - ry, 2.0 * rx, 2.0 * ry));
}

void WIN_AREA::fillPie(VORDIX_ZEICHENBEREICH& area, int cx, int cy, int rx, int ry, int startAngle, int spanAngle)
{
    DrawingScope scope(area, m_owner);
    QPainter* p = scope.painter();
    if (!p)
        return;
    p->setPen(Qt::NoPen);
    p->setBrush(brush());
    p->drawPie(QRectF(cx - rx, cy - ry, 2.0 * rx, 2.0 * ry), startAngle, spanAngle);
}
