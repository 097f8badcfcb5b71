#pragma once
// Shared by the drawing primitives: every call saves the painter of the
// drawing area, sets the composition mode from the primitive's drawing mode,
// draws and restores the painter. Outside a pass there is no painter and the
// primitive draws nothing.

#include "vordix/GraphicsObject.h"

#include <QColor>

class QPainter;
class VORDIX_ZEICHENBEREICH;

// The primitive's colour and opacity as a toolkit colour.
QColor drawingColor(const VORDIX_GRAPHICS_OBJECT& object);

class DrawingScope {
public:
    DrawingScope(VORDIX_ZEICHENBEREICH& area, const VORDIX_GRAPHICS_OBJECT* object);
    ~DrawingScope();
    DrawingScope(const DrawingScope&) = delete;
    DrawingScope& operator=(const DrawingScope&) = delete;

    // Null outside a paint pass.
    QPainter* painter() const { return m_painter; }

private:
    QPainter* m_painter;
};
