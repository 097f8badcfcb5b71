#include "vordix/windows/WinZeichenbereich.h"

#include "vordix/Bitmap.h"
#include "vordix/windows/WinBitmap.h"

#include <QPaintEvent>
#include <QPainter>
#include <QWidget>

WIN_ZEICHENBEREICH::~WIN_ZEICHENBEREICH()
{
    if (m_ownsPainter)
        endPaint();
}

QPainter* WIN_ZEICHENBEREICH::painterOf(const VORDIX_ZEICHENBEREICH& area)
{
    auto* imp = dynamic_cast<WIN_ZEICHENBEREICH*>(area.implementor());
    return imp ? imp->painter() : nullptr;
}

void WIN_ZEICHENBEREICH::beginPaint()
{
    if (m_painter || !m_owner || !m_owner->targetBitmap)
        return;
    auto* bitmap = dynamic_cast<WIN_BITMAP*>(m_owner->targetBitmap->implementor());
    if (!bitmap)
        return;
    const int width = m_owner->canvasWidth > 0 ? m_owner->canvasWidth : bitmap->getWidth();
    const int height = m_owner->canvasHeight > 0 ? m_owner->canvasHeight : bitmap->getHeight();
    QImage* canvas = bitmap->prepareCanvas(width, height);
    if (!canvas)
        return;
    m_painter = new QPainter(canvas);
    m_ownsPainter = true;
    m_clipRect = QRectF(0, 0, bitmap->getWidth(), bitmap->getHeight());
    m_clipSet = false;
    m_painter->setClipRect(m_clipRect, Qt::ReplaceClip);
}

void WIN_ZEICHENBEREICH::endPaint()
{
    // A borrowed painter is ended by its lender.
    if (!m_painter || !m_ownsPainter)
        return;
    m_painter->end();
    delete m_painter;
    m_painter = nullptr;
    m_ownsPainter = false;
}

void WIN_ZEICHENBEREICH::setClip(int x, int y, int width, int height)
{
    if (!m_painter)
        return;
    m_painter->setClipRect(QRect(x, y, width, height), Qt::IntersectClip);
    m_painter->setClipping(true);
    m_clipSet = true;
}

void WIN_ZEICHENBEREICH::resetClip()
{
    if (!m_painter || !m_clipSet)
        return;
    m_clipSet = false;
    m_painter->setClipping(false);
    m_painter->setClipRect(m_clipRect, Qt::ReplaceClip);
}

void WIN_ZEICHENBEREICH::lendPainter(QPainter* painter, const QRectF& clip)
{
    if (m_ownsPainter)
        endPaint();
    m_painter = painter;
    m_ownsPainter = false;
    m_clipRect = clip;
    m_clipSet = false;
    if (m_painter)
        m_painter->setClipRect(m_clipRect, Qt::ReplaceClip);
}

void WIN_ZEICHENBEREICH::releasePainter()
{
    if (m_ownsPainter)
        return;
    m_painter = nullptr;
    m_clipSet = false;
}

void paintWidgetThrough(QWidget* widget, QPaintEvent* event, const std::function<void(VORDIX_ZEICHENBEREICH&)>& draw)
{
    VORDIX_ZEICHENBEREICH area;
    auto* imp = dynamic_cast<WIN_ZEICHENBEREICH*>(area.implementor());
    if (!imp)
        return;
    QPainter painter(widget);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    imp->lendPainter(&painter, QRectF(event->rect()));
    draw(area);
    imp->releasePainter();
    painter.end();
}
