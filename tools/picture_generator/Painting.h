#pragma once
// Drawing helpers shared by every picture of the generator: canvases,
// rounded gradient shapes, suit symbols and small glyphs. Everything is
// plain QPainter work so the pictures can be drawn headless at build time.

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QString>

namespace pictures {

enum class Suit { Clubs, Spades, Hearts, Diamonds, Acorns, Leaves, GermanHearts, Bells };

// A transparent ARGB canvas.
QImage canvas(int width, int height);

// A painter with antialiasing and smooth pixmap scaling switched on.
void prepare(QPainter& painter);

QColor mix(const QColor& a, const QColor& b, double t);
QColor lighter(const QColor& c, int percent);
QColor darker(const QColor& c, int percent);

// A rounded rectangle filled with a vertical gradient, with an optional
// outline (no outline when border has alpha 0).
void roundedGradient(QPainter& p, const QRectF& r, double radius, const QColor& top, const QColor& bottom,
                     const QColor& border = QColor(0, 0, 0, 0), double borderWidth = 1.0);
// A soft drop shadow below a rounded rectangle (several translucent layers).
void softShadow(QPainter& p, const QRectF& r, double radius, int spread, int alpha);
// The glassy highlight over the upper half of a rounded shape.
void gloss(QPainter& p, const QRectF& r, double radius, int alpha = 90);

// A suit symbol filling the box (keeps its own aspect ratio, centred).
void drawSuit(QPainter& p, Suit suit, const QRectF& box);
QPainterPath suitPath(Suit suit, const QRectF& box);
QColor suitColor(Suit suit, bool fourColours = false);

// Text centred in a box; bold sans serif by default.
void centredText(QPainter& p, const QRectF& box, const QString& text, double pixelSize, const QColor& color,
                 bool bold = true, bool serif = false);
// Text with a thin dark outline and a soft shadow, for titles on pictures.
void outlinedText(QPainter& p, const QRectF& box, const QString& text, double pixelSize, const QColor& fill,
                  const QColor& outline, bool serif = true);

// A small card (face up with a suit symbol and a letter, or a back).
void miniCard(QPainter& p, const QRectF& r, Suit suit, const QString& letter, bool fourColours);
void cardBack(QPainter& p, const QRectF& r, const QColor& base);
// The side of a stack of cards: one slice of card edges, for the stack pictures.
void stackSlice(QPainter& p, const QRectF& r, double angle);

// Glyphs for icons, drawn in the box in the given colour.
void questionMark(QPainter& p, const QRectF& box, const QColor& color);
void gear(QPainter& p, const QRectF& box, const QColor& color);
void arrow(QPainter& p, const QRectF& box, const QColor& color, bool curvedBack);
void computerMouse(QPainter& p, const QRectF& box, int litButton); // 0 left, 1 right
void personHead(QPainter& p, const QRectF& box, const QColor& color);

// Writes the image; .bmp files become 24-bit, everything else PNG.
bool save(const QImage& image, const QString& path);

} // namespace pictures
