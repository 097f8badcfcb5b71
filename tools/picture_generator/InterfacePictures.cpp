// The other pictures of the "Grafik" folder: score-sheet backgrounds, the
// table's buttons and icons, balloons, stacks, shadows, the assistant and
// the default player faces.

#include "Painting.h"
#include "Pictures.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QtMath>

namespace pictures {
namespace {

using Draw = std::function<void(QPainter&, const QRectF&)>;

Picture make(const QString& file, int w, int h, Draw draw, SmallCopy small = SmallCopy::None, double smallFactor = 0)
{
    return Picture{file,
                   w,
                   h,
                   [draw](QImage& image) {
                       QPainter p(&image);
                       prepare(p);
                       draw(p, QRectF(0, 0, image.width(), image.height()));
                   },
                   small,
                   smallFactor};
}

const QColor kInk(40, 44, 52);
const QColor kSheetLine(120, 150, 200);
const QColor kSheetPaper(253, 251, 242);

// ---- score sheet -------------------------------------------------------

struct SheetColumns {
    bool four;
    std::vector<double> lines; // vertical rules
    double numberRight, symbolCentre, withCol, withoutCol;
    double levels[6];
    double won, lost;
    double firstRight, step;
    int players;
};

SheetColumns sheetColumns(bool four)
{
    if (!four)
        return {false,
                {22, 85, 158, 186, 214, 298, 382, 466},
                18,
                45,
                64,
                81,
                {87, 99, 111, 123, 135, 147},
                183,
                210,
                271,
                84,
                3};
    return {true,
            {17, 60, 127, 157, 182, 251, 323, 395, 467},
            14,
            30,
            45,
            61,
            {62, 73, 84, 95, 106, 117},
            154,
            180,
            234,
            72,
            4};
}

void paper(QPainter& p, const QRectF& r)
{
    QLinearGradient g(r.topLeft(), r.topRight());
    g.setColorAt(0, kSheetPaper);
    g.setColorAt(0.5, QColor(255, 254, 248));
    g.setColorAt(1, kSheetPaper);
    p.fillRect(r, g);
}

void rules(QPainter& p, const SheetColumns& c, double top, double bottom)
{
    p.setPen(QPen(kSheetLine, 1));
    for (double x : c.lines)
        p.drawLine(QPointF(x + 0.5, top), QPointF(x + 0.5, bottom));
    p.setPen(QPen(QColor(200, 80, 80, 160), 1)); // the margin line
    p.drawLine(QPointF(2.5, top), QPointF(2.5, bottom));
    p.drawLine(QPointF(477.5, top), QPointF(477.5, bottom));
}

void smallLabel(QPainter& p, double centreX, double y, const QString& text, double size = 9)
{
    centredText(p, QRectF(centreX - 20, y, 40, 14), text, size, QColor(70, 90, 130), true, false);
}

void sheetTop(QPainter& p, const QRectF& r, bool four, bool english)
{
    const SheetColumns c = sheetColumns(four);
    paper(p, r);
    // The title band where the player names stand.
    QLinearGradient band(0, 0, 0, 42);
    band.setColorAt(0, QColor(226, 234, 248));
    band.setColorAt(1, QColor(206, 218, 240));
    p.fillRect(QRectF(0, 0, r.width(), 42), band);
    p.setPen(QPen(kSheetLine, 1.5));
    p.drawLine(QPointF(0, 42), QPointF(r.width(), 42));
    p.drawLine(QPointF(0, 71), QPointF(r.width(), 71));
    rules(p, c, 0, 72);
    // Two rows of column titles under the band: groups above, columns below.
    const double top = 44, below = 57;
    smallLabel(p, c.numberRight - 7, below, english ? QStringLiteral("No") : QStringLiteral("Nr"), 8);
    smallLabel(p, c.symbolCentre - (four ? 4 : 8), top, english ? QStringLiteral("Game") : QStringLiteral("Spiel"), 8);
    smallLabel(p, (c.withCol + c.withoutCol) / 2 + (four ? 2 : 1), top,
               english ? QStringLiteral("Tops") : QStringLiteral("Spitzen"), 8);
    smallLabel(p, c.withCol - 4, below, english ? QStringLiteral("w") : QStringLiteral("m"), 8);
    smallLabel(p, c.withoutCol - 4, below, english ? QStringLiteral("wo") : QStringLiteral("o"), 8);
    smallLabel(p, (c.levels[0] + c.levels[5]) / 2 + 4, top,
               english ? QStringLiteral("Levels") : QStringLiteral("Stufen"), 8);
    const QStringList levels = english ? QStringList{QStringLiteral("H"), QStringLiteral("S"), QStringLiteral("a"),
                                                     QStringLiteral("B"), QStringLiteral("a"), QStringLiteral("O")}
                                       : QStringList{QStringLiteral("H"), QStringLiteral("S"), QStringLiteral("a"),
                                                     QStringLiteral("S"), QStringLiteral("a"), QStringLiteral("O")};
    for (int i = 0; i < 6; ++i)
        smallLabel(p, c.levels[i] + 3.5, below, levels[i], 8);
    smallLabel(p, (c.won + c.lost) / 2 - 11, top, english ? QStringLiteral("Value") : QStringLiteral("Wert"), 8);
    smallLabel(p, c.won - 10, below, QStringLiteral("+"), 10);
    smallLabel(p, c.lost - 10, below, QStringLiteral("−"), 10);
    centredText(p, QRectF(4, 6, c.lines[c.lines.size() - c.players - 1] - 8, 30),
                english ? QStringLiteral("Score sheet") : QStringLiteral("Spielliste"), 15, QColor(50, 70, 120), true,
                true);
    Q_UNUSED(r);
}

void sheetSegment(QPainter& p, const QRectF& r, bool four)
{
    const SheetColumns c = sheetColumns(four);
    paper(p, r);
    const int rows = int(r.height() / 15);
    for (int i = 0; i < rows; ++i) {
        if (i % 2 == 1)
            p.fillRect(QRectF(0, i * 15, r.width(), 15), QColor(120, 150, 200, 18));
        p.setPen(QPen(QColor(170, 190, 220), 1));
        p.drawLine(QPointF(0, i * 15 + 14.5), QPointF(r.width(), i * 15 + 14.5));
    }
    rules(p, c, 0, r.height());
}

void sheetBottom(QPainter& p, const QRectF& r, bool four, bool english)
{
    const SheetColumns c = sheetColumns(four);
    paper(p, r);
    p.setPen(QPen(kSheetLine, 1.5));
    p.drawLine(QPointF(0, 1), QPointF(r.width(), 1));
    std::vector<double> playerLines(c.lines.end() - (c.players + 1), c.lines.end());
    p.setPen(QPen(kSheetLine, 1));
    for (double x : playerLines)
        p.drawLine(QPointF(x + 0.5, 0), QPointF(x + 0.5, 92));
    const double labelsEnd = c.lines[c.lines.size() - c.players - 1];
    for (double y : {15.5, 30.5, 45.5, 60.5, 92.5})
        p.drawLine(QPointF(labelsEnd, y), QPointF(r.width() - 2, y));
    const QStringList labels =
        english ? QStringList{QStringLiteral("Total"), QStringLiteral("Won"), QStringLiteral("Lost"),
                              QStringLiteral("Bonus"), QStringLiteral("Result")}
                : QStringList{QStringLiteral("Summe"), QStringLiteral("Gewonnen"), QStringLiteral("Verloren"),
                              QStringLiteral("Bonus"), QStringLiteral("Ergebnis")};
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(10);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(70, 90, 130));
    const double rows[] = {12, 27, 42, 57, 80};
    for (int i = 0; i < 5; ++i)
        p.drawText(QRectF(8, rows[i] - 11, labelsEnd - 14, 14), Qt::AlignRight | Qt::AlignVCenter, labels[i]);
    // Left-aligned: the tariff is written at the right end of this line.
    p.drawText(QRectF(8, 88, labelsEnd - 14, 14), Qt::AlignLeft | Qt::AlignVCenter,
               english ? QStringLiteral("Balance") : QStringLiteral("Abrechnung"));
    p.setPen(QPen(QColor(200, 80, 80, 160), 1));
    p.drawLine(QPointF(2.5, 0), QPointF(2.5, r.height()));
    p.drawLine(QPointF(477.5, 0), QPointF(477.5, r.height()));
}

// ---- table buttons and icons --------------------------------------------

void pill(QPainter& p, const QRectF& r, const QColor& top, const QColor& bottom, const QColor& border, bool shine)
{
    const double radius = r.height() / 2;
    roundedGradient(p, r, radius, top, bottom, border, 1.5);
    if (shine)
        gloss(p, r.adjusted(1, 1, -1, -1), radius - 1, 100);
}

void textButton(QPainter& p, const QRectF& r, int state)
{
    const QRectF body = r.adjusted(3, 3, -3, -6);
    softShadow(p, body, 16, 3, 90);
    if (state == 0)
        pill(p, body, QColor(70, 150, 220), QColor(22, 72, 150), QColor(12, 40, 90), true);
    else if (state == 1)
        pill(p, body.translated(0, 1), QColor(18, 60, 130), QColor(60, 130, 210), QColor(10, 30, 70), false);
    else
        pill(p, body, QColor(150, 156, 166, 220), QColor(100, 106, 116, 220), QColor(70, 74, 84, 220), true);
}

// A tab hanging from the window's top edge, with a glyph.
void tab(QPainter& p, const QRectF& r, bool selected,
         const std::function<void(QPainter&, const QRectF&, const QColor&)>& glyph)
{
    const QRectF body(r.left() + 2, r.top() - 12, r.width() - 4, r.height() + 8);
    softShadow(p, body, 10, 3, 90);
    if (selected)
        roundedGradient(p, body, 10, QColor(255, 214, 120), QColor(220, 140, 30), QColor(120, 70, 10), 1.5);
    else
        roundedGradient(p, body, 10, QColor(80, 92, 110), QColor(34, 40, 52), QColor(14, 18, 26), 1.5);
    gloss(p, body, 10, 60);
    glyph(p, QRectF(r.left() + 7, r.top() + 12, r.width() - 14, r.width() - 14),
          selected ? QColor(60, 30, 0) : Qt::white);
}

void listGlyph(QPainter& p, const QRectF& b, const QColor& c)
{
    p.setPen(QPen(c, 2.2, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 4; ++i) {
        const double y = b.top() + 3 + i * (b.height() - 6) / 3;
        p.drawPoint(QPointF(b.left() + 2, y));
        p.drawLine(QPointF(b.left() + 7, y), QPointF(b.right() - 1, y));
    }
}

void bulbGlyph(QPainter& p, const QRectF& b, const QColor& c)
{
    p.setPen(QPen(c, 1.8));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(b.left() + b.width() * 0.18, b.top(), b.width() * 0.64, b.height() * 0.64));
    p.drawLine(QPointF(b.center().x() - 3, b.bottom() - 4), QPointF(b.center().x() + 3, b.bottom() - 4));
    p.drawLine(QPointF(b.center().x() - 2, b.bottom() - 1), QPointF(b.center().x() + 2, b.bottom() - 1));
}

void fastForwardGlyph(QPainter& p, const QRectF& b, const QColor& c)
{
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    for (int i = 0; i < 2; ++i) {
        QPainterPath tri;
        const double x = b.left() + i * b.width() * 0.45;
        tri.moveTo(x, b.top() + 2);
        tri.lineTo(x + b.width() * 0.5, b.center().y());
        tri.lineTo(x, b.bottom() - 2);
        tri.closeSubpath();
        p.drawPath(tri);
    }
}

void fullScreenGlyph(QPainter& p, const QRectF& r, bool enter)
{
    roundedGradient(p, r.adjusted(1, 1, -1, -1), 6, QColor(80, 92, 110, 220), QColor(34, 40, 52, 220),
                    QColor(14, 18, 26), 1);
    p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    const double a = 6, b = r.width() - 6, len = 6;
    const QPointF corners[] = {{a, a}, {b, a}, {a, b}, {b, b}};
    for (const QPointF& k : corners) {
        const double sx = k.x() < r.center().x() ? 1 : -1, sy = k.y() < r.center().y() ? 1 : -1;
        const QPointF corner = enter ? k : k + QPointF(sx * len * 0.9, sy * len * 0.9);
        const double dx = enter ? sx : -sx, dy = enter ? sy : -sy;
        QPainterPath path;
        path.moveTo(corner + QPointF(dx * len, 0));
        path.lineTo(corner);
        path.lineTo(corner + QPointF(0, dy * len));
        p.drawPath(path);
    }
}

void roundIcon(QPainter& p, const QRectF& r, bool selected, const std::function<void(QPainter&, const QRectF&)>& glyph)
{
    const QRectF body = r.adjusted(2, 2, -2, -3);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawRoundedRect(body.translated(0, 1.5), body.height() / 2, body.height() / 2);
    if (selected)
        pill(p, body, QColor(255, 214, 120), QColor(220, 140, 30), QColor(120, 70, 10), true);
    else
        pill(p, body, QColor(250, 250, 250), QColor(200, 206, 214), QColor(100, 106, 116), true);
    glyph(p, body);
}

// ---- balloons, stacks, shadows -------------------------------------------

const QColor kBalloonEdge(60, 64, 72);

void balloonPointer(QPainter& p, const QRectF& r, bool right)
{
    QPainterPath path;
    if (right) { // pointing right, towards a seat on the right
        path.moveTo(0, 4);
        path.quadTo(r.width() * 0.5, 8, r.width() - 1, r.height() - 2);
        path.quadTo(r.width() * 0.4, r.height() * 0.7, 0, r.height() - 6);
    } else {
        path.moveTo(r.width(), 4);
        path.quadTo(r.width() * 0.5, 8, 1, r.height() - 2);
        path.quadTo(r.width() * 0.6, r.height() * 0.7, r.width(), r.height() - 6);
    }
    p.setBrush(Qt::white);
    p.setPen(QPen(kBalloonEdge, 1.5));
    p.drawPath(path);
    // Cover the seam against the balloon.
    p.setPen(QPen(Qt::white, 2));
    const double x = right ? 0.5 : r.width() - 0.5;
    p.drawLine(QPointF(x, 6), QPointF(x, r.height() - 8));
}

void balloonPiece(QPainter& p, const QRectF& r, int piece)
{
    // piece 0 left end, 1 middle, 2 right end of a white round-ended box.
    const double h = r.height() - 2;
    QRectF whole;
    if (piece == 0)
        whole = QRectF(1, 1, r.width() + h, h);
    if (piece == 1)
        whole = QRectF(-h, 1, r.width() + 2 * h, h);
    if (piece == 2)
        whole = QRectF(-h - 1, 1, r.width() + h, h);
    p.setClipRect(r);
    p.setBrush(Qt::white);
    p.setPen(QPen(kBalloonEdge, 1.5));
    p.drawRoundedRect(whole, h / 2, h / 2);
}

void stackTop(QPainter& p, const QRectF& r, double angle)
{
    p.translate(r.center());
    p.rotate(angle);
    QTransform squash;
    squash.scale(1.0, 0.62);
    p.setTransform(squash, true);
    const QRectF card(-r.width() * 0.36, -r.height() * 0.62, r.width() * 0.72, r.height() * 1.24);
    softShadow(p, card, 8, 4, 80);
    cardBack(p, card, QColor(30, 80, 160));
}

void skatPair(QPainter& p, const QRectF& r)
{
    for (int i = 0; i < 2; ++i) {
        p.save();
        p.translate(r.center() + QPointF(i == 0 ? -22 : 22, 0));
        p.rotate(i == 0 ? -9 : 7);
        const QRectF card(-48, -72, 96, 144);
        softShadow(p, card, 8, 5, 90);
        cardBack(p, card, QColor(30, 80, 160));
        p.restore();
    }
    Q_UNUSED(r);
}

void cardShadow(QPainter& p, const QRectF& r)
{
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, QColor(0, 0, 0, 140));
    g.setColorAt(1, QColor(0, 0, 0, 230));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), r.width() * 0.07, r.width() * 0.07);
}

