// Pictures of the compiled-in bundle: window icons, toolbar icons, the help
// button's four states and the dialogs' backgrounds, balloons and symbols.

#include "Painting.h"
#include "Pictures.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QtMath>

namespace pictures {
namespace {

using Draw = std::function<void(QPainter&, const QRectF&)>;

// A picture drawn into its whole rectangle.
Picture make(const QString& file, int w, int h, Draw draw)
{
    return Picture{file, w, h, [draw](QImage& image) {
                       QPainter p(&image);
                       prepare(p);
                       draw(p, QRectF(0, 0, image.width(), image.height()));
                   }};
}

const QColor kGreen(26, 120, 62);
const QColor kDarkGreen(12, 70, 38);
const QColor kGold(236, 190, 70);
const QColor kInk(40, 44, 52);

// The program's emblem: a green rounded tile with two fanned cards.
void emblem(QPainter& p, const QRectF& r)
{
    const double s = r.width();
    const QRectF tile = r.adjusted(s * 0.04, s * 0.04, -s * 0.04, -s * 0.04);
    if (s >= 32)
        softShadow(p, tile, s * 0.2, qMax(1, int(s / 32)), 80);
    roundedGradient(p, tile, s * 0.2, QColor(52, 160, 90), kDarkGreen, darker(kDarkGreen, 30), qMax(1.0, s / 48));
    if (s >= 24)
        gloss(p, tile, s * 0.2, 70);
    const QRectF card(tile.center().x() - s * 0.2, tile.center().y() - s * 0.28, s * 0.4, s * 0.56);
    p.save();
    p.translate(tile.center() + QPointF(0, s * 0.1));
    p.rotate(-14);
    p.translate(-tile.center() - QPointF(0, s * 0.1));
    miniCard(p, card.translated(-s * 0.08, 0), Suit::Hearts, s >= 32 ? QStringLiteral("A") : QString(), false);
    p.restore();
    p.save();
    p.translate(tile.center() + QPointF(0, s * 0.1));
    p.rotate(12);
    p.translate(-tile.center() - QPointF(0, s * 0.1));
    miniCard(p, card.translated(s * 0.08, 0), Suit::Clubs, s >= 32 ? QStringLiteral("B") : QString(), false);
    p.restore();
}

// Toolbar icons: a light glyph on a soft rounded tile.
void toolTile(QPainter& p, const QRectF& r, const QColor& colour)
{
    const QRectF tile = r.adjusted(2, 2, -2, -2);
    roundedGradient(p, tile, 6, lighter(colour, 25), darker(colour, 20), darker(colour, 45), 1.0);
    gloss(p, tile, 6, 80);
}

void page(QPainter& p, const QRectF& r)
{
    QPainterPath path;
    path.moveTo(r.left(), r.top());
    path.lineTo(r.right() - r.width() * 0.3, r.top());
    path.lineTo(r.right(), r.top() + r.width() * 0.3);
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.closeSubpath();
    p.setPen(QPen(QColor(80, 86, 96), 1));
    p.setBrush(QColor(252, 252, 250));
    p.drawPath(path);
    p.setPen(QPen(QColor(150, 160, 175), 1));
    for (double y = r.top() + r.height() * 0.4; y < r.bottom() - 2; y += r.height() * 0.16)
        p.drawLine(QPointF(r.left() + 3, y), QPointF(r.right() - 3, y));
}

std::vector<Picture> toolbarPictures()
{
    std::vector<Picture> list;
    auto add = [&](const char* name, Draw draw) {
        list.push_back(make(QStringLiteral("toolbars/%1.png").arg(QLatin1String(name)), 32, 32, draw));
    };
    add("Neu", [](QPainter& p, const QRectF& r) {
        page(p, QRectF(7, 4, 18, 24));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(40, 150, 70));
        p.drawEllipse(QRectF(16, 16, 14, 14));
        centredText(p, QRectF(16, 15, 14, 14), QStringLiteral("+"), 13, Qt::white);
        Q_UNUSED(r);
    });
    add("Oeffnen", [](QPainter& p, const QRectF&) {
        roundedGradient(p, QRectF(3, 7, 26, 20), 3, QColor(250, 210, 110), QColor(215, 160, 50), QColor(150, 100, 20));
        page(p, QRectF(8, 4, 16, 14));
        QPainterPath front;
        front.moveTo(3, 27);
        front.lineTo(7, 13);
        front.lineTo(30, 13);
        front.lineTo(27, 27);
        front.closeSubpath();
        QLinearGradient g(0, 13, 0, 27);
        g.setColorAt(0, QColor(255, 226, 140));
        g.setColorAt(1, QColor(230, 175, 60));
        p.setBrush(g);
        p.setPen(QPen(QColor(150, 100, 20), 1));
        p.drawPath(front);
    });
    add("Speichern", [](QPainter& p, const QRectF&) {
        roundedGradient(p, QRectF(4, 4, 24, 24), 3, QColor(80, 120, 200), QColor(30, 60, 140), QColor(20, 40, 100));
        roundedGradient(p, QRectF(9, 5, 14, 9), 1, QColor(245, 245, 245), QColor(210, 210, 215));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(30, 60, 140));
        p.drawRect(QRectF(18, 6, 3, 6));
        roundedGradient(p, QRectF(8, 17, 16, 10), 1, QColor(250, 250, 250), QColor(220, 220, 225));
    });
    add("Drucken", [](QPainter& p, const QRectF&) {
        page(p, QRectF(9, 3, 14, 12));
        roundedGradient(p, QRectF(3, 12, 26, 12), 3, QColor(190, 195, 205), QColor(110, 115, 128), QColor(60, 64, 72));
        page(p, QRectF(8, 20, 16, 9));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(60, 200, 90));
        p.drawEllipse(QRectF(23, 15, 3, 3));
    });
    add("Fortsetzen", [](QPainter& p, const QRectF& r) {
        toolTile(p, r, kGreen);
        QPainterPath tri;
        tri.moveTo(12, 9);
        tri.lineTo(23, 16);
        tri.lineTo(12, 23);
        tri.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawPath(tri);
    });
    add("Spielverlauf", [](QPainter& p, const QRectF&) {
        miniCard(p, QRectF(4, 5, 14, 20), Suit::Spades, QStringLiteral("7"), false);
        miniCard(p, QRectF(9, 7, 14, 20), Suit::Hearts, QStringLiteral("D"), false);
        QRadialGradient g(22, 20, 9);
        g.setColorAt(0, QColor(255, 255, 255));
        g.setColorAt(1, QColor(200, 210, 225));
        p.setBrush(g);
        p.setPen(QPen(QColor(50, 70, 110), 1.5));
        p.drawEllipse(QRectF(15, 14, 14, 14));
        p.setPen(QPen(QColor(50, 70, 110), 1.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(22, 21), QPointF(22, 16.5));
        p.drawLine(QPointF(22, 21), QPointF(25, 23));
    });
    add("Undo", [](QPainter& p, const QRectF&) { arrow(p, QRectF(3, 4, 26, 24), QColor(40, 90, 170), true); });
    add("Wiederholen", [](QPainter& p, const QRectF&) {
        p.setPen(QPen(QColor(30, 130, 70), 3.2, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(6, 6, 20, 20), 30 * 16, 270 * 16);
        QPainterPath head;
        head.moveTo(27, 4);
        head.lineTo(28, 14);
        head.lineTo(18, 12);
        head.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(30, 130, 70));
        p.drawPath(head);
    });
    add("Nachspielen", [](QPainter& p, const QRectF&) {
        miniCard(p, QRectF(4, 4, 16, 23), Suit::Clubs, QStringLiteral("B"), false);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(30, 130, 70));
        p.drawEllipse(QRectF(14, 13, 16, 16));
        QPainterPath tri;
        tri.moveTo(19.5, 17);
        tri.lineTo(26, 21);
        tri.lineTo(19.5, 25);
        tri.closeSubpath();
        p.setBrush(Qt::white);
        p.drawPath(tri);
    });
    add("Verteilung_aendern", [](QPainter& p, const QRectF&) {
        miniCard(p, QRectF(3, 5, 15, 22), Suit::Diamonds, QStringLiteral("K"), false);
        miniCard(p, QRectF(9, 3, 15, 22), Suit::Spades, QStringLiteral("A"), false);
        p.save();
        p.translate(22, 20);
        p.rotate(45);
        roundedGradient(p, QRectF(-2.5, -11, 5, 18), 1, QColor(250, 200, 60), QColor(220, 150, 20),
                        QColor(120, 80, 10));
        QPainterPath tip;
        tip.moveTo(-2.5, 7);
        tip.lineTo(2.5, 7);
        tip.lineTo(0, 11);
        tip.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(60, 50, 40));
        p.drawPath(tip);
        p.restore();
    });
    add("Fehler_melden", [](QPainter& p, const QRectF&) {
        QPainterPath tri;
        tri.moveTo(16, 3);
        tri.lineTo(30, 28);
        tri.lineTo(2, 28);
        tri.closeSubpath();
        QLinearGradient g(0, 3, 0, 28);
        g.setColorAt(0, QColor(255, 220, 90));
        g.setColorAt(1, QColor(240, 160, 20));
        p.setBrush(g);
        p.setPen(QPen(QColor(150, 90, 10), 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(tri);
        centredText(p, QRectF(2, 9, 28, 19), QStringLiteral("!"), 16, QColor(60, 40, 10));
    });
    add("Einstellungen", [](QPainter& p, const QRectF&) {
        gear(p, QRectF(3, 3, 26, 26), QColor(90, 98, 112));
        gear(p, QRectF(5, 5, 22, 22), QColor(150, 158, 172));
    });
    add("Trainingssituation", [](QPainter& p, const QRectF&) {
        for (int i = 0; i < 3; ++i) {
            p.setPen(Qt::NoPen);
            p.setBrush(i % 2 == 0 ? QColor(200, 40, 40) : QColor(250, 250, 250));
            p.drawEllipse(QRectF(3 + i * 4.5, 3 + i * 4.5, 26 - i * 9, 26 - i * 9));
        }
        p.setPen(QPen(QColor(60, 60, 60), 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(16, 16), QPointF(28, 4));
    });
    add("Delete", [](QPainter& p, const QRectF& r) {
        toolTile(p, r, QColor(200, 50, 45));
        p.setPen(QPen(Qt::white, 3.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(11, 11), QPointF(21, 21));
        p.drawLine(QPointF(21, 11), QPointF(11, 21));
    });
    add("Fill", [](QPainter& p, const QRectF&) {
        for (int i = 0; i < 3; ++i) {
            p.save();
            p.translate(16, 26);
            p.rotate(-20 + i * 20);
            miniCard(p, QRectF(-7, -22, 14, 20), i == 1 ? Suit::Hearts : Suit::Clubs, QString(), false);
            p.restore();
        }
    });
    add("Rotieren", [](QPainter& p, const QRectF&) {
        p.setPen(QPen(QColor(40, 90, 170), 3, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(5, 5, 22, 22), 100 * 16, 250 * 16);
        QPainterPath head;
        head.moveTo(10, 2);
        head.lineTo(18, 7);
        head.lineTo(10, 12);
        head.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(40, 90, 170));
        p.drawPath(head);
    });
    return list;
}

// The round help button in its four states.
void helpButton(QPainter& p, const QRectF& r, const QColor& top, const QColor& bottom, const QColor& mark, bool pressed)
{
    const QRectF ball = r.adjusted(1, 1, -1, -1);
    QRadialGradient g(ball.center().x(), ball.top() + ball.height() * (pressed ? 0.6 : 0.3), ball.width() * 0.75);
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.setBrush(g);
    p.setPen(QPen(darker(bottom, 35), 1));
    p.drawEllipse(ball);
    if (!pressed) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 90));
        p.drawEllipse(QRectF(ball.left() + 3, ball.top() + 1.5, ball.width() - 6, ball.height() * 0.45));
    }
    questionMark(p, ball.translated(0, pressed ? 1 : 0), mark);
}

