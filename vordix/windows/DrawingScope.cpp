#include "vordix/windows/DrawingScope.h"

#include "vordix/windows/ColorHelpers.h"
#include "vordix/windows/WinZeichenbereich.h"

#include <QPainter>

QColor drawingColor(const VORDIX_GRAPHICS_OBJECT& object)
{
    return toQColor(object.red, object.green, object.blue, object.opacity);
}

DrawingScope::DrawingScope(VORDIX_ZEICHENBEREICH& area, const VORDIX_GRAPHICS_OBJECT* object)
    : m_painter(WIN_ZEICHENBEREICH::painterOf(area))
{
    if (!m_painter)
        return;
    m_painter->save();
    if (!object)
        return;
    if (object->drawingMode == VORDIX_GRAPHICS_OBJECT::PAINT_OVER)
        m_painter->setCompositionMode(QPainter::CompositionMode_SourceOver);
    else if (object->drawingMode == VORDIX_GRAPHICS_OBJECT::ERASE)
        m_painter->setCompositionMode(QPainter::CompositionMode_Clear);
}

DrawingScope::~DrawingScope()
{
    if (m_painter)
        m_painter->restore();
}