void tricksShadow(QPainter& p, const QRectF& r)
{
    QRadialGradient g(r.center(), r.width() / 2);
    g.setColorAt(0, QColor(0, 0, 0, 130));
    g.setColorAt(1, QColor(0, 0, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    QTransform t;
    t.translate(r.center().x(), r.center().y());
    t.scale(1.0, r.height() / r.width());
    t.translate(-r.center().x(), -r.center().y());
    p.setTransform(t, true);
    p.drawEllipse(r.center(), r.width() / 2, r.width() / 2);
}

// ---- assistant and faces ---------------------------------------------------

void wizardHat(QPainter& p, const QRectF& r)
{
    QPainterPath hat;
    hat.moveTo(r.left() + r.width() * 0.5, r.top());
    hat.cubicTo(r.left() + r.width() * 0.6, r.top() + r.height() * 0.3, r.left() + r.width() * 0.8,
                r.top() + r.height() * 0.7, r.right(), r.bottom());
    hat.lineTo(r.left(), r.bottom());
    hat.cubicTo(r.left() + r.width() * 0.25, r.top() + r.height() * 0.6, r.left() + r.width() * 0.42,
                r.top() + r.height() * 0.3, r.left() + r.width() * 0.5, r.top());
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, QColor(90, 70, 200));
    g.setColorAt(1, QColor(40, 20, 110));
    p.setBrush(g);
    p.setPen(QPen(QColor(20, 10, 60), 1.5));
    p.drawPath(hat);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 220, 90));
    for (const QPointF s : {QPointF(0.5, 0.45), QPointF(0.38, 0.72), QPointF(0.64, 0.78)}) {
        const QPointF c(r.left() + r.width() * s.x(), r.top() + r.height() * s.y());
        QPainterPath star;
        for (int i = 0; i < 10; ++i) {
            const double rad = (i % 2 == 0) ? r.width() * 0.07 : r.width() * 0.03;
            const double a = -M_PI / 2 + i * M_PI / 5;
            const QPointF pt = c + QPointF(rad * qCos(a), rad * qSin(a));
            if (i == 0)
                star.moveTo(pt);
            else
                star.lineTo(pt);
        }
        star.closeSubpath();
        p.drawPath(star);
    }
}