// A speech bubble: a rounded white box with a tail, soft shadow and a frame.
void bubble(QPainter& p, const QRectF& r, const QPointF& tailTip, double tailBase, double radius)
{
    QPainterPath box;
    box.addRoundedRect(r, radius, radius);
    QPainterPath tail;
    const double bx = qBound(r.left() + radius, tailTip.x(), r.right() - radius);
    const bool below = tailTip.y() > r.bottom();
    const double by = below ? r.bottom() - 2 : r.top() + 2;
    tail.moveTo(bx - tailBase / 2, by);
    tail.quadTo(bx, by, tailTip.x(), tailTip.y());
    tail.quadTo(bx + tailBase * 0.1, by, bx + tailBase / 2, by);
    tail.closeSubpath();
    const QPainterPath shape = box.united(tail);
    p.save();
    for (int i = 6; i >= 1; --i) {
        p.setPen(QPen(QColor(0, 0, 0, 10), i * 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(shape.translated(1, 3));
    }
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(255, 255, 255));
    g.setColorAt(1, QColor(238, 242, 246));
    p.setBrush(g);
    p.setPen(QPen(QColor(90, 100, 115), 2));
    p.drawPath(shape);
    p.restore();
}

// A framed panel of green cloth with a gold rim, for the embedded dialogs.
void clothPanel(QPainter& p, const QRectF& r, double radius)
{
    softShadow(p, r.adjusted(6, 6, -6, -6), radius, 6, 110);
    const QRectF frame = r.adjusted(6, 4, -6, -8);
    roundedGradient(p, frame, radius, QColor(120, 82, 42), QColor(70, 44, 20), QColor(40, 24, 10), 1.5);
    const QRectF cloth = frame.adjusted(7, 7, -7, -7);
    QRadialGradient g(cloth.center().x(), cloth.top() + cloth.height() * 0.35, cloth.width() * 0.75);
    g.setColorAt(0, QColor(48, 150, 84));
    g.setColorAt(1, QColor(14, 78, 42));
    p.setBrush(g);
    p.setPen(QPen(kGold, 1.5));
    p.drawRoundedRect(cloth, radius - 5, radius - 5);
    p.setPen(QPen(QColor(255, 255, 255, 30), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(cloth.adjusted(5, 5, -5, -5), radius - 8, radius - 8);
}

void themeThumbnail(QPainter& p, const QRectF& r, const QString& theme)
{
    // A small view of the theme's table: its scenery and a green cloth.
    QLinearGradient sky(r.topLeft(), r.bottomLeft());
    if (theme == QLatin1String("Berge")) {
        sky.setColorAt(0, QColor(120, 170, 225));
        sky.setColorAt(1, QColor(220, 235, 245));
        p.fillRect(r, sky);
        QPainterPath m;
        m.moveTo(0, 40);
        m.lineTo(18, 16);
        m.lineTo(32, 30);
        m.lineTo(50, 10);
        m.lineTo(80, 38);
        m.lineTo(80, 65);
        m.lineTo(0, 65);
        m.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(100, 120, 140));
        p.drawPath(m);
        p.setBrush(Qt::white);
        QPainterPath snow;
        snow.moveTo(44, 16);
        snow.lineTo(50, 10);
        snow.lineTo(56, 16);
        snow.closeSubpath();
        p.drawPath(snow);
    } else if (theme == QLatin1String("Meer")) {
        sky.setColorAt(0, QColor(90, 180, 230));
        sky.setColorAt(0.45, QColor(200, 235, 250));
        sky.setColorAt(0.46, QColor(20, 130, 170));
        sky.setColorAt(1, QColor(60, 190, 200));
        p.fillRect(r, sky);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 220, 120));
        p.drawEllipse(QRectF(56, 6, 14, 14));
    } else if (theme == QLatin1String("Kneipe")) {
        sky.setColorAt(0, QColor(110, 60, 30));
        sky.setColorAt(1, QColor(60, 30, 14));
        p.fillRect(r, sky);
        QRadialGradient lamp(40, 4, 30);
        lamp.setColorAt(0, QColor(255, 220, 140, 200));
        lamp.setColorAt(1, QColor(255, 200, 120, 0));
        p.fillRect(r, lamp);
    } else {
        sky.setColorAt(0, QColor(40, 120, 70));
        sky.setColorAt(1, QColor(20, 80, 45));
        p.fillRect(r, sky);
    }
    QRectF table(8, 30, 64, 40);
    QRadialGradient felt(table.center(), 40);
    felt.setColorAt(0, QColor(50, 155, 85));
    felt.setColorAt(1, QColor(18, 90, 48));
    p.setBrush(felt);
    p.setPen(QPen(QColor(110, 70, 30), 3));
    p.drawEllipse(table);
    miniCard(p, QRectF(30, 38, 10, 15), Suit::Hearts, QString(), false);
    miniCard(p, QRectF(41, 39, 10, 15), Suit::Clubs, QString(), false);
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(0, 0, -1, -1));
}

