#pragma once
// The program's two custom cursors, drawn as 32 × 32 two-colour pictures.

#include <QCursor>

// The black outline of an eraser block lying slanted from the upper left to
// the lower right; hotspot (31, 25), its lower right corner.
QCursor makeEraserCursor();
// A black four-way arrow; hotspot (15, 15), its centre.
QCursor makePanCursor();