void assistant(QPainter& p, const QRectF& r, bool withFigure)
{
    // A round plinth of light, and on it a friendly owl with a wizard's hat.
    QRadialGradient glow(r.center().x(), r.bottom() - 16, r.width() * 0.55);
    glow.setColorAt(0, QColor(255, 250, 220, 160));
    glow.setColorAt(1, QColor(255, 250, 220, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(QRectF(r.left() + 4, r.bottom() - 40, r.width() - 8, 36));
    if (!withFigure)
        return;
    const QRectF body(r.left() + r.width() * 0.18, r.top() + r.height() * 0.36, r.width() * 0.64, r.height() * 0.58);
    QRadialGradient feathers(body.center().x(), body.top() + body.height() * 0.35, body.width() * 0.7);
    feathers.setColorAt(0, QColor(200, 150, 90));
    feathers.setColorAt(1, QColor(120, 76, 36));
    p.setBrush(feathers);
    p.setPen(QPen(QColor(70, 40, 14), 1.5));
    p.drawEllipse(body);
    p.setBrush(QColor(240, 220, 180));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRectF(body.left() + body.width() * 0.25, body.top() + body.height() * 0.45, body.width() * 0.5,
                         body.height() * 0.5));
    for (int side = 0; side < 2; ++side) { // eyes
        const QPointF c(body.left() + body.width() * (side == 0 ? 0.32 : 0.68), body.top() + body.height() * 0.28);
        p.setBrush(Qt::white);
        p.setPen(QPen(QColor(70, 40, 14), 1.2));
        p.drawEllipse(c, body.width() * 0.16, body.width() * 0.16);
        p.setBrush(QColor(30, 30, 30));
        p.setPen(Qt::NoPen);
        p.drawEllipse(c + QPointF(1, 1), body.width() * 0.07, body.width() * 0.07);
        p.setBrush(Qt::white);
        p.drawEllipse(c + QPointF(2.5, -1), body.width() * 0.025, body.width() * 0.025);
    }
    QPainterPath beak;
    const QPointF b(body.center().x(), body.top() + body.height() * 0.38);
    beak.moveTo(b + QPointF(-5, 0));
    beak.lineTo(b + QPointF(5, 0));
    beak.lineTo(b + QPointF(0, 9));
    beak.closeSubpath();
    p.setBrush(QColor(240, 170, 40));
    p.drawPath(beak);
    // A card held in front.
    p.save();
    p.translate(body.right() - body.width() * 0.12, body.bottom() - body.height() * 0.3);
    p.rotate(14);
    miniCard(p, QRectF(-14, -20, 28, 40), Suit::Hearts, QStringLiteral("A"), false);
    p.restore();
    wizardHat(p, QRectF(body.left() + body.width() * 0.12, r.top() + 4, body.width() * 0.76, body.top() - r.top() + 6));
}

void face(QPainter& p, const QRectF& r, int which)
{
    const QColor backgrounds[] = {QColor(90, 150, 220), QColor(220, 120, 90), QColor(120, 180, 110)};
    const QColor hair[] = {QColor(90, 60, 30), QColor(230, 190, 90), QColor(60, 60, 70)};
    const QColor shirts[] = {QColor(200, 60, 60), QColor(60, 90, 170), QColor(230, 170, 40)};
    QRadialGradient bg(r.center().x(), r.top() + r.height() * 0.35, r.width() * 0.8);
    bg.setColorAt(0, lighter(backgrounds[which], 35));
    bg.setColorAt(1, darker(backgrounds[which], 20));
    p.setPen(Qt::NoPen);
    p.setBrush(bg);
    p.drawRoundedRect(r, r.width() * 0.16, r.width() * 0.16);
    p.setClipRect(r);
    const double w = r.width();
    roundedGradient(p, QRectF(w * 0.14, w * 0.72, w * 0.72, w * 0.5), w * 0.3, lighter(shirts[which], 20),
                    darker(shirts[which], 20));
    QRadialGradient skin(w * 0.45, w * 0.4, w * 0.4);
    skin.setColorAt(0, QColor(255, 226, 196));
    skin.setColorAt(1, QColor(226, 176, 140));
    p.setBrush(skin);
    p.drawEllipse(QRectF(w * 0.3, w * 0.22, w * 0.4, w * 0.48));
    p.setBrush(hair[which]);
    QPainterPath h;
    h.moveTo(w * 0.28, w * 0.42);
    h.cubicTo(w * 0.24, w * 0.12, w * 0.76, w * 0.1, w * 0.72, w * 0.42);
    h.cubicTo(w * 0.66, w * 0.28, w * 0.36, w * 0.26, w * 0.28, w * 0.42);
    if (which == 1) { // longer hair
        h.addRoundedRect(QRectF(w * 0.24, w * 0.3, w * 0.1, w * 0.36), w * 0.05, w * 0.05);
        h.addRoundedRect(QRectF(w * 0.66, w * 0.3, w * 0.1, w * 0.36), w * 0.05, w * 0.05);
    }
    p.drawPath(h);
    p.setBrush(QColor(50, 40, 40));
    p.drawEllipse(QPointF(w * 0.43, w * 0.45), w * 0.025, w * 0.03);
    p.drawEllipse(QPointF(w * 0.57, w * 0.45), w * 0.025, w * 0.03);
    p.setPen(QPen(QColor(150, 60, 50), w * 0.018, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(w * 0.42, w * 0.5, w * 0.16, w * 0.1), 200 * 16, 140 * 16);
}

// ---- score-sheet symbols -----------------------------------------------------

void gameSymbol(QPainter& p, const QRectF& r, int kind)
{
    const QRectF box(r.center().x() - 7, 0, 14, 14);
    if (kind < 4) {
        const Suit suits[] = {Suit::Clubs, Suit::Spades, Suit::Hearts, Suit::Diamonds};
        p.setPen(Qt::NoPen);
        p.setBrush(suitColor(suits[kind]));
        p.drawPath(suitPath(suits[kind], box.adjusted(0.5, 0.5, -0.5, -0.5)));
        return;
    }
    const QColor colours[] = {QColor(170, 120, 20), QColor(40, 90, 170), QColor(110, 110, 110)};
    const QString letters[] = {QStringLiteral("G"), QStringLiteral("N"), QStringLiteral("R")};
    const QColor c = colours[kind - 4];
    roundedGradient(p, box.adjusted(0.5, 0.5, -0.5, -0.5), 3.5, lighter(c, 25), darker(c, 15), darker(c, 40), 1);
    centredText(p, box.translated(0, 0.5), letters[kind - 4], 10, Qt::white);
}

} // namespace

std::vector<Picture> interfacePictures()
{
    std::vector<Picture> list;
    // Score sheet backgrounds, three and four players.
    list.push_back(make(QStringLiteral("Liste_Top.de.png"), 480, 72,
                        [](QPainter& p, const QRectF& r) { sheetTop(p, r, false, false); }));
    list.push_back(make(QStringLiteral("Liste_Top.en.png"), 480, 72,
                        [](QPainter& p, const QRectF& r) { sheetTop(p, r, false, true); }));
    list.push_back(make(QStringLiteral("Liste_Segment.png"), 480, 45,
                        [](QPainter& p, const QRectF& r) { sheetSegment(p, r, false); }));
    list.push_back(make(QStringLiteral("Liste_Bottom.de.png"), 480, 103,
                        [](QPainter& p, const QRectF& r) { sheetBottom(p, r, false, false); }));
    list.push_back(make(QStringLiteral("Liste_Bottom.en.png"), 480, 103,
                        [](QPainter& p, const QRectF& r) { sheetBottom(p, r, false, true); }));
    list.push_back(make(QStringLiteral("Liste_4er_Top.de.png"), 480, 72,
                        [](QPainter& p, const QRectF& r) { sheetTop(p, r, true, false); }));
    list.push_back(make(QStringLiteral("Liste_4er_Segment.png"), 480, 60,
                        [](QPainter& p, const QRectF& r) { sheetSegment(p, r, true); }));
    list.push_back(make(QStringLiteral("Liste_4er_Bottom.de.png"), 480, 103,
                        [](QPainter& p, const QRectF& r) { sheetBottom(p, r, true, false); }));

    list.push_back(
        make(QStringLiteral("Wizzard.png"), 130, 160, [](QPainter& p, const QRectF& r) { assistant(p, r, true); }));
    list.push_back(make(QStringLiteral("Wizzard_Leer.png"), 130, 160,
                        [](QPainter& p, const QRectF& r) { assistant(p, r, false); }));
    list.push_back(
        make(QStringLiteral("Maus.png"), 48, 48, [](QPainter& p, const QRectF& r) { computerMouse(p, r, 1); }));
    for (int i = 0; i < 3; ++i)
        list.push_back(
            make(QStringLiteral("Face%1.png").arg(i), 128, 128, [i](QPainter& p, const QRectF& r) { face(p, r, i); }));

    // The tabs at the top of the table and their selected looks.
    const struct {
        const char* name;
        std::function<void(QPainter&, const QRectF&, const QColor&)> glyph;
    } tabs[] = {
        {"Info", listGlyph},
        {"Prefs", [](QPainter& p, const QRectF& b, const QColor& c) { gear(p, b, c); }},
        {"Help", [](QPainter& p, const QRectF& b, const QColor& c) { questionMark(p, b, c); }},
        {"Tutor", bulbGlyph},
        {"FastForward", fastForwardGlyph},
    };
    for (const auto& t : tabs) {
        const auto glyph = t.glyph;
        for (bool selected : {false, true})
            list.push_back(make(QStringLiteral("%1%2.png")
                                    .arg(QLatin1String(t.name), selected ? QStringLiteral("_selected") : QString()),
                                36, 46,
                                [glyph, selected](QPainter& p, const QRectF& r) { tab(p, r, selected, glyph); }));
    }
    // The game information strip: rounded ends and a middle stretched between them.
    auto infoStrip = [](QPainter& p, const QRectF& r, int piece) {
        const QRectF whole = piece == 0   ? QRectF(1, 1, 60, 25)
                             : piece == 1 ? QRectF(-30, 1, 80, 25)
                                          : QRectF(-50, 1, 60, 25);
        p.setClipRect(r);
        roundedGradient(p, whole, 12.5, QColor(70, 80, 96, 230), QColor(24, 28, 36, 230), QColor(10, 12, 16, 230), 1);
        p.setPen(QPen(QColor(255, 255, 255, 50), 1));
        p.drawLine(QPointF(whole.left() + 10, 3.5), QPointF(whole.right() - 10, 3.5));
    };
    list.push_back(make(QStringLiteral("Info_extension_left.png"), 11, 27,
                        [infoStrip](QPainter& p, const QRectF& r) { infoStrip(p, r, 0); }));
    list.push_back(make(QStringLiteral("Info_extension_middle.png"), 8, 27,
                        [infoStrip](QPainter& p, const QRectF& r) { infoStrip(p, r, 1); }));
    list.push_back(make(QStringLiteral("Info_extension_right.png"), 11, 27,
                        [infoStrip](QPainter& p, const QRectF& r) { infoStrip(p, r, 2); }));

    // Stacks: the deck in the middle and the two trick piles.
    const struct {
        const char* name;
        double angle;
    } stacks[] = {{"Left", -8}, {"Middle", 0}, {"Right", 8}};
    for (const auto& s : stacks) {
        const double angle = s.angle;
        list.push_back(make(
            QStringLiteral("Stapel_%1_Top.png").arg(QLatin1String(s.name)), 150, 110,
            [angle](QPainter& p, const QRectF& r) { stackTop(p, r, angle); }, SmallCopy::Scaled, SMALL_CARD_FACTOR));
        list.push_back(make(
            QStringLiteral("Stapel_%1_Segment.png").arg(QLatin1String(s.name)), 150, 10,
            [angle](QPainter& p, const QRectF& r) { stackSlice(p, r, angle); }, SmallCopy::Scaled, SMALL_CARD_FACTOR));
    }
    list.push_back(make(QStringLiteral("Skat.png"), 220, 180, skatPair, SmallCopy::Scaled, SMALL_CARD_FACTOR));

    list.push_back(make(QStringLiteral("Balloon_Large_Right.png"), 30, 26,
                        [](QPainter& p, const QRectF& r) { balloonPointer(p, r, true); }));
    list.push_back(make(QStringLiteral("Balloon_Large_Left.png"), 30, 26,
                        [](QPainter& p, const QRectF& r) { balloonPointer(p, r, false); }));
    list.push_back(
        make(QStringLiteral("Balloon_Left.png"), 27, 54, [](QPainter& p, const QRectF& r) { balloonPiece(p, r, 0); }));
    list.push_back(
        make(QStringLiteral("Balloon_Middle.png"), 8, 54, [](QPainter& p, const QRectF& r) { balloonPiece(p, r, 1); }));
    list.push_back(
        make(QStringLiteral("Balloon_Right.png"), 27, 54, [](QPainter& p, const QRectF& r) { balloonPiece(p, r, 2); }));

    const auto undoGlyph = [](bool redo) {
        return [redo](QPainter& p, const QRectF& b) {
            p.save();
            if (redo) {
                p.translate(b.center().x() * 2, 0);
                p.scale(-1, 1);
            }
            arrow(p, QRectF(b.center().x() - 12, b.top() + 3, 24, b.height() - 6), QColor(40, 70, 120), true);
            p.restore();
        };
    };
    for (bool redo : {false, true})
        for (bool selected : {false, true})
            list.push_back(make(QStringLiteral("%1_%2.png")
                                    .arg(redo ? QStringLiteral("Redo") : QStringLiteral("Undo"),
                                         selected ? QStringLiteral("Select") : QStringLiteral("Normal")),
                                60, 30, [undoGlyph, redo, selected](QPainter& p, const QRectF& r) {
                                    roundIcon(p, r, selected, undoGlyph(redo));
                                }));
    for (bool selected : {false, true})
        list.push_back(make(selected ? QStringLiteral("Helpicon_Selected.png") : QStringLiteral("Helpicon_Normal.png"),
                            28, 28, [selected](QPainter& p, const QRectF& r) {
                                roundIcon(p, r, selected, [](QPainter& q, const QRectF& b) {
                                    questionMark(q, b, QColor(40, 70, 120));
                                });
                            }));
    // The bidding panel's calculator button: a small pocket calculator.
    const auto calculator = [](QPainter& p, const QRectF& b) {
        const QColor ink(40, 70, 120);
        const QRectF body(b.center().x() - 6, b.top() + 5, 12, b.height() - 10);
        p.save();
        p.setPen(QPen(ink, 1.4));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(body, 1.5, 1.5);
        p.fillRect(QRectF(body.left() + 2, body.top() + 2, body.width() - 4, 4), ink);
        for (int row = 0; row < 3; ++row)
            for (int column = 0; column < 3; ++column)
                p.fillRect(QRectF(body.left() + 2 + column * 3, body.top() + 8 + row * 3, 2, 2), ink);
        p.restore();
    };
    for (bool selected : {false, true})
        list.push_back(
            make(selected ? QStringLiteral("Reizrechner_Selected.png") : QStringLiteral("Reizrechner_Normal.png"), 28,
                 28, [selected, calculator](QPainter& p, const QRectF& r) { roundIcon(p, r, selected, calculator); }));
    list.push_back(make(QStringLiteral("Kartenschatten.png"), 144, 216, cardShadow));
    list.push_back(make(QStringLiteral("Sticheschatten.png"), 240, 160, tricksShadow));
    list.push_back(make(QStringLiteral("Enter_Fullscreen.png"), 27, 27,
                        [](QPainter& p, const QRectF& r) { fullScreenGlyph(p, r, true); }));
    list.push_back(make(QStringLiteral("Leave_Fullscreen.png"), 27, 27,
                        [](QPainter& p, const QRectF& r) { fullScreenGlyph(p, r, false); }));
    list.push_back(
        make(QStringLiteral("Button.png"), 200, 56, [](QPainter& p, const QRectF& r) { textButton(p, r, 0); }));
    list.push_back(
        make(QStringLiteral("Button_down.png"), 200, 56, [](QPainter& p, const QRectF& r) { textButton(p, r, 1); }));
    list.push_back(make(QStringLiteral("Button_inactive.png"), 200, 56,
                        [](QPainter& p, const QRectF& r) { textButton(p, r, 2); }));
    const char* symbols[] = {"Kreuz", "Pik", "Herz", "Karo", "Grand", "Null", "Ramsch"};
    for (int i = 0; i < 7; ++i)
        list.push_back(make(QStringLiteral("Icon_%1.png").arg(QLatin1String(symbols[i])), 28, 14,
                            [i](QPainter& p, const QRectF& r) { gameSymbol(p, r, i); }));
    return list;
}

} // namespace pictures