// The table of bid values: a slate with the four suit values and the
// multipliers, drawn as a neat chart.
void bidValues(QPainter& p, const QRectF& r)
{
    roundedGradient(p, r.adjusted(1, 1, -1, -1), 12, QColor(252, 252, 248), QColor(226, 230, 222), QColor(90, 100, 90),
                    2);
    const struct {
        Suit suit;
        int value;
    } rows[] = {{Suit::Diamonds, 9}, {Suit::Hearts, 10}, {Suit::Spades, 11}, {Suit::Clubs, 12}};
    const double colW = (r.width() - 40) / 4.0;
    for (int i = 0; i < 4; ++i) {
        const QRectF cell(20 + i * colW, 20, colW - 10, 90);
        roundedGradient(p, cell, 10, QColor(255, 255, 255), QColor(238, 240, 236), QColor(160, 170, 160), 1);
        p.setPen(Qt::NoPen);
        p.setBrush(suitColor(rows[i].suit));
        p.drawPath(suitPath(rows[i].suit, QRectF(cell.left() + 8, cell.top() + 14, 30, 30)));
        centredText(p, QRectF(cell.left() + 38, cell.top() + 10, cell.width() - 42, 40), QString::number(rows[i].value),
                    24, kInk);
        centredText(p, QRectF(cell.left(), cell.top() + 56, cell.width(), 28),
                    QStringLiteral("%1, %2, %3").arg(rows[i].value * 2).arg(rows[i].value * 3).arg(rows[i].value * 4),
                    11, QColor(90, 96, 104), false);
    }
    const QRectF grand(20, 122, r.width() / 2 - 30, 70);
    roundedGradient(p, grand, 10, QColor(255, 250, 230), QColor(240, 226, 180), QColor(170, 140, 60), 1);
    centredText(p, grand.adjusted(0, 4, 0, -28), QStringLiteral("Grand 24"), 22, kInk);
    centredText(p, grand.adjusted(0, 38, 0, 0), QStringLiteral("48, 72, 96 …"), 13, QColor(90, 96, 104), false);
    const QRectF null(r.width() / 2 + 10, 122, r.width() / 2 - 30, 70);
    roundedGradient(p, null, 10, QColor(235, 242, 255), QColor(200, 214, 240), QColor(90, 110, 160), 1);
    centredText(p, null.adjusted(0, 4, 0, -28), QStringLiteral("Null 23 · 35"), 20, kInk);
    centredText(p, null.adjusted(0, 38, 0, 0), QStringLiteral("46 · 59"), 14, QColor(90, 96, 104), false);
}

} // namespace

