#include "Painting.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QRadialGradient>
#include <QtMath>

namespace pictures {

QImage canvas(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void prepare(QPainter& painter)
{
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
}

QColor mix(const QColor& a, const QColor& b, double t)
{
    return QColor::fromRgbF(
        float(a.redF() + (b.redF() - a.redF()) * t), float(a.greenF() + (b.greenF() - a.greenF()) * t),
        float(a.blueF() + (b.blueF() - a.blueF()) * t), float(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

QColor lighter(const QColor& c, int percent) { return mix(c, Qt::white, percent / 100.0); }
QColor darker(const QColor& c, int percent) { return mix(c, Qt::black, percent / 100.0); }

void roundedGradient(QPainter& p, const QRectF& r, double radius, const QColor& top, const QColor& bottom,
                     const QColor& border, double borderWidth)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.save();
    if (border.alpha() > 0)
        p.setPen(QPen(border, borderWidth));
    else
        p.setPen(Qt::NoPen);
    p.setBrush(g);
    const double inset = border.alpha() > 0 ? borderWidth / 2 : 0;
    p.drawRoundedRect(r.adjusted(inset, inset, -inset, -inset), radius, radius);
    p.restore();
}

void softShadow(QPainter& p, const QRectF& r, double radius, int spread, int alpha)
{
    p.save();
    p.setPen(Qt::NoPen);
    for (int i = spread; i >= 1; --i) {
        const double a = alpha * (1.0 - double(i) / (spread + 1)) / spread * 2.0;
        p.setBrush(QColor(0, 0, 0, qBound(0, int(a), 255)));
        p.drawRoundedRect(r.adjusted(-i, -i + spread / 2.0, i, i + spread / 2.0), radius + i, radius + i);
    }
    p.restore();
}

void gloss(QPainter& p, const QRectF& r, double radius, int alpha)
{
    p.save();
    QRectF upper(r.left() + 1, r.top() + 1, r.width() - 2, r.height() * 0.5);
    QLinearGradient g(upper.topLeft(), upper.bottomLeft());
    g.setColorAt(0, QColor(255, 255, 255, alpha));
    g.setColorAt(1, QColor(255, 255, 255, alpha / 6));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(upper, qMax(0.0, radius - 1), qMax(0.0, radius - 1));
    p.restore();
}

namespace {

// Suit outlines in a 100 x 100 design box.
QPainterPath heartShape()
{
    QPainterPath path;
    path.moveTo(50, 95);
    path.cubicTo(35, 78, 4, 60, 4, 32);
    path.cubicTo(4, 14, 18, 4, 31, 4);
    path.cubicTo(41, 4, 48, 11, 50, 20);
    path.cubicTo(52, 11, 59, 4, 69, 4);
    path.cubicTo(82, 4, 96, 14, 96, 32);
    path.cubicTo(96, 60, 65, 78, 50, 95);
    path.closeSubpath();
    return path;
}

QPainterPath diamondShape()
{
    QPainterPath path;
    path.moveTo(50, 2);
    path.quadTo(66, 30, 86, 50);
    path.quadTo(66, 70, 50, 98);
    path.quadTo(34, 70, 14, 50);
    path.quadTo(34, 30, 50, 2);
    path.closeSubpath();
    return path;
}

QPainterPath spadeShape()
{
    QPainterPath path;
    path.moveTo(50, 3);
    path.cubicTo(62, 22, 95, 38, 95, 60);
    path.cubicTo(95, 75, 84, 82, 73, 82);
    path.cubicTo(64, 82, 57, 77, 53, 70);
    path.cubicTo(54, 83, 60, 91, 68, 97);
    path.lineTo(32, 97);
    path.cubicTo(40, 91, 46, 83, 47, 70);
    path.cubicTo(43, 77, 36, 82, 27, 82);
    path.cubicTo(16, 82, 5, 75, 5, 60);
    path.cubicTo(5, 38, 38, 22, 50, 3);
    path.closeSubpath();
    return path;
}

QPainterPath clubShape()
{
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    path.addEllipse(QPointF(50, 26), 22, 22);
    path.addEllipse(QPointF(26, 58), 22, 22);
    path.addEllipse(QPointF(74, 58), 22, 22);
    path.addRect(QRectF(44, 30, 12, 30));
    QPainterPath stem;
    stem.moveTo(47, 55);
    stem.cubicTo(47, 78, 42, 90, 31, 97);
    stem.lineTo(69, 97);
    stem.cubicTo(58, 90, 53, 78, 53, 55);
    stem.closeSubpath();
    path.addPath(stem);
    return path.simplified();
}

QPainterPath leafShape()
{
    QPainterPath path;
    path.moveTo(50, 2);
    path.cubicTo(66, 18, 92, 36, 88, 62);
    path.cubicTo(85, 80, 64, 84, 53, 80);
    path.lineTo(55, 98);
    path.lineTo(45, 98);
    path.lineTo(47, 80);
    path.cubicTo(36, 84, 15, 80, 12, 62);
    path.cubicTo(8, 36, 34, 18, 50, 2);
    path.closeSubpath();
    return path;
}

QPainterPath acornShape()
{
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    path.addEllipse(QRectF(24, 30, 52, 66));             // the nut
    path.addRoundedRect(QRectF(16, 22, 68, 34), 16, 16); // the cap
    path.addRect(QRectF(46, 4, 8, 22));                  // the stalk
    return path.simplified();
}

QPainterPath bellShape()
{
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    path.addEllipse(QRectF(8, 14, 84, 84));
    path.addEllipse(QRectF(40, 2, 20, 18));
    return path.simplified();
}

QPainterPath designPath(Suit suit)
{
    switch (suit) {
    case Suit::Clubs: return clubShape();
    case Suit::Spades: return spadeShape();
    case Suit::Hearts:
    case Suit::GermanHearts: return heartShape();
    case Suit::Diamonds: return diamondShape();
    case Suit::Acorns: return acornShape();
    case Suit::Leaves: return leafShape();
    case Suit::Bells: return bellShape();
    }
    return {};
}

QTransform designToBox(const QRectF& box)
{
    const double side = qMin(box.width(), box.height());
    QTransform t;
    t.translate(box.center().x() - side / 2, box.center().y() - side / 2);
    t.scale(side / 100.0, side / 100.0);
    return t;
}

} // namespace

QPainterPath suitPath(Suit suit, const QRectF& box) { return designToBox(box).map(designPath(suit)); }

QColor suitColor(Suit suit, bool fourColours)
{
    switch (suit) {
    case Suit::Clubs: return QColor(20, 20, 24);
    case Suit::Spades: return fourColours ? QColor(20, 130, 45) : QColor(20, 20, 24);
    case Suit::Hearts:
    case Suit::GermanHearts: return QColor(210, 20, 30);
    case Suit::Diamonds: return fourColours ? QColor(240, 130, 0) : QColor(210, 20, 30);
    case Suit::Acorns: return QColor(150, 95, 30);
    case Suit::Leaves: return QColor(40, 140, 40);
    case Suit::Bells: return QColor(235, 180, 30);
    }
    return Qt::black;
}

void drawSuit(QPainter& p, Suit suit, const QRectF& box)
{
    p.save();
    prepare(p);
    const QTransform t = designToBox(box);
    const QColor base = suitColor(suit);
    const double side = qMin(box.width(), box.height());
    QPen edge(darker(base, 45), qMax(0.6, side / 40.0));
    edge.setJoinStyle(Qt::RoundJoin);
    auto shaded = [&](const QPainterPath& path, const QColor& colour) {
        const QRectF b = path.boundingRect();
        QRadialGradient g(b.left() + b.width() * 0.35, b.top() + b.height() * 0.3, b.width() * 0.9);
        g.setColorAt(0, lighter(colour, 35));
        g.setColorAt(1, darker(colour, 10));
        p.setBrush(g);
        p.setPen(edge);
        p.drawPath(path);
    };
    switch (suit) {
    case Suit::Acorns: {
        QPainterPath nut;
        nut.addEllipse(QRectF(24, 30, 52, 66));
        QPainterPath cap;
        cap.addRoundedRect(QRectF(16, 22, 68, 34), 16, 16);
        QPainterPath stalk;
        stalk.addRoundedRect(QRectF(46, 4, 8, 22), 3, 3);
        shaded(t.map(stalk), QColor(110, 70, 25));
        shaded(t.map(nut), QColor(205, 150, 50));
        shaded(t.map(cap), QColor(120, 75, 30));
        p.setPen(QPen(darker(QColor(120, 75, 30), 40), qMax(0.5, side / 60.0)));
        for (int i = 0; i < 4; ++i) // the cap's scales
            p.drawLine(t.map(QPointF(24 + i * 14, 28)), t.map(QPointF(30 + i * 14, 52)));
        break;
    }
    case Suit::Leaves: {
        shaded(t.map(leafShape()), base);
        p.setPen(QPen(darker(base, 40), qMax(0.6, side / 45.0)));
        p.drawLine(t.map(QPointF(50, 12)), t.map(QPointF(50, 80)));
        for (int i = 0; i < 3; ++i) {
            p.drawLine(t.map(QPointF(50, 34 + i * 14)), t.map(QPointF(32, 26 + i * 16)));
            p.drawLine(t.map(QPointF(50, 34 + i * 14)), t.map(QPointF(68, 26 + i * 16)));
        }
        break;
    }
    case Suit::Bells: {
        QPainterPath loop;
        loop.addEllipse(QRectF(40, 2, 20, 18));
        QPainterPath ball;
        ball.addEllipse(QRectF(8, 14, 84, 84));
        shaded(t.map(loop), base);
        shaded(t.map(ball), base);
        QPainterPath band;
        band.addRect(QRectF(8, 48, 84, 14));
        p.setBrush(QColor(200, 40, 30));
        p.setPen(Qt::NoPen);
        p.drawPath(t.map(band.intersected(ball)));
        p.setBrush(darker(base, 60));
        p.drawEllipse(t.mapRect(QRectF(42, 72, 16, 14)));
        p.drawRect(t.mapRect(QRectF(48, 82, 4, 14)));
        break;
    }
    default: shaded(t.map(designPath(suit)), base); break;
    }
    p.restore();
}

void centredText(QPainter& p, const QRectF& box, const QString& text, double pixelSize, const QColor& color, bool bold,
                 bool serif)
{
    p.save();
    QFont font(serif ? QStringLiteral("DejaVu Serif") : QStringLiteral("DejaVu Sans"));
    font.setPixelSize(qMax(1, int(pixelSize)));
    font.setBold(bold);
    p.setFont(font);
    p.setPen(color);
    p.drawText(box, Qt::AlignCenter, text);
    p.restore();
}

void outlinedText(QPainter& p, const QRectF& box, const QString& text, double pixelSize, const QColor& fill,
                  const QColor& outline, bool serif)
{
    p.save();
    prepare(p);
    QFont font(serif ? QStringLiteral("DejaVu Serif") : QStringLiteral("DejaVu Sans"));
    font.setPixelSize(qMax(1, int(pixelSize)));
    font.setBold(true);
    font.setItalic(serif);
    QFontMetricsF metrics(font);
    const double width = metrics.horizontalAdvance(text);
    const QPointF origin(box.center().x() - width / 2, box.center().y() + (metrics.ascent() - metrics.descent()) / 2);
    QPainterPath path;
    path.addText(origin, font, text);
    for (int i = 6; i >= 1; --i) { // soft shadow
        p.setPen(QPen(QColor(0, 0, 0, 14), pixelSize / 30.0 * i * 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path.translated(pixelSize / 40.0, pixelSize / 25.0));
    }
    p.setPen(QPen(outline, qMax(1.0, pixelSize / 22.0), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QLinearGradient g(box.center().x(), origin.y() - metrics.ascent(), box.center().x(), origin.y());
    g.setColorAt(0, lighter(fill, 45));
    g.setColorAt(0.55, fill);
    g.setColorAt(1, darker(fill, 18));
    p.setBrush(g);
    p.drawPath(path);
    p.restore();
}

void miniCard(QPainter& p, const QRectF& r, Suit suit, const QString& letter, bool fourColours)
{
    p.save();
    prepare(p);
    const double radius = r.width() * 0.12;
    softShadow(p, r, radius, 2, 60);
    roundedGradient(p, r, radius, QColor(255, 255, 255), QColor(236, 236, 230), QColor(90, 90, 90), 1.0);
    const QColor ink = suitColor(suit, fourColours);
    centredText(p, QRectF(r.left() + 1, r.top() + 1, r.width() * 0.42, r.height() * 0.28), letter, r.height() * 0.2,
                ink, true, false);
    const QRectF symbol(r.left() + r.width() * 0.2, r.top() + r.height() * 0.32, r.width() * 0.6, r.height() * 0.5);
    if (suit == Suit::Spades || suit == Suit::Diamonds || suit == Suit::Clubs || suit == Suit::Hearts) {
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        p.drawPath(suitPath(suit, symbol));
    } else {
        drawSuit(p, suit, symbol);
    }
    p.restore();
}

void cardBack(QPainter& p, const QRectF& r, const QColor& base)
{
    p.save();
    prepare(p);
    const double radius = r.width() * 0.06;
    roundedGradient(p, r, radius, QColor(250, 250, 250), QColor(230, 230, 230), QColor(70, 70, 70), 1.0);
    const QRectF inner = r.adjusted(r.width() * 0.08, r.width() * 0.08, -r.width() * 0.08, -r.width() * 0.08);
    roundedGradient(p, inner, radius * 0.6, lighter(base, 20), darker(base, 25));
    p.setClipRect(inner);
    p.setPen(QPen(QColor(255, 255, 255, 60), qMax(0.6, r.width() / 60.0)));
    const double step = qMax(3.0, r.width() / 9.0);
    for (double d = -inner.height(); d < inner.width() + inner.height(); d += step) {
        p.drawLine(QPointF(inner.left() + d, inner.top()), QPointF(inner.left() + d - inner.height(), inner.bottom()));
        p.drawLine(QPointF(inner.left() + d, inner.top()), QPointF(inner.left() + d + inner.height(), inner.bottom()));
    }
    p.restore();
}

void stackSlice(QPainter& p, const QRectF& r, double angle)
{
    p.save();
    prepare(p);
    p.translate(r.center());
    p.rotate(angle * 0.3);
    const QRectF edge(-r.width() * 0.37, -r.height() / 2 + 1, r.width() * 0.74, r.height() - 2);
    QLinearGradient g(edge.topLeft(), edge.bottomLeft());
    g.setColorAt(0, QColor(250, 250, 246));
    g.setColorAt(0.5, QColor(214, 214, 206));
    g.setColorAt(1, QColor(160, 160, 150));
    p.setBrush(g);
    p.setPen(QPen(QColor(110, 110, 104), 0.8));
    p.drawRoundedRect(edge, 3, 3);
    p.setPen(QPen(QColor(150, 150, 142), 0.6));
    p.drawLine(QPointF(edge.left() + 3, 0), QPointF(edge.right() - 3, 0));
    p.restore();
}

void questionMark(QPainter& p, const QRectF& box, const QColor& color)
{
    centredText(p, box.translated(0, box.height() * 0.02), QStringLiteral("?"), box.height() * 0.8, color, true, false);
}

void gear(QPainter& p, const QRectF& box, const QColor& color)
{
    p.save();
    prepare(p);
    const QPointF c = box.center();
    const double outer = qMin(box.width(), box.height()) / 2;
    const double inner = outer * 0.72;
    QPainterPath path;
    const int teeth = 8;
    for (int i = 0; i < teeth * 2; ++i) {
        const double a0 = (i - 0.5) * M_PI / teeth, a1 = (i + 0.5) * M_PI / teeth;
        const double rr = (i % 2 == 0) ? outer : inner;
        const QPointF p0(c.x() + rr * qCos(a0), c.y() + rr * qSin(a0));
        const QPointF p1(c.x() + rr * qCos(a1), c.y() + rr * qSin(a1));
        if (i == 0)
            path.moveTo(p0);
        else
            path.lineTo(p0);
        path.lineTo(p1);
    }
    path.closeSubpath();
    path.addEllipse(c, outer * 0.3, outer * 0.3);
    path.setFillRule(Qt::OddEvenFill);
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPath(path);
    p.restore();
}

void arrow(QPainter& p, const QRectF& box, const QColor& color, bool curvedBack)
{
    p.save();
    prepare(p);
    const double w = box.width(), h = box.height();
    QPen pen(color, qMax(1.5, h * 0.16), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    QPainterPath path;
    if (curvedBack) { // an arc turning back to the left
        path.moveTo(box.left() + w * 0.3, box.top() + h * 0.35);
        path.cubicTo(box.left() + w * 0.75, box.top() + h * 0.2, box.left() + w * 0.95, box.top() + h * 0.55,
                     box.left() + w * 0.65, box.top() + h * 0.85);
    } else {
        path.moveTo(box.left() + w * 0.12, box.center().y());
        path.lineTo(box.left() + w * 0.7, box.center().y());
    }
    p.drawPath(path);
    QPainterPath head;
    if (curvedBack) {
        const QPointF tip(box.left() + w * 0.08, box.top() + h * 0.38);
        head.moveTo(tip);
        head.lineTo(box.left() + w * 0.36, box.top() + h * 0.12);
        head.lineTo(box.left() + w * 0.38, box.top() + h * 0.58);
    } else {
        head.moveTo(box.right() - w * 0.05, box.center().y());
        head.lineTo(box.left() + w * 0.6, box.top() + h * 0.2);
        head.lineTo(box.left() + w * 0.6, box.bottom() - h * 0.2);
    }
    head.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPath(head);
    p.restore();
}

void computerMouse(QPainter& p, const QRectF& box, int litButton)
{
    p.save();
    prepare(p);
    const double w = box.width(), h = box.height();
    const QRectF body(box.left() + w * 0.2, box.top() + h * 0.06, w * 0.6, h * 0.88);
    const double radius = body.width() * 0.48;
    softShadow(p, body, radius, qMax(1, int(w / 24)), 70);
    roundedGradient(p, body, radius, QColor(250, 250, 252), QColor(190, 194, 204), QColor(70, 74, 84),
                    qMax(1.0, w / 40));
    // The two buttons: the upper part split in the middle.
    QPainterPath upper;
    upper.addRoundedRect(body, radius, radius);
    QPainterPath top;
    top.addRect(QRectF(body.left(), body.top(), body.width(), body.height() * 0.42));
    upper = upper.intersected(top);
    QPainterPath half;
    half.addRect(
        QRectF(litButton == 0 ? body.left() : body.center().x(), body.top(), body.width() / 2, body.height() * 0.42));
    QLinearGradient lit(body.topLeft(), QPointF(body.left(), body.top() + body.height() * 0.42));
    lit.setColorAt(0, QColor(255, 190, 80));
    lit.setColorAt(1, QColor(230, 110, 20));
    p.setPen(Qt::NoPen);
    p.setBrush(lit);
    p.drawPath(upper.intersected(half));
    p.setPen(QPen(QColor(70, 74, 84), qMax(1.0, w / 48)));
    p.drawLine(QPointF(body.center().x(), body.top()), QPointF(body.center().x(), body.top() + body.height() * 0.42));
    p.drawLine(QPointF(body.left() + 1, body.top() + body.height() * 0.42),
               QPointF(body.right() - 1, body.top() + body.height() * 0.42));
    p.restore();
}

void personHead(QPainter& p, const QRectF& box, const QColor& color)
{
    p.save();
    prepare(p);
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    const double w = box.width(), h = box.height();
    p.drawEllipse(QRectF(box.left() + w * 0.28, box.top(), w * 0.44, h * 0.5));
    QPainterPath shoulders;
    shoulders.addRoundedRect(QRectF(box.left() + w * 0.05, box.top() + h * 0.55, w * 0.9, h * 0.6), w * 0.35, w * 0.35);
    QPainterPath clip;
    clip.addRect(box);
    p.drawPath(shoulders.intersected(clip));
    p.restore();
}

bool save(const QImage& image, const QString& path)
{
    if (path.endsWith(QLatin1String(".bmp"))) {
        // Windows bitmaps without alpha: flatten onto white, 24 bits.
        QImage flat(image.size(), QImage::Format_RGB888);
        flat.fill(Qt::white);
        QPainter p(&flat);
        p.drawImage(0, 0, image);
        p.end();
        return flat.save(path, "BMP");
    }
    return image.save(path, "PNG");
}

} // namespace pictures