std::vector<Picture> bundlePictures()
{
    std::vector<Picture> list;
    for (int size : {16, 32, 48, 256})
        list.push_back(make(QStringLiteral("icons/Skat_%1.png").arg(size), size, size, emblem));
    list.push_back(make(QStringLiteral("icons/Maus_L_48.png"), 48, 48,
                        [](QPainter& p, const QRectF& r) { computerMouse(p, r, 0); }));
    for (int size : {16, 32, 48, 256})
        list.push_back(make(QStringLiteral("icons/Maus_R_%1.png").arg(size), size, size,
                            [](QPainter& p, const QRectF& r) { computerMouse(p, r, 1); }));

    for (Picture& picture : toolbarPictures())
        list.push_back(std::move(picture));

    list.push_back(make(QStringLiteral("images/Hilfe_normal.png"), 22, 22, [](QPainter& p, const QRectF& r) {
        helpButton(p, r, QColor(120, 180, 255), QColor(30, 90, 190), Qt::white, false);
    }));
    list.push_back(make(QStringLiteral("images/Hilfe_hover.png"), 22, 22, [](QPainter& p, const QRectF& r) {
        helpButton(p, r, QColor(170, 215, 255), QColor(60, 130, 230), Qt::white, false);
    }));
    list.push_back(make(QStringLiteral("images/Hilfe_down.png"), 22, 22, [](QPainter& p, const QRectF& r) {
        helpButton(p, r, QColor(30, 80, 170), QColor(90, 150, 230), QColor(230, 240, 255), true);
    }));
    list.push_back(make(QStringLiteral("images/Hilfe_disabled.png"), 22, 22, [](QPainter& p, const QRectF& r) {
        helpButton(p, r, QColor(225, 225, 225), QColor(165, 165, 165), QColor(245, 245, 245), false);
    }));
    list.push_back(make(QStringLiteral("images/TransparentBackground.png"), 20, 20, [](QPainter& p, const QRectF&) {
        p.fillRect(QRectF(0, 0, 20, 20), QColor(255, 255, 255));
        p.fillRect(QRectF(0, 0, 10, 10), QColor(204, 204, 204));
        p.fillRect(QRectF(10, 10, 10, 10), QColor(204, 204, 204));
    }));
    list.push_back(make(QStringLiteral("images/Bonjour.bmp"), 88, 88, [](QPainter& p, const QRectF& r) {
        // Tables found on the local network: radio waves around a card table.
        QRadialGradient g(r.center(), 44);
        g.setColorAt(0, QColor(235, 245, 255));
        g.setColorAt(1, QColor(190, 215, 240));
        p.fillRect(r, g);
        p.setBrush(Qt::NoBrush);
        for (int i = 0; i < 3; ++i) {
            p.setPen(QPen(QColor(40, 110, 200, 220 - i * 50), 4, Qt::SolidLine, Qt::RoundCap));
            const double d = 30 + i * 16;
            p.drawArc(QRectF(44 - d / 2, 40 - d / 2, d, d), 35 * 16, 110 * 16);
        }
        p.setBrush(QColor(40, 110, 200));
        p.setPen(Qt::NoPen);
        p.drawEllipse(QRectF(38, 34, 12, 12));
        miniCard(p, QRectF(24, 52, 18, 27), Suit::Hearts, QStringLiteral("A"), false);
        miniCard(p, QRectF(46, 52, 18, 27), Suit::Clubs, QStringLiteral("B"), false);
    }));

    const struct {
        const char* file;
        Suit suit;
    } suits[] = {{"Kreuz", Suit::Clubs},       {"Pik", Suit::Spades},    {"Coeur", Suit::Hearts},
                 {"Karo", Suit::Diamonds},     {"Eichel", Suit::Acorns}, {"Gruen", Suit::Leaves},
                 {"Herz", Suit::GermanHearts}, {"Schellen", Suit::Bells}};
    for (const auto& s : suits) {
        const Suit suit = s.suit;
        list.push_back(make(QStringLiteral("dialogues/%1.png").arg(QLatin1String(s.file)), 24, 24,
                            [suit](QPainter& p, const QRectF& r) { drawSuit(p, suit, r.adjusted(1, 1, -1, -1)); }));
    }
    list.push_back(make(QStringLiteral("dialogues/Hintergrund-Abrechnung.png"), 667, 461,
                        [](QPainter& p, const QRectF& r) { clothPanel(p, r, 26); }));
    list.push_back(make(QStringLiteral("dialogues/Hintergrund-Eingepasst.png"), 620, 500,
                        [](QPainter& p, const QRectF& r) { clothPanel(p, r, 26); }));
    list.push_back(make(QStringLiteral("dialogues/ListeKomplett.png"), 480, 320, [](QPainter& p, const QRectF& r) {
        clothPanel(p, r, 22);
        // A small trophy in the corner.
        const QRectF cup(r.right() - 78, 22, 48, 40);
        QLinearGradient g(cup.topLeft(), cup.topRight());
        g.setColorAt(0, QColor(250, 220, 120));
        g.setColorAt(0.5, QColor(255, 245, 190));
        g.setColorAt(1, QColor(200, 150, 40));
        p.setBrush(g);
        p.setPen(QPen(QColor(140, 100, 20), 1));
        QPainterPath bowl;
        bowl.moveTo(cup.left(), cup.top());
        bowl.lineTo(cup.right(), cup.top());
        bowl.cubicTo(cup.right(), cup.bottom(), cup.left(), cup.bottom(), cup.left(), cup.top());
        p.drawPath(bowl);
        p.drawRect(QRectF(cup.center().x() - 3, cup.bottom() - 8, 6, 12));
        p.drawRoundedRect(QRectF(cup.center().x() - 14, cup.bottom() + 4, 28, 7), 2, 2);
    }));
    list.push_back(make(QStringLiteral("dialogues/Titellogo.png"), 681, 464, [](QPainter& p, const QRectF& r) {
        clothPanel(p, r, 30);
        // The about box writes its texts in white on three columns and two
        // lines across the top; the logo keeps to the free lower right
        // corner: four cards fanned above the name, suit symbols only.
        const Suit fan[] = {Suit::Diamonds, Suit::Hearts, Suit::Spades, Suit::Clubs};
        for (int i = 0; i < 4; ++i) {
            p.save();
            p.translate(560, 372);
            p.rotate(-27 + i * 18);
            miniCard(p, QRectF(-36, -160, 72, 108), fan[i], QString(), false);
            p.restore();
        }
        outlinedText(p, QRectF(420, 362, 240, 70), QStringLiteral("Skat"), 64, kGold, QColor(70, 40, 0));
    }));
    list.push_back(
        make(QStringLiteral("dialogues/Sprechblase-Abrechnung.png"), 190, 110,
             [](QPainter& p, const QRectF&) { bubble(p, QRectF(6, 6, 176, 80), QPointF(40, 104), 30, 22); }));
    list.push_back(
        make(QStringLiteral("dialogues/Sprechblase-Spielansage.png"), 550, 350,
             [](QPainter& p, const QRectF&) { bubble(p, QRectF(8, 8, 532, 300), QPointF(470, 344), 60, 40); }));
    list.push_back(
        make(QStringLiteral("dialogues/Sprechblase-Spielabkuerzung.png"), 500, 147,
             // Round both buttons and their texts, pointing down to ">>" in the table's corner.
             [](QPainter& p, const QRectF&) { bubble(p, QRectF(10, 4, 480, 128), QPointF(22, 146), 40, 30); }));
    list.push_back(make(QStringLiteral("dialogues/Sprechblase-Tutor.png"), 308, 327, [](QPainter& p, const QRectF&) {
        // Round every control of the panel, pointing up to the bulb above it.
        bubble(p, QRectF(8, 18, 292, 302), QPointF(172, 1), 40, 34);
    }));
    list.push_back(make(QStringLiteral("dialogues/Maus_Tutor.png"), 80, 80,
                        [](QPainter& p, const QRectF& r) { computerMouse(p, r.adjusted(4, 4, -4, -4), 1); }));
    list.push_back(make(QStringLiteral("dialogues/Spielverlauf.png"), 30, 30, [](QPainter& p, const QRectF& r) {
        roundedGradient(p, r.adjusted(1, 1, -1, -1), 7, QColor(255, 255, 255), QColor(215, 222, 232),
                        QColor(90, 100, 120));
        p.setPen(QPen(QColor(40, 70, 120), 2));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(6, 6, 18, 18));
        p.setPen(QPen(QColor(40, 70, 120), 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(15, 15), QPointF(15, 9));
        p.drawLine(QPointF(15, 15), QPointF(19, 18));
    }));
    list.push_back(make(QStringLiteral("dialogues/Pan48.png"), 48, 48, [](QPainter& p, const QRectF&) {
        // A hand for moving the picture: four arrows.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(50, 90, 160));
        for (int i = 0; i < 4; ++i) {
            p.save();
            p.translate(24, 24);
            p.rotate(90 * i);
            QPainterPath head;
            head.moveTo(0, -22);
            head.lineTo(8, -12);
            head.lineTo(-8, -12);
            head.closeSubpath();
            p.drawPath(head);
            p.drawRect(QRectF(-2.5, -13, 5, 11));
            p.restore();
        }
        p.drawEllipse(QRectF(19, 19, 10, 10));
    }));
    list.push_back(make(QStringLiteral("dialogues/Eraser48.png"), 48, 48, [](QPainter& p, const QRectF&) {
        p.translate(24, 24);
        p.rotate(-40);
        roundedGradient(p, QRectF(-18, -9, 22, 18), 3, QColor(255, 160, 170), QColor(220, 90, 110), QColor(140, 40, 60),
                        1.5);
        roundedGradient(p, QRectF(2, -9, 16, 18), 3, QColor(150, 190, 255), QColor(60, 110, 200), QColor(30, 60, 130),
                        1.5);
    }));
    list.push_back(make(QStringLiteral("dialogues/head_small.png"), 9, 8,
                        [](QPainter& p, const QRectF& r) { personHead(p, r, QColor(60, 70, 90)); }));
    list.push_back(make(QStringLiteral("dialogues/head_large.png"), 16, 13,
                        [](QPainter& p, const QRectF& r) { personHead(p, r, QColor(60, 70, 90)); }));
    for (const char* theme : {"Kneipe", "Meer", "Berge", "Leer"}) {
        const QString name = QLatin1String(theme);
        list.push_back(make(QStringLiteral("dialogues/Theme_Thumbnail_%1.bmp").arg(name), 80, 65,
                            [name](QPainter& p, const QRectF& r) { themeThumbnail(p, r, name); }));
    }
    // clang-format off
    const struct { const char* name; Suit suit; bool four; } decks[] = {
        {"Deutsch", Suit::Acorns, false}, {"Franzoesisch", Suit::Clubs, false}, {"Turnier", Suit::Spades, true}};
    // clang-format on
    for (const auto& d : decks) {
        const Suit suit = d.suit;
        const bool four = d.four;
        list.push_back(make(QStringLiteral("dialogues/Blatt_Thumbnail_%1.bmp").arg(QLatin1String(d.name)), 35, 50,
                            [suit, four](QPainter& p, const QRectF& r) {
                                p.fillRect(r, QColor(236, 238, 240));
                                miniCard(p, r.adjusted(3, 3, -3, -3), suit, QStringLiteral("B"), four);
                            }));
    }
    list.push_back(make(QStringLiteral("dialogues/Reizwerte.png"), 404, 211, bidValues));
    list.push_back(make(QStringLiteral("dialogues/Skat.png"), 128, 128, emblem));
    return list;
}

} // namespace pictures
